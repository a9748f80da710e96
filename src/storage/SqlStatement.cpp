#include "storage/SqlStatement.h"

#include "common/Errors.h"

#include <sqlite3.h>

namespace {
[[noreturn]] void Fail(sqlite3* db, const QString& context) {
    const QString engine = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("no database");
    throw EDatabaseError(context.isEmpty() ? engine : context + QStringLiteral(": ") + engine);
}
} // namespace

TSqlStatement::TSqlStatement(sqlite3* db, const QString& sql) : m_db(db) {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_stmt, nullptr) != SQLITE_OK) {
        m_stmt = nullptr;
        Fail(db, {});
    }
    if (!m_stmt)
        throw EDatabaseError(QStringLiteral("Empty SQL statement"));
}

TSqlStatement::~TSqlStatement() {
    Finalize();
}

TSqlStatement::TSqlStatement(TSqlStatement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt) {
    other.m_stmt = nullptr;
}

TSqlStatement& TSqlStatement::operator=(TSqlStatement&& other) noexcept {
    if (this != &other) {
        Finalize();
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

void TSqlStatement::Finalize() {
    if (m_stmt) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

void TSqlStatement::Bind(int position, const QVariant& value) {
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, position);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::UChar:
            rc = sqlite3_bind_int64(m_stmt, position, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, position, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, position, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, position, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        Fail(m_db, QStringLiteral("Binding parameter %1").arg(position));
}

bool TSqlStatement::BindNamed(const QString& name, const QVariant& value) {
    QByteArray key = name.toUtf8();
    if (!key.startsWith(':') && !key.startsWith('@') && !key.startsWith('$'))
        key.prepend(':');
    const int position = sqlite3_bind_parameter_index(m_stmt, key.constData());
    if (position == 0)
        return false;
    Bind(position, value);
    return true;
}

int TSqlStatement::ParameterCount() const {
    return sqlite3_bind_parameter_count(m_stmt);
}

QString TSqlStatement::ParameterName(int position) const {
    const char* name = sqlite3_bind_parameter_name(m_stmt, position);
    return name ? QString::fromUtf8(name) : QString();
}

bool TSqlStatement::Step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_reset(m_stmt);
    throw EDatabaseError(message);
}

void TSqlStatement::Reset() {
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

int TSqlStatement::ColumnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString TSqlStatement::ColumnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QString TSqlStatement::ColumnDeclType(int column) const {
    const char* t = sqlite3_column_decltype(m_stmt, column);
    return t ? QString::fromUtf8(t) : QString();
}

QString TSqlStatement::ColumnOriginTable(int column) const {
    const char* t = sqlite3_column_table_name(m_stmt, column);
    return t ? QString::fromUtf8(t) : QString();
}

QString TSqlStatement::ColumnOriginName(int column) const {
    const char* t = sqlite3_column_origin_name(m_stmt, column);
    return t ? QString::fromUtf8(t) : QString();
}

bool TSqlStatement::ColumnIsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

qint64 TSqlStatement::ColumnInt64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double TSqlStatement::ColumnDouble(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

QString TSqlStatement::ColumnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    if (!text)
        return {};
    return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
}

QByteArray TSqlStatement::ColumnBlob(int column) const {
    const void* data = sqlite3_column_blob(m_stmt, column);
    const int size = sqlite3_column_bytes(m_stmt, column);
    if (!data || size <= 0)
        return QByteArray();
    return QByteArray(static_cast<const char*>(data), size);
}

QVariant TSqlStatement::ColumnValue(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT:
        return QVariant(ColumnText(column));
    case SQLITE_BLOB:
        return QVariant(ColumnBlob(column));
    default:
        return QVariant();
    }
}

QString TSqlStatement::Sql() const {
    return m_stmt ? QString::fromUtf8(sqlite3_sql(m_stmt)) : QString();
}
