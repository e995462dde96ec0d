#pragma once
// The command line both programs share: --help, --version, --data-dir; the editor adds --css.

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <optional>

namespace stylewright {

enum class Program { Editor, Fetcher };

struct CommandLine {
    std::optional<int> exitCode; // set: the program ends now (help, version, or a mistake already told)
    QString dataFolder;          // --data-dir as given; empty when not given
    bool printCss = false;       // --css: print the CSS instead of opening a window
    QString cssFile;             // the settings file for --css; empty: setup.ini of the data folder
};

// Exit status for a command line the program does not understand (sysexits' EX_USAGE).
inline constexpr int kExitUsage = 64;
// Exit status when what the program prints cannot all be written (sysexits' EX_IOERR).
inline constexpr int kExitOutput = 74;

// Writes all of the bytes to the stream and flushes it; false when any of it did not go.
bool printAll(std::FILE *stream, const QByteArray &bytes);
// Prints text meant for standard output; when it cannot all be written, says so on standard error
// and gives kExitOutput, else 0.
int printOrTell(const QByteArray &bytes);

// Whether the arguments ask for a window, looked at before any application object exists:
// --help, --version and --css need no display.
bool needsWindow(int argc, char *argv[], Program program);

// Names the running application and reads its arguments. Help and version go to standard output,
// mistakes to standard error; either way exitCode is set.
CommandLine readCommandLine(Program program);
// What each program does first with its application object: Qt's Chinese translations, then the
// command line.
CommandLine startProgram(Program program);

// The folder for setup.ini, the code file and csscode/: --data-dir, else the program's folder when
// writable, else the user's data folder.
QString dataFolderInUse(const CommandLine &line);

} // namespace stylewright
