// The 外观库 window: pictures drawn once in one background run, colour strips without the
// preview program, a look used as one undo step, and bad files and names answered in words.

#include "editor/edit_history.h"
#include "editor_fixture.h"
#include "looks/look_cards.h"
#include "looks/look_gallery.h"
#include "looks/look_pictures.h"
#include "stylewright/look_gallery_button.h"

#include <QListWidget>
#include <QPushButton>
#include <QUndoStack>

using namespace stylewright;
using namespace stylewright::testing;

namespace {

// Answers the gallery's questions from a list, in order.
struct Answers {
    QStringList names;
    QString file;
    LookQuestions questions()
    {
        LookQuestions q;
        q.name = [this](QWidget *, const QString &, const QString &) -> std::optional<QString> {
            if (names.isEmpty())
                return std::nullopt;
            return names.takeFirst();
        };
        q.fileToOpen = q.fileToSave = [this](QWidget *, const QString &, const QString &) { return file; };
        return q;
    }
};

QStringList runs(const QString &log)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

bool allDrawn(const LookGallery &gallery)
{
    for (int i = 0; i < gallery.cards()->count(); ++i) {
        if (gallery.cards()->item(i)->data(PictureRole).value<QPixmap>().isNull())
            return false;
    }
    return true;
}

} // namespace

class TestLookGallery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void picturesAreDrawnOnceInOneRun();
    void withoutThePreviewProgramCardsShowColours();
    void usingALookIsOneUndoStep();
    void badFilesAreGreyedAndNeverUsed();
    void namesAndFoldersThatCannotBeUsedAreSaid();
    void deletingAsksFirst();

private:
    QTemporaryDir m_dir;
    QString m_log;
    FakePrompts m_prompts;
};

void TestLookGallery::init()
{
    m_log = m_dir.filePath(QStringLiteral("runs-%1.log").arg(QString::fromLatin1(QTest::currentTestFunction())));
    qputenv("LOOK_PAINTER_LOG", m_log.toLocal8Bit());
    qunsetenv("LOOK_PAINTER_HOLD");
    m_prompts = FakePrompts();
}

void TestLookGallery::picturesAreDrawnOnceInOneRun()
{
    QTemporaryDir data;
    const QString hold = data.filePath(QStringLiteral("go"));
    qputenv("LOOK_PAINTER_HOLD", hold.toLocal8Bit());
    OptionSet options;
    Answers answers;
    auto gallery = std::make_unique<LookGallery>(
        options, data.path(), QStringLiteral(LOOK_PAINTER), m_prompts, [](const Look &) {}, answers.questions());
    QListWidget *cards = gallery->cards();
    QVERIFY(cards->count() >= 8);
    // Every card waits, with its colours meanwhile, until the one run draws them all.
    for (int i = 0; i < cards->count(); ++i) {
        QVERIFY(cards->item(i)->data(WaitingRole).toBool());
        QVERIFY(!cards->item(i)->data(ColoursRole).toList().isEmpty());
    }
    QFile(hold).open(QIODevice::WriteOnly);
    QTRY_VERIFY_WITH_TIMEOUT(allDrawn(*gallery), 20000);
    QTRY_VERIFY(!cards->item(0)->data(WaitingRole).toBool());
    QCOMPARE(runs(m_log).size(), 1);
    QCOMPARE(runs(m_log)[0].split(u' ').size(), cards->count());

    // Drawn once: a new window finds every picture.
    gallery = std::make_unique<LookGallery>(
        options, data.path(), QStringLiteral(LOOK_PAINTER), m_prompts, [](const Look &) {}, answers.questions());
    cards = gallery->cards();
    QVERIFY(allDrawn(*gallery));
    QTest::qWait(100);
    QCOMPARE(runs(m_log).size(), 1);

    // A new look is drawn; the same name with other settings again; a new name alone is not.
    answers.names = {QStringLiteral("我的"), QStringLiteral("我的"), QStringLiteral("我的新名")};
    gallery->saveCurrentAsLook();
    QTRY_COMPARE(runs(m_log).size(), 2);
    QTRY_VERIFY(allDrawn(*gallery));
    options.setValue(Option::PageBackgroundColour, QStringLiteral("背景颜色#654321"));
    m_prompts.answers = {true};
    gallery->saveCurrentAsLook();
    QTRY_COMPARE(runs(m_log).size(), 3);
    QTRY_VERIFY(allDrawn(*gallery));
    QVERIFY(gallery->select(QStringLiteral("我的")));
    gallery->renameSelected();
    QVERIFY(gallery->select(QStringLiteral("我的新名")));
    QTest::qWait(100);
    QCOMPARE(runs(m_log).size(), 3);
    QVERIFY(allDrawn(*gallery));
    // Nothing the program was handed is left behind, and the first picture of "我的" went with its
    // settings: one whole picture and one card-sized copy per card.
    const QDir folder(data.filePath(QStringLiteral("look-pictures")));
    const QStringList left = folder.entryList(QDir::Files);
    QCOMPARE(left.filter(QStringLiteral(".ini")), QStringList());
    const QStringList small =
        left.filter(QStringLiteral("-%1x%2.png").arg(kCardPictureSize.width()).arg(kCardPictureSize.height()));
    QCOMPARE(small.size(), cards->count());
    QCOMPARE(left.size(), 2 * cards->count());

    // A card-sized copy is read back as it is; a broken one is made again from the whole picture.
    const QString key = small.first().left(32);
    QVERIFY(gallery->pictures().isDrawn(key));
    QImage marked(kCardPictureSize, QImage::Format_RGB32);
    marked.fill(Qt::magenta);
    QVERIFY(marked.save(folder.filePath(small.first())));
    QCOMPARE(gallery->pictures().smallPicture(key, kCardPictureSize).pixel(0, 0), QColor(Qt::magenta).rgb());
    QFile broken(folder.filePath(small.first()));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("\x89PNG");
    broken.close();
    const QImage remade = gallery->pictures().smallPicture(key, kCardPictureSize);
    QCOMPARE(remade.size(), kCardPictureSize);
    QVERIFY(remade.pixel(0, 0) != QColor(Qt::magenta).rgb());
    QCOMPARE(QImage(folder.filePath(small.first())).size(), kCardPictureSize);
}

