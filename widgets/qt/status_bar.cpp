#include "widgets/qt/status_bar.h"

#include "core/strings.h"
#include "widgets/qt/control_id.h"

#include <QLabel>

namespace veltrano {

CNewStatusBar::CNewStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("CNewStatusBar"));
    // The host pane shows no text; its control fills it less one unit a side.
    auto* pane = new QWidget(this);
    pane->setFixedWidth(kHostPaneWidth);
    setControlId(pane, kHostPane);
    host_ = new QWidget(pane);
    setControlId(host_, kHostControl);
    host_->setGeometry(1, 1, kHostPaneWidth - 2, 1);
    host_->hide();
    addPermanentWidget(pane);
    for (int id : {kCapsLock, kNumLock, kScrollLock}) {
        auto* label = new QLabel(QString::fromStdString(loadString(id)), this);
        setControlId(label, id);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 8);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        addPermanentWidget(label);
        setIndicator(id, false);
    }
}

QLabel* CNewStatusBar::indicator(int pane) const {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (controlId(label) == pane)
            return label;
    }
    return nullptr;
}

void CNewStatusBar::setIndicator(int pane, bool lit) {
    if (QLabel* label = indicator(pane))
        label->setEnabled(lit);
}

} // namespace veltrano
