#pragma once
// The edits the crash test makes in a child editor that is then killed, made the same way in the
// test itself to know what the next start must bring back.

#include "editor/edit_history.h"
#include "history_helpers.h"

namespace stylewright::testing {

inline void makeCrashEdits(Editor &e)
{
    clickBox(e, u"chcbg");
    typeInto(e, u"txtbgp", u"/crash.gif"_qs);
    QTest::keyClick(e.find(u"cmblan"), Qt::Key_Up); // a choice from the list
    typeInto(e, u"txtregh", u"7"_qs);
    e.colours.answers = {QColor(0x0a, 0x0b, 0x0c)};
    e.showTabOf(u"txtnol");
    QTest::mouseDClick(e.find(u"txtnol"), Qt::LeftButton);
    clickBox(e, u"chcbgst");                 // transparency locks the body picture
    e.record.setValue("chcmrl(2)", u"2"_qs); // the greyed state
    e.window.history().undo();               // undone, so it is not there to bring back
    typeInto(e, u"cmbmjxg(1)", u"阴影"_qs);
}

} // namespace stylewright::testing
