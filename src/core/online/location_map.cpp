#include "core/online/location_map.h"

#include <algorithm>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/framework/message_presenter.h"

namespace kvilo::online {

using namespace base::literals;

bool HasLocation(std::string_view latitude, std::string_view longitude) {
    return !base::Trim(latitude).empty() && !base::Trim(longitude).empty();
}

std::string LocationMapCaption(std::string_view text) {
    // Left-justified: leading blanks would push the name out of the field.
    const size_t start = std::min(text.find_first_not_of(' '), text.size());
    return base::PadRight("1", 10) + base::PadRight(text.substr(start), 200);
}

void StartLocationMap(std::string caption, std::string longitude, std::string latitude) {
    // The map window is built later; until then the user is told plainly instead of getting nothing.
    std::string_view place = std::string_view(caption).substr(std::min<size_t>(caption.size(), 10));
    place = base::RightTrim(place);
    framework::Message message;
    message.caption = "Информация"_ansi;
    message.text = "Просмотр карты в этой версии программы ещё не доступен.|"_ansi + std::string(place) +
                   "|Широта: "_ansi + latitude + ", долгота: "_ansi + longitude;
    framework::ShowMessage(message);
}

} // namespace kvilo::online
