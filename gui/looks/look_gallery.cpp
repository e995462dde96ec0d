#include "looks/look_gallery.h"

#include "looks/look_cards.h"
#include "looks/look_colours.h"
#include "looks/look_pictures.h"
#include "options/option_set.h"
#include "platform/prompts.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace stylewright {
namespace {

constexpr int kPathRole = Qt::UserRole + 100;
constexpr QSize kLargePicture(384, 288);

// A file name a name can be suggested as when exporting; the user may change it.
QString suggestedFileName(const QString &name)
{
    QString file = name;
    for (QChar &c : file) {
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    return file + u".ini";
}

// A picture that keeps its shape at whatever size the window leaves it.
class ScaledPicture : public QLabel {
public:
    explicit ScaledPicture(QWidget *parent) : QLabel(parent)
    {
        setMinimumSize(kLargePicture / 2);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }
    void setPicture(const QPixmap &picture)
    {
        m_picture = picture;
        rescale();
    }
    QSize sizeHint() const override { return kLargePicture; }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        rescale();
    }

private:
    // In the screen's own pixels, so that a scaled screen shows the picture sharp.
    void rescale()
    {
        if (m_picture.isNull()) {
            setPixmap({});
            return;
        }
        const qreal ratio = devicePixelRatioF();
        QPixmap shown = m_picture.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(ratio);
        setPixmap(shown);
    }
    QPixmap m_picture;
};

QPushButton *addButton(QHBoxLayout *row, const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption, row->parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(caption).remove(u'…'));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

LookQuestions standardLookQuestions()
{
    LookQuestions questions;
    questions.name = [](QWidget *parent, const QString &title, const QString &text) -> std::optional<QString> {
        bool ok = false;
        const QString name =
            QInputDialog::getText(parent, title, QStringLiteral("外观名称："), QLineEdit::Normal, text, &ok);
        if (!ok)
            return std::nullopt;
        return name;
    };
    const QString filter = QStringLiteral("外观文件 (*.ini);;所有文件 (*)");
    questions.fileToOpen = [filter](QWidget *parent, const QString &title, const QString &suggested) {
        return QFileDialog::getOpenFileName(parent, title, suggested, filter);
    };
    questions.fileToSave = [filter](QWidget *parent, const QString &title, const QString &suggested) {
        return QFileDialog::getSaveFileName(parent, title, suggested, filter);
    };
    return questions;
}

LookGallery::LookGallery(const OptionSet &options, const QString &dataFolder, const QString &previewProgram,
                         Prompts &prompts, Apply apply, LookQuestions questions, QWidget *parent)
    : QDialog(parent), m_options(options), m_folder(dataFolder), m_prompts(prompts), m_apply(std::move(apply)),
      m_questions(std::move(questions)),
      m_pictures(new LookPictures(QDir(dataFolder).filePath(QStringLiteral("look-pictures")), previewProgram, this)),
      m_builtIn(builtInLooks())
{
    setObjectName(QStringLiteral("frmlooks"));
    setWindowTitle(kLookGalleryTitle);
    setModal(false);

    m_cards = new QListWidget(this);
    m_cards->setObjectName(QStringLiteral("lstlooks"));
    m_cards->setAccessibleName(QStringLiteral("外观"));
    m_cards->setViewMode(QListView::IconMode);
    m_cards->setResizeMode(QListView::Adjust);
    m_cards->setMovement(QListView::Static);
    m_cards->setUniformItemSizes(true);
    constexpr int kCardSpacing = 4;
    m_cards->setSpacing(kCardSpacing);
    m_cards->setSelectionMode(QAbstractItemView::SingleSelection);
    m_cards->setItemDelegate(new LookCardDelegate(m_cards));
    // Three cards across, with the room the frame and a scroll bar take.
    const int scrollBar = m_cards->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_cards);
    m_cards->setMinimumWidth(3 * (kCardWidth + 2 * kCardSpacing) + kCardSpacing + scrollBar +
                             2 * m_cards->frameWidth() + 4);

