// The time axis: range rounding, geometry, the value-to-pixel mapping, and the ticks it paints.
#include "DisplayFixture.h"

#include "common/Errors.h"
#include "time/DateNumbers.h"

#include <QDate>

namespace {
constexpr double kMarker = 0.0002; // a value typed without a minor

bool IsBlack(QRgb c) {
    return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40;
}

// Positions along the axis where the column (or row) at `across` holds black runs; the centre
// of every run.
std::vector<int> BlackRuns(const QImage& image, bool horizontal, int across, int from, int to) {
    std::vector<int> centres;
    int runStart = -1;
    for (int p = from; p <= to + 1; ++p) {
        const bool black = p <= to && (horizontal ? IsBlack(image.pixel(p, across))
                                                  : IsBlack(image.pixel(across, p)));
        if (black && runStart < 0)
            runStart = p;
        if (!black && runStart >= 0) {
            centres.push_back((runStart + p - 1) / 2);
            runStart = -1;
        }
    }
    return centres;
}
} // namespace

class AxisTest : public DisplayFixture {
protected:
    TtlAxis& axis() { return tl.Axis(); }

    void Vertical(int height, int width = 800) {
        tl.SetAxisOrientation(false);
        tl.SetAxisPos(1);
        Surface(width, height);
    }
    void Horizontal(int width, int pos = 1, int height = 600) {
        tl.SetAxisOrientation(true);
        tl.SetAxisPos(pos);
        Surface(width, height);
    }
    // The axis alone, black style, no gridlines, on the surface colour.
    QImage PaintAxis() {
        axis().SetStyle(0);
        axis().Settings().Gridlines = false;
        return Render();
    }
};

TEST_F(AxisTest, RangeIsRoundedOutwardAsTheUnitAndLengthRequire) {
    struct TCase {
        const char* What;
        TUnitSystem Units;
        bool Horizontal;
        int Length; // surface size along the axis
        double Start, End;
        double WantStart, WantEnd, WantPpu;
    };
    const TCase cases[] = {
        {"years without months, 600 high", usYearsAndMonths, false, 600, 1990 + kMarker,
         2000 + kMarker, 1990, 2000, 56},
        {"same on 2000 pixels", usYearsAndMonths, false, 2000, 1990 + kMarker, 2000 + kMarker, 1990,
         2000, 196},
        {"one value widens by 1/g", usSteps, false, 600, 5, 5, 4.9, 5.1, 560 / 0.2},
        {"negative years by months", usYearsAndMonths, false, 2000, -2, 1, -2, 1, 1960 / 3.0},
        {"months inside a year", usYearsAndMonths, false, 2000, 1990.3, 1990.6, 1990 + 3.0 / 12,
         1990 + 8.0 / 12, 1960 / (5.0 / 12)},
        {"calendar 20 days", usCalendarDates, true, 1200, 40000.4, 40020.2, 40000, 40021,
         1160 / 21.0},
        {"calendar 35 years rounds to 1000 days", usCalendarDates, false, 800, 30000, 42800, 30000,
         43000, 760 / 13000.0},
        {"steps round to hundreds", usSteps, false, 600, 3, 997, 0, 1000, 0.56},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        tl.SetUnits(c.Units);
        if (c.Horizontal)
            Horizontal(c.Length);
        else
            Vertical(c.Length);
        axis().AdjustRange(c.Start, c.End);
        EXPECT_NEAR(axis().StartValue(), c.WantStart, 1e-9);
        EXPECT_NEAR(axis().EndValue(), c.WantEnd, 1e-9);
        EXPECT_NEAR(axis().PixelsPerUnit(), c.WantPpu, 1e-9);
        EXPECT_NEAR(axis().Span(), c.WantEnd - c.WantStart, 1e-9);
    }
}

TEST_F(AxisTest, BoundsBeyondThirtyTwoBitsFailAndSetRangeReportsTheAxisError) {
    tl.SetUnits(usYearsAndMonths);
    Vertical(600);
    // 12 × 2e8 does not fit 32 bits once the range is narrow enough to round by months.
    EXPECT_THROW(axis().AdjustRange(2e8, 2e8 + 1), EVzError);
    Add("far", 2e8, 2e8 + 1);
    try {
        Show();
        FAIL() << "no error";
    } catch (const EVzError& e) {
        EXPECT_EQ(e.Message(),
                  QString::fromUtf8(
                      "Error creating axis.\r\n"
                      "* Check dates \xE2\x80\x93 check End value is greater than Start Value.\r\n"
                      "* Don't use numbers larger than 9 digits.\r\n"
                      "* You can have a start date only, but not an end date only.\r\n"
                      "* Don't use commas."));
    }
    EXPECT_EQ(tl.Events().Count(), 0);
}

