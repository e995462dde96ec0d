#pragma once
// The one place that turns a catalogue option into its widget: which widget a kind of option
// becomes, how it shows a value, and which signal reports the user's changes.

#include "options/catalogue.h"

#include <QColor>
#include <QString>
#include <functional>

class QCompleter;
class QObject;
class QWidget;

namespace stylewright {

// Background of text and choice fields.
inline QColor fieldColour()
{
    return QColor(192, 192, 255);
}

// What every field of a form shares: widths measured once (shaping text is the dearest part of
// building a form) and one completer that completes nothing.
class FieldLook {
public:
    explicit FieldLook(QObject *owner);
    QWidget *create(const OptionDef &def); // named after the option, not yet showing a value

private:
    struct Widths {
        int number = 0, colour = 0, address = 0;
    };
    const Widths &widths(const QWidget *sample);
    QWidget *createLineEdit(const OptionDef &def);
    QWidget *createComboBox(const OptionDef &def);

    QCompleter *m_noCompletion;
    Widths m_widths;
};

// Puts a value into the widget without reporting it back.
void showOptionValue(QWidget *widget, OptionKind kind, const QString &value);

// Calls `changed` with the widget's new value whenever it changes.
void onOptionEdited(QWidget *widget, OptionKind kind, QObject *context, std::function<void(const QString &)> changed);

// Whether the change a field just reported was typed into it (an item chosen from a list, or a
// check box click, was not).
bool isTyped(const QWidget *widget, OptionKind kind);

} // namespace stylewright
