#include "import/block_form.h"

#include "generators/generators.h"
#include "generators/written_parts.h"
#include "options/option_set.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace stylewright {
namespace {

// One pick per dimension of a group.
using Picks = QList<int>;

// Every text option holding its probe text; the choices keep their design-time values.
OptionSet probeRecord()
{
    OptionSet o;
    for (const OptionDef &def : options()) {
        if (const std::optional<QString> text = probeText(def.option))
            o.setValue(def.option, *text);
    }
    return o;
}

QList<Assignment> probeOf(const ChoiceGroup &group, const Picks &picks)
{
    QList<Assignment> out;
    for (qsizetype d = 0; d < group.size(); ++d)
        out += group[d][picks[d]].probe;
    return out;
}

// Every combination of picks, the first dimension changing slowest.
QList<Picks> allPicks(const ChoiceGroup &group)
{
    QList<Picks> all;
    Picks picks(group.size(), 0);
    for (;;) {
        all.append(picks);
        qsizetype d = group.size() - 1;
        while (d >= 0 && ++picks[d] == group[d].size())
            picks[d--] = 0;
        if (d < 0)
            return all;
    }
}

// The non-blank lines an area writes.
QStringList writtenLines(Area area, const OptionSet &o)
{
    const Result<QStringList> block = generateArea(area, o);
    QStringList lines;
    if (!block) // a probe's sizes are numbers, so this does not happen
        return lines;
    for (const QString &line : block->join(u"\r\n").split(QStringLiteral("\r\n"))) {
        if (!line.trimmed().isEmpty())
            lines.append(line);
    }
    return lines;
}

TemplateLine tokenize(QStringView line, const QList<Assignment> &probe)
{
    const auto probedValue = [&probe](Option option) {
        for (const Assignment &a : probe) {
            if (a.option == option)
                return a.value;
        }
        return probeText(option).value_or(QString());
    };
    TemplateLine t;
    QString literal;
    const auto addSlot = [&](Slot slot) {
        t.literals.append(literal);
        literal.clear();
        t.gaps.append(slot);
    };
    for (qsizetype i = 0; i < line.size();) {
        if (const std::optional<Option> option = probedOption(line[i])) {
            const QString value = probedValue(*option);
            QStringList blankEnded;
            for (QStringView item : optionDef(*option).items) {
                if (item.endsWith(u' '))
                    blankEnded.append(item.toString());
            }
            addSlot({*option, 0, value.left(value.indexOf(line[i])), writtenPart(*option).lastChars, blankEnded});
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < line.size() && line[end].isDigit() && line[end].unicode() < 128)
            ++end;
        if (end > i) {
            if (const std::optional<ProbedNumber> number = probedNumber(line.sliced(i, end - i)))
                addSlot({number->option, number->addend, QString(), 0, {}});
            else
                literal += line.sliced(i, end - i);
            i = end;
            continue;
        }
        literal += line[i++];
    }
    t.literals.append(literal);
    return t;
}

QList<TemplateLine> tokenizeAll(const QStringList &lines, const QList<Assignment> &probe)
{
    QList<TemplateLine> out;
    for (const QString &line : lines)
        out.append(tokenize(line, probe));
    return out;
}

// A group of choices with the area's lines for each combination of its picks, and the range of
// the base lines those combinations reshape.
struct ProbedGroup {
    ChoiceGroup group;
    QList<Picks> picks;
    QList<QStringList> lines;
    qsizetype start = 0, end = 0;
    bool reshapes = false; // some combination writes other lines than the base
};

ProbedGroup probeGroup(Area area, const ChoiceGroup &group, const OptionSet &base, const QStringList &baseLines)
{
    ProbedGroup probed{group, allPicks(group), {}, baseLines.size(), 0, false};
    for (const Picks &picks : probed.picks) {
        OptionSet o(base);
        for (const Assignment &a : probeOf(group, picks))
            o.setValue(a.option, a.value);
        const QStringList lines = writtenLines(area, o);
        const qsizetype shorter = std::min(lines.size(), baseLines.size());
        qsizetype head = 0, tail = 0;
        while (head < shorter && lines[head] == baseLines[head])
            ++head;
        while (tail < shorter - head && lines[lines.size() - 1 - tail] == baseLines[baseLines.size() - 1 - tail])
            ++tail;
        if (head < shorter || lines.size() != baseLines.size()) {
            probed.reshapes = true;
            probed.start = std::min(probed.start, head);
            probed.end = std::max(probed.end, baseLines.size() - tail);
        }
        probed.lines.append(lines);
    }
    probed.end = std::max(probed.end, probed.start);
    return probed;
}

// Two groups reshape the same lines, or insert where the other reshapes: they are one piece.
bool clash(const ProbedGroup &a, const ProbedGroup &b)
{
    if (a.start < b.end && b.start < a.end)
        return true;
    const auto insertsInto = [](const ProbedGroup &x, const ProbedGroup &y) {
        return x.start == x.end && y.start <= x.start && x.start <= y.end;
    };
    return insertsInto(a, b) || insertsInto(b, a);
}

Piece pieceOf(const ProbedGroup &probed, qsizetype baseSize)
{
    const auto pieceLines = [&](qsizetype combination) {
        const QStringList &lines = probed.lines[combination];
        return lines.mid(probed.start, lines.size() - (baseSize - probed.end) - probed.start);
    };
    QStringList keys;
    for (qsizetype c = 0; c < probed.picks.size(); ++c)
        keys.append(pieceLines(c).join(u'\n'));
    const auto combinationOf = [&](const Picks &picks) { return probed.picks.indexOf(picks); };

    Piece piece;
    QHash<QString, int> seen;
    for (qsizetype c = 0; c < probed.picks.size(); ++c) {
        if (seen.contains(keys[c]))
            continue;
        seen.insert(keys[c], int(c));
        PieceForm form{tokenizeAll(pieceLines(c), probeOf(probed.group, probed.picks[c])), {}};
        // A dimension whose every pick gives this form is not shown by it: the import leaves it alone.
        for (qsizetype d = 0; d < probed.group.size(); ++d) {
            Picks other = probed.picks[c];
            bool shown = false;
            for (int pick = 0; pick < probed.group[d].size() && !shown; ++pick) {
                other[d] = pick;
                shown = keys[combinationOf(other)] != keys[c];
            }
            if (shown)
                form.choices += probed.group[d][probed.picks[c][d]].import;
        }
        piece.forms.append(form);
    }
    return piece;
}

BlockForm buildForm(Area area)
{
    const QList<ChoiceGroup> groups = choiceGroups(area);
    OptionSet base = probeRecord();
    for (const ChoiceGroup &group : groups) {
        for (const Assignment &a : probeOf(group, Picks(group.size(), 0)))
            base.setValue(a.option, a.value);
    }
    const QStringList baseLines = writtenLines(area, base);

    QList<ProbedGroup> probed;
    for (const ChoiceGroup &group : groups) {
        ProbedGroup one = probeGroup(area, group, base, baseLines);
        if (one.reshapes)
            probed.append(one);
    }
    for (bool merged = true; merged;) {
        merged = false;
        for (qsizetype i = 0; i < probed.size() && !merged; ++i) {
            for (qsizetype j = i + 1; j < probed.size() && !merged; ++j) {
                if (clash(probed[i], probed[j])) {
                    probed[i] = probeGroup(area, probed[i].group + probed[j].group, base, baseLines);
                    probed.removeAt(j);
                    merged = true;
                }
            }
        }
    }
    std::sort(probed.begin(), probed.end(), [](const ProbedGroup &a, const ProbedGroup &b) {
        return std::pair(a.start, a.end) < std::pair(b.start, b.end);
    });

    BlockForm form{baseLines.value(0), {}, {}};
    qsizetype line = 1; // the start comment is found, not matched
    const auto addFixedUpTo = [&](qsizetype end) {
        for (; line < end; ++line)
            form.pieces.append(Piece{{PieceForm{{tokenize(baseLines[line], {})}, {}}}});
    };
    for (const ProbedGroup &group : probed) {
        addFixedUpTo(group.start);
        form.pieces.append(pieceOf(group, baseLines.size()));
        line = std::max(line, group.end);
    }
    addFixedUpTo(baseLines.size());
    for (const Piece &piece : form.pieces) {
        for (const PieceForm &pieceForm : piece.forms) {
            for (const TemplateLine &templateLine : pieceForm.lines) {
                for (const Slot &slot : templateLine.gaps) {
                    if (slot.addend != 0 && !form.summed.contains(slot.option))
                        form.summed.append(slot.option);
                }
            }
        }
    }
    return form;
}

} // namespace

bool Piece::canBeAbsent() const
{
    return std::any_of(forms.begin(), forms.end(), [](const PieceForm &form) { return form.lines.isEmpty(); });
}

const BlockForm &blockForm(Area area)
{
    static const std::array<BlockForm, kTabCount> forms = [] {
        std::array<BlockForm, kTabCount> all;
        for (int a = 0; a < kTabCount; ++a)
            all[a] = buildForm(Area(a));
        return all;
    }();
    return forms[int(area)];
}

} // namespace stylewright
