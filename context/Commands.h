#pragma once
// The program's one error handler: every user event runs as one registry
// command; an error ends the event's work and shows the default error box,
// after which the program goes on.
#include "context/MessageBoxes.h"
#include "controls/Dispatch.h"
#include "language/Texts.h"
#include "registry/RegistryAccess.h"

#include <exception>
#include <memory>
#include <utility>

namespace orvane {

class Commands : public EventDispatcher {
public:
    // registry: the program's registry object, which may be created and
    // destroyed while the program runs.
    Commands(MessageBoxes& boxes, const std::unique_ptr<RegistryAccess>& registry, const Texts& texts)
        : boxes_(boxes),
          registry_(registry),
          texts_(texts)
    {}

    void dispatch(const std::function<void()>& handler) override { run(handler); }

    // Runs work as one registry command; an error ends the work and shows the
    // error box. The changes made before it are still written.
    template <class Work>
    void run(Work&& work);

    void showErrorBox(const std::exception& error);

private:
    void begin();
    void end(); // may throw the store's error

    MessageBoxes& boxes_;
    const std::unique_ptr<RegistryAccess>& registry_;
    const Texts& texts_;
    // The registry object may be destroyed inside a command (by Shutdown);
    // the command then has nothing left to write.
    RegistryAccess* commandRegistry_ = nullptr;
    int depth_ = 0;
};

// An error's message in the language of texts, where it has a translation.
std::string messageOf(const std::exception& error, const Texts& texts);

template <class Work>
void Commands::run(Work&& work)
{
    begin();
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& error) {
        showErrorBox(error);
    }
    try {
        end();
    } catch (const std::exception& error) {
        showErrorBox(error);
    }
}

} // namespace orvane
