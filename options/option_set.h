#pragma once
// The option record: the current value and enabled flag of every catalogue option. Changing a
// check box or choice value runs the dependency rules, whoever makes the change.

#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

namespace stylewright {

class OptionSet {
public:
    OptionSet(); // design-time values and start states
    static OptionSet withDefaults();

    // Copies carry values and enabled flags, never the listener of the original.
    OptionSet(const OptionSet &other);
    OptionSet &operator=(const OptionSet &other);
    OptionSet(OptionSet &&) noexcept = default;
    OptionSet &operator=(OptionSet &&) noexcept = default;

    QString value(QStringView id) const;             // text; "0"/"1"/"2" for a check box; "" when unknown
    void setValue(QStringView id, const QString &v); // runs the dependency rules like a user change
    bool isEnabled(QStringView id) const;            // false when unknown

    QString value(const char *id) const { return value(QString::fromUtf8(id)); }
    void setValue(const char *id, const QString &v) { setValue(QString::fromUtf8(id), v); }
    bool isEnabled(const char *id) const { return isEnabled(QString::fromUtf8(id)); }

    // By catalogue row (see optionIndex()); out-of-range rows read empty and write nothing.
    const QString &value(int row) const;
    void setValue(int row, const QString &v);
    bool isEnabled(int row) const;
    void setEnabled(int row, bool enabled);
    // A check box counts as checked for the generators when its value is exactly 1.
    bool isChecked(QStringView id) const;

    // Runs a row's dependency reaction as if its value had just changed.
    void react(int row);

    // Told the row whose value or enabled flag changed.
    using Listener = std::function<void(int row)>;
    void setListener(Listener listener) { m_listener = std::move(listener); }

private:
    void notify(int row) const
    {
        if (m_listener)
            m_listener(row);
    }

    std::vector<QString> m_values;
    std::vector<bool> m_enabled;
    Listener m_listener;
};

} // namespace stylewright
