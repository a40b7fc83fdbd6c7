#include "ListBuilder.h"

#include "list/DataOutput.h"
#include "list/ExtendedSize.h"
#include "list/ListContainer.h"
#include "list/ListPaths.h"
#include "list/ReadNode.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace dk::mkdk {

ListBuilder::ListBuilder(std::string rootName, std::string header) : header_(std::move(header)) {
    entries_.emplace_back();
    ListRecord& root = entries_.back().record;
    root.SetKind(KindFolder);
    root.SetName(rootName);
}

ListBuilder::Id ListBuilder::Add(Id parent, char kind, std::string name) {
    const Id id = entries_.size();
    entries_.emplace_back();
    entries_.back().parent = parent;
    ListRecord& record = entries_.back().record;
    record.SetKind(kind);
    record.SetName(name);
    entries_[parent].children.push_back(id);
    return id;
}

ListBuilder& ListBuilder::Size(Id id, std::uint64_t bytes) {
    EncodeExtended(bytes, Record(id).SizeBytes());
    return *this;
}

std::vector<std::uint8_t> ListBuilder::Data() const {
    std::vector<std::uint8_t> data(HeaderBytes, 0);
    std::memcpy(data.data(), header_.data(), std::min(header_.size(), HeaderBytes));
    data.reserve(HeaderBytes + entries_.size() * ListRecord::Bytes);
    struct Pending {
        Id id;
        std::int32_t level;
    };
    std::vector<Pending> pending{{0, 0}};
    while (!pending.empty()) {
        const Pending current = pending.back();
        pending.pop_back();
        const Entry& entry = entries_[current.id];
        ListRecord record = entry.record;
        record.SetLastChildIndex(
            entry.lastChildIndex.value_or(static_cast<std::int32_t>(entry.children.size()) - 1));
        record.SetLevel(entry.level.value_or(current.level));
        data.insert(data.end(), record.Raw.begin(), record.Raw.end());
        for (auto child = entry.children.rbegin(); child != entry.children.rend(); ++child)
            pending.push_back({*child, current.level + 1});
    }
    return data;
}

bool ListBuilder::WriteListFile(const std::string& path, std::string* error) const {
    return mkdk::WriteListFile(Data(), path, error);
}

bool WriteListFile(const std::vector<std::uint8_t>& data, const std::string& path,
                   std::string* error) {
    std::string dataPath = TempFolder() + "mkdk-XXXXXX";
    const int fd = ::mkstemp(dataPath.data());
    if (fd < 0) {
        if (error)
            *error = std::strerror(errno);
        return false;
    }
    ::close(fd);
    FileOutput out;
    bool ok = out.Create(dataPath) && out.Write(data.data(), data.size()) && out.Finish();
    std::string detail = ok ? "" : "cannot write " + dataPath;
    if (ok) {
        const ContainerError packed = PackList(dataPath, path, &detail);
        ok = packed == ContainerError::None;
        if (!ok)
            detail = std::string(ContainerErrorText(packed)) + (detail.empty() ? "" : ": " + detail);
    }
    ::unlink(dataPath.c_str());
    if (!ok && error)
        *error = detail;
    return ok;
}

} // namespace dk::mkdk
