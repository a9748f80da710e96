// The timeline in its real widgets: mouse input through QTest on the surface widget, the event
// menu, cursors, hints, zoom with scroll bars, and the parts repainted after a change.
#include "DisplayFixture.h"

#include "display/ui/TTimeLineView.h"
#include "display/ui/TtlCursors.h"
#include "display/ui/TtlGraphWidget.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace {
// Records the rectangles the surface widget paints.
class TPaintRecorder : public QObject {
public:
    std::vector<QRect> Rects;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};
} // namespace

class ViewTest : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        tl.SetUnits(usSteps);
        tl.Axis().SetStyle(0);
        view = std::make_unique<TTimeLineView>(tl);
        view->resize(1004, 604);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        tl.OnEventSelected = [this](TtlEvent& e) { opened.push_back(e.ID()); };
    }
    void TearDown() override {
        view.reset();
        DisplayFixture::TearDown();
    }
    QWidget* surface() { return view->Surface(); }
    int AddAt(const QString& name, double start, double end, int x, int group = 0) {
        return Add(TEventRow{name, start, end, x, group, 0, {}});
    }
    void Settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    std::unique_ptr<TTimeLineView> view;
    std::vector<int> opened;
};

TEST_F(ViewTest, TheSurfaceFillsTheClientAreaInsideTheBorder) {
    EXPECT_EQ(view->ClientSize(), QSize(1000, 600));
    EXPECT_EQ(surface()->size(), QSize(1000, 600));
    EXPECT_EQ(tl.Graph().Size(), QSize(1000, 600));
    // Growing the window grows the surface; shrinking it does not shrink the surface.
    view->resize(1204, 704);
    Settle();
    EXPECT_EQ(tl.Graph().Size(), QSize(1200, 700));
    view->resize(804, 504);
    Settle();
    EXPECT_EQ(tl.Graph().Size(), QSize(1200, 700));
    EXPECT_TRUE(view->horizontalScrollBar()->isVisible());
}

TEST_F(ViewTest, AClickOnAnEventOpensIt) {
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    QTest::mouseClick(surface(), Qt::LeftButton, {}, Event(a).Label().Rect().center());
    EXPECT_EQ(opened, std::vector<int>{a});
}

TEST_F(ViewTest, AHandlerThatRebuildsTheDisplayDuringTheClickIsSafe) {
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    tl.OnEventSelected = [this](TtlEvent& e) {
        opened.push_back(e.ID());
        tl.RebuildDisplay();
    };
    QTest::mouseClick(surface(), Qt::LeftButton, {}, Event(a).Bar().Rect().center());
    EXPECT_EQ(opened, std::vector<int>{a});
    EXPECT_TRUE(tl.Events().HasID(a));
}

TEST_F(ViewTest, DraggingABarAcrossTheAxisMovesItToTheSnappedOffset) {
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    tl.Bays().SetLayout(3);
    const QPoint from = Event(a).Bar().Rect().center();
    QTest::mousePress(surface(), Qt::LeftButton, {}, from);
    QTest::mouseMove(surface(), from + QPoint(25, 0));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    QTest::mouseMove(surface(), from + QPoint(50, 0));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, from + QPoint(50, 0));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Event(a).X(), 175);
    EXPECT_EQ(StoredX(a), 175);
    EXPECT_TRUE(opened.empty());
}

TEST_F(ViewTest, ADragRepaintsOnlyWhereTheEventWasAndWentTo) {
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    Settle();
    TPaintRecorder recorder;
    surface()->installEventFilter(&recorder);
    const QRect before = Event(a).VisibleRect();
    const QPoint from = Event(a).Bar().Rect().center();
    QTest::mousePress(surface(), Qt::LeftButton, {}, from);
    QTest::mouseMove(surface(), from + QPoint(130, 0));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, from + QPoint(130, 0));
    Settle();
    surface()->removeEventFilter(&recorder);
    ASSERT_EQ(Event(a).X(), 250);
    QRect painted;
    for (const QRect& r : recorder.Rects)
        painted = painted.united(r);
    EXPECT_TRUE(painted.contains(before));
    EXPECT_TRUE(painted.contains(Event(a).VisibleRect()));
    EXPECT_LT(painted.width() * painted.height(), 1000 * 600 / 2);
}

TEST_F(ViewTest, TheRangeMarkerRepaintsOnlyItsLines) {
    AddAt("a", 10, 60, 125);
    Show(0, 100);
    tl.StartRangeZoomOnce();
    QTest::mouseMove(surface(), QPoint(900, 300));
    Settle();
    TPaintRecorder recorder;
    surface()->installEventFilter(&recorder);
    QTest::mouseMove(surface(), QPoint(900, 320));
    Settle();
    surface()->removeEventFilter(&recorder);
    QRect painted;
    for (const QRect& r : recorder.Rects)
        painted = painted.united(r);
    EXPECT_EQ(painted, QRect(10, 299, 980, 21)); // the old line at 299, the new one at 319
}

