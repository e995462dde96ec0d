#pragma once
// What the editor and its preview program say to each other over the program's standard input
// and output. A frame is its length in decimal digits, a line feed, then that many bytes of one
// JSON object.

#include "base/result.h"
#include "preview/preview_sheet.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>
#include <variant>

namespace stylewright::preview {

// Editor to preview: the sheet as the options stand; a higher sequence replaces a lower one.
struct SheetMessage {
    quint64 sequence = 0;
    Sheet sheet; // one entry per area
};

enum class WindowCommand { Show, Minimise, Restore, Close };

// Editor to preview: follow the main window.
struct WindowMessage {
    WindowCommand command = WindowCommand::Show;
};

// Preview to editor: the page has loaded.
struct ReadyMessage {};

// Preview to editor: the sheet with this sequence, or a later one, is in effect in the page.
struct AppliedMessage {
    quint64 sequence = 0;
};

// Preview to editor: the user closed the window and the program is ending.
struct ClosedMessage {};

// Preview to editor: the user clicked an element of the page the options of this area style,
// nearest rule first; the editor shows them.
struct PickMessage {
    Area area = Area::Background;
    QList<Option> options;
};

// Editor to preview: this field has the focus (nothing: no field has); the page outlines what it
// styles, or says it styles nothing now, and why when a greyed field is the cause.
struct FocusMessage {
    std::optional<Option> option;
    bool stylesNow = true;
    QString why; // "需先勾选“添加背景图片”", or empty
};

using Message =
    std::variant<SheetMessage, WindowMessage, ReadyMessage, AppliedMessage, ClosedMessage, PickMessage, FocusMessage>;

// The largest frame either side accepts; a sheet of very long option texts stays far below it.
inline constexpr qsizetype kMaxFrameBytes = 64 * 1024 * 1024;
// Sequence numbers stay exact in a JSON number.
inline constexpr quint64 kMaxSequence = quint64(1) << 53;

// The frame of a message.
QByteArray encodeMessage(const Message &message);

// Cuts frames out of a byte stream as it arrives. After the first fault the stream cannot be
// resynchronised: the reader stays broken and yields nothing more.
class MessageReader {
public:
    void append(QByteArrayView bytes);
    // The next whole message, or nothing while a frame is incomplete or the stream is broken.
    std::optional<Message> next();
    // What broke the stream, if anything did.
    const std::optional<Failure> &failure() const { return m_failure; }

private:
    std::optional<Message> fail(const QString &reason);

    QByteArray m_buffer;
    std::optional<Failure> m_failure;
};

} // namespace stylewright::preview
