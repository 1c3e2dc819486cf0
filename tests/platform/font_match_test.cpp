// The font mapping: a font the system has stands for itself, a missing one gets the installed face that
// fontconfig chooses for it.
#include <gtest/gtest.h>

#include "platform/font_match.h"

namespace kvilo::platform {
namespace {

TEST(FontMatch, AnInstalledFamilyStandsForItself) {
    EXPECT_EQ(MatchFontFamily("DejaVu Sans"), "DejaVu Sans");
}

TEST(FontMatch, AMissingWindowsFontGetsAnInstalledFace) {
    // This machine has DejaVu only (scripts/setup-deps installs fonts-dejavu-core).
    for (const char* windowsFont : {"Segoe UI", "Calibri", "Tahoma", "Verdana", "Arial"}) {
        const std::string face = MatchFontFamily(windowsFont);
        EXPECT_FALSE(face.empty()) << windowsFont;
        EXPECT_EQ(MatchFontFamily(face), face) << windowsFont << " -> " << face;
    }
}

} // namespace
} // namespace kvilo::platform
