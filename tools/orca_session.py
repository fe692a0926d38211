#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs a program with the Orca screen reader listening, and reads what Orca says.

Everything belongs to one session and goes with it: an Xvfb server with openbox, a D-Bus
session bus (which starts the AT-SPI bus when asked), Orca with a clean HOME and XDG folders,
no speech server, and Orca's debug log line-buffered so that every utterance can be read as
soon as it is said. Programs run with Qt's accessibility bridge on and XDG_DATA_HOME in the
session's folder, so no user's data is touched. Orca speaks English role names (LANG is
C.UTF-8). Every wait is bounded: nothing hangs when Orca stays silent. Needs orca,
at-spi2-core, dbus, xvfb, openbox and xdotool (tools/setup.sh installs them); runs as any user,
root included, with no display or session bus of its own.

As a module (tests/tst_orca.py imports it from here):

    from orca_session import OrcaSession
    with OrcaSession() as orca:
        orca.start(["build/chuikomer"])
        orca.wait_for("push button")            # the window is up with the focus in it
        orca.press("shift+Tab", "space")        # xdotool key names, one after another
        orca.wait_for("Угадайте 1-ю картинку")  # a substring or a compiled pattern

wait_for looks only at what was said after the utterance its last wait matched, or after the
last start, and raises OrcaSilent, with everything said since, when nothing matches in time.
said() is every utterance so far; stop(process) ends a program before the session does. Made with
screen_reader=False, the session has no Orca until start_screen_reader(), as when a player
starts Orca after the program (wait_for_window tells when that one is up). Keys
go to whichever window has the focus when they arrive: wait for what a key makes Orca say
before pressing the next one that needs its effect (a dialog opening, say). tst_orca.py shows
a whole test; CTest runs it as a plain command, with a TIMEOUT.

As a command, it prints what Orca says while the keys given are pressed, a second apart:

    tools/orca_session.py [--keys "shift+Tab space"] PROGRAM [ARG...]
"""

import argparse
import ctypes
import os
import re
import select
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Runs Orca's own start script with three changes: its debug file is line-buffered, so that
# each utterance reaches the file as it is said; it does not refuse to start beside another
# user's Orca; and it keeps the interpreter's process name, so no other Orca takes it for one.
ORCA_LAUNCHER = """
import builtins, runpy, sys
# The functions' own globals: run_path returns a copy.
script = runpy.run_path(sys.argv[1], run_name="orca_launcher")["main"].__globals__
def open_line_buffered(file, mode="r", *args, **kwargs):
    if "w" in mode or "a" in mode:
        kwargs["buffering"] = 1
    return builtins.open(file, mode, *args, **kwargs)
