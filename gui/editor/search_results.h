#pragma once
// The rows of the option search's drop-down list: each found option's caption, where it sits
// ("3.导航设置 › 名称栏设置"), its current value (a colour as a swatch) and, for a greyed field,
// what enables it. With nothing found, one row says so.

#include "options/catalogue.h"

#include <QAbstractListModel>
#include <QColor>
#include <QList>
#include <QStyledItemDelegate>
#include <optional>

namespace stylewright {

class OptionSet;

// "3.导航设置 › 名称栏设置", or the tab's name alone for an option without a group.
QString breadcrumbOf(Option option);
// The value as a row shows it: "已勾选" for a ticked box, the text of any other field.
QString valueTextOf(const OptionSet &record, Option option);
// The colour a colour field's value names (its last six characters), if they are one.
std::optional<QColor> swatchOf(const OptionSet &record, Option option);
// "没有找到与“…”相关的选项"
QString noMatchText(const QString &query);

class SearchResultModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        BreadcrumbRole = Qt::UserRole + 1,
        ValueRole,
        SwatchRole, // QColor, or nothing for a field that is not a colour
        ReasonRole, // what enables a greyed field; empty for an enabled one
        GreyedRole,
    };

    SearchResultModel(const OptionSet &record, QObject *parent);

    // The options found for `query`, best first; none: the row that says nothing was found.
    void setResults(const QList<Option> &found, const QString &query);
    // The row's option; nothing for the no-match row.
    std::optional<Option> optionAt(int row) const;
    int rowOf(Option option) const;
    int foundCount() const { return int(m_found.size()); }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QString reasonOf(Option option) const;

    const OptionSet &m_record;
    QList<Option> m_found;
    QString m_query;
    mutable QHash<int, QString> m_reasons; // worked out when a row is first shown, until the record changes
};

// Draws a row in two lines (three for a greyed field): caption and value, then where it sits,
// then the reason.
class SearchResultDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace stylewright
