// The recap table StringGrid1 in the recap panel: the table widget over the recap model, embedded
// in the scene where the grid's slot stands, so that it slides with the panel and takes the size
// the layout pass gives the slot. The scene owns the widget; this object only reaches it.
//
// The panel stays hidden until the first rest, so the widget is made only when it is first
// needed (build(), or the first view() or proxy()): an item view costs about 5 ms and 1 MB that
// the first frame of the show has no use for.
#pragma once

#include <QGraphicsProxyWidget>
#include <QPointer>

#include "motion/error_boundary.h"
#include "stage/recap_cell_delegate.h"

namespace pelora {

class RecapModel;
class RecapTableView;
class ShowScene;

class RecapTable {
public:
    // Errors thrown while painting a cell go to onError.
    RecapTable(ShowScene& scene, RecapModel& grid, ErrorHandler onError = {});
    ~RecapTable();
    RecapTable(const RecapTable&) = delete;
    RecapTable& operator=(const RecapTable&) = delete;

    // Makes the widget and puts it in the slot, once; later calls do nothing.
    void build();
    bool isBuilt() const { return built_; }

    // The widget and its place in the scene, made if need be; a ShowError once the scene is gone.
    RecapTableView& view();
    QGraphicsProxyWidget& proxy();
    void setPaintObserver(RecapCellDelegate::PaintObserver observer);

private:
    ShowScene& scene_;
    RecapModel& grid_;
    ErrorHandler onError_;
    RecapCellDelegate::PaintObserver observer_;
    bool built_ = false;
    QPointer<QGraphicsProxyWidget> proxy_;
    QPointer<RecapTableView> view_;
    QPointer<RecapCellDelegate> delegate_;
};

}  // namespace pelora
