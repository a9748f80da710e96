#include "common/Errors.h"
#include "storage/IniFile.h"
#include "storage/TimelineSettings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using vztest::ReadAll;
using vztest::WriteAll;

namespace {
// Every settings part, as the display objects will hold them.
struct TParts {
    TTimelineSettings Timeline;
    TAxisSettings Axis;
    TEventListSettings Events;
    TBaySettings Bays;
    TLegendSettings Legend;
    TAppOptions App;
    TSettingsParts Parts() { return {&Timeline, &Axis, &Events, &Bays, &Legend, &App}; }
};

QStringList KeyOrder(const QByteArray& bytes) {
    QStringList keys;
    for (const QByteArray& line : bytes.split('\n')) {
        const QString l = QString::fromUtf8(line).trimmed();
        if (l.startsWith('['))
            keys << l;
        else if (l.contains('='))
            keys << l.section('=', 0, 0);
    }
    return keys;
}
} // namespace

class TimelineSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { folder = vztest::NewTempFolder("settings") + "/"; }
    void Read(const QString& name, bool timelineMode, const TLegendBounds& bounds = {}) {
        ReadTimelineSettings(folder + name, timelineMode, p.Parts(), {"/home/u/Documents/", bounds});
    }
    void Write(const QString& name, bool timelineMode) { WriteTimelineSettings(folder + name, timelineMode, p.Parts()); }

    QString folder;
    TParts p;
};

TEST_F(TimelineSettingsTest, AFileWithOnlyUnitsKeepsTheSettingsInForce) {
    // The defaults file read at the last close set values different from the built-in ones.
    WriteAll(folder + "quistor.ini",
             "[General]\r\nMinBarHeight=33\r\nBayWidth=77\r\nLabelFmt=%1:s\r\nBarColor=clRed\r\n"
             "BarOutlineColor=clBlue\r\nAxisCaptionPos=2\r\nAxisPos=0\r\nAxisStyle=3\r\nAxisOrientation=1\r\n"
             "Gridlines=0\r\nLayout=1\r\nBayOffset=0.25\r\nLegendFont=\"Arial\", 9, [], [clNavy]\r\n");
    Read("quistor.ini", true);
    ASSERT_EQ(p.Axis.CaptionPos, 2);

    WriteAll(folder + "Vezizivu.ini", "[General]\r\nUnits=3\r\n");
    Read("Vezizivu.ini", true);
    EXPECT_EQ(p.Timeline.Units, usHoursAndMinutes);
    // In force: what the defaults file set.
    EXPECT_EQ(p.Events.MinBarHeight, 33);
    EXPECT_EQ(p.Bays.BayWidth, 77);
    EXPECT_EQ(p.Timeline.LabelFmt, "%1:s");
    EXPECT_EQ(p.Events.BarColor, clRed);
    EXPECT_FALSE(p.Axis.Gridlines);
    EXPECT_EQ(p.Bays.Layout, 1);
    EXPECT_FLOAT_EQ(p.Bays.BayOffset, 0.25f);
    EXPECT_EQ(p.Legend.Font.Color, 0x00800000u);
    // Fixed defaults.
    EXPECT_EQ(p.Events.BarOutlineColor, clBlack);
    EXPECT_EQ(p.Axis.CaptionPos, 1);
    EXPECT_EQ(p.Timeline.AxisPos, 1);
    EXPECT_EQ(p.Axis.Style, 1);
    EXPECT_FALSE(p.Timeline.AxisOrientation);
    EXPECT_TRUE(p.Timeline.CaptionFollowsUnits) << "no AxisCaption key: the caption still follows the units";
}

TEST_F(TimelineSettingsTest, AMissingFileGivesTheFixedDefaults) {
    p.Timeline.Units = usSteps;
    p.Timeline.TimelineID = "2009-03-14_15-09_26-535";
    p.Timeline.SourceName = "Other";
    p.Events.BarOutlineColor = clRed;
    Read("missing.ini", true);
    EXPECT_EQ(p.Timeline.Units, usCalendarDates);
    EXPECT_EQ(p.Timeline.TimelineID, "");
    EXPECT_EQ(p.Timeline.SourceName, "");
    EXPECT_EQ(p.Events.BarOutlineColor, clBlack);
}

