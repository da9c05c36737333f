#include "editor/core/history.h"

#include <utility>

#include "editor/core/application.h"

namespace quadrivo::editor {

DocumentState::DocumentState(const CTest& source) : test(source), scrambled(source.IsScrambled())
{
    test.SetError(0);
}

void DocumentHistory::Clear()
{
    steps_.clear();
    next_ = 0;
    saved_ = 0;
}

void DocumentHistory::Record(const std::string& label, DocumentState before, DocumentState after)
{
    steps_.resize(next_);
    // A saved state among the dropped steps can never come back.
    if (saved_ > static_cast<long>(next_)) saved_ = -1;
    std::shared_ptr<const DocumentState> start;
    if (!steps_.empty() && steps_.back().after->scrambled == before.scrambled &&
        steps_.back().after->test == before.test)
        start = steps_.back().after;
    else
        start = std::make_shared<const DocumentState>(std::move(before));
    steps_.push_back(Step{label, std::move(start), std::make_shared<const DocumentState>(std::move(after))});
    if (steps_.size() > kMaxSteps) {
        steps_.erase(steps_.begin());
        if (saved_ >= 0) --saved_;
    }
    next_ = steps_.size();
}

std::string DocumentHistory::UndoLabel() const
{
    return CanUndo() ? steps_[next_ - 1].label : std::string();
}

std::string DocumentHistory::RedoLabel() const
{
    return CanRedo() ? steps_[next_].label : std::string();
}

bool DocumentHistory::Undo(Application& app)
{
    if (!CanUndo()) return false;
    --next_;
    Restore(app, *steps_[next_].before);
    return true;
}

bool DocumentHistory::Redo(Application& app)
{
    if (!CanRedo()) return false;
    ++next_;
    Restore(app, *steps_[next_ - 1].after);
    return true;
}

void DocumentHistory::Restore(Application& app, const DocumentState& state)
{
    const CStringa path = app.currentTest.GetPathName();
    app.currentTest = state.test;
    app.currentTest.SetPathName(path);
    // Assignment leaves the form of the file alone.
    app.currentTest.SetScrambled(state.scrambled);
    app.currentTest.SetError(0);
    app.modified = AtSaved() ? 0 : 1;
}

DocumentEdit::DocumentEdit(Application& app, std::string label)
    : app_(app), label_(std::move(label)), before_(app.currentTest)
{
}

bool DocumentEdit::Finish()
{
    DocumentState after(app_.currentTest);
    if (after.scrambled == before_.scrambled && after.test == before_.test) return false;
    app_.history.Record(label_, std::move(before_), std::move(after));
    app_.modified = 1;
    return true;
}

}  // namespace quadrivo::editor
