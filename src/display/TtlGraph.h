// The drawing surface: its size, its painting (background picture, axis, range markers, the
// events' bars, labels and icons, then the title and introduction box), the background copy, the
// range markers, and the mouse: hit-testing for hints, cursors, clicks, drags and the event menu.
// Coordinates are surface pixels.
#pragma once

#include "display/TtlHitIndex.h"
#include "display/TtlHost.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class TTimeLine;
class TdtmGraph;
class TtlEvent;
class TtlItem;

class TtlGraph {
public:
    explicit TtlGraph(TTimeLine& owner);
    ~TtlGraph();
    TtlGraph(const TtlGraph&) = delete;
    TtlGraph& operator=(const TtlGraph&) = delete;

    QSize Size() const { return m_size; }
    int Width() const { return m_size.width(); }
    int Height() const { return m_size.height(); }
    // A new size lays the surface out (axis geometry, then every event).
    void SetSize(const QSize& size);
    void Layout();

    // Set while the event list builds and while the surface paints: nothing paints then.
    bool Building() const { return m_building; }
    void SetBuilding(bool on) { m_building = on; }

    // Paints the part `clip` of the surface (surface pixels) with the painter's origin at the
    // surface's top-left corner.
    void Paint(QPainter& painter, const QRect& clip);
    void Invalidate(const QRect& rect);
    // Paints what is invalid now; the title lays itself out again first.
    void Repaint();

    // The painted copy of the background picture.
    const QImage& SurfaceBitmap() const { return m_bitmap; }
    void SetSurfaceBitmap(const QImage& bitmap);
    // Loads a picture into the control's background: extensions starting with B as a bitmap,
    // with J as a JPEG, others not at all. A missing file shows "File not found: %s"; an empty
    // file is no picture; a file that is not the picture its extension names throws EVzError.
    void LoadBackground(const QString& path);
    // The next paint stretches the background over the visible part only.
    void FitBackgroundOnce() { m_fitOnce = true; }
    bool FitOnce() const { return m_fitOnce; }

    bool TransparentLabels() const;
    void SetTransparentLabels(bool on);
    bool Gridlines() const;
    void SetGridlines(bool on);
    int AxisPos() const { return m_axisPos; }
    // Stores the position, gives it to the axis and lays the surface out.
    void SetSurfaceAxisPos(int code);
    int MouseMode() const { return m_mouseMode; }
    // Surface cursor: arrow in mode 0, the program's cursor 1 in mode 1 (2 keeps it); then
    // the event list's mode.
    void SetMouseMode(int mode);
    TtlCursorKind SurfaceCursor() const { return m_surfaceCursor; }
    void SetSurfaceCursor(TtlCursorKind cursor);

    // Shows or hides the range markers after a change of their state or values.
    void ShowMarkers();

    // Mouse input in surface pixels. MouseRelease returns the event whose menu should open
    // (a right click on an item, outside kiosk mode), or nullptr.
    void MousePress(QPoint where, Qt::MouseButton button);
    void MouseMove(QPoint where);
    TtlEvent* MouseRelease(QPoint where, Qt::MouseButton button);
    // The click on the surface: the own handler, deselection, OnGraphClick with the axis value.
    void Click(QPoint where);
    QPoint LastMouse() const { return m_lastMouse; }

    TtlItem* ItemAt(QPoint where);
    TtlCursorKind CursorAt(QPoint where);
    // The hint under the mouse: the date text of the event there.
    QString HintAt(QPoint where);

    TdtmGraph& PopupModule() { return *m_popup; }
    // The surface's own click handler, run before the click's other work.
    std::function<void()> OnClick;

private:
    void SurfaceMouseMove(QPoint where);

    TTimeLine& m_owner;
    QSize m_size;
    bool m_building = false;
    std::unique_ptr<TdtmGraph> m_popup;
    QPoint m_lastMouse;
    int m_axisPos = 1;
    QImage m_bitmap;
    QImage m_scaled; // the bitmap stretched to the last target size
    bool m_fitOnce = false;
    int m_mouseMode = 0;
    TtlCursorKind m_surfaceCursor = TtlCursorKind::Arrow;
    QRect m_markerShown[2];
    TtlHitIndex m_hits;
    TtlItem* m_pressed = nullptr;
    quint64 m_pressClears = 0;
};
