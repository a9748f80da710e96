// The control and its event list: building from the query, parents and children, clicks by
// mouse mode, the formatting memo, texts for copying, new events and the plain helpers.
#include "DisplayFixture.h"

#include "common/Errors.h"
#include "display/NameValueLines.h"
#include "display/TUniDirectional.h"
#include "time/DateNumbers.h"

#include <QDateTime>
#include <QRegularExpression>

class EventListTest : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        tl.SetUnits(usSteps);
        tl.OnEventSelected = [this](TtlEvent& e) { opened.push_back(e.ID()); };
    }
    void ClickOn(int id) {
        const QRect r = Event(id).Label().Rect();
        tl.Graph().MousePress(r.center(), Qt::LeftButton);
        tl.Graph().MouseRelease(r.center(), Qt::LeftButton);
    }
    bool Shown(int id) { return Event(id).Label().Visible(); }

    std::vector<int> opened;
};

TEST_F(EventListTest, MoreRowsThanMaxEventsBuildNothing) {
    {
        TTransaction t(dm.ffDB);
        for (int i = 0; i < 151; ++i)
            Add(QStringLiteral("e%1").arg(i), i);
        t.Commit();
    }
    Show();
    EXPECT_EQ(tl.Events().Count(), 0);
    EXPECT_FALSE(tl.Graph().Building());
    dm.ffDB.Execute(QStringLiteral("DELETE FROM Event WHERE ID = 151"));
    Show();
    EXPECT_EQ(tl.Events().Count(), 150);
    EXPECT_EQ(tl.Events().At(149).ListIndex(), 149);
    EXPECT_EQ(tl.Events().IdMap().size(), 150u);
}

TEST_F(EventListTest, APlacedPositionIsStoredOnceAndAProtectedTimelineKeepsItInMemory) {
    const int a = Add("a", 1, 5), b = Add("b", 2, 6);
    tl.SetModified(false);
    Show();
    EXPECT_EQ(StoredX(a), 125);
    EXPECT_EQ(StoredX(b), -125);
    EXPECT_TRUE(tl.Modified());
    dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = NULL"));
    dm.SetEventTableReadOnly(true);
    tl.SetModified(false);
    Show();
    EXPECT_EQ(Event(a).X(), 125);
    EXPECT_EQ(StoredX(a), std::nullopt);
    EXPECT_FALSE(tl.Modified());
}

TEST_F(EventListTest, ChildrenStartHiddenAndAClickOnTheParentShowsThem) {
    const int parent = Add("parent", 1, 9);
    TEventRow child{QStringLiteral("child"), 2, 3, std::nullopt, 0, parent, {}};
    const int c1 = Add(child);
    child.Start = 5;
    const int c2 = Add(child);
    TEventRow orphan{QStringLiteral("orphan"), 4, 6, std::nullopt, 0, 999, {}};
    const int o = Add(orphan);
    Show();
    ASSERT_EQ(tl.Events().ParentMap().size(), 3u);
    EXPECT_EQ(tl.Events().ParentMap()[0].Name, QStringLiteral("%1=%2").arg(parent).arg(c1));
    EXPECT_FALSE(Shown(c1));
    EXPECT_FALSE(Shown(c2));
    EXPECT_TRUE(Shown(o)); // its parent is not displayed
    EXPECT_TRUE(Event(parent).Bar().Hatched());

    ClickOn(parent);
    EXPECT_TRUE(Shown(c1));
    EXPECT_TRUE(Shown(c2));
    EXPECT_TRUE(Event(parent).Expanded());
    EXPECT_TRUE(opened.empty());
    ClickOn(parent);
    EXPECT_EQ(opened, std::vector<int>{parent});
    EXPECT_EQ(dm.qryEvent.AsInteger(QStringLiteral("ID")), parent);
}

TEST_F(EventListTest, WithoutParentDisplayAClickOpensTheParentAndChildrenStayHidden) {
    tl.SetParentChildDisplay(false);
    const int parent = Add("parent", 1, 9);
    const int child = Add(TEventRow{QStringLiteral("child"), 2, 3, std::nullopt, 0, parent, {}});
    Show();
    EXPECT_FALSE(Event(parent).Bar().Hatched());
    ClickOn(parent);
    EXPECT_EQ(opened, std::vector<int>{parent});
    EXPECT_FALSE(Shown(child));
}

