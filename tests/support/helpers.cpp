#include "support/helpers.h"

#include <QFile>

namespace stylewright::testing {

OptionSet optionsWith(const Settings &settings)
{
    OptionSet o;
    for (const auto &[option, v] : settings)
        o.setValue(option, v);
    return o;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace stylewright::testing
