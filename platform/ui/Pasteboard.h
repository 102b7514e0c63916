#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace platform::ui {

// The general pasteboard: one text shared between applications.
class Pasteboard {
public:
    static Pasteboard& general();

    std::optional<std::string> string() const;
    void setString(std::string text);
    void clear();

private:
    mutable std::mutex m_mutex;
    std::optional<std::string> m_string;
};

}  // namespace platform::ui
