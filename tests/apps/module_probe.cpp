// Not a test of its own: copied beside an installed stylewright by check_install.cmake, it looks for
// the network module exactly as the editor does. Exit status 0 when the module was found.

#include "stylewright/network_module.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const std::unique_ptr<stylewright::SheetSource> source =
        stylewright::loadNetworkSheetSource(QStringLiteral("http://127.0.0.1:9"));
    int status = 2; // no answer at all
    source->setListener({[&](const QByteArray &) { QCoreApplication::exit(0); },
                         [&](const stylewright::Failure &why) {
                             // The stand-in for a missing module says so; the real one tries the network.
                             status = why.message == QStringLiteral("网络模块没有找到") ? 1 : 0;
                             std::fprintf(stderr, "%s\n%s\n", qPrintable(why.message), qPrintable(why.reason));
                             QCoreApplication::exit(status);
                         }});
    source->setTimeout(std::chrono::milliseconds(5000));
    if (!source->start(QStringLiteral("http://127.0.0.1:9/s")))
        return 3;
    QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });
    return app.exec();
}
