#include "widgets/qt/ie4bar.h"

#include "core/message_presenter.h"
#include "core/strings.h"
#include "resources/menus/menu_resource.h"
#include "resources/strings/string_table.h"
#include "widgets/engine/palette.h"
#include "widgets/qt/owner_drawn_menu.h"
#include "widgets/qt/owner_paint.h"
#include "widgets/qt/pictures.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <cstdint>

namespace veltrano {
namespace {

constexpr int kPaletteRebar = 35;

} // namespace

int ie4ButtonWidth(std::optional<int> screenWidth, int buttons, int separators) {
    if (!screenWidth)
        return 50;
    const auto count = static_cast<std::uint32_t>(std::max(buttons, 1));
    const std::uint32_t room =
        static_cast<std::uint32_t>(*screenWidth) - 8u * static_cast<std::uint32_t>(separators) - 8u;
    return static_cast<int>(std::clamp<std::uint32_t>(room / count, 30u, 100u));
}

std::string buttonLabelOf(const std::string* text) {
    if (text == nullptr)
        return "NO TEXT";
    const std::size_t lineBreak = text->find('\n');
    if (lineBreak != std::string::npos && lineBreak >= 1)
        return text->substr(lineBreak + 1);
    return *text;
}

std::string statusPromptOf(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string toolTipOf(const std::string& text) {
    const std::size_t lineBreak = text.find('\n');
    return lineBreak == std::string::npos ? text : text.substr(lineBreak + 1);
}

std::optional<std::string> commandString(int command) {
    if (findStringTableEntry(command) == nullptr)
        return std::nullopt;
    return loadString(command);
}

CIE4Bar::CIE4Bar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("CIE4Bar"));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(kImageWidth, kImageHeight));
    const QColor background = toQColor(paletteColour(kPaletteRebar));
    setStyleSheet(QStringLiteral("QToolBar#CIE4Bar { background: %1; border: none; spacing: 0; }")
                      .arg(background.name()));
}

bool CIE4Bar::build(int layout, int strip) {
    const ToolbarResource* resource = findToolbarResource(layout);
    if (resource == nullptr)
        return false;
    const int buttons =
        static_cast<int>(std::count_if(resource->commands.begin(), resource->commands.end(),
                                       [](int command) { return command != 0; }));
    const int separators = static_cast<int>(resource->commands.size()) - buttons;
    std::optional<int> screenWidth;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        screenWidth = screen->geometry().width();
    buttonWidth_ = ie4ButtonWidth(screenWidth, buttons, separators);
    int image = 0;
    for (int command : resource->commands) {
        if (command == 0) {
            addSeparator();
            continue;
        }
        const std::optional<std::string> text = commandString(command);
        QAction* action = addAction(QString::fromStdString(buttonLabelOf(text ? &*text : nullptr)));
        action->setObjectName(QStringLiteral("cmd%1").arg(command));
        action->setIcon(strip != 0 ? resourceIcon(strip, image, kImageWidth) : QIcon());
        ++image;
        if (text) {
            action->setToolTip(QString::fromStdString(toolTipOf(*text)));
            action->setStatusTip(QString::fromStdString(statusPromptOf(*text)));
        }
        connect(action, &QAction::triggered, this,
                [this, command] { emit commandTriggered(command); });
        if (QToolButton* button = buttonFor(command)) {
            button->setMinimumWidth(30);
            button->setMaximumWidth(buttonWidth_);
            button->setAutoRaise(true);
        }
    }
    return true;
}

QToolButton* CIE4Bar::buttonFor(int command) const {
    const QAction* action = findChild<QAction*>(QStringLiteral("cmd%1").arg(command));
    return action ? qobject_cast<QToolButton*>(widgetForAction(const_cast<QAction*>(action)))
                  : nullptr;
}

bool CIE4Bar::addDropDownButton(int command, int menu) {
    auto free = std::find_if(dropDowns_.begin(), dropDowns_.end(),
                             [](const DropDown& entry) { return entry.command == 0; });
    if (free == dropDowns_.end())
        return false;
    *free = {command, menu};
    if (QToolButton* button = buttonFor(command)) {
        // The arrow opens the same menu, loaded afresh each time it opens.
        auto* arrowMenu = new QMenu(button);
        connect(arrowMenu, &QMenu::aboutToShow, this, [this, command, arrowMenu] {
            arrowMenu->clear();
            if (!loadDropDownMenu(command, arrowMenu))
                QMetaObject::invokeMethod(arrowMenu, &QMenu::close, Qt::QueuedConnection);
        });
        button->setMenu(arrowMenu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    return true;
}

bool CIE4Bar::loadDropDownMenu(int command, QMenu* menu) {
    auto entry = std::find_if(dropDowns_.begin(), dropDowns_.end(),
                              [command](const DropDown& e) { return e.command == command; });
    if (command == 0 || entry == dropDowns_.end())
        return false;
    if (entry->menu == 0) {
        showMessage(kNoMenuMessage, MessageStyle::Ok);
        return false;
    }
    const MenuResource* resource = findMenuResource(entry->menu);
    if (resource == nullptr || resource->items.empty())
        return false;
    fillOwnerDrawnMenu(menu, resource->items.front(),
                       [this](int chosen) { emit commandTriggered(chosen); });
    return true;
}

bool CIE4Bar::dropDownRequest(int command) {
    const bool known =
        command != 0 && std::any_of(dropDowns_.begin(), dropDowns_.end(),
                                    [command](const DropDown& e) { return e.command == command; });
    if (!known)
        return false;
    QMenu menu(this);
    if (!loadDropDownMenu(command, &menu))
        return true;
    QToolButton* button = buttonFor(command);
    if (button != nullptr)
        button->setDown(true);
    const QPoint below = button ? button->mapToGlobal(QPoint(0, button->height()))
                                : mapToGlobal(QPoint(0, height()));
    menu.exec(below);
    if (button != nullptr)
        button->setDown(false);
    return true;
}

} // namespace veltrano
