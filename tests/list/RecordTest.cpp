#include "list/ExtendedSize.h"
#include "list/ListRecord.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace dk {
namespace {

TEST(ListRecord, FieldsSitAtTheirOffsetsLittleEndian) {
    ListRecord r;
    r.SetName("name");
    r.SetComment("note");
    r.SetCreated("01.02.2003");
    r.SetModified("04.05.2006");
    r.SetKind('D');
    r.SetAttributes(0x81);
    r.SetStrikeOut(1);
    r.SetMark(2);
    r.SetMarkedBelow(-2);
    r.SetLevel(0x01020304);
    r.SetLastChildIndex(-1);
    EXPECT_EQ(r.Raw[0], 'n');
    EXPECT_EQ(r.Raw[256], 'n');
    EXPECT_EQ(r.Raw[512], '0');
    EXPECT_EQ(r.Raw[540], '0');
    EXPECT_EQ(r.Raw[568], 'D');
    EXPECT_EQ(r.Raw[569], 0x81);
    EXPECT_EQ(r.Raw[586], 1);
    EXPECT_EQ(r.Raw[587], 2);
    EXPECT_EQ((std::array<int, 4>{r.Raw[588], r.Raw[589], r.Raw[590], r.Raw[591]}),
              (std::array<int, 4>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ((std::array<int, 4>{r.Raw[592], r.Raw[593], r.Raw[594], r.Raw[595]}),
              (std::array<int, 4>{0x04, 0x03, 0x02, 0x01}));
    EXPECT_EQ(r.MarkedBelow(), -2);
    EXPECT_EQ(r.Level(), 0x01020304);
    EXPECT_EQ(r.LastChildIndex(), -1);
}

TEST(ListRecord, TextsEndAtTheFirstZeroOrFillTheField) {
    ListRecord r;
    r.Raw.fill('x');
    EXPECT_EQ(r.Name().size(), 256u) << "no terminator: the whole field";
    EXPECT_EQ(r.Created().size(), 28u);
    r.Raw[3] = 0;
    EXPECT_EQ(r.Name(), "xxx");
    r.SetComment(std::string(300, 'c'));
    EXPECT_EQ(r.Comment().size(), 255u) << "a set text keeps room for its terminator";
}

TEST(ListRecord, DeclaredChildren) {
    const std::pair<std::int32_t, std::uint32_t> cases[] = {
        {-1, 0}, {-5, 0}, {INT32_MIN, 0}, {0, 1}, {2, 3}, {INT32_MAX, 2147483648u}};
    for (const auto& [last, children] : cases) {
        ListRecord r;
        r.SetLastChildIndex(last);
        EXPECT_EQ(r.DeclaredChildren(), children) << last;
    }
}

// 1536 bytes as the x87 stores it: significand 0xC000000000000000, exponent
// 16383 + 10.
TEST(ExtendedSize, KnownEncoding) {
    std::array<std::uint8_t, 10> bytes{};
    EncodeExtended(1536, bytes.data());
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0xC0, 0x09, 0x40}));
    EncodeExtended(0, bytes.data());
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 10>{}));
    EXPECT_TRUE(ExtendedIsZero(bytes.data()));
}

TEST(ExtendedSize, EveryWholeByteCountRoundTripsExactly) {
    std::vector<std::uint64_t> counts = {0, 1, 2, 3, 1023, 1024, 1536, (1ull << 53) + 1,
                                         (1ull << 63), (1ull << 63) + 1, UINT64_MAX - 1, UINT64_MAX};
    std::mt19937_64 random(7);
    for (int i = 0; i < 10000; ++i)
        counts.push_back(random() >> (random() % 64));
    for (const std::uint64_t count : counts) {
        std::array<std::uint8_t, 10> bytes{};
        EncodeExtended(count, bytes.data());
        ASSERT_EQ(ExtendedToCount(bytes.data()), count);
        EXPECT_EQ(ExtendedToDouble(bytes.data()), static_cast<double>(count));
    }
}

TEST(ExtendedSize, ValuesThatAreNoByteCount) {
    // -1536, 0.5, +infinity, a NaN.
    const std::array<std::uint8_t, 10> negative{0, 0, 0, 0, 0, 0, 0, 0xC0, 0x09, 0xC0};
    const std::array<std::uint8_t, 10> half{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F};
    const std::array<std::uint8_t, 10> infinity{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};
    const std::array<std::uint8_t, 10> nan{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    EXPECT_FALSE(ExtendedToCount(negative.data()));
    EXPECT_EQ(ExtendedToDouble(negative.data()), -1536.0);
    EXPECT_FALSE(ExtendedToCount(half.data()));
    EXPECT_EQ(ExtendedToDouble(half.data()), 0.5);
    EXPECT_FALSE(ExtendedToCount(infinity.data()));
    EXPECT_TRUE(std::isinf(ExtendedToDouble(infinity.data())));
    EXPECT_TRUE(std::isnan(ExtendedToDouble(nan.data())));
}

} // namespace
} // namespace dk
