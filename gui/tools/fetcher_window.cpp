#include "tools/fetcher_window.h"

#include "platform/prompts.h"
#include "service/sheet_file.h"
#include "service/space_address.h"
#include "tools/contact_windows.h"
#include "tools/sheet_filler.h"
#include "tools/window_shape.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

namespace stylewright {
namespace {

const QString kTitle = QStringLiteral("sheetfetch VER 2.0");
const QString kFetchCaption = QStringLiteral("获取CSS");
const QString kCancelCaption = QStringLiteral("取消");

// The edited text with each line ended by CR LF, as it is saved.
QString textWithCrLf(const QPlainTextEdit *edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

} // namespace

QString refusedSaveText(QStringView address, QStringView prefix)
{
    if (address.size() <= prefix.size() + 1)
        return kSaveRefusedText;
    return kSaveRefusedText + u"\n空间名不能用作文件名：" + fileNameFault(spaceName(address, prefix)) + u"。\n" +
           kFileNameRules;
}

FetcherWindow::FetcherWindow(const FetcherSetup &setup, Prompts &prompts, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_setup(setup), m_prompts(prompts),
      m_fetcher(setup.makeSource(setup.prefix))
{
    setObjectName(setup.standalone ? QStringLiteral("frmmain") : QStringLiteral("frmsheetfetch2"));
    setWindowTitle(kTitle);

    m_css = new QPlainTextEdit(this);
    m_css->setObjectName(QStringLiteral("txtcss"));
    m_css->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_css->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_save = new QPushButton(QStringLiteral("保存CSS"), this);
    m_save->setObjectName(QStringLiteral("cmdsave"));
    m_save->setAutoDefault(true);
    m_address = new QLineEdit(kExampleSpaceAddress.toString(), this);
    m_address->setObjectName(QStringLiteral("txtblog"));
    m_address->setCursorPosition(0);
    m_get = new QPushButton(kFetchCaption, this);
    m_get->setObjectName(QStringLiteral("cmdget"));
    m_get->setDefault(true);
    m_get->setAutoDefault(true);

    m_import = new QPushButton(QStringLiteral("导入到编辑器"), this);
    m_import->setObjectName(QStringLiteral("cmdimport"));
    m_import->setVisible(!setup.standalone);

    auto *actions = new QHBoxLayout;
    actions->addWidget(m_address, 1);
    actions->addWidget(m_get);
    actions->addWidget(m_save);
    actions->addWidget(m_import);
    if (setup.standalone) {
        auto *about = new QLabel(QStringLiteral("关于"), this);
        about->setObjectName(QStringLiteral("lbltxt"));
        about->setCursor(Qt::PointingHandCursor);
        about->setContentsMargins(6, 0, 2, 0);
        onClick(about, [this] { showAbout(); });
        actions->addWidget(about);
    }

    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 6, 8, 10);
    body->addWidget(m_css, 1);
    body->addLayout(actions);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeTitleRow());
    layout->addLayout(body, 1);
    resize(520, 400);
    keepCornersRounded(this, setup.cornerEllipse);

    m_filler = new SheetFiller(m_css, this);
    connect(m_filler, &SheetFiller::filled, this, [this] { setBusy(false); });
    connect(m_get, &QPushButton::clicked, this, [this] { m_busy ? cancel() : fetch(); });
    connect(m_save, &QPushButton::clicked, this, &FetcherWindow::save);
    connect(m_import, &QPushButton::clicked, this, [this] { emit importRequested(textWithCrLf(m_css)); });
    m_fetcher->setListener({[this](const QByteArray &sheet) {
                                // Saving and importing wait until the whole sheet is in the field.
                                m_save->setEnabled(false);
                                m_import->setEnabled(false);
                                m_filler->fill(sheet);
                            },
                            [this](const Failure &why) {
                                logFailure(why);
                                setBusy(false);
                                m_prompts.inform(kErrorTitle, kFetchFailedText + u'\n' + why.message);
                            }});
}

FetcherWindow::~FetcherWindow()
{
    delete m_about;
}

QWidget *FetcherWindow::makeTitleRow()
{
    auto *row = new QWidget(this);
    row->setObjectName(QStringLiteral("titleRow"));
    row->setAutoFillBackground(true);
    QPalette palette = row->palette();
    palette.setColor(QPalette::Window, QColor(0x2F, 0x5D, 0x8C));
    palette.setColor(QPalette::WindowText, Qt::white);
    row->setPalette(palette);

    auto *icon = new QLabel(row);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(16, 16));
    auto *title = new QLabel(kTitle, row);
    title->setObjectName(QStringLiteral("Label1"));
    title->setCursor(Qt::SizeAllCursor);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    dragWindowBy(title);
    auto *end = new QLabel(QStringLiteral(" X"), row);
    end->setObjectName(QStringLiteral("LBLEND"));
    end->setFont(bold);
    end->setCursor(Qt::PointingHandCursor);
    onClick(end, [this] {
        if (m_setup.standalone)
            emit endRequested();
        else
            close();
    });

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(10, 5, 12, 5);
    layout->addWidget(icon);
    layout->addWidget(title, 1);
    layout->addWidget(end);
    return row;
}

void FetcherWindow::fetch()
{
    if (m_busy)
        return;
    const QString address = m_address->text();
    if (!isFetchableAddress(address, m_setup.prefix)) {
        m_prompts.inform(kErrorTitle, kFetchFailedText);
        return;
    }
    if (m_fetcher->start(address))
        setBusy(true);
}

void FetcherWindow::cancel()
{
    m_fetcher->cancel();
    m_filler->cancel();
    setBusy(false);
}

void FetcherWindow::setBusy(bool busy)
{
    m_busy = busy;
    m_get->setText(busy ? kCancelCaption : kFetchCaption);
    if (!busy) {
        m_save->setEnabled(true);
        m_import->setEnabled(true);
    }
}

void FetcherWindow::save()
{
    const QString address = m_address->text();
    const std::optional<QString> name = saveName(address, m_setup.prefix);
    if (!name) {
        m_prompts.inform(kErrorTitle, refusedSaveText(address, m_setup.prefix));
        return;
    }
    if (!saveSheet(m_setup.programFolder, *name, textWithCrLf(m_css)).ok())
        m_prompts.inform(kErrorTitle,
                         u"无法保存CSS文件：" + QDir::toNativeSeparators(sheetFilePath(m_setup.programFolder, *name)));
}

void FetcherWindow::showAbout()
{
    if (!m_about)
        m_about = createAboutWindow();
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void FetcherWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!m_busy) // Enter fetches; it never cancels a fetch under way
            m_get->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace stylewright
