#include "editor/colour_fields.h"

#include "editor/edit_history.h"
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

QColor randomColour()
{
    QRandomGenerator *random = QRandomGenerator::global();
    return QColor(random->bounded(256), random->bounded(256), random->bounded(256));
}

} // namespace

ColourFields::ColourFields(OptionSet &options, OptionForm &form, ColourDialog &dialog, QObject *parent)
    : QObject(parent), m_options(options), m_form(form), m_dialog(dialog)
{
    m_form.forEachField(this, [this](Option option, QWidget *field) {
        if (optionDef(option).kind == OptionKind::Colour)
            field->installEventFilter(this);
    });
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
    const std::optional<Option> option = m_form.optionOf(watched);
    if (!option || optionDef(*option).kind != OptionKind::Colour)
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
    asOneStep(QStringLiteral("粘贴颜色"), [&] { m_options.setValue(option, text.left(kMaxTextLength)); });
}

void ColourFields::choose(Option option)
{
    QWidget *field = m_form.widgetOf(option);
    const QPointer<ColourFields> alive(this);
    const std::optional<Rgb> chosen = m_dialog.choose(m_dialogColour, field->window());
    if (!alive)
        return; // the window went away while the dialog was open
    if (chosen)
        m_dialogColour = *chosen & 0xFFFFFF;

    QList<Option> changed{option};
    if (option == Option::PageBackgroundColour)
        changed += QList<Option>(std::begin(kFollowsBackground), std::end(kFollowsBackground));
    const Paint colours{QColor::fromRgb(m_dialogColour), randomColour()};
    asOneStep(QStringLiteral("选择颜色"), [&] {
        for (Option each : std::as_const(changed))
            paint(each, colours);
        if (m_history)
            m_history->viewChanged(); // a step even when the texts stay as they were
        for (Option each : std::as_const(changed))
            m_options.setValue(each, colourText(each, m_dialogColour));
    });
}

void ColourFields::asOneStep(const QString &text, const std::function<void()> &change)
{
    if (m_history)
        m_history->step(text, change);
    else
        change();
}

void ColourFields::paint(Option option, const Paint &colours)
{
    QWidget *field = m_form.builtField(option);
    if (!field)
        return;
    m_builtPalettes.try_emplace(option, field->palette());
    QPalette p = field->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, colours.background);
    p.setColor(QPalette::Active, QPalette::Text, colours.text);
    p.setColor(QPalette::Inactive, QPalette::Text, colours.text);
    field->setPalette(p);
    m_paints[option] = colours;
}

void ColourFields::unpaint(Option option)
{
    const auto built = m_builtPalettes.find(option);
    QWidget *field = m_form.widgetOf(option);
    if (built != m_builtPalettes.end() && field)
        field->setPalette(built->second);
    m_paints.erase(option);
}

void ColourFields::setPaints(const Paints &paints)
{
    const Paints current = m_paints;
    for (const auto &[option, colours] : current) {
        if (!paints.contains(option))
            unpaint(option);
    }
    for (const auto &[option, colours] : paints) {
        const auto now = m_paints.find(option);
        if (now == m_paints.end() || !(now->second == colours))
            paint(option, colours);
    }
}

} // namespace stylewright
