// Bars, labels and icons: their geometry along and across the axis, fills, wrapping, the
// visibility table and the list display.
#include "DisplayFixture.h"

#include "time/DateNumbers.h"

#include <QFontMetrics>

class BarTest : public DisplayFixture {
protected:
    // A horizontal axis of 1000 pixels (surface 1040 wide) over 0 to 100: 10 pixels per unit.
    void TenPixelsPerUnit(TUnitSystem units, int pos, double start = 0) {
        tl.SetUnits(units);
        tl.SetAxisOrientation(true);
        tl.SetAxisPos(pos);
        Surface(1040, 600);
        Show(start, start + 100);
        ASSERT_DOUBLE_EQ(tl.Axis().PixelsPerUnit(), 10);
    }
    int AddAt(const QString& name, double start, std::optional<double> end, int x, int group = 0) {
        return Add(TEventRow{name, start, end, x, group, 0, {}});
    }
    QByteArray Icon(QColor colour) {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(colour);
        return PictureBytes(image, "PNG");
    }
};

TEST_F(BarTest, BarsLieAtTheirBayAcrossAHorizontalAxis) {
    struct TCase {
        int Pos, X, Top;
    };
    // o = round(120 × 0.1) = 12: top 50 + 125 − 12; bottom axis at 550: 550 − 12 − 125.
    const TCase cases[] = {{3, 125, 163}, {4, 125, 413}, {1, -125, 163},
                           {3, -100, 35}, {1, 400, 480}, {4, -600, 480}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "pos " << c.Pos << " X " << c.X);
        dm.ffDB.Execute(QStringLiteral("DELETE FROM Event"));
        const int id = AddAt("a", 10, 20, c.X);
        TenPixelsPerUnit(usSteps, c.Pos);
        EXPECT_EQ(Event(id).Bar().Top(), c.Top);
        EXPECT_EQ(Event(id).Bar().Height(), 10);
        EXPECT_EQ(Event(id).Bar().Left(), 120);
        EXPECT_EQ(Event(id).Bar().Width(), 100);
    }
}

TEST_F(BarTest, BarsLieAtTheirBayBesideAVerticalAxis) {
    tl.SetUnits(usSteps);
    const int right = AddAt("r", 10, 20, 125), left = AddAt("l", 10, 20, -125),
              far = AddAt("f", 10, 20, 900), near = AddAt("n", 10, 20, -390);
    Surface(800, 600);
    Show(0, 100);
    EXPECT_EQ(Event(right).Bar().Left(), 400 + 125 - 12);
    EXPECT_EQ(Event(left).Bar().Left(), 400 - 125 - 12);
    EXPECT_EQ(Event(far).Bar().Left(), 800 - 120);
    EXPECT_EQ(Event(near).Bar().Left(), 35);
    EXPECT_EQ(Event(right).Bar().Width(), 10);
    EXPECT_EQ(Event(right).Bar().Top(), tl.Axis().ValueToPixel(10));
    // The label sits right of the bar, centred on its middle.
    const TtlBarLabel& label = Event(right).Label();
    EXPECT_EQ(label.Left(), Event(right).Bar().Left() + 10 + 2);
    const TtlBar& bar = Event(right).Bar();
    EXPECT_EQ(label.Top(), bar.Top() + int(std::nearbyint(bar.Height() / 2.0)) -
                               int(std::nearbyint(label.Height() / 2.0)));
}

