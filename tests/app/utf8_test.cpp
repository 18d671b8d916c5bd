// Text read by characters: decoding, capitals, columns.
#include <gtest/gtest.h>

#include "rules/app/utf8.h"
#include "rules/career/points.h"

using namespace vantorelle;

TEST(Utf8, WellFormedCharactersOnly)
{
    for (const char* good : {"", "Ivo", "Zoë", "山田", "🎯", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(isValidUtf8(good)) << good;
    for (const char* bad : {"\x80", "Zo\xC3", "\xC3\x28", "\xC0\xAF",   // stray, cut short, bad follower, overlong '/'
                            "\xE0\x80\xAF", "\xF0\x80\x80\xAF",         // overlong '/' in three and four bytes
                            "\xED\xA0\x80", "\xED\xBF\xBF",             // surrogates
                            "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", // beyond U+10FFFF
                            "\xFF", "\xE5\xB1"})
        EXPECT_FALSE(isValidUtf8(bad)) << ::testing::PrintToString(std::string(bad));

    // A bad byte is stepped over alone, so the good text after it is read.
    const std::string mixed = "\xC3\x28\xC3\xAB";
    std::size_t pos = 0;
    EXPECT_FALSE(nextCodePoint(mixed, pos));
    EXPECT_EQ(pos, 1u);
    EXPECT_EQ(nextCodePoint(mixed, pos), char32_t('('));
    EXPECT_EQ(nextCodePoint(mixed, pos), char32_t(0xEB));
    EXPECT_EQ(pos, mixed.size());

    for (char32_t c : {char32_t(0x41), char32_t(0xEB), char32_t(0x3A3), char32_t(0x5C71), char32_t(0x1F3AF)}) {
        std::string s;
        appendUtf8(s, c);
        std::size_t at = 0;
        EXPECT_EQ(nextCodePoint(s, at), c);
        EXPECT_EQ(at, s.size());
    }
}

TEST(Utf8, CapitalsOfLatinGreekAndCyrillicOneForOne)
{
    EXPECT_EQ(upperCase("ivo quillfeather o'neil st.-clair 09"), "IVO QUILLFEATHER O'NEIL ST.-CLAIR 09");
    EXPECT_EQ(upperCase("Zoë Brandt"), "ZOË BRANDT");
    EXPECT_EQ(upperCase("José Núñez"), "JOSÉ NÚÑEZ");
    EXPECT_EQ(upperCase("Jürgen Weiß"), "JÜRGEN WEIß"); // ß stays
    EXPECT_EQ(upperCase("ÿ÷"), "Ÿ÷");                   // ÿ → Ÿ, ÷ stays
    EXPECT_EQ(upperCase("łódź čň ı"), "ŁÓDŹ ČŇ ı");
    EXPECT_EQ(upperCase("άννα ςώ"), "ΆΝΝΑ ΣΏ");
    EXPECT_EQ(upperCase("иван ёї ґ"), "ИВАН ЁЇ Ґ");
    EXPECT_EQ(upperCase("山田"), "山田"); // no capitals in these scripts
    // Bytes that are not UTF-8 are left as they were, the ASCII around them capitalised.
    EXPECT_EQ(upperCase("a\xE9z"), "A\xE9Z");
    // Every capital is its own capital, so names compare equal however often
    // they were upper-cased; and it is as long as its small letter, so a name
    // keeps its length.
    for (char32_t c = 0; c < 0x530; ++c) {
        const char32_t upper = upperCaseLetter(c);
        const auto point = static_cast<unsigned>(c);
        EXPECT_EQ(upperCaseLetter(upper), upper) << std::hex << point;
        std::string small, capital;
        appendUtf8(small, c);
        appendUtf8(capital, upper);
        EXPECT_EQ(small.size(), capital.size()) << std::hex << point;
        EXPECT_TRUE(upper == c || (isNameLetter(c) && isNameLetter(upper))) << std::hex << point;
    }
}

TEST(Utf8, ColumnsCountAndCutByCharacters)
{
    EXPECT_EQ(characterCount("Zoë"), 3u);
    EXPECT_EQ(characterCount("Zoe\u0308"), 3u); // e and a combining diaeresis: one place
    EXPECT_EQ(characterCount("山田"), 2u);
    EXPECT_EQ(characterCount("\u0308x"), 2u);                       // a mark with nothing before it stands alone
    EXPECT_EQ(characterCount("a\xE9z"), 3u);                        // a byte that is not UTF-8 takes one place
    EXPECT_EQ(firstCharacters("Zoe\u0308 Brandt", 3), "Zoe\u0308"); // the mark goes with its letter
    EXPECT_EQ(firstCharacters("山田", 1), "山");
    EXPECT_EQ(firstCharacters("abc", 5), "abc");

    // The fitting of a text to a column, as the history and ranking lists use it.
    EXPECT_EQ(fitText("  Zoë", 6), "Zoë   ");
    EXPECT_EQ(fitText("Jürgen Weiß", 8), "Jürgen W");
    EXPECT_EQ(fitText("Иван", 3), "Ива");
    EXPECT_EQ(fitText("Zoe\u0308", 4), "Zoe\u0308 ");
    EXPECT_EQ(fitText("12.\u202F06.", 8), "12.\u202F06. "); // a date with a narrow no-break space
    // Whatever the width, exactly that many places, never half a character.
    for (const std::string text : {"Zoë Brandt", "山田 太郎", "Ba\u0301n"}) {
        for (int width : {0, 1, 2, 3, 5, 24}) {
            const std::string fitted = fitText(text, width);
            EXPECT_EQ(characterCount(fitted), static_cast<std::size_t>(width)) << text << " " << width;
            EXPECT_TRUE(isValidUtf8(fitted)) << text << " " << width;
        }
    }
}
