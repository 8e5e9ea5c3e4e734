// The acceleration of a held button's repeats, shared by the spinner and the calendar's month arrows.
#pragma once

namespace qv {

// A held button ticks every kRepeatIntervalMs.
inline constexpr int kRepeatIntervalMs = 50;
// From this tick on every tick steps: the spinner after 2.5 s, the calendar's arrows after 10 s.
inline constexpr int kSpinnerEveryTickFrom = 50;
inline constexpr int kCalendarEveryTickFrom = 200;

// Whether the tick-th tick since the press (the press itself is tick 0) steps: every fifth below 20, every second
// up to everyTickFrom, then every one. So a spinner steps every 250 ms in its first second, then every 100 ms.
constexpr bool RepeatStepDue(int tick, int everyTickFrom)
{
    if (tick < 20)
        return tick % 5 == 0;
    if (tick < everyTickFrom)
        return tick % 2 == 0;
    return true;
}

} // namespace qv
