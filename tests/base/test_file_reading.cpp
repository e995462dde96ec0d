// The capped reader every file of the programs goes through: only a regular file is read, a pipe
// or a device is refused without waiting, and the cap holds whatever size the file reports.

#include "base/file_reading.h"
#include "support/pipe_in_place.h"

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

constexpr qint64 kCap = 100;

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestFileReading : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();

private:
    QString at(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<PipeInPlace> m_pipe;
};

void TestFileReading::initTestCase()
{
    QVERIFY(m_dir.isValid());
    writeBytes(at(u"empty"_s), {});
    writeBytes(at(u"full"_s), QByteArray(kCap, 'x'));
    writeBytes(at(u"over"_s), QByteArray(kCap + 1, 'x'));
    QVERIFY(QFile::link(u"full"_s, at(u"link"_s)));
    QVERIFY(QFile::link(u"nothing"_s, at(u"dangling"_s)));
    QVERIFY(QFile::link(u"/dev/zero"_s, at(u"zero"_s)));
    QVERIFY(QDir(m_dir.path()).mkdir(u"folder"_s));
    m_pipe = std::make_unique<PipeInPlace>(at(u"pipe"_s));
    QVERIFY(m_pipe->made());
}

void TestFileReading::reads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<QByteArray>("expected"); // empty: compared with the file as QFile reads it
    QTest::newRow("empty") << at(u"empty"_s) << kCap << QByteArray();
    QTest::newRow("exactly the cap") << at(u"full"_s) << kCap << QByteArray(kCap, 'x');
    QTest::newRow("a link to a file") << at(u"link"_s) << kCap << QByteArray(kCap, 'x');
    // A file of the system that reports a size of 0 and yet holds text.
    QTest::newRow("reported empty, is not") << u"/proc/self/stat"_s << qint64(1024 * 1024) << QByteArray();
}

void TestFileReading::reads()
{
    QFETCH(QString, path);
    QFETCH(qint64, cap);
    QFETCH(QByteArray, expected);
    const Result<QByteArray> read = readFileCapped(path, cap);
    QVERIFY2(read.ok(), read.ok() ? "" : qPrintable(read.failure().reason));
    if (path.startsWith(u"/proc/"))
        QVERIFY(read->startsWith(QByteArray(QByteArray::number(QCoreApplication::applicationPid()) + ' ')));
    else
        QCOMPARE(*read, expected);
}

void TestFileReading::refuses_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<FileError>("error");
    QTest::newRow("missing") << at(u"missing"_s) << kCap << FileError::Missing;
    QTest::newRow("under a file") << at(u"full/inside"_s) << kCap << FileError::Missing;
    QTest::newRow("a link to nothing") << at(u"dangling"_s) << kCap << FileError::Missing;
    QTest::newRow("a folder") << at(u"folder"_s) << kCap << FileError::NotRegularFile;
    QTest::newRow("a pipe") << at(u"pipe"_s) << kCap << FileError::NotRegularFile;
    QTest::newRow("a device") << u"/dev/zero"_s << kCap << FileError::NotRegularFile;
    QTest::newRow("a link to a device") << at(u"zero"_s) << kCap << FileError::NotRegularFile;
    QTest::newRow("one byte over") << at(u"over"_s) << kCap << FileError::TooLarge;
    QTest::newRow("over, reported empty") << u"/proc/self/maps"_s << kCap << FileError::TooLarge;
}

void TestFileReading::refuses()
{
    QFETCH(QString, path);
    QFETCH(qint64, cap);
    QFETCH(FileError, error);
    const Result<QByteArray> read = readFileCapped(path, cap);
    QVERIFY(!read.ok());
    QCOMPARE(read.failure().file, error);
    QVERIFY2(read.failure().reason.contains(path), qPrintable(read.failure().reason));
}

QTEST_GUILESS_MAIN(TestFileReading)
#include "test_file_reading.moc"
