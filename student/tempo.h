#ifndef QUADRIVO_STUDENT_TEMPO_H
#define QUADRIVO_STUDENT_TEMPO_H

#include <ctime>

#include "text/stringa.h"

namespace quadrivo {

// Every timer reads the time through Now(), so that a test can put the whole
// program on a clock of its own.
using ClockFunction = std::time_t (*)();

std::time_t Now();
// Installs clock as the source of Now() and returns the previous source;
// null puts back the system clock.
ClockFunction SetClock(ClockFunction clock);

// Seconds as "m:ss": minutes not zero-filled, 75 -> "1:15", 3600 -> "60:00".
// A negative count keeps its sign in front: -75 -> "-1:15".
CStringa FormatMinSec(int seconds);
// The current time as ctime prints it, without the final new line.
CStringa NowText();

// A seconds timer with an optional limit (0 or less: no limit). Elapsed time
// is what was accumulated up to the last Stop or SetElapsed, plus the time
// since Start while it runs. Copyable; equality compares every field, the
// start time included.
class CTempo {
public:
    CTempo();                    // stopped, 0 seconds, no limit, start = now
    explicit CTempo(int limit);  // the same with a limit in seconds

    bool operator==(const CTempo& other) const;
    bool operator!=(const CTempo& other) const { return !(*this == other); }

    void Start();
    void Stop();  // keeps the elapsed seconds
    int Elapsed() const;
    void SetElapsed(int seconds);  // also stops the timer
    int Remaining() const;         // limit - Elapsed(), whatever the limit
    bool Expired() const;          // a limit of 1 or more is used up
    bool IsRunning() const { return running_ != 0; }

    int GetLimit() const { return limit_; }
    void SetLimit(int seconds) { limit_ = seconds; }

    CStringa LimitText() const;
    CStringa ElapsedText() const;
    CStringa RemainingText() const;  // "0:00" once nothing is left
    CStringa StartText() const;

private:
    int running_ = 0;
    std::time_t start_;
    int limit_ = 0;
    int accumulated_ = 0;
};

}  // namespace quadrivo

#endif
