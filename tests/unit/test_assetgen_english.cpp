// The English lettered pictures against the Japanese ones they stand in for:
// each worded picture has its English copy, of the same size (every texture
// rectangle the scenes draw stays where it is), and the two differ only
// inside the boxes that hold words (a word that outgrew its button, card or
// sprite would show outside them). And every word of the generator exists
// in both languages (that no Japanese shows in English is checked on the
// screens themselves: scenario/test_english_screens.cpp).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../../tools/assetgen/words.h"
#include "gfx/image.h"
#include "stage/screen_layout.h"

namespace {

const std::string kData = TOLVANE_DATA_DIR;

struct Box {
    int x0, y0, x1, y1;  // edges included
};
Box boxOf(const LayoutRect& r) { return {int(r.x0), int(r.y0), int(r.x1), int(r.y1)}; }
// A sheet cell, whose right and bottom edges belong to the next cell.
Box cellBox(const LayoutRect& r) { return {int(r.x0), int(r.y0), int(r.x1) - 1, int(r.y1) - 1}; }
// The words of help page p: inside its card, clear of the rim 3 px in.
Box pageWords(int p) {
    const Box cell = cellBox(HelpPageCell(p));
    return {cell.x0 + 8, cell.y0, cell.x1 - 8, cell.y1};
}

struct Lettered {
    const char* name;
    std::vector<Box> words;
};

// Where each worded picture carries words, from the scenes that draw it.
const std::vector<Lettered>& LetteredPictures() {
    static const std::vector<Lettered> kAll = [] {
        std::vector<Lettered> v = {
            // the name, then the start, menu and quit buttons where they are clicked
            {"back.png", {{0, 0, 344, 230}, boxOf(kTitleStartButton), boxOf(kTitleMenuButton), boxOf(kTitleQuitButton)}},
            {"Logo.png", {{330, 180, 639, 400}}},
            // the heading, the two choices where they are clicked, the hint
            {"select.png", {{150, 0, 490, 100}, boxOf(kMenuStageSelectButton), boxOf(kMenuHelpButton), {180, 420, 460, 479}}},
            // heading and note, the small stage with its labels, the hints
            {"help.png", {{40, 0, 400, 110}, {16, 110, 430, 432}, {100, 430, 540, 479}, {420, 70, 639, 125}}},
            {"ステージセレクト.png", {{0, 0, 380, 95}, {390, 24, 624, 74}}},
            // the cards of the help pages, each inside its 160 x 288 cell
            // (their words keep clear of the card's rim at x 3 and 157)
            {"説明123.png", {pageWords(1), pageWords(2), pageWords(3)}},
            {"説明456.png", {pageWords(4), pageWords(5), pageWords(6)}},
            // the portraits are shared; the seventh help page beside them is not
            {"kao.png", {pageWords(7)}},
            // the sprites the HUD, the banners and the stage select take
            {"mozi.png",
             {cellBox(kLetterStageCaption), cellBox({LetterStageNumber(1).x0, 0, LetterStageNumber(9).x1, LetterStageNumber(5).y1}),
              cellBox(kLetterWaitingBubble), cellBox(kLetterDifficulty), cellBox({0, LetterClear(0).y0, LetterClear(3).x1, LetterClear(3).y1}),
              cellBox(kLetterLives), cellBox({LetterPageArrow(false, false).x0, LetterPageArrow(false, false).y0, LetterPageArrow(true, true).x1,
                                             LetterPageArrow(true, true).y1})}},
            {"reset.png", {{160, 170, 480, 310}}},
            {"タイムアップル.png", {{90, 300, 550, 410}}},
            {"gameover.png", {{60, 30, 580, 220}}},
            {"end0.png", {{16, 380, 496, 470}}},
            {"end1.png", {{16, 380, 496, 470}}},
            {"end2.png", {{16, 380, 496, 470}}},
            {"end.logo.png", {{16, 16, 496, 380}}},
            {"tfp.png", {{16, 16, 624, 200}}},
        };
        // the panels: the pot names and the paint, retry and time tags
        for (const char* p : {"下１.png", "下２.png", "下３.png", "下４.png", "下５.png", "下６.png", "下７.png"})
            v.push_back({p, {{16, 336, 480, 470}}});
        return v;
    }();
    return kAll;
}

bool Inside(const std::vector<Box>& boxes, int x, int y) {
    for (const Box& b : boxes)
        if (x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1) return true;
    return false;
}

}  // namespace

