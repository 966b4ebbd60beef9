#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up smoke test of the real `nalvo` program: started on a private Xvfb with the shipped data
and an empty settings folder, it must show its "Nalvo" window, write the start-up trace to
LogFile.txt and end with status 0 when its window gets a close request (WM_DELETE_WINDOW, what
a window manager's close button sends).
The Xvfb server picks a free display itself (-displayfd), so other X servers of the machine,
started before or at the same time, are never taken for ours.
Usage: smoke_nalvo.py NALVO DATA_DIR (ctest runs it; it starts Xvfb itself)."""

import ctypes
import atexit
import os
import shutil
import subprocess
import sys
import tempfile
import time

TRACE = ("LOGFILE -- NALVO\nNalvoInit\nConstructeur...OK\nNalvoInit...OK\nSetup\nEcran OK\nImages OK\n"
         "Dates OK\nFont OK\nParametreAffichage...OK\nSetup OK\nSelectObject...OK\n")


def fail(text):
    print("smoke: " + text, file=sys.stderr)
    sys.exit(1)


def windows(name):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % name],
                       capture_output=True, text=True)
    return [int(w) for w in r.stdout.split()]


def wait_for(predicate, seconds):
    end = time.time() + seconds
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    return predicate()


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


def request_close(window):
    """Sends WM_DELETE_WINDOW to `window`, as a window manager does for its close button."""
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    d = x.XOpenDisplay(None)
    if not d:
        fail("cannot open the display")
    e = Event()
    e.xclient.type = 33  # ClientMessage
    e.xclient.window = window
    e.xclient.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
    e.xclient.format = 32
    e.xclient.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
    e.xclient.data[1] = 0  # CurrentTime
    x.XSendEvent(d, window, 0, 0, ctypes.byref(e))
    x.XFlush(d)
    x.XCloseDisplay(d)


def inner(nalvo, data):
    home = tempfile.mkdtemp(prefix="nalvo-smoke-")
    atexit.register(shutil.rmtree, home, ignore_errors=True)  # also after a failed check
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
               XDG_RUNTIME_DIR=home, NALVO_DATA=data, QT_QPA_PLATFORM="xcb")
    env.pop("QT_QPA_PLATFORM_PLUGIN_PATH", None)
    proc = subprocess.Popen([nalvo], env=env, cwd=home, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    try:
        main = wait_for(lambda: windows("Nalvo"), 30)
        if not main:
            fail("no window named Nalvo appeared")
        log = os.path.join(home, "data", "nalvo", "LogFile.txt")
        trace = wait_for(lambda: os.path.exists(log) and open(log, encoding="latin-1").read().startswith(TRACE), 15)
        if not trace:
            fail("start-up trace: %r" % (open(log, encoding="latin-1").read() if os.path.exists(log) else None))
        # The information of the day may come up first: close it the same way.
        time.sleep(1.0)
        for box in windows("NALVO information"):
            request_close(box)
            time.sleep(0.5)
        request_close(main[0])
        try:
            status = proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            fail("still running 20 s after the close request")
        output = proc.stdout.read()
        if status != 0:
            fail("exit status %d; output:\n%s" % (status, output))
        print("nalvo showed its window, wrote its trace and closed with status 0")
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--inner":
        inner(sys.argv[2], sys.argv[3])
        return 0
    if len(sys.argv) != 3:
        fail("usage: smoke_nalvo.py NALVO DATA_DIR")
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    os.close(write_end)
    try:
        with os.fdopen(read_end) as reply:
            number = reply.readline().strip()
        if not number.isdigit():
            xvfb.kill()
            fail("Xvfb did not start: " + xvfb.communicate()[1].decode(errors="replace"))
        env = dict(os.environ, DISPLAY=":" + number)
        r = subprocess.run([sys.executable, os.path.abspath(__file__), "--inner", os.path.abspath(sys.argv[1]),
                            os.path.abspath(sys.argv[2])], env=env)
        return r.returncode
    finally:
        if xvfb.poll() is None:
            xvfb.terminate()
            try:
                xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                xvfb.kill()
                xvfb.wait()


if __name__ == "__main__":
    sys.exit(main())