TEST_F(AxisTest, CalendarRangeCountsTheLastDayWhole) {
    Horizontal(1200);
    Add("a", 40000, 40010);
    Show();
    EXPECT_DOUBLE_EQ(axis().StartValue(), 40000);
    EXPECT_DOUBLE_EQ(axis().EndValue(), 40011);
    EXPECT_DOUBLE_EQ(tl.RangeStart(), 40000);
    EXPECT_DOUBLE_EQ(tl.RangeEnd(), 40010);
}

TEST_F(AxisTest, GeometryFollowsOrientationPositionAndSize) {
    struct TCase {
        bool Horizontal;
        int Pos, W, H;
        int Line, Long, Short, EndPixel, Length;
    };
    const TCase cases[] = {
        {false, 0, 800, 600, 50, 60, 56, 580, 560}, {false, 1, 800, 600, 400, 410, 406, 580, 560},
        {false, 2, 800, 600, 50, 60, 56, 580, 560}, {true, 1, 1000, 600, 300, 310, 306, 980, 960},
        {true, 3, 1000, 600, 50, 60, 56, 980, 960}, {true, 4, 1000, 600, 550, 540, 544, 980, 960},
        {true, 2, 1000, 601, 50, 60, 56, 980, 960}, {true, 1, 1000, 601, 300, 310, 306, 980, 960},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Horizontal << " pos " << c.Pos);
        tl.SetAxisOrientation(c.Horizontal);
        tl.SetAxisPos(c.Pos);
        Surface(c.W, c.H);
        EXPECT_EQ(axis().AxisLine(), c.Line);
        EXPECT_EQ(axis().LongTickEnd(), c.Long);
        EXPECT_EQ(axis().ShortTickEnd(), c.Short);
        EXPECT_EQ(axis().AxisEndPixel(), c.EndPixel);
        EXPECT_EQ(axis().AxisLength(), c.Length);
    }
}

TEST_F(AxisTest, PixelMappingRoundsTiesToEvenAndExtentsUp) {
    tl.SetUnits(usSteps);
    Vertical(1040); // axis length 1000
    axis().AdjustRange(0, 1000);
    ASSERT_DOUBLE_EQ(axis().PixelsPerUnit(), 1);
    EXPECT_EQ(axis().ValueToPixel(0.5), 20);
    EXPECT_EQ(axis().ValueToPixel(1.5), 22);
    EXPECT_EQ(axis().ValueToPixel(2.5), 22);
    EXPECT_EQ(axis().ValueToPixel(-0.5), 20);
    EXPECT_EQ(axis().ExtentToPixels(2.01), 3);
    EXPECT_EQ(axis().ExtentToPixels(2), 2);
    EXPECT_DOUBLE_EQ(axis().PixelToValue(30), 10);
    EXPECT_EQ(axis().ValueToPixel(1000), 1020);
    EXPECT_DOUBLE_EQ(axis().PixelsToExtent(5), 5);
    // Values far outside the range stay inside the integer range.
    EXPECT_GT(axis().ValueToPixel(1e300), 0);
}

TEST_F(AxisTest, CaptionPositionsSetTheirFractionAndUnitsSwitchTheStyle) {
    axis().SetCaptionPos(0);
    EXPECT_FLOAT_EQ(axis().CaptionFraction(), 0.25f);
    axis().SetCaptionPos(9);
    EXPECT_FLOAT_EQ(axis().CaptionFraction(), 0.25f);
    axis().SetCaptionPos(2);
    EXPECT_FLOAT_EQ(axis().CaptionFraction(), 0.75f);

    tl.SetUnits(usSteps);
    axis().SwitchStyleForUnits(usCalendarDates);
    EXPECT_EQ(axis().Style(), 1);
    tl.SetUnits(usCalendarDates);
    axis().SwitchStyleForUnits(usSteps);
    EXPECT_EQ(axis().Style(), 3);
    axis().SwitchStyleForUnits(usCalendarDates);
    EXPECT_EQ(axis().Style(), 3);
    EXPECT_EQ(axis().Caption(), QStringLiteral("Calendar Dates"));
}

TEST_F(AxisTest, YearsTickEveryYearUpToTheEnd) {
    tl.SetUnits(usYearsAndMonths);
    Vertical(600);
    axis().AdjustRange(1990 + kMarker, 2000 + kMarker);
    const QImage image = PaintAxis();
    std::vector<int> want;
    for (int year = 0; year <= 10; ++year)
        want.push_back(20 + 56 * year);
    EXPECT_EQ(BlackRuns(image, false, axis().AxisLine() + 8, 0, image.height() - 1), want);
}

