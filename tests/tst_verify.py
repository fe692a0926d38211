#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later
"""A record written from its documented format alone, checked by the program with no display
as a sceptic would: wherever the file lies and whoever owns it, never writing, refusing what is
no plain file, and naming the lines an edit touches."""
import hashlib, os, shutil, stat, subprocess, sys, tempfile

program = sys.argv[1]
sha = lambda text: hashlib.sha256(text.encode()).hexdigest()
lines = ["#chuikomer-games\t3"]
seals = []
for g in range(3):
    game, secret = os.urandom(8).hex(), os.urandom(16).hex()
    hidden = " ".join(str((3 * i + g) % 5 + 1) for i in range(10))
    seals.append(sha(f"chuikomer-game:{game}:1:{hidden}:{secret}"))
    lines.append("\t".join([f"2026-12-08T07:00:0{g}Z", "1", hidden, " ".join(["1"] * 10), game,
                            secret, sha(lines[-1])[:32]]))
record = "\n".join(lines) + "\n"
head = " ".join(sha(lines[-1])[i:i + 4] for i in range(0, 16, 4))
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
env.update(LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8", LANGUAGE="")


def verify(path):
    done = subprocess.run([program, "--verify", path], env=env, capture_output=True,
                          text=True, timeout=60)
    named = [l.split(":")[0] for l in done.stdout.splitlines() if l.startswith("Line ")]
    return done.returncode, named, done.stdout + done.stderr


root = tempfile.mkdtemp()
os.chmod(root, 0o755)
plain = os.path.join(root, "games.tsv")
with open(plain, "w") as f:
    f.write(record)
os.symlink(plain, os.path.join(root, "link.tsv"))
odd = os.path.join(root.encode(), b"games-\xff.tsv")
shutil.copy(plain, odd)
readonly = os.path.join(root, "read-only.tsv")
shutil.copy(plain, readonly)
os.chmod(readonly, 0o444)
os.link(plain, os.path.join(root, "hard.tsv"))
os.mkfifo(os.path.join(root, "fifo"))
if os.geteuid() == 0:
    os.chown(readonly, 65534, 65534)
edited = lines[:]
edited[2] = edited[2].replace("\t1 1 1", "\t2 1 1", 1)
with open(os.path.join(root, "edited.tsv"), "w") as f:
    f.write("\n".join(edited) + "\n")
with open(os.path.join(root, "tabbed.tsv"), "w") as f:
    f.write("\n".join(lines[:1] + [l + "\tx" for l in lines[1:]]) + "\n")
before = {n: open(os.path.join(root, n), "rb").read() for n in os.listdir(root) if n != "fifo"}

# (file, exit status, lines named, what the output holds)
cases = [
    ("games.tsv", 0, [], head),
    ("link.tsv", 0, [], head),
    (odd, 0, [], head),
    ("read-only.tsv", 0, [], head),
    ("hard.tsv", 0, [], head),
    ("edited.tsv", 1, ["Line 3", "Line 4"], head),
    ("tabbed.tsv", 1, ["Line 2", "Line 3", "Line 4"], "no game"),
    ("fifo", 2, [], "not a regular file"),
    (root, 2, [], "not a regular file"),
    ("missing.tsv", 2, [], "missing.tsv"),
]
for name, status, named, said in cases:
    path = name if isinstance(name, bytes) or name.startswith("/") else os.path.join(root, name)
    got = verify(path)
    assert got[:2] == (status, named) and said.lower() in got[2].lower(), (name, got)
# Checking wrote nothing, and made nothing.
after = {n: open(os.path.join(root, n), "rb").read() for n in os.listdir(root) if n != "fifo"}
assert before == after, "a check changed the files"
print("ok")
