// Photographs the 外观库 on the current display: the gallery with every picture drawn, a look in
// use in the editor and its live preview, the editor after Ctrl+Z, and the gallery of a second
// run on the same data folder showing the look the first run saved. Small copies of the gallery
// and of the editor with its preview go to the docs folder, for the README:
// stylewright-looks-shots <output folder> <docs folder>

#include "editor/edit_history.h"
#include "editor/main_window.h"
#include "looks/look_gallery.h"
#include "looks/look_pictures.h"
#include "options/option_set.h"
#include "preview/live_preview.h"
#include "stylewright/look_gallery_button.h"
#include "stylewright/preview_button.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace stylewright;

namespace {

QTextStream out(stdout);

bool save(const QPixmap &shot, const QString &path)
{
    out << path << Qt::endl;
    return shot.save(path);
}

// A copy small enough for a README: at most `width` wide, in 256 colours.
bool saveSmall(const QPixmap &shot, int width, const QString &path)
{
    const QImage small = shot.toImage()
                             .scaledToWidth(std::min(width, shot.width()), Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AutoColor);
    out << path << Qt::endl;
    return small.save(path, "PNG", 9);
}

LookGallery *openGallery(MainWindow &window)
{
    window.looksButton()->click();
    auto *gallery = window.findChild<LookGallery *>();
    if (!gallery || !QTest::qWaitForWindowExposed(gallery))
        return nullptr;
    gallery->move(0, 0);
    // Every picture there, drawn now or found in the data folder.
    const bool drawn = QTest::qWaitFor(
        [&] {
            for (const Look &look : gallery->looks()) {
                if (look.usable() && gallery->pictures().isWaiting(pictureKey(look.settings)))
                    return false;
            }
            return true;
        },
        60000);
    if (!drawn)
        return nullptr;
    QTest::qWait(300);
    return gallery;
}

bool waitForPreview(LivePreview &preview)
{
    QSignalSpy applied(&preview, &LivePreview::applied);
    if (!applied.wait(30000))
        return false;
    QTest::qWait(1500); // the first paint
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        QTextStream(stderr) << "usage: stylewright-looks-shots <output folder> <docs folder> [data folder]" << Qt::endl;
        return 2;
    }
    const QDir shots(QString::fromLocal8Bit(argv[1])), docs(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir scratch;
    const QString data = argc > 3 ? QString::fromLocal8Bit(argv[3]) : scratch.path();
    const bool secondRun = argc > 3 && QDir(looksFolder(data)).exists();
    QtPrompts prompts;
    QtDesktop desktop;
    QtColourDialog colourDialog;
    OptionSet record;
    MainWindow window(record, data, prompts, desktop, colourDialog);
    const QString program = QStringLiteral(STYLEWRIGHT_PREVIEW_PROGRAM);
    installLivePreview(window, prompts, program);
    LookQuestions questions = standardLookQuestions();
    questions.name = [](QWidget *, const QString &, const QString &) { return QStringLiteral("我的春日"); };
    installLookGallery(window, prompts, program, questions);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    LookGallery *gallery = openGallery(window);
    if (!gallery)
        return 1;
    if (secondRun) // what a restart finds: the look the first run saved
        return gallery->select(QStringLiteral("我的春日")) &&
                       save(gallery->grab(), shots.filePath(QStringLiteral("looks-after-restart.png")))
                   ? 0
                   : 1;
    gallery->select(QStringLiteral("春樱"));
    QTest::qWait(200);
    if (!save(gallery->grab(), shots.filePath(QStringLiteral("looks-gallery.png"))) ||
        !saveSmall(gallery->grab(), 760, docs.filePath(QStringLiteral("looks-gallery.png"))))
        return 1;

    gallery->applySelected();
    gallery->saveCurrentAsLook();
    gallery->close();
    window.move(1120, 0); // beside the preview window, which has no window manager to place it
    window.button(WindowButton::Preview)->click();
    auto *preview = window.findChild<LivePreview *>();
    if (!preview || !waitForPreview(*preview))
        return 1;
    const QPixmap inUse = window.screen()->grabWindow(0);
    if (!save(inUse, shots.filePath(QStringLiteral("looks-in-use.png"))) ||
        !saveSmall(inUse.copy(0, 0, 1900, 800), 950, docs.filePath(QStringLiteral("editor-with-preview.png"))))
        return 1;
    window.history().undo();
    if (!waitForPreview(*preview))
        return 1;
    return save(window.screen()->grabWindow(0), shots.filePath(QStringLiteral("looks-undone.png"))) ? 0 : 1;
}
