// The icon of an event: its group's picture in a 34 × 34 box, drawn unscaled from the top-left
// corner. A point event with an icon shows it instead of its bar.
#pragma once

#include "display/TtlItem.h"

#include <QImage>

class TtlBarIcon : public TtlItem {
public:
    static constexpr int Size = 34;

    explicit TtlBarIcon(TtlEvent& owner);

    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture) { m_picture = picture; }
    bool HasPicture() const { return !m_picture.isNull(); }

    void Position(bool recomputeExtent);
    void UpdateVisibility();

    void Paint(QPainter& painter) const override;

private:
    QImage m_picture;
};