TEST_F(AxisTest, NegativeMonthsGetNoTicksButWholeYearsDo) {
    tl.SetUnits(usYearsAndMonths);
    Vertical(2000);
    axis().AdjustRange(-2, 1);
    const QImage image = PaintAxis();
    const std::vector<int> ticks =
        BlackRuns(image, false, axis().AxisLine() + 8, 0, image.height() - 1);
    const auto has = [&](double v) {
        const int p = axis().ValueToPixel(v);
        return std::find(ticks.begin(), ticks.end(), p) != ticks.end();
    };
    EXPECT_TRUE(has(-2));
    EXPECT_FALSE(has(-2 + 1.0 / 12));
    EXPECT_FALSE(has(-1.5));
    EXPECT_TRUE(has(-1));
    EXPECT_FALSE(has(-0.5));
    EXPECT_TRUE(has(0));
    EXPECT_TRUE(has(1.0 / 12));
    EXPECT_TRUE(has(0.5));
    EXPECT_TRUE(has(1));
    EXPECT_EQ(ticks.size(), 3u + 12u); // -2, -1, then 0 and every month to 1
}

TEST_F(AxisTest, CalendarDaysTickEveryDayWithLongSundays) {
    Horizontal(1200);
    const double start = DateToValue(QDate(2024, 3, 6)); // a Wednesday
    axis().AdjustRange(start, start + 20);
    ASSERT_GT(axis().PixelsPerUnit(), 30);
    const QImage image = PaintAxis();
    const int line = axis().AxisLine();
    const std::vector<int> all = BlackRuns(image, true, line + 4, 0, image.width() - 1);
    const std::vector<int> longs = BlackRuns(image, true, line + 8, 0, image.width() - 1);
    std::vector<int> wantAll, wantLong;
    for (int day = 1; day <= 20; ++day) {
        const int p = axis().ValueToPixel(start + day);
        wantAll.push_back(p);
        const bool sunday = QDate(2024, 3, 6).addDays(day).dayOfWeek() == 7;
        if (sunday || day == 20) // the last tick is drawn long again
            wantLong.push_back(p);
    }
    EXPECT_EQ(all, wantAll);
    EXPECT_EQ(longs, wantLong);
}

TEST_F(AxisTest, CalendarDecadesTickEveryFiveYearsLongOnTwentyFives) {
    Vertical(800);
    const double start = DateToValue(QDate(1969, 5, 1));
    axis().AdjustRange(start, DateToValue(QDate(2004, 5, 1)));
    ASSERT_LT(axis().PixelsPerUnit(), 0.08);
    ASSERT_GT(axis().PixelsPerUnit(), 0.008);
    const QImage image = PaintAxis();
    const int line = axis().AxisLine();
    const std::vector<int> all = BlackRuns(image, false, line + 4, 0, image.height() - 1);
    const std::vector<int> longs = BlackRuns(image, false, line + 8, 0, image.height() - 1);
    const QDate first = ValueToDate(axis().StartValue());
    const QDate last = ValueToDate(axis().EndValue());
    std::vector<int> wantAll, wantLong;
    for (int year = first.year() + 1; year <= last.year(); ++year) {
        if (year % 5 != 0)
            continue;
        const int p = axis().ValueToPixel(DateToValue(QDate(year, 1, 1)));
        wantAll.push_back(p);
        if (year % 25 == 0)
            wantLong.push_back(p);
    }
    ASSERT_FALSE(wantAll.empty());
    wantLong.push_back(wantAll.back()); // the last tick, drawn long again
    EXPECT_EQ(all, wantAll);
    EXPECT_EQ(longs, wantLong);
}

TEST_F(AxisTest, CalendarMillenniaDrawOnlyTheTwoEnds) {
    Vertical(800);
    axis().AdjustRange(DateToValue(QDate(1000, 1, 1)), DateToValue(QDate(4000, 1, 1)));
    ASSERT_LT(axis().PixelsPerUnit(), 0.0008);
    const QImage image = PaintAxis();
    const std::vector<int> ticks =
        BlackRuns(image, false, axis().AxisLine() + 8, 0, image.height() - 1);
    EXPECT_EQ(ticks, (std::vector<int>{axis().ValueToPixel(axis().StartValue()),
                                       axis().ValueToPixel(axis().EndValue())}));
}

