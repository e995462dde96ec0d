#include "options/catalogue.h"

#include "options/choices.h"
#include "options/sample_addresses.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace stylewright {
namespace {

using enum Option;

// The lists the choice fields offer.
constexpr QStringView kRepeatsNoneFirst[] = {u"no-repeat", u"repeat", u"repeat-x", u"repeat-y"};
constexpr QStringView kRepeatsNoneLast[] = {u"repeat", u"repeat-x", u"repeat-y", u"no-repeat"};
constexpr QStringView kRepeatsMixed[] = {u"repeat", u"no-repeat", u"repeat-y", u"repeat-x"};
constexpr QStringView kNoRepeatOrAcross[] = {u"no-repeat", u"repeat-x"};
constexpr QStringView kAcrossOrNoRepeat[] = {u"repeat-x", u"no-repeat"};
// The trailing blank of "bottom center " is part of the stored item.
constexpr QStringView kNinePositions[] = {u"top left",    u"top center",     u"top right",
                                          u"center left", u"center center",  u"center right",
                                          u"bottom left", u"bottom center ", u"bottom right"};
constexpr QStringView kNinePositionsPlain[] = {u"top left",    u"top center",    u"top right",
                                               u"center left", u"center center", u"center right",
                                               u"bottom left", u"bottom center", u"bottom right"};
constexpr QStringView kLeftCentreRight[] = {u"left", u"center", u"right"};
constexpr QStringView kLeftRightCentre[] = {u"left", u"right", u"center"};
constexpr QStringView kCentreLeftRight[] = {u"center", u"left", u"right"};
constexpr QStringView kCursors[] = {u"auto",      u"crosshair", u"default",  u"pointer",   u"move",      u"e-resize",
                                    u"ne-resize", u"nw-resize", u"n-resize", u"se-resize", u"sw-resize", u"s-resize",
                                    u"w-resize",  u"text",      u"wait",     u"help"};
constexpr QStringView kMainAlignments[] = {u"主体位置left", u"主体位置right", u"主体位置center", u"主体位置justify"};
constexpr QStringView kFonts[] = {u"宋体", u"楷体_GB2312", u"仿宋_GB2312", u"黑体", u"新宋体"};
constexpr QStringView kPictureFilters[] = {u"效果1", u"效果2", u"效果3"};
constexpr QStringView kPetSizes[] = {u"100", u"200", u"300", u"400", u"500", u"600", kHiddenPet, kDefaultPetSize};

constexpr QStringView kPositionTooltip = u"此项还可以填写数值，如20px（px为像素单位";

// One catalogue row under construction: a kind helper starts it, the modifiers fill in the rest.
struct Row {
    OptionDef def{};

    constexpr Row off() const
    {
        Row row = *this;
        row.def.startEnabled = false;
        return row;
    }
    constexpr Row ticked() const
    {
        Row row = *this;
        row.def.defaultValue = u"1";
        return row;
    }
    constexpr Row tip(QStringView text) const
    {
        Row row = *this;
        row.def.tooltip = text;
        return row;
    }
    constexpr Row labelled(QStringView captions) const
    {
        Row row = *this;
        row.def.labels = captions;
        return row;
    }
    constexpr Row newRow() const
    {
        Row row = *this;
        row.def.place = Place::Row;
        return row;
    }
    constexpr Row under() const
    {
        Row row = *this;
        row.def.place = Place::Under;
        return row;
    }
    constexpr Row saved(QStringView section, QStringView key, int order) const
    {
        Row row = *this;
        row.def.section = section;
        row.def.key = key;
        row.def.saveOrder = order;
        return row;
    }
};

constexpr Row field(Option option, QStringView id, OptionKind kind, QStringView value)
{
    Row row;
    row.def.option = option;
    row.def.id = id;
    row.def.kind = kind;
    row.def.defaultValue = value;
    return row;
}
constexpr Row number(Option option, QStringView id, QStringView value)
{
    return field(option, id, OptionKind::Number, value);
}
constexpr Row colour(Option option, QStringView id, QStringView value)
{
    return field(option, id, OptionKind::Colour, value);
}
constexpr Row picture(Option option, QStringView id, QStringView value)
{
    return field(option, id, OptionKind::Picture, value);
}
constexpr Row check(Option option, QStringView id, QStringView caption)
{
    Row row = field(option, id, OptionKind::Check, u"0");
    row.def.caption = caption;
    return row;
}
constexpr Row choice(Option option, QStringView id, QStringView value, std::span<const QStringView> items)
{
    Row row = field(option, id, OptionKind::Choice, value);
    row.def.items = items;
    return row;
}

template <std::size_t... N> constexpr auto join(const std::array<Row, N> &...parts)
{
    std::array<Row, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + at), at += N), ...);
    return all;
}

template <std::size_t N> constexpr std::array<Row, N> inGroup(QStringView group, std::array<Row, N> rows)
{
    for (Row &row : rows)
        row.def.group = group;
    return rows;
}

template <std::size_t... N> constexpr auto onTab(Area area, const std::array<Row, N> &...parts)
{
    auto rows = join(parts...);
    for (Row &row : rows)
        row.def.area = area;
    return rows;
}

