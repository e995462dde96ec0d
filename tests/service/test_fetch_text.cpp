#include "base/text_encoding.h"
#include "service/search_word.h"
#include "service/sheet_file.h"
#include "service/sheet_text.h"
#include "service/space_address.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {
const QString kPrefix = u"http://s.moyan.test"_s;
}

class TestFetchText : public QObject {
    Q_OBJECT
private slots:
    void sheetIdInPage_data();
    void sheetIdInPage();
    void sheetAddressJoinsParts();
    void splitting_data();
    void splitting();
    void saveNames_data();
    void saveNames();
    void pageDecoding_data();
    void pageDecoding();
    void searchWords_data();
    void searchWords();
    void addresses_data();
    void addresses();
    void savedFileBytes();
};

void TestFetchText::sheetIdInPage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("userPart");
    QTest::addColumn<QString>("id"); // "<none>": no sheet found
    QTest::newRow("ascii") << u"<link href=\"/ann/css/item/x9.css\">"_s << u"/ann"_s << u"x9"_s;
    QTest::newRow("first marker wins") << u"/ann/css/item/1.css /ann/css/item/2.css"_s << u"/ann"_s << u"1"_s;
    QTest::newRow("chinese name counts characters") << u"x/墨檐/css/item/abc.css"_s << u"/墨檐"_s << u"abc"_s;
    QTest::newRow("case-sensitive") << u"/Ann/css/item/1.css"_s << u"/ann"_s << u"<none>"_s;
    QTest::newRow("no marker") << u"<html></html>"_s << u"/ann"_s << u"<none>"_s;
    QTest::newRow("no .css after marker") << u".css /ann/css/item/1.html"_s << u"/ann"_s << u"<none>"_s;
    QTest::newRow(".css inside the name") << u"/a.css/css/item/7.css"_s << u"/a.css"_s << u"7"_s;
    QTest::newRow("empty id") << u"/ann/css/item/.css"_s << u"/ann"_s << QString();
}

void TestFetchText::sheetIdInPage()
{
    QFETCH(QString, page);
    QFETCH(QString, userPart);
    QFETCH(QString, id);
    const std::optional<QString> found = sheetId(page, userPart);
    QCOMPARE(found.value_or(u"<none>"_s), id);
}

void TestFetchText::sheetAddressJoinsParts()
{
    const QString address = kPrefix + u"/ann";
    QCOMPARE(userPart(address, kPrefix), u"/ann"_s);
    QCOMPARE(sheetMarker(u"/ann"), u"/ann/css/item/"_s);
    QCOMPARE(sheetAddress(kPrefix, u"/ann", u"x9"), u"http://s.moyan.test/ann/css/item/x9.css"_s);
    // The service reads addresses in GBK, as it reads search words.
    QCOMPARE(sheetAddress(kPrefix, u"/墨檐", u"x9"), u"http://s.moyan.test/%C4%AB%E9%DC/css/item/x9.css"_s);
    QCOMPARE(spacePageAddress(QString(kPrefix + u"/墨檐小站")), u"http://s.moyan.test/%C4%AB%E9%DC%D0%A1%D5%BE"_s);
}

void TestFetchText::splitting_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("lines");
    QTest::newRow("rule comment rule") << u"a{x:1}/*c*/b{y:2}"_s << u"a{x:1}\r\n\r\n/*c*/\r\nb{y:2}\r\n"_s;
    QTest::newRow("comment first") << u"/*top*/body{}"_s << u"\r\n/*top*/\r\nbody{}\r\n"_s;
    QTest::newRow("no rules") << u"plain"_s << u"plain"_s;
    QTest::newRow("order of replacements") << u"/**/}"_s << u"\r\n/**/\r\n}\r\n"_s;
}

void TestFetchText::splitting()
{
    QFETCH(QString, sheet);
    QFETCH(QString, lines);
    QCOMPARE(splitSheetLines(sheet), lines);
}

void TestFetchText::saveNames_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name"); // "<refused>" when nothing may be saved
    QTest::newRow("plain") << u"http://s.moyan.test/ann"_s << u"ann"_s;
    QTest::newRow("chinese") << u"http://s.moyan.test/墨檐"_s << u"墨檐"_s;
    QTest::newRow("twenty characters") << u"http://s.moyan.test/"_s << u"<refused>"_s;
    QTest::newRow("short") << u"abc"_s << u"<refused>"_s;
    QTest::newRow("dotted name") << u"http://s.moyan.test/a.b"_s << u"a.b"_s;
    QTest::newRow("parent") << u"http://s.moyan.test/../x"_s << u"<refused>"_s;
    QTest::newRow("separator") << u"http://s.moyan.test/a/b"_s << u"<refused>"_s;
    QTest::newRow("backslash") << u"http://s.moyan.test/a\\b"_s << u"<refused>"_s;
    QTest::newRow("control") << u"http://s.moyan.test/a\nb"_s << u"<refused>"_s;
    QTest::newRow("delete") << u"http://s.moyan.test/a\u007Fb"_s << u"<refused>"_s;
    QTest::newRow("delete at the end") << u"http://s.moyan.test/ab\u007F"_s << u"<refused>"_s;
    QTest::newRow("question mark") << u"http://s.moyan.test/a?b"_s << u"<refused>"_s;
    QTest::newRow("trailing dot") << u"http://s.moyan.test/ab."_s << u"<refused>"_s;
    QTest::newRow("device") << u"http://s.moyan.test/NUL.x"_s << u"<refused>"_s;
    QTest::newRow("numbered device") << u"http://s.moyan.test/com1"_s << u"<refused>"_s;
    QTest::newRow("not a device") << u"http://s.moyan.test/com10"_s << u"com10"_s;
}

