#pragma once
// How a tab's options are arranged in its frame: titled groups, rows of cells, and where each
// label caption stands. Derived from the catalogue's group, labels and place columns.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace stylewright {

struct FormCell {
    int option = -1; // catalogue row of the field; -1 for a label cell
    QString text;    // a label cell's caption
    QString heading; // caption shown above the field, naming its column
    int stack = -1;  // label cells naming one column of stacked rows share an id (and a width)
};

struct FormRow {
    QList<FormCell> cells;
    bool hasHeadings = false;
};

struct FormGroup {
    QString title; // empty: the rows sit directly in the frame
    QList<FormRow> rows;
};

// The groups of one tab (0..10), in reading order.
QList<FormGroup> formLayout(int tab);

} // namespace stylewright