// clang-format off
// 1.整体背景
constexpr auto kBackgroundTab = onTab(Area::Background,
    std::array{
        colour(PageBackgroundColour, u"txtbgc", u"背景颜色#000000").newRow().saved(u"空间背景", u"背景颜色", 1),
        check(PageBackgroundFixed, u"chcbggd", u"固定背景").off().saved(u"空间背景", u"固定背景", 0),
        check(PagePictureOn, u"chcbg", u"添加背景图片").newRow().saved(u"空间背景", u"背景图片选项", 2),
        picture(PagePicture, u"txtbgp", kSamplePictureB).off().tip(u"使用网络图片，请将图片上传到墨檐空间后再使用图片格式:.jpg;.bmp;.gif").saved(u"空间背景", u"背景图片", 3),
        choice(PagePictureRepeat, u"cmbbg", u"no-repeat", kRepeatsNoneFirst).off().saved(u"空间背景", u"背景图片显示", 4),
        choice(PagePicturePosition, u"cmbbdbg", u"top center", kNinePositions).off().tip(kPositionTooltip).saved(u"空间背景", u"背景图片位置", 5),
        check(CursorOn, u"chcbgm", u"添加鼠标图案").newRow().saved(u"空间背景", u"鼠标地址选项", 6),
        choice(Cursor, u"txtbgm", kSampleCursor, kCursors).off().saved(u"空间背景", u"鼠标地址", 7),
        check(BodyWidthOn, u"chckd", u"选择主体宽度(600-980)").newRow().saved(u"空间背景", u"宽度选项", 8),
        number(BodyWidth, u"txtkd", u"980").off().saved(u"空间背景", u"主体宽度", 9),
        check(MainTransparencyOn, u"chcbgst", u"背景透明度(0-100)").saved(u"主体设置", u"主体背景透明", 10),
        number(MainTransparency, u"txtzttmd", u"0").off().saved(u"主体设置", u"主体背景透明度", 11),
        choice(MainAlignment, u"cmbztwz", u"主体位置center", kMainAlignments).saved(u"主体设置", u"主体位置", 12),
        check(MainPictureOn, u"chcdaob", u"主体背景图片").newRow().saved(u"主体设置", u"主体背景图片选项", 13),
        picture(MainPicture, u"txtdaob", u"").off().saved(u"主体设置", u"主体背景图片", 14),
        choice(MainPictureRepeat, u"cmbztbg", u"no-repeat", kRepeatsNoneLast).off().saved(u"主体设置", u"主体背景图片显示", 15),
        choice(MainPicturePosition, u"cmbztps", u"top center", kNinePositions).off().tip(kPositionTooltip).saved(u"主体设置", u"主体背景图片位置", 16),
        check(MainScrollOn, u"chcgund", u"添加滚动条").newRow().saved(u"主体设置", u"滚动条选项", 17),
        number(MainScrollTop, u"txtsttop", u"150").off().labelled(u"位置(top)|左右(left)|宽度(width)|高度(height)").saved(u"主体设置", u"滚动条位置", 18),
        number(MainScrollLeft, u"txtstlef", u"50").off().saved(u"主体设置", u"滚动条左右", 19),
        number(MainScrollWidth, u"txtstwid", u"800").off().saved(u"主体设置", u"滚动条宽度", 20),
        number(MainScrollHeight, u"txtsthei", u"400").off().saved(u"主体设置", u"滚动条长度", 21),
        choice(ColumnLayout, u"cmblan", u"默认分栏", kColumnLayoutNames).labelled(u"分栏设置").newRow().saved(u"分栏设置", u"分栏样式", 22),
        number(ColumnsTotalWidth, u"txtzlan", u"980").off().saved(u"分栏设置", u"总栏宽度", 23),
        number(FirstColumnWidth, u"txtlanf", u"300").off().labelled(u"第一栏|第二栏|第三栏").newRow().saved(u"分栏设置", u"第一栏宽度", 24),
        number(SecondColumnWidth, u"txtlans", u"380").off().saved(u"分栏设置", u"第二栏宽度", 25),
        number(ThirdColumnWidth, u"txtlant", u"300").off().saved(u"分栏设置", u"第三栏宽度", 26),
    });

