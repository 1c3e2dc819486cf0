#pragma once
// The installation check of start-up: a companion library must be present in the program folder and,
// for the storage drivers, come from the program's own build.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/framework/message_presenter.h"
#include "core/startup/version_reader.h"

namespace kvilo::startup {

class CompanionCheck {
public:
    // `programPath` is the running program's full path, shown in the messages.
    CompanionCheck(std::string programPath, VersionInfoReader& reader);

    // True when the check failed (its message has been shown). An expected build of 0 checks presence
    // only. With `report` set, version information that cannot be read is reported.
    bool CheckCompanionFile(std::string_view path, int64_t expectedBuild, bool report);

private:
    bool CompareBuild(std::string_view path, uint32_t expectedBuild, const base::FixedFileInfo& block);

    std::string programPath_;
    VersionInfoReader& reader_;
};

// The messages of the installation check, as the user sees them.
framework::Message BuildMismatchMessage();
framework::Message MissingCompanionMessage(std::string_view programPath, std::string_view missingPath);
framework::Message UnreadableVersionMessage();
framework::Message LibraryBuildMessage(std::string_view programPath, uint32_t expectedBuild,
                                       std::string_view libraryPath, std::string_view libraryBuildHex);
framework::Message DataFolderMessage();

// The last four of the eight upper-case hexadecimal digits of a 32-bit value: the build component.
std::string BuildHex(uint32_t value);

} // namespace kvilo::startup
