// The recovery file: exactly the record it was written from, readable as a settings file, and
// refused whole (never read in part) when cut short, damaged, not a file, or of another version.

#include "options/catalogue.h"
#include "options/option_set.h"
#include "options/recovery_file.h"
#include "options/settings_file.h"
#include "support/helpers.h"
#include "support/pipe_in_place.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(stylewright::FileError)

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
    OptionSet o = optionsWith({{Option::PagePictureOn, u"2"_s},
                               {Option::PagePicture, u"line one\r\nline two\nthree\r"_s},
                               {Option::PageBackgroundColour, u"  blanks both ends\t"_s},
                               {Option::BodyWidth, u"\"quoted\""_s},
                               {Option::HeaderHeight, u"'single'"_s},
                               {Option::MainScrollTop, u"100%25%"_s},
                               {Option::ColumnLayout, u"分两栏 😀 ∮"_s},
                               {Option::NavigationFontSize, QString(600, u'宽') + u"end"_s},
                               {Option::MainScrollLeft, QString()},
                               {Option::PagePicturePosition, u"bottom center "_s}, // a blank or a quote at one end only
                               {Option::MainPicture, u"say \"hi\""_s},
                               {Option::HeaderColour, u"'open"_s},
                               {Option::NameTop, u"100%"_s},
                               {Option::NameFontSize, u"100% "_s}, // "%" where the value has its exact line too
                               {Option::NameColour, u"%41%2 "_s}});
    o.setEnabled(Option::HeaderHeight, false); // flags the rules would not give come back too
    o.setEnabled(Option::PagePicture, false);
    return o;
}

// CRC-32 a bit at a time, the plainest way there is: the checksum of the first format.
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
    void itEndsWithTheSha256OfAllBeforeIt();
    void anotherFormatIsToldApart_data();
    void anotherFormatIsToldApart();
    void onlyARegularFileUnderTheCapIsRead_data();
    void onlyARegularFileUnderTheCapIsRead();
    void everyDamagedFileIsKeptAside();
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
    const OptionSet edited = optionsWith({{Option::PagePictureOn, u"1"_s},
                                          {Option::PagePicture, u"http://a/b.gif"_s},
                                          {Option::ColumnLayout, u"分三栏"_s}});
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

void TestRecoveryFile::itEndsWithTheSha256OfAllBeforeIt()
{
    for (const OptionSet &record : {OptionSet(), awkward(), worstCase()}) {
        const QByteArray bytes = recoveryBytes(record);
        const qsizetype last = bytes.lastIndexOf("sha256=");
        const QByteArray sum = QCryptographicHash::hash(bytes.first(last), QCryptographicHash::Sha256).toHex();
        QCOMPARE(bytes.sliced(last), "sha256=" + sum + "\r\n");
    }
}

void TestRecoveryFile::anotherFormatIsToldApart_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray current = "\r\nformat=" + QByteArray::number(kRecoveryFormat) + "\r\n";
    // The first format as its program wrote it: the same lines, and a CRC-32 to close them.
    QCOMPARE(referenceCrc32("123456789"), 0xCBF43926u);
    QByteArray first = recoveryBytes(awkward()).replace(current, "\r\nformat=1\r\n");
    first.truncate(first.lastIndexOf("sha256="));
    first += "check=" + QByteArray::number(referenceCrc32(first), 16).rightJustified(8, '0') + "\r\n";
    QTest::newRow("older") << first << kRecoveryOlderMessage;
    // A newer one's checksum may be another; its format line is all that is read.
    QTest::newRow("newer") << recoveryBytes(OptionSet()).replace(current, "\r\nformat=3\r\n") << kRecoveryNewerMessage;
    QTest::newRow("not a number") << recoveryBytes(OptionSet()).replace(current, "\r\nformat=one\r\n")
                                  << kRecoveryDamagedMessage;
    QTest::newRow("none") << recoveryBytes(OptionSet()).replace(current, "\r\n") << kRecoveryDamagedMessage;
}

void TestRecoveryFile::anotherFormatIsToldApart()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    writeBytes(path, bytes);
    const Result<OptionSet> read = readRecovery(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.failure().message, message);
}

void TestRecoveryFile::onlyARegularFileUnderTheCapIsRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<FileError>("error");
    QTest::newRow("a pipe") << u"pipe"_s << FileError::NotRegularFile;
    QTest::newRow("a link to a device that never ends") << u"zero"_s << FileError::NotRegularFile;
    QTest::newRow("a folder") << u"folder"_s << FileError::NotRegularFile;
    QTest::newRow("line feeds past the cap") << u"huge"_s << FileError::TooLarge;
}

// Refused at once, never opened: a pipe would wait for a writer, a device fill the memory.
void TestRecoveryFile::onlyARegularFileUnderTheCapIsRead()
{
    QFETCH(QString, kind);
    QFETCH(FileError, error);
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    std::unique_ptr<PipeInPlace> pipe;
    if (kind == u"pipe") {
        pipe = std::make_unique<PipeInPlace>(path);
        QVERIFY(pipe->made());
    } else if (kind == u"zero") {
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else {
        writeBytes(path, QByteArray(kMaxRecoveryBytes + 1, '\n'));
    }
    const Result<OptionSet> read = readRecovery(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.failure().message, kRecoveryDamagedMessage);
    QCOMPARE(read.failure().file, error);
}

// One file kept aside does not stop the next: each gets a name of its own, and none is lost.
void TestRecoveryFile::everyDamagedFileIsKeptAside()
{
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    for (const QByteArray &bytes : {QByteArray("first"), QByteArray("second"), QByteArray("third")}) {
        writeBytes(path, bytes);
        QVERIFY(!readRecovery(path).ok());
        const Result<QString> aside = keepRecoveryAside(path);
        QVERIFY2(aside.ok(), aside.ok() ? "" : qPrintable(aside.failure().reason));
        QCOMPARE(readFile(*aside), bytes);
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(readFile(path + u".bad"_s), QByteArray("first"));
    QCOMPARE(readFile(path + u".bad2"_s), QByteArray("second"));
    QCOMPARE(readFile(path + u".bad3"_s), QByteArray("third"));
}

void TestRecoveryFile::aFailedWriteLeavesThePreviousFileWhole()
{
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    const OptionSet first = optionsWith({{Option::HeaderHeight, u"111"_s}});
    QVERIFY(writeRecovery(path, first).ok());
    const QByteArray before = readFile(path);
    for (const WriteFaults &faults : {WriteFaults{100, false}, WriteFaults{-1, true}}) {
        const Result<void> written = writeRecovery(path, worstCase(), faults);
        QVERIFY(!written.ok());
        QVERIFY(!written.failure().message.isEmpty());
        QCOMPARE(readFile(path), before);
    }
    // A record too large for the reader is not written, rather than written to be thrown away.
    OptionSet enormous;
    for (const OptionDef &def : options()) {
        if (def.kind != OptionKind::Check)
            enormous.setValue(def.option, QString(kMaxTextLength, u'墨'));
    }
    QVERIFY(!writeRecovery(path, enormous).ok());
    QCOMPARE(readFile(path), before);
    compareRecords(*readRecovery(path), first);
}

QTEST_GUILESS_MAIN(TestRecoveryFile)
#include "test_recovery_file.moc"
