#include "app/placement.h"

#include <cmath>

#include "app/Unit1.h"
#include "stage/first_frame_text.h"
#include "stage/show_view.h"

namespace pelora {

int centredOrigin(int start, int length, int size) {
    return start + static_cast<int>(std::nearbyint((length - size) / 2.0));
}

void startWindow(TForm1& form, const QRect& workArea) {
    form.guarded([&] { form.FormCreate(form); });
    form.guarded([&] { form.awaitFrame(); });
    form.guarded([&] { form.FormResize(form); });
    form.placeCentred(workArea);
    form.guarded([&] { form.FormResize(form); });
    form.setShownOnce();
}

void showStartedWindow(TForm1& form) {
    form.show();
    form.activateWindow();
    prepareFirstFrameText(form.scene(), *form.view().viewport());
}

}  // namespace pelora
