#pragma once
// What the main window's buttons start beyond the lookup itself: the extract card, the export, the map,
// the list settings, the update check, the on-screen keyboard and the maker's web site. The program wires
// the real ones; the ones not built yet answer with a message that says so; tests record the calls.
#include <cstdint>
#include <functional>
#include <string>

#include "core/lookup/browse_texts.h"
#include "core/lookup/party_row.h"

namespace kvilo::listformat {
struct BrwSettings;
}

namespace kvilo::lookup {

struct BrowseActions {
    std::function<void(const PartyRecord& record)> openCard;                         // Form_EGRUL, modal
    std::function<void(const PartyRows& rows, const std::string& title)> exportList; // the XLSX export
    std::function<void(const MapArguments& arguments)> showMap;                      // the location map
    std::function<void(listformat::BrwSettings& list)> listSettings;                 // SetBrwFormat, modal
    std::function<bool(int32_t buildDate)> checkUpdate;                              // true: the window must close
    std::function<void()> screenKeyboard;                                            // ShowScreenKeyboard
    std::function<void(const std::string& address)> openSite;                        // ShellOpen on a thread
    std::function<void()> checkList; // "Проверить список из файла...": the batch check of a list of codes
};

} // namespace kvilo::lookup
