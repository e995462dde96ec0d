// Stands in for the preview program's pictures: for each --settings FILE --png OUT pair it saves
// a small PNG in the page colour of FILE and prints OUT, as the real program does. Each run is
// logged as one line of the pictures asked for, to the file LOOK_PAINTER_LOG names. With
// LOOK_PAINTER_HOLD set it waits for that file to exist before drawing.

#include "options/option_set.h"
#include "options/settings_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>
#include <QThread>

using namespace stylewright;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QStringList pictures;
    QList<QPair<QString, QString>> pairs;
    for (qsizetype i = 1; i + 3 < arguments.size(); i += 4) {
        if (arguments[i] == u"--settings" && arguments[i + 2] == u"--png")
            pairs.append({arguments[i + 1], arguments[i + 3]});
    }
    for (const auto &pair : pairs)
        pictures.append(QFileInfo(pair.second).fileName());
    QFile log(qEnvironmentVariable("LOOK_PAINTER_LOG"));
    if (log.open(QIODevice::Append))
        log.write(pictures.join(u' ').toUtf8() + '\n');
    const QString hold = qEnvironmentVariable("LOOK_PAINTER_HOLD");
    while (!hold.isEmpty() && !QFileInfo::exists(hold))
        QThread::msleep(20);
    QTextStream out(stdout);
    for (const auto &[settings, png] : pairs) {
        OptionSet options;
        if (!readSettings(settings, options))
            return 2;
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(options.value(Option::PageBackgroundColour).right(6).toUInt(nullptr, 16));
        if (!image.save(png, "PNG"))
            return 1;
        out << png << Qt::endl;
    }
    return 0;
}