TEST_F(BarTest, LabelsBesideAVerticalAxisKeepClearOfTheAxisLineAndTheEdge) {
    tl.SetUnits(usSteps);
    tl.SetLabelFmt(QStringLiteral("%0:s"));
    const int shortLabel = AddAt("ab", 10, 20, -125);
    const int longLabel = AddAt("Long enough to cross", 30, 40, -125);
    const int right = AddAt("Long enough to cross", 50, 60, 125);
    const int atEdge = AddAt("Long enough to cross", 70, 80, 250);
    Surface(800, 600);
    Show(0, 100);
    // Past the right edge of the surface: left of its bar, still clear of the axis.
    const TtlBar& edgeBar = Event(atEdge).Bar();
    EXPECT_EQ(Event(atEdge).Label().Left() + Event(atEdge).Label().Width() + 2, edgeBar.Left());
    EXPECT_GT(Event(atEdge).Label().Left(), 400 + 6);
    const TtlBar& bar = Event(longLabel).Bar();
    EXPECT_EQ(Event(shortLabel).Label().Left(), Event(shortLabel).Bar().Left() + 12);
    EXPECT_EQ(Event(longLabel).Label().Left() + Event(longLabel).Label().Width() + 2, bar.Left());
    EXPECT_EQ(Event(right).Label().Left(), Event(right).Bar().Left() + 12);
    // The icon stays over the bar.
    EXPECT_EQ(Event(longLabel).Icon().Left(), bar.Left() + 12 - 34);
}

TEST_F(BarTest, LongBarsAreCutToSixThousandPixelsAfterTheirOffSurfacePart) {
    const int id = AddAt("long", -302, 498, 125);
    TenPixelsPerUnit(usSteps, 3);
    EXPECT_EQ(Event(id).Bar().Left(), -1);
    EXPECT_EQ(Event(id).Bar().Width(), 8000 - 2999);
    // The label of a bar that starts off the left edge begins at 10.
    EXPECT_EQ(Event(id).Label().Left(), 10);
}

TEST_F(BarTest, PointsAndShortSpansTakeTheMinimumLength) {
    const int point = AddAt("p", 1990, std::nullopt, 125);
    const int quarter = AddAt("q", 1990, 1990.25, 250);
    TenPixelsPerUnit(usYearsAndMonths, 3, 1950);
    const TtlBar& p = Event(point).Bar();
    EXPECT_TRUE(p.Circle());
    EXPECT_EQ(p.Width(), 10);
    EXPECT_EQ(p.Left(), tl.Axis().ValueToPixel(1990) - 5);
    EXPECT_FALSE(Event(quarter).Bar().Circle());
    EXPECT_EQ(Event(quarter).Bar().Width(), 10);
    tl.Events().SetShowRealBarHeight(true);
    tl.Events().RepositionAll();
    EXPECT_EQ(Event(quarter).Bar().Width(), 3); // 2.5 pixels rounded up
}

TEST_F(BarTest, CalendarBarsCountTheLastDayAndPointsTakeOneDay) {
    const double march1 = DateToValue(QDate(2024, 3, 1));
    const int span = AddAt("s", march1, march1 + 2, 125);
    const int point = AddAt("p", march1 + 5, std::nullopt, 250);
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(3);
    Surface(1040, 600);
    const double start = 5 * std::floor((march1 - 10) / 5);
    Show(start, start + 49); // the axis runs to start + 50: 20 pixels a day
    ASSERT_DOUBLE_EQ(tl.Axis().PixelsPerUnit(), 20);
    EXPECT_EQ(Event(span).Bar().Width(), 60);
    EXPECT_EQ(Event(point).Bar().Width(), 20);
    EXPECT_EQ(Event(point).Bar().Left(), tl.Axis().ValueToPixel(march1 + 5));
    EXPECT_FALSE(Event(point).Bar().Circle());
}

TEST_F(BarTest, LabelsArePulledInsideTheSurfaceEdges) {
    const int id = AddAt("A label that is long enough to run past the right edge", 98, 99, 125);
    TenPixelsPerUnit(usSteps, 3);
    const TtlBarLabel& label = Event(id).Label();
    EXPECT_EQ(label.Left() + label.Width(), 1040 - 10);
    EXPECT_EQ(label.Top(), Event(id).Bar().Top() - label.Height() - 2);
}

