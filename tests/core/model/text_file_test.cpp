// Text files from other programs: byte-order marks, Windows-1252 and UTF-16.
#include "core/model/text.h"

#include <gtest/gtest.h>

#include <string>

namespace rondaxa {
namespace {

TEST(TextFileTest, Utf8IsKeptAndALeadingByteOrderMarkIsSkipped) {
    EXPECT_EQ(TextFileToUtf8(""), "");
    EXPECT_EQ(TextFileToUtf8("102\r\n7\r\n"), "102\r\n7\r\n");
    EXPECT_EQ(TextFileToUtf8("Jos\xC3\xA9 M\xC3\xBCller"), "Jos\xC3\xA9 M\xC3\xBCller");
    EXPECT_EQ(TextFileToUtf8("\xEF\xBB\xBF"
                             "102\n7"),
              "102\n7");
    EXPECT_EQ(TextFileToUtf8("\xEF\xBB\xBF"), "");
    // Only the first mark is the file's; characters beyond U+FFFF are text.
    EXPECT_EQ(TextFileToUtf8("\xEF\xBB\xBF\xEF\xBB\xBFx"), "\xEF\xBB\xBFx");
    EXPECT_EQ(TextFileToUtf8("\xF0\x9F\x8F\x81"), "\xF0\x9F\x8F\x81");
}

TEST(TextFileTest, TextThatIsNotUtf8IsReadAsWindows1252) {
    EXPECT_EQ(TextFileToUtf8("Jos\xE9 M\xFCller"), "Jos\xC3\xA9 M\xC3\xBCller");
    EXPECT_EQ(TextFileToUtf8("\x80 5"), "\xE2\x82\xAC 5");
    EXPECT_EQ(TextFileToUtf8("\xEF\xBB\xBF"
                             "Br\xFC"
                             "ggen"),
              "Br\xC3\xBCggen");
    // Forms a strict reader refuses: overlong, a surrogate, above U+10FFFF,
    // cut short at the end.
    EXPECT_EQ(TextFileToUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(TextFileToUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(TextFileToUtf8("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(TextFileToUtf8("a\xC3"), "a\xC3\x83");
    // Every byte comes back as the competition file would store it.
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToCp1252(TextFileToUtf8(all)), all);
}

// The edges of well-formed UTF-8: the first and last sequence of each lead
// byte range is kept; the overlong, surrogate, too-high and cut sequences
// just beyond them are Windows-1252.
TEST(TextFileTest, Utf8IsTakenExactlyUpToItsEdges) {
    for (const char *valid :
         {"\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xE1\x80\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
          "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF3\xBF\xBF\xBF", "\xF4\x8F\xBF\xBF"})
        EXPECT_EQ(TextFileToUtf8(valid), valid);
    for (const char *invalid :
         {"\x80", "\xC1\xBF", "\xC2\x7F", "\xC2\xC0", "\xE0\x9F\xBF", "\xE2\x82x", "\xED\xA0\x80",
          "\xF0\x8F\xBF\xBF", "\xF0\x90\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80"})
        EXPECT_EQ(TextFileToUtf8(invalid), Cp1252ToUtf8(invalid)) << invalid;
}

TEST(TextFileTest, Utf16WithItsByteOrderMarkIsReadAsUtf16) {
    using namespace std::string_literals;
    EXPECT_EQ(TextFileToUtf8("\xFF\xFE"
                             "1\0"
                             "0\0"
                             "2\0"
                             "\r\0\n\0"
                             "\xE9\0"s),
              "102\r\n\xC3\xA9");
    EXPECT_EQ(TextFileToUtf8("\xFE\xFF\0J\0\xFC\x20\xAC"s), "J\xC3\xBC\xE2\x82\xAC");
    // A pair of surrogates is one character; a lone one and an odd last
    // byte become the replacement character.
    EXPECT_EQ(TextFileToUtf8("\xFF\xFE\x3C\xD8\xC1\xDF"s), "\xF0\x9F\x8F\x81");
    EXPECT_EQ(TextFileToUtf8("\xFF\xFE\x3C\xD8"
                             "a\0"
                             "b"s),
              "\xEF\xBF\xBD"
              "a\xEF\xBF\xBD");
    EXPECT_EQ(TextFileToUtf8("\xFF\xFE\xC1\xDF"s), "\xEF\xBF\xBD");
    // The edges of the surrogate ranges.
    EXPECT_EQ(TextFileToUtf8("\xFF\xFE\xFF\xD7\x00\xE0"s), "\xED\x9F\xBF\xEE\x80\x80");
    EXPECT_EQ(TextFileToUtf8("\xFE\xFF\xD8\x00\xDC\x00\xDB\xFF\xDF\xFF"s),
              "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF");
    EXPECT_EQ(TextFileToUtf8("\xFE\xFF\xDB\xFF\xE0\x00"s), "\xEF\xBF\xBD\xEE\x80\x80");
    EXPECT_EQ(TextFileToUtf8("\xFF\xFE"), "");
}

} // namespace
} // namespace rondaxa
