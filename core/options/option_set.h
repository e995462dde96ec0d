#pragma once
// The option record: the current value and enabled flag of every catalogue option. Changing a
// check box or choice value runs the dependency rules, whoever makes the change.

#include "options/catalogue.h"

#include <QObject>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

namespace stylewright {

// Reports which option's value or enabled flag changed. Connect with a context object: a
// listener that goes away is disconnected, so no teardown order is needed.
class OptionChanges : public QObject {
    Q_OBJECT
signals:
    void changed(stylewright::Option option);
};

class OptionSet {
public:
    OptionSet(); // design-time values and start states
    static OptionSet withDefaults();

    // A copy carries values and enabled flags, never the listeners of the original.
    OptionSet(const OptionSet &other);
    OptionSet(OptionSet &&other) noexcept;
    ~OptionSet();
    OptionSet &operator=(const OptionSet &) = delete; // use assign(): it tells the listeners
    OptionSet &operator=(OptionSet &&) = delete;

    // By legacy identifier ("txtbgc"): "" and false when unknown, and setting one does nothing.
    QString value(QStringView id) const;             // text; "0"/"1"/"2" for a check box
    void setValue(QStringView id, const QString &v); // runs the dependency rules like a user change
    bool isEnabled(QStringView id) const;
    QString value(const char *id) const { return value(QString::fromUtf8(id)); }
    void setValue(const char *id, const QString &v) { setValue(QString::fromUtf8(id), v); }
    bool isEnabled(const char *id) const { return isEnabled(QString::fromUtf8(id)); }

    const QString &value(Option option) const { return m_values[rowOf(option)]; }
    // A check box holds only "0", "1" and "2"; any other text leaves it as it is.
    void setValue(Option option, const QString &value);
    bool isEnabled(Option option) const { return m_enabled[rowOf(option)]; }
    void setEnabled(Option option, bool enabled);
    // A check box's state; a stored check box value is always one of the three texts.
    CheckState checkState(Option option) const
    {
        return checkStateNamed(value(option)).value_or(CheckState::Unchecked);
    }
    void setCheckState(Option option, CheckState state) { setValue(option, checkStateText(state).toString()); }
    // Counts as checked for the generators only when ticked, never when greyed.
    bool isChecked(Option option) const { return checkState(option) == CheckState::Checked; }

    // Runs an option's dependency reaction as if its value had just changed.
    void react(Option option);
    // Takes every value and enabled flag of another record as they are (no reactions run),
    // telling the listeners of each option that changed.
    void assign(const OptionSet &other);

    const OptionChanges &changes() const;

private:
    void notify(Option option) const
    {
        if (m_changes)
            emit m_changes->changed(option);
    }

    std::vector<QString> m_values;
    std::vector<bool> m_enabled;
    mutable std::unique_ptr<OptionChanges> m_changes; // made when the first listener asks
};

} // namespace stylewright
