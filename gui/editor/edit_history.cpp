#include "editor/edit_history.h"

#include "options/option_set.h"

#include <QScopedValueRollback>
#include <QUndoCommand>
#include <QUndoStack>

namespace stylewright {

namespace {

bool sameRecord(const OptionSet &a, const OptionSet &b)
{
    for (int row = 0; row < kOptionCount; ++row) {
        const Option option = optionAt(row);
        const QString &x = a.value(option), &y = b.value(option);
        if (a.isEnabled(option) != b.isEnabled(option))
            return false;
        // Snapshots share the text of every option a step left alone.
        if ((x.constData() != y.constData() || x.size() != y.size()) && x != y)
            return false;
    }
    return true;
}

constexpr int kTypingId = 1;

} // namespace

class SnapshotStep : public QUndoCommand {
public:
    using Snapshot = EditHistory::Snapshot;
    struct Sides {
        Snapshot record;
        std::any view;
    };

    SnapshotStep(EditHistory &history, const QString &text, Sides before, Sides after, std::optional<Option> typing,
                 bool joinsTyping)
        : QUndoCommand(text), m_history(history), m_before(std::move(before)), m_after(std::move(after)),
          m_typing(typing), m_joinsTyping(joinsTyping)
    {
    }

    int id() const override { return m_typing ? kTypingId : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const SnapshotStep *>(other);
        if (!next->m_joinsTyping || next->m_typing != m_typing)
            return false;
        m_after = next->m_after;
        setObsolete(sameRecord(*m_before.record, *m_after.record)); // typed and then taken back
        return true;
    }

    void undo() override { m_history.restore(m_before.record, m_before.view); }

    void redo() override
    {
        if (m_pushed) // the first redo comes with the push, after the change was made
            m_history.restore(m_after.record, m_after.view);
        m_pushed = true;
    }

private:
    EditHistory &m_history;
    Sides m_before, m_after;
    std::optional<Option> m_typing;
    bool m_joinsTyping;
    bool m_pushed = false;
};

EditHistory::EditHistory(OptionSet &options, QObject *parent)
    : QObject(parent), m_options(options), m_stack(new QUndoStack(this)),
      m_base(std::make_shared<const OptionSet>(options))
{
    m_stack->setUndoLimit(kUndoLimit);
    connect(&m_options.changes(), &OptionChanges::changed, this, [this] {
        if (!m_restoring)
            noteChange();
    });
}

EditHistory::~EditHistory() = default;

void EditHistory::noteChange()
{
    m_dirty = true;
    if (m_depth == 0 && !m_flushQueued) {
        m_flushQueued = true;
        QMetaObject::invokeMethod(this, &EditHistory::flushPending, Qt::QueuedConnection);
    }
}

void EditHistory::flushPending()
{
    m_flushQueued = false;
    if (m_depth == 0 && m_dirty)
        push(QStringLiteral("修改"), false);
}

void EditHistory::step(const QString &text, const std::function<void()> &change)
{
    beginStep(text);
    change();
    endStep();
}

void EditHistory::beginStep(const QString &text)
{
    if (m_depth == 0) {
        flushPending(); // what changed before belongs to an earlier step
        m_stepText = text;
    }
    ++m_depth;
}

void EditHistory::endStep()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    if (m_dirty)
        push(m_stepText, m_typingNow.has_value());
}

void EditHistory::typed(Option option, const std::function<void()> &change)
{
    if (m_depth > 0) { // part of a larger step
        change();
        return;
    }
    const QScopedValueRollback typing(m_typingNow, std::optional<Option>(option));
    step(QStringLiteral("输入"), change);
}

void EditHistory::endTyping()
{
    m_typingOption.reset();
    m_typingStep = nullptr;
}

void EditHistory::push(const QString &text, bool typing)
{
    const int top = m_stack->index();
    const bool joins = typing && m_typingOption == m_typingNow && top > 0 && m_stack->command(top - 1) == m_typingStep;
    SnapshotStep::Sides before{m_base, m_baseView};
    m_base = std::make_shared<const OptionSet>(m_options);
    m_baseView = savedView();
    m_dirty = false;
    m_stack->push(new SnapshotStep(*this, text, std::move(before), {m_base, m_baseView},
                                   typing ? m_typingNow : std::nullopt, joins));
    // A merge that undid itself removes the step: the next keystroke starts a new one.
    const int now = m_stack->index();
    if (typing && now > 0 && (now == top + 1 || (joins && now == top))) {
        m_typingOption = m_typingNow;
        m_typingStep = m_stack->command(now - 1);
    } else {
        endTyping();
    }
}

void EditHistory::restore(const Snapshot &record, const std::any &view)
{
    {
        const QScopedValueRollback guard(m_restoring, true);
        m_options.assign(*record);
        if (m_restoreView)
            m_restoreView(view);
    }
    m_base = record;
    m_baseView = view;
    m_dirty = false;
    endTyping();
}

std::any EditHistory::savedView() const
{
    return m_saveView ? m_saveView() : std::any();
}

void EditHistory::undo()
{
    if (m_depth > 0)
        return;
    flushPending();
    m_stack->undo();
}

void EditHistory::redo()
{
    if (m_depth > 0)
        return;
    flushPending();
    m_stack->redo();
}

bool EditHistory::canUndo() const
{
    return m_stack->canUndo() || (m_dirty && m_depth == 0);
}

bool EditHistory::canRedo() const
{
    return m_stack->canRedo() && !m_dirty;
}

void EditHistory::setViewState(std::function<std::any()> save, std::function<void(const std::any &)> restore)
{
    m_saveView = std::move(save);
    m_restoreView = std::move(restore);
    m_baseView = savedView();
}

} // namespace stylewright
