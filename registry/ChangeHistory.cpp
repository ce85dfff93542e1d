#include "registry/ChangeHistory.h"

#include "files/AtomicFile.h"
#include "files/TextEncoding.h"
#include "files/Utf8Paths.h"
#include "registry/KeyPaths.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>
#include <tuple>

namespace orvane {
namespace fs = std::filesystem;
namespace {

// "2026-12-09 23.41.07 Apply Video.reg"; a second entry of that second is
// "2026-12-09 23.41.07.2 Apply Video.reg".
struct EntryName {
    std::string day;   // "2026-12-09"
    std::string clock; // "23.41.07"
    unsigned sequence = 1;
    std::string label;
    auto order() const { return std::tie(day, clock, sequence); }
};

bool matchesPattern(std::string_view text, std::string_view pattern)
{
    if (text.size() < pattern.size())
        return false;
    for (size_t i = 0; i < pattern.size(); ++i)
        if (pattern[i] == '9' ? !(text[i] >= '0' && text[i] <= '9') : text[i] != pattern[i])
            return false;
    return true;
}

std::optional<EntryName> entryNameOf(const fs::path& file)
{
    const std::string name = displayPath(file.filename());
    constexpr std::string_view Stamp = "9999-99-99 99.99.99";
    if (!name.ends_with(".reg") || !matchesPattern(name, Stamp))
        return std::nullopt;
    EntryName entry{name.substr(0, 10), name.substr(11, 8)};
    std::string_view rest = std::string_view(name).substr(Stamp.size(), name.size() - Stamp.size() - 4);
    if (rest.starts_with('.')) {
        const size_t digits = rest.find_first_not_of("0123456789", 1);
        if (digits == 1 || digits == std::string_view::npos || digits > 9)
            return std::nullopt;
        entry.sequence = static_cast<unsigned>(std::stoul(std::string(rest.substr(1, digits - 1))));
        rest.remove_prefix(digits);
    }
    if (rest.size() < 2 || rest.front() != ' ')
        return std::nullopt;
    entry.label = rest.substr(1);
    return entry;
}

std::string fileNameOf(const EntryName& entry)
{
    const std::string sequence = entry.sequence > 1 ? "." + std::to_string(entry.sequence) : std::string();
    return entry.day + " " + entry.clock + sequence + " " + entry.label + ".reg";
}

EntryName nowNamed(std::string label)
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char day[16];
    char clock[16];
    std::strftime(day, sizeof day, "%Y-%m-%d", &local);
    std::strftime(clock, sizeof clock, "%H.%M.%S", &local);
    return {day, clock, 1, std::move(label)};
}

// The entries in the folder, newest first.
std::vector<std::pair<EntryName, fs::path>> listed(const fs::path& folder)
{
    std::vector<std::pair<EntryName, fs::path>> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (auto name = entryNameOf(it->path()); name && it->is_regular_file(error))
            entries.emplace_back(std::move(*name), it->path());
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.first.order() > b.first.order(); });
    return entries;
}

// Named after the entries of the same second, so that it sorts after them.
fs::path newEntryFile(const fs::path& folder, const std::string& label,
                      const std::vector<std::pair<EntryName, fs::path>>& older)
{
    EntryName name = nowNamed(label);
    for (const auto& [listedName, file] : older)
        if (listedName.day == name.day && listedName.clock == name.clock)
            name.sequence = std::max(name.sequence, listedName.sequence + 1);
    return folder / pathOf(fileNameOf(name));
}

std::string fileBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

RegeditKey* sameKey(std::vector<RegeditKey>& keys, const std::string& folded)
{
    for (RegeditKey& key : keys)
        if (foldCase(key.path) == folded)
            return &key;
    return nullptr;
}

} // namespace

void ChangeHistory::nameChange(std::string_view label, bool continued)
{
    if (label_)
        return;
    label_ = std::string(label);
    continued_ = continued;
}

std::vector<HistoryEntry> ChangeHistory::entries() const
{
    std::vector<HistoryEntry> entries;
    if (!isKept())
        return entries;
    for (auto& [name, file] : listed(folder_)) {
        HistoryEntry entry{file, name.day + "T" + name.clock, name.label};
        std::replace(entry.time.begin(), entry.time.end(), '.', ':');
        try {
            entry.changes = regeditChangeCount(parseRegeditFile(fileBytes(file), displayPath(file)));
        } catch (const std::exception&) {} // listed all the same: the player may want to know of it
        entries.push_back(std::move(entry));
    }
    return entries;
}

void ChangeHistory::commandEnded(const std::vector<RegeditKey>& changes)
{
    const std::string label = label_.value_or("Change");
    const bool continued = continued_;
    label_.reset();
    continued_ = false;
    if (changes.empty() || !isKept())
        return;
    try {
        std::error_code error;
        if (continued && continuedEntry_ && continuedEntry_->label == label &&
            fs::exists(continuedEntry_->file, error)) {
            continuedEntry_->keys = joinedChanges(std::move(continuedEntry_->keys), changes);
            write(continuedEntry_->file, continuedEntry_->keys);
            return;
        }
        continuedEntry_.reset();
        const auto older = listed(folder_);
        const fs::path file = newEntryFile(folder_, label, older);
        write(file, changes);
        if (continued)
            continuedEntry_ = ContinuedEntry{file, label, changes};
        std::error_code ignored; // an entry left over is removed with the next
        for (size_t i = KeptEntries - 1; i < older.size(); ++i)
            fs::remove(older[i].second, ignored);
    } catch (const std::exception& error) {
        continuedEntry_.reset();
        if (!told_ && !failure_)
            failure_.emplace(MessageText{translatable("Orvane made the change, but could not keep the settings it "
                                                      "replaced in its history folder %s, so the change cannot be "
                                                      "undone. Free some disk space or check the folder's permissions"),
                                         {displayPath(folder_)}},
                             error.what());
    }
}

void ChangeHistory::tellFailure()
{
    if (!failure_ || told_)
        return;
    told_ = true;
    const HistoryNotKept failure = *failure_;
    failure_.reset();
    throw failure;
}

void ChangeHistory::write(const fs::path& file, const std::vector<RegeditKey>& keys)
{
    fs::create_directories(folder_);
    replaceFileAtomically(file, regeditFileBytes(keys));
}

std::vector<RegeditKey> joinedChanges(std::vector<RegeditKey> earlier, const std::vector<RegeditKey>& later)
{
    for (const RegeditKey& key : later) {
        const std::string folded = foldCase(key.path);
        const bool created = std::any_of(earlier.begin(), earlier.end(), [&](const RegeditKey& made) {
            return made.deleted && isInTree(folded, foldCase(made.path));
        });
        RegeditKey* same = sameKey(earlier, folded);
        if (created || (same && key.deleted))
            continue; // the key's state before the earlier change stays
        if (!same) {
            earlier.push_back(key);
            continue;
        }
        for (const RegeditValue& value : key.values) {
            const auto known = std::find_if(same->values.begin(), same->values.end(), [&](const RegeditValue& had) {
                return foldCase(had.name) == foldCase(value.name);
            });
            if (known == same->values.end())
                same->values.push_back(value);
            else
                known->changedTo = value.changedTo;
        }
    }
    return earlier;
}

} // namespace orvane
