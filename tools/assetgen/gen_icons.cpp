// The game's icon: a brush dipped in blue between three paint drops. Drawn
// from one 64-unit design at any pixel size (the window icon and the desktop
// menu's sizes) and written as SVG for the scalable menu icon.
#include "gen_icons.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common.h"
#include "imageio.h"
#include "palette.h"
#include "props.h"

namespace ag {

namespace {

struct Drop {
    float cx, cy, r;
    Rgba paint;
};
const Drop kDrops[] = {
    {12, 20, 6.2f, pal::kRed},
    {27, 11, 5.2f, pal::kGreen},
    {44, 52, 5.6f, pal::kBlue},
};
constexpr Pt kBrushEnd{56, 6}, kBrushTip{13, 49};
constexpr float kBrushThickness = 9.f;

std::string css(Rgba c) {
    char s[8];
    std::snprintf(s, sizeof s, "#%02x%02x%02x", c.r, c.g, c.b);
    return s;
}

std::string points(const std::vector<Pt>& pts) {
    std::string out;
    char s[32];
    for (Pt p : pts) {
        std::snprintf(s, sizeof s, "%s%.2f,%.2f", out.empty() ? "" : " ", double(p.x), double(p.y));
        out += s;
    }
    return out;
}

// The same shapes as paintDrop: a round belly with a point above it, a
// shadow crescent on the lower right and a shine on the upper left.
std::string svgDrop(const Drop& d) {
    const Ramp rp = shade(d.paint);
    const float cx = d.cx, cy = d.cy, r = d.r;
    std::string pt = points({{cx - r * 0.78f, cy - r * 0.55f}, {cx, cy - r * 2.1f}, {cx + r * 0.78f, cy - r * 0.55f}});
    char s[1024];
    std::snprintf(s, sizeof s,
                  "  <g>\n"
                  "    <circle cx=\"%.2f\" cy=\"%.2f\" r=\"%.2f\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>\n"
                  "    <polygon points=\"%s\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\" stroke-linejoin=\"round\"/>\n"
                  "    <circle cx=\"%.2f\" cy=\"%.2f\" r=\"%.2f\" fill=\"%s\"/>\n"
                  "    <polygon points=\"%s\" fill=\"%s\"/>\n"
                  "    <path d=\"M %.2f %.2f A %.2f %.2f 0 0 1 %.2f %.2f A %.2f %.2f 0 0 0 %.2f %.2f Z\" fill=\"%s\"/>\n"
                  "    <ellipse cx=\"%.2f\" cy=\"%.2f\" rx=\"%.2f\" ry=\"%.2f\" fill=\"%s\"/>\n"
                  "  </g>\n",
                  double(cx), double(cy), double(r), css(rp.base).c_str(), css(pal::kOutline).c_str(), pt.c_str(),
                  css(rp.base).c_str(), css(pal::kOutline).c_str(),
                  // the outline of the point must not cut across the belly
                  double(cx), double(cy), double(r - 0.01f), css(rp.base).c_str(), pt.c_str(), css(rp.base).c_str(),
                  // crescent: from the belly's right to its bottom, inside along a smaller circle
                  double(cx + r), double(cy), double(r), double(r), double(cx), double(cy + r), double(r * 0.8f),
                  double(r * 0.8f), double(cx + r * 0.8f), double(cy), css(rp.shadow).c_str(),
                  double(cx - r * 0.38f), double(cy - r * 0.3f), double(r * 0.26f), double(r * 0.36f),
                  css(rp.shine).c_str());
    return s;
}

// The same shapes as paintBrush: handle, ferrule, bristle tuft, its dipped
// end and the ring at the handle's end.
std::string svgBrush(Pt end, Pt tip, float t, Rgba paint) {
    const BrushAxis b = brushAxis(end, tip);
    auto at = [&b](float k, float side) { return b.at(k, side); };
    const float bw = t * 1.25f;
    std::string tuft = points(brushTuft(b, t));
    // The dipped part: the tuft from 0.78 of the length on.
    std::string dipped = points({at(0.78f, -bw * 1.02f), at(0.84f, -bw * 0.95f), at(0.95f, -bw * 0.4f), at(1.0f, 0),
                                 at(0.95f, bw * 0.4f), at(0.84f, bw * 0.95f), at(0.78f, bw * 1.02f)});
    std::string ferrule = points(brushFerrule(b, t));
    Pt h0 = at(0, 0), h1 = at(0.58f, 0), r0 = at(0.02f, -t * 0.3f), r1 = at(0.02f, t * 0.3f);
    const Ramp wood = shade(pal::kPlank), metal = shade(pal::kMetal), hair = shade(pal::kCream);
    const std::string ol = css(pal::kOutline);
    char s[2048];
    std::snprintf(s, sizeof s,
                  "  <g stroke-linejoin=\"round\">\n"
                  "    <line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\" stroke-width=\"%.2f\" "
                  "stroke-linecap=\"round\"/>\n"
                  "    <line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\" stroke-width=\"%.2f\" "
                  "stroke-linecap=\"round\"/>\n"
                  "    <polygon points=\"%s\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>\n"
                  "    <polygon points=\"%s\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>\n"
                  "    <polygon points=\"%s\" fill=\"%s\"/>\n"
                  "    <line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\" stroke-width=\"%.2f\" "
                  "stroke-linecap=\"round\"/>\n"
                  "  </g>\n",
                  double(h0.x), double(h0.y), double(h1.x), double(h1.y), ol.c_str(), double(t + 2), double(h0.x),
                  double(h0.y), double(h1.x), double(h1.y), css(wood.base).c_str(), double(t), ferrule.c_str(),
                  css(metal.base).c_str(), ol.c_str(), tuft.c_str(), css(hair.base).c_str(), ol.c_str(),
                  dipped.c_str(), css(shade(paint).base).c_str(), double(r0.x), double(r0.y), double(r1.x),
                  double(r1.y), css(wood.deep).c_str(), double(std::max(1.2f, t * 0.28f)));
    return s;
}

}  // namespace

Canvas gameIcon(int size) {
    const float k = float(size) / 64.f;
    Canvas c(size, size);
    paintBrush(c, {kBrushEnd.x * k, kBrushEnd.y * k}, {kBrushTip.x * k, kBrushTip.y * k}, kBrushThickness * k,
               pal::kBlue, false);
    for (const Drop& d : kDrops) paintDrop(c, d.cx * k, d.cy * k, d.r * k, d.paint, false);
    return c;
}

std::string gameIconSvg() {
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n";
    svg += svgBrush(kBrushEnd, kBrushTip, kBrushThickness, pal::kBlue);
    for (const Drop& d : kDrops) svg += svgDrop(d);
    svg += "</svg>\n";
    return svg;
}

void writeDesktopIcons(const std::string& dir) {
    namespace fs = std::filesystem;
    for (int size : kDesktopIconSizes) {
        fs::path sub = fs::path(dir) / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        fs::create_directories(sub);
        writePng((sub / "tolvane.png").string(), gameIcon(size), PngKind::Rgba);
    }
    fs::path scalable = fs::path(dir) / "scalable" / "apps";
    fs::create_directories(scalable);
    std::ofstream f(scalable / "tolvane.svg", std::ios::binary);
    f << gameIconSvg();
    if (!f.flush()) throw Failure("cannot write " + (scalable / "tolvane.svg").string());
}

void writeWebIcons(const std::string& dir) {
    namespace fs = std::filesystem;
    fs::create_directories(dir);
    const fs::path d(dir);
    for (int size : {192, 512}) {
        writePng((d / ("icon-" + std::to_string(size) + ".png")).string(), gameIcon(size), PngKind::Rgba);
        // A launcher may cut a maskable icon to any shape inside the middle
        // 80%: the picture takes the middle 60% on a plain ground.
        Canvas m(size, size);
        m.fillRect(0, 0, size, size, pal::kWebNight);
        const int inner = size * 6 / 10;
        m.blit(gameIcon(inner), (size - inner) / 2, (size - inner) / 2);
        writePng((d / ("icon-maskable-" + std::to_string(size) + ".png")).string(), m, PngKind::Rgb);
    }
    writePng((d / "favicon.png").string(), gameIcon(32), PngKind::Rgba);
}

void writeWindowsIcon(const std::string& path) {
    std::vector<Canvas> sizes;
    for (int size : kWindowsIconSizes) sizes.push_back(gameIcon(size));
    writeIco(path, sizes);
}

}  // namespace ag
