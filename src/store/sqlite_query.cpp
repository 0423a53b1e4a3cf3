#include "sqlite_query.h"

#include "sqlite_rows.h"

#include "sqlite_values.h"

#include <sqlite3.h>

#include <memory>

namespace {

QByteArray ColumnBytes(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QByteArray(text ? text : "", sqlite3_column_bytes(stmt, column));
}

// Days with a zero or out-of-range year, month or day read as NULL.
QVariant ReadDateTime(sqlite3_stmt* stmt, int column)
{
    const std::optional<TDateTime> value = ColumnDateTime(stmt, column);
    return value ? QVariant(*value) : QVariant();
}

QVariant ReadColumn(sqlite3_stmt* stmt, int column, FieldKind kind)
{
    if (sqlite3_column_type(stmt, column) == SQLITE_NULL)
        return {};
    switch (kind) {
    case FieldKind::DateTime: return ReadDateTime(stmt, column);
    case FieldKind::Integer: return static_cast<qint64>(sqlite3_column_int64(stmt, column));
    case FieldKind::Float: return sqlite3_column_double(stmt, column);
    case FieldKind::Blob: return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, column)), sqlite3_column_bytes(stmt, column));
    case FieldKind::String: break;
    }
    return QString::fromUtf8(ColumnBytes(stmt, column));
}

}  // namespace

void SqliteStatementDeleter::operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }

std::optional<TDateTime> ColumnDateTime(sqlite3_stmt* stmt, int column)
{
    std::optional<TDateTime> value;
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: value = DateTimeFromJulianDay(sqlite3_column_double(stmt, column)); break;
    case SQLITE_TEXT: {
        // Read in place: the text is parsed, not kept.
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        value = DateTimeFromText(QByteArray::fromRawData(text, sqlite3_column_bytes(stmt, column)));
        break;
    }
    default: return std::nullopt;
    }
    if (!value)
        return std::nullopt;
    if (const int year = DecodeDate(*value).year; year < 1 || year > 9999)
        return std::nullopt;
    return value;
}

FieldKind FieldKindOf(const QString& declaredType)
{
    const QString t = declaredType.toLower();
    if (t.startsWith(QLatin1String("datetime")) || t == QLatin1String("date") || t == QLatin1String("timestamp"))
        return FieldKind::DateTime;
    if (t.contains(QLatin1String("int")))
        return FieldKind::Integer;
    if (t.contains(QLatin1String("real")) || t.contains(QLatin1String("floa")) || t.contains(QLatin1String("doub")))
        return FieldKind::Float;
    if (t.contains(QLatin1String("blob")))
        return FieldKind::Blob;
    return FieldKind::String;
}

void SqliteQuery::SetSQL(const QString& sql)
{
    Close();
    sql_ = sql;
    params_.clear();
}

void SqliteQuery::SetDateTimeParam(const QString& name, TDateTime value) { params_[name] = {DateTimeParamText(value)}; }

void SqliteQuery::SetTextParam(const QString& name, const QString& value, TextBinding binding)
{
    params_[name] = {value, binding};
}

void SqliteQuery::Close()
{
    pending_.reset();
    fields_.clear();
    rows_.clear();
    current_ = 0;
    active_ = false;
}

void SqliteQuery::Open()
{
    Close();
    pending_ = Prepare();
    ReadFields(pending_.get());
    active_ = true;
}

void SqliteQuery::ExecSQL()
{
    Close();
    StepAll(Prepare().get(), false);
}

int SqliteQuery::RecordCount() const
{
    FetchPending();
    return static_cast<int>(rows_.size());
}

bool SqliteQuery::Eof() const
{
    FetchPending();
    return current_ >= rows_.size();
}

void SqliteQuery::BindParams(sqlite3_stmt* stmt) const
{
    for (const auto& [name, param] : params_) {
        const int index = sqlite3_bind_parameter_index(stmt, (QLatin1Char(':') + name).toUtf8().constData());
        if (index == 0)
            continue;
        const QByteArray utf8 = param.value.toUtf8();
        const int size = static_cast<int>(utf8.size());
        const int rc = param.binding == TextBinding::Verbatim
                           ? sqlite3_bind_blob(stmt, index, utf8.constData(), size, SQLITE_TRANSIENT)
                           : sqlite3_bind_text(stmt, index, utf8.constData(), size, SQLITE_TRANSIENT);
        if (rc != SQLITE_OK)
            connection_->Fail();
    }
}

void SqliteQuery::ReadRow(sqlite3_stmt* stmt) const
{
    QVector<QVariant> row;
    row.reserve(fields_.size());
    for (int c = 0; c < fields_.size(); ++c)
        row.push_back(ReadColumn(stmt, c, fields_[c].kind));
    rows_.push_back(std::move(row));
}

SqliteStatement SqliteQuery::Prepare() const
{
    SqliteStatement stmt = PrepareStatement(*connection_, sql_.toUtf8());
    BindParams(stmt.get());
    return stmt;
}

void SqliteQuery::ReadFields(sqlite3_stmt* stmt)
{
    for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
        const char* decl = sqlite3_column_decltype(stmt, c);
        const QString declared = QString::fromUtf8(decl ? decl : "");
        fields_.push_back({QString::fromUtf8(sqlite3_column_name(stmt, c)), declared, FieldKindOf(declared)});
    }
}

void SqliteQuery::StepAll(sqlite3_stmt* stmt, bool keepRows) const
{
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        if (keepRows)
            ReadRow(stmt);
    if (rc != SQLITE_DONE)
        connection_->Fail();
}

// Every row at once, and the statement finalized: a statement left half-stepped would hold its read
// transaction open and keep later writes from committing.
void SqliteQuery::FetchPending() const
{
    if (!pending_)
        return;
    const SqliteStatement stmt = std::move(pending_);
    try {
        StepAll(stmt.get(), true);
    } catch (...) {
        rows_.clear();
        throw;
    }
}

const QVariant& SqliteQuery::Value(const QString& field) const
{
    if (Eof())
        throw SqliteError(QLatin1String(kDataAccessTag) + QStringLiteral(" No current record"));
    for (int c = 0; c < fields_.size(); ++c)
        if (fields_[c].name.compare(field, Qt::CaseInsensitive) == 0)
            return rows_[current_][c];
    throw SqliteError(QLatin1String(kDataAccessTag) + QStringLiteral(" Field '%1' not found").arg(field));
}

bool SqliteQuery::IsNull(const QString& field) const { return Value(field).isNull(); }

TDateTime SqliteQuery::AsDateTime(const QString& field) const
{
    const QVariant& v = Value(field);
    return v.isNull() ? 0.0 : v.toDouble();
}

QString SqliteQuery::AsString(const QString& field) const
{
    const QVariant& v = Value(field);
    return v.isNull() ? QString() : v.toString();
}

qint64 SqliteQuery::AsInteger(const QString& field) const { return Value(field).toLongLong(); }