TEST_F(EventListTest, BlowAwayHidesTheEventAndMarksItInMemoryOnly) {
    const int a = Add("a", 1, 5);
    Show();
    tl.SetMouseMode(1);
    EXPECT_EQ(Event(a).Cursor(), TtlCursorKind::BlowAwayEvent);
    ClickOn(a);
    EXPECT_EQ(Event(a).State(), 2);
    EXPECT_FALSE(Event(a).Bar().Visible());
    EXPECT_FALSE(Shown(a));
    EXPECT_EQ(LineValue(Event(a).Formatting(), QStringLiteral("BlownAway")), QStringLiteral("1"));
    EXPECT_FALSE(StoredText(a, QStringLiteral("Formatting")).contains(QStringLiteral("BlownAway")));
    EXPECT_TRUE(opened.empty());
}

TEST_F(EventListTest, AClickThatEndsADragNeitherOpensNorBlowsAway) {
    const int a = Add("a", 1, 5);
    Show();
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        tl.SetMouseMode(mode);
        const QPoint p = Event(a).Bar().Rect().center();
        tl.Graph().MousePress(p, Qt::LeftButton);
        tl.Graph().MouseMove(p + QPoint(4, 0));
        EXPECT_FALSE(Event(a).Mover().Moving);
        tl.Graph().MouseMove(p + QPoint(6, 0));
        EXPECT_TRUE(Event(a).Mover().Moving);
        tl.Graph().MouseRelease(Event(a).Bar().Rect().center(), Qt::LeftButton);
        EXPECT_TRUE(opened.empty());
        EXPECT_EQ(Event(a).State(), 0);
    }
}

TEST_F(EventListTest, LoadReadsTheMemoAndTheGroupFormatting) {
    const int g =
        AddGroup(QStringLiteral("Kings"), QStringLiteral("clRed"),
                 QStringLiteral("BarWidth=2\r\nFont=\"Courier New\",9pt,Italic,clBlue\r\n"));
    TEventRow r{QStringLiteral("x & y"),
                1,
                5,
                std::nullopt,
                g,
                0,
                QStringLiteral("BarColor=clLime\r\nBarLabelColor=$00112233\r\nKeep=this\r\n")};
    const int a = Add(r);
    r.Group = 0;
    r.Formatting = QStringLiteral("BlownAway=1\r\n");
    const int b = Add(r);
    const int c = Add(TEventRow{QStringLiteral("plain"), 2, 3, std::nullopt, 0, 0, {}});
    Show();
    const TtlEvent& ea = Event(a);
    EXPECT_EQ(ea.GroupName(), QStringLiteral("Kings"));
    EXPECT_EQ(ea.Bar().FillColor(), clRed); // the group colour replaces the memo's
    EXPECT_EQ(LineValue(ea.Formatting(), QStringLiteral("BarColor")), QStringLiteral("clRed"));
    EXPECT_EQ(LineValue(ea.Formatting(), QStringLiteral("Keep")), QStringLiteral("this"));
    EXPECT_EQ(ea.Label().Color(), TColor(0x00112233));
    EXPECT_EQ(ea.Bar().Thickness(), 2);
    EXPECT_EQ(ea.Bar().Width(), 25);
    EXPECT_EQ(LineValue(ea.Formatting(), QStringLiteral("BarWidth")), QStringLiteral("2"));
    EXPECT_EQ(ea.Label().Font().Name, QStringLiteral("Courier New"));
    EXPECT_TRUE(ea.Label().Font().Italic);
    EXPECT_EQ(ea.Label().Font().Color, clBlue);
    EXPECT_TRUE(ea.Label().Text().startsWith(QStringLiteral("x & y "))); // no accelerator
    EXPECT_EQ(Event(b).State(), 2);
    EXPECT_FALSE(Shown(b));
    EXPECT_EQ(Event(c).Bar().FillColor(), clAqua);
    EXPECT_EQ(Event(c).Bar().Thickness(), 1);
    EXPECT_EQ(Event(c).Label().Font(), tl.Events().DefaultLabelFont());
}

