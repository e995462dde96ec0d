#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestComments : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdpinlun", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestComments)
#include "test_comments.moc"
