#include "TestSupport.h"
#include "list/ListContainer.h"
#include "list/ListPaths.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

namespace dk {
namespace {

using test::ReadBytes;
using test::TempDir;

std::vector<std::uint8_t> SomeData(std::size_t size = 5000) {
    std::vector<std::uint8_t> data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 % 13);
    return data;
}

// A ZIP archive made with libzip as another program would make it.
struct Entry {
    std::string name;
    std::vector<std::uint8_t> data;
    std::int32_t method = ZIP_CM_DEFLATE;
    bool folder = false;
};

void MakeArchive(const std::string& path, const std::vector<Entry>& entries) {
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    ASSERT_TRUE(archive);
    for (const Entry& e : entries) {
        if (e.folder) {
            ASSERT_GE(zip_dir_add(archive, e.name.c_str(), 0), 0);
            continue;
        }
        zip_source_t* source = zip_source_buffer(archive, e.data.data(), e.data.size(), 0);
        const zip_int64_t index = zip_file_add(archive, e.name.c_str(), source, 0);
        ASSERT_GE(index, 0);
        ASSERT_EQ(zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), e.method, 0), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

// The archive's only entry as libzip reads it.
std::vector<std::uint8_t> EntryData(const std::string& path, std::string* name = nullptr) {
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
    if (!archive)
        return {};
    zip_stat_t st;
    zip_stat_index(archive, 0, 0, &st);
    if (name)
        *name = st.name;
    std::vector<std::uint8_t> data(st.size);
    zip_file_t* file = zip_fopen_index(archive, 0, 0);
    const zip_int64_t n = zip_fread(file, data.data(), data.size());
    zip_fclose(file);
    zip_discard(archive);
    data.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
    return data;
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
void SetU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Where the first entry's fields are: its central directory record and its
// local header (both hold flags, CRC and sizes).
struct EntryHeaders {
    std::size_t central;
    std::size_t local;
};
EntryHeaders FindHeaders(const std::vector<std::uint8_t>& b) {
    std::size_t eocd = b.size() - 22;
    while (U32(b, eocd) != 0x06054b50)
        --eocd;
    const std::size_t central = U32(b, eocd + 16);
    return {central, U32(b, central + 42)};
}

enum class Field { Flags, Crc, PackedSize, Size };
// Changes one field of the first entry, in both headers.
void Patch(const std::string& path, Field field, std::uint32_t value) {
    std::vector<std::uint8_t> b = ReadBytes(path);
    const EntryHeaders at = FindHeaders(b);
    const std::pair<std::size_t, std::size_t> offsets[] = {{8, 6}, {16, 14}, {20, 18}, {24, 22}};
    const auto [central, local] = offsets[static_cast<int>(field)];
    if (field == Field::Flags) {
        b[at.central + central] = static_cast<std::uint8_t>(value);
        b[at.local + local] = static_cast<std::uint8_t>(value);
    } else {
        SetU32(b, at.central + central, value);
        SetU32(b, at.local + local, value);
    }
    test::WriteBytes(path, b);
}

std::uint32_t Read32(const std::string& path, Field field) {
    const std::vector<std::uint8_t> b = ReadBytes(path);
    const std::size_t offsets[] = {8, 16, 20, 24};
    return U32(b, FindHeaders(b).central + offsets[static_cast<int>(field)]);
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Container : public ::testing::Test {
protected:
    TempDir dir;
    std::string lists = dir / "lists";
    std::string tmp = dir / "tmp";
    test::ScopedEnv tmpVar{"TMP", tmp.c_str()};
    test::ScopedEnv tempVar{"TEMP", nullptr};
    void SetUp() override {
        std::filesystem::create_directory(lists);
        std::filesystem::create_directory(tmp);
    }
};

TEST_F(Container, ExtractsTheEntryUnderTheBaseNameAndLeavesTheListAlone) {
    const std::string list = lists + "/photos.dk";
    MakeArchive(list, {{"data", SomeData()}});
    const auto before = ReadBytes(list);
    struct stat info {};
    ::stat(list.c_str(), &info);

    ListContainer container;
    const UnpackResult result = container.UnpackList(list);
    ASSERT_EQ(result.Error, ContainerError::None) << result.Detail;
    EXPECT_EQ(result.DataPath, lists + "/photos");
    EXPECT_EQ(container.BaseDir(), lists + "/");
    EXPECT_EQ(ReadBytes(result.DataPath), SomeData());

    EXPECT_EQ(ReadBytes(list), before) << "opening never writes the list";
    struct stat after {};
    ::stat(list.c_str(), &after);
    EXPECT_EQ(after.st_mtim.tv_nsec, info.st_mtim.tv_nsec);
    std::string name;
    EntryData(list, &name);
    EXPECT_EQ(name, "data");
}

TEST_F(Container, BaseNameCutsAtTheFirstOccurrenceOfTheExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/x/photos.dk", "photos"}, {"/x/a.dk.old.dk", "a"}, {"noext", "noext"},
        {"/x.dk/y/list.DK", "list"}, {"/x/archive.tar.gz", "archive.tar"}};
    for (const auto& [path, base] : cases)
        EXPECT_EQ(BaseName(path), base) << path;
}

TEST_F(Container, TheFirstExtractionFolderServesLaterOpens) {
    std::filesystem::create_directory(dir / "b");
    MakeArchive(lists + "/first.dk", {{"x", SomeData()}});
    MakeArchive(dir / "b/second.dk", {{"y", SomeData(100)}});
    ListContainer container;
    ASSERT_EQ(container.UnpackList(lists + "/first.dk").Error, ContainerError::None);
    const UnpackResult second = container.UnpackList(dir / "b/second.dk");
    ASSERT_EQ(second.Error, ContainerError::None);
    EXPECT_EQ(second.DataPath, lists + "/second");
}

TEST_F(Container, AFolderOfTheSameNameSendsTheDataToTheTemporaryFolderForGood) {
    std::filesystem::create_directory(lists + "/photos");
    MakeArchive(lists + "/photos.dk", {{"x", SomeData()}});
    MakeArchive(lists + "/other.dk", {{"x", SomeData()}});
    ListContainer container;
    const UnpackResult first = container.UnpackList(lists + "/photos.dk");
    ASSERT_EQ(first.Error, ContainerError::None);
    EXPECT_EQ(first.DataPath, tmp + "/photos");
    EXPECT_EQ(container.UnpackList(lists + "/other.dk").DataPath, tmp + "/other");
}

TEST_F(Container, WithoutTmpOrTempTheSystemTemporaryFolderIsUsed) {
    test::ScopedEnv noTmp("TMP", nullptr);
    test::ScopedEnv tmpdir("TMPDIR", tmp.c_str());
    std::filesystem::create_directory(lists + "/photos");
    MakeArchive(lists + "/photos.dk", {{"x", SomeData()}});
    ListContainer container;
    EXPECT_EQ(container.UnpackList(lists + "/photos.dk").DataPath, tmp + "/photos");
}

TEST_F(Container, AnExtractionFolderThatCannotTakeTheFileFallsBackToTheTemporaryFolder) {
    // The first open fixes the extraction folder; there the second list's
    // data file cannot be created, as a folder stands in its place.
    std::filesystem::create_directory(dir / "b");
    MakeArchive(lists + "/first.dk", {{"x", SomeData()}});
    MakeArchive(dir / "b/second.dk", {{"y", SomeData(100)}});
    std::filesystem::create_directory(lists + "/second");
    ListContainer container;
    ASSERT_EQ(container.UnpackList(lists + "/first.dk").Error, ContainerError::None);
    const UnpackResult second = container.UnpackList(dir / "b/second.dk");
    ASSERT_EQ(second.Error, ContainerError::None);
    EXPECT_EQ(second.DataPath, tmp + "/second");
}

TEST_F(Container, AReadOnlyListOnReadOnlyMediaOpens) {
    const std::string list = lists + "/cd.dk";
    MakeArchive(list, {{"x", SomeData()}});
    ::chmod(list.c_str(), 0444);
    ::chmod(lists.c_str(), 0555);
    ListContainer container;
    const UnpackResult result = container.UnpackList(list);
    ::chmod(lists.c_str(), 0755);
    ASSERT_EQ(result.Error, ContainerError::None) << result.Detail;
    EXPECT_EQ(ReadBytes(result.DataPath), SomeData());
    if (::geteuid() != 0) { // root may write anywhere; for others the folder is read-only
        EXPECT_EQ(result.DataPath, tmp + "/cd");
    }
}

TEST_F(Container, UnusableFilesAreRefusedAndLeaveNoDataFile) {
    const std::string list = lists + "/bad.dk";
    const auto data = SomeData(60000);
    struct Case {
        const char* what;
        std::function<void()> make;
        ContainerError error;
    };
    const Case cases[] = {
        {"missing file", [] {}, ContainerError::ArchiveUnreadable},
        {"a folder", [&] { std::filesystem::create_directory(list); },
         ContainerError::ArchiveUnreadable},
        {"not a ZIP archive", [&] { test::WriteBytes(list, SomeData(3000)); },
         ContainerError::ArchiveUnreadable},
        {"empty archive",
         [&] {
             std::vector<std::uint8_t> eocd(22, 0);
             SetU32(eocd, 0, 0x06054b50);
             test::WriteBytes(list, eocd);
         },
         ContainerError::EntryCount},
        {"two entries", [&] { MakeArchive(list, {{"a", data}, {"b", data}}); },
         ContainerError::EntryCount},
        {"a folder entry", [&] { MakeArchive(list, {{"dir/", {}, 0, true}}); },
         ContainerError::EntryIsFolder},
        {"encrypted entry",
         [&] {
             MakeArchive(list, {{"a", data}});
             Patch(list, Field::Flags, 1);
         },
         ContainerError::EntryEncrypted},
        {"CRC mismatch",
         [&] {
             MakeArchive(list, {{"a", data}});
             Patch(list, Field::Crc, Read32(list, Field::Crc) ^ 1);
         },
         ContainerError::EntryCorrupt},
        {"CRC mismatch, stored",
         [&] {
             MakeArchive(list, {{"a", data, ZIP_CM_STORE}});
             Patch(list, Field::Crc, Read32(list, Field::Crc) ^ 1);
         },
         ContainerError::EntryCorrupt},
        {"declared size above what deflate can produce",
         [&] {
             MakeArchive(list, {{"a", data}});
             Patch(list, Field::Size, (Read32(list, Field::PackedSize) + 2) * 1032);
         },
         ContainerError::EntryTooLarge},
        {"declared size larger than the data",
         [&] {
             MakeArchive(list, {{"a", data}});
             Patch(list, Field::Size, Read32(list, Field::Size) + 600);
         },
         ContainerError::EntryCorrupt},
        {"declared size smaller than the data",
         [&] {
             MakeArchive(list, {{"a", data}});
             Patch(list, Field::Size, Read32(list, Field::Size) - 600);
         },
         ContainerError::EntryCorrupt},
        {"compressed size beyond the file",
         [&] {
             MakeArchive(list, {{"a", data}});
             Patch(list, Field::PackedSize, 0x7FFFFFFF);
         },
         ContainerError::EntryCorrupt},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(list);
        c.make();
        ListContainer container;
        const UnpackResult result = container.UnpackList(list);
        EXPECT_EQ(result.Error, c.error) << c.what << ": " << result.Detail;
        EXPECT_TRUE(result.DataPath.empty()) << c.what;
        EXPECT_FALSE(test::FileExists(lists + "/bad")) << c.what;
        EXPECT_TRUE(Names(tmp).empty()) << c.what;
    }
}

TEST_F(Container, OtherCompressionMethodsAreReadThroughLibzip) {
    std::vector<std::int32_t> methods = {ZIP_CM_STORE};
    if (zip_compression_method_supported(ZIP_CM_BZIP2, 0))
        methods.push_back(ZIP_CM_BZIP2);
    for (const std::int32_t method : methods) {
        MakeArchive(lists + "/m.dk", {{"a", SomeData(70000), method}});
        ListContainer container;
        const UnpackResult result = container.UnpackList(lists + "/m.dk");
        ASSERT_EQ(result.Error, ContainerError::None) << method;
        EXPECT_EQ(ReadBytes(result.DataPath), SomeData(70000)) << method;
    }
}

TEST_F(Container, AnEmptyEntryUnpacksToAnEmptyFile) {
    MakeArchive(lists + "/empty.dk", {{"a", {}}});
    ListContainer container;
    const UnpackResult result = container.UnpackList(lists + "/empty.dk");
    ASSERT_EQ(result.Error, ContainerError::None);
    EXPECT_TRUE(ReadBytes(result.DataPath).empty());
}

TEST_F(Container, PackReplacesTheListWithOneDeflatedEntry) {
    const std::string list = lists + "/photos.dk";
    MakeArchive(list, {{"old", SomeData(10)}, {"older", SomeData(20)}});
    ::chmod(list.c_str(), 0640);
    const std::string data = dir / "data";
    test::WriteBytes(data, SomeData(200000));
    ASSERT_EQ(PackList(data, list), ContainerError::None);

    std::string name;
    EXPECT_EQ(EntryData(list, &name), SomeData(200000));
    EXPECT_EQ(name, "photos");
    struct stat info {};
    ::stat(list.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "the list keeps its permissions";
    EXPECT_EQ(Names(lists), std::vector<std::string>{"photos.dk"}) << "no temporary left";
    ListContainer container;
    EXPECT_EQ(ReadBytes(container.UnpackList(list).DataPath), SomeData(200000));
}

TEST_F(Container, LargeDataPacksAcrossCoresIntoOneValidStream) {
    // Big enough to be split between threads; libzip inflates it with zlib.
    std::vector<std::uint8_t> data(40u << 20);
    std::mt19937 random(3);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = (i % 600 < 40) ? static_cast<std::uint8_t>('a' + random() % 26) : 0;
    test::WriteBytes(dir / "data", data);
    ASSERT_EQ(PackList(dir / "data", lists + "/big.dk"), ContainerError::None);
    EXPECT_EQ(EntryData(lists + "/big.dk"), data);
}

TEST_F(Container, AFailedPackLeavesTheOldListIntact) {
    const std::string list = lists + "/keep.dk";
    MakeArchive(list, {{"x", SomeData()}});
    const auto before = ReadBytes(list);
    // Data that does not compress, and a file size limit below it: the new
    // archive cannot be completed.
    std::vector<std::uint8_t> noise(1 << 20);
    std::mt19937 random(5);
    for (auto& b : noise)
        b = static_cast<std::uint8_t>(random());
    test::WriteBytes(dir / "noise", noise);
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{256 * 1024, 256 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        _exit(PackList(dir / "noise", list) == ContainerError::ArchiveWriteFailed ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(list), before);
    EXPECT_EQ(Names(lists), std::vector<std::string>{"keep.dk"});

    EXPECT_EQ(PackList(dir / "missing", list), ContainerError::DataFileUnreadable);
    EXPECT_EQ(ReadBytes(list), before);
}

TEST_F(Container, AReadOnlyListIsNotReplaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    const std::string list = lists + "/ro.dk";
    MakeArchive(list, {{"x", SomeData()}});
    ::chmod(list.c_str(), 0444);
    test::WriteBytes(dir / "data", SomeData(10));
    EXPECT_EQ(PackList(dir / "data", list), ContainerError::ListReadOnly);
    EXPECT_EQ(EntryData(list), SomeData());
}

bool HasZip64Record(const std::string& path) {
    const std::vector<std::uint8_t> b = ReadBytes(path);
    for (std::size_t i = 0; i + 4 <= b.size(); ++i)
        if (U32(b, i) == 0x06064b50)
            return true;
    return false;
}

TEST_F(Container, Zip64OnlyWhenTheDataNeedsIt) {
    test::WriteBytes(dir / "small", SomeData(100000));
    ASSERT_EQ(PackList(dir / "small", lists + "/small.dk"), ContainerError::None);
    EXPECT_FALSE(HasZip64Record(lists + "/small.dk"));
    EXPECT_NE(Read32(lists + "/small.dk", Field::Size), 0xFFFFFFFFu);

    // Just over 4 GiB of (sparse, so cheap) zero bytes.
    const std::uint64_t size = (4ull << 30) + 4096;
    const int fd = ::open((dir / "huge").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
    ::close(fd);
    ASSERT_EQ(PackList(dir / "huge", lists + "/huge.dk"), ContainerError::None);
    std::filesystem::remove(dir / "huge");
    EXPECT_TRUE(HasZip64Record(lists + "/huge.dk"));
    zip_t* archive = zip_open((lists + "/huge.dk").c_str(), ZIP_RDONLY, nullptr);
    ASSERT_TRUE(archive);
    zip_stat_t st;
    ASSERT_EQ(zip_stat_index(archive, 0, 0, &st), 0);
    EXPECT_EQ(st.size, size);
    zip_discard(archive);
}

} // namespace
} // namespace dk
