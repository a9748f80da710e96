#include "display/TtlAxis.h"

#include "common/ColourText.h"
#include "common/Errors.h"
#include "display/PaintHelpers.h"
#include "display/TmLn.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "time/CalendarLevels.h"
#include "time/DateNumbers.h"
#include "time/ReadableText.h"
#include "time/TimeValues.h"
#include "time/UnitTable.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <limits>

namespace {
constexpr double kEps = 1e-8;

// Floor and ceiling as 32-bit whole numbers; a result outside that range fails.
int WholeNumber(double x) {
    if (!(x >= -2147483648.0 && x < 2147483648.0))
        throw EVzError(QStringLiteral("Invalid floating point operation"));
    return int(x);
}
int Floor32(double x) {
    return WholeNumber(std::floor(x));
}
int Ceil32(double x) {
    return WholeNumber(std::ceil(x));
}

// Pixels are kept well inside the integer range whatever the value.
int ClampPixel(double p) {
    if (std::isnan(p))
        return 0;
    return int(std::clamp(p, -1.0e9, 1.0e9));
}

// The subdivision count of a unit system used when the range is rounded.
int Subdivisions(TUnitSystem unit) {
    switch (unit) {
    case usYearsAndMonths:
        return 12;
    case usYearsAndWeeks:
        return 13;
    case usDaysAndHours:
        return 24;
    case usHoursAndMinutes:
        return 6;
    case usCalendarDates:
        return 1;
    default:
        return 10;
    }
}

// The label rule of the plain axis: positive values, or whole ones.
bool LabelRule(double v) {
    return v > 0 || std::fabs(v - std::trunc(v)) <= 0.0002;
}

// Metallic colours: black, grey, silver, white.
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);
} // namespace

struct TtlAxis::TPaintContext {
    TUnitSystem Units = usCalendarDates;
    int W = 0;
    int H = 0;
    QFont Font;
    QFontMetrics Metrics{QFont()};
    QColor FontColour;
    QColor Background;
    bool OpaqueLabels = true;
    bool Gridlines = true;
    int H0 = 0; // font height as reported: negative for point sizes
};

TtlAxis::TtlAxis(TTimeLine& owner) : m_owner(owner) {
    m_markerColour = m_settings.LabelBackground;
}

void TtlAxis::SetOrientation(bool horizontal) {
    m_horizontal = horizontal;
    m_position = horizontal ? 3 : 1;
}

void TtlAxis::SetCaptionPos(int code) {
    m_settings.CaptionPos = code;
    if (code == 0)
        m_captionFraction = 0.25f;
    else if (code == 1)
        m_captionFraction = 0.5f;
    else if (code == 2)
        m_captionFraction = 0.75f;
}

void TtlAxis::SetFont(const TFontDef& font) {
    m_settings.Font = font;
}

void TtlAxis::SwitchStyleForUnits(TUnitSystem previous) {
    const TUnitSystem now = m_owner.Units();
    if (previous == usCalendarDates && now != usCalendarDates)
        m_settings.Style = 1;
    else if (previous != usCalendarDates && now == usCalendarDates)
        m_settings.Style = 3;
}

void TtlAxis::AdjustRange(TTimeValue start, TTimeValue end) {
    m_start = start;
    m_end = end;
    for (TTimeValue* v : {&m_start, &m_end}) {
        const double frac = std::fabs(*v - std::trunc(*v));
        if (std::round(frac * 10000.0) / 10000.0 == MajorOnlyMarker)
            *v = std::trunc(*v);
    }
    const double s = std::max(1.0, std::fabs(m_end - m_start));
    const double f = m_axisLength / s;
    const int g = Subdivisions(m_owner.Units());
    if (f / g > 30) {
        m_start = double(Floor32(g * m_start)) / g;
        m_end = double(Ceil32(g * m_end)) / g;
    } else {
        static const double steps[] = {1,      5,      10,      50,      100,
                                       500,    1000,   5000,    10000,   50000,
                                       100000, 500000, 1000000, 5000000, 10000000};
        for (double step : steps) {
            if (f * step > 30) {
                m_start = step * Floor32(m_start / step);
                m_end = step * Ceil32(m_end / step);
                break;
            }
        }
    }
    m_span = std::fabs(m_end - m_start);
    if (m_span == 0) {
        m_start -= 1.0 / g;
        m_end += 1.0 / g;
        m_span = 2.0 / g;
    }
    m_ppu = m_axisLength / m_span;
}