TEST(EnglishPictures, HaveCopiesOfTheSameSizeThatDifferOnlyWhereTheWordsAre) {
    for (const Lettered& l : LetteredPictures()) {
        Image ja, en;
        if (!DecodeImageFile((kData + "/img/" + l.name).c_str(), ja) ||
            !DecodeImageFile((kData + "/img/en/" + l.name).c_str(), en) || ja.width != en.width ||
            ja.height != en.height) {
            ADD_FAILURE() << l.name << ": the English copy is missing or of another size";
            continue;
        }
        int differ = 0, outside = 0, fx = -1, fy = -1;
        for (int y = 0; y < ja.height; ++y)
            for (int x = 0; x < ja.width; ++x) {
                size_t i = size_t(y) * size_t(ja.width) + size_t(x);
                if (ja.argb[i] == en.argb[i]) continue;
                ++differ;
                if (!Inside(l.words, x, y) && outside++ == 0) fx = x, fy = y;
            }
        EXPECT_GT(differ, 50) << l.name << ": the English copy shows the same words";
        EXPECT_EQ(outside, 0) << l.name << ": " << outside << " pixels differ outside the word boxes, first at (" << fx
                              << ", " << fy << ")";
    }
}

TEST(EnglishPictures, WordlessPicturesAreShared) {
    // Only worded pictures get a copy; the rest are loaded as they are.
    for (const char* name : {"kaiwa.png", "haik.png", "ブラシ.png", "helpback.png", "vesk.png",
                             "ステージ場面.png", "gage.png"}) {
        Image img;
        EXPECT_FALSE(DecodeImageFile((kData + "/img/en/" + name).c_str(), img)) << name;
    }
}

TEST(EnglishPictures, EveryGeneratorWordExistsInBothLanguages) {
    for (const ag::Words* w : ag::words::kAll) {
        ASSERT_NE(w->ja, nullptr);
        ASSERT_NE(w->en, nullptr);
        EXPECT_STRNE(w->ja, "");
        EXPECT_STRNE(w->en, "") << w->ja;
    }
    for (const ag::words::HelpPageWords& page : ag::words::kHelpPages) {
        EXPECT_STRNE(page.heading.en, "");
        int lines = 0;
        for (const ag::Words& l : page.lines) {
            EXPECT_EQ(l.ja == nullptr, l.en == nullptr) << page.heading.en;
            if (!l.ja) continue;
            ++lines;
            EXPECT_STRNE(l.en, "") << page.heading.en;
        }
        EXPECT_GE(lines, 5) << page.heading.en;
    }
}

// Every text the generator letters, in both languages, keeps its ink
// (outline and shadow with it) inside its frame, and the frame inside the
// canvas: a word that outgrew its tag, button or picture would be cut at the
// picture's edge in the game. A tag, button or band keeps its letters off
// its rim; a text without a frame of its own (a digit filling its cell) has
// the canvas for one and may reach its edge. The generator lists each
// text's frame and ink as it draws (assetgen --lettering, at every build of
// the data).
TEST(EnglishPictures, EveryLetteredTextKeepsItsInkInsideItsFrame) {
    constexpr int kFramedMargin = 4;
    std::ifstream report(TOLVANE_LETTERING);
    ASSERT_TRUE(report) << TOLVANE_LETTERING;
    std::map<std::string, int> texts;  // per language
    std::set<std::string> pictures;
    std::string line;
    while (std::getline(report, line)) {
        std::istringstream in(line);
        std::string lang, picture, text;
        Box frame{}, ink{};
        int w = 0, h = 0;
        std::getline(in, lang, '\t');
        std::getline(in, picture, '\t');
        in >> w >> h >> frame.x0 >> frame.y0 >> frame.x1 >> frame.y1 >> ink.x0 >> ink.y0 >> ink.x1 >> ink.y1;
        in.ignore(1);
        std::getline(in, text);
        ASSERT_FALSE(in.fail()) << line;
        ++texts[lang];
        pictures.insert(picture);
        const std::string where = lang + " " + picture + ": '" + text + "' ";
        const bool framed = frame.x0 != 0 || frame.y0 != 0 || frame.x1 != w - 1 || frame.y1 != h - 1;
        const int kMargin = framed ? kFramedMargin : 0;
        EXPECT_TRUE(frame.x0 >= 0 && frame.y0 >= 0 && frame.x1 < w && frame.y1 < h)
            << where << "has its frame (" << frame.x0 << ", " << frame.y0 << ")-(" << frame.x1 << ", " << frame.y1
            << ") cut by the " << w << "x" << h << " picture's edge";
        EXPECT_TRUE(ink.x0 >= frame.x0 + kMargin && ink.y0 >= frame.y0 + kMargin && ink.x1 <= frame.x1 - kMargin &&
                    ink.y1 <= frame.y1 - kMargin)
            << where << "inked over (" << ink.x0 << ", " << ink.y0 << ")-(" << ink.x1 << ", " << ink.y1
            << "), past its frame (" << frame.x0 << ", " << frame.y0 << ")-(" << frame.x1 << ", " << frame.y1
            << ") less " << kMargin;
    }
    // Both passes were listed, every lettered picture among them.
    EXPECT_GT(texts["ja"], 100);
    EXPECT_GT(texts["en"], 100);
    for (const char* p : {"img/skip.png", "img/gameover.png", "img/mozi.png", "img/back.png"})
        EXPECT_TRUE(pictures.count(p)) << p;
}
