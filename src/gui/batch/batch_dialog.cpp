#include "gui/batch/batch_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "base/cp1251.h"
#include "core/batch/batch_file.h"
#include "core/batch/batch_workbook.h"
#include "core/extract/register_workbook.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"

namespace kvilo::batch {

using namespace base::literals;
using framework::FromQString;
using framework::ToQString;

namespace {

QString TimeLeft(double seconds) {
    const long rounded = std::lround(seconds);
    if (rounded < 60) return QString::fromUtf8("осталось около %1 с").arg(rounded);
    return QString::fromUtf8("осталось около %1 мин %2 с").arg(rounded / 60).arg(rounded % 60);
}

void ShowError(const std::string& text) {
    framework::Message message;
    message.caption = "Проверка списка"_ansi;
    message.text = text;
    message.icon = framework::MessageIcon::Warning;
    framework::ShowMessage(message);
}

} // namespace

BatchDialog::BatchDialog(std::vector<BatchLine> lines, lookup::LookupServices services, std::string path,
                         std::string title, QWidget* parent)
    : QDialog(parent), lines_(std::move(lines)), services_(std::move(services)), path_(std::move(path)),
      title_(std::move(title)) {
    setObjectName("batchDialog");
    setWindowTitle(QString::fromUtf8("Проверка списка"));
    auto* layout = new QVBoxLayout(this);
    count_ = new QLabel;
    count_->setObjectName("batchCount");
    bar_ = new QProgressBar;
    bar_->setObjectName("batchProgress");
    cancelButton_ = new QPushButton(QString::fromUtf8("Отмена"));
    cancelButton_->setObjectName("batchCancel");
    layout->addWidget(count_);
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    connect(cancelButton_, &QPushButton::clicked, this, &BatchDialog::reject);
    setMinimumWidth(420);
}

BatchDialog::~BatchDialog() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

int BatchDialog::exec() {
    workbook_ = std::make_unique<BatchWorkbook>(writer_);
    if (!workbook_->Open(path_, title_)) return QDialog::Rejected;
    start_ = std::chrono::steady_clock::now();
    running_ = true;
    ShowProgress(0, 0);
    // The workbook is written by whichever check thread hands a line on (never two at a time) until the
    // worker has ended; only then does the window close it.
    worker_ = std::thread([this] {
        counts_ = RunBatch(
            lines_, services_, options_, cancel_,
            [this](const BatchLine& line, const CodeResult& result) { workbook_->Add(line, result); },
            [this](size_t done, size_t total) {
                QMetaObject::invokeMethod(
                    this, [this, done, total] { ShowProgress(done, total); }, Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this, [this] { Finished(); }, Qt::QueuedConnection);
    });
    return QDialog::exec();
}

void BatchDialog::ShowProgress(size_t done, size_t total) {
    if (!running_) return;
    bar_->setRange(0, static_cast<int>(std::max<size_t>(total, 1)));
    bar_->setValue(static_cast<int>(done));
    QString text = QString::fromUtf8("Проверено %1 из %2").arg(done).arg(total);
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    if (done > 0 && done < total)
        text += ", " + TimeLeft(elapsed / static_cast<double>(done) * static_cast<double>(total - done));
    count_->setText(text);
}

void BatchDialog::reject() {
    if (!running_) {
        QDialog::reject();
        return;
    }
    // The check ends at once; the dialog closes when its threads have.
    cancel_ = true;
    cancelButton_->setEnabled(false);
    count_->setText(QString::fromUtf8("Прерывание проверки..."));
}

void BatchDialog::Finished() {
    worker_.join();
    running_ = false;
    writtenPath_ = workbook_->Close();
    if (writtenPath_.empty()) {
        QDialog::reject();
        return;
    }
    QDialog::accept();
}

void CheckListFromFile(QWidget* parent, const lookup::LookupServices& services,
                       const std::function<void(const std::string& path)>& open) {
    const QString file =
        QFileDialog::getOpenFileName(parent, QString::fromUtf8("Проверить список из файла"), QString(),
                                     QString::fromUtf8("Списки ИНН / ОГРН (*.txt *.csv *.xlsx);;Все файлы (*)"));
    if (file.isEmpty()) return;
    std::vector<BatchLine> lines;
    std::string error;
    if (!ReadBatchFile(FromQString(file), lines, error)) {
        ShowError(error);
        return;
    }
    if (lines.empty()) {
        ShowError("В файле нет ни одного кода."_ansi);
        return;
    }
    BatchDialog dialog(std::move(lines), services, extract::NewExportPath(),
                       BatchTitle(FromQString(QFileInfo(file).fileName())), parent);
    dialog.exec();
    if (!dialog.writtenPath().empty()) open(dialog.writtenPath());
}

} // namespace kvilo::batch
