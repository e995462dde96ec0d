#pragma once
// The real message boxes and desktop launcher.

#include "platform/desktop.h"
#include "platform/prompts.h"

class QWidget;

namespace stylewright {

class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    bool askYesNo(const QString &title, const QString &text) override;
    void inform(const QString &title, const QString &text) override;

private:
    QWidget *m_parent;
};

class QtDesktop final : public Desktop {
public:
    bool openTextFile(const QString &path) override;
    bool openAddress(const QUrl &address) override;
};

} // namespace stylewright
