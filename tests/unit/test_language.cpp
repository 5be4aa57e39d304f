// Both languages: how a run chooses one, that every text the game draws
// exists in both, and that every English text, drawn in the English face,
// stays inside the box it is drawn in.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/error_text.h"
#include "base/language.h"
#include "stage/stage.h"
#include "gfx/gfx.h"
#include "gfx/image.h"
#include "scenes/opening.h"
#include "scenes/stage_select.h"
#include "stage/screen_layout.h"
#include "talk/talk.h"
#include "talks/talk_table.h"

namespace {

// Sets the locale variables for one test and puts them back after.
struct LocaleEnv {
    const char* names[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::string saved[3];
    bool had[3] = {};
    LocaleEnv(const char* all, const char* messages, const char* lang) {
        const char* values[3] = {all, messages, lang};
        for (int i = 0; i < 3; ++i) {
            const char* v = std::getenv(names[i]);
            had[i] = v != nullptr;
            if (v) saved[i] = v;
            if (values[i])
                setenv(names[i], values[i], 1);
            else
                unsetenv(names[i]);
        }
    }
    ~LocaleEnv() {
        for (int i = 0; i < 3; ++i)
            if (had[i])
                setenv(names[i], saved[i].c_str(), 1);
            else
                unsetenv(names[i]);
    }
};

struct LanguageGuard {
    Language saved = g_Language;
    ~LanguageGuard() { g_Language = saved; }
};

// A headless device that draws, with the text faces open, English among them.
void StartEnglishText() {
    AppOptions o;
    o.headless = true;
    ASSERT_TRUE(InitApp(o));
    ASSERT_EQ(InitDX8(false), 0);
    SetFrameDrawing(true);
    ASSERT_EQ(CreateTextFont(), 0);
    ASSERT_TRUE(LatinFaceOpen()) << "the English face is not installed (scripts/install-deps.sh)";
}

int Parse(std::vector<std::string> words, AppOptions& out) {
    std::vector<char*> argv;
    words.insert(words.begin(), "tolvane");
    for (std::string& w : words) argv.push_back(w.data());
    return ParseOptions(int(argv.size()), argv.data(), out);
}

// An English text: something to read, nothing left in Japanese (the stars
// of the titles aside), and its second line at the left margin like the
// first (the Japanese indents it; English reads it as a new paragraph).
std::string EnglishFault(const char* s) {
    if (!s || !*s) return "missing or empty";
    int letters = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p; ++p) {
        if (*p >= 0xE3) return "holds Japanese";  // kana and kanji start at U+3000
        if (*p == '\n' && p[1] == ' ') return "indents a continuation line";
        letters += (*p | 0x20) >= 'a' && (*p | 0x20) <= 'z';
    }
    return letters > 0 ? "" : "has no letters";
}

struct Drawn {
    const char* text;
    int x, y;
    uint32_t colour;
    int x0, y0, x1, y1;  // the box it must stay inside, edges included
    std::string where;
};

// Every English text the game draws, where it draws it, and its box: the
// talk window's paper left of the page-turn mark, the prologue's caption
// panel (the Japanese captions too), a stage-select row right of its
// thumbnail.
std::vector<Drawn> EnglishTexts() {
    std::vector<Drawn> out;
    for (const TalkPlay& play : kTalks)
        for (int i = 0; i < play.talk->lines.count; ++i)
            for (const TalkText& t : play.talk->lines.items[i].texts)
                if (t.text)
                    out.push_back({t.en, kTalkTextX, t.y, t.colour, 42, 274, 604, 368,
                                   "talk " + std::to_string(play.scene) + " line " + std::to_string(i)});
    int n = 0;
    for (const PrologueCaption& c : kPrologueCaptions) {
        out.push_back({c.en, c.x, c.y, c.colour, 26, 264, 614, 462, "caption " + std::to_string(++n)});
        out.push_back({c.text, c.x, c.y, c.colour, 26, 264, 614, 462, "Japanese caption " + std::to_string(n)});
    }
    for (int page = 0; page < 3; ++page)
        for (int row = 0; row < 3; ++row) {
            const Stage& s = StageAtPlace(3 * page + row + 1);
            int y = int(SelectTextTop(row));
            out.push_back({s.select.titleEn, int(kSelectTitleX), y, 0xFF800080u, 170, y - 8, 618, y + 40,
                           "stage title " + std::to_string(s.number)});
        }
    return out;
}

}  // namespace

