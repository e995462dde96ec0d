// stylewright-preview: the live preview window the editor starts and feeds over standard input,
// or one PNG of the sample page for a settings file.

#include "options/option_set.h"
#include "options/settings_file.h"
#include "preview/preview_sheet.h"
#include "stylewright-preview/check_command.h"
#include "stylewright-preview/command_line.h"
#include "stylewright-preview/editor_link.h"
#include "stylewright-preview/engine_setup.h"
#include "stylewright-preview/png_export.h"
#include "stylewright-preview/preview_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <csignal>
#include <unistd.h>

using namespace stylewright;

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The page's sheet for a settings file, or the status to end with after saying why not.
Result<QString> sheetOfFile(const QString &path)
{
    OptionSet options;
    const Result<void> read = readSettings(path, options);
    if (!read) {
        return Failure{QStringLiteral("stylewright-preview: 设置文件“%1”无法使用：%2（%3）")
                           .arg(QDir::toNativeSeparators(path), read.failure().message, read.failure().reason),
                       {}};
    }
    const Sheet sheet = sheetFor(options);
    for (int i = 0; i < sheet.size(); ++i) {
        if (sheet[i].failed())
            err() << "stylewright-preview: " << tabs()[i].caption.toString() << "：" << sheet[i].notice << Qt::endl;
    }
    return wholeCss(sheet);
}

int runPicture(int argc, char *argv[], const PreviewCommand &command)
{
    // Every file is checked before the engine starts, so a bad one costs no picture half-drawn.
    QList<PictureOrder> orders;
    for (const PictureJob &job : command.pictures) {
        const Result<QString> css = sheetOfFile(job.settingsFile);
        if (!css) {
            err() << css.failure().message << Qt::endl;
            return 2;
        }
        const QFileInfo picture(job.pictureFile);
        if (!picture.absoluteDir().exists() || picture.isDir()) {
            err() << "stylewright-preview: 无法写入图片文件“" << QDir::toNativeSeparators(job.pictureFile)
                  << "”：文件夹不存在或这是一个文件夹。" << Qt::endl;
            return 2;
        }
        orders.append({*css, job.pictureFile});
    }
    // The picture needs no screen, so a script on a machine without one can make it too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    return exportPictures(orders, command.size, [&out](const QString &path) { out << path << Qt::endl; });
}

int runLive(int argc, char *argv[])
{
    // Answers go out on the first standard output; anything a library prints goes to standard error.
    const int answers = ::dup(STDOUT_FILENO);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
    std::signal(SIGPIPE, SIG_IGN); // an editor that has gone away ends the input, not the program
    prepareWebEngine();
    QApplication app(argc, argv);
    PreviewWindow window;
    EditorLink link(window, STDIN_FILENO, answers);
    QObject::connect(&link, &EditorLink::finished, &app, [](int status) { QCoreApplication::exit(status); });
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const Result<PreviewCommand> command = parseCommand(arguments);
    if (!command) {
        err() << command.failure().message << Qt::flush;
        return 2;
    }
    if (command->help) {
        QTextStream(stdout) << kPreviewUsage << Qt::flush;
        return 0;
    }
    if (command->check) {
        const Result<QString> css = sheetOfFile(command->settingsFile);
        if (!css) {
            err() << css.failure().message << Qt::endl;
            return 2;
        }
        return runCheck(argc, argv, *css);
    }
    if (!command->picture && ::isatty(STDIN_FILENO)) { // started by hand: the live window waits for the editor
        err() << kPreviewUsage << Qt::flush;
        return 2;
    }
    return command->picture ? runPicture(argc, argv, *command) : runLive(argc, argv);
}
