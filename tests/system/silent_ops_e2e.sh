#!/bin/bash
# The program's main job end to end, in a Wine prefix of its own that reports Windows XP:
# "glimmerdeck.exe /lt" installs and applies the sample package (every slot that loading the
# package changes then shows the package's icon as current, read back by gdctl and by
# "reg query"), "/default" brings the defaults back, "gdctl apply --dry-run" writes nothing,
# and a package that cannot be loaded applies nothing.
#   silent_ops_e2e.sh WINE_RUN STATE GLIMMERDECK GDCTL VFZIP REFRESHHOOK SAMPLE_GD
set -u -o pipefail
wine_run=$1 state=$2 program=$3 gdctl=$4 vfzip=$5 refreshhook=$6 sample=$7
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$wine_run" "$state" "$@"; }

"$wine_run" --reset "$state" || exit 1
prefix=$state/prefix
app_dir="$prefix/drive_c/Program Files/Glimmerdeck"
app='C:\Program Files\Glimmerdeck'
mkdir -p "$app_dir/Themes" "$prefix/drive_c/samples"
cp "$program" "$gdctl" "$vfzip" "$refreshhook" "$app_dir/"
cp "$sample" "$prefix/drive_c/samples/"
archive='C:\samples\'$(basename "$sample")
run reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Path /d "$app" /f >/dev/null
run reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Version /d 1.0.0 /f >/dev/null
run reg add 'HKLM\SOFTWARE\Quillmoor\Vantafold' /v VFZip /d "$app\\VFZip.dll" /f >/dev/null

catalogue() { run "$app_dir/gdctl.exe" catalogue 2>/dev/null | tr -d '\r'; }
# "category<TAB>name<TAB>current icon" of every slot.
currents() { catalogue | awk -F'\t' '{print $1 "\t" $2 "\t" $7}' | sort; }

before=$(currents)
# What loading the package changes, as gdctl computes it without applying (the archive is
# installed by this too, as loading does).
expected=$(run "$app_dir/gdctl.exe" package load "$archive" 2>/dev/null | tr -d '\r' |
           awk -F'\t' '{print $1 "\t" $2 "\t" $4}' | sort)
[ "$(printf '%s\n' "$expected" | grep -c .)" -ge 20 ] || fail "loading the sample changes only: $expected"

run "$app_dir/glimmerdeck.exe" /lt "$archive"; status=$?
[ "$status" = 0 ] || fail "/lt exit $status"
after=$(currents)
missing=$(comm -23 <(printf '%s\n' "$expected") <(printf '%s\n' "$after"))
[ -z "$missing" ] || fail "after /lt these slots do not show the package's icon: $missing"
installed="$app\\Themes\\Glimmer Sample\\"
theme=$(run reg query 'HKCU\Software\Quillmoor\Glimmerdeck' /v Theme 2>/dev/null | tr -d '\r')
case "$theme" in *"${installed}Glimmer Sample.gdtheme"*) ;; *) fail "Theme is not the installed package: $theme" ;; esac
computer=$(run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\DefaultIcon' 2>/dev/null | tr -d '\r')
case "$computer" in *"$installed"*) ;; *) fail "My Computer's DefaultIcon is not the package's: $computer" ;; esac

# A dry run lists writes but makes none.
dry=$(run "$app_dir/gdctl.exe" restore --dry-run 2>/dev/null | tr -d '\r')
[ "$(printf '%s\n' "$dry" | grep -c .)" -ge 20 ] || fail "restore --dry-run listed: $dry"
[ -z "$(printf '%s\n' "$dry" | awk -F'\t' '$5 != "dry run"')" ] || fail "a dry run wrote something"
[ "$(currents)" = "$after" ] || fail "restore --dry-run changed the system"

run "$app_dir/glimmerdeck.exe" /default; status=$?
[ "$status" = 0 ] || fail "/default exit $status"
restored=$(currents)
[ "$restored" = "$before" ] || fail "after /default: $(diff <(printf '%s\n' "$before") <(printf '%s\n' "$restored") | head -5)"

run "$app_dir/glimmerdeck.exe" /lt 'C:\samples\missing.gdtheme'; status=$?
[ "$status" = 4 ] || fail "/lt of a missing package: exit $status, expected 4"
[ "$(currents)" = "$before" ] || fail "a package that did not load changed the system"

echo "$failures failed"
[ "$failures" = 0 ]
