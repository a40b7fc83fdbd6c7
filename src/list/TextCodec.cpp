#include "list/TextCodec.h"

#include <cerrno>
#include <clocale>
#include <iconv.h>
#include <locale.h>
#include <wctype.h>

namespace dk {
namespace {

constexpr char32_t Replacement = 0xFFFD;

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

    // Converts all of `in`; false (with errno) when it stops early.
    bool run(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        return iconv(cd_, const_cast<char**>(&in), &inLeft, &out, &outLeft) != std::size_t(-1);
    }

private:
    iconv_t cd_;
};

// towupper needs a locale that knows Unicode letters; C.UTF-8 does, whatever
// the user's own locale is.
char32_t UpperCodePoint(char32_t c) {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (unicode)
        return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), unicode));
    return (c >= U'a' && c <= U'z') ? c - 32 : c;
}

} // namespace

std::string LowerUtf8(std::string_view utf8) {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    std::string out;
    for (const char32_t c : Utf8ToCodePoints(utf8))
        AppendUtf8(out, unicode ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), unicode))
                                : ((c >= U'A' && c <= U'Z') ? c + 32 : c));
    return out;
}

std::u32string Utf8ToCodePoints(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > utf8.size()) {
            out.push_back(Replacement);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = valid && (next >> 6) == 2;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(valid ? c : Replacement);
        i += valid ? length : 1;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::unique_ptr<TextCodec> TextCodec::Create(const std::string& name, std::string* error) {
    Converter decoder("UTF-32LE", name.c_str());
    Converter encoder(name.c_str(), "UTF-32LE");
    if (!decoder.ok() || !encoder.ok()) {
        if (error)
            *error = "unknown encoding: " + name;
        return nullptr;
    }
    std::unique_ptr<TextCodec> codec(new TextCodec());
    codec->name_ = name;

    // A code page is single-byte when every byte decodes on its own; then
    // decoding, encoding and case folding are plain table lookups.
    codec->singleByte_ = true;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const char* in = &byte;
        std::size_t inLeft = 1;
        char32_t out[2] = {};
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = sizeof(out);
        decoder.reset();
        if (decoder.run(in, inLeft, outPtr, outLeft) && outLeft == sizeof(char32_t)) {
            codec->toUnicode_[b] = out[0];
        } else if (errno == EINVAL) {
            codec->singleByte_ = false; // the start of a longer sequence
            break;
        } else {
            codec->toUnicode_[b] = Replacement;
        }
    }
    for (int b = 0; b < 256; ++b)
        codec->upper_[b] = static_cast<std::uint8_t>(b);
    if (codec->singleByte_) {
        for (int b = 255; b >= 0; --b)
            if (codec->toUnicode_[b] != Replacement)
                codec->fromUnicode_[codec->toUnicode_[b]] = static_cast<std::uint8_t>(b);
        for (int b = 0; b < 256; ++b) {
            const char32_t upper = UpperCodePoint(codec->toUnicode_[b]);
            const auto found = codec->fromUnicode_.find(upper);
            if (upper != codec->toUnicode_[b] && found != codec->fromUnicode_.end())
                codec->upper_[b] = found->second;
        }
    } else {
        for (int b = 'a'; b <= 'z'; ++b)
            codec->upper_[b] = static_cast<std::uint8_t>(b - 32);
    }
    return codec;
}

std::string TextCodec::Decode(std::string_view bytes) const {
    if (!singleByte_)
        return DecodeMultiByte(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        AppendUtf8(out, toUnicode_[static_cast<unsigned char>(byte)]);
    return out;
}

std::string TextCodec::Encode(std::string_view utf8) const {
    const std::u32string text = Utf8ToCodePoints(utf8);
    if (!singleByte_)
        return EncodeMultiByte(text);
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text) {
        const auto found = fromUnicode_.find(c);
        out += found == fromUnicode_.end() ? '?' : static_cast<char>(found->second);
    }
    return out;
}

bool TextCodec::EqualIgnoringCase(std::string_view a, std::string_view b) const {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper_[static_cast<unsigned char>(a[i])] != upper_[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

std::string TextCodec::DecodeMultiByte(std::string_view bytes) const {
    Converter decoder("UTF-32LE", name_.c_str());
    std::string out;
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char32_t unit[1];
        char* outPtr = reinterpret_cast<char*>(unit);
        std::size_t outLeft = sizeof(unit);
        const bool ok = decoder.run(in, inLeft, outPtr, outLeft);
        if (outLeft == 0) {
            AppendUtf8(out, unit[0]);
            continue;
        }
        if (!ok && errno != E2BIG) { // an invalid or cut-off sequence: skip one byte
            AppendUtf8(out, Replacement);
            ++in;
            --inLeft;
            decoder.reset();
        }
    }
    return out;
}

std::string TextCodec::EncodeMultiByte(std::u32string_view text) const {
    Converter encoder(name_.c_str(), "UTF-32LE");
    std::string out;
    for (const char32_t c : text) {
        const char* in = reinterpret_cast<const char*>(&c);
        std::size_t inLeft = sizeof(c);
        char buffer[16];
        char* outPtr = buffer;
        std::size_t outLeft = sizeof(buffer);
        encoder.reset();
        if (encoder.run(in, inLeft, outPtr, outLeft))
            out.append(buffer, sizeof(buffer) - outLeft);
        else
            out += '?';
    }
    return out;
}

} // namespace dk