// 2.名称简介
constexpr auto kHeaderTab = onTab(Area::Header,
    std::array{
        number(HeaderHeight, u"txtregh", u"300").labelled(u"名称简介栏高度").newRow().saved(u"名称简介", u"高度", 27),
        colour(HeaderColour, u"txtnc", u"背景颜色#000000").saved(u"名称简介", u"背景颜色", 28),
        check(HeaderMiddlePictureOn, u"chcmrl(0)", u"添加中间图片").ticked().newRow().saved(u"名称简介", u"中间图片选项", 29),
        picture(HeaderMiddlePicture, u"txtmrl(0)", kSamplePictureB).saved(u"名称简介", u"中间图片", 30),
        choice(HeaderMiddlePictureRepeat, u"cmbmrl(0)", u"no-repeat", kRepeatsNoneLast).saved(u"名称简介", u"中间图片显示", 31),
        choice(HeaderMiddlePicturePosition, u"cmbmrlp(0)", u"top center", kNinePositionsPlain).saved(u"名称简介", u"中间图片位置", 32),
        check(HeaderLeftPictureOn, u"chcmrl(1)", u"添加左边图片").newRow().saved(u"名称简介", u"左边图片选项", 33),
        picture(HeaderLeftPicture, u"txtmrl(1)", kExampleAddress).off().saved(u"名称简介", u"左边图片", 34),
        choice(HeaderLeftPictureRepeat, u"cmbmrl(1)", u"no-repeat", kRepeatsNoneLast).off().saved(u"名称简介", u"左边图片显示", 35),
        choice(HeaderLeftPicturePosition, u"cmbmrlp(1)", u"top left", kNinePositionsPlain).off().saved(u"名称简介", u"左边图片位置", 36),
        check(HeaderRightPictureOn, u"chcmrl(2)", u"添加右边图片").newRow().saved(u"名称简介", u"右边图片选项", 37),
        picture(HeaderRightPicture, u"txtmrl(2)", kExampleAddress).off().saved(u"名称简介", u"右边图片", 38),
        choice(HeaderRightPictureRepeat, u"cmbmrl(2)", u"no-repeat", kRepeatsNoneLast).off().saved(u"名称简介", u"右边图片显示", 39),
        choice(HeaderRightPicturePosition, u"cmbmrlp(2)", u"top right", kNinePositionsPlain).off().saved(u"名称简介", u"右边图片位置", 40),
    },
    inGroup(u"名称栏设置", std::array{
        number(NameTop, u"txtntop", u"45").labelled(u"Top|位置").newRow().saved(u"名称栏", u"顶高", 45),
        number(NameFontSize, u"txtnfz", u"36").labelled(u"字体大小|字体").saved(u"名称栏", u"字体大小", 43),
        colour(NameColour, u"txtnol", u"字体颜色#5577ff").saved(u"名称栏", u"字体颜色", 41),
        colour(NameVisitedColour, u"txtnolv", u"已访问字体颜色#ff77ff").saved(u"名称栏", u"已访问字体颜色", 42),
        number(NameLeft, u"txtnleft", u"20").under().saved(u"名称栏", u"位置", 46),
        choice(NameFont, u"cmbnf", u"宋体", kFonts).saved(u"名称栏", u"字体", 44),
        choice(NameEffect, u"cmbmjxg(0)", u"无效果", kEffectNames).saved(u"名称栏", u"效果", 47),
        colour(NameEffectColour, u"txtfgu", u"效果颜色#ffffff").off().saved(u"名称栏", u"效果色彩", 48),
        check(NamePictureOn, u"chcmcbg", u"背景图片").newRow().saved(u"名称栏", u"背景图片选项", 49),
        picture(NamePicture, u"txtmcbg", u"").saved(u"名称栏", u"背景图片地址", 50),
    }),
    inGroup(u"简介栏设置", std::array{
        number(IntroTop, u"txtjjtop", u"96").labelled(u"Top|位置").newRow().saved(u"简介栏", u"顶高", 54),
        number(IntroFontSize, u"txtjjsize", u"18").labelled(u"字体大小|字体").saved(u"简介栏", u"字体大小", 52),
        colour(IntroColour, u"txtjjcol", u"字体颜色#557700").saved(u"简介栏", u"字体颜色", 51),
        number(IntroLeft, u"txtjjleft", u"20").under().saved(u"简介栏", u"位置", 55),
        choice(IntroFont, u"cmbjjf", u"宋体", kFonts).saved(u"简介栏", u"字体", 53),
        choice(IntroEffect, u"cmbmjxg(1)", u"无效果", kEffectNames).saved(u"简介栏", u"效果", 56),
        colour(IntroEffectColour, u"txtfgjj", u"效果颜色#ffffff").off().saved(u"简介栏", u"效果色彩", 57),
        check(IntroPictureOn, u"chcmcjj", u"背景图片").newRow().saved(u"简介栏", u"背景图片选项", 58),
        picture(IntroPicture, u"txtjjbg", u"").saved(u"简介栏", u"背景图片地址", 59),
    }));

// 3.导航设置
constexpr auto kNavigationTab = onTab(Area::Navigation,
    std::array{
        check(NavigationVertical, u"chcdhcz", u"垂直导航").off().newRow().saved(u"导航设置", u"垂直导航", 61),
        check(NavigationHideDividers, u"chcqxdhx", u"取消导航分界线").ticked().saved(u"导航设置", u"取消导航线", 60),
        number(NavigationTop, u"txtdaohtop", u"20").labelled(u"导航高度(Top)|导航位置(left)").newRow().saved(u"导航设置", u"导航高度", 62),
        number(NavigationLeft, u"txttabl", u"60").saved(u"导航设置", u"导航位置", 63),
        check(NavigationPicturesOn, u"chctap", u"添加图片").saved(u"导航设置", u"添加图片", 64),
        picture(NavigationPicture, u"txtdhp", u"").off().labelled(u"背景图片|鼠标划过图片").newRow().saved(u"导航设置", u"导航背景图片", 65),
        picture(NavigationHoverPicture, u"txtdhpm", kSamplePictureC).off().under().saved(u"导航设置", u"鼠标划过图片", 66),
        number(NavigationLineHeight, u"txtdhlh", u"19").labelled(u"线高度(line-height)|字体大小").newRow().saved(u"导航设置", u"线高度", 67),
        number(NavigationFontSize, u"txtdhunz", u"14").saved(u"导航设置", u"字体大小", 70),
        colour(NavigationColour, u"txttabbgc", u"字体颜色#5577ff").saved(u"导航设置", u"字体颜色", 68),
        colour(NavigationVisitedColour, u"txttabbgcv", u"已访问字体颜色#ff77ff").saved(u"导航设置", u"已访问字体颜色", 69),
    });

