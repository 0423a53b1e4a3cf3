#pragma once

#include <fstream>
#include <string>

// This process's memory as the kernel counts it, in MiB: the resident set now ("VmRSS") or its
// peak ("VmHWM"); 0 when the field cannot be read.
inline double StatusMiB(const char* field)
{
    const std::string prefix = std::string(field) + ':';
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0)
            return std::stod(line.substr(prefix.size())) / 1024;
    return 0;
}

inline double CurrentRssMiB() { return StatusMiB("VmRSS"); }
inline double PeakRssMiB() { return StatusMiB("VmHWM"); }

// The peak is measured from here on.
inline void ResetPeakRss() { std::ofstream("/proc/self/clear_refs") << "5"; }
