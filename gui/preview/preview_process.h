#pragma once
// The preview program as the editor runs it: started with QProcess, fed frames on its standard
// input, heard on its standard output. Its standard error goes to the editor's.

#include "preview/preview_message.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <optional>

namespace stylewright {

class PreviewProcess : public QObject {
    Q_OBJECT
public:
    explicit PreviewProcess(QString program, QObject *parent = nullptr);
    ~PreviewProcess() override; // asks the program to close, as stop() does

    // Starts the program unless it runs; failedToStart follows when it cannot.
    void start();
    bool isRunning() const { return m_process->state() != QProcess::NotRunning; }
    void send(const preview::Message &message);
    // Asks the program to close and waits a little; a program that lingers is killed.
    void stop();

signals:
    void ready();
    void applied(quint64 sequence);
    // The user picked a part of the page; of a burst only the newest pick is told.
    void picked(const stylewright::preview::PickMessage &pick);
    // The user closed the preview window; the program ends by itself.
    void closedByUser();
    // The program ended without being asked to, or said what cannot be read; why is for the log.
    void crashed(const QString &why);
    void failedToStart(const QString &why);

private:
    void readAnswers();
    void processEnded(int exitCode, QProcess::ExitStatus status);

    QProcess *m_process;
    QString m_program;
    preview::MessageReader m_reader;
    bool m_expectEnd = false;           // stop() was called or the user closed the window
    std::optional<QString> m_killedFor; // why the program was killed; reported once it has ended
};

} // namespace stylewright