// 4.模块设置
constexpr auto kModulesTab = onTab(Area::Modules,
    inGroup(u"模块标题栏/编辑栏", std::array{
        number(ModuleTitleIndent, u"txtmkbt", u"4").labelled(u"标题栏位置|编辑栏位置").newRow().saved(u"模块标题栏/编辑栏", u"标题栏位置", 71),
        number(ModuleEditIndent, u"txtmksz", u"4").saved(u"模块标题栏/编辑栏", u"编辑栏位置", 72),
        colour(ModuleTitleColour, u"txtmkbtc", u"字体颜色#5577ff").saved(u"模块标题栏/编辑栏", u"字体颜色", 73),
        colour(ModuleTitleVisitedColour, u"txtmkbtcv", u"已访问字体颜色#ff77ff").saved(u"模块标题栏/编辑栏", u"已访问字体颜色", 74),
        number(ModuleTitleFontSize, u"txtmkbtzt", u"12").labelled(u"字体大小").saved(u"模块标题栏/编辑栏", u"字体大小", 75),
    }),
    std::array{
        colour(ModuleColour, u"txtmkbgc", u"背景颜色#000000").newRow().saved(u"模块标题栏/编辑栏", u"模块背景颜色", 76),
        number(ModuleSpacing, u"txtmkjj", u"10").labelled(u"模块之间间距").saved(u"模块标题栏/编辑栏", u"模块之间间距", 77),
        check(ModulePictureOn, u"chcmkbgp", u"添加背景图片").newRow().saved(u"模块设置", u"模块背景图片选项", 78),
        picture(ModulePicture, u"txtmkbgp", u"").off().saved(u"模块设置", u"模块背景图片", 79),
        choice(ModulePictureRepeat, u"cmbmkbgp", u"repeat", kRepeatsNoneLast).off().saved(u"模块设置", u"模块背景图片位置", 80),
        check(ModuleBorderPicturesOn, u"chcmkbtp", u"添加边框图片").newRow().saved(u"模块设置", u"模块边框图片选项", 81),
        number(ModuleBorderLineHeight, u"txtmktplh", u"2").off().labelled(u"模块边框图片行高").saved(u"模块设置", u"模块边框图片行高", 82),
        picture(ModuleTopLeftPicture, u"txtmkls", u"").off().labelled(u"模块左上图片").newRow().saved(u"模块设置", u"模块左上图片", 83),
        picture(ModuleTopCentrePicture, u"txtmkcs", u"").off().labelled(u"模块中上图片").saved(u"模块设置", u"模块中上图片", 84),
        picture(ModuleTopRightPicture, u"txtmkrs", u"").off().labelled(u"模块右上图片").saved(u"模块设置", u"模块右上图片", 85),
        picture(ModuleBottomLeftPicture, u"txtmklx", u"").off().labelled(u"模块左下图片").newRow().saved(u"模块设置", u"模块左下图片", 86),
        picture(ModuleBottomCentrePicture, u"txtmkcx", u"").off().labelled(u"模块中下图片").saved(u"模块设置", u"模块中下图片", 87),
        picture(ModuleBottomRightPicture, u"txtmkrx", u"").off().labelled(u"模块右下图片").saved(u"模块设置", u"模块右下图片", 88),
    });

