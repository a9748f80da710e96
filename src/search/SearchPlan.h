// How the event query runs a search text the SQL builder made: the text itself is kept (views
// store it, the program shows it), while the engine is handed an equivalent text that lets it
// use an index where one helps.
//
// A range search "A.Start <= D2 and A."End" >= D1 or (a point inside the range)" gives the
// engine no usable lower bound on Start, so it reads the whole event table. Every row it keeps
// has Start <= D2 and Start >= End - span >= D1 - span, where span is the largest End - Start
// of the table; the planned text adds exactly that bound (rounded outward), which the index
// (Start, End, Name) answers with a short range. A search without any condition on Start reads
// the table in stored order ("NOT INDEXED") and sorts what it keeps, rather than walking the
// index and fetching every row out of order.
#pragma once

#include <QString>

#include <optional>

class TDatabase;

// The equivalent text to run for `sql`; `sql` itself when it is not a text of the builder or
// when no plan applies. `largestSpan` is LargestEventSpan of the event table (nothing when it
// is not known).
QString PlannedSearchSql(const QString& sql, std::optional<double> largestSpan);
// The same with the span read from `db`, only when the text has the range condition.
QString PlannedSearchSql(const QString& sql, TDatabase& db);

// The largest End - Start of the rows of the table "Event" (0 when no row has both); nothing
// when an End holds something other than a number, which the bound could not account for.
std::optional<double> LargestEventSpan(TDatabase& db);

// `sql` without its final "order by" clause, for counting the rows it selects.
QString WithoutOrderBy(const QString& sql);
