#pragma once
// Reads one area's block from a sheet, piece by piece: each piece in the form that fits it best,
// strictly laid out if it can be, else loosely. A rule that fits nothing is skipped when the
// block's own pieces follow it; a block that stops fitting ends there.

#include "import/template_match.h"

#include <QList>
#include <QStringView>

namespace stylewright {

struct PieceReading {
    int piece = 0;
    int form = 0;
    qsizetype begin = 0, end = 0; // where its lines stand in the text
    LineReading shown;
};

struct TextSpan {
    qsizetype begin = 0, end = 0;
};

struct BlockReading {
    QList<PieceReading> pieces; // in block order, each piece at most once
    QList<TextSpan> unread;     // rules inside the block that fit no piece
    bool complete = true;       // every piece that cannot be absent was found
};

// Reads from `from`, just after the block's start comment. `starts` are the start comments of
// all areas: a block never reaches over another block's start.
BlockReading readBlock(const BlockForm &form, QStringView text, qsizetype from, const QStringList &starts,
                       MatchBudget &budget);

} // namespace stylewright
