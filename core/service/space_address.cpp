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
    if (name.isEmpty() || name.contains(u"..") || name.endsWith(u'.') || name.endsWith(u' '))
        return false;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"/\\<>:\"|?*").contains(c))
            return false;
    }
    // Windows opens a device, not a file, for these names whatever the extension.
    const qsizetype dot = name.indexOf(u'.');
    const QStringView stem = name.first(dot < 0 ? name.size() : dot).trimmed();
    for (QStringView device : {u"CON", u"PRN", u"AUX", u"NUL"}) {
        if (stem.compare(device, Qt::CaseInsensitive) == 0)
            return false;
    }
    const bool numberedPort = stem.size() == 4 && stem[3] >= u'1' && stem[3] <= u'9';
    if (numberedPort && (stem.first(3).compare(u"COM", Qt::CaseInsensitive) == 0 ||
                         stem.first(3).compare(u"LPT", Qt::CaseInsensitive) == 0))
        return false;
    return true;
}

} // namespace stylewright
