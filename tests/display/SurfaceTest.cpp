// The drawing surface: zoom, range zoom, surface clicks, drags across the axis, the event menu,
// the background picture, the content extent, hit-testing and what the pictures show.
#include "DisplayFixture.h"

#include "common/Errors.h"
#include "display/NameValueLines.h"
#include "display/TdtmGraph.h"
#include "display/TtlCoverage.h"

#include <QBuffer>
#include <QFile>

class SurfaceTest : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        tl.SetUnits(usSteps);
    }
    int AddAt(const QString& name, double start, std::optional<double> end, std::optional<int> x,
              int group = 0) {
        return Add(TEventRow{name, start, end, x, group, 0, {}});
    }
    // Drags an item of the event by `delta` and releases it.
    void Drag(TtlItem& item, QPoint delta) {
        const QPoint from = item.Rect().center();
        tl.Graph().MousePress(from, Qt::LeftButton);
        tl.Graph().MouseMove(from + delta / 2);
        tl.Graph().MouseMove(from + delta);
        tl.Graph().MouseRelease(from + delta, Qt::LeftButton);
    }
    QString WriteImage(const QImage& image, const QString& name, const char* format) {
        const QString path = folder + QLatin1Char('/') + name;
        image.save(path, format);
        return path;
    }
};

TEST_F(SurfaceTest, ZoomGrowsTheSurfaceAlongTheAxisAndBack) {
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(1);
    Surface(1000, 600);
    tl.ApplyZoom(20);
    EXPECT_EQ(tl.Graph().Size(), QSize(2000, 600));
    EXPECT_EQ(tl.Axis().AxisLength(), 1960);
    tl.ApplyZoom(30);
    EXPECT_EQ(tl.Graph().Size(), QSize(3000, 600));
    tl.ApplyZoom(10);
    EXPECT_EQ(tl.Graph().Size(), QSize(1000, 600));
    EXPECT_EQ(tl.PreviousZoom(), 10);

    tl.SetAxisOrientation(false);
    tl.SetAxisPos(1);
    tl.ApplyZoom(25);
    EXPECT_EQ(tl.Graph().Size(), QSize(1000, 1500));
    EXPECT_EQ(tl.Axis().AxisLength(), 1460);
}

TEST_F(SurfaceTest, RangeZoomPicksTwoValuesOnceOrContinuously) {
    tl.SetUnits(usYearsAndMonths);
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(1);
    Surface(1040, 600);
    Add("a", 1950, 2050);
    Show(1950, 2050); // 10 pixels a year
    std::vector<std::pair<QString, QString>> searches;
    tl.OnGraphClick = [&](TTimeLine& sender, const QString& text) {
        if (const auto range = sender.RangeZoomPick(text))
            searches.push_back(*range);
    };
    const int x1990 = tl.Axis().ValueToPixel(1990), x2000 = tl.Axis().ValueToPixel(2000);
    for (bool continuous : {false, true}) {
        SCOPED_TRACE(continuous);
        searches.clear();
        if (continuous)
            tl.ToggleRangeZoomContinuous();
        else
            tl.StartRangeZoomOnce();
        EXPECT_EQ(tl.RangeZoomState(), 2);
        EXPECT_EQ(tl.Axis().MarkerState(), 1);
        tl.Graph().MouseMove(QPoint(x1990, 10)); // above the events
        EXPECT_EQ(tl.Axis().MarkerRect(1), QRect(x1990 - 1, 10, 1, 580));
        EXPECT_TRUE(tl.Axis().MarkerRect(2).isEmpty());
        tl.Graph().MouseRelease(QPoint(x1990, 10), Qt::LeftButton);
        EXPECT_EQ(tl.RangeZoomState(), 1);
        EXPECT_EQ(tl.Axis().MarkerState(), 2);
        tl.Graph().MouseMove(QPoint(x2000, 10));
        EXPECT_EQ(tl.Axis().MarkerRect(1), QRect(x1990 - 1, 10, 1, 580));
        EXPECT_EQ(tl.Axis().MarkerRect(2), QRect(x2000 - 1, 10, 1, 580));
        const QImage image = Render();
        EXPECT_EQ(image.pixel(x2000 - 1, 200), qRgb(0, 0, 0));
        tl.Graph().MouseRelease(QPoint(x2000, 10), Qt::LeftButton);
        ASSERT_EQ(searches.size(), 1u);
        EXPECT_EQ(searches[0], std::make_pair(QStringLiteral("1990"), QStringLiteral("2000")));
        EXPECT_EQ(tl.RangeZoomState(), continuous ? 2 : 0);
    }
    tl.ToggleRangeZoomContinuous();
    EXPECT_EQ(tl.RangeZoomState(), 0);
    EXPECT_TRUE(tl.Axis().MarkerRect(1).isEmpty());
}

