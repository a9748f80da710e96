// Finds the topmost visible item under a point of the surface (in the surface's paint order). Items
// are filed in a grid of 64-pixel cells; an item that would fill very many cells (a bar thousands
// of pixels long) is kept in a short list that every look-up checks. Rebuilt when the layout has
// changed.
#pragma once

#include <QHash>
#include <QPoint>
#include <QRect>

#include <vector>

class TtlEventList;
class TtlItem;

class TtlHitIndex {
public:
    // The topmost visible item of `list` containing `point`; nullptr when there is none.
    TtlItem* ItemAt(const TtlEventList& list, QPoint point);
    void Invalidate() { m_valid = false; }

private:
    struct TEntry {
        QRect Rect;
        TtlItem* Item;
        int Z;
    };
    void Rebuild(const TtlEventList& list);
    static qint64 CellKey(int cx, int cy) { return (qint64(cx) << 32) ^ qint64(quint32(cy)); }

    static constexpr int kCellShift = 6;
    static constexpr int kMaxCells = 64;
    bool m_valid = false;
    quint64 m_generation = 0;
    const TtlEventList* m_list = nullptr;
    std::vector<TEntry> m_entries;
    QHash<qint64, std::vector<int>> m_cells;
    std::vector<int> m_large;
};