TEST_F(BarTest, AutoWrapKeepsLabelsWithinTheBay) {
    const QString name = QStringLiteral("The long siege of a city with a very long name indeed");
    tl.SetLabelFmt(QStringLiteral("%0:s"));
    tl.Events().SetAutoWrapLabels(true);
    const int id = AddAt(name, 10, 20, 125);
    const int lineHeight = QFontMetrics(tl.Events().DefaultLabelFont().ToQFont()).height();

    tl.SetUnits(usSteps);
    Surface(800, 600);
    Show(0, 100);
    const TtlBarLabel& vertical = Event(id).Label();
    EXPECT_TRUE(vertical.WordWrap());
    EXPECT_EQ(vertical.Width(), 120 - 20);
    EXPECT_GT(vertical.Height(), 2 * lineHeight);
    EXPECT_EQ(vertical.Height() % lineHeight, 0);

    TenPixelsPerUnit(usSteps, 3);
    const TtlBarLabel& horizontal = Event(id).Label();
    EXPECT_LE(horizontal.Height(), 120 - 20);
    EXPECT_GE(horizontal.Height(), 2 * lineHeight);
    EXPECT_LT(horizontal.Width(), horizontal.TextSize().width());
    EXPECT_EQ(horizontal.Top() + horizontal.Height() + 2, Event(id).Bar().Top());
}

TEST_F(BarTest, PointEventsWithAnIconShowTheIconInsteadOfTheBar) {
    const int g = AddGroup(QStringLiteral("G"), {}, {}, Icon(Qt::red));
    const int point = AddAt("p", 50, std::nullopt, 125, g);
    const int span = AddAt("s", 10, 30, 250, g);
    const int bare = AddAt("b", 60, std::nullopt, 375);
    TenPixelsPerUnit(usSteps, 3);
    const TtlEvent& p = Event(point);
    EXPECT_TRUE(p.HasIcon());
    EXPECT_TRUE(p.Icon().Visible());
    EXPECT_FALSE(p.Bar().Visible());
    EXPECT_EQ(p.Icon().Width(), 34);
    EXPECT_EQ(p.Icon().Left(), int(std::nearbyint(p.Bar().Left() + p.Bar().Width() / 2.0 - 17)));
    EXPECT_EQ(p.Icon().Top(), p.Bar().Top());
    EXPECT_FALSE(Event(span).Icon().Visible());
    EXPECT_TRUE(Event(span).Bar().Visible());
    EXPECT_FALSE(Event(bare).HasIcon());
    EXPECT_TRUE(Event(bare).Bar().Visible());
    // The icon is painted: red where the bar would be.
    const QImage image = Render();
    EXPECT_EQ(image.pixel(p.Icon().Rect().center()), qRgb(255, 0, 0));
}

TEST_F(BarTest, VisibilityFollowsTheTableInBothDisplays) {
    const int g = AddGroup(QStringLiteral("G"), {}, {}, Icon(Qt::blue));
    const int parent = AddAt("parent", 10, 90, 125);
    const int child = Add(TEventRow{QStringLiteral("child"), 20, 30, 250, 0, parent, {}});
    const int blown =
        Add(TEventRow{QStringLiteral("gone"), 40, 50, 375, 0, 0, QStringLiteral("BlownAway=1")});
    const int iconSpan = AddAt("icon span", 10, 20, 500, g);
    TenPixelsPerUnit(usSteps, 3);
    struct TWant {
        int Id;
        bool Bar, Label, Icon;
    };
    const TWant timeline[] = {{parent, true, true, false},
                              {child, false, false, false},
                              {blown, false, false, false},
                              {iconSpan, true, true, false}};
    for (const TWant& w : timeline) {
        SCOPED_TRACE(w.Id);
        EXPECT_EQ(Event(w.Id).Bar().Visible(), w.Bar);
        EXPECT_EQ(Event(w.Id).Label().Visible(), w.Label);
        EXPECT_EQ(Event(w.Id).Icon().Visible(), w.Icon);
    }
    tl.SetDisplayMode(1);
    tl.Events().RepositionAll();
    const TWant list[] = {{parent, false, true, false},
                          {child, false, true, false},
                          {blown, false, false, false},
                          {iconSpan, false, true, true}};
    for (const TWant& w : list) {
        SCOPED_TRACE(w.Id);
        EXPECT_EQ(Event(w.Id).Bar().Visible(), w.Bar);
        EXPECT_EQ(Event(w.Id).Label().Visible(), w.Label);
        EXPECT_EQ(Event(w.Id).Icon().Visible(), w.Icon);
    }
}

