#pragma once

#include <string>

namespace qov {

// Why an XML document could not be read: the reader's domain, its numbered reason and a readable text.
struct XmlError {
    std::string domain;
    int code = 0;
    std::string description;
    // The document line the reader had reached (0 when unknown).
    int line = 0;
};

}  // namespace qov
