#include "display/TtlItem.h"

#include "display/TtlEvent.h"

TtlItem::TtlItem(TtlEvent& owner, TKind kind) : m_event(owner), m_kind(kind) {}

TtlItem::~TtlItem() = default;

void TtlItem::SetBounds(int left, int top, int width, int height) {
    const QRect r(left, top, width, height);
    if (r == m_rect)
        return;
    m_rect = r;
    Moved();
}

void TtlItem::SetVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    Moved();
}

void TtlItem::Moved() {
    m_event.ItemChanged();
}