void TtlAxis::UpdateGeometry(const QSize& surface) {
    m_surface = surface;
    const int w = surface.width();
    const int h = surface.height();
    if (m_horizontal) {
        switch (m_position) {
        case 1:
            m_axisLine = h / 2;
            break;
        case 4:
            m_axisLine = h - 50;
            break;
        case 0:
        case 2:
        case 3:
            m_axisLine = 50;
            break;
        default:
            break;
        }
        m_axisEndPixel = w - 20;
        m_axisLength = w - 40;
        const int sign = m_position == 4 ? -1 : 1;
        m_longTickEnd = m_axisLine + sign * 10;
        m_shortTickEnd = m_axisLine + sign * 6;
    } else {
        m_axisLine = m_position == 1 ? w / 2 : 50;
        m_axisEndPixel = h - 20;
        m_axisLength = h - 40;
        m_longTickEnd = m_axisLine + 10;
        m_shortTickEnd = m_axisLine + 6;
    }
    if (m_span != 0)
        m_ppu = m_axisLength / m_span;
}

int TtlAxis::ValueToPixel(double value) const {
    return ClampPixel(RoundHalfEven((value - m_start) * m_ppu)) + 20;
}

double TtlAxis::PixelToValue(int pixel) const {
    if (m_ppu == 0)
        return 0;
    return (pixel - 20) / m_ppu + m_start;
}

int TtlAxis::ExtentToPixels(double duration) const {
    return ClampPixel(std::ceil(duration * m_ppu));
}

double TtlAxis::PixelsToExtent(double pixels) const {
    if (m_ppu == 0)
        return 0;
    return pixels / m_ppu;
}

bool TtlAxis::MarkerVisible(int marker) const {
    return marker == 1 ? m_markerState >= 1 : m_markerState == 2;
}

QRect TtlAxis::MarkerRect(int marker) const {
    if (!MarkerVisible(marker))
        return {};
    const int p = ValueToPixel(MarkerValue(marker)) - 1;
    if (m_horizontal)
        return QRect(p, 10, 1, m_surface.height() - 20);
    return QRect(10, p, m_surface.width() - 20, 1);
}

int TtlAxis::FontHeight() const {
    return -int(std::floor(m_settings.Font.Size * 96.0 / 72.0 + 0.5));
}

QFont TtlAxis::PaintFont() const {
    QFont font = m_settings.Font.ToQFont();
    font.setPixelSize(std::max(1, -FontHeight()));
    return font;
}

void TtlAxis::Paint(QPainter& painter) {
    if (!m_painting)
        return;
    if (m_owner.Events().SelectionFlag() || m_position == 2 || m_owner.DisplayMode() == 1)
        return;
    TPaintContext c;
    c.Units = m_owner.Units();
    c.W = m_surface.width();
    c.H = m_surface.height();
    c.Font = PaintFont();
    c.Metrics = QFontMetrics(c.Font);
    c.FontColour = ToQColor(m_settings.Font.Color);
    c.Background = ToQColor(m_settings.LabelBackground);
    c.OpaqueLabels = !m_owner.Graph().TransparentLabels();
    c.Gridlines = m_settings.Gridlines;
    c.H0 = FontHeight();
    painter.save();
    painter.setFont(c.Font);
    if (m_settings.Style == 3)
        PaintDateBands(painter, c);
    else
        PaintAxisLine(painter, c);
    PaintTicksAndLabels(painter, c);
    painter.restore();
}

