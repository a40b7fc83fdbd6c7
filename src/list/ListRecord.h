#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dk {

// Bit values of ListRecord::Attributes. This is the list format's own packing,
// not the platform's attribute bits.
namespace attr {
constexpr std::uint8_t ReadOnly = 0x01;
constexpr std::uint8_t Hidden = 0x02;
constexpr std::uint8_t System = 0x04;
constexpr std::uint8_t Volume = 0x08;
constexpr std::uint8_t Archive = 0x10;
constexpr std::uint8_t Temporary = 0x20;
constexpr std::uint8_t Compressed = 0x40;
constexpr std::uint8_t Damaged = 0x80;
} // namespace attr

constexpr char KindFolder = 'D';
constexpr char KindFile = 'F';

// One file or folder of a list: its 600 bytes exactly as stored, with typed
// accessors. Bytes the program does not interpret (Reserved, Level, unknown
// Kind values...) are kept as they are, so a save writes them back unchanged.
// The layout is fixed by the list format, so the fields are read byte by byte
// (little-endian) rather than through a struct the compiler could pad.
struct ListRecord {
    static constexpr std::size_t Bytes = 600;

    static constexpr std::size_t NameOffset = 0, NameSize = 256;
    static constexpr std::size_t CommentOffset = 256, CommentSize = 256;
    static constexpr std::size_t CreatedOffset = 512, CreatedSize = 28;
    static constexpr std::size_t ModifiedOffset = 540, ModifiedSize = 28;
    static constexpr std::size_t KindOffset = 568;
    static constexpr std::size_t AttributesOffset = 569;
    static constexpr std::size_t ReservedOffset = 570, ReservedSize = 6;
    static constexpr std::size_t SizeOffset = 576, SizeSize = 10;
    static constexpr std::size_t StrikeOutOffset = 586;
    static constexpr std::size_t MarkOffset = 587;
    static constexpr std::size_t MarkedBelowOffset = 588;
    static constexpr std::size_t LevelOffset = 592;
    static constexpr std::size_t LastChildIndexOffset = 596;

    std::array<std::uint8_t, Bytes> Raw{};

    // Texts end at their first zero byte, or fill the whole field.
    std::string_view Name() const { return Text(NameOffset, NameSize); }
    std::string_view Comment() const { return Text(CommentOffset, CommentSize); }
    std::string_view Created() const { return Text(CreatedOffset, CreatedSize); }
    std::string_view Modified() const { return Text(ModifiedOffset, ModifiedSize); }

    // Zero the whole field, then copy in as many bytes as fit before a terminator.
    void SetName(std::string_view bytes) { SetText(NameOffset, NameSize, bytes); }
    void SetComment(std::string_view bytes) { SetText(CommentOffset, CommentSize, bytes); }
    void SetCreated(std::string_view bytes) { SetText(CreatedOffset, CreatedSize, bytes); }
    void SetModified(std::string_view bytes) { SetText(ModifiedOffset, ModifiedSize, bytes); }

    char Kind() const { return static_cast<char>(Raw[KindOffset]); }
    void SetKind(char kind) { Raw[KindOffset] = static_cast<std::uint8_t>(kind); }
    bool IsFolder() const { return Kind() == KindFolder; }

    std::uint8_t Attributes() const { return Raw[AttributesOffset]; }
    void SetAttributes(std::uint8_t bits) { Raw[AttributesOffset] = bits; }
    bool IsDamaged() const { return (Attributes() & attr::Damaged) != 0; }

    std::uint8_t StrikeOut() const { return Raw[StrikeOutOffset]; }
    void SetStrikeOut(std::uint8_t value) { Raw[StrikeOutOffset] = value; }

    std::uint8_t Mark() const { return Raw[MarkOffset]; }
    void SetMark(std::uint8_t value) { Raw[MarkOffset] = value; }

    std::int32_t MarkedBelow() const { return Int32(MarkedBelowOffset); }
    void SetMarkedBelow(std::int32_t value) { SetInt32(MarkedBelowOffset, value); }
    std::int32_t Level() const { return Int32(LevelOffset); }
    void SetLevel(std::int32_t value) { SetInt32(LevelOffset, value); }
    std::int32_t LastChildIndex() const { return Int32(LastChildIndexOffset); }
    void SetLastChildIndex(std::int32_t value) { SetInt32(LastChildIndexOffset, value); }

    // Children the record declares: LastChildIndex + 1, none when negative.
    std::uint32_t DeclaredChildren() const;

    // The 80-bit extended-precision Size field, raw.
    const std::uint8_t* SizeBytes() const { return Raw.data() + SizeOffset; }
    std::uint8_t* SizeBytes() { return Raw.data() + SizeOffset; }

private:
    std::string_view Text(std::size_t offset, std::size_t size) const;
    void SetText(std::size_t offset, std::size_t size, std::string_view bytes);
    std::int32_t Int32(std::size_t offset) const;
    void SetInt32(std::size_t offset, std::int32_t value);
};

static_assert(sizeof(ListRecord) == ListRecord::Bytes, "a record is exactly its 600 bytes");
static_assert(alignof(ListRecord) == 1, "records are read in place from unaligned data");

} // namespace dk
