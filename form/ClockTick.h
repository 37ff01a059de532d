#pragma once

#include <cstdint>

namespace form {

// Each tick arms the clock's timer afresh for just after the next second of
// the wall clock, so that the time label changes with the true second
// whenever the program started, and a late tick, a suspend or a change of the
// system clock is put right by the next tick.
//
// The margin after the second: a timer may fire early by up to one tick of
// the system's timer (about 15.6 ms on Windows), and the tick must still read
// the time after the second's edge. A tick that lands before the edge all the
// same writes the second it reads, which is shown already, and is armed for
// the short rest: it costs a tick, never a skipped or repeated second.
inline constexpr int kClockMargin = 20; // milliseconds

// The delay in milliseconds from the moment `now` to the next tick: to the
// next whole second plus the margin, from kClockMargin + 1 to
// 1000 + kClockMargin. `now` counts milliseconds from any moment on a whole
// second (the Unix epoch, 1601 for Windows).
constexpr int ClockTickDelay(std::int64_t now)
{
    const auto intoSecond = static_cast<int>((now % 1000 + 1000) % 1000);
    return 1000 - intoSecond + kClockMargin;
}

} // namespace form
