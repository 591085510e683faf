#pragma once

#include <fstream>
#include <string>

// This process's resident memory as Linux reports it, for benchmarks that show memory stays
// flat while they stream.
namespace ProcessMemory {

inline double statusFieldMiB(const char *field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix(field);
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::stod(line.substr(prefix.size())) / 1024.0;
    }
    return -1;
}

// Peak resident set since the process started or since the last resetPeak(), in MiB.
inline double peakMiB() {
    return statusFieldMiB("VmHWM:");
}

inline double currentMiB() {
    return statusFieldMiB("VmRSS:");
}

inline void resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

} // namespace ProcessMemory
