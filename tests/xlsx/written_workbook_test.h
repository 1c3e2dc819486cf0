#pragma once
// A fixture for tests that look at one workbook from several sides: the workbook is written once per test
// suite and read back. `Suite` names its file with `static constexpr const char* kName` and writes it with
// `static void Write(const std::string& path)`.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "workbook_reader.h"

namespace kvilo::xlsx::testing {

template <typename Suite> class WrittenWorkbookTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        path = new std::string(ScratchPath(Suite::kName));
        Suite::Write(*path);
        dump = new WorkbookDump(ReadBack(*path));
    }
    static void TearDownTestSuite() {
        delete dump;
        delete path;
    }
    static std::string Cell(std::string_view coordinate) { return dump->Cell(coordinate); }
    static bool CellHas(std::string_view coordinate, std::string_view part) {
        return Cell(coordinate).find(part) != std::string::npos;
    }

    static inline std::string* path = nullptr;
    static inline WorkbookDump* dump = nullptr;
};

} // namespace kvilo::xlsx::testing
