#pragma once
// The form of each area's block, learnt from its generator by probing: the lines with the options'
// texts left open, cut into pieces; a piece that choices shape lists every form it can take and the
// choices each form stands for.

#include "import/area_choices.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace stylewright {

// Where an option's text stands in a line.
struct Slot {
    Option option;
    int addend = 0;                 // the generator writes the option's number plus this; 0: the text itself
    QString prefix;                 // what the option holds before the written part ("http" of a cursor address)
    int maxChars = 0;               // the generator writes at most this many characters of it; 0: no limit
    QStringList itemsEndingInBlank; // list items a loosely read text may take the blank after it for
};

struct TemplateLine {
    QStringList literals; // one more than gaps: literals[i] stands before gaps[i]
    QList<Slot> gaps;
};

struct PieceForm {
    QList<TemplateLine> lines; // none when the generator leaves the piece's rules out
    QList<Assignment> choices; // what the import sets for this form
};

struct Piece {
    QList<PieceForm> forms;
    bool canBeAbsent() const;
};

struct BlockForm {
    QString start; // the comment line every block of the area starts with
    QList<Piece> pieces;
    QList<Option> summed; // sizes the generator adds to: they must be numbers for it to write anything
};

// Built on first use for all areas together.
const BlockForm &blockForm(Area area);

} // namespace stylewright
