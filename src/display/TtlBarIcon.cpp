#include "display/TtlBarIcon.h"

#include "display/TmLn.h"
#include "display/TtlBar.h"
#include "display/TtlBarLabel.h"
#include "display/TtlEvent.h"
#include "time/TimeValues.h"

#include <QPainter>

TtlBarIcon::TtlBarIcon(TtlEvent& owner) : TtlItem(owner, TKind::Icon) {
    SetBounds(0, 0, Size, Size);
}

void TtlBarIcon::Position(bool recomputeExtent) {
    const TtlEvent& e = Event();
    if (e.Timeline().DisplayMode() == 1) {
        SetBounds(20, e.ListIndex() * 35 + 20, Size, Size);
        return;
    }
    const TtlBar& bar = e.Bar();
    const TtlBarLabel& label = e.Label();
    if (Horizontal()) {
        const int left = recomputeExtent
                             ? int(RoundHalfEven(bar.Left() + bar.Width() / 2.0 - Size / 2.0))
                             : Left();
        SetBounds(left, bar.Top(), Size, Size);
    } else {
        const int top = recomputeExtent
                            ? int(RoundHalfEven(label.Top() + label.Height() / 2.0 - Size / 2.0))
                            : Top();
        // Over the bar, where the label would begin right of it.
        SetBounds(bar.Left() + bar.ThicknessPixels() + 2 - Size, top, Size, Size);
    }
}

void TtlBarIcon::UpdateVisibility() {
    const TtlEvent& e = Event();
    if (e.Timeline().DisplayMode() == 1)
        SetVisible(e.IsShown() && e.HasIcon());
    else
        SetVisible(e.IsShown() && e.EventKind() == 1 && e.HasIcon());
}

void TtlBarIcon::Paint(QPainter& painter) const {
    if (m_picture.isNull())
        return;
    const QRect r = Rect();
    painter.drawImage(r.topLeft(), m_picture,
                      QRect(0, 0, std::min(r.width(), m_picture.width()),
                            std::min(r.height(), m_picture.height())));
}
