#include "search/SearchPlan.h"
#include "search/SQLDataMod.h"
#include "search/SearchClass.h"
#include "storage/Database.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QVariant>

#include <random>

namespace {
// The IDs a query returns, in its order.
std::vector<qint64> Ids(TDatabase& db, const QString& sql) {
    std::vector<qint64> ids;
    TSqlStatement st = db.Prepare(sql.trimmed());
    while (st.Step())
        ids.push_back(st.ColumnInt64(0));
    return ids;
}

QString QueryPlan(TDatabase& db, const QString& sql) {
    QStringList steps;
    TSqlStatement st = db.Prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sql.trimmed());
    while (st.Step())
        steps << st.ColumnText(3);
    return steps.join(QStringLiteral(" | "));
}
} // namespace

class SearchPlanTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString folder = vztest::NewTempFolder("plan") + "/";
        TDatabase::CreateTableFile(folder + "Event.ff2", EventTableDef());
        TDatabase::CreateTableFile(folder + "Category.ff2", CategoryTableDef());
        db.Open(folder);
        db.Execute("INSERT INTO Category (ID, Name) VALUES (1, 'Wars'), (2, 'Kings')");
    }
    void Add(double start, const QVariant& end, const QString& name = QString()) {
        ++id;
        db.Execute("INSERT INTO Event (ID, Name, Description, CategoryID, Start, \"End\") VALUES "
                   "(?1, ?2, ?3, ?4, ?5, ?6)",
                   {id, name.isEmpty() ? QStringLiteral("Event %1").arg(id) : name,
                    QStringLiteral("about %1").arg(id),
                    id % 3 == 0 ? QVariant() : QVariant(id % 2 + 1), start, end});
    }
    // Every range text the builder makes, as built and as a view stores it, selects exactly the
    // rows of its planned text, in the same order.
    void ExpectSameRows() {
        TdtmSQL builder;
        int planned = 0, count = 0;
        for (int d1 = -70; d1 <= 70; d1 += 7)
            for (int width : {-3, 0, 1, 5, 30}) {
                const int d2 = d1 + width;
                QStringList texts = {
                    builder.MakeSimpleSQL("", smSimpleWithRange, d1, d2),
                    builder.MakeSimpleSQL("event", smSimpleWithRange, d1, d2),
                    builder.MakeSQL("", "about", "", smFullWithRange, {"Wars"}, d1, d2)};
                TSearchRequest stored;
                stored.SetSql(texts[0]);
                texts << stored.Sql().trimmed();
                for (const QString& sql : texts) {
                    ++count;
                    const QString run = PlannedSearchSql(sql, db);
                    planned += run != sql;
                    ASSERT_EQ(Ids(db, run), Ids(db, sql)) << d1 << ".." << d2 << "\n"
                                                          << run.toStdString();
                }
            }
        EXPECT_EQ(planned, count) << "every range text gets its bound";
    }

    TDatabase db;
    int id = 0;
};

TEST_F(SearchPlanTest, TheStartBoundKeepsEveryRowOfTheRange) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> at(-80, 80);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int i = 0; i < 600; ++i) {
        const double start = kind(random) < 5 ? std::round(at(random)) : at(random);
        switch (kind(random)) {
        case 0:
        case 1:
        case 2:
            Add(start, QVariant());
            break; // points
        case 3:
            Add(start, start);
            break; // End = Start
        case 4:
            Add(start, start - std::abs(at(random)) / 8);
            break; // reversed
        default:
            Add(start, start + std::abs(at(random)) / 4);
            break; // spans
        }
    }
    // The longest span ends exactly on a bound, and rows without a Start never match.
    Add(-50, -10);
    Add(-30.5, 9.5);
    db.Execute("INSERT INTO Event (ID, Name, Start, \"End\") VALUES (9001, 'no start', NULL, 5), "
               "(9002, 'nothing', NULL, NULL)");
    ExpectSameRows();

    // Only points and reversed spans: the largest span is negative, points inside still count.
    db.Execute("DELETE FROM Event WHERE \"End\" >= Start");
    ASSERT_LT(*LargestEventSpan(db), 0);
    ExpectSameRows();
}

TEST_F(SearchPlanTest, RangeSearchesUseTheStartIndexAndOthersReadTheTable) {
    for (int i = 0; i < 50; ++i)
        Add(i, i + 2);
    TdtmSQL builder;
    const QString range =
        PlannedSearchSql(builder.MakeSimpleSQL("", smSimpleWithRange, 10, 20), db);
    EXPECT_TRUE(range.contains(
        "where (A.ID <> -1) and (A.Start >= 6 and A.Start <= 20) and ((A.Start <= 20"))
        << range.toStdString() << ": span 2 and a margin below";
    EXPECT_TRUE(QueryPlan(db, range).contains("USING INDEX XStartEndName (Start>? AND Start<?)"))
        << QueryPlan(db, range).toStdString();

    const QString keywords =
        PlannedSearchSql(builder.MakeSimpleSQL("battle", smSimpleNoRange, 0, 0), db);
    EXPECT_TRUE(keywords.contains("from Event A NOT INDEXED \r\nleft join"))
        << keywords.toStdString();
    EXPECT_TRUE(QueryPlan(db, keywords).startsWith("SCAN A"))
        << QueryPlan(db, keywords).toStdString();
    EXPECT_EQ(Ids(db, keywords), Ids(db, builder.MakeSimpleSQL("battle", smSimpleNoRange, 0, 0)));
}

TEST_F(SearchPlanTest, TextsItCannotVouchForRunAsTheyAre) {
    Add(1, 2);
    TdtmSQL builder;
    const QString range = builder.MakeSimpleSQL("", smSimpleWithRange, 10, 20);
    QString mismatched = range;
    mismatched.replace("A.Start >= 10", "A.Start >= 11");
    QString compared = range;
    compared.replace(")) \r\n\r\norder by", ")) = 0 \r\norder by");
    const QString ownStart = builder.MakeSQL("", "", "", smFullNoRange, {}, 0, 0)
                                 .replace("(A.ID <> -1) ", "(A.ID <> -1) and A.Start > 3 ");
    const QString other = QString(range).replace("from Event A", "from Event2 A");
    for (const QString& sql : {QString("select * from Event A where A.Start > 5"), mismatched,
                               compared, other, ownStart})
        EXPECT_EQ(PlannedSearchSql(sql, 5.0), sql) << sql.toStdString();
    EXPECT_EQ(PlannedSearchSql(range, std::nullopt), range) << "no span known";

    // A text stored in End cannot be measured, so the bound is not added.
    db.Execute("INSERT INTO Event (ID, Name, Start, \"End\") VALUES (77, 'odd', 3, 'soon')");
    EXPECT_EQ(LargestEventSpan(db), std::nullopt);
    EXPECT_EQ(PlannedSearchSql(range, db), range);
}

TEST(SearchPlan, CountingDropsOnlyTheBuildersOrdering) {
    const QString built = TdtmSQL().MakeSimpleSQL("war", smSimpleNoRange, 0, 0);
    EXPECT_TRUE(built.endsWith("order by A.Start, A.\"End\", A.Name\r\n"));
    EXPECT_FALSE(WithoutOrderBy(built).contains("order by"));
    EXPECT_TRUE(WithoutOrderBy(built).startsWith(built.left(built.indexOf("order by"))));
    EXPECT_EQ(WithoutOrderBy("select * from Event order by Name"),
              "select * from Event order by Name");
}
