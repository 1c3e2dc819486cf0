#pragma once
// The window of a running batch check: a progress bar with the count and the time left, and "Отмена",
// which ends the check and keeps what was found. The check runs on worker threads; the window stays live.
#include <QDialog>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/batch/batch_input.h"
#include "core/batch/batch_run.h"
#include "core/lookup/lookup_services.h"
#include "xlsx/xlsx_writer.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kvilo::batch {

class BatchWorkbook;

class BatchDialog : public QDialog {
public:
    // Checks `lines` into a new workbook at `path` entitled `title` (Windows-1251) once shown by exec().
    BatchDialog(std::vector<BatchLine> lines, lookup::LookupServices services, std::string path, std::string title,
                QWidget* parent = nullptr);
    ~BatchDialog() override;

    int exec() override;

    // After exec: the written workbook's path (empty when none could be written) and the tally.
    const std::string& writtenPath() const { return writtenPath_; }
    const BatchCounts& counts() const { return counts_; }
    BatchOptions& options() { return options_; }

protected:
    void reject() override; // Esc and the close box cancel as "Отмена" does

private:
    void ShowProgress(size_t done, size_t total);
    void Finished();

    std::vector<BatchLine> lines_;
    lookup::LookupServices services_;
    std::string path_;
    std::string title_;
    BatchOptions options_;
    xlsx::TXlsxWriterClass writer_;
    std::unique_ptr<BatchWorkbook> workbook_;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
    bool running_ = false;
    std::chrono::steady_clock::time_point start_;
    BatchCounts counts_;
    std::string writtenPath_;

    QLabel* count_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// "Проверить список из файла...": asks for the file, checks it and opens the workbook written with `open`.
void CheckListFromFile(QWidget* parent, const lookup::LookupServices& services,
                       const std::function<void(const std::string& path)>& open);

} // namespace kvilo::batch