TEST_F(AxisTest, BottomAxisTicksAndLabelsPointUp) {
    tl.SetUnits(usSteps);
    Horizontal(1000, 4);
    axis().AdjustRange(0, 10);
    const QImage image = PaintAxis();
    const int line = axis().AxisLine();
    ASSERT_EQ(line, 550);
    const std::vector<int> above = BlackRuns(image, true, line - 8, 0, image.width() - 1);
    EXPECT_EQ(above.size(), 11u);
    EXPECT_TRUE(BlackRuns(image, true, line + 8, 0, image.width() - 1).empty());
    // The label of the first tick reads upward and ends 12 pixels above the line: its black
    // cell, with text in it, lies in the column of the tick shifted by half the font height.
    const int half = int(std::nearbyint(axis().FontHeight() * 0.5));
    int black = 0, text = 0;
    for (int y = line - 30; y < line - 12; ++y) {
        for (int x = 20 + half; x < 20 + half + 9; ++x) {
            const QRgb c = image.pixel(x, y);
            if (IsBlack(c))
                ++black;
            else if (c != qRgb(160, 160, 160))
                ++text;
        }
    }
    EXPECT_GT(black, 10);
    EXPECT_GT(text, 3);
    EXPECT_TRUE(IsBlack(image.pixel(20 + half, line - 13)));
    EXPECT_FALSE(IsBlack(image.pixel(20 + half, line - 11)));
}

TEST_F(AxisTest, MetallicTicksAreCentredOnTheirPixel) {
    tl.SetUnits(usSteps);
    for (bool horizontal : {false, true}) {
        SCOPED_TRACE(horizontal);
        if (horizontal)
            Horizontal(1000, 3);
        else
            Vertical(1000);
        axis().AdjustRange(0, 10);
        axis().Settings().Gridlines = false;
        axis().SetStyle(1);
        const QImage image = Render();
        const int p = axis().ValueToPixel(5);
        const int across = axis().AxisLine() + 7; // beyond the metallic line (±5)
        auto at = [&](int along) {
            return horizontal ? image.pixel(along, across) : image.pixel(across, along);
        };
        // black, grey, silver, white, black from p − 2 to p + 2
        EXPECT_TRUE(IsBlack(at(p - 2)));
        EXPECT_EQ(qRed(at(p - 1)), 128);
        EXPECT_EQ(qRed(at(p)), 192);
        EXPECT_EQ(qRed(at(p + 1)), 255);
        EXPECT_TRUE(IsBlack(at(p + 2)));
    }
}

TEST_F(AxisTest, NothingIsPaintedWhileSelectedWithoutAxisOrInTheListDisplay) {
    tl.SetUnits(usSteps);
    Add("a", 1, 5);
    Vertical(600);
    Show();
    const QRgb background = Render().pixel(axis().AxisLine(), 300);
    EXPECT_NE(Render().pixel(axis().AxisLine(), 300), qRgb(160, 160, 160));
    tl.Events().Select(&tl.Events().At(0));
    EXPECT_EQ(Render().pixel(axis().AxisLine(), 300), qRgb(160, 160, 160));
    tl.Events().Select(nullptr);
    EXPECT_EQ(Render().pixel(axis().AxisLine(), 300), background);
    tl.SetAxisPos(2);
    ASSERT_EQ(axis().AxisLine(), 50);
    EXPECT_EQ(Render().pixel(50, 300), qRgb(160, 160, 160));
    tl.SetAxisPos(0);
    EXPECT_NE(Render().pixel(50, 300), qRgb(160, 160, 160));
    tl.SetDisplayMode(1);
    EXPECT_EQ(Render().pixel(50, 300), qRgb(160, 160, 160));
}

TEST_F(AxisTest, CalendarBandsDrawTheirRowsBeyondTheLine) {
    Horizontal(1200, 3);
    // Ten years: single-letter months (level 6) with a year row beyond them.
    const double start = DateToValue(QDate(2020, 1, 1));
    axis().AdjustRange(start, DateToValue(QDate(2030, 1, 1)));
    axis().SetStyle(3);
    axis().Settings().Gridlines = false;
    const QImage image = Render();
    const int line = axis().AxisLine();
    const int h = std::abs(axis().FontHeight());
    // White outlines of both rows.
    auto whiteRowAt = [&](int y) {
        int n = 0;
        for (int x = 20; x < 1180; ++x)
            n += image.pixel(x, y) == qRgb(255, 255, 255);
        return n;
    };
    EXPECT_GT(whiteRowAt(line), 1000);           // top edge of the month row
    EXPECT_GT(whiteRowAt(line + h + 5), 1000);   // its bottom edge
    EXPECT_GT(whiteRowAt(line - (h + 5)), 1000); // top edge of the year row
    // No plain tick marks in this style.
    EXPECT_TRUE(BlackRuns(image, true, line + 8, 0, image.width() - 1).empty());
}
