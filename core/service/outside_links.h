#pragma once
// Every web address the companion tools open or fetch, in one place. They live on reserved
// .test hosts: the space service under moyan.test, outside sites under names of their own.

#include <QStringView>

namespace stylewright {

// Scheme and host of the service's space server; a space address is this, "/" and the space name.
inline constexpr QStringView kSpaceHostPrefix = u"http://s.moyan.test";
// The fetcher and the tool window cut this many characters off a space address, as stored addresses
// and saved-sheet names have always been cut; a prefix of another length would name other files.
static_assert(kSpaceHostPrefix.size() == 19);

// The example space the address fields start with.
inline constexpr QStringView kExampleSpaceAddress = u"http://s.moyan.test/yanzhou";

struct OutsideLinks {
    QStringView spaceHome;     // the service's space home page
    QStringView authorSpace;   // the author's own space
    QStringView updateNotes;   // the author's update-notes article, when the notes file is missing
    QStringView articleSearch; // article search in the author's space; the search word follows
    QStringView cssHelp;       // the service's help page on custom space CSS
    QStringView trafficSite;   // outside traffic-exchange site for spaces
    QStringView rankingSite;   // outside space-ranking page; the space name follows
    QStringView cursorSite;    // outside host for animated cursor files
    QStringView cursorWord;    // the fixed cursor search word, already GBK percent-encoded
};

inline constexpr OutsideLinks kLinks{
    .spaceHome = u"http://s.moyan.test/",
    .authorSpace = u"http://s.moyan.test/yanzhou",
    .updateNotes = u"http://s.moyan.test/yanzhou/blog/item/stylewright-update-notes.html",
    .articleSearch = u"http://www.moyan.test/search/article?space=yanzhou&word=",
    .cssHelp = u"http://help.moyan.test/space/custom-css.html",
    .trafficSite = u"http://space-traffic.test/exchange/",
    .rankingSite = u"http://space-ranking.test/query?space=",
    .cursorSite = u"http://cursor-host.test/upload/",
    .cursorWord = u"%CA%F3%B1%EA+ani+",
};

// The author's contact details shown by the about and contact windows.
inline constexpr QStringView kAuthorHandle = u"砚舟";
inline constexpr QStringView kContactText = u"作者：砚舟\n"
                                            u"邮箱：yanzhou@moyan.test\n"
                                            u"备用邮箱：yanzhou.css@mailbox.test\n"
                                            u"QQ：00000000\n"
                                            u"博客：http://s.moyan.test/yanzhou\n"
                                            u"提交BUG可以通过邮箱，QQ，博客留言\n"
                                            u"欢迎提出您的宝贵建议和意见!\n"
                                            u"您的支持给我更新动力!";

} // namespace stylewright
