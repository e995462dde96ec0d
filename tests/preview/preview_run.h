#pragma once
// Runs the preview program (PREVIEW_PROGRAM, set by the test's build) to its end and keeps what
// it said.

#include <QProcess>
#include <QString>
#include <QStringList>

struct PreviewRun {
    int status = -1;   // -1: it crashed or did not end within two minutes
    QStringList lines; // standard output, line by line
    QString errors;
};

inline PreviewRun runPreviewProgram(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PREVIEW_PROGRAM), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