// 5.文章内容
constexpr auto kArticlesTab = onTab(Area::Articles,
    std::array{
        number(ArticleTitleFontSize, u"txtwzbtzt", u"16").labelled(u"标题栏字体大小").newRow().saved(u"文章设置", u"标题栏字体大小", 89),
        colour(ArticleTitleColour, u"txtwzbtztc", u"字体颜色#5577ff").saved(u"文章设置", u"标题栏字体颜色", 90),
        colour(ArticleTitleVisitedColour, u"txtwzbtztcv", u"已访问字体颜色#ff77ff").saved(u"文章设置", u"标题栏已访问字体颜色", 91),
        check(ArticleTitlePictureOn, u"chcwzbttp", u"添加标题栏图片").newRow().saved(u"文章设置", u"标题栏图片选项", 92),
        picture(ArticleTitlePicture, u"txtwzbtp", kSamplePictureA).off().saved(u"文章设置", u"标题栏图片", 93),
        choice(ArticleTitlePictureRepeat, u"cmbwzbt", u"no-repeat", kRepeatsNoneFirst).off().saved(u"文章设置", u"标题栏图片显示", 94),
        choice(ArticleTitlePicturePosition, u"cmbwzbtp", u"top center", kNinePositions).off().saved(u"文章设置", u"标题栏图片位置", 95),
        number(ArticleTitleIndent, u"txtwzbtwz", u"20").off().labelled(u"图片与标题位置|标题栏行高(line-height)|文章发表日期位置").newRow().saved(u"文章设置", u"图片与标题位置", 96),
        number(ArticleTitleLineHeight, u"txtwzbtlh", u"18").off().saved(u"文章设置", u"标题行高", 97),
        number(ArticleDateIndent, u"txtwzrqw", u"0").saved(u"文章发表日期", u"位置", 98),
    },
    inGroup(u"文章内容设置", std::array{
        colour(ArticleTextColour, u"txtwznrc", u"字体颜色#333333").newRow().saved(u"文章内容设置", u"字体颜色", 99),
        number(ArticleTextFontSize, u"txtwznrzt", u"14").labelled(u"字体大小|行高|分界线行高").saved(u"文章内容设置", u"字体大小", 100),
        number(ArticleTextLineHeight, u"txtwznrlh", u"20").saved(u"文章内容设置", u"行高", 101),
        number(ArticleDividerLineHeight, u"txtwzfjxlh", u"17").saved(u"文章链接栏", u"分界线行高", 110),
        check(ArticleDividerPictureOn, u"chcwzfjxp", u"添加分界线图片").newRow().saved(u"文章链接栏", u"分界线图片选项", 111),
        picture(ArticleDividerPicture, u"txtwzfjxp", kSamplePictureA).off().saved(u"文章链接栏", u"分界线图片", 112),
        choice(ArticleDividerRepeat, u"cmbwzfjx", u"repeat-x", kNoRepeatOrAcross).off().saved(u"文章链接栏", u"分界线图片位置", 113),
        check(ArticleTextPictureOn, u"chcwznrbg", u"添加背景图片").newRow().saved(u"文章内容设置", u"内容背景图片选项", 104),
        picture(ArticleTextPicture, u"txtwznrbg", u"").off().saved(u"文章内容设置", u"内容背景图片", 105),
        choice(ArticleTextPictureRepeat, u"cmbwznrbg", u"no-repeat", kRepeatsNoneFirst).off().saved(u"文章内容设置", u"内容背景图片显示", 106),
        choice(ArticleTextPicturePosition, u"cmbwznrbgp", u"center", kLeftCentreRight).off().saved(u"文章内容设置", u"内容背景图片位置", 107),
        check(ArticleScrollOn, u"chcwznrgd", u"添加博客滚动条").newRow().saved(u"文章内容设置", u"滚动条选项", 108),
        number(ArticleScrollHeight, u"txtwznrgd", u"600").off().labelled(u"高度").saved(u"文章内容设置", u"滚动条高度", 109),
        choice(ArticleTextEffect, u"cmbblogcnt", u"无效果", kEffectNames).saved(u"文章内容设置", u"效果", 102),
        colour(ArticleTextEffectColour, u"txtblogcntc", u"效果颜色#ff0000").off().saved(u"文章内容设置", u"效果颜色", 103),
    }));

// 6.文章设置
constexpr auto kCategoriesTab = onTab(Area::Categories,
    inGroup(u"文章分类/文章存档", std::array{
        number(CategoryFontSize, u"txtwzflz", u"12").labelled(u"字体大小").newRow().saved(u"文章分类/存档", u"字体大小", 116),
        colour(CategoryColour, u"txtwzflc", u"字体颜色#5577ff").saved(u"文章分类/存档", u"字体颜色", 114),
        colour(CategoryVisitedColour, u"txtwzflcv", u"已访问字体颜色#ff77ff").saved(u"文章分类/存档", u"已访问字体颜色", 115),
        check(CategoryPictureOn, u"chcwzfl", u"使用背景图片").newRow().saved(u"文章分类/存档", u"背景图片选项", 117),
        picture(CategoryPicture, u"txtwzfl", u"").off().saved(u"文章分类/存档", u"背景图片", 118),
        choice(CategoryPictureRepeat, u"cmbwzfl", u"no-repeat", kRepeatsMixed).off().saved(u"文章分类/存档", u"背景图片显示", 119),
        choice(CategoryPicturePosition, u"cmbwzflp", u"top center", kNinePositions).off().saved(u"文章分类/存档", u"背景图片位置", 120),
        check(CategoryDividerPictureOn, u"chcwzffjx", u"分界线图片").newRow().saved(u"文章分类/存档", u"分界线图片选项", 121),
        picture(CategoryDividerPicture, u"txtwzffjx", kSamplePictureA).off().saved(u"文章分类/存档", u"分界线图片", 122),
        choice(CategoryDividerRepeat, u"cmbwzffjx", u"repeat-x", kAcrossOrNoRepeat).off().saved(u"文章分类/存档", u"分界线图片位置", 123),
        number(CategoryDividerLineHeight, u"txtwzfllh", u"5").labelled(u"行高|高度").newRow().saved(u"文章分类/存档", u"分界线图片行高", 124),
        check(CategoryScrollOn, u"chcfcgd", u"添加滚动条").saved(u"文章分类/存档", u"滚动条选项", 125),
        number(CategoryScrollHeight, u"txtfcgd", u"180").off().saved(u"文章分类/存档", u"滚动条高度", 126),
    }));