void TestFetchText::saveNames()
{
    QFETCH(QString, address);
    QFETCH(QString, name);
    QCOMPARE(saveName(address, kPrefix).value_or(u"<refused>"_s), name);
}

void TestFetchText::pageDecoding_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("text");
    const QString chinese = u"墨檐空间"_s;
    QTest::newRow("gbk when unnamed") << encodeGbk(chinese) << QByteArray("text/html") << chinese;
    QTest::newRow("header names utf-8") << chinese.toUtf8() << QByteArray("text/html; charset=UTF-8") << chinese;
    QTest::newRow("meta names utf-8") << (QByteArray("<meta charset=\"utf-8\">") + chinese.toUtf8()) << QByteArray()
                                      << u"<meta charset=\"utf-8\">"_s + chinese;
    QTest::newRow("meta in single quotes") << (QByteArray("<meta charset='utf-8'>") + chinese.toUtf8()) << QByteArray()
                                           << u"<meta charset='utf-8'>"_s + chinese;
    // Only the head of a page is searched: its first 2,048 bytes.
    const QByteArray padding(1500, ' ');
    QTest::newRow("meta after byte 1,024") << (padding + "<meta charset=utf-8>" + chinese.toUtf8()) << QByteArray()
                                           << QString::fromLatin1(padding) + u"<meta charset=utf-8>" + chinese;
    const QByteArray toTheEdge(2048 - 19, ' '); // "charset=utf-8" ends at byte 2,047
    QTest::newRow("meta ending at byte 2,047")
        << (toTheEdge + "<meta charset=utf-8>" + chinese.toUtf8()) << QByteArray()
        << QString::fromLatin1(toTheEdge) + u"<meta charset=utf-8>" + chinese;
    const QByteArray pastTheEdge(2048, ' ');
    QTest::newRow("meta after byte 2,048 ignored")
        << (pastTheEdge + "<meta charset=utf-8>" + encodeGbk(chinese)) << QByteArray()
        << QString::fromLatin1(pastTheEdge) + u"<meta charset=utf-8>" + chinese;
    QTest::newRow("header gb2312") << encodeGbk(chinese) << QByteArray("text/html;charset=gb2312") << chinese;
    QTest::newRow("header Charset") << chinese.toUtf8() << QByteArray("text/html; Charset=utf-8") << chinese;
    QTest::newRow("header CHARSET") << chinese.toUtf8() << QByteArray("TEXT/HTML; CHARSET=UTF-8") << chinese;
    QTest::newRow("meta CHARSET") << (QByteArray("<META CHARSET=\"UTF-8\">") + chinese.toUtf8()) << QByteArray()
                                  << u"<META CHARSET=\"UTF-8\">"_s + chinese;
    QTest::newRow("header GB2312 in capitals")
        << encodeGbk(chinese) << QByteArray("text/html; Charset=GB2312") << chinese;
    QTest::newRow("unknown charset") << encodeGbk(chinese) << QByteArray("text/html; charset=nonsense") << chinese;
}

void TestFetchText::pageDecoding()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    QFETCH(QString, text);
    QCOMPARE(decodePage(body, contentType), text);
}

void TestFetchText::searchWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("ascii") << u"stylewright"_s << u"stylewright"_s;
    QTest::newRow("cursor word") << u"鼠标 ani "_s << u"%CA%F3%B1%EA+ani+"_s;
    QTest::newRow("reserved characters") << u"a&b=c+d#e/f"_s << u"a%26b%3Dc%2Bd%23e%2Ff"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestFetchText::searchWords()
{
    QFETCH(QString, word);
    QFETCH(QString, encoded);
    QCOMPARE(encodeSearchWord(word), encoded);
}

void TestFetchText::addresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("ascii stays") << u"http://s.moyan.test/ann?a=1&b=%41 c"_s
                                 << u"http://s.moyan.test/ann?a=1&b=%41 c"_s;
    QTest::newRow("chinese name") << u"http://s.moyan.test/空间"_s << u"http://s.moyan.test/%BF%D5%BC%E4"_s;
    QTest::newRow("mixed") << u"/a墨b檐"_s << u"/a%C4%ABb%E9%DC"_s;
    QTest::newRow("beyond GBK") << u"/x😀"_s << u"/x%94%39%FC%36"_s; // every one of its GB18030 bytes
    QTest::newRow("empty") << QString() << QString();
}

void TestFetchText::addresses()
{
    QFETCH(QString, address);
    QFETCH(QString, encoded);
    QCOMPARE(encodeAddressGbk(address), encoded);
}

void TestFetchText::savedFileBytes()
{
    QTemporaryDir dir;
    QVERIFY(saveSheet(dir.path(), u"墨檐"_s, u"a{}\r\n/*注*/"));
    QFile file(dir.filePath(u"csscode/墨檐.txt"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), encodeGbk(u"a{}\r\n/*注*/\r\n"));
}

QTEST_GUILESS_MAIN(TestFetchText)
#include "test_fetch_text.moc"
