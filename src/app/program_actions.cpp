#include "app/program_actions.h"

#include <QApplication>
#include <memory>

#include "core/extract/register_export.h"
#include "core/framework/settings_store.h"
#include "core/online/location_map.h"
#include "core/online/maker_site.h"
#include "core/shell/screen_keyboard.h"
#include "core/shell/shell_open.h"
#include "gui/batch/batch_dialog.h"
#include "gui/extract/extract_card_window.h"
#include "gui/listformat/set_brw_format.h"
#include "gui/online/ask_update_window.h"
#include "platform/command_line.h"

namespace kvilo::app {

lookup::BrowseActions ProgramBrowseActions() {
    lookup::BrowseActions actions;
    actions.openCard = [](const lookup::PartyRecord& record) {
        extract::Form_EGRUL(record, QApplication::activeWindow());
    };
    // The window's one workbook writer, kept as long as its actions.
    auto writer = std::make_shared<xlsx::TXlsxWriterClass>();
    actions.exportList = [writer](const lookup::PartyRows& rows, const std::string& title) {
        // The written workbook opens in the application the system associates with ".xlsx" files.
        const std::string path = extract::ExportRegister(*writer, rows, title);
        if (!path.empty()) shell::StartShellOpen(path, "");
    };
    actions.showMap = [](const lookup::MapArguments& map) {
        online::StartLocationMap(map.caption, map.longitude, map.latitude);
    };
    actions.listSettings = [](listformat::BrwSettings& list) { listformat::SetBrwFormat(list); };
    actions.checkUpdate = [](int32_t buildDate) { return online::CheckForUpdate(buildDate); };
    actions.screenKeyboard = [] { shell::ShowScreenKeyboard(); };
    actions.openSite = [](const std::string& address) { shell::StartShellOpen(address, ""); };
    return actions;
}

browse::BrowseOptions ProgramBrowseOptions(int32_t buildDate) {
    browse::BrowseOptions options;
    options.buildDate = buildDate;
    const framework::SettingsStore* store = framework::CurrentSettingsStore();
    const std::string storedToken = store ? store->Fetch(lookup::kTokenSection, lookup::kTokenEntry) : std::string();
    options.services = lookup::LookupServicesFromParameters(storedToken);
    options.siteAddress = online::MakerSitesFromParameters().addresses[0];
    options.demo =
        !platform::CommandParameter("SUGGESTURL").empty() || !platform::CommandParameter("VERSIONURL").empty();
    options.actions = ProgramBrowseActions();
    // The batch check asks the window's services, and opens its workbook as the export does.
    options.actions.checkList = [services = options.services] {
        batch::CheckListFromFile(QApplication::activeWindow(), services,
                                 [](const std::string& path) { shell::StartShellOpen(path, ""); });
    };
    return options;
}

} // namespace kvilo::app
