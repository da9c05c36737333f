#ifndef QUADRIVO_EDITOR_CORE_HISTORY_H
#define QUADRIVO_EDITOR_CORE_HISTORY_H

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/test.h"

namespace quadrivo::editor {

class Application;

// What an undo puts back: the questionnaire's parameters, text, questions
// and student records, and whether it is saved scrambled. The file name is
// not part of it: undoing never moves the test to another file.
struct DocumentState {
    explicit DocumentState(const CTest& test);
    CTest test;
    int scrambled;
};

// The undo and redo history of currentTest: each step holds the test before
// and after one command, so that any command (a dialog's Ok, a change of the
// question list, an import) is wrapped the same way, by DocumentEdit. The
// history also knows which step was last saved, so that undoing back to it
// clears app.modified. A state is kept once where one step ends and the
// next begins; at most kMaxSteps steps are kept, the oldest going first, as
// each may hold a whole questionnaire. Not copyable.
class DocumentHistory {
public:
    static constexpr std::size_t kMaxSteps = 50;

    DocumentHistory() = default;
    DocumentHistory(const DocumentHistory&) = delete;
    DocumentHistory& operator=(const DocumentHistory&) = delete;

    // A new or loaded test: no steps, and what is shown is saved.
    void Clear();
    // Drops the steps that could be redone and appends one.
    void Record(const std::string& label, DocumentState before, DocumentState after);
    // The test as it stands now is what its file holds.
    void MarkSaved() { saved_ = static_cast<long>(next_); }
    bool AtSaved() const { return saved_ == static_cast<long>(next_); }

    bool CanUndo() const { return next_ > 0; }
    bool CanRedo() const { return next_ < steps_.size(); }
    // The label of the step Undo or Redo would take; empty when none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    std::size_t StepCount() const { return steps_.size(); }

    // Puts app.currentTest back as it stood before (after) the step, keeps
    // its file name and sets app.modified by whether that is the saved
    // state. False when there is nothing to undo (redo).
    bool Undo(Application& app);
    bool Redo(Application& app);

private:
    struct Step {
        std::string label;
        std::shared_ptr<const DocumentState> before;
        std::shared_ptr<const DocumentState> after;
    };
    void Restore(Application& app, const DocumentState& state);

    std::vector<Step> steps_;
    std::size_t next_ = 0;  // steps before next_ are done
    long saved_ = 0;        // the step count that is saved; -1 when none is
};

// One command's change of app.currentTest as one step of app.history: made
// before the command, Finish after it. A command that leaves the test
// equal records nothing. Not copyable.
class DocumentEdit {
public:
    DocumentEdit(Application& app, std::string label);
    DocumentEdit(const DocumentEdit&) = delete;
    DocumentEdit& operator=(const DocumentEdit&) = delete;

    // Records the step and marks the test modified when it changed; true
    // then.
    bool Finish();

private:
    Application& app_;
    std::string label_;
    DocumentState before_;
};

}  // namespace quadrivo::editor

#endif
