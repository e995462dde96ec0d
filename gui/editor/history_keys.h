#pragma once
// The keys that undo and redo the option record: the window's shortcuts, the menus' captions and
// the keys a text field hands to the record's history instead of its own all come from here.

#include <QKeySequence>
#include <QList>

class QKeyEvent;

namespace stylewright {

QKeySequence undoKey();         // Ctrl+Z
QList<QKeySequence> redoKeys(); // Ctrl+Shift+Z, then Ctrl+Y

enum class HistoryKey { None, Undo, Redo };
// What a key press asks of the history; the platform's own undo and redo keys count too.
HistoryKey historyKeyOf(const QKeyEvent *event);

} // namespace stylewright
