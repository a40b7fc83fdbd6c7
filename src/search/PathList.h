#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dk {

// A list of byte strings in one pool: half a million search result paths cost
// two growing buffers, not half a million allocations.
class PathList {
public:
    void clear() {
        pool_.clear();
        spans_.clear();
    }
    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    void push_back(std::string_view text) {
        spans_.push_back({pool_.size(), static_cast<std::uint32_t>(text.size())});
        pool_.append(text);
    }
    std::string_view operator[](std::size_t i) const {
        return std::string_view(pool_).substr(spans_[i].offset, spans_[i].length);
    }
    void swap(std::size_t i, std::size_t j) { std::swap(spans_[i], spans_[j]); }
    std::size_t bytes() const { return pool_.capacity() + spans_.capacity() * sizeof(Span); }

private:
    struct Span {
        std::size_t offset;
        std::uint32_t length;
    };
    std::string pool_;
    std::vector<Span> spans_;
};

} // namespace dk
