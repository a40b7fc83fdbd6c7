#include "Synthetic.h"

#include "list/ExtendedSize.h"
#include "list/ListRecord.h"
#include "list/ReadNode.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace dk::mkdk {
namespace {

struct Random {
    std::uint64_t state;
    std::uint64_t Next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
    double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
};

std::string Time(Random& random) {
    const std::uint64_t n = random.Next();
    char text[32];
    std::snprintf(text, sizeof text, "%02u.%02u.%04u %02u:%02u:%02u", unsigned(n % 28 + 1),
                  unsigned(n / 28 % 12 + 1), unsigned(1998 + n / 336 % 28), unsigned(n / 9408 % 24),
                  unsigned(n / 225792 % 60), unsigned(n / 13547520 % 60));
    return text;
}

// Real-looking names: a word or two from a small vocabulary, a number, an
// extension, so the data compresses about as well as a real disk's list.
const char* const Words[] = {"report", "photo", "invoice", "backup", "notes", "draft", "final",
                             "summary", "scan", "letter", "budget", "project", "отчёт", "фото",
                             "договор", "письмо", "смета", "проект", "архив", "копия"};
const char* const Extensions[] = {".txt", ".jpg", ".pdf", ".doc", ".xlsx", ".png", ".zip", ".mp3"};

std::string Word(Random& random, const TextCodec& codec) {
    return codec.Encode(Words[random.Next() % std::size(Words)]);
}

} // namespace

bool WriteSynthetic(const SyntheticShape& shape, const TextCodec& codec, DataOutput& out,
                    std::string* error) {
    const std::uint64_t total = std::max<std::uint64_t>(shape.records, 1);
    std::vector<std::uint32_t> firstChild(total, 0), childCount(total, 0);
    std::vector<std::uint32_t> level(total, 0);
    std::vector<char> kind(total, KindFile);
    kind[0] = KindFolder;
    Random random{0x9E3779B97F4A7C15ull ^ shape.seed};

    std::uint64_t count = 1;
    for (std::uint64_t q = 0; q < count && count < total; ++q) {
        if (kind[q] != KindFolder || level[q] >= shape.depth)
            continue;
        const std::uint64_t children = std::min<std::uint64_t>(shape.fanout, total - count);
        firstChild[q] = static_cast<std::uint32_t>(count);
        childCount[q] = static_cast<std::uint32_t>(children);
        for (std::uint64_t k = 0; k < children; ++k, ++count) {
            level[count] = level[q] + 1;
            const bool canHoldMore = level[count] < shape.depth;
            kind[count] = canHoldMore && random.Unit() < shape.folderShare ? KindFolder : KindFile;
        }
    }
    if (count < total) {
        if (error)
            *error = "the shape holds only " + std::to_string(count) +
                     " records: raise the fanout, the depth or the folder share";
        return false;
    }

    std::array<std::uint8_t, HeaderBytes> header{};
    const std::string headerText = "Dorvik synthetic list";
    std::memcpy(header.data(), headerText.data(), headerText.size());
    if (!out.Write(header.data(), header.size()))
        return false;

    const std::string folderWord = codec.Encode("папка ");
    std::vector<std::uint32_t> pending{0};
    ListRecord record;
    std::uint64_t written = 0;
    while (!pending.empty()) {
        const std::uint32_t id = pending.back();
        pending.pop_back();
        record = ListRecord{};
        record.SetKind(kind[id]);
        const std::string number = std::to_string(id);
        if (id == 0)
            record.SetName(shape.rootName);
        else if (kind[id] == KindFolder)
            record.SetName((id % 2 ? folderWord : Word(random, codec) + " ") + number);
        else
            record.SetName((id % 2 ? "img_" : "doc_") + Word(random, codec) + "_" +
                           Word(random, codec) + " " + number +
                           Extensions[random.Next() % std::size(Extensions)]);
        const std::uint64_t bytes = kind[id] == KindFolder ? 0 : random.Next() % 50'000'000;
        EncodeExtended(bytes, record.SizeBytes());
        record.SetCreated(Time(random));
        record.SetModified(Time(random));
        record.SetAttributes(kind[id] == KindFolder ? 0 : (id % 97 == 0 ? attr::Damaged | attr::Archive : attr::Archive));
        record.SetStrikeOut(id % 89 == 0 ? 1 : 0);
        if (id % 1000 == 999)
            record.SetComment("checked");
        record.SetLevel(static_cast<std::int32_t>(level[id]));
        record.SetLastChildIndex(static_cast<std::int32_t>(childCount[id]) - 1);
        if (!out.Write(record.Raw.data(), record.Raw.size())) {
            if (error)
                *error = "write failed";
            return false;
        }
        ++written;
        for (std::uint32_t k = childCount[id]; k > 0; --k)
            pending.push_back(firstChild[id] + k - 1);
    }
    return written == total;
}

} // namespace dk::mkdk
