#include "common/Errors.h"
#include "search/Views.h"
#include "storage/IniFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>

using vztest::ReadAll;
using vztest::WriteAll;

class ViewsTest : public ::testing::Test {
protected:
    QString path = vztest::NewTempFolder("views") + "/Views.ini";
    std::function<QString(int)> names = [](int id) { return QString("Event %1").arg(id); };
};

TEST_F(ViewsTest, AFreshHomeViewAndItsOrdering) {
    TSearchRequest r;
    r.Clear();
    TtlViews(path).SaveView("Home", false, r, {});
    const QString text = QString::fromUtf8(ReadAll(path));
    EXPECT_TRUE(text.startsWith("[Home]\r\nKeywords=\r\nDescKeywords=\r\nTags=\r\nSql=\r\nYear1=99999\r\n"
                                "Year2=99999\r\nShowFeedback=0\r\nUseYearArgs=0\r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("[___ordering]\r\nHome=\r\n")) << text.toStdString();
    EXPECT_EQ(TtlViews(path).ListViews(), QStringList{"Home"});
}

TEST_F(ViewsTest, RequestRoundTripsWithItsEncodings) {
    TSearchRequest r;
    r.Clear();
    r.Keywords = "war";
    r.DescKeywords = "peace";
    r.SetTags("a, b");
    r.UseYearArgs = true;
    r.Year1 = 1914.5;
    r.Year2 = 1918;
    r.ShowFeedback = true;
    r.Groups = {"Kings \"and\" Queens", "Plain", "With, comma"};
    r.Notes = "line one\r\nline two";
    r.Title = "Great War";
    r.TitleVisible = true;
    r.TitleLeft = 12;
    r.TitleFont = "\"Arial\", 12, [Bold], [clBlack]";
    r.TextBox = "intro\r\nmore";
    r.TextBoxWidth = 300;
    r.TextBoxHeight = 0;
    TdtmSQL builder;
    r.BuildSQL(builder);
    TtlViews(path).SaveView("Battles", false, r, {});

    const QByteArray bytes = ReadAll(path);
    EXPECT_TRUE(bytes.contains("Groups=&quot;Kings &quot;&quot;and&quot;&quot; Queens&quot;,Plain,&quot;With, comma&quot;"))
        << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("Notes=line one\xC2\xA4\xC2\xACline two"));

    TSearchRequest back;
    TtlViews(path).LoadView("battles", back, names); // section names ignore letter case
    EXPECT_EQ(back.Keywords, r.Keywords);
    EXPECT_EQ(back.DescKeywords, r.DescKeywords);
    EXPECT_EQ(back.Tags(), "a, b, ");
    EXPECT_EQ(back.Sql(), r.Sql().trimmed()) << "INI values lose their outer blanks";
    EXPECT_EQ(back.Year1, 1914.5);
    EXPECT_EQ(back.Year2, 1918);
    EXPECT_TRUE(back.UseYearArgs);
    EXPECT_TRUE(back.ShowFeedback);
    EXPECT_EQ(back.Groups, r.Groups);
    EXPECT_EQ(back.Notes, r.Notes);
    EXPECT_EQ(back.Title, r.Title);
    EXPECT_TRUE(back.TitleVisible);
    EXPECT_EQ(back.TitleLeft, 12);
    EXPECT_EQ(back.TitleFont, r.TitleFont);
    EXPECT_EQ(back.TextBox, r.TextBox);
    EXPECT_EQ(back.TextBoxWidth, 300);
    EXPECT_EQ(back.TextBoxHeight, 140) << "a stored 0 reads as the default";
    EXPECT_EQ(back.ViewName, "battles");
}

TEST_F(ViewsTest, MissingViewsAndOlderFilesReadWithDefaults) {
    WriteAll(path, QByteArray("[Old]\r\nNotes=first!!!CR!!!second\r\nTextBox=a\xA4\xACz\r\nTitle=") +
                       QByteArray(3000, 'x') + "\r\n[Other]\r\nKeywords=k\r\n");
    TtlViews views(path);
    TSearchRequest r;
    views.LoadView("Old", r, names);
    EXPECT_EQ(r.Notes, "first\r\nsecond");
    EXPECT_EQ(r.TextBox, "a\r\nz") << "raw A4 AC bytes of an older file";
    EXPECT_EQ(r.Title.size(), 2047);
    views.LoadView("Nowhere", r, names);
    EXPECT_EQ(r.Year1, NoRangeValue);
    EXPECT_EQ(r.TitleLeft, 100);
    EXPECT_EQ(r.TitleTop, 50);
    EXPECT_EQ(r.TextBoxLeft, 50);
    EXPECT_EQ(r.TextBoxWidth, 230);
    EXPECT_EQ(views.ListViews(), (QStringList{"Old", "Other"})) << "section order";
    EXPECT_TRUE(ReadAll(path).endsWith("[___ordering]\r\nOld=\r\nOther=\r\n")) << "gained an ordering";
}

TEST_F(ViewsTest, PositionsStatesAndBlownAwayNames) {
    TSearchRequest r;
    r.Clear();
    TtlViews(path).SaveView("V", true, r, {{12, 125, 2}, {13, 99999, 0}, {14, 250, 129}});
    TtlViews views(path);
    views.LoadView("V", r, names);
    EXPECT_EQ(r.BlownAwayNames, QStringList{"Event 12"});
    std::vector<TViewEventPosition> shown{{12, 1, 1}, {14, 2, 0}, {15, 3, 1}};
    views.ApplyViewPositions("V", shown);
    EXPECT_EQ(shown[0].X, 125);
    EXPECT_EQ(shown[0].State, 2);
    EXPECT_EQ(shown[1].State, 1) << "low seven bits";
    EXPECT_EQ(shown[2].X, 3) << "an event the view does not know keeps its values";
    EXPECT_EQ(shown[2].State, 1);

    r.Keywords = "again";
    TtlViews(path).SaveView("V", false, r, {});
    std::vector<TViewEventPosition> again{{12, 0, 0}};
    TtlViews(path).ApplyViewPositions("V", again);
    EXPECT_EQ(again[0].X, 125) << "a save without positions keeps the stored ones";
}

TEST_F(ViewsTest, RenameDeleteAndReorder) {
    TSearchRequest r;
    r.Clear();
    for (const char* n : {"Home", "Battles", "Kings"})
        TtlViews(path).SaveView(n, false, r, {});
    {
        TIniFile ini(path);
        ini.WriteString("Kings", "Battles", "a key named like the view");
        ini.WriteString("Kings", "Notes", "see [Battles]");
        ini.UpdateFile();
    }
    TtlViews(path).RenameView("Battles", "Wars");
    TtlViews views(path);
    EXPECT_EQ(views.ListViews(), (QStringList{"Home", "Wars", "Kings"}));
    TIniFile ini(path);
    EXPECT_TRUE(ini.SectionExists("Wars"));
    EXPECT_FALSE(ini.SectionExists("Battles"));
    EXPECT_EQ(ini.ReadString("Kings", "Battles", {}), "a key named like the view");
    EXPECT_EQ(ini.ReadString("Kings", "Notes", {}), "see [Wars]");

    views.DeleteView("Home");
    EXPECT_EQ(TtlViews(path).ListViews(), (QStringList{"Wars", "Kings"}));
    TtlViews(path).WriteOrdering({"Kings", "Wars"});
    EXPECT_EQ(TtlViews(path).ListViews(), (QStringList{"Kings", "Wars"}));
    TSearchRequest home;
    TtlViews(path).LoadView("Home", home, names);
    EXPECT_TRUE(home.Sql().isEmpty()) << "a deleted Home loads as an empty request";
}

TEST(ViewNames, ProhibitedCharacters) {
    for (const char* ok : {"Home", "Wars 1914", "a-b"})
        EXPECT_TRUE(TtlViews::IsValidViewName(ok)) << ok;
    for (const char* bad : {"", "a=b", "say \"x\"", "a,b", "___ordering", "___Ordering"})
        EXPECT_FALSE(TtlViews::IsValidViewName(bad)) << bad;
}

TEST_F(ViewsTest, ANameThatCannotBeAViewIsRefusedWithoutWriting) {
    TSearchRequest r;
    r.Clear();
    TtlViews(path).SaveView("Home", false, r, {});
    const QByteArray before = ReadAll(path);
    for (const char* bad : {"", "___ordering", "a=b"}) {
        EXPECT_THROW(TtlViews(path).SaveView(bad, false, r, {}), EVzError) << bad;
        EXPECT_THROW(TtlViews(path).RenameView("Home", bad), EVzError) << bad;
    }
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(TtlViews(path).ListViews(), QStringList{"Home"});
}
