#include "app/document_history.h"

#include <QUndoCommand>

#include <utility>

namespace veltrano {
namespace {

// The calendar without the flags that describe its file rather than its content.
CalendarDocument contentOf(CalendarDocument document) {
    document.untitled = 0;
    document.modified = 0;
    return document;
}

class DocumentChange : public QUndoCommand {
  public:
    DocumentChange(CalendarDocument before, CalendarDocument after, const QString& name,
                   const std::function<void(const CalendarDocument&)>& restore)
        : QUndoCommand(name), before_(std::move(before)), after_(std::move(after)),
          restore_(restore) {}

    // The first redo comes from the push, when the change is already made.
    void redo() override {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        restore_(after_);
    }
    void undo() override { restore_(before_); }

  private:
    CalendarDocument before_;
    CalendarDocument after_;
    const std::function<void(const CalendarDocument&)>& restore_;
    bool pushed_ = false;
};

} // namespace

DocumentHistory::DocumentHistory(std::function<void(const CalendarDocument&)> restore,
                                 QObject* parent)
    : QObject(parent), restore_(std::move(restore)) {
    // Only whole-document steps are recorded, so old ones cost memory alone:
    // a generous limit keeps a long session's work undoable.
    stack_.setUndoLimit(500);
    connect(&stack_, &QUndoStack::indexChanged, this, &DocumentHistory::stepChanged);
    connect(&stack_, &QUndoStack::cleanChanged, this, &DocumentHistory::stepChanged);
}

// The stack clears itself as it goes and says so; by then its listeners may
// be gone.
DocumentHistory::~DocumentHistory() {
    stack_.disconnect();
}

bool DocumentHistory::record(const CalendarDocument& before, const CalendarDocument& after,
                             const std::string& name) {
    CalendarDocument was = contentOf(before);
    CalendarDocument is = contentOf(after);
    if (was == is)
        return false;
    stack_.push(
        new DocumentChange(std::move(was), std::move(is), QString::fromStdString(name), restore_));
    return true;
}

bool DocumentHistory::undo() {
    if (!stack_.canUndo())
        return false;
    stack_.undo();
    return true;
}

bool DocumentHistory::redo() {
    if (!stack_.canRedo())
        return false;
    stack_.redo();
    return true;
}

void DocumentHistory::markSaved() {
    stack_.setClean();
}

void DocumentHistory::clear() {
    stack_.clear();
    emit stepChanged();
}

} // namespace veltrano