TEST_F(EventListTest, LabelFormatsShapeTheLabelAndABadFormatStopsTheBuild) {
    const int a = Add("Hastings", 1066);
    Add("Agincourt", 1415);
    Show();
    const QString date = Event(a).DateText();
    ASSERT_FALSE(date.isEmpty());
    struct TCase {
        const char* Format;
        QString Want;
    };
    const TCase cases[] = {
        {"%0:s", QStringLiteral("Hastings")},
        {"%0:s %1:s", QStringLiteral("Hastings ") + date},
        {"%1:s %0:s", date + QStringLiteral(" Hastings")},
        {"%0:s\r\n%1:s", QStringLiteral("Hastings\r\n") + date},
        {"[%s|%s] 100%%", QStringLiteral("[Hastings|") + date + QStringLiteral("] 100%")},
        {"%-10s|%.4s", QStringLiteral("Hastings  |") + date.left(4)}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Format);
        tl.SetLabelFmt(QString::fromLatin1(c.Format));
        Show();
        EXPECT_EQ(Event(a).Label().Text(), c.Want);
    }
    tl.SetLabelFmt(QStringLiteral("%0:s\r\n%1:s"));
    Show();
    const int lineHeight = QFontMetrics(tl.Events().DefaultLabelFont().ToQFont()).height();
    EXPECT_EQ(Event(a).Label().Height(), 2 * lineHeight);

    tl.SetLabelFmt(QStringLiteral("%0:d"));
    EXPECT_THROW(Show(), EVzError);
    EXPECT_EQ(tl.Events().Count(), 0);
    EXPECT_FALSE(tl.Graph().Building());
    EXPECT_FALSE(tl.Events().Building());
    EXPECT_FALSE(dm.qryEvent.ControlsDisabled());
}

TEST_F(EventListTest, ARecordThatCannotLoadEndsTheBuildWithTheEventsBeforeIt) {
    const int good = Add("good", 1, 5);
    const int bad = AddGroup(QStringLiteral("bad"), QStringLiteral("no colour"));
    Add(TEventRow{QStringLiteral("bad"), 2, 3, std::nullopt, bad, 0, {}});
    Add("after", 3, 4);
    EXPECT_THROW(Show(), EVzError);
    ASSERT_EQ(tl.Events().Count(), 1);
    EXPECT_EQ(tl.Events().At(0).ID(), good);
    EXPECT_FALSE(tl.Graph().Building());
    EXPECT_FALSE(dm.qryEvent.ControlsDisabled());
    // Its position was written although the build failed later.
    EXPECT_EQ(StoredX(good), 125);
}

TEST_F(EventListTest, ListTextAndDumpTextWalkTheQuery) {
    tl.SetUnits(usYearsAndMonths);
    TEventRow r{QStringLiteral("A"), 1990.0002, std::nullopt, std::nullopt, 0, 0, {}};
    Add(r);
    r.Name = QStringLiteral("B\r\nsecond line");
    r.Start = 1991.0002;
    r.End = 1995.0002;
    Add(r);
    Show();
    EXPECT_EQ(tl.Events().ListText(), QStringLiteral("1990\tA\r\n1991 - 1995\tB second line\r\n"));
    dm.ffDB.Execute(QStringLiteral("UPDATE Event SET Description = 'about'"));
    Show();
    EXPECT_EQ(
        tl.Events().DumpText(QStringLiteral(">")),
        QStringLiteral(">1990\tA\r\nabout\r\n\r\n1991 - 1995\tB second line\r\nabout\r\n\r\n"));
}

