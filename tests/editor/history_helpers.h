#pragma once
// What the undo and autosave tests share: typing and clicking as a user does, and the record's
// whole state to compare.

#include "editor_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace stylewright::testing {

// Every value and enabled flag of a record.
struct RecordState {
    QStringList values;
    QList<bool> enabled;
    bool operator==(const RecordState &) const = default;
};

inline RecordState stateOf(const OptionSet &o)
{
    RecordState s;
    for (const OptionDef &def : options()) {
        s.values.append(o.value(def.option));
        s.enabled.append(o.isEnabled(def.option));
    }
    return s;
}

// The widget that takes the keys: a choice field's line edit, or the field itself.
inline QWidget *keysOf(QWidget *field)
{
    auto *combo = qobject_cast<QComboBox *>(field);
    return combo ? combo->lineEdit() : field;
}

// Gives the field the keyboard focus, as a click would (without the click, which pastes into a
// colour field).
inline QWidget *focusField(Editor &e, Option option)
{
    e.showTabOf(option);
    QApplication::setActiveWindow(&e.window);
    QWidget *keys = keysOf(e.field(option));
    keys->setFocus(Qt::MouseFocusReason);
    return keys;
}

// Types into the field one key per character, after the text already there.
inline void typeInto(Editor &e, Option option, const QString &text)
{
    QWidget *keys = focusField(e, option);
    QTest::keyClick(keys, Qt::Key_End);
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, keys, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void clickBox(Editor &e, Option option)
{
    e.showTabOf(option);
    QTest::mouseClick(e.field(option), Qt::LeftButton);
}

} // namespace stylewright::testing
