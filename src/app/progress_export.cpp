#include "app/progress_export.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "app/text_file.h"
#include "base/kept_file.h"

const char kExportHeader[] = "# Tolvane settings and progress";

namespace {

const char kSettingsSection[] = "[settings]";
const char kProgressSection[] = "[progress]";

std::string Trimmed(const std::string& line) {
    const char* blanks = " \t\r";
    size_t a = line.find_first_not_of(blanks);
    if (a == std::string::npos) return "";
    return line.substr(a, line.find_last_not_of(blanks) - a + 1);
}

// The export being imported, for the merges UpdateKeptFile runs.
Settings s_ImportedSettings;
Progress s_ImportedProgress;

std::string MergeImportedProgress(const std::string& now, const std::string&, bool&) {
    return MergeExportedProgress(now, s_ImportedProgress);
}
std::string MergeImportedSettings(const std::string& now, const std::string&, bool&) {
    return MergeExportedSettings(now, s_ImportedSettings);
}

}  // namespace

std::string FormatExport(const Settings& s, const Progress& p) {
    std::string t = std::string(kExportHeader) +
                    " (load it with \"tolvane --import FILE\" or the web page's \"Load progress\")\n";
    t += std::string(kSettingsSection) + "\n" + FormatSettings(s);
    t += std::string(kProgressSection) + "\n" + FormatProgress(p);
    return t;
}

bool ParseExport(const std::string& text, Settings& s, Progress& p, std::string& why) {
    // Split into the two sections; anything else but comments and blank
    // lines is damage.
    std::istringstream in(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text);
    std::string line, sections[2];
    int section = -1, lineNo = 0;
    bool headed = false, seen[2] = {false, false};
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string t = Trimmed(line);
        if (!headed) {
            if (t.compare(0, sizeof kExportHeader - 1, kExportHeader) != 0) {
                why = "not a Tolvane settings and progress file";
                return false;
            }
            headed = true;
            for (std::string& sec : sections) sec += "\n";
            continue;
        }
        if (t == kSettingsSection || t == kProgressSection) {
            section = t == kSettingsSection ? 0 : 1;
            if (seen[section]) {
                why = "line " + std::to_string(lineNo) + ": " + t + " a second time";
                return false;
            }
            seen[section] = true;
            for (std::string& sec : sections) sec += "\n";
            continue;
        }
        if (section < 0 && !t.empty() && t[0] != '#') {
            why = "line " + std::to_string(lineNo) + ": outside [settings] and [progress]";
            return false;
        }
        // Comments and blank lines keep their place, so complaints name the
        // export's own line numbers.
        for (int k = 0; k < 2; ++k) sections[k] += k == section ? line + "\n" : "\n";
    }
    if (!headed) {
        why = "not a Tolvane settings and progress file";
        return false;
    }
    if (!seen[0] || !seen[1]) {
        why = std::string("no ") + (seen[0] ? kProgressSection : kSettingsSection) + " section";
        return false;
    }
    Settings settings;
    Progress progress;
    std::string complaints;
    ParseSettings(sections[0], "line", settings, complaints);
    ParseProgress(sections[1], "line", progress, complaints);
    if (!complaints.empty()) {
        why = complaints.substr(0, complaints.find('\n'));
        why.replace(0, 5, "line ");  // "line:7: ..." reads "line 7: ..."
        return false;
    }
    s = settings;
    p = progress;
    return true;
}

std::string MergeExportedProgress(const std::string& stored, const Progress& exported) {
    Progress p;
    std::string complaints;
    ParseProgress(stored, "", p, complaints);
    MergeProgress(p, exported);
    p.storyStage = std::max(p.storyStage, exported.storyStage);
    return FormatProgress(p);
}

std::string MergeExportedSettings(const std::string&, const Settings& exported) {
    return FormatSettings(exported);
}

int ExportProgressFile(const std::string& file) {
    Settings s;
    Progress p{};
    std::string text, complaints;
    if (!SettingsPath().empty() && !ReadSmallTextFile(SettingsPath(), text))
        ParseSettings(text, SettingsPath(), s, complaints);
    if (!ProgressPath().empty() && !ReadSmallTextFile(ProgressPath(), text))
        ParseProgress(text, ProgressPath(), p, complaints);
    const std::string out = FormatExport(s, p);
    if (file == "-") {
        std::fputs(out.c_str(), stdout);
        return 0;
    }
    if (const char* why = ReplaceFileAtomically(file, out)) {
        std::fprintf(stderr, "tolvane: cannot write '%s': %s\n", file.c_str(), why);
        return 1;
    }
    std::printf("tolvane: settings and progress saved to %s\n", file.c_str());
    return 0;
}

int ImportProgressFile(const std::string& file) {
    std::string text, why;
    if (const char* err = ReadSmallTextFile(file, text)) {
        std::fprintf(stderr, "tolvane: cannot read '%s': %s\n", file.c_str(), err);
        return 1;
    }
    if (!ParseExport(text, s_ImportedSettings, s_ImportedProgress, why)) {
        std::fprintf(stderr, "tolvane: '%s' refused, nothing changed: %s\n", file.c_str(), why.c_str());
        return 2;
    }
    int status = 0;
    const struct {
        std::string path;
        KeptFileMerge merge;
    } files[] = {{ProgressPath(), MergeImportedProgress}, {SettingsPath(), MergeImportedSettings}};
    for (const auto& f : files) {
        if (f.path.empty()) continue;
        if (const char* err = UpdateKeptFile(f.path, f.merge, nullptr)) {
            std::fprintf(stderr, "tolvane: cannot write %s: %s\n", f.path.c_str(), err);
            status = 1;
        }
    }
    if (status == 0) std::printf("tolvane: settings and progress loaded from %s\n", file.c_str());
    return status;
}

#ifdef __EMSCRIPTEN__
// The page's buttons: the files' texts in, the export or the merged texts
// out (web/storage.js reads and stores them under its lock across tabs).
namespace {
std::string s_PageText[2];
}

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* tolvane_export_text(const char* settings, const char* progress) {
    Settings s;
    Progress p;
    std::string complaints;
    ParseSettings(settings, "", s, complaints);
    ParseProgress(progress, "", p, complaints);
    s_PageText[0] = FormatExport(s, p);
    return s_PageText[0].c_str();
}

// Returns "" when the export was merged in (tolvane_import_text(0) is the
// settings' new text, (1) the progress'), else why it was refused.
EMSCRIPTEN_KEEPALIVE const char* tolvane_import_merge(const char* settings, const char* progress,
                                                      const char* exported) {
    static std::string why;
    Settings s;
    Progress p;
    why.clear();
    if (!ParseExport(exported, s, p, why)) return why.c_str();
    s_PageText[0] = MergeExportedSettings(settings, s);
    s_PageText[1] = MergeExportedProgress(progress, p);
    return "";
}

EMSCRIPTEN_KEEPALIVE const char* tolvane_import_text(int which) { return s_PageText[which & 1].c_str(); }

}  // extern "C"
#endif
