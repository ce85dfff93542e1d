#pragma once
// The history of changes to the game's and Orvane's keys, kept beneath the
// registry interface so that every writer has it.
#include "registry/ChangeHistory.h"
#include "registry/RegistryStore.h"

#include <memory>

namespace orvane {

// The store, keeping what it replaces in history; as it is when no
// history is kept.
std::unique_ptr<RegistryStore> withHistory(std::unique_ptr<RegistryStore> store, ChangeHistory& history);

// Whether a key is one whose changes the history keeps, and a restore may write.
bool isRecordedKey(std::string_view path);

} // namespace orvane