TEST_F(TimelineSettingsTest, TwoLineLabelFormatIsOneLineInTheFile) {
    p.Timeline.LabelFmt = "%0:s\r\n%1:s";
    Write("Vezizivu.ini", true);
    const QByteArray bytes = ReadAll(folder + "Vezizivu.ini");
    EXPECT_TRUE(bytes.contains("\r\nLabelFmt=%0:s!!!CR!!!%1:s\r\n")) << bytes.constData();
    p.Timeline.LabelFmt.clear();
    Read("Vezizivu.ini", true);
    EXPECT_EQ(p.Timeline.LabelFmt, "%0:s\r\n%1:s");
}

TEST_F(TimelineSettingsTest, LineBreaksInAnyTextCannotBreakTheFile) {
    p.Axis.Caption = "Years\nChecksum=stolen";
    p.Timeline.LabelFmt = "a\nb\rc";
    Write("Vezizivu.ini", true);
    const QByteArray bytes = ReadAll(folder + "Vezizivu.ini");
    EXPECT_TRUE(bytes.contains("\r\nChecksum=\r\n")) << bytes.constData();
    Read("Vezizivu.ini", true);
    EXPECT_EQ(p.Timeline.Password, "");
    EXPECT_EQ(p.Axis.Caption, "Years\r\nChecksum=stolen");
    EXPECT_EQ(p.Timeline.LabelFmt, "a\r\nb\r\nc");
}

TEST_F(TimelineSettingsTest, LegendIsKeptInsideTheSurface) {
    const struct {
        int Left, Top;
        TLegendBounds Bounds;
        int WantLeft, WantTop;
    } cases[] = {
        {900, 50, {true, 600, 400, 150, 100}, 450, 50},   // beyond the right edge: against it
        {900, 50, {true, 100, 400, 150, 100}, 0, 50},     // legend wider than the surface: at 0
        {300, 500, {true, 600, 400, 150, 100}, 300, 300}, // below the bottom: against it
        {300, 500, {true, 600, 80, 150, 100}, 300, 0},    // taller than the surface: top stays visible
        {600, 400, {true, 600, 400, 150, 100}, 600, 400}, // exactly at the edge: unchanged
        {900, 900, {}, 900, 900},                         // sizes unknown (no window): as stored
    };
    for (const auto& c : cases) {
        WriteAll(folder + "Vezizivu.ini",
                 QStringLiteral("[General]\r\nLegendLeft=%1\r\nLegendTop=%2\r\n").arg(c.Left).arg(c.Top).toUtf8());
        Read("Vezizivu.ini", true, c.Bounds);
        EXPECT_EQ(p.Legend.Left, c.WantLeft) << c.Left << "," << c.Top;
        EXPECT_EQ(p.Legend.Top, c.WantTop) << c.Left << "," << c.Top;
    }
}

