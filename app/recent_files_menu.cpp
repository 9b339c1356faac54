#include "app/recent_files_menu.h"

#include "app/command_ids.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace veltrano {
namespace {
constexpr char kRecentItemProperty[] = "vtRecentFileItem";
} // namespace

void showRecentFiles(QMenu* menu, const std::vector<std::string>& paths, int exitCommand,
                     const std::function<void(int command)>& sink) {
    for (QAction* action : menu->actions())
        if (action->property(kRecentItemProperty).toBool()) {
            // It may be the item being triggered: gone from view and from lookups
            // now, deleted once its signal is done.
            menu->removeAction(action);
            action->setObjectName(QString());
            action->deleteLater();
        }
    if (paths.empty())
        return;
    // Right above the exit item (below its separator), with a separator of their own.
    const QList<QAction*> actions = menu->actions();
    QAction* before = nullptr;
    for (qsizetype i = 0; i < actions.size(); ++i)
        if (actions[i]->objectName() == QStringLiteral("cmd%1").arg(exitCommand))
            before = actions[i];
    QList<QAction*> items;
    for (std::size_t i = 0; i < paths.size() && i < std::size_t{command::kRecentFileCount}; ++i) {
        const QString path = QString::fromStdString(paths[i]);
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name), menu);
        const int commandId = command::kFirstRecentFile + static_cast<int>(i);
        item->setObjectName(QStringLiteral("cmd%1").arg(commandId));
        item->setStatusTip(path);
        item->setToolTip(path);
        QObject::connect(item, &QAction::triggered, menu, [sink, commandId] { sink(commandId); });
        items.append(item);
    }
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    items.append(separator);
    for (QAction* item : items)
        item->setProperty(kRecentItemProperty, true);
    menu->insertActions(before, items);
}

} // namespace veltrano
