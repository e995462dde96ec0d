#include "options/ini_document.h"
#include "base/text_encoding.h"

#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

class TestIniDocument : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void valuesAreReadWhole();
    void writingKeepsEverythingElse();
    void missingKeyGoesToTheEndOfItsSection();
    void missingSectionGoesToTheEnd_data();
    void missingSectionGoesToTheEnd();
    void oddLineEndsSurvive();
    void gbkTrailByteInSectionName();
    void lineBreaksInValuesCannotForgeKeys();
    void charactersBeyondGbkRoundTrip();
};

void TestIniDocument::reading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << QByteArray("[A]\r\nk=v\r\n") << u"A"_s << u"k"_s << u"v"_s;
    QTest::newRow("ascii case ignored") << QByteArray("[Main]\r\nKey=v\r\n") << u"mAIN"_s << u"kEY"_s << u"v"_s;
    QTest::newRow("after first equals") << QByteArray("[A]\r\nk=a=b\r\n") << u"A"_s << u"k"_s << u"a=b"_s;
    QTest::newRow("blanks trimmed") << QByteArray("[A]\r\n k \t= \t v w \t\r\n") << u"A"_s << u"k"_s << u"v w"_s;
    QTest::newRow("double quotes") << QByteArray("[A]\r\nk= \"v \" \r\n") << u"A"_s << u"k"_s << u"v "_s;
    QTest::newRow("single quotes") << QByteArray("[A]\r\nk='v'\r\n") << u"A"_s << u"k"_s << u"v"_s;
    QTest::newRow("only one pair") << QByteArray("[A]\r\nk=\"\"v\"\"\r\n") << u"A"_s << u"k"_s << u"\"v\""_s;
    QTest::newRow("unmatched quotes kept") << QByteArray("[A]\r\nk=\"v'\r\n") << u"A"_s << u"k"_s << u"\"v'"_s;
    QTest::newRow("lone quote kept") << QByteArray("[A]\r\nk=\"\r\n") << u"A"_s << u"k"_s << u"\""_s;
    QTest::newRow("missing key") << QByteArray("[A]\r\nk=v\r\n") << u"A"_s << u"x"_s << QString();
    QTest::newRow("missing section") << QByteArray("[A]\r\nk=v\r\n") << u"B"_s << u"k"_s << QString();
    QTest::newRow("key of another section") << QByteArray("[A]\r\nk=v\r\n[B]\r\n") << u"B"_s << u"k"_s << QString();
    QTest::newRow("line without equals") << QByteArray("[A]\r\nk\r\nk=v\r\n") << u"A"_s << u"k"_s << u"v"_s;
    QTest::newRow("comment ignored") << QByteArray("[A]\r\n;k=x\r\nk=v\r\n") << u"A"_s << u"k"_s << u"v"_s;
    // A lone CR ends a line by itself, and the next line starts right after it.
    QTest::newRow("lone CR line ends") << QByteArray("[A]\rk=v\rj=w\r") << u"A"_s << u"j"_s << u"w"_s;
    QTest::newRow("lone CR, then a key") << QByteArray("[A]\rk=v") << u"A"_s << u"k"_s << u"v"_s;
    QTest::newRow("LF CR is two line ends") << QByteArray("[A]\n\rk=v") << u"A"_s << u"k"_s << u"v"_s;
    QTest::newRow("first of two") << QByteArray("[A]\r\nk=1\r\nk=2\r\n") << u"A"_s << u"k"_s << u"1"_s;
    QTest::newRow("chinese gbk") << encodeGbk(u"[宠物设置]\r\n宠物大小=默认大小\r\n") << u"宠物设置"_s << u"宠物大小"_s
                                 << u"默认大小"_s;
    static const char binary[] = "\0\xff\xfe[A]\x01\r\n\x80=\x81\r\n";
    QTest::newRow("binary") << QByteArray(binary, sizeof binary - 1) << u"A"_s << u"k"_s << QString();
    QTest::newRow("empty file") << QByteArray() << u"A"_s << u"k"_s << QString();
}

void TestIniDocument::reading()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(IniDocument(file).value(section, key), value);
}

