#include "editor/colour_fields.h"

#include "editor/colour_dialog.h"
#include "editor/option_form.h"
#include "editor/option_widgets.h"
#include "options/catalogue.h"
#include "options/option_set.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QRandomGenerator>
#include <QWidget>

namespace stylewright {
namespace {

// The page background colour sets these as well.
constexpr QStringView kFollowsBackground[] = {u"txtnc", u"txtmkbgc", u"txtxcjjlc"};

int rowOf(const QObject *watched)
{
    return watched->isWidgetType() ? optionIndex(watched->objectName()) : -1;
}

void paint(QWidget *field, const QColor &background, const QColor &text)
{
    QPalette p = field->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, background);
    p.setColor(QPalette::Active, QPalette::Text, text);
    p.setColor(QPalette::Inactive, QPalette::Text, text);
    field->setPalette(p);
}

QColor randomColour()
{
    QRandomGenerator *random = QRandomGenerator::global();
    return QColor(random->bounded(256), random->bounded(256), random->bounded(256));
}

} // namespace

ColourFields::ColourFields(OptionSet &options, const OptionForm &form, ColourDialog &dialog, QObject *parent)
    : QObject(parent), m_options(options), m_form(form), m_dialog(dialog)
{
    for (int row = 0; row < kOptionCount; ++row) {
        if (stylewright::options()[row].kind == OptionKind::Colour && m_form.field(row))
            m_form.field(row)->installEventFilter(this);
    }
}

QString ColourFields::colourText(int row, const QColor &colour)
{
    const QStringView design = stylewright::options()[row].defaultValue;
    const QStringView label = design.left(std::max<qsizetype>(design.indexOf(u'#'), 0));
    const QString digits = QStringLiteral("%1%2%3")
                               .arg(colour.red(), 2, 16, QLatin1Char('0'))
                               .arg(colour.green(), 2, 16, QLatin1Char('0'))
                               .arg(colour.blue(), 2, 16, QLatin1Char('0'))
                               .toUpper();
    return label + u'#' + digits;
}

bool ColourFields::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return false;
    const int row = rowOf(watched);
    if (row < 0 || stylewright::options()[row].kind != OptionKind::Colour)
        return false;
    if (!static_cast<QWidget *>(watched)->isEnabled())
        return false; // a greyed field takes no clicks
    // A double click arrives after the press of its first click, which has pasted already.
    if (type == QEvent::MouseButtonPress) {
        paste(row);
        return false;
    }
    choose(row);
    return true;
}

void ColourFields::paste(int row)
{
    const QString text = QGuiApplication::clipboard()->text();
    m_options.setValue(row, text.left(kMaxFieldLength));
}

void ColourFields::choose(int row)
{
    QWidget *field = m_form.field(row);
    const QPointer<ColourFields> alive(this);
    const std::optional<QColor> chosen = m_dialog.choose(m_dialogColour, field->window());
    if (!alive)
        return; // the window went away while the dialog was open
    if (chosen && chosen->isValid())
        m_dialogColour = chosen->toRgb();

    QList<int> rows{row};
    if (stylewright::options()[row].id == u"txtbgc") {
        for (QStringView id : kFollowsBackground)
            rows.append(optionIndex(id));
    }
    const QColor text = randomColour();
    for (int r : std::as_const(rows)) {
        if (QWidget *w = m_form.field(r))
            paint(w, m_dialogColour, text);
    }
    for (int r : std::as_const(rows))
        m_options.setValue(r, colourText(r, m_dialogColour));
}

} // namespace stylewright
