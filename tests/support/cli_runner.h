#pragma once
// Runs the built kvilo-cli as a program through the shell and collects its exit status and both outputs.
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "fake_services.h"

namespace kvilo::testsupport {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// `argument` as one shell word, whatever quotes it holds.
inline std::string ShellQuoted(const std::string& argument) {
    std::string q = "'";
    for (char c : argument)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// The arguments that point the suggestion and version requests at `server` and trust its certificate.
inline std::string FakeServiceUrlArguments(const FakeServices& server) {
    return ShellQuoted("SUGGESTURL=" + server.HttpsUrl("")) + " " + ShellQuoted("VERSIONURL=" + server.HttpsUrl("")) +
           " " + ShellQuoted("CAFILE=" + server.CertificateFile());
}

// Runs kvilo-cli with `arguments` (already shell words) after the environment assignments `environment`
// (shell words too); its outputs pass through files in `folder`, which must be the test's own since ctest
// runs the cases in parallel processes.
inline CliResult RunCli(const std::string& arguments, const std::string& folder, const std::string& environment = {}) {
    const std::string command = environment + " " + std::string(KVILO_BINARY_DIR) + "/src/cli/kvilo-cli " + arguments +
                                " >" + folder + "/out 2>" + folder + "/err";
    CliResult run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(folder + "/out");
    run.err = Slurp(folder + "/err");
    return run;
}

} // namespace kvilo::testsupport
