#include "TestSupport.h"
#include "list/ListLoader.h"
#include "list/ListPaths.h"
#include "list/ListSaver.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstring>
#include <zip.h>
#include <zlib.h>

namespace dk {
namespace {

using test::ReadBytes;

// The data inside a list file, as libzip reads it.
std::vector<std::uint8_t> ListData(const std::string& path) {
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
    zip_stat_t st;
    zip_stat_index(archive, 0, 0, &st);
    std::vector<std::uint8_t> data(st.size);
    zip_file_t* file = zip_fopen_index(archive, 0, 0);
    zip_fread(file, data.data(), data.size());
    zip_fclose(file);
    zip_discard(archive);
    return data;
}

class LoadAndSave : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string tmp = dir / "tmp";
    test::ScopedEnv tmpVar{"TMP", tmp.c_str()};
    ListContainer container;
    void SetUp() override { std::filesystem::create_directory(tmp); }

    std::string MakeList(const std::string& name, const std::vector<std::uint8_t>& data) {
        const std::string path = dir / name;
        std::string error;
        EXPECT_TRUE(mkdk::WriteListFile(data, path, &error)) << error;
        return path;
    }
};

TEST_F(LoadAndSave, LoadingReadsTheTreeAndDeletesTheDataFile) {
    const auto data = test::Describe("D Docs\n  F a.txt\nF b\n").Data();
    const std::string list = MakeList("photos.dk", data);
    bool before = false;
    LoadResult loaded = LoadList(container, list, nullptr, [&] { before = true; });
    ASSERT_EQ(loaded.Error, LoadError::None) << loaded.Detail;
    EXPECT_TRUE(before);
    EXPECT_EQ(loaded.Document->NodeCount(), 4u);
    EXPECT_FALSE(test::FileExists(dir / "photos"));
}

TEST_F(LoadAndSave, EachFailureHasItsMessageAndItsLeftovers) {
    auto cut = test::Describe("F a\n").Data();
    cut.erase(cut.end() - 10, cut.end());
    struct Case {
        const char* what;
        std::string list;
        LoadError error;
        bool dataFileLeft;
        bool beforeReadRuns;
    };
    const Case cases[] = {
        {"not a list file", (test::WriteBytes(dir / "text.dk", {'h', 'i'}), dir / "text.dk"),
         LoadError::ArchiveUnreadable, false, false},
        {"empty data", MakeList("empty.dk", {}), LoadError::DataFileEmpty, true, false},
        {"data ends inside a record", MakeList("cut.dk", cut), LoadError::DataTruncated, false,
         true},
        {"data ends inside the header", MakeList("short.dk", {1, 2, 3}),
         LoadError::DataTruncated, false, true},
    };
    for (const Case& c : cases) {
        bool ran = false;
        LoadResult loaded = LoadList(container, c.list, nullptr, [&] { ran = true; });
        EXPECT_EQ(loaded.Error, c.error) << c.what;
        EXPECT_FALSE(loaded.Document) << c.what;
        EXPECT_EQ(ran, c.beforeReadRuns) << c.what;
        const std::string dataFile = container.BaseDir() + BaseName(c.list);
        EXPECT_EQ(test::FileExists(dataFile), c.dataFileLeft) << c.what;
    }
}

TEST_F(LoadAndSave, MessagesInBothLanguages) {
    localeTexts texts;
    BuildInterfaceTexts(texts);
    struct Case {
        LoadError error;
        const char* russian;
        const char* english;
    };
    const Case cases[] = {
        {LoadError::ArchiveUnreadable, "Неудачная попытка разархивировать файл - /l/x.dk",
         "Unpack file error - /l/x.dk"},
        {LoadError::UnpackFailed, "Неудачная попытка разархивировать файл - /l/x.dk",
         "Unpack file error - /l/x.dk"},
        {LoadError::DataFileUnopenable,
         "Неудачная попытка разархивировать файл - /l/x.dk\nВозможно в той же папке находиться "
         "папка с совпадающим именем \nпожалуйста, откройте файл из другого места",
         "Unpack file error - /l/x.dk\nPerhaps there is a folder with a matching name \nplease "
         "open the file from another location"},
        {LoadError::DataFileEmpty, "Файл пуст!", "File is empty!"},
        {LoadError::DataTruncated, "Ошибка при загрузке файла! Возможно он повреждён",
         "Error loading file! Perhaps it is corrupted"},
    };
    const std::string saved = currentLanguage;
    for (const Case& c : cases) {
        currentLanguage = "rus";
        EXPECT_EQ(LoadMessage(texts, c.error, "/l/x.dk"), c.russian);
        currentLanguage = "eng";
        EXPECT_EQ(LoadMessage(texts, c.error, "/l/x.dk"), c.english);
    }
    currentLanguage = saved;
}

TEST_F(LoadAndSave, TemporaryDataPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"/lists/photos.dk", "/lists/~tmp~photos"},
        {"/x.dk/photos.dk", "/x"}, // cut at the first occurrence in the whole path
        {"/lists/noext", "/lists/~tmp~noext"},
    };
    for (const auto& [list, data] : cases)
        EXPECT_EQ(SaveDataPath(list), data) << list;
}

