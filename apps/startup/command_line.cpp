#include "startup/command_line.h"

#include "base/data_folder.h"
#include "startup/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace stylewright {
namespace {

const QString kDataDir = QStringLiteral("data-dir");
const QString kCss = QStringLiteral("css");

void describe(QCommandLineParser &parser, Program program)
{
    if (program == Program::Editor) {
        parser.setApplicationDescription(
            QStringLiteral("为墨檐空间编写个性化 CSS。\n\n"
                           "--css 的退出状态：0 成功；1 有尺寸不是数字；2 设置文件不存在或无法读取；"
                           "3 文件不是设置文件（不是 INI、太大或不是 GBK 文本）；64 命令行有误。"));
    } else {
        parser.setApplicationDescription(QStringLiteral("获取墨檐空间的 CSS 样式表，保存到 csscode 文件夹。"));
    }
    parser.addHelpOption();
    parser.addVersionOption();
    const QString files = program == Program::Editor ? QStringLiteral("setup.ini、墨檐CSS代码.txt 和 csscode 文件夹")
                                                     : QStringLiteral("csscode 文件夹");
    parser.addOption({kDataDir,
                      u"把" + files +
                          QStringLiteral("放在<文件夹>中。默认：程序所在的文件夹可以写入时用它，"
                                         "否则用 ~/.local/share/stylewright。"),
                      QStringLiteral("文件夹")});
    if (program == Program::Editor) {
        parser.addOption({kCss, QStringLiteral("不打开窗口，把<设置文件>中设置的十一个区域的 CSS 代码按标签页的顺序以 "
                                               "UTF-8 写到标准输出，不写任何文件。")});
        parser.addPositionalArgument(QStringLiteral("设置文件"),
                                     QStringLiteral("--css 读取的设置文件，默认是数据文件夹中的 setup.ini。"),
                                     QStringLiteral("[设置文件]"));
    }
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

CommandLine ending(int exitCode)
{
    CommandLine line;
    line.exitCode = exitCode;
    return line;
}

CommandLine mistake(const QString &what)
{
    print(stderr,
          QCoreApplication::applicationName() + u": " + what + u'\n' + QStringLiteral("用 --help 查看可用的选项。\n"));
    return ending(kExitUsage);
}

} // namespace

bool needsWindow(int argc, char *argv[], Program program)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser, program);
    (void)parser.parse(arguments); // mistakes are told once the application exists
    const bool printsOnly = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
                            parser.isSet(QStringLiteral("version"));
    return !printsOnly && !(program == Program::Editor && parser.isSet(kCss));
}

CommandLine readCommandLine(Program program)
{
    QCoreApplication::setApplicationName(program == Program::Editor ? QStringLiteral("stylewright")
                                                                    : QStringLiteral("sheetfetch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STYLEWRIGHT_VERSION));
    QCommandLineParser parser;
    describe(parser, program);
    if (!parser.parse(QCoreApplication::arguments()))
        return mistake(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        return ending(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print(stdout, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return ending(0);
    }
    CommandLine line;
    line.dataFolder = parser.value(kDataDir);
    if (parser.isSet(kDataDir) && line.dataFolder.isEmpty())
        return mistake(QStringLiteral("--data-dir 需要一个文件夹。"));
    line.printCss = program == Program::Editor && parser.isSet(kCss);
    const QStringList extra = parser.positionalArguments();
    if (line.printCss && extra.size() == 1)
        line.cssFile = extra.first();
    else if (!extra.isEmpty())
        return mistake(QStringLiteral("多余的参数：") + extra.join(u' '));
    return line;
}

CommandLine startProgram(Program program)
{
    loadQtTranslations();
    return readCommandLine(program);
}

QString dataFolderInUse(const CommandLine &line)
{
    return chooseDataFolder(standardDataFolderPlaces(line.dataFolder));
}

} // namespace stylewright
