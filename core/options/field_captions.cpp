#include "options/field_captions.h"

#include "options/form_layout.h"

#include <array>

namespace stylewright {
namespace {

struct Names {
    std::array<QString, kOptionCount> caption, label;
};

// The label the form puts right before a field, or the heading above it.
std::array<QString, kOptionCount> layoutLabels()
{
    std::array<QString, kOptionCount> labels;
    for (Area area : areas()) {
        for (const FormGroup &group : formLayout(area)) {
            for (const FormRow &row : group.rows) {
                for (qsizetype i = 0; i < row.cells.size(); ++i) {
                    const FormCell &cell = row.cells[i];
                    if (!cell.option)
                        continue;
                    QString &label = labels[rowOf(*cell.option)];
                    if (!cell.heading.isEmpty())
                        label = cell.heading;
                    else if (i > 0 && !row.cells[i - 1].option)
                        label = row.cells[i - 1].text;
                }
            }
        }
    }
    return labels;
}

Names buildNames()
{
    Names names;
    const std::array<QString, kOptionCount> labels = layoutLabels();
    for (const OptionDef &def : options()) {
        const int row = rowOf(def.option);
        QString caption;
        if (def.kind == OptionKind::Check)
            caption = def.caption.toString();
        else if (def.kind == OptionKind::Colour)
            caption = def.defaultValue.left(def.defaultValue.indexOf(u'#')).toString();
        else if (!labels[row].isEmpty())
            caption = labels[row];
        else
            caption = def.key.toString();
        names.label[row] = labels[row] == caption ? QString() : labels[row];
        names.caption[row] = caption;
    }
    return names;
}

const Names &names()
{
    static const Names all = buildNames();
    return all;
}

} // namespace

QString fieldCaption(Option option)
{
    return names().caption[rowOf(option)];
}

QString fieldLabel(Option option)
{
    return names().label[rowOf(option)];
}

} // namespace stylewright
