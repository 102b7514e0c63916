#include "tests/support/TempHome.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace qovtest {

TempHome::TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qovara-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary home");
    }
    m_path = pattern;
}

TempHome::~TempHome() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

}  // namespace qovtest
