#pragma once
// Work done in a child process of the test: a check made as an ordinary
// user or with little memory, and a save killed part-way, as a crash would
// kill it.
#include "registry/RegistryAccess.h"

#include <cstddef>
#include <filesystem>
#include <functional>

namespace orvane::test {

// Runs check as the user nobody when the tests run as root, for whom
// permissions would not apply; as the test's own user otherwise.
void asOrdinaryUser(const std::function<void()>& check);

// Runs check in a child process whose address space may grow by no more
// than headroom bytes, so that any larger allocation fails there.
void withLittleMemory(size_t headroom, const std::function<void()>& check);
// Whether this build has the address sanitizer, whose shadow memory takes
// more address space than any limit withLittleMemory could set.
bool addressSanitized();

// Makes change on the prefix's registry, in one command, in a child process
// that arm sets up to be killed part-way (onNextFsync, onNextDataSync).
// Whether the save was killed and left its journal beside user.reg.
bool killedSave(const std::filesystem::path& prefix, const std::function<void()>& arm,
                const std::function<void(RegistryAccess&)>& change);

} // namespace orvane::test