void TestIniDocument::valuesAreReadWhole()
{
    const IniDocument ascii("[A]\r\nk=" + QByteArray(100000, 'x') + "\r\n");
    QCOMPARE(ascii.value(u"A", u"k"), QString(100000, u'x'));
    const IniDocument chinese(encodeGbk(u"[A]\r\nk=" + QString(1000, u'字') + u"\r\n"));
    QCOMPARE(chinese.value(u"A", u"k"), QString(1000, u'字'));
}

void TestIniDocument::writingKeepsEverythingElse()
{
    const QByteArray before = "; my notes\r\n[A]\r\nx = keep \r\nk=old\r\n\r\n[Other]\r\nz=1\r\n";
    IniDocument doc(before);
    doc.setValue(u"a", u"K", u"new");
    QCOMPARE(doc.toBytes(), QByteArray("; my notes\r\n[A]\r\nx = keep \r\nk=new\r\n\r\n[Other]\r\nz=1\r\n"));
}

void TestIniDocument::missingKeyGoesToTheEndOfItsSection()
{
    IniDocument doc(QByteArray("[A]\r\nk=1\r\n\r\n[B]\r\nz=1"));
    doc.setValue(u"A", u"n", u"2");
    doc.setValue(u"B", u"y", u"3");
    QCOMPARE(doc.toBytes(), QByteArray("[A]\r\nk=1\r\nn=2\r\n\r\n[B]\r\nz=1\r\ny=3\r\n"));
}

void TestIniDocument::missingSectionGoesToTheEnd_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty file") << QByteArray() << QByteArray("[B]\r\nk=1\r\n");
    QTest::newRow("last line ended") << QByteArray("[A]\r\nz=1\r\n") << QByteArray("[A]\r\nz=1\r\n\r\n[B]\r\nk=1\r\n");
    // The unended last line gets its line end, and the new section still its blank separator.
    QTest::newRow("last line unended") << QByteArray("[A]\r\nz=1") << QByteArray("[A]\r\nz=1\r\n\r\n[B]\r\nk=1\r\n");
    QTest::newRow("last line ended by LF") << QByteArray("[A]\nz=1\n") << QByteArray("[A]\nz=1\n\r\n[B]\r\nk=1\r\n");
    QTest::newRow("blank line already there")
        << QByteArray("[A]\r\nz=1\r\n\r\n") << QByteArray("[A]\r\nz=1\r\n\r\n[B]\r\nk=1\r\n");
    QTest::newRow("unended blanks at the end")
        << QByteArray("[A]\r\nz=1\r\n \t") << QByteArray("[A]\r\nz=1\r\n \t\r\n[B]\r\nk=1\r\n");
}

void TestIniDocument::missingSectionGoesToTheEnd()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    IniDocument doc(before);
    doc.setValue(u"B", u"k", u"1");
    QCOMPARE(doc.toBytes(), after);
    // A second new section is separated the same way.
    doc.setValue(u"C", u"k", u"");
    QCOMPARE(doc.toBytes(), after + "\r\n[C]\r\nk=\r\n");
}

void TestIniDocument::oddLineEndsSurvive()
{
    const QByteArray lf = "[A]\nk=1\n# other\rtail";
    IniDocument doc(lf);
    QCOMPARE(doc.toBytes(), lf);
    doc.setValue(u"A", u"k", u"2");
    QCOMPARE(doc.toBytes(), QByteArray("[A]\nk=2\n# other\rtail"));
}

void TestIniDocument::gbkTrailByteInSectionName()
{
    // "乚" is 0x81 0x5D in GBK: its second byte is "]".
    IniDocument doc;
    doc.setValue(u"乚A", u"k", u"1");
    QCOMPARE(IniDocument(doc.toBytes()).value(u"乚A", u"k"), u"1"_s);
}

void TestIniDocument::lineBreaksInValuesCannotForgeKeys()
{
    IniDocument doc;
    doc.setValue(u"A", u"k", u"x\r\nevil=1");
    const IniDocument back(doc.toBytes());
    QCOMPARE(back.value(u"A", u"evil"), QString());
    QCOMPARE(back.value(u"A", u"k"), u"x  evil=1"_s);
}

void TestIniDocument::charactersBeyondGbkRoundTrip()
{
    IniDocument doc;
    doc.setValue(u"A", u"k", u"😀€墨");
    QCOMPARE(IniDocument(doc.toBytes()).value(u"A", u"k"), u"😀€墨"_s);
}

QTEST_GUILESS_MAIN(TestIniDocument)
#include "test_ini_document.moc"
