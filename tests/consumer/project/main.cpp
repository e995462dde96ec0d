// Uses the core's public API as another program does: options by their legacy ids, the settings
// file and a generator. Exits non-zero, naming the check, when one fails.

#include "generators/generators.h"
#include "options/option_set.h"
#include "options/settings_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int failures = 0;

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "consumer: %s\n", what);
        ++failures;
    }
}

} // namespace

int main()
{
    stylewright::OptionSet options = stylewright::OptionSet::withDefaults();
    check(options.value(u"txtbgc") == QStringLiteral("背景颜色#000000"), "txtbgc has its default");
    check(options.isEnabled("txtbgc"), "txtbgc is enabled");
    check(options.value("nosuchid").isEmpty() && !options.isEnabled("nosuchid"), "an unknown id reads as empty");

    const QString colour = QStringLiteral("背景颜色#123456");
    options.setValue("txtbgc", colour);
    check(options.value("txtbgc") == colour, "setValue changes txtbgc");

    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("setup.ini"));
    check(stylewright::saveSettings(path, options), "saveSettings writes the file");
    stylewright::OptionSet loaded = stylewright::OptionSet::withDefaults();
    check(stylewright::loadSettings(path, loaded), "loadSettings reads it back");
    check(loaded.value(u"txtbgc") == colour, "the loaded txtbgc is the saved one");

    const stylewright::GeneratedBlock block = stylewright::generate(u"cmdbg", loaded);
    check(block.error.isEmpty() && !block.writes.isEmpty(), "cmdbg generates its block");
    check(block.writes.join(QString()).contains(QStringLiteral("#123456")), "the block uses the loaded colour");
    check(!stylewright::generate("nosuchbutton", loaded).error.isEmpty(), "an unknown area is refused");

    if (failures == 0)
        std::puts("consumer: the core works as a library");
    return failures == 0 ? 0 : 1;
}
