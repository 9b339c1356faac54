#pragma once
// The calendar's undo history over Qt's undo stack. Every change to the
// document is recorded as the whole document before and after it, so that one
// step can hold anything from one day's colour to a whole edit sheet.
//
// The history restores snapshots through the function it is given and tells
// when the step index moved; whether the document differs from the last saved
// one is the stack's clean state.
#include "document/calendar_document.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <string>

namespace veltrano {

class DocumentHistory : public QObject {
    Q_OBJECT
  public:
    // restore puts a snapshot into the document; it keeps the document's
    // `untitled` and `modified`, which are not part of a step.
    explicit DocumentHistory(std::function<void(const CalendarDocument&)> restore,
                             QObject* parent = nullptr);
    ~DocumentHistory() override;

    // Records a change that is already in the document, under name (shown as
    // "Rückgängig: name"). Nothing is recorded when before and after hold the
    // same calendar. Whether a step was recorded (and stepChanged said so).
    bool record(const CalendarDocument& before, const CalendarDocument& after,
                const std::string& name);
    bool undo();
    bool redo();
    // The document as it is now is the saved one.
    void markSaved();
    // Forgets every step (a new or another calendar); the document counts as saved.
    void clear();

    bool isAtSavedState() const { return stack_.isClean(); }
    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    QString undoName() const { return stack_.undoText(); }
    QString redoName() const { return stack_.redoText(); }
    const QUndoStack& stack() const { return stack_; }

  signals:
    // A step was recorded, undone or redone, or the history was cleared.
    void stepChanged();

  private:
    QUndoStack stack_;
    std::function<void(const CalendarDocument&)> restore_;
};

} // namespace veltrano
