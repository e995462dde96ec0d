#include "looks/look_cards.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace stylewright {
namespace {

constexpr int kPadding = kCardPadding;

QList<quint32> coloursOf(const QModelIndex &index)
{
    QList<quint32> colours;
    for (const QVariant &colour : index.data(ColoursRole).toList())
        colours.append(colour.toUInt());
    return colours;
}

// The mark of a picture on its way: a dimmed band with a word on it.
void paintWaiting(QPainter &painter, const QRect &area, const QFont &font)
{
    const QRect band(area.left(), area.bottom() - 28, area.width(), 28);
    painter.fillRect(band, QColor(0, 0, 0, 150));
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(band, Qt::AlignCenter, QStringLiteral("正在绘制图片…"));
}

} // namespace

QPixmap colourStrip(const QList<quint32> &colours, const QSize &size)
{
    QPixmap strip(size);
    strip.fill(Qt::lightGray);
    if (colours.isEmpty())
        return strip;
    QPainter painter(&strip);
    // The first colour (the page) as a frame, the others as bands inside it.
    painter.fillRect(strip.rect(), QColor::fromRgb(colours.first()));
    const QRect inside =
        strip.rect().adjusted(size.width() / 10, size.height() / 6, -size.width() / 10, -size.height() / 6);
    const int bands = int(colours.size()) - 1;
    for (int i = 0; i < bands; ++i) {
        const int left = inside.left() + inside.width() * i / bands;
        const int right = inside.left() + inside.width() * (i + 1) / bands;
        painter.fillRect(QRect(left, inside.top(), right - left, inside.height()), QColor::fromRgb(colours[i + 1]));
    }
    return strip;
}

QSize LookCardDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const int lines = option.fontMetrics.height() * 2 + 4;
    return {kCardWidth, kCardPictureSize.height() + lines + 3 * kPadding};
}

void LookCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const bool usable = index.data(ProblemRole).toString().isEmpty();
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &palette = option.palette;
    const QRect card = option.rect.adjusted(2, 2, -2, -2);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(
        QPen(selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Mid), selected ? 3 : 1));
    painter->setBrush(palette.color(QPalette::Base));
    painter->drawRoundedRect(card, 6, 6);
    painter->setRenderHint(QPainter::Antialiasing, false);

    const QRect pictureArea(card.left() + kPadding - 2, card.top() + kPadding - 2, kCardPictureSize.width(),
                            kCardPictureSize.height());
    const QPixmap picture = index.data(PictureRole).value<QPixmap>();
    if (!usable) {
        painter->fillRect(pictureArea, palette.color(QPalette::Window));
        painter->setPen(palette.color(QPalette::Text));
        painter->drawText(pictureArea.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                          index.data(ProblemRole).toString());
    } else if (!picture.isNull()) {
        painter->drawPixmap(pictureArea, picture);
    } else {
        painter->drawPixmap(pictureArea, colourStrip(coloursOf(index), pictureArea.size()));
    }
    if (usable && index.data(WaitingRole).toBool())
        paintWaiting(*painter, pictureArea, option.font);

    QFont nameFont = option.font;
    nameFont.setBold(true);
    const QFontMetrics nameMetrics(nameFont);
    const int textTop = pictureArea.bottom() + kPadding;
    const QRect nameLine(pictureArea.left(), textTop, pictureArea.width(), nameMetrics.height());
    const QPalette::ColorGroup group = usable ? QPalette::Normal : QPalette::Disabled;
    painter->setFont(nameFont);
    painter->setPen(palette.color(group, QPalette::Text));
    QString name = index.data(Qt::DisplayRole).toString();
    if (index.data(OwnRole).toBool()) {
        const QString mark = QStringLiteral("我的");
        const int markWidth = option.fontMetrics.horizontalAdvance(mark) + 8;
        const QRect markRect(nameLine.right() - markWidth, nameLine.top(), markWidth, nameLine.height());
        painter->setFont(option.font);
        painter->setBrush(Qt::NoBrush); // a brush left from the card would paint over the word
        painter->drawRect(markRect.adjusted(0, 1, -1, -1));
        painter->drawText(markRect, Qt::AlignCenter, mark);
        painter->setFont(nameFont);
        name = nameMetrics.elidedText(name, Qt::ElideRight, nameLine.width() - markWidth - 4);
    } else {
        name = nameMetrics.elidedText(name, Qt::ElideRight, nameLine.width());
    }
    painter->drawText(nameLine, Qt::AlignLeft | Qt::AlignVCenter, name);

    const QRect descriptionLine(pictureArea.left(), nameLine.bottom() + 2, pictureArea.width(),
                                option.fontMetrics.height());
    painter->setFont(option.font);
    painter->setPen(palette.color(group, QPalette::Text));
    const QString line = usable ? index.data(DescriptionRole).toString() : QStringLiteral("无法使用");
    painter->drawText(descriptionLine, Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(line, Qt::ElideRight, descriptionLine.width()));
    painter->restore();
}

} // namespace stylewright
