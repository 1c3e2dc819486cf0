// The list-format stores over real "lf.dat" files in a temporary folder: what a run writes, what a load
// takes into use, and the file's safety when another process holds it, a write fails half-way, a save is
// killed, or the file is not this program's database.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "core/listformat/apply_brw_format.h"
#include "core/listformat/list_format_stores.h"
#include "designed_format.h"
#include "fake_list_control.h"
#include "temp_dir.h"

namespace kvilo::listformat {
namespace {

using namespace base::literals;
using namespace std::string_literals;
using testing::FakeListControl;
using testing::kDesignedFormat;

const std::string kNoAccess = "Нет доступа для записи настроек форматов списков !"_ansi;
const std::string kNotWritten = "Не удалось записать настройки форматов списков !"_ansi;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs SQL on the file directly, as an administrator with the sqlite3 shell would.
void Sql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string why = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << why;
}

BrwMemEntry Entry(const std::string& id, const std::string& current, const std::string& designed = kDesignedFormat) {
    BrwMemEntry entry;
    entry.idBrowse = id;
    entry.defFormat = designed;
    entry.curFormat = current;
    entry.appearance.setup = 1;
    return entry;
}

// A zoomed-in version of the designed format (every resizable column 5 wider).
std::string Zoomed() {
    FakeListControl list(kDesignedFormat);
    BrwSettings settings{&list, kMainListId, {}, kDesignedFormat};
    ApplyBrwFormat(kBrwLarger, settings);
    return list.FormatText();
}

class ListFormatFileTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetListFormatStores(&stores); }
    void TearDown() override { SetListFormatStores(previous_); }

    // The main list as a window opens it: the designed format, action 1.
    BrwSettings OpenList(FakeListControl& list) {
        BrwSettings settings{&list, kMainListId, {}, {}};
        ApplyBrwFormat(kBrwLoad, settings);
        return settings;
    }

    BrwSetRecord Stored(const std::string& id) {
        BrwSetRecord record;
        EXPECT_EQ(BrwSet(path).Read(id, record), BrwSet::ReadResult::Found) << id;
        return record;
    }

    // Saves `entries` as an earlier run would have left them.
    void StoreEarlier(const std::vector<BrwMemEntry>& entries) {
        ASSERT_EQ(BrwSet(path).Save(entries), BrwSet::SaveResult::Saved);
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const framework::Message& m : messages.messages)
            texts.push_back(m.text);
        return texts;
    }

    kvilo::testing::TempDir folder;
    std::string path = folder / "lf.dat";
    ListFormatStores stores{path};
    framework::RecordingMessagePresenter messages;

private:
    ListFormatStores* previous_ = nullptr;
};

TEST_F(ListFormatFileTest, ARunThatShowsNoListWritesNothing) {
    stores.SaveAll();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ListFormatFileTest, AListLeftZoomedComesBackInTheNextRun) {
    {
        FakeListControl list(kDesignedFormat);
        BrwSettings settings = OpenList(list);
        ApplyBrwFormat(kBrwLarger, settings);
        ApplyBrwFormat(kBrwStore, settings);
        stores.SaveAll();
    }
    EXPECT_TRUE(stores.Memory().Empty());
    const BrwSetRecord record = Stored(kMainListId);
    EXPECT_EQ(record.defFormat, kDesignedFormat);
    EXPECT_EQ(record.curFormat, Zoomed());
    EXPECT_EQ(record.appearance, (ListAppearance{1, 9, 0, 10, 12, 1, 40}));

    FakeListControl list(kDesignedFormat);
    BrwSettings settings = OpenList(list);
    EXPECT_EQ(list.FormatText(), Zoomed());
    EXPECT_EQ(settings.defaultFormat, kDesignedFormat);
    EXPECT_EQ(list.fontSize, 12);
    EXPECT_EQ(list.lineHeight, 10);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ListFormatFileTest, AnEntryOfAnotherDesignIsIgnoredAndOverwrittenAtTheEnd) {
    const std::string olderDesign = "100L(2)|_M~Наименование~@s255@"_ansi;
    BrwMemEntry older = Entry(kMainListId, "150L(2)|_M~Наименование~@s255@"_ansi, olderDesign);
    older.appearance = {1, 3, 14, 20, 20, 4, 100};
    StoreEarlier({older});

    FakeListControl list(kDesignedFormat);
    BrwSettings settings = OpenList(list);
    EXPECT_EQ(list.FormatText(), kDesignedFormat);
    EXPECT_EQ(settings.appearance, ListAppearance{});
    ApplyBrwFormat(kBrwStore, settings);
    stores.SaveAll();

    const BrwSetRecord record = Stored(kMainListId);
    EXPECT_EQ(record.defFormat, kDesignedFormat);
    EXPECT_EQ(record.curFormat, kDesignedFormat);
    EXPECT_EQ(record.appearance, ListAppearance{});
}

