#include "installation_fixture.h"

#include <cstring>
#include <fstream>
#include <random>

#include "base/version_resource.h"
#include "memory_bytes.h"

namespace kvilo::startup {
namespace {

const char* const kBuiltLibraries[] = {KVILO_KEYED_DRIVER_FILE, KVILO_TEXT_DRIVER_FILE, KVILO_RAW_DRIVER_FILE,
                                       KVILO_CORE_FILE};
const char* const kSystemLibraries[] = {"libc.so.6", "libcurl.so.4", "libxlsxwriter.so.4", "libz.so.1"};

std::filesystem::path FreshFolder() {
    std::random_device random;
    auto folder = std::filesystem::temp_directory_path() / ("kvilo-installation-" + std::to_string(random()));
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

bool CopyWithVersion(const std::string& from, const std::string& to, uint16_t major, uint16_t minor, uint16_t patch,
                     uint16_t build) {
    std::vector<uint8_t> bytes = FileContent(from);
    MemoryBytes source(bytes);
    auto note = FindElfNote(source, base::kVersionNoteOwner, base::kVersionNoteType);
    if (!note || note->descSize != sizeof(base::VersionResource)) return false;
    const base::VersionResource resource = base::MakeVersionResource(major, minor, patch, build);
    std::memcpy(bytes.data() + note->descOffset, &resource, sizeof resource);
    std::ofstream(to, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return true;
}

InstallationFixture::InstallationFixture() : root_(FreshFolder()) {
    std::filesystem::create_directories(Folder());
    std::filesystem::create_directories(root_ / "system");
    std::filesystem::create_directories(root_ / "data");
    std::ofstream(Folder() / "kvilo") << "program";
    for (const char* built : kBuiltLibraries) {
        std::filesystem::path source(built);
        std::filesystem::copy_file(source, Folder() / source.filename());
        ownLibraries_.push_back(source.filename().string());
    }
    for (const char* name : kSystemLibraries)
        std::ofstream(root_ / "system" / name) << "library";
}

InstallationFixture::~InstallationFixture() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string InstallationFixture::LibraryPath(size_t row) const {
    return (Folder() / ownLibraries_[row]).string();
}

std::string InstallationFixture::SystemLibraryPath(size_t row) const {
    return (root_ / "system" / kSystemLibraries[row]).string();
}

std::string InstallationFixture::OtherBuildLibrary() {
    std::string path = (root_ / std::filesystem::path(KVILO_KEYED_DRIVER_FILE).filename()).string();
    if (!std::filesystem::exists(path) && !CopyWithVersion(KVILO_KEYED_DRIVER_FILE, path, 3, 5, 1, 4711)) return {};
    return path;
}

void InstallationFixture::RemoveDataFolder() {
    std::filesystem::remove_all(root_ / "data");
}

std::string InstallationFixture::ProgramPath() {
    return (Folder() / "kvilo").string();
}

uint32_t InstallationFixture::CoreBuild(const std::string& programFolder) {
    coreFolderSeen = programFolder;
    return coreBuild;
}

std::vector<std::string> InstallationFixture::SystemLibraries() {
    return {SystemLibraryPath(0), SystemLibraryPath(1), SystemLibraryPath(2), SystemLibraryPath(3)};
}

} // namespace kvilo::startup
