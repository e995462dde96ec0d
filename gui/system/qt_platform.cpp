#include "system/qt_platform.h"

#include "system/message_text.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QProcess>

namespace stylewright {

bool QtPrompts::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, wrappableText(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::inform(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, wrappableText(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtDesktop::openTextFile(const QString &path)
{
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {QDir::toNativeSeparators(path)});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

bool QtDesktop::openAddress(const QUrl &address)
{
    return QDesktopServices::openUrl(address);
}

} // namespace stylewright
