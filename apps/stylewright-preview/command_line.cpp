#include "stylewright-preview/command_line.h"

#include "startup/qt_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace stylewright {
namespace {

constexpr int kLargestSide = 10000;

Failure usageFailure(const QString &what)
{
    return {what + u'\n' + kPreviewUsage, what};
}

} // namespace

Result<PreviewCommand> parseCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption settings(QStringLiteral("settings"), {}, QStringLiteral("FILE"));
    const QCommandLineOption png(QStringLiteral("png"), {}, QStringLiteral("OUT"));
    const QCommandLineOption size(QStringLiteral("size"), {}, QStringLiteral("WxH"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption check(QStringLiteral("check"));
    parser.addOptions({settings, png, size, help, check});
    // Qt's options and, after --webEngineArgs, the engine's are for the application object.
    const qsizetype engine = arguments.indexOf(QStringLiteral("--webEngineArgs"));
    if (!parser.parse(withoutQtOptions(engine > 0 ? arguments.first(engine) : arguments)))
        return usageFailure(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageFailure(QStringLiteral("多余的参数：") + parser.positionalArguments().join(u' '));

    PreviewCommand command;
    command.help = parser.isSet(help);
    command.picture = parser.isSet(png) || parser.isSet(settings) || parser.isSet(size);
    command.check = parser.isSet(check) && !command.help;
    if (command.check) {
        if (!parser.isSet(settings) || parser.isSet(png) || parser.isSet(size))
            return usageFailure(QStringLiteral("--check 只与 --settings 一起使用。"));
        command.settingsFile = parser.value(settings);
        command.picture = false;
        return command;
    }
    if (command.help || !command.picture)
        return command;
    if (!parser.isSet(settings) || !parser.isSet(png))
        return usageFailure(QStringLiteral("--settings 与 --png 必须一起使用。"));
    const QStringList settingsFiles = parser.values(settings), pictureFiles = parser.values(png);
    if (settingsFiles.size() != pictureFiles.size())
        return usageFailure(QStringLiteral("每个 --settings 都要有一个 --png：给了 %1 个设置文件、%2 个图片文件。")
                                .arg(settingsFiles.size())
                                .arg(pictureFiles.size()));
    for (qsizetype i = 0; i < settingsFiles.size(); ++i)
        command.pictures.append({settingsFiles[i], pictureFiles[i]});
    if (parser.isSet(size)) {
        static const QRegularExpression shape(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
        const QRegularExpressionMatch m = shape.match(parser.value(size));
        const int width = m.captured(1).toInt(), height = m.captured(2).toInt();
        if (!m.hasMatch() || width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
            return usageFailure(
                QStringLiteral("--size 应写成“宽x高”，例如 1280x800，每边 1 到 %1。").arg(kLargestSide));
        command.size = QSize(width, height);
    }
    return command;
}

} // namespace stylewright
