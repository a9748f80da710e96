#include "StorageFixture.h"

#include "common/Errors.h"
#include "display/TmLn.h"
#include "storage/MainDataMod.h"

class MainDataModTest : public StorageFixture {
protected:
    void SetUp() override {
        StorageFixture::SetUp();
        dm.SetTimeline(&timeline);
        dm.Seams.StatusText = [this](const QString& t) { status = t; };
        dm.OpenDatabase(folder);
    }

    int AddEvent(const QString& name, double start) {
        TSkipDateEntryScope skip(dm);
        dm.tblEvent.Insert();
        dm.tblEvent.SetValue("Name", name);
        dm.tblEvent.SetValue("Start", start);
        dm.tblEvent.Post();
        return dm.tblEvent.AsInteger("ID");
    }

    TTimeLine timeline;
    TdtmMain dm;
    QString status;
};

TEST_F(MainDataModTest, NewIdsAreTheLargestPlusOne) {
    EXPECT_EQ(AddEvent("a", 1), 1);
    EXPECT_EQ(AddEvent("b", 2), 2);
    ASSERT_TRUE(dm.tblEvent.Locate("ID", 2));
    dm.tblEvent.Delete();
    EXPECT_EQ(AddEvent("c", 3), 2);
    EXPECT_EQ(AddEvent("d", 0), 3);
    EXPECT_EQ(dm.NextGroupID(), 1);
}

TEST_F(MainDataModTest, FailedPrePostStepShowsTheOopsTextAndKeepsTheRowInEditing) {
    timeline.SetUnits(usSteps);
    dm.EntrySet().StartMajor = "5";
    dm.EntrySet().EndMajor = "3";
    dm.MarkEntrySetEdited();
    dm.tblEvent.Insert();
    dm.tblEvent.SetValue("Name", "typed");
    EXPECT_THROW(dm.tblEvent.Post(), EAbort);
    EXPECT_EQ(dm.tblEvent.State(), dsInsert);
    EXPECT_EQ(dm.tblEvent.AsString("Name"), "typed");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].Kind, TMsgKind::Warning);
    const QString text = dialogs.Shown()[0].Text;
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(
        "Oops! There was a problem. This event hasn't updated but no damage has been done.\r\n\r\n"
        "Make sure you check the following:\r\n"
        "* Check dates \xE2\x80\x93 check End value is greater than Start Value.\r\n"
        "* Don't use numbers larger than 9 digits.\r\n"
        "* You can have a start date only, but not an end date only.\r\n"
        "* Don't use commas.\r\n\r\n(The actual error was:\r\nEnd must be after Start. Start: ")))
        << text.toStdString();
    dm.tblEvent.Cancel();
    EXPECT_EQ(dm.tblEvent.RecordCount(), 0) << "nothing was written";

    dm.EntrySet().EndMajor = "7";
    dm.EntrySet().EndMinor = "";
    dm.MarkEntrySetEdited();
    dm.tblEvent.Insert();
    dm.tblEvent.SetValue("Name", "from the boxes");
    dm.tblEvent.Post();
    EXPECT_DOUBLE_EQ(dm.tblEvent.AsFloat("Start"), 5.0002);
    EXPECT_DOUBLE_EQ(dm.tblEvent.AsFloat("End"), 7.0002);
}

TEST_F(MainDataModTest, PostsKeepStoredTimesUnlessTheBoxesWereEdited) {
    // A calendar start at 18:00 and a Steps-like fraction the boxes cannot show exactly.
    const double start = 36000.75, end = 36010.123;
    {
        TSkipDateEntryScope skip(dm);
        dm.tblEvent.Insert();
        dm.tblEvent.SetValue("Name", "precise");
        dm.tblEvent.SetValue("Start", start);
        dm.tblEvent.SetValue("End", end);
        dm.tblEvent.Post();
    }
    dm.tblEvent.First(); // the boxes now mirror the row
    EXPECT_FALSE(dm.EntrySet().StartDateText.isEmpty());
    dm.tblEvent.Edit();
    dm.tblEvent.SetValue("X", 125); // what placing an event in its bay writes
    dm.tblEvent.Post();
    EXPECT_EQ(dm.tblEvent.AsFloat("Start"), start);
    EXPECT_EQ(dm.tblEvent.AsFloat("End"), end);
    EXPECT_TRUE(dialogs.Shown().empty());
}
TEST_F(MainDataModTest, RejectedPostShowsRecordExistsAndPropagates) {
    AddEvent("a", 1);
    TSkipDateEntryScope skip(dm);
    dm.tblEvent.Insert();
    dm.tblEvent.SetValue("ID", 1);
    dm.tblEvent.SetValue("Name", "duplicate");
    EXPECT_THROW(dm.tblEvent.Post(), EDatabaseError);
    EXPECT_EQ(dialogs.ShownTexts(), QStringList{"That record already exists."});
    EXPECT_EQ(dm.tblEvent.State(), dsInsert);
}