void TtlAxis::PaintAxisLine(QPainter& painter, const TPaintContext& c) {
    // Lines along the axis at offset o across it, from `from` to `to` (excluded).
    auto line = [&](int o, int from, int to, const QColor& colour) {
        if (m_horizontal)
            PixelLine(painter, QPoint(from, m_axisLine + o), QPoint(to, m_axisLine + o), colour);
        else
            PixelLine(painter, QPoint(m_axisLine + o, from), QPoint(m_axisLine + o, to), colour);
    };
    switch (m_settings.Style) {
    case 0:
    case 2:
        for (int o = -2; o <= 2; ++o)
            line(o, 19, m_axisEndPixel + 2, m_settings.Style == 0 ? kBlack : kWhite);
        break;
    case 1: {
        static const QColor* const colours[11] = {&kBlack, &kBlack,  &kGrey,  &kGrey,
                                                  &kGrey,  &kSilver, &kWhite, &kSilver,
                                                  &kGrey,  &kBlack,  &kBlack};
        std::uniform_int_distribution<int> ragged(0, 9);
        for (int o = -5; o <= 5; ++o) {
            const int r = ragged(m_random);
            line(o, 17 - r, m_axisEndPixel + r + 4, *colours[o + 5]);
        }
        break;
    }
    default:
        break;
    }
    (void)c;
}

void TtlAxis::PaintTicksAndLabels(QPainter& painter, const TPaintContext& c) {
    if (c.Units == usCalendarDates) {
        PaintCalendarTicks(painter, c);
        if (m_settings.Style != 3)
            PaintCaption(painter, c);
        return;
    }
    const int length = m_axisLength;
    if (length < 1)
        return;
    const double d = m_end - m_start;
    if (std::fabs(d) < kEps)
        return;
    const double ppu = length / d;
    double step = 1.0 / MinorPerMajor(c.Units);
    if (step * ppu < 30) {
        step = 1;
        if (step * ppu < 30) {
            step = 5;
            if (step * ppu < 30) {
                step = 10;
                while (step * ppu < 30)
                    step *= 10;
            }
        }
    }
    auto tick = [&](double v) {
        const int p = ValueToPixel(v);
        PaintTick(painter, c, p, 2, false);
        PaintTickLabel(painter, c, p, step, v);
    };
    tick(m_start);
    const double q = (std::fabs(step) < kEps || step < 0) ? 1 : step;
    double m = q * std::floor(m_start / q);
    if (!(std::fabs(m_start - m) < kEps))
        m += q;
    if ((m - m_start) * ppu >= 30)
        tick(m);
    double v = m;
    double u = m;
    // Bounded by the axis length: every step is at least 30 pixels.
    for (;;) {
        v += step;
        if (v >= m_end && std::fabs(v - m_end) >= kEps)
            break;
        u = v;
        if ((m_end - v) * ppu >= 30 && LabelRule(v))
            tick(v);
    }
    if (std::fabs(u - m_end) < kEps && LabelRule(u))
        tick(m_end);
    if (m_settings.Style != 3)
        PaintCaption(painter, c);
}

