#pragma once
// A file's whole text in memory. Large texts sit in huge pages where the
// system offers them, so that a fresh process takes a few page faults for a
// 10 MB registry instead of thousands.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

class FileText {
public:
    FileText() = default;
    explicit FileText(std::string text);
    // Room for size bytes, to be filled through data().
    static FileText ofSize(size_t size);
    FileText(FileText&& other) noexcept;
    FileText& operator=(FileText&& other) noexcept;
    FileText(const FileText&) = delete;
    FileText& operator=(const FileText&) = delete;
    ~FileText();

    char* data() { return mapped_ ? mapped_ : owned_.data(); }
    std::string_view view() const { return mapped_ ? std::string_view(mapped_, size_) : std::string_view(owned_); }
    size_t size() const { return view().size(); }

private:
    void release();

    std::string owned_;
    void* base_ = nullptr;
    char* mapped_ = nullptr;
    size_t size_ = 0;
    size_t mappedLength_ = 0;
};

} // namespace orvane