void TestLookGallery::withoutThePreviewProgramCardsShowColours()
{
    QTemporaryDir data;
    OptionSet options;
    LookGallery gallery(options, data.path(), QString(), m_prompts, [](const Look &) {});
    for (int i = 0; i < gallery.cards()->count(); ++i) {
        const QListWidgetItem *card = gallery.cards()->item(i);
        QVERIFY(card->data(PictureRole).value<QPixmap>().isNull());
        QVERIFY(!card->data(WaitingRole).toBool());
        QVERIFY(card->data(ColoursRole).toList().size() >= 3);
    }
    QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("look-pictures"))));
}

void TestLookGallery::usingALookIsOneUndoStep()
{
    Editor editor;
    Answers answers;
    installLookGallery(editor.window, editor.prompts, QString(), answers.questions());
    const QString before = editor.record.value(Option::PageBackgroundColour);
    OptionSet night;
    for (const Look &look : builtInLooks()) {
        if (look.header.name == u"夜空")
            QVERIFY(applyLook(look, night));
    }
    const QString nightPage = night.value(Option::PageBackgroundColour);
    QVERIFY(nightPage != before);
    editor.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor.window));
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &editor.window, Qt::Key_L, Qt::ControlModifier);
    QTRY_VERIFY(editor.window.findChild<LookGallery *>()); // a shortcut presses its button for a moment
    auto *gallery = editor.window.findChild<LookGallery *>();
    QVERIFY(QTest::qWaitForWindowExposed(gallery));
    QVERIFY(gallery->select(QStringLiteral("夜空")));
    gallery->cards()->scrollToItem(gallery->cards()->currentItem());
    const int steps = editor.window.history().stack().count();
    QListWidget *cards = gallery->cards();
    const QPoint card = cards->visualItemRect(cards->currentItem()).center();
    QTest::mouseClick(cards->viewport(), Qt::LeftButton, {}, card);
    QTest::mouseDClick(cards->viewport(), Qt::LeftButton, {}, card);
    QVERIFY(editor.record.value(Option::PageBackgroundColour) == nightPage);
    QVERIFY(editor.record.value(Option::HeaderMiddlePictureOn) == u"0");
    QCOMPARE(editor.window.history().stack().count(), steps + 1);
    QVERIFY(editor.prompts.shown.isEmpty()); // no question: undo is there
    editor.window.history().undo();
    QCOMPARE(editor.record.value(Option::PageBackgroundColour), before);
    QCOMPARE(editor.record.value(Option::HeaderMiddlePictureOn), QStringLiteral("1"));
    // Enter on a card uses it too, once.
    cards->setFocus();
    QTest::keyClick(cards, Qt::Key_Return);
    QCOMPARE(editor.record.value(Option::PageBackgroundColour), nightPage);
    QCOMPARE(editor.window.history().stack().count(), steps + 1);
    // A second press shows the same window.
    gallery->close();
    editor.window.looksButton()->click();
    QCOMPARE(editor.window.findChildren<LookGallery *>().size(), 1);
}

