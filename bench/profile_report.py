#!/usr/bin/env python3
"""Names the frames of a window benchmark's --profile samples and prints
where the time went: per function of the benchmark program, the share of
samples it was on the stack (inclusive) and the share in which it was the
innermost of the program's own frames (self, which counts the system calls
it made); then the share per system module at the top of the stack.

    bench/profile_report.py SAMPLES EXE [TOP]
"""
import collections
import subprocess
import sys


def image_base(exe):
    out = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], capture_output=True, text=True).stdout
    for line in out.splitlines():
        if line.startswith("ImageBase"):
            return int(line.split()[1], 16)
    return 0


def main():
    samples_file, exe = sys.argv[1], sys.argv[2]
    top = int(sys.argv[3]) if len(sys.argv) > 3 else 40
    module = exe.replace("\\", "/").split("/")[-1].lower()
    samples = []
    offsets = set()
    for line in open(samples_file, encoding="utf-8", errors="replace"):
        frames = []
        for f in line.split():
            name, _, off = f.rpartition("+")
            frames.append((name.lower(), int(off, 16)))
            if name.lower() == module:
                offsets.add(int(off, 16))
        if frames:
            samples.append(frames)
    if not samples:
        print("no samples")
        return
    base = image_base(exe)
    ordered = sorted(offsets)
    # Return addresses point after the call; one byte back lies inside it.
    query = "\n".join(hex(base + o - (1 if o else 0)) for o in ordered)
    out = subprocess.run(["addr2line", "-f", "-C", "-e", exe], input=query, capture_output=True,
                         text=True).stdout.splitlines()
    names = {o: out[2 * i] for i, o in enumerate(ordered)}

    inclusive = collections.Counter()
    own = collections.Counter()
    system = collections.Counter()
    for frames in samples:
        ours = [names[o] for m, o in frames if m == module]
        for n in set(ours):
            inclusive[n] += 1
        if ours:
            own[ours[0]] += 1
        system[frames[0][0]] += 1
    total = len(samples)
    unix = sum(1 for frames in samples if len(frames) <= 2 and frames[0][0] == "?")
    print(f"{total} samples, {100.0 * unix / total:.1f} % of them inside Wine's Unix side without a Windows stack")
    print(f"{'incl %':>7} {'self %':>7}  function")
    for n, c in inclusive.most_common(top):
        print(f"{100.0 * c / total:7.1f} {100.0 * own[n] / total:7.1f}  {n[:150]}")
    print("innermost frame's module:")
    for m, c in system.most_common(8):
        print(f"{100.0 * c / total:7.1f}  {m}")


if __name__ == "__main__":
    main()
