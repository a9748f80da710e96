#include "storage/Database.h"

#include "common/Errors.h"
#include "storage/DataSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <sqlite3.h>
#include <string>

namespace {
// Unicode upper() and lower(): the engine's own only change ASCII letters.
void CaseFunction(sqlite3_context* context, int argc, sqlite3_value** argv, bool upper) {
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int size = sqlite3_value_bytes(argv[0]);
    // Plain ASCII (most names and descriptions) changes only its letters: converted in one pass
    // into a buffer kept between rows, without the round trip through a QString that searches
    // of large tables cannot afford. The engine copies it into the result's own storage.
    thread_local std::string scratch;
    scratch.resize(size_t(size));
    bool ascii = true;
    for (int i = 0; i < size; ++i) {
        const char c = text[i];
        ascii &= static_cast<unsigned char>(c) < 0x80;
        scratch[size_t(i)] = upper ? (c >= 'a' && c <= 'z' ? char(c - 32) : c)
                                   : (c >= 'A' && c <= 'Z' ? char(c + 32) : c);
    }
    if (ascii) {
        sqlite3_result_text64(context, scratch.data(), sqlite3_uint64(size), SQLITE_TRANSIENT,
                              SQLITE_UTF8);
        return;
    }
    const QString s = QString::fromUtf8(text, size);
    const QByteArray out = (upper ? s.toUpper() : s.toLower()).toUtf8();
    sqlite3_result_text64(context, out.constData(), sqlite3_uint64(out.size()), SQLITE_TRANSIENT,
                          SQLITE_UTF8);
}

void UpperFunction(sqlite3_context* c, int n, sqlite3_value** v) {
    CaseFunction(c, n, v, true);
}
void LowerFunction(sqlite3_context* c, int n, sqlite3_value** v) {
    CaseFunction(c, n, v, false);
}

void RunSimple(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        throw EDatabaseError(message);
    }
}
} // namespace

TDatabase::TDatabase() = default;

TDatabase::~TDatabase() {
    Close();
}

void TDatabase::Open(const QString& folder) {
    Close();
    if (!QFileInfo(folder).isDir())
        throw EDatabaseError(QStringLiteral("The folder \"%1\" does not exist.").arg(folder));
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw EDatabaseError(message);
    }
    m_db = db;
    m_folder = folder;
    try {
        sqlite3_extended_result_codes(m_db, 1);
        sqlite3_limit(m_db, SQLITE_LIMIT_ATTACHED, 10);
        sqlite3_create_function(m_db, "upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                &UpperFunction, nullptr, nullptr);
        // LIKE compares as stored (tags are matched without case folding); name and
        // description searches upper-case both sides.
        RunSimple(m_db, QStringLiteral("PRAGMA case_sensitive_like=ON"));
        sqlite3_create_function(m_db, "lower", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                &LowerFunction, nullptr, nullptr);
        const QFileInfoList files =
            QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& file : files)
            if (file.suffix().compare(QLatin1String("ff2"), Qt::CaseInsensitive) == 0)
                AttachFile(file.absoluteFilePath(), file.completeBaseName());
    } catch (...) {
        Close();
        throw;
    }
}

void TDatabase::AttachFile(const QString& path, const QString& schema) {
    const QString q = QuoteIdentifier(schema);
    bool attached = false;
    try {
        TSqlStatement attach(m_db, QStringLiteral("ATTACH DATABASE ?1 AS %1").arg(q));
        attach.Bind(1, path);
        attach.Step();
        attached = true;
        // Reading the schema fails at once for a file that is not a table file.
        RunSimple(m_db, QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(q));
        RunSimple(m_db, QStringLiteral("PRAGMA %1.synchronous=NORMAL").arg(q));
        // Rows are read in index order, which jumps about the table: keep the file mapped and
        // a generous page cache so large tables stay fast.
        RunSimple(m_db, QStringLiteral("PRAGMA %1.mmap_size=1073741824").arg(q));
        RunSimple(m_db, QStringLiteral("PRAGMA %1.cache_size=-32768").arg(q));
        TSqlStatement check(m_db, QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(q));
        check.Step();
    } catch (const EDatabaseError& e) {
        if (attached)
            sqlite3_exec(m_db, QStringLiteral("DETACH DATABASE %1").arg(q).toUtf8().constData(),
                         nullptr, nullptr, nullptr);
        throw EDatabaseError(QStringLiteral("%1 (%2)").arg(e.Message(), QFileInfo(path).fileName()));
    }
    m_tables << schema;
}

