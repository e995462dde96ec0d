#include "editor/dependencies.h"

#include "options/catalogue.h"
#include "options/option_set.h"

#include <QHash>
#include <vector>

namespace stylewright {
namespace {

// Check box, the controls that take its state, the controls that take the opposite state.
struct CheckRule {
    QStringView box;
    QStringView same;    // blank-separated identifiers
    QStringView inverse; // blank-separated identifiers
};

// clang-format off
constexpr CheckRule kCheckRules[] = {
    {u"chcbg",     u"txtbgp chcbggd cmbbg cmbbdbg", {}},
    {u"chcbgm",    u"txtbgm", {}},
    {u"chcdaob",   u"txtdaob cmbztbg cmbztps", {}},
    {u"chcgund",   u"txtsttop txtstlef txtstwid txtsthei", {}},
    {u"chctap",    u"txtdhp txtdhpm", {}},
    {u"chcmkbtp",  u"txtmkls txtmkcs txtmkrs txtmklx txtmkcx txtmkrx txtmktplh", {}},
    {u"chcmkbgp",  u"txtmkbgp cmbmkbgp", {}},
    {u"chcwzbttp", u"txtwzbtwz txtwzbtlh txtwzbtp cmbwzbt cmbwzbtp", {}},
    {u"chcwzfjxp", u"txtwzfjxp cmbwzfjx", {}},
    {u"chcwznrbg", u"txtwznrbg cmbwznrbg cmbwznrbgp", {}},
    {u"chcwznrgd", u"txtwznrgd", {}},
    {u"chcfcgd",   u"txtfcgd", {}},
    {u"chcwzffjx", u"txtwzffjx cmbwzffjx", {}},
    {u"chcwzfl",   u"txtwzfl cmbwzfl cmbwzflp", {}},
    {u"chcgrpic",  u"txtgrpic txtgrph", {}},
    {u"chcxcjj",   u"txtxcjjlp cmbxcjjl", u"txtxcjjlc"},
    {u"chcyqgd",   u"txtyqgd", {}},
    {u"chchyfjx",  u"txthyfjx cmbhyfjx", {}},
    {u"chcyqlj",   u"txtyqljp cmbyqfjx", {}},
    {u"chcyqwzbg", u"txtyqwzbg cmbyqbg", {}},
    {u"chcplk",    u"txtplkp cmbplkp cmbplkpp", {}},
    {u"chcplpic",  u"cmbplpic cmbplpicp txtplpic", {}},
    {u"chcffjx",   u"txtffjx cmbffjx cmbffjxp txtffhl", {}},
    {u"chcssbgp",  u"txtssbgp cmbssbgp", u"txtssbg"},
    {u"chcpic",    u"cmblj", {}},
};
// clang-format on

enum class Special { None, PageBackground, BodyWidth, Transparency, HeaderPictures, HeaderEffects, ArticleEffect, Columns };

struct Reaction {
    Special special = Special::None;
    std::vector<int> same;
    std::vector<int> inverse;
};

std::vector<int> rows(QStringView ids)
{
    std::vector<int> out;
    for (QStringView id : ids.tokenize(u' ', Qt::SkipEmptyParts))
        out.push_back(optionIndex(id));
    return out;
}

int row(QStringView id) { return optionIndex(id); }

const QHash<int, Reaction> &reactions()
{
    static const QHash<int, Reaction> table = [] {
        QHash<int, Reaction> t;
        for (const CheckRule &rule : kCheckRules)
            t.insert(row(rule.box), Reaction{Special::None, rows(rule.same), rows(rule.inverse)});
        t[row(u"chcbg")].special = Special::PageBackground;
        t.insert(row(u"chckd"), Reaction{Special::BodyWidth, {}, {}});
        t.insert(row(u"chcbgst"), Reaction{Special::Transparency, {}, {}});
        for (QStringView id : {u"chcmrl(0)", u"chcmrl(1)", u"chcmrl(2)"})
            t.insert(row(id), Reaction{Special::HeaderPictures, {}, {}});
        for (QStringView id : {u"cmbmjxg(0)", u"cmbmjxg(1)"})
            t.insert(row(id), Reaction{Special::HeaderEffects, {}, {}});
        t.insert(row(u"cmbblogcnt"), Reaction{Special::ArticleEffect, {}, {}});
        t.insert(row(u"cmblan"), Reaction{Special::Columns, {}, {}});
        return t;
    }();
    return table;
}

void setAll(OptionSet &o, const std::vector<int> &targets, bool enabled)
{
    for (int r : targets)
        o.setEnabled(r, enabled);
}

// The two effects whose filter takes a colour.
bool effectTakesColour(const QString &effect) { return effect == u"发光效果" || effect == u"阴影效果"; }

void columns(OptionSet &o)
{
    struct Layout {
        QStringView text;
        bool total, first, second, third;
    };
    static constexpr Layout kLayouts[] = {
        {u"默认分栏", false, false, false, false},
        {u"分两栏", true, true, false, true},
        {u"分三栏", true, true, true, true},
        {u"单栏(不分)", true, false, false, false},
    };
    const QString &text = o.value(row(u"cmblan"));
    for (const Layout &l : kLayouts) {
        if (text != l.text)
            continue;
        o.setEnabled(row(u"txtzlan"), l.total);
        o.setEnabled(row(u"txtlanf"), l.first);
        o.setEnabled(row(u"txtlans"), l.second);
        o.setEnabled(row(u"txtlant"), l.third);
        return;
    } // any other text leaves the width fields as they are
}

void headerPictures(OptionSet &o)
{
    for (int i = 0; i < 3; ++i) {
        const bool on = o.value(row(QStringLiteral("chcmrl(%1)").arg(i))) != u"0";
        for (QStringView field : {u"txtmrl", u"cmbmrl", u"cmbmrlp"})
            o.setEnabled(row(QStringLiteral("%1(%2)").arg(field).arg(i)), on);
    }
}

} // namespace

void applyDependencies(OptionSet &o, int changed)
{
    const auto it = reactions().constFind(changed);
    if (it == reactions().cend())
        return;
    const Reaction &r = *it;
    const QString &v = o.value(changed);
    switch (r.special) {
    case Special::None:
        setAll(o, r.same, v != u"0");
        setAll(o, r.inverse, v == u"0");
        break;
    case Special::PageBackground:
        if (v == u"0" || v == u"1")
            setAll(o, r.same, v == u"1"); // the greyed state leaves the picture fields alone
        break;
    case Special::BodyWidth:
        o.setEnabled(row(u"txtkd"), v == u"1");
        break;
    case Special::Transparency:
        if (v == u"0") {
            o.setEnabled(row(u"chcdaob"), true);
            o.setEnabled(row(u"txtzttmd"), false);
        } else { // transparency and a body picture exclude each other
            o.setValue(row(u"chcdaob"), QStringLiteral("0"));
            o.setEnabled(row(u"chcdaob"), false);
            o.setEnabled(row(u"txtzttmd"), true);
        }
        break;
    case Special::HeaderPictures:
        headerPictures(o);
        break;
    case Special::HeaderEffects:
        o.setEnabled(row(u"txtfgu"), effectTakesColour(o.value(row(u"cmbmjxg(0)"))));
        o.setEnabled(row(u"txtfgjj"), effectTakesColour(o.value(row(u"cmbmjxg(1)"))));
        break;
    case Special::ArticleEffect:
        o.setEnabled(row(u"txtblogcntc"), effectTakesColour(v));
        break;
    case Special::Columns:
        columns(o);
        break;
    }
}

} // namespace stylewright
