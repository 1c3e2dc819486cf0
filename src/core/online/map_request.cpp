#include "core/online/map_request.h"

#include <charconv>
#include <cmath>

#include "base/ascii.h"
#include "base/blank_text.h"
#include "platform/command_line.h"

namespace kvilo::online {
namespace {

// Longer texts are no coordinate the register sends; the bound also keeps the parse cheap.
constexpr size_t kMaxCoordinateText = 32;

using base::IsDigit;

// Digits with at most one point among them, an optional sign first, at least one digit.
bool IsPlainDecimal(std::string_view text) {
    size_t i = text.front() == '-' || text.front() == '+' ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digit = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

} // namespace

std::string MapBaseFromParameters() {
    const std::string value = platform::CommandParameter("MAPURL");
    const std::string_view trimmed = base::Trim(value);
    return trimmed.empty() ? std::string(kDefaultMapBase) : std::string(trimmed);
}

int LayerCodeOf(std::string_view firstArgument) {
    const std::string_view field = base::Trim(firstArgument.substr(0, 10));
    size_t i = 0;
    int sign = 1;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) sign = field[i++] == '-' ? -1 : 1;
    int code = 0;
    for (; i < field.size() && IsDigit(field[i]) && code < 1000; ++i)
        code = code * 10 + (field[i] - '0');
    code *= sign;
    return code == 2 ? 2 : 1;
}

std::string_view LayerName(int layerCode) {
    return layerCode == 2 ? "map,trf" : "map";
}

double CoordinateOf(std::string_view text) {
    text = base::Trim(text);
    if (text.empty() || text.size() > kMaxCoordinateText || !IsPlainDecimal(text)) return 0;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return std::fabs(value) <= 180.0 ? value : 0;
}

std::string CoordinateText(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return error == std::errc() ? std::string(text, end) : std::string("0.000000");
}

std::string MapUrl(std::string_view base, double longitude, double latitude, int layerCode) {
    while (!base.empty() && base.back() == '/')
        base.remove_suffix(1);
    const std::string place = CoordinateText(longitude) + "," + CoordinateText(latitude);
    return std::string(base) + "/1.x/?ll=" + place + "&size=" + std::to_string(kMapWidth) + "," +
           std::to_string(kMapHeight) + "&z=" + std::to_string(kMapZoom) + "&l=" + std::string(LayerName(layerCode)) +
           "&pt=" + place + ",flag";
}

} // namespace kvilo::online
