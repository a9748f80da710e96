// Writes the positions across the axis ("X") of many events to the event table at once: one
// statement in one transaction, the other data sets told once, the timeline marked modified
// when a record changed. Records whose ID is gone are skipped; a read-only table (a protected
// timeline) is left alone, the positions then last until the next build.
#pragma once

#include <utility>
#include <vector>

class TTimeLine;

class TtlPositionWriter {
public:
    explicit TtlPositionWriter(TTimeLine& timeline) : m_timeline(timeline) {}

    void Add(int id, int x) { m_pending.emplace_back(id, x); }
    bool Empty() const { return m_pending.empty(); }
    // Writes and forgets what was added.
    void Write();

private:
    TTimeLine& m_timeline;
    std::vector<std::pair<int, int>> m_pending;
};
