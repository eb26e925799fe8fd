#!/bin/bash
# The setup program end to end, in a fresh Wine prefix of its own, every result read from
# outside (files on disk, "reg query", the processes of the prefix):
#   a. a silent install into a folder with a blank in its name: files, keys, file types, shortcuts;
#   b. the installed program applies the installed sample package;
#   c. opening package files through the shell starts the program with them, or hands them to
#      the open window; setup refuses to run while the window is open;
#   e. a second install upgrades the installation in place and keeps the user's packages;
#   d. the silent uninstall restores the slots, gives a file type back to the program that had
#      it, and leaves nothing of ours behind but the user's packages; with /PURGE not even those.
#   setup_e2e.sh WINE_RUN STATE SETUP_EXE GDCTL_EXE VERSION
set -u -o pipefail
wine_run=$1 state=$2 setup=$3 gdctl=$4 version=$5
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

run() { timeout 120 "$wine_run" "$state" "$@"; }
# A Unix path as the prefix's Z: drive shows it.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
# NSIS takes /D= and _?= only unquoted and last, blanks and all: a batch file passes the line as
# it is written, where Wine would quote an argument that holds a blank.
run_line() {
  printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$1" > "$state/line.bat"
  run cmd /c "$(windows_path "$state/line.bat")" </dev/null
}
# The data of one registry value ("" for the default value), empty when it is missing.
reg_value() {
  local name=$2 option=(/v "$2")
  [ -z "$name" ] && name='(Default)' option=(/ve)
  run reg query "$1" "${option[@]}" 2>/dev/null | tr -d '\r' |
    awk -v name="$name" 'index($0, "    " name "    ") == 1 { sub(/^ +[^ ].*    REG_[A-Z_]+    /, ""); print }'
}
# Processes of the prefix whose program name matches the pattern, as "id name".
processes() {
  run winedbg --command "info proc" 2>/dev/null | tr -d '\r' | grep -E "'($1)'" | sed 's/^[ =]*//' | awk '{print $1, $3}'
}
wait_until_no_process() {
  for _ in $(seq 120); do [ -z "$(processes "$1")" ] && return 0; sleep 0.5; done
  return 1
}
# "category<TAB>name<TAB>current icon" of every slot, as the given gdctl reads them.
slots() { run "$1" catalogue 2>/dev/null | tr -d '\r' | awk -F'\t' '{print $1 "\t" $2 "\t" $7}' | sort; }
# The machine's and the user's software keys as "key<TAB>value line" (every key also alone, so
# that an empty key counts), and every path under drive C.
snapshot() {
  local root
  for root in 'HKLM\Software' 'HKCU\Software'; do
    run reg export "$root" "$(windows_path "$state/export.reg")" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$state/export.reg" | tr -d '\r' | awk '
      /^\[/ { key = substr($0, 2, length($0) - 2); print key; next }
      /\\$/ { line = line substr($0, 1, length($0) - 1); next }
      /^[@"]/ || line != "" { print key "\t" line $0; line = "" }'
  done | LC_ALL=C sort > "$state/$1.registry"
  (cd "$prefix/drive_c" && find . | LC_ALL=C sort) > "$state/$1.files"
}
# Lines of the named snapshot's list that the pristine one lacks, or the reverse.
added() { LC_ALL=C comm -13 "$state/pristine.$2" "$state/$1.$2"; }
removed() { LC_ALL=C comm -23 "$state/pristine.$2" "$state/$1.$2"; }

"$wine_run" --reset "$state" || exit 1
prefix=$state/prefix
app='C:\Some Folder\Glimmerdeck'
app_dir="$prefix/drive_c/Some Folder/Glimmerdeck"
install_key='HKLM\Software\Quillmoor\Vantafold\Glimmerdeck'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmerdeck'
settings_key='HKCU\Software\Quillmoor\Glimmerdeck'
setup_line="\"$(windows_path "$setup")\" /S"
installed_files=(glimmerdeck.exe gdctl.exe Glintview.exe VFZip.dll refreshhook.dll proptab.dll
                 pickicon.dll Glimmerdeck.chm Uninstall.exe "Samples/Glimmer Sample.gd")
# Another program opens .gd files before the install; the uninstall gives the type back to it.
run reg add 'HKCR\.gd' /ve /d Other.Script /f >/dev/null
# The build's own gdctl reads the slots before the install and after the uninstall alike.
pristine_slots=$(slots "$gdctl")
snapshot pristine

echo "== a. silent install into \"$app\""
run_line "$setup_line /D=$app" || fail "setup exit $?"
for file in "${installed_files[@]}"; do
  [ -s "$app_dir/$file" ] || fail "not installed: $file"
done
for file in glimmerdeck.exe gdctl.exe Glintview.exe VFZip.dll refreshhook.dll proptab.dll pickicon.dll; do
  [ "$(head -c2 "$app_dir/$file" 2>/dev/null)" = MZ ] || fail "$file is no program"
done
[ -d "$app_dir/Themes" ] && [ -d "$app_dir/Plugins" ] || fail "no Themes or Plugins folder"
[ ! -e "$prefix/drive_c/Program Files/Glimmerdeck" ] || fail "/D was not followed"
(cd "$app_dir" && md5sum "${installed_files[@]}") > "$state/installed.md5"

[ "$(reg_value "$install_key" Path)" = "$app" ] || fail "Path: $(reg_value "$install_key" Path)"
[ "$(reg_value "$install_key" Version)" = "$version" ] || fail "Version: $(reg_value "$install_key" Version)"
[ "$(reg_value 'HKLM\SOFTWARE\Quillmoor\Vantafold' VFZip)" = "$app\\VFZip.dll" ] || fail "VFZip value"
# The 64-bit program reads the 64-bit view: nothing may land in the 32-bit one.
run reg query 'HKLM\Software\Wow6432Node\Quillmoor' >/dev/null 2>&1 && fail "keys in the 32-bit view"
for entry in "DisplayName=Glimmerdeck" "DisplayVersion=$version" "Publisher=Quillmoor" \
             "DisplayIcon=$app\\glimmerdeck.exe,0" "UninstallString=\"$app\\Uninstall.exe\"" \
             "QuietUninstallString=\"$app\\Uninstall.exe\" /S"; do
  got=$(reg_value "$uninstall_key" "${entry%%=*}")
  [ "$got" = "${entry#*=}" ] || fail "uninstall entry ${entry%%=*}: '$got'"
done

for extension in .gdtheme .gd; do
  class=$(reg_value "HKCR\\$extension" "")
  [[ "$class" = Glimmerdeck.* ]] || { fail "$extension is not registered: '$class'"; continue; }
  [ "$(reg_value "HKCR\\$class\\shell\\open\\command" "")" = "\"$app\\glimmerdeck.exe\" \"%1\"" ] ||
    fail "$extension opens with: $(reg_value "HKCR\\$class\\shell\\open\\command" "")"
  [ "$(reg_value "HKCR\\$class\\DefaultIcon" "")" = "$app\\glimmerdeck.exe,0" ] || fail "$extension icon"
done

menu=$(find "$prefix/drive_c" -path '*/Start Menu/Programs/Glimmerdeck' -type d | head -1)
for entry in "Glimmerdeck=glimmerdeck.exe" "Icon Browser=Glintview.exe" \
             "Glimmerdeck Help=Glimmerdeck.chm" "Uninstall Glimmerdeck=Uninstall.exe"; do
  link="$menu/${entry%%=*}.lnk"
  [ -f "$link" ] && grep -aq "${entry#*=}" "$link" || fail "no shortcut ${entry%%=*} to ${entry#*=}"
done

echo "== b. the installed program applies the installed sample"
before=$(slots "$app_dir/gdctl.exe")
run "$app\\glimmerdeck.exe" /lt "$app\\Samples\\Glimmer Sample.gd" </dev/null || fail "/lt exit $?"
changed=$(comm -13 <(printf '%s\n' "$before") <(slots "$app_dir/gdctl.exe") | grep -c .)
[ "$changed" -ge 20 ] || fail "/lt changed only $changed slots"
[ -f "$app_dir/Themes/Glimmer Sample/Glimmer Sample.gdtheme" ] || fail "the sample is not in Themes"

echo "== c. package files opened through the shell"
# Two packages of the user's own in Themes, told apart by the recent list that loading writes.
for package in "My Pack" "Other Pack"; do
  mkdir -p "$app_dir/Themes/$package"
  cp "$app_dir/Themes/Glimmer Sample/"* "$app_dir/Themes/$package/"
  mv "$app_dir/Themes/$package/Glimmer Sample.gdtheme" "$app_dir/Themes/$package/$package.gdtheme"
done
# As a user who ticked "Do not show this notice again": under the null driver the notice about
# the classic start menu would wait for a click that never comes.
run reg add "$settings_key" /v 'Notice StartMenu' /t REG_DWORD /d 0 /f >/dev/null
newest_recent() { reg_value "$settings_key\\Recent" Package1; }
wait_for_recent() {
  for _ in $(seq 60); do [ "$(newest_recent)" = "$1" ] && return 0; sleep 0.5; done
  return 1
}
run start /unix "$app_dir/Themes/My Pack/My Pack.gdtheme" </dev/null >/dev/null 2>&1 || fail "start exit $?"
wait_for_recent "$app\\Themes\\My Pack\\My Pack.gdtheme" ||
  fail "with no window open, the program did not load the file: $(newest_recent)"
window=$(processes 'glimmerdeck\.exe')
[ "$(grep -c . <<<"$window")" = 1 ] || fail "not one window: $window"
run start /unix "$app_dir/Themes/Other Pack/Other Pack.gdtheme" </dev/null >/dev/null 2>&1 || fail "start exit $?"
wait_for_recent "$app\\Themes\\Other Pack\\Other Pack.gdtheme" ||
  fail "the open window did not load the file handed to it: $(newest_recent)"
sleep 2
[ "$(processes 'glimmerdeck\.exe')" = "$window" ] || fail "a second program stayed: $(processes 'glimmerdeck\.exe')"
# Setup and uninstaller refuse to work under the open window.
run_line "$setup_line /D=$app"; status=$?
[ "$status" = 3 ] || fail "setup over the running program: exit $status"
run_line "\"$app\\Uninstall.exe\" /S _?=$app"; status=$?
[ "$status" = 3 ] && [ -f "$app_dir/glimmerdeck.exe" ] || fail "uninstall under the running program: exit $status"
WINEPREFIX=$prefix wineserver -k 2>/dev/null

echo "== e. a second install upgrades in place"
# An older installation: a changed file and an older version.
echo old > "$app_dir/Glimmerdeck.chm"
run reg add "$install_key" /v Version /d 0.9.0 /f >/dev/null
run reg add "$uninstall_key" /v DisplayVersion /d 0.9.0 /f >/dev/null
run_line "$setup_line" || fail "upgrade exit $?"
[ ! -e "$prefix/drive_c/Program Files/Glimmerdeck" ] || fail "the upgrade went to the default folder"
(cd "$app_dir" && md5sum --quiet -c "$state/installed.md5") || fail "the upgrade left other files"
[ "$(reg_value "$install_key" Version)" = "$version" ] && [ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] ||
  fail "the upgrade left the old version"
for package in "My Pack" "Other Pack" "Glimmer Sample"; do
  [ -f "$app_dir/Themes/$package/$package.gdtheme" ] || fail "the upgrade lost $package"
done

echo "== d. silent uninstall"
# The Icon tab switched on, as the Settings page does: the uninstaller must take it away.
run regsvr32 /s "$app\\proptab.dll" || fail "regsvr32 exit $?"
# The uninstaller copies itself to the temporary folder and runs from there (Un.exe).
uninstall() {
  run "$app\\Uninstall.exe" /S "$@" </dev/null || fail "uninstall exit $?"
  wait_until_no_process 'Un\.exe|glimmerdeck\.exe' || fail "the uninstaller does not end"
}
uninstall
[ "$(slots "$gdctl")" = "$pristine_slots" ] ||
  fail "slots not restored: $(diff <(printf '%s\n' "$pristine_slots") <(slots "$gdctl") | head -6)"
snapshot kept
for package in "My Pack" "Other Pack" "Glimmer Sample"; do
  [ -f "$app_dir/Themes/$package/$package.gdtheme" ] || fail "the uninstaller took the package $package"
done
# What may differ from the pristine prefix: the user's packages (kept unless asked), the icon places that restoring wrote back with their defaults (DefaultIcon keys,
# Shell Icons, the folders' desktop.ini), the temporary folder and Wine's own settings (winedbg
# keeps its options there once it has listed the processes).
wine_settings='^HKEY_CURRENT_USER\\Software\\Wine(\\|[[:cntrl:]]|$)'
icon_places='\\DefaultIcon([[:cntrl:]]|$)|\\Explorer\\Shell Icons([[:cntrl:]]|$)|\\Explorer\\CLSID(\\[^\\[:cntrl:]]+)?$'
ours='Glimmerdeck|Quillmoor|Vantafold|gdtheme|\.gd\b|93CCF120|Some Folder'
leftover_keys() { added "$1" registry | grep -Ev "$icon_places|$wine_settings"; }
leftover_names() { added "$1" registry | grep -Ei "$ours"; }
# The folder that /D named keeps the parent that setup made for it, as every NSIS uninstaller does.
noise_files='^\./users/[^/]+/Temp(/|$)|/desktop\.ini$|^\./Some Folder$'
leftover_files() { added "$1" files | grep -Ev "$noise_files|^\./Some Folder/Glimmerdeck(/Themes(/.*)?)?$"; }
[ -z "$(leftover_keys kept)" ] || fail "keys left: $(leftover_keys kept | head -5)"
# The copies of the Internet and mail programs' first icons that applying kept.
client_backups() { added "$1" registry | grep -E '\\Clients\\.*\\DefaultIcon[[:cntrl:]]"Backup"='; }
[ -z "$(client_backups kept)" ] || fail "client icon backups left: $(client_backups kept | head -3)"
[ -z "$(leftover_names kept)" ] || fail "values naming us left: $(leftover_names kept | head -5)"
[ -z "$(removed kept registry)" ] || fail "keys removed that were not ours: $(removed kept registry | head -5)"
[ -z "$(leftover_files kept)" ] || fail "files left: $(leftover_files kept | head -5)"
[ -z "$(removed kept files)" ] || fail "files removed that were not ours: $(removed kept files | head -5)"
run reg query "$settings_key" >/dev/null 2>&1 && fail "the user's settings were left"

echo "== d. reinstall, then uninstall with /PURGE"
run_line "$setup_line /D=$app" || fail "reinstall exit $?"
[ -f "$app_dir/Themes/My Pack/My Pack.gdtheme" ] || fail "the reinstall lost a kept package"
uninstall /PURGE
snapshot purged
[ -z "$(leftover_keys purged)$(leftover_names purged)" ] || fail "/PURGE left: $(leftover_keys purged | head -3)"
[ -z "$(added purged files | grep -Ev "$noise_files")" ] || fail "/PURGE left: $(added purged files | grep -Ev "$noise_files" | head -3)"

WINEPREFIX=$prefix wineserver -k 2>/dev/null
echo "$failures failed"
[ "$failures" = 0 ]
