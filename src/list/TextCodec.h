#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace dk {

constexpr const char* DefaultEncoding = "WINDOWS-1251";

// The code page of a list's texts. Records hold bytes; they are decoded for
// display and what the user types is encoded back through this one codec.
class TextCodec {
public:
    // `name` is an iconv code page name. Null, with `error` set, when the
    // system does not know it.
    static std::unique_ptr<TextCodec> Create(const std::string& name, std::string* error = nullptr);

    const std::string& Name() const { return name_; }

    // Bytes of the code page to UTF-8. A byte the code page does not define
    // shows as U+FFFD.
    std::string Decode(std::string_view bytes) const;

    // UTF-8 to bytes of the code page; a character it cannot hold becomes "?".
    std::string Encode(std::string_view utf8) const;

    // Each byte upper-cased in this code page (Cyrillic included for
    // Windows-1251, "ё" to "Ё"); bytes without an upper-case form map to
    // themselves. Multi-byte code pages fold ASCII letters only.
    const std::array<std::uint8_t, 256>& UpperTable() const { return upper_; }

    // Byte-wise comparison ignoring letter case.
    bool EqualIgnoringCase(std::string_view a, std::string_view b) const;

private:
    TextCodec() = default;
    std::string DecodeMultiByte(std::string_view bytes) const;
    std::string EncodeMultiByte(std::u32string_view text) const;

    std::string name_;
    bool singleByte_ = false;
    std::array<char32_t, 256> toUnicode_{};
    std::unordered_map<char32_t, std::uint8_t> fromUnicode_;
    std::array<std::uint8_t, 256> upper_{};
};

// UTF-8 text in lower case, letters of every script.
std::string LowerUtf8(std::string_view utf8);

// UTF-8 helpers shared by the codec and the command line.
std::u32string Utf8ToCodePoints(std::string_view utf8);
void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace dk
