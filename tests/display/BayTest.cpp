// The bay layout: new bay offsets per orientation and position, first-fit placement in the four
// layout styles, what a build stores, and snapping.
#include "DisplayFixture.h"

#include <QRandomGenerator>

class BayTest : public DisplayFixture {
protected:
    TtlBayList& bays() { return tl.Bays(); }

    void Axis(bool horizontal, int pos) {
        tl.SetAxisOrientation(horizontal);
        tl.SetAxisPos(pos);
    }
    std::vector<int> NewBays(int count) {
        bays().Clear();
        std::vector<int> xs;
        for (int i = 0; i < count; ++i)
            xs.push_back(bays().NewBay().X);
        return xs;
    }
    std::vector<int> Xs(const std::vector<int>& ids) {
        std::vector<int> xs;
        for (int id : ids)
            xs.push_back(Event(id).X());
        return xs;
    }
};

TEST_F(BayTest, NewBaysFollowTheRuleOfTheOrientationAndPosition) {
    struct TCase {
        bool Horizontal;
        int Pos, Width, Snap;
        std::vector<int> Want;
    };
    const TCase cases[] = {
        {false, 1, 120, 25, {125, -125, 250, -250, 375, -375}},
        {true, 1, 120, 25, {125, -125, 250, -250}},
        {false, 0, 120, 25, {125, 250, 375}},
        {false, 2, 120, 25, {125, 250, 375}},
        {true, 2, 120, 25, {125, 250, 375}},
        {true, 3, 120, 25, {125, 250, 375}},
        {true, 4, 120, 25, {-125, -250, -375}},
        {false, 0, 100, 25, {100, 200, 300}},
        {false, 1, 100, 1, {101, -101, 201, -201}},
        // Pairs outside the valid ones take the rule of the valid pair with the same axis line.
        {false, 3, 120, 25, {125, 250, 375}},
        {false, 4, 120, 25, {125, 250, 375}},
        {true, 0, 120, 25, {125, 250, 375}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.Horizontal << " pos " << c.Pos << " width " << c.Width);
        Axis(c.Horizontal, c.Pos);
        bays().SetBayWidth(c.Width);
        tl.Events().SetEventSnap(c.Snap);
        EXPECT_EQ(NewBays(int(c.Want.size())), c.Want);
    }
}

TEST_F(BayTest, TightStylePlacesOverlappingSpansAlternatelyAndStoresX) {
    tl.SetUnits(usSteps);
    bays().SetLayout(0);
    for (int pos : {1, 0}) {
        SCOPED_TRACE(pos);
        Axis(false, pos);
        dm.ffDB.Execute(QStringLiteral("DELETE FROM Event"));
        const int a = Add("a", 10, 20), b = Add("b", 11, 21), c = Add("c", 12, 22);
        tl.SetModified(false);
        Show();
        const std::vector<int> want =
            pos == 1 ? std::vector<int>{125, -125, 250} : std::vector<int>{125, 250, 375};
        EXPECT_EQ(Xs({a, b, c}), want);
        EXPECT_EQ(StoredX(a), want[0]);
        EXPECT_EQ(StoredX(c), want[2]);
        EXPECT_TRUE(tl.Modified());
        // A second build reads the stored offsets and makes no bays.
        tl.SetModified(false);
        Show();
        EXPECT_EQ(Xs({a, b, c}), want);
        EXPECT_EQ(bays().Count(), 0);
        EXPECT_FALSE(tl.Modified());
    }
}

TEST_F(BayTest, BottomAxisBaysAreNegativeAndEventsStoreThemPositive) {
    tl.SetUnits(usSteps);
    bays().SetLayout(0);
    Axis(true, 4);
    const int a = Add("a", 10, 20), b = Add("b", 15, 25);
    Show();
    EXPECT_EQ(bays().At(0).X, -125);
    EXPECT_EQ(bays().At(1).X, -250);
    EXPECT_EQ(Xs({a, b}), (std::vector<int>{125, 250}));
    EXPECT_EQ(StoredX(b), 250);
    // Drawn above the axis.
    EXPECT_LT(Event(a).Bar().Top(), tl.Axis().AxisLine());
    EXPECT_LT(Event(b).Bar().Top(), Event(a).Bar().Top());
}

