#include "app/PrefixReadAhead.h"

namespace orvane {

PrefixReadAhead::PrefixReadAhead(std::optional<std::string> named, HomeFolders folders, const char* winePrefixVariable)
    : thread_([this, named = std::move(named), folders = std::move(folders),
               variable = std::string(winePrefixVariable ? winePrefixVariable : "")] {
          try {
              settled_ = named ? PrefixInUse{.folder = *named} : prefixWithoutAsking(folders, variable.c_str());
              if (const auto* prefix = std::get_if<PrefixInUse>(&settled_)) {
                  store_ = std::make_unique<WinePrefixStore>(prefix->folder);
                  store_->readAhead();
              }
          } catch (...) {
              failure_ = std::current_exception();
          }
      })
{}

PrefixReadAhead::~PrefixReadAhead()
{
    wait();
}

void PrefixReadAhead::wait()
{
    if (thread_.joinable())
        thread_.join();
}

PrefixSettlement PrefixReadAhead::settled()
{
    wait();
    if (failure_)
        std::rethrow_exception(failure_);
    return settled_;
}

SettingsPlace PrefixReadAhead::settingsOf(const std::filesystem::path& prefix)
{
    wait();
    if (store_ && store_->prefix() == prefix)
        return settingsOfPrefix(prefix, std::move(store_));
    return settingsOfPrefix(prefix);
}

} // namespace orvane
