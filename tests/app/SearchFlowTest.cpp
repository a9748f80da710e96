// RunSearch, "Search...", "Show All", the search dialog's search, the axis range and the views on
// a real event table, through the document the window and the command-line tool share.
#include "AppFixture.h"

#include "app/TimelineDocument.h"
#include "common/Errors.h"
#include "common/Progress.h"
#include "display/TtlBarLabel.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "storage/IniFile.h"

#include <optional>

namespace {
// What the search flow asks of the window.
struct TRecordingView : TDocumentView {
    std::optional<bool> NoResults, TooMany;
    QStringList Names;
    int Selected = -1;
    QString Title;
    std::optional<TViewDecorations> Applied;
    void SetNoResultsVisible(bool visible) override { NoResults = visible; }
    void SetTooManyResultsVisible(bool visible) override { TooMany = visible; }
    void ViewsListChanged(const QStringList& names, int selected) override {
        Names = names;
        Selected = selected;
    }
    void SetTitleText(const QString& text) override { Title = text; }
    void ApplyViewDecorations(const TViewDecorations& d) override { Applied = d; }
    void ForgetNotices() { NoResults.reset(), TooMany.reset(); }
};

using TOutcome = TSearchFlow::TOutcome;
} // namespace

class SearchFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAccount();
        dialogs.SetDefaultAnswer(TMsgButton::No);
        folder = vztest::NewTempFolder("flow") + "/";
        doc.SetView(&view);
        ASSERT_TRUE(doc.File().NewTimeline());
        doc.Timeline().SetUnits(usYearsAndMonths);
        TdtmMain& dm = doc.Data();
        dm.ffDB.Execute("INSERT INTO Category (ID, Name) VALUES (1, 'Wars'), (2, 'Kings')");
        struct TRow {
            int ID;
            const char* Name;
            const char* Description;
            double Start;
            QVariant End;
            QVariant Group;
        };
        const TRow rows[] = {
            {1, "Battle of the Somme", "", 1916.5, 1916.9, 1},
            {2, "Treaty of Versailles", "", 1919.5, {}, {}},
            {3, "Great War", "The first world war, with many battles", 1914.5, 1918.9, 1},
            {4, "Assassination in Sarajevo", "", 1914.4, {}, {}},
            {5, "Coronation", "", 1911.5, {}, 2},
            {6, "Moon landing", "", 1969.5, {}, {}},
            {7, "BATTLES at sea", "", 1915.2, 1915.3, {}},
            {8, "Boer War", "", 1899.8, 1902.4, 1},
        };
        for (const TRow& r : rows)
            dm.ffDB.Execute("INSERT INTO Event (ID, Name, Description, Start, \"End\", CategoryID) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                            {r.ID, r.Name, r.Description, r.Start, r.End, r.Group});
        dm.tblCategory.Refresh();
        view.ForgetNotices();
    }
    void TearDown() override {
        doc.File().CloseTimeline();
        doc.SetView(nullptr);
    }
    TSearchFlow& Flow() { return doc.SearchFlow(); }
    std::vector<int> Shown() const {
        std::vector<int> ids;
        for (const auto& e : doc.Timeline().Events().Items())
            ids.push_back(e->ID());
        return ids;
    }
    TOutcome SearchFor(const QString& text) {
        Flow().SetSearchText(text);
        Flow().Search();
        return Flow().LastOutcome();
    }

    TScriptedDialogs dialogs;
    TDialogsScope dialogsScope{dialogs};
    QString folder;
    TRecordingView view;
    TTimelineDocument doc;
};

