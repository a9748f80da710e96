// Which pixels of an area are already covered by opaque rectangles, one bit per pixel: the
// surface paints labels from the topmost down through it and skips those that later, opaque
// labels hide completely, so a pile of thousands of labels costs what its visible part costs.
#pragma once

#include <QRect>

#include <cstdint>
#include <vector>

class TtlCoverage {
public:
    // Areas beyond this many pixels are not tracked (every rectangle then counts as visible).
    static constexpr qint64 MaxPixels = 8'000'000;

    explicit TtlCoverage(const QRect& area);
    bool Tracking() const { return m_words > 0; }
    // Every pixel of `rect` inside the area is covered.
    bool Covered(const QRect& rect) const;
    void Cover(const QRect& rect);

private:
    QRect m_area;
    int m_words = 0; // 64-bit words per row
    std::vector<std::uint64_t> m_bits;
};
