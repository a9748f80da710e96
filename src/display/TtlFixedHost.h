// The host of a timeline shown in no window: a client area of a fixed size inside a 2-pixel
// border, never scrolled. Rendering to files and tests use it.
#pragma once

#include "display/TtlHost.h"

class TtlFixedHost : public TtlHost {
public:
    static constexpr int BorderWidth = 2;

    explicit TtlFixedHost(QSize client = QSize(196, 196)) : m_client(client) {}

    void SetClientSize(const QSize& client) { m_client = client; }

    QSize ControlSize() const override {
        return m_client + QSize(2 * BorderWidth, 2 * BorderWidth);
    }
    QSize ClientSize() const override { return m_client; }
    QPoint ScrollOffset() const override { return {}; }
    void SurfaceResized(const QSize&) override {}
    void Invalidate(const QRect&) override {}
    void Repaint() override {}
    void SetRedraw(bool) override {}
    void ProcessEvents() override {}
    void SetSurfaceCursor(TtlCursorKind cursor) override { m_surfaceCursor = cursor; }
    void SetScreenCursor(TtlCursorKind cursor) override { m_screenCursor = cursor; }

    TtlCursorKind SurfaceCursor() const { return m_surfaceCursor; }
    TtlCursorKind ScreenCursor() const { return m_screenCursor; }

private:
    QSize m_client;
    TtlCursorKind m_surfaceCursor = TtlCursorKind::Arrow;
    TtlCursorKind m_screenCursor = TtlCursorKind::Arrow;
};
