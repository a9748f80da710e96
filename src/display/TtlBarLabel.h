// The label of an event: its name and date text in the label format, drawn unrotated in the
// label's font on a white (or transparent) background. It takes the size of its text; with
// automatic wrapping it wraps at words within the room of a bay. Beside a vertical axis a label
// lies right of its bar, or left of it when it would otherwise reach over the axis line or past
// the surface's right edge.
#pragma once

#include "common/Colour.h"
#include "common/FontDef.h"
#include "display/TtlItem.h"

#include <QFont>
#include <QStaticText>
#include <QString>

#include <vector>

class TtlBarLabel : public TtlItem {
public:
    explicit TtlBarLabel(TtlEvent& owner);

    const QString& Text() const { return m_text; }
    void SetText(const QString& text);
    // The text ← the label format applied to (name, the event's date text). Throws EVzError for
    // a format that cannot take two texts.
    void SetCaption(const QString& name);

    const TFontDef& Font() const { return m_font; }
    void SetFont(const TFontDef& font);
    TColor FontColor() const { return m_font.Color; }
    void SetFontColor(TColor colour);
    // Background colour (white at creation).
    TColor Color() const { return m_color; }
    void SetColor(TColor colour) { m_color = colour; }
    // Records the colour as "BarLabelColor"; the background takes it in state 0 only.
    void SetLabelColor(TColor colour);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on) { m_transparent = on; }
    bool WordWrap() const { return m_wordWrap; }

    // "BarLabelColor" gives the background; "BlownAway=1" state 2.
    void ApplyEventFormatting();
    // The group's "Font", when present, becomes the label font.
    void ApplyGroupFormatting();

    void Position(bool recomputeExtent);
    void UpdateVisibility();

    // The size of the text on one line per line break.
    QSize TextSize() const;

    void Paint(QPainter& painter) const override;

private:
    // Lays the text out at the current width (wrapping) or on its own lines.
    void Layout(bool wrap, int wrapWidth, int wrapHeight);
    void Prepare() const;

    QString m_text;
    TFontDef m_font;
    TColor m_color = clWhite;
    bool m_transparent = false;
    bool m_wordWrap = false;

    // Text layout, computed when text or font change.
    mutable bool m_prepared = false;
    mutable QFont m_qfont;
    mutable QStringList m_lines; // the text's own lines
    mutable int m_lineHeight = 0;
    mutable QSize m_textSize; // one line per line break
    mutable std::vector<QStaticText> m_paintLines;
    std::vector<QStaticText> m_wrappedLines;
    mutable bool m_wrapped = false;
};
