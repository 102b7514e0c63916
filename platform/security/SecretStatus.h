#pragma once

namespace platform::security {

// The outcome of a secret store operation, numbered as the platform's keychain numbers its results.
enum class SecretStatus : int {
    Success = 0,
    IOError = -36,           // the store's file could not be read or written; nothing changed
    DuplicateItem = -25299,  // add: an item with that service and account exists already
    ItemNotFound = -25300,   // no item matches
};

}  // namespace platform::security
