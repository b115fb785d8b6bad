// Small file and port helpers shared by the tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/test_servers.h"

namespace strevo::test {

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// A loopback port that nothing listens on: connections to it are refused.
inline int refused_port() {
    RawServer closed([](const std::string&) { return std::string(); });
    return closed.port();
}

}  // namespace strevo::test
