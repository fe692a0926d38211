#!/bin/bash
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix, checks the layout a desktop expects, then starts
# the installed command on the X display that tools/with-xvfb gives, under four locales in turn:
# its window must appear titled in the language the locale asks for, and F1 must hand the help
# in that language beside the program to the desktop's opener. Last, the About link must hand
# over the maker's address.
# with-xvfb installed_program.sh BUILD_DIR APP_ID SITE_URL VERSION
set -euo pipefail
build=$1
app_id=$2
site_url=$3
version=$4

work=$(mktemp -d)
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log"
    fail "cmake --install"
}

program=$prefix/lib/chuikomer
[ -x "$program/chuikomer" ] || fail "no executable in lib/chuikomer"
for help in Справка.html Help.html; do
    [ -f "$program/$help" ] || fail "no $help beside the executable"
done
grep -q '<html lang="en">' "$program/Help.html" || fail "Help.html is not the English help"
[ -L "$prefix/bin/chuikomer" ] || fail "bin/chuikomer is not a symbolic link"
[ "$(readlink -f "$prefix/bin/chuikomer")" = "$(readlink -f "$program/chuikomer")" ] ||
    fail "bin/chuikomer does not lead to the program"
desktop=$prefix/share/applications/$app_id.desktop
icon=$prefix/share/icons/hicolor/32x32/apps/$app_id.png
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry names another icon"
grep -qx "StartupWMClass=$app_id" "$desktop" || fail "desktop entry names another window class"
# A menu in a language without a translation shows the English name; a Russian one the Russian.
grep -qx "Name=Hunchmeter" "$desktop" || fail "the desktop entry's own name is not the English one"
grep -qx "Name\[ru\]=Чуйкомер" "$desktop" || fail "the desktop entry has no Russian name"
file "$icon" | grep -q 'PNG image data, 32 x 32' || fail "icon is not a 32 x 32 PNG"
# Valid as the desktop_entry and appstream_metainfo tests find them in the build tree.
[ -f "$metainfo" ] || fail "no metainfo"

for manual in man6 ru/man6; do
    gzip -dc "$prefix/share/man/$manual/chuikomer.6.gz" >"$work/chuikomer.6" || fail "no $manual page"
    grep -q '^chuikomer \\- ' "$work/chuikomer.6" || fail "the $manual page does not name chuikomer"
    grep -q "^\.TH CHUIKOMER 6 .* $version\"" "$work/chuikomer.6" || fail "the $manual page is not of $version"
done
# The English page says nothing in Russian but the program's Russian name and help.
gzip -dc "$prefix/share/man/man6/chuikomer.6.gz" | sed '/^\.\\"/d' |
    sed 's/Чуйкомер in Russian//; s/Справка\.html//' | grep -P '\p{Cyrillic}' &&
    fail "Russian in the English manual page"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo is not of $version"
[ -s "$prefix/share/doc/chuikomer/copyright" ] || fail "no copyright file"

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run under tools/with-xvfb"

# The desktop's opener, recording what it is asked to open and where.
mkdir "$work/bin"
cat >"$work/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n%s\n' "\$PWD" "\$1" >"$work/opened.part" && mv "$work/opened.part" "$work/opened"
OPENER
chmod +x "$work/bin/xdg-open"

# The program in the user's language: Russian under C and under Russian, English under English
# and under a language it does not speak; F1 opens the help in that language. Of the variables
# the test runs under, only LANG reaches the program.
real_program=$(cd "$program" && pwd -P)
locale_variables=$(env | sed -n 's/^\(LC_[A-Z_]*\|LANGUAGE\)=.*/-u \1/p')
for run in C:Чуйкомер:Справка.html ru_RU.UTF-8:Чуйкомер:Справка.html \
    de_DE.UTF-8:Hunchmeter:Help.html en_US.UTF-8:Hunchmeter:Help.html; do
    IFS=: read -r lang title help <<<"$run"
    if [ -n "$app" ]; then
        kill "$app"
        wait "$app" 2>/dev/null || true
    fi
    # shellcheck disable=SC2086
    (cd / && exec env $locale_variables LANG="$lang" PATH="$work/bin:$PATH" \
        "$prefix/bin/chuikomer" 2>"$work/app.log") &
    app=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app" --name "^$title\$" |
        head -n1) || fail "LANG=$lang: no window titled $title: $(cat "$work/app.log")"
    [ -n "$window" ] || fail "LANG=$lang: no window titled $title"
    xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "LANG=$lang: window not viewable"

    rm -f "$work/opened"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --window "$window" F1
    for _ in $(seq 100); do
        [ -s "$work/opened" ] && break
        sleep 0.1
    done
    [ -s "$work/opened" ] || fail "LANG=$lang: F1 did not open the help"
    expected=$(printf '%s\n%s/%s' "$real_program" "$real_program" "$help")
    [ "$(cat "$work/opened")" = "$expected" ] ||
        fail "LANG=$lang: help opened as '$(cat "$work/opened")', expected '$expected'"
done

# In English still, the About window's link hands the address itself over: an installed copy writes no page
# into its folder, not even as root.
rm -f "$work/opened"
xdotool key --window "$window" F10 Right Down
sleep 0.5
xdotool key --window "$window" Return
about=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app" --name '^About$' | head -n1) ||
    fail "no About window"
xdotool key --window "$about" Tab Return
for _ in $(seq 100); do
    [ -s "$work/opened" ] && break
    sleep 0.1
done
[ "$(sed -n 2p "$work/opened" 2>/dev/null)" = "$site_url" ] ||
    fail "the link opened '$(cat "$work/opened" 2>/dev/null)', expected $site_url"
[ -z "$(find "$program" -name '*.html' ! -name 'Справка.html' ! -name 'Help.html')" ] ||
    fail "a page was written into the installed folder: $(ls "$program")"

kill -0 "$app" || fail "the program ended on its own"
echo "installed program runs, opens its help and the maker's site"