    m_picture = new ScaledPicture(this);
    m_picture->setAccessibleName(QStringLiteral("外观图片"));
    m_name = new QLabel(this);
    QFont big = m_name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_name->setFont(big);
    m_description = new QLabel(this);
    m_description->setWordWrap(true);
    m_description->setTextFormat(Qt::PlainText);
    m_name->setTextFormat(Qt::PlainText);

    auto *detail = new QVBoxLayout;
    detail->addWidget(m_picture);
    detail->addWidget(m_name);
    detail->addWidget(m_description);
    detail->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addWidget(m_cards, 3);
    top->addLayout(detail, 2);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lbllookstatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);

    auto *buttons = new QWidget(this);
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    m_use = addButton(row, QStringLiteral("使用"), "cmduselook");
    // No default button: Enter on a card uses it already, and a default would use it twice.
    QPushButton *save = addButton(row, QStringLiteral("保存为外观…"), "cmdsavelook");
    m_rename = addButton(row, QStringLiteral("重命名…"), "cmdrenamelook");
    m_delete = addButton(row, QStringLiteral("删除"), "cmddeletelook");
    m_export = addButton(row, QStringLiteral("导出…"), "cmdexportlook");
    QPushButton *import = addButton(row, QStringLiteral("导入…"), "cmdimportlook");
    row->addStretch();
    QPushButton *close = addButton(row, QStringLiteral("关闭"), "cmdcloselooks");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_use, &QPushButton::clicked, this, &LookGallery::applySelected);
    connect(save, &QPushButton::clicked, this, &LookGallery::saveCurrentAsLook);
    connect(m_rename, &QPushButton::clicked, this, &LookGallery::renameSelected);
    connect(m_delete, &QPushButton::clicked, this, &LookGallery::deleteSelected);
    connect(m_export, &QPushButton::clicked, this, &LookGallery::exportSelected);
    connect(import, &QPushButton::clicked, this, &LookGallery::importLookFile);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_cards, &QListWidget::itemActivated, this, &LookGallery::applySelected);
    connect(m_cards, &QListWidget::currentItemChanged, this, &LookGallery::showSelected);
    auto *remove = new QShortcut(QKeySequence::Delete, m_cards, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &LookGallery::deleteSelected);
    auto *rename = new QShortcut(QKeySequence(Qt::Key_F2), m_cards, nullptr, nullptr, Qt::WidgetShortcut);
    connect(rename, &QShortcut::activated, this, &LookGallery::renameSelected);
    connect(m_pictures, &LookPictures::drawn, this, &LookGallery::pictureDrawn);
    connect(m_pictures, &LookPictures::runEnded, this, [this] {
        for (int i = 0; i < m_cards->count(); ++i)
            updateCard(m_cards->item(i));
    });

    m_pictures->setSmallSize(cardPixels());
    reload();
    const QSize wanted(1100, 680); // three cards across beside the larger picture
    const QScreen *screen = parent ? parent->screen() : nullptr;
    resize(screen ? wanted.boundedTo(screen->availableSize() * 9 / 10) : wanted);
}

LookGallery::~LookGallery() = default;

void LookGallery::reload()
{
    const QString current = selected() ? selected()->path : QString();
    m_looks = m_builtIn;
    m_looks.append(ownLooks(m_folder));
    buildCards();
    bool found = false;
    for (int i = 0; i < m_cards->count() && !found; ++i) {
        if (m_cards->item(i)->data(kPathRole).toString() == current) {
            m_cards->setCurrentRow(i);
            found = true;
        }
    }
    if (!found && m_cards->count() > 0)
        m_cards->setCurrentRow(0);
    QList<QByteArray> wanted;
    QSet<QString> kept;
    for (const Look &look : std::as_const(m_looks)) {
        if (look.usable()) {
            wanted.append(look.settings);
            kept.insert(pictureKey(look.settings));
        }
    }
    m_pictures->keepOnly(kept);
    m_pictures->request(wanted);
    for (int i = 0; i < m_cards->count(); ++i)
        updateCard(m_cards->item(i));
    showSelected();
}

