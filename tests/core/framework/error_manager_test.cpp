// The error manager: capture, dispatch by level, the halt, the log, the history and the procedure stack.
#include "core/framework/error_manager.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <thread>

#include "core/framework/error_manager_runtime.h"
#include "platform/file.h"

namespace kvilo::framework {
namespace {

using namespace base::literals;
using ::testing::MatchesRegex;
using namespace std::string_literals;

class ErrorManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearRuntimeError();
        InstallRuntimeErrorTexts({{5, "Нет доступа"_ansi}, {35, "Запись не найдена"_ansi}});
        manager.SetHaltHandler([this](int level) { halts.push_back(level); });
    }
    void TearDown() override {
        ClearRuntimeError();
        InstallRuntimeErrorTexts({});
    }

    RecordingMessagePresenter presenter;
    ErrorManager manager;
    std::vector<int> halts;
};

TEST_F(ErrorManagerTest, NotificationShowsTheSubstitutedTextWithOk) {
    SetRuntimeError(5, "/data/lf.dat");
    EXPECT_EQ(manager.ThrowFile(6, "BrwFormat   "), kLevelNotification);
    ASSERT_EQ(presenter.messages.size(), 1u);
    const Message& shown = presenter.messages[0];
    EXPECT_EQ(shown.caption, "Ошибка доступа к файлу"_ansi);
    EXPECT_EQ(shown.text, "Файл BrwFormat не может быть закрыт.  Ошибка: Нет доступа (5)."_ansi);
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    EXPECT_EQ(shown.buttons, std::vector<std::string>{kStandardOkButton});
    EXPECT_TRUE(halts.empty());
}

TEST_F(ErrorManagerTest, CaptureCopiesTheRuntimeErrorWithoutTrailingBlanks) {
    SetRuntimeError(RuntimeError{90, "Ошибка драйвера баз данных"_ansi, "lf.dat  ", "19 ", "disk I/O error  "});
    manager.Throw(26);
    EXPECT_EQ(manager.Details().errorFile, "lf.dat");
    EXPECT_EQ(manager.Details().fileErrorCode, "19");
    EXPECT_EQ(presenter.messages.at(0).text,
              "Повреждена структура файла .|Ошибка: 90 - Ошибка драйвера баз данных|FileError: 19 - disk I/O "
              "error|  Press OK to end this application"_ansi);
}

TEST_F(ErrorManagerTest, DriverErrorCodeNinetyShowsTheDriversText) {
    SetRuntimeError(90, "lf.dat", "14", "unable to open database file");
    manager.ThrowFile(29, "BrwFormat");
    EXPECT_EQ(presenter.messages.at(0).text,
              "Файл BrwFormat не может быть открыт.  Ошибка: unable to open database file (14).  Press OK to end "
              "this application"_ansi);
}

TEST_F(ErrorManagerTest, QuestionUsesYesNoWithTheWarningIconAndTheCallersDefault) {
    presenter.answers = {1};
    EXPECT_EQ(manager.Throw(11, DefaultAnswer::No), kLevelBenign);
    const Message& shown = presenter.messages.at(0);
    EXPECT_EQ(shown.icon, MessageIcon::Warning);
    EXPECT_EQ(shown.caption, "Подтвердите Удаление"_ansi);
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{"&1. Да"_ansi, "&2. Нет"_ansi}));
    EXPECT_EQ(shown.defaultButton, 2);
}

TEST_F(ErrorManagerTest, AnythingButYesCancels) {
    presenter.answers = {2, 0};
    EXPECT_EQ(manager.Throw(40), kLevelCancel); // No
    EXPECT_EQ(manager.Throw(40), kLevelCancel); // the box closed without an answer
    EXPECT_EQ(presenter.messages.at(0).defaultButton, 1);
}

TEST_F(ErrorManagerTest, FatalAndProgramErrorsEndTheProgramAfterOk) {
    EXPECT_EQ(manager.ThrowFile(12, "lf.dat"), kLevelFatal);
    EXPECT_EQ(manager.ThrowFile(45, "lf.dat"), kLevelProgram);
    EXPECT_EQ(halts, (std::vector<int>{kLevelFatal, kLevelProgram}));
    ASSERT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(presenter.messages[1].text,
              "Попытка работы с файлом (lf.dat) до его открытия  Press OK to end this application"_ansi);
    EXPECT_EQ(presenter.messages[1].buttons, std::vector<std::string>{kStandardOkButton});
    EXPECT_EQ(presenter.messages[1].icon, MessageIcon::Information);
}

TEST_F(ErrorManagerTest, UnknownIdIsReportedNotSwallowed) {
    EXPECT_EQ(manager.Throw(999), kLevelNotification);
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_NE(presenter.messages[0].text.find("999"), std::string::npos);
    EXPECT_TRUE(halts.empty());
}

TEST_F(ErrorManagerTest, DetailsBelongToTheirThread) {
    manager.SetField("BRW:Name  ");
    SetRuntimeError(35, "main.dat");
    std::string otherField = "unset", otherErrorFile = "unset";
    std::thread other([&] {
        manager.SetMessage("from the other thread");
        manager.Throw(21);
        otherField = manager.Details().field;
        otherErrorFile = manager.Details().errorFile;
    });
    other.join();
    EXPECT_EQ(otherField, "");
    EXPECT_EQ(otherErrorFile, "");
    manager.Throw(21);
    EXPECT_EQ(manager.Details().field, "BRW:Name");
    EXPECT_EQ(manager.Details().message, "");
    EXPECT_EQ(manager.Details().errorFile, "main.dat");
}

