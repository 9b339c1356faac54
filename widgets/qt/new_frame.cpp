#include "widgets/qt/new_frame.h"

#include "resources/menus/menu_resource.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/engine/command_images.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/ie4bar.h"
#include "widgets/qt/owner_drawn_menu.h"
#include "widgets/qt/status_bar.h"

#include <QMenuBar>

namespace veltrano {
namespace {
constexpr int kStatusBarId = 59393;
constexpr int kButtonBarId = 59392;
} // namespace

CNewFrame::CNewFrame(QWidget* parent) : QMainWindow(parent) {
    commandImages().registerImage(kAboutCommand, pictures::kIconAbout);
    commandImages().registerImage(kManualCommand, pictures::kIconManual);
    commandImages().registerImage(kHelpCommand, pictures::kIconHelp);
    statusBar_ = new CNewStatusBar(this);
    setControlId(statusBar_, kStatusBarId);
    setStatusBar(statusBar_);
}

bool CNewFrame::installButtonBar(int layout, int strip) {
    auto* bar = new CIE4Bar(this);
    if (!bar->build(layout, strip)) {
        delete bar;
        return false;
    }
    setControlId(bar, kButtonBarId);
    if (buttonBar_ != nullptr) {
        removeToolBar(buttonBar_);
        buttonBar_->deleteLater();
    }
    buttonBar_ = bar;
    addToolBar(Qt::TopToolBarArea, bar);
    connect(bar, &CIE4Bar::commandTriggered, this, &CNewFrame::commandTriggered);
    return true;
}

bool CNewFrame::installMenu(int menu) {
    const MenuResource* resource = findMenuResource(menu);
    if (resource == nullptr)
        return false;
    auto* bar = new QMenuBar(this);
    fillOwnerDrawnMenuBar(bar, *resource, [this](int command) { emit commandTriggered(command); });
    setMenuBar(bar);
    return true;
}

} // namespace veltrano
