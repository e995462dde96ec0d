#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestCategories : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdwzsz", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestCategories)
#include "test_categories.moc"
