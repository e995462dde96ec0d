#include "startup/qt_options.h"

namespace stylewright {
namespace {

using namespace Qt::Literals::StringLiterals;

// Taken with the argument after them (or after "="): QGuiApplication's, the X11 plugin's and
// QApplication's.
const QStringList kWithValue{u"platform"_s,
                             u"platformpluginpath"_s,
                             u"platformtheme"_s,
                             u"plugin"_s,
                             u"qwindowgeometry"_s,
                             u"qwindowicon"_s,
                             u"qwindowtitle"_s,
                             u"session"_s,
                             u"display"_s,
                             u"geometry"_s,
                             u"icon"_s,
                             u"name"_s,
                             u"title"_s,
                             u"visual"_s,
                             u"style"_s,
                             u"stylesheet"_s,
                             u"qmljsdebugger"_s};
const QStringList kAlone{u"reverse"_s, u"widgetcount"_s, u"nograb"_s, u"dograb"_s, u"sync"_s, u"testability"_s};

} // namespace

QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (i == 0 || !argument.startsWith(u'-') || argument == u"-" || argument == u"--") {
            kept << argument;
            continue;
        }
        // Qt reads "--style" as "-style".
        QStringView name = QStringView(argument).sliced(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0 && kWithValue.contains(name.first(equals)))
            continue;
        if (kWithValue.contains(name)) {
            ++i; // and its value
            continue;
        }
        if (!kAlone.contains(name))
            kept << argument;
    }
    return kept;
}

} // namespace stylewright
