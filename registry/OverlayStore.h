#pragma once
// A registry read from another store whose changes stay in memory: what a
// command without a lasting effect (exporting a configuration) may change
// on its way never reaches the real registry, and the store underneath is
// told that it only reads.
#include "registry/RegistryStore.h"

#include <map>
#include <memory>
#include <set>

namespace orvane {

class OverlayStore : public RegistryStore {
public:
    explicit OverlayStore(std::unique_ptr<RegistryStore> underneath) : underneath_(std::move(underneath))
    {
        underneath_->onlyRead();
    }

    bool keyExists(std::string_view path) override;
    bool createKey(std::string_view path) override;
    std::optional<RegValue> queryValue(std::string_view path, std::string_view name) override;
    bool setValue(std::string_view path, std::string_view name, const RegValue& value) override;
    bool deleteValue(std::string_view path, std::string_view name) override;
    bool deleteTree(std::string_view path) override;
    std::vector<std::string> valueNames(std::string_view path) override;

    // Reading goes on as the store underneath reads within a command.
    void beginCommand() override { underneath_->beginCommand(); }
    void endCommand() override { underneath_->endCommand(); }

private:
    // What this store changed in one key; a value set to nothing was deleted.
    struct KeyChanges {
        std::vector<std::string> names; // as first set, in that order
        std::map<std::string, std::optional<RegValue>> values;
    };
    // Whether the store underneath still speaks for the key: neither it nor
    // a parent was deleted here.
    bool underneathCounts(const std::string& key) const;

    std::unique_ptr<RegistryStore> underneath_;
    std::map<std::string, KeyChanges> keys_; // by the key's folded path
    std::set<std::string> created_;
    std::set<std::string> deleted_;
};

} // namespace orvane
