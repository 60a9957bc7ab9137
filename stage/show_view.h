// The view that shows the scene in the window's client area: exactly 1095 x 684 logical pixels,
// no frame, no scroll bars, anti-aliased, on the window's white fill.
#pragma once

#include <QGraphicsView>

namespace pelora {

class ShowScene;

class ShowView : public QGraphicsView {
public:
    explicit ShowView(ShowScene& scene, QWidget* parent = nullptr);
};

}  // namespace pelora