// 7.个人档案
constexpr auto kProfileTab = onTab(Area::Profile,
    std::array{
        number(ProfileFontSize, u"txtgrlyz", u"14").labelled(u"字体大小|宽度").newRow().saved(u"个人档案", u"字体大小", 129),
        number(ProfilePortraitSize, u"txtgrkd", u"80").saved(u"个人档案", u"宽度", 130),
        colour(ProfileColour, u"txtgrsc", u"字体颜色#ff0000").saved(u"个人档案", u"字体颜色", 127),
        colour(ProfileVisitedColour, u"txtgrscv", u"已访问字体颜色#ffff00").saved(u"个人档案", u"已访问字体颜色", 128),
        check(ProfilePictureOn, u"chcgrpic", u"添加图片").newRow().saved(u"个人档案", u"查看留言下方图片选项", 131),
        picture(ProfilePicture, u"txtgrpic", kSamplePictureA).off().saved(u"个人档案", u"查看留言下方图片", 132),
        number(ProfilePictureHeight, u"txtgrph", u"128").off().labelled(u"图片高度").saved(u"个人档案", u"查看留言下方图片图片行高", 133),
    });

// 8.相册设置
constexpr auto kAlbumTab = onTab(Area::Album,
    std::array{
        colour(AlbumBarColour, u"txtxcjjlc", u"背景颜色#000000").labelled(u"相册简介栏|相册").newRow().saved(u"相册设置", u"简介栏背景颜色", 134),
        number(AlbumBarLineHeight, u"txtxcjjllh", u"12").labelled(u"行高").saved(u"相册设置", u"简介栏行高", 135),
        check(AlbumBarPictureOn, u"chcxcjj", u"添加简介栏图片").saved(u"相册设置", u"简介栏图片选项", 136),
        picture(AlbumBarPicture, u"txtxcjjlp", u"").off().saved(u"相册设置", u"简介栏图片", 137),
        choice(AlbumBarPictureRepeat, u"cmbxcjjl", u"no-repeat", kNoRepeatOrAcross).off().saved(u"相册设置", u"简介栏图片位置", 138),
        number(AlbumFontSize, u"txtxcjjlzt", u"12").labelled(u"字体大小").under().saved(u"相册设置", u"字体大小", 141),
        colour(AlbumColour, u"txtxcjjlzc", u"字体颜色#ff0000").saved(u"相册设置", u"字体颜色", 139),
        colour(AlbumVisitedColour, u"txtxcjjlzcv", u"已访问字体颜色#ffff00").saved(u"相册设置", u"已访问字体颜色", 140),
    });

// 9.我的好友
constexpr auto kLinksTab = onTab(Area::Links,
    inGroup(u"友情链接设置", std::array{
        colour(LinksColour, u"txtyqwzc", u"字体颜色#ff0000").newRow().saved(u"友情链接", u"字体颜色", 142),
        colour(LinksVisitedColour, u"txtyqwzcv", u"已访问字体颜色#ff0000").saved(u"友情链接", u"已访问字体颜色", 143),
        number(LinksFontSize, u"txtyqwzt", u"12").labelled(u"字体大小").saved(u"友情链接", u"字体大小", 144),
        number(LinksDividerLineHeight, u"txtyqwzlh", u"12").labelled(u"分界线行高").saved(u"友情链接", u"分界线行高", 145),
        check(LinksScrollOn, u"chcyqgd", u"添加滚动条").newRow().saved(u"友情链接", u"滚动条选项", 146),
        number(LinksScrollHeight, u"txtyqgd", u"180").off().labelled(u"滚动条高度").saved(u"友情链接", u"滚动条高度", 147),
        check(LinksPictureOn, u"chcyqwzbg", u"添加背景图片").newRow().saved(u"友情链接", u"背景图片选项", 148),
        picture(LinksPicture, u"txtyqwzbg", u"").off().saved(u"友情链接", u"背景图片", 149),
        choice(LinksPictureRepeat, u"cmbyqbg", u"no-repeat", kNoRepeatOrAcross).off().saved(u"友情链接", u"背景图片位置", 150),
        check(LinksDividerPictureOn, u"chcyqlj", u"添加分界线图片").newRow().saved(u"友情链接", u"分界线图片选项", 151),
        picture(LinksDividerPicture, u"txtyqljp", kSamplePictureA).off().saved(u"友情链接", u"分界线图片", 152),
        choice(LinksDividerRepeat, u"cmbyqfjx", u"repeat-x", kNoRepeatOrAcross).off().saved(u"友情链接", u"分界线图片位置", 153),
    }),
    inGroup(u"好友列表设置", std::array{
        number(FriendsDividerLineHeight, u"txthylh", u"16").labelled(u"分界线行高").newRow().saved(u"好友列表", u"分界线行高", 154),
        check(FriendsDividerPictureOn, u"chchyfjx", u"添加分界线图片").saved(u"好友列表", u"分界线图片选项", 155),
        picture(FriendsDividerPicture, u"txthyfjx", kSamplePictureA).off().saved(u"好友列表", u"分界线图片", 156),
        choice(FriendsDividerRepeat, u"cmbhyfjx", u"repeat-x", kNoRepeatOrAcross).off().saved(u"好友列表", u"分界线图片位置", 157),
    }));

