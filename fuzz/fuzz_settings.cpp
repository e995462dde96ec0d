// Arbitrary bytes as setup.ini: load into a fresh record, save, load again. Never crashes or
// hangs, and the second load gives what the first one gave, read back the way the settings
// reader reads any stored value (blanks and one pair of enclosing quotes dropped).

#include "options/catalogue.h"
#include "options/ini_document.h"
#include "options/option_set.h"
#include "options/settings_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace stylewright;

namespace {

// What the reader makes of a value that was written as it stands.
QString readBack(const QString &value)
{
    IniDocument doc;
    doc.setValue(u"s", u"k", value);
    return IniDocument(doc.toBytes()).value(u"s", u"k");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString ini = settingsPath(dir.path());
    {
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(data), qsizetype(size));
    }
    OptionSet first;
    if (!loadSettings(ini, first))
        return 0;
    if (!saveSettings(ini, first))
        std::abort();
    OptionSet second;
    const bool loaded = loadSettings(ini, second);
    const Option pet = saveOrder().back();
    if (!loaded) {
        if (!readBack(first.value(pet)).isEmpty())
            std::abort(); // the saved file lost its data
        return 0;
    }
    for (int row = 0; row < kOptionCount; ++row) {
        const QString &v = first.value(optionAt(row));
        const QString expected = options()[row].kind == OptionKind::Check ? v : readBack(v);
        if (second.value(optionAt(row)) != expected)
            std::abort();
    }
    return 0;
}
