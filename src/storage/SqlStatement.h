// A prepared SQLite statement owned by value: finalized when it goes out of scope.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

class TSqlStatement {
public:
    TSqlStatement() = default;
    // Prepares `sql` on `db`; throws EDatabaseError with the engine's message on failure.
    TSqlStatement(sqlite3* db, const QString& sql);
    ~TSqlStatement();
    TSqlStatement(TSqlStatement&& other) noexcept;
    TSqlStatement& operator=(TSqlStatement&& other) noexcept;
    TSqlStatement(const TSqlStatement&) = delete;
    TSqlStatement& operator=(const TSqlStatement&) = delete;

    bool IsValid() const { return m_stmt != nullptr; }
    sqlite3_stmt* Handle() const { return m_stmt; }

    // Binds by 1-based position or by ":name"; an invalid QVariant binds NULL.
    void Bind(int position, const QVariant& value);
    bool BindNamed(const QString& name, const QVariant& value);
    int ParameterCount() const;
    QString ParameterName(int position) const;

    // Steps once: true for a row, false when done; throws EDatabaseError on failure.
    bool Step();
    void Reset();
    void Finalize();

    int ColumnCount() const;
    QString ColumnName(int column) const;
    QString ColumnDeclType(int column) const;
    QString ColumnOriginTable(int column) const;
    QString ColumnOriginName(int column) const;
    bool ColumnIsNull(int column) const;
    qint64 ColumnInt64(int column) const;
    double ColumnDouble(int column) const;
    QString ColumnText(int column) const;
    QByteArray ColumnBlob(int column) const;
    // The column's value as stored: NULL → invalid QVariant, integer → qlonglong, float →
    // double, text → QString, blob → QByteArray.
    QVariant ColumnValue(int column) const;

    QString Sql() const;

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};
