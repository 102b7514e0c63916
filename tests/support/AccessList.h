#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace qovtest {

// Adds entries to a folder's access list as a user does, with setfacl (the acl package, installed by
// scripts/setup): spec as setfacl -m takes it ("u:65534:rwx,m::r-x"). False when it could not (no setfacl, a file
// system without access lists); the caller skips then. The path must not hold single quotes.
inline bool addAccessListEntries(const std::filesystem::path& folder, const std::string& spec) {
    return std::system(("setfacl -m '" + spec + "' '" + folder.string() + "' 2>/dev/null").c_str()) == 0;
}

}  // namespace qovtest
