#!/bin/bash
# Starts the real glimmerdeck.exe in the test prefix and checks how each kind of start ends:
# the silent operations close by themselves, keywords without an action end at once, and a
# package that cannot be loaded makes "/lt" fail without applying.
#   start_e2e.sh WINE_RUN WINE_STATE GLIMMERDECK_EXE REFRESHHOOK_DLL
set -u
wine_run=$1 state=$2 exe=$3 refreshhook=$4
failures=0

expect() {  # expect STATUS DESCRIPTION ARGS...
  local want=$1 what=$2; shift 2
  local got=0
  timeout 60 "$wine_run" "$state" "$exe" "$@" </dev/null >/dev/null 2>&1 || got=$?
  if [ "$got" = "$want" ]; then
    echo "ok: $what (exit $got)"
  else
    echo "FAIL: $what: exit $got, expected $want"
    failures=$((failures + 1))
  fi
}

key='HKLM\Software\Quillmoor\Vantafold\Glimmerdeck'
"$wine_run" "$state" reg add "$key" /v Path /d 'C:\Program Files\Glimmerdeck' /f >/dev/null 2>&1
# Restoring ends with the icon cache rebuild, which the companion library does.
app_dir="$state/prefix/drive_c/Program Files/Glimmerdeck"
mkdir -p "$app_dir" && cp "$refreshhook" "$app_dir/"

expect 0 "restore without rebuild" /default2
expect 0 "restore, keywords in another case" -DEFAULT
expect 0 "a keyword with no action ends at once" /backup
expect 4 "a package that does not exist is not applied" /lt 'C:\no\such\package.gdtheme'

"$wine_run" "$state" reg delete "$key" /f >/dev/null 2>&1
echo "$failures failed"
[ "$failures" = 0 ]
