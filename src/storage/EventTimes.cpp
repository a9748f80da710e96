#include "storage/EventTimes.h"

#include "storage/DataSet.h"

std::optional<TTimeValue> OptionalTime(TDataSet& record, const QString& field) {
    const QVariant v = record.Value(field);
    if (!v.isValid())
        return std::nullopt;
    return v.toDouble();
}

void WriteStartEnd(TDataSet& record, const TStartEnd& values) {
    record.SetValue(QStringLiteral("Start"), values.Start ? QVariant(*values.Start) : QVariant());
    record.SetValue(QStringLiteral("End"), values.End ? QVariant(*values.End) : QVariant());
}

void StoreStartEnd(const QString& startMajor, const QString& startMinor, const QString& endMajor,
                   const QString& endMinor, TUnitSystem unit, TDataSet& record) {
    WriteStartEnd(record, StoreStartEnd(startMajor, startMinor, endMajor, endMinor, unit));
}

TEntryTexts ReadEntryTexts(TDataSet& record, TUnitSystem unit) {
    if (!record.Active() || record.IsEmpty())
        return {};
    return ReadEntryTexts(OptionalTime(record, QStringLiteral("Start")),
                          OptionalTime(record, QStringLiteral("End")), unit);
}

void CheckNumberLength(TDataSet& table, double value) {
    CheckNumberLength(value, [&table] { table.Cancel(); });
}
