// The story's thirteen dialogues: shape, text fit, speakers, cues, and the
// story chain they drive.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>

#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "sound/sound.h"
#include "talk/talk.h"
#include "talks/talk_table.h"

namespace {

// Init scenes, line counts, next scenes and speakers per line (H hero,
// G god, C companion, N narration, P chief, B hero and companion at once,
// M one sentence in several colours), in story order.
struct Expected {
    int initNo, lines, next;
    const char* speakers;
};
const Expected kExpected[] = {
    {9, 22, 11, "HHGHGGHGGGGGGHHHGCHCHH"},  {13, 18, 49, "CHCCHCHNCCHCCHCCHH"},
    {49, 19, 15, "CHGHHHGGHCGGGCHGGGH"},    {17, 17, 19, "HCGGGHGGGHCHGGGGG"},
    {21, 8, 23, "HCHGGGGG"},                {41, 14, 43, "HHCHHHCCHCCHHC"},
    {25, 6, 51, "HCHHHC"},                  {51, 19, 27, "HGCGHGGHGGGCGHHCGGH"},
    {29, 10, 35, "CHGHNHCHHC"},             {33, 10, 31, "CCCHCHCHHC"},
    {37, 11, 39, "HHGHGGGGGBH"},            {53, 6, 55, "HHNNPM"},
    {55, 12, 57, "HCHHCCCHHCCC"},
};

// The dialogue a row expects (every row has one).
const TalkScene& TalkOf(const Expected& e) {
    const TalkScene* s = FindTalkScene(e.initNo);
    if (!s) throw std::runtime_error("no dialogue at scene " + std::to_string(e.initNo));
    return *s;
}

bool ValidFaces(const TalkFaces& f) {
    return f.left >= kHeroCalm && f.left <= kGodDisguised && f.right >= kRightFaceFirst &&
           f.right <= kGodDisguised && f.cover >= kDimLeft && f.cover <= kHideRight;
}

uint32_t SpeakerColour(char who) {
    switch (who) {
        case 'H': return kHeroColour;
        case 'G': return kGodColour;
        case 'C': return kCompanionColour;
        case 'N': return kNarrationColour;
        case 'P': return kChiefColour;
    }
    return 0;
}

// Pixel width of one text line as the font draws it: 10 px for Latin-1 and
// half-width katakana, 20 px for everything else.
int LineWidth(const std::string& s) {
    int w = 0;
    for (size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        int len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        uint32_t cp = len == 1 ? b : b & (0x3F >> (len - 1));
        for (int k = 1; k < len && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        w += (cp < 0x100 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 10 : 20;
        i += len;
    }
    return w;
}

int TextCount(const TalkLine& line) {
    int n = 0;
    while (n < kTalkMaxTexts && line.texts[n].text) ++n;
    return n;
}

bool SceneLoads(const TalkScene& s, int slot) {
    for (int i = 0; i < s.sounds.count; ++i)
        if (s.sounds.items[i].slot == slot) return true;
    return false;
}

std::string Where(const Expected& e, int line) {
    return "scene " + std::to_string(e.initNo) + " line " + std::to_string(line);
}

}  // namespace

TEST(TalkScenes, EveryDialogueHasItsScenesLinesAndSuccessor) {
    ASSERT_EQ(kTalkCount, int(std::size(kExpected)));
    for (const Expected& e : kExpected) {
        const TalkScene& s = TalkOf(e);
        EXPECT_EQ(FindTalkScene(e.initNo + 1), &s);
        ASSERT_EQ(s.lines.count, e.lines) << e.initNo;
        EXPECT_EQ(s.next, e.next) << e.initNo;
        EXPECT_TRUE(ValidFaces(s.faces)) << e.initNo;
        for (int i = 0; i < s.lines.count; ++i) EXPECT_TRUE(ValidFaces(s.lines.items[i].faces)) << Where(e, i);
    }
    for (int n = 0; n < kSceneCount; ++n) {
        bool talk = false;
        for (const Expected& e : kExpected) talk = talk || n == e.initNo || n == e.initNo + 1;
        EXPECT_EQ(IsTalkScene(n), talk) << n;
    }
}

TEST(TalkScenes, EveryTextFitsTheWindowAndMatchesItsLengthClass) {
    for (const Expected& e : kExpected) {
        const TalkScene& s = TalkOf(e);
        for (int i = 0; i < s.lines.count; ++i) {
            const TalkLine& l = s.lines.items[i];
            ASSERT_GE(TextCount(l), 1) << Where(e, i);
            for (int t = 0; t < TextCount(l); ++t) {
                std::string text = l.texts[t].text;
                size_t feed = text.find('\n');
                int y = l.texts[t].y;
                if (feed == std::string::npos) {
                    // One line: y 300, or 280/320 for two speakers; one line
                    // of the god is drawn a little higher, at 290.
                    EXPECT_TRUE(y == 300 || y == 280 || y == 320 || (y == 290 && e.initNo == 37 && i == 6))
                        << Where(e, i);
                    EXPECT_LE(LineWidth(text), 29 * 20) << Where(e, i) << ": " << text;
                } else {
                    EXPECT_EQ(y, 290) << Where(e, i);
                    std::string first = text.substr(0, feed), second = text.substr(feed + 1);
                    EXPECT_EQ(second.find('\n'), std::string::npos) << Where(e, i);
                    EXPECT_EQ(second.rfind("  ", 0), 0u) << Where(e, i);
                    EXPECT_NE(second[2], ' ') << Where(e, i);
                    EXPECT_LE(LineWidth(first), 29 * 20) << Where(e, i) << ": " << first;
                    EXPECT_LE(LineWidth(second), 29 * 20) << Where(e, i) << ": " << second;
                }
            }
        }
    }
}

TEST(TalkScenes, TextColoursAreTheSpeakers) {
    for (const Expected& e : kExpected) {
        const TalkScene& s = TalkOf(e);
        ASSERT_EQ(std::strlen(e.speakers), size_t(s.lines.count));
        for (int i = 0; i < s.lines.count; ++i) {
            const TalkLine& l = s.lines.items[i];
            char who = e.speakers[i];
            if (who == 'B') {
                ASSERT_EQ(TextCount(l), 2) << Where(e, i);
                EXPECT_EQ(l.texts[0].colour, kHeroColour);
                EXPECT_EQ(l.texts[0].y, 280);
                EXPECT_EQ(l.texts[1].colour, kCompanionColour);
                EXPECT_EQ(l.texts[1].y, 320);
                EXPECT_EQ(l.faces.cover, kNoCover);
            } else if (who != 'M') {
                ASSERT_EQ(TextCount(l), 1) << Where(e, i);
                EXPECT_EQ(l.texts[0].colour, SpeakerColour(who)) << Where(e, i);
            }
        }
    }
}

// One sentence in five colours: five texts drawn at one place, each showing
// its own words and blank elsewhere (in Japanese two spaces per full-width
// character, in English hidden runs between kTextHide bytes). In both
// languages every cell of the sentence is shown by exactly one text.
TEST(TalkScenes, TheManyColouredSentenceShowsEachWordOnceInBothLanguages) {
    const TalkLine& l = FindTalkScene(53)->lines.items[5];
    ASSERT_EQ(TextCount(l), 5);
    const uint32_t colours[5] = {kNarrationColour, 0xFFFFFF00u, 0xFF00FFFFu, 0xFFFF00FFu, kNarrationColour};
    for (bool en : {false, true}) {
        // Japanese: one cell per 10 px; English: one per byte. 'x' shown.
        std::string cells[5], whole[5];
        for (int t = 0; t < 5; ++t) {
            EXPECT_EQ(l.texts[t].colour, colours[t]);
            EXPECT_EQ(l.texts[t].y, 300);
            const std::string text = en ? l.texts[t].en : l.texts[t].text;
            bool hidden = false;
            for (size_t i = 0; i < text.size();) {
                auto b = static_cast<unsigned char>(text[i]);
                int len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
                if (b == static_cast<unsigned char>(kTextHide))
                    hidden = !hidden;
                else if (en)
                    cells[t] += hidden ? '.' : 'x', whole[t] += char(b);
                else
                    cells[t] += b == ' ' ? "." : len == 1 ? "x" : "xx";
                i += len;
            }
            EXPECT_FALSE(hidden) << "text " << t << " leaves a hidden run open";
            EXPECT_EQ(whole[t], whole[0]) << "text " << t;
            EXPECT_EQ(cells[t].size(), cells[0].size()) << "text " << t;
            EXPECT_NE(cells[t].find('x'), std::string::npos) << "text " << t << " shows nothing";
        }
        for (size_t c = 0; c < cells[0].size(); ++c) {
            int drawn = 0;
            for (auto& cell : cells) drawn += c < cell.size() && cell[c] == 'x';
            EXPECT_EQ(drawn, 1) << (en ? "English" : "Japanese") << " cell " << c;
        }
        EXPECT_EQ(cells[0].front(), 'x');
        EXPECT_EQ(cells[4].back(), 'x');
    }
}

TEST(TalkScenes, CuesUseLoadedSlots) {
    for (const Expected& e : kExpected) {
        const TalkScene& s = TalkOf(e);
        for (int i = 0; i < s.sounds.count; ++i) {
            EXPECT_TRUE(s.sounds.items[i].slot >= 0 && s.sounds.items[i].slot <= 18);
            for (int j = 0; j < i; ++j) EXPECT_NE(s.sounds.items[i].slot, s.sounds.items[j].slot);
        }
        for (int i = 0; i < s.lines.count; ++i) {
            const int cue = s.lines.items[i].cue;
            EXPECT_TRUE(cue == kNoCue || SceneLoads(s, cue)) << Where(e, i);
        }
    }
}

TEST(TalkScenes, EachSceneChainsToItsNextSceneWhenRacedThrough) {
    for (const Expected& e : kExpected) {
        std::memset(g_KeyState, 0, sizeof g_KeyState);
        g_KeyState[VK_SPACE] = 0x80;
        g_FrameNo = uint8_t(e.initNo);
        int ticks = 0;
        while ((g_FrameNo == e.initNo || g_FrameNo == e.initNo + 1) && ticks < 100) {
            Dispatch();
            ++ticks;
        }
        EXPECT_EQ(g_FrameNo, e.next) << e.initNo;
        EXPECT_EQ(ticks, e.lines - 1) << e.initNo;  // Space counts on the init tick too
    }
    std::memset(g_KeyState, 0, sizeof g_KeyState);
}
