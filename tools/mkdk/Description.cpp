#include "Description.h"

#include <charconv>
#include <vector>

namespace dk::mkdk {
namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits on blanks; "..." keeps blanks and backslashes as they are.
std::vector<Token> Tokenize(std::string_view line, std::string& error) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        Token token;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            if (line[i] == '"') {
                const auto close = line.find('"', i + 1);
                if (close == std::string_view::npos) {
                    error = "unterminated quote";
                    return {};
                }
                token.text.append(line.substr(i + 1, close - i - 1));
                token.quoted = true;
                i = close + 1;
            } else {
                token.text += line[i++];
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

template <typename T> bool Number(std::string_view text, T& value) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool ApplyField(ListBuilder& builder, ListBuilder::Id id, std::string_view key,
                std::string_view value, const TextCodec& codec, std::string& error) {
    ListRecord& record = builder.Record(id);
    std::uint64_t number = 0;
    std::int32_t signedNumber = 0;
    if (key == "size" && Number(value, number)) {
        builder.Size(id, number);
    } else if (key == "created") {
        record.SetCreated(codec.Encode(value));
    } else if (key == "modified") {
        record.SetModified(codec.Encode(value));
    } else if (key == "comment") {
        record.SetComment(codec.Encode(value));
    } else if (key == "attr" && Number(value, number) && number < 256) {
        record.SetAttributes(static_cast<std::uint8_t>(number));
    } else if (key == "mark" && Number(value, number) && number < 256) {
        record.SetMark(static_cast<std::uint8_t>(number));
    } else if (key == "strike" && Number(value, number) && number < 256) {
        record.SetStrikeOut(static_cast<std::uint8_t>(number));
    } else if (key == "marked" && Number(value, signedNumber)) {
        record.SetMarkedBelow(signedNumber);
    } else if (key == "lci" && Number(value, signedNumber)) {
        builder.PinLastChildIndex(id, signedNumber);
    } else if (key == "level" && Number(value, signedNumber)) {
        builder.PinLevel(id, signedNumber);
    } else if (key == "reserved" && value.size() == 2 * ListRecord::ReservedSize) {
        for (std::size_t k = 0; k < ListRecord::ReservedSize; ++k) {
            unsigned byte = 0;
            const char* digits = value.data() + 2 * k;
            if (std::from_chars(digits, digits + 2, byte, 16).ptr != digits + 2) {
                error = "bad reserved bytes";
                return false;
            }
            record.Raw[ListRecord::ReservedOffset + k] = static_cast<std::uint8_t>(byte);
        }
    } else {
        error = "bad field " + std::string(key) + "=" + std::string(value);
        return false;
    }
    return true;
}

bool ApplyFields(ListBuilder& builder, ListBuilder::Id id, const std::vector<Token>& tokens,
                 std::size_t first, const TextCodec& codec, std::string& error) {
    for (std::size_t t = first; t < tokens.size(); ++t) {
        const std::string& field = tokens[t].text;
        const auto equals = field.find('=');
        if (equals == std::string::npos) {
            error = "expected key=value, got " + field;
            return false;
        }
        if (!ApplyField(builder, id, std::string_view(field).substr(0, equals),
                        std::string_view(field).substr(equals + 1), codec, error))
            return false;
    }
    return true;
}

} // namespace

std::optional<ListBuilder> ParseDescription(std::string_view text, const TextCodec& codec,
                                            std::string* errorOut) {
    ListBuilder builder;
    // stack[k] is the entry that lines indented by 2k blanks belong under.
    std::vector<ListBuilder::Id> stack{builder.Root()};
    ListBuilder::Id last = builder.Root();
    std::string error;
    int lineNumber = 0;
    auto fail = [&](const std::string& why) {
        if (errorOut)
            *errorOut = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };

    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const auto firstChar = line.find_first_not_of(' ');
        if (firstChar == std::string_view::npos || line[firstChar] == '#')
            continue;
        const std::vector<Token> tokens = Tokenize(line, error);
        if (!error.empty())
            return fail(error);

        const std::string& head = tokens[0].text;
        if (!tokens[0].quoted && head == "header") {
            if (tokens.size() != 2)
                return fail("header takes one text");
            builder.Header() = codec.Encode(tokens[1].text);
            continue;
        }
        if (!tokens[0].quoted && head == "root") {
            if (tokens.size() < 2)
                return fail("root needs a name");
            builder.Record(builder.Root()).SetName(codec.Encode(tokens[1].text));
            if (!ApplyFields(builder, builder.Root(), tokens, 2, codec, error))
                return fail(error);
            continue;
        }
        if (firstChar % 2 != 0)
            return fail("indent by two blanks");
        const std::size_t depth = firstChar / 2;
        if (depth > stack.size())
            return fail("indented deeper than the entry above");
        if (depth == stack.size())
            stack.push_back(last);
        else
            stack.resize(depth + 1);
        if (head.size() != 1 || tokens.size() < 2)
            return fail("expected a kind letter and a name");
        last = builder.Add(stack.back(), head[0], codec.Encode(tokens[1].text));
        if (!ApplyFields(builder, last, tokens, 2, codec, error))
            return fail(error);
    }
    return builder;
}

} // namespace dk::mkdk