void LookGallery::buildCards()
{
    const QSignalBlocker quiet(m_cards);
    m_cards->clear();
    for (const Look &look : std::as_const(m_looks)) {
        auto *item = new QListWidgetItem(look.header.name, m_cards);
        item->setData(kPathRole, look.path);
        item->setData(DescriptionRole, look.header.description);
        item->setData(ProblemRole, look.problem);
        item->setData(OwnRole, !look.builtIn);
        item->setToolTip(look.usable() ? look.header.description : look.problem);
        item->setData(Qt::AccessibleTextRole,
                      QString(look.header.name + u"，" + (look.usable() ? look.header.description : look.problem)));
        if (look.usable()) {
            OptionSet options;
            if (applyLook(look, options)) {
                QVariantList colours;
                for (quint32 colour : mainColours(options))
                    colours.append(colour);
                item->setData(ColoursRole, colours);
            }
        }
    }
}

QPixmap LookGallery::cardPicture(const Look &look)
{
    const QString key = pictureKey(look.settings);
    if (const auto found = m_cardPictures.constFind(key); found != m_cardPictures.constEnd())
        return *found;
    if (!m_pictures->isDrawn(key))
        return {};
    QPixmap picture = QPixmap::fromImage(m_pictures->smallPicture(key, cardPixels()));
    picture.setDevicePixelRatio(devicePixelRatioF());
    if (!picture.isNull())
        m_cardPictures.insert(key, picture);
    return picture;
}

QSize LookGallery::cardPixels() const
{
    return (QSizeF(kCardPictureSize) * devicePixelRatioF()).toSize();
}

void LookGallery::updateCard(QListWidgetItem *item)
{
    const int row = m_cards->row(item);
    if (row < 0 || row >= m_looks.size())
        return;
    const Look &look = m_looks[row];
    if (!look.usable())
        return;
    item->setData(PictureRole, cardPicture(look));
    item->setData(WaitingRole, m_pictures->isWaiting(pictureKey(look.settings)));
}

void LookGallery::pictureDrawn(const QString &key)
{
    for (int i = 0; i < m_cards->count(); ++i) {
        if (m_looks[i].usable() && pictureKey(m_looks[i].settings) == key)
            updateCard(m_cards->item(i));
    }
    if (selected() && selected()->usable() && pictureKey(selected()->settings) == key)
        showSelected();
}

const Look *LookGallery::selected() const
{
    const int row = m_cards->currentRow();
    return row >= 0 && row < m_looks.size() ? &m_looks[row] : nullptr;
}

bool LookGallery::select(const QString &name)
{
    for (int i = 0; i < m_looks.size(); ++i) {
        if (m_looks[i].header.name == name) {
            m_cards->setCurrentRow(i);
            return true;
        }
    }
    return false;
}

void LookGallery::showSelected()
{
    const Look *look = selected();
    m_use->setEnabled(look && look->usable());
    m_export->setEnabled(look && look->usable());
    m_rename->setEnabled(look && !look->builtIn && look->usable());
    m_delete->setEnabled(look && !look->builtIn);
    if (!look) {
        m_name->clear();
        m_description->clear();
        static_cast<ScaledPicture *>(m_picture)->setPicture({});
        return;
    }
    m_name->setText(look->header.name);
    m_description->setText(look->usable() ? look->header.description : QStringLiteral("无法使用：") + look->problem);
    QPixmap large;
    if (look->usable()) {
        const QString key = pictureKey(look->settings);
        if (m_pictures->isDrawn(key))
            large = QPixmap(m_pictures->pictureFile(key));
        if (large.isNull()) {
            const QListWidgetItem *item = m_cards->currentItem();
            QList<quint32> colours;
            for (const QVariant &colour : item->data(ColoursRole).toList())
                colours.append(colour.toUInt());
            large = colourStrip(colours, kLargePicture);
        }
    }
    static_cast<ScaledPicture *>(m_picture)->setPicture(large);
}

