// Faults a user meets while saving: a real full disk (root only; tests/base acts it out for
// everyone), and two copies of the program saving settings at the same moment.

#include "options/option_set.h"
#include "editor/editor_actions.h"
#include "options/settings_file.h"
#include "generators/code_file.h"
#include "support/fakes.h"
#include "support/helpers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

// A tiny tmpfs with every block taken, for the lifetime of the object (root only).
class FullDisk {
public:
    FullDisk()
    {
        if (geteuid() != 0 || !m_mountPoint.isValid())
            return;
        m_mounted = QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s,
                                                   m_mountPoint.path()}) == 0;
    }
    ~FullDisk()
    {
        if (m_mounted)
            QProcess::execute(u"umount"_s, {m_mountPoint.path()});
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString folder() const { return m_mountPoint.path(); }
    void fill() const
    {
        QFile filler(folder() + u"/filler"_s);
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray chunk(4096, 'x');
        while (filler.write(chunk) == chunk.size() && filler.flush()) {
        }
    }

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
};

QString saver()
{
    return QCoreApplication::applicationDirPath() + u"/settings_saver"_s;
}

// The bytes one saver variant leaves in a fresh file.
QByteArray imageOf(const QString &folder, const QString &variant)
{
    const QString ini = folder + u"/image-" + variant + u".ini";
    if (QProcess::execute(saver(), {ini, variant, u"1"_s}) != 0)
        return {};
    return readFile(ini);
}

} // namespace

class TestSettingsFaults : public QObject {
    Q_OBJECT
private slots:
    void fullDiskKeepsThePreviousFile();
    void fullDiskCutsTheAppendOff();
    void twoProgramsSavingAtOnce();
};

void TestSettingsFaults::fullDiskKeepsThePreviousFile()
{
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    const FullDisk disk;
    if (!disk.isMounted())
        QSKIP("this machine cannot mount a tmpfs");

    const QString folder = disk.folder();
    QVERIFY(saveSettings(settingsPath(folder), OptionSet()));
    const QByteArray previous = readFile(settingsPath(folder));
    disk.fill();
    OptionSet changed;
    changed.setValue(Option::PagePicture, QString(3000, u'墨'));
    FakePrompts prompts;
    saveSettingsAction(folder, changed, prompts);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].text, u"保存出错！！"_s);
    QCOMPARE(readFile(settingsPath(folder)), previous);
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, (QStringList{u"filler"_s, u"setup.ini"_s})); // no half-written temporary file
}

void TestSettingsFaults::fullDiskCutsTheAppendOff()
{
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    const FullDisk disk;
    if (!disk.isMounted())
        QSKIP("this machine cannot mount a tmpfs");

    const QString path = codeFilePath(disk.folder());
    QVERIFY(appendBlock(path, {u"/*前*/"_s}));
    const QByteArray before = readFile(path);
    disk.fill();
    // Fills the rest of the file's last block and then finds no new one.
    const Result<void> appended = appendBlock(path, {QString(6000, u'墨')});
    QVERIFY(!appended);
    QVERIFY(appended.failure().message.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(readFile(path), before);
}

void TestSettingsFaults::twoProgramsSavingAtOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray a = imageOf(dir.path(), u"a"_s);
    const QByteArray b = imageOf(dir.path(), u"b"_s);
    QVERIFY(!a.isEmpty() && !b.isEmpty() && a != b);

    const QString ini = settingsPath(dir.path());
    QProcess first, second;
    first.start(saver(), {ini, u"a"_s, u"300"_s});
    second.start(saver(), {ini, u"b"_s, u"300"_s});
    QVERIFY(first.waitForStarted() && second.waitForStarted());
    // While both save, every read finds one complete save, never a mix.
    int reads = 0;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        const QByteArray now = readFile(ini);
        QVERIFY(now.isEmpty() || now == a || now == b);
        ++reads;
        QCoreApplication::processEvents();
    }
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    const QByteArray last = readFile(ini);
    QVERIFY(last == a || last == b);
    QVERIFY(reads > 0);
}

QTEST_GUILESS_MAIN(TestSettingsFaults)
#include "test_settings_faults.moc"