TEST_F(LoadAndSave, SavingAnUnchangedListReproducesItsData) {
    const auto data = test::Describe("root \"C:\\\"\nD Docs\n  F a.txt size=5\n").Data();
    const std::string list = MakeList("photos.dk", data);
    LoadResult loaded = LoadList(container, list, nullptr);
    ASSERT_TRUE(loaded.Document);
    ASSERT_EQ(SaveList(*loaded.Document, list, nullptr).Error, SaveError::None);
    auto expected = data;
    std::fill(expected.begin() + 256, expected.begin() + 512, 0); // the root's "C:\"
    EXPECT_EQ(ListData(list), expected);
    EXPECT_FALSE(test::FileExists(SaveDataPath(list)));
}

TEST_F(LoadAndSave, AStaleTemporaryFileIsLeftAloneAndOneInTmpIsTruncated) {
    const auto data = test::Describe("root Disk\nF a\n").Data();
    const std::string list = MakeList("photos.dk", data);
    const std::vector<std::uint8_t> stale(100000, 0xEE);
    test::WriteBytes(SaveDataPath(list), stale);
    test::WriteBytes(tmp + "/~tmp~photos", stale); // longer than the new data
    EXPECT_EQ(ChooseSaveDataPath(list), tmp + "/~tmp~photos");
    LoadResult loaded = LoadList(container, list, nullptr);
    ASSERT_EQ(SaveList(*loaded.Document, list, nullptr).Error, SaveError::None);
    EXPECT_EQ(ListData(list), data) << "no byte of the stale file reaches the list";
    EXPECT_EQ(ReadBytes(SaveDataPath(list)), stale);
    EXPECT_FALSE(test::FileExists(tmp + "/~tmp~photos"));
}

struct CancelAt : ProgressSink {
    int left;
    explicit CancelAt(int n) : left(n) {}
    void Step() override { --left; }
    bool CancelRequested() const override { return left <= 0; }
};

TEST_F(LoadAndSave, ACancelledSaveLeavesTheListByteForByte) {
    const std::string list = MakeList("photos.dk", test::Describe("F a\nF b\nF c\n").Data());
    const auto before = ReadBytes(list);
    LoadResult loaded = LoadList(container, list, nullptr);
    CancelAt cancel(2);
    EXPECT_EQ(SaveList(*loaded.Document, list, &cancel).Error, SaveError::Cancelled);
    EXPECT_EQ(ReadBytes(list), before);
    EXPECT_FALSE(test::FileExists(SaveDataPath(list)));
}

