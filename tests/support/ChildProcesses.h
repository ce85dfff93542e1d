#pragma once
// Work done in a child process of the test: a check made as an ordinary
// user, and a save killed part-way, as a crash would kill it.
#include "registry/RegistryAccess.h"

#include <filesystem>
#include <functional>

namespace orvane::test {

// Runs check as the user nobody when the tests run as root, for whom
// permissions would not apply; as the test's own user otherwise.
void asOrdinaryUser(const std::function<void()>& check);

// Makes change on the prefix's registry, in one command, in a child process
// that arm sets up to be killed part-way (onNextFsync, onNextDataSync).
// Whether the save was killed and left its journal beside user.reg.
bool killedSave(const std::filesystem::path& prefix, const std::function<void()>& arm,
                const std::function<void(RegistryAccess&)>& change);

} // namespace orvane::test
