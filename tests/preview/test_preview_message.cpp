#include "preview/preview_message.h"

#include <QTest>

using namespace stylewright;
using namespace stylewright::preview;

namespace {

Sheet sampleSheet(const QString &css)
{
    Sheet sheet(kTabCount, AreaSheet{css, {}});
    sheet[1] = {{}, QStringLiteral("“名称栏字体大小”必须填写数字")};
    return sheet;
}

// Every message a stream of frames holds, and whether the stream broke.
QList<Message> readAll(MessageReader &reader)
{
    QList<Message> messages;
    while (std::optional<Message> m = reader.next())
        messages.append(std::move(*m));
    return messages;
}

QByteArray frame(const QByteArray &json)
{
    return QByteArray::number(json.size()) + '\n' + json;
}

} // namespace

class TestPreviewMessage : public QObject {
    Q_OBJECT
private slots:
    void everyMessageComesBackAsSent();
    void hostileTextsSurviveUnchanged();
    void framesSplitAnywhereStillRead();
    void brokenStreamsStayBroken_data();
    void brokenStreamsStayBroken();
};

void TestPreviewMessage::everyMessageComesBackAsSent()
{
    const QList<Message> sent{
        SheetMessage{7, sampleSheet(QStringLiteral("body{background-color:#123456}\r\n"))},
        WindowMessage{WindowCommand::Show},
        WindowMessage{WindowCommand::Minimise},
        WindowMessage{WindowCommand::Restore},
        WindowMessage{WindowCommand::Close},
        ReadyMessage{},
        AppliedMessage{kMaxSequence},
        ClosedMessage{},
    };
    MessageReader reader;
    for (const Message &m : sent)
        reader.append(encodeMessage(m));
    const QList<Message> got = readAll(reader);
    QVERIFY(!reader.failure());
    QCOMPARE(got.size(), sent.size());

    const auto &sheet = std::get<SheetMessage>(got[0]);
    QCOMPARE(sheet.sequence, 7u);
    QCOMPARE(sheet.sheet.size(), kTabCount);
    QCOMPARE(sheet.sheet[0].css, QStringLiteral("body{background-color:#123456}\r\n"));
    QVERIFY(sheet.sheet[1].failed());
    QCOMPARE(sheet.sheet[1].notice, QStringLiteral("“名称栏字体大小”必须填写数字"));
    QCOMPARE(std::get<WindowMessage>(got[1]).command, WindowCommand::Show);
    QCOMPARE(std::get<WindowMessage>(got[2]).command, WindowCommand::Minimise);
    QCOMPARE(std::get<WindowMessage>(got[3]).command, WindowCommand::Restore);
    QCOMPARE(std::get<WindowMessage>(got[4]).command, WindowCommand::Close);
    QVERIFY(std::holds_alternative<ReadyMessage>(got[5]));
    QCOMPARE(std::get<AppliedMessage>(got[6]).sequence, kMaxSequence);
    QVERIFY(std::holds_alternative<ClosedMessage>(got[7]));
}

void TestPreviewMessage::hostileTextsSurviveUnchanged()
{
    const QString hostile = QStringLiteral("</style><script>alert(1)</script>\"'\\\\\\n\r\n\t{}") + QChar(0x2028) +
                            QChar(0) + QStringLiteral("汉字") + QString(100000, u'x') + QStringLiteral("\n12\n");
    MessageReader reader;
    reader.append(encodeMessage(SheetMessage{1, sampleSheet(hostile)}));
    const QList<Message> got = readAll(reader);
    QVERIFY(!reader.failure());
    QCOMPARE(got.size(), 1);
    for (const AreaSheet &area : std::get<SheetMessage>(got[0]).sheet) {
        if (!area.failed())
            QCOMPARE(area.css, hostile);
    }
}

void TestPreviewMessage::framesSplitAnywhereStillRead()
{
    const QByteArray stream = encodeMessage(AppliedMessage{3}) + encodeMessage(SheetMessage{4, sampleSheet({})}) +
                              encodeMessage(ClosedMessage{});
    for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
        MessageReader reader;
        reader.append(stream.first(cut));
        QList<Message> got = readAll(reader);
        reader.append(stream.sliced(cut));
        got += readAll(reader);
        QVERIFY2(!reader.failure(), qPrintable(QString::number(cut)));
        QCOMPARE(got.size(), 3);
        QCOMPARE(std::get<SheetMessage>(got[1]).sequence, 4u);
    }
}

void TestPreviewMessage::brokenStreamsStayBroken_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray eleven = "[" + QByteArray("{\"css\":\"\"},").repeated(10) + "{\"css\":\"\"}]";
    QTest::newRow("letters for a length") << QByteArray("abc\n{}");
    QTest::newRow("length without end") << QByteArray("12345678901");
    QTest::newRow("length over the limit") << QByteArray::number(kMaxFrameBytes + 1).append('\n');
    QTest::newRow("not JSON") << frame("{\"type\":");
    QTest::newRow("array") << frame("[1,2]");
    QTest::newRow("unknown type") << frame("{\"type\":\"reload\"}");
    QTest::newRow("unknown command") << frame("{\"type\":\"window\",\"command\":\"maximise\"}");
    QTest::newRow("fractional sequence") << frame("{\"type\":\"applied\",\"sequence\":1.5}");
    QTest::newRow("sequence too large") << frame("{\"type\":\"applied\",\"sequence\":1e300}");
    QTest::newRow("ten areas") << frame("{\"type\":\"sheet\",\"sequence\":1,\"areas\":[" +
                                        QByteArray("{\"css\":\"\"},").repeated(9) + "{\"css\":\"\"}]}");
    QTest::newRow("area with css and notice")
        << frame("{\"type\":\"sheet\",\"sequence\":1,\"areas\":" +
                 QByteArray(eleven).replace("[{\"css\":\"\"}", "[{\"css\":\"\",\"notice\":\"x\"}") + "}");
    QTest::newRow("area with an empty notice")
        << frame("{\"type\":\"sheet\",\"sequence\":1,\"areas\":" +
                 QByteArray(eleven).replace("[{\"css\":\"\"}", "[{\"notice\":\"\"}") + "}");
}

void TestPreviewMessage::brokenStreamsStayBroken()
{
    QFETCH(QByteArray, bytes);
    MessageReader reader;
    reader.append(encodeMessage(ReadyMessage{}));
    reader.append(bytes);
    reader.append(encodeMessage(ClosedMessage{})); // a sound frame after the fault is never read
    const QList<Message> got = readAll(reader);
    QCOMPARE(got.size(), 1);
    QVERIFY(std::holds_alternative<ReadyMessage>(got[0]));
    QVERIFY(reader.failure());
    QVERIFY(!reader.failure()->message.isEmpty());
    reader.append(encodeMessage(ClosedMessage{}));
    QVERIFY(!reader.next());
}

QTEST_APPLESS_MAIN(TestPreviewMessage)
#include "test_preview_message.moc"
