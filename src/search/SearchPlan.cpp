#include "search/SearchPlan.h"

#include "storage/Database.h"
#include "storage/SqlStatement.h"

#include <QRegularExpression>

#include <cmath>

namespace {
// The head every text of the builder starts with, up to and including the first condition.
const QString kHead = QStringLiteral(
    R"(^\s*select \*\s+from Event A(\s+)left join Category B on A\.CategoryID = B\.ID\s+where \(A\.ID <> -1\) )");

// The range condition as the builder writes it, followed by what may come after it there: the
// next condition joined with "and", the ordering, or the end. The condition is therefore one
// term of the conjunction the bound joins.
const QString kRange = QStringLiteral(
    R"(and \(\(A\.Start <= (?<d2>-?\d+) and A\."End" >= (?<d1>-?\d+)\) or\s+)"
    R"(\(A\.Start <= (?<d2again>-?\d+) and A\.Start >= (?<d1again>-?\d+) and A\."End" is null\)\)\s*)"
    R"((?=and\s|order\s+by\s|\z))");

QString NumberText(double value) {
    return QString::number(value, 'g', 17);
}
} // namespace

QString PlannedSearchSql(const QString& sql, std::optional<double> largestSpan) {
    static const QRegularExpression head(kHead);
    static const QRegularExpression range(kHead + kRange);
    static const QRegularExpression startWord(QStringLiteral(R"(\bStart\b)"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression orderBy(QStringLiteral(R"(\border\s+by\b)"));

    const QRegularExpressionMatch h = head.match(sql);
    if (!h.hasMatch())
        return sql;
    const QRegularExpressionMatch r = range.match(sql);
    if (r.hasMatch()) {
        if (!largestSpan || !std::isfinite(*largestSpan))
            return sql;
        const QString d2 = r.captured(QStringLiteral("d2"));
        const QString d1 = r.captured(QStringLiteral("d1"));
        if (r.captured(QStringLiteral("d2again")) != d2 ||
            r.captured(QStringLiteral("d1again")) != d1)
            return sql;
        // Rows of the first branch have Start >= End - span >= D1 - span, rows of the second
        // Start >= D1; the margin covers the rounding of the subtraction.
        const double low = d1.toDouble();
        const double span = std::max(0.0, *largestSpan);
        const double bound = std::floor(low - span - (1.0 + 1e-9 * (std::abs(low) + span)));
        if (!std::isfinite(bound))
            return sql;
        QString planned = sql;
        planned.insert(
            h.capturedEnd(),
            QStringLiteral("and (A.Start >= %1 and A.Start <= %2) ").arg(NumberText(bound), d2));
        return planned;
    }
    // No condition on Start: nothing an index could narrow.
    const qsizetype whereStart = h.capturedEnd();
    const QRegularExpressionMatch o = orderBy.match(sql, whereStart);
    const QString conditions =
        sql.mid(whereStart, o.hasMatch() ? o.capturedStart() - whereStart : -1);
    if (conditions.contains(startWord))
        return sql;
    QString planned = sql;
    planned.insert(h.capturedStart(1), QStringLiteral(" NOT INDEXED"));
    return planned;
}

QString PlannedSearchSql(const QString& sql, TDatabase& db) {
    static const QRegularExpression range(kHead + kRange);
    if (!range.match(sql).hasMatch())
        return PlannedSearchSql(sql, std::nullopt);
    return PlannedSearchSql(sql, LargestEventSpan(db));
}

std::optional<double> LargestEventSpan(TDatabase& db) {
    // Text sorts after every number, so the largest End is a text exactly when one is stored.
    TSqlStatement st =
        db.Prepare(QStringLiteral("SELECT MAX(\"End\" - Start), typeof(MAX(\"End\")) FROM Event"));
    if (!st.Step())
        return 0.0;
    const QString endType = st.ColumnText(1);
    if (endType != QLatin1String("real") && endType != QLatin1String("integer") &&
        endType != QLatin1String("null"))
        return std::nullopt;
    return st.ColumnIsNull(0) ? 0.0 : st.ColumnDouble(0);
}

QString WithoutOrderBy(const QString& sql) {
    static const QRegularExpression tail(
        QStringLiteral(R"(\border\s+by\s+A\.Start, A\."End", A\.Name\s*\z)"));
    QString out = sql;
    const QRegularExpressionMatch m = tail.match(out);
    if (m.hasMatch())
        out.truncate(m.capturedStart());
    return out;
}
