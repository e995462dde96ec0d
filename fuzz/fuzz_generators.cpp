// Arbitrary texts in every option (including invalid UTF-16 and 100 000-character texts), every
// area: never a crash; either a block or the not-a-number error, never both or neither.

#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/catalogue.h"
#include "options/option_set.h"

#include <cstdlib>
#include <cstring>

using namespace stylewright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Raw UTF-16 code units, lone surrogates and all; 0xFFFF separates the option texts.
    QString all(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(all.data(), data, (size / 2) * 2);
    const QStringList texts = all.split(QChar(0xFFFF));

    OptionSet o;
    for (int i = 0; i < texts.size() && i < kOptionCount; ++i) {
        QString text = texts[i];
        if (text.startsWith(QChar(0xFFFE)) && !text.isEmpty()) // a marker for a huge text
            text = text.repeated(100000 / text.size() + 1).left(100000);
        if (options()[i].kind == OptionKind::Check)
            o.setValue(optionAt(i), QString::number(text.isEmpty() ? 0 : text.front().unicode() % 3));
        else
            o.setValue(optionAt(i), text);
    }
    for (const TabDef &tab : tabs()) {
        const GeneratedBlock block = generate(tab.areaButton, o);
        if (block.error.isEmpty() == block.writes.isEmpty())
            std::abort();
        (void)encodeBlock(block.writes);
    }
    return 0;
}
