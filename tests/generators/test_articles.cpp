#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestArticles : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdwz", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestArticles)
#include "test_articles.moc"