TEST_F(SurfaceTest, ASurfaceClickReportsTheAxisValueAsAWholeNumber) {
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(3);
    Surface(1040, 600);
    Add("a", 0.5, 100);
    Show(0.5, 100);
    std::vector<QString> texts;
    int ownClicks = 0;
    tl.Graph().OnClick = [&] { ++ownClicks; };
    tl.OnGraphClick = [&](TTimeLine&, const QString& text) { texts.push_back(text); };
    tl.Graph().Click(QPoint(20, 300));
    tl.Graph().Click(QPoint(25, 300)); // 0.5 pixels a tenth: 0 + 5 / 10
    EXPECT_EQ(texts, (std::vector<QString>{QStringLiteral("0"), QStringLiteral("1")}));
    EXPECT_EQ(ownClicks, 2);
    // A click in zoom-in mode on an event is a surface click.
    tl.SetMouseMode(2);
    const QPoint bar = tl.Events().At(0).Bar().Rect().center();
    tl.Graph().MousePress(bar, Qt::LeftButton);
    tl.Graph().MouseRelease(bar, Qt::LeftButton);
    EXPECT_EQ(texts.size(), 3u);
}

TEST_F(SurfaceTest, DragsSnapToBaysAndOnlyTheHybridAndManualStylesStoreThem) {
    // Three overlapping spans on a vertical axis in the middle: bays 125, −125, 250.
    const int a = AddAt("a", 10, 30, std::nullopt), b = AddAt("b", 11, 31, std::nullopt),
              c = AddAt("c", 12, 32, std::nullopt);
    Surface(1000, 600);
    Show(0, 100);
    ASSERT_EQ(Event(c).X(), 250);
    ASSERT_EQ(Event(a).X(), 125);
    (void)b;
    struct TCase {
        int Layout, Drag, Want;
        bool Stored;
    };
    const TCase cases[] = {{0, 30, 125, false},
                           {0, 50, 175, false},
                           {3, 50, 175, true},
                           {2, 130, 250, true},
                           {1, -300, -175, false}};
    for (const TCase& k : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << k.Layout << " drag " << k.Drag);
        tl.Bays().SetLayout(k.Layout);
        dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = 125 WHERE ID = %1").arg(a));
        Event(a).SetX(125);
        Event(a).Reposition(false);
        Drag(Event(a).Bar(), QPoint(k.Drag, 0));
        EXPECT_EQ(Event(a).X(), k.Want);
        EXPECT_EQ(Event(a).Bar().Left(), std::max(35, 500 + k.Want - 12));
        EXPECT_EQ(StoredX(a), k.Stored ? k.Want : 125);
    }
    // Styles 0 and 1 keep the drag until the next build.
    tl.Bays().SetLayout(0);
    dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = 125 WHERE ID = %1").arg(a));
    Event(a).SetX(125);
    Event(a).Reposition(false);
    Drag(Event(a).Bar(), QPoint(50, 0));
    EXPECT_EQ(Event(a).X(), 175);
    Show(0, 100);
    EXPECT_EQ(Event(a).X(), 125);
}

