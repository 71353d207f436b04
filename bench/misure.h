// What the benchmarks share: one median and one CPU clock.
#pragma once

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace misure {

// The middle value; of an even count, the mean of the two middle ones.
inline double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// CPU time of this process, all its threads, in milliseconds: the
// scheduler's clock, which a busy machine does not inflate as it does the
// wall clock.
inline double msCpu()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

}