TEST_F(MainDataModTest, ModifiedFollowsEventAndGroupChanges) {
    struct TCase {
        const char* what;
        std::function<void()> change;
        bool modifies;
    };
    bool groupsWindowVisible = false;
    dm.Seams.GroupInserted = [&] { return groupsWindowVisible; };
    auto addGroup = [&] {
        dm.tblCategory.Insert();
        dm.tblCategory.SetValue("ID", dm.NextGroupID());
        dm.tblCategory.SetValue("Name", "G");
        dm.tblCategory.Post();
    };
    const TCase cases[] = {
        {"event posted", [&] { AddEvent("a", 1); }, true},
        {"event put in editing", [&] { dm.tblEvent.Edit(); }, true},
        {"event cancelled after edit", [&] { dm.tblEvent.Cancel(); }, false},
        {"event deleted", [&] { dm.tblEvent.Delete(); }, true},
        {"group inserted, no groups window", addGroup, false},
        {"group inserted, groups window shown", [&] { groupsWindowVisible = true; addGroup(); }, true},
        {"group deleted", [&] { dm.tblCategory.Delete(); }, true},
        {"browsing", [&] { dm.tblEvent.First(); dm.tblCategory.First(); }, false},
    };
    for (const TCase& c : cases) {
        timeline.SetModified(false);
        c.change();
        EXPECT_EQ(timeline.Modified(), c.modifies) << c.what;
    }
}

TEST_F(MainDataModTest, PasswordLockMakesEventsReadOnly) {
    AddEvent("a", 1);
    timeline.SetPassword("Secret");
    dm.ApplyPasswordLock();
    EXPECT_TRUE(dm.tblEvent.Active());
    EXPECT_THROW(dm.tblEvent.Edit(), EReadOnlyError);
    EXPECT_THROW(dm.tblEvent.Insert(), EReadOnlyError);
    timeline.SetPassword(QString());
    dm.ApplyPasswordLock();
    dm.tblEvent.Edit();
    EXPECT_EQ(dm.tblEvent.State(), dsEdit);
}

TEST_F(MainDataModTest, EventCountTextFollowsQueryAndTable) {
    EXPECT_EQ(status, "0/0 events");
    for (int i = 0; i < 40; ++i)
        AddEvent(QString("e%1").arg(i), i);
    dm.qryEvent.SetSQL(TdtmMain::DefaultEventSql() + "\r\nwhere A.Start < 12");
    dm.qryEvent.Open();
    EXPECT_EQ(status, "12/40 events");
    dm.qryEvent.Close();
    EXPECT_EQ(dm.EventCountText(), "0/40 events");
}

TEST_F(MainDataModTest, DerivedFieldsOfEventRows) {
    timeline.SetUnits(usYearsAndMonths);
    dm.ffDB.Execute("INSERT INTO Category (ID, Name) VALUES (4, 'Kings')");
    {
        TSkipDateEntryScope skip(dm);
        dm.tblEvent.Insert();
        dm.tblEvent.SetValue("Name", "x");
        dm.tblEvent.SetValue("Start", 1990 + 2.0 / 12);
        dm.tblEvent.SetValue("End", 1995.0002);
        dm.tblEvent.SetValue("CategoryID", 4);
        dm.tblEvent.Post();
    }
    EXPECT_EQ(dm.tblEvent.AsString("Date"), "Mar 1990 - 1995");
    EXPECT_EQ(dm.tblEvent.AsString("Category"), "Kings");
    EXPECT_EQ(dm.tblEvent.AsString("Group"), "Kings");
    EXPECT_EQ(dm.tblEvent.AsString("StartFriendly"), "");
    dm.qryEvent.Close();
    dm.qryEvent.Open();
    EXPECT_EQ(dm.qryEvent.AsString("Date"), "Mar 1990 - 1995");
    EXPECT_EQ(dm.qryEvent.AsString("Category.Name"), "Kings");
    EXPECT_EQ(dm.qryEvent.AsInteger("Category.ID"), 4);
    timeline.SetUnits(usCalendarDates); // values are read in the new system, not converted
    EXPECT_EQ(dm.qryEvent.AsString("Date"), "12/06/1905 - 17/06/1905");
}

TEST_F(MainDataModTest, EntryBoxesFollowTheCurrentRowUnlessEditing) {
    timeline.SetUnits(usDaysAndHours);
    AddEvent("a", 5.25);
    AddEvent("b", 6.0002);
    int fills = 0;
    bool markSeen = false;
    dm.Seams.EntrySetChanged = [&] {
        ++fills;
        markSeen = dm.Scrolling();
    };
    dm.tblEvent.First();
    EXPECT_EQ(dm.EntrySet().StartMajor, "5");
    EXPECT_EQ(dm.EntrySet().StartMinor, "6");
    dm.tblEvent.Next();
    EXPECT_EQ(dm.EntrySet().StartMajor, "6");
    EXPECT_EQ(dm.EntrySet().StartMinor, "");
    EXPECT_EQ(fills, 2);
    EXPECT_TRUE(markSeen);
    EXPECT_FALSE(dm.Scrolling());
    dm.SetBoxRefreshGuard(true);
    dm.tblEvent.First();
    EXPECT_EQ(dm.EntrySet().StartMajor, "6") << "the guard keeps the box being typed in";
}
