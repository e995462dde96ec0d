#pragma once
// Opening files in the user's text editor and addresses in the browser, behind an interface so
// tests record what would be opened.

#include <QString>
#include <QUrl>

namespace stylewright {

class Desktop {
public:
    virtual ~Desktop() = default;
    // Opens a text file in a plain-text editor window of its own; returns at once.
    virtual bool openTextFile(const QString &path) = 0;
    // Opens a web address in the default browser.
    virtual bool openAddress(const QUrl &address) = 0;
};

} // namespace stylewright
