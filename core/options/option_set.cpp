#include "options/option_set.h"

#include "options/dependencies.h"

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

OptionSet OptionSet::withDefaults()
{
    return OptionSet();
}

OptionSet::OptionSet(const OptionSet &other) : m_values(other.m_values), m_enabled(other.m_enabled) {}

OptionSet::OptionSet(OptionSet &&other) noexcept = default;

OptionSet::~OptionSet() = default;

QString OptionSet::value(QStringView id) const
{
    const std::optional<Option> option = optionById(id);
    return option ? value(*option) : QString();
}

void OptionSet::setValue(QStringView id, const QString &v)
{
    if (const std::optional<Option> option = optionById(id))
        setValue(*option, v);
}

bool OptionSet::isEnabled(QStringView id) const
{
    const std::optional<Option> option = optionById(id);
    return option && isEnabled(*option);
}

void OptionSet::setValue(Option option, const QString &value)
{
    QString &current = m_values[rowOf(option)];
    if (current == value)
        return;
    const OptionKind kind = optionDef(option).kind;
    if (kind == OptionKind::Check && !checkStateNamed(value))
        return;
    current = value;
    notify(option);
    if (!isTextKind(kind))
        react(option);
}

void OptionSet::setEnabled(Option option, bool enabled)
{
    if (m_enabled[rowOf(option)] == enabled)
        return;
    m_enabled[rowOf(option)] = enabled;
    notify(option);
}

void OptionSet::react(Option option)
{
    applyDependencies(*this, option);
}

void OptionSet::assign(const OptionSet &other)
{
    for (int row = 0; row < kOptionCount; ++row) {
        if (m_values[row] == other.m_values[row] && m_enabled[row] == other.m_enabled[row])
            continue;
        m_values[row] = other.m_values[row];
        m_enabled[row] = other.m_enabled[row];
        notify(optionAt(row));
    }
}

const OptionChanges &OptionSet::changes() const
{
    if (!m_changes)
        m_changes = std::make_unique<OptionChanges>();
    return *m_changes;
}

} // namespace stylewright
