// Start and End of an event record in terms of the time model: typed texts stored into a row,
// a row's values read back as entry texts, and the number check of imports.
#pragma once

#include "time/TimeEntry.h"
#include "time/TimeTypes.h"

#include <optional>

class TDataSet;

// The field's value; nullopt for NULL.
std::optional<TTimeValue> OptionalTime(TDataSet& record, const QString& field);
// Writes both fields of a record in insert or edit state (nullopt writes NULL).
void WriteStartEnd(TDataSet& record, const TStartEnd& values);
// Stores the four typed texts into the record's Start and End; throws EVzError with the
// "End must be after Start" text and then writes nothing.
void StoreStartEnd(const QString& startMajor, const QString& startMinor, const QString& endMajor,
                   const QString& endMinor, TUnitSystem unit, TDataSet& record);
// The four entry texts of the current row; all empty for a closed or empty record set.
TEntryTexts ReadEntryTexts(TDataSet& record, TUnitSystem unit);
// The import check of one number: a number too long cancels the table's pending insert or edit,
// shows the "Number too big" warning and throws.
void CheckNumberLength(TDataSet& table, double value);
