// Days of show in simulated time: draw after draw with the operator clicking ">>" at random
// moments, the pointer, the wheel and the keyboard busy over every part of the window, and the
// event thread stalling now and then. After every draw the show must be whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

#include "assets/facts/show_facts.h"
#include "show_fixture.h"
#include "stage/show_view.h"

namespace pelora::testing {
namespace {

// PELORA_SOAK_DRAWS shortens the run where a build is slow (sanitizers); the default is about
// 45 days of show.
int soakDraws() {
    const char* value = std::getenv("PELORA_SOAK_DRAWS");
    return value != nullptr ? std::max(1, std::atoi(value)) : 10000;
}

class Soak : public ShowFixture {
protected:
    QWidget& viewport() { return *form->view().viewport(); }

    void moveTo(QPointF point) {
        QMouseEvent move(QEvent::MouseMove, point, viewport().mapToGlobal(point), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&viewport(), &move);
    }
    void clickAt(QPointF point) {
        moveTo(point);
        const QPointF global = viewport().mapToGlobal(point);
        QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&viewport(), &release);
    }
    void wheelAt(QPointF point, int steps) {
        QWheelEvent wheel(point, viewport().mapToGlobal(point), QPoint(), QPoint(0, 120 * steps),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&viewport(), &wheel);
    }
    void press(int key, const QString& text = {}) {
        QWidget* target =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &form->view();
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &up);
    }

    // One thing the operator, a passer-by or the machine does at a random moment.
    void disturb() {
        std::uniform_real_distribution<double> x(0.0, clientWidth);
        std::uniform_real_distribution<double> y(0.0, clientHeight);
        switch (std::uniform_int_distribution<int>(0, 9)(random)) {
            case 0:
                clickAt({1050.0, 659.0});  // ">>", or the footer where it is hidden
                break;
            case 1:
                clickAt({x(random), y(random)});
                break;
            case 2:
                wheelAt({x(random), y(random)}, std::uniform_int_distribution<int>(-3, 3)(random));
                break;
            case 3: {
                const int keys[] = {Qt::Key_Tab,  Qt::Key_Down,   Qt::Key_Up,    Qt::Key_Right,
                                    Qt::Key_Left, Qt::Key_Return, Qt::Key_Escape};
                press(keys[std::uniform_int_distribution<int>(0, 6)(random)]);
                press(Qt::Key_7, QStringLiteral("7"));
                break;
            }
            case 4:
                platform.stall(std::uniform_real_distribution<double>(0.0, 4.0)(random));
                break;
            default:
                moveTo({x(random), y(random)});
                break;
        }
        QApplication::processEvents();
    }

    // The states the cycle allows: what runs, what shows.
    void expectConsistentState() {
        const int coup = state().coup;
        const bool resting = coup == 13;
        const bool sliding =
            scene().FloatAnimation(31).Running() || scene().FloatAnimation(32).Running() ||
            scene().FloatAnimation(33).Running() || scene().FloatAnimation(34).Running();
        ASSERT_GE(coup, 1);
        ASSERT_LE(coup, 13);
        if (form->entredeux.Enabled()) {
            ASSERT_FALSE(resting || sliding || scene().FloatAnimation(1).Running());
        }
        if (form->repos5mn.Enabled()) {
            ASSERT_TRUE(resting);
        }
        if (scene().FloatAnimation(1).Running()) {
            ASSERT_FALSE(resting || sliding);
        }
        if (scene().Rectangle9().isVisible()) {
            ASSERT_TRUE(resting && form->repos5mn.Enabled() && !sliding);
            ASSERT_EQ(scene().Rectangle10().positionX(), state().p1);
        }
        if (!scene().FloatAnimation(1).Running()) {
            ASSERT_EQ(scene().Rectangle1().positionX(), -120.0F);
            ASSERT_EQ(scene().Rectangle1().positionY(), 380.0F);
        }
    }

    void expectWholeDraw(int draw) {
        std::set<int> numbers;
        for (int ball = 1; ball <= 12; ++ball) {
            numbers.insert(state().Tirage[ball]);
        }
        ASSERT_EQ(numbers.size(), 12U) << "draw " << draw;
        int blue = 0;
        int yellow = 0;
        for (int k = 1; k <= tileCount; ++k) {
            const std::uint32_t fill = scene().tile(k).fillColor();
            blue += fill == scene().Rectangle5().fillColor() ? 1 : 0;
            yellow += fill == scene().Rectangle6().fillColor() ? 1 : 0;
        }
        ASSERT_EQ(blue, 7) << "draw " << draw;
        ASSERT_EQ(yellow, 5) << "draw " << draw;
        ASSERT_EQ(form->recap().RowCount(), draw);
        ASSERT_EQ(state().numtir, draw);
    }

    std::mt19937 random{20261210U};
};

TEST_F(Soak, DrawAfterDrawWithAnOperatorAndAStallingMachine) {
    start();
    const int draws = soakDraws();
    std::exponential_distribution<double> nextDisturbance(1.0 / 20.0);
    for (int draw = 1; draw <= draws; ++draw) {
        while (state().coup != 13) {
            ASSERT_EQ(state().numtir, draw);
            platform.runUntil([&] { return state().coup == 13; }, nextDisturbance(random));
            expectConsistentState();
            if (state().coup != 13) {
                disturb();
            }
        }
        expectWholeDraw(draw);
        while (state().numtir == draw) {
            platform.runUntil([&] { return state().numtir != draw; }, nextDisturbance(random));
            expectConsistentState();
            if (state().numtir == draw) {
                disturb();
            }
        }
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    // Without a click a draw and its rest last at least 383 s: the operator did cut rests short.
    EXPECT_LT(now() / draws, 383.0);
    EXPECT_TRUE(platform.errors().empty()) << platform.errors().front();
    EXPECT_TRUE(shownErrors.empty());
}

}  // namespace
}  // namespace pelora::testing