TEST_F(SearchFlowTest, SearchTextsSelectRangesAndKeywords) {
    struct TCase {
        const char* text;
        std::vector<int> shown;
        double low, high, axisStart, axisEnd;
    };
    const TCase cases[] = {
        // A single number shows the unit before and after it.
        {"1914", {4, 3}, 1913, 1915, 1913, 1915},
        // The upper bound includes all of 1918; the axis shows the range as typed.
        {"1914 - 1918", {4, 3, 7, 1}, 1914, 1919, 1914, 1918},
        {"1918-1914", {4, 3, 7, 1}, 1914, 1919, 1914, 1918},
        // Name or description, any letter case, without the plural ending; the axis spans the
        // result.
        {"battles", {3, 7, 1}, 1914.5, 1918.9, 1914.5, 1918.9},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SearchFor(c.text), TOutcome::Shown);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(Flow().Low(), c.low);
        EXPECT_EQ(Flow().High(), c.high);
        EXPECT_EQ(doc.Timeline().RangeStart(), c.axisStart);
        EXPECT_EQ(doc.Timeline().RangeEnd(), c.axisEnd);
        EXPECT_EQ(view.NoResults, false);
        EXPECT_EQ(view.TooMany, false);
        EXPECT_EQ(Flow().CurrentRequest().Keywords, c.text);
        EXPECT_TRUE(Flow().CurrentRequest().ShowFeedback);
    }
    EXPECT_EQ(Flow().Keywords(), "BATTLE");
    EXPECT_TRUE(doc.Data().qryEvent.SQL().contains("'%BATTLE%'"))
        << "the query keeps the text as built";
    SearchFor("1914 - 1918");
    EXPECT_TRUE(doc.Data().qryEvent.SQL().contains("(A.Start <= 1919 and A.\"End\" >= 1914)"));
    EXPECT_NE(doc.Data().qryEvent.RunSQL(), doc.Data().qryEvent.SQL())
        << "run with the bound on Start";
}

TEST_F(SearchFlowTest, TooManyNoneAndShowAll) {
    doc.Timeline().Events().SetMaxEvents(3);
    EXPECT_EQ(SearchFor("1914 - 1918"), TOutcome::TooMany);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(view.TooMany, true);
    EXPECT_EQ(view.NoResults, false);

    EXPECT_EQ(SearchFor("zebra"), TOutcome::NoResults);
    EXPECT_EQ(view.NoResults, true);
    EXPECT_EQ(view.TooMany, false);

    // Show All gives no feedback: too many events clear the display without a notice.
    view.ForgetNotices();
    Flow().ShowAll();
    EXPECT_EQ(Flow().LastOutcome(), TOutcome::TooMany);
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(view.TooMany.has_value());
    EXPECT_FALSE(view.NoResults.has_value());
    EXPECT_EQ(Flow().SearchText(), "");
    EXPECT_EQ(Flow().DisplaySource(), dsShowAll);
    EXPECT_EQ(Flow().Low(), 1899.8) << "the range of every result";
    EXPECT_EQ(Flow().High(), 1969.5);

    doc.Timeline().Events().SetMaxEvents(150);
    Flow().ShowAll();
    EXPECT_EQ(Shown(), (std::vector<int>{8, 5, 4, 3, 7, 1, 2, 6}));
    EXPECT_EQ(doc.Timeline().RangeStart(), 1899.8);
    EXPECT_EQ(doc.Timeline().RangeEnd(), 1969.5);
}