TEST_F(BayTest, PointEventsTakeTheirMinimumTimeInTheTightStyle) {
    tl.SetUnits(usSteps);
    bays().SetLayout(0);
    Axis(false, 0);
    Surface(800, 240); // axis length 200 over 0 to 100: 2 pixels per unit, min time 5
    const int a = Add("a", 50), b = Add("b", 50), c = Add("c", 61), d = Add("d", 61);
    Add("end", 0, 100);
    Show(0, 100);
    ASSERT_DOUBLE_EQ(tl.Axis().PixelsPerUnit(), 2);
    EXPECT_EQ(Event(a).X(), 125);
    EXPECT_EQ(Event(b).X(), 250); // same time: a new bay
    EXPECT_EQ(Event(c).X(), 125); // after 50 + 5 + 5: shares the first bay
    EXPECT_EQ(Event(d).X(), 250); // not after 61 + 5 + 5, but after 50 + 5 + 5
}

TEST_F(BayTest, GroupsStyleKeepsGroupsApartIgnoringCaseAndCountsTheLabel) {
    tl.SetUnits(usSteps);
    bays().SetLayout(1);
    Axis(false, 0);
    const int upper = AddGroup("A"), lower = AddGroup("a"), other = AddGroup("B");
    TEventRow r;
    r.Name = "x";
    r.Start = 0;
    r.End = 10;
    r.Group = upper;
    const int a1 = Add(r);
    r.Start = 20, r.End = 30, r.Group = lower;
    const int a2 = Add(r);
    r.Start = 40, r.End = 50, r.Group = other;
    const int b1 = Add(r);
    tl.Events().SetDefaultLabelFont(
        TFontDef{QStringLiteral("Arial"), 1, false, false, false, false, clBlack});
    tl.SetLabelFmt(QStringLiteral("%0:s"));
    Show(0, 100);
    EXPECT_EQ(Event(a1).X(), Event(a2).X());
    EXPECT_NE(Event(b1).X(), Event(a1).X());
    EXPECT_EQ(bays().Count(), 2);
    EXPECT_EQ(bays().At(0).Group, QStringLiteral("A"));
}

TEST_F(BayTest, GroupsStyleTakesTheBayUntilTheLabelEnds) {
    tl.SetUnits(usSteps);
    bays().SetLayout(3);
    Axis(false, 0);
    Surface(800, 240); // 2 pixels per unit over 0 to 100
    const int a = Add("a", 0, 10);
    Show(0, 100);
    const int labelWidth = Event(a).Label().Width();
    ASSERT_GT(labelWidth, 40);
    EXPECT_DOUBLE_EQ(bays().At(0).OccupiedUntil, labelWidth / 2.0);
    // An event starting before the label's end takes a new bay, one after it the same bay.
    const int early = Add("b", labelWidth / 2.0 - 1, labelWidth / 2.0);
    const int late = Add("c", labelWidth / 2.0 + 1, labelWidth / 2.0 + 2);
    dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = NULL"));
    Show(0, 100);
    EXPECT_EQ(Event(a).X(), 125);
    EXPECT_EQ(Event(early).X(), 250);
    EXPECT_EQ(Event(late).X(), 125);
}

