#include "search/NameMask.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace dk {
namespace {

using test::Enc;

struct MaskCase {
    const char* typed;
    const char* normalised;
    std::vector<const char*> fits;
    std::vector<const char*> misses;
};

// Masks as a user types them, names as they stand in a Windows-1251 list.
const MaskCase MaskCases[] = {
    {"doc", "doc", {"Document.txt", "MYDOCS", "readme.doc"}, {"Dcs.txt", "", "do"}},
    {"*.doc", ".doc", {"a.doc", "a.docx", "x.doc.bak", "A.DOC"}, {"adoc"}},
    {"*", "", {}, {"a", "*", "", " "}},
    {"a*b", "ab", {"Cab"}, {"axb", "a*b"}},
    {"*a*", "a*", {"xa*y"}, {"a.txt", "ab"}},
    {"**x", "*x", {"a*X"}, {"ax", "x"}},
    {"?", "?", {"why?.txt"}, {"why.txt"}},
    {";", ";", {"a;b"}, {"a b"}},
    {" a", " a", {"x a.txt", "X A"}, {"a.txt", "xa"}},
    {"отчёт", "отчёт", {"ОТЧЁТ за год.doc", "Отчёт.xls", "годовой отчёт"}, {"Отчет.xls"}},
    {"ФОТО", "ФОТО", {"фото_2020.jpg", "Фотоальбом"}, {"foto.jpg"}},
    {"Ё", "Ё", {"ёлка", "ЁЛКА"}, {"елка"}},
    {" *Doc ", " Doc ", {"my doc .txt"}, {"my doc.txt", "doc "}},
};

TEST(NameMask, TypedMasksAreNormalisedAndTestedIgnoringCase) {
    const ByteTable& upper = test::Cp1251().UpperTable();
    for (const MaskCase& c : MaskCases) {
        std::string mask = Enc(c.typed);
        NormaliseMask(mask);
        EXPECT_EQ(mask, Enc(c.normalised)) << c.typed;
        const NameMask matcher(mask, upper);
        for (const char* name : c.fits)
            EXPECT_TRUE(matcher.Matches(Enc(name))) << c.typed << " should fit " << name;
        for (const char* name : c.misses)
            EXPECT_FALSE(matcher.Matches(Enc(name))) << c.typed << " should miss " << name;
    }
}

TEST(NameMask, TextsLongerThanANameFieldAreSearchedWhole) {
    const ByteTable& upper = test::Cp1251().UpperTable();
    const std::string name = std::string(300, 'x') + "Tail";
    EXPECT_TRUE(NameMatches(name, "tAIL", upper));
    EXPECT_TRUE(NameMatches(name, std::string(290, 'X') + "t", upper));
    EXPECT_FALSE(NameMatches(name, "tails", upper));
    // A mask longer than any name is fine and fits nothing.
    EXPECT_FALSE(NameMatches("short", std::string(1000, 's'), upper));
}

} // namespace
} // namespace dk
