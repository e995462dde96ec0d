#include "editor/colour_fields.h"

#include "editor/option_form.h"
#include "editor/option_widgets.h"
#include "options/catalogue.h"
#include "options/option_set.h"
#include "platform/colour_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QRandomGenerator>
#include <QWidget>

namespace stylewright {
namespace {

// The page background colour sets these as well.
constexpr Option kFollowsBackground[] = {Option::HeaderColour, Option::ModuleColour, Option::AlbumBarColour};

// The colour option a watched field edits.
std::optional<Option> colourOptionOf(const QObject *watched)
{
    const int row = watched->isWidgetType() ? optionIndex(watched->objectName()) : -1;
    if (row < 0 || options()[row].kind != OptionKind::Colour)
        return std::nullopt;
    return optionAt(row);
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

ColourFields::ColourFields(OptionSet &options, OptionForm &form, ColourDialog &dialog, QObject *parent)
    : QObject(parent), m_options(options), m_form(form), m_dialog(dialog)
{
    for (int tab = 0; tab < kTabCount; ++tab)
        watchTab(tab);
    connect(&m_form, &OptionForm::tabBuilt, this, &ColourFields::watchTab);
}

void ColourFields::watchTab(int tab)
{
    for (const OptionDef &def : stylewright::options()) {
        if (def.tab != tab || def.kind != OptionKind::Colour)
            continue;
        if (QWidget *field = m_form.field(def.option))
            field->installEventFilter(this);
    }
}

QString ColourFields::colourText(Option option, Rgb colour)
{
    const QStringView design = optionDef(option).defaultValue;
    const QStringView label = design.left(std::max<qsizetype>(design.indexOf(u'#'), 0));
    const QString digits = QStringLiteral("%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    return label + u'#' + digits;
}

bool ColourFields::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return false;
    const std::optional<Option> option = colourOptionOf(watched);
    if (!option)
        return false;
    if (!static_cast<QWidget *>(watched)->isEnabled())
        return false; // a greyed field takes no clicks
    // A double click arrives after the press of its first click, which has pasted already.
    if (type == QEvent::MouseButtonPress) {
        paste(*option);
        return false;
    }
    choose(*option);
    return true;
}

void ColourFields::paste(Option option)
{
    const QString text = QGuiApplication::clipboard()->text();
    m_options.setValue(option, text.left(kMaxFieldLength));
}

void ColourFields::choose(Option option)
{
    QWidget *field = m_form.field(option);
    const QPointer<ColourFields> alive(this);
    const std::optional<Rgb> chosen = m_dialog.choose(m_dialogColour, field->window());
    if (!alive)
        return; // the window went away while the dialog was open
    if (chosen)
        m_dialogColour = *chosen & 0xFFFFFF;

    QList<Option> changed{option};
    if (option == Option::PageBackgroundColour)
        changed += QList<Option>(std::begin(kFollowsBackground), std::end(kFollowsBackground));
    const QColor background = QColor::fromRgb(m_dialogColour);
    const QColor text = randomColour();
    for (Option each : std::as_const(changed)) {
        if (QWidget *w = m_form.builtField(each))
            paint(w, background, text);
    }
    for (Option each : std::as_const(changed))
        m_options.setValue(each, colourText(each, m_dialogColour));
}

} // namespace stylewright
