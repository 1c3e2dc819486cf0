#pragma once
// The DaData API token built into the program. It is the only token the program uses, is never shown in
// the user interface, and is masked wherever a service error repeats it.
namespace kvilo::lookup {

inline constexpr char kAccessToken[] = "5b0e8c2f71d94a36c8e1f09b7a2d4c6e3f18a05d";
inline constexpr size_t kAccessTokenLength = sizeof(kAccessToken) - 1;
static_assert(kAccessTokenLength == 40);

} // namespace kvilo::lookup
