#!/bin/bash
# Times the program's main job under Wine: "glimmerdeck.exe /lt" with a package that sets
# every slot of the system, start to exit, in a prefix of its own that reports Windows XP.
# Not a test: it prints the minimum and median of the runs. The package names every slot that
# "gdctl catalogue" lists (Quick Launch aside, which packages never carry) with an icon or
# cursor of the sample package. On Windows XP the icon cache rebuild only hooks the shell's
# thread; the prefix runs no shell, so the rebuild's two-second wait is not part of the times.
#
#   benchmarks/system/run-benchmark.sh WIN64_BUILD_DIR [REPETITIONS]
set -euo pipefail
build=$(cd "$1" && pwd)
repetitions=${2:-10}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
state="$build/wine-benchmark"
wine_run="$source_dir/tools/wine-run"
run() { "$wine_run" "$state" "$@"; }

cmake --build "$build" --target glimmerdeck gdctl vfzip refreshhook >/dev/null
"$wine_run" --reset "$state"
app_dir="$state/prefix/drive_c/Program Files/Glimmerdeck"
app='C:\Program Files\Glimmerdeck'
mkdir -p "$app_dir/Themes"
cp "$build/src/app/glimmerdeck.exe" "$build/src/companions/gdctl/gdctl.exe" \
   "$build/src/companions/vfzip/VFZip.dll" "$build/src/companions/refreshhook/refreshhook.dll" \
   "$app_dir/"
run reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Path /d "$app" /f >/dev/null
run reg add 'HKLM\SOFTWARE\Quillmoor\Vantafold' /v VFZip /d "$app\\VFZip.dll" /f >/dev/null
bench="$state/prefix/drive_c/bench"
unzip -q -o "$source_dir/samples/Glimmer Sample.gd" -d "$bench"
package='C:\bench\Everything.gdtheme'
{
  sections=("Desktop Icons" "Start Icons" "Folder Icons" "Drive Icons" "Other Icons" "File Icons" "Cursors")
  run "$app_dir/gdctl.exe" catalogue | tr -d '\r' | sort -t $'\t' -k1,1n -s |
    while IFS=$'\t' read -r category name _; do
      [ "$category" -le 6 ] || continue
      if [ "$category" != "${last:-}" ]; then printf '[%s]\r\n' "${sections[$category]}"; last=$category; fi
      if [ "$category" = 6 ]; then file="Glimmer Sample Busy.ani"; else file="Glimmer Sample Hard Drive.ico"; fi
      printf '%s=%%ThemeDir%%%s\r\n' "$name" "$file"
    done
} > "$bench/Everything.gdtheme"
slots=$(run "$app_dir/gdctl.exe" catalogue | grep -vc $'^7\t' || true)
entries=$(run "$app_dir/gdctl.exe" package check "$package" | tr -d '\r' | grep -c $'\tok$' || true)
echo "package: $package, $entries readable entries for $slots slots"

times=()
for _ in $(seq "$repetitions"); do
  # Back to the defaults first, so that every run writes every slot again.
  run "$app_dir/glimmerdeck.exe" /default2
  start=$(date +%s%N)
  run "$app_dir/glimmerdeck.exe" /lt "$package"
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "glimmerdeck.exe /lt, $repetitions runs: min $(head -1 <<< "$sorted") ms," \
     "median $(sed -n "$(( (repetitions + 1) / 2 ))p" <<< "$sorted") ms"
