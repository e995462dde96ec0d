#pragma once
// `stylewright --css [FILE]`: the CSS of all eleven areas for the settings in a file, printed
// without a window and without writing any file.

#include <QByteArray>
#include <QString>

namespace stylewright {

// Exit statuses of --css.
enum CssStatus : int {
    kCssPrinted = 0,
    kCssNotANumber = 1, // a size a generator computes with is not a number
    kCssNoFile = 2,     // missing, not a file, or unreadable
    kCssNotSettings = 3 // not a settings file: no saved data, or far too large
};

struct CssOutput {
    int status = kCssPrinted;
    QByteArray css; // UTF-8, CR LF line ends: what the eleven buttons append, in tab order
    QString error;  // for standard error when status is not kCssPrinted
};

// The settings in iniPath turned into the eleven areas' CSS; all or nothing.
CssOutput cssForSettingsFile(const QString &iniPath);

// What the program does without a window (--help, --version, --css), with QCoreApplication.
int runWithoutWindow();

} // namespace stylewright