void TtlAxis::PaintCalendarTicks(QPainter& painter, const TPaintContext& c) {
    const double ppd = m_ppu;
    bool any = false;
    double lastValue = 0;
    auto tick = [&](double value, bool major) {
        const int p = ValueToPixel(value);
        const bool labelled = major || !any;
        PaintTick(painter, c, p, major ? 2 : 1, !major);
        if (labelled)
            PaintTickLabel(painter, c, p, 1, value);
        any = true;
        lastValue = value;
    };
    const double start = m_start;
    const double end = m_end;
    const QDate first = ValueToDate(start);
    if (first.isValid() && start <= end) {
        if (ppd > 30) {
            // Week runs: short ticks on the days up to Saturday, a long one on Sunday. No tick
            // goes beyond the end of the range.
            double d = start;
            while (d <= end) {
                const int weekday = ValueToDate(d).dayOfWeek() % 7; // Sunday 0
                for (int k = weekday; k < 6; ++k) {
                    d += 1;
                    if (d > end)
                        break;
                    tick(d, false);
                }
                if (d > end)
                    break;
                d += 1;
                if (d > end)
                    break;
                tick(d, true);
            }
        } else if (ppd > 0.0008) {
            // The runs to the end: the days after the start up to the first day at or after
            // the end, ticked on the first of a month or on 1 January of some years. The tick
            // dates are reached directly instead of stepping through every day.
            const qint64 lastDay = qint64(std::ceil(end - start - 1e-9));
            const QDate last = first.addDays(std::max<qint64>(lastDay, 1));
            int every = 0;
            int majorEvery = 0;
            if (ppd > 1) {
                every = 0; // months
            } else if (ppd > 0.08) {
                every = 1, majorEvery = 10;
            } else if (ppd > 0.008) {
                every = 5, majorEvery = 25;
            } else if (ppd > 0.004) {
                every = 10, majorEvery = 100;
            } else {
                every = 100, majorEvery = 1000;
            }
            auto valueOf = [&](const QDate& date) { return start + double(first.daysTo(date)); };
            if (every == 0) {
                QDate t = QDate(first.year(), first.month(), 1).addMonths(1);
                for (; t.isValid() && t <= last; t = t.addMonths(1))
                    tick(valueOf(t), t.month() == 1);
            } else {
                int year = first.year() + 1;
                const int rem = ((year % every) + every) % every;
                if (rem != 0)
                    year += every - rem;
                for (;; year += every) {
                    if (year <= 0)
                        continue; // no date number lies before year 1
                    const QDate t(year, 1, 1);
                    if (!t.isValid() || t > last)
                        break;
                    if (t <= first)
                        continue;
                    tick(valueOf(t), year % majorEvery == 0);
                }
            }
        }
    }
    if (any) {
        const int p = ValueToPixel(lastValue);
        PaintTick(painter, c, p, 2, false);
        PaintTickLabel(painter, c, p, 1, lastValue);
    } else {
        for (double v : {start, end}) {
            const int p = ValueToPixel(v);
            PaintTick(painter, c, p, 2, false);
            PaintTickLabel(painter, c, p, 1, v);
        }
    }
}

void TtlAxis::PaintTick(QPainter& painter, const TPaintContext& c, int p, int halfWidth,
                        bool isShort) {
    if (c.Gridlines) {
        if (m_horizontal)
            DottedLine(painter, QPoint(p, m_position == 3 ? m_axisLine : 10),
                       QPoint(p, m_position == 4 ? m_axisLine : c.H - 10), kSilver);
        else
            DottedLine(painter, QPoint(m_position == 0 ? m_axisLine : 10, p), QPoint(c.W - 10, p),
                       kSilver);
    }
    const int e = isShort ? m_shortTickEnd : m_longTickEnd;
    switch (m_settings.Style) {
    case 0:
    case 2: {
        const QColor& colour = m_settings.Style == 0 ? kBlack : kWhite;
        for (int o = -1; o <= 1; ++o) {
            if (m_horizontal)
                PixelLine(painter, QPoint(p + o, m_axisLine), QPoint(p + o, e), colour);
            else
                PixelLine(painter, QPoint(m_axisLine, p + o), QPoint(e, p + o), colour);
        }
        break;
    }
    case 1: {
        static const QColor* const colours[5] = {&kBlack, &kGrey, &kSilver, &kWhite, &kBlack};
        // A bevelled tick centred on its pixel: line i is |i| shorter at both ends. A tick of
        // a horizontal axis at the bottom points up, so its ends move the other way.
        const int dir = e >= m_axisLine ? 1 : -1;
        for (int i = -halfWidth; i <= halfWidth; ++i) {
            const QColor& colour = *colours[i + halfWidth];
            const int a = std::abs(i);
            if (m_horizontal)
                PixelLine(painter, QPoint(p + i, m_axisLine + dir * a), QPoint(p + i, e - dir * a),
                          colour);
            else
                PixelLine(painter, QPoint(m_axisLine + a, p + i), QPoint(e - a, p + i), colour);
        }
        break;
    }
    default:
        break;
    }
}

void TtlAxis::PaintTickLabel(QPainter& painter, const TPaintContext& c, int p, double step,
                             double value) {
    if (m_settings.Style == 3)
        return;
    const QString text = ValueLabel(c.Units, value, step);
    const int half = int(RoundHalfEven(c.H0 * 0.5));
    const QColor* background = c.OpaqueLabels ? &c.Background : nullptr;
    if (!m_horizontal)
        DrawTextCell(painter, c.Metrics, QPoint(m_axisLine + 12, p + half), 0, text, c.FontColour,
                     background);
    else if (m_position == 4)
        DrawTextCell(painter, c.Metrics, QPoint(p + half, m_axisLine - 12), 900, text, c.FontColour,
                     background);
    else
        DrawTextCell(painter, c.Metrics, QPoint(p - half, m_axisLine + 12), 2700, text,
                     c.FontColour, background);
}

