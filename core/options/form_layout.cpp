#include "options/form_layout.h"

#include "options/catalogue.h"

#include <QMap>

namespace stylewright {
namespace {

struct RowSpan {
    QList<Option> options;
    bool under = false; // continues the two-line labels of the row above
};

struct GroupSpan {
    QString title;
    QList<RowSpan> rows;
};

QList<GroupSpan> groupsAndRows(Area area)
{
    QList<GroupSpan> groups;
    for (const OptionDef &def : options()) {
        if (def.area != area)
            continue;
        if (groups.isEmpty() || groups.last().title != def.group)
            groups.append({def.group.toString(), {}});
        QList<RowSpan> &rows = groups.last().rows;
        if (rows.isEmpty() || def.place != Place::Flow)
            rows.append({{}, def.place == Place::Under});
        rows.last().options.append(def.option);
    }
    return groups;
}

bool isValueField(Option option)
{
    return optionDef(option).kind != OptionKind::Check;
}

// Position of an option among the value fields (not check boxes) of its row.
int valueIndex(const QList<Option> &row, int position)
{
    int index = 0;
    for (int i = 0; i < position; ++i)
        index += isValueField(row[i]) ? 1 : 0;
    return index;
}

class GroupBuilder {
public:
    GroupBuilder(const GroupSpan &span, int *nextStack) : m_span(span), m_nextStack(nextStack) {}

    FormGroup build()
    {
        FormGroup group{m_span.title, {}};
        for (int r = 0; r < m_span.rows.size(); ++r)
            group.rows.append(buildRow(r));
        return group;
    }

private:
    FormRow buildRow(int r)
    {
        const QList<Option> &opts = m_span.rows[r].options;
        const bool leadsStack = r + 1 < m_span.rows.size() && m_span.rows[r + 1].under;
        QMap<Option, QString> headings; // option -> caption above it
        FormRow row;
        for (int i = 0; i < opts.size(); ++i) {
            const Option option = opts[i];
            if (isValueField(option)) {
                for (const FormCell &stacked : m_stacked.take({r, valueIndex(opts, i)}))
                    row.cells.append(stacked);
            }
            const QStringList words = labelCaptions(optionDef(option));
            if (words.size() > 1 && leadsStack) {
                const int stack = (*m_nextStack)++;
                row.cells.append({std::nullopt, words[0], {}, stack});
                for (int k = 1; k < words.size(); ++k)
                    m_stacked[{r + k, valueIndex(opts, i)}].append({std::nullopt, words[k], {}, stack});
            } else if (words.size() > 1 && spreadHeadings(opts, i, words, &headings)) {
                // each word stands above one field of the row
            } else {
                for (const QString &word : words)
                    row.cells.append({std::nullopt, word, {}, std::nullopt});
            }
            row.cells.append({option, {}, headings.value(option), std::nullopt});
            row.hasHeadings = row.hasHeadings || headings.contains(option);
        }
        // A stacked word whose row has no field at that column still shows, at the row's end.
        for (auto it = m_stacked.begin(); it != m_stacked.end();) {
            if (it.key().first == r) {
                row.cells.append(it.value());
                it = m_stacked.erase(it);
            } else {
                ++it;
            }
        }
        return row;
    }

    // The words name the value fields from position `from` on; false when there are too few.
    static bool spreadHeadings(const QList<Option> &opts, int from, const QStringList &words,
                               QMap<Option, QString> *out)
    {
        QList<Option> fields;
        for (int i = from; i < opts.size() && fields.size() < words.size(); ++i) {
            if (isValueField(opts[i]))
                fields.append(opts[i]);
        }
        if (fields.size() < words.size())
            return false;
        for (int k = 0; k < words.size(); ++k)
            out->insert(fields[k], words[k]);
        return true;
    }

    const GroupSpan &m_span;
    int *m_nextStack;
    QMap<std::pair<int, int>, QList<FormCell>> m_stacked; // (row, value index) -> words of the row above
};

} // namespace

QList<FormGroup> formLayout(Area area)
{
    QList<FormGroup> groups;
    int nextStack = 0;
    for (const GroupSpan &span : groupsAndRows(area))
        groups.append(GroupBuilder(span, &nextStack).build());
    return groups;
}

} // namespace stylewright