TEST_F(BayTest, ManualStyleAndInvalidStylesUseTheManualOffset) {
    tl.SetUnits(usSteps);
    const int a = Add("a", 1, 5), b = Add("b", 2, 6);
    bays().SetLayout(2);
    Show();
    EXPECT_EQ(Xs({a, b}), (std::vector<int>{533, 533}));
    EXPECT_EQ(StoredX(a), 533);
    dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = NULL"));
    bays().SetLayout(7);
    Show();
    EXPECT_EQ(Xs({a, b}), (std::vector<int>{533, 533}));
    EXPECT_EQ(StoredX(a), std::nullopt); // placed again once the style is valid
    EXPECT_EQ(bays().Count(), 0);
}

TEST_F(BayTest, SnapToBayTakesANearBayThenTheGrid) {
    Axis(false, 1);
    NewBays(2); // 125, -125
    EXPECT_EQ(bays().SnapToBay(113), 125);
    EXPECT_EQ(bays().SnapToBay(160), 150);
    EXPECT_EQ(bays().SnapToBay(-140), -125);
    EXPECT_EQ(bays().SnapToBay(-100), -100);
    Axis(true, 4);
    NewBays(2); // -125, -250
    EXPECT_EQ(bays().SnapToBay(-137), 125);
    EXPECT_EQ(bays().SnapToBay(-180), 175);
}

// The first-fit search through the occupation tree gives exactly the bays of a plain scan in
// list order, for every style that packs.
TEST_F(BayTest, PlacementMatchesAPlainFirstFitScan) {
    tl.SetUnits(usSteps);
    Axis(false, 1);
    Surface(800, 1040); // 1 pixel per unit over 0 to 1000
    const QString groups[] = {QString(), QStringLiteral("Rome"), QStringLiteral("rome"),
                              QStringLiteral("Gaul")};
    int groupIds[4] = {0, AddGroup(groups[1]), AddGroup(groups[2]), AddGroup(groups[3])};
    tl.Events().SetMaxEvents(1000);
    QRandomGenerator rng(7);
    std::vector<int> ids;
    for (int i = 0; i < 300; ++i) {
        TEventRow r;
        r.Name = QStringLiteral("e%1").arg(i);
        r.Start = rng.bounded(1000);
        if (rng.bounded(3))
            r.End = r.Start + rng.bounded(200);
        r.Group = groupIds[rng.bounded(4)];
        ids.push_back(Add(r));
    }
    for (int layout : {0, 1}) {
        SCOPED_TRACE(layout);
        bays().SetLayout(layout);
        dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = NULL"));
        Show(0, 1000);
        ASSERT_EQ(tl.Axis().PixelsPerUnit(), 1);
        // Reference: every bay scanned in order, in the query's order.
        struct TRefBay {
            double Occupied;
            int X;
            QString Group;
        };
        std::vector<TRefBay> ref;
        const double minTime = tl.Events().MinBarHeight();
        for (int i = 0; i < tl.Events().Count(); ++i) {
            const TtlEvent& e = tl.Events().At(i);
            const bool point = e.EventKind() == 1;
            const QString group = layout == 1 ? e.GroupName() : QString();
            int found = -1;
            for (size_t k = 0; k < ref.size(); ++k) {
                if (!group.isEmpty() && group.compare(ref[k].Group, Qt::CaseInsensitive) != 0)
                    continue;
                if (point ? e.Start() > ref[k].Occupied + minTime : e.Start() >= ref[k].Occupied) {
                    found = int(k);
                    break;
                }
            }
            if (found < 0) {
                const int prev = ref.empty() ? -1 : ref.back().X;
                int x = -prev;
                if (x > 0)
                    x += 120;
                x = 25 * int(std::nearbyint(x / 25.0));
                ref.push_back({0, x, group});
                found = int(ref.size()) - 1;
            }
            double occupied = point ? e.Start() + minTime : e.End();
            if (layout == 1)
                occupied = std::max(e.Start() + e.Label().Width(), occupied);
            ref[size_t(found)].Occupied = occupied;
            EXPECT_EQ(e.X(), ref[size_t(found)].X) << "event " << i;
        }
        EXPECT_EQ(bays().Count(), int(ref.size()));
    }
}
