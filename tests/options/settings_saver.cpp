// Saves one of two option sets to a settings file many times over, for the concurrent-save test:
// settings_saver <setup.ini> <a|b> <times>

#include "options/option_set.h"
#include "options/settings_file.h"

#include <QCoreApplication>

using namespace stylewright;

OptionSet variant(bool a)
{
    OptionSet o;
    o.setValue(Option::PageBackgroundColour, a ? QStringLiteral("背景颜色#AAAAAA") : QStringLiteral("背景颜色#BBBBBB"));
    o.setValue(Option::PagePicture, QString(a ? 900 : 300, a ? u'a' : u'b')); // saves of different lengths
    o.setValue(Option::PagePictureOn, a ? QStringLiteral("1") : QStringLiteral("0"));
    return o;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    const OptionSet o = variant(args[2] == u"a");
    const int times = args[3].toInt();
    int failures = 0;
    for (int i = 0; i < times; ++i)
        failures += saveSettings(args[1], o) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
