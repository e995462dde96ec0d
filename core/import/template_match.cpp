#include "import/template_match.h"

#include "generators/css_text.h"

namespace stylewright {
namespace {

// Loosely laid out, a text has no line end to stop it: it is taken up to this long.
constexpr qsizetype kLongestLooseValue = 2048;
// Places an open text may end that the rest of the line also fits, before the line is given up.
constexpr int kMostEndsTried = 32;

bool isBrace(QChar c)
{
    return c == u'{' || c == u'}';
}

// A blank the generator writes next to a brace: loosely, the text may have any blanks there, or none.
bool isSoftBlank(QStringView literal, qsizetype i)
{
    if (!isBlank(literal[i]))
        return false;
    qsizetype first = i, last = i;
    while (first > 0 && isBlank(literal[first - 1]))
        --first;
    while (last + 1 < literal.size() && isBlank(literal[last + 1]))
        ++last;
    return (first > 0 && isBrace(literal[first - 1])) || (last + 1 < literal.size() && isBrace(literal[last + 1]));
}

// Takes a slot's text into a reading, or gives it back.
void take(LineReading &reading, const Slot &slot, const QString &text, int score)
{
    reading.slotTexts.append(text);
    if (slot.addend == 0)
        reading.values.append({slot.option, slot.prefix.isEmpty() ? text : slot.prefix + text});
    reading.score += score;
}

void giveBack(LineReading &reading, const Slot &slot, int score)
{
    reading.slotTexts.removeLast();
    if (slot.addend == 0)
        reading.values.removeLast();
    reading.score -= score;
}

} // namespace

struct LineMatcher::Expected {
    enum Kind { Open, Known, Impossible } kind;
    QString text;
};

qsizetype LineMatcher::match(const TemplateLine &line, qsizetype from, qsizetype limit, LineReading &reading)
{
    m_limit = limit;
    // Values other rules of the block show are tried first; an open text only when they do not fit.
    for (bool preferring : {true, false}) {
        if (preferring && !m_preferred)
            continue;
        m_preferring = preferring;
        const qsizetype end = matchAll(line, from, reading);
        if (end >= 0)
            return end;
    }
    return -1;
}

qsizetype LineMatcher::matchAll(const TemplateLine &line, qsizetype from, LineReading &reading)
{
    const qsizetype texts = reading.slotTexts.size(), values = reading.values.size();
    const int score = reading.score;
    const qsizetype start = matchLiteral(line.literals.front(), from, reading.score);
    const qsizetype end = start < 0 ? -1 : matchSlots(line, 0, start, reading);
    if (end < 0) {
        reading.slotTexts.resize(texts);
        reading.values.resize(values);
        reading.score = score;
    }
    return end;
}

LineMatcher::Expected LineMatcher::expected(const Slot &slot, const LineReading &reading) const
{
    const QString *value = nullptr;
    for (auto it = reading.values.crbegin(); it != reading.values.crend() && !value; ++it) {
        if (it->option == slot.option)
            value = &it->value;
    }
    if (!value)
        value = m_known.find(slot.option);
    if (!value && m_preferring)
        value = m_preferred->find(slot.option);
    if (!value)
        return {Expected::Open, {}};
    if (slot.addend != 0) {
        const std::optional<QString> sum = addToDecimal(*value, slot.addend);
        return sum ? Expected{Expected::Known, *sum} : Expected{Expected::Impossible, {}};
    }
    if (!value->startsWith(slot.prefix))
        return {Expected::Impossible, {}};
    return {Expected::Known, value->mid(slot.prefix.size())};
}

qsizetype LineMatcher::matchSlots(const TemplateLine &line, qsizetype slot, qsizetype pos, LineReading &reading)
{
    if (slot == line.gaps.size())
        return m_layout == Layout::Strict && pos != m_limit ? -1 : pos;
    const Slot &s = line.gaps[slot];
    const Expected known = expected(s, reading);
    if (known.kind == Expected::Impossible)
        return -1;
    if (known.kind == Expected::Open)
        return matchOpenSlot(line, slot, pos, reading);
    const qsizetype valueEnd = matchValue(known.text, pos);
    int score = 0;
    const qsizetype after = valueEnd < 0 ? -1 : matchLiteral(line.literals[slot + 1], valueEnd, score);
    if (after < 0)
        return -1;
    take(reading, s, known.text, score);
    const qsizetype done = matchSlots(line, slot + 1, after, reading);
    if (done < 0)
        giveBack(reading, s, score);
    return done;
}

qsizetype LineMatcher::matchOpenSlot(const TemplateLine &line, qsizetype slot, qsizetype pos, LineReading &reading)
{
    const Slot &s = line.gaps[slot];
    const QStringView next = line.literals[slot + 1];
    const qsizetype reach = m_layout == Layout::Strict ? m_limit : looseReach(pos);
    int tried = 0;
    for (qsizetype from = pos;;) {
        const qsizetype end = nextEnd(next, from, pos, reach);
        if (end < 0 || end - pos > qsizetype(kMaxTextLength) || m_budget.exhausted())
            return -1;
        from = end + 1;
        if (s.maxChars > 0 && end - pos > 2 * s.maxChars) // too long even in surrogate pairs
            return -1;
        int score = 0;
        const qsizetype after = matchLiteral(next, end, score);
        if (after < 0)
            continue;
        QString text = m_text.sliced(pos, end - pos).toString();
        // "bottom center " is a list item: loosely, the blank before the brace may be the item's
        if (m_layout == Layout::Loose && end < m_limit && m_text[end] == u' ' &&
            s.itemsEndingInBlank.contains(text + u' '))
            text += u' ';
        if (s.maxChars > 0 && rightChars(text, s.maxChars).size() != text.size())
            continue;
        if (++tried > kMostEndsTried)
            return -1;
        take(reading, s, text, score);
        const qsizetype done = matchSlots(line, slot + 1, after, reading);
        if (done >= 0)
            return done;
        giveBack(reading, s, score);
    }
}

// How far a loosely laid out text from `pos` can reach: to its rule's next brace or line break,
// which it never holds, so that it cannot run into other rules; a brace may follow after blanks.
qsizetype LineMatcher::looseReach(qsizetype pos)
{
    const qsizetype stop = std::min(m_limit, pos + kLongestLooseValue);
    qsizetype i = pos;
    while (i < stop && !isBrace(m_text[i]) && !isLineBreak(m_text[i]))
        ++i;
    while (i < m_limit && isSpace(m_text[i]))
        ++i;
    m_budget.spend(i - pos + 1);
    return std::min(m_limit, i + 1);
}

qsizetype LineMatcher::matchLiteral(QStringView literal, qsizetype pos, int &score)
{
    if (m_layout == Layout::Strict) {
        if (!m_budget.spend(literal.size() + 1) || literal.size() > m_limit - pos ||
            m_text.sliced(pos, literal.size()) != literal)
            return -1;
        score += int(literal.size());
        return pos + literal.size();
    }
    qsizetype j = pos;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        const QChar c = literal[i];
        if (isSoftBlank(literal, i))
            continue;
        if (isBrace(c)) {
            while (j < m_limit && isSpace(m_text[j]))
                ++j;
        }
        if (j >= m_limit || m_text[j] != c)
            return -1;
        ++j;
        ++score;
        if (isBrace(c)) {
            bool blank = false;
            for (; j < m_limit && isSpace(m_text[j]); ++j)
                blank = blank || isBlank(m_text[j]);
            if (blank && i + 1 < literal.size() && isBlank(literal[i + 1]))
                ++score; // the blank the generator writes after this brace is there
        }
    }
    return m_budget.spend(j - pos + 1) ? j : -1;
}

