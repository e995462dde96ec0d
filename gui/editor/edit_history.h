#pragma once
// The undo history of the option record. Every change of the record joins a step, whoever makes
// it: code that changes several options makes them one step with step() (or beginStep() and
// endStep() when the change spans several calls); a change made outside any step becomes a step
// of its own when control returns to the event loop. Typing in a field stays one step until the
// field is left. A step keeps the whole record before and after it, values and enabled flags, so
// undoing gives back exactly the enabled states the rules had given.

#include "options/catalogue.h"

#include <QObject>
#include <QString>
#include <any>
#include <functional>
#include <memory>
#include <optional>

class QUndoCommand;
class QUndoStack;

namespace stylewright {

class OptionSet;

class EditHistory : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(OptionSet &options, QObject *parent = nullptr);
    ~EditHistory() override;

    // Runs `change` as one step named `text`; a step begun inside another joins the outer one.
    void step(const QString &text, const std::function<void()> &change);
    void beginStep(const QString &text);
    void endStep();

    // An edit typed into a field: the typed edits of one field are one step until endTyping().
    void typed(Option option, const std::function<void()> &change);
    void endTyping();

    void undo();
    void redo();
    bool canUndo() const; // a change not yet made into a step counts
    bool canRedo() const;
    QUndoStack &stack() { return *m_stack; }

    // State the window keeps beside the record (the colours painted into colour fields): each
    // step keeps it too, and undo and redo put it back.
    void setViewState(std::function<std::any()> save, std::function<void(const std::any &)> restore);
    // The view state changed: it joins the step under way, or makes one.
    void viewChanged() { noteChange(); }

    static constexpr int kUndoLimit = 500; // a step costs a few kilobytes at most

private:
    friend class SnapshotStep;
    using Snapshot = std::shared_ptr<const OptionSet>;

    void noteChange();
    void flushPending();
    void push(const QString &text, bool typing);
    void restore(const Snapshot &record, const std::any &view);
    std::any savedView() const;

    OptionSet &m_options;
    QUndoStack *m_stack;
    Snapshot m_base; // the record as the last step left it
    std::any m_baseView;
    std::function<std::any()> m_saveView;
    std::function<void(const std::any &)> m_restoreView;
    QString m_stepText;
    int m_depth = 0;
    bool m_dirty = false; // changed since m_base
    bool m_flushQueued = false;
    bool m_restoring = false;
    // The typing step that the next typed edit of the same field joins.
    std::optional<Option> m_typingOption;
    const QUndoCommand *m_typingStep = nullptr;
    std::optional<Option> m_typingNow; // set while a typed edit runs
};

} // namespace stylewright
