#include "storage/Table.h"

#include "common/Errors.h"
#include "storage/Database.h"

#include <QFile>

#include <sqlite3.h>

TTable::TTable(TDatabase& db, QString name, QString tableName)
    : TDataSet(db, std::move(name)), m_tableName(std::move(tableName)) {
    if (const TTableDef* def = KnownTableDef(m_tableName))
        m_indexName = def->DefaultIndex;
}

TTable::~TTable() {
    Close();
}

void TTable::SetTableName(const QString& tableName) {
    if (Active())
        throw EDatabaseError(QStringLiteral("Cannot change the table of an open dataset (%1)").arg(Name()));
    m_tableName = tableName;
}

void TTable::SetIndexName(const QString& indexName) {
    m_indexName = indexName;
    if (Active()) {
        m_keysDirty = true;
        Refresh();
    }
}

void TTable::SetFilter(const QString& filter) {
    m_filter = filter;
    if (Active()) {
        m_keysDirty = true;
        Refresh();
    }
}

bool TTable::UsesTable(const QString& table) const {
    return m_tableName.compare(table, Qt::CaseInsensitive) == 0;
}

QString TTable::QualifiedName() const {
    return QuoteIdentifier(m_tableName) + QLatin1Char('.') + QuoteIdentifier(m_tableName);
}

QString TTable::WhereClause() const {
    return m_filter.trimmed().isEmpty() ? QString()
                                        : QStringLiteral(" WHERE (%1)").arg(m_filter);
}

QString TTable::OrderBy() const {
    QStringList keys;
    for (const QString& c : m_orderColumns)
        keys << c;
    keys << QStringLiteral("rowid");
    return QStringLiteral(" ORDER BY ") + keys.join(QStringLiteral(", "));
}

