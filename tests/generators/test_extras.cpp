#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestExtras : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdxtgg", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestExtras)
#include "test_extras.moc"
