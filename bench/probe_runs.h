// Runs a measuring program again as separate processes and gathers what each run reports: one
// line of "name=value" pairs on its standard output.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pelora::bench {

struct ProbeRun {
    std::int64_t spawnedAtNs = 0;  // CLOCK_MONOTONIC just before the process was started
    std::map<std::string, double> values;
};

// Starts this very program with `arguments`, waits for its end and parses its report. Throws
// std::runtime_error when it cannot start or does not end well.
ProbeRun runSelf(const std::vector<std::string>& arguments);

double median(std::vector<double> values);

}  // namespace pelora::bench