qsizetype LineMatcher::matchValue(QStringView value, qsizetype pos)
{
    if (!m_budget.spend(value.size() + 1) || value.size() > m_limit - pos || m_text.sliced(pos, value.size()) != value)
        return -1;
    return pos + value.size();
}

// The next place at or after `from` where an open text that starts at `pos` can end with `literal`
// following it; -1 when there is none.
qsizetype LineMatcher::nextEnd(QStringView literal, qsizetype from, qsizetype pos, qsizetype reach)
{
    if (from > reach)
        return -1;
    if (literal.isEmpty()) // the text runs to the end of the line
        return reach;
    const QStringView within = m_text.first(reach);
    if (m_layout == Layout::Strict) {
        const qsizetype at = within.indexOf(literal, from);
        m_budget.spend((at < 0 ? reach : at) - from + 1);
        return at;
    }
    qsizetype first = 0;
    while (first < literal.size() && isSoftBlank(literal, first))
        ++first;
    const QChar c = literal[first];
    const qsizetype at = within.indexOf(c, from);
    m_budget.spend((at < 0 ? reach : at) - from + 1);
    if (at < 0)
        return -1;
    qsizetype end = at;
    if (isBrace(c)) { // blanks and line breaks before a brace are layout, not text
        while (end > from && end > pos && isSpace(m_text[end - 1]))
            --end;
    }
    return end;
}

} // namespace stylewright
