#!/bin/sh
# Cross-check of ReadExecutableIcons: "gdctl icon list" and "gdctl icon extract", run under Wine
# on the programs and libraries of the Wine prefix, must find the same icon groups, in the same
# order and with the same image bytes, as wrestool finds in the same files from the Linux side.
#
#   wine_system_icons.sh WINE_RUN STATE_DIR GDCTL_EXE WORK_DIR
set -eu
wine_run=$1 state=$2 gdctl=$3 work=$4

if ! command -v wrestool >/dev/null 2>&1; then
  echo "wrestool is not installed"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
windows="$state/prefix/drive_c/windows"
failures=0
checked=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A Windows path for a Linux path, through Wine's Z: drive.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# The 16-bit value at a byte offset of a file.
word_at() { od -An -tu2 -j"$2" -N2 "$1" | tr -d ' '; }

check_file() {
  linux=$1 winfile=$2
  wrestool -l --type=14 "$linux" 2>/dev/null |
    sed -n "s/^--type=14 --name=\\([^ ]*\\) .*/\\1/p" |
    sed "s/^'\\(.*\\)'\$/\\1/; t; s/^/#/" >"$work/theirs.names"
  if ! "$wine_run" "$state" "$gdctl" icon list "$winfile" >"$work/ours.list" 2>"$work/ours.err"; then
    if [ -s "$work/theirs.names" ]; then fail "$winfile: gdctl icon list failed: $(cat "$work/ours.err")"; fi
    return 0
  fi
  tr -d '\r' <"$work/ours.list" | cut -f2 >"$work/ours.names"
  if ! cmp -s "$work/ours.names" "$work/theirs.names"; then
    fail "$winfile: group names differ"
    diff "$work/ours.names" "$work/theirs.names" | head -5
    return 0
  fi
  index=0
  while read -r name; do
    ours="$work/ours-$index.ico"
    theirs="$work/theirs-$index.ico"
    if ! "$wine_run" "$state" "$gdctl" icon extract "$winfile" "$index" "$(winpath "$ours")" 2>"$work/extract.err"; then
      fail "$winfile: extract $index: $(cat "$work/extract.err")"
      index=$((index + 1))
      continue
    fi
    resource=${name#\#}
    wrestool -x --type=14 --name="$resource" -o "$theirs" "$linux" 2>/dev/null
    count=$(word_at "$ours" 4)
    if [ "$count" != "$(word_at "$theirs" 4)" ]; then
      fail "$winfile group $index ($name): $count images, wrestool $(word_at "$theirs" 4)"
    else
      # The image bytes follow the directory in both files; wrestool may add bytes at the end.
      skip=$((6 + 16 * count))
      length=$(($(wc -c <"$ours") - skip))
      if ! cmp -s -n "$length" "$ours" "$theirs" -i "$skip:$skip" 2>/dev/null; then
        fail "$winfile group $index ($name): image bytes differ"
      fi
    fi
    checked=$((checked + 1))
    index=$((index + 1))
  done <"$work/theirs.names"
}

for file in system32/shell32.dll system32/comctl32.dll system32/comdlg32.dll system32/user32.dll \
            system32/cmd.exe system32/taskmgr.exe system32/winecfg.exe regedit.exe notepad.exe explorer.exe \
            system32/kernel32.dll; do
  [ -f "$windows/$file" ] || { fail "missing $windows/$file"; continue; }
  check_file "$windows/$file" "C:\\windows\\$(printf '%s' "$file" | tr / '\\')"
done

echo "$checked icon groups compared, $failures failures"
[ "$checked" -gt 100 ] || { echo "FAIL: too few groups compared"; exit 1; }
[ "$failures" -eq 0 ]
