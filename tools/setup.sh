#!/bin/sh
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building, running and testing the game needs on Debian 12, where missing.
set -e
packages="g++ make cmake qt6-base-dev qt6-qpa-plugins libgl-dev libsm-dev libssl-dev qt6-tools-dev qt6-l10n-tools
  reuse lintian g++-mingw-w64-x86-64-posix
  fonts-liberation fonts-dejavu-core
  xdg-utils xvfb xauth xdotool x11-utils openbox imagemagick
  orca at-spi2-core dbus-daemon dbus-session-bus-common
  desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev file clang-format locales"
# The tests run the program in Russian, in English, and in a language it does not speak.
locales="ru_RU en_US de_DE"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi
for l in $locales; do
    locale -a | grep -qix "$l.utf8" || $sudo localedef -i "$l" -c -f UTF-8 "$l.UTF-8"
done
