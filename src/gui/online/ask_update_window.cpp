#include "gui/online/ask_update_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/cp1251.h"
#include "core/framework/qt_text.h"
#include "core/online/update_check.h"
#include "gui/framework/transfer_wait.h"
#include "gui/framework/window_placement_widget.h"
#include "platform/loader.h"
#include "platform/special_folders.h"

namespace kvilo::online {
namespace {

using namespace base::literals;
using framework::FromQString;
using framework::ToQString;

constexpr const char* kProcedure = "AskUpdate";
constexpr int kDateWidth = 40; // characters of a date line

// The progress bar, driven from the download's thread.
class BarProgress : public ProgressControl {
public:
    explicit BarProgress(QProgressBar* bar) : bar_(bar) {}

    // Without a known total the value counts kilobytes; past the bar's end it shows that it is busy instead.
    void SetProgress(int value) override {
        QMetaObject::invokeMethod(
            bar_,
            [bar = bar_, value] {
                if (value > bar->maximum())
                    bar->setRange(0, 0);
                else
                    bar->setValue(value);
            },
            Qt::QueuedConnection);
    }

private:
    QProgressBar* bar_;
};

QLineEdit* DateLine(int32_t date, QWidget* parent) {
    auto* line = new QLineEdit(ToQString(BuildDateText(date)), parent);
    line->setReadOnly(true);
    line->setMaxLength(kDateWidth);
    return line;
}

QString AskSavePathWithDialog(QWidget* parent, const QString& proposed) {
    return QFileDialog::getSaveFileName(parent, ToQString("Укажите файл для установочного комплекта ..."_ansi),
                                        proposed, ToQString("Пакеты (*.deb);;Все файлы (*)"_ansi));
}

// The running program's folder, ending in the separator.
std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind(platform::kPathSeparator) + 1);
}

} // namespace

AskUpdateWindow::AskUpdateWindow(int32_t buildDate, PublishedVersion published, std::string programPath,
                                 http::OutsideAccess access, QWidget* parent)
    : QDialog(parent), published_(std::move(published)), programPath_(std::move(programPath)),
      access_(std::move(access)), askSavePath_(&AskSavePathWithDialog) {
    setObjectName(kProcedure);
    setWindowTitle(ToQString("Выполнить обновление программы ?"_ansi));
    setFont(QFont("Segoe UI"));
    access_.abort = &stop_;

    auto* sheet = new QTabWidget(this);
    auto* page = new QWidget(sheet);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(BuildDates(buildDate));
    pageLayout->addWidget(BuildChoices());
    sheet->addTab(page, ToQString(" Параметры "_ansi));

    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->hide();

    yes_ = new QPushButton(ToQString(" Да"_ansi), this);
    yes_->setToolTip(ToQString("Выполнить операцию"_ansi));
    yes_->setDefault(true);
    no_ = new QPushButton(ToQString(" Нет"_ansi), this);
    no_->setToolTip(ToQString("Отказаться от выполнения операции"_ansi));
    connect(yes_, &QPushButton::clicked, this, &AskUpdateWindow::DownloadAsChosen);
    connect(no_, &QPushButton::clicked, this, &AskUpdateWindow::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet, 1);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    new framework::WindowPlacementKeeper(*this, kProcedure);
}

QWidget* AskUpdateWindow::BuildDates(int32_t buildDate) {
    auto* group = new QGroupBox(ToQString(" Даты версий программы "_ansi));
    auto* form = new QFormLayout(group);
    runningDate_ = DateLine(buildDate, group);
    publishedDate_ = DateLine(published_.date, group);
    form->addRow(ToQString("Сейчас Вы работаете"_ansi), runningDate_);
    form->addRow(ToQString("Доступно обновление"_ansi), publishedDate_);
    return group;
}

QWidget* AskUpdateWindow::BuildChoices() {
    auto* group = new QGroupBox(ToQString(" Вариант обновления "_ansi));
    auto* column = new QVBoxLayout(group);
    install_ = new QRadioButton(ToQString("&1. Загрузить и установить"_ansi), group);
    savePackage_ = new QRadioButton(ToQString("&2. Загрузить установочный комплект"_ansi), group);
    column->addWidget(install_);
    column->addWidget(savePackage_);
    // A program that runs from another machine's folder is not installed here.
    const bool installable = InstallAllowed(programPath_);
    install_->setEnabled(installable);
    (installable ? install_ : savePackage_)->setChecked(true);
    return group;
}

UpdateMode AskUpdateWindow::ChosenMode() const {
    return install_->isChecked() ? UpdateMode::Install : UpdateMode::SavePackage;
}

std::string AskUpdateWindow::TargetPath(UpdateMode mode) {
    if (mode == UpdateMode::Install) return InstallPackagePath(published_.link);
    std::string name = LinkFileName(published_.link);
    if (name.empty()) name = std::string("kvilo") + kPackageExtension;
    const QString proposed = QDir::home().filePath(ToQString(name));
    return FromQString(askSavePath_(this, proposed));
}

void AskUpdateWindow::DownloadAsChosen() {
    if (downloading_) return;
    const UpdateMode mode = ChosenMode();
    const std::string path = TargetPath(mode);
    if (path.empty()) return; // the user changed his mind in the file dialog: the window stays open

    install_->setEnabled(false);
    savePackage_->setEnabled(false);
    yes_->setEnabled(false);
    progress_->show();
    downloading_ = true;
    stop_ = false;
    BarProgress bar(progress_);
    PackageOutcome outcome = PackageOutcome::DownloadFailed;
    // " Нет" or closing the window stops the download meanwhile.
    framework::RunOffGuiThread(
        [&] { outcome = FetchPackage(mode, path, published_, &bar, access_, FolderOf(programPath_)); },
        framework::WhileWaiting::AcceptInput);
    downloading_ = false;
    ReportPackageOutcome(outcome, path);
    installerStarted_ = outcome == PackageOutcome::InstallerStarted;
    accept();
}

void AskUpdateWindow::reject() {
    if (downloading_) {
        stop_ = true;
        return;
    }
    QDialog::reject();
}

void AskUpdateWindow::closeEvent(QCloseEvent* event) {
    if (downloading_) {
        stop_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool CheckForUpdate(int32_t buildDate) {
    const http::OutsideAccess access = http::OutsideAccessFromParameters();
    PublishedVersion published;
    framework::RunOffGuiThread(
        [&] { published = FetchPublishedVersion(MakerSitesFromParameters(), RandomSiteIndex(), access); },
        framework::WhileWaiting::HoldInput);
    const UpdateVerdict verdict = JudgeUpdate(published, buildDate);
    if (verdict != UpdateVerdict::NewerVersion) {
        ShowUpdateVerdict(verdict);
        return false;
    }
    AskUpdateWindow window(buildDate, published, platform::RunningProgramPath(), access, QApplication::activeWindow());
    window.exec();
    return window.InstallerStarted();
}

} // namespace kvilo::online
