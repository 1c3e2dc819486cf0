// The version note of one of the program's own binaries: every library and program of the build links this
// object, so each file carries the version it was built with, where start-up reads it back without loading
// the file. The section name makes the assembler give it the note type, and the linker a note segment.
#include "base/build_version.h"
#include "base/version_resource.h"

namespace {

[[gnu::used, gnu::section(".note.kvilo.version"), gnu::aligned(4)]] const kvilo::base::VersionNote kVersionNote =
    kvilo::base::MakeVersionNote(kvilo::base::kVersionMajor, kvilo::base::kVersionMinor, kvilo::base::kVersionPatch,
                                 kvilo::base::kBuildNumber);

} // namespace
