#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdgr", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
