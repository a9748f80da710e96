// What bars, labels and icons share: a rectangle in surface pixels, visibility, a state copy,
// copies of the effective orientation and axis position, and the owning event. Items are light:
// the surface paints and hit-tests them, none of them is a window.
#pragma once

#include <QRect>

class QPainter;
class TtlEvent;

class TtlItem {
public:
    enum class TKind { Bar, Label, Icon };

    TtlItem(TtlEvent& owner, TKind kind);
    virtual ~TtlItem();
    TtlItem(const TtlItem&) = delete;
    TtlItem& operator=(const TtlItem&) = delete;

    TKind Kind() const { return m_kind; }
    TtlEvent& Event() const { return m_event; }

    int Left() const { return m_rect.left(); }
    int Top() const { return m_rect.top(); }
    int Width() const { return m_rect.width(); }
    int Height() const { return m_rect.height(); }
    const QRect& Rect() const { return m_rect; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);

    int State() const { return m_state; }
    virtual void SetState(int state) { m_state = state; }

    bool Horizontal() const { return m_horizontal; }
    void SetOrientation(bool horizontal) { m_horizontal = horizontal; }
    int AxisPos() const { return m_axisPos; }
    void SetAxisPos(int code) { m_axisPos = code; }

    virtual void Paint(QPainter& painter) const = 0;

protected:
    int m_state = 0;

private:
    void Moved();

    TtlEvent& m_event;
    TKind m_kind;
    QRect m_rect;
    bool m_visible = true;
    bool m_horizontal = false;
    int m_axisPos = 1;
};
