#include "generators/generators.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;

class TestAlbum : public QObject {
    Q_OBJECT
private slots:
    void notBuiltYet() { QVERIFY(!generate(u"cmdxc", OptionSet()).error.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestAlbum)
#include "test_album.moc"
