#include "list/ReadNode.h"

#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <vector>

namespace dk {
namespace {

struct Frame {
    std::uint32_t node;
    std::uint32_t pendingChildren;
    std::optional<FolderSink::Handle> folder;
};

std::string HeaderText(std::span<const std::uint8_t> header) {
    const char* begin = reinterpret_cast<const char*>(header.data());
    const void* zero = std::memchr(begin, 0, header.size());
    return std::string(begin, zero ? static_cast<const char*>(zero) : begin + header.size());
}

const ListRecord& RecordAt(std::span<const std::uint8_t> records, std::size_t index) {
    return *reinterpret_cast<const ListRecord*>(records.data() + index * ListRecord::Bytes);
}

} // namespace

ReadResult ReadNode(std::unique_ptr<ByteBlock> data, FolderSink* sink) {
    const std::span<const std::uint8_t> bytes = data->Bytes();
    if (bytes.size() < HeaderBytes)
        return {ReadError::HeaderTruncated, nullptr};
    const std::span<const std::uint8_t> records = bytes.subspan(HeaderBytes);
    const std::size_t available = records.size() / ListRecord::Bytes;
    if (available == 0)
        return {ReadError::RecordTruncated, nullptr};
    if (available >= std::numeric_limits<std::uint32_t>::max())
        return {ReadError::OutOfMemory, nullptr};

    try {
        // Everything here grows with records that have actually arrived, never
        // with a count a record declares.
        std::vector<std::uint32_t> parents;
        std::vector<Frame> stack;
        parents.push_back(0);
        std::optional<FolderSink::Handle> rootFolder;
        if (sink)
            rootFolder = sink->AddRootFolder(0);
        stack.push_back({0, RecordAt(records, 0).DeclaredChildren(), rootFolder});

        std::uint32_t next = 1;
        while (!stack.empty()) {
            Frame& top = stack.back();
            if (top.pendingChildren == 0) {
                stack.pop_back();
                continue;
            }
            --top.pendingChildren;
            if (next >= available)
                return {ReadError::RecordTruncated, nullptr};
            const std::uint32_t index = next++;
            const ListRecord& record = RecordAt(records, index);
            parents.push_back(top.node);
            std::optional<FolderSink::Handle> folder;
            if (sink && top.folder && record.IsFolder())
                folder = sink->AddFolder(*top.folder, index);
            const Frame child{index, record.DeclaredChildren(), folder};
            stack.push_back(child); // may reallocate: `top` is not used after this
        }

        std::string header = HeaderText(bytes.first(HeaderBytes));
        auto document = std::make_unique<ListDocument>(std::move(data), std::move(header), parents,
                                                       HeaderBytes);
        return {ReadError::None, std::move(document)};
    } catch (const std::bad_alloc&) {
        return {ReadError::OutOfMemory, nullptr};
    } catch (const std::length_error&) {
        return {ReadError::OutOfMemory, nullptr};
    }
}

} // namespace dk
