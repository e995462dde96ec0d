#pragma once
// The eleven tab frames of the editor, built from the option catalogue and bound both ways to
// the option record: an edit reaches the record at once, and every change of a value or enabled
// flag in the record (a dependency rule, a load, a colour choice) shows in its widget. A tab's
// fields are built the first time the tab is shown; the record holds every value meanwhile.

#include "editor/option_widgets.h"
#include "options/catalogue.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>

class QTabWidget;
class QWidget;

namespace stylewright {

class OptionSet;

class OptionForm : public QObject {
    Q_OBJECT
public:
    // Adds one page per tab to `tabs` and builds the current tab's fields.
    OptionForm(OptionSet &options, QTabWidget *tabs);

    // The option's widget, or nullptr while its tab is not built.
    QWidget *widgetOf(Option option) const { return m_fields[rowOf(option)]; }
    // The option's widget, building its tab first when needed.
    QWidget *builtField(Option option);
    // The option a field edits, for the field or any widget inside it (a choice field's line edit).
    std::optional<Option> optionOf(const QObject *widget) const;
    // Calls `use` for every field built so far and, until `context` goes, for each field built later.
    void forEachField(QObject *context, const std::function<void(Option, QWidget *)> &use);

    void buildTab(Area area);
    bool isBuilt(Area area) const { return m_built[int(area)]; }
    // The area's "显示代码" button, or nullptr while its tab is not built.
    QPushButton *areaButton(Area area) const { return m_areaButtons[int(area)]; }

    // How an edit made in a field reaches the record: `apply` sets the value; `typed` tells text
    // typed into the field from a check box click or an item chosen from a list. Without a
    // runner the value is set at once.
    using EditRunner = std::function<void(Option option, bool typed, const std::function<void()> &apply)>;
    void setEditRunner(EditRunner runner) { m_editRunner = std::move(runner); }

signals:
    // A "显示代码" button was clicked.
    void areaButtonClicked(stylewright::Area area);
    // A field now exists, laid out with the rest of its tab.
    void fieldBuilt(stylewright::Option option, QWidget *widget);

private:
    QWidget *makeField(const OptionDef &def, QWidget *frame);
    void show(Option option);

    OptionSet &m_options;
    QTabWidget *m_tabs;
    FieldLook m_look;
    EditRunner m_editRunner;
    std::array<QPointer<QWidget>, kOptionCount> m_fields{}; // cleared as each widget goes
    QHash<const QObject *, Option> m_optionOfField;
    std::array<QPointer<QPushButton>, kTabCount> m_areaButtons{};
    std::array<bool, kTabCount> m_built{};
    int m_fieldHeight = 0;  // labels and check boxes line up with the text fields of their row
    bool m_showing = false; // a value on its way from the record to a widget is not an edit
};

} // namespace stylewright
