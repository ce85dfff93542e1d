#pragma once
// The turn of a command on the registry of the current Windows user
// (registry/StoreTurns.h): a mutex of the user's session, named after the
// user, so that another user's Orvane in the same session goes on apart.
// A holder that ends without letting go (killed, crashed) leaves it
// abandoned, and the next taker takes it as its own.
#include "registry/StoreTurns.h"

#include <windows.h>

#include <chrono>

namespace orvane {

class UserRegistryLock {
public:
    // Waits while another Orvane's command holds the turn, up to patience;
    // then throws RegistryStoreError saying so. Where the system makes no
    // mutex, goes on unlocked. Let go on the thread that took it.
    explicit UserRegistryLock(std::chrono::milliseconds patience = TurnPatience);
    ~UserRegistryLock();
    UserRegistryLock(const UserRegistryLock&) = delete;
    UserRegistryLock& operator=(const UserRegistryLock&) = delete;

private:
    HANDLE mutex_ = nullptr;
};

} // namespace orvane
