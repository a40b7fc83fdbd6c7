#pragma once

#include "list/ListRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dk::mkdk {

// Builds list data in memory: the fixture maker behind unit tests, the
// bundled example and `mkdk`. Entries are added under their parent; the data
// comes out in pre-order with LastChildIndex and Level filled in, unless a
// test pins them to other values to make a malformed list.
class ListBuilder {
public:
    using Id = std::size_t;

    explicit ListBuilder(std::string rootName = "C:\\", std::string header = "Dorvik list");

    Id Root() const { return 0; }
    Id Folder(Id parent, std::string name) { return Add(parent, KindFolder, std::move(name)); }
    Id File(Id parent, std::string name) { return Add(parent, KindFile, std::move(name)); }
    Id Add(Id parent, char kind, std::string name);

    // The record of an entry, for any field a fixture wants to set.
    ListRecord& Record(Id id) { return entries_[id].record; }
    ListBuilder& Size(Id id, std::uint64_t bytes);

    // Values written as they are instead of the ones the tree implies.
    void PinLastChildIndex(Id id, std::int32_t value) { entries_[id].lastChildIndex = value; }
    void PinLevel(Id id, std::int32_t value) { entries_[id].level = value; }

    std::string& Header() { return header_; }
    std::size_t Count() const { return entries_.size(); }
    Id ParentOf(Id id) const { return entries_[id].parent; }
    const std::vector<Id>& ChildrenOf(Id id) const { return entries_[id].children; }

    // Header and records in pre-order.
    std::vector<std::uint8_t> Data() const;

    // A list file (.dk) holding Data(); false with `error` set on failure.
    bool WriteListFile(const std::string& path, std::string* error = nullptr) const;

private:
    struct Entry {
        ListRecord record;
        Id parent = 0;
        std::vector<Id> children;
        std::optional<std::int32_t> lastChildIndex;
        std::optional<std::int32_t> level;
    };
    std::string header_;
    std::vector<Entry> entries_;
};

// Writes list data bytes as a list file (.dk), through the program's own
// packing, so fixtures are made exactly as a save makes them.
bool WriteListFile(const std::vector<std::uint8_t>& data, const std::string& path,
                   std::string* error = nullptr);

} // namespace dk::mkdk