TEST_F(ListFormatFileTest, SetupZeroAndOutOfRangeBytesLoadAsTheDefaults) {
    BrwMemEntry off = Entry("Off", kDesignedFormat);
    off.appearance = {0, 20, 14, 30, 30, 3, 200};
    BrwMemEntry wild = Entry("Wild", kDesignedFormat);
    wild.appearance = {1, 36, 99, 5, 7, 6, 0};
    BrwMemEntry tall = Entry("Tall", kDesignedFormat);
    tall.appearance = {1, 35, 35, 41, 41, 0, 256};
    StoreEarlier({off, wild, tall});

    const ListAppearance defaults;
    for (const char* id : {"Off", "Wild", "Tall"}) {
        FakeListControl list(kDesignedFormat);
        BrwSettings settings{&list, id, {}, {}};
        ApplyBrwFormat(kBrwLoad, settings);
        ListAppearance expected = defaults;
        expected.setup = std::string(id) == "Off" ? 0 : 1;
        if (std::string(id) == "Tall") expected.gridColour = expected.barColour = 35;
        EXPECT_EQ(settings.appearance, expected) << id;
        EXPECT_EQ(list.lineHeight, 9) << id;
        EXPECT_EQ(list.wheel, 40) << id;
        EXPECT_EQ(list.fontSize, 11) << id;
        EXPECT_EQ(list.fontName, "Segoe UI") << id;
    }
}

TEST_F(ListFormatFileTest, EntriesWithoutAFormatAreSkippedByTheSave) {
    stores.Memory().Put(Entry("NoCurrent1", ""));
    stores.Memory().Put(Entry("NoCurrent2", "    "));
    stores.Memory().Put(Entry("NoDesign", kDesignedFormat, ""));
    stores.Memory().Put(Entry("Kept", kDesignedFormat));
    stores.SaveAll();
    EXPECT_TRUE(messages.messages.empty());
    BrwSetRecord record;
    for (const char* id : {"NoCurrent1", "NoCurrent2", "NoDesign"})
        EXPECT_EQ(BrwSet(path).Read(id, record), BrwSet::ReadResult::NotFound) << id;
    EXPECT_EQ(Stored("Kept").curFormat, kDesignedFormat);
}

TEST_F(ListFormatFileTest, AFormatOf2049CharactersIsNeverStored) {
    // 2048 characters: the longest format a record holds.
    const std::string tooLong(2049, 'x');
    stores.Memory().Put(Entry("Longest", std::string(2048, 'x')));
    stores.Memory().Put(Entry("TooLong", tooLong));
    stores.Memory().Put(Entry("TooLongDesign", kDesignedFormat, tooLong));
    stores.SaveAll();
    EXPECT_EQ(Stored("Longest").curFormat.size(), 2048u);
    BrwSetRecord record;
    EXPECT_EQ(BrwSet(path).Read("TooLong", record), BrwSet::ReadResult::NotFound);
    EXPECT_EQ(BrwSet(path).Read("TooLongDesign", record), BrwSet::ReadResult::NotFound);
}

TEST_F(ListFormatFileTest, AListWhoseFormatIsTooLongToStoreSaysSoAndIsNotStored) {
    std::string format;
    while (format.size() <= 2048)
        format += "40L(2)|M~Колонка~@s20@"_ansi;
    FakeListControl list(format);
    BrwSettings settings = OpenList(list);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "У нас проблема ..."_ansi);
    EXPECT_EQ(messages.messages[0].text,
              " Внимание ! Превышение размера хранения формата: "_ansi + std::to_string(format.size()));
    EXPECT_EQ(settings.defaultFormat, format.substr(0, 2048));
    EXPECT_EQ(list.FormatText(), format); // the list keeps its full format for this run
    ApplyBrwFormat(kBrwLarger, settings);
    ApplyBrwFormat(kBrwStore, settings);
    stores.SaveAll();
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ListFormatFileTest, ReservedFieldsSurviveASaveUnchanged) {
    StoreEarlier({Entry(kMainListId, kDesignedFormat)});
    Sql(path, "UPDATE BrwSet SET ZB1 = 7, ZB2 = 255, ZL1 = -5, ZL2 = 2147483647, ZR1 = 3.25, ZS1 = 'резерв'");
    FakeListControl list(kDesignedFormat);
    BrwSettings settings = OpenList(list);
    ApplyBrwFormat(kBrwSmaller, settings);
    ApplyBrwFormat(kBrwStore, settings);
    stores.SaveAll();

    const BrwSetRecord record = Stored(kMainListId);
    EXPECT_NE(record.curFormat, kDesignedFormat);
    EXPECT_EQ(record.zb1, 7);
    EXPECT_EQ(record.zb2, 255);
    EXPECT_EQ(record.zl1, -5);
    EXPECT_EQ(record.zl2, 2147483647);
    EXPECT_EQ(record.zr1, 3.25);
    EXPECT_EQ(record.zs1, "резерв"_ansi);
}

