// Putting one tab back to its design-time values, as the window starts with them.

#include "options/catalogue.h"
#include "options/defaults.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {

// Every option changed: boxes flipped, choices and texts set to something else.
OptionSet everythingChanged()
{
    OptionSet o;
    for (const OptionDef &def : options()) {
        if (def.kind == OptionKind::Check)
            o.setValue(def.option, def.defaultValue == u"1" ? u"0"_s : u"1"_s);
        else if (def.kind == OptionKind::Choice && def.items.size() > 1)
            o.setValue(def.option, def.items.back() == def.defaultValue ? def.items.front().toString()
                                                                        : def.items.back().toString());
        else
            o.setValue(def.option, def.defaultValue + u"9"_s);
    }
    return o;
}

} // namespace

class TestDefaults : public QObject {
    Q_OBJECT
private slots:
    void aTabComesBackAsTheWindowStartsAndOthersStay();
    void theStartStatesAreWhatTheRulesGive();
};

void TestDefaults::aTabComesBackAsTheWindowStartsAndOthersStay()
{
    const OptionSet fresh;
    for (Area area : areas()) {
        const OptionSet changed = everythingChanged();
        OptionSet o(changed);
        resetTab(o, area);
        for (const OptionDef &def : options()) {
            const OptionSet &expected = def.area == area ? fresh : changed;
            const QByteArray where = def.id.toLatin1() + " after resetting tab " + QByteArray::number(int(area));
            QVERIFY2(o.value(def.option) == expected.value(def.option), where.constData());
            QVERIFY2(o.isEnabled(def.option) == expected.isEnabled(def.option), where.constData());
        }
    }
}

// A tab reset takes the start states as they are; they must be what the rules give for the
// design-time values, and no rule may reach into another tab.
void TestDefaults::theStartStatesAreWhatTheRulesGive()
{
    OptionSet o;
    for (const OptionDef &def : options()) {
        if (!isTextKind(def.kind))
            o.react(def.option);
    }
    const OptionSet fresh;
    for (const OptionDef &def : options())
        QVERIFY2(o.isEnabled(def.option) == fresh.isEnabled(def.option), qPrintable(def.id.toString()));

    for (const OptionDef &box : options()) {
        if (box.kind != OptionKind::Check)
            continue;
        OptionSet flipped;
        flipped.setCheckState(box.option, flipped.isChecked(box.option) ? CheckState::Unchecked : CheckState::Checked);
        for (const OptionDef &def : options()) {
            const bool moved = flipped.isEnabled(def.option) != fresh.isEnabled(def.option) ||
                               flipped.value(def.option) != fresh.value(def.option);
            QVERIFY2(!moved || def.area == box.area, qPrintable(box.id + u" reaches "_s + def.id));
        }
    }
}

QTEST_GUILESS_MAIN(TestDefaults)
#include "test_defaults.moc"