// A deflate stream of `megabytes` MiB of zero bytes, a few hundred bytes per
// MiB: one flushed block of a MiB of zeros, repeated (its back references can
// only ever copy zeros), then an empty final block.
std::vector<std::uint8_t> DeflatedZeros(std::size_t megabytes, std::uint32_t& crc) {
    const std::vector<std::uint8_t> zeros(1 << 20, 0);
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::vector<std::uint8_t> block(64 * 1024); // zeros shrink a thousandfold
    z.next_in = const_cast<std::uint8_t*>(zeros.data());
    z.avail_in = static_cast<uInt>(zeros.size());
    z.next_out = block.data();
    z.avail_out = static_cast<uInt>(block.size());
    deflate(&z, Z_FULL_FLUSH);
    block.erase(block.begin() + static_cast<std::ptrdiff_t>(z.total_out), block.end());
    deflateEnd(&z);
    std::vector<std::uint8_t> stream;
    const uLong oneCrc = crc32(0, zeros.data(), static_cast<uInt>(zeros.size()));
    crc = 0;
    for (std::size_t i = 0; i < megabytes; ++i) {
        stream.insert(stream.end(), block.begin(), block.end());
        crc = static_cast<std::uint32_t>(i == 0 ? oneCrc : crc32_combine(crc, oneCrc, 1 << 20));
    }
    stream.push_back(0x03); // an empty final block with fixed codes
    stream.push_back(0x00);
    return stream;
}

struct RawEntry {
    const std::vector<std::uint8_t>* bytes;
    std::uint64_t size;
    std::uint32_t crc;
    std::size_t offset = 0;
};

// libzip stores already deflated bytes as they are when the source says so.
zip_int64_t RawEntrySource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto* entry = static_cast<RawEntry*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        entry->offset = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const std::size_t n = std::min<std::size_t>(length, entry->bytes->size() - entry->offset);
        std::memcpy(data, entry->bytes->data() + entry->offset, n);
        entry->offset += n;
        return static_cast<zip_int64_t>(n);
    }
    case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
        st->size = entry->size;
        st->comp_size = entry->bytes->size();
        st->comp_method = ZIP_CM_DEFLATE;
        st->crc = entry->crc;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_READABLE;
    default:
        return 0;
    }
}

TEST_F(LoadAndSave, GigabytesOfZerosAreRefusedWithoutExhaustingMemory) {
    // Zero bytes read as records that each declare one child: a chain that
    // never ends, cut off when the data does. A gibibyte is 1.8 million deep.
    constexpr std::size_t megabytes = 1024;
    RawEntry entry;
    std::vector<std::uint8_t> stream = DeflatedZeros(megabytes, entry.crc);
    entry.bytes = &stream;
    entry.size = std::uint64_t(megabytes) << 20;
    const std::string list = dir / "zeros.dk";
    zip_t* archive = zip_open(list.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    zip_source_t* source = zip_source_function(archive, RawEntrySource, &entry);
    ASSERT_GE(zip_file_add(archive, "zeros", source, 0), 0);
    ASSERT_EQ(zip_close(archive), 0);
    ASSERT_LT(test::ReadBytes(list).size(), 2u << 20) << "a small file";

    LoadResult loaded = LoadList(container, list, nullptr);
    EXPECT_EQ(loaded.Error, LoadError::DataTruncated);
    EXPECT_FALSE(loaded.Document);
    EXPECT_FALSE(test::FileExists(container.BaseDir() + "zeros"));
}

TEST_F(LoadAndSave, AFailingSaveLeavesTheListByteForByte) {
    const std::string list = MakeList("photos.dk", test::Describe("F a\nF b\nF c\n").Data());
    const auto before = ReadBytes(list);
    LoadResult loaded = LoadList(container, list, nullptr);
    // The disk fills up while the data is written.
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        _exit(SaveList(*loaded.Document, list, nullptr).Error == SaveError::WriteFailed ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(list), before);
    EXPECT_FALSE(test::FileExists(SaveDataPath(list)));

    // The temporary file cannot be created: a folder is in its way in both places.
    std::filesystem::create_directory(SaveDataPath(list));
    std::filesystem::create_directory(tmp + "/~tmp~photos");
    EXPECT_EQ(SaveList(*loaded.Document, list, nullptr).Error, SaveError::TempFileFailed);
    EXPECT_EQ(ReadBytes(list), before);
}

} // namespace
} // namespace dk
