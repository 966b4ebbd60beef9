#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""nalvo-cli as a process: each command with good arguments (status 0 and the start of its
output) and with bad ones (status 1 or 2 and a message on stderr naming the fault), in an empty
settings folder with the shipped data.
Usage: cli_processes.py NALVO_CLI DATA_DIR (ctest runs it)."""

import atexit
import os
import shutil
import subprocess
import sys
import tempfile


def main():
    cli, data = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    home = tempfile.mkdtemp(prefix="nalvo-cli-")
    atexit.register(shutil.rmtree, home, ignore_errors=True)  # also after a failed check
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
               NALVO_DATA=data, QT_QPA_PLATFORM="offscreen")
    picture = os.path.join(home, "sky.bmp")
    comet = os.path.join(home, "comet.syt")
    plain = os.path.join(home, "plain-file")
    open(plain, "w").write("x")
    d = "2026-01-01T00:00"
    # (arguments, exit status, stream that holds the text, text it must contain)
    cases = [
        (["--version"], 0, "out", "nalvo-cli (Nalvo) "),
        (["--help"], 0, "out", "Usage: nalvo-cli COMMAND"),
        ([], 2, "err", "Usage: nalvo-cli COMMAND"),
        (["frobnicate"], 2, "err", "unknown command 'frobnicate'"),
        (["positions", "--date", d], 0, "out", "date_utc,body,ra_deg,dec_deg"),
        (["positions", "--date", "2026-02-30T00:00"], 2, "err", "2026-02-30T00:00"),
        (["positions", "--data", os.path.join(home, "nowhere")], 2, "err", "nowhere"),
        (["accuracy"], 0, "out", "maxSep"),
        (["accuracy", "--reference", os.path.join(home, "none.csv")], 1, "err", "none.csv"),
        (["render", "--view", "13", "--date", d, "--out", picture], 0, None, None),
        (["render", "--view", "15", "--out", picture], 2, "err", "--view"),
        (["render", "--view", "13", "--date", d, "--out", plain + "/x.bmp"], 2, "err", plain + " is not a folder"),
        (["position", "--body", "Mars", "--date", d], 0, "out", "Mars 2026-01-01 0h UT"),
        (["position", "--body", "Vulcan", "--date", d], 2, "err", "unknown body 'Vulcan'"),
        (["ephemeris", "--body", "Moon", "--date", d], 0, "out", "Moon Ephemeris"),
        (["ephemeris", "--body", "Moon", "--count", "7"], 2, "err", "--count"),
        (["forecast", "--date", "2026-01-01T20:00", "--lat", "45.9", "--lon", "6.1"], 0, "out", "Julien day"),
        (["forecast", "--lat", "95", "--lon", "0"], 2, "err", "--lat"),
        (["moons", "--date", d], 0, "out", "date_utc,planet,moon,x_east"),
        (["moons", "--step", "1h"], 2, "err", "--step"),
        (["moon-events", "--from", "2026-12-11", "--to", "2026-12-12"], 0, "out", "utc,planet,moon,event"),
        (["moon-events", "--from", "2026-12-11"], 2, "err", "--to"),
        (["asteroids", "convert", os.path.join(data, "asteroids.edb"), "--out", comet], 0, None, None),
        (["asteroids", "convert", os.path.join(home, "none.edb"), "--out", comet], 1, "err", "none.edb"),
        (["asteroids", "frobnicate"], 2, "err", "asteroids"),
    ]
    # Hostile arguments: refused at once with status 2 and the fault named, or bounded work. The
    # runner's timeout turns a hang or an endless range into a failure.
    missing = os.path.join(home, "no-such-folder")
    out = os.path.join(home, "out.png")
    cases += [
        (["render", "--view", "10", "--size", "100000x100000", "--out", out], 2, "err", "--size"),
        (["render", "--view", "10", "--size", "0x0", "--out", out], 2, "err", "--size"),
        (["render", "--view", "10", "--size", "-800x-600", "--out", out], 2, "err", "--size"),
        (["render", "--view", "10", "--size", "800x600x9", "--out", out], 2, "err", "--size"),
        (["render", "--view", "ten", "--out", out], 2, "err", "--view"),
        (["render", "--view", "20", "--zoom", "1e999", "--out", out], 2, "err", "--zoom"),
        (["render", "--view", "10", "--lat", "nan", "--lon", "0", "--out", out], 2, "err", "--lat"),
        (["render", "--view", "10", "--date", "1000000-01-01T00:00", "--out", out], 2, "err", "--date"),
        (["render", "--view", "10", "--date", "3001-01-01T00:00", "--out", out], 2, "err", "-100 to 3000"),
        (["render", "--view", "30", "--date", d, "--end", "9999-01-01T00:00", "--out", out], 2, "err", "--end"),
        (["render", "--view", "10", "--out", missing + "/x.png"], 2, "err", missing + " does not exist"),
        (["render", "--view", "10", "--out", home], 2, "err", "is a folder"),
        (["positions", "--from", d, "--to", "2027-01-01T00:00", "--step", "0h"], 2, "err", "--step"),
        (["positions", "--from", d, "--to", "2027-01-01T00:00", "--step", "-1d"], 2, "err", "--step"),
        (["positions", "--from", d, "--to", "2027-01-01T00:00", "--step", "1.5h"], 2, "err", "--step"),
        (["positions", "--from", d, "--to", "2027-01-01T00:00", "--step", "99999999999999999999m"], 2, "err",
         "--step"),
        (["positions", "--from", "0001-01-01T00:00", "--to", "2999-12-31T00:00", "--step", "1m"], 2, "err",
         "2000000 rows"),
        (["moons", "--from", "0001-01-01T00:00", "--to", "2999-12-31T00:00", "--step", "1m"], 2, "err",
         "2000000 instants"),
        (["positions", "--date", "-0101-01-01T00:00"], 2, "err", "-100 to 3000"),
        (["positions", "--date", "-0100-01-01T00:00"], 0, "out", "-0100-01-01T00:00,Sun,"),
        (["positions", "--date", "3000-12-31T23:59"], 0, "out", "3000-12-31T23:59,Sun,"),
        (["moons", "--date", "9999-01-01T00:00"], 2, "err", "-100 to 3000"),
        (["moon-events", "--from", "1900-01-01", "--to", "2001-01-01"], 2, "err", "over 100 years"),
        (["moon-events", "--from", "3000-06-01", "--to", "3001-01-01"], 2, "err", "-100 to 3000"),
        (["ephemeris", "--body", "Mars", "--count", "1000000000"], 2, "err", "--count"),
        (["ephemeris", "--body", "Mars", "--step", "0d"], 2, "err", "--step"),
        (["ephemeris", "--body", "Mars", "--lat", "abc", "--lon", "0"], 2, "err", "--lat"),
        (["position", "--body", "Mars", "--date", d, "--out", plain + "/x.txt"], 2, "err", "not a folder"),
        (["forecast", "--date", d, "--out", missing + "/x.txt"], 2, "err", "does not exist"),
        (["asteroids", "convert", os.path.join(data, "asteroids.edb"), "--out", plain + "/c.syt"], 2, "err",
         "not a folder"),
    ]
    failures = 0
    for args, status, stream, text in cases:
        r = subprocess.run([cli] + args, env=env, cwd=home, capture_output=True, text=True,
                           errors="replace", timeout=120)
        got = {"out": r.stdout, "err": r.stderr}
        problems = []
        if r.returncode != status:
            problems.append("status %d, expected %d" % (r.returncode, status))
        if stream and text not in got[stream]:
            problems.append("std%s lacks %r" % (stream, text))
        if status != 0 and not r.stderr.strip():
            problems.append("no message on stderr")
        if problems:
            failures += 1
            print("FAIL nalvo-cli %s: %s\n  stdout: %s\n  stderr: %s" % (
                " ".join(args), "; ".join(problems), r.stdout[:300], r.stderr[:300]))
    # What the good runs wrote: a 24-bit bitmap and a comet file.
    if not (os.path.exists(picture) and open(picture, "rb").read(2) == b"BM"):
        failures += 1
        print("FAIL render wrote no bitmap")
    if not (os.path.exists(comet) and os.path.getsize(comet) > 0):
        failures += 1
        print("FAIL asteroids convert wrote no comet file")
    print("%d of %d runs as expected" % (len(cases) - failures, len(cases)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
