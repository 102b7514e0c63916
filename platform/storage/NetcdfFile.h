#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A netCDF file opened for reading (the coastline database the map draws and the stand-in's land test read), closed
// when it goes. Reads whole or partial one-dimensional integer variables; every read answers nullopt when the
// variable is missing, has another shape or cannot be read, so a damaged file is refused, never a crash. Not
// shared between threads.
class NetcdfFile {
public:
    explicit NetcdfFile(const std::string& path);
    ~NetcdfFile();
    NetcdfFile(const NetcdfFile&) = delete;
    NetcdfFile& operator=(const NetcdfFile&) = delete;

    bool isOpen() const { return m_open; }

    // A whole one-dimensional variable of exactly `length` values (read as int).
    std::optional<std::vector<int>> ints(const char* name, std::size_t length) const;
    // The values [first, first + count) of a one-dimensional variable (read as int).
    std::optional<std::vector<int>> range(const char* name, std::size_t first, std::size_t count) const;
    // A variable of one value.
    std::optional<int> scalar(const char* name) const;

private:
    int m_id = 0;
    bool m_open = false;
};

}  // namespace platform
