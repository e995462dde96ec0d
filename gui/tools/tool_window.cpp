#include "tools/tool_window.h"

#include "platform/desktop.h"
#include "service/search_word.h"
#include "service/space_address.h"
#include "tools/window_shape.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace stylewright {
namespace {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    parent->layout()->addWidget(b);
    return b;
}

QLineEdit *field(QWidget *parent, const QString &name, const QString &text)
{
    auto *f = new QLineEdit(text, parent);
    f->setObjectName(name);
    f->setCursorPosition(0);
    parent->layout()->addWidget(f);
    return f;
}

} // namespace

ToolWindow::ToolWindow(const QString &programFolder, Desktop &desktop, std::function<void()> openContact,
                       QWidget *parent)
    : QWidget(parent, Qt::Window), m_programFolder(programFolder), m_desktop(desktop)
{
    setObjectName(QStringLiteral("frmtool"));
    setWindowTitle(QStringLiteral("  CSS编辑程序工具箱"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(5);

    connect(button(this, QStringLiteral("cmdupdate"), QStringLiteral("查看更新信息")), &QPushButton::clicked, this,
            &ToolWindow::openUpdateNotes);
    connect(button(this, QStringLiteral("cmdconnect"), QStringLiteral("联系作者")), &QPushButton::clicked, this,
            std::move(openContact));
    m_search = field(this, QStringLiteral("txtsearch"), QStringLiteral("stylewright"));
    addLink(QStringLiteral("Command1"), QStringLiteral("砚舟空间文章搜索"),
            [this]() -> QString { return kLinks.articleSearch + encodeSearchWord(m_search->text()); });
    addLink(QStringLiteral("cmdsm"), QStringLiteral("CSS说明"), []() -> QString { return kLinks.cssHelp.toString(); });
    addLink(QStringLiteral("cmdahc"), QStringLiteral("刷空间流量"),
            []() -> QString { return kLinks.trafficSite.toString(); });
    m_rankedSpace = field(this, QStringLiteral("txtpm"), kExampleSpaceAddress.toString());
    addLink(QStringLiteral("cmdqwip"), QStringLiteral("空间排名查询"), [this]() -> QString {
        return kLinks.rankingSite + encodeSearchWord(spaceName(m_rankedSpace->text(), kSpaceHostPrefix));
    });
    addLink(QStringLiteral("cmdmoyan"), QStringLiteral("墨檐空间"),
            []() -> QString { return kLinks.spaceHome.toString(); });
    addLink(QStringLiteral("cmdsee"), QStringLiteral("砚舟博客"),
            []() -> QString { return kLinks.authorSpace.toString(); });
    addLink(QStringLiteral("cmdupload"), QStringLiteral("上传 ANI"),
            []() -> QString { return kLinks.cursorSite.toString(); });
    addLink(QStringLiteral("cmdm1"), QStringLiteral("鼠标集合"),
            []() -> QString { return kLinks.articleSearch + kLinks.cursorWord; });

    resize(230, sizeHint().height());
    keepCornersRounded(this, 12);
}

void ToolWindow::addLink(const QString &name, const QString &caption, std::function<QString()> address)
{
    connect(button(this, name, caption), &QPushButton::clicked, this,
            [this, address = std::move(address)] { m_desktop.openAddress(QUrl(address())); });
}

void ToolWindow::openUpdateNotes()
{
    const QString notes = QDir(m_programFolder).filePath(kUpdateNotesFile.toString());
    if (QFileInfo(notes).isFile())
        m_desktop.openTextFile(notes);
    else
        m_desktop.openAddress(QUrl(kLinks.updateNotes.toString()));
}

} // namespace stylewright