TEST_F(ErrorManagerTest, CallersNamesAreShownAsTheyAre) {
    manager.PushProcedure("Browse_EGRUL");
    manager.ThrowMessage(30, "%Procedure");
    EXPECT_EQ(presenter.messages.at(0).text, "Процедура %Procedure не была определена."_ansi);
}

TEST_F(ErrorManagerTest, ProcedureStackPushesAndPops) {
    manager.PushProcedure("Browse_EGRUL");
    manager.PushProcedure("SetBrwFormat");
    EXPECT_EQ(manager.TopProcedure(), "SetBrwFormat");
    manager.PopProcedure();
    EXPECT_EQ(manager.TopProcedure(), "Browse_EGRUL");
    EXPECT_EQ(manager.Details().procedure, "Browse_EGRUL");
    manager.PopProcedure();
    manager.PopProcedure(); // one pop too many does no harm
    EXPECT_EQ(manager.TopProcedure(), "");
}

TEST_F(ErrorManagerTest, PopRemovesTheCallingThreadsOwnName) {
    manager.PushProcedure("Browse_EGRUL");
    std::thread([&] { manager.PushProcedure("ImageCard"); }).join();
    manager.PushProcedure("Form_EGRUL");
    manager.PopProcedure(); // the main thread closes its card while the map stays open
    EXPECT_EQ(manager.TopProcedure(), "ImageCard");
    manager.PopProcedure();
    EXPECT_EQ(manager.TopProcedure(), "ImageCard");
}

TEST_F(ErrorManagerTest, ProcedureScopeUsesTheCurrentManager) {
    ErrorManager* previous = SetErrorManager(&manager);
    {
        ProcedureScope scope("Browse_EGRUL");
        EXPECT_EQ(manager.TopProcedure(), "Browse_EGRUL");
    }
    EXPECT_EQ(manager.TopProcedure(), "");
    SetErrorManager(previous);
}

TEST_F(ErrorManagerTest, HistoryKeepsTheNewestUpToTheThreshold) {
    manager.ThrowMessage(30, "zero");
    EXPECT_TRUE(manager.History().empty()); // no threshold, no history
    manager.SetHistoryThreshold(2);
    for (const char* name : {"one", "two", "three"})
        manager.ThrowMessage(30, name);
    auto history = manager.History();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].text, "Процедура two не была определена."_ansi);
    EXPECT_EQ(history[1].text, "Процедура three не была определена."_ansi);
    EXPECT_EQ(history[1].thread, ThreadNumber());
}

class ErrorLogTest : public ErrorManagerTest {
protected:
    std::string LogPath(const char* name) { return QDir(folder.path()).filePath(name).toStdString(); }
    QTemporaryDir folder;
};

TEST_F(ErrorLogTest, EachMessageAddsOneDatedLine) {
    std::string path = LogPath("AppError.Log");
    manager.SetLogging(true, path);
    manager.ThrowMessage(30, "one");
    manager.ThrowMessage(30, "two");
    QFile log(QString::fromStdString(path));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = log.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3); // two lines and the empty rest after the last break
    EXPECT_THAT(lines[0].toStdString(),
                MatchesRegex("[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}@[0-9]{2}:[0-9]{2}:[0-9]{2} --> .*"));
    EXPECT_TRUE(lines[0].toStdString().ends_with(" --> "s + "Процедура one не была определена."_ansi));
    EXPECT_EQ(presenter.messages.size(), 2u); // no failure was reported
}

TEST_F(ErrorLogTest, NoLogUnlessSwitchedOn) {
    std::string path = LogPath("AppError.Log");
    manager.SetLogging(false, path);
    manager.ThrowMessage(30, "one");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST_F(ErrorLogTest, OpenFailureIsReportedAndTheMessageStillShown) {
    manager.SetLogging(true, LogPath("missing/AppError.Log"));
    EXPECT_EQ(manager.ThrowMessage(30, "one"), kLevelNotification);
    ASSERT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(presenter.messages[0].text, "Unable to Open error log; " + platform::SystemErrorText(ENOENT));
    EXPECT_EQ(presenter.messages[1].caption, "Процедура не определена"_ansi);
}

TEST_F(ErrorLogTest, UpdateFailureIsReported) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    manager.SetLogging(true, "/dev/full");
    manager.ThrowMessage(30, "one");
    ASSERT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(presenter.messages[0].text, "Unable to update error log; " + platform::SystemErrorText(ENOSPC));
}

class FailingCloseWriter : public ErrorLogWriter {
public:
    bool Open(const std::string&, std::string&) override { return true; }
    bool Append(std::string_view, std::string&) override { return true; }
    bool Close(std::string& error) override {
        error = "Input/output error";
        return false;
    }
};

TEST_F(ErrorLogTest, CloseFailureIsReported) {
    manager.SetLogWriter(std::make_unique<FailingCloseWriter>());
    manager.SetLogging(true, LogPath("AppError.Log"));
    manager.ThrowMessage(30, "one");
    ASSERT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(presenter.messages[0].text, "Unable to close error log; Input/output error");
}

} // namespace
} // namespace kvilo::framework
