// A stored table as a data set, in the order of a named index, editable unless opened
// read-only. Row order is kept as a list of row ids read when the table opens (and again
// after a write that may reorder it); a forward walk reads rows from one running statement,
// other moves read a row by its id. Pictures are read by row id when asked for.
#pragma once

#include "storage/DataSet.h"

#include <map>

class TTable : public TDataSet {
public:
    TTable(TDatabase& db, QString name, QString tableName = {});
    ~TTable() override;

    const QString& TableName() const { return m_tableName; }
    void SetTableName(const QString& tableName);
    // The named index that orders the rows ("XStartEndName"); empty for the order of insertion.
    // Set while closed, or reorders the open table keeping the current row.
    const QString& IndexName() const { return m_indexName; }
    void SetIndexName(const QString& indexName);
    // A condition in SQL on the table's columns; empty for none.
    const QString& Filter() const { return m_filter; }
    void SetFilter(const QString& filter);

    // Row id of the current row (0 without one).
    qint64 CurrentRowId();
    // Reads a picture field's bytes from a file into the row being edited; false when the file
    // cannot be read.
    bool LoadFieldFromFile(const QString& field, const QString& path);

    bool UsesTable(const QString& table) const override;
    void ReleaseStatements() override;

protected:
    void DoOpen(std::vector<TFieldDef>& dataFields) override;
    void DoClose() override;
    int DoRowCount() override;
    bool DoSeek(int row) override;
    QVariant DoRead(int field) override;
    int DoResolvePosition() override;
    bool DoLocate(int field, const QVariant& value, TLocateOptions options, int& row) override;
    void DoPost(bool inserting, const std::vector<QVariant>& values,
                const std::vector<bool>& changed) override;
    void DoDelete() override;
    void DoDatabaseWillWrite(bool orderMayChange) override;

private:
    QString QualifiedName() const;
    QString OrderBy() const;
    QString WhereClause() const;
    void LoadKeys();
    int PositionOf(qint64 rowId) const;
    bool ReadByRowId(qint64 rowId);
    TSqlStatement& Cached(const QString& sql);
    void PrepareWalk();
    bool ExtendWalk(int field);

    QString m_tableName;
    QString m_indexName;
    QString m_filter;
    QStringList m_columns;         // data columns, in field order
    QStringList m_orderColumns;    // columns of the index order
    std::vector<int> m_rowColumn;  // per data field: column in the row statements, −1 deferred
    QString m_rowColumnsSql;
    std::vector<qint64> m_keys;
    bool m_keysDirty = true;
    TSqlStatement m_seq;           // the forward walk in index order, reading only the
    std::vector<char> m_seqWanted; // fields read so far (per data field)
    std::vector<int> m_seqColumn;  // per data field: column in the walk, −1 when not in it
    int m_seqRow = -1;             // row the walk stands on, −1 when not running
    TSqlStatement m_point;         // one row by id
    TSqlStatement* m_source = nullptr; // statement holding the current row, or none
    qint64 m_rowId = 0;
    std::map<QString, TSqlStatement> m_statements;
};
