// The batch check's window against the fake services over HTTPS: the progress bar and count run to the end
// and the workbook is written; "Отмена" half-way ends the check and keeps the rows found.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/batch/batch_input.h"
#include "core/lookup/lookup_request.h"
#include "fake_services.h"
#include "gui/batch/batch_dialog.h"
#include "party_dataset.h"
#include "platform/special_folders.h"

using namespace kvilo;

class BatchDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void progressRunsToTheEndAndTheWorkbookIsWritten();
    void cancelHalfWayKeepsTheRowsFound();

private:
    std::vector<batch::BatchLine> KnownLines(size_t count) const;
    batch::BatchDialog* NewDialog(std::vector<batch::BatchLine> lines);

    testsupport::FakeServices server_{testsupport::FakeServices::Options{.https = true}};
    lookup::LookupServices services_;
    fake::PartyIndex parties_;
    std::unique_ptr<batch::BatchDialog> dialog_;
};

void BatchDialogTest::initTestCase() {
    QVERIFY2(server_.Start(), server_.Error().c_str());
    services_.urls = {server_.HttpsUrl(""), server_.HttpsUrl("")};
    services_.access.trustAnchorsFile = server_.CertificateFile();
    QVERIFY(fake::LoadPartyIndexFile(KVILO_FAKE_PARTIES, parties_));
}

void BatchDialogTest::init() {
    dialog_.reset();
    QVERIFY(server_.Reset());
}

std::vector<batch::BatchLine> BatchDialogTest::KnownLines(size_t count) const {
    std::vector<batch::BatchLine> lines;
    for (size_t i = 0; i < parties_.size() && lines.size() < count; ++i) {
        const fake::PartyEntry& entry = parties_.Entry(i);
        if (entry.branchType != "BRANCH")
            lines.push_back({lines.size() + 1, entry.inn, entry.inn, codes::CodeCheck::Valid});
    }
    return lines;
}

batch::BatchDialog* BatchDialogTest::NewDialog(std::vector<batch::BatchLine> lines) {
    const std::string path = std::string(KVILO_BINARY_DIR) + "/batch-dialog-test.xlsx";
    dialog_ = std::make_unique<batch::BatchDialog>(std::move(lines), services_, path, "list");
    return dialog_.get();
}

void BatchDialogTest::progressRunsToTheEndAndTheWorkbookIsWritten() {
    batch::BatchDialog* dialog = NewDialog(KnownLines(20));
    QCOMPARE(dialog->exec(), int(QDialog::Accepted));
    auto* bar = dialog->findChild<QProgressBar*>("batchProgress");
    QCOMPARE(bar->maximum(), 20);
    QCOMPARE(bar->value(), 20);
    QCOMPARE(dialog->findChild<QLabel*>("batchCount")->text(), QString::fromUtf8("Проверено 20 из 20"));
    QCOMPARE(dialog->counts().found, size_t(20));
    QVERIFY(!dialog->writtenPath().empty());
    platform::RemoveFile(dialog->writtenPath());
}

void BatchDialogTest::cancelHalfWayKeepsTheRowsFound() {
    // Five answers come; the others wait until the test lets them go.
    QVERIFY(server_.AddFault({.mode = "hold", .path = lookup::kFindPartyByIdPath, .count = -1, .skip = 5}));
    batch::BatchDialog* dialog = NewDialog(KnownLines(30));
    auto* bar = dialog->findChild<QProgressBar*>("batchProgress");
    QString countWhenCancelled;
    QTimer poll;
    connect(&poll, &QTimer::timeout, dialog, [&] {
        if (bar->value() < 5 || !countWhenCancelled.isEmpty()) return;
        countWhenCancelled = dialog->findChild<QLabel*>("batchCount")->text();
        QTest::mouseClick(dialog->findChild<QPushButton*>("batchCancel"), Qt::LeftButton);
    });
    poll.start(10);
    dialog->exec();
    server_.ReleaseHeld();
    QVERIFY(countWhenCancelled.startsWith(QString::fromUtf8("Проверено 5 из 30, осталось около")));
    QVERIFY(dialog->counts().cancelled);
    QCOMPARE(dialog->counts().found, size_t(5));
    QCOMPARE(dialog->counts().missing, size_t(25));
    QVERIFY(!dialog->writtenPath().empty());
    platform::RemoveFile(dialog->writtenPath());
}

QTEST_MAIN(BatchDialogTest)
#include "batch_dialog_test.moc"
