#include "stylewright-preview/editor_link.h"

#include "stylewright-preview/preview_window.h"
#include "stylewright-preview/sample_page.h"

#include <QSocketNotifier>
#include <cerrno>
#include <unistd.h>

namespace stylewright {

using namespace preview;

EditorLink::EditorLink(PreviewWindow &window, int input, int output, QObject *parent)
    : QObject(parent), m_window(window), m_input(input), m_output(output),
      m_notifier(new QSocketNotifier(input, QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &EditorLink::readInput);
    connect(&window.page(), &SamplePage::loaded, this, [this](bool ok) {
        if (ok)
            send(ReadyMessage{});
    });
    connect(&window.page(), &SamplePage::applied, this, [this](quint64 sequence) { send(AppliedMessage{sequence}); });
    connect(&window, &PreviewWindow::picked, this, [this](Area area, const QList<Option> &options) {
        send(PickMessage{area, options});
    });
    connect(&window, &PreviewWindow::closedByUser, this, [this] {
        send(ClosedMessage{});
        m_finished = true;
        emit finished(0);
    });
}

void EditorLink::send(const Message &message)
{
    const QByteArray frame = encodeMessage(message);
    qsizetype written = 0;
    while (written < frame.size()) {
        const ssize_t n = ::write(m_output, frame.constData() + written, size_t(frame.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the editor is gone; its end of input will end the program
        written += n;
    }
}

void EditorLink::readInput()
{
    char buffer[64 * 1024];
    const ssize_t n = ::read(m_input, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0) {
        m_notifier->setEnabled(false);
        if (!m_finished)
            emit finished(0);
        m_finished = true;
        return;
    }
    m_reader.append(QByteArrayView(buffer, n));
    // Only the newest sheet and the newest focus of a burst are worth showing.
    std::optional<SheetMessage> newest;
    std::optional<FocusMessage> focus;
    while (std::optional<Message> message = m_reader.next()) {
        if (auto *sheet = std::get_if<SheetMessage>(&*message))
            newest = std::move(*sheet);
        else if (auto *field = std::get_if<FocusMessage>(&*message))
            focus = std::move(*field);
        else
            handle(*message);
    }
    if (newest)
        handle(*newest);
    if (focus)
        handle(*focus);
    if (m_reader.failure()) {
        m_notifier->setEnabled(false);
        logFailure(*m_reader.failure());
        m_finished = true;
        emit finished(2);
    }
}

void EditorLink::handle(const Message &message)
{
    if (m_finished)
        return;
    if (const auto *sheet = std::get_if<SheetMessage>(&message)) {
        m_window.showSheet(sheet->sheet, sheet->sequence);
    } else if (const auto *focus = std::get_if<FocusMessage>(&message)) {
        m_window.showField(*focus);
    } else if (const auto *window = std::get_if<WindowMessage>(&message)) {
        if (window->command == WindowCommand::Close) {
            m_finished = true;
            emit finished(0);
        } else {
            m_window.follow(window->command);
        }
    }
}

} // namespace stylewright
