#pragma once
// Small helpers the tests share.

#include "options/option_set.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace stylewright::testing {

// Options and their values, applied in order through the dependency rules.
using Settings = QList<QPair<Option, QString>>;

OptionSet optionsWith(const Settings &settings);

// A file's bytes; empty when it cannot be read.
QByteArray readFile(const QString &path);

} // namespace stylewright::testing
