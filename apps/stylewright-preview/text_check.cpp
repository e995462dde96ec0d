#include "stylewright-preview/text_check.h"

#include "stylewright-preview/page_scripts.h"
#include "stylewright-preview/sample_page.h"

namespace stylewright {

void checkTexts(SamplePage &page, std::function<void(Result<QList<TextFinding>>)> done)
{
    page.evaluate(collectTextsScript(), [done = std::move(done)](const QVariant &answer) {
        const std::optional<QList<PageText>> texts = readPageTexts(answer.toString().toUtf8());
        if (!texts) {
            done(Failure{QStringLiteral("示例页面的文字无法检查。"),
                         QStringLiteral("the page's texts came back unreadable")});
            return;
        }
        done(findingsOf(*texts));
    });
}

} // namespace stylewright
