// Faults a user meets while saving settings: a full disk, and two copies of the program saving
// at the same moment.

#include "options/option_set.h"
#include "editor/editor_actions.h"
#include "options/settings_file.h"
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
    void twoProgramsSavingAtOnce();
};

void TestSettingsFaults::fullDiskKeepsThePreviousFile()
{
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    QTemporaryDir mountPoint;
    QVERIFY(mountPoint.isValid());
    if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, mountPoint.path()}) !=
        0)
        QSKIP("this machine cannot mount a tmpfs");
    auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_s, {mountPoint.path()}); });

    const QString folder = mountPoint.path();
    QVERIFY(saveSettings(settingsPath(folder), OptionSet()));
    const QByteArray previous = readFile(settingsPath(folder));
    {
        QFile filler(folder + u"/filler"_s); // take every block that is left
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray chunk(4096, 'x');
        while (filler.write(chunk) == chunk.size() && filler.flush()) {
        }
    }
    OptionSet changed;
    changed.setValue(u"txtbgp", QString(3000, u'墨'));
    FakePrompts prompts;
    saveSettingsAction(folder, changed, prompts);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].text, u"保存出错！！"_s);
    QCOMPARE(readFile(settingsPath(folder)), previous);
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, (QStringList{u"filler"_s, u"setup.ini"_s})); // no half-written temporary file
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
