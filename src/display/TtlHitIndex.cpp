#include "display/TtlHitIndex.h"

#include "display/TtlBar.h"
#include "display/TtlBarIcon.h"
#include "display/TtlBarLabel.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"

void TtlHitIndex::Rebuild(const TtlEventList& list) {
    m_entries.clear();
    m_cells.clear();
    m_large.clear();
    // The order in which the surface paints: bars, icons, labels, each in list order.
    const int n = list.Count();
    for (int i = 0; i < n; ++i) {
        const TtlEvent& event = list.At(i);
        const std::pair<TtlItem*, int> items[] = {
            {&event.Bar(), i}, {&event.Icon(), n + i}, {&event.Label(), 2 * n + i}};
        for (const auto& [item, z] : items) {
            const QRect r = item->Rect();
            if (!item->Visible() || r.isEmpty())
                continue;
            const int index = int(m_entries.size());
            m_entries.push_back({r, item, z});
            const int x0 = r.left() >> kCellShift, x1 = r.right() >> kCellShift;
            const int y0 = r.top() >> kCellShift, y1 = r.bottom() >> kCellShift;
            if (qint64(x1 - x0 + 1) * (y1 - y0 + 1) > kMaxCells) {
                m_large.push_back(index);
                continue;
            }
            for (int cy = y0; cy <= y1; ++cy)
                for (int cx = x0; cx <= x1; ++cx)
                    m_cells[CellKey(cx, cy)].push_back(index);
        }
    }
    m_valid = true;
    m_generation = list.LayoutGeneration();
    m_list = &list;
}

TtlItem* TtlHitIndex::ItemAt(const TtlEventList& list, QPoint point) {
    if (!m_valid || m_list != &list || m_generation != list.LayoutGeneration())
        Rebuild(list);
    const TEntry* best = nullptr;
    auto consider = [&](int index) {
        const TEntry& e = m_entries[size_t(index)];
        if ((!best || e.Z > best->Z) && e.Rect.contains(point))
            best = &e;
    };
    const auto it = m_cells.constFind(CellKey(point.x() >> kCellShift, point.y() >> kCellShift));
    if (it != m_cells.cend())
        for (int index : *it)
            consider(index);
    for (int index : m_large)
        consider(index);
    return best ? best->Item : nullptr;
}
