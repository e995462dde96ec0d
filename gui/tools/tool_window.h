#pragma once
// The tool window: shortcuts to the update notes, the contact window, the service's search and help
// pages, the author's space and a few outside sites.

#include "service/outside_links.h"

#include <QWidget>
#include <functional>

class QLineEdit;

namespace stylewright {

class Desktop;

inline constexpr QStringView kUpdateNotesFile = u"墨檐CSS更新说明.txt";

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(const QString &programFolder, Desktop &desktop, std::function<void()> openContact,
               QWidget *parent = nullptr);

private:
    void addLink(const QString &name, const QString &caption, std::function<QString()> address);
    void openUpdateNotes();

    QString m_programFolder;
    Desktop &m_desktop;
    QLineEdit *m_search = nullptr;
    QLineEdit *m_rankedSpace = nullptr;
};

} // namespace stylewright