// 10.留言评论
constexpr auto kCommentsTab = onTab(Area::Comments,
    std::array{
        colour(CommentColour, u"txtplzc", u"字体颜色#ff0000").newRow().saved(u"留言评论", u"字体颜色", 159),
        colour(CommentVisitedColour, u"txtplzcv", u"已访问字体颜色#ff0000").saved(u"留言评论", u"已访问字体颜色", 160),
        number(CommentFontSize, u"txtplzt", u"12").labelled(u"字体大小|行高(line-height)").saved(u"留言评论", u"字体大小", 158),
        number(CommentLineHeight, u"txtpllh", u"12").saved(u"留言评论", u"行高", 161),
        check(CommentDividerPictureOn, u"chcplpic", u"添加分界线图片").newRow().saved(u"留言评论", u"分界线图片选项", 162),
        picture(CommentDividerPicture, u"txtplpic", kSamplePictureA).off().saved(u"留言评论", u"分界线图片", 163),
        choice(CommentDividerRepeat, u"cmbplpic", u"repeat-x", kNoRepeatOrAcross).off().saved(u"留言评论", u"分界线图片显示", 164),
        choice(CommentDividerPosition, u"cmbplpicp", u"left", kLeftCentreRight).off().tip(kPositionTooltip).saved(u"留言评论", u"分界线图片位置", 165),
        check(CommentBoxPictureOn, u"chcplk", u"留言框添加图片").newRow().saved(u"留言评论", u"评论框图片选项", 166),
        picture(CommentBoxPicture, u"txtplkp", u"").off().saved(u"留言评论", u"评论框图片", 167),
        choice(CommentBoxPictureRepeat, u"cmbplkp", u"no-repeat", kRepeatsNoneLast).off().saved(u"留言评论", u"评论框图片显示", 168),
        choice(CommentBoxPicturePosition, u"cmbplkpp", u"top left", kNinePositions).off().tip(kPositionTooltip).saved(u"留言评论", u"评论框图片位置", 169),
    });

// 11.综合设置
constexpr auto kExtrasTab = onTab(Area::Extras,
    std::array{
        number(ExtrasFontSize, u"txtxtzt", u"14").labelled(u"字体大小").newRow().saved(u"综合设置", u"字体大小", 179),
        colour(ExtrasColour, u"txtxtzc", u"字体颜色#5577ff").saved(u"综合设置", u"字体色颜", 177),
        colour(ExtrasVisitedColour, u"txtxtzcv", u"已访问字体颜色#ff77ff").saved(u"综合设置", u"已访问字体色颜", 178),
        check(ExtrasDividerPictureOn, u"chcffjx", u"添加分界线图片").newRow().saved(u"综合设置", u"分界线图片选项", 170),
        picture(ExtrasDividerPicture, u"txtffjx", kSamplePictureA).off().saved(u"综合设置", u"分界线图片", 171),
        number(ExtrasDividerLineHeight, u"txtffhl", u"8").off().labelled(u"分界线行高").saved(u"综合设置", u"分界线行高", 174),
        choice(ExtrasDividerRepeat, u"cmbffjx", u"repeat-x", kNoRepeatOrAcross).off().saved(u"综合设置", u"分界线图片显示", 172),
        choice(ExtrasDividerPosition, u"cmbffjxp", u"left", kLeftRightCentre).off().tip(kPositionTooltip).saved(u"综合设置", u"分界线图片位置", 173),
        choice(VisitCountAlignment, u"cmbfangwenw", u"left", kCentreLeftRight).labelled(u"访问量位置").newRow().saved(u"综合设置", u"访问量位置", 175),
        choice(PageNumberAlignment, u"cmbymwz", u"center", kCentreLeftRight).labelled(u"页码位置").saved(u"综合设置", u"页码位置", 176),
        choice(PlayerStyle, u"cmbbfq", u"默认", kPlayerStyleNames).labelled(u"播放器特效").saved(u"播放器", u"特效", 185),
        check(PictureFilterOn, u"chcpic", u"使用滤镜特效(博客全部图片)").newRow().saved(u"图片特效", u"特效选项", 186),
        choice(PictureFilter, u"cmblj", u"效果2", kPictureFilters).off().saved(u"图片特效", u"特效", 187),
    },
    inGroup(u"搜索模块", std::array{
        colour(SearchColour, u"txtssbg", u"背景颜色#000000").newRow().saved(u"搜索模块", u"背景颜色", 180),
        colour(SearchButtonColour, u"txtssanc", u"按钮颜色#ff0000").saved(u"搜索模块", u"按钮颜色", 181),
        check(SearchPictureOn, u"chcssbgp", u"添加背景图片").newRow().saved(u"搜索模块", u"背景图片选项", 182),
        picture(SearchPicture, u"txtssbgp", u"").off().saved(u"搜索模块", u"背景图片", 183),
        choice(SearchPictureRepeat, u"cmbssbgp", u"no-repeat", kRepeatsNoneFirst).off().saved(u"搜索模块", u"背景图片位置", 184),
    }),
    std::array{
        choice(PetSize, u"cmbchongwu", u"默认大小", kPetSizes).labelled(u"宠物设置(100-600)").newRow().saved(u"宠物设置", u"宠物大小", 188),
    });
