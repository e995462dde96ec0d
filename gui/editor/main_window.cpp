#include "editor/main_window.h"

#include "editor/colour_fields.h"
#include "editor/edit_history.h"
#include "editor/edit_safety.h"
#include "editor/editor_actions.h"
#include "editor/import_action.h"
#include "editor/mirrored_widths.h"
#include "editor/option_form.h"
#include "editor/option_search.h"
#include "editor/secondary_windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace stylewright {
namespace {

// The client area the editor was drawn for; it grows only when the captions need more room.
constexpr QSize kDesignSize(721, 508);

// Tabs with little room around their captions, so that all eleven fit in one row.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 3 : value;
    }
};

} // namespace

MainWindow::MainWindow(OptionSet &options, const QString &programFolder, Prompts &prompts, Desktop &desktop,
                       ColourDialog &colourDialog, QWidget *parent)
    : QMainWindow(parent), m_folder(programFolder), m_prompts(prompts), m_desktop(desktop), m_options(options),
      m_windows(new SecondaryWindows(this))
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(kMainWindowTitle);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // All eleven tabs stay in view in one row.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->tabBar()->setExpanding(false);
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(m_tabs->tabBar());
    m_tabs->tabBar()->setStyle(tabStyle);
    m_form = new OptionForm(m_options, m_tabs);
    connect(m_form, &OptionForm::areaButtonClicked, this,
            [this](Area area) { runAreaButton(area, m_options, m_folder, m_prompts, m_desktop); });
    m_tabs->setCurrentIndex(0);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildButtons());
    setCentralWidget(central);

    auto *colours = new ColourFields(m_options, *m_form, colourDialog, this);
    new MirroredWidths(m_options, *m_form, this);
    m_safety = new EditSafety(m_options, *m_form, *colours, m_tabs, m_folder, m_prompts, this);
    // Made last, so that the window still opens with the focus where it always did.
    m_search = new OptionSearch(m_options, *m_form, m_tabs, this);
    auto *searchRow = new QHBoxLayout;
    // A start for a new page, above the tabs, where a user looks first; the row has room to spare.
    m_looksButton = new QPushButton(kLooksCaption, central);
    m_looksButton->setObjectName(QStringLiteral("cmdlooks"));
    m_looksButton->setAccessibleName(QStringLiteral("外观库"));
    m_looksButton->setToolTip(QStringLiteral("从现成的外观开始，或保存自己的外观（Ctrl+L）"));
    m_looksButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_looksButton, &QPushButton::clicked, this, &MainWindow::looksRequested);
    searchRow->addWidget(m_looksButton);
    searchRow->addStretch();
    searchRow->addWidget(m_search);
    layout->insertLayout(0, searchRow);

    resize(kDesignSize.expandedTo(minimumSizeHint()));
}

EditHistory &MainWindow::history()
{
    return m_safety->history();
}

void MainWindow::offerRecovery()
{
    m_safety->offerRecovery();
}

MainWindow::~MainWindow()
{
    m_windows->closeAll(); // no secondary window outlives the editor
}

QWidget *MainWindow::buildButtons()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    connect(addButton(row, WindowButton::ReadSettings, "cmdread", QStringLiteral("读取数据")), &QPushButton::clicked,
            this, [this] {
                history().step(QStringLiteral("读取数据"),
                               [this] { loadSettingsAction(m_folder, m_options, m_prompts); });
            });
    connect(addButton(row, WindowButton::SaveSettings, "cmdsave", QStringLiteral("保存设置")), &QPushButton::clicked,
            this, [this] {
                if (saveSettingsAction(m_folder, m_options, m_prompts))
                    m_safety->settingsSaved();
            });
    connect(addButton(row, WindowButton::HuePick, "cmdhuepick", QStringLiteral("取色工具")), &QPushButton::clicked,
            this, [this] { m_windows->open(Secondary::HuePick); });
    connect(addButton(row, WindowButton::LookAtCode, "cmdlook", QStringLiteral("查看CSS代码")), &QPushButton::clicked,
            this, [this] { lookAtCode(m_folder, m_prompts, m_desktop); });
    connect(addButton(row, WindowButton::FetchSheet, "cmdget", QStringLiteral("获取空间CSS")), &QPushButton::clicked,
            this, [this] { m_windows->open(Secondary::Fetcher); });
    connect(addButton(row, WindowButton::ToolWindow, "cmdtool", kShowToolCaption), &QPushButton::clicked, this,
            &MainWindow::toggleToolWindow);
    QPushButton *preview = addButton(row, WindowButton::Preview, "cmdpreview", kPreviewCaption);
    preview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    preview->hide();
    connect(preview, &QPushButton::clicked, this, &MainWindow::previewRequested);
    addImportMenu(bar);
    return bar;
}

// A right click on the button row offers to read a sheet back into the options.
void MainWindow::addImportMenu(QWidget *bar)
{
    auto *codeFile = new QAction(kImportCodeFileCaption, bar);
    codeFile->setObjectName(QStringLiteral("actImportCodeFile"));
    connect(codeFile, &QAction::triggered, this, [this] {
        history().step(kImportStepText, [this] { importCodeFileIntoEditor(m_folder, m_options, m_prompts); });
    });
    auto *pick = new QAction(kImportCssCaption, bar);
    pick->setObjectName(QStringLiteral("actImportCss"));
    connect(pick, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("导入CSS"), m_folder,
                                                          QStringLiteral("CSS代码 (*.css *.txt);;所有文件 (*)"));
        if (!path.isEmpty())
            history().step(kImportStepText, [&] { importFileIntoEditor(path, m_options, m_prompts); });
    });
    bar->addActions({codeFile, pick});
    bar->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::importCss(const QString &css)
{
    history().step(kImportStepText, [&] { importIntoEditor(css, m_options, m_prompts); });
}

QPushButton *MainWindow::addButton(QLayout *row, WindowButton which, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, row->parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    row->addWidget(button);
    m_buttons[int(which)] = button;
    return button;
}

void MainWindow::setPreviewAvailable(bool available)
{
    button(WindowButton::Preview)->setVisible(available);
}

// Goes by the button's own last click, so a tool window closed by other means costs a click.
void MainWindow::toggleToolWindow()
{
    m_toolWindowAsked = !m_toolWindowAsked;
    if (m_toolWindowAsked)
        m_windows->open(Secondary::Tool);
    else
        m_windows->close(Secondary::Tool);
    button(WindowButton::ToolWindow)->setText(m_toolWindowAsked ? kHideToolCaption : kShowToolCaption);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        m_windows->setMinimised(isMinimized());
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_windows->closeAll();
    m_safety->windowClosed();
    event->accept();
    emit closed();
}

} // namespace stylewright