TEST_F(SurfaceTest, ADragAcrossAHorizontalAxisFollowsTheMouseInY) {
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(4);
    Surface(1040, 600);
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    tl.Bays().SetLayout(3);
    // Along the axis nothing happens.
    Drag(Event(a).Bar(), QPoint(200, 3));
    EXPECT_EQ(Event(a).X(), 125);
    // Up by 100: raw −137 − 100, snapped to −225, stored as 225 (above the bottom axis).
    Drag(Event(a).Bar(), QPoint(0, -100));
    EXPECT_EQ(Event(a).X(), 225);
    EXPECT_EQ(StoredX(a), 225);
    EXPECT_EQ(Event(a).Bar().Top(), 550 - 12 - 225);
}

TEST_F(SurfaceTest, UnlockedLabelsMoveAlongTheAxisWithTheirDrag) {
    const int a = AddAt("a", 10, 60, 125);
    Surface(1000, 600);
    Show(0, 100);
    TtlBarLabel& label = Event(a).Label();
    const int top = label.Top();
    Drag(label, QPoint(125, 40));
    EXPECT_EQ(Event(a).X(), 250);
    EXPECT_EQ(label.Top(), top);
    tl.Events().SetLockLabels(false);
    Drag(label, QPoint(0, 40) + QPoint(-125, 0));
    EXPECT_EQ(Event(a).X(), 125);
    EXPECT_EQ(label.Top(), top + 40);
    tl.Events().RepositionAll(); // a full positioning puts it back
    EXPECT_EQ(label.Top(), top);
    Show(0, 100);
    EXPECT_TRUE(tl.Events().LockLabels()); // every SetRange locks them again
}

TEST_F(SurfaceTest, TheEventMenuListsItsItemsAndKioskModeSuppressesIt) {
    const int a = AddAt("a", 10, 60, 125);
    Surface(1000, 600);
    Show(0, 100);
    const QPoint p = Event(a).Bar().Rect().center();
    tl.Graph().MousePress(p, Qt::RightButton);
    EXPECT_EQ(tl.Graph().MouseRelease(p, Qt::RightButton), &Event(a));
    std::vector<QString> captions;
    for (const TdtmGraph::TEntry& e : tl.Graph().PopupModule().Entries(Event(a)))
        captions.push_back(e.Caption);
    EXPECT_EQ(captions, (std::vector<QString>{QStringLiteral("Edit..."),
                                              QStringLiteral("Delete"),
                                              {},
                                              QStringLiteral("Label Colour..."),
                                              {},
                                              {},
                                              QStringLiteral("Align Group")}));
    EXPECT_TRUE(tl.Graph().PopupModule().Entries(Event(a)).back().Enabled);
    tl.SetDisplayMode(1);
    EXPECT_FALSE(tl.Graph().PopupModule().Entries(Event(a)).back().Enabled);
    tl.SetDisplayMode(0);
    tl.Events().RepositionAll();

    tl.SetKioskMode(true);
    tl.Graph().MousePress(p, Qt::RightButton);
    EXPECT_EQ(tl.Graph().MouseRelease(p, Qt::RightButton), nullptr);
    // A right drag moves the event and opens no menu.
    tl.SetKioskMode(false);
    tl.Graph().MousePress(p, Qt::RightButton);
    tl.Graph().MouseMove(p + QPoint(130, 0));
    EXPECT_EQ(tl.Graph().MouseRelease(p + QPoint(130, 0), Qt::RightButton), nullptr);
    EXPECT_EQ(Event(a).X(), 250);
}

TEST_F(SurfaceTest, AlignGroupMovesOnlyEventsOfExactlyTheSameGroup) {
    const int upper = AddGroup(QStringLiteral("A")), lower = AddGroup(QStringLiteral("a"));
    const int a1 = AddAt("a1", 10, 20, 250, upper), a2 = AddAt("a2", 30, 40, -125, upper),
              l = AddAt("l", 50, 60, 375, lower), none = AddAt("n", 70, 80, 125);
    Surface(1000, 600);
    Show(0, 100);
    tl.Graph().PopupModule().Run(TdtmGraph::TItem::AlignGroup, Event(a1));
    EXPECT_EQ(Event(a2).X(), 250);
    EXPECT_EQ(StoredX(a2), 250);
    EXPECT_EQ(Event(a2).Bar().Left(), 500 + 250 - 12);
    EXPECT_EQ(Event(l).X(), 375);
    EXPECT_EQ(Event(none).X(), 125);
}

