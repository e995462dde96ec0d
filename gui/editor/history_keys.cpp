#include "editor/history_keys.h"

#include <QKeyEvent>

namespace stylewright {

QKeySequence undoKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_Z);
}

QList<QKeySequence> redoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

HistoryKey historyKeyOf(const QKeyEvent *event)
{
    // The keypad's Ctrl+Z is the same key to the user.
    const QKeySequence pressed(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    if (event->matches(QKeySequence::Undo) || pressed == undoKey())
        return HistoryKey::Undo;
    if (event->matches(QKeySequence::Redo) || redoKeys().contains(pressed))
        return HistoryKey::Redo;
    return HistoryKey::None;
}

} // namespace stylewright