TEST(Language, ComesFromTheFirstLocaleVariableThatIsSet) {
    {
        LocaleEnv env("ja_JP.UTF-8", "en_GB.UTF-8", "en_US.UTF-8");
        EXPECT_EQ(LanguageFromLocale(), kLangJa);
    }
    {
        LocaleEnv env("", "ja_JP.UTF-8", "en_US.UTF-8");  // empty counts as unset
        EXPECT_EQ(LanguageFromLocale(), kLangJa);
    }
    {
        LocaleEnv env(nullptr, "C", "ja_JP.UTF-8");  // "C" is set: not Japanese
        EXPECT_EQ(LanguageFromLocale(), kLangEn);
    }
    {
        LocaleEnv env(nullptr, nullptr, "ja");
        EXPECT_EQ(LanguageFromLocale(), kLangJa);
    }
    {
        LocaleEnv env(nullptr, nullptr, "fr_FR.UTF-8");
        EXPECT_EQ(LanguageFromLocale(), kLangEn);
    }
    {
        LocaleEnv env(nullptr, nullptr, nullptr);
        EXPECT_EQ(LanguageFromLocale(), kLangEn);
    }
}

// A system's list of languages (the browser's, Windows' display languages):
// the first Japanese or English one decides, whatever comes before it.
TEST(Language, TheFirstKnownOfTheSystemsListDecides) {
    struct Case {
        std::vector<std::string> names;
        bool found;
        Language want;
    };
    const Case cases[] = {
        {{"ja-JP", "en-US"}, true, kLangJa},
        {{"fr-FR", "en-GB", "ja"}, true, kLangEn},
        {{"de", "ja_JP.UTF-8", "en"}, true, kLangJa},
        {{"EN"}, true, kLangEn},
        {{"jav", "enm", "", "fr"}, false, kLangEn},  // Javanese, Middle English: neither
        {{}, false, kLangEn},
    };
    for (const Case& c : cases) {
        Language l = kLangEn;
        EXPECT_EQ(FirstKnownLanguage(c.names, l), c.found) << testing::PrintToString(c.names);
        EXPECT_EQ(l, c.want) << testing::PrintToString(c.names);
    }
}

TEST(Language, OptionBeatsSettingsBeatsLocale) {
    LocaleEnv env(nullptr, nullptr, "ja_JP.UTF-8");
    EXPECT_EQ(ChooseLanguage("en", "ja"), kLangEn);
    EXPECT_EQ(ChooseLanguage("JA", "en"), kLangJa);
    EXPECT_EQ(ChooseLanguage(nullptr, "en"), kLangEn);
    EXPECT_EQ(ChooseLanguage("", "en"), kLangEn);
    EXPECT_EQ(ChooseLanguage(nullptr, "klingon"), kLangJa);  // a bad setting falls to the locale
    EXPECT_EQ(ChooseLanguage(nullptr, nullptr), kLangJa);
}

TEST(Language, LangOptionTakesJaOrEnAndNothingElse) {
    AppOptions o;
    EXPECT_EQ(Parse({"--lang", "en"}, o), 0);
    EXPECT_EQ(o.lang, "en");
    EXPECT_EQ(Parse({"--lang", "ja", "--headless"}, o), 0);
    EXPECT_EQ(o.lang, "ja");
    EXPECT_EQ(Parse({"--headless"}, o), 0);
    EXPECT_EQ(o.lang, "");
    testing::internal::CaptureStderr();
    EXPECT_EQ(Parse({"--lang", "de"}, o), 2);
    EXPECT_EQ(Parse({"--lang"}, o), 2);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("--lang wants ja or en, not 'de'"), std::string::npos) << err;
}

