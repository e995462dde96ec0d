#include "stylewright-preview/contrast_pane.h"

#include "options/field_captions.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace stylewright {
namespace {

enum Column { AreaColumn, TextColumn, RatioColumn, TextColourColumn, BackgroundColumn, OptionsColumn, ColumnCount };

QIcon swatch(const Rgba &colour, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(QColor(hexOf(colour)));
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, side - 1, side - 1);
    return QIcon(pixmap);
}

QString optionsText(const TextFinding &finding)
{
    if (!finding.styling)
        return {};
    QStringList captions;
    for (Option option : finding.styling->options) {
        const QString caption = fieldCaption(option);
        if (!captions.contains(caption))
            captions.append(caption);
    }
    return captions.join(u'、');
}

} // namespace

ContrastPane::ContrastPane(QWidget *parent)
    : QWidget(parent), m_summary(new QLabel(this)), m_list(new QTreeWidget(this))
{
    m_summary->setObjectName(QStringLiteral("checkSummary"));
    m_summary->setWordWrap(true);
    m_summary->setText(QStringLiteral("正在检查…"));
    m_list->setObjectName(QStringLiteral("checkList"));
    m_list->setAccessibleName(QStringLiteral("难以看清的文字"));
    m_list->setAccessibleDescription(QStringLiteral("回车或单击一行，转到编辑器中相关的选项"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({QStringLiteral("区域"), QStringLiteral("文字"), QStringLiteral("对比度"),
                             QStringLiteral("文字颜色"), QStringLiteral("背景颜色"), QStringLiteral("相关选项")});
    m_list->header()->setStretchLastSection(true);
    connect(m_list, &QTreeWidget::itemActivated, this, &ContrastPane::choose);
    connect(m_list, &QTreeWidget::itemClicked, this, &ContrastPane::choose);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
}

void ContrastPane::showFindings(const QList<TextFinding> &findings)
{
    m_findings = findings;
    qsizetype hard = 0;
    for (const TextFinding &f : findings)
        hard += f.readability == Readability::HardToRead ? 1 : 0;
    const qsizetype unknown = findings.size() - hard;
    QString summary = hard == 0 ? QStringLiteral("所有能判断的文字都达到 WCAG AA 对比度（正文 4.5:1，大字 3:1）。")
                                : QStringLiteral("有 %1 处文字低于 WCAG AA 对比度（正文 4.5:1，大字 3:1）。").arg(hard);
    if (unknown > 0)
        summary += QStringLiteral("另有 %1 处文字在背景图片上，无法判断。").arg(unknown);
    if (hard > 0)
        summary += QStringLiteral("单击一行转到它的选项。");
    m_summary->setText(summary);

    const int side = m_list->fontMetrics().height() - 2;
    m_list->clear();
    for (const TextFinding &f : findings) {
        const bool known = f.readability == Readability::HardToRead;
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(AreaColumn, areaCaptionOf(f));
        item->setText(TextColumn, f.count > 1 ? QStringLiteral("%1（%2 处）").arg(f.sample).arg(f.count) : f.sample);
        item->setText(RatioColumn, known ? ratioText(f.ratio) : kPictureBehindText);
        item->setText(TextColourColumn, hexOf(f.text));
        item->setIcon(TextColourColumn, swatch(f.text, side));
        item->setText(BackgroundColumn, known ? hexOf(f.background) : QStringLiteral("（图片）"));
        if (known)
            item->setIcon(BackgroundColumn, swatch(f.background, side));
        item->setText(OptionsColumn, optionsText(f));
        item->setToolTip(TextColumn, f.sample);
        item->setToolTip(OptionsColumn, item->text(OptionsColumn));
    }
    for (int c = 0; c < OptionsColumn; ++c)
        m_list->resizeColumnToContents(c);
}

void ContrastPane::showFailure(const QString &message)
{
    m_summary->setText(message);
}

void ContrastPane::choose(QTreeWidgetItem *item)
{
    const int row = m_list->indexOfTopLevelItem(item);
    if (row < 0 || row >= m_findings.size() || !m_findings[row].styling)
        return;
    const ElementStyling &styling = *m_findings[row].styling;
    emit picked(styling.area, styling.options);
}

} // namespace stylewright