void TDatabase::AttachTableFile(const QString& path) {
    if (!m_db)
        throw EDatabaseError(QStringLiteral("The database is not open."));
    AttachFile(path, QFileInfo(path).completeBaseName());
}

void TDatabase::DetachTable(const QString& name) {
    if (!m_db || !HasTable(name))
        return;
    for (TDataSet* ds : std::vector<TDataSet*>(m_dataSets))
        if (ds->Active() && ds->UsesTable(name))
            ds->Close();
    RunSimple(m_db, QStringLiteral("DETACH DATABASE %1").arg(QuoteIdentifier(name)));
    m_tables.removeIf([&](const QString& t) { return t.compare(name, Qt::CaseInsensitive) == 0; });
}

void TDatabase::Close() {
    if (!m_db)
        return;
    for (TDataSet* ds : std::vector<TDataSet*>(m_dataSets))
        ds->Close();
    for (TDataSet* ds : m_dataSets)
        ds->ReleaseStatements();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_tables.clear();
}

bool TDatabase::HasTable(const QString& name) const {
    return m_tables.contains(name, Qt::CaseInsensitive);
}

void TDatabase::CreateTableFile(const QString& path, const TTableDef& def) {
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw EDatabaseError(QStringLiteral("Could not replace \"%1\".").arg(path));
    sqlite3* db = nullptr;
    const QByteArray name = QFile::encodeName(path);
    if (sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw EDatabaseError(QStringLiteral("%1 (%2)").arg(message, path));
    }
    try {
        RunSimple(db, QStringLiteral("PRAGMA journal_mode=DELETE"));
        RunSimple(db, QStringLiteral("BEGIN"));
        for (const QString& sql : def.CreateStatements({}))
            RunSimple(db, sql);
        RunSimple(db, QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(path);
        throw;
    }
    sqlite3_close(db);
}

sqlite3* TDatabase::Handle() const {
    if (!m_db)
        throw EDatabaseError(QStringLiteral("The database is not open."));
    return m_db;
}

TSqlStatement TDatabase::Prepare(const QString& sql) const {
    return TSqlStatement(Handle(), sql);
}

int TDatabase::Execute(const QString& sql, const QVariantList& params) {
    TSqlStatement st = Prepare(sql);
    for (int i = 0; i < params.size(); ++i)
        st.Bind(i + 1, params[i]);
    if (!sqlite3_stmt_readonly(st.Handle()))
        NotifyWrite({}, nullptr, true);
    while (st.Step()) {
    }
    return sqlite3_changes(m_db);
}

qint64 TDatabase::LastInsertRowId() const {
    return sqlite3_last_insert_rowid(Handle());
}

bool TDatabase::InTransaction() const {
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

void TDatabase::Register(TDataSet* dataSet) {
    m_dataSets.push_back(dataSet);
}

void TDatabase::Unregister(TDataSet* dataSet) {
    m_dataSets.erase(std::remove(m_dataSets.begin(), m_dataSets.end(), dataSet), m_dataSets.end());
}

void TDatabase::NotifyWrite(const QString& table, const TDataSet* writer, bool orderMayChange) {
    for (TDataSet* ds : m_dataSets)
        if (ds->Active() && (table.isEmpty() || ds->UsesTable(table)))
            ds->DatabaseWillWrite(ds == writer ? orderMayChange : true);
}

TTransaction::TTransaction(TDatabase& db) : m_db(db) {
    if (!db.InTransaction()) {
        db.Execute(QStringLiteral("BEGIN"));
        m_owner = true;
    }
}

TTransaction::~TTransaction() {
    if (m_owner && m_db.IsOpen() && m_db.InTransaction())
        sqlite3_exec(m_db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void TTransaction::Commit() {
    if (m_owner) {
        m_db.Execute(QStringLiteral("COMMIT"));
        m_owner = false;
    }
}