void TtlAxis::PaintCaption(QPainter& painter, const TPaintContext& c) {
    const QString& text = m_settings.Caption;
    if (text.isEmpty())
        return;
    const int along = int(RoundHalfEven(m_axisLength * double(m_captionFraction))) - 30;
    const QColor* background = c.OpaqueLabels ? &c.Background : nullptr;
    if (m_horizontal) {
        const int y = m_position == 4 ? m_axisLine - 5 : m_axisLine - 5 + c.H0;
        DrawTextCell(painter, c.Metrics, QPoint(along, y), 0, text, c.FontColour, background);
    } else {
        DrawTextCell(painter, c.Metrics, QPoint(m_axisLine - 5, along), 2700, text, c.FontColour,
                     background);
    }
}

void TtlAxis::PaintDateBands(QPainter& painter, const TPaintContext& c) {
    const double s = std::min(m_start, m_end);
    const double e = std::max(m_start, m_end);
    const double ppd = m_axisLength / std::max(1.0, std::trunc(e - s));
    int level = -1;
    for (int i = 0; i < CalendarLabelLevelCount; ++i) {
        if (CalendarLabelSampleWidth(i, c.Font) / double(CalendarPeriodDays(i)) * 1.2 <= ppd) {
            level = i;
            break;
        }
    }
    if (level < 0)
        return;
    const int h = std::abs(c.H0);
    PaintBandRow(painter, c, level, 0, s, e, ppd);
    if (level == 1 || level == 2)
        PaintBandRow(painter, c, 3, -(h + 5), s, e, ppd);
    else if (level >= 4 && level <= 6)
        PaintBandRow(painter, c, 7, -(h + 5), s, e, ppd);
}

void TtlAxis::PaintBandRow(QPainter& painter, const TPaintContext& c, int level, int offset,
                           double s, double e, double ppd) {
    const int h = std::abs(c.H0);
    double b = CalendarPeriodStart(level, s);
    double p0 = 20 - (s - b) * ppd;
    const double lastWhole = std::trunc(e);
    const int limit = (m_horizontal ? c.W : c.H) - 10;
    while (lastWhole >= b) {
        const double n = CalendarPeriodNext(level, b);
        if (!(n > b))
            break; // a period that does not advance (outside the calendar) ends the row
        const double p1 = (n - b) * ppd + p0;
        const int x1 = ClampPixel(RoundHalfEven(p0));
        const int x2 = ClampPixel(RoundHalfEven(p1));
        const int lo = std::max(x1, 10);
        const int hi = std::min(x2, limit);
        const int across = m_axisLine + offset;
        if (m_horizontal)
            OutlineRect(painter, QRect(QPoint(x1, across), QPoint(x2, across + h + 5)),
                        c.FontColour);
        else
            OutlineRect(painter, QRect(QPoint(across, x1), QPoint(across + h + 5, x2)),
                        c.FontColour);
        const QString text = CalendarLabelText(level, b);
        const int w = c.Metrics.horizontalAdvance(text);
        const double span = CalendarPeriodDays(level) * ppd;
        if (m_horizontal) {
            const int x = w < hi - lo ? lo + int(RoundHalfEven((hi - lo - w) / 2.0))
                                      : int(RoundHalfEven((span - w) / 2.0 + p0));
            DrawTextCell(painter, c.Metrics, QPoint(x, across + 2), 0, text, c.FontColour, nullptr);
        } else {
            const int y = w < hi - lo ? lo + int(RoundHalfEven((hi - lo + w) / 2.0))
                                      : int(RoundHalfEven((span + w) / 2.0 + p0));
            DrawTextCell(painter, c.Metrics, QPoint(across + 2, y), 900, text, c.FontColour,
                         nullptr);
        }
        b = n;
        p0 = p1;
    }
}