// clang-format on

constexpr std::array<OptionDef, kOptionCount> kOptions = [] {
    const auto rows = join(kBackgroundTab, kHeaderTab, kNavigationTab, kModulesTab, kArticlesTab, kCategoriesTab,
                           kProfileTab, kAlbumTab, kLinksTab, kCommentsTab, kExtrasTab);
    static_assert(rows.size() == kOptionCount);
    std::array<OptionDef, kOptionCount> defs{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        defs[i] = rows[i].def;
    return defs;
}();

constexpr bool rowsFollowTheEnumeration()
{
    for (int row = 0; row < kOptionCount; ++row) {
        if (kOptions[row].option != optionAt(row))
            return false;
    }
    return true;
}
static_assert(rowsFollowTheEnumeration(), "every row stands at its Option's place");

constexpr bool saveOrderIsAPermutation()
{
    std::array<bool, kOptionCount> seen{};
    for (const OptionDef &def : kOptions) {
        if (def.saveOrder < 0 || def.saveOrder >= kOptionCount || seen[def.saveOrder])
            return false;
        seen[def.saveOrder] = true;
    }
    return true;
}
static_assert(saveOrderIsAPermutation(), "each settings key has its own place in the file");

constexpr std::array<TabDef, kTabCount> kTabs{{
    {Area::Background, u"1.整体背景", u"Frame1", u"cmdbg"},
    {Area::Header, u"2.名称简介", u"Frame2", u"cmdqy"},
    {Area::Navigation, u"3.导航设置", u"Frame3", u"cmddaoh"},
    {Area::Modules, u"4.模块设置", u"Frame5", u"cmdmk"},
    {Area::Articles, u"5.文章内容", u"Frame6", u"cmdwz"},
    {Area::Categories, u"6.文章设置", u"Frame4", u"cmdwzsz"},
    {Area::Profile, u"7.个人档案", u"Frame7", u"cmdgr"},
    {Area::Album, u"8.相册设置", u"Frame8", u"cmdxc"},
    {Area::Links, u"9.我的好友", u"Frame9", u"cmdyqlj"},
    {Area::Comments, u"10.留言评论", u"Frame10", u"cmdpinlun"},
    {Area::Extras, u"11.综合设置", u"Frame12", u"cmdxtgg"},
}};

constexpr bool tabsFollowTheAreas()
{
    for (int tab = 0; tab < kTabCount; ++tab) {
        if (kTabs[tab].area != Area(tab))
            return false;
    }
    return true;
}
static_assert(tabsFollowTheAreas());

constexpr std::array<Option, kOptionCount> kSaveOrder = [] {
    std::array<Option, kOptionCount> order{};
    for (const OptionDef &def : kOptions)
        order[def.saveOrder] = def.option;
    return order;
}();

constexpr std::array<Area, kTabCount> kAreas = [] {
    std::array<Area, kTabCount> all{};
    for (int a = 0; a < kTabCount; ++a)
        all[a] = kTabs[a].area;
    return all;
}();

constexpr QStringView kCheckStateTexts[] = {u"0", u"1", u"2"};

} // namespace

std::span<const OptionDef, kOptionCount> options()
{
    return kOptions;
}

std::span<const TabDef, kTabCount> tabs()
{
    return kTabs;
}

std::span<const Area, kTabCount> areas()
{
    return kAreas;
}

std::optional<Option> optionById(QStringView id)
{
    static const QHash<QStringView, Option> index = [] {
        QHash<QStringView, Option> h;
        h.reserve(kOptionCount);
        for (const OptionDef &def : kOptions)
            h.insert(def.id, def.option);
        return h;
    }();
    const auto found = index.constFind(id);
    if (found == index.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<Area> areaOfButton(QStringView areaButton)
{
    for (const TabDef &tab : kTabs) {
        if (tab.areaButton == areaButton)
            return tab.area;
    }
    return std::nullopt;
}

std::span<const Option, kOptionCount> saveOrder()
{
    return kSaveOrder;
}

QStringView checkStateText(CheckState state)
{
    return kCheckStateTexts[int(state)];
}

std::optional<CheckState> checkStateNamed(QStringView text)
{
    for (int s = 0; s < int(std::size(kCheckStateTexts)); ++s) {
        if (kCheckStateTexts[s] == text)
            return CheckState(s);
    }
    return std::nullopt;
}

QStringList listItems(const OptionDef &def)
{
    QStringList out;
    out.reserve(qsizetype(def.items.size()));
    for (QStringView item : def.items)
        out.append(item.toString());
    return out;
}

QStringList labelCaptions(const OptionDef &def)
{
    QStringList out;
    if (!def.labels.isEmpty()) {
        for (QStringView caption : def.labels.tokenize(u'|'))
            out.append(caption.toString());
    }
    return out;
}

} // namespace stylewright
