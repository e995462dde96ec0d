#pragma once
// The preview program's side of its link to the editor: frames arrive on one descriptor (the
// program's standard input) and answers leave on another.

#include "preview/preview_message.h"

#include <QObject>

class QSocketNotifier;

namespace stylewright {

class PreviewWindow;

class EditorLink : public QObject {
    Q_OBJECT
public:
    EditorLink(PreviewWindow &window, int input, int output, QObject *parent = nullptr);

    void send(const preview::Message &message);

signals:
    // The program should end with this status: the editor asked it to or went away (0), the
    // user closed the window (0), or the editor sent what cannot be read (2).
    void finished(int status);

private:
    void readInput();
    void handle(const preview::Message &message);

    PreviewWindow &m_window;
    int m_input;
    int m_output;
    QSocketNotifier *m_notifier;
    preview::MessageReader m_reader;
    bool m_finished = false;
};

} // namespace stylewright
