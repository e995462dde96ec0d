#include "stylewright-preview/code_pane.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace stylewright {

CodePane::CodePane(QWidget *parent) : QWidget(parent), m_text(new QPlainTextEdit(this)), m_count(new QLabel(this))
{
    m_text->setObjectName(QStringLiteral("codeText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_count->setObjectName(QStringLiteral("charCount"));
    auto *copy = new QPushButton(kCopyAllCaption, this);
    copy->setObjectName(QStringLiteral("copyAll"));
    connect(copy, &QPushButton::clicked, this, &CodePane::copyAll);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_count, 1);
    bar->addWidget(copy);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(m_text, 1);
    showCount(false);
}

qsizetype CodePane::characterCount(const QString &css)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < css.size(); ++i) {
        if (!(css.at(i).isLowSurrogate() && i > 0 && css.at(i - 1).isHighSurrogate()))
            ++count;
    }
    return count;
}

void CodePane::setCss(const QString &css)
{
    if (css == m_css)
        return;
    m_css = css;
    const int vertical = m_text->verticalScrollBar()->value();
    const int horizontal = m_text->horizontalScrollBar()->value();
    QString shown = css;
    shown.replace(QStringLiteral("\r\n"),
                  QStringLiteral("\n")); // the editor would show a lone CR as a character of its own
    m_text->setPlainText(shown);
    m_text->verticalScrollBar()->setValue(vertical);
    m_text->horizontalScrollBar()->setValue(horizontal);
    showCount(false);
}

void CodePane::copyAll()
{
    QGuiApplication::clipboard()->setText(m_css);
    showCount(true);
}

void CodePane::showCount(bool copied)
{
    QString text = QStringLiteral("共 %1 个字符").arg(characterCount(m_css));
    if (copied)
        text += QStringLiteral("，已全部复制");
    m_count->setText(text);
}

} // namespace stylewright
