#include "storage/Query.h"

#include "common/Errors.h"
#include "storage/Database.h"

#include <QRegularExpression>

#include <sqlite3.h>

TQuery::TQuery(TDatabase& db, QString name, QString sql)
    : TDataSet(db, std::move(name)), m_sql(std::move(sql)) {}

TQuery::~TQuery() {
    Close();
}

void TQuery::SetSQL(const QString& sql) {
    SetSQL(sql, QString());
}

void TQuery::SetSQL(const QString& sql, const QString& runSql) {
    Close();
    m_sql = sql;
    m_runSql = runSql;
}

void TQuery::SetCountedRows(int count) {
    if (Active() && !m_done)
        m_count = count;
}

void TQuery::SetParam(const QString& name, const QVariant& value) {
    m_params.insert(name, value);
}

QString TQuery::TrimmedSql() const {
    QString s = RunSQL().trimmed();
    while (s.endsWith(QLatin1Char(';')))
        s.chop(1);
    return s;
}

void TQuery::BindParams(TSqlStatement& statement) const {
    const int n = statement.ParameterCount();
    for (int i = 1; i <= n; ++i) {
        QString name = statement.ParameterName(i);
        if (name.isEmpty() || name.startsWith(QLatin1Char('?'))) {
            const QString key = name.isEmpty() ? QString::number(i) : name.mid(1);
            statement.Bind(i, m_params.value(key));
        } else {
            statement.Bind(i, m_params.value(name.mid(1)));
        }
    }
}

bool TQuery::UsesTable(const QString& table) const {
    return m_tablesUsed.contains(table, Qt::CaseInsensitive);
}

int TQuery::ExecSQL() {
    Close();
    TSqlStatement st = Database().Prepare(TrimmedSql());
    BindParams(st);
    if (!sqlite3_stmt_readonly(st.Handle()))
        Database().NotifyWrite({}, this, true);
    while (st.Step()) {
    }
    return sqlite3_changes(Database().Handle());
}

void TQuery::DoOpen(std::vector<TFieldDef>& dataFields) {
    if (!Database().IsOpen())
        throw EDatabaseError(QStringLiteral("The database is not open."));
    m_statement = Database().Prepare(TrimmedSql());
    BindParams(m_statement);
    m_columnCount = m_statement.ColumnCount();
    m_rows.clear();
    m_count = -1;
    m_done = false;
    m_deferred.assign(size_t(m_columnCount), TDeferred{});
    dataFields.clear();
    m_tablesUsed.clear();
    for (const QString& table : Database().Tables()) {
        const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(table)),
                                      QRegularExpression::CaseInsensitiveOption);
        if (word.match(m_sql).hasMatch())
            m_tablesUsed << table;
    }
    for (int c = 0; c < m_columnCount; ++c) {
        TFieldDef f;
        f.Name = m_statement.ColumnName(c);
        f.OriginTable = m_statement.ColumnOriginTable(c);
        f.OriginColumn = m_statement.ColumnOriginName(c);
        const TTableDef* def = f.OriginTable.isEmpty() ? nullptr : KnownTableDef(f.OriginTable);
        const TColumnDef* column = def ? def->Column(f.OriginColumn) : nullptr;
        if (column) {
            f.Type = column->Type;
            f.Size = column->Size;
        } else {
            f.Type = FieldTypeFromDecl(m_statement.ColumnDeclType(c));
        }
        bool taken = false;
        for (const TFieldDef& other : dataFields)
            taken = taken || other.Name.compare(f.Name, Qt::CaseInsensitive) == 0;
        if (taken) {
            QString base = f.OriginTable.isEmpty() ? f.Name : f.OriginTable + QLatin1Char('.') + f.OriginColumn;
            QString unique = base;
            for (int n = 1;; ++n) {
                bool clash = false;
                for (const TFieldDef& other : dataFields)
                    clash = clash || other.Name.compare(unique, Qt::CaseInsensitive) == 0;
                if (!clash)
                    break;
                unique = base + QLatin1Char('_') + QString::number(n);
            }
            f.Name = unique;
        }
        dataFields.push_back(f);
    }
    // Pictures of a known table are read on demand through the row's "ID", when exactly one
    // column of the result carries that table's "ID".
    for (int c = 0; c < m_columnCount; ++c) {
        TFieldDef& f = dataFields[size_t(c)];
        if (f.Type != TFieldType::Graphic || f.OriginTable.isEmpty())
            continue;
        int key = -1, keys = 0;
        for (int k = 0; k < m_columnCount; ++k) {
            const TFieldDef& o = dataFields[size_t(k)];
            if (o.OriginTable.compare(f.OriginTable, Qt::CaseInsensitive) == 0 &&
                o.OriginColumn.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0) {
                key = k;
                ++keys;
            }
        }
        if (keys == 1) {
            f.Deferred = true;
            m_deferred[size_t(c)] = {key, f.OriginTable, f.OriginColumn};
        }
    }
}

void TQuery::DoClose() {
    m_statement.Finalize();
    m_rows.clear();
    m_done = true;
    m_count = -1;
}

void TQuery::ReleaseStatements() {
    TDataSet::ReleaseStatements();
    m_statement.Finalize();
    m_done = true;
}

bool TQuery::FetchOne() {
    if (m_done)
        return false;
    if (!m_statement.Step()) {
        m_done = true;
        m_statement.Finalize();
        return false;
    }
    std::vector<QVariant> row(static_cast<size_t>(m_columnCount));
    for (int c = 0; c < m_columnCount; ++c)
        if (m_deferred[size_t(c)].Table.isEmpty())
            row[size_t(c)] = m_statement.ColumnValue(c);
    m_rows.push_back(std::move(row));
    return true;
}

void TQuery::FetchAll() {
    while (FetchOne()) {
    }
}

int TQuery::DoRowCount() {
    if (m_done)
        return int(m_rows.size());
    if (m_count < 0) {
        TSqlStatement count =
            Database().Prepare(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(TrimmedSql()));
        BindParams(count);
        m_count = count.Step() ? int(count.ColumnInt64(0)) : 0;
    }
    return m_count;
}

bool TQuery::DoSeek(int row) {
    if (row < 0)
        return false;
    while (row >= int(m_rows.size()))
        if (!FetchOne())
            return false;
    m_row = row;
    return true;
}

QVariant TQuery::DoRead(int field) {
    const std::vector<QVariant>& row = m_rows[size_t(m_row)];
    const TDeferred& deferred = m_deferred[size_t(field)];
    if (deferred.Table.isEmpty())
        return row[size_t(field)];
    const QVariant key = row[size_t(deferred.KeyColumn)];
    if (!key.isValid() || !Database().HasTable(deferred.Table))
        return QVariant();
    TSqlStatement st = Database().Prepare(QStringLiteral("SELECT %1 FROM %2.%2 WHERE \"ID\" = ?1 LIMIT 1")
                                              .arg(QuoteIdentifier(deferred.Column),
                                                   QuoteIdentifier(deferred.Table)));
    st.Bind(1, key);
    return st.Step() ? st.ColumnValue(0) : QVariant();
}

void TQuery::DoDatabaseWillWrite(bool) {
    // The result is a snapshot: read the rest before the tables change.
    FetchAll();
}
