// The real message boxes: a long path in a message wraps inside the box instead of widening it,
// and text from a field or a file shows as the characters it is.

#include "editor/editor_actions.h"
#include "support/fakes.h"
#include "support/helpers.h"
#include "system/message_text.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kLongPath = u"/home/用户/.local/share/stylewright/csscode/"_s + QString(150, u'x') + u".txt";

// Shows the box QtPrompts makes for text and returns its width and the text it showed.
std::pair<int, QString> shownBox(const QString &text)
{
    int width = 0;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        width = box->width();
        shown = box->text();
        box->accept();
    });
    QtPrompts().inform(u"错误提示"_s, text);
    return {width, shown};
}

// Records every address something asks the desktop to open.
class AddressRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &address) { opened.append(address); }
};

} // namespace

class TestMessageBoxes : public QObject {
    Q_OBJECT
private slots:
    void breakOpportunitiesAfterSeparators_data();
    void breakOpportunitiesAfterSeparators();
    void longPathWrapsInsideTheBox();
    void fieldTextIsNeverMarkup_data();
    void fieldTextIsNeverMarkup();
};

void TestMessageBoxes::breakOpportunitiesAfterSeparators_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no path") << u"保存出错！！"_s << u"保存出错！！"_s;
    QTest::newRow("unix path") << u"/a/b.txt"_s << u"/\u200Ba/\u200Bb.txt"_s;
    QTest::newRow("windows path") << u"C:\\a\\b"_s << u"C:\\\u200Ba\\\u200Bb"_s;
    QTest::newRow("long name") << QString(45, u'x')
                               << QString(20, u'x') + u"\u200B" + QString(20, u'x') + u"\u200B" + QString(5, u'x');
    QTest::newRow("spaces and ideographs break anyway")
        << QString(15, u'a') + u" " + QString(15, u'b') + u"墨" + QString(19, u'c')
        << QString(15, u'a') + u" " + QString(15, u'b') + u"墨" + QString(19, u'c');
    QTest::newRow("surrogate pairs stay whole")
        << u"😀"_s.repeated(25) << u"😀"_s.repeated(20) + u"\u200B" + u"😀"_s.repeated(5);
    QTest::newRow("empty") << QString() << QString();
}

void TestMessageBoxes::breakOpportunitiesAfterSeparators()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(wrappableText(text), shown);
    QCOMPARE(wrappableText(text).remove(QChar(0x200B)), text); // nothing but the breaks is added
}

void TestMessageBoxes::longPathWrapsInsideTheBox()
{
    const QString message = u"无法保存CSS文件："_s + kLongPath;
    const auto [width, shown] = shownBox(message);
    QCOMPARE(QString(shown).remove(QChar(0x200B)), message);

    // Unbroken, the path would set the box's width by itself.
    QMessageBox unbroken(QMessageBox::NoIcon, u"错误提示"_s, message, QMessageBox::Ok);
    unbroken.show();
    const int pathWidth = unbroken.fontMetrics().horizontalAdvance(kLongPath);
    QVERIFY2(unbroken.width() > pathWidth / 2, "the measurement cannot tell a wrapped box");
    QVERIFY2(width > 0 && width < pathWidth / 2,
             qPrintable(u"box "_s + QString::number(width) + u" pixels wide for a " + QString::number(pathWidth) +
                        u"-pixel path"));
}

void TestMessageBoxes::fieldTextIsNeverMarkup_data()
{
    QTest::addColumn<bool>("question");
    QTest::newRow("message") << false;
    QTest::newRow("question") << true;
}

void TestMessageBoxes::fieldTextIsNeverMarkup()
{
    QFETCH(bool, question);
    const QString hostile = u"<a href=http:&#47;&#47;x>y</a>"_s;
    AddressRecorder recorder;
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");

    QString shown;
    bool plain = false, linksOpen = true, seen = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        plain = box->textFormat() == Qt::PlainText;
        for (const QLabel *label : box->findChildren<QLabel *>()) {
            if (label->text().contains(u"href")) {
                shown = label->text();
                plain = plain && label->textFormat() == Qt::PlainText;
                linksOpen = label->openExternalLinks();
            }
        }
        box->reject();
    });
    if (question) {
        QtPrompts().askYesNo(u"请确认"_s, hostile);
    } else {
        // A size that is not a number: the generator's message repeats what the field holds.
        QTemporaryDir folder;
        testing::FakeDesktop desktop;
        QtPrompts prompts;
        runAreaButton(Area::Navigation, testing::optionsWith({{Option::NavigationFontSize, hostile}}), folder.path(),
                      prompts, desktop);
    }
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    QVERIFY(seen);
    QVERIFY(plain);
    QVERIFY(!linksOpen);
    QVERIFY2(QString(shown).remove(QChar(0x200B)).contains(hostile), qPrintable(shown)); // shown as typed
    QVERIFY(recorder.opened.isEmpty());
}

QTEST_MAIN(TestMessageBoxes)
#include "test_message_boxes.moc"
