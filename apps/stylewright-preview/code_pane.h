#pragma once
// The "代码" tab: the whole current sheet, read-only, with its length and one button that copies
// all of it.

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace stylewright {

inline const QString kCopyAllCaption = QStringLiteral("复制全部");

class CodePane : public QWidget {
    Q_OBJECT
public:
    explicit CodePane(QWidget *parent = nullptr);

    // Shows the sheet, keeping the reader's place in it.
    void setCss(const QString &css);
    const QString &css() const { return m_css; }

    // Characters of a sheet as the count shows them: a character outside the basic plane counts once.
    static qsizetype characterCount(const QString &css);

private:
    void copyAll();
    void showCount(bool copied);

    QString m_css; // exactly what is copied, CR LF line ends and all
    QPlainTextEdit *m_text;
    QLabel *m_count;
};

} // namespace stylewright