TEST_F(SurfaceTest, DeleteAsksAndRebuilds) {
    const int a = AddAt("a", 10, 60, 125), b = AddAt("b", 20, 70, 250);
    Show(0, 100);
    dialogs.QueueAnswer(TMsgButton::Cancel);
    tl.Graph().PopupModule().Run(TdtmGraph::TItem::Delete, Event(a));
    EXPECT_TRUE(tl.Events().HasID(a));
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Text, QStringLiteral("Delete this event?"));
    EXPECT_EQ(dialogs.Questions()[0].Caption, QStringLiteral("Delete"));
    dialogs.QueueAnswer(TMsgButton::Ok);
    tl.Graph().PopupModule().Run(TdtmGraph::TItem::Delete, Event(a));
    EXPECT_FALSE(tl.Events().HasID(a));
    EXPECT_TRUE(tl.Events().HasID(b));
    dm.tblEvent.Refresh();
    EXPECT_FALSE(dm.tblEvent.Locate(QStringLiteral("ID"), a));
}

TEST_F(SurfaceTest, EditRunsTheEditorAndReloadsTheViewOnOk) {
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    int reloads = 0;
    std::vector<int> edited;
    tl.Seams.ReloadCurrentView = [&] { ++reloads; };
    tl.Graph().PopupModule().Run(TdtmGraph::TItem::Edit, Event(a)); // no editor yet: OK
    EXPECT_EQ(reloads, 1);
    tl.Seams.RunEventEditor = [&](TtlEvent& e) {
        edited.push_back(e.ID());
        return false;
    };
    tl.Graph().PopupModule().Run(TdtmGraph::TItem::Edit, Event(a));
    EXPECT_EQ(edited, std::vector<int>{a});
    EXPECT_EQ(reloads, 1);
}

TEST_F(SurfaceTest, LabelColourIsStoredInTheRecord) {
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    tl.Graph().PopupModule().Run(TdtmGraph::TItem::LabelColour, Event(a)); // no dialog: nothing
    EXPECT_EQ(StoredText(a, QStringLiteral("Formatting")), QString());
    tl.Graph().PopupModule().ChooseColour = [](TColor initial) -> std::optional<TColor> {
        EXPECT_EQ(initial, clWhite);
        return RgbColour(1, 2, 3);
    };
    tl.Graph().PopupModule().Run(TdtmGraph::TItem::LabelColour, Event(a));
    EXPECT_EQ(Event(a).Label().Color(), RgbColour(1, 2, 3));
    EXPECT_EQ(LineValue(SplitMemoLines(StoredText(a, QStringLiteral("Formatting"))),
                        QStringLiteral("BarLabelColor")),
              QStringLiteral("$00030201"));
    Show(0, 100);
    EXPECT_EQ(Event(a).Label().Color(), RgbColour(1, 2, 3));
}

TEST_F(SurfaceTest, ABitmapBackgroundIsWrittenBackAsItWasRead) {
    // A 32-bit bitmap with bytes after the picture: kept exactly while the picture stays.
    QImage picture(16, 8, QImage::Format_ARGB32);
    picture.fill(QColor(200, 10, 30));
    QByteArray original;
    {
        QBuffer buffer(&original);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.save(&buffer, "BMP"));
    }
    original.append("trailing bytes of another program");
    vztest::WriteAll(folder + QStringLiteral("/Backdrop.bmp"), original);
    tl.LoadBackground(folder + QStringLiteral("/Backdrop.bmp"));
    ASSERT_FALSE(tl.Background().isNull());
    const QString out = folder + QStringLiteral("/Saved.bmp");
    tl.WriteBackground(out);
    EXPECT_EQ(vztest::ReadAll(out), original);

    tl.SetBackground(picture.mirrored()); // a new picture is encoded afresh
    tl.WriteBackground(out);
    EXPECT_NE(vztest::ReadAll(out), original);
    EXPECT_EQ(quint8(vztest::ReadAll(out)[28]), 24);
}