TEST_F(SearchFlowTest, TooLargeNumbersAndFailingQueriesLeaveTheDisplay) {
    SearchFor("1914");
    const QString shownSql = doc.Data().qryEvent.SQL();
    for (const char* text : {"1000000000", "-1000000000 - 5", "1 - 999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(SearchFor(text), TOutcome::Stopped);
        ASSERT_FALSE(dialogs.Shown().empty());
        EXPECT_EQ(dialogs.Shown().back().Text, "Too large number.");
        EXPECT_EQ(dialogs.Shown().back().Caption, "Vezizivu");
        EXPECT_EQ(dialogs.Shown().back().Kind, TMsgKind::Warning);
        EXPECT_EQ(Shown(), (std::vector<int>{4, 3}));
        EXPECT_EQ(Flow().Low(), 1913);
    }

    TSearchRequest broken;
    broken.Clear();
    broken.SetSql("select * from Nowhere A");
    TtlViews(Flow().ViewsPath()).SaveView("Broken", false, broken, {});
    TRecordingProgress progress;
    TProgress* previous = SetProgress(&progress);
    EXPECT_ANY_THROW(Flow().ShowView("Broken"));
    SetProgress(previous);
    EXPECT_FALSE(progress.Visible());
    EXPECT_EQ(Shown(), (std::vector<int>{4, 3}));
    EXPECT_EQ(doc.Data().qryEvent.SQL(), shownSql);
    EXPECT_TRUE(doc.Data().qryEvent.Active());
    EXPECT_EQ(doc.Data().qryEvent.RecordCount(), 2);
}

TEST_F(SearchFlowTest, AViewBringsBackItsSearchPositionsBlownAwayEventsAndTitle) {
    TSearchRequest r;
    r.Clear();
    r.Keywords = "battles";
    r.ShowFeedback = true;
    r.Title = "Battles";
    r.TitleVisible = true;
    r.TitleLeft = 300;
    r.TextBox = "Fought\r\non land and sea";
    r.TextBoxVisible = true;
    TtlViews(Flow().ViewsPath()).SaveView("Battles", true, r, {{1, 250, 0}, {7, 120, 2}});
    SearchFor("1914");
    const int greatWarX = [&] {
        SearchFor("battles");
        return doc.Timeline().Events().EventByID(3)->X();
    }();

    TRecordingProgress progress;
    TProgress* previous = SetProgress(&progress);
    Flow().ShowView("Battles");
    SetProgress(previous);
    EXPECT_EQ(progress.Stages(), (QStringList{"Loading view...", "Loading view (searching)...",
                                              "Loading view (retrieving events)...",
                                              "Loading view (displaying events)...",
                                              "Loading view (refrshing display)..."}));
    EXPECT_FALSE(progress.Visible());

    TtlEventList& events = doc.Timeline().Events();
    EXPECT_EQ(Shown(), (std::vector<int>{3, 7, 1}));
    EXPECT_EQ(events.EventByID(1)->X(), 250);
    EXPECT_EQ(events.EventByID(7)->State(), 2);
    EXPECT_EQ(events.EventByID(3)->X(), greatWarX)
        << "an event the view does not know keeps its place";
    EXPECT_EQ(events.EventByID(3)->State(), 0);
    EXPECT_EQ(Flow().ViewRequest().BlownAwayNames, QStringList{"BATTLES at sea"});
    EXPECT_EQ(Flow().BlownAwayLabels(), QStringList{events.EventByID(7)->Label().Text()});
    EXPECT_EQ(Flow().DisplaySource(), dsView);
    ASSERT_TRUE(view.Applied.has_value());
    EXPECT_EQ(view.Applied->Title, "Battles");
    EXPECT_TRUE(view.Applied->TitleVisible);
    EXPECT_EQ(view.Applied->TitleLeft, 300);
    EXPECT_EQ(view.Applied->TextBox, "Fought\r\non land and sea");
    EXPECT_EQ(Flow().DisplayedDecorations().TextBoxWidth, 230);

    // The positions go to the events, not to the table: a search places them as stored.
    SearchFor("battles");
    EXPECT_EQ(events.EventByID(1)->X(),
              doc.Data().tblEvent.Locate("ID", 1) ? doc.Data().tblEvent.AsInteger("X") : -1);
    EXPECT_EQ(events.EventByID(7)->State(), 0);
}

TEST_F(SearchFlowTest, TheSearchDialogsSearchGroupsRangeAndTitle) {
    TAdvancedSearch c;
    c.Groups = {"Wars"};
    Flow().RunAdvancedSearch(c);
    EXPECT_EQ(Shown(), (std::vector<int>{8, 3, 1}))
        << "one group: events without a group are not found";
    EXPECT_EQ(view.Title, "Search: group(s)");
    EXPECT_EQ(Flow().DisplaySource(), dsSearchDialog);

    c = {};
    c.NameText = "war";
    Flow().RunAdvancedSearch(c);
    EXPECT_EQ(Shown(), (std::vector<int>{8, 3}));
    EXPECT_EQ(view.Title, "Search: \"war\"");

    c = {};
    c.UseRange = true;
    c.Date1 = 1914;
    c.Date2 = 1918;
    c.Tags = "";
    Flow().RunAdvancedSearch(c);
    EXPECT_EQ(Shown(), (std::vector<int>{4, 3, 7, 1}));
    EXPECT_EQ(doc.Timeline().RangeStart(), 1914);
    EXPECT_EQ(doc.Timeline().RangeEnd(), 1918);
    EXPECT_EQ(view.Title, "Search: date range");

    c = {};
    c.NameText = "nothing like it";
    Flow().RunAdvancedSearch(c);
    EXPECT_EQ(Flow().LastOutcome(), TOutcome::NoResults);
    EXPECT_EQ(view.NoResults, true) << "the dialog's searches give feedback";
}

TEST_F(SearchFlowTest, ARangePickedOnTheAxisSearchesIt) {
    doc.Timeline().StartRangeZoomOnce();
    doc.Timeline().OnGraphClick(doc.Timeline(), "1914");
    EXPECT_EQ(Flow().SearchText(), "1914");
    doc.Timeline().OnGraphClick(doc.Timeline(), "1918");
    EXPECT_EQ(Flow().SearchText(), "1914 - 1918");
    EXPECT_EQ(Shown(), (std::vector<int>{4, 3, 7, 1}));
    EXPECT_EQ(Flow().DisplaySource(), dsAxisSelection);
    EXPECT_EQ(doc.Timeline().RangeZoomState(), 0);
    doc.Timeline().OnGraphClick(doc.Timeline(), "1969");
    EXPECT_EQ(Flow().SearchText(), "1914 - 1918")
        << "a click without range picking searches nothing";
}

TEST_F(SearchFlowTest, HomeViewOnNewAndOpenAndTheListOnClose) {
    SearchFor("battles");
    ASSERT_TRUE(doc.File().NewTimeline());
    EXPECT_EQ(view.Names, QStringList{"Home"});
    EXPECT_EQ(view.Selected, 0);
    EXPECT_EQ(Flow().SelectedView(), "Home");
    EXPECT_EQ(Flow().DisplaySource(), dsView);
    const QString views = doc.File().WorkingFolder() + "Views.ini";
    EXPECT_EQ(TIniFile(views).ReadString("Home", "Keywords", "<missing>"), "")
        << "nothing of the closed timeline's search reaches the new Home view";
    EXPECT_EQ(TIniFile(views).Keys("___ordering"), QStringList{"Home"});

    // SearchText is written with the timeline but not read back.
    Flow().SetSearchText("1914");
    dialogs.QueueFileName(folder + "Fresh.tml");
    ASSERT_TRUE(doc.File().SaveTimeline(true));
    EXPECT_EQ(TIniFile(doc.File().WorkingFolder() + "Vezizivu.ini")
                  .ReadString("General", "SearchText", {}),
              "1914");
    ASSERT_TRUE(doc.File().CloseTimeline());
    EXPECT_EQ(Flow().SearchText(), "");
    EXPECT_TRUE(view.Names.isEmpty());
    EXPECT_TRUE(Flow().ViewNames().isEmpty());

    // A timeline without a Home view opens with every event.
    const QString path = folder + "NoHome.tml";
    MakeTimelineFile(path, 5);
    ASSERT_TRUE(doc.File().OpenTimeline(path));
    EXPECT_EQ(Flow().SelectedView(), "Home");
    EXPECT_EQ(Shown().size(), 5u);
    TtlViews(doc.File().WorkingFolder() + "Views.ini").DeleteView("Home");
    TtlViews(doc.File().WorkingFolder() + "Views.ini")
        .SaveView("Late", false, Flow().CurrentRequest(), {});
    doc.Timeline().SetModified(true);
    ASSERT_TRUE(doc.File().SaveTimeline(false));
    ASSERT_TRUE(doc.File().CloseTimeline());
    ASSERT_TRUE(doc.File().OpenTimeline(path));
    EXPECT_EQ(view.Names, QStringList{"Late"});
    EXPECT_EQ(view.Selected, -1) << "no Home to select";
    EXPECT_EQ(Shown().size(), 5u);
    EXPECT_FALSE(Flow().ViewRequest().ShowFeedback);
    EXPECT_EQ(Flow().SearchText(), "") << "not read from the file";
}
