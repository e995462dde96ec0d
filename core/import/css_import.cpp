#include "import/css_import.h"

#include "generators/css_text.h"
#include "generators/generators.h"
#include "generators/written_parts.h"
#include "import/block_reading.h"
#include "options/option_set.h"

#include <algorithm>
#include <array>

namespace stylewright {
namespace {

// Matching work allowed per character of the sheet, plus a fixed amount: far above what any
// real sheet needs, and linear in the sheet whatever it holds.
constexpr qsizetype kStepsPerCharacter = 64;
constexpr qsizetype kStepsForAnySheet = qsizetype(1) << 22;
constexpr qsizetype kShownLineLength = 200;

MatchBudget budgetFor(QStringView text)
{
    return MatchBudget(kStepsPerCharacter * text.size() + kStepsForAnySheet);
}

QStringList areaStarts()
{
    QStringList starts;
    for (int a = 0; a < kTabCount; ++a)
        starts.append(blockForm(Area(a)).start);
    return starts;
}

// Where the last block of each area starts, at its start comment; -1 for none.
std::array<qsizetype, kTabCount> lastStarts(QStringView css, const QStringList &starts)
{
    std::array<qsizetype, kTabCount> found;
    found.fill(-1);
    for (qsizetype at = css.indexOf(u"/*"); at >= 0; at = css.indexOf(u"/*", at + 2)) {
        const QStringView rest = css.sliced(at);
        for (int a = 0; a < kTabCount; ++a) {
            if (rest.startsWith(starts[a]))
                found[a] = at;
        }
    }
    return found;
}

// The text to set so that the generators write what was read, keeping the option's own text
// where it already writes the same: a colour keeps its label, a greyed box its state.
QString valueToSet(Option option, const QString &current, const QString &read)
{
    if (optionDef(option).kind == OptionKind::Check) {
        const auto ticked = [](const QString &text) { return checkStateNamed(text) == CheckState::Checked; };
        return ticked(current) == ticked(read) ? current : read;
    }
    if (const std::optional<Switch> s = switchOf(option); s && s->kind == SwitchKind::Named)
        return s->nameActedOn(current) == s->nameActedOn(read) ? current : read;
    const WrittenPart part = writtenPart(option);
    if (const int tail = part.lastChars) {
        const QString written = rightChars(current, tail);
        if (written == read)
            return current;
        const QString labelled = current.left(current.size() - written.size()) + read;
        const bool fullLength = rightChars(read, tail - 1) != read;
        return fullLength && rightChars(labelled, tail) == read ? labelled : read;
    }
    if (!part.label.isEmpty())
        return current.mid(part.label.size()) == read.mid(part.label.size()) ? current : read;
    return read;
}

// Check boxes, then choices, each in catalogue order, then texts: the boxes and choices that enable
// fields come first.
int applyRank(Option option)
{
    const OptionKind kind = optionDef(option).kind;
    return kind == OptionKind::Check ? 0 : kind == OptionKind::Choice ? 1 : 2;
}

// What the pieces that count show, one value per option.
QList<Assignment> shownValues(const BlockForm &form, const BlockReading &reading, const QList<int> &counted)
{
    QList<Assignment> all;
    const auto add = [&all](const Assignment &a) {
        if (std::none_of(all.begin(), all.end(), [&a](const Assignment &b) { return b.option == a.option; }))
            all.append(a);
    };
    for (int i : counted) {
        const PieceReading &piece = reading.pieces[i];
        for (const Assignment &a : form.pieces[piece.piece].forms[piece.form].choices)
            add(a);
        for (const Assignment &a : piece.shown.values)
            add(a);
    }
    std::stable_sort(all.begin(), all.end(), [](const Assignment &a, const Assignment &b) {
        return std::pair(applyRank(a.option), rowOf(a.option)) < std::pair(applyRank(b.option), rowOf(b.option));
    });
    return all;
}

// Sets through the dependency rules what the options do not already show; returns what it set.
QList<Assignment> setShown(OptionSet &o, const QList<Assignment> &shown)
{
    QList<Assignment> set;
    for (const Assignment &a : shown) {
        const QString value = valueToSet(a.option, o.value(a.option), a.value);
        if (value == o.value(a.option))
            continue;
        o.setValue(a.option, value);
        set.append({a.option, value});
    }
    return set;
}

// A size the generator adds to but no rule read must still be a number, or it writes nothing.
QList<Assignment> keepSumsNumbers(OptionSet &o, const BlockForm &form)
{
    QList<Assignment> set;
    for (Option option : form.summed) {
        if (!addToDecimal(o.value(option), 0)) {
            o.setValue(option, optionDef(option).defaultValue.toString());
            set.append({option, o.value(option)});
        }
    }
    return set;
}

// The counted pieces the generator does not write back as they were read.
QList<int> unconfirmed(Area area, const OptionSet &trial, const BlockReading &reading, const QList<int> &counted,
                       const QStringList &starts)
{
    const BlockForm &form = blockForm(area);
    const Result<QStringList> block = generateArea(area, trial);
    if (!block) { // a size read as text: drop the pieces that read one
        QList<int> failing;
        for (int i : counted) {
            for (const Assignment &a : reading.pieces[i].shown.values) {
                if (form.summed.contains(a.option) && !addToDecimal(a.value, 0) && !failing.contains(i))
                    failing.append(i);
            }
        }
        return failing.isEmpty() ? counted : failing;
    }
    const QString text = block->join(u"\r\n");
    MatchBudget budget = budgetFor(text);
    const BlockReading again = readBlock(form, text, text.indexOf(form.start) + form.start.size(), starts, budget);
    QList<int> failing;
    for (int i : counted) {
        const PieceReading &read = reading.pieces[i];
        const auto written = std::find_if(again.pieces.begin(), again.pieces.end(),
                                          [&read](const PieceReading &p) { return p.piece == read.piece; });
        if (written == again.pieces.end() || written->form != read.form ||
            written->shown.slotTexts != read.shown.slotTexts)
            failing.append(i);
    }
    return failing;
}

struct AreaOutcome {
    QList<Assignment> set;
    QList<TextSpan> unread;
    bool complete = true;
};

// Reads an area's block and sets in `scratch` what the generator writes back as it was read; a
// piece it does not is left unread and its options as they were.
AreaOutcome importArea(Area area, QStringView css, qsizetype start, OptionSet &scratch, const QStringList &starts,
                       MatchBudget &budget)
{
    const BlockForm &form = blockForm(area);
    const BlockReading reading = readBlock(form, css, start + form.start.size(), starts, budget);
    AreaOutcome outcome{{}, reading.unread, reading.complete};
    QList<int> counted;
    for (int i = 0; i < reading.pieces.size(); ++i)
        counted.append(i);
    while (!counted.isEmpty()) {
        OptionSet trial(scratch);
        QList<Assignment> set = setShown(trial, shownValues(form, reading, counted));
        set += keepSumsNumbers(trial, form);
        const QList<int> failing = unconfirmed(area, trial, reading, counted, starts);
        if (failing.isEmpty()) {
            scratch.assign(trial);
            outcome.set = set;
            break;
        }
        for (int i : failing) {
            const PieceReading &piece = reading.pieces[i];
            outcome.unread.append({piece.begin, piece.end});
            counted.removeAll(i);
        }
    }
    return outcome;
}

// The lines of the unread spans, numbered by a single pass over the sheet.
QList<UnreadLine> unreadLines(QStringView css, const QList<std::pair<Area, TextSpan>> &spans)
{
    struct Entry {
        qsizetype at;
        Area area;
        QStringView text;
    };
    QList<Entry> entries;
    for (const auto &[area, span] : spans) {
        const QStringView whole = css.sliced(span.begin, span.end - span.begin);
        qsizetype lineStart = 0;
        for (qsizetype i = 0; i <= whole.size(); ++i) {
            if (i < whole.size() && !isLineBreak(whole[i]))
                continue;
            const QStringView line = whole.sliced(lineStart, i - lineStart).trimmed();
            if (!line.isEmpty())
                entries.append({span.begin + (line.data() - whole.data()), area, line});
            lineStart = i + 1;
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.at < b.at; });
    QList<UnreadLine> lines;
    int line = 1;
    qsizetype at = 0;
    for (const Entry &entry : entries) {
        for (; at < entry.at; ++at) {
            if (css[at] == u'\n' || (css[at] == u'\r' && (at + 1 >= css.size() || css[at + 1] != u'\n')))
                ++line;
        }
        const QString text = entry.text.size() > kShownLineLength
                                 ? entry.text.first(kShownLineLength).toString() + QStringLiteral("…")
                                 : entry.text.toString();
        lines.append({entry.area, line, text});
    }
    return lines;
}

} // namespace

CssImport importCss(QStringView css, OptionSet &options)
{
    CssImport report;
    const QStringList starts = areaStarts();
    const std::array<qsizetype, kTabCount> found = lastStarts(css, starts);
    QList<Area> inSheetOrder;
    for (int a = 0; a < kTabCount; ++a)
        (found[a] >= 0 ? report.recognised : report.notFound).append(Area(a));
    inSheetOrder = report.recognised;
    // A later block wins where two areas show the same option, as the later rule wins in CSS.
    std::sort(inSheetOrder.begin(), inSheetOrder.end(),
              [&found](Area a, Area b) { return found[int(a)] < found[int(b)]; });

    MatchBudget budget = budgetFor(css);
    OptionSet scratch(options);
    QList<Assignment> set;
    QList<std::pair<Area, TextSpan>> unread;
    for (Area area : inSheetOrder) {
        const AreaOutcome outcome = importArea(area, css, found[int(area)], scratch, starts, budget);
        set += outcome.set;
        for (const TextSpan &span : outcome.unread)
            unread.append({area, span});
        if (!outcome.complete)
            report.incomplete.append(area);
    }
    std::sort(report.incomplete.begin(), report.incomplete.end());

    const OptionSet before(options);
    for (const Assignment &a : set)
        options.setValue(a.option, a.value);
    for (int row = 0; row < kOptionCount; ++row) {
        if (before.value(optionAt(row)) != options.value(optionAt(row)))
            report.changed.append(optionAt(row));
    }
    report.unreadLines = unreadLines(css, unread);
    return report;
}

} // namespace stylewright