void TTable::DoOpen(std::vector<TFieldDef>& dataFields) {
    if (!Database().IsOpen() || !Database().HasTable(m_tableName))
        throw EDatabaseError(QStringLiteral("Table \"%1\" does not exist.").arg(m_tableName));
    // The table's actual columns, checked against the known definition.
    struct TActual {
        QString Name, Decl;
    };
    std::vector<TActual> actual;
    {
        TSqlStatement info = Database().Prepare(
            QStringLiteral("PRAGMA %1.table_info(%1)").arg(QuoteIdentifier(m_tableName)));
        while (info.Step())
            actual.push_back({info.ColumnText(1), info.ColumnText(2)});
    }
    if (actual.empty())
        throw EDatabaseError(QStringLiteral("Table \"%1\" does not exist.").arg(m_tableName));
    const TTableDef* def = KnownTableDef(m_tableName);
    dataFields.clear();
    m_columns.clear();
    auto hasActual = [&](const QString& name) {
        for (const TActual& a : actual)
            if (a.Name.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    if (def) {
        for (const TColumnDef& c : def->Columns) {
            if (!hasActual(c.Name))
                throw EDatabaseError(
                    QStringLiteral("Table \"%1\" has no field \"%2\".").arg(m_tableName, c.Name));
            TFieldDef f;
            f.Name = c.Name;
            f.Type = c.Type;
            f.Size = c.Size;
            dataFields.push_back(f);
        }
    }
    for (const TActual& a : actual) {
        if (def && def->Column(a.Name))
            continue;
        TFieldDef f;
        f.Name = a.Name;
        f.Type = FieldTypeFromDecl(a.Decl);
        dataFields.push_back(f);
    }
    m_rowColumn.assign(dataFields.size(), -1);
    QStringList rowColumns{QStringLiteral("rowid")};
    for (size_t i = 0; i < dataFields.size(); ++i) {
        TFieldDef& f = dataFields[i];
        f.OriginTable = m_tableName;
        f.OriginColumn = f.Name;
        m_columns << f.Name;
        if (f.Type == TFieldType::Graphic) {
            f.Deferred = true;
        } else {
            m_rowColumn[i] = int(rowColumns.size());
            rowColumns << QuoteIdentifier(f.Name);
        }
    }
    m_rowColumnsSql = rowColumns.join(QStringLiteral(", "));
    if (m_seqWanted.size() != dataFields.size())
        m_seqWanted.assign(dataFields.size(), 0);
    m_seq.Finalize();
    m_orderColumns.clear();
    if (!m_indexName.isEmpty()) {
        const TIndexDef* index = def ? def->Index(m_indexName) : nullptr;
        if (!index)
            throw EDatabaseError(
                QStringLiteral("Index \"%1\" not found on table \"%2\".").arg(m_indexName, m_tableName));
        for (const TIndexColumn& k : index->Columns) {
            const TColumnDef* c = def->Column(k.Name);
            const bool text = c && (c->Type == TFieldType::String || c->Type == TFieldType::Memo);
            m_orderColumns << QuoteIdentifier(k.Name) +
                                  (k.CaseInsensitive && text ? QStringLiteral(" COLLATE NOCASE")
                                                             : QString());
        }
    }
    m_keysDirty = true;
    m_seqRow = -1;
    m_source = nullptr;
    m_rowId = 0;
    LoadKeys();
}

void TTable::DoClose() {
    ReleaseStatements();
    m_keys.clear();
    m_keysDirty = true;
}

void TTable::ReleaseStatements() {
    TDataSet::ReleaseStatements();
    m_seq.Finalize();
    m_point.Finalize();
    m_statements.clear();
    m_seqRow = -1;
    m_source = nullptr;
}

TSqlStatement& TTable::Cached(const QString& sql) {
    auto it = m_statements.find(sql);
    if (it == m_statements.end())
        it = m_statements.emplace(sql, Database().Prepare(sql)).first;
    it->second.Reset();
    return it->second;
}

void TTable::LoadKeys() {
    m_seq.Reset();
    m_seqRow = -1;
    if (m_source == &m_seq)
        m_source = nullptr;
    TSqlStatement& st =
        Cached(QStringLiteral("SELECT rowid FROM %1%2%3").arg(QualifiedName(), WhereClause(), OrderBy()));
    std::vector<qint64> keys;
    keys.reserve(m_keys.size() + 16);
    while (st.Step())
        keys.push_back(st.ColumnInt64(0));
    st.Reset();
    m_keys = std::move(keys);
    m_keysDirty = false;
}

int TTable::PositionOf(qint64 rowId) const {
    for (size_t i = 0; i < m_keys.size(); ++i)
        if (m_keys[i] == rowId)
            return int(i);
    return -1;
}

int TTable::DoRowCount() {
    if (m_keysDirty)
        LoadKeys();
    return int(m_keys.size());
}

int TTable::DoResolvePosition() {
    if (m_keysDirty || m_row < 0) {
        if (m_keysDirty)
            LoadKeys();
        m_row = PositionOf(m_rowId);
        if (m_row >= 0 && m_source == nullptr)
            ReadByRowId(m_rowId);
    }
    return m_row;
}

bool TTable::ReadByRowId(qint64 rowId) {
    if (!m_point.IsValid())
        m_point = Database().Prepare(
            QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1").arg(m_rowColumnsSql, QualifiedName()));
    m_point.Reset();
    m_point.Bind(1, rowId);
    if (!m_point.Step()) {
        m_source = nullptr;
        return false;
    }
    m_source = &m_point;
    m_rowId = rowId;
    return true;
}

bool TTable::DoSeek(int row) {
    if (m_keysDirty)
        LoadKeys();
    if (row < 0 || row >= int(m_keys.size()))
        return false;
    const qint64 rowId = m_keys[size_t(row)];
    // The forward walk continues when it stands on the row before.
    const bool continues = m_seqRow >= 0 && m_seqRow == row - 1;
    if (row == 0 || continues) {
        if (!m_seq.IsValid())
            PrepareWalk();
        if (!continues)
            m_seq.Reset();
        if (m_seq.Step() && m_seq.ColumnInt64(0) == rowId) {
            m_seqRow = row;
            m_source = &m_seq;
            m_rowId = rowId;
            m_row = row;
            return true;
        }
        m_seq.Reset();
        m_seqRow = -1;
    } else if (m_source == &m_seq) {
        // Leaving the walk: it no longer holds the current row.
        m_source = nullptr;
    }
    if (!ReadByRowId(rowId)) {
        // The row went away behind our back: read the order again.
        m_keysDirty = true;
        return false;
    }
    if (m_seqRow >= 0 && m_source != &m_seq) {
        m_seq.Reset();
        m_seqRow = -1;
    }
    m_row = row;
    return true;
}

void TTable::PrepareWalk() {
    QStringList columns{QStringLiteral("rowid")};
    m_seqColumn.assign(m_rowColumn.size(), -1);
    for (size_t i = 0; i < m_rowColumn.size(); ++i)
        if (m_seqWanted[i]) {
            m_seqColumn[i] = int(columns.size());
            columns << QuoteIdentifier(m_columns[int(i)]);
        }
    m_seq = Database().Prepare(QStringLiteral("SELECT %1 FROM %2%3%4")
                                   .arg(columns.join(QStringLiteral(", ")), QualifiedName(),
                                        WhereClause(), OrderBy()));
}

bool TTable::ExtendWalk(int field) {
    // The walk learns which fields are read: it starts again with the field added and steps
    // back to the row it stood on, which is cheap because new fields show up on the first rows.
    m_seqWanted[size_t(field)] = 1;
    const int row = m_seqRow;
    PrepareWalk();
    for (int i = 0; i <= row; ++i)
        if (!m_seq.Step()) {
            m_seq.Reset();
            m_seqRow = -1;
            return false;
        }
    if (m_seq.ColumnInt64(0) != m_rowId) {
        m_seq.Reset();
        m_seqRow = -1;
        return false;
    }
    return true;
}

QVariant TTable::DoRead(int field) {
    const int column = m_rowColumn[size_t(field)];
    if (m_source == &m_seq && column >= 0) {
        if (m_seqColumn[size_t(field)] >= 0 || ExtendWalk(field))
            return m_seq.ColumnValue(m_seqColumn[size_t(field)]);
        m_source = nullptr;
    }
    if (column < 0) {
        TSqlStatement& st = Cached(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                                       .arg(QuoteIdentifier(m_columns[field]), QualifiedName()));
        st.Bind(1, m_rowId);
        QVariant v = st.Step() ? st.ColumnValue(0) : QVariant();
        st.Reset();
        return v;
    }
    if (!m_source && !ReadByRowId(m_rowId))
        return QVariant();
    return m_source->ColumnValue(column);
}

bool TTable::DoLocate(int field, const QVariant& value, TLocateOptions options, int& row) {
    if (field >= DataFieldCount() || Fields()[size_t(field)].Type == TFieldType::Graphic)
        return TDataSet::DoLocate(field, value, options, row);
    const TFieldDef& def = Fields()[size_t(field)];
    const QString column = QuoteIdentifier(def.Name);
    const bool text = def.Type == TFieldType::String || def.Type == TFieldType::Memo;
    QString condition;
    if (!value.isValid()) {
        condition = column + QStringLiteral(" IS NULL");
    } else if (text && options.testFlag(TLocateOption::PartialKey)) {
        condition = options.testFlag(TLocateOption::CaseInsensitive)
                        ? QStringLiteral("upper(substr(%1, 1, length(?1))) = upper(?1)").arg(column)
                        : QStringLiteral("substr(%1, 1, length(?1)) = ?1").arg(column);
    } else if (text && options.testFlag(TLocateOption::CaseInsensitive)) {
        condition = QStringLiteral("upper(%1) = upper(?1)").arg(column);
    } else {
        condition = column + QStringLiteral(" = ?1");
    }
    if (!m_filter.trimmed().isEmpty())
        condition = QStringLiteral("(%1) AND (%2)").arg(m_filter, condition);
    TSqlStatement& st = Cached(QStringLiteral("SELECT rowid FROM %1 WHERE %2%3 LIMIT 1")
                                   .arg(QualifiedName(), condition, OrderBy()));
    if (value.isValid())
        st.Bind(1, value);
    const bool found = st.Step();
    const qint64 rowId = found ? st.ColumnInt64(0) : 0;
    st.Reset();
    if (!found)
        return false;
    if (m_keysDirty)
        LoadKeys();
    row = PositionOf(rowId);
    if (row < 0)
        return false;
    return DoSeek(row);
}

qint64 TTable::CurrentRowId() {
    return Active() && !IsEmpty() ? m_rowId : 0;
}

bool TTable::LoadFieldFromFile(const QString& field, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    SetValue(field, QVariant(file.readAll()));
    return true;
}

void TTable::DoPost(bool inserting, const std::vector<QVariant>& values,
                    const std::vector<bool>& changed) {
    QStringList columns;
    QVariantList params;
    bool orderMayChange = inserting || !m_filter.trimmed().isEmpty();
    for (size_t i = 0; i < values.size(); ++i) {
        if (!changed[i])
            continue;
        columns << QuoteIdentifier(m_columns[int(i)]);
        params << values[i];
        for (const QString& key : m_orderColumns)
            if (key.startsWith(QuoteIdentifier(m_columns[int(i)])))
                orderMayChange = true;
    }
    if (!inserting && columns.isEmpty())
        return;
    Database().NotifyWrite(m_tableName, this, orderMayChange);
    QString sql;
    if (inserting) {
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?%1").arg(i + 1);
        sql = columns.isEmpty()
                  ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QualifiedName())
                  : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(QualifiedName(), columns.join(QStringLiteral(", ")),
                             marks.join(QStringLiteral(", ")));
    } else {
        QStringList sets;
        for (int i = 0; i < columns.size(); ++i)
            sets << QStringLiteral("%1 = ?%2").arg(columns[i]).arg(i + 1);
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                  .arg(QualifiedName(), sets.join(QStringLiteral(", ")))
                  .arg(columns.size() + 1);
        params << m_rowId;
    }
    TSqlStatement& st = Cached(sql);
    for (int i = 0; i < params.size(); ++i)
        st.Bind(i + 1, params[i]);
    st.Step();
    st.Reset();
    if (inserting) {
        m_rowId = Database().LastInsertRowId();
        m_keysDirty = true;
        m_source = nullptr;
        SetCurrentRowUnpositioned();
        return;
    }
    if (sqlite3_changes(Database().Handle()) == 0)
        throw EDatabaseError(QStringLiteral("Record not found"));
    m_source = nullptr;
    if (orderMayChange)
        SetCurrentRowUnpositioned();
}

void TTable::DoDelete() {
    Database().NotifyWrite(m_tableName, this, false);
    TSqlStatement& st = Cached(QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(QualifiedName()));
    st.Bind(1, m_rowId);
    st.Step();
    st.Reset();
    const int position = PositionOf(m_rowId);
    if (position >= 0)
        m_keys.erase(m_keys.begin() + position);
    m_source = nullptr;
    m_seq.Reset();
    m_seqRow = -1;
}

void TTable::DoDatabaseWillWrite(bool orderMayChange) {
    if (m_seqRow >= 0) {
        m_seq.Reset();
        m_seqRow = -1;
    }
    m_point.Reset();
    m_source = nullptr;
    if (orderMayChange)
        m_keysDirty = true;
}
