#pragma once
// The one place that turns a catalogue option into its widget: which widget a kind of option
// becomes, how it shows a value, and which signal reports the user's changes.

#include "options/catalogue.h"

#include <QColor>
#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace stylewright {

// Background of text and choice fields.
inline QColor fieldColour() { return QColor(192, 192, 255); }

// A QLineEdit, QCheckBox or editable QComboBox named after the option, not yet showing a value.
QWidget *createOptionWidget(const OptionDef &def);

// Puts a value into the widget without reporting it back.
void showOptionValue(QWidget *widget, OptionKind kind, const QString &value);

// Calls `changed` with the widget's new value whenever it changes.
void onOptionEdited(QWidget *widget, OptionKind kind, QObject *context, std::function<void(const QString &)> changed);

// The longest text a field holds; longer texts are cut to it before they reach the option.
inline constexpr int kMaxFieldLength = 32767;

} // namespace stylewright