void LookGallery::applySelected()
{
    const Look *look = selected();
    if (!look || !look->usable())
        return;
    m_apply(*look);
    m_status->setText(QStringLiteral("已使用外观“%1”。要回到原来的设置，在编辑器中按 Ctrl+Z。").arg(look->header.name));
}

void LookGallery::saveCurrentAsLook()
{
    const std::optional<QString> typed = m_questions.name(this, QStringLiteral("保存为外观"), {});
    if (!typed)
        return;
    const QString name = typed->trimmed();
    // An own look of that name is replaced when the user agrees; other problems are said.
    const auto same = std::find_if(m_looks.cbegin(), m_looks.cend(), [&](const Look &look) {
        return look.header.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (same != m_looks.cend() && !same->builtIn) {
        if (!m_prompts.askYesNo(kConfirmTitle,
                                QStringLiteral("已经有名为“%1”的外观了，要用现在的设置替换它吗？").arg(name)))
            return;
    } else if (const std::optional<QString> problem = nameProblem(name, m_looks)) {
        m_prompts.inform(kErrorTitle, *problem);
        return;
    }
    const LookHeader header{
        name,
        QStringLiteral("保存于 %1").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")))};
    const Result<Look> saved = saveOwnLook(m_folder, header, m_options);
    if (!saved) {
        logFailure(saved.failure());
        m_prompts.inform(kErrorTitle, saved.failure().message);
        return;
    }
    reload();
    select(saved->header.name);
    m_status->setText(QStringLiteral("已把现在的设置保存为外观“%1”。").arg(saved->header.name));
}

void LookGallery::renameSelected()
{
    const Look *look = selected();
    if (!look || look->builtIn || !look->usable())
        return;
    const Look old = *look;
    const std::optional<QString> typed = m_questions.name(this, QStringLiteral("重命名外观"), old.header.name);
    if (!typed || typed->trimmed() == old.header.name)
        return;
    if (const std::optional<QString> problem = nameProblem(*typed, m_looks, old.path)) {
        m_prompts.inform(kErrorTitle, *problem);
        return;
    }
    const Result<Look> renamed = renameOwnLook(m_folder, old, *typed);
    if (!renamed) {
        logFailure(renamed.failure());
        m_prompts.inform(kErrorTitle, renamed.failure().message);
    }
    reload();
    select(typed->trimmed());
}

void LookGallery::deleteSelected()
{
    const Look *look = selected();
    if (!look || look->builtIn)
        return;
    const Look old = *look;
    if (!m_prompts.askYesNo(kConfirmTitle, QStringLiteral("要删除外观“%1”吗？删除后无法恢复。").arg(old.header.name)))
        return;
    if (const Result<void> deleted = deleteOwnLook(old); !deleted) {
        logFailure(deleted.failure());
        m_prompts.inform(kErrorTitle, deleted.failure().message);
    }
    reload();
}

void LookGallery::exportSelected()
{
    const Look *look = selected();
    if (!look || !look->usable())
        return;
    const Look chosen = *look;
    const QString path = m_questions.fileToSave(this, QStringLiteral("导出外观"),
                                                QDir::home().filePath(suggestedFileName(chosen.header.name)));
    if (path.isEmpty())
        return;
    if (const Result<void> exported = exportLook(chosen, path); !exported) {
        logFailure(exported.failure());
        m_prompts.inform(kErrorTitle, exported.failure().message);
        return;
    }
    m_status->setText(
        QStringLiteral("已把外观“%1”导出到“%2”。").arg(chosen.header.name, QDir::toNativeSeparators(path)));
}

void LookGallery::importLookFile()
{
    const QString path = m_questions.fileToOpen(this, QStringLiteral("导入外观"), QDir::homePath());
    if (path.isEmpty())
        return;
    const Result<Look> imported = importLook(m_folder, path, m_looks);
    if (!imported) {
        logFailure(imported.failure());
        m_prompts.inform(kErrorTitle, imported.failure().message);
        return;
    }
    reload();
    select(imported->header.name);
    m_status->setText(QStringLiteral("已导入外观“%1”。").arg(imported->header.name));
}

} // namespace stylewright
