#pragma once
// The option catalogue: every option of the editor window in one table. Form building, saving,
// loading, dependency rules and counts are all derived from it.

#include <QStringList>
#include <QStringView>
#include <span>

namespace stylewright {

enum class OptionKind : quint8 { Number, Colour, Picture, Check, Choice };

// Where an option sits in its tab's frame; a new group always starts a new row.
enum class Place : quint8 {
    Flow,  // after the previous option, in the same row
    Row,   // at the start of a new row
    Under, // at the start of a row whose fields the two-line labels of the row above also name
};

struct OptionDef {
    QStringView id;           // control name; array elements carry their index, e.g. u"chcmrl(2)"
    OptionKind kind;
    QStringView defaultValue; // design-time value; u"0"/u"1" for a check box
    bool startEnabled;        // enabled when the window opens
    QStringView items;        // choice list in display order, items separated by '|'
    QStringView caption;      // check box caption
    QStringView tooltip;
    int tab;                  // 0..10, index into tabs()
    QStringView group;        // titled group within the tab's frame, or empty
    QStringView label;        // static label standing before this option (and the fields after it in its row)
    QStringView section;      // settings file section
    QStringView key;          // settings file key
    int saveOrder;            // 0..188: position of the key in the settings file
    Place place = Place::Flow;
};

struct TabDef {
    QStringView caption;    // u"1.整体背景"
    QStringView frame;      // u"Frame1"
    QStringView areaButton; // u"cmdbg": its "显示代码" button
};

inline constexpr int kOptionCount = 189;
inline constexpr int kTabCount = 11;

// All options, tab by tab, each group in reading order.
std::span<const OptionDef, kOptionCount> options();
// The eleven tabs in window order.
std::span<const TabDef, kTabCount> tabs();
// Row of an option by identifier, or -1 for an unknown identifier.
int optionIndex(QStringView id);
// Option rows in settings-file order.
std::span<const int, kOptionCount> saveOrder();
// A choice option's list items, in display order.
QStringList listItems(const OptionDef &def);

inline bool isTextKind(OptionKind kind) { return kind != OptionKind::Check && kind != OptionKind::Choice; }

} // namespace stylewright
