#!/bin/bash
# Shared by run.sh and tools/screenshots.sh: a sandbox Wine prefix under the build tree with
# Glimmerdeck installed as its installer would, and the bundled sample package beside it.
# Source it with repo, build and mode (display or headless) set.

# A prefix for windows on a display and one for headless runs: Wine's null driver, which
# lets dialogs run without a display, must not be mixed with a real one.
sandbox_prefix() {
  # Wine's menu builder would copy Start menu shortcuts into the home directory's menus.
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "sandbox: creating the Wine prefix $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i </dev/null >/dev/null 2>&1
    if [ "$2" = headless ]; then
      wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
    fi
    wineserver -w
    # Wine links the user's folders to the home directory; the sandbox keeps its own, so that
    # icons applied to "My Music" and the like never write into the real home directory.
    for folder in "$WINEPREFIX/drive_c/users/"*/*; do
      if [ -L "$folder" ]; then rm -f "$folder" && mkdir -p "$folder"; fi
    done
  fi
  # The program's newest known system: Wine's default version would be taken for NT 4.0.
  wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f </dev/null >/dev/null 2>&1
}

# Installs as the installer does: the program's folder, its Themes folder and the installation
# key that the program refuses to start without. Sets app_dir, app_path, sample.
sandbox_install() {
  app_dir="$WINEPREFIX/drive_c/Program Files/Glimmerdeck"
  mkdir -p "$app_dir/Themes"
  cp "$build/win64/src/app/glimmerdeck.exe" "$app_dir/"
  for companion in "$build/win64/src/companions"/*/*.exe "$build/win64/src/companions"/*/*.dll; do
    [ -f "$companion" ] && cp "$companion" "$app_dir/"
  done
  app_path='C:\Program Files\Glimmerdeck'
  wine reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Path /d "$app_path" /f \
    </dev/null >/dev/null 2>&1
  wine reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Version /d 1.0.0 /f \
    </dev/null >/dev/null 2>&1
  if [ -f "$app_dir/VFZip.dll" ]; then
    wine reg add 'HKLM\SOFTWARE\Quillmoor\Vantafold' /v VFZip /d "$app_path\\VFZip.dll" /f \
      </dev/null >/dev/null 2>&1
  fi
  echo "sandbox: installed Glimmerdeck into $app_dir"
  local sample_dir="$app_dir/Samples"
  mkdir -p "$sample_dir"
  cp "$repo/samples/Glimmer Sample.gd" "$sample_dir/"
  sample="$app_path\Samples\Glimmer Sample.gd"
}

# "category<TAB>name<TAB>current icon" of every slot, as gdctl reads them from the prefix.
sandbox_currents() {
  wine "$app_dir/gdctl.exe" catalogue </dev/null 2>/dev/null | tr -d '\r' | cut -f1,2,7
}
