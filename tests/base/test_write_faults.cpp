// A full disk and a read-only folder, acted out so that any user can run these: whatever fails,
// the earlier file stays byte for byte and nothing half-written is left beside it.

#include "base/atomic_file.h"
#include "generators/code_file.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "service/sheet_file.h"
#include "base/text_encoding.h"
#include "support/helpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kDiskFull = u"No space left on device"_s;
const QString kReadOnly = u"Permission denied"_s;

// Everything in a folder, hidden files included.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The columns every table shares: how much room the disk has, and whether the folder is read-only.
void addFaultColumns()
{
    QTest::addColumn<qint64>("room");   // bytes the disk takes; -1: no limit
    QTest::addColumn<bool>("relative"); // room counts from the size of the whole write
    QTest::addColumn<bool>("readOnly");
}

WriteFaults faultsFor(qint64 wholeWrite)
{
    QFETCH(qint64, room);
    QFETCH(bool, relative);
    QFETCH(bool, readOnly);
    return WriteFaults{relative ? wholeWrite + room : room, readOnly};
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void settingsSave_data();
    void settingsSave();
    void codeFileAppend_data();
    void codeFileAppend();
    void sheetSave_data();
    void sheetSave();

private:
    std::optional<QTemporaryDir> m_dir;
};

void TestWriteFaults::settingsSave_data()
{
    QTest::addColumn<bool>("earlierSave");
    addFaultColumns();
    QTest::addColumn<bool>("saves");
    QTest::newRow("disk full at once") << true << 0LL << false << false << false;
    QTest::newRow("disk full part-way") << true << 1000LL << false << false << false;
    QTest::newRow("disk full at the last byte") << true << -1LL << true << false << false;
    QTest::newRow("read-only folder") << true << -1LL << false << true << false;
    QTest::newRow("new file, disk full part-way") << false << 1000LL << false << false << false;
    QTest::newRow("new file, read-only folder") << false << -1LL << false << true << false;
    QTest::newRow("the disk takes exactly the file") << true << 0LL << true << false << true;
}

void TestWriteFaults::settingsSave()
{
    QFETCH(bool, earlierSave);
    QFETCH(bool, saves);
    const QString ini = settingsPath(m_dir->path());
    if (earlierSave)
        QVERIFY(saveSettings(ini, OptionSet()));
    const QByteArray previous = readFile(ini);
    OptionSet changed;
    changed.setValue(Option::PagePicture, QString(3000, u'墨'));
    // What a save without faults writes over the same earlier file.
    QTemporaryDir scratch;
    const QString whole = settingsPath(scratch.path());
    if (earlierSave)
        writeBytes(whole, previous);
    QVERIFY(saveSettings(whole, changed));
    const QByteArray wanted = readFile(whole);

    const Result<void> saved = writeSettings(ini, changed, faultsFor(wanted.size()));
    QCOMPARE(saved.ok(), saves);
    if (saves) {
        QCOMPARE(readFile(ini), wanted);
        QCOMPARE(entries(m_dir->path()), QStringList{u"setup.ini"_s});
        return;
    }
    QCOMPARE(saved.failure().message, u"保存出错！！"_s);
    QCOMPARE(readFile(ini), previous);
    QCOMPARE(entries(m_dir->path()), earlierSave ? QStringList{u"setup.ini"_s} : QStringList());
}

void TestWriteFaults::codeFileAppend_data()
{
    QTest::addColumn<bool>("existing");
    addFaultColumns();
    QTest::addColumn<QString>("reason"); // empty: the block is appended
    QTest::newRow("disk full at once") << true << 0LL << false << false << kDiskFull;
    QTest::newRow("disk full part-way") << true << 5LL << false << false << kDiskFull;
    QTest::newRow("disk full at the last byte") << true << -1LL << true << false << kDiskFull;
    QTest::newRow("new file, disk full part-way") << false << 5LL << false << false << kDiskFull;
    QTest::newRow("new file, read-only folder") << false << -1LL << false << true << kReadOnly;
    // As on a real disk: a read-only folder refuses new files, not the growth of one already there.
    QTest::newRow("read-only folder, file grows") << true << -1LL << false << true << QString();
    QTest::newRow("the disk takes exactly the block") << true << 0LL << true << false << QString();
}

void TestWriteFaults::codeFileAppend()
{
    QFETCH(bool, existing);
    QFETCH(QString, reason);
    const QString path = codeFilePath(m_dir->path());
    const QByteArray earlier = encodeBlock({QString(), u"/*空间背景*/"_s});
    if (existing)
        writeBytes(path, earlier);
    const QStringList block{QString(), u"/*模块区域*/"_s, u"#m_blog{color:#333333}"_s};

    const Result<void> appended = appendBlock(path, block, faultsFor(encodeBlock(block).size()));
    if (reason.isEmpty()) {
        QVERIFY(appended);
        QCOMPARE(readFile(path), earlier + encodeBlock(block));
        return;
    }
    QVERIFY(!appended);
    QCOMPARE(appended.failure().message, u"无法写入CSS代码文件“%1”（%2），请检查程序所在的文件夹是否可以写入。"_s.arg(
                                             QDir::toNativeSeparators(path), reason));
    QCOMPARE(QFile::exists(path), existing);
    QCOMPARE(readFile(path), existing ? earlier : QByteArray());
    QCOMPARE(entries(m_dir->path()), existing ? QStringList{u"墨檐CSS代码.txt"_s} : QStringList());
}

void TestWriteFaults::sheetSave_data()
{
    QTest::addColumn<bool>("existing");
    addFaultColumns();
    QTest::newRow("disk full at once") << true << 0LL << false << false;
    QTest::newRow("disk full part-way") << true << 7LL << false << false;
    QTest::newRow("disk full at the last byte") << true << -1LL << true << false;
    QTest::newRow("read-only folder") << true << -1LL << false << true;
    QTest::newRow("new sheet, disk full part-way") << false << 7LL << false << false;
    QTest::newRow("read-only folder, no sheet folder yet") << false << -1LL << false << true;
}

void TestWriteFaults::sheetSave()
{
    QFETCH(bool, existing);
    QFETCH(bool, readOnly);
    const QString program = m_dir->path();
    const QByteArray earlier = encodeGbk(u"a{color:red}\r\n/*旧*/\r\n");
    if (existing) {
        QVERIFY(QDir(program).mkdir(u"csscode"_s));
        writeBytes(sheetFilePath(program, u"墨檐"_s), earlier);
    }
    const QString text = u"b{margin:0}\r\n/*新的样式表*/"_s;

    const Result<void> saved = saveSheet(program, u"墨檐"_s, text, faultsFor(encodeGbk(text).size() + 2));
    QVERIFY(!saved);
    QCOMPARE(readFile(sheetFilePath(program, u"墨檐"_s)), existing ? earlier : QByteArray());
    QCOMPARE(entries(program + u"/csscode"), existing ? QStringList{u"墨檐.txt"_s} : QStringList());
    QCOMPARE(QFileInfo(program + u"/csscode").isDir(), existing || !readOnly);
}

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "test_write_faults.moc"
