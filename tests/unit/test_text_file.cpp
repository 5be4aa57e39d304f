// Kept files as editors save them: UTF-8 with or without its mark, and
// UTF-16 with its mark in either byte order (Windows' "Unicode"), with CRLF.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "app/progress.h"
#include "app/text_file.h"
#include "game_run.h"

namespace {

// A progress file with a Japanese comment and a character beyond the
// 16-bit plane (a surrogate pair in UTF-16), CRLF line ends.
const std::u16string kText16 = u"# 進行 \U0001D11E\r\nstage1 = 83456\r\nstage3 = 1200\r\nstory = 4\r\n";
const std::string kText8 = "# 進行 \U0001D11E\r\nstage1 = 83456\r\nstage3 = 1200\r\nstory = 4\r\n";

std::vector<unsigned char> Utf16(const std::u16string& text, bool bigEndian) {
    std::vector<unsigned char> b = bigEndian ? std::vector<unsigned char>{0xFE, 0xFF}
                                             : std::vector<unsigned char>{0xFF, 0xFE};
    for (char16_t c : text) {
        unsigned char hi = static_cast<unsigned char>(c >> 8), lo = static_cast<unsigned char>(c & 0xFF);
        b.push_back(bigEndian ? hi : lo);
        b.push_back(bigEndian ? lo : hi);
    }
    return b;
}

std::vector<unsigned char> Utf8(const std::string& text, bool mark) {
    std::vector<unsigned char> b = mark ? std::vector<unsigned char>{0xEF, 0xBB, 0xBF} : std::vector<unsigned char>{};
    b.insert(b.end(), text.begin(), text.end());
    return b;
}

struct Encoding {
    const char* name;
    std::vector<unsigned char> bytes;
};

void PrintTo(const Encoding& e, std::ostream* os) { *os << e.name; }

class KeptFileEncodings : public testing::TestWithParam<Encoding> {};

}  // namespace

// Every encoding reads as the same UTF-8 text, from memory and from a file,
// and the progress in it is all read.
TEST_P(KeptFileEncodings, ReadAsTheSameText) {
    const std::vector<unsigned char>& b = GetParam().bytes;
    EXPECT_EQ(TextFromFileBytes(b.data(), b.size()), kText8);
    std::string path = MakeTempDir("encoding") + "/progress.ini";
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
    std::string text;
    ASSERT_EQ(ReadSmallTextFile(path, text), nullptr);
    ASSERT_EQ(text, kText8);
    Progress p;
    std::string complaints;
    EXPECT_EQ(ParseProgress(text, path, p, complaints), 3);
    EXPECT_EQ(complaints, "");
    EXPECT_EQ(p.stages[0].bestMs, 83456u);
    EXPECT_EQ(p.stages[2].bestMs, 1200u);
    EXPECT_EQ(p.storyStage, 4);
}

INSTANTIATE_TEST_SUITE_P(Encodings, KeptFileEncodings,
                         testing::Values(Encoding{"Utf8", Utf8(kText8, false)}, Encoding{"Utf8Mark", Utf8(kText8, true)},
                                         Encoding{"Utf16Little", Utf16(kText16, false)},
                                         Encoding{"Utf16Big", Utf16(kText16, true)}),
                         [](const testing::TestParamInfo<Encoding>& i) { return std::string(i.param.name); });

// Damaged UTF-16 (a half pair, a pair's second half alone, a last odd byte)
// gives U+FFFD where it is broken and nothing worse; the lines around read.
TEST(KeptFileEncodings, BrokenUtf16BecomesReplacementCharacters) {
    std::vector<unsigned char> b = Utf16(u"stage1 = 5\n", false);
    for (unsigned char c : {0x00, 0xD8, 0x41, 0x00, 0x00, 0xDC, 0x0A, 0x00, 0x41}) b.push_back(c);
    EXPECT_EQ(TextFromFileBytes(b.data(), b.size()), "stage1 = 5\n\uFFFDA\uFFFD\n\uFFFD");
    // A mark alone is an empty text; a lone FF is no mark.
    const unsigned char mark[] = {0xFE, 0xFF}, lone[] = {0xFF};
    EXPECT_EQ(TextFromFileBytes(mark, 2), "");
    EXPECT_EQ(TextFromFileBytes(lone, 1), "\xFF");
}