TEST_F(SurfaceTest, BackgroundsLoadByExtensionAndAreWrittenAsBitmaps) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    const QString bmp = WriteImage(picture, QStringLiteral("b.bmp"), "BMP");
    const QString jpg = WriteImage(picture, QStringLiteral("j.jpeg"), "JPEG");
    const QString png = WriteImage(picture, QStringLiteral("p.png"), "PNG");

    tl.LoadBackground(png); // neither B nor J: ignored
    EXPECT_TRUE(tl.Background().isNull());
    tl.LoadBackground(bmp);
    EXPECT_EQ(tl.Background().size(), QSize(40, 30));
    EXPECT_EQ(tl.Graph().SurfaceBitmap().pixel(5, 5), qRgb(10, 200, 30));
    tl.LoadBackground(jpg);
    EXPECT_EQ(tl.Background().size(), QSize(40, 30));

    tl.LoadBackground(folder + QStringLiteral("/missing.jpg"));
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].Text,
              QStringLiteral("File not found: ") + folder + QStringLiteral("/missing.jpg"));
    EXPECT_EQ(dialogs.Shown()[0].Caption, QStringLiteral("Vezizivu"));
    EXPECT_EQ(tl.Background().size(), QSize(40, 30)); // kept

    vztest::WriteAll(folder + QStringLiteral("/bad.bmp"), "not a picture");
    EXPECT_THROW(tl.LoadBackground(folder + QStringLiteral("/bad.bmp")), EVzError);
    EXPECT_FALSE(tl.Background().isNull());

    // Written as a 24-bit bitmap; an empty file stands for no picture and reads back as none.
    const QString out = folder + QStringLiteral("/Backdrop.bmp");
    tl.WriteBackground(out);
    const QByteArray bytes = vztest::ReadAll(out);
    ASSERT_GT(bytes.size(), 54);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(quint8(bytes[28]), 24);
    tl.SetBackground(QImage());
    tl.WriteBackground(out);
    EXPECT_EQ(QFileInfo(out).size(), 0);
    tl.LoadBackground(bmp);
    tl.LoadBackground(out);
    EXPECT_TRUE(tl.Background().isNull());
}

TEST_F(SurfaceTest, TheBackgroundStretchesOverTheSurfaceOrOnceOverTheVisiblePart) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    tl.SetBackground(picture);
    tl.Axis().SetPainting(false);
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(1);
    Surface(1000, 600);
    tl.ApplyZoom(20); // surface 2000 wide, control 1004 wide
    auto blueAt = [&](const QImage& image, int x) { return qBlue(image.pixel(x, 300)) > 200; };
    QImage whole = Render();
    EXPECT_FALSE(blueAt(whole, 700));
    EXPECT_TRUE(blueAt(whole, 1500));
    tl.FitBackgroundOnce();
    const QImage fitted = Render();
    EXPECT_TRUE(blueAt(fitted, 800));
    EXPECT_EQ(fitted.pixel(1500, 300), qRgb(160, 160, 160));
    whole = Render();
    EXPECT_TRUE(blueAt(whole, 1500));
}

TEST_F(SurfaceTest, ContentExtentCoversTheEventsAndTheAxis) {
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(3);
    Surface(1000, 800);
    const int a = AddAt("a", 10, 20, 125), b = AddAt("b", 30, 40, 250);
    const int gone =
        Add(TEventRow{QStringLiteral("gone"), 50, 60, 500, 0, 0, QStringLiteral("BlownAway=1")});
    Show(0, 100);
    const auto [low, high] = tl.Events().ContentExtent();
    // Low: the axis line − 50 (the icons lie further out); high: the label of the second bay.
    EXPECT_EQ(low, 0);
    const TtlBarLabel& label = Event(b).Label();
    EXPECT_EQ(high, std::max(label.Top() + label.Height() + 20, 50 + 100));
    (void)a;
    (void)gone;
    EXPECT_LT(high, Event(gone).Bar().Top());

    dm.ffDB.Execute(QStringLiteral("DELETE FROM Event"));
    Show(0, 100);
    EXPECT_EQ(tl.Events().ContentExtent(), std::make_pair(0, 150));
    tl.Seams.DecorationRects = [] { return std::vector<QRect>{QRect(10, 600, 100, 40)}; };
    EXPECT_EQ(tl.Events().ContentExtent(), std::make_pair(0, 660));
}

