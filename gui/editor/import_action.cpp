#include "editor/import_action.h"

#include "base/file_reading.h"
#include "base/text_encoding.h"
#include "generators/code_file.h"
#include "options/option_set.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace stylewright {
namespace {

// Line numbers named in the report; more are summed up.
constexpr int kNamedLines = 10;

QString areaNames(const QList<Area> &areas)
{
    QStringList names;
    for (Area area : areas)
        names.append(tabDef(area).caption.toString());
    return names.join(u'、');
}

QString unreadText(const QList<UnreadLine> &lines)
{
    if (lines.isEmpty())
        return QStringLiteral("所有代码行都已读入。");
    QStringList numbers;
    for (qsizetype i = 0; i < lines.size() && i < kNamedLines; ++i)
        numbers.append(QString::number(lines[i].line));
    const QString more = lines.size() > kNamedLines ? QStringLiteral("等") : QString();
    return QStringLiteral("有 %1 行未能识别，相应的设置保持原样（第 %2 行%3）。")
        .arg(lines.size())
        .arg(numbers.join(u'、'), more);
}

} // namespace

QString importReportText(const CssImport &report)
{
    if (report.recognised.isEmpty())
        return QStringLiteral("没有找到本程序生成的CSS代码，设置没有改变。");
    QStringList lines{
        QStringLiteral("已识别 %1 个区域：%2。").arg(report.recognised.size()).arg(areaNames(report.recognised))};
    if (!report.incomplete.isEmpty())
        lines.append(
            QStringLiteral("其中代码不完整的区域：%1，缺少的部分保持原样。").arg(areaNames(report.incomplete)));
    if (report.notFound.isEmpty())
        lines.append(QStringLiteral("十一个区域都已找到。"));
    else
        lines.append(QStringLiteral("未找到 %1 个区域：%2，这些区域的设置保持原样。")
                         .arg(report.notFound.size())
                         .arg(areaNames(report.notFound)));
    lines.append(unreadText(report.unreadLines));
    lines.append(QStringLiteral("共修改了 %1 项设置。").arg(report.changed.size()));
    return lines.join(u'\n');
}

CssImport importIntoEditor(const QString &css, OptionSet &options, Prompts &prompts)
{
    const CssImport report = importCss(css, options);
    prompts.inform(kInfoTitle, importReportText(report));
    return report;
}

void importFileIntoEditor(const QString &path, OptionSet &options, Prompts &prompts)
{
    const Result<QByteArray> bytes = readFileCapped(path, kLargestImportFile);
    if (!bytes) {
        logFailure(bytes.failure());
        const QString shown = QDir::toNativeSeparators(path);
        prompts.inform(kErrorTitle, bytes.failure().file == FileError::TooLarge
                                        ? QStringLiteral("文件“%1”超过 %2 MB，不是本程序生成的CSS代码，没有导入。")
                                              .arg(shown)
                                              .arg(kLargestImportFile / (1024 * 1024))
                                        : QStringLiteral("无法读取文件“%1”，没有导入。").arg(shown));
        return;
    }
    importIntoEditor(decodeGbk(*bytes), options, prompts);
}

void importCodeFileIntoEditor(const QString &folder, OptionSet &options, Prompts &prompts)
{
    const QString path = codeFilePath(folder);
    if (!QFileInfo::exists(path)) {
        prompts.inform(kErrorTitle, kNoCodeMessage);
        return;
    }
    importFileIntoEditor(path, options, prompts);
}

} // namespace stylewright
