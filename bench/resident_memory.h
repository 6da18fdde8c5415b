#pragma once

#include <fstream>
#include <string>

// The resident memory of a process now, in MB: VmRSS from /proc ("self" or a process id).
inline double residentMB(const std::string& process = "self") {
    std::ifstream status("/proc/" + process + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}
