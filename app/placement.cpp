#include "app/placement.h"

#include <cmath>

#include "app/Unit1.h"

namespace pelora {

int centredOrigin(int start, int length, int size) {
    return start + static_cast<int>(std::nearbyint((length - size) / 2.0));
}

void startWindow(TForm1& form, const QRect& workArea) {
    form.guarded([&] { form.FormCreate(form); });
    form.guarded([&] { form.FormResize(form); });
    form.placeCentred(workArea);
    form.guarded([&] { form.FormResize(form); });
    form.setShownOnce();
}

}  // namespace pelora
