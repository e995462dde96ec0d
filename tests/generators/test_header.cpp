#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestHeader : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdqy", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestHeader)
#include "test_header.moc"
