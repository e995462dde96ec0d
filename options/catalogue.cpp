#include "options/catalogue.h"

#include "options/sample_addresses.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace stylewright {
namespace {

using K = OptionKind;
using P = Place;

constexpr QStringView kNinePositions = u"top left|top center|top right|center left|center center|center right|"
                                       u"bottom left|bottom center |bottom right";
constexpr QStringView kNinePositionsPlain = u"top left|top center|top right|center left|center center|center right|"
                                            u"bottom left|bottom center|bottom right";
constexpr QStringView kFonts = u"宋体|楷体_GB2312|仿宋_GB2312|黑体|新宋体";
constexpr QStringView kEffects =
    u"发光效果|阴影效果|模糊效果|凹立体|凸立体|波纹效果|掩膜效果|水平镜像效果|垂直镜像效果|无效果";
constexpr QStringView kPositionTooltip = u"此项还可以填写数值，如20px（px为像素单位";

// clang-format off
// id, kind, default, start enabled, list items, check box caption, tooltip, tab, group, label, section, key, save order,
// place in the frame (after the previous option unless marked)
constexpr std::array<OptionDef, kOptionCount> kOptions{{
    // 1.整体背景
    {u"txtbgc", K::Colour, u"背景颜色#000000", true, {}, {}, {}, 0, {}, {}, u"空间背景", u"背景颜色", 1, P::Row},
    {u"chcbggd", K::Check, u"0", false, {}, u"固定背景", {}, 0, {}, {}, u"空间背景", u"固定背景", 0},
    {u"chcbg", K::Check, u"0", true, {}, u"添加背景图片", {}, 0, {}, {}, u"空间背景", u"背景图片选项", 2, P::Row},
    {u"txtbgp", K::Picture, kSamplePictureB, false, {}, {}, u"使用网络图片，请将图片上传到墨檐空间后再使用图片格式:.jpg;.bmp;.gif", 0, {}, {}, u"空间背景", u"背景图片", 3},
    {u"cmbbg", K::Choice, u"no-repeat", false, u"no-repeat|repeat|repeat-x|repeat-y", {}, {}, 0, {}, {}, u"空间背景", u"背景图片显示", 4},
    {u"cmbbdbg", K::Choice, u"top center", false, kNinePositions, {}, kPositionTooltip, 0, {}, {}, u"空间背景", u"背景图片位置", 5},
    {u"chcbgm", K::Check, u"0", true, {}, u"添加鼠标图案", {}, 0, {}, {}, u"空间背景", u"鼠标地址选项", 6, P::Row},
    {u"txtbgm", K::Choice, kSampleCursor, false, u"auto|crosshair|default|pointer|move|e-resize|ne-resize|nw-resize|n-resize|se-resize|sw-resize|s-resize|w-resize|text|wait|help", {}, {}, 0, {}, {}, u"空间背景", u"鼠标地址", 7},
    {u"chckd", K::Check, u"0", true, {}, u"选择主体宽度(600-980)", {}, 0, {}, {}, u"空间背景", u"宽度选项", 8, P::Row},
    {u"txtkd", K::Number, u"980", false, {}, {}, {}, 0, {}, {}, u"空间背景", u"主体宽度", 9},
    {u"chcbgst", K::Check, u"0", true, {}, u"背景透明度(0-100)", {}, 0, {}, {}, u"主体设置", u"主体背景透明", 10},
    {u"txtzttmd", K::Number, u"0", false, {}, {}, {}, 0, {}, {}, u"主体设置", u"主体背景透明度", 11},
    {u"cmbztwz", K::Choice, u"主体位置center", true, u"主体位置left|主体位置right|主体位置center|主体位置justify", {}, {}, 0, {}, {}, u"主体设置", u"主体位置", 12},
    {u"chcdaob", K::Check, u"0", true, {}, u"主体背景图片", {}, 0, {}, {}, u"主体设置", u"主体背景图片选项", 13, P::Row},
    {u"txtdaob", K::Picture, u"", false, {}, {}, {}, 0, {}, {}, u"主体设置", u"主体背景图片", 14},
    {u"cmbztbg", K::Choice, u"no-repeat", false, u"repeat|repeat-x|repeat-y|no-repeat", {}, {}, 0, {}, {}, u"主体设置", u"主体背景图片显示", 15},
    {u"cmbztps", K::Choice, u"top center", false, kNinePositions, {}, kPositionTooltip, 0, {}, {}, u"主体设置", u"主体背景图片位置", 16},
    {u"chcgund", K::Check, u"0", true, {}, u"添加滚动条", {}, 0, {}, {}, u"主体设置", u"滚动条选项", 17, P::Row},
    {u"txtsttop", K::Number, u"150", false, {}, {}, {}, 0, {}, u"位置(top)        左右(left)        宽度(width)        高度(height)", u"主体设置", u"滚动条位置", 18},
    {u"txtstlef", K::Number, u"50", false, {}, {}, {}, 0, {}, {}, u"主体设置", u"滚动条左右", 19},
    {u"txtstwid", K::Number, u"800", false, {}, {}, {}, 0, {}, {}, u"主体设置", u"滚动条宽度", 20},
    {u"txtsthei", K::Number, u"400", false, {}, {}, {}, 0, {}, {}, u"主体设置", u"滚动条长度", 21},
    {u"cmblan", K::Choice, u"默认分栏", true, u"分两栏|分三栏|单栏(不分)|默认分栏", {}, {}, 0, {}, u"分栏设置", u"分栏设置", u"分栏样式", 22, P::Row},
    {u"txtzlan", K::Number, u"980", false, {}, {}, {}, 0, {}, {}, u"分栏设置", u"总栏宽度", 23},
    {u"txtlanf", K::Number, u"300", false, {}, {}, {}, 0, {}, u"第一栏            第二栏             第三栏", u"分栏设置", u"第一栏宽度", 24, P::Row},
    {u"txtlans", K::Number, u"380", false, {}, {}, {}, 0, {}, {}, u"分栏设置", u"第二栏宽度", 25},
    {u"txtlant", K::Number, u"300", false, {}, {}, {}, 0, {}, {}, u"分栏设置", u"第三栏宽度", 26},
    // 2.名称简介
    {u"txtregh", K::Number, u"300", true, {}, {}, {}, 1, {}, u"名称简介栏高度", u"名称简介", u"高度", 27, P::Row},
    {u"txtnc", K::Colour, u"背景颜色#000000", true, {}, {}, {}, 1, {}, {}, u"名称简介", u"背景颜色", 28},
    {u"chcmrl(0)", K::Check, u"1", true, {}, u"添加中间图片", {}, 1, {}, {}, u"名称简介", u"中间图片选项", 29, P::Row},
    {u"txtmrl(0)", K::Picture, kSamplePictureB, true, {}, {}, {}, 1, {}, {}, u"名称简介", u"中间图片", 30},
    {u"cmbmrl(0)", K::Choice, u"no-repeat", true, u"repeat|repeat-x|repeat-y|no-repeat", {}, {}, 1, {}, {}, u"名称简介", u"中间图片显示", 31},
    {u"cmbmrlp(0)", K::Choice, u"top center", true, kNinePositionsPlain, {}, {}, 1, {}, {}, u"名称简介", u"中间图片位置", 32},
    {u"chcmrl(1)", K::Check, u"0", true, {}, u"添加左边图片", {}, 1, {}, {}, u"名称简介", u"左边图片选项", 33, P::Row},
    {u"txtmrl(1)", K::Picture, kExampleAddress, false, {}, {}, {}, 1, {}, {}, u"名称简介", u"左边图片", 34},
    {u"cmbmrl(1)", K::Choice, u"no-repeat", false, u"repeat|repeat-x|repeat-y|no-repeat", {}, {}, 1, {}, {}, u"名称简介", u"左边图片显示", 35},
    {u"cmbmrlp(1)", K::Choice, u"top left", false, kNinePositionsPlain, {}, {}, 1, {}, {}, u"名称简介", u"左边图片位置", 36},
    {u"chcmrl(2)", K::Check, u"0", true, {}, u"添加右边图片", {}, 1, {}, {}, u"名称简介", u"右边图片选项", 37, P::Row},
    {u"txtmrl(2)", K::Picture, kExampleAddress, false, {}, {}, {}, 1, {}, {}, u"名称简介", u"右边图片", 38},
    {u"cmbmrl(2)", K::Choice, u"no-repeat", false, u"repeat|repeat-x|repeat-y|no-repeat", {}, {}, 1, {}, {}, u"名称简介", u"右边图片显示", 39},
    {u"cmbmrlp(2)", K::Choice, u"top right", false, kNinePositionsPlain, {}, {}, 1, {}, {}, u"名称简介", u"右边图片位置", 40},
    {u"txtntop", K::Number, u"45", true, {}, {}, {}, 1, u"名称栏设置", u"Top     位置", u"名称栏", u"顶高", 45, P::Row},
    {u"txtnfz", K::Number, u"36", true, {}, {}, {}, 1, u"名称栏设置", u"字体大小        字体", u"名称栏", u"字体大小", 43},
    {u"txtnol", K::Colour, u"字体颜色#5577ff", true, {}, {}, {}, 1, u"名称栏设置", {}, u"名称栏", u"字体颜色", 41},
    {u"txtnolv", K::Colour, u"已访问字体颜色#ff77ff", true, {}, {}, {}, 1, u"名称栏设置", {}, u"名称栏", u"已访问字体颜色", 42},
    {u"txtnleft", K::Number, u"20", true, {}, {}, {}, 1, u"名称栏设置", {}, u"名称栏", u"位置", 46, P::Under},
    {u"cmbnf", K::Choice, u"宋体", true, kFonts, {}, {}, 1, u"名称栏设置", {}, u"名称栏", u"字体", 44},
    {u"cmbmjxg(0)", K::Choice, u"无效果", true, kEffects, {}, {}, 1, u"名称栏设置", {}, u"名称栏", u"效果", 47},
    {u"txtfgu", K::Colour, u"效果颜色#ffffff", false, {}, {}, {}, 1, u"名称栏设置", {}, u"名称栏", u"效果色彩", 48},
    {u"chcmcbg", K::Check, u"0", true, {}, u"背景图片", {}, 1, u"名称栏设置", {}, u"名称栏", u"背景图片选项", 49, P::Row},
    {u"txtmcbg", K::Picture, u"", true, {}, {}, {}, 1, u"名称栏设置", {}, u"名称栏", u"背景图片地址", 50},
    {u"txtjjtop", K::Number, u"96", true, {}, {}, {}, 1, u"简介栏设置", u"Top     位置", u"简介栏", u"顶高", 54, P::Row},
    {u"txtjjsize", K::Number, u"18", true, {}, {}, {}, 1, u"简介栏设置", u"字体大小        字体", u"简介栏", u"字体大小", 52},
    {u"txtjjcol", K::Colour, u"字体颜色#557700", true, {}, {}, {}, 1, u"简介栏设置", {}, u"简介栏", u"字体颜色", 51},
    {u"txtjjleft", K::Number, u"20", true, {}, {}, {}, 1, u"简介栏设置", {}, u"简介栏", u"位置", 55, P::Under},
    {u"cmbjjf", K::Choice, u"宋体", true, kFonts, {}, {}, 1, u"简介栏设置", {}, u"简介栏", u"字体", 53},
    {u"cmbmjxg(1)", K::Choice, u"无效果", true, kEffects, {}, {}, 1, u"简介栏设置", {}, u"简介栏", u"效果", 56},
    {u"txtfgjj", K::Colour, u"效果颜色#ffffff", false, {}, {}, {}, 1, u"简介栏设置", {}, u"简介栏", u"效果色彩", 57},
    {u"chcmcjj", K::Check, u"0", true, {}, u"背景图片", {}, 1, u"简介栏设置", {}, u"简介栏", u"背景图片选项", 58, P::Row},
    {u"txtjjbg", K::Picture, u"", true, {}, {}, {}, 1, u"简介栏设置", {}, u"简介栏", u"背景图片地址", 59},
    // 3.导航设置
    {u"chcdhcz", K::Check, u"0", false, {}, u"垂直导航", {}, 2, {}, {}, u"导航设置", u"垂直导航", 61, P::Row},
    {u"chcqxdhx", K::Check, u"1", true, {}, u"取消导航分界线", {}, 2, {}, {}, u"导航设置", u"取消导航线", 60},
    {u"txtdaohtop", K::Number, u"20", true, {}, {}, {}, 2, {}, u"导航高度(Top)            导航位置(left)", u"导航设置", u"导航高度", 62, P::Row},
    {u"txttabl", K::Number, u"60", true, {}, {}, {}, 2, {}, {}, u"导航设置", u"导航位置", 63},
    {u"chctap", K::Check, u"0", true, {}, u"添加图片", {}, 2, {}, {}, u"导航设置", u"添加图片", 64},
    {u"txtdhp", K::Picture, u"", false, {}, {}, {}, 2, {}, u"背景图片                             鼠标划过图片", u"导航设置", u"导航背景图片", 65, P::Row},
    {u"txtdhpm", K::Picture, kSamplePictureC, false, {}, {}, {}, 2, {}, {}, u"导航设置", u"鼠标划过图片", 66, P::Under},
    {u"txtdhlh", K::Number, u"19", true, {}, {}, {}, 2, {}, u"线高度(line-height)           字体大小", u"导航设置", u"线高度", 67, P::Row},
    {u"txtdhunz", K::Number, u"14", true, {}, {}, {}, 2, {}, {}, u"导航设置", u"字体大小", 70},
    {u"txttabbgc", K::Colour, u"字体颜色#5577ff", true, {}, {}, {}, 2, {}, {}, u"导航设置", u"字体颜色", 68},
    {u"txttabbgcv", K::Colour, u"已访问字体颜色#ff77ff", true, {}, {}, {}, 2, {}, {}, u"导航设置", u"已访问字体颜色", 69},
    // 4.模块设置
    {u"txtmkbt", K::Number, u"4", true, {}, {}, {}, 3, u"模块标题栏/编辑栏", u"标题栏位置            编辑栏位置   ", u"模块标题栏/编辑栏", u"标题栏位置", 71, P::Row},
    {u"txtmksz", K::Number, u"4", true, {}, {}, {}, 3, u"模块标题栏/编辑栏", {}, u"模块标题栏/编辑栏", u"编辑栏位置", 72},
    {u"txtmkbtc", K::Colour, u"字体颜色#5577ff", true, {}, {}, {}, 3, u"模块标题栏/编辑栏", {}, u"模块标题栏/编辑栏", u"字体颜色", 73},
    {u"txtmkbtcv", K::Colour, u"已访问字体颜色#ff77ff", true, {}, {}, {}, 3, u"模块标题栏/编辑栏", {}, u"模块标题栏/编辑栏", u"已访问字体颜色", 74},
    {u"txtmkbtzt", K::Number, u"12", true, {}, {}, {}, 3, u"模块标题栏/编辑栏", u"字体大小 ", u"模块标题栏/编辑栏", u"字体大小", 75},
    {u"txtmkbgc", K::Colour, u"背景颜色#000000", true, {}, {}, {}, 3, {}, {}, u"模块标题栏/编辑栏", u"模块背景颜色", 76, P::Row},
    {u"txtmkjj", K::Number, u"10", true, {}, {}, {}, 3, {}, u"模块之间间距", u"模块标题栏/编辑栏", u"模块之间间距", 77},
    {u"chcmkbgp", K::Check, u"0", true, {}, u"添加背景图片", {}, 3, {}, {}, u"模块设置", u"模块背景图片选项", 78, P::Row},
    {u"txtmkbgp", K::Picture, u"", false, {}, {}, {}, 3, {}, {}, u"模块设置", u"模块背景图片", 79},
    {u"cmbmkbgp", K::Choice, u"repeat", false, u"repeat|repeat-x|repeat-y|no-repeat", {}, {}, 3, {}, {}, u"模块设置", u"模块背景图片位置", 80},
    {u"chcmkbtp", K::Check, u"0", true, {}, u"添加边框图片", {}, 3, {}, {}, u"模块设置", u"模块边框图片选项", 81, P::Row},
    {u"txtmktplh", K::Number, u"2", false, {}, {}, {}, 3, {}, u"模块边框图片行高", u"模块设置", u"模块边框图片行高", 82},
    {u"txtmkls", K::Picture, u"", false, {}, {}, {}, 3, {}, u"模块左上图片", u"模块设置", u"模块左上图片", 83, P::Row},
    {u"txtmkcs", K::Picture, u"", false, {}, {}, {}, 3, {}, u"模块中上图片", u"模块设置", u"模块中上图片", 84},
    {u"txtmkrs", K::Picture, u"", false, {}, {}, {}, 3, {}, u"模块右上图片", u"模块设置", u"模块右上图片", 85},
    {u"txtmklx", K::Picture, u"", false, {}, {}, {}, 3, {}, u"模块左下图片", u"模块设置", u"模块左下图片", 86, P::Row},
    {u"txtmkcx", K::Picture, u"", false, {}, {}, {}, 3, {}, u"模块中下图片", u"模块设置", u"模块中下图片", 87},
    {u"txtmkrx", K::Picture, u"", false, {}, {}, {}, 3, {}, u"模块右下图片", u"模块设置", u"模块右下图片", 88},
    // 5.文章内容
    {u"txtwzbtzt", K::Number, u"16", true, {}, {}, {}, 4, {}, u"标题栏字体大小", u"文章设置", u"标题栏字体大小", 89, P::Row},
    {u"txtwzbtztc", K::Colour, u"字体颜色#5577ff", true, {}, {}, {}, 4, {}, {}, u"文章设置", u"标题栏字体颜色", 90},
    {u"txtwzbtztcv", K::Colour, u"已访问字体颜色#ff77ff", true, {}, {}, {}, 4, {}, {}, u"文章设置", u"标题栏已访问字体颜色", 91},
    {u"chcwzbttp", K::Check, u"0", true, {}, u"添加标题栏图片", {}, 4, {}, {}, u"文章设置", u"标题栏图片选项", 92, P::Row},
    {u"txtwzbtp", K::Picture, kSamplePictureA, false, {}, {}, {}, 4, {}, {}, u"文章设置", u"标题栏图片", 93},
    {u"cmbwzbt", K::Choice, u"no-repeat", false, u"no-repeat|repeat|repeat-x|repeat-y", {}, {}, 4, {}, {}, u"文章设置", u"标题栏图片显示", 94},
    {u"cmbwzbtp", K::Choice, u"top center", false, kNinePositions, {}, {}, 4, {}, {}, u"文章设置", u"标题栏图片位置", 95},
    {u"txtwzbtwz", K::Number, u"20", false, {}, {}, {}, 4, {}, u"图片与标题位置           标题栏行高(line-height)          文章发表日期位置", u"文章设置", u"图片与标题位置", 96, P::Row},
    {u"txtwzbtlh", K::Number, u"18", false, {}, {}, {}, 4, {}, {}, u"文章设置", u"标题行高", 97},
    {u"txtwzrqw", K::Number, u"0", true, {}, {}, {}, 4, {}, {}, u"文章发表日期", u"位置", 98},
    {u"txtwznrc", K::Colour, u"字体颜色#333333", true, {}, {}, {}, 4, u"文章内容设置", {}, u"文章内容设置", u"字体颜色", 99, P::Row},
    {u"txtwznrzt", K::Number, u"14", true, {}, {}, {}, 4, u"文章内容设置", u"字体大小           行高           分界线行高", u"文章内容设置", u"字体大小", 100},
    {u"txtwznrlh", K::Number, u"20", true, {}, {}, {}, 4, u"文章内容设置", {}, u"文章内容设置", u"行高", 101},
    {u"txtwzfjxlh", K::Number, u"17", true, {}, {}, {}, 4, u"文章内容设置", {}, u"文章链接栏", u"分界线行高", 110},
    {u"chcwzfjxp", K::Check, u"0", true, {}, u"添加分界线图片", {}, 4, u"文章内容设置", {}, u"文章链接栏", u"分界线图片选项", 111, P::Row},
    {u"txtwzfjxp", K::Picture, kSamplePictureA, false, {}, {}, {}, 4, u"文章内容设置", {}, u"文章链接栏", u"分界线图片", 112},
    {u"cmbwzfjx", K::Choice, u"repeat-x", false, u"no-repeat|repeat-x", {}, {}, 4, u"文章内容设置", {}, u"文章链接栏", u"分界线图片位置", 113},
    {u"chcwznrbg", K::Check, u"0", true, {}, u"添加背景图片", {}, 4, u"文章内容设置", {}, u"文章内容设置", u"内容背景图片选项", 104, P::Row},
    {u"txtwznrbg", K::Picture, u"", false, {}, {}, {}, 4, u"文章内容设置", {}, u"文章内容设置", u"内容背景图片", 105},
    {u"cmbwznrbg", K::Choice, u"no-repeat", false, u"no-repeat|repeat|repeat-x|repeat-y", {}, {}, 4, u"文章内容设置", {}, u"文章内容设置", u"内容背景图片显示", 106},
    {u"cmbwznrbgp", K::Choice, u"center", false, u"left|center|right", {}, {}, 4, u"文章内容设置", {}, u"文章内容设置", u"内容背景图片位置", 107},
    {u"chcwznrgd", K::Check, u"0", true, {}, u"添加博客滚动条", {}, 4, u"文章内容设置", {}, u"文章内容设置", u"滚动条选项", 108, P::Row},
    {u"txtwznrgd", K::Number, u"600", false, {}, {}, {}, 4, u"文章内容设置", u"高度 ", u"文章内容设置", u"滚动条高度", 109},
    {u"cmbblogcnt", K::Choice, u"无效果", true, kEffects, {}, {}, 4, u"文章内容设置", {}, u"文章内容设置", u"效果", 102},
    {u"txtblogcntc", K::Colour, u"效果颜色#ff0000", false, {}, {}, {}, 4, u"文章内容设置", {}, u"文章内容设置", u"效果颜色", 103},
    // 6.文章设置
    {u"txtwzflz", K::Number, u"12", true, {}, {}, {}, 5, u"文章分类/文章存档", u"字体大小", u"文章分类/存档", u"字体大小", 116, P::Row},
    {u"txtwzflc", K::Colour, u"字体颜色#5577ff", true, {}, {}, {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"字体颜色", 114},
    {u"txtwzflcv", K::Colour, u"已访问字体颜色#ff77ff", true, {}, {}, {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"已访问字体颜色", 115},
    {u"chcwzfl", K::Check, u"0", true, {}, u"使用背景图片", {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"背景图片选项", 117, P::Row},
    {u"txtwzfl", K::Picture, u"", false, {}, {}, {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"背景图片", 118},
    {u"cmbwzfl", K::Choice, u"no-repeat", false, u"repeat|no-repeat|repeat-y|repeat-x", {}, {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"背景图片显示", 119},
    {u"cmbwzflp", K::Choice, u"top center", false, kNinePositions, {}, {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"背景图片位置", 120},
    {u"chcwzffjx", K::Check, u"0", true, {}, u"分界线图片", {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"分界线图片选项", 121, P::Row},
    {u"txtwzffjx", K::Picture, kSamplePictureA, false, {}, {}, {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"分界线图片", 122},
    {u"cmbwzffjx", K::Choice, u"repeat-x", false, u"repeat-x|no-repeat", {}, {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"分界线图片位置", 123},
    {u"txtwzfllh", K::Number, u"5", true, {}, {}, {}, 5, u"文章分类/文章存档", u"行高                   高度", u"文章分类/存档", u"分界线图片行高", 124, P::Row},
    {u"chcfcgd", K::Check, u"0", true, {}, u"添加滚动条", {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"滚动条选项", 125},
    {u"txtfcgd", K::Number, u"180", false, {}, {}, {}, 5, u"文章分类/文章存档", {}, u"文章分类/存档", u"滚动条高度", 126},
    // 7.个人档案
    {u"txtgrlyz", K::Number, u"14", true, {}, {}, {}, 6, {}, u"字体大小            宽度", u"个人档案", u"字体大小", 129, P::Row},
    {u"txtgrkd", K::Number, u"80", true, {}, {}, {}, 6, {}, {}, u"个人档案", u"宽度", 130},
    {u"txtgrsc", K::Colour, u"字体颜色#ff0000", true, {}, {}, {}, 6, {}, {}, u"个人档案", u"字体颜色", 127},
    {u"txtgrscv", K::Colour, u"已访问字体颜色#ffff00", true, {}, {}, {}, 6, {}, {}, u"个人档案", u"已访问字体颜色", 128},
    {u"chcgrpic", K::Check, u"0", true, {}, u"添加图片", {}, 6, {}, {}, u"个人档案", u"查看留言下方图片选项", 131, P::Row},
    {u"txtgrpic", K::Picture, kSamplePictureA, false, {}, {}, {}, 6, {}, {}, u"个人档案", u"查看留言下方图片", 132},
    {u"txtgrph", K::Number, u"128", false, {}, {}, {}, 6, {}, u"图片高度", u"个人档案", u"查看留言下方图片图片行高", 133},
    // 8.相册设置
    {u"txtxcjjlc", K::Colour, u"背景颜色#000000", true, {}, {}, {}, 7, {}, u"相册简介栏            相册", u"相册设置", u"简介栏背景颜色", 134, P::Row},
    {u"txtxcjjllh", K::Number, u"12", true, {}, {}, {}, 7, {}, u"行高", u"相册设置", u"简介栏行高", 135},
    {u"chcxcjj", K::Check, u"0", true, {}, u"添加简介栏图片", {}, 7, {}, {}, u"相册设置", u"简介栏图片选项", 136},
    {u"txtxcjjlp", K::Picture, u"", false, {}, {}, {}, 7, {}, {}, u"相册设置", u"简介栏图片", 137},
    {u"cmbxcjjl", K::Choice, u"no-repeat", false, u"no-repeat|repeat-x", {}, {}, 7, {}, {}, u"相册设置", u"简介栏图片位置", 138},
    {u"txtxcjjlzt", K::Number, u"12", true, {}, {}, {}, 7, {}, u"字体大小", u"相册设置", u"字体大小", 141, P::Under},
    {u"txtxcjjlzc", K::Colour, u"字体颜色#ff0000", true, {}, {}, {}, 7, {}, {}, u"相册设置", u"字体颜色", 139},
    {u"txtxcjjlzcv", K::Colour, u"已访问字体颜色#ffff00", true, {}, {}, {}, 7, {}, {}, u"相册设置", u"已访问字体颜色", 140},
    // 9.我的好友
    {u"txtyqwzc", K::Colour, u"字体颜色#ff0000", true, {}, {}, {}, 8, u"友情链接设置", {}, u"友情链接", u"字体颜色", 142, P::Row},
    {u"txtyqwzcv", K::Colour, u"已访问字体颜色#ff0000", true, {}, {}, {}, 8, u"友情链接设置", {}, u"友情链接", u"已访问字体颜色", 143},
    {u"txtyqwzt", K::Number, u"12", true, {}, {}, {}, 8, u"友情链接设置", u"字体大小", u"友情链接", u"字体大小", 144},
    {u"txtyqwzlh", K::Number, u"12", true, {}, {}, {}, 8, u"友情链接设置", u"分界线行高", u"友情链接", u"分界线行高", 145},
    {u"chcyqgd", K::Check, u"0", true, {}, u"添加滚动条", {}, 8, u"友情链接设置", {}, u"友情链接", u"滚动条选项", 146, P::Row},
    {u"txtyqgd", K::Number, u"180", false, {}, {}, {}, 8, u"友情链接设置", u"滚动条高度", u"友情链接", u"滚动条高度", 147},
    {u"chcyqwzbg", K::Check, u"0", true, {}, u"添加背景图片", {}, 8, u"友情链接设置", {}, u"友情链接", u"背景图片选项", 148, P::Row},
    {u"txtyqwzbg", K::Picture, u"", false, {}, {}, {}, 8, u"友情链接设置", {}, u"友情链接", u"背景图片", 149},
    {u"cmbyqbg", K::Choice, u"no-repeat", false, u"no-repeat|repeat-x", {}, {}, 8, u"友情链接设置", {}, u"友情链接", u"背景图片位置", 150},
    {u"chcyqlj", K::Check, u"0", true, {}, u"添加分界线图片", {}, 8, u"友情链接设置", {}, u"友情链接", u"分界线图片选项", 151, P::Row},
    {u"txtyqljp", K::Picture, kSamplePictureA, false, {}, {}, {}, 8, u"友情链接设置", {}, u"友情链接", u"分界线图片", 152},
    {u"cmbyqfjx", K::Choice, u"repeat-x", false, u"no-repeat|repeat-x", {}, {}, 8, u"友情链接设置", {}, u"友情链接", u"分界线图片位置", 153},
    {u"txthylh", K::Number, u"16", true, {}, {}, {}, 8, u"好友列表设置", u"分界线行高", u"好友列表", u"分界线行高", 154, P::Row},
    {u"chchyfjx", K::Check, u"0", true, {}, u"添加分界线图片", {}, 8, u"好友列表设置", {}, u"好友列表", u"分界线图片选项", 155},
    {u"txthyfjx", K::Picture, kSamplePictureA, false, {}, {}, {}, 8, u"好友列表设置", {}, u"好友列表", u"分界线图片", 156},
    {u"cmbhyfjx", K::Choice, u"repeat-x", false, u"no-repeat|repeat-x", {}, {}, 8, u"好友列表设置", {}, u"好友列表", u"分界线图片位置", 157},
    // 10.留言评论
    {u"txtplzc", K::Colour, u"字体颜色#ff0000", true, {}, {}, {}, 9, {}, {}, u"留言评论", u"字体颜色", 159, P::Row},
    {u"txtplzcv", K::Colour, u"已访问字体颜色#ff0000", true, {}, {}, {}, 9, {}, {}, u"留言评论", u"已访问字体颜色", 160},
    {u"txtplzt", K::Number, u"12", true, {}, {}, {}, 9, {}, u"字体大小          行高(line-height)", u"留言评论", u"字体大小", 158},
    {u"txtpllh", K::Number, u"12", true, {}, {}, {}, 9, {}, {}, u"留言评论", u"行高", 161},
    {u"chcplpic", K::Check, u"0", true, {}, u"添加分界线图片", {}, 9, {}, {}, u"留言评论", u"分界线图片选项", 162, P::Row},
    {u"txtplpic", K::Picture, kSamplePictureA, false, {}, {}, {}, 9, {}, {}, u"留言评论", u"分界线图片", 163},
    {u"cmbplpic", K::Choice, u"repeat-x", false, u"no-repeat|repeat-x", {}, {}, 9, {}, {}, u"留言评论", u"分界线图片显示", 164},
    {u"cmbplpicp", K::Choice, u"left", false, u"left|center|right", {}, kPositionTooltip, 9, {}, {}, u"留言评论", u"分界线图片位置", 165},
    {u"chcplk", K::Check, u"0", true, {}, u"留言框添加图片", {}, 9, {}, {}, u"留言评论", u"评论框图片选项", 166, P::Row},
    {u"txtplkp", K::Picture, u"", false, {}, {}, {}, 9, {}, {}, u"留言评论", u"评论框图片", 167},
    {u"cmbplkp", K::Choice, u"no-repeat", false, u"repeat|repeat-x|repeat-y|no-repeat", {}, {}, 9, {}, {}, u"留言评论", u"评论框图片显示", 168},
    {u"cmbplkpp", K::Choice, u"top left", false, kNinePositions, {}, kPositionTooltip, 9, {}, {}, u"留言评论", u"评论框图片位置", 169},
    // 11.综合设置
    {u"txtxtzt", K::Number, u"14", true, {}, {}, {}, 10, {}, u"字体大小", u"综合设置", u"字体大小", 179, P::Row},
    {u"txtxtzc", K::Colour, u"字体颜色#5577ff", true, {}, {}, {}, 10, {}, {}, u"综合设置", u"字体色颜", 177},
    {u"txtxtzcv", K::Colour, u"已访问字体颜色#ff77ff", true, {}, {}, {}, 10, {}, {}, u"综合设置", u"已访问字体色颜", 178},
    {u"chcffjx", K::Check, u"0", true, {}, u"添加分界线图片", {}, 10, {}, {}, u"综合设置", u"分界线图片选项", 170, P::Row},
    {u"txtffjx", K::Picture, kSamplePictureA, false, {}, {}, {}, 10, {}, {}, u"综合设置", u"分界线图片", 171},
    {u"txtffhl", K::Number, u"8", false, {}, {}, {}, 10, {}, u"分界线行高", u"综合设置", u"分界线行高", 174},
    {u"cmbffjx", K::Choice, u"repeat-x", false, u"no-repeat|repeat-x", {}, {}, 10, {}, {}, u"综合设置", u"分界线图片显示", 172},
    {u"cmbffjxp", K::Choice, u"left", false, u"left|right|center", {}, kPositionTooltip, 10, {}, {}, u"综合设置", u"分界线图片位置", 173},
    {u"cmbfangwenw", K::Choice, u"left", true, u"center|left|right", {}, {}, 10, {}, u"访问量位置", u"综合设置", u"访问量位置", 175, P::Row},
    {u"cmbymwz", K::Choice, u"center", true, u"center|left|right", {}, {}, 10, {}, u"页码位置", u"综合设置", u"页码位置", 176},
    {u"cmbbfq", K::Choice, u"默认", true, u"默认|滤镜|隐藏", {}, {}, 10, {}, u"播放器特效", u"播放器", u"特效", 185},
    {u"chcpic", K::Check, u"0", true, {}, u"使用滤镜特效(博客全部图片)", {}, 10, {}, {}, u"图片特效", u"特效选项", 186, P::Row},
    {u"cmblj", K::Choice, u"效果2", false, u"效果1|效果2|效果3", {}, {}, 10, {}, {}, u"图片特效", u"特效", 187},
    {u"txtssbg", K::Colour, u"背景颜色#000000", true, {}, {}, {}, 10, u"搜索模块", {}, u"搜索模块", u"背景颜色", 180, P::Row},
    {u"txtssanc", K::Colour, u"按钮颜色#ff0000", true, {}, {}, {}, 10, u"搜索模块", {}, u"搜索模块", u"按钮颜色", 181},
    {u"chcssbgp", K::Check, u"0", true, {}, u"添加背景图片", {}, 10, u"搜索模块", {}, u"搜索模块", u"背景图片选项", 182, P::Row},
    {u"txtssbgp", K::Picture, u"", false, {}, {}, {}, 10, u"搜索模块", {}, u"搜索模块", u"背景图片", 183},
    {u"cmbssbgp", K::Choice, u"no-repeat", false, u"no-repeat|repeat|repeat-x|repeat-y", {}, {}, 10, u"搜索模块", {}, u"搜索模块", u"背景图片位置", 184},
    {u"cmbchongwu", K::Choice, u"默认大小", true, u"100|200|300|400|500|600|隐藏宠物|默认大小", {}, {}, 10, {}, u"宠物设置(100-600)", u"宠物设置", u"宠物大小", 188, P::Row},
}};

constexpr std::array<TabDef, kTabCount> kTabs{{
    {u"1.整体背景", u"Frame1", u"cmdbg"},
    {u"2.名称简介", u"Frame2", u"cmdqy"},
    {u"3.导航设置", u"Frame3", u"cmddaoh"},
    {u"4.模块设置", u"Frame5", u"cmdmk"},
    {u"5.文章内容", u"Frame6", u"cmdwz"},
    {u"6.文章设置", u"Frame4", u"cmdwzsz"},
    {u"7.个人档案", u"Frame7", u"cmdgr"},
    {u"8.相册设置", u"Frame8", u"cmdxc"},
    {u"9.我的好友", u"Frame9", u"cmdyqlj"},
    {u"10.留言评论", u"Frame10", u"cmdpinlun"},
    {u"11.综合设置", u"Frame12", u"cmdxtgg"},
}};
// clang-format on

} // namespace

std::span<const OptionDef, kOptionCount> options() { return kOptions; }

std::span<const TabDef, kTabCount> tabs() { return kTabs; }

int optionIndex(QStringView id)
{
    static const QHash<QStringView, int> index = [] {
        QHash<QStringView, int> h;
        h.reserve(kOptionCount);
        for (int i = 0; i < kOptionCount; ++i)
            h.insert(kOptions[i].id, i);
        return h;
    }();
    return index.value(id, -1);
}

std::span<const int, kOptionCount> saveOrder()
{
    static const std::array<int, kOptionCount> order = [] {
        std::array<int, kOptionCount> o{};
        for (int i = 0; i < kOptionCount; ++i)
            o[kOptions[i].saveOrder] = i;
        return o;
    }();
    return order;
}

QStringList listItems(const OptionDef &def)
{
    if (def.items.isEmpty())
        return {};
    QStringList out;
    for (QStringView item : def.items.tokenize(u'|'))
        out.append(item.toString());
    return out;
}

} // namespace stylewright
