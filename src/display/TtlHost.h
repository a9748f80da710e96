// What the timeline control needs from the window that shows it: the size of the scrolling
// control and of its client area, the scroll offset, and ways to resize, invalidate and repaint
// the drawing surface and to set cursors. The scrolling widget implements it; without a window
// TtlFixedHost stands in.
#pragma once

#include <QRect>
#include <QSize>

// Cursors of the display. BlowAway (the program's cursor 1), ZoomIn (2) and BlowAwayEvent (3)
// are drawn by the program; the others are the desktop's.
enum class TtlCursorKind { Arrow, HandPoint, BlowAway, ZoomIn, BlowAwayEvent, Drag, Wait };

class TtlHost {
public:
    virtual ~TtlHost() = default;

    // Outer size of the scrolling control, border included.
    virtual QSize ControlSize() const = 0;
    // Its client area: the visible part of the surface.
    virtual QSize ClientSize() const = 0;
    // How far the surface is scrolled up and left (its top-left corner above and left of the
    // client area).
    virtual QPoint ScrollOffset() const = 0;

    // The surface took a new size.
    virtual void SurfaceResized(const QSize& size) = 0;
    // A part of the surface (surface pixels) must be painted again; a null rectangle is all.
    virtual void Invalidate(const QRect& rect) = 0;
    // Paints the invalidated parts now.
    virtual void Repaint() = 0;
    // Redrawing of the surface on or off (off while the display is rebuilt).
    virtual void SetRedraw(bool on) = 0;
    // Lets pending window events other than user input run.
    virtual void ProcessEvents() = 0;
    // The cursor of the surface where no event is under the mouse.
    virtual void SetSurfaceCursor(TtlCursorKind cursor) = 0;
    // The screen cursor while a drag runs; Arrow ends it.
    virtual void SetScreenCursor(TtlCursorKind cursor) = 0;
};
