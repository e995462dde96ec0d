#pragma once
// The eleven tab frames of the editor, built from the option catalogue and bound both ways to
// the option record: an edit reaches the record at once, and every change of a value or enabled
// flag in the record (a dependency rule, a load, a colour choice) shows in its widget.

#include "options/catalogue.h"

#include <QObject>
#include <array>

class QPushButton;
class QTabWidget;
class QWidget;

namespace stylewright {

class OptionSet;

class OptionForm : public QObject {
    Q_OBJECT
public:
    // Adds one page per tab to `tabs`.
    OptionForm(OptionSet &options, QTabWidget *tabs);
    ~OptionForm() override;

    QWidget *field(int row) const { return row >= 0 && row < kOptionCount ? m_fields[row] : nullptr; }
    QWidget *field(QStringView id) const { return field(optionIndex(id)); }
    // The tab's "显示代码" button.
    QPushButton *areaButton(int tab) const { return m_areaButtons[tab]; }

private:
    QWidget *buildFrame(int tab);
    void show(int row);

    OptionSet &m_options;
    std::array<QWidget *, kOptionCount> m_fields{};
    std::array<QPushButton *, kTabCount> m_areaButtons{};
    int m_fieldHeight = 0;  // labels and check boxes line up with the text fields of their row
    bool m_showing = false; // a value on its way from the record to a widget is not an edit
};

} // namespace stylewright
