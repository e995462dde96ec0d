// The recovery file: exactly the record it was written from, readable as a settings file, and
// refused whole (never read in part) when cut short, damaged or written by a newer version.

#include "options/catalogue.h"
#include "options/option_set.h"
#include "options/recovery_file.h"
#include "options/settings_file.h"
#include "support/helpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every box ticked and long texts everywhere else.
OptionSet worstCase()
{
    OptionSet o;
    for (const OptionDef &def : options())
        o.setValue(def.option, def.kind == OptionKind::Check ? u"1"_s : QString(1000, u'字'));
    return o;
}

// Values a settings line changes or cuts: line breaks, blanks and quotes at the ends, "%", the
// greyed state, characters outside GBK, and texts longer than a settings value may be.
OptionSet awkward()
{
    OptionSet o = optionsWith({{u"chcbg"_s, u"2"_s},
                               {u"txtbgp"_s, u"line one\r\nline two\nthree\r"_s},
                               {u"txtbgc"_s, u"  blanks both ends\t"_s},
                               {u"txtkd"_s, u"\"quoted\""_s},
                               {u"txtregh"_s, u"'single'"_s},
                               {u"txtsttop"_s, u"100%25%"_s},
                               {u"cmblan"_s, u"分两栏 😀 ∮"_s},
                               {u"txtdhunz"_s, QString(600, u'宽') + u"end"_s},
                               {u"txtstleft"_s, QString()}});
    o.setEnabled(Option::HeaderHeight, false); // flags the rules would not give come back too
    o.setEnabled(Option::PagePicture, false);
    return o;
}

// CRC-32 a bit at a time, the plainest way there is.
quint32 referenceCrc32(QByteArrayView bytes)
{
    quint32 c = 0xFFFFFFFFu;
    for (char b : bytes) {
        c ^= quint8(b);
        for (int k = 0; k < 8; ++k)
            c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return ~c;
}

void compareRecords(const OptionSet &actual, const OptionSet &expected)
{
    for (const OptionDef &def : options()) {
        QVERIFY2(actual.value(def.option) == expected.value(def.option), qPrintable(def.id.toString()));
        QVERIFY2(actual.isEnabled(def.option) == expected.isEnabled(def.option), qPrintable(def.id.toString()));
    }
}

} // namespace

class TestRecoveryFile : public QObject {
    Q_OBJECT
private slots:
    void readsBackExactlyWhatWasWritten_data();
    void readsBackExactlyWhatWasWritten();
    void theSettingsReaderReadsItAsASettingsFile();
    void aCutOrChangedFileIsRefusedWhole();
    void itEndsWithTheStandardCrc32OfAllBeforeIt();
    void aNewerFormatIsToldApart();
    void aFailedWriteLeavesThePreviousFileWhole();
};

void TestRecoveryFile::readsBackExactlyWhatWasWritten_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("defaults") << 0;
    QTest::newRow("worst case") << 1;
    QTest::newRow("awkward values and flags") << 2;
}

void TestRecoveryFile::readsBackExactlyWhatWasWritten()
{
    QFETCH(int, which);
    const OptionSet written = which == 0 ? OptionSet() : which == 1 ? worstCase() : awkward();
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    QVERIFY(writeRecovery(path, written).ok());
    const Result<OptionSet> read = readRecovery(path);
    QVERIFY2(read.ok(), read.ok() ? "" : qPrintable(read.failure().reason));
    compareRecords(*read, written);
}

