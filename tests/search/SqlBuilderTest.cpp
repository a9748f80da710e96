#include "search/SQLDataMod.h"
#include "search/SearchClass.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(SqlBuilder, FullSearchExpandsExactlyAsTheTemplatesSay) {
    TdtmSQL sql;
    const QString expected =
        "select *\r\nfrom Event A \r\nleft join Category B on A.CategoryID = B.ID \r\n"
        "where (A.ID <> -1) and ((A.Start <= 1950 and A.\"End\" >= 1900) or \r\n"
        "        (A.Start <= 1950 and A.Start >= 1900 and A.\"End\" is null)) \r\n"
        " and (((Upper(A.Name) like '%WAR%')\r\n)  )\r\n\r\n"
        "order by A.Start, A.\"End\", A.Name\r\n";
    EXPECT_EQ(sql.MakeSQL("war", "", "", smFullWithRange, {}, 1900, 1950), expected);
}

TEST(SqlBuilder, ModesDecideRangeGroupsAndKeywordLogic) {
    TdtmSQL sql;
    struct TCase {
        TSearchMode mode;
        bool range, groups;
        const char* logic;
    };
    const TCase cases[] = {{smSimpleWithRange, true, false, "or"},
                           {smSimpleNoRange, false, false, "or"},
                           {smFullWithRange, true, true, "and"},
                           {smFullNoRange, false, true, "and"}};
    for (const TCase& c : cases) {
        const QString text = sql.MakeSQL("king", "queen", "", c.mode, {"Tudors"}, 1400, 1600);
        EXPECT_EQ(text.contains("A.Start <= 1600"), c.range) << int(c.mode);
        EXPECT_EQ(text.contains("(B.Name = 'Tudors')"), c.groups) << int(c.mode);
        EXPECT_TRUE(text.contains(QString("%KING%')\r\n) %1 ((Upper(A.Description) like '%QUEEN%')")
                                      .arg(c.logic)))
            << text.toStdString();
    }
}

TEST(SqlBuilder, KeywordsSplitIntoAtMostThreeConditions) {
    TdtmSQL sql;
    const QString twoOfThree = sql.MakeSQL("a,,b", "", "", smFullNoRange, {}, 0, 0);
    EXPECT_TRUE(twoOfThree.contains("(((Upper(A.Name) like '%A%')\r\n and (Upper(A.Name) like '%B%')\r\n)"))
        << twoOfThree.toStdString();
    const QString five = sql.MakeSQL("one two three four five", "", "", smFullNoRange, {}, 0, 0);
    EXPECT_TRUE(five.contains("%THREE%"));
    EXPECT_FALSE(five.contains("%FOUR%"));
    const QString quoted = sql.MakeSQL("\"world war\" battle", "", "", smFullNoRange, {}, 0, 0);
    EXPECT_TRUE(quoted.contains("'%WORLD WAR%'"));
    EXPECT_TRUE(quoted.contains("'%BATTLE%'"));
}

TEST(SqlBuilder, QuotesAreDoubledOnEveryPath) {
    TdtmSQL sql;
    EXPECT_TRUE(sql.MakeSQL("O''Brien", "", "", smFullNoRange, {}, 0, 0).contains("'%O''''BRIEN%'"));
    EXPECT_TRUE(sql.MakeSimpleSQL("o'neill", smSimpleNoRange, 0, 0).contains("'%O''NEILL%'"));
    EXPECT_TRUE(sql.MakeSQL("", "", "", smFullNoRange, {"Kings' men"}, 0, 0).contains("(B.Name = 'Kings'' men')"));
    EXPECT_TRUE(sql.MakeSQL("", "", "it's, war", smFullNoRange, {}, 0, 0).contains("( str1 like '%its, %' )"));
}

TEST(SqlBuilder, RangeBoundsRoundHalvesAwayFromZero) {
    struct TCase {
        double value;
        const char* text;
    };
    for (const TCase& c : {TCase{1900.4, "1900"}, TCase{1900.5, "1901"}, TCase{-44.5, "-45"},
                           TCase{-0.4, "0"}, TCase{99999, "99999"}, TCase{36526.5, "36527"}})
        EXPECT_EQ(TdtmSQL::RangeBoundText(c.value), c.text) << c.value;
}

TEST(SqlBuilder, SimpleSearchLeavesGroupsAndClearsTags) {
    TdtmSQL sql;
    sql.MakeSQL("", "", "war", smFullNoRange, {"G"}, 0, 0);
    const QString simple = sql.MakeSimpleSQL("1914", smSimpleNoRange, 0, 0);
    EXPECT_FALSE(simple.contains("str1"));
    EXPECT_FALSE(simple.contains("B.Name")) << "groups apply only to full searches";
    EXPECT_TRUE(simple.contains("(((Upper(A.Name) like '%1914%')\r\n) or ((Upper(A.Description) like '%1914%')\r\n))"))
        << simple.toStdString();
}

TEST(SearchRequest, ClearKeepsViewPresentationAndBuildsSql) {
    TSearchRequest r;
    r.Keywords = "war";
    r.SetTags(" war , peace,, ");
    r.UseYearArgs = true;
    r.Year1 = 1900;
    r.Year2 = 1950;
    r.Notes = "kept";
    r.TitleVisible = true;
    r.Title = "gone";
    r.BlownAwayNames = {"x"};
    EXPECT_EQ(r.Tags(), "war, peace, ");
    TdtmSQL sql;
    r.BuildSQL(sql);
    EXPECT_FALSE(r.Sql().contains("\r\n"));
    EXPECT_TRUE(r.Sql().contains("and ((A.Start <= 1950 and A.\"End\" >= 1900) or          (A.Start"));
    EXPECT_TRUE(r.Sql().contains(" and ( ( str1 like '%war, %' ) or ( str1 like '%peace, %' ) ) "));
    r.Clear();
    EXPECT_TRUE(r.Keywords.isEmpty());
    EXPECT_TRUE(r.Tags().isEmpty());
    EXPECT_TRUE(r.Sql().isEmpty());
    EXPECT_EQ(r.Year1, NoRangeValue);
    EXPECT_FALSE(r.UseYearArgs);
    EXPECT_TRUE(r.Title.isEmpty());
    EXPECT_EQ(r.Notes, "kept");
    EXPECT_TRUE(r.TitleVisible);
    EXPECT_EQ(r.BlownAwayNames, QStringList{"x"});
}
