#pragma once
// AskUpdate, the update window ("Выполнить обновление программы ?"): the running and the published build
// dates, the two ways to update, a progress bar for the download and " Да" / " Нет". Its position and size
// are kept under "AskUpdate". CheckForUpdate runs the whole update check from the main window's button.
#include <QDialog>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "core/framework/error_manager.h"
#include "core/online/package_download.h"
#include "core/online/version_file.h"
#include "http/outside_session.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace kvilo::online {

// The window. CheckForUpdate runs it; tests make it directly and read its controls back.
class AskUpdateWindow : public QDialog {
public:
    // `programPath` is the running program's file: choice 1 is offered only for a program installed on this
    // machine (InstallAllowed).
    AskUpdateWindow(int32_t buildDate, PublishedVersion published, std::string programPath, http::OutsideAccess access,
                    QWidget* parent = nullptr);

    // Asks where choice 2 saves the package, proposing `proposed`; an empty answer is a cancelled dialog.
    using SavePathAsker = std::function<QString(QWidget* parent, const QString& proposed)>;
    void SetSavePathAsker(SavePathAsker asker) { askSavePath_ = std::move(asker); }

    // True once the package installer has the downloaded package: the program then ends.
    bool InstallerStarted() const { return installerStarted_; }

    QLineEdit* RunningDate() const { return runningDate_; }
    QLineEdit* PublishedDate() const { return publishedDate_; }
    QRadioButton* Choice(UpdateMode mode) const { return mode == UpdateMode::Install ? install_ : savePackage_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* YesButton() const { return yes_; }
    QPushButton* NoButton() const { return no_; }

    // " Да": downloads the package as the chosen way says; the window then closes.
    void DownloadAsChosen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QWidget* BuildDates(int32_t buildDate);
    QWidget* BuildChoices();
    UpdateMode ChosenMode() const;
    std::string TargetPath(UpdateMode mode);

    framework::ProcedureScope procedure_{"AskUpdate"};
    PublishedVersion published_;
    std::string programPath_;
    http::OutsideAccess access_;
    SavePathAsker askSavePath_;
    std::atomic<bool> stop_{false};
    bool downloading_ = false;
    bool installerStarted_ = false;

    QLineEdit* runningDate_ = nullptr;
    QLineEdit* publishedDate_ = nullptr;
    QRadioButton* install_ = nullptr;
    QRadioButton* savePackage_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
};

// The update check of the main window's update button: the version file from the maker's site (while the
// windows keep painting), the message when there is nothing to offer, otherwise the update window. True when
// an installer was started and the program must end.
bool CheckForUpdate(int32_t buildDate);

} // namespace kvilo::online