TEST_F(ListFormatFileTest, AnUnchangedEntryIsNotWrittenAgain) {
    StoreEarlier({Entry(kMainListId, kDesignedFormat + "   ")});
    Sql(path, "CREATE TABLE Writes (n INTEGER);"
              "CREATE TRIGGER Counted AFTER UPDATE ON BrwSet BEGIN INSERT INTO Writes VALUES (1); END;");
    BrwMemEntry same = Entry(kMainListId, kDesignedFormat);
    stores.Memory().Put(same);
    stores.SaveAll();
    BrwMemEntry changed = same;
    changed.appearance.wheelScroll = 41;
    stores.Memory().Put(changed);
    stores.SaveAll();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM Writes", -1, &count, nullptr);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(count, 0), 1);
    sqlite3_finalize(count);
    sqlite3_close(db);
    EXPECT_EQ(Stored(kMainListId).appearance.wheelScroll, 41);
}

TEST_F(ListFormatFileTest, AWriteFailingHalfWayRollsBackTheWholeSave) {
    StoreEarlier({Entry("First", kDesignedFormat), Entry("Second", kDesignedFormat)});
    // The file refuses one of the entries, as a full disk or a damaged page would refuse a write.
    Sql(path, "CREATE TRIGGER Refused BEFORE INSERT ON BrwSet WHEN NEW.IDBROWSE = 'Refused'"
              " BEGIN SELECT RAISE(ABORT, 'injected fault'); END;");
    const std::string armed = ReadBytes(path);
    stores.Memory().Put(Entry("First", Zoomed()));
    stores.Memory().Put(Entry("Refused", kDesignedFormat));
    stores.Memory().Put(Entry("Second", Zoomed()));
    stores.SaveAll();

    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kNotWritten});
    EXPECT_EQ(messages.messages[0].caption, "Сообщение"_ansi);
    EXPECT_EQ(ReadBytes(path), armed);
    EXPECT_EQ(Stored("First").curFormat, kDesignedFormat);
    EXPECT_EQ(Stored("Second").curFormat, kDesignedFormat);
    EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
}

// Files that are not this program's database: the list keeps its design, nothing crashes, and the save
// leaves the file exactly as it was.
TEST_F(ListFormatFileTest, AFileThatIsNotThisProgramsDatabaseIsNeverWritten) {
    std::mt19937 random(14);
    std::string noise(4096, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    std::string earlier = "tOpS\0\0\x01\x02"s + std::string(600, '\x20') + "BRW:IDBROWSE BrwEGRUL";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"random bytes", noise}, {"a file of the earlier program", earlier}, {"a text", "lf.dat\n"}};
    for (const auto& [what, bytes] : files) {
        WriteBytes(path, bytes);
        messages.messages.clear();
        FakeListControl list(kDesignedFormat);
        BrwSettings settings = OpenList(list);
        EXPECT_EQ(list.FormatText(), kDesignedFormat) << what;
        ApplyBrwFormat(kBrwLarger, settings);
        ApplyBrwFormat(kBrwStore, settings);
        stores.SaveAll();
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{kNotWritten}) << what;
        EXPECT_EQ(ReadBytes(path), bytes) << what;
    }

    std::filesystem::remove(path);
    Sql(path, "CREATE TABLE Accounts (id INTEGER PRIMARY KEY, name TEXT); INSERT INTO Accounts VALUES (1, 'x')");
    const std::string otherDatabase = ReadBytes(path);
    messages.messages.clear();
    stores.Memory().Put(Entry(kMainListId, kDesignedFormat));
    stores.SaveAll();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kNotWritten});
    EXPECT_EQ(ReadBytes(path), otherDatabase);
}

// An empty file holds nothing to lose (it is also what a first save that was cut off leaves): it reads as no
// entries and the save makes it the database.
TEST_F(ListFormatFileTest, AnEmptyFileReadsAsNoEntriesAndBecomesTheDatabase) {
    WriteBytes(path, "");
    FakeListControl list(kDesignedFormat);
    BrwSettings settings = OpenList(list);
    EXPECT_EQ(list.FormatText(), kDesignedFormat);
    ApplyBrwFormat(kBrwStore, settings);
    stores.SaveAll();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(Stored(kMainListId).curFormat, kDesignedFormat);
}

