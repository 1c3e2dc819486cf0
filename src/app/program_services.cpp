#include "app/program_services.h"

#include <QApplication>

#include "app/program_actions.h"
#include "core/framework/error_manager_runtime.h"
#include "core/listformat/list_format_lifecycle.h"
#include "core/shell/settings_file.h"
#include "core/startup/locale_texts.h"
#include "core/startup/storage_error_texts.h"
#include "gui/framework/program_font.h"
#include "gui/online/image_card_window.h"

namespace kvilo::app {

// The window font and size every window inherits unless its own layout says otherwise: the face this
// system has for the windows' font. Qt's fonts are Unicode, so the Russian character set that Windows fonts
// are given needs no setting of its own.
constexpr int kDefaultFontPoints = 11;

ProgramServices::ProgramServices() : previousPresenter_(framework::SetMessagePresenter(&presenter_)) {}

ProgramServices::~ProgramServices() {
    framework::SetMessagePresenter(previousPresenter_);
    framework::SetSettingsStore(nullptr);
    framework::SetErrorManager(nullptr);
}

void ProgramServices::InitialiseErrorManager() {
    framework::SetErrorManager(&errorManager_);
}

void ProgramServices::OpenSettingsStore() {
    settingsStore_.Open(framework::kProgramSettingsKey, framework::kSettingsNative, framework::kRootCurrentUser);
    framework::SetSettingsStore(&settingsStore_);
}

void ProgramServices::SetUpListFormatStores() {
    listformat::SetUpListFormatStores();
}

void ProgramServices::InstallLocaleTexts() {
    startup::InstallLocaleTexts();
}

void ProgramServices::SetDefaultFonts() {
    QApplication::setFont(framework::ProgramFont(framework::kWindowFontName, kDefaultFontPoints));
}

void ProgramServices::InstallStorageErrorTexts() {
    framework::InstallRuntimeErrorTexts(startup::StorageErrorTexts());
}

std::string ProgramServices::ResolveSettingsFile() {
    std::string path = shell::ResolveSettingsFile("Egrul");
    listformat::SetListFormatFile(path);
    return path;
}

void ProgramServices::RunMainWindow(int32_t buildDate) {
    online::InstallImageCardOpener();
    browse::Browse_EGRUL(ProgramBrowseOptions(buildDate));
    // The picture windows close with the main window, while the settings store still keeps their placement.
    online::FinishLocationMaps();
}

void ProgramServices::SaveListFormats() {
    listformat::SaveListFormats();
}

void ProgramServices::CloseSettingsStore() {
    framework::SetSettingsStore(nullptr);
    settingsStore_.Close();
}

} // namespace kvilo::app
