#include "list/ListRecord.h"

#include <algorithm>
#include <cstring>

namespace dk {

std::uint32_t ListRecord::DeclaredChildren() const {
    const std::int32_t last = LastChildIndex();
    return last < 0 ? 0u : static_cast<std::uint32_t>(last) + 1u;
}

std::string_view ListRecord::Text(std::size_t offset, std::size_t size) const {
    const char* begin = reinterpret_cast<const char*>(Raw.data() + offset);
    const void* zero = std::memchr(begin, 0, size);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - begin)
                                    : size;
    return {begin, length};
}

void ListRecord::SetText(std::size_t offset, std::size_t size, std::string_view bytes) {
    std::uint8_t* field = Raw.data() + offset;
    std::memset(field, 0, size);
    if (!bytes.empty())
        std::memcpy(field, bytes.data(), std::min(bytes.size(), size - 1));
}

std::int32_t ListRecord::Int32(std::size_t offset) const {
    const std::uint32_t v = std::uint32_t(Raw[offset]) | std::uint32_t(Raw[offset + 1]) << 8 |
                            std::uint32_t(Raw[offset + 2]) << 16 |
                            std::uint32_t(Raw[offset + 3]) << 24;
    return static_cast<std::int32_t>(v);
}

void ListRecord::SetInt32(std::size_t offset, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        Raw[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace dk
