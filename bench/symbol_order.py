#!/usr/bin/env python3
"""Writes the symbols of psfilter that a one-page job touches, in the order it first touches them.

    symbol_order.py PSFILTER PPD JOB > filter/psfilter.order

Runs PSFILTER on JOB (with PPD, the options of bench/run.sh, output to /dev/null) under
valgrind's lackey, which traces every instruction and data access, and names the function or
object of the program's own image that holds each address. The linker places the listed symbols
first, in this order, so that the code and constant data every job reads lie on a few pages
instead of being spread over the whole image: a short job's time is mostly its start-up, and on
a virtual machine each page first touched costs a fault of several microseconds.

Run it again after a change that renames or adds code on a job's every-day path; symbols that are
gone are skipped by the linker, and new ones are placed as the compiler left them.
"""
import bisect
import os
import struct
import subprocess
import sys

USAGE = 'usage: symbol_order.py PSFILTER PPD JOB > ORDER_FILE'
OPTIONS = 'media=A4 landscape'
# nm's types of the symbols worth placing: code, constant data, data and zeroed data, global or
# local, including the unique globals of inline variables and template statics.
PLACED_TYPES = set('TtRrDdBbuVvWw')
# Valgrind maps its own copy of the dynamic loader and the shared libraries from here upward; a
# position-independent program is loaded below.
VALGRIND_LIBRARIES = 0x4000000


def entry_point(path):
    with open(path, 'rb') as binary:
        header = binary.read(64)
    if header[:4] != b'\x7fELF' or header[4] != 2:
        sys.exit(f'symbol_order.py: {path} is not a 64-bit ELF program')
    return struct.unpack_from('<Q', header, 24)[0]


def symbols_of(path):
    """(start, end, name) of every placed symbol, by address; a symbol without a size reaches to
    the next one."""
    listing = subprocess.run(['nm', '--defined-only', '-S', path], capture_output=True, text=True,
                             check=True).stdout
    rows = []
    for line in listing.splitlines():
        fields = line.split()
        # A versioned name (name@VERSION) is a shared library's, copied in: not the program's.
        if not fields or '@' in fields[-1]:
            continue
        if len(fields) == 4 and fields[2] in PLACED_TYPES:
            rows.append((int(fields[0], 16), int(fields[1], 16), fields[3]))
        elif len(fields) == 3 and fields[1] in PLACED_TYPES:
            rows.append((int(fields[0], 16), 0, fields[2]))
    rows.sort()
    spans = []
    for index, (start, size, name) in enumerate(rows):
        if size == 0:
            following = rows[index + 1][0] if index + 1 < len(rows) else start + 1
            size = max(following - start, 1)
        spans.append((start, start + size, name))
    return spans


def traced_accesses(program, ppd, job):
    """(is an instruction, address) of each of the run's accesses, in order, as lackey traces
    them through a pipe."""
    reader, writer = os.pipe()
    environment = dict(os.environ, PPD=ppd, LC_ALL='C')
    with open(os.devnull, 'wb') as null:
        run = subprocess.Popen(['valgrind', '--tool=lackey', '--trace-mem=yes',
                                f'--log-fd={writer}', program, '1', 'bench', 'bench', '1', OPTIONS,
                                job], env=environment, stdout=null, pass_fds=(writer,))
    os.close(writer)
    with os.fdopen(reader) as lines:
        for line in lines:
            fields = line.split()
            if len(fields) == 2 and fields[0] in ('I', 'L', 'S', 'M'):
                yield fields[0] == 'I', int(fields[1].split(',')[0], 16)
    if run.wait() != 0:
        sys.exit(f'symbol_order.py: {program} failed under valgrind')


def main():
    if len(sys.argv) != 4:
        sys.exit(USAGE)
    program, ppd, job = sys.argv[1:]
    entry = entry_point(program)
    spans = symbols_of(program)
    starts = [span[0] for span in spans]
    base = None
    placed, order = set(), []
    for instruction, address in traced_accesses(program, ppd, job):
        if base is None:
            # The first instruction run in the program's own image is its entry point.
            if instruction and address < VALGRIND_LIBRARIES and (address - entry) % 4096 == 0:
                base = address - entry
            continue
        offset = address - base
        index = bisect.bisect_right(starts, offset) - 1
        if index < 0 or offset >= spans[index][1]:
            continue
        name = spans[index][2]
        if name not in placed:
            placed.add(name)
            order.append(name)
    if base is None:
        sys.exit('symbol_order.py: the trace never reached the program')
    sys.stdout.write(''.join(name + '\n' for name in order))


if __name__ == '__main__':
    main()