TEST_F(EventListTest, SelectionMovesTheStateAndTheCurrentRows) {
    const int a = Add("a", 1, 5), b = Add("b", 2, 6);
    Show();
    TtlEventList& list = tl.Events();
    list.Select(&Event(a));
    EXPECT_TRUE(list.SelectionFlag());
    EXPECT_EQ(Event(a).State(), 1);
    EXPECT_EQ(dm.tblEvent.AsInteger(QStringLiteral("ID")), a);
    list.Select(&Event(b));
    EXPECT_EQ(Event(a).State(), 0);
    EXPECT_EQ(Event(b).State(), 1);
    EXPECT_EQ(dm.qryEvent.AsInteger(QStringLiteral("ID")), b);
    list.Select(&Event(b));
    EXPECT_FALSE(list.SelectionFlag());
    EXPECT_EQ(Event(b).State(), 0);
    list.Select(&Event(a));
    tl.Graph().Click(QPoint(5, 5)); // a surface click deselects
    EXPECT_FALSE(list.SelectionFlag());
}

TEST_F(EventListTest, DefaultBarColourReachesOnlyBarsOfTheOldDefault) {
    const int g = AddGroup(QStringLiteral("G"), QStringLiteral("clRed"));
    const int plain = Add("plain", 1, 5);
    const int grouped = Add(TEventRow{QStringLiteral("g"), 2, 3, std::nullopt, g, 0, {}});
    Show();
    tl.Events().SetDefaultBarColor(RgbColour(255, 255, 0));
    EXPECT_EQ(Event(plain).Bar().FillColor(), RgbColour(255, 255, 0));
    EXPECT_EQ(LineValue(Event(plain).Formatting(), QStringLiteral("BarColor")),
              QStringLiteral("clYellow"));
    EXPECT_EQ(Event(grouped).Bar().FillColor(), clRed);
    EXPECT_EQ(tl.Events().DefaultBarColor(), RgbColour(255, 255, 0));
}

TEST_F(EventListTest, MarkPositionedColoursByStoredX) {
    TEventRow r{QStringLiteral("placed"), 1, 5, 250, 0, 0, {}};
    const int placed = Add(r);
    const int automatic = Add("auto", 2, 6);
    Show();
    dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = NULL WHERE ID = %1").arg(automatic));
    dm.tblEvent.Refresh();
    tl.Events().MarkPositioned();
    EXPECT_EQ(Event(placed).Bar().FillColor(), RgbColour(0, 255, 255));
    EXPECT_EQ(Event(placed).Bar().PenColor(), RgbColour(0, 0, 255));
    EXPECT_EQ(Event(placed).Label().FontColor(), RgbColour(0, 0, 255));
    EXPECT_EQ(Event(automatic).Bar().FillColor(), RgbColour(192, 192, 192));
    EXPECT_EQ(Event(automatic).Label().FontColor(), RgbColour(128, 128, 128));
}

TEST_F(EventListTest, NewEventProposesTheMiddleOfTheAxisOrToday) {
    std::vector<QString> editedStarts;
    tl.Seams.RunEventEditor = [&](TtlEvent& e) {
        editedStarts.push_back(e.DateText());
        return true;
    };
    tl.SetUnits(usYearsAndMonths);
    Show();
    ASSERT_TRUE(tl.AddNewEvent(1990, 2000));
    ASSERT_EQ(editedStarts.size(), 1u);
    EXPECT_EQ(editedStarts[0], QStringLiteral("1995"));
    dm.tblEvent.Refresh();
    ASSERT_TRUE(dm.tblEvent.Locate(QStringLiteral("Name"), QStringLiteral("New Event")));
    const int id = dm.tblEvent.AsInteger(QStringLiteral("ID"));
    EXPECT_EQ(StoredX(id), 533);
    EXPECT_TRUE(tl.Events().HasID(id));
    EXPECT_TRUE(dialogs.Shown().empty());

    tl.SetUnits(usCalendarDates);
    editedStarts.clear();
    ASSERT_TRUE(tl.AddNewEvent(0, 0));
    EXPECT_EQ(editedStarts[0], ShortDateText(QDate::currentDate()));

    // Cancelled: the record goes again.
    tl.Seams.RunEventEditor = [](TtlEvent&) { return false; };
    const int before = dm.tblEvent.RecordCount();
    EXPECT_FALSE(tl.AddNewEvent(40000, 40010));
    dm.tblEvent.Refresh();
    EXPECT_EQ(dm.tblEvent.RecordCount(), before);
}