TEST_F(SurfaceTest, PicturesShowBarsInTheirColourAndNothingWhereAnEventWasBlownAway) {
    const int g = AddGroup(QStringLiteral("G"), QStringLiteral("$000080FF"));
    const int a = AddAt("a", 10, 60, 125, g), b = AddAt("b", 20, 70, 250);
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(3);
    tl.Axis().Settings().Gridlines = false;
    Surface(1000, 600);
    Show(0, 100);
    const QRect barA = Event(a).Bar().Rect(), barB = Event(b).Bar().Rect();
    QImage image = Render();
    EXPECT_EQ(image.pixel(barA.center()), qRgb(255, 128, 0));
    EXPECT_EQ(image.pixel(barA.topLeft()), qRgb(0, 0, 0)); // the outline
    EXPECT_EQ(image.pixel(barB.center()), qRgb(0, 255, 255));

    tl.SetMouseMode(1);
    tl.Graph().MousePress(barB.center(), Qt::LeftButton);
    tl.Graph().MouseRelease(barB.center(), Qt::LeftButton);
    image = Render();
    EXPECT_EQ(image.pixel(barB.center() + QPoint(30, 0)), qRgb(160, 160, 160));
    EXPECT_EQ(image.pixel(Event(b).Label().Rect().center()), qRgb(160, 160, 160));
    EXPECT_EQ(image.pixel(barA.center()), qRgb(255, 128, 0));
}

TEST_F(SurfaceTest, HitTestingFindsTheTopmostItemAndItsHintAndCursor) {
    const int a = AddAt("a", 10, 60, 250), b = AddAt("b with a long label", 10, 12, 100);
    Surface(1000, 600);
    Show(0, 100);
    TtlGraph& graph = tl.Graph();
    const TtlEvent& ea = Event(a);
    EXPECT_EQ(graph.ItemAt(ea.Bar().Rect().center()), &ea.Bar());
    EXPECT_EQ(graph.ItemAt(ea.Label().Rect().center()), &ea.Label());
    EXPECT_EQ(graph.HintAt(ea.Bar().Rect().center()), ea.DateText());
    EXPECT_EQ(graph.ItemAt(QPoint(990, 590)), nullptr);
    EXPECT_EQ(graph.HintAt(QPoint(990, 590)), QString());
    // Labels lie above bars.
    const QRect overlap = Event(b).Label().Rect().intersected(ea.Bar().Rect());
    ASSERT_FALSE(overlap.isEmpty());
    EXPECT_EQ(graph.ItemAt(overlap.center()), &Event(b).Label());

    EXPECT_EQ(graph.CursorAt(ea.Bar().Rect().center()), TtlCursorKind::HandPoint);
    EXPECT_EQ(graph.CursorAt(QPoint(990, 590)), TtlCursorKind::Arrow);
    tl.SetMouseMode(1);
    EXPECT_EQ(graph.CursorAt(ea.Bar().Rect().center()), TtlCursorKind::BlowAwayEvent);
    EXPECT_EQ(graph.CursorAt(QPoint(990, 590)), TtlCursorKind::BlowAway);
    tl.SetMouseMode(2);
    graph.SetSurfaceCursor(TtlCursorKind::ZoomIn);
    EXPECT_EQ(graph.CursorAt(QPoint(990, 590)), TtlCursorKind::ZoomIn);
    // A moved event is found where it went.
    tl.SetMouseMode(0);
    Drag(Event(a).Bar(), QPoint(130, 0));
    EXPECT_EQ(graph.ItemAt(Event(a).Bar().Rect().center()), &Event(a).Bar());
}

