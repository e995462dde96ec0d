#include "support/fakes.h"

namespace stylewright::testing {

bool FakePrompts::askYesNo(const QString &title, const QString &text)
{
    shown.append({title, text, true});
    return answers.isEmpty() ? false : answers.takeFirst();
}

void FakePrompts::inform(const QString &title, const QString &text)
{
    shown.append({title, text, false});
}

bool FakeDesktop::openTextFile(const QString &path)
{
    if (nothingOpens)
        return false;
    openedFiles.append(path);
    return true;
}

bool FakeDesktop::openAddress(const QUrl &address)
{
    openedAddresses.append(address);
    return true;
}

} // namespace stylewright::testing