TEST_F(BarTest, TheListDisplayLaysOutRowsAndSizesTheSurface) {
    tl.SetUnits(usSteps);
    for (int i = 0; i < 20; ++i)
        AddAt(QStringLiteral("e%1").arg(i), i, i + 1, 125);
    tl.SetDisplayMode(1);
    Show();
    for (int i : {0, 7, 19}) {
        const TtlEvent& e = tl.Events().At(i);
        EXPECT_EQ(e.Icon().Rect().topLeft(), QPoint(20, i * 35 + 20));
        EXPECT_EQ(e.Label().Rect().topLeft(), QPoint(70, i * 35 + 25));
        EXPECT_FALSE(e.Bar().Visible());
        EXPECT_FALSE(e.Label().WordWrap());
    }
    // Control 1004 × 604 (client 1000 × 600 inside a 2-pixel border); the last row ends at
    // 19 × 35 + 20 + 50 = 735, beyond it: room for a scroll bar.
    EXPECT_EQ(tl.Graph().Size(), QSize(1004 - 4 - 16, 735));
    EXPECT_TRUE(tl.ListNeedsScrollBar());
    EXPECT_FALSE(tl.EffectiveHorizontal());
    EXPECT_EQ(tl.EffectiveAxisPos(), 0);
}

TEST_F(BarTest, ParentsAreCrossHatchedAndTransparentLabelsDrawOnlyText) {
    const int parent = AddAt("parent", 10, 90, 125);
    Add(TEventRow{QStringLiteral("child"), 20, 30, 250, 0, parent, {}});
    TenPixelsPerUnit(usSteps, 3);
    const TtlBar& bar = Event(parent).Bar();
    ASSERT_TRUE(bar.Hatched());
    // The hatch leaves white between its lines inside the bar.
    const QImage hatched = Render();
    bool white = false, aqua = false;
    for (int x = bar.Left() + 1; x < bar.Left() + 60; ++x) {
        const QRgb c = hatched.pixel(x, bar.Top() + 4);
        white |= c == qRgb(255, 255, 255);
        aqua |= c == qRgb(0, 255, 255);
    }
    EXPECT_TRUE(white && aqua);

    const QRect label = Event(parent).Label().Rect();
    const QPoint corner = label.topLeft() + QPoint(1, 1);
    EXPECT_EQ(Render().pixel(corner), qRgb(255, 255, 255));
    tl.Graph().SetTransparentLabels(true);
    EXPECT_TRUE(Event(parent).Label().Transparent());
    EXPECT_EQ(Render().pixel(corner), qRgb(160, 160, 160));
}

TEST_F(BarTest, GroupBarWidthsOutsideTheOrdinalsCountAsTheDefault) {
    const int thin = AddGroup(QStringLiteral("thin"), {}, QStringLiteral("BarWidth=0\r\n"));
    const int odd = AddGroup(QStringLiteral("odd"), {}, QStringLiteral("BarWidth=x\r\n"));
    const int wide = AddGroup(QStringLiteral("wide"), {}, QStringLiteral("barwidth=7\r\n"));
    const int a = AddAt("a", 10, 20, 125, thin), b = AddAt("b", 10, 20, 250, odd),
              c = AddAt("c", 10, 20, 375, wide);
    tl.SetBarWidthOrd(2);
    TenPixelsPerUnit(usSteps, 3);
    EXPECT_EQ(Event(a).Bar().Height(), 5);
    EXPECT_EQ(Event(b).Bar().Height(), 25);
    EXPECT_EQ(Event(c).Bar().Height(), 25);
}
