#include "editor/option_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace stylewright {
namespace {

QPalette fieldPalette(const QPalette &base)
{
    QPalette p = base;
    p.setColor(QPalette::Active, QPalette::Base, fieldColour());
    p.setColor(QPalette::Inactive, QPalette::Base, fieldColour());
    // Greyed, but still recognisably a field of the form.
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(222, 222, 236));
    return p;
}

// Room for the frame and margins around a line edit's text.
constexpr int kFieldPadding = 14;

Qt::CheckState toQt(CheckState state)
{
    switch (state) {
    case CheckState::Checked:
        return Qt::Checked;
    case CheckState::Greyed:
        return Qt::PartiallyChecked;
    case CheckState::Unchecked:
        break;
    }
    return Qt::Unchecked;
}

CheckState fromQt(int state)
{
    return state == Qt::PartiallyChecked ? CheckState::Greyed
           : state == Qt::Checked        ? CheckState::Checked
                                         : CheckState::Unchecked;
}

} // namespace

FieldLook::FieldLook(QObject *owner) : m_noCompletion(new QCompleter(owner)) {}

const FieldLook::Widths &FieldLook::widths(const QWidget *sample)
{
    if (m_widths.number == 0) {
        const QFontMetrics fm = sample->fontMetrics();
        m_widths = {fm.horizontalAdvance(QStringLiteral("000000")) + kFieldPadding,
                    fm.horizontalAdvance(QStringLiteral("已访问字体颜色#FF77FF")) + kFieldPadding,
                    fm.horizontalAdvance(QStringLiteral("http://photo.example")) + kFieldPadding};
    }
    return m_widths;
}

QWidget *FieldLook::createLineEdit(const OptionDef &def)
{
    auto *edit = new QLineEdit;
    edit->setMaxLength(kMaxTextLength);
    switch (def.kind) {
    case OptionKind::Number:
        edit->setFixedWidth(widths(edit).number);
        edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        break;
    case OptionKind::Colour:
        edit->setFixedWidth(widths(edit).colour);
        edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        break;
    default:
        edit->setMinimumWidth(widths(edit).address);
        edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        break;
    }
    return edit;
}

// The text of a choice field is exactly what was typed: no item completes a prefix such as
// "center". The shared completer has no list, so it completes nothing; one of its own per field
// would cost more to build than the rest of the field.
QWidget *FieldLook::createComboBox(const OptionDef &def)
{
    auto *combo = new QComboBox;
    const QStringList items = listItems(def);
    combo->addItems(items);
    auto *edit = new QLineEdit;
    edit->setMaxLength(kMaxTextLength);
    edit->setCompleter(m_noCompletion); // set first, the combo box builds no completer of its own
    combo->setLineEdit(edit);           // editable, without building the popup before it is first opened
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (!items.contains(def.defaultValue.toString())) {
        // A choice that starts with an address holds addresses as often as list items.
        combo->setMinimumWidth(widths(edit).address);
        combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        // An editable combo box would otherwise take all the room its row has.
        combo->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    return combo;
}

QWidget *FieldLook::create(const OptionDef &def)
{
    QWidget *w = nullptr;
    if (def.kind == OptionKind::Check) {
        w = new QCheckBox(def.caption.toString());
    } else {
        w = def.kind == OptionKind::Choice ? createComboBox(def) : createLineEdit(def);
        w->setPalette(fieldPalette(w->palette()));
    }
    w->setObjectName(def.id.toString());
    if (!def.tooltip.isEmpty())
        w->setToolTip(def.tooltip.toString());
    return w;
}

void showOptionValue(QWidget *widget, OptionKind kind, const QString &value)
{
    if (kind == OptionKind::Check) {
        auto *box = static_cast<QCheckBox *>(widget);
        const Qt::CheckState state = toQt(checkStateNamed(value).value_or(CheckState::Unchecked));
        if (state != Qt::PartiallyChecked)
            box->setTristate(false);
        box->setCheckState(state);
    } else if (kind == OptionKind::Choice) {
        auto *combo = static_cast<QComboBox *>(widget);
        if (combo->currentText() == value)
            return;
        combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
        combo->setEditText(value);
    } else {
        auto *edit = static_cast<QLineEdit *>(widget);
        if (edit->text() != value)
            edit->setText(value);
    }
}

bool isTyped(const QWidget *widget, OptionKind kind)
{
    if (kind == OptionKind::Check)
        return false;
    if (kind == OptionKind::Choice) // choosing an item sets the text anew, which clears the flag
        return static_cast<const QComboBox *>(widget)->lineEdit()->isModified();
    return true;
}

void onOptionEdited(QWidget *widget, OptionKind kind, QObject *context, std::function<void(const QString &)> changed)
{
    if (kind == OptionKind::Check) {
        QObject::connect(static_cast<QCheckBox *>(widget), &QCheckBox::stateChanged, context,
                         [changed](int state) { changed(checkStateText(fromQt(state)).toString()); });
    } else if (kind == OptionKind::Choice) {
        QObject::connect(static_cast<QComboBox *>(widget), &QComboBox::currentTextChanged, context, changed);
    } else {
        QObject::connect(static_cast<QLineEdit *>(widget), &QLineEdit::textChanged, context, changed);
    }
}

} // namespace stylewright
