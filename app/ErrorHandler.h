#pragma once
// The application's one error handler: the default error box, after which
// the program goes on.
#include <exception>
#include <utility>

namespace orvane {

void showErrorBox(const std::exception& error);

// Runs work as one registry command; an error ends the work and shows the
// error box. The changes made before it are still written.
template <class Work>
void runGuarded(Work&& work);

void beginRegistryCommand();
void endRegistryCommand(); // may throw the store's error

template <class Work>
void runGuarded(Work&& work)
{
    beginRegistryCommand();
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& error) {
        showErrorBox(error);
    }
    try {
        endRegistryCommand();
    } catch (const std::exception& error) {
        showErrorBox(error);
    }
}

} // namespace orvane
