#pragma once
// Reads the blocks the area generators write back into options: a sheet fetched from the space,
// the code file or pasted CSS becomes the options that regenerate those blocks.

#include "options/catalogue.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace stylewright {

class OptionSet;

// A rule or comment inside a recognised block that matches nothing the area's generator writes.
struct UnreadLine {
    Area area;
    int line = 0; // 1-based line of the sheet where it starts
    QString text; // as it stands, without surrounding blanks; shortened when very long
};

struct CssImport {
    QList<Area> recognised; // blocks found, in window order
    QList<Area> notFound;
    QList<Area> incomplete;        // recognised, but some of the area's rules are missing (a cut or edited block)
    QList<UnreadLine> unreadLines; // in sheet order
    QList<Option> changed;         // options whose value the import changed, in catalogue order
};

// Finds the last block of each area anywhere in the sheet (CR LF or LF line ends, blanks around
// braces, line breaks after rules and comments as the fetcher shows them) and sets, through the
// dependency rules, the options that regenerate what was read. Options no recognised rule shows
// stay as they are; so does every option of an area not found.
CssImport importCss(QStringView css, OptionSet &options);

} // namespace stylewright