TEST_F(TimelineSettingsTest, EveryKeyRoundTripsInBothModes) {
    p.Timeline = {usKilometresAndMetres, true, 0, 2, "%1:s", false, "Secret", "2001-01-01_01-01_01-001",
                  "src-id", "Source \u00e9", false, "war"};
    p.Axis = {"Kilometres \u4e2d", {"Courier New", 9, false, true, false, false, TColor(0x0000FFFF)}, RgbColour(9, 8, 7), 2, 3, false};
    p.Events = {5, 20, true, 400, true, {"Verdana", 14, false, false, true, false, clRed}, RgbColour(1, 2, 3),
                RgbColour(0, 0, 200), true};
    p.Bays = {90, 0.3f, 2};
    p.Legend = {40, 60, true, {"Tahoma", 7, true, true, false, false, clWhite}, TColor(0x00F0FBFF)};
    p.App = {true, true, "/data/timelines"};
    const TParts written = p;
    Write("Vezizivu.ini", true);
    Write("quistor.ini", false);

    p = TParts();
    Read("Vezizivu.ini", true);
    Read("quistor.ini", false);
    EXPECT_EQ(p.Timeline.Units, written.Timeline.Units);
    EXPECT_EQ(p.Timeline.AxisOrientation, true);
    EXPECT_EQ(p.Timeline.AxisPos, 0);
    EXPECT_EQ(p.Timeline.BarWidthOrd, 2);
    EXPECT_EQ(p.Timeline.LabelFmt, "%1:s");
    EXPECT_FALSE(p.Timeline.ParentChildDisplay);
    EXPECT_EQ(p.Timeline.Password, "Secret");
    EXPECT_EQ(p.Timeline.TimelineID, written.Timeline.TimelineID);
    EXPECT_EQ(p.Timeline.SourceID, "src-id");
    EXPECT_EQ(p.Timeline.SourceName, written.Timeline.SourceName);
    EXPECT_FALSE(p.Timeline.CaptionFollowsUnits);
    EXPECT_EQ(p.Axis.Caption, written.Axis.Caption);
    EXPECT_EQ(p.Axis.Font, written.Axis.Font);
    EXPECT_EQ(p.Axis.LabelBackground, written.Axis.LabelBackground);
    EXPECT_EQ(p.Axis.CaptionPos, 2);
    EXPECT_EQ(p.Axis.Style, 3);
    EXPECT_FALSE(p.Axis.Gridlines);
    EXPECT_EQ(p.Events.EventSnap, 5);
    EXPECT_EQ(p.Events.MinBarHeight, 20);
    EXPECT_TRUE(p.Events.ShowRealBarHeight);
    EXPECT_EQ(p.Events.MaxEvents, 400);
    EXPECT_TRUE(p.Events.AutoWrapLabels);
    EXPECT_EQ(p.Events.LabelFont, written.Events.LabelFont);
    EXPECT_EQ(p.Events.BarColor, written.Events.BarColor);
    EXPECT_EQ(p.Events.BarOutlineColor, written.Events.BarOutlineColor);
    EXPECT_TRUE(p.Events.TransparentLabels);
    EXPECT_EQ(p.Bays.BayWidth, 90);
    EXPECT_FLOAT_EQ(p.Bays.BayOffset, 0.3f);
    EXPECT_EQ(p.Bays.Layout, 2);
    EXPECT_EQ(p.Legend.Left, 40);
    EXPECT_EQ(p.Legend.Top, 60);
    EXPECT_TRUE(p.Legend.Visible);
    EXPECT_EQ(p.Legend.Font, written.Legend.Font);
    EXPECT_EQ(p.Legend.Color, written.Legend.Color);
    EXPECT_TRUE(p.App.HintsOn);
    EXPECT_TRUE(p.App.NewTimelineWizard);
    EXPECT_EQ(p.App.MyTimelinesFolder, "/home/u/Documents/My Timelines") << "MyTimelines is never written";
}

TEST_F(TimelineSettingsTest, KeysAreWrittenInTheirOrder) {
    Write("Vezizivu.ini", true);
    Write("quistor.ini", false);
    const QStringList both = {"Units", "ShowRealBarHeight", "MinBarHeight", "EventSnap", "LayoutStyle", "BayWidth",
                              "BarWidthOrd", "BayOffset", "AutoWrapLabels", "LabelFmt", "LabelFont", "LegendLeft",
                              "LegendTop", "ShowLegend", "BarColor", "BarOutlineColor", "AxisFont", "LegendFont",
                              "AxisLabelColor", "AxisPos", "AxisStyle", "AxisCaptionPos", "TransparentLabels",
                              "Gridlines", "LegendColor", "Layout", "AxisOrientation", "[Parenting]", "Display"};
    EXPECT_EQ(KeyOrder(ReadAll(folder + "Vezizivu.ini")),
              QStringList({"[General]", "SearchText", "AxisCaption", "ID", "SourceID", "SourceName", "Checksum"}) + both);
    EXPECT_EQ(KeyOrder(ReadAll(folder + "quistor.ini")),
              QStringList({"[General]", "HintsOn", "NewTimelineWizard", "MaxEvents"}) + both);
}

TEST_F(TimelineSettingsTest, ValueTexts) {
    p.App.HintsOn = true;
    p.Events.BarColor = clAqua;
    p.Events.BarOutlineColor = RgbColour(1, 2, 3);
    Write("quistor.ini", false);
    const QString text = QString::fromUtf8(ReadAll(folder + "quistor.ini"));
    for (const char* line : {"HintsOn=1", "NewTimelineWizard=0", "BayOffset=0.100000001490116", "BarColor=clAqua",
                             "BarOutlineColor=$00030201", "LabelFont=\"Arial\", 12, [Bold], [clBlack]",
                             "LegendColor=clBtnFace", "LabelFmt=%0:s %1:s", "LayoutStyle=3", "AxisOrientation=0"})
        EXPECT_TRUE(text.contains(QStringLiteral("\r\n%1\r\n").arg(line))) << line << "\n" << text.toStdString();
}

