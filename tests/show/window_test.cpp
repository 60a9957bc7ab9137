// The window itself: start-up order, placement, fixed size, caption, and the error display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QResizeEvent>
#include <QWindow>

#include "app/error_display.h"
#include "app/placement.h"
#include "assets/assets.h"
#include "show_fixture.h"
#include "stage/show_view.h"

namespace pelora::testing {
namespace {

class Window : public ShowFixture {};

TEST_F(Window, FormCreateRunsBeforeTheLayoutPassAndNothingIsVisibleUntilShown) {
    startWindow(*form, QRect(0, 0, 1280, 800));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state().numtir, 1);
    // The first ball was aimed before the layout pass moved the board.
    const int number = state().Tirage[1];
    EXPECT_EQ(scene().FloatAnimation(1).StopValue, 35.0F + scene().tile(number).positionX());
    EXPECT_NE(scene().Rectangle2().positionY(), 105.0F);
    EXPECT_EQ(state().p1, scene().Rectangle2().positionX());
    EXPECT_EQ(state().p2, static_cast<float>(form->Width + 100));
    EXPECT_GE(form->Width, TForm1::ClientWidth);
    EXPECT_GE(form->Height, TForm1::ClientHeight);
}

TEST_F(Window, CaptionAndFixedClientArea) {
    start();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pelora - V1.0 - www.pelora.fr"));
    EXPECT_EQ(form->size(), QSize(1095, 684));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

// The icon is given to the window once its first frame is painted, whole, at 256 x 256.
TEST_F(Window, TheIconComesRightAfterTheFirstFrame) {
    start();
    EXPECT_TRUE(form->windowIcon().isNull());
    // Exposed and painted, then the icon.
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_TRUE(form->windowHandle()->isExposed());
    const QIcon icon = form->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(256, 256)});
    const QImage expected = QPixmap::fromImage(loadPicture(Picture::Icon)).toImage();
    EXPECT_EQ(icon.pixmap(QSize(256, 256)).toImage(), expected);
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
    EXPECT_EQ(icon.pixmap(QSize(512, 512)).size(), QSize(256, 256));
    // Painted again, the window keeps the icon it has.
    form->view().viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(form->windowIcon().cacheKey(), icon.cacheKey());
}

TEST_F(Window, ARequestForAnotherSizeOrFullScreenIsRefused) {
    start();
    form->setWindowState(Qt::WindowFullScreen);
    QApplication::processEvents();
    EXPECT_FALSE(form->windowState().testFlag(Qt::WindowFullScreen));
    form->setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    EXPECT_FALSE(form->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(form->size(), QSize(1095, 684));
    const float boardX = scene().Rectangle2().positionX();
    QResizeEvent stretched(QSize(1400, 900), form->size());
    QApplication::sendEvent(form.get(), &stretched);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(1095, 684));
    EXPECT_EQ(scene().Rectangle2().positionX(), boardX);
}

TEST_F(Window, MinimisingNeitherLaysOutAgainNorPausesTheShow) {
    start();
    const int width = form->Width;
    form->showMinimized();
    QApplication::processEvents();
    runUntil([&] { return state().coup == 3; });
    form->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(form->Width, width);
    EXPECT_EQ(state().coup, 3);
}

TEST(Placement, CentresWithHalvesToTheEvenNeighbour) {
    struct Case {
        int start, length, size, origin;
    };
    const Case cases[] = {
        {0, 1280, 1097, 92},                           // 91.5 -> 92
        {0, 1280, 1095, 92},                           // 92.5 -> 92
        {0, 800, 705, 48},                             // 47.5 -> 48
        {0, 800, 707, 46},                             // 46.5 -> 46
        {0, 1920, 1111, 404},                          // 404.5 -> 404
        {100, 1000, 1000, 100}, {0, 1000, 1101, -50},  // -50.5 -> -50
    };
    for (const Case& c : cases) {
        EXPECT_EQ(centredOrigin(c.start, c.length, c.size), c.origin)
            << c.start << " " << c.length << " " << c.size;
    }
}

TEST(ErrorDisplay, AddsAFullStopOnlyAfterACharacterAboveIt) {
    EXPECT_EQ(withFinalStop("Création du timer impossible :  systemErrorCode = 12"),
              QStringLiteral("Création du timer impossible :  systemErrorCode = 12."));
    EXPECT_EQ(withFinalStop("Déjà fini."), QStringLiteral("Déjà fini."));
    EXPECT_EQ(withFinalStop("Liste : -"), QStringLiteral("Liste : -"));  // '-' is below '.'
    EXPECT_EQ(withFinalStop("Compteur dépassé"), QStringLiteral("Compteur dépassé."));
    EXPECT_EQ(withFinalStop(""), QString());
}

TEST(ErrorDisplay, ShowsOneBoxAtATimeFromTheEventLoopAndQueuesNewMessagesOnce) {
    SimulatedPlatform platform;
    std::vector<QString> shown;
    ErrorDisplay* display = nullptr;
    ErrorDisplay errors([&](const QString& text) {
        shown.push_back(text);
        if (shown.size() == 1) {
            // While the first box is open, the show goes on and fails again.
            display->show("Deuxième");
            display->show("Deuxième");
            display->show("Première");
        }
    });
    display = &errors;
    // Raised twice by one handler: nothing opens until the handler has returned, then one box.
    errors.show("Première");
    errors.show("Première");
    EXPECT_TRUE(shown.empty());
    platform.advanceBy(0.0);
    EXPECT_EQ(shown, (std::vector<QString>{"Première.", "Deuxième."}));
    // Once OK is pressed, the same error raised again opens a box again.
    errors.show("Première");
    platform.advanceBy(0.0);
    EXPECT_EQ(shown.size(), 3U);
    EXPECT_EQ(platform.postedCount(), 0U);
}

TEST_F(Window, ARefusedTimerIsShownInFrenchAndTheShowGoesOn) {
    start();
    const int number = state().Tirage[1];
    platform.refuseNextTimerOfPeriod(1000, 12);
    runUntil([&] { return state().coup == 2; });
    ASSERT_EQ(platform.errors().size(), 1U);
    EXPECT_EQ(platform.errors().front(), "Création du timer impossible :  systemErrorCode = 12");
    // The switch keeps its new value, though no platform timer runs behind it.
    EXPECT_TRUE(form->entredeux.Enabled());
    EXPECT_FALSE(form->entredeux.hasPlatformTimer());
    // The next events are handled: the landed tile spins to its end.
    runFor(3.1);
    EXPECT_EQ(scene().tile(number).rotationAngle(), 720.0F);
    EXPECT_FALSE(scene().spin(number).Running());
    EXPECT_EQ(shownErrors,
              std::vector<std::string>{"Création du timer impossible :  systemErrorCode = 12."});
}

}  // namespace
}  // namespace pelora::testing
