#include "system/qt_platform.h"

#include "system/message_text.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>

namespace stylewright {
namespace {

// Messages carry paths, field values and file contents: shown as the characters they are, never
// as markup, so no text from a file can make a link the box would open.
void showAsPlainText(QMessageBox &box)
{
    box.setTextFormat(Qt::PlainText);
    for (QLabel *label : box.findChildren<QLabel *>())
        label->setOpenExternalLinks(false);
}

} // namespace

bool QtPrompts::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, wrappableText(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    showAsPlainText(box);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::inform(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, wrappableText(text), QMessageBox::Ok, m_parent);
    showAsPlainText(box);
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
