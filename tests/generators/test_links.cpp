#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdyqlj", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestLinks)
#include "test_links.moc"
