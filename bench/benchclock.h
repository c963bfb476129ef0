#pragma once
// One clock for the bench and its children: the steady clock reads the same across
// processes of one machine, so a child's stamp can be set against its parent's.

#include <QtGlobal>

#include <chrono>

namespace BenchClock {

inline qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline double msBetween(qint64 fromNs, qint64 toNs)
{
    return double(toNs - fromNs) / 1e6;
}

} // namespace BenchClock
