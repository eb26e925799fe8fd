#!/bin/bash
# Shared by run.sh and tools/screenshots.sh: a sandbox Wine prefix under the build tree with
# Glimmerdeck installed by its setup program, which puts the bundled sample package beside it.
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
    wineserver -w
    # Wine links the user's folders to the home directory; the sandbox keeps its own, so that
    # icons applied to "My Music" and the like never write into the real home directory.
    for folder in "$WINEPREFIX/drive_c/users/"*/*; do
      if [ -L "$folder" ]; then rm -f "$folder" && mkdir -p "$folder"; fi
    done
  fi
  # Each time: a prefix left half-made by an interrupted run must not try a display it lacks.
  if [ "$2" = headless ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
  fi
  # The program's newest known system: Wine's default version would be taken for NT 4.0.
  wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f </dev/null >/dev/null 2>&1
}

# Installs Glimmerdeck with its setup program, silently, into its default folder (over an
# earlier installation of the sandbox, in place). Sets app_dir, app_path, sample.
sandbox_install() {
  app_dir="$WINEPREFIX/drive_c/Program Files/Glimmerdeck"
  app_path='C:\Program Files\Glimmerdeck'
  local status=0
  wine "$build/win64/GlimmerdeckSetup-x64.exe" /S </dev/null || status=$?
  if [ "$status" != 0 ] || [ ! -f "$app_dir/glimmerdeck.exe" ]; then
    echo "sandbox: the setup program failed (exit status $status; 3: Glimmerdeck is running)" >&2
    return 1
  fi
  echo "sandbox: installed Glimmerdeck into $app_dir"
  sample="$app_path\Samples\Glimmer Sample.gd"
}

# "category<TAB>name<TAB>current icon" of every slot, as gdctl reads them from the prefix.
sandbox_currents() {
  wine "$app_dir/gdctl.exe" catalogue </dev/null 2>/dev/null | tr -d '\r' | cut -f1,2,7
}
