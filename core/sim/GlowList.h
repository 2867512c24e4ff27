#pragma once

#include <cstddef>
#include <vector>

// The ages of the glow arcs shown over one bulb, oldest first. Only the ball
// model's ticks age them, so the list is capped: outside it releases would
// pile up.
class CGlowList {
public:
    static constexpr std::size_t kMaxArcs = 64;

    void Add()
    {
        if (m_ages.size() == kMaxArcs)
            m_ages.erase(m_ages.begin());
        m_ages.push_back(0);
        ++m_nAdded;
    }
    void Clear() { m_ages.clear(); }
    std::size_t Size() const { return m_ages.size(); }
    bool Empty() const { return m_ages.empty(); }
    const std::vector<int>& Ages() const { return m_ages; }
    // Every arc ever added, whether or not it is still shown.
    long long TotalAdded() const { return m_nAdded; }

    // Adds 1 to every age and drops those that reach maxAge, keeping the
    // others in order.
    void Age(int maxAge)
    {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_ages.size(); ++i) {
            const int age = m_ages[i] + 1;
            if (age < maxAge)
                m_ages[kept++] = age;
        }
        m_ages.resize(kept);
    }

private:
    std::vector<int> m_ages;
    long long m_nAdded = 0;
};
