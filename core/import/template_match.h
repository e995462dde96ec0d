#pragma once
// Matches template lines against sheet text: strictly, as the generator lays a block out, or
// loosely, with blanks around braces and line breaks between and inside rules as fetched or
// reformatted sheets have them. Open texts are taken as short as the rest of the line allows,
// trying longer ones when it does not; loosely, an open text holds no brace and no line break, so
// that it cannot run into the next rule. A budget bounds the work any text can cause.

#include "import/block_form.h"

#include <QStringView>
#include <array>
#include <optional>

namespace stylewright {

class MatchBudget {
public:
    explicit MatchBudget(qsizetype steps) : m_left(steps) {}
    // False once the budget is spent; every compared or scanned character costs one step.
    bool spend(qsizetype steps)
    {
        m_left -= steps;
        return m_left >= 0;
    }
    bool exhausted() const { return m_left < 0; }

private:
    qsizetype m_left;
};

enum class Layout { Strict, Loose };

// The values a block's rules have shown so far, by option (with any prefix, as the option holds it).
class KnownValues {
public:
    const QString *find(Option option) const
    {
        const auto &slot = m_values[rowOf(option)];
        return slot ? &*slot : nullptr;
    }
    void set(Option option, const QString &value) { m_values[rowOf(option)] = value; }

private:
    std::array<std::optional<QString>, kOptionCount> m_values;
};

// What one line, or the lines of one piece, showed.
struct LineReading {
    QStringList slotTexts;    // the written text of every slot, in order
    QList<Assignment> values; // every slot that shows an option's text (not a sum), as the option holds it
    int score = 0;            // literal characters matched: the better-fitting form scores higher
};

class LineMatcher {
public:
    // `preferred`: values the block may show where `known` has none; tried before open texts.
    LineMatcher(QStringView text, Layout layout, const KnownValues &known, const KnownValues *preferred,
                MatchBudget &budget)
        : m_text(text), m_layout(layout), m_known(known), m_preferred(preferred), m_budget(budget)
    {
    }

    // Matches `line` at `from`; strictly it must end exactly at `limit`. Adds what it read to
    // `reading` and returns where the match ends, or -1 (leaving `reading` as it was).
    qsizetype match(const TemplateLine &line, qsizetype from, qsizetype limit, LineReading &reading);

private:
    struct Expected;
    qsizetype matchAll(const TemplateLine &line, qsizetype from, LineReading &reading);
    Expected expected(const Slot &slot, const LineReading &reading) const;
    qsizetype matchSlots(const TemplateLine &line, qsizetype slot, qsizetype pos, LineReading &reading);
    qsizetype matchOpenSlot(const TemplateLine &line, qsizetype slot, qsizetype pos, LineReading &reading);
    qsizetype matchLiteral(QStringView literal, qsizetype pos, int &score);
    qsizetype matchValue(QStringView value, qsizetype pos);
    qsizetype nextEnd(QStringView literal, qsizetype from, qsizetype pos, qsizetype reach);
    qsizetype looseReach(qsizetype pos);

    QStringView m_text;
    Layout m_layout;
    const KnownValues &m_known;
    const KnownValues *m_preferred;
    MatchBudget &m_budget;
    qsizetype m_limit = 0;
    bool m_preferring = false;
};

inline bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}
inline bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
inline bool isSpace(QChar c)
{
    return isBlank(c) || isLineBreak(c) || c == u'\f' || c == u'\v';
}

} // namespace stylewright
