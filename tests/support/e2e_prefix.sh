#!/bin/bash
# Shared by the end-to-end scripts of the system: a fresh Wine prefix of the test state with
# Glimmerdeck installed as its installer would, and the slot listing through gdctl. Source it
# with wine_run and state set.

run() { "$wine_run" "$state" "$@"; }
gd() { run "$app_dir/gdctl.exe" "$@" 2>/dev/null | tr -d '\r'; }
# "category<TAB>name<TAB>current icon" of every slot.
currents() { gd catalogue | awk -F'\t' '{print $1 "\t" $2 "\t" $7}' | sort; }

# e2e_install FILE...: the files go into the program folder, which gets its Themes folder and
# the installation keys. Sets app_dir (Unix path) and app (Windows path).
e2e_install() {
  "$wine_run" --reset "$state" || exit 1
  app_dir="$state/prefix/drive_c/Program Files/Glimmerdeck"
  app='C:\Program Files\Glimmerdeck'
  mkdir -p "$app_dir/Themes"
  cp "$@" "$app_dir/"
  run reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Path /d "$app" /f >/dev/null
  run reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Version /d 1.0.0 /f >/dev/null
  run reg add 'HKLM\SOFTWARE\Quillmoor\Vantafold' /v VFZip /d "$app\\VFZip.dll" /f >/dev/null
}
