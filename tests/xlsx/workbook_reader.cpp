#include "workbook_reader.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace kvilo::xlsx::testing {

namespace {

// Runs a shell command and returns its standard output; `ok` tells whether it exited with 0.
std::string Run(const std::string& command, bool& ok) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ok = false;
        return out;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    ok = pclose(pipe) == 0;
    return out;
}

// CTest runs the cases of one executable as parallel processes, so each process writes into a folder of its
// own, removed when the process ends.
struct ScratchRootFolder {
    std::filesystem::path path = std::filesystem::path(KVILO_BINARY_DIR) / "xlsx-scratch" / std::to_string(getpid());
    ~ScratchRootFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::filesystem::path& ScratchRoot() {
    static const ScratchRootFolder root;
    return root.path;
}

} // namespace

std::string ScratchPath(std::string_view name) {
    std::filesystem::create_directories(ScratchRoot());
    std::filesystem::path path = ScratchRoot() / (std::string(name) + ".xlsx");
    std::filesystem::remove(path);
    return path.string();
}

std::string ScratchFolder(std::string_view name) {
    std::filesystem::path path = ScratchRoot() / std::string(name);
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path.string();
}

std::string ReadPart(const std::string& path, const std::string& part) {
    bool ok = false;
    std::string xml = Run("unzip -p '" + path + "' '" + part + "' 2>/dev/null", ok);
    return ok ? xml : std::string();
}

size_t CountOf(std::string_view text, std::string_view needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string_view::npos; at = text.find(needle, at + needle.size()))
        ++count;
    return count;
}

bool WorkbookDump::Has(std::string_view line) const {
    for (const std::string& l : lines)
        if (l == line) return true;
    return false;
}

std::string WorkbookDump::Cell(std::string_view coordinate) const {
    const std::string prefix = "cell " + std::string(coordinate) + " ";
    for (const std::string& l : lines)
        if (l.rfind(prefix, 0) == 0) return l;
    return {};
}

WorkbookDump ReadBack(const std::string& path) {
    WorkbookDump dump;
    dump.text = Run("/usr/bin/python3 '" KVILO_XLSX_DUMP_SCRIPT "' '" + path + "' 2>&1", dump.readable);
    std::istringstream in(dump.text);
    for (std::string line; std::getline(in, line);)
        dump.lines.push_back(line);
    return dump;
}

} // namespace kvilo::xlsx::testing