script["open"] = open_line_buffered
script["otherOrcas"] = lambda: []
script["setProcessName"] = lambda name: False
sys.argv = ["orca"] + sys.argv[2:]
sys.exit(script["main"]())
"""

# One utterance in Orca's debug log; its text may run over several lines.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*(?:\{[^\n]*\})?$", re.S | re.M)

START_TIMEOUT = 15.0
PR_SET_CHILD_SUBREAPER = 36


class OrcaSilent(AssertionError):
    pass


def _wait_until(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise RuntimeError("orca_session: %s in %g s" % (what, timeout))
        time.sleep(0.05)


def _read_line(pipe, timeout, what):
    ready, _, _ = select.select([pipe], [], [], timeout)
    if not ready:
        raise RuntimeError("orca_session: %s in %g s" % (what, timeout))
    return pipe.readline().strip()


class OrcaSession:
    def __init__(self, keep=bool(os.environ.get("ORCA_SESSION_KEEP")), screen_reader=True):
        # The bus's children outlive it for a moment; they come back here, not to an init
        # that may never reap them.
        ctypes.CDLL(None).prctl(PR_SET_CHILD_SUBREAPER, 1)
        self.keep = keep
        # Without it, the session starts with no Orca: start_screen_reader() starts it later.
        self.screen_reader = screen_reader
        self.folder = tempfile.mkdtemp(prefix="orca-session-")
        self.log = os.path.join(self.folder, "orca.log")
        self._processes = []  # the session's own, (process, whole process group)
        self._programs = []
        self._read = 0
        self._matched = 0
        self.env = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            # Its logs tell why.
            self.keep = True
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _path(self, *parts):
        path = os.path.join(self.folder, *parts)
        os.makedirs(path, mode=0o700, exist_ok=True)
        return path

    def _spawn(self, argv, name, group=False, **kwargs):
        out = open(os.path.join(self.folder, name + ".out"), "wb")
        kwargs.setdefault("stdout", out)
        process = subprocess.Popen(argv, env=self.env, stderr=out, stdin=subprocess.DEVNULL,
                                   start_new_session=group, **kwargs)
        out.close()
        self._processes.append((process, group))
        return process

    def _start(self):
        home = self._path("home")
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("XDG_", "DBUS_", "AT_SPI", "QT_", "WAYLAND", "GTK_"))
               and k not in ("DISPLAY", "NO_AT_BRIDGE", "LANGUAGE", "SESSION_MANAGER")}
        env.update(HOME=home, LANG="C.UTF-8", LC_ALL="C.UTF-8", GSETTINGS_BACKEND="memory",
                   XDG_CONFIG_HOME=self._path("home", ".config"),
                   XDG_DATA_HOME=self._path("home", ".local", "share"),
                   XDG_CACHE_HOME=self._path("home", ".cache"),
                   XDG_RUNTIME_DIR=self._path("runtime"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # With no speech server, speech-dispatcher's client would try to start one and Orca
        # would wait for it.
        speechd = self._path("home", ".config", "speech-dispatcher")
        with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
            conf.write("DisableAutoSpawn\n")
        self.env = env

        # Xvfb picks a free display itself and writes its number once it accepts clients. Left
        # to itself it resets whenever its last client leaves, and drops whoever is connecting
        # meanwhile: a program ending as the next one starts.
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp", "-noreset"], "xvfb", pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as displayfd:
            env["DISPLAY"] = ":" + _read_line(displayfd, START_TIMEOUT, "Xvfb did not start")

        # Ready once it has started in full, which it tells without an X client of ours; on a
        # busy machine that takes seconds, as in tools/with-xvfb.
        ready = os.path.join(self.folder, "openbox-ready")
        openbox = self._spawn(["openbox", "--sm-disable", "--startup",
                               "touch " + shlex.quote(ready)], "openbox")
        _wait_until(lambda: os.path.exists(ready) or openbox.poll() is not None,
                    4 * START_TIMEOUT, "openbox did not start")
        if not os.path.exists(ready):
            raise RuntimeError("orca_session: openbox ended: " + self._output("openbox"))

        # The bus and all it starts (the AT-SPI bus and registry) form one process group.
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], "dbus",
                          group=True, stdout=subprocess.PIPE, text=True)
        env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(bus.stdout, START_TIMEOUT,
                                                     "the session bus did not start")

        if self.screen_reader:
            self.start_screen_reader()

    def start_screen_reader(self):
        """Starts Orca, at the session's start or, for a session made without it, later."""
        orca = shutil.which("orca")
        if not orca:
            raise RuntimeError("orca_session: orca is not installed (tools/setup.sh)")
        with open(orca) as script:
            interpreter = script.readline()[2:].split()
        self._spawn(interpreter + ["-c", ORCA_LAUNCHER, orca, "--debug-file", self.log], "orca")
        _wait_until(lambda: "ORCA: Starting registry" in self._log_text(),
                    START_TIMEOUT, "Orca did not start; see " + self.log)

    def _output(self, name):
        with open(os.path.join(self.folder, name + ".out"), errors="replace") as out:
            return out.read()

    def _log_text(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    def start(self, argv, env=None):
        """Starts a program in the session; it is stopped with the session. The next wait
        looks only at what is said from now on. `env` adds to the session's variables, or
        removes those it gives None."""
        self._matched = len(self.said())
        program_env = {name: value for name, value in dict(self.env, **(env or {})).items()
                       if value is not None}
        output = os.path.join(self.folder, os.path.basename(argv[0]) + ".out")
        with open(output, "ab") as out:
            process = subprocess.Popen(argv, env=program_env, stdout=out, stderr=out,
                                       stdin=subprocess.DEVNULL)
        process.output = output
        self._programs.append(process)
        return process

    def _programs_state(self):
        """How the programs started here fare, and the end of what they wrote."""
        lines = []
        for process in self._programs:
            state = "running" if process.poll() is None else "exited %d" % process.returncode
            with open(process.output, encoding="utf-8", errors="replace") as out:
                tail = out.read().splitlines()[-5:]
            lines.append("%s: %s" % (" ".join(process.args), state))
            lines += ["  | " + line for line in tail]
        return "\n".join(lines)

    def stop(self, process):
        """Ends a program started here, if still running."""
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def said(self):
        """Every utterance so far, oldest first."""
        # Orca's log indents the lines after an utterance's first.
        return [re.sub(r"\n\s+", "\n", text) for text in UTTERANCE.findall(self._log_text())]

    def press(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", key], env=self.env, check=True, timeout=10)

    def wait_for_window(self, process, timeout=30.0):
        """Waits, with no screen reader to tell, until a program started here shows a window."""
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                        str(process.pid), "--name", "."], env=self.env, check=True,
                       timeout=timeout, stdout=subprocess.DEVNULL)

    def wait_for(self, expected, timeout=10.0):
        """The first utterance after the last one matched that contains `expected` (a
        string, or a compiled pattern to search for)."""
        deadline = time.monotonic() + timeout
        while True:
            said = self.said()
            for i in range(self._matched, len(said)):
                found = (expected.search(said[i]) if isinstance(expected, re.Pattern)
                         else expected in said[i])
                if found:
                    self._matched = i + 1
                    return said[i]
            if time.monotonic() > deadline:
                raise OrcaSilent("Orca did not say %r in %g s; it said:\n  %s\n%s" % (
                    getattr(expected, "pattern", expected), timeout,
                    "\n  ".join(said[self._matched:]) or "(nothing)", self._programs_state()))
            time.sleep(0.05)

    def close(self):
        for process in self._programs:
            self.stop(process)
        self._programs = []
        for process, group in reversed(self._processes):
            if not group:
                self.stop(process)
                continue
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(process.pid, sig)
                    process.wait(5)
                    break
                except (ProcessLookupError, subprocess.TimeoutExpired):
                    pass
            process.stdout.close()
        self._processes = []
        # What the bus started was left to this process to reap.
        try:
            while os.waitpid(-1, os.WNOHANG)[0]:
                pass
        except ChildProcessError:
            pass
        if self.keep:
            print("orca_session: kept " + self.folder, file=sys.stderr)
        else:
            shutil.rmtree(self.folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description="Prints what Orca says while a program runs.")
    parser.add_argument("--keys", default="", help="xdotool key names, pressed a second apart")
    parser.add_argument("--keep", action="store_true", help="keep the session's folder")
    parser.add_argument("program", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    if not args.program:
        parser.error("no program given")
    with OrcaSession(keep=args.keep) as orca:
        orca.start(args.program)
        time.sleep(3)
        for key in args.keys.split():
            orca.press(key)
            time.sleep(1)
        time.sleep(1)
        for utterance in orca.said():
            print(utterance)


if __name__ == "__main__":
    main()
