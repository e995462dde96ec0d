#include "looks/look_library.h"

#include "base/file_reading.h"
#include "options/option_set.h"
#include "options/settings_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

// The resources of a static library are registered when asked for, so that no linker drops them.
static void registerBuiltInLooks()
{
    Q_INIT_RESOURCE(builtin_looks);
}

namespace stylewright {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString fileProblem(const Failure &failure)
{
    switch (failure.file) {
    case FileError::Missing:
        return QStringLiteral("文件不存在。");
    case FileError::NotRegularFile:
        return QStringLiteral("这不是一个普通文件。");
    case FileError::TooLarge:
        return QStringLiteral("文件超过 1 MiB，不是设置文件。");
    case FileError::Unreadable:
        return QStringLiteral("文件无法读取。");
    case FileError::None:
        break;
    }
    return QStringLiteral("这不是设置文件：其中没有保存的数据。");
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool nameTaken(const QString &name, const QList<Look> &looks, const QString &exceptPath = {})
{
    return std::any_of(looks.begin(), looks.end(),
                       [&](const Look &look) { return look.path != exceptPath && sameName(look.header.name, name); });
}

Result<void> makeLooksFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return {};
    return Failure{QStringLiteral("无法创建外观文件夹“%1”，请检查它的上级文件夹是否可以写入。").arg(shown(folder)),
                   u"mkpath " + folder};
}

Result<Look> writeOwnLook(const QString &dataFolder, const QString &name, const QByteArray &bytes,
                          const WriteFaults &faults)
{
    const QString folder = looksFolder(dataFolder);
    if (const Result<void> made = makeLooksFolder(folder); !made)
        return made.failure();
    const QString path = ownLookPath(dataFolder, name);
    if (const Result<void> written = replaceFileAtomically(path, bytes, faults); !written) {
        return Failure{
            QStringLiteral("无法在外观文件夹“%1”中保存外观：%2").arg(shown(folder), written.failure().reason),
            path + u": " + written.failure().reason};
    }
    return lookFromBytes(bytes, path, name);
}

} // namespace

QString looksFolder(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("looks"));
}

Look lookFromBytes(const QByteArray &bytes, const QString &path, const QString &fallbackName)
{
    Look look;
    look.path = path;
    look.builtIn = path.startsWith(u':');
    look.header = lookHeaderOf(bytes);
    if (look.header.name.isEmpty())
        look.header.name = fallbackName;
    OptionSet options;
    if (const Result<void> read = readSettingsBytes(bytes, path, options); !read) {
        look.problem = fileProblem(read.failure());
        return look;
    }
    look.bytes = bytes;
    look.settings = settingsBytes(options);
    return look;
}

Look lookFromFile(const QString &path)
{
    const QString fallback = QFileInfo(path).completeBaseName();
    const Result<QByteArray> bytes = readFileCapped(path, kMaxSettingsFileBytes);
    if (!bytes) {
        Look look;
        look.path = path;
        look.header.name = fallback;
        look.problem = fileProblem(bytes.failure());
        return look;
    }
    return lookFromBytes(*bytes, path, fallback);
}

QList<Look> builtInLooks()
{
    static const bool registered = (registerBuiltInLooks(), true);
    Q_UNUSED(registered);
    QList<Look> looks;
    // The files are named for their order: "01-ink.ini" comes first.
    const QDir folder(QStringLiteral(":/looks"));
    for (const QString &name : folder.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            looks.append(lookFromBytes(file.readAll(), file.fileName(), name));
    }
    return looks;
}

QList<Look> ownLooks(const QString &dataFolder)
{
    QList<Look> looks;
    const QDir folder(looksFolder(dataFolder));
    const QFileInfoList files = folder.entryInfoList(
        {QStringLiteral("*.ini")}, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &file : files)
        looks.append(lookFromFile(file.filePath()));
    std::sort(looks.begin(), looks.end(),
              [](const Look &a, const Look &b) { return a.header.name.localeAwareCompare(b.header.name) < 0; });
    return looks;
}

