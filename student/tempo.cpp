#include "student/tempo.h"

#include <climits>
#include <cmath>
#include <cstdio>

namespace quadrivo {

namespace {

std::time_t SystemClock()
{
    return std::time(nullptr);
}

ClockFunction currentClock = SystemClock;

// Seconds read from a file may be anything an int holds; sums and differences
// of them are clamped rather than allowed to overflow.
int ClampToInt(long long n)
{
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<int>(n);
}

CStringa TimeText(std::time_t t)
{
    char buf[64];
    if (!ctime_r(&t, buf)) return CStringa();
    CStringa text(buf);
    text.Trim();
    return text;
}

}  // namespace

std::time_t Now()
{
    return currentClock();
}

ClockFunction SetClock(ClockFunction clock)
{
    const ClockFunction previous = currentClock;
    currentClock = clock ? clock : SystemClock;
    return previous;
}

CStringa FormatMinSec(int seconds)
{
    const long long s = seconds;
    const long long magnitude = s < 0 ? -s : s;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%lld:%02lld", s < 0 ? "-" : "", magnitude / 60, magnitude % 60);
    return CStringa(buf);
}

CStringa NowText()
{
    return TimeText(Now());
}

CTempo::CTempo() : start_(Now()) {}

CTempo::CTempo(int limit) : start_(Now()), limit_(limit) {}

bool CTempo::operator==(const CTempo& other) const
{
    return running_ == other.running_ && start_ == other.start_ && limit_ == other.limit_ &&
           accumulated_ == other.accumulated_;
}

void CTempo::Start()
{
    running_ = 1;
    start_ = Now();
}

void CTempo::Stop()
{
    accumulated_ = Elapsed();
    running_ = 0;
}

int CTempo::Elapsed() const
{
    if (!running_) return accumulated_;
    // A clock set back gives a negative span; difftime is truncated toward zero.
    const double total = accumulated_ + std::trunc(std::difftime(Now(), start_));
    if (total > INT_MAX) return INT_MAX;
    if (total < INT_MIN) return INT_MIN;
    return static_cast<int>(total);
}

void CTempo::SetElapsed(int seconds)
{
    running_ = 0;
    accumulated_ = seconds;
}

int CTempo::Remaining() const
{
    return ClampToInt(static_cast<long long>(limit_) - Elapsed());
}

bool CTempo::Expired() const
{
    return limit_ >= 1 && Remaining() < 1;
}

CStringa CTempo::LimitText() const
{
    return FormatMinSec(limit_);
}

CStringa CTempo::ElapsedText() const
{
    return FormatMinSec(Elapsed());
}

CStringa CTempo::RemainingText() const
{
    const int left = Remaining();
    return left < 1 ? CStringa("0:00") : FormatMinSec(left);
}

CStringa CTempo::StartText() const
{
    return TimeText(start_);
}

}  // namespace quadrivo
