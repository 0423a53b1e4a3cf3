#include "diary_formats.h"

#include "partial_file.h"
#include "platform/errors.h"
#include "report/document/document_texts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

const QString kDateField = QStringLiteral("date");
const QString kTextField = QStringLiteral("text");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// "line 3, column 7" of a byte offset, the column counted in characters as an editor shows them.
QString PlaceOf(const QByteArray& json, qsizetype offset)
{
    offset = qBound(qsizetype(0), offset, json.size());
    const QByteArray before = json.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const qsizetype column = QString::fromUtf8(before.mid(lineStart)).toUcs4().size() + 1;
    return QStringLiteral("line %1, column %2").arg(before.count('\n') + 1).arg(column);
}

// Qt tells these faults once it has read the character that shows them; the user looks for that
// character, not the one after it.
qsizetype FaultOffset(const QJsonParseError& error)
{
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::MissingNameSeparator:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::MissingValueSeparator:
    case QJsonParseError::MissingObject: return error.offset - 1;
    default: return error.offset;
    }
}

QJsonArray ParsedArray(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw Exception(PlaceOf(json, FaultOffset(error)) + QStringLiteral(": ") + error.errorString());
    if (!document.isArray())
        throw Exception(QStringLiteral("the file holds no list of days: expected [ {\"date\": ..., \"text\": ...}, ... ]"));
    return document.array();
}

QString FieldText(const QJsonObject& object, const QString& field)
{
    const QJsonValue value = object.value(field);
    if (value.isUndefined())
        throw Exception(QStringLiteral("no \"%1\"").arg(field));
    if (!value.isString())
        throw Exception(QStringLiteral("\"%1\" is not a text").arg(field));
    return value.toString();
}

TReportData EntryOf(const QJsonValue& value)
{
    if (!value.isObject())
        throw Exception(QStringLiteral("not an object {\"date\": ..., \"text\": ...}"));
    const QJsonObject object = value.toObject();
    for (const QString& key : object.keys())
        if (key != kDateField && key != kTextField)
            throw Exception(QStringLiteral("unknown field \"%1\"").arg(key));
    const QString day = FieldText(object, kDateField);
    if (!ParseDayKey(day))
        throw Exception(QStringLiteral("\"%1\" is not a date written as yyyy-MM-dd").arg(day));
    const QString text = FieldText(object, kTextField);
    // A lone surrogate escaped as \ud800 would be stored as a replacement character, not as written.
    if (!text.isValidUtf16())
        throw Exception(QStringLiteral("%1: the text holds a lone surrogate, which is no character").arg(day));
    if (const qsizetype bytes = text.toUtf8().size(); bytes > kMostDayTextBytes)
        throw Exception(QStringLiteral("%1: the text is over the limit of 10 MiB a day (%2 bytes)").arg(day).arg(bytes));
    return {day, text};
}

}  // namespace

std::optional<TDateTime> ParseDayKey(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    TDateTime day = 0;
    if (!match.hasMatch() || !TryEncodeDate(match.captured(1).toInt(), match.captured(2).toInt(),
                                            match.captured(3).toInt(), day))
        return std::nullopt;
    return day;
}

QByteArray DiaryAsText(const QList<TReportData>& entries)
{
    QByteArray bytes;
    for (const TReportData& entry : entries) {
        const QByteArray text = entry.Data2.toUtf8();
        bytes += entry.Data1.toUtf8() + kLineEnd + text;
        if (!text.isEmpty() && !text.endsWith('\n'))
            bytes += kLineEnd;
        bytes += kLineEnd;
    }
    return bytes;
}

QByteArray DiaryAsJson(const QList<TReportData>& entries)
{
    QJsonArray array;
    for (const TReportData& entry : entries)
        array.append(QJsonObject{{kDateField, entry.Data1}, {kTextField, entry.Data2}});
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QList<TReportData> DiaryFromJson(const QByteArray& json)
{
    const QJsonArray array = ParsedArray(json);
    QList<TReportData> entries;
    for (qsizetype i = 0; i < array.size(); ++i) {
        try {
            entries.append(EntryOf(array.at(i)));
        } catch (const Exception& error) {
            throw Exception(QStringLiteral("entry %1: ").arg(i + 1) + error.Message());
        }
    }
    return entries;
}

void WriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    PartialFile partial(fileName);
    QFile file(partial.FileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush())
        throw CannotCreateFile(fileName, file.errorString());
    file.close();
    partial.Commit();
}
