#include "tools/contact_windows.h"

#include "platform/desktop.h"
#include "service/outside_links.h"
#include "tools/window_shape.h"

#include <QPlainTextEdit>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace stylewright {
namespace {

QWidget *contactWindow(const QString &name, const QString &caption)
{
    auto *window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(name);
    window->setWindowTitle(caption);
    auto *details = new QPlainTextEdit(kContactText.toString(), window);
    details->setObjectName(QStringLiteral("txtjs"));
    details->setReadOnly(true);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(details);
    window->resize(340, 240);
    return window;
}

} // namespace

QWidget *createAboutWindow()
{
    QWidget *window = contactWindow(QStringLiteral("Form1"), QStringLiteral("关于"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    keepCornersRounded(window, 24);
    return window;
}

QWidget *createConnectWindow(Desktop &desktop)
{
    QWidget *window = contactWindow(QStringLiteral("frmconnect"), u"联系" + kAuthorHandle);
    auto *details = window->findChild<QPlainTextEdit *>(QStringLiteral("txtjs"));
    onClick(details->viewport(), [&desktop] { desktop.openAddress(QUrl(kLinks.authorSpace.toString())); });
    return window;
}

} // namespace stylewright
