#include "preview/preview_message.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace stylewright::preview {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr qsizetype kMaxHeaderDigits = 10; // enough for kMaxFrameBytes

constexpr std::pair<WindowCommand, QLatin1StringView> kCommandNames[] = {
    {WindowCommand::Show, "show"_L1},
    {WindowCommand::Minimise, "minimise"_L1},
    {WindowCommand::Restore, "restore"_L1},
    {WindowCommand::Close, "close"_L1},
};

QJsonArray encodeSheet(const Sheet &sheet)
{
    QJsonArray areas;
    for (const AreaSheet &area : sheet) {
        if (area.failed())
            areas.append(QJsonObject{{u"notice"_s, area.notice}});
        else
            areas.append(QJsonObject{{u"css"_s, area.css}});
    }
    return areas;
}

QJsonObject encodeObject(const Message &message)
{
    if (const auto *m = std::get_if<SheetMessage>(&message))
        return {{u"type"_s, u"sheet"_s}, {u"sequence"_s, double(m->sequence)}, {u"areas"_s, encodeSheet(m->sheet)}};
    if (const auto *m = std::get_if<WindowMessage>(&message)) {
        for (const auto &[command, name] : kCommandNames) {
            if (command == m->command)
                return {{u"type"_s, u"window"_s}, {u"command"_s, QString(name)}};
        }
    }
    if (const auto *m = std::get_if<AppliedMessage>(&message))
        return {{u"type"_s, u"applied"_s}, {u"sequence"_s, double(m->sequence)}};
    if (const auto *m = std::get_if<PickMessage>(&message)) {
        QJsonArray ids;
        for (Option option : m->options)
            ids.append(optionDef(option).id.toString());
        return {{u"type"_s, u"pick"_s}, {u"area"_s, int(m->area)}, {u"options"_s, ids}};
    }
    if (const auto *m = std::get_if<FocusMessage>(&message)) {
        return {{u"type"_s, u"focus"_s},
                {u"option"_s, m->option ? QJsonValue(optionDef(*m->option).id.toString()) : QJsonValue()},
                {u"styles"_s, m->stylesNow},
                {u"why"_s, m->why}};
    }
    if (std::holds_alternative<ReadyMessage>(message))
        return {{u"type"_s, u"ready"_s}};
    return {{u"type"_s, u"closed"_s}};
}

std::optional<quint64> sequenceOf(const QJsonObject &object)
{
    const QJsonValue value = object.value(u"sequence"_s);
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= 0 && number <= double(kMaxSequence)) || number != double(quint64(number)))
        return std::nullopt;
    return quint64(number);
}

std::optional<Sheet> sheetOf(const QJsonObject &object)
{
    const QJsonValue value = object.value(u"areas"_s);
    if (!value.isArray() || value.toArray().size() != kTabCount)
        return std::nullopt;
    Sheet sheet;
    for (const QJsonValue &entry : value.toArray()) {
        const QJsonObject area = entry.toObject();
        const QJsonValue css = area.value(u"css"_s);
        const QJsonValue notice = area.value(u"notice"_s);
        if (css.isString() && notice.isUndefined())
            sheet.append({css.toString(), {}});
        else if (notice.isString() && !notice.toString().isEmpty() && css.isUndefined())
            sheet.append({{}, notice.toString()});
        else
            return std::nullopt;
    }
    return sheet;
}

std::optional<PickMessage> pickOf(const QJsonObject &object)
{
    const QJsonValue area = object.value(u"area"_s), ids = object.value(u"options"_s);
    if (!area.isDouble() || area.toDouble() != double(area.toInt()) || area.toInt() < 0 || area.toInt() >= kTabCount ||
        !ids.isArray())
        return std::nullopt;
    PickMessage pick{Area(area.toInt()), {}};
    for (const QJsonValue &id : ids.toArray()) {
        const std::optional<Option> option = optionById(id.toString());
        if (!id.isString() || !option)
            return std::nullopt;
        pick.options.append(*option);
    }
    return pick;
}

std::optional<FocusMessage> focusOf(const QJsonObject &object)
{
    const QJsonValue id = object.value(u"option"_s), styles = object.value(u"styles"_s), why = object.value(u"why"_s);
    if (!styles.isBool() || !why.isString() || !(id.isNull() || id.isString()))
        return std::nullopt;
    FocusMessage focus{std::nullopt, styles.toBool(), why.toString()};
    if (id.isString()) {
        focus.option = optionById(id.toString());
        if (!focus.option)
            return std::nullopt;
    }
    return focus;
}

// The message an object stands for, or nothing when it is not one.
std::optional<Message> decodeObject(const QJsonObject &object)
{
    const QString type = object.value(u"type"_s).toString();
    if (type == u"sheet") {
        const std::optional<quint64> sequence = sequenceOf(object);
        std::optional<Sheet> sheet = sheetOf(object);
        if (sequence && sheet)
            return SheetMessage{*sequence, std::move(*sheet)};
    } else if (type == u"window") {
        const QString name = object.value(u"command"_s).toString();
        for (const auto &[command, commandName] : kCommandNames) {
            if (name == commandName)
                return WindowMessage{command};
        }
    } else if (type == u"applied") {
        if (const std::optional<quint64> sequence = sequenceOf(object))
            return AppliedMessage{*sequence};
    } else if (type == u"pick") {
        if (std::optional<PickMessage> pick = pickOf(object))
            return std::move(*pick);
    } else if (type == u"focus") {
        if (std::optional<FocusMessage> focus = focusOf(object))
            return std::move(*focus);
    } else if (type == u"ready") {
        return ReadyMessage{};
    } else if (type == u"closed") {
        return ClosedMessage{};
    }
    return std::nullopt;
}

} // namespace

QByteArray encodeMessage(const Message &message)
{
    const QByteArray body = QJsonDocument(encodeObject(message)).toJson(QJsonDocument::Compact);
    return QByteArray::number(body.size()) + '\n' + body;
}

void MessageReader::append(QByteArrayView bytes)
{
    if (!m_failure)
        m_buffer.append(bytes);
}

std::optional<Message> MessageReader::next()
{
    if (m_failure)
        return std::nullopt;
    const qsizetype lineEnd = m_buffer.indexOf('\n');
    if (lineEnd < 0) {
        if (m_buffer.size() > kMaxHeaderDigits)
            return fail(u"frame header longer than %1 digits"_s.arg(kMaxHeaderDigits));
        return std::nullopt;
    }
    const QByteArrayView header(m_buffer.constData(), lineEnd);
    if (header.isEmpty() || header.size() > kMaxHeaderDigits ||
        !std::all_of(header.begin(), header.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return fail(u"frame header is not a length"_s);
    const qsizetype length = header.toLongLong();
    if (length > kMaxFrameBytes)
        return fail(u"frame of %1 bytes is over the limit"_s.arg(length));
    if (m_buffer.size() - lineEnd - 1 < length)
        return std::nullopt;

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(m_buffer.mid(lineEnd + 1, length), &error);
    m_buffer.remove(0, lineEnd + 1 + length);
    if (error.error != QJsonParseError::NoError)
        return fail(u"frame is not JSON: "_s + error.errorString());
    std::optional<Message> message = decodeObject(document.object());
    if (!message || !document.isObject())
        return fail(u"frame holds no known message"_s);
    return message;
}

std::optional<Message> MessageReader::fail(const QString &reason)
{
    m_failure = Failure{QStringLiteral("实时预览的通信数据无法识别。"), reason};
    m_buffer.clear();
    return std::nullopt;
}

} // namespace stylewright::preview
