#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later
"""A record written from its documented format alone, checked by the program with no display:
it holds as written, and an edit is named by its line."""
import hashlib, os, subprocess, sys, tempfile

program = sys.argv[1]
sha = lambda text: hashlib.sha256(text.encode()).hexdigest()
lines = ["#chuikomer-games\t2"]
for g in range(3):
    game = os.urandom(8).hex()
    hidden = [(3 * i + g) % 5 + 1 for i in range(10)]
    secrets = [os.urandom(16).hex() for _ in range(10)]
    seals = [sha(f"chuikomer-seal:{game}:{n + 1}:{hidden[n]}:{secrets[n]}") for n in range(10)]
    lines.append("\t".join([f"2026-12-08T07:00:0{g}Z", "1", " ".join(map(str, hidden)),
                            " ".join(["1"] * 10), game, " ".join(secrets), " ".join(seals),
                            sha(lines[-1])]))


def check(record):
    with tempfile.NamedTemporaryFile("w", suffix=".tsv") as f:
        f.write("\n".join(record) + "\n")
        f.flush()
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env.update(LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8", LANGUAGE="")
        done = subprocess.run([program, "--verify", f.name], env=env, capture_output=True,
                              text=True, timeout=60)
        return done.returncode, [l.split(":")[0] for l in done.stdout.splitlines()
                                 if l.startswith("Line ")]


assert check(lines) == (0, []), check(lines)
# The second game's third hidden picture changed: its seal, and the next line's hash, fail.
edited = lines[:]
fields = edited[2].split("\t")
pictures = fields[2].split(" ")
pictures[2] = "5" if pictures[2] != "5" else "4"
fields[2] = " ".join(pictures)
edited[2] = "\t".join(fields)
assert check(edited) == (1, ["Line 3", "Line 4"]), check(edited)
# Nothing to check is no pass.
missing = subprocess.run([program, "--verify", "/nonexistent/games.tsv"], capture_output=True)
assert missing.returncode == 2 and missing.stderr, missing
print("ok")