TEST(Language, EveryTextExistsInBothLanguages) {
    for (const TalkPlay& play : kTalks)
        for (int i = 0; i < play.talk->lines.count; ++i) {
            const TalkLine& l = play.talk->lines.items[i];
            ASSERT_NE(l.texts[0].text, nullptr) << play.scene << " line " << i;
            for (const TalkText& t : l.texts) {
                if (!t.text) {
                    EXPECT_EQ(t.en, nullptr) << play.scene << " line " << i;
                    continue;
                }
                EXPECT_STRNE(t.text, "") << play.scene << " line " << i;
                EXPECT_EQ(EnglishFault(t.en), "") << play.scene << " line " << i << ": " << (t.en ? t.en : "");
                // A text of two lines is two lines in both languages.
                EXPECT_EQ(std::string(t.text).find('\n') == std::string::npos,
                          std::string(t.en ? t.en : "").find('\n') == std::string::npos)
                    << play.scene << " line " << i;
            }
        }
    for (const PrologueCaption& c : kPrologueCaptions) {
        EXPECT_STRNE(c.text, "");
        EXPECT_EQ(EnglishFault(c.en), "") << c.en;
        EXPECT_EQ(std::count(c.text, c.text + std::string(c.text).size(), '\n'),
                  std::count(c.en, c.en + std::string(c.en).size(), '\n'))
            << c.en;
    }
    for (int k = 1; k <= kStageCount; ++k) {
        const SelectEntry& e = StageOf(k).select;
        EXPECT_STRNE(e.title, "");
        EXPECT_EQ(EnglishFault(e.titleEn), "") << e.titleEn;
    }
}

TEST(Language, EveryEnglishTextFitsItsBox) {
    LanguageGuard keep;
    g_Language = kLangEn;
    ASSERT_NO_FATAL_FAILURE(StartEnglishText());

    std::vector<uint32_t> frame(size_t(kScreenW) * kScreenH);
    int drawnTexts = 0;
    for (const Drawn& d : EnglishTexts()) {
        SetDrawStates();
        ClearFrame(0xFFFFFFFFu);
        BeginDrawing();
        DrawString(d.text, d.x, d.y, 0xFF000000u);
        EndDrawing();
        ASSERT_TRUE(PresentFrame());
        ASSERT_TRUE(ReadFramePixels(frame.data()));
        int x0 = kScreenW, y0 = kScreenH, x1 = -1, y1 = -1;
        for (int y = 0; y < kScreenH; ++y)
            for (int x = 0; x < kScreenW; ++x)
                if ((frame[size_t(y) * kScreenW + x] & 0xFF) < 160) {
                    x0 = std::min(x0, x), x1 = std::max(x1, x);
                    y0 = std::min(y0, y), y1 = std::max(y1, y);
                }
        ASSERT_GE(x1, 0) << d.where << " draws nothing: " << d.text;
        ++drawnTexts;
        EXPECT_TRUE(x0 >= d.x0 && x1 <= d.x1 && y0 >= d.y0 && y1 <= d.y1)
            << d.where << " inks (" << x0 << "," << y0 << ")-(" << x1 << "," << y1 << "), outside (" << d.x0 << ","
            << d.y0 << ")-(" << d.x1 << "," << d.y1 << "): " << d.text;
        // What the game measures is what it draws.
        EXPECT_LE(x1 + 1 - d.x, TextWidth(d.text) + 2) << d.where;
    }
    EXPECT_GT(drawnTexts, 190);
    ReleaseGraphics();
    ShutdownApp();
}

// In English a picture comes from img/en/ when it has a copy there; without
// one, or with a damaged one, the shared picture is drawn; in Japanese the
// copy is never looked at.
TEST(Language, PicturesLoadTheirEnglishCopyOrTheSharedOne) {
    LanguageGuard keep;
    namespace fs = std::filesystem;
    fs::path dir = fs::path(testing::TempDir()) / ("lang-pictures-" + std::to_string(getpid()));
    fs::create_directories(dir / "img" / "en");
    const uint32_t red = 0xFFFF0000u, blue = 0xFF0000FFu, green = 0xFF00FF00u;  // exact in any texture format
    auto write = [&](const fs::path& p, uint32_t c) {
        std::vector<uint32_t> px(4, c);
        ASSERT_TRUE(WritePng(p.c_str(), 2, 2, px.data()));
    };
    write(dir / "img" / "both.png", red);
    write(dir / "img" / "en" / "both.png", blue);
    write(dir / "img" / "shared.png", green);
    write(dir / "img" / "damaged.png", red);
    std::ofstream(dir / "img" / "en" / "damaged.png") << "not a picture";

    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    AppOptions o;
    o.headless = true;
    ASSERT_TRUE(InitApp(o));
    ASSERT_EQ(InitDX8(false), 0);
    SetFrameDrawing(true);
    auto drawn = [&](const char* path) {
        LoadTexture(0, path, kKeyWhite);
        SetDrawStates();
        ClearFrame(0xFFFFFFFFu);
        BeginDrawing();
        DrawQuad(0, MakeQuad(0, 0, 64, 64, 0, 0, 1, 1));
        EndDrawing();
        EXPECT_TRUE(PresentFrame());
        std::vector<uint32_t> px(size_t(kScreenW) * kScreenH);
        EXPECT_TRUE(ReadFramePixels(px.data()));
        return px[size_t(32) * kScreenW + 32] | 0xFF000000u;
    };
    g_Language = kLangEn;
    EXPECT_EQ(drawn("img/both.png"), blue);
    EXPECT_EQ(drawn("img/shared.png"), green);
    EXPECT_EQ(drawn("img/damaged.png"), red);
    g_Language = kLangJa;
    EXPECT_EQ(drawn("img/both.png"), red);
    ReleaseGraphics();
    ShutdownApp();
    EXPECT_EQ(chdir(cwd), 0);
    fs::remove_all(dir);
}