TEST_F(ViewTest, ARightClickOpensTheEventMenuAndRunsItsChoice) {
    const int g = AddGroup(QStringLiteral("G"));
    const int a = AddAt("a", 10, 20, 250, g), b = AddAt("b", 30, 40, 125, g);
    Show(0, 100);
    QStringList texts;
    QString name;
    auto* widget = static_cast<TtlGraphWidget*>(surface());
    widget->ExecMenu = [&](QMenu& menu, QPoint) -> QAction* {
        name = menu.objectName();
        QAction* align = nullptr;
        for (QAction* action : menu.actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (action->text() == QStringLiteral("Align Group"))
                align = action;
        }
        return align;
    };
    QTest::mouseClick(surface(), Qt::RightButton, {}, Event(a).Bar().Rect().center());
    EXPECT_EQ(name, QStringLiteral("ppmBarLabel"));
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("Edit..."), QStringLiteral("Delete"), QStringLiteral("-"),
                           QStringLiteral("Label Colour..."), QStringLiteral("-"),
                           QStringLiteral("-"), QStringLiteral("Align Group")}));
    EXPECT_EQ(Event(b).X(), 250);
    EXPECT_TRUE(opened.empty());

    texts.clear();
    tl.SetKioskMode(true);
    QTest::mouseClick(surface(), Qt::RightButton, {}, Event(a).Bar().Rect().center());
    EXPECT_TRUE(texts.isEmpty());
}

TEST_F(ViewTest, CursorsFollowTheMouseModeOverTheSurfaceAndOverEvents) {
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    const QPoint onEvent = Event(a).Bar().Rect().center(), empty(950, 550);
    QTest::mouseMove(surface(), onEvent);
    EXPECT_EQ(surface()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(surface(), empty);
    EXPECT_EQ(surface()->cursor().shape(), Qt::ArrowCursor);
    tl.SetMouseMode(1);
    QTest::mouseMove(surface(), empty);
    EXPECT_EQ(surface()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(surface()->cursor().hotSpot(), QPoint(26, 4));
    QTest::mouseMove(surface(), onEvent);
    EXPECT_EQ(surface()->cursor().hotSpot(), QPoint(16, 16));
    // The three drawn cursors differ from each other.
    const QImage bomb = TtlCursorPicture(TtlCursorKind::BlowAway).toImage();
    const QImage zoom = TtlCursorPicture(TtlCursorKind::ZoomIn).toImage();
    const QImage burst = TtlCursorPicture(TtlCursorKind::BlowAwayEvent).toImage();
    EXPECT_EQ(bomb.size(), QSize(32, 32));
    EXPECT_NE(bomb, zoom);
    EXPECT_NE(zoom, burst);
    QTest::mouseClick(surface(), Qt::LeftButton, {}, onEvent);
    EXPECT_FALSE(Event(a).Bar().Visible());
    EXPECT_TRUE(opened.empty());
}

TEST_F(ViewTest, HintsShowTheDateTextOfTheEventUnderTheMouse) {
    const int a = AddAt("a", 10, 60, 125);
    Show(0, 100);
    const QPoint p = Event(a).Bar().Rect().center();
    QHelpEvent help(QEvent::ToolTip, p, surface()->mapToGlobal(p));
    QApplication::sendEvent(surface(), &help);
    EXPECT_EQ(QToolTip::text(), Event(a).DateText());
    EXPECT_FALSE(Event(a).DateText().isEmpty());
}

TEST_F(ViewTest, ZoomMakesTheSurfaceScroll) {
    AddAt("a", 10, 60, 125);
    tl.SetAxisOrientation(true);
    tl.SetAxisPos(1);
    Show(0, 100);
    tl.ApplyZoom(20);
    Settle();
    EXPECT_EQ(surface()->width(), 2000);
    EXPECT_TRUE(view->horizontalScrollBar()->isVisible());
    EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
    tl.ApplyZoom(10);
    Settle();
    EXPECT_EQ(surface()->size(), view->viewport()->size());
}

TEST_F(ViewTest, TheWindowPaintsWhatTheHeadlessRenderPaints) {
    const int g = AddGroup(QStringLiteral("G"), QStringLiteral("clRed"));
    AddAt("a", 10, 60, 125, g);
    AddAt("b", 20, 30, -125);
    Show(0, 100);
    Settle();
    const QImage shown = surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage headless = RenderSurfaceArea(tl, QRect(QPoint(0, 0), tl.Graph().Size()));
    ASSERT_EQ(shown.size(), headless.size());
    EXPECT_TRUE(shown == headless);
}
