// Shows the editor with its live preview on the current display and saves the whole screen as
// the preview shows the design values, a busy set of options, and a size that is not a number,
// then the "代码" tab of a preview window in this process:
// stylewright-preview-shots <output folder> <folder of pictures the busy set names>.

#include "editor/main_window.h"
#include "options/option_set.h"
#include "preview/live_preview.h"
#include "preview/preview_sheet.h"
#include "stylewright-preview/engine_setup.h"
#include "stylewright-preview/preview_window.h"
#include "stylewright-preview/sample_page.h"
#include "stylewright/preview_button.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace stylewright;

namespace {

// Warm page, three columns, pictures from the given folder: most generators take their other branch.
void makeBusy(OptionSet &o, const QString &pictures)
{
    // As data addresses: the sample page may load pictures from the web, never from local files.
    const auto picture = [&](const char *name) {
        QFile file(QDir(pictures).filePath(QString::fromUtf8(name)));
        file.open(QIODevice::ReadOnly);
        return QString::fromLatin1("data:image/svg+xml;base64," + file.readAll().toBase64());
    };
    const QList<QPair<Option, QString>> values{
        {Option::PageBackgroundColour, QStringLiteral("f4efe6")},
        {Option::HeaderColour, QStringLiteral("8c5a3c")},
        {Option::HeaderHeight, QStringLiteral("170")},
        {Option::HeaderMiddlePictureOn, QStringLiteral("0")},
        {Option::NameColour, QStringLiteral("fff8e7")},
        {Option::IntroColour, QStringLiteral("f3d9b1")},
        {Option::NameFont, QStringLiteral("黑体")},
        {Option::NavigationColour, QStringLiteral("8c5a3c")},
        {Option::NavigationHideDividers, QStringLiteral("0")},
        {Option::NavigationTop, QStringLiteral("0")},
        {Option::NavigationLeft, QStringLiteral("0")},
        {Option::ModuleColour, QStringLiteral("fffaf0")},
        {Option::ModuleTitleColour, QStringLiteral("8c5a3c")},
        {Option::ArticleTitleColour, QStringLiteral("a0522d")},
        {Option::ArticleTextColour, QStringLiteral("4a3b30")},
        {Option::CategoryColour, QStringLiteral("8c5a3c")},
        {Option::ProfileColour, QStringLiteral("6b4226")},
        {Option::AlbumColour, QStringLiteral("6b4226")},
        {Option::AlbumBarColour, QStringLiteral("f3e3cf")},
        {Option::LinksColour, QStringLiteral("8c5a3c")},
        {Option::CommentColour, QStringLiteral("6b4226")},
        {Option::ExtrasColour, QStringLiteral("8c5a3c")},
        {Option::ColumnLayout, QStringLiteral("分三栏")},
        {Option::ColumnsTotalWidth, QStringLiteral("950")},
        {Option::FirstColumnWidth, QStringLiteral("220")},
        {Option::SecondColumnWidth, QStringLiteral("480")},
        {Option::ThirdColumnWidth, QStringLiteral("220")},
        {Option::PagePictureOn, QStringLiteral("1")},
        {Option::PagePicture, picture("theme1.svg")},
        {Option::PagePictureRepeat, QStringLiteral("repeat")},
        {Option::ArticleDividerPictureOn, QStringLiteral("0")},
        {Option::PlayerStyle, QStringLiteral("滤镜")},
        {Option::PetSize, QStringLiteral("100")},
        {Option::ProfilePictureOn, QStringLiteral("1")},
        {Option::ProfilePicture, picture("level.svg")},
        {Option::ProfilePictureHeight, QStringLiteral("20")},
    };
    for (const auto &[option, value] : values)
        o.setValue(option, value);
}

bool shoot(LivePreview &preview, MainWindow &window, const QString &path)
{
    QSignalSpy applied(&preview, &LivePreview::applied);
    if (!applied.wait(30000))
        return false;
    QTest::qWait(1500); // pictures and the first paint
    const QPixmap shot = window.screen()->grabWindow(0);
    QTextStream(stdout) << path << Qt::endl;
    return shot.save(path);
}

} // namespace

// The "代码" tab of a preview window in this process, showing the options' sheet.
bool shootCodeTab(const OptionSet &options, const QString &path)
{
    PreviewWindow window;
    window.findChild<QTabWidget *>(QStringLiteral("previewTabs"))->setCurrentIndex(1);
    window.resize(900, 600);
    window.show();
    QSignalSpy applied(&window.page(), &SamplePage::applied);
    window.showSheet(sheetFor(options), 1);
    if (!applied.wait(30000))
        return false;
    QTextStream(stdout) << path << Qt::endl;
    return window.grab().save(path);
}

int main(int argc, char *argv[])
{
    prepareWebEngine();
    QApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: stylewright-preview-shots <output folder> <pictures folder>" << Qt::endl;
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir programFolder;
    QtPrompts prompts;
    QtDesktop desktop;
    QtColourDialog colourDialog;
    OptionSet record;
    MainWindow window(record, programFolder.path(), prompts, desktop, colourDialog);
    installLivePreview(window, prompts, QStringLiteral(STYLEWRIGHT_PREVIEW_PROGRAM));
    window.move(1120, 0); // beside the preview window, which has no window manager to place it
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.findChild<QPushButton *>(QStringLiteral("cmdpreview"))->click();
    auto *preview = window.findChild<LivePreview *>();
    if (!preview || !shoot(*preview, window, out.filePath(QStringLiteral("preview-defaults.png"))))
        return 1;
    makeBusy(record, QString::fromLocal8Bit(argv[2]));
    if (!shoot(*preview, window, out.filePath(QStringLiteral("preview-busy.png"))))
        return 1;
    record.setValue(Option::NameFontSize, QStringLiteral("36px"));
    if (!shoot(*preview, window, out.filePath(QStringLiteral("preview-notice.png"))))
        return 1;
    return shootCodeTab(record, out.filePath(QStringLiteral("preview-code.png"))) ? 0 : 1;
}
