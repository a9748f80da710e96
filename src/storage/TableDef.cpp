#include "storage/TableDef.h"

namespace {
QString SqlType(const TColumnDef& c) {
    switch (c.Type) {
    case TFieldType::Integer:
    case TFieldType::LargeInt:
        return QStringLiteral("INTEGER");
    case TFieldType::AutoInc:
        return QStringLiteral("INTEGER PRIMARY KEY");
    case TFieldType::Float:
        return QStringLiteral("DOUBLE");
    case TFieldType::String:
        return QStringLiteral("VARCHAR(%1)").arg(c.Size);
    case TFieldType::Boolean:
        return QStringLiteral("BOOLEAN");
    case TFieldType::Memo:
        return QStringLiteral("TEXT");
    case TFieldType::Graphic:
        return QStringLiteral("BLOB");
    case TFieldType::Variant:
        return QString();
    }
    return QStringLiteral("TEXT");
}

TTableDef MakeEventDef(const QString& name) {
    using T = TFieldType;
    TTableDef d;
    d.Name = name;
    d.Columns = {
        {"ID", T::Integer, 0},        {"Name", T::String, 256},    {"Description", T::String, 4000},
        {"Notes", T::String, 2048},   {"CategoryID", T::Integer, 0}, {"Map", T::Graphic, 0},
        {"Start", T::Float, 0},       {"End", T::Float, 0},         {"Backdrop", T::Graphic, 0},
        {"MiniMap", T::Graphic, 0},   {"X", T::Integer, 0},         {"Formatting", T::Memo, 0},
        {"TextStyle", T::Boolean, 0}, {"ParentID", T::Integer, 0},  {"GlobalID", T::String, 100},
        {"Links", T::Memo, 0},        {"dbl1", T::Float, 0},        {"dbl2", T::Float, 0},
        {"dbl3", T::Float, 0},        {"dbl4", T::Float, 0},        {"boo1", T::Boolean, 0},
        {"boo2", T::Boolean, 0},      {"boo3", T::Boolean, 0},      {"boo4", T::Boolean, 0},
        {"str1", T::String, 255},     {"str2", T::String, 255},     {"str3", T::String, 255},
        {"str4", T::String, 255},     {"mem1", T::Memo, 0},         {"mem2", T::Memo, 0},
        {"int1", T::Integer, 0},      {"int2", T::Integer, 0},
    };
    d.Indexes = {
        {"XID", {{"ID", true}}, true},
        {"XStartEndName", {{"Start", true}, {"End", true}, {"Name", true}}, false},
        {"XNameStartEnd", {{"Name", true}, {"Start", true}, {"End", true}}, false},
    };
    d.DefaultIndex = QStringLiteral("XStartEndName");
    return d;
}

TTableDef MakeCategoryDef(const QString& name) {
    using T = TFieldType;
    TTableDef d;
    d.Name = name;
    d.Columns = {
        {"ID", T::AutoInc, 0},   {"Name", T::String, 255}, {"Icon", T::Graphic, 0},
        {"Colour", T::String, 50}, {"Format", T::Memo, 0},
    };
    d.Indexes = {{"XName", {{"Name", true}}, false}};
    d.DefaultIndex = QStringLiteral("XName");
    return d;
}
} // namespace

const TColumnDef* TTableDef::Column(const QString& name) const {
    for (const TColumnDef& c : Columns)
        if (c.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const TIndexDef* TTableDef::Index(const QString& name) const {
    for (const TIndexDef& i : Indexes)
        if (i.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

QStringList TTableDef::CreateStatements(const QString& schema) const {
    QStringList columns;
    for (const TColumnDef& c : Columns)
        columns << QuoteIdentifier(c.Name) + QLatin1Char(' ') + SqlType(c);
    const QString prefix = schema.isEmpty() ? QString() : QuoteIdentifier(schema) + QLatin1Char('.');
    QStringList sql;
    sql << QStringLiteral("CREATE TABLE %1%2 (%3)")
               .arg(prefix, QuoteIdentifier(Name), columns.join(QStringLiteral(", ")));
    for (const TIndexDef& index : Indexes) {
        QStringList keys;
        for (const TIndexColumn& k : index.Columns) {
            const TColumnDef* column = Column(k.Name);
            const bool text = column && (column->Type == TFieldType::String ||
                                         column->Type == TFieldType::Memo);
            keys << QuoteIdentifier(k.Name) +
                        (k.CaseInsensitive && text ? QStringLiteral(" COLLATE NOCASE") : QString());
        }
        sql << QStringLiteral("CREATE %1INDEX %2%3 ON %4 (%5)")
                   .arg(index.Unique ? QStringLiteral("UNIQUE ") : QString(), prefix,
                        QuoteIdentifier(index.Name), QuoteIdentifier(Name),
                        keys.join(QStringLiteral(", ")));
    }
    return sql;
}

const TTableDef& EventTableDef() {
    static const TTableDef def = MakeEventDef(QStringLiteral("Event"));
    return def;
}

const TTableDef& CategoryTableDef() {
    static const TTableDef def = MakeCategoryDef(QStringLiteral("Category"));
    return def;
}

const TTableDef* KnownTableDef(const QString& tableName) {
    static const TTableDef event2 = MakeEventDef(QStringLiteral("Event2"));
    static const TTableDef category2 = MakeCategoryDef(QStringLiteral("Category2"));
    for (const TTableDef* d : {&EventTableDef(), &CategoryTableDef(), &event2, &category2})
        if (d->Name.compare(tableName, Qt::CaseInsensitive) == 0)
            return d;
    return nullptr;
}

QString QuoteIdentifier(const QString& name) {
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

TFieldType FieldTypeFromDecl(const QString& decl) {
    const QString d = decl.toUpper();
    if (d.isEmpty())
        return TFieldType::Variant;
    if (d.contains(QLatin1String("INT")))
        return TFieldType::Integer;
    if (d.contains(QLatin1String("CHAR")))
        return TFieldType::String;
    if (d.contains(QLatin1String("TEXT")) || d.contains(QLatin1String("CLOB")))
        return TFieldType::Memo;
    if (d.contains(QLatin1String("BLOB")))
        return TFieldType::Graphic;
    if (d.contains(QLatin1String("REAL")) || d.contains(QLatin1String("FLOA")) ||
        d.contains(QLatin1String("DOUB")))
        return TFieldType::Float;
    if (d.contains(QLatin1String("BOOL")))
        return TFieldType::Boolean;
    return TFieldType::Variant;
}
