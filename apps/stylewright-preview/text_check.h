#pragma once
// The contrast check of the sample page as it is drawn now: the page's texts read by a script
// beside it, judged against WCAG AA in the program.

#include "base/result.h"
#include "styling/text_findings.h"

#include <functional>

namespace stylewright {

class SamplePage;

// Reads the page's texts and hands back the findings, or why the page gave no usable answer;
// the page is never held up.
void checkTexts(SamplePage &page, std::function<void(Result<QList<TextFinding>>)> done);

} // namespace stylewright
