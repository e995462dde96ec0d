#include "import/block_reading.h"

#include <algorithm>
#include <optional>

namespace stylewright {
namespace {

// How far the reader looks past a rule that fits nothing: rules skipped, and pieces missing.
constexpr int kMostSkippedRules = 8;
constexpr int kMostMissingPieces = 4;

class BlockReader {
public:
    BlockReader(const BlockForm &form, QStringView text, const QStringList &starts, MatchBudget &budget)
        : m_form(form), m_text(text), m_starts(starts), m_budget(budget)
    {
    }

    BlockReading read(qsizetype from);

private:
    BlockReading readOnce(qsizetype from);
    std::optional<PieceReading> matchPiece(int piece, qsizetype at, bool needLines, const KnownValues &known);
    std::optional<PieceReading> matchForm(int piece, int form, qsizetype at, Layout layout, const KnownValues &known);
    bool ownRuleStandsAt(int piece, qsizetype at);
    void noteConflict(int piece, qsizetype at);
    QList<TextSpan> rulesAhead(qsizetype at);
    bool startsABlock(qsizetype at) const;
    void accept(const PieceReading &reading, BlockReading &out);

    const BlockForm &m_form;
    QStringView m_text;
    const QStringList &m_starts;
    MatchBudget &m_budget;
    KnownValues m_known;
    // What pieces that did not fit the values of earlier pieces show on their own.
    KnownValues m_conflicting;
    bool m_conflict = false;
    const KnownValues *m_preferred = nullptr;
};

// An earlier rule may fit in two ways, and the first one tried may leave a later rule unable to
// fit; read again, taking first in each rule what the later rules showed on their own.
BlockReading BlockReader::read(qsizetype from)
{
    BlockReading first = readOnce(from);
    if (!m_conflict || m_budget.exhausted())
        return first;
    const KnownValues preferred = m_conflicting;
    m_known = KnownValues();
    m_preferred = &preferred;
    return readOnce(from);
}

BlockReading BlockReader::readOnce(qsizetype from)
{
    BlockReading out;
    const int count = int(m_form.pieces.size());
    int piece = 0, missing = 0;
    qsizetype at = from;
    while (piece < count && !m_budget.exhausted()) {
        std::optional<PieceReading> reading = matchPiece(piece, at, false, m_known);
        if (reading && reading->begin == reading->end && ownRuleStandsAt(piece, at))
            reading.reset(); // not left out: there, in a form this reader does not know
        if (reading) {
            accept(*reading, out);
            at = reading->end;
            ++piece;
            continue;
        }
        if (!m_preferred)
            noteConflict(piece, at);
        // Look for the block going on a few rules further, or a few pieces on.
        const QList<TextSpan> ahead = rulesAhead(at);
        std::optional<PieceReading> found;
        int skipped = 0, jumped = 0;
        for (int total = 1; total <= kMostSkippedRules + kMostMissingPieces && !found; ++total) {
            for (int skip = 0; skip <= std::min(total, int(ahead.size())) && !found; ++skip) {
                const int jump = total - skip;
                if (jump > kMostMissingPieces || piece + jump >= count)
                    continue;
                found = matchPiece(piece + jump, skip == 0 ? at : ahead[skip - 1].end, true, m_known);
                skipped = skip;
                jumped = jump;
            }
        }
        if (!found) { // the block ends here: the rule it stops at is the last one it could hold
            out.unread += ahead.first(std::min<qsizetype>(1, ahead.size()));
            break;
        }
        out.unread += ahead.first(skipped);
        missing += jumped;
        accept(*found, out);
        at = found->end;
        piece += jumped + 1;
    }
    out.complete = piece == count && missing == 0;
    if (!out.complete) { // pieces found absent at a cut tell nothing
        while (!out.pieces.isEmpty() && out.pieces.back().begin == out.pieces.back().end)
            out.pieces.removeLast();
    }
    return out;
}

// Whether the rule at `at` opens with a selector this piece writes, and no piece after it, left out
// or not, could start there instead.
bool BlockReader::ownRuleStandsAt(int piece, qsizetype at)
{
    const qsizetype size = m_text.size();
    while (at < size && isSpace(m_text[at]))
        ++at;
    const QStringView rest = m_text.sliced(at);
    const auto opensWith = [&rest](const PieceForm &form) {
        if (form.lines.isEmpty())
            return false;
        const QStringView opening = form.lines.first().literals.first();
        const qsizetype brace = opening.indexOf(u'{');
        if (brace < 0)
            return false; // the selector holds an option's text: too loose to tell
        const QStringView head = opening.first(brace).trimmed();
        if (head.isEmpty() || !rest.startsWith(head))
            return false;
        qsizetype next = head.size();
        while (next < rest.size() && isSpace(rest[next]))
            ++next;
        return next < rest.size() && rest[next] == u'{';
    };
    const QList<PieceForm> &forms = m_form.pieces[piece].forms;
    if (std::none_of(forms.begin(), forms.end(), opensWith))
        return false;
    const int last = std::min(int(m_form.pieces.size()) - 1, piece + kMostMissingPieces);
    for (int later = piece + 1; later <= last; ++later) {
        if (matchPiece(later, at, true, m_known))
            return false;
    }
    return true;
}

void BlockReader::noteConflict(int piece, qsizetype at)
{
    if (const std::optional<PieceReading> alone = matchPiece(piece, at, true, KnownValues())) {
        for (const Assignment &value : alone->shown.values)
            m_conflicting.set(value.option, value.value);
        m_conflict = true;
    }
}

void BlockReader::accept(const PieceReading &reading, BlockReading &out)
{
    out.pieces.append(reading);
    for (const Assignment &value : reading.shown.values)
        m_known.set(value.option, value.value);
}

int literalWeight(const PieceForm &form)
{
    int weight = 0;
    for (const TemplateLine &line : form.lines) {
        for (const QString &literal : line.literals)
            weight += int(literal.size());
    }
    return weight;
}

// The form of a piece that fits best at `at`: the one that matches the most of its literal text,
// strictly laid out before loosely when both match as much.
std::optional<PieceReading> BlockReader::matchPiece(int piece, qsizetype at, bool needLines, const KnownValues &known)
{
    const QList<PieceForm> &forms = m_form.pieces[piece].forms;
    std::optional<PieceReading> best;
    for (Layout layout : {Layout::Strict, Layout::Loose}) {
        for (int f = 0; f < forms.size(); ++f) {
            if (forms[f].lines.isEmpty()) {
                if (!needLines && !best)
                    best = PieceReading{piece, f, at, at, {}};
                continue;
            }
            if (best && literalWeight(forms[f]) <= best->shown.score)
                continue; // cannot do better
            std::optional<PieceReading> reading = matchForm(piece, f, at, layout, known);
            if (reading && (!best || reading->shown.score > best->shown.score))
                best = std::move(reading);
        }
    }
    return best;
}

std::optional<PieceReading> BlockReader::matchForm(int piece, int form, qsizetype at, Layout layout,
                                                   const KnownValues &known)
{
    PieceReading reading{piece, form, at, at, {}};
    LineMatcher matcher(m_text, layout, known, m_preferred, m_budget);
    const qsizetype size = m_text.size();
    qsizetype pos = at;
    bool first = true;
    for (const TemplateLine &line : m_form.pieces[piece].forms[form].lines) {
        const qsizetype skipFrom = pos;
        qsizetype limit = size;
        if (layout == Layout::Strict) {
            if (pos >= size || !isLineBreak(m_text[pos]))
                return std::nullopt;
            while (pos < size && isLineBreak(m_text[pos]))
                ++pos;
            limit = pos;
            while (limit < size && !isLineBreak(m_text[limit]))
                ++limit;
        } else {
            while (pos < size && isSpace(m_text[pos]))
                ++pos;
        }
        if (!m_budget.spend((layout == Layout::Strict ? limit : pos) - skipFrom + 1))
            return std::nullopt;
        if (first)
            reading.begin = pos;
        first = false;
        pos = matcher.match(line, pos, limit, reading.shown);
        if (pos < 0)
            return std::nullopt;
    }
    reading.end = pos;
    return reading;
}

// The next few rules or comments from `at`, each up to and including its "}" or "*/", or up to a
// line break; never into another area's block.
QList<TextSpan> BlockReader::rulesAhead(qsizetype at)
{
    QList<TextSpan> rules;
    const qsizetype size = m_text.size();
    while (rules.size() < kMostSkippedRules) {
        while (at < size && isSpace(m_text[at]))
            ++at;
        if (at >= size || startsABlock(at))
            break;
        qsizetype end = at;
        for (; end < size && !isLineBreak(m_text[end]); ++end) {
            if (m_text[end] == u'}' || (end > at && m_text[end] == u'/' && m_text[end - 1] == u'*')) {
                ++end;
                break;
            }
        }
        if (!m_budget.spend(end - at + 1))
            break;
        rules.append({at, end});
        at = end;
    }
    return rules;
}

bool BlockReader::startsABlock(qsizetype at) const
{
    const QStringView rest = m_text.sliced(at);
    return std::any_of(m_starts.begin(), m_starts.end(),
                       [rest](const QString &start) { return rest.startsWith(start); });
}

} // namespace

BlockReading readBlock(const BlockForm &form, QStringView text, qsizetype from, const QStringList &starts,
                       MatchBudget &budget)
{
    return BlockReader(form, text, starts, budget).read(from);
}

} // namespace stylewright
