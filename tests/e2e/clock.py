#!/usr/bin/python3
"""Judges a watch of the time label (en_US) against the wall clock: each change
a step of one second, seen within LIMIT after its true second. A change lies
between the last read of the old text and the first read of the new: it is
late where the old text was still read LIMIT after the second, and its lag
counts where the two reads lie within RESOLUTION, as the middle between them.
A skipped, repeated or early second fails; so do late ones beyond a tenth of
the changes, the few that a machine busy with other work can hold up. Lines
on stdin: BEFORE SEEN TEXT, times as seconds of the local day:

    clock.py NAME SECONDS <changes
"""
import re
import statistics
import sys

LIMIT = 0.080
RESOLUTION = 0.020
DAY = 86400


def second_of(text):
    hour, minute, second, half = re.fullmatch(r"(\d+):(\d\d):(\d\d) ([AP]M)", text).groups()
    return (int(hour) % 12 + 12 * (half == "PM")) * 3600 + int(minute) * 60 + int(second)


def after(time, second):
    return (time - second + DAY / 2) % DAY - DAY / 2


def judge(name, seconds, changes):
    """Prints the lags; returns what failed, or None."""
    count, lags, late, last, shown = 0, [], [], None, None
    for before, seen, text in changes:
        if text == "00:00:00 AM":
            continue
        second = second_of(text)
        if last is None:
            first = round(after(seen, second) * 1000)
        else:
            if second != (last + 1) % DAY or after(seen, second) < 0:
                return f"{name}: {text} came after {shown}, seen at {seen:.3f}"
            count += 1
            window = (seen - before) % DAY
            if after(before, second) > LIMIT:
                late.append(f"{text} seen between {before:.3f} and {seen:.3f}")
            elif window <= RESOLUTION:
                lags.append(round(after(before + window / 2, second) * 1000))
        last, shown = second, text
    if last is None:
        return f"{name}: the time never showed"
    summary = (f"min {min(lags)} median {statistics.median(lags):.0f} max {max(lags)}: {lags}"
               if lags else "none")
    print(f"{name}: first time seen {first} ms into its second; {count} changes, {len(late)} "
          f"late, {len(lags)} read within {RESOLUTION * 1000:.0f} ms: lag in ms {summary}",
          *late, sep="\n  ", flush=True)
    if count < seconds - 3 or not lags or len(late) > count / 10:
        return f"{name}: {count} changes in {seconds} s, {len(late)} late"
    return None


if __name__ == "__main__":
    changes = [(float(before), float(seen), text) for before, seen, text in
               (line.rstrip("\r\n").split(" ", 2) for line in sys.stdin)]
    failure = judge(sys.argv[1], int(sys.argv[2]), changes)
    if failure:
        print(failure, file=sys.stderr)
    sys.exit(1 if failure else 0)