// A second process holds a write transaction on the file until the test releases it.
class FileHolder {
public:
    explicit FileHolder(const std::string& path) {
        if (pipe(ready_) != 0 || pipe(release_) != 0) return;
        pid_ = fork();
        if (pid_ == 0) Hold(path);
        close(ready_[1]);
        close(release_[0]);
        char answer = 0;
        holding_ = read(ready_[0], &answer, 1) == 1 && answer == 'y';
    }
    ~FileHolder() {
        close(release_[1]);
        close(ready_[0]);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    bool Holding() const { return holding_; }

private:
    [[noreturn]] void Hold(const std::string& path) {
        close(ready_[0]);
        close(release_[1]);
        sqlite3* db = nullptr;
        const bool held = sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
                          sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        const char answer = held ? 'y' : 'n';
        if (write(ready_[1], &answer, 1) != 1) _exit(1);
        char ignored;
        while (read(release_[0], &ignored, 1) > 0) {
        }
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        _exit(0);
    }

    int ready_[2] = {-1, -1};
    int release_[2] = {-1, -1};
    pid_t pid_ = -1;
    bool holding_ = false;
};

// The real 5-second wait, once in the suite.
TEST_F(ListFormatFileTest, AnotherProcessHoldingTheFileMakesTheSaveReportNoAccess) {
    StoreEarlier({Entry(kMainListId, kDesignedFormat)});
    const std::string before = ReadBytes(path);
    {
        FileHolder holder(path);
        ASSERT_TRUE(holder.Holding());
        stores.Memory().Put(Entry(kMainListId, Zoomed()));
        stores.Memory().Put(Entry("Another", Zoomed()));
        stores.SaveAll();
    }
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kNoAccess});
    EXPECT_EQ(messages.messages[0].caption, "Сообщение"_ansi);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(Stored(kMainListId).curFormat, kDesignedFormat);
    EXPECT_TRUE(stores.Memory().Empty());
}

// A save killed at a random moment leaves a file that opens with the last committed content. The child
// saves generation after generation (100 entries each) and reports each commit; the parent kills it
// KVILO_LF_KILL_RUNS times (10 by default; tools/lf-dat-kill-check runs 100).
TEST_F(ListFormatFileTest, ASaveKilledAtAnyMomentLeavesTheLastCommittedContent) {
    const char* runsText = std::getenv("KVILO_LF_KILL_RUNS");
    const int runs = runsText ? std::atoi(runsText) : 10;
    std::mt19937 random(9);
    auto generation = [](int g) {
        std::vector<BrwMemEntry> entries;
        for (int i = 0; i < 100; ++i) {
            BrwMemEntry entry = Entry("List" + std::to_string(i), "gen " + std::to_string(g) + " ");
            entry.curFormat.resize(1500, static_cast<char>('a' + g % 26));
            entries.push_back(entry);
        }
        return entries;
    };
    int intact = 0;
    int cutOff = 0; // kills that left a journal behind: the save was cut off in the middle
    for (int run = 0; run < runs; ++run) {
        int reports[2];
        ASSERT_EQ(pipe(reports), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(reports[0]);
            for (int g = 1;; ++g) {
                if (BrwSet(path).Save(generation(g)) != BrwSet::SaveResult::Saved) _exit(2);
                if (write(reports[1], &g, sizeof g) != sizeof g) _exit(3);
            }
        }
        close(reports[1]);
        int last = 0;
        ASSERT_EQ(read(reports[0], &last, sizeof last), static_cast<ssize_t>(sizeof last));
        usleep(std::uniform_int_distribution<useconds_t>(0, 60000)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself with " << WEXITSTATUS(status);
        for (int g; read(reports[0], &g, sizeof g) == sizeof g;)
            last = g;
        close(reports[0]);

        if (std::filesystem::exists(path + "-journal")) ++cutOff;
        BrwSetRecord record;
        ASSERT_EQ(BrwSet(path).Read("List0", record), BrwSet::ReadResult::Found) << "run " << run;
        const int stored = std::atoi(record.curFormat.c_str() + 4);
        // The last commit may have finished just before its report could be sent.
        ASSERT_TRUE(stored == last || stored == last + 1) << "run " << run << ": " << stored << " after " << last;
        for (const BrwMemEntry& expected : generation(stored)) {
            ASSERT_EQ(BrwSet(path).Read(expected.idBrowse, record), BrwSet::ReadResult::Found);
            ASSERT_EQ(record.curFormat, expected.curFormat) << "run " << run;
        }
        ++intact;
    }
    std::printf("killed saves: %d (cut off in the middle: %d), files with their last committed content: %d\n", runs,
                cutOff, intact);
    EXPECT_EQ(intact, runs);
}

} // namespace
} // namespace kvilo::listformat