Result<void> applyLook(const Look &look, OptionSet &options)
{
    if (!look.usable())
        return Failure{QStringLiteral("外观“%1”无法使用：%2").arg(look.header.name, look.problem), look.path};
    return readSettingsBytes(look.bytes, look.path, options);
}

std::optional<QString> nameProblem(const QString &name, const QList<Look> &looks, const QString &exceptPath)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("外观的名称不能为空。");
    if (trimmed.size() > kLongestLookName)
        return QStringLiteral("外观的名称最多 %1 个字。").arg(kLongestLookName);
    if (std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) {
            return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
                   c.category() == QChar::Separator_Paragraph;
        }))
        return QStringLiteral("外观的名称不能含有换行符、制表符等控制字符。");
    if (nameTaken(trimmed, looks, exceptPath))
        return QStringLiteral("已经有名为“%1”的外观了，请换一个名称。").arg(trimmed);
    return std::nullopt;
}

QString ownLookPath(const QString &dataFolder, const QString &name)
{
    // Names that differ only in case are one name, and get one file.
    const QByteArray hash =
        QCryptographicHash::hash(name.trimmed().toCaseFolded().toUtf8(), QCryptographicHash::Sha256);
    return QDir(looksFolder(dataFolder)).filePath(QString::fromLatin1(hash.toHex().left(24)) + u".ini");
}

Result<Look> saveOwnLook(const QString &dataFolder, const LookHeader &header, const OptionSet &options,
                         const WriteFaults &faults)
{
    const LookHeader trimmed{header.name.trimmed(), header.description.trimmed()};
    return writeOwnLook(dataFolder, trimmed.name, lookBytes(options, trimmed), faults);
}

Result<Look> renameOwnLook(const QString &dataFolder, const Look &look, const QString &newName,
                           const WriteFaults &faults)
{
    const QString name = newName.trimmed();
    const Result<Look> written =
        writeOwnLook(dataFolder, name, withLookHeader(look.bytes, {name, look.header.description}), faults);
    if (!written)
        return written;
    if (written->path != look.path && !QFile::remove(look.path) && QFileInfo::exists(look.path)) {
        return Failure{QStringLiteral("外观已改名为“%1”，但旧文件“%2”无法删除。").arg(name, shown(look.path)),
                       look.path + u": remove failed"};
    }
    return written;
}

Result<void> deleteOwnLook(const Look &look)
{
    QFile file(look.path);
    if (!file.remove() && (QFileInfo::exists(look.path) || QFileInfo(look.path).isSymLink()))
        return Failure{QStringLiteral("无法删除外观文件“%1”：%2").arg(shown(look.path), file.errorString()),
                       look.path + u": " + file.errorString()};
    return {};
}

Result<void> exportLook(const Look &look, const QString &path, const WriteFaults &faults)
{
    if (!look.usable())
        return Failure{QStringLiteral("外观“%1”无法使用：%2").arg(look.header.name, look.problem), look.path};
    if (const Result<void> written = replaceFileAtomically(path, withLookHeader(look.bytes, look.header), faults);
        !written) {
        return Failure{QStringLiteral("无法写入文件“%1”：%2").arg(shown(path), written.failure().reason),
                       path + u": " + written.failure().reason};
    }
    return {};
}

Result<Look> importLook(const QString &dataFolder, const QString &path, const QList<Look> &looks,
                        const WriteFaults &faults)
{
    const Look received = lookFromFile(path);
    if (!received.usable())
        return Failure{QStringLiteral("无法导入“%1”：%2").arg(shown(path), received.problem), path};
    QString name = received.header.name.trimmed();
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    name = name.simplified().left(kLongestLookName);
    if (name.isEmpty())
        name = QStringLiteral("导入的外观");
    const QString base = name;
    for (int n = 2; nameTaken(name, looks); ++n)
        name = base.left(kLongestLookName - 6) + QStringLiteral("（%1）").arg(n);
    return writeOwnLook(dataFolder, name, withLookHeader(received.bytes, {name, received.header.description}), faults);
}

} // namespace stylewright
