// Finds the first bay, in list order, whose occupation lets an event in, without scanning every
// bay: a tree of the smallest occupation over ranges of bays. The fit test must be monotone —
// when a bay occupied until t fits, so does every bay occupied until a time at or before t — as
// both tests of the bay layout are; the answer is then exactly that of a scan in list order.
#pragma once

#include <limits>
#include <vector>

class TtlFirstFit {
public:
    void Clear();
    // Appends an entry (a bay's index in the bay list) with its occupation.
    void Append(int bay, double occupiedUntil);
    void Update(int position, double occupiedUntil);
    int Count() const { return int(m_bays.size()); }
    int BayAt(int position) const { return m_bays[size_t(position)]; }

    // Position of the first entry whose occupation passes `fits`; −1 when none does.
    template <class TFits> int First(TFits fits) const {
        if (m_bays.empty() || !fits(m_tree[1]))
            return -1;
        int node = 1;
        while (node < m_capacity)
            node = fits(m_tree[size_t(2 * node)]) ? 2 * node : 2 * node + 1;
        return node - m_capacity;
    }

private:
    void Grow();

    static constexpr double kFree = std::numeric_limits<double>::infinity();
    int m_capacity = 0;         // leaves, a power of two
    std::vector<double> m_tree; // 1-based heap of minima; leaves from m_capacity
    std::vector<int> m_bays;
};
