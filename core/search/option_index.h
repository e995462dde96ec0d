#pragma once
// Every option's searchable texts (caption, group, tab, tooltip, choice items, identifier), each
// Chinese text also as full pinyin and as pinyin initials, and the ranked search over them. The
// readings of the Han characters are handed in, so the index needs no transliterator of its own.

#include "options/catalogue.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace stylewright {

// Which text a query word matched, best first. In texts other than the caption, pinyin matches
// from the start of a phrase only: "dh" finds "3.导航设置" but not the "的好" of "9.我的好友".
enum class MatchRank : quint8 {
    CaptionPrefix,
    CaptionContains,
    InitialsPrefix,  // the caption's pinyin initials start with the word
    PinyinPrefix,    // the caption's full pinyin starts with the word
    PinyinInCaption, // initials or full pinyin from a later syllable of the caption
    GroupOrTab,      // the group heading, the tab's name or another label beside the field
    Other,           // tooltip, choice item or identifier
};

struct OptionMatch {
    Option option;
    MatchRank rank; // of the word that matched worst
};

// A text as pinyin: syllables without tones run together, and their first letters.
struct Pinyin {
    QString full;
    QString initials;
    QList<int> starts;   // where each syllable starts in `full`
    QList<bool> phrases; // whether each syllable starts a phrase: the text's first, or after a non-Han character
};

class OptionIndex {
public:
    OptionIndex(); // every option's texts, no pinyin yet

    // Every Han character of the texts once, one per line: what a transliterator is to read.
    QString hanCharacters() const;
    // Takes the readings of hanCharacters(), line for line ("bei"; tone marks removed or not).
    // Readings that do not match the characters line for line are refused and change nothing.
    bool addReadings(QStringView readings);
    bool hasReadings() const { return !m_readings.isEmpty(); }

    // The text as pinyin, by the readings taken; characters without a reading are left out.
    Pinyin pinyinOf(QStringView text) const;

    // The options each blank-separated word of the query matches, best first; ties keep the
    // catalogue's order. Case is ignored.
    QList<OptionMatch> find(QStringView query) const;

private:
    struct Text {
        QString folded;
        Pinyin pinyin; // empty for a text without Han characters, or before the readings
    };
    struct Entry {
        Option option;
        Text caption;
        std::vector<Text> beside; // group, tab, label
        std::vector<Text> other;  // tooltip, items, identifier
    };

    Text text(QStringView raw) const;
    static std::optional<MatchRank> rankOf(const Entry &entry, const QString &word, bool latin);

    std::vector<Entry> m_entries;
    QHash<char16_t, QString> m_readings;
};

} // namespace stylewright
