#!/usr/bin/env bash
# Makes the Debian package from a built release folder, checks it, installs it, uses
# what was installed as a user would, and removes it again. The machine is left as it
# was found, also when a check fails: the package goes, and so does every package that
# its installation pulled in.
#
#   bash tools/package_test.sh [BUILD_FOLDER]    (default: build-release, already built)
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$repo" && cd "${1:-build-release}" && pwd)"
app_id=nl.taalspoor.Taalspoor
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
started=$SECONDS

say() { echo "package_test: $*"; }
fail() {
  echo "package_test: FAILED: $*" >&2
  exit 1
}
package_state() { dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true; }
installed() { [ "$(package_state "$1")" = installed ]; }

installed taalspoor && fail "taalspoor is installed already; this test installs and removes the package, so remove it first (apt-get remove taalspoor)"

work="$(readlink -f "$(mktemp -d)")"
chmod 755 "$work"  # apt reads the package as its own unprivileged user
pulled_in=()
cleanup() {
  local status=$?
  case "$(package_state taalspoor)" in
    "" | not-installed) ;;
    *) "${as_root[@]}" dpkg --purge taalspoor >/dev/null || status=1 ;;
  esac
  # dpkg, not apt: it refuses rather than taking along anything that came to depend on them.
  if [ ${#pulled_in[@]} -gt 0 ]; then "${as_root[@]}" dpkg --purge "${pulled_in[@]}" >/dev/null || status=1; fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

# ---- The package itself ----
say "cpack -G DEB in $build"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pack" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  fail "cpack"
}
debs=("$work"/pack/taalspoor_*.deb)
{ [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ]; } || fail "expected one taalspoor_*.deb, found: ${debs[*]}"
deb="${debs[0]}"
chmod 644 "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ "$(field Package)" = taalspoor ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), project version $version"
[ "$(field Section)" = text ] || fail "section $(field Section)"
depends="$(field Depends)"
say "Depends: $depends"
# The run-time plugins and fonts named by hand, and what the library scan found.
for p in qt6-qpa-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-liberation \
  qt6-translations-l10n libqt6widgets6 libqt6multimedia6 libc6; do
  [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p"
done

# Owned by root, directories and programs 755, everything else 644.
dpkg-deb -c "$deb" | awk '
  $2 != "root/root" { print "owner " $2 ": " $6; bad = 1 }
  $6 ~ /^\.\/usr\/bin\/./ { if ($1 != "-rwxr-xr-x") { print $1 ": " $6; bad = 1 }; next }
  $1 ~ /^d/ { if ($1 != "drwxr-xr-x") { print $1 ": " $6; bad = 1 }; next }
  $1 != "-rw-r--r--" { print $1 ": " $6; bad = 1 }
  END { exit bad }' >&2 || fail "ownership or permissions in the package"

dpkg-deb -x "$deb" "$work/contents"
if grep -r -l -a -F -e "$repo" -e "$build" "$work/contents" >&2; then fail "build paths inside the files above"; fi

# ---- Debian's own checks: no error and no warning ----
say "lintian $(basename "$deb")"
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
  grep -v 'running with root privileges' "$work/lintian.log" >&2
  fail "lintian"
}
findings="$(grep -v 'running with root privileges' "$work/lintian.log" || true)"
[ -z "$findings" ] || fail "lintian: $findings"
say "lintian: no findings"

# ---- The desktop entry and the metainfo ----
check_quiet() {  # runs a validator; any output at all is a finding
  local out
  out="$("$@" 2>&1)" || fail "$* : $out"
  [ -z "$out" ] || fail "$* : $out"
}
check_quiet desktop-file-validate "$work/contents/usr/share/applications/$app_id.desktop"
# --strict fails on warnings and infos too; the tree check also looks for the desktop file
# that the metainfo names as its launchable.
validation="$(appstreamcli validate-tree --no-net --strict "$work/contents" 2>&1)" || fail "appstreamcli: $validation"
say "desktop-file-validate: no output; appstreamcli validate-tree --strict: $(echo "$validation" | tail -n 1)"

# ---- Installation ----
# Whatever apt is about to add besides the package goes again at the end.
mapfile -t pulled_in < <("${as_root[@]}" apt-get install -s "$deb" | awk '/^Inst / && $2 != "taalspoor" { print $2 }')
[ ${#pulled_in[@]} -eq 0 ] || say "apt also installs: ${pulled_in[*]}"
say "apt-get install $(basename "$deb")"
"${as_root[@]}" apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log" >&2
  fail "apt-get install"
}

for program in taalspoor taalspoor-start taalspoor-zoek; do
  [ "$(command -v "$program")" = "/usr/bin/$program" ] || fail "$program is not /usr/bin/$program on PATH"
done
desktop_file="/usr/share/applications/$app_id.desktop"
[ -f "$desktop_file" ] || fail "$desktop_file missing"
[ -f "/usr/share/metainfo/$app_id.metainfo.xml" ] || fail "metainfo missing"
appstreamcli validate --no-net --strict "/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null || fail "installed metainfo"
exec_line="$(sed -n 's/^Exec=//p' "$desktop_file")"
[ "$exec_line" = taalspoor-start ] || fail "Exec=$exec_line"
[ "$(sed -n 's/^Icon=//p' "$desktop_file")" = "$app_id" ] || fail "Icon= is not $app_id"
[ -f "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "scalable icon missing"
png_side() {  # the width and the height from a PNG's header, as "W H"
  local hex
  hex="$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')"
  echo "$((16#${hex:0:8})) $((16#${hex:8:8}))"
}
for size in 48 64 128 256; do
  png="/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ -f "$png" ] || fail "$png missing"
  [ "$(png_side "$png")" = "$size $size" ] || fail "$png is $(png_side "$png"), not $size by $size"
done

# ---- The manual pages and the completion, as installed ----
for page in taalspoor taalspoor-start taalspoor-zoek; do
  [ "$(man -w "$page" 2>/dev/null)" = "/usr/share/man/man1/$page.1.gz" ] || fail "man -w $page: $(man -w "$page" 2>&1)"
  shown="$(MANWIDTH=80 man --warnings "$page" 2>&1 >/dev/null)" || fail "man $page"
  [ -z "$shown" ] || fail "man --warnings $page: $shown"
  MANWIDTH=80 man "$page" 2>/dev/null | grep -q '^AFSLUITSTATUS\|^TOETSEN' || fail "man $page shows no page"
done
say "man taalspoor, taalspoor-start, taalspoor-zoek: no warnings"
bash "$repo/tests/completion_test.sh" "$repo" /usr/bin/taalspoor-zoek /usr/share/bash-completion/completions/taalspoor-zoek ||
  fail "the installed completion of taalspoor-zoek"
say "taalspoor-zoek --pa<Tab> completes from the installed completion"

# ---- The launcher prepares the working folder ----
home="$work/home"
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
# The real home and /tmp stay untouched: caches and runtime files go into the test folder.
as_user=(env -u TAALSPOOR_MAP HOME="$home" XDG_RUNTIME_DIR="$work/runtime")
data_files=(nlwrdiso.v3 taalhelp16.txt lumman.wav tellingen.txt ij-uitzonderingen.txt)
expect_installed_copies() {
  for f in "${data_files[@]}"; do
    cmp -s "/usr/share/taalspoor/$f" "$1/$f" || fail "$1/$f is not the installed $f"
  done
  [ ! -e "$1/Mijnlijst.txt" ] || fail "the launcher made $1/Mijnlijst.txt"
}

folder="$("${as_user[@]}" taalspoor-start --alleen-map)"
[ "$folder" = "$home/Taalspoor" ] || fail "default folder $folder, not \$HOME/Taalspoor"
expect_installed_copies "$folder"

map="$work/map"
folder="$("${as_user[@]}" TAALSPOOR_MAP="$map" taalspoor-start --alleen-map)"
[ "$folder" = "$map" ] || fail "TAALSPOOR_MAP folder printed as $folder"
expect_installed_copies "$map"

say "taalspoor-zoek k.t in the prepared folder"
(cd "$map" && /usr/bin/taalspoor-zoek k.t >"$work/k.t.out") || fail "taalspoor-zoek k.t exited with $?"
grep -qx kat "$work/k.t.out" || fail "taalspoor-zoek k.t did not find kat"
(cd "$map" && /usr/bin/taalspoor-zoek --patroon 'b?enk*' --ij --gangbaar --tellingen >"$work/pattern.out") ||
  fail "taalspoor-zoek --patroon exited with $?"
grep -q $'^bijenkorf\t[1-9]' "$work/pattern.out" || fail "taalspoor-zoek --patroon b?enk* --ij did not rank bijenkorf"

# A changed file and the own list stay exactly as they are; only what is missing comes back.
printf 'eigen handleiding\r\n' >"$map/taalhelp16.txt"
printf 'katje\r\n' >"$map/Mijnlijst.txt"
touch -d '2001-02-03 04:05:06' "$map/taalhelp16.txt" "$map/Mijnlijst.txt"
rm "$map/lumman.wav"
"${as_user[@]}" TAALSPOOR_MAP="$map" taalspoor-start --alleen-map >/dev/null
[ "$(cat "$map/taalhelp16.txt")" = $'eigen handleiding\r' ] || fail "a changed taalhelp16.txt was overwritten"
[ "$(cat "$map/Mijnlijst.txt")" = $'katje\r' ] || fail "Mijnlijst.txt was changed"
for f in taalhelp16.txt Mijnlijst.txt; do
  [ "$(stat -c %Y "$map/$f")" = "$(date -d '2001-02-03 04:05:06' +%s)" ] || fail "$f was touched"
done
cmp -s /usr/share/taalspoor/lumman.wav "$map/lumman.wav" || fail "a missing lumman.wav was not copied back"
leftovers="$(find "$map" -name '*.kopie')"
[ -z "$leftovers" ] || fail "temporary files left in the folder: $leftovers"

# The data is found from the launcher's real place: through a link it is the installed
# data; a copy without share/taalspoor beside it says what is missing and where it looked.
mkdir -p "$work/link/bin" "$work/bare/bin"
ln -s /usr/bin/taalspoor-start "$work/link/bin/taalspoor-start"
folder="$("${as_user[@]}" TAALSPOOR_MAP="$work/via-link" "$work/link/bin/taalspoor-start" --alleen-map)"
expect_installed_copies "$folder"
cp /usr/bin/taalspoor-start "$work/bare/bin/"
if "${as_user[@]}" TAALSPOOR_MAP="$work/never" "$work/bare/bin/taalspoor-start" --alleen-map 2>"$work/bare.err"; then
  fail "a launcher without its data succeeded"
fi
grep -qF "<nlwrdiso.v3> ontbreekt in de installatie (gezocht in $work/bare/share/taalspoor)" "$work/bare.err" ||
  fail "unclear message for missing data: $(cat "$work/bare.err")"
[ ! -e "$work/never" ] || fail "a launcher without its data made the working folder"

# ---- taalspoor-zoek outside a working folder ----
mkdir "$work/leeg"
status=0
(cd "$work/leeg" && /usr/bin/taalspoor-zoek kat >/dev/null 2>"$work/leeg.err") || status=$?
[ "$status" -eq 3 ] || fail "taalspoor-zoek in an empty folder exited with $status, not 3"
for says in "<nlwrdiso.v3>" "$work/leeg" "taalspoor-start --alleen-map"; do
  grep -qF -- "$says" "$work/leeg.err" || fail "taalspoor-zoek in an empty folder does not say $says: $(cat "$work/leeg.err")"
done

# ---- The window starts through the launcher, as the menu entry starts it ----
say "taalspoor through taalspoor-start, offscreen, for 4 seconds"
status=0
"${as_user[@]}" TAALSPOOR_MAP="$work/window" QT_QPA_PLATFORM=offscreen \
  timeout 4 taalspoor-start >"$work/window.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || {
  cat "$work/window.log" >&2
  fail "the window ended by itself within 4 seconds, status $status"
}
expect_installed_copies "$work/window"

# ---- Removal ----
say "apt-get remove taalspoor"
"${as_root[@]}" apt-get remove -y -qq taalspoor >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log" >&2
  fail "apt-get remove"
}
installed taalspoor && fail "taalspoor still installed after apt-get remove"
while IFS= read -r -d '' f; do
  [ ! -e "/${f#./}" ] || fail "/${f#./} is left after removal"
done < <(cd "$work/contents" && find . -type f -print0)
for d in /usr/share/taalspoor /usr/share/doc/taalspoor; do
  [ ! -e "$d" ] || fail "$d is left after removal"
done

say "all checks passed in $((SECONDS - started)) s"
