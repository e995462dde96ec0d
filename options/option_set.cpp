#include "options/option_set.h"

#include "editor/dependencies.h"
#include "options/catalogue.h"

namespace stylewright {

OptionSet::OptionSet()
{
    m_values.reserve(kOptionCount);
    m_enabled.reserve(kOptionCount);
    for (const OptionDef &def : options()) {
        m_values.push_back(def.defaultValue.toString());
        m_enabled.push_back(def.startEnabled);
    }
}

OptionSet OptionSet::withDefaults() { return OptionSet(); }

OptionSet::OptionSet(const OptionSet &other) : m_values(other.m_values), m_enabled(other.m_enabled) {}

OptionSet &OptionSet::operator=(const OptionSet &other)
{
    m_values = other.m_values;
    m_enabled = other.m_enabled;
    return *this;
}

QString OptionSet::value(QStringView id) const { return value(optionIndex(id)); }

void OptionSet::setValue(QStringView id, const QString &v) { setValue(optionIndex(id), v); }

bool OptionSet::isEnabled(QStringView id) const { return isEnabled(optionIndex(id)); }

const QString &OptionSet::value(int row) const
{
    static const QString empty;
    return row >= 0 && row < kOptionCount ? m_values[row] : empty;
}

void OptionSet::setValue(int row, const QString &v)
{
    if (row < 0 || row >= kOptionCount || m_values[row] == v)
        return;
    const OptionKind kind = options()[row].kind;
    if (kind == OptionKind::Check && v != u"0" && v != u"1" && v != u"2")
        return; // a check box holds only its three states
    m_values[row] = v;
    notify(row);
    if (!isTextKind(kind))
        react(row);
}

bool OptionSet::isEnabled(int row) const { return row >= 0 && row < kOptionCount && m_enabled[row]; }

void OptionSet::setEnabled(int row, bool enabled)
{
    if (row < 0 || row >= kOptionCount || m_enabled[row] == enabled)
        return;
    m_enabled[row] = enabled;
    notify(row);
}

bool OptionSet::isChecked(QStringView id) const { return value(id) == u"1"; }

void OptionSet::react(int row) { applyDependencies(*this, row); }

} // namespace stylewright