TEST_F(SurfaceTest, FilesAreWrittenByExtensionAtTheirExactSize) {
    AddAt("a", 10, 60, 125);
    Surface(640, 480);
    Show(0, 100);
    const QRect area(0, 0, 640, 480);
    for (const char* ext : {"png", "jpg", "bmp", "PNG"}) {
        SCOPED_TRACE(ext);
        const QString path = folder + QStringLiteral("/out.") + QLatin1String(ext);
        SaveSurfaceArea(tl, area, path);
        EXPECT_EQ(QImage(path).size(), QSize(640, 480));
    }
    EXPECT_EQ(quint8(vztest::ReadAll(folder + QStringLiteral("/out.bmp"))[28]), 24);
    const QString pdf = folder + QStringLiteral("/out.pdf");
    SaveSurfaceArea(tl, area, pdf);
    const QByteArray bytes = vztest::ReadAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 480.000000 360.000000]"));
    EXPECT_THROW(SaveSurfaceArea(tl, area, folder + QStringLiteral("/out.gif")), EVzError);
    // A part beyond the surface is filled with the surface colour.
    const QImage part = RenderSurfaceArea(tl, QRect(600, 0, 100, 50));
    EXPECT_EQ(part.size(), QSize(100, 50));
    EXPECT_EQ(part.pixel(90, 40), qRgb(160, 160, 160));
}

TEST(CoverageTest, CoverageIsExactAcrossWordBoundaries) {
    TtlCoverage coverage(QRect(10, 20, 300, 100));
    ASSERT_TRUE(coverage.Tracking());
    coverage.Cover(QRect(60, 30, 80, 5)); // x 60..139 crosses bits 50..129 of the rows
    struct TCase {
        QRect Rect;
        bool Covered;
    };
    const TCase cases[] = {
        {QRect(60, 30, 80, 5), true}, {QRect(70, 31, 60, 3), true},  {QRect(59, 30, 2, 1), false},
        {QRect(139, 34, 1, 1), true}, {QRect(139, 34, 2, 1), false}, {QRect(60, 35, 1, 1), false},
        {QRect(0, 0, 5, 5), true}, // outside the area: nothing there to draw
    };
    for (const TCase& c : cases)
        EXPECT_EQ(coverage.Covered(c.Rect), c.Covered) << c.Rect.x() << "," << c.Rect.y();
    coverage.Cover(QRect(140, 30, 200, 5));
    EXPECT_TRUE(coverage.Covered(QRect(60, 30, 250, 5)));
    EXPECT_FALSE(TtlCoverage(QRect(0, 0, 100000, 100000)).Tracking());
}

TEST_F(SurfaceTest, AHiddenLabelIsSkippedButOneUnderATransparentLabelShows) {
    // Two events at the same place: the later label lies over the earlier one.
    tl.SetLabelFmt(QStringLiteral("%0:s"));
    AddAt("oooooooooo", 10, 20, 125);
    const int top = AddAt("IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII", 10, 20, 125);
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(3);
    tl.Axis().Settings().Gridlines = false;
    Surface(1040, 600);
    Show(0, 100);
    const QRect r = Event(top).Label().Rect();
    auto blackIn = [&](const QImage& image) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(image.pixel(x, y)) < 60;
        return n;
    };
    const int opaque = blackIn(Render());
    ASSERT_GT(opaque, 50);
    // Transparent: the lower text, drawn in red, shows between the upper one's letters.
    tl.Graph().SetTransparentLabels(true);
    tl.Events().At(0).Label().SetFontColor(clRed);
    const QImage image = Render();
    int red = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            red += qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 80;
    EXPECT_GT(red, 10);
    // Opaque again: the red text is hidden under the upper label.
    tl.Graph().SetTransparentLabels(false);
    const QImage hidden = Render();
    int hiddenRed = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            hiddenRed += qRed(hidden.pixel(x, y)) > 200 && qGreen(hidden.pixel(x, y)) < 80;
    EXPECT_EQ(hiddenRed, 0);
    EXPECT_EQ(blackIn(hidden), opaque);
}
