#pragma once

#include <filesystem>

namespace qovtest {

// A fresh folder under the system's temporary directory, removed with everything in it at destruction.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace qovtest
