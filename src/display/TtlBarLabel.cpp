#include "display/TtlBarLabel.h"

#include "common/ColourText.h"
#include "common/Errors.h"
#include "common/FontText.h"
#include "display/LabelFormat.h"
#include "display/NameValueLines.h"
#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBar.h"
#include "display/TtlBarIcon.h"
#include "display/TtlBayList.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "time/TimeValues.h"

#include <QPainter>
#include <QTextLayout>

namespace {
QStringList OwnLines(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

// Word-wrapped lines of `lines` within `width` pixels; a word longer than the width stays whole.
QStringList WrapLines(const QStringList& lines, const QFont& font, int width) {
    QStringList out;
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    for (const QString& paragraph : lines) {
        if (paragraph.isEmpty()) {
            out << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (part.endsWith(QLatin1Char(' ')))
                part.chop(1);
            out << part;
        }
        layout.endLayout();
    }
    return out;
}

int WidestLine(const QStringList& lines, const QFontMetrics& fm) {
    int w = 0;
    for (const QString& line : lines)
        w = std::max(w, fm.horizontalAdvance(line));
    return w;
}
} // namespace

TtlBarLabel::TtlBarLabel(TtlEvent& owner) : TtlItem(owner, TKind::Label) {}

void TtlBarLabel::SetText(const QString& text) {
    if (text == m_text && m_prepared)
        return;
    m_text = text;
    m_prepared = false;
}

void TtlBarLabel::SetCaption(const QString& name) {
    SetText(FormatLabel(Event().Timeline().LabelFmt(), name, Event().DateText()));
}

void TtlBarLabel::SetFont(const TFontDef& font) {
    if (font == m_font && m_prepared)
        return;
    m_font = font;
    m_prepared = false;
}

void TtlBarLabel::SetFontColor(TColor colour) {
    m_font.Color = colour; // the colour does not change the layout
}

void TtlBarLabel::SetLabelColor(TColor colour) {
    SetLineValue(Event().Formatting(), QStringLiteral("BarLabelColor"), ColorToText(colour));
    if (m_state == 0)
        m_color = colour;
}

void TtlBarLabel::ApplyEventFormatting() {
    const QStringList& f = Event().Formatting();
    if (const auto text = LineValue(f, QStringLiteral("BarLabelColor")))
        m_color = TextToColor(*text);
    if (LineValue(f, QStringLiteral("BlownAway")) == QStringLiteral("1"))
        SetState(2);
}

void TtlBarLabel::ApplyGroupFormatting() {
    if (const auto text = LineValue(Event().GroupFormat(), QStringLiteral("Font")))
        SetFont(GroupTextToFont(*text));
}

void TtlBarLabel::Prepare() const {
    if (m_prepared)
        return;
    const TtlEventList::TFontInfo& info = Event().List().FontInfo(m_font);
    m_qfont = info.Font;
    m_lines = OwnLines(m_text);
    m_lineHeight = info.Metrics.height();
    m_textSize = QSize(WidestLine(m_lines, info.Metrics), m_lineHeight * int(m_lines.size()));
    m_prepared = true;
    m_paintLines.clear();
    m_wrapped = false;
}

QSize TtlBarLabel::TextSize() const {
    Prepare();
    return m_textSize;
}

void TtlBarLabel::Layout(bool wrap, int wrapWidth, int wrapHeight) {
    Prepare();
    m_wordWrap = wrap;
    if (!wrap) {
        m_wrapped = false;
        SetBounds(Left(), Top(), m_textSize.width(), m_textSize.height());
        return;
    }
    const QFontMetrics& fm = Event().List().FontInfo(m_font).Metrics;
    QStringList lines;
    if (wrapWidth > 0) {
        lines = WrapLines(m_lines, m_qfont, wrapWidth);
        SetBounds(Left(), Top(), wrapWidth, m_lineHeight * int(lines.size()));
    } else {
        // Wrapping within a height: the narrowest width whose lines still fit the height (at
        // least one line), so a label never reaches into the bay beyond its own.
        const int maxLines = std::max(1, wrapHeight / std::max(1, m_lineHeight));
        int lo = 1;
        int hi = std::max(1, m_textSize.width());
        QStringList best = m_lines;
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            const QStringList trial = WrapLines(m_lines, m_qfont, mid);
            if (trial.size() <= maxLines && WidestLine(trial, fm) <= mid) {
                hi = mid;
                best = trial;
            } else {
                lo = mid + 1;
            }
        }
        if (hi == m_textSize.width())
            best = m_lines;
        lines = best;
        SetBounds(Left(), Top(), WidestLine(lines, fm), m_lineHeight * int(lines.size()));
    }
    m_wrapped = true;
    m_wrappedLines.clear();
    for (const QString& line : lines) {
        QStaticText st(line);
        st.setTextFormat(Qt::PlainText);
        m_wrappedLines.push_back(st);
    }
}

