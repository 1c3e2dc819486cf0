// The mark's red stays readable on light and dark lists and on the selection bars of the usual styles.
#include "gui/framework/mark_colour.h"

#include <gtest/gtest.h>

namespace kvilo::framework {
namespace {

TEST(MarkColour, ARedThatReadsOnEveryBackground) {
    EXPECT_EQ(MarkTextColour(Qt::white), QColor(0xC0, 0x00, 0x00));
    EXPECT_EQ(MarkTextColour(QColor()), QColor(0xC0, 0x00, 0x00)); // the list's own, taken as white
    EXPECT_EQ(MarkTextColour(Qt::black), QColor(0xFF, 0x70, 0x70));
    // Selection bars (Fusion, Windows, a dark theme) and the list-format palette's darker choices.
    for (const QColor back : {QColor(0x30, 0x8C, 0xC6), QColor(0x00, 0x78, 0xD7), QColor(0x2A, 0x2A, 0x2A),
                              QColor(0x80, 0x00, 0x00), QColor(0x00, 0x00, 0x80), QColor(0xFF, 0xFF, 0xE1)}) {
        const QColor mark = MarkTextColour(back);
        EXPECT_GE(ContrastRatio(mark, back), 3.0) << back.name().toStdString();
        EXPECT_GT(mark.red(), mark.green() + 40) << back.name().toStdString(); // still a red
    }
}

} // namespace
} // namespace kvilo::framework
