#include "display/TtlFirstFit.h"

#include <algorithm>

void TtlFirstFit::Clear() {
    m_capacity = 0;
    m_tree.clear();
    m_bays.clear();
}

void TtlFirstFit::Grow() {
    const int capacity = std::max(16, 2 * m_capacity);
    std::vector<double> tree(size_t(2 * capacity), kFree);
    for (int i = 0; i < m_capacity; ++i)
        tree[size_t(capacity + i)] = m_tree[size_t(m_capacity + i)];
    for (int node = capacity - 1; node >= 1; --node)
        tree[size_t(node)] = std::min(tree[size_t(2 * node)], tree[size_t(2 * node + 1)]);
    m_tree.swap(tree);
    m_capacity = capacity;
}

void TtlFirstFit::Append(int bay, double occupiedUntil) {
    if (int(m_bays.size()) == m_capacity)
        Grow();
    m_bays.push_back(bay);
    Update(int(m_bays.size()) - 1, occupiedUntil);
}

void TtlFirstFit::Update(int position, double occupiedUntil) {
    int node = m_capacity + position;
    m_tree[size_t(node)] = occupiedUntil;
    for (node /= 2; node >= 1; node /= 2)
        m_tree[size_t(node)] = std::min(m_tree[size_t(2 * node)], m_tree[size_t(2 * node + 1)]);
}
