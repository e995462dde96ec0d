#pragma once
// Test doubles for the platform interfaces: scripted answers, recorded messages and launches.

#include "platform/desktop.h"
#include "platform/prompts.h"

#include <QList>
#include <QString>
#include <QUrl>

namespace stylewright::testing {

struct ShownPrompt {
    QString title;
    QString text;
    bool question = false;
};

class FakePrompts final : public Prompts {
public:
    QList<bool> answers;      // next Yes/No answers; No when none is left
    QList<ShownPrompt> shown; // every box, in order

    bool askYesNo(const QString &title, const QString &text) override;
    void inform(const QString &title, const QString &text) override;
};

class FakeDesktop final : public Desktop {
public:
    QStringList openedFiles;
    QList<QUrl> openedAddresses;
    bool nothingOpens = false; // as on a desktop without a program for the file

    bool openTextFile(const QString &path) override;
    bool openAddress(const QUrl &address) override;
};

} // namespace stylewright::testing
