#include "display/TtlCoverage.h"

namespace {
// Bits `from` to `to` (inclusive, 0-63) of a word.
std::uint64_t Mask(int from, int to) {
    const std::uint64_t high = to == 63 ? ~std::uint64_t(0) : ((std::uint64_t(1) << (to + 1)) - 1);
    return high & ~((std::uint64_t(1) << from) - 1);
}
} // namespace

TtlCoverage::TtlCoverage(const QRect& area) : m_area(area) {
    if (area.isEmpty() || qint64(area.width()) * area.height() > MaxPixels)
        return;
    m_words = (area.width() + 63) / 64;
    m_bits.assign(size_t(m_words) * size_t(area.height()), 0);
}

bool TtlCoverage::Covered(const QRect& rect) const {
    if (!Tracking())
        return false;
    const QRect r = rect.intersected(m_area).translated(-m_area.topLeft());
    if (r.isEmpty())
        return true;
    const int w0 = r.left() / 64, w1 = r.right() / 64;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const std::uint64_t* row = &m_bits[size_t(y) * size_t(m_words)];
        for (int w = w0; w <= w1; ++w) {
            const std::uint64_t mask =
                Mask(w == w0 ? r.left() % 64 : 0, w == w1 ? r.right() % 64 : 63);
            if ((row[w] & mask) != mask)
                return false;
        }
    }
    return true;
}

void TtlCoverage::Cover(const QRect& rect) {
    if (!Tracking())
        return;
    const QRect r = rect.intersected(m_area).translated(-m_area.topLeft());
    if (r.isEmpty())
        return;
    const int w0 = r.left() / 64, w1 = r.right() / 64;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::uint64_t* row = &m_bits[size_t(y) * size_t(m_words)];
        for (int w = w0; w <= w1; ++w)
            row[w] |= Mask(w == w0 ? r.left() % 64 : 0, w == w1 ? r.right() % 64 : 63);
    }
}
