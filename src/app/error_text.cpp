#include "app/error_text.h"

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
