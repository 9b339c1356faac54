#include "app/main_child_dlg.h"

#include "widgets/qt/control_id.h"

#include <QComboBox>
#include <QLabel>
#include <QResizeEvent>
#include <cstdint>

namespace veltrano {
namespace {

std::int32_t scaled(std::int32_t value, std::int32_t to, std::int32_t from) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(value) * to / from);
}

ChildSizing sizingOf(const QWidget* child) {
    if (qobject_cast<const QComboBox*>(child) != nullptr)
        return ChildSizing::KeepHeight;
    const auto* label = qobject_cast<const QLabel*>(child);
    if (label != nullptr && !label->pixmap().isNull())
        return ChildSizing::KeepSize;
    return ChildSizing::Scaled;
}

} // namespace

Rect scaledChildRect(const Rect& recorded, Size recordedClient, Size client, ChildSizing sizing) {
    if (recordedClient.width <= 0 || recordedClient.height <= 0)
        return recorded;
    const std::int32_t left = scaled(recorded.left, client.width, recordedClient.width);
    const std::int32_t top = scaled(recorded.top, client.height, recordedClient.height);
    std::int32_t width = scaled(recorded.width(), client.width, recordedClient.width);
    std::int32_t height = scaled(recorded.height(), client.height, recordedClient.height);
    if (sizing == ChildSizing::KeepHeight || sizing == ChildSizing::KeepSize)
        height = recorded.height();
    if (sizing == ChildSizing::KeepSize)
        width = recorded.width();
    return Rect{left, top, left + width, top + height};
}

CMainChildDlg::CMainChildDlg(QWidget* parent) : QWidget(parent) {}

void CMainChildDlg::recordLayout(Size client) {
    recordedClient_ = client;
    children_.clear();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (children_.size() >= kMaxRecordedChildren)
            break;
        const QRect g = child->geometry();
        children_.push_back({child,
                             Rect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()},
                             sizingOf(child)});
    }
}

void CMainChildDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const Size client{width(), height()};
    for (const Recorded& entry : children_) {
        const Rect r = scaledChildRect(entry.rect, recordedClient_, client, entry.sizing);
        entry.child->setGeometry(r.left, r.top, r.width(), r.height());
    }
}

} // namespace veltrano