void TtlBarLabel::Position(bool recomputeExtent) {
    TtlEvent& e = Event();
    const TTimeLine& tl = e.Timeline();
    const TtlEventList& list = e.List();
    if (tl.DisplayMode() == 1) {
        Layout(false, 0, 0);
        SetBounds(70, e.ListIndex() * 35 + 25, Width(), Height());
        return;
    }
    const TtlBar& bar = e.Bar();
    const bool wrap = list.AutoWrapLabels();
    const int room = tl.Bays().BayWidth() - 20;
    const QSize surface = tl.Graph().Size();
    if (Horizontal()) {
        Layout(wrap, 0, room);
        int left = Left();
        if (recomputeExtent) {
            left = bar.Left();
            if (tl.Units() == usCalendarDates && e.HasIcon())
                left = bar.Left() + tl.Axis().ExtentToPixels(0.5);
            if (bar.Left() < 0 && bar.Left() + bar.Width() > 0 && left < 10)
                left = 10;
            if (bar.Left() < surface.width() && left + Width() > surface.width() - 10)
                left = surface.width() - Width() - 10;
        }
        SetBounds(left, bar.Top() - Height() - 2, Width(), Height());
    } else {
        Layout(wrap, std::max(1, room), 0);
        int top = Top();
        if (recomputeExtent) {
            top = bar.Top() + int(RoundHalfEven(bar.Height() / 2.0)) -
                  int(RoundHalfEven(Height() / 2.0));
            if (bar.Top() < 0 && bar.Top() + bar.Height() > 0 && top < 10)
                top = 10;
        }
        // Just right of the bar; a label that would leave the room on its side of the axis
        // (reach over the axis line, or past the surface's right edge) lies just left of its bar
        // when it fits there.
        int left = bar.Left() + bar.ThicknessPixels() + 2;
        const TtlAxis& axis = tl.Axis();
        const bool axisShown = axis.Position() != 2;
        const bool leftOfAxis = bar.Left() < axis.AxisLine();
        const int limit = axisShown && leftOfAxis ? axis.AxisLine() - 6 : surface.width() - 10;
        const int floor = axisShown && !leftOfAxis ? axis.AxisLine() + 6 : 0;
        const int mirrored = bar.Left() - 2 - Width();
        if (left + Width() > limit && mirrored >= floor)
            left = mirrored;
        SetBounds(left, top, Width(), Height());
    }
}

void TtlBarLabel::UpdateVisibility() {
    SetVisible(Event().IsShown());
}

void TtlBarLabel::Paint(QPainter& painter) const {
    const QRect r = Rect();
    if (r.isEmpty())
        return;
    Prepare();
    if (!m_transparent)
        painter.fillRect(r, ToQColor(m_color));
    if (!m_wrapped && m_paintLines.empty()) {
        for (const QString& line : m_lines) {
            QStaticText st(line);
            st.setTextFormat(Qt::PlainText);
            m_paintLines.push_back(st);
        }
    }
    const std::vector<QStaticText>& lines = m_wrapped ? m_wrappedLines : m_paintLines;
    painter.setFont(m_qfont);
    painter.setPen(ToQColor(m_font.Color));
    const bool clip = m_wordWrap;
    if (clip) {
        painter.save();
        painter.setClipRect(r, Qt::IntersectClip);
    }
    int y = r.top();
    for (const QStaticText& line : lines) {
        painter.drawStaticText(QPoint(r.left(), y), line);
        y += m_lineHeight;
    }
    if (clip)
        painter.restore();
}
