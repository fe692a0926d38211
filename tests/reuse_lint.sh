#!/bin/bash
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file of the sources says under which licence it is, as REUSE lays out. In a git
# checkout reuse knows the project's files itself; sources without git (from a tarball, say)
# are linted as a copy with every build tree left out.
# reuse_lint.sh SOURCE_DIR
set -euo pipefail
src=$1
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    exec reuse --root "$src" lint
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A build tree is any folder that holds a CMakeCache.txt.
tar -C "$src" --exclude-tag-all=CMakeCache.txt --exclude=./.cache -cf - . | tar -C "$work" -xf -
reuse --root "$work" lint
