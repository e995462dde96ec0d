#pragma once
// Puts a fetched sheet into a text field without stalling the window, however large it is: the
// bytes are decoded and broken into lines on a worker thread, then the text goes into a fresh
// document a slice of whole lines at a time, each turn of the event loop taking a few
// milliseconds. The old document is kept aside until the new one is complete, so a cancelled fill
// leaves the old text. A sheet with a line longer than a slice is shown unwrapped: wrapping one
// long line costs time that grows with the square of its length.

#include <QFutureWatcher>
#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QTextDocument>
#include <QTimer>
#include <chrono>

namespace stylewright {

class SheetFiller : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kSliceChars = 16 * 1024;
    static constexpr std::chrono::milliseconds kTurnBudget{15}; // of filling per turn of the event loop

    explicit SheetFiller(QPlainTextEdit *view, QObject *parent = nullptr);
    ~SheetFiller() override;

    // Starts showing the sheet's GBK bytes, line by line, in place of the view's text; a fill that
    // is still running is cancelled first.
    void fill(const QByteArray &sheet);
    bool isFilling() const { return m_building || m_next; }
    // Stops the running fill; the view shows the text it had before.
    void cancel();

signals:
    // The whole sheet is in the view.
    void filled();

private:
    struct Lines {
        QString text;
        bool hasLongLine = false; // longer than a slice
    };
    static Lines splitForView(const QByteArray &sheet);
    void startFeeding(const Lines &lines);
    void feed();
    void finish();

    QPlainTextEdit *m_view;
    QPointer<QFutureWatcher<Lines>> m_building;
    QString m_text;      // the whole text being fed
    qsizetype m_fed = 0; // how much of it is in the view
    QPointer<QTextDocument> m_previous;
    QPointer<QTextDocument> m_next;
    bool m_wasReadOnly = false;
    QPlainTextEdit::LineWrapMode m_wrap; // as the view was made
    QPlainTextEdit::LineWrapMode m_previousWrap;
    QTimer m_turn;
};

} // namespace stylewright
