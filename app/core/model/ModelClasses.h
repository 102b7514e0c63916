#pragma once

namespace qov {

// Registers every archivable weather model class with the keyed archiver under its own class name, so that
// archives of locations (with their forecasts, alerts, marine forecasts and tides) and identities read back.
// Idempotent and thread-safe. Code that reads such archives calls it first (the model factory does so).
void registerModelClasses();

}  // namespace qov
