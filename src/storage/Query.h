// A query data set: the result of a SELECT, read as it is walked and kept, so it behaves like
// a read-only table; or an UPDATE/DELETE/INSERT run with ExecSQL, which returns the number of
// rows changed. Parameters are named (":name") or numbered ("?1").
//
// Result columns are named as the engine names them; a name that occurs again (a joined
// table's "ID") is told apart by its table: "Category.ID". Columns that come from a known
// table take that column's type; its pictures are read when asked for, by the row's "ID".
#pragma once

#include "storage/DataSet.h"

#include <QMap>

#include <vector>

class TQuery : public TDataSet {
public:
    TQuery(TDatabase& db, QString name, QString sql = {});
    ~TQuery() override;

    const QString& SQL() const { return m_sql; }
    // Changing the text closes the query.
    void SetSQL(const QString& sql);
    // The text, and an equivalent one that is run in its place (written so the engine can use
    // an index); an empty `runSql` runs `sql` itself.
    void SetSQL(const QString& sql, const QString& runSql);
    const QString& RunSQL() const { return m_runSql.isEmpty() ? m_sql : m_runSql; }
    // The number of rows of the open result when the caller has just counted them with the
    // same text, so RecordCount need not count again.
    void SetCountedRows(int count);
    void SetParam(const QString& name, const QVariant& value);
    QVariant Param(const QString& name) const { return m_params.value(name); }
    void ClearParams() { m_params.clear(); }
    // Runs a statement that returns no rows; the number of rows it changed.
    int ExecSQL();

    bool CanModify() const override { return false; }
    bool UsesTable(const QString& table) const override;
    void ReleaseStatements() override;

protected:
    void DoOpen(std::vector<TFieldDef>& dataFields) override;
    void DoClose() override;
    int DoRowCount() override;
    bool DoSeek(int row) override;
    QVariant DoRead(int field) override;
    void DoDatabaseWillWrite(bool orderMayChange) override;

private:
    void BindParams(TSqlStatement& statement) const;
    bool FetchOne();
    void FetchAll();
    QString TrimmedSql() const;

    struct TDeferred {
        int KeyColumn = -1; // column holding the origin row's "ID"
        QString Table, Column;
    };

    QString m_sql;
    QString m_runSql;
    QMap<QString, QVariant> m_params;
    TSqlStatement m_statement;
    bool m_done = true;
    int m_columnCount = 0;
    std::vector<std::vector<QVariant>> m_rows;
    std::vector<TDeferred> m_deferred; // per column; Table empty when read with the row
    int m_count = -1;                  // counted rows while not all are read
    QStringList m_tablesUsed;
};
