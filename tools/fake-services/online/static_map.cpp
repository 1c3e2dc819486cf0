#include "static_map.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "png_canvas.h"

namespace kvilo::fake {
namespace {

constexpr int kMaxWidth = 650;
constexpr int kMaxHeight = 450;
constexpr double kPi = 3.14159265358979323846;

const Rgb kLand{242, 239, 233};
const Rgb kSatellite{86, 104, 72};
const Rgb kStreet{255, 255, 255};
const Rgb kKerb{205, 200, 190};
const Rgb kTraffic[] = {{76, 175, 80}, {255, 193, 7}, {229, 57, 53}};
const Rgb kInk{33, 33, 33};
const Rgb kFlag{220, 30, 30};
const Rgb kLabel{255, 255, 255};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    return parts;
}

bool ReadNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

bool ReadPoint(const std::string& text, double& lon, double& lat) {
    const std::vector<std::string> parts = Split(text, ',');
    return parts.size() >= 2 && ReadNumber(parts[0], lon) && ReadNumber(parts[1], lat);
}

// Pixels per degree of longitude at `zoom` (Web Mercator, 256-pixel tiles), and the Mercator y of a latitude.
double PixelsPerDegree(int zoom) {
    return 256.0 * std::pow(2.0, zoom) / 360.0;
}
double MercatorY(double lat) {
    return std::log(std::tan(kPi / 4 + lat * kPi / 360)) * 180 / kPi;
}

// Streets every `spacing` pixels, moved with the centre so that every place looks a little different.
void DrawStreets(Canvas& canvas, double lon, double lat, int zoom, bool traffic) {
    const int spacing = std::max(24, std::min(160, 5 << std::max(0, zoom - 12)));
    const int shiftX = static_cast<int>(std::fmod(std::fabs(lon) * PixelsPerDegree(zoom), spacing));
    const int shiftY = static_cast<int>(std::fmod(std::fabs(MercatorY(lat)) * PixelsPerDegree(zoom), spacing));
    int n = 0;
    for (int x = -shiftX; x < canvas.Width(); x += spacing, ++n) {
        canvas.FillRect(x - 5, 0, 10, canvas.Height(), kKerb);
        canvas.FillRect(x - 4, 0, 8, canvas.Height(), traffic ? kTraffic[n % 3] : kStreet);
    }
    for (int y = -shiftY; y < canvas.Height(); y += spacing, ++n) {
        canvas.FillRect(0, y - 5, canvas.Width(), 10, kKerb);
        canvas.FillRect(0, y - 4, canvas.Width(), 8, traffic ? kTraffic[n % 3] : kStreet);
    }
}

// A flag on a pole whose foot stands at (x, y).
void DrawFlag(Canvas& canvas, int x, int y) {
    canvas.FillRect(x - 1, y - 40, 3, 40, kInk);
    for (int row = 0; row < 16; ++row)
        canvas.FillRect(x + 2, y - 40 + row, 22 - std::abs(8 - row) * 2, 1, kFlag);
    canvas.FillRect(x - 4, y - 2, 9, 4, kInk);
}

void DrawLabel(Canvas& canvas, const std::vector<std::string>& lines) {
    constexpr int kScale = 2;
    int width = 0;
    for (const std::string& line : lines)
        width = std::max(width, Canvas::TextWidth(line, kScale));
    canvas.FillRect(6, 6, width + 12, static_cast<int>(lines.size()) * 18 + 8, kLabel);
    for (size_t i = 0; i < lines.size(); ++i)
        canvas.DrawText(12, 12 + static_cast<int>(i) * 18, lines[i], kScale, kInk);
}

} // namespace

MapAnswer MapError(const std::string& message) {
    return {400, "text/xml",
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<error><status>400</status><message>" + message +
                "</message></error>\n"};
}

MapAnswer AnswerStaticMap(const MapQuery& query) {
    const std::vector<std::string> size = Split(query.size, ',');
    const int width = size.size() == 2 ? std::atoi(size[0].c_str()) : 0;
    const int height = size.size() == 2 ? std::atoi(size[1].c_str()) : 0;
    if (width < 1 || height < 1 || width > kMaxWidth || height > kMaxHeight)
        return MapError("Wrong size: " + query.size);
    double lon = 0, lat = 0;
    if (!ReadPoint(query.ll, lon, lat) || std::fabs(lat) > 85 || std::fabs(lon) > 180)
        return MapError("Wrong ll: " + query.ll);
    const int zoom = query.z.empty() ? 10 : std::atoi(query.z.c_str());
    if (zoom < 0 || zoom > 17) return MapError("Wrong zoom: " + query.z);
    bool satellite = false, traffic = false;
    for (const std::string& layer : Split(query.l, ',')) {
        if (layer == "sat")
            satellite = true;
        else if (layer == "trf")
            traffic = true;
        else if (layer != "map" && layer != "skl")
            return MapError("Unknown layer: " + layer);
    }

    Canvas canvas(width, height, satellite ? kSatellite : kLand);
    DrawStreets(canvas, lon, lat, zoom, traffic);
    double ptLon = 0, ptLat = 0;
    if (ReadPoint(query.pt, ptLon, ptLat)) {
        const int x = width / 2 + static_cast<int>(std::lround((ptLon - lon) * PixelsPerDegree(zoom)));
        const int y =
            height / 2 - static_cast<int>(std::lround((MercatorY(ptLat) - MercatorY(lat)) * PixelsPerDegree(zoom)));
        DrawFlag(canvas, x, y);
    }
    DrawLabel(canvas, {"ll=" + query.ll, "z=" + std::to_string(zoom), "l=" + query.l});
    return {200, "image/png", canvas.EncodePng()};
}

} // namespace kvilo::fake
