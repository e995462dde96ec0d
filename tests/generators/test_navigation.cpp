#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmddaoh", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "test_navigation.moc"
