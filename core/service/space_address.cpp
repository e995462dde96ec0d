#include "service/space_address.h"

#include "service/search_word.h"

namespace stylewright {

QString spacePageAddress(QStringView address)
{
    return encodeAddressGbk(address);
}

bool isFetchableAddress(QStringView address, QStringView prefix)
{
    return address.size() > prefix.size();
}

QString userPart(QStringView address, QStringView prefix)
{
    return address.mid(prefix.size()).toString();
}

QString spaceName(QStringView address, QStringView prefix)
{
    return address.mid(prefix.size() + 1).toString();
}

std::optional<QString> saveName(QStringView address, QStringView prefix)
{
    if (address.size() <= prefix.size() + 1)
        return std::nullopt;
    QString name = spaceName(address, prefix);
    if (!isPlainFileName(name))
        return std::nullopt;
    return name;
}

bool isPlainFileName(QStringView name)
{
    return fileNameFault(name).isEmpty();
}

QString fileNameFault(QStringView name)
{
    if (name.isEmpty())
        return QStringLiteral("空间名是空的");
    QString refused;
    bool control = false;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            control = true;
        else if (QStringView(u"/\\<>:\"|?*").contains(c) && !refused.contains(c))
            refused += (refused.isEmpty() ? u"“" : u"、“") + QString(c) + u'”';
    }
    if (!refused.isEmpty())
        return u"含有不允许的字符" + refused + (control ? u"和控制字符" : u"");
    if (control)
        return QStringLiteral("含有控制字符");
    if (name.contains(u".."))
        return QStringLiteral("含有“..”");
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return QStringLiteral("以点或空格结尾");
    // Windows opens a device, not a file, for these names whatever the extension.
    const qsizetype dot = name.indexOf(u'.');
    const QStringView stem = name.first(dot < 0 ? name.size() : dot).trimmed();
    const bool numberedPort = stem.size() == 4 && stem[3] >= u'1' && stem[3] <= u'9' &&
                              (stem.first(3).compare(u"COM", Qt::CaseInsensitive) == 0 ||
                               stem.first(3).compare(u"LPT", Qt::CaseInsensitive) == 0);
    bool device = numberedPort;
    for (QStringView reserved : {u"CON", u"PRN", u"AUX", u"NUL"})
        device = device || stem.compare(reserved, Qt::CaseInsensitive) == 0;
    if (device)
        return u"“" + stem.toString() + u"”是系统保留的设备名";
    return {};
}

} // namespace stylewright
