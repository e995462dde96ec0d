#pragma once
// The option catalogue: every option of the editor window in one table. Form building, saving,
// loading, dependency rules and counts are all derived from it. Code names an option by its
// Option enumerator; the legacy identifier ("txtbgc") is data: the widget's object name and the
// key of the public string API.

#include <QStringList>
#include <QStringView>
#include <optional>
#include <span>

namespace stylewright {

enum class OptionKind : quint8 { Number, Colour, Picture, Check, Choice };

// Every option, in catalogue order (tab by tab, each group in reading order).
enum class Option : quint8 {
    // 1.整体背景
    PageBackgroundColour,
    PageBackgroundFixed,
    PagePictureOn,
    PagePicture,
    PagePictureRepeat,
    PagePicturePosition,
    CursorOn,
    Cursor,
    BodyWidthOn,
    BodyWidth,
    MainTransparencyOn,
    MainTransparency,
    MainAlignment,
    MainPictureOn,
    MainPicture,
    MainPictureRepeat,
    MainPicturePosition,
    MainScrollOn,
    MainScrollTop,
    MainScrollLeft,
    MainScrollWidth,
    MainScrollHeight,
    ColumnLayout,
    ColumnsTotalWidth,
    FirstColumnWidth,
    SecondColumnWidth,
    ThirdColumnWidth,
    // 2.名称简介
    HeaderHeight,
    HeaderColour,
    HeaderMiddlePictureOn,
    HeaderMiddlePicture,
    HeaderMiddlePictureRepeat,
    HeaderMiddlePicturePosition,
    HeaderLeftPictureOn,
    HeaderLeftPicture,
    HeaderLeftPictureRepeat,
    HeaderLeftPicturePosition,
    HeaderRightPictureOn,
    HeaderRightPicture,
    HeaderRightPictureRepeat,
    HeaderRightPicturePosition,
    NameTop,
    NameFontSize,
    NameColour,
    NameVisitedColour,
    NameLeft,
    NameFont,
    NameEffect,
    NameEffectColour,
    NamePictureOn,
    NamePicture,
    IntroTop,
    IntroFontSize,
    IntroColour,
    IntroLeft,
    IntroFont,
    IntroEffect,
    IntroEffectColour,
    IntroPictureOn,
    IntroPicture,
    // 3.导航设置
    NavigationVertical,
    NavigationHideDividers,
    NavigationTop,
    NavigationLeft,
    NavigationPicturesOn,
    NavigationPicture,
    NavigationHoverPicture,
    NavigationLineHeight,
    NavigationFontSize,
    NavigationColour,
    NavigationVisitedColour,
    // 4.模块设置
    ModuleTitleIndent,
    ModuleEditIndent,
    ModuleTitleColour,
    ModuleTitleVisitedColour,
    ModuleTitleFontSize,
    ModuleColour,
    ModuleSpacing,
    ModulePictureOn,
    ModulePicture,
    ModulePictureRepeat,
    ModuleBorderPicturesOn,
    ModuleBorderLineHeight,
    ModuleTopLeftPicture,
    ModuleTopCentrePicture,
    ModuleTopRightPicture,
    ModuleBottomLeftPicture,
    ModuleBottomCentrePicture,
    ModuleBottomRightPicture,
    // 5.文章内容
    ArticleTitleFontSize,
    ArticleTitleColour,
    ArticleTitleVisitedColour,
    ArticleTitlePictureOn,
    ArticleTitlePicture,
    ArticleTitlePictureRepeat,
    ArticleTitlePicturePosition,
    ArticleTitleIndent,
    ArticleTitleLineHeight,
    ArticleDateIndent,
    ArticleTextColour,
    ArticleTextFontSize,
    ArticleTextLineHeight,
    ArticleDividerLineHeight,
    ArticleDividerPictureOn,
    ArticleDividerPicture,
    ArticleDividerRepeat,
    ArticleTextPictureOn,
    ArticleTextPicture,
    ArticleTextPictureRepeat,
    ArticleTextPicturePosition,
    ArticleScrollOn,
    ArticleScrollHeight,
    ArticleTextEffect,
    ArticleTextEffectColour,
    // 6.文章设置
    CategoryFontSize,
    CategoryColour,
    CategoryVisitedColour,
    CategoryPictureOn,
    CategoryPicture,
    CategoryPictureRepeat,
    CategoryPicturePosition,
    CategoryDividerPictureOn,
    CategoryDividerPicture,
    CategoryDividerRepeat,
    CategoryDividerLineHeight,
    CategoryScrollOn,
    CategoryScrollHeight,
    // 7.个人档案
    ProfileFontSize,
    ProfilePortraitSize,
    ProfileColour,
    ProfileVisitedColour,
    ProfilePictureOn,
    ProfilePicture,
    ProfilePictureHeight,
    // 8.相册设置
    AlbumBarColour,
    AlbumBarLineHeight,
    AlbumBarPictureOn,
    AlbumBarPicture,
    AlbumBarPictureRepeat,
    AlbumFontSize,
    AlbumColour,
    AlbumVisitedColour,
    // 9.我的好友
    LinksColour,
    LinksVisitedColour,
    LinksFontSize,
    LinksDividerLineHeight,
    LinksScrollOn,
    LinksScrollHeight,
    LinksPictureOn,
    LinksPicture,
    LinksPictureRepeat,
    LinksDividerPictureOn,
    LinksDividerPicture,
    LinksDividerRepeat,
    FriendsDividerLineHeight,
    FriendsDividerPictureOn,
    FriendsDividerPicture,
    FriendsDividerRepeat,
    // 10.留言评论
    CommentColour,
    CommentVisitedColour,
    CommentFontSize,
    CommentLineHeight,
    CommentDividerPictureOn,
    CommentDividerPicture,
    CommentDividerRepeat,
    CommentDividerPosition,
    CommentBoxPictureOn,
    CommentBoxPicture,
    CommentBoxPictureRepeat,
    CommentBoxPicturePosition,
    // 11.综合设置
    ExtrasFontSize,
    ExtrasColour,
    ExtrasVisitedColour,
    ExtrasDividerPictureOn,
    ExtrasDividerPicture,
    ExtrasDividerLineHeight,
    ExtrasDividerRepeat,
    ExtrasDividerPosition,
    VisitCountAlignment,
    PageNumberAlignment,
    PlayerStyle,
    PictureFilterOn,
    PictureFilter,
    SearchColour,
    SearchButtonColour,
    SearchPictureOn,
    SearchPicture,
    SearchPictureRepeat,
    PetSize,
};

inline constexpr int kOptionCount = 189;
inline constexpr int kTabCount = 11;
// The longest text an option's field holds, as in the single-line fields the settings files come
// from; longer texts are cut to it, or left out, before they reach the option.
inline constexpr int kMaxTextLength = 32767;
static_assert(int(Option::PetSize) + 1 == kOptionCount);

constexpr int rowOf(Option option)
{
    return int(option);
}
constexpr Option optionAt(int row)
{
    return Option(row);
}

// The page areas, one per tab, in window order.
enum class Area : quint8 {
    Background,
    Header,
    Navigation,
    Modules,
    Articles,
    Categories,
    Profile,
    Album,
    Links,
    Comments,
    Extras,
};

// The three states of a check box, stored as the texts "0", "1" and "2".
enum class CheckState : quint8 { Unchecked, Checked, Greyed };
QStringView checkStateText(CheckState state);
// The state a stored text names, or nothing for any other text.
std::optional<CheckState> checkStateNamed(QStringView text);

// Where an option sits in its tab's frame; a new group always starts a new row.
enum class Place : quint8 {
    Flow,  // after the previous option, in the same row
    Row,   // at the start of a new row
    Under, // at the start of a row whose fields the stacked labels of the row above also name
};

struct OptionDef {
    Option option;
    QStringView id; // control name; array elements carry their index, e.g. u"chcmrl(2)"
    OptionKind kind;
    QStringView defaultValue;           // design-time value; u"0"/u"1" for a check box
    bool startEnabled = true;           // enabled when the window opens
    std::span<const QStringView> items; // a choice's list, in display order
    QStringView caption;                // check box caption
    QStringView tooltip;
    Area area = Area::Background; // the tab it sits on
    QStringView group;            // titled group within the tab's frame, or empty
    QStringView labels;           // captions standing before this option, one per field they name, separated by '|'
    QStringView section;          // settings file section
    QStringView key;              // settings file key
    int saveOrder = 0;            // 0..188: position of the key in the settings file
    Place place = Place::Flow;
};

struct TabDef {
    Area area;
    QStringView caption;    // u"1.整体背景"
    QStringView frame;      // u"Frame1"
    QStringView areaButton; // u"cmdbg": its "显示代码" button
};

// All options, in Option order.
std::span<const OptionDef, kOptionCount> options();
inline const OptionDef &optionDef(Option option)
{
    return options()[rowOf(option)];
}
// The eleven tabs in window order.
std::span<const TabDef, kTabCount> tabs();
inline const TabDef &tabDef(Area area)
{
    return tabs()[int(area)];
}
// The eleven areas in window order, for range-for.
std::span<const Area, kTabCount> areas();
// The option a legacy identifier ("txtbgc") names, if any.
std::optional<Option> optionById(QStringView id);
// The area whose tab has this "显示代码" button, if any.
std::optional<Area> areaOfButton(QStringView areaButton);
// Options in settings-file order.
std::span<const Option, kOptionCount> saveOrder();
// A choice option's list items, in display order.
QStringList listItems(const OptionDef &def);
// A label's captions, one per field it names.
QStringList labelCaptions(const OptionDef &def);

inline bool isTextKind(OptionKind kind)
{
    return kind != OptionKind::Check && kind != OptionKind::Choice;
}

} // namespace stylewright
