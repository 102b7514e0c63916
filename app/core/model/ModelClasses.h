#pragma once

#include <memory>

#include "platform/storage/KeyedArchiver.h"

namespace qov {

// Registers the archivable class T under name: an archive of it is read by making an empty T and letting its
// decodeWithCoder read the keys.
template <typename T>
void registerArchivableClass(const char* name) {
    platform::ArchiveRegistry::registerClass(name, [](const platform::KeyedUnarchiver& coder) {
        auto object = std::make_shared<T>();
        object->decodeWithCoder(coder);
        return std::shared_ptr<platform::Object>(std::move(object));
    });
}

// Registers every archivable weather model class with the keyed archiver under its own class name, so that
// archives of locations (with their forecasts, alerts, marine forecasts and tides) and identities read back.
// Idempotent and thread-safe. Code that reads such archives calls it first (the model factory does so).
void registerModelClasses();

}  // namespace qov
