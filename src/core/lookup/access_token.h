#pragma once
// The DaData API token. The program carries one built in; a user's own token, kept in the environment or in
// the settings store, replaces it. A token is never taken from the command line, where other users of the
// machine could read it, is never shown, and is masked wherever a service error or a trace repeats it.
#include <cstddef>
#include <string>
#include <string_view>

namespace kvilo::lookup {

inline constexpr char kAccessToken[] = "5b0e8c2f71d94a36c8e1f09b7a2d4c6e3f18a05d";
inline constexpr size_t kAccessTokenLength = sizeof(kAccessToken) - 1;
static_assert(kAccessTokenLength == 40);

// Where a user's own token is looked for: the environment variable, then this entry of the settings store.
inline constexpr const char* kTokenVariable = "KVILO_TOKEN";
inline constexpr const char* kTokenSection = "DaData";
inline constexpr const char* kTokenEntry = "Token";

// A token goes into a request header line: 1 to 128 visible ASCII characters and nothing else, so that no
// token can end the line and add headers of its own.
bool IsUsableToken(std::string_view token);

// The token the lookups send: the environment's when usable, else the stored one when usable, else the
// built-in one. Blanks, tabs and line ends around a token do not count.
std::string ChooseAccessToken(std::string_view fromEnvironment, std::string_view stored);

} // namespace kvilo::lookup
