#pragma once
// The 外观库 window: the built-in looks and the user's own as cards. Choosing a card shows a
// larger picture; "使用" or a double click puts the look into the editor, and the user's own
// looks are saved, renamed, deleted, exported and imported here.

#include "looks/look_library.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace stylewright {

class LookPictures;
class OptionSet;
class Prompts;

// What the window asks the user besides yes and no; tests answer in advance.
struct LookQuestions {
    // A name, or nothing when the user cancels.
    std::function<std::optional<QString>(QWidget *parent, const QString &title, const QString &text)> name;
    // A file to read or to write, or an empty text when the user cancels.
    std::function<QString(QWidget *parent, const QString &title, const QString &suggested)> fileToOpen, fileToSave;
};
// The standard dialogs.
LookQuestions standardLookQuestions();

inline const QString kLookGalleryTitle = QStringLiteral("外观库");
inline const QString kLookGalleryCaption = QStringLiteral("外观库…");

class LookGallery : public QDialog {
    Q_OBJECT
public:
    using Apply = std::function<void(const Look &look)>;

    // options: the editor's, saved as a look; apply puts a look into them as one undo step.
    LookGallery(const OptionSet &options, const QString &dataFolder, const QString &previewProgram, Prompts &prompts,
                Apply apply, LookQuestions questions = standardLookQuestions(), QWidget *parent = nullptr);
    ~LookGallery() override;

    // Reads looks/ again and shows what it holds.
    void reload();
    const QList<Look> &looks() const { return m_looks; }
    QListWidget *cards() const { return m_cards; }
    LookPictures &pictures() { return *m_pictures; }
    // Selects the look of that name; false when there is none.
    bool select(const QString &name);

    void applySelected();
    void saveCurrentAsLook();
    void renameSelected();
    void deleteSelected();
    void exportSelected();
    void importLookFile();

private:
    const Look *selected() const;
    void buildCards();
    void showSelected();
    void updateCard(QListWidgetItem *item);
    void pictureDrawn(const QString &key);
    QPixmap cardPicture(const Look &look);
    QSize cardPixels() const; // a card's picture in the screen's own pixels

    const OptionSet &m_options;
    const QString m_folder;
    Prompts &m_prompts;
    Apply m_apply;
    LookQuestions m_questions;
    LookPictures *m_pictures;
    const QList<Look> m_builtIn;
    QList<Look> m_looks;
    QHash<QString, QPixmap> m_cardPictures; // by picture key
    QListWidget *m_cards;
    QLabel *m_picture, *m_name, *m_description, *m_status;
    QPushButton *m_use, *m_rename, *m_delete, *m_export;
};

} // namespace stylewright