// Every letter of the English texts keeps all its ink as drawn: the glyph
// drawn by DrawString has as many inked pixels as the book face renders for
// it (a glyph cut by its cell, a descender below the 35 rows say, has fewer).
TEST(Language, EveryEnglishGlyphIsWhole) {
    LanguageGuard keep;
    g_Language = kLangEn;
    ASSERT_NO_FATAL_FAILURE(StartEnglishText());
    if (!TTF_WasInit()) {
        ASSERT_EQ(TTF_Init(), 0);
    }
    // The face and size the game sets English in.
    TTF_Font* face = TTF_OpenFont("/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyreschola-regular.otf", 22);
    ASSERT_NE(face, nullptr);
    TTF_SetFontHinting(face, TTF_HINTING_LIGHT);

    std::set<char> letters;
    for (const Drawn& d : EnglishTexts())
        for (const char* p = d.text; *p; ++p)
            if (*p > ' ' && static_cast<unsigned char>(*p) < 0x80) letters.insert(*p);
    ASSERT_GT(letters.size(), 50u);
    std::vector<uint32_t> frame(size_t(kScreenW) * kScreenH);
    std::string cut;
    for (char ch : letters) {
        const char text[2] = {ch, 0};
        SetDrawStates();
        ClearFrame(0xFFFFFFFFu);
        BeginDrawing();
        DrawString(text, 100, 100, 0xFF000000u);
        EndDrawing();
        ASSERT_TRUE(PresentFrame());
        ASSERT_TRUE(ReadFramePixels(frame.data()));
        int drawn = 0;
        for (int y = 60; y < 180; ++y)
            for (int x = 60; x < 180; ++x) drawn += (frame[size_t(y) * kScreenW + x] & 0xFF) < 128;
        SDL_Color white{255, 255, 255, 255};
        SDL_Surface* raw = TTF_RenderGlyph32_Blended(face, uint32_t(ch), white);
        ASSERT_NE(raw, nullptr);
        SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(raw);
        ASSERT_NE(s, nullptr);
        int reference = 0;
        SDL_LockSurface(s);
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x)
                reference += (reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch)[x] >>
                              24) > 127;
        SDL_UnlockSurface(s);
        SDL_FreeSurface(s);
        if (drawn + 1 < reference) cut += std::string(text) + " (" + std::to_string(drawn) + " of " + std::to_string(reference) + ") ";
    }
    TTF_CloseFont(face);
    ReleaseGraphics();
    ShutdownApp();
    EXPECT_EQ(cut, "") << "letters drawn with less ink than the face has";
}

// The fatal error's box carries an English line beside the Japanese, which a
// desktop without Japanese fonts cannot show.
TEST(ErrorBoxText, EnglishBesideTheJapanese) {
    struct Case {
        const char* raised;
        const char* english;
    } cases[] = {{"MIDIファイルのロードに失敗", "A music file could not be loaded."},
                 {"DirectXデバイス生成失敗", "The graphics device could not be made."},
                 {"end1.png をテクスチャとして読み込めませんでした", "The picture end1.png could not be loaded."}};
    for (const Case& c : cases)
        EXPECT_EQ(ErrorMessageForBox(c.raised), std::string(c.raised) + "\n\n" + c.english);
    EXPECT_EQ(ErrorMessageForBox("something else"), "something else");
}
