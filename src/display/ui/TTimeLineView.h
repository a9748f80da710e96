// The scrolling control that shows a timeline in a window: a scroll area with a 2-pixel sunken
// border whose widget is the drawing surface. It is the timeline's host: it reports its sizes and
// scroll offset, resizes and repaints the surface, and shows cursors. The timeline must outlive
// the view; the view detaches itself when it is destroyed.
#pragma once

#include "display/TtlHost.h"

#include <QElapsedTimer>
#include <QScrollArea>

class TTimeLine;
class TtlGraphWidget;

class TTimeLineView : public QScrollArea, public TtlHost {
    Q_OBJECT
public:
    TTimeLineView(TTimeLine& timeline, QWidget* parent = nullptr);
    ~TTimeLineView() override;

    TTimeLine& Timeline() const { return m_timeline; }
    TtlGraphWidget* Surface() const { return m_surface; }

    // TtlHost
    QSize ControlSize() const override;
    QSize ClientSize() const override;
    QPoint ScrollOffset() const override;
    void SurfaceResized(const QSize& size) override;
    void Invalidate(const QRect& rect) override;
    void Repaint() override;
    void SetRedraw(bool on) override;
    void ProcessEvents() override;
    void SetSurfaceCursor(TtlCursorKind cursor) override;
    void SetScreenCursor(TtlCursorKind cursor) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TTimeLine& m_timeline;
    TtlGraphWidget* m_surface;
    bool m_overrideCursor = false;
    QElapsedTimer m_sinceEvents;
};
