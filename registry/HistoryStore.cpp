#include "registry/HistoryStore.h"

#include "files/TextEncoding.h"
#include "registry/KeyPaths.h"

#include <algorithm>
#include <exception>

namespace orvane {

HistoryStore::HistoryStore(std::unique_ptr<RegistryStore> underneath, ChangeHistory& history, RecordedKeys recorded)
    : underneath_(std::move(underneath)),
      history_(history),
      recorded_(std::move(recorded))
{
    for (const std::string& tree : recorded_.trees)
        foldedTrees_.push_back(foldCase(normalizeKeyPath(tree)));
}

template <class Write>
bool HistoryStore::inCommand(Write&& write)
{
    if (depth_ > 0)
        return write();
    beginCommand();
    bool done = false;
    try {
        done = write();
    } catch (...) {
        try {
            endCommand();
        } catch (...) {}
        throw;
    }
    endCommand();
    return done;
}

std::string HistoryStore::treeOf(const std::string& folded) const
{
    for (const std::string& tree : foldedTrees_)
        if (isInTree(folded, tree))
            return tree;
    return {};
}

HistoryStore::KeyBefore* HistoryStore::recordOf(std::string_view path, bool existed)
{
    const std::string folded = foldCase(normalizeKeyPath(path));
    if (treeOf(folded).empty())
        return nullptr;
    for (KeyBefore& key : keys_) {
        if (key.folded == folded)
            return key.existed ? &key : nullptr;
        if (!key.existed && isInTree(folded, key.folded))
            return nullptr;
    }
    return &keys_.emplace_back(KeyBefore{normalizeKeyPath(path), folded, existed, false, {}});
}

void HistoryStore::noteMissingKeys(std::string_view path)
{
    const std::string normalized = normalizeKeyPath(path);
    const std::string tree = treeOf(foldCase(normalized));
    if (tree.empty())
        return;
    for (size_t end = tree.size();; end = normalized.find('\\', end + 1)) {
        const std::string key = normalized.substr(0, end);
        if (!underneath_->keyExists(key)) {
            recordOf(key, false);
            return;
        }
        if (end == std::string::npos)
            return;
    }
}

void HistoryStore::noteValue(std::string_view path, std::string_view name)
{
    if (!underneath_->keyExists(path))
        return;
    KeyBefore* key = recordOf(path, true);
    if (!key)
        return;
    const std::string folded = foldCase(name);
    if (std::none_of(key->values.begin(), key->values.end(),
                     [&](const ValueBefore& value) { return foldCase(value.name) == folded; }))
        key->values.push_back({std::string(name), underneath_->queryValue(path, name)});
}

bool HistoryStore::createKey(std::string_view path)
{
    return inCommand([&] {
        noteMissingKeys(path);
        return underneath_->createKey(path);
    });
}

bool HistoryStore::setValue(std::string_view path, std::string_view name, const RegValue& value)
{
    return inCommand([&] {
        noteValue(path, name);
        return underneath_->setValue(path, name, value);
    });
}

bool HistoryStore::deleteValue(std::string_view path, std::string_view name)
{
    return inCommand([&] {
        noteValue(path, name);
        return underneath_->deleteValue(path, name);
    });
}

bool HistoryStore::deleteTree(std::string_view path)
{
    return inCommand([&] {
        const std::string tree = foldCase(normalizeKeyPath(path));
        std::vector<std::string> keys{normalizeKeyPath(path)};
        for (const std::string& known : recorded_.known)
            if (isInTree(foldCase(normalizeKeyPath(known)), tree))
                keys.push_back(normalizeKeyPath(known));
        for (const std::string& key : keys) {
            if (!underneath_->keyExists(key))
                continue;
            KeyBefore* before = recordOf(key, true);
            if (!before)
                continue;
            before->treeDeleted = true;
            for (const std::string& name : underneath_->valueNames(key))
                noteValue(key, name);
        }
        return underneath_->deleteTree(path);
    });
}

void HistoryStore::beginCommand()
{
    ++depth_;
    underneath_->beginCommand();
}

std::vector<RegeditKey> HistoryStore::changesMade()
{
    std::vector<RegeditKey> changes;
    for (const KeyBefore& before : keys_) {
        const bool existsNow = underneath_->keyExists(before.path);
        if (!before.existed) {
            if (existsNow)
                changes.push_back({before.path, true, {}});
            continue;
        }
        RegeditKey key{before.path, false, {}};
        for (const ValueBefore& value : before.values) {
            ValueState now = existsNow ? underneath_->queryValue(before.path, value.name) : std::nullopt;
            if (now != value.value)
                key.values.push_back({value.name, value.value, std::move(now)});
        }
        if (!key.values.empty() || (before.treeDeleted && !existsNow))
            changes.push_back(std::move(key));
    }
    return changes;
}

void HistoryStore::endCommand()
{
    if (depth_ == 0)
        return;
    if (--depth_ > 0) {
        underneath_->endCommand();
        return;
    }
    std::exception_ptr refused;
    try {
        underneath_->flush();
    } catch (...) {
        refused = std::current_exception();
    }
    std::vector<RegeditKey> changes;
    try {
        changes = changesMade();
    } catch (const std::exception&) {} // what was written cannot be read back: nothing is known to keep
    keys_.clear();
    history_.commandEnded(changes);
    if (refused) {
        try {
            underneath_->endCommand();
        } catch (...) {}
        std::rethrow_exception(refused);
    }
    underneath_->endCommand();
    history_.tellFailure();
}

} // namespace orvane
