#include "preview/preview_process.h"

#include <QSignalBlocker>

namespace stylewright {

using namespace preview;

namespace {
constexpr int kCloseWaitMs = 3000; // the engine takes a moment to shut down
} // namespace

PreviewProcess::PreviewProcess(QString program, QObject *parent)
    : QObject(parent), m_process(new QProcess(this)), m_program(std::move(program))
{
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &PreviewProcess::readAnswers);
    connect(m_process, &QProcess::finished, this, &PreviewProcess::processEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit failedToStart(m_process->errorString());
    });
}

PreviewProcess::~PreviewProcess()
{
    stop();
}

void PreviewProcess::start()
{
    if (isRunning())
        return;
    m_reader = MessageReader();
    m_expectEnd = false;
    m_killedFor.reset();
    m_process->start(m_program, {});
}

void PreviewProcess::send(const Message &message)
{
    if (isRunning())
        m_process->write(encodeMessage(message));
}

void PreviewProcess::stop()
{
    if (!isRunning())
        return;
    m_expectEnd = true;
    const QSignalBlocker quiet(this); // whoever listens may be going away too
    send(WindowMessage{WindowCommand::Close});
    m_process->closeWriteChannel();
    if (!m_process->waitForFinished(kCloseWaitMs)) {
        m_process->kill();
        m_process->waitForFinished(kCloseWaitMs);
    }
}

void PreviewProcess::readAnswers()
{
    m_reader.append(m_process->readAllStandardOutput());
    std::optional<PickMessage> pick;
    while (std::optional<Message> message = m_reader.next()) {
        if (auto *picked = std::get_if<PickMessage>(&*message)) {
            pick = std::move(*picked);
        } else if (std::holds_alternative<ReadyMessage>(*message)) {
            emit ready();
        } else if (const auto *applied = std::get_if<AppliedMessage>(&*message)) {
            emit this->applied(applied->sequence);
        } else if (std::holds_alternative<ClosedMessage>(*message)) {
            m_expectEnd = true;
            emit closedByUser();
        }
    }
    if (pick && !m_reader.failure())
        emit picked(*pick);
    // Reported when the program has ended, so that whoever hears it can start a new one at once.
    if (m_reader.failure() && !m_expectEnd && !m_killedFor) {
        m_killedFor = m_reader.failure()->reason;
        m_process->kill();
    }
}

void PreviewProcess::processEnded(int exitCode, QProcess::ExitStatus status)
{
    if (m_expectEnd)
        return;
    m_expectEnd = true;
    if (m_killedFor)
        emit crashed(*m_killedFor);
    else if (status == QProcess::CrashExit)
        emit crashed(QStringLiteral("the preview program crashed"));
    else
        emit crashed(QStringLiteral("the preview program ended with status %1").arg(exitCode));
}

} // namespace stylewright
