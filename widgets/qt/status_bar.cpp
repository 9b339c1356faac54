#include "widgets/qt/status_bar.h"

#include "core/strings.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/owner_accessibility.h"
#include "widgets/qt/status_accessibility.h"

#include <QLabel>

namespace veltrano {
namespace {

constexpr int kStatusBarName = 29924;

int spokenName(int pane) {
    switch (pane) {
    case CNewStatusBar::kCapsLock:
        return 29921;
    case CNewStatusBar::kNumLock:
        return 29922;
    default:
        return 29923;
    }
}

} // namespace

CNewStatusBar::CNewStatusBar(QWidget* parent) : QStatusBar(parent) {
    // Before the name is set: that makes Qt build the bar's accessible interface.
    installOwnerAccessibility();
    setObjectName(QStringLiteral("CNewStatusBar"));
    setAccessibleName(QString::fromStdString(loadString(kStatusBarName)));
    // The message pane is painted by the bar itself; its prompt is read as the bar's
    // description and as the name of the pane's own accessible child.
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& message) {
        setAccessibleDescription(message);
        announcePromptChange(this);
    });
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
        // The pane shows an abbreviation; a screen reader says the key's name.
        label->setAccessibleName(QString::fromStdString(loadString(spokenName(id))));
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
