#include "editor/search_results.h"

#include "options/enabling.h"
#include "options/field_captions.h"
#include "options/option_set.h"

#include <QApplication>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace stylewright {
namespace {

constexpr int kPadding = 4;
constexpr int kLineGap = 1;

QFont smaller(QFont font)
{
    font.setPointSizeF(font.pointSizeF() * 0.9);
    return font;
}

QFont bold(QFont font)
{
    font.setBold(true);
    return font;
}

QFont italic(QFont font)
{
    font.setItalic(true);
    return font;
}

} // namespace

QString breadcrumbOf(Option option)
{
    const OptionDef &def = optionDef(option);
    const QString tab = tabDef(def.area).caption.toString();
    return def.group.isEmpty() ? tab : QString(tab + u" › "_s + def.group.toString());
}

QString valueTextOf(const OptionSet &record, Option option)
{
    const QString &value = record.value(option);
    switch (optionDef(option).kind) {
    case OptionKind::Check:
        switch (record.checkState(option)) {
        case CheckState::Checked:
            return u"已勾选"_s;
        case CheckState::Greyed:
            return u"半勾选"_s;
        case CheckState::Unchecked:
            return u"未勾选"_s;
        }
        return {};
    case OptionKind::Colour:
        return u"#"_s + value.right(6);
    default:
        return value.isEmpty() ? u"（空）"_s : value;
    }
}

std::optional<QColor> swatchOf(const OptionSet &record, Option option)
{
    if (optionDef(option).kind != OptionKind::Colour)
        return std::nullopt;
    const QColor colour(u"#"_s + record.value(option).right(6));
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

QString noMatchText(const QString &query)
{
    return u"没有找到与“"_s + query + u"”相关的选项"_s;
}

SearchResultModel::SearchResultModel(const OptionSet &record, QObject *parent)
    : QAbstractListModel(parent), m_record(record)
{
    // A value or enabled flag shown in a row may change while the list is open.
    connect(&record.changes(), &OptionChanges::changed, this, [this] {
        m_reasons.clear();
        if (!m_found.isEmpty())
            emit dataChanged(index(0), index(int(m_found.size()) - 1));
    });
}

void SearchResultModel::setResults(const QList<Option> &found, const QString &query)
{
    beginResetModel();
    m_found = found;
    m_query = query;
    m_reasons.clear();
    endResetModel();
}

std::optional<Option> SearchResultModel::optionAt(int row) const
{
    if (row < 0 || row >= m_found.size())
        return std::nullopt;
    return m_found[row];
}

int SearchResultModel::rowOf(Option option) const
{
    return int(m_found.indexOf(option));
}

int SearchResultModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_found.isEmpty() && !m_query.isEmpty() ? 1 : int(m_found.size());
}

Qt::ItemFlags SearchResultModel::flags(const QModelIndex &index) const
{
    return optionAt(index.row()) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

QString SearchResultModel::reasonOf(Option option) const
{
    if (m_record.isEnabled(option))
        return {};
    auto cached = m_reasons.constFind(int(option));
    if (cached == m_reasons.constEnd()) {
        const QString text = enablingText(enablingSteps(m_record, option));
        cached = m_reasons.insert(int(option), text.isEmpty() ? u"此项目前不能修改"_s : text);
    }
    return *cached;
}

QVariant SearchResultModel::data(const QModelIndex &index, int role) const
{
    const std::optional<Option> option = optionAt(index.row());
    if (!option) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return noMatchText(m_query);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return fieldCaption(*option);
    case BreadcrumbRole:
        return breadcrumbOf(*option);
    case ValueRole:
        return valueTextOf(m_record, *option);
    case SwatchRole:
        if (const std::optional<QColor> swatch = swatchOf(m_record, *option))
            return *swatch;
        return {};
    case ReasonRole:
        return reasonOf(*option);
    case GreyedRole:
        return !m_record.isEnabled(*option);
    case Qt::AccessibleTextRole:
        return QString(fieldCaption(*option) + u"，"_s + breadcrumbOf(*option) + u"，当前值："_s +
                       valueTextOf(m_record, *option));
    case Qt::AccessibleDescriptionRole:
        return reasonOf(*option);
    case Qt::ToolTipRole:
        return reasonOf(*option);
    default:
        return {};
    }
}

void SearchResultDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem look = option;
    initStyleOption(&look, index);
    look.text.clear();
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &look, painter, view);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &colours = option.palette;
    const QColor text = colours.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
    const bool greyed = index.data(SearchResultModel::GreyedRole).toBool();
    const QColor caption = greyed && !selected ? colours.color(QPalette::Disabled, QPalette::Text) : text;
    QRect line = option.rect.adjusted(kPadding, kPadding, -kPadding, 0);
    painter->save();

    // Caption on the left, value (and swatch) on the right.
    const QFontMetrics captionMetrics(bold(option.font));
    line.setHeight(captionMetrics.height());
    const QString value = index.data(SearchResultModel::ValueRole).toString();
    const QFontMetrics metrics(option.font);
    const QString shownValue = metrics.elidedText(value, Qt::ElideMiddle, line.width() * 2 / 5);
    int valueLeft = line.right() - metrics.horizontalAdvance(shownValue);
    painter->setFont(option.font);
    painter->setPen(text);
    painter->drawText(QRect(valueLeft, line.top(), line.right() - valueLeft + 1, line.height()), Qt::AlignVCenter,
                      shownValue);
    if (const QVariant swatch = index.data(SearchResultModel::SwatchRole); swatch.isValid()) {
        const int side = metrics.ascent();
        const QRect box(valueLeft - side - 4, line.top() + (line.height() - side) / 2, side, side);
        painter->fillRect(box, swatch.value<QColor>());
        painter->setPen(text);
        painter->drawRect(box.adjusted(0, 0, -1, -1));
        valueLeft = box.left();
    }
    painter->setFont(bold(option.font));
    painter->setPen(caption);
    const QRect captionRect(line.left(), line.top(), std::max(0, valueLeft - 8 - line.left()), line.height());
    painter->drawText(
        captionRect, Qt::AlignVCenter,
        captionMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, captionRect.width()));

    // Where it sits, then why it is greyed.
    const QFont small = smaller(option.font);
    for (const auto &[role, font] : {std::pair(int(SearchResultModel::BreadcrumbRole), small),
                                     std::pair(int(SearchResultModel::ReasonRole), italic(small))}) {
        const QString words = index.data(role).toString();
        if (words.isEmpty())
            continue;
        const QFontMetrics lineMetrics(font);
        line = QRect(line.left(), line.bottom() + 1 + kLineGap, line.width(), lineMetrics.height());
        painter->setFont(font);
        painter->setPen(role == SearchResultModel::BreadcrumbRole && !selected
                            ? colours.color(QPalette::Active, QPalette::PlaceholderText)
                            : text);
        painter->drawText(line, Qt::AlignVCenter, lineMetrics.elidedText(words, Qt::ElideRight, line.width()));
    }
    painter->restore();
}

QSize SearchResultDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // Only the greyed flag, not the reason itself: sizing every row must stay cheap.
    const int lines = index.data(SearchResultModel::GreyedRole).toBool() ? 2 : 1;
    const bool found = index.data(SearchResultModel::BreadcrumbRole).isValid();
    int height = QFontMetrics(bold(option.font)).height() + 2 * kPadding;
    if (found)
        height += lines * (QFontMetrics(smaller(option.font)).height() + kLineGap);
    return {option.rect.width(), height};
}

} // namespace stylewright
