#include "editor/core/dialogtext.h"

#include <gtest/gtest.h>

namespace quadrivo::editor {

namespace {

struct ToCase {
    const char* stored;
    std::size_t capacity;
    const char* shown;
};

TEST(ToDialogTextTest, PutsCrBeforeEveryLfWithinCapacity)
{
    const ToCase cases[] = {
        {"", 5000, ""},
        {"one line", 5000, "one line"},
        {"a\nb\n\nc", 5000, "a\r\nb\r\n\r\nc"},
        {"abcdef", 4, "abc"},
        // A line break that no longer fits is left out whole.
        {"ab\ncd", 4, "ab"},
        {"ab\ncd", 5, "ab\r\n"},
    };
    for (const ToCase& c : cases) EXPECT_EQ(ToDialogText(c.stored, c.capacity), c.shown) << c.stored;
}

TEST(ToDialogTextTest, NearlyFullTextWithBreaksNeverExceedsTheBuffer)
{
    const std::string text(4990, '\n');
    EXPECT_EQ(ToDialogText(text, 5000).size(), 4998u);
}

struct FromCase {
    const char* shown;
    const char* stored;
};

TEST(FromDialogTextTest, TurnsCrLfIntoLfAndKeepsLoneCr)
{
    const FromCase cases[] = {
        {"a\r\nb", "a\nb"},           {"ends with cr\r", "ends with cr\r"},
        {"cr\rinside", "cr\rinside"}, {"a\r\r\nb", "a\r\nb"},
        {"\r\n\r\n", "\n\n"},
    };
    for (const FromCase& c : cases) EXPECT_EQ(FromDialogText(c.shown), c.stored) << c.shown;
}

TEST(DialogTextTest, RoundTripGivesTheStoredTextBack)
{
    const std::string stored = "Prima riga\nseconda\n\nquarta\rcon un CR\r";
    EXPECT_EQ(FromDialogText(ToDialogText(stored, 5000)), stored);
}

}  // namespace

}  // namespace quadrivo::editor
