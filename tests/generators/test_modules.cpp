#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestModules : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdmk", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestModules)
#include "test_modules.moc"
