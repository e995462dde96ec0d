// The messages of pointing at the page and of a focused field, as the other side reads them.

#include "preview/preview_message.h"

#include <QTest>

using namespace stylewright;
using namespace stylewright::preview;
using enum Option;

namespace {

QByteArray frame(const QByteArray &json)
{
    return QByteArray::number(json.size()) + '\n' + json;
}

} // namespace

class TestPointingMessages : public QObject {
    Q_OBJECT
private slots:
    void picksAndFocusComeBackAsSent();
    void aBadPickOrFocusBreaksTheStream_data();
    void aBadPickOrFocusBreaksTheStream();
};

void TestPointingMessages::picksAndFocusComeBackAsSent()
{
    MessageReader reader;
    reader.append(encodeMessage(PickMessage{Area::Navigation, {NavigationFontSize, NavigationColour}}));
    reader.append(encodeMessage(PickMessage{Area::Extras, {}}));
    reader.append(encodeMessage(FocusMessage{PagePicture, false, QStringLiteral("需先勾选“添加背景图片”")}));
    reader.append(encodeMessage(FocusMessage{}));

    const std::optional<Message> pick = reader.next();
    QVERIFY(pick && std::holds_alternative<PickMessage>(*pick));
    QCOMPARE(std::get<PickMessage>(*pick).area, Area::Navigation);
    QCOMPARE(std::get<PickMessage>(*pick).options, (QList<Option>{NavigationFontSize, NavigationColour}));
    const std::optional<Message> empty = reader.next();
    QVERIFY(empty && std::get<PickMessage>(*empty).options.isEmpty());
    const std::optional<Message> focus = reader.next();
    QVERIFY(focus && std::holds_alternative<FocusMessage>(*focus));
    QCOMPARE(std::get<FocusMessage>(*focus).option, std::optional<Option>(PagePicture));
    QVERIFY(!std::get<FocusMessage>(*focus).stylesNow);
    QCOMPARE(std::get<FocusMessage>(*focus).why, QStringLiteral("需先勾选“添加背景图片”"));
    const std::optional<Message> none = reader.next();
    QVERIFY(none && !std::get<FocusMessage>(*none).option && std::get<FocusMessage>(*none).stylesNow);
    QVERIFY(!reader.failure());
}

void TestPointingMessages::aBadPickOrFocusBreaksTheStream_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("unknown option") << QByteArray(R"({"type":"pick","area":2,"options":["nosuch"]})");
    QTest::newRow("option not text") << QByteArray(R"({"type":"pick","area":2,"options":[3]})");
    QTest::newRow("area past the last") << QByteArray(R"({"type":"pick","area":11,"options":[]})");
    QTest::newRow("area below the first") << QByteArray(R"({"type":"pick","area":-1,"options":[]})");
    QTest::newRow("area in parts") << QByteArray(R"({"type":"pick","area":1.5,"options":[]})");
    QTest::newRow("no options") << QByteArray(R"({"type":"pick","area":1})");
    QTest::newRow("focus on nothing known") << QByteArray(R"({"type":"focus","option":"x","styles":true,"why":""})");
    const QByteArray known = optionDef(PageBackgroundColour).id.toString().toUtf8();
    QTest::newRow("focus without styles")
        << QByteArray(QByteArray(R"({"type":"focus","option":")") + known + R"(","why":""})");
    QTest::newRow("focus as a number") << QByteArray(R"({"type":"focus","option":7,"styles":true,"why":""})");
}

void TestPointingMessages::aBadPickOrFocusBreaksTheStream()
{
    QFETCH(QByteArray, json);
    MessageReader reader;
    reader.append(frame(json));
    reader.append(encodeMessage(ReadyMessage{}));
    QVERIFY(!reader.next());
    QVERIFY(reader.failure());
    QVERIFY(!reader.next()); // nothing after the fault either
}

QTEST_GUILESS_MAIN(TestPointingMessages)
#include "test_pointing_messages.moc"