TEST_F(TimelineSettingsTest, UnknownSectionsAndKeysAreKept) {
    WriteAll(folder + "Vezizivu.ini",
             "[Extra]\r\nA=1\r\n[general]\r\nsomethingNew=keep me\r\nunits=3\r\n[Parenting]\r\nOther=x\r\n");
    Read("Vezizivu.ini", true);
    EXPECT_EQ(p.Timeline.Units, usHoursAndMinutes) << "names compare without regard to case";
    Write("Vezizivu.ini", true);
    const TIniFile ini(folder + "Vezizivu.ini");
    EXPECT_EQ(ini.Sections(), QStringList({"Extra", "general", "Parenting"}));
    EXPECT_EQ(ini.ReadString("Extra", "A", {}), "1");
    EXPECT_EQ(ini.ReadString("General", "SomethingNew", {}), "keep me");
    EXPECT_EQ(ini.ReadString("Parenting", "Other", {}), "x");
    EXPECT_EQ(ini.Keys("general").mid(0, 2), QStringList({"somethingNew", "units"}));
}

TEST_F(TimelineSettingsTest, UnreadableValues) {
    // Numbers that cannot be read give the default; fonts and colours fail.
    WriteAll(folder + "a.ini", "[General]\r\nMinBarHeight=tall\r\nGridlines=yes\r\nBayOffset=x\r\nUnits=12\r\n");
    p.Events.MinBarHeight = 44;
    p.Axis.Gridlines = false;
    Read("a.ini", true);
    EXPECT_EQ(p.Events.MinBarHeight, 44);
    EXPECT_FALSE(p.Axis.Gridlines);
    EXPECT_FLOAT_EQ(p.Bays.BayOffset, 0.1f);
    EXPECT_EQ(p.Timeline.Units, usCalendarDates) << "an unknown unit code reads as calendar dates";
    for (const char* line : {"LabelFont=\"Arial\", big, [], [clBlack]", "BarColor=pinkish", "AxisFont=\"Arial\", 9, [], [x]"}) {
        WriteAll(folder + "b.ini", QByteArray("[General]\r\n") + line + "\r\n");
        EXPECT_THROW(Read("b.ini", true), EVzError) << line;
    }
    WriteAll(folder + "c.ini", "[General]\r\nLabelFont=\r\nBarColor=\r\n");
    p.Events.BarColor = clRed;
    Read("c.ini", true);
    EXPECT_EQ(p.Events.BarColor, clRed) << "an empty colour leaves the colour";
}

TEST_F(TimelineSettingsTest, DecimalSeparatorOfEitherKindIsRead) {
    WriteAll(folder + "a.ini", "[General]\r\nBayOffset=0,35\r\n");
    Read("a.ini", true);
    EXPECT_FLOAT_EQ(p.Bays.BayOffset, 0.35f);
}

TEST_F(TimelineSettingsTest, IdIsCreatedOnceAndKept) {
    Write("Vezizivu.ini", true);
    const QString id = p.Timeline.TimelineID;
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d_\\d\\d-\\d{3}$").match(id).hasMatch()) << id.toStdString();
    p.Timeline.TimelineID.clear();
    Read("Vezizivu.ini", true);
    EXPECT_EQ(p.Timeline.TimelineID, id);
    Write("Vezizivu.ini", true);
    EXPECT_EQ(p.Timeline.TimelineID, id);
    EXPECT_TRUE(ReadAll(folder + "Vezizivu.ini").contains(("\r\nID=" + id + "\r\n").toUtf8()));
}

TEST_F(TimelineSettingsTest, OlderFilesInWindows1252AreReadAndRewrittenInUtf8) {
    WriteAll(folder + "Vezizivu.ini", "[General]\r\nAxisCaption=Ann\xE9\x65s \x80\r\n");
    Read("Vezizivu.ini", true);
    EXPECT_EQ(p.Axis.Caption, QString("Ann\u00e9es \u20ac"));
    Write("Vezizivu.ini", true);
    EXPECT_TRUE(ReadAll(folder + "Vezizivu.ini").contains(QString("AxisCaption=Ann\u00e9es \u20ac").toUtf8()));
}

TEST_F(TimelineSettingsTest, WizardOptionAloneIsWritten) {
    WriteAll(folder + "quistor.ini", "[General]\r\nNewTimelineWizard=1\r\nMaxEvents=99\r\n");
    WriteWizardOption(folder + "quistor.ini", false);
    EXPECT_EQ(ReadAll(folder + "quistor.ini"), "[General]\r\nNewTimelineWizard=0\r\nMaxEvents=99\r\n");
}
