#pragma once

namespace qov {

class CSCensus;

// Entry point of the audience-measurement client.
class CSAudienceMeter {
public:
    // The process's census client, made on first use (thread-safe).
    static CSCensus& census();
};

}  // namespace qov
