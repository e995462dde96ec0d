#pragma once
// Parts of a space address (the space-host prefix, "/" and the space name), counted in characters.

#include <QString>
#include <QStringView>
#include <optional>

namespace stylewright {

// The space page's address as it is requested: the service reads addresses in GBK, so characters
// outside ASCII go percent-encoded as GBK bytes.
QString spacePageAddress(QStringView address);
// An address is long enough to fetch when something follows the prefix.
bool isFetchableAddress(QStringView address, QStringView prefix);
// The address without its first prefix-length characters: "/" and the space name.
QString userPart(QStringView address, QStringView prefix);
// The space name: the address without its first prefix-length-plus-one characters; empty when
// the address is not longer than that.
QString spaceName(QStringView address, QStringView prefix);
// The file name a fetched sheet is saved under (without ".txt"), or nothing when the address is
// too short or its space name is not a plain file name.
std::optional<QString> saveName(QStringView address, QStringView prefix);
// A single path component every common file system accepts: no separators, no "..", no control
// characters, none of <>:"|?*, no trailing dot or space, no reserved device name.
bool isPlainFileName(QStringView name);
// Why name is not a plain file name, in the user's words ("含有不允许的字符“:”、“*”"); empty when
// it is.
QString fileNameFault(QStringView name);
// The rules of a plain file name, in the user's words.
inline constexpr QStringView kFileNameRules =
    u"文件名中不能有 / \\ < > : \" | ? * 和控制字符，不能含有“..”，也不能以点或空格结尾。";

} // namespace stylewright