TEST_F(EventListTest, NewEventOutsideTheSearchIsReported) {
    Add("a", 1, 5);
    dm.qryEvent.SetSQL(TdtmMain::DefaultEventSql() + QStringLiteral(" where A.Name = 'a'"));
    dm.qryEvent.Open();
    tl.SetRange(5, 1);
    ASSERT_TRUE(tl.AddNewEvent(1, 5));
    ASSERT_EQ(dialogs.ShownTexts().size(), 1);
    EXPECT_TRUE(dialogs.ShownTexts()[0].startsWith(QStringLiteral(
        "The event will not be shown in the current View / search results.\r\n\r\n")));
}

TEST_F(EventListTest, InsertNeedsANameAndAStart) {
    Show();
    EXPECT_EQ(tl.InsertEventRecord({}, QStringLiteral("5"), {}, {}, {}, {}, false, {}, {}, {}), -1);
    EXPECT_EQ(tl.InsertEventRecord(QStringLiteral("n"), {}, {}, {}, {}, {}, false, {}, {}, {}), -1);
    TSkipDateEntryScope skip(dm);
    const int id =
        tl.InsertEventRecord(QStringLiteral("n"), QStringLiteral("5"), QStringLiteral("7"), {}, {},
                             QStringLiteral("d"), true, {}, {}, {});
    EXPECT_GT(id, 0);
    EXPECT_EQ(StoredText(id, QStringLiteral("Description")), QStringLiteral("d"));
    EXPECT_EQ(StoredText(id, QStringLiteral("Formatting")), QString());
    // An end before the start inserts nothing and leaves no pending insert.
    EXPECT_THROW(tl.InsertEventRecord(QStringLiteral("bad"), QStringLiteral("9"),
                                      QStringLiteral("1"), {}, {}, {}, false, {}, {}, {}),
                 EVzError);
    EXPECT_FALSE(dm.tblEvent.Editing());
}

TEST_F(EventListTest, ClearPositionsEmptiesEveryStoredX) {
    const int a = Add(TEventRow{QStringLiteral("a"), 1, 5, 250, 0, 0, {}});
    const int b = Add("b", 2, 6);
    tl.SetModified(false);
    tl.ClearPositions();
    EXPECT_EQ(StoredX(a), std::nullopt);
    EXPECT_EQ(StoredX(b), std::nullopt);
    EXPECT_TRUE(tl.Modified());
    tl.SetModified(false);
    tl.ClearPositions();
    EXPECT_FALSE(tl.Modified()); // nothing left to clear
    Show();
    dm.SetEventTableReadOnly(true);
    dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = 7"));
    dm.tblEvent.Refresh();
    EXPECT_THROW(tl.ClearPositions(), EReadOnlyError);
    EXPECT_EQ(StoredX(a), 7);
}

TEST_F(EventListTest, SavingAnEventWhoseRecordIsGoneWritesNothing) {
    const int a = Add("a", 1, 5);
    Show();
    dm.ffDB.Execute(QStringLiteral("DELETE FROM Event"));
    dm.tblEvent.Refresh();
    tl.SetModified(false);
    Event(a).SaveX();
    Event(a).SaveFormatting();
    EXPECT_FALSE(tl.Modified());
}

