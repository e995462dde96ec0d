// Arbitrary bytes as the page's answers: its texts, an element under the pointer, a selector.
// Never a crash; every finding is one line of five fields, with a ratio from 1 to 21.

#include "styling/page_selectors.h"
#include "styling/text_findings.h"

#include <cstdlib>

using namespace stylewright;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<QList<PageText>> texts = readPageTexts(bytes)) {
        for (const TextFinding &finding : findingsOf(*texts)) {
            check(findingLine(finding).count(u'\t') >= 4);
            check(finding.readability == Readability::Unknown || (finding.ratio >= 1 && finding.ratio <= 21.0001));
        }
    }
    if (const std::optional<ElementChain> chain = readElementChain(bytes)) {
        if (const std::optional<ElementStyling> styling = stylingOf(*chain))
            check(styling->element >= 0 && styling->element < chain->size());
    }
    if (const std::optional<QList<ComplexSelector>> selectors = parseSelectors(QString::fromUtf8(bytes))) {
        for (const ComplexSelector &selector : *selectors)
            check(parseSelectors(selector.withoutStates()).has_value());
    }
    return 0;
}
