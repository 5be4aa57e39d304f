#include "app/error_text.h"

#include <SDL2/SDL.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <cstring>

namespace {

// The start of each fatal message the game raises, and its English.
struct ErrorGloss {
    const char* japanese;
    const char* english;
};
const ErrorGloss kGlosses[] = {
    {"DirectMusicPerformance8オブジェクトの作成に失敗", "The music player could not be created."},
    {"DirectMusicPerformance8の初期化に失敗", "The music player could not be started."},
    {"カレント・ディレクトリの取得に失敗", "The current folder could not be read."},
    {"検索パスの設定に失敗", "The data folder could not be used."},
    {"MIDIファイルのロードに失敗", "A music file could not be loaded."},
    {"DirectXD3D8オブジェクト生成失敗", "The graphics system could not be started."},
    {"DirectXデバイス生成失敗", "The graphics device could not be made."},
};
// "end0.png をテクスチャとして読み込めませんでした": the file name stays.
constexpr const char* kPictureFailed = " をテクスチャとして読み込めませんでした";

}  // namespace

std::string ErrorMessageForBox(const char* text) {
    std::string shown = text;
    for (const ErrorGloss& g : kGlosses)
        if (std::strcmp(text, g.japanese) == 0) return shown + "\n\n" + g.english;
    if (const char* at = std::strstr(text, kPictureFailed))
        return shown + "\n\nThe picture " + std::string(text, at) + " could not be loaded.";
    return shown;
}

bool ShowErrorBox(SDL_Window* owner, const char* text) {
#ifdef _WIN32
    // The game's window, its picture already freed, goes first: under Wine
    // its drawing surface stayed above the box and painted it black.
    if (owner) SDL_HideWindow(owner);
    auto wide = [](const char* utf8) {
        std::wstring w(size_t(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0)), L'\0');
        if (!w.empty()) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, w.data(), int(w.size()));
        return w;
    };
    return MessageBoxW(nullptr, wide(text).c_str(), L"ERROR",
                       MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TASKMODAL) != 0;
#else
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "ERROR", text, owner) == 0;
#endif
}