void TestLookGallery::badFilesAreGreyedAndNeverUsed()
{
    Editor editor;
    QVERIFY(QDir().mkpath(looksFolder(editor.folder())));
    QFile bad(QDir(looksFolder(editor.folder())).filePath(QStringLiteral("坏的.ini")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("[外观]\r\n名称=坏的\r\n");
    bad.close();
    Answers answers;
    installLookGallery(editor.window, editor.prompts, QString(), answers.questions());
    editor.window.looksButton()->click();
    auto *gallery = editor.window.findChild<LookGallery *>();
    QVERIFY(gallery->select(QStringLiteral("坏的")));
    QListWidgetItem *card = gallery->cards()->currentItem();
    QVERIFY(card->data(ProblemRole).toString().contains(QStringLiteral("不是设置文件")));
    QVERIFY(card->toolTip().contains(QStringLiteral("不是设置文件")));
    QVERIFY(!gallery->findChild<QPushButton *>(QStringLiteral("cmduselook"))->isEnabled());
    QVERIFY(gallery->findChild<QPushButton *>(QStringLiteral("cmddeletelook"))->isEnabled());
    const QString before = editor.record.value(Option::PageBackgroundColour);
    const int steps = editor.window.history().stack().count();
    gallery->applySelected();
    QTest::keyClick(gallery->cards(), Qt::Key_Return);
    QCOMPARE(editor.record.value(Option::PageBackgroundColour), before);
    QCOMPARE(editor.window.history().stack().count(), steps);
}

void TestLookGallery::namesAndFoldersThatCannotBeUsedAreSaid()
{
    QTemporaryDir data;
    OptionSet options;
    Answers answers;
    LookGallery gallery(
        options, data.path(), QString(), m_prompts, [](const Look &) {}, answers.questions());
    answers.names = {QStringLiteral("   "), QStringLiteral("素笺")};
    gallery.saveCurrentAsLook();
    gallery.saveCurrentAsLook();
    QCOMPARE(m_prompts.shown.size(), 2);
    QVERIFY(m_prompts.shown[0].text.contains(QStringLiteral("不能为空")));
    QVERIFY(m_prompts.shown[1].text.contains(QStringLiteral("已经有名为“素笺”")));
    QVERIFY(!QFileInfo::exists(looksFolder(data.path())));

    QFile blocker(looksFolder(data.path())); // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    answers.names = {QStringLiteral("我的")};
    gallery.saveCurrentAsLook();
    QCOMPARE(m_prompts.shown.size(), 3);
    QVERIFY(m_prompts.shown[2].text.contains(QDir::toNativeSeparators(looksFolder(data.path()))));

    // A file that is no look, imported, changes nothing and says why.
    answers.file = m_dir.filePath(QStringLiteral("none.ini"));
    gallery.importLookFile();
    QCOMPARE(m_prompts.shown.size(), 4);
    QVERIFY(m_prompts.shown[3].text.contains(QStringLiteral("不存在")));
}

void TestLookGallery::deletingAsksFirst()
{
    QTemporaryDir data;
    OptionSet options;
    Answers answers{{QStringLiteral("留着")}, {}};
    LookGallery gallery(
        options, data.path(), QString(), m_prompts, [](const Look &) {}, answers.questions());
    gallery.saveCurrentAsLook();
    gallery.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gallery));
    QVERIFY(gallery.select(QStringLiteral("留着")));
    gallery.cards()->setFocus();
    m_prompts.answers = {false};
    QTest::keyClick(gallery.cards(), Qt::Key_Delete);
    QCOMPARE(ownLooks(data.path()).size(), 1);
    QCOMPARE(m_prompts.shown.size(), 1);
    QVERIFY(m_prompts.shown.last().question);
    m_prompts.answers = {true};
    gallery.deleteSelected();
    QVERIFY(ownLooks(data.path()).isEmpty());
    QVERIFY(!gallery.select(QStringLiteral("留着")));
}

QTEST_MAIN(TestLookGallery)
#include "test_look_gallery.moc"
