#include "files/FileText.h"

#include <cstdint>
#include <sys/mman.h>
#include <utility>

namespace orvane {
namespace {

constexpr size_t HugePage = 2u << 20;

} // namespace

FileText::FileText(std::string text) : owned_(std::move(text)) {}

FileText FileText::ofSize(size_t size)
{
    FileText text;
    if (size >= HugePage) {
        // One page more, to start on a huge page's boundary.
        const size_t length = (size + HugePage - 1) / HugePage * HugePage + HugePage;
        void* memory = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory != MAP_FAILED) {
            const auto address = reinterpret_cast<uintptr_t>(memory);
            const uintptr_t aligned = (address + HugePage - 1) / HugePage * HugePage;
            // Whole huge pages only: the tail takes small pages and no more room than it needs.
            ::madvise(reinterpret_cast<void*>(aligned), size / HugePage * HugePage, MADV_HUGEPAGE);
            text.base_ = memory;
            text.mapped_ = reinterpret_cast<char*>(aligned);
            text.size_ = size;
            text.mappedLength_ = length;
            return text;
        }
    }
    text.owned_.resize(size);
    return text;
}

FileText::FileText(FileText&& other) noexcept
    : owned_(std::move(other.owned_)),
      base_(std::exchange(other.base_, nullptr)),
      mapped_(std::exchange(other.mapped_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mappedLength_(std::exchange(other.mappedLength_, 0))
{}

FileText& FileText::operator=(FileText&& other) noexcept
{
    if (this != &other) {
        release();
        owned_ = std::move(other.owned_);
        base_ = std::exchange(other.base_, nullptr);
        mapped_ = std::exchange(other.mapped_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mappedLength_ = std::exchange(other.mappedLength_, 0);
    }
    return *this;
}

FileText::~FileText()
{
    release();
}

void FileText::release()
{
    if (base_)
        ::munmap(base_, mappedLength_);
    base_ = nullptr;
    mapped_ = nullptr;
}

} // namespace orvane
