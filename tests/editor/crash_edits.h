#pragma once
// The edits the crash test makes in a child editor that is then killed, made the same way in the
// test itself to know what the next start must bring back.

#include "editor/edit_history.h"
#include "history_helpers.h"

namespace stylewright::testing {

inline void makeCrashEdits(Editor &e)
{
    clickBox(e, Option::PagePictureOn);
    typeInto(e, Option::PagePicture, u"/crash.gif"_qs);
    QTest::keyClick(e.field(Option::ColumnLayout), Qt::Key_Up); // a choice from the list
    typeInto(e, Option::HeaderHeight, u"7"_qs);
    e.colours.answers = {QColor(0x0a, 0x0b, 0x0c)};
    e.showTabOf(Option::NameColour);
    QTest::mouseDClick(e.field(Option::NameColour), Qt::LeftButton);
    clickBox(e, Option::MainTransparencyOn);                  // transparency locks the body picture
    e.record.setValue(Option::HeaderRightPictureOn, u"2"_qs); // the greyed state
    e.window.history().undo();                                // undone, so it is not there to bring back
    typeInto(e, Option::IntroEffect, u"阴影"_qs);
}

} // namespace stylewright::testing
