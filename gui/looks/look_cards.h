#pragma once
// How a look is drawn as a card: its picture (or a strip of its main colours while there is
// none, with a mark while one is being drawn), its name and one line of description; a look that
// cannot be used is greyed and says why instead.

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QStyledItemDelegate>

namespace stylewright {

// What a card item holds besides its name (Qt::DisplayRole).
enum LookCardRole {
    DescriptionRole = Qt::UserRole + 1, // QString
    PictureRole,                        // QPixmap, null while there is none
    ColoursRole,                        // QVariantList of 0xRRGGBB
    WaitingRole,                        // bool: a picture is being drawn
    ProblemRole,                        // QString: why the look cannot be used
    OwnRole,                            // bool: one of the user's own looks
};

inline constexpr QSize kCardPictureSize(192, 144);
inline constexpr int kCardPadding = 8; // around the picture and the text of a card
inline constexpr int kCardWidth = kCardPictureSize.width() + 2 * kCardPadding;

// The main colours side by side, filling size.
QPixmap colourStrip(const QList<quint32> &colours, const QSize &size);

class LookCardDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace stylewright
