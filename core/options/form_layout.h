#pragma once
// How a tab's options are arranged in its frame: titled groups, rows of cells, and where each
// label caption stands. Derived from the catalogue's group, labels and place columns.

#include "options/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace stylewright {

struct FormCell {
    std::optional<Option> option; // the field's option; nothing for a label cell
    QString text;                 // a label cell's caption
    QString heading;              // caption shown above the field, naming its column
    std::optional<int> stack;     // label cells naming one column of stacked rows share an id (and a width)
};

struct FormRow {
    QList<FormCell> cells;
    bool hasHeadings = false;
};

struct FormGroup {
    QString title; // empty: the rows sit directly in the frame
    QList<FormRow> rows;
};

// The groups of one area's tab, in reading order.
QList<FormGroup> formLayout(Area area);

} // namespace stylewright
