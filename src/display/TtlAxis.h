// The time axis: maps time values to surface pixels along the axis and paints the axis line,
// its ticks and labels, the gridlines, the caption and the calendar bands. Its range is rounded
// outward to round values; its geometry follows the surface size, the orientation and the
// position code (0 left, 1 middle, 2 none, 3 top, 4 bottom).
#pragma once

#include "storage/DisplaySettings.h"
#include "time/TimeTypes.h"

#include <QFont>
#include <QRect>
#include <QSize>

#include <random>

class QPainter;
class TTimeLine;

class TtlAxis {
public:
    explicit TtlAxis(TTimeLine& owner);

    TAxisSettings& Settings() { return m_settings; }
    const TAxisSettings& Settings() const { return m_settings; }

    bool Horizontal() const { return m_horizontal; }
    // Stores the orientation and sets the position to 3 (horizontal) or 1 (vertical).
    void SetOrientation(bool horizontal);
    int Position() const { return m_position; }
    void SetPosition(int code) { m_position = code; }

    QString Caption() const { return m_settings.Caption; }
    void SetCaption(const QString& caption) { m_settings.Caption = caption; }
    int CaptionPos() const { return m_settings.CaptionPos; }
    // Stores the code; 0, 1 and 2 set the caption fraction 0.25, 0.5 and 0.75.
    void SetCaptionPos(int code);
    float CaptionFraction() const { return m_captionFraction; }
    int Style() const { return m_settings.Style; }
    void SetStyle(int style) { m_settings.Style = style; }
    bool Painting() const { return m_painting; }
    void SetPainting(bool on) { m_painting = on; }
    TColor LabelBackground() const { return m_settings.LabelBackground; }
    void SetLabelBackground(TColor colour) { m_settings.LabelBackground = colour; }
    const TFontDef& Font() const { return m_settings.Font; }
    void SetFont(const TFontDef& font);
    // Leaving Calendar Dates selects the metallic style, entering it the calendar bands.
    void SwitchStyleForUnits(TUnitSystem previous);

    TTimeValue StartValue() const { return m_start; }
    TTimeValue EndValue() const { return m_end; }
    double Span() const { return m_span; }
    double PixelsPerUnit() const { return m_ppu; }
    int AxisLine() const { return m_axisLine; }
    int AxisEndPixel() const { return m_axisEndPixel; }
    int AxisLength() const { return m_axisLength; }
    int LongTickEnd() const { return m_longTickEnd; }
    int ShortTickEnd() const { return m_shortTickEnd; }

    // Sets the range rounded outward. Throws EVzError when a rounded bound does not fit a
    // 32-bit whole number (the range may then already hold the unrounded values).
    void AdjustRange(TTimeValue start, TTimeValue end);
    // Recomputes the axis line and the pixel fields from the surface size and the position.
    void UpdateGeometry(const QSize& surface);

    // round((v − start) × pixels per unit) + 20, ties to even.
    int ValueToPixel(double value) const;
    double PixelToValue(int pixel) const;
    // The smallest whole number of pixels covering the duration.
    int ExtentToPixels(double duration) const;
    double PixelsToExtent(double pixels) const;

    // Range markers: state 0 both hidden, 1 marker 1 shown, 2 both shown.
    int MarkerState() const { return m_markerState; }
    void SetMarkerState(int state) { m_markerState = state; }
    double MarkerValue(int marker) const { return m_markerValue[marker == 2 ? 1 : 0]; }
    void SetMarkerValue(int marker, double value) { m_markerValue[marker == 2 ? 1 : 0] = value; }
    bool MarkerVisible(int marker) const;
    // The one-pixel line of a marker across the surface; empty when hidden.
    QRect MarkerRect(int marker) const;
    TColor MarkerColour() const { return m_markerColour; }

    // The axis font's height as the platform reports it: negative pixels for a size in points.
    int FontHeight() const;
    QFont PaintFont() const;

    void Paint(QPainter& painter);

private:
    struct TPaintContext;
    void PaintAxisLine(QPainter& painter, const TPaintContext& c);
    void PaintTicksAndLabels(QPainter& painter, const TPaintContext& c);
    void PaintCalendarTicks(QPainter& painter, const TPaintContext& c);
    void PaintTick(QPainter& painter, const TPaintContext& c, int pixel, int halfWidth,
                   bool isShort);
    void PaintTickLabel(QPainter& painter, const TPaintContext& c, int pixel, double step,
                        double value);
    void PaintCaption(QPainter& painter, const TPaintContext& c);
    void PaintDateBands(QPainter& painter, const TPaintContext& c);
    void PaintBandRow(QPainter& painter, const TPaintContext& c, int level, int offset, double s,
                      double e, double ppd);

    TTimeLine& m_owner;
    TAxisSettings m_settings;
    bool m_horizontal = false;
    int m_position = 1;
    float m_captionFraction = 0.5f;
    bool m_painting = true;
    TTimeValue m_start = 0;
    TTimeValue m_end = 0;
    double m_span = 0;
    double m_ppu = 0;
    int m_axisLine = 0;
    int m_axisEndPixel = 0;
    int m_axisLength = 0;
    int m_longTickEnd = 0;
    int m_shortTickEnd = 0;
    QSize m_surface;
    int m_markerState = 0;
    double m_markerValue[2] = {0, 0};
    TColor m_markerColour = clBlack;
    std::minstd_rand m_random{20091};
};
