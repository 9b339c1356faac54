#pragma once
// The base of the main window's views: it records the client size and every
// child's rectangle once the view is laid out, and on every resize puts each
// child at its recorded place scaled by the ratio of the new client size to
// the recorded one, so the controls grow with the window.
#include "render/geometry.h"

#include <QWidget>
#include <vector>

namespace veltrano {

enum class ChildSizing {
    Scaled,     // position and size follow the window
    KeepHeight, // combo boxes: the recorded height stays
    KeepSize,   // bitmap pictures: the recorded size stays
};

// Where a child recorded at `recorded` in a client of `recordedClient` goes
// in a client of `client`. A recorded client without area leaves it as it was.
Rect scaledChildRect(const Rect& recorded, Size recordedClient, Size client, ChildSizing sizing);

class CMainChildDlg : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMaxRecordedChildren = 199;

    explicit CMainChildDlg(QWidget* parent = nullptr);

  protected:
    // Takes the current client size and child geometries as the layout to scale from.
    void recordLayout(Size client);
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Recorded {
        QWidget* child;
        Rect rect;
        ChildSizing sizing;
    };
    Size recordedClient_;
    std::vector<Recorded> children_;
};

} // namespace veltrano
