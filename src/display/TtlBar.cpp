#include "display/TtlBar.h"

#include "common/ColourText.h"
#include "common/Errors.h"
#include "display/NameValueLines.h"
#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBayList.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "time/TimeValues.h"

#include <QPainter>

#include <cmath>

TtlBar::TtlBar(TtlEvent& owner) : TtlItem(owner, TKind::Bar) {}

int TtlBar::ThicknessPixels(int ordinal) {
    switch (ordinal) {
    case 0:
        return 5;
    case 2:
        return 25;
    default:
        return 10;
    }
}

void TtlBar::SetThickness(int ordinal) {
    m_thickness = ordinal;
    SetLineValue(Event().Formatting(), QStringLiteral("BarWidth"), QString::number(ordinal));
    if (Horizontal())
        SetBounds(Left(), Top(), Width(), ThicknessPixels(ordinal));
    else
        SetBounds(Left(), Top(), ThicknessPixels(ordinal), Height());
}

TColor TtlBar::BarColor() const {
    if (const auto text = LineValue(Event().Formatting(), QStringLiteral("BarColor"))) {
        try {
            return TextToColor(*text);
        } catch (const EVzError&) {
        }
    }
    return Event().List().DefaultBarColor();
}

void TtlBar::SetBarColor(TColor colour) {
    SetLineValue(Event().Formatting(), QStringLiteral("BarColor"), ColorToText(colour));
    if (m_state == 0)
        m_fill = colour;
}

void TtlBar::SetState(int state) {
    m_state = state;
    if (state == 0 || state == 2)
        m_fill = BarColor();
}

void TtlBar::ApplyEventFormatting() {
    if (LineValue(Event().Formatting(), QStringLiteral("BlownAway")) == QStringLiteral("1"))
        SetState(2);
}

void TtlBar::ApplyGroupFormatting() {
    int ordinal = Event().Timeline().BarWidthOrd();
    if (const auto text = LineValue(Event().GroupFormat(), QStringLiteral("BarWidth"))) {
        bool ok = false;
        const int value = text->trimmed().toInt(&ok);
        // Only the three ordinals have a width; anything else counts as the default.
        if (ok && value >= 0 && value <= 2)
            ordinal = value;
    }
    SetThickness(ordinal);
}

void TtlBar::Position(bool recomputeExtent) {
    const TtlEvent& e = Event();
    const TTimeLine& tl = e.Timeline();
    const TtlAxis& ax = tl.Axis();
    const TtlEventList& list = e.List();
    const bool calendar = tl.Units() == usCalendarDates;
    const int thickness = ThicknessPixels();
    int along = Horizontal() ? Left() : Top();
    int length = Horizontal() ? Width() : Height();
    if (recomputeExtent) {
        along = ax.ValueToPixel(e.Start());
        int a = calendar ? ax.ExtentToPixels(e.End() - e.Start() + 1)
                         : ax.ExtentToPixels(e.End() - e.Start());
        if (e.EventKind() == 1) {
            if (calendar) {
                a = ax.ExtentToPixels(1);
            } else {
                a = list.MinBarHeight();
                along -= int(RoundHalfEven(a / 2.0));
            }
        }
        if (!list.ShowRealBarHeight())
            a = std::max(a, list.MinBarHeight());
        if (a > 6000) {
            if (along < -1) {
                a -= std::abs(along) - 1;
                along = -1;
            }
            if (a <= 0)
                a = 1;
            if (a > 6000)
                a = 6000;
        }
        length = a;
    }
    const int o = tl.Bays().OffsetPixels();
    const int b = e.X();
    const QSize surface = tl.Graph().Size();
    const int bayWidth = tl.Bays().BayWidth();
    int across = ax.AxisLine() + b - o;
    if (Horizontal()) {
        if (AxisPos() == 4)
            across = ax.AxisLine() - o - b;
        if (across < 35)
            across = 35;
        if (across + bayWidth > surface.height())
            across = surface.height() - bayWidth;
        SetBounds(along, across, length, thickness);
    } else {
        if (across < 35)
            across = 35;
        if (across + bayWidth > surface.width())
            across = surface.width() - bayWidth;
        SetBounds(across, along, thickness, length);
    }
}

void TtlBar::UpdateVisibility() {
    const TtlEvent& e = Event();
    if (e.Timeline().DisplayMode() == 1)
        SetVisible(false);
    else
        SetVisible(e.IsShown() && (e.EventKind() == 2 || !e.HasIcon()));
}

void TtlBar::UpdateFill() {
    const TtlEvent& e = Event();
    m_hatched = e.Timeline().ParentChildDisplay() && e.HasChildren();
    if (e.Timeline().Units() != usCalendarDates)
        m_circle = e.EventKind() == 1;
}

void TtlBar::Paint(QPainter& painter) const {
    const QRect r = Rect();
    if (r.isEmpty())
        return;
    const QColor pen = ToQColor(m_pen);
    const QColor fill = ToQColor(m_fill);
    if (m_circle) {
        const int d = std::min(r.width(), r.height());
        const QRect square(r.left() + (r.width() - d) / 2, r.top() + (r.height() - d) / 2, d, d);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(pen, 1));
        if (m_hatched) {
            painter.setBrush(Qt::white);
            painter.drawEllipse(square.adjusted(0, 0, -1, -1));
            painter.setBrush(QBrush(fill, Qt::DiagCrossPattern));
        } else {
            painter.setBrush(fill);
        }
        painter.drawEllipse(square.adjusted(0, 0, -1, -1));
        painter.restore();
        return;
    }
    painter.fillRect(r, pen);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (inner.isEmpty())
        return;
    if (m_hatched) {
        painter.fillRect(inner, Qt::white);
        painter.fillRect(inner, QBrush(fill, Qt::DiagCrossPattern));
    } else {
        painter.fillRect(inner, fill);
    }
}
