#pragma once
// The services the real program sets up, runs and closes around its main window.
#include <memory>

#include "core/framework/error_manager.h"
#include "core/framework/settings_store.h"
#include "core/startup/startup.h"
#include "gui/framework/qt_message_presenter.h"

namespace kvilo::app {

class ProgramServices : public startup::StartupServices {
public:
    ProgramServices();
    ~ProgramServices() override;

    void InitialiseErrorManager() override;
    void OpenSettingsStore() override;
    void SetUpListFormatStores() override;
    void InstallLocaleTexts() override;
    void SetDefaultFonts() override;
    void InstallStorageErrorTexts() override;
    std::string ResolveSettingsFile() override;
    void RunMainWindow(int32_t buildDate) override;
    void SaveListFormats() override;
    void CloseSettingsStore() override;

private:
    framework::QtMessagePresenter presenter_;
    framework::MessagePresenter* previousPresenter_;
    framework::ErrorManager errorManager_;
    framework::SettingsStore settingsStore_;
};

} // namespace kvilo::app
