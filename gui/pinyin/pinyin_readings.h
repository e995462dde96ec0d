#pragma once
// The Mandarin readings of Han characters, from ICU's transliterators.

#include <QString>

namespace stylewright {

// Each line of `lines` in pinyin without tones ("背\n景" -> "bei\njing"), by ICU's "Han-Latin"
// then "Latin-ASCII"; empty when ICU has no such transliterator. Safe on any thread. The first
// call in a process builds the transliterator, which takes a third of a second.
QString pinyinReadings(const QString &lines);

} // namespace stylewright
