#include "search/option_index.h"

#include "options/field_captions.h"

#include <QSet>
#include <algorithm>

namespace stylewright {
namespace {

bool isHan(QChar c)
{
    return c.script() == QChar::Script_Han;
}

// A reading as plain lower-case letters: "Bèi" and "bei" both read "bei".
QString plainLetters(QStringView reading)
{
    QString letters;
    for (QChar c : reading.toString().normalized(QString::NormalizationForm_D)) {
        const char16_t u = c.toLower().unicode();
        if (u >= u'a' && u <= u'z')
            letters.append(QChar(u));
    }
    return letters;
}

// Words of ASCII letters can be pinyin; any other word is matched as typed.
bool isLatinWord(const QString &word)
{
    return std::all_of(word.begin(), word.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

QStringList wordsOf(QStringView query)
{
    QStringList words;
    QString word;
    for (QChar c : query) {
        if (c.isSpace()) {
            if (!word.isEmpty())
                words.append(std::exchange(word, {}));
        } else {
            word.append(c);
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

// The syllable where the word starts, if it starts at one (at a phrase, if asked): 0 for the first.
std::optional<int> syllableMatch(const Pinyin &pinyin, const QString &word, bool phrasesOnly)
{
    for (int s = 0; s < pinyin.initials.size(); ++s) {
        if (phrasesOnly && !pinyin.phrases[s])
            continue;
        if (QStringView(pinyin.initials).mid(s).startsWith(word) ||
            QStringView(pinyin.full).mid(pinyin.starts[s]).startsWith(word))
            return s;
    }
    return std::nullopt;
}

// Every text of every entry: caption, texts beside the field, other texts.
template <typename Entries, typename Use> void forEachText(Entries &entries, Use use)
{
    for (auto &entry : entries) {
        use(entry.caption);
        for (auto &t : entry.beside)
            use(t);
        for (auto &t : entry.other)
            use(t);
    }
}

} // namespace

OptionIndex::OptionIndex()
{
    m_entries.reserve(kOptionCount);
    for (const OptionDef &def : options()) {
        Entry entry{def.option, text(fieldCaption(def.option)), {}, {}};
        for (QStringView beside : {QStringView(def.group), tabDef(def.area).caption})
            entry.beside.push_back(text(beside));
        if (const QString label = fieldLabel(def.option); !label.isEmpty())
            entry.beside.push_back(text(label));
        for (QStringView other : {def.tooltip, def.id})
            entry.other.push_back(text(other));
        for (QStringView item : def.items)
            entry.other.push_back(text(item));
        m_entries.push_back(std::move(entry));
    }
}

QString OptionIndex::hanCharacters() const
{
    QSet<char16_t> seen;
    QList<char16_t> characters;
    forEachText(m_entries, [&](const Text &t) {
        for (QChar c : t.folded) {
            if (isHan(c) && !seen.contains(c.unicode())) {
                seen.insert(c.unicode());
                characters.append(c.unicode());
            }
        }
    });
    std::sort(characters.begin(), characters.end());
    QString lines;
    for (char16_t c : std::as_const(characters)) {
        if (!lines.isEmpty())
            lines.append(u'\n');
        lines.append(QChar(c));
    }
    return lines;
}

bool OptionIndex::addReadings(QStringView readings)
{
    const QString characters = hanCharacters();
    const QList<QStringView> lines = readings.split(u'\n');
    if (lines.size() != (characters.size() + 1) / 2)
        return false;
    QHash<char16_t, QString> table;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString letters = plainLetters(lines[i]);
        if (!letters.isEmpty())
            table.insert(characters[i * 2].unicode(), letters);
    }
    m_readings = std::move(table);
    forEachText(m_entries, [this](Text &t) { t.pinyin = pinyinOf(t.folded); });
    return true;
}

Pinyin OptionIndex::pinyinOf(QStringView text) const
{
    Pinyin pinyin;
    bool phrase = true;
    for (QChar c : text) {
        const auto reading = isHan(c) ? m_readings.constFind(c.unicode()) : m_readings.constEnd();
        if (reading == m_readings.constEnd()) {
            phrase = true;
            continue;
        }
        pinyin.phrases.append(std::exchange(phrase, false));
        pinyin.starts.append(int(pinyin.full.size()));
        pinyin.full += *reading;
        pinyin.initials += reading->front();
    }
    return pinyin;
}

OptionIndex::Text OptionIndex::text(QStringView raw) const
{
    const QString folded = raw.toString().toCaseFolded();
    return {folded, pinyinOf(folded)};
}

std::optional<MatchRank> OptionIndex::rankOf(const Entry &entry, const QString &word, bool latin)
{
    const Text &caption = entry.caption;
    if (caption.folded.startsWith(word))
        return MatchRank::CaptionPrefix;
    if (caption.folded.contains(word))
        return MatchRank::CaptionContains;
    if (latin) {
        if (caption.pinyin.initials.startsWith(word))
            return MatchRank::InitialsPrefix;
        if (caption.pinyin.full.startsWith(word))
            return MatchRank::PinyinPrefix;
        if (syllableMatch(caption.pinyin, word, false))
            return MatchRank::PinyinInCaption;
    }
    const auto matches = [&](const Text &t) {
        return t.folded.contains(word) || (latin && syllableMatch(t.pinyin, word, true));
    };
    if (std::any_of(entry.beside.begin(), entry.beside.end(), matches))
        return MatchRank::GroupOrTab;
    if (std::any_of(entry.other.begin(), entry.other.end(), matches))
        return MatchRank::Other;
    return std::nullopt;
}

QList<OptionMatch> OptionIndex::find(QStringView query) const
{
    const QStringList words = wordsOf(query.toString().toCaseFolded());
    if (words.isEmpty())
        return {};
    std::vector<bool> latin;
    for (const QString &word : words)
        latin.push_back(isLatinWord(word));
    struct Scored {
        OptionMatch match;
        int sum;
    };
    std::vector<Scored> scored;
    for (const Entry &entry : m_entries) {
        MatchRank worst = MatchRank::CaptionPrefix;
        int sum = 0;
        bool all = true;
        for (qsizetype w = 0; w < words.size() && all; ++w) {
            const std::optional<MatchRank> rank = rankOf(entry, words[w], latin[w]);
            all = rank.has_value();
            if (all) {
                worst = std::max(worst, *rank);
                sum += int(*rank);
            }
        }
        if (all)
            scored.push_back({{entry.option, worst}, sum});
    }
    // Stable: equal scores stay in catalogue order.
    std::stable_sort(scored.begin(), scored.end(), [](const Scored &a, const Scored &b) {
        return std::pair(a.match.rank, a.sum) < std::pair(b.match.rank, b.sum);
    });
    QList<OptionMatch> matches;
    matches.reserve(qsizetype(scored.size()));
    for (const Scored &s : scored)
        matches.append(s.match);
    return matches;
}

} // namespace stylewright
