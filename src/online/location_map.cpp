#include "online/location_map.h"

#include <algorithm>

#include "framework/message_presenter.h"
#include "platform/cp1251.h"

namespace kvilo::online {
namespace {

using namespace platform::literals;

std::string Field(std::string_view text, size_t width) {
    std::string field(text.substr(0, width));
    field.resize(width, ' ');
    return field;
}

} // namespace

std::string LocationMapCaption(std::string_view text) {
    // Left-justified: leading blanks would push the name out of the field.
    const size_t start = text.find_first_not_of(' ');
    return Field("1", 10) + Field(start == std::string_view::npos ? std::string_view() : text.substr(start), 200);
}

void StartLocationMap(std::string caption, std::string longitude, std::string latitude) {
    // The map window is built later; until then the user is told plainly instead of getting nothing.
    std::string_view place = std::string_view(caption).substr(std::min<size_t>(caption.size(), 10));
    place = place.substr(0, place.find_last_not_of(' ') + 1);
    framework::Message message;
    message.caption = "Информация"_ansi;
    message.text = "Просмотр карты в этой версии программы ещё не доступен.|"_ansi + std::string(place) +
                   "|Широта: "_ansi + latitude + ", долгота: "_ansi + longitude;
    framework::ShowMessage(message);
}

} // namespace kvilo::online
