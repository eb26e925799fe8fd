#!/bin/sh
# Checks that an archive written by VFZip.dll's ZipFiles is a standard zip archive: Info-ZIP
# unzip tests it without errors and unpacks exactly the files that went in.
#
#   unzip_check.sh WINE_RUN STATE_DIR ZIP_SAMPLE_EXE WORK_DIR
set -eu
wine_run=$1 state=$2 sample=$3 work=$4

if ! command -v unzip >/dev/null; then
  echo "Info-ZIP unzip is not installed (Debian package 'unzip')" >&2
  exit 1
fi

rm -rf "$work"
mkdir -p "$work/src/icons/desktop" "$work/src/cursors" "$work/src/empty"
printf '[Package Info]\r\nName=Check\r\n' > "$work/src/check.gdtheme"
: > "$work/src/README"
i=0
while [ $i -lt 3000 ]; do printf '%05d some icon bytes\n' $i; i=$((i + 1)); done \
  > "$work/src/icons/desktop/My Computer.ico"
head -c 65536 /dev/urandom > "$work/src/cursors/arrow.cur"

# Wine sees the Linux root as drive Z:.
to_windows() { printf 'Z:%s' "$1" | tr / '\\'; }
"$wine_run" "$state" "$sample" "$(to_windows "$work/out.gd")" "$(to_windows "$work/src")"

unzip -t "$work/out.gd" | tee "$work/test.log"
grep -q "^No errors detected" "$work/test.log"
unzip -q "$work/out.gd" -d "$work/unpacked"
diff -r "$work/src" "$work/unpacked"
echo "Info-ZIP reads the archive and unpacks the same files"
