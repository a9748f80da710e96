// The bar of an event: a rectangle (or, for point events outside Calendar Dates, a circle) that
// covers the event's time along the axis, as thick across it as its thickness ordinal says.
#pragma once

#include "common/Colour.h"
#include "display/TtlItem.h"

class TtlBar : public TtlItem {
public:
    explicit TtlBar(TtlEvent& owner);

    // Pixels across the axis of the thickness ordinals 0 thin, 1 medium, 2 thick.
    static int ThicknessPixels(int ordinal);
    int Thickness() const { return m_thickness; }
    int ThicknessPixels() const { return ThicknessPixels(m_thickness); }
    // Stores the ordinal and records it as "BarWidth" in the event's formatting.
    void SetThickness(int ordinal);

    // "BarColor" of the event's formatting, else the default bar colour.
    TColor BarColor() const;
    // Records the colour as "BarColor"; the fill takes it when the state is 0.
    void SetBarColor(TColor colour);
    TColor FillColor() const { return m_fill; }
    void SetFillColor(TColor colour) { m_fill = colour; }
    TColor PenColor() const { return m_pen; }
    void SetPenColor(TColor colour) { m_pen = colour; }
    bool Hatched() const { return m_hatched; }
    bool Circle() const { return m_circle; }

    // States 0 and 2 fill with BarColor; 1 leaves the fill.
    void SetState(int state) override;
    // "BlownAway=1" puts the bar in state 2.
    void ApplyEventFormatting();
    // The group's "BarWidth" (a whole number 0 to 2), else the timeline's default thickness.
    void ApplyGroupFormatting();

    void Position(bool recomputeExtent);
    void UpdateVisibility();
    // Cross hatch for a parent under parent/child display; circle or rectangle by kind.
    void UpdateFill();

    void Paint(QPainter& painter) const override;

private:
    int m_thickness = 1;
    TColor m_fill = clAqua;
    TColor m_pen = clBlack;
    bool m_hatched = false;
    bool m_circle = false;
};
