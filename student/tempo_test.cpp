#include "student/tempo.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quadrivo {

namespace {

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

std::time_t fakeNow = 1'000'000;
std::time_t FakeClock()
{
    return fakeNow;
}

// The timers of these tests read FakeClock, which moves only when told to.
class TempoTest : public testing::Test {
protected:
    void SetUp() override { previous_ = SetClock(FakeClock); }
    void TearDown() override { SetClock(previous_); }
    ClockFunction previous_ = nullptr;
};

TEST(FormatMinSec, MinutesUnpaddedSecondsTwoDigits)
{
    const struct {
        int seconds;
        const char* text;
    } cases[] = {{0, "0:00"}, {5, "0:05"}, {59, "0:59"}, {75, "1:15"}, {3600, "60:00"}, {-75, "-1:15"}};
    for (const auto& c : cases) EXPECT_EQ(Str(FormatMinSec(c.seconds)), c.text) << c.seconds;
}

TEST_F(TempoTest, StopKeepsTheSecondsCountedWhileRunning)
{
    CTempo timer;
    timer.Start();
    fakeNow += 42;
    timer.Stop();
    fakeNow += 100;
    timer.Start();
    fakeNow += 8;
    EXPECT_EQ(timer.Elapsed(), 50);
}

TEST_F(TempoTest, UsedUpLimitExpiresAndRemainingReadsZero)
{
    CTempo timer(10);
    timer.SetElapsed(9);
    EXPECT_FALSE(timer.Expired());
    EXPECT_EQ(Str(timer.RemainingText()), "0:01");
    timer.SetElapsed(10);
    EXPECT_TRUE(timer.Expired());
    EXPECT_EQ(Str(timer.RemainingText()), "0:00");
    timer.SetElapsed(75);
    EXPECT_EQ(Str(timer.RemainingText()), "0:00");

    CTempo unlimited(0);
    unlimited.SetElapsed(1'000'000);
    EXPECT_FALSE(unlimited.Expired());
}

TEST_F(TempoTest, ExtremeSecondsFromAFileDoNotOverflow)
{
    CTempo timer(INT_MAX);
    timer.SetElapsed(INT_MIN);
    EXPECT_EQ(timer.Remaining(), INT_MAX);
    timer.SetElapsed(INT_MAX);
    timer.Start();
    fakeNow += 10;
    EXPECT_EQ(timer.Elapsed(), INT_MAX);
}

}  // namespace

}  // namespace quadrivo
