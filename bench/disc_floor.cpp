// The floor a moving ball's frames are judged against: a bare Qt window of the show's client size
// that moves one 84-pixel disc every 10 ms, as cheaply as Qt allows. A precise timer, update() of
// the disc's old and new rectangles only, and an antialiased ellipse on white. Run it in the same
// session and at the same scale as the show, and measure its CPU the same way
// (bench/measure_floor_cpu.sh).
//   disc_floor [seconds] [breakdown]   runs that long (60 by default), then ends; with
//                                      "breakdown", prints where its CPU went (event_costs.h)
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "assets/facts/show_facts.h"
#include "event_costs.h"

namespace {

constexpr int discSize = 84;
constexpr int periodMs = 10;
constexpr double pixelsPerTick = 4.0;  // a flight crosses about 1000 pixels in 2 to 3 seconds
constexpr int discY = 300;

class DiscWindow final : public QWidget {
public:
    DiscWindow() {
        setFixedSize(pelora::clientWidth, pelora::clientHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { step(); });
        timer_.start(periodMs);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x06, 0x66, 0xFF));
        painter.drawEllipse(disc());
    }

private:
    QRectF disc() const { return {x_, discY, discSize, discSize}; }

    void step() {
        const QRect before = disc().toAlignedRect();
        x_ += pixelsPerTick;
        if (x_ > width()) {
            x_ = -discSize;
        }
        update(before);
        update(disc().toAlignedRect());
    }

    QTimer timer_;
    double x_ = -discSize;
};

}  // namespace

int main(int argc, char** argv) {
    // With "breakdown", the event thread's CPU is split as bench/tick_breakdown splits the
    // show's, at the small cost of timing every event; without it nothing is added.
    const bool breakdown = argc > 2 && std::strcmp(argv[2], "breakdown") == 0;
    std::unique_ptr<QApplication> application =
        breakdown ? std::make_unique<pelora::bench::MeteredApplication>(argc, argv)
                  : std::make_unique<QApplication>(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    DiscWindow window;
    window.setWindowTitle(QStringLiteral("disc floor"));
    window.show();
    if (breakdown) {
        auto* metered = static_cast<pelora::bench::MeteredApplication*>(application.get());
        QTimer::singleShot(2000, [metered] { metered->reset(); });
        QTimer::singleShot(seconds * 1000, [metered] {
            metered->report("the disc floor");
            QApplication::quit();
        });
    } else {
        QTimer::singleShot(seconds * 1000, application.get(), &QApplication::quit);
    }
    return QApplication::exec();
}
