// The real message boxes: a long path in a message wraps inside the box instead of widening it.

#include "system/message_text.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
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

} // namespace

class TestMessageBoxes : public QObject {
    Q_OBJECT
private slots:
    void breakOpportunitiesAfterSeparators_data();
    void breakOpportunitiesAfterSeparators();
    void longPathWrapsInsideTheBox();
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

QTEST_MAIN(TestMessageBoxes)
#include "test_message_boxes.moc"
