#include "generators/written_parts.h"

#include "generators/css_text.h"
#include "options/choices.h"

#include <algorithm>
#include <array>

namespace stylewright {
namespace {

using enum Option;

constexpr int kColourDigits = 6;

// Where an option's written part is not what its kind makes it (a colour: its last six characters).
// clang-format off
constexpr struct {
    Option option;
    QStringView label;
    int lastChars;
} kOddParts[] = {
    {MainAlignment, kMainAlignmentLabel, 0},
    {PictureFilter, {},                  1}, // the filter's style number
};

// The sizes the generators add to, and what they add (the rest of each row is 0).
constexpr struct {
    Option size;
    std::array<int, 5> addends;
} kSums[] = {
    {NameFontSize,       {5}},
    {IntroFontSize,      {5}},
    {NavigationFontSize, {2, 3, 7, 8, 16}},
    {CommentFontSize,    {2}},
    {ExtrasFontSize,     {2, 5}},
};
// clang-format on

constexpr QStringView kPetNames[] = {kHiddenPet, kDefaultPetSize};

Switch checked(Option box)
{
    return {box};
}

Switch named(Option choice, std::span<const QStringView> names, QStringView otherTextActsAs)
{
    return {choice, SwitchKind::Named, names, otherTextActsAs};
}

// clang-format off
std::array<QList<WrittenRule>, kTabCount> describeRules()
{
    const Switch columns = named(ColumnLayout, kColumnLayoutNames, kColumnLayoutNames[int(Columns::ServiceDefault)]);
    const Switch nameEffect = named(NameEffect, kEffectNames, {});
    const Switch introEffect = named(IntroEffect, kEffectNames, {});
    const Switch textEffect = named(ArticleTextEffect, kEffectNames, {});
    const Switch player = named(PlayerStyle, kPlayerStyleNames, kPlayerStyleNames[int(PlayerLook::Plain)]);
    const Switch cursorAddress{Cursor, SwitchKind::Prefixed, {}, {}, kCursorAddressPrefix};
    const Switch pet{PetSize, SwitchKind::NamedOrText, kPetNames};
    const Switch vertical = checked(NavigationVertical), tabPictures = checked(NavigationPicturesOn);
    const Switch hideDividers = checked(NavigationHideDividers);
    const Switch catScroll = checked(CategoryScrollOn), catPicture = checked(CategoryPictureOn);
    const Switch catDivider = checked(CategoryDividerPictureOn);

    return {{
    { // 1.整体背景
        {u"body",                {PageBackgroundColour, PagePicture, PagePictureRepeat, PagePicturePosition, Cursor},
                                 {checked(PagePictureOn), checked(CursorOn), cursorAddress, checked(PageBackgroundFixed)}},
        {u"#main",               {BodyWidth}, {checked(BodyWidthOn)}},
        {u".stage",              {MainAlignment, MainTransparency, MainScrollTop, MainScrollLeft, MainScrollWidth,
                                  MainScrollHeight, PageBackgroundColour, MainPicture, MainPictureRepeat,
                                  MainPicturePosition},
                                 {checked(MainTransparencyOn), checked(MainPictureOn), checked(MainScrollOn)}},
        {u"#layout",             {ColumnsTotalWidth}, {columns}},
        {u"#layout td.c2t1",     {FirstColumnWidth, ColumnsTotalWidth}, {columns}},
        {u"#layout td.c2t2",     {SecondColumnWidth}, {columns}},
        {u"#layout td.c2t3",     {SecondColumnWidth, ThirdColumnWidth}, {columns}},
    },
    { // 2.名称简介
        {u"#header",             {HeaderHeight, HeaderMiddlePicture, HeaderColour, HeaderMiddlePictureRepeat,
                                  HeaderMiddlePicturePosition},
                                 {checked(HeaderMiddlePictureOn)}},
        {u"#header div.lc",      {HeaderLeftPicture, HeaderLeftPictureRepeat, HeaderLeftPicturePosition},
                                 {checked(HeaderLeftPictureOn)}},
        {u"#header div.rc",      {HeaderRightPicture, HeaderRightPictureRepeat, HeaderRightPicturePosition},
                                 {checked(HeaderRightPictureOn)}},
        {u"#header div.tit",     {NameTop, NameLeft, NameFontSize, NameFont, NameEffectColour, NamePicture},
                                 {nameEffect, checked(NamePictureOn)}},
        {u"#header div.tit a.titlink",         {NameColour}, {}},
        {u"#header div.tit a.titlink:visited", {NameVisitedColour}, {}},
        {u"#header div.desc",    {IntroTop, IntroLeft, IntroFontSize, IntroFont, IntroEffectColour, IntroColour,
                                  IntroPicture},
                                 {introEffect, checked(IntroPictureOn)}},
    },
    { // 3.导航设置
        {u"#tabline",            {NavigationTop, NavigationColour}, {hideDividers}},
        {u"#tab",                {NavigationTop, NavigationLeft, NavigationPicture}, {vertical, tabPictures}},
        {u"#tab a",              {}, {}},
        {u"#tab a.on,#tab a.on:link,#tab a.on:visited",
                                 {NavigationFontSize, NavigationColour, NavigationPicture}, {vertical, tabPictures}},
        {u"#tab a:link,#tab a:visited", {NavigationColour, NavigationFontSize}, {}},
        {u"#tab span",           {NavigationColour, NavigationFontSize}, {hideDividers}},
        {u"#tab a:hover,#tab a.on:hover", {NavigationFontSize, NavigationHoverPicture}, {vertical, tabPictures}},
        {u"#tab2",               {NavigationColour, NavigationFontSize}, {}},
        {u"#tab2 span",          {NavigationColour, NavigationFontSize}, {hideDividers}},
        {u"#tab2 a",             {NavigationFontSize}, {}},
        {u"#tab2 a:link",        {NavigationColour}, {}},
        {u"#tab2 a:visited",     {NavigationColour}, {}},
    },
    { // 4.模块设置
        {u".mod",                {ModuleSpacing}, {}},
        {u".modhandle",          {}, {}},
        {u".modth",              {}, {}},
        {u".modhead",            {ModuleTitleIndent}, {}},
        {u".modopt",             {ModuleEditIndent}, {}},
        {u".modtit",             {ModuleTitleColour, ModuleTitleFontSize}, {}},
        {u"a.modtit",            {ModuleTitleColour}, {}},
        {u"a.modtit:visited",    {ModuleTitleVisitedColour}, {}},
        {u".modtitlink",         {ModuleTitleColour, ModuleTitleFontSize}, {}},
        {u"a.modtitlink",        {ModuleTitleColour}, {}},
        {u"a.modtitlink:visited", {ModuleTitleVisitedColour}, {}},
        {u"a.modtitlink:hover",  {ModuleTitleVisitedColour}, {}},
        {u".modact",             {ModuleTitleColour, ModuleTitleFontSize}, {}},
        {u"a.modact:link",       {ModuleTitleColour}, {}},
        {u"a.modact:visited",    {ModuleTitleVisitedColour}, {}},
        {u".modbox",             {MainTransparency, ModulePicture, ModulePictureRepeat, ModuleColour},
                                 {checked(MainTransparencyOn), checked(ModulePictureOn)}},
        {u".modtl",              {ModuleTopLeftPicture, ModuleBorderLineHeight, ModuleColour},
                                 {checked(ModuleBorderPicturesOn)}},
        {u".modtc",              {ModuleTopCentrePicture, ModuleBorderLineHeight, ModuleColour},
                                 {checked(ModuleBorderPicturesOn)}},
        {u".modtr",              {ModuleTopRightPicture, ModuleBorderLineHeight, ModuleColour},
                                 {checked(ModuleBorderPicturesOn)}},
        {u".modbl",              {ModuleBottomLeftPicture, ModuleBorderLineHeight, ModuleColour},
                                 {checked(ModuleBorderPicturesOn)}},
        {u".modbc",              {ModuleBottomCentrePicture, ModuleBorderLineHeight, ModuleColour},
                                 {checked(ModuleBorderPicturesOn)}},
        {u".modbr",              {ModuleBottomRightPicture, ModuleBorderLineHeight, ModuleColour},
                                 {checked(ModuleBorderPicturesOn)}},
    },
    { // 5.文章内容
        {u"#m_blog",             {ArticleScrollHeight}, {checked(ArticleScrollOn)}},
        {u"#m_blog div.tit",     {ArticleTitleColour, ArticleTitleFontSize, ArticleTitleIndent, ArticleTitleLineHeight,
                                  ArticleTitlePicture, ArticleTitlePictureRepeat, ArticleTitlePicturePosition},
                                 {checked(ArticleTitlePictureOn)}},
        {u"#m_blog div.tit a",   {ArticleTitleColour, ArticleTitleFontSize}, {}},
        {u"#m_blog div.tit a:visited", {ArticleTitleVisitedColour}, {}},
        {u"#m_blog div.date",    {ArticleDateIndent, ArticleTitleColour}, {}},
        {u"#m_blog div.cnt",     {ArticleTextColour, ArticleTextLineHeight, ArticleTextFontSize, ArticleTextEffectColour,
                                  ArticleTextPicture, ArticleTextPictureRepeat, ArticleTextPicturePosition},
                                 {textEffect, checked(ArticleTextPictureOn)}},
        {u"#m_blog div.more",    {CategoryColour, CategoryFontSize}, {}},
        {u"#m_blog div.more a:visited", {CategoryVisitedColour}, {}},
        {u"#m_blog div.opt",     {CategoryColour, CategoryFontSize}, {}},
        {u"#m_blog div.opt a",   {CategoryColour, CategoryFontSize}, {}},
        {u"#m_blog div.opt a:visited", {CategoryVisitedColour}, {}},
        {u"#m_blog div.line",    {ArticleDividerLineHeight, CategoryColour, ArticleDividerPicture, ArticleDividerRepeat},
                                 {checked(ArticleDividerPictureOn)}},
        {u"#m_blog div.none",    {CategoryColour, CategoryFontSize}, {}},
    },
    { // 6.文章设置: the category and archive modules alike
        {u"#m_artclg",           {CategoryScrollHeight}, {catScroll}},
        {u"#m_artclg div.item",  {CategoryColour, CategoryFontSize, CategoryPicture, CategoryPictureRepeat,
                                  CategoryPicturePosition},
                                 {catPicture}},
        {u"#m_artclg div.item a", {CategoryColour, CategoryFontSize}, {}},
        {u"#m_artclg div.item a:visited", {CategoryVisitedColour}, {}},
        {u"#m_artclg div.line",  {CategoryDividerLineHeight, CategoryColour, CategoryDividerPicture,
                                  CategoryDividerRepeat},
                                 {catDivider}},
        {u"#m_filed",            {CategoryScrollHeight}, {catScroll}},
        {u"#m_filed div.item",   {CategoryColour, CategoryFontSize, CategoryPicture, CategoryPictureRepeat,
                                  CategoryPicturePosition},
                                 {catPicture}},
        {u"#m_filed div.item a", {CategoryColour, CategoryFontSize}, {}},
        {u"#m_filed div.item a:visited", {CategoryVisitedColour}, {}},
        {u"#m_filed div.line",   {CategoryDividerLineHeight, CategoryColour, CategoryDividerPicture,
                                  CategoryDividerRepeat},
                                 {catDivider}},
    },
    { // 7.个人档案
        {u"#m_pro",              {}, {}},
        {u"#mod_profile.modth",  {}, {}},
        {u"#mod_profile.modbox", {ProfileColour}, {}},
        {u"#m_pro.portrait",     {ProfilePortraitSize}, {}},
        {u"#m_pro.portrait img", {ProfilePortraitSize}, {}},
        {u"#m_pro.userinfo",     {ProfilePortraitSize, ProfileColour}, {}},
        {u"#m_pro div.user",     {ProfileColour, ProfileFontSize}, {checked(ProfilePictureOn)}},
        {u"#m_pro div.act",      {ProfilePicture, ProfilePictureHeight}, {checked(ProfilePictureOn)}},
        {u"#m_pro.userinfo nobr", {ProfileColour}, {}},
        {u"#m_pro.userinfo nobr img", {}, {}},
        {u"#m_pro.line",         {}, {}},
        {u"#m_pro div.act a,#m_pro div.act a:visited", {ProfileColour}, {}},
        {u"#m_pro a.btfan",      {ProfileColour}, {}},
        {u"#m_pro a.btfan img",  {}, {}},
        {u"#mod_inmoyan ul",     {ProfileColour}, {}},
        {u"#mod_inmoyan.title",  {ProfileColour, ProfileFontSize}, {}},
        {u"#mod_inmoyan.list",   {ProfileColour}, {}},
        {u"#mod_inmoyan.list a", {ProfileColour}, {}},
        {u"#mod_inmoyan.noContent", {ProfileColour}, {}},
        {u"#mod_inmoya .qzContent", {}, {}},
        {u"#mod_hobby",          {ProfileColour}, {}},
        {u"#m_hobby span.title", {ProfileFontSize, ProfileColour}, {}},
        {u"#m_hobby span.colon", {ProfileColour}, {}},
        {u"#m_hobby a",          {ProfileColour}, {}},
        {u"#m_hobby a:hover",    {ProfileVisitedColour}, {}},
        {u"#mod_info span.modtit", {ProfileColour}, {}},
        {u"#m_info td.tit",      {ProfileColour}, {}},
        {u"#m_info td",          {ProfileColour}, {}},
        {u"#m_info td a:link",   {ProfileColour}, {}},
        {u"#m_info td a:visited", {ProfileVisitedColour}, {}},
        {u"#m_info td a:hover",  {ProfileVisitedColour}, {}},
        {u"#m_info td a:active", {ProfileColour}, {}},
    },
    { // 8.相册设置
        {u"#m_album div.image",  {}, {}},
        {u"#m_album div.page",   {AlbumColour, AlbumFontSize}, {}},
        {u"#m_album div.page a", {AlbumColour, AlbumFontSize}, {}},
        {u"#m_album div.page a:visited", {AlbumVisitedColour}, {}},
        {u"#m_albumlist div.desc", {AlbumBarLineHeight, AlbumBarColour, AlbumFontSize, AlbumColour, AlbumBarPicture,
                                    AlbumBarPictureRepeat},
                                   {checked(AlbumBarPictureOn)}},
        {u"#m_albumlist div.none", {AlbumColour, AlbumFontSize}, {}},
        {u"#m_albumlist div.line", {AlbumBarColour}, {checked(AlbumBarPictureOn)}},
        {u"#m_albumlist div.tit", {AlbumColour, AlbumFontSize}, {}},
        {u"#m_albumlist div.tit a", {AlbumColour, AlbumFontSize}, {}},
        {u"#m_albumlist div.tit a:visited", {AlbumVisitedColour}, {}},
        {u"#m_albumlist span.count", {AlbumColour, AlbumFontSize}, {}},
        {u"#m_albumlist span.size", {AlbumColour, AlbumFontSize}, {}},
        {u"#m_albumlist a.act",  {AlbumColour, AlbumFontSize}, {}},
        {u"#m_albumlist a.act:visited", {AlbumVisitedColour}, {}},
    },
    { // 9.我的好友
        {u"#m_links",            {LinksScrollHeight}, {checked(LinksScrollOn)}},
        {u"#m_links div.item",   {LinksColour, LinksFontSize, LinksDividerLineHeight, LinksPicture, LinksPictureRepeat},
                                 {checked(LinksPictureOn)}},
        {u"#m_links div.item a", {LinksColour, LinksFontSize}, {}},
        {u"#m_links div.item a:visited", {LinksVisitedColour}, {}},
        {u"#m_links div.line",   {LinksDividerLineHeight, LinksColour, LinksDividerPicture, LinksDividerRepeat},
                                 {checked(LinksDividerPictureOn)}},
        {u"#m_friend div.user",  {LinksColour, LinksFontSize}, {}},
        {u"#m_friend div.user a", {LinksColour, LinksFontSize}, {}},
        {u"#m_friend div.user a:visited", {LinksVisitedColour}, {}},
        {u"#m_friend div.line",  {FriendsDividerLineHeight, LinksColour, FriendsDividerPicture, FriendsDividerRepeat},
                                 {checked(FriendsDividerPictureOn)}},
    },
    { // 10.留言评论
        {u"#m_comment div.item", {CommentColour, CommentFontSize}, {}},
        {u"#m_comment div.item a", {CommentColour, CommentFontSize}, {}},
        {u"#m_comment div.item a:visited", {CommentVisitedColour}, {}},
        {u"#m_comment div.item a.cnt", {CommentColour, CommentFontSize}, {}},
        {u"#m_comment div.item a.cnt:visited", {CommentVisitedColour}, {}},
        {u"#m_comment div.item a.cnt:hover", {CommentVisitedColour}, {}},
        {u"#in_comment",         {}, {}},
        {u"#in_comment div.tit", {CommentColour, CommentFontSize, ArticleTitleLineHeight}, {}},
        {u"#in_comment div.user a", {CommentColour, CommentFontSize}, {}},
        {u"#in_comment div.user a:visited", {CommentVisitedColour}, {}},
        {u"#in_comment div.user span.date", {CommentColour, CommentFontSize}, {}},
        {u"#in_comment div.desc", {CommentColour, CommentFontSize}, {}},
        {u"#in_send div.tit",    {CommentColour, CommentFontSize}, {}},
        {u"#spBlogCmtText",      {CommentBoxPicture, CommentBoxPictureRepeat, CommentBoxPicturePosition},
                                 {checked(CommentBoxPictureOn)}},
        {u"#in_msg div.tit",     {CommentColour, CommentFontSize}, {}},
        {u"#in_msg a",           {}, {}},
        {u"#in_msg a:hover",     {}, {}},
        {u"#in_msg .item td.index", {CommentColour, CommentFontSize}, {}},
        {u"#in_msg .item div.user", {CommentColour}, {}},
        {u"#in_msg .item div.user a", {CommentColour, CommentFontSize}, {}},
        {u"#in_msg .item div.user a:visited", {CommentVisitedColour}, {}},
        {u"#in_msg .item div.user a:hover", {CommentVisitedColour}, {}},
        {u"#in_msg .item div.user img", {}, {}},
        {u"#in_msg .item td.cnt a", {CommentColour, CommentFontSize}, {}},
        {u"#in_msg .item td.cnt a:visited", {CommentVisitedColour}, {}},
        {u"#in_msg .item td.cnt a:hover", {CommentVisitedColour}, {}},
        {u"#in_msg span.date",   {CommentColour, CommentFontSize}, {}},
        {u"#in_msg div.desc",    {CommentColour, CommentFontSize}, {}},
        {u"#in_msg div.line",    {CommentColour, CommentLineHeight, CommentDividerPicture, CommentDividerRepeat,
                                  CommentDividerPosition},
                                 {checked(CommentDividerPictureOn)}},
        {u"#m_comment div.line", {CommentLineHeight, CommentColour, CommentDividerPicture, CommentDividerRepeat,
                                  CommentDividerPosition},
                                 {checked(CommentDividerPictureOn)}},
    },
    { // 11.综合设置
        {u"#comm_info",          {ExtrasColour, VisitCountAlignment}, {}},
        {u"#comm_info div.line", {ExtrasColour, ExtrasDividerLineHeight, ExtrasDividerPicture, ExtrasDividerRepeat,
                                  ExtrasDividerPosition},
                                 {checked(ExtrasDividerPictureOn)}},
        {u"#comm_info a",        {ExtrasColour}, {}},
        {u"#page",               {ExtrasFontSize, PageNumberAlignment}, {}},
        {u"#page span",          {ExtrasColour, ExtrasFontSize}, {}},
        {u"#page a.pc",          {ExtrasColour, ExtrasFontSize}, {}},
        {u"#page a.pc:visited",  {ExtrasVisitedColour}, {}},
        {u"#page a.pi",          {ExtrasColour, ExtrasFontSize}, {}},
        {u"#page a.pi:visited",  {ExtrasVisitedColour}, {}},
        {u"#m_setting a",        {ExtrasColour}, {}},
        {u"#m_setting a:visited", {ExtrasVisitedColour}, {}},
        {u"#m_setting",          {ExtrasFontSize, ExtrasColour}, {}},
        {u"#m_setting img.sel",  {ExtrasColour}, {}},
        {u"#m_setting img.unsel", {ExtrasColour}, {}},
        {u"#m_setting span.tit", {ExtrasFontSize}, {}},
        {u"#m_setting span.usr", {ExtrasColour}, {}},
        {u"#m_setting div.sel",  {ExtrasFontSize}, {}},
        {u"#m_setting div.line", {ExtrasFontSize, ExtrasColour}, {}},
        {u"#m_sysinfo a",        {ExtrasColour}, {}},
        {u"#m_sysinfo a:visited", {ExtrasVisitedColour}, {}},
        {u"#m_sysinfo",          {ExtrasFontSize, ExtrasColour}, {}},
        {u"#m_sysinfo span.new", {ExtrasColour, ExtrasFontSize}, {}},
        {u"#m_sysinfo span.date", {ExtrasColour, ExtrasFontSize}, {}},
        {u"#m_setbase",          {ExtrasColour, ExtrasFontSize}, {}},
        {u"#m_setbase td",       {ExtrasColour, ExtrasFontSize}, {}},
        {u"#m_setbase div.line", {ExtrasColour}, {}},
        {u"#m_track",            {ExtrasColour, ExtrasFontSize}, {}},
        {u"#m_track a",          {ExtrasColour, ExtrasFontSize}, {}},
        {u"#m_track a:hover",    {ExtrasVisitedColour}, {}},
        {u"#m_track a img",      {}, {}},
        {u"#m_track a:hover img", {}, {}},
        {u"#m_search",           {ExtrasColour, ExtrasFontSize}, {}},
        {u"#m_search input.text", {ExtrasColour, ExtrasFontSize}, {}},
        {u"#m_search input.radio", {SearchColour, SearchPicture}, {checked(SearchPictureOn)}},
        {u"#m_search input.submit", {SearchButtonColour}, {}},
        {u"#mod_bgmusic",        {}, {player}},
        {u"#phx",                {}, {player}},
        {u"A IMG",               {PictureFilter}, {checked(PictureFilterOn)}},
        {u"A:hover IMG",         {}, {checked(PictureFilterOn)}},
        {u"#petObject",          {PetSize}, {pet}},
    },
    }};
}
// clang-format on

const std::array<QList<WrittenRule>, kTabCount> &allRules()
{
    static const std::array<QList<WrittenRule>, kTabCount> rules = describeRules();
    return rules;
}

// Whether any rule holds an option's text, by catalogue row.
const std::array<bool, kOptionCount> &writtenOptions()
{
    static const std::array<bool, kOptionCount> written = [] {
        std::array<bool, kOptionCount> all{};
        for (const QList<WrittenRule> &area : allRules()) {
            for (const WrittenRule &rule : area) {
                for (Option option : rule.options)
                    all[rowOf(option)] = true;
            }
        }
        return all;
    }();
    return written;
}

// The part of an option's text the generators would write, were it written.
WrittenPart partShape(Option option)
{
    for (const auto &odd : kOddParts) {
        if (odd.option == option)
            return {true, odd.label, odd.lastChars};
    }
    return {true, {}, optionDef(option).kind == OptionKind::Colour ? kColourDigits : 0};
}

} // namespace

WrittenPart writtenPart(Option option)
{
    WrittenPart part = partShape(option);
    part.written = writtenOptions()[rowOf(option)];
    return part;
}

QString writtenText(Option option, const QString &value)
{
    const WrittenPart part = partShape(option);
    const QString afterLabel = value.mid(part.label.size());
    return part.lastChars > 0 ? rightChars(afterLabel, part.lastChars) : afterLabel;
}

QList<int> addendsOf(Option option)
{
    QList<int> addends;
    for (const auto &sum : kSums) {
        if (sum.size != option)
            continue;
        for (int addend : sum.addends) {
            if (addend != 0)
                addends.append(addend);
        }
    }
    return addends;
}

std::optional<QStringView> Switch::nameActedOn(QStringView text) const
{
    if (std::find(names.begin(), names.end(), text) != names.end())
        return text;
    if (otherTextActsAs.isEmpty())
        return std::nullopt;
    return otherTextActsAs;
}

const QList<WrittenRule> &rulesOf(Area area)
{
    return allRules()[int(area)];
}

QList<RuleRef> rulesFeeding(Option option)
{
    QList<RuleRef> fed;
    for (int a = 0; a < kTabCount; ++a) {
        for (const WrittenRule &rule : rulesOf(Area(a))) {
            if (rule.options.contains(option))
                fed.append({Area(a), &rule});
        }
    }
    return fed;
}

QList<QList<Switch>> switchGroups(Area area)
{
    QList<QList<Switch>> groups;
    for (const WrittenRule &rule : rulesOf(area)) {
        // The groups this rule's switches are in become one, in the place of the first of them.
        qsizetype into = -1;
        for (qsizetype g = 0; g < groups.size();) {
            const bool shares = std::any_of(rule.switches.begin(), rule.switches.end(),
                                            [&](const Switch &s) { return groups[g].contains(s); });
            if (!shares) {
                ++g;
            } else if (into < 0) {
                into = g++;
            } else {
                groups[into] += groups.takeAt(g);
            }
        }
        if (rule.switches.isEmpty())
            continue;
        if (into < 0) {
            into = groups.size();
            groups.append(QList<Switch>());
        }
        for (const Switch &s : rule.switches) {
            if (!groups[into].contains(s))
                groups[into].append(s);
        }
    }
    return groups;
}

std::optional<Switch> switchOf(Option option)
{
    for (const QList<WrittenRule> &area : allRules()) {
        for (const WrittenRule &rule : area) {
            for (const Switch &s : rule.switches) {
                if (s.option == option)
                    return s;
            }
        }
    }
    return std::nullopt;
}

} // namespace stylewright
