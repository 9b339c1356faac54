#include "app/command_shortcuts.h"

#include "app/command_ids.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

namespace veltrano {
namespace {

struct CommandKeys {
    int command;
    QKeySequence::StandardKey standard;
    // Added when the desktop's scheme has no such binding (some schemes have
    // none for Save as or Quit, and Ctrl+Y is expected for Redo everywhere).
    const char* extra;
};

constexpr CommandKeys kCommandKeys[] = {
    {command::kNew, QKeySequence::New, nullptr},
    {command::kOpen, QKeySequence::Open, nullptr},
    {command::kSave, QKeySequence::Save, nullptr},
    {command::kSaveAs, QKeySequence::SaveAs, "Ctrl+Shift+S"},
    {command::kPrintSheets, QKeySequence::Print, nullptr},
    {command::kExit, QKeySequence::Quit, "Ctrl+Q"},
    {command::kUndo, QKeySequence::Undo, nullptr},
    {command::kRedo, QKeySequence::Redo, "Ctrl+Shift+Z"},
    {command::kRedo, QKeySequence::UnknownKey, "Ctrl+Y"},
    {command::kManual, QKeySequence::HelpContents, "F1"},
};

} // namespace

void assignStandardShortcuts(QMenuBar* bar) {
    for (const CommandKeys& keys : kCommandKeys) {
        const QString name = QStringLiteral("cmd%1").arg(keys.command);
        for (QAction* action : bar->findChildren<QAction*>(name)) {
            QList<QKeySequence> sequences = action->shortcuts();
            for (const QKeySequence& key : QKeySequence::keyBindings(keys.standard))
                if (!sequences.contains(key))
                    sequences.append(key);
            if (keys.extra != nullptr && !sequences.contains(QKeySequence(keys.extra)))
                sequences.append(QKeySequence(keys.extra));
            action->setShortcuts(sequences);
        }
    }
}

} // namespace veltrano
