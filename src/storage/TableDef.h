// Definitions of the tables the program stores: columns with their types and limits, and the
// named indexes. Table files are created from these definitions, and query columns that come
// from a known table take their field types from here.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

enum class TFieldType {
    Integer,  // 32-bit signed integer
    AutoInc,  // 32-bit integer key assigned by the engine when none is given
    LargeInt, // 64-bit integer (query results such as COUNT)
    Float,    // double
    String,   // text of at most Size characters
    Boolean,  // stored 0/1
    Memo,     // text of any length
    Graphic,  // picture file bytes; read only when asked for
    Variant,  // a computed query column: the value as the engine gives it
};

struct TColumnDef {
    QString Name;
    TFieldType Type = TFieldType::String;
    int Size = 0; // characters, for String
};

struct TIndexColumn {
    QString Name;
    bool CaseInsensitive = false;
};

struct TIndexDef {
    QString Name;
    std::vector<TIndexColumn> Columns;
    bool Unique = false;
};

struct TTableDef {
    QString Name;
    std::vector<TColumnDef> Columns;
    std::vector<TIndexDef> Indexes;
    QString DefaultIndex; // the index the table is opened on

    const TColumnDef* Column(const QString& name) const;
    const TIndexDef* Index(const QString& name) const;
    // CREATE TABLE and CREATE INDEX statements for the table in schema `schema`.
    QStringList CreateStatements(const QString& schema) const;
};

// The event table "Event" and the group table "Category".
const TTableDef& EventTableDef();
const TTableDef& CategoryTableDef();

// The definition for a table name: "Event" and the import staging copy "Event2" share the
// event definition, "Category" and "Category2" the group one; nullptr for unknown tables.
const TTableDef* KnownTableDef(const QString& tableName);

// The field type of a column declared with `decl` in a table this program does not know
// ("INTEGER", "VARCHAR(20)", "BLOB" ...); Variant for an expression without a declared type.
TFieldType FieldTypeFromDecl(const QString& decl);

// "Name" → "\"Name\"" with inner quotes doubled.
QString QuoteIdentifier(const QString& name);
