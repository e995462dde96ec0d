// The editor's fetcher loads its network side as a module: a real fetch through the loaded module,
// and a clear failure when the module is missing.

#include "base/text_encoding.h"
#include "local_http_server.h"
#include "stylewright/network_module.h"

#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

class TestNetworkModule : public QObject {
    Q_OBJECT
private slots:
    void fetchesThroughTheModule();
    void missingModuleFailsEveryFetch();
};

void TestNetworkModule::fetchesThroughTheModule()
{
    LocalHttpServer server;
    server.route(u"/s"_s, {200, "<link href=\"/s/css/item/7.css\">"});
    server.route(u"/s/css/item/7.css"_s, {200, encodeGbk(u"a{color:#墨}"), "text/css"});
    const std::unique_ptr<SheetSource> source =
        loadNetworkSheetSourceFrom(server.origin(), {u"/nowhere"_s, QStringLiteral(NETWORK_MODULE_DIR)});
    QByteArray sheet;
    source->setListener(
        {[&](const QByteArray &bytes) { sheet = bytes; }, [](const Failure &why) { qWarning() << why.message; }});
    QVERIFY(source->start(server.origin() + u"/s"));
    QTRY_COMPARE(sheet, encodeGbk(u"a{color:#墨}"));
}

void TestNetworkModule::missingModuleFailsEveryFetch()
{
    QTemporaryDir empty;
    const std::unique_ptr<SheetSource> source = loadNetworkSheetSourceFrom(u"http://127.0.0.1:1"_s, {empty.path()});
    QList<Failure> failures;
    source->setListener(
        {[](const QByteArray &) { QFAIL("nothing can be fetched"); }, [&](const Failure &why) { failures << why; }});
    QVERIFY(source->start(u"http://127.0.0.1:1/s"_s));
    QVERIFY(failures.isEmpty()); // told after start() returns, like every other failure
    QTRY_COMPARE(failures.size(), 1);
    QCOMPARE(failures[0].message, u"网络模块没有找到"_s);
    QVERIFY(!failures[0].reason.isEmpty());
    QVERIFY(!source->isBusy());

    // A cancelled fetch is not told of.
    QVERIFY(source->start(u"http://127.0.0.1:1/s"_s));
    source->cancel();
    QTest::qWait(50);
    QCOMPARE(failures.size(), 1);
}

QTEST_GUILESS_MAIN(TestNetworkModule)
#include "test_network_module.moc"
