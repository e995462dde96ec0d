// Every built-in look through the preview program's contrast check: no text below AA.

#include "looks/look_library.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;

class TestBuiltinLooksCheck : public QObject {
    Q_OBJECT
private slots:
    void everyBuiltInLookPassesTheCheck();
};

void TestBuiltinLooksCheck::everyBuiltInLookPassesTheCheck()
{
    QVERIFY(!builtInLooks().isEmpty());
    QTemporaryDir dir;
    for (const Look &look : builtInLooks()) {
        const QString path = dir.filePath(QFileInfo(look.path).fileName());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(look.bytes);
        file.close();
        QProcess check;
        check.start(QStringLiteral(PREVIEW_PROGRAM), {QStringLiteral("--settings"), path, QStringLiteral("--check")});
        QVERIFY(check.waitForFinished(120000));
        QVERIFY2(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0,
                 qPrintable(look.header.name + u": " + QString::fromUtf8(check.readAllStandardOutput()) +
                            QString::fromLocal8Bit(check.readAllStandardError())));
    }
}

QTEST_GUILESS_MAIN(TestBuiltinLooksCheck)
#include "test_builtin_looks_check.moc"
