#include "search/SearchText.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(SearchText, SplitDelimitedFollowsCommaSeparatedRules) {
    struct TCase {
        const char* text;
        QStringList items;
    };
    const TCase cases[] = {
        {"a,b", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"world war", {"world", "war"}},
        {"\"world war\",x", {"world war", "x"}},
        {"\"say \"\"hi\"\"\" x", {"say \"hi\"", "x"}},
        {"  a , b  ", {"a", "b"}},
        {"a,", {"a", ""}},
        {"", {}},
        {"\"open", {"open"}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SplitDelimited(c.text, QLatin1Char(',')), c.items) << c.text;
}

TEST(SearchText, TagsNormaliseAndMakeTheirCondition) {
    EXPECT_EQ(NormaliseTags(" war , peace,, "), "war, peace, ");
    EXPECT_EQ(NormaliseTags("'quoted' \"x\", 50%, a@b"), "quoted x, 50, ab, ");
    EXPECT_EQ(TagsClause(" war , peace,, "), " and ( ( str1 like '%war, %' ) or ( str1 like '%peace, %' ) ) ");
    EXPECT_EQ(TagsClause(" , ,, "), "");
    EXPECT_EQ(GroupsClause({}), "");
    EXPECT_EQ(GroupsClause({"A", "B"}), " and ((B.Name = 'A') or (B.Name = 'B')) ");
}

TEST(SearchText, ParseSearchTextTellsRangesFromKeywords) {
    struct TCase {
        const char* text;
        bool range;
        const char* keywords;
        double low, high;
    };
    const TCase cases[] = {
        {"1914 - 1918", true, "", 1914, 1918},
        {"1914-1918", true, "", 1914, 1918},
        {"1066", true, "", 1066, NoRangeValue},
        {"1918 1914", true, "", 1914, 1918},
        {"-500--100", true, "", -500, -100},
        {"-44", true, "", -44, NoRangeValue},
        {"battles of wars", false, "battle of war", NoRangeValue, NoRangeValue},
        {"wars", false, "war", NoRangeValue, NoRangeValue},
        {"war war", false, "war", NoRangeValue, NoRangeValue},
        {"", false, "", NoRangeValue, NoRangeValue},
        {"-", false, "", NoRangeValue, NoRangeValue},
        {"1.5-2.5", false, "1.5-2.5", NoRangeValue, NoRangeValue},
    };
    for (const TCase& c : cases) {
        QString keywords = "stale";
        double low = NoRangeValue, high = NoRangeValue;
        EXPECT_EQ(ParseSearchText(c.text, keywords, low, high), c.range) << c.text;
        EXPECT_EQ(keywords, c.keywords) << c.text;
        EXPECT_EQ(low, c.low) << c.text;
        EXPECT_EQ(high, c.high) << c.text;
    }
}

TEST(SearchText, CentimetresAndPixels) {
    EXPECT_EQ(PixelsToCm(96, 96), 2.5);
    EXPECT_EQ(PixelsToCm(100, 96), 2.6);
    EXPECT_EQ(CmToPixels(2.54, 96), 96);
    EXPECT_EQ(CmToPixels(PixelsToCm(250, 96), 96), 249) << "a round trip may lose a pixel";
    EXPECT_EQ(StripPlural("Wars"), "War");
    EXPECT_EQ(StripPlural("S"), "");
    EXPECT_EQ(StripPlural("war"), "war");
}

TEST(SearchText, JoinedListsSplitBackToTheSameItems) {
    const QStringList lists[] = {
        {},
        {"Wars"},
        {"Kings \"and\" Queens", "Plain", "With, comma", "two words", ""},
    };
    for (const QStringList& items : lists)
        EXPECT_EQ(SplitDelimited(JoinDelimited(items), QLatin1Char(',')), items) << JoinDelimited(items).toStdString();
    EXPECT_EQ(JoinDelimited({"a b", "c"}), "\"a b\",c");
}

TEST(SearchText, SearchDescriptionNamesTheCriteriaGiven) {
    struct TCase {
        const char* name;
        const char* desc;
        QStringList groups;
        bool range;
        const char* text;
    };
    const TCase cases[] = {
        {"", "", {}, false, ""},
        {"war", "", {}, false, "Search: \"war\""},
        {"", "peace", {}, false, "Search: (description) \"peace\""},
        {"war", "peace", {"G"}, true, "Search: \"war\", (description) \"peace\", date range, group(s)"},
        {"", "", {"G"}, true, "Search: date range, group(s)"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SearchDescription(c.name, c.desc, c.groups, c.range), c.text) << c.text;
}
