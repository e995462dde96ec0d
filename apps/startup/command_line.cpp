#include "startup/command_line.h"

#include "base/data_folder.h"
#include "startup/qt_options.h"
#include "startup/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace stylewright {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kDataDir = QStringLiteral("data-dir");
const QString kCss = QStringLiteral("css");

void describe(QCommandLineParser &parser, Program program)
{
    if (program == Program::Editor) {
        parser.setApplicationDescription(
            QStringLiteral("为墨檐空间编写个性化 CSS。\n\n"
                           "--css 的退出状态：0 成功；1 有尺寸不是数字；2 设置文件不存在或无法读取；"
                           "3 文件不是设置文件（不是 INI、太大或不是 GBK 文本）；64 命令行有误；"
                           "74 无法写到标准输出。"));
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

CommandLine ending(int exitCode)
{
    CommandLine line;
    line.exitCode = exitCode;
    return line;
}

CommandLine mistake(const QString &what)
{
    printAll(stderr, (QCoreApplication::applicationName() + u": " + what + u'\n' +
                      QStringLiteral("用 --help 查看可用的选项。\n"))
                         .toUtf8());
    return ending(kExitUsage);
}

} // namespace

bool printAll(std::FILE *stream, const QByteArray &bytes)
{
    const size_t size = size_t(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

int printOrTell(const QByteArray &bytes)
{
    if (printAll(stdout, bytes))
        return 0;
    printAll(stderr, (QCoreApplication::applicationName() + QStringLiteral(": 无法写到标准输出。\n")).toUtf8());
    return kExitOutput;
}

bool needsWindow(int argc, char *argv[], Program program)
{
    QCommandLineParser parser;
    describe(parser, program);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(withoutQtOptions(arguments)))
        return false; // told without a window, which may be impossible to open
    const bool printsOnly = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
                            parser.isSet(QStringLiteral("version"));
    const bool printsCss = program == Program::Editor && parser.isSet(kCss);
    return !printsOnly && !printsCss && parser.positionalArguments().isEmpty();
}

CommandLine readCommandLine(Program program)
{
    QCoreApplication::setApplicationName(program == Program::Editor ? QStringLiteral("stylewright")
                                                                    : QStringLiteral("sheetfetch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STYLEWRIGHT_VERSION));
    QCommandLineParser parser;
    describe(parser, program);
    // Without a window Qt's own options are still there; with one, those of other platforms are.
    if (!parser.parse(withoutQtOptions(QCoreApplication::arguments())))
        return mistake(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        return ending(printOrTell(parser.helpText().toUtf8()));
    if (parser.isSet(QStringLiteral("version"))) {
        const QString version = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion();
        return ending(printOrTell((version + u'\n').toUtf8()));
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
