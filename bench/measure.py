#!/usr/bin/env python3
"""Times commands against one another, run in turns, and prints one line per command.

    measure.py RUNS PEAK_RUNS -- COMMAND [ARG...] [-- COMMAND [ARG...]]...

Every command runs RUNS times, in rounds that run each command once, its output and messages
sent to /dev/null and its input read from /dev/null, in this process's environment. Each command
is spawned directly, without a shell or timing program in between, so that its time is its own;
and it runs between the others rather than in a block of its own runs, so that each run finds the
caches as the other programs left them, as a spooler's filter does. For each command, in the
order given, it prints: the median wall time in seconds, the highest peak resident size in KiB
and the fewest minor page faults.

The peak comes from PEAK_RUNS more runs under GNU time (/usr/bin/time), taking turns likewise.
The rusage of a child spawned from here cannot give it: the kernel counts in a child's peak the
resident size of the memory it was started from, here this interpreter's (over 10 MiB, more than
the programs measured), while the small process that GNU time forks adds less than 1 MiB. The
faults come from the direct runs, which count only the child's own.
"""
import os
import statistics
import sys
import tempfile
import time

GNU_TIME = '/usr/bin/time'
USAGE = 'usage: measure.py RUNS PEAK_RUNS -- COMMAND [ARG...] [-- COMMAND [ARG...]]...'


def commands_of(arguments):
    commands, current = [], None
    for argument in arguments:
        if argument == '--':
            current = []
            commands.append(current)
        elif current is None:
            sys.exit('measure.py: a command starts with --')
        else:
            current.append(argument)
    if not commands or not all(commands):
        sys.exit(USAGE)
    return commands


def rounds(commands, count):
    """The commands in the order to run them: each round starts one command later, so that each
    runs after different ones and none runs twice in a row. Two commands alternate as given,
    since rotating them would run each twice in a row at every other round's turn."""
    shift = 1 if len(commands) > 2 else 0
    for number in range(count):
        start = number * shift % len(commands)
        yield from range(start, len(commands))
        yield from range(start)


def run(argv, null):
    """Runs argv to its end; returns its wall time in seconds and its rusage."""
    actions = [(os.POSIX_SPAWN_DUP2, null, 0), (os.POSIX_SPAWN_DUP2, null, 1),
               (os.POSIX_SPAWN_DUP2, null, 2)]
    start = time.perf_counter()
    pid = os.posix_spawnp(argv[0], argv, os.environ, file_actions=actions)
    _, status, usage = os.wait4(pid, 0)
    seconds = time.perf_counter() - start
    if status != 0:
        sys.exit(f'measure.py: {" ".join(argv)} failed (wait status {status})')
    return seconds, usage


def main():
    counts = sys.argv[1:3]
    if len(counts) < 2 or not all(count.isdigit() and int(count) > 0 for count in counts):
        sys.exit(USAGE)
    runs, peak_runs = map(int, counts)
    commands = commands_of(sys.argv[3:])
    null = os.open(os.devnull, os.O_RDWR)
    times = [[] for _ in commands]
    faults = [[] for _ in commands]
    for index in rounds(commands, runs):
        seconds, usage = run(commands[index], null)
        times[index].append(seconds)
        faults[index].append(usage.ru_minflt)
    peaks = [0] * len(commands)
    with tempfile.NamedTemporaryFile() as peak_file:
        for index in rounds(commands, peak_runs):
            run([GNU_TIME, '-f', '%M', '-o', peak_file.name] + commands[index], null)
            with open(peak_file.name) as report:
                peaks[index] = max(peaks[index], int(report.read().split()[-1]))
    for index in range(len(commands)):
        print(f'{statistics.median(times[index]):.6f} {peaks[index]} {min(faults[index])}')


if __name__ == '__main__':
    main()
