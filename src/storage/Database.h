// The database of a working folder: one SQLite connection whose main database is private and
// in memory, with every table file "<Table>.ff2" of the folder attached under its table's
// name. The SQL of the program therefore runs with unqualified table names ("select * from
// Event A left join Category B ..."). Files use the rollback journal, so no side files remain
// once the database is closed.
#pragma once

#include "storage/SqlStatement.h"
#include "storage/TableDef.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

struct sqlite3;
class TDataSet;

class TDatabase {
public:
    TDatabase();
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    // Opens the database on `folder`, attaching every "*.ff2" file there (the extension in any
    // letter case). A file that is not a table file fails the open with the engine's message.
    void Open(const QString& folder);
    // Closes every data set of the database, then the connection.
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    QString Folder() const { return m_folder; }

    // Names of the attached tables (the base names of their files).
    QStringList Tables() const { return m_tables; }
    bool HasTable(const QString& name) const;
    // Attaches one more table file of the folder (an import's staging table), or detaches one.
    void AttachTableFile(const QString& path);
    void DetachTable(const QString& name);

    // Creates a new table file at `path` holding the table of `def` with its indexes.
    static void CreateTableFile(const QString& path, const TTableDef& def);

    sqlite3* Handle() const;
    TSqlStatement Prepare(const QString& sql) const;
    // Runs one statement with positional parameters; returns the number of rows changed.
    int Execute(const QString& sql, const QVariantList& params = {});
    qint64 LastInsertRowId() const;
    bool InTransaction() const;

    // Data sets register themselves so that a write through one of them lets the others keep
    // their current row and notice that their row order may have changed.
    void Register(TDataSet* dataSet);
    void Unregister(TDataSet* dataSet);
    // Called before a write: `table` empty means any table may change.
    void NotifyWrite(const QString& table, const TDataSet* writer, bool orderMayChange);

private:
    void AttachFile(const QString& path, const QString& schema);

    sqlite3* m_db = nullptr;
    QString m_folder;
    QStringList m_tables;
    std::vector<TDataSet*> m_dataSets;
};

// Groups writes into one transaction: committed by Commit(), rolled back when the guard ends
// without it. Inside a running transaction the guard does nothing.
class TTransaction {
public:
    explicit TTransaction(TDatabase& db);
    ~TTransaction();
    void Commit();
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;

private:
    TDatabase& m_db;
    bool m_owner = false;
};
