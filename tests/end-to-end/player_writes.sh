#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every write of the real program watched (strace: each open for writing,
# each new folder, rename, removal and link) while it starts with a start
# picture far larger than it shows (whose scaled copy it keeps in the picture
# cache), has its sound turned off and on again with M (a choice it keeps),
# shows "Рекорды", returns to the menu and ends, under a home folder that
# holds what players keep: backups beside the tables, odd entries in the
# picture cache. Scenario $3:
#   home          HOME set, the XDG folders not
#   relative-xdg  XDG_DATA_HOME, XDG_CACHE_HOME and XDG_CONFIG_HOME relative
#   no-home       HOME unset
#   missing-home  HOME naming a folder that does not exist
# Every write must land in Data, in the game's own folders below a home that
# exists (or the toolkit's runtime folder); the player's files are left
# byte for byte; nothing is made in the folder the game was started from.
set -euo pipefail
program=$1
data=$2
scenario=$3
source "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
mkdir -p "$work/game" "$work/run" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/game/kordamir"
cp -r "$data" "$work/game/Data"
# The start picture in every size the game may take for the screen.
python3 - "$work/huge.png" <<'PNG'
import struct, sys, zlib
width, height = 3200, 2400
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
rows = b"".join(b"\0" + bytes((y * 255 // height, 64, 160)) * width for y in range(height))
with open(sys.argv[1], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
              + chunk(b"IDAT", zlib.compress(rows, 1)) + chunk(b"IEND", b""))
PNG
for picture in "$work/game/Data/Scr/Nch"*.res; do cp "$work/huge.png" "$picture"; done
home=$work/home
# What a player keeps: a backup beside each table, a note in the cache.
echo "a backup" >"$work/game/Data/Cfg.ini.backup"
mkdir -p "$home/.local/share/kordamir" "$home/.cache/kordamir/pictures" "$home/.config"
echo "before" >"$home/.local/share/kordamir/Cfg.ini.before"
echo "mine" >"$home/.cache/kordamir/pictures/notes.txt"
mkfifo "$home/.cache/kordamir/pictures/Start.png"
mkdir "$home/.cache/kordamir/pictures/folder.png"
keep=("$work/game/Data/Cfg.ini.backup" "$home/.local/share/kordamir/Cfg.ini.before"
      "$home/.cache/kordamir/pictures/notes.txt")
md5sum "${keep[@]}" >"$work/kept.md5"

unset XDG_DATA_HOME XDG_CACHE_HOME XDG_CONFIG_HOME
allowed=("$work/game/Data/" "$work/runtime/" /dev/ /proc/)
case $scenario in
home)
  export HOME=$home
  allowed+=("$home/.local/share/kordamir/" "$home/.cache/kordamir/" "$home/.config/kordamir/")
  ;;
relative-xdg)
  export HOME=$home XDG_DATA_HOME=data XDG_CACHE_HOME=cache XDG_CONFIG_HOME=config
  allowed+=("$home/.local/share/kordamir/" "$home/.cache/kordamir/" "$home/.config/kordamir/")
  ;;
no-home) unset HOME ;;
missing-home) export HOME=$work/missing ;;
*)
  echo "unknown scenario $scenario" >&2
  exit 2
  ;;
esac
export XDG_RUNTIME_DIR=$work/runtime
# The leak checker cannot run under strace; the sanitizer build's other paths
# look for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

cd "$work/run"
strace -f -qq -o "$work/trace" \
  -e trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,linkat,symlink,symlinkat,truncate \
  "$work/game/kordamir" --mute &
pid=$!
start=$(wait_for_window '^Кордамир$')
focus_window "$start"
# Under a window manager each new window takes the keyboard.
pause 1
xdotool key m m
xdotool key Down Return # "Рекорды"
pause 2
xdotool key Escape # "Меню"
pause 2
xdotool key Up Return # "Выход"
wait_for_exit "$pid" 20
wait "$pid"

# The paths written: the first path of a write open, or of any other call
# that succeeded; both paths of a rename or link.
written=$(awk '
  / = -1 / { next }
  /(open|openat|openat2|creat)\(/ && !/O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(/ { next }
  /(open|openat|openat2|creat|mkdir|mkdirat|unlink|unlinkat|truncate)\(|(rename|renameat|renameat2|link|linkat|symlink|symlinkat)\(/ {
    line = $0
    while (match(line, /"[^"]*"/)) {
      print substr(line, RSTART + 1, RLENGTH - 2)
      line = substr(line, RSTART + RLENGTH)
      if ($0 !~ /(rename|link)/) break
    }
  }' "$work/trace" | sort -u)
stray=()
while IFS= read -r path; do
  [ -n "$path" ] || continue
  case $path in /*) ;; *) path="$work/run/$path" ;; esac
  ok=false
  for prefix in "${allowed[@]}"; do
    case $path/ in "$prefix"*) ok=true ;; esac
  done
  $ok || stray+=("$path")
done <<<"$written"
if [ ${#stray[@]} -gt 0 ]; then
  echo "written outside the game's folders ($scenario):" >&2
  printf '  %s\n' "${stray[@]}" >&2
  exit 1
fi
md5sum --quiet -c "$work/kept.md5" || { echo "a player's file was changed" >&2; exit 1; }
[ -z "$(ls -A "$work/run")" ] || { echo "made in the starting folder: $(ls -A "$work/run")" >&2; exit 1; }
[ ! -e "$work/missing" ] || { echo "the missing home was made" >&2; exit 1; }
[ -p "$home/.cache/kordamir/pictures/Start.png" ] || { echo "the FIFO in the cache was replaced" >&2; exit 1; }
[ -z "${KEEP:-}" ] || printf '%s\n' "$written"
echo "$scenario: $(wc -l <<<"$written") paths written, all in the game's folders; the player's files kept"
