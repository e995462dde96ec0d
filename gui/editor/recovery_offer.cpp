#include "editor/recovery_offer.h"

#include "options/option_set.h"
#include "options/recovery_file.h"
#include "platform/prompts.h"

#include <QFile>
#include <QFileInfo>

namespace stylewright {

void offerRecovery(const QString &path, Prompts &prompts, const std::function<void(const OptionSet &)> &restore)
{
    if (!QFileInfo::exists(path))
        return;
    const Result<OptionSet> recovered = readRecovery(path);
    if (!recovered) {
        logFailure(recovered.failure());
        const Result<QString> aside = keepRecoveryAside(path);
        if (!aside)
            logFailure(aside.failure());
        const QString where = aside ? QStringLiteral("，已改名为 %1").arg(QFileInfo(*aside).fileName()) : QString();
        prompts.inform(kInfoTitle, recovered.failure().message + u"，没有载入" + where + u"。");
        return;
    }
    if (prompts.askYesNo(kConfirmTitle, kRecoveryQuestion)) {
        restore(*recovered);
        return;
    }
    if (!QFile::remove(path))
        logFailure({{}, u"remove " + path + u": it stays and is offered again"});
}

} // namespace stylewright