void TestRecoveryFile::theSettingsReaderReadsItAsASettingsFile()
{
    const OptionSet edited =
        optionsWith({{u"chcbg"_s, u"1"_s}, {u"txtbgp"_s, u"http://a/b.gif"_s}, {u"cmblan"_s, u"分三栏"_s}});
    QTemporaryDir dir;
    QVERIFY(writeRecovery(recoveryPath(dir.path()), edited).ok());
    QVERIFY(writeSettings(settingsPath(dir.path()), edited).ok());
    OptionSet fromRecovery, fromSettings;
    QVERIFY(readSettings(recoveryPath(dir.path()), fromRecovery).ok());
    QVERIFY(readSettings(settingsPath(dir.path()), fromSettings).ok());
    compareRecords(fromRecovery, fromSettings);
    // Its settings part is byte for byte what a save into an empty folder writes.
    const QByteArray recovery = readFile(recoveryPath(dir.path()));
    QVERIFY(recovery.startsWith(QByteArray(readFile(settingsPath(dir.path())) + "\r\n[autosave]\r\n")));
}

void TestRecoveryFile::aCutOrChangedFileIsRefusedWhole()
{
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    const QByteArray whole = recoveryBytes(awkward());
    // Cut short: at every length within the closing section, and all through the settings part.
    const qsizetype closing = whole.indexOf("[autosave]");
    for (qsizetype length = 0; length < whole.size(); length += length < closing ? 41 : 1) {
        writeBytes(path, whole.first(length));
        const Result<OptionSet> read = readRecovery(path);
        QVERIFY2(!read.ok(), qPrintable(QString::number(length)));
        QCOMPARE(read.failure().message, kRecoveryDamagedMessage);
    }
    // One byte changed anywhere, including inside the closing section.
    for (qsizetype at = 0; at < whole.size(); at += 97) {
        QByteArray changed = whole;
        changed[at] = char(changed[at] ^ 0x04);
        writeBytes(path, changed);
        QVERIFY2(!readRecovery(path).ok(), qPrintable(QString::number(at)));
    }
    // Something added after the end.
    writeBytes(path, whole + "x=1\r\n");
    QVERIFY(!readRecovery(path).ok());
    writeBytes(path, whole);
    QVERIFY(readRecovery(path).ok());
    QCOMPARE(readRecovery(dir.filePath(u"missing.ini"_s)).failure().message, kRecoveryDamagedMessage);
}

void TestRecoveryFile::itEndsWithTheStandardCrc32OfAllBeforeIt()
{
    QCOMPARE(referenceCrc32("123456789"), 0xCBF43926u);
    for (const OptionSet &record : {OptionSet(), awkward(), worstCase()}) {
        const QByteArray bytes = recoveryBytes(record);
        const qsizetype last = bytes.lastIndexOf("check=");
        const QByteArray expected = QByteArray::number(referenceCrc32(bytes.first(last)), 16).rightJustified(8, '0');
        QCOMPARE(bytes.sliced(last), "check=" + expected + "\r\n");
    }
}

void TestRecoveryFile::aNewerFormatIsToldApart()
{
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    QByteArray newer = recoveryBytes(OptionSet());
    newer.replace("\r\nformat=1\r\n", "\r\nformat=2\r\n"); // its checksum no longer matches either
    writeBytes(path, newer);
    QCOMPARE(readRecovery(path).failure().message, kRecoveryNewerMessage);

    QByteArray unnumbered = recoveryBytes(OptionSet());
    unnumbered.replace("\r\nformat=1\r\n", "\r\nformat=one\r\n");
    writeBytes(path, unnumbered);
    QCOMPARE(readRecovery(path).failure().message, kRecoveryDamagedMessage);
}

void TestRecoveryFile::aFailedWriteLeavesThePreviousFileWhole()
{
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    const OptionSet first = optionsWith({{u"txtregh"_s, u"111"_s}});
    QVERIFY(writeRecovery(path, first).ok());
    const QByteArray before = readFile(path);
    for (const WriteFaults &faults : {WriteFaults{100, false}, WriteFaults{-1, true}}) {
        const Result<void> written = writeRecovery(path, worstCase(), faults);
        QVERIFY(!written.ok());
        QVERIFY(!written.failure().message.isEmpty());
        QCOMPARE(readFile(path), before);
    }
    compareRecords(*readRecovery(path), first);
}

QTEST_GUILESS_MAIN(TestRecoveryFile)
#include "test_recovery_file.moc"
