#include "editor/field_jump.h"

#include "editor/field_highlight.h"
#include "editor/option_form.h"

#include <QLayout>
#include <QScrollArea>
#include <QTabWidget>

namespace stylewright {
namespace {

// Scroll areas between the field and the window show it, wherever frames sit in them.
void scrollIntoView(QWidget *field)
{
    for (QWidget *w = field->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w))
            area->ensureWidgetVisible(field);
    }
}

} // namespace

void showFields(OptionForm &form, QTabWidget *tabs, const QList<Option> &ringed, std::optional<Option> focus)
{
    if (ringed.isEmpty())
        return;
    const Area area = optionDef(ringed.first()).area;
    tabs->setCurrentIndex(int(area)); // builds the tab when it is new
    QList<QWidget *> fields;
    for (Option option : ringed) {
        if (optionDef(option).area != area)
            continue;
        if (QWidget *field = form.builtField(option))
            fields.append(field);
    }
    if (fields.isEmpty())
        return;
    // A tab built just now is laid out before its fields are scrolled to and ringed.
    QList<QLayout *> layouts; // outermost last
    for (QWidget *w = fields.first()->parentWidget(); w && w != tabs; w = w->parentWidget()) {
        if (w->layout())
            layouts.append(w->layout());
    }
    for (auto it = layouts.crbegin(); it != layouts.crend(); ++it)
        (*it)->activate();
    for (QWidget *w : std::as_const(fields))
        scrollIntoView(w);
    QWidget *focused = focus && optionDef(*focus).area == area ? form.builtField(*focus) : nullptr;
    if (focused && focused->isEnabled()) {
        scrollIntoView(focused);
        focused->setFocus(Qt::OtherFocusReason);
    } else {
        tabs->setFocus(Qt::OtherFocusReason);
    }
    FieldHighlight::flash(fields);
}

} // namespace stylewright