TEST_F(EventListTest, PlainHelpersOfTheControl) {
    struct TCase {
        TUnitSystem Units;
        const char* Caption;
        const char* Unit;
    };
    const TCase cases[] = {{usYearsAndMonths, "Month (1-12)", "Year"},
                           {usHoursAndMinutes, "Minute (0-59)", "Hour"},
                           {usSteps, " (1-10)", "Step"},
                           {usMetresAndCentimetres, "Centimetre (0-99)", "Metre"},
                           {usCalendarDates, "", "Calendar Date"}};
    for (const TCase& c : cases) {
        tl.SetUnits(c.Units);
        EXPECT_EQ(tl.MinorUnitCaption(), QString::fromLatin1(c.Caption));
        EXPECT_EQ(tl.UnitName(), QString::fromLatin1(c.Unit));
    }
    EXPECT_EQ(tl.Axis().Caption(), QStringLiteral("Calendar Dates"));
    tl.SetCaptionFollowsUnits(false);
    tl.SetUnits(usSteps);
    EXPECT_EQ(tl.Axis().Caption(), QStringLiteral("Calendar Dates"));

    const int pixels[] = {5, 10, 25};
    for (int ord : {0, 1, 2}) {
        tl.SetBarWidthOrd(ord);
        EXPECT_EQ(tl.DefaultBarPixels(), pixels[ord]);
    }
    tl.SetFileName(QStringLiteral("Vezizivu 1"));
    EXPECT_TRUE(tl.FileNameHasNoFolder());
    tl.SetFileName(QStringLiteral("/home/a/b.tml"));
    EXPECT_FALSE(tl.FileNameHasNoFolder());

    EXPECT_TRUE(tl.TimelineID().contains(
        QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d_\\d\\d-\\d{3}$"))));
    const QString id = tl.TimelineID();
    EXPECT_EQ(tl.TimelineID(), id);

    tl.SetPassword(QStringLiteral("pw"));
    tl.SetRangeZoomContinuous(true);
    tl.ClearTimeline();
    EXPECT_EQ(tl.FileName(), QString());
    EXPECT_TRUE(tl.FileNameHasNoFolder());
    EXPECT_EQ(tl.Password(), QString());
    EXPECT_FALSE(tl.RangeZoomContinuous());
    EXPECT_TRUE(tl.CaptionFollowsUnits());
}

TEST_F(EventListTest, SettingsPartsAreTheOnesTheDisplayUses) {
    TSettingsParts parts = tl.SettingsParts();
    ASSERT_TRUE(parts.Timeline && parts.Axis && parts.Events && parts.Bays && parts.Legend);
    parts.Bays->BayWidth = 200;
    parts.Events->EventSnap = 10;
    parts.Axis->Style = 0;
    parts.Timeline->AxisOrientation = true;
    parts.Timeline->AxisPos = 4;
    parts.Timeline->LabelFmt = QStringLiteral("%0:s");
    tl.ApplySettings();
    EXPECT_EQ(tl.Bays().BayWidth(), 200);
    EXPECT_EQ(tl.Events().EventSnap(), 10);
    EXPECT_EQ(tl.Axis().Style(), 0);
    EXPECT_TRUE(tl.Axis().Horizontal());
    EXPECT_EQ(tl.Axis().Position(), 4);
    EXPECT_EQ(tl.Axis().AxisLine(), tl.Graph().Height() - 50);
    EXPECT_EQ(tl.LabelFmt(), QStringLiteral("%0:s"));
}

TEST_F(EventListTest, BindingsRefuseForwardOnlyDataSets) {
    class TForwardOnly : public TQuery, public TUniDirectional {
    public:
        using TQuery::TQuery;
    };
    TForwardOnly forward(dm.ffDB, QStringLiteral("forward"), QStringLiteral("select * from Event"));
    for (auto set : {&TTimeLine::SetDataSource, &TTimeLine::SetEventTableDataSource,
                     &TTimeLine::SetCatTableDataSource}) {
        try {
            (tl.*set)(&forward);
            FAIL() << "accepted";
        } catch (const EVzError& e) {
            EXPECT_EQ(e.Message(),
                      QStringLiteral("Operation not allowed on a unidirectional dataset"));
        }
    }
    EXPECT_EQ(tl.DataSource(), &dm.qryEvent);
    EXPECT_EQ(tl.EventTableDataSource(), &dm.tblEvent);
    EXPECT_EQ(tl.CatTableDataSource(), &dm.tblCategory);
}

TEST_F(EventListTest, EventNameByIdKeepsTheCurrentRow) {
    const int a = Add("first", 1), b = Add("second", 2);
    dm.tblEvent.Refresh();
    ASSERT_TRUE(dm.tblEvent.Locate(QStringLiteral("ID"), a));
    EXPECT_EQ(TtlEvent::EventNameByID(b, dm.tblEvent), QStringLiteral("second"));
    EXPECT_EQ(TtlEvent::EventNameByID(77, dm.tblEvent), QString());
    EXPECT_EQ(dm.tblEvent.AsInteger(QStringLiteral("ID")), a);
}
