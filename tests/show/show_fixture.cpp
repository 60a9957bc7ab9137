#include "show_fixture.h"

#include "app/placement.h"
#include "stage/scene_render.h"

namespace pelora::testing {

ShowFixture::ShowFixture()
    : errors([this](const QString& text) {
          shownErrors.push_back(text.toStdString());
          if (whileBoxOpen) {
              whileBoxOpen();
          }
      }),
      form(std::make_unique<TForm1>([this](const std::string& message) { errors.show(message); })) {
    platform.setErrorHandler([this](const std::string& message) { errors.show(message); });
}

ShowFixture::~ShowFixture() {
    form.reset();
    platform.setErrorHandler({});
}

void ShowFixture::start() {
    startWindow(*form, QRect(0, 0, 1280, 800));
    form->show();
}

QImage ShowFixture::frame() {
    return renderScene(form->scene());
}

double ShowFixture::runUntil(const std::function<bool()>& done, double within) {
    EXPECT_TRUE(platform.runUntil(done, within)) << "not reached within " << within << " s";
    return now();
}

QPointF ShowFixture::tileOrigin(int number) {
    const RectangleNode& board = scene().Rectangle2();
    const RectangleNode& tile = scene().tile(number);
    return {board.positionX() + tile.positionX(), board.positionY() + tile.positionY()};
}

}  // namespace pelora::testing
