#!/usr/bin/env bash
# CI: builds the Debian package, holds it to Debian's policy (lintian, the
# copyright file, changelog and manual pages), validates its menu entry and
# metainfo, installs it with apt-get, starts the installed program the way
# the menu does until its main window shows, and removes the package again.
# Installs as root (or through sudo), runs on a virtual display, and stops
# at the first fault.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
step() { echo "== package check: $*"; }

scripts/install-deps.sh --test
scripts/package.sh
# The application id, version and icon sides, as the package build took
# them from CMakeLists.txt and the pictures' list.
source build-package/packaging/linux/package-facts.sh
deb=build-package/yelduman_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "$deb was not made"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "$deb is not version $version"

step "contents and dependencies"
tree=$(mktemp -d)
work=$(mktemp -d)
installed=0
cleanup() {
  if [[ -n ${program:-} ]]; then kill "$program" 2>/dev/null || true; fi
  stop_display
  if ((installed)); then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq yelduman >/dev/null || true
  fi
  rm -rf "$tree" "$work"
}
trap cleanup EXIT

dpkg-deb -x "$deb" "$tree"
icons=(usr/share/icons/hicolor/scalable/apps/yelduman.svg)
for size in "${icon_sides[@]}"; do
  icons+=("usr/share/icons/hicolor/${size}x${size}/apps/yelduman.png")
done
for f in usr/bin/yelduman \
         "usr/share/applications/$app_id.desktop" \
         "usr/share/metainfo/$app_id.metainfo.xml" \
         "${icons[@]}" \
         usr/share/doc/yelduman/copyright \
         usr/share/doc/yelduman/changelog.gz \
         usr/share/man/man1/yelduman.1.gz \
         usr/share/man/tr/man1/yelduman.1.gz; do
  [[ -f $tree/$f ]] || fail "the package lacks /$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The scan of the binary (libqt6widgets6) and the two that it cannot see.
for d in libqt6widgets6 qt6-qpa-plugins fonts-liberation2; do
  [[ $depends == *"$d"* ]] || fail "Depends lacks $d"
done

step "lintian"
# Errors and warnings fail; the info tags are shown for the record.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian finds faults in $deb"

step "copyright, changelog and manual pages"
/usr/bin/python3 packaging/linux/check_package_docs.py "$tree" "$version" \
  || fail "the package's documents are not in order"
for page in usr/share/man/man1/yelduman.1.gz usr/share/man/tr/man1/yelduman.1.gz; do
  # man-db's own renderer, as "man yelduman" shows the page: no complaint,
  # and the heading and the page's name come out.
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$tree/$page" 2>&1 >/dev/null) \
    || fail "man cannot render /$page: $warnings"
  [[ -z $warnings ]] || fail "/$page renders with warnings: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$tree/$page" 2>/dev/null) \
    || fail "man cannot render /$page"
  grep -qE '^ +yelduman +- ' <<<"$text" && [[ $text == "YELDUMAN(1)"*"yelduman $version"* ]] \
    || fail "/$page does not render"
done

step "desktop-file-validate"
desktop=$tree/usr/share/applications/$app_id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "invalid desktop file: $report"
# One main category (Education, with Physics below it) leaves nothing to say,
# not even a hint.
[[ -z $report ]] || fail "desktop-file-validate reports: $report"

step "appstreamcli validate"
appstreamcli validate --no-net "$tree/usr/share/metainfo/$app_id.metainfo.xml" \
  || fail "metainfo does not validate"
# The whole tree too: the metainfo's launchable must name the shipped entry.
appstreamcli validate-tree --no-net "$tree" || fail "installed tree does not validate"

step "apt-get install"
installed=1
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$deb" </dev/null ||
  fail "apt-get install failed"
[[ -x /usr/bin/yelduman ]] || fail "/usr/bin/yelduman missing after install"

step "start from the menu entry on a virtual display"
# The entry's Exec line, run from another folder with a home of its own: the
# program must end up as /usr/bin/yelduman with the home as its working
# folder (where the results file goes) and show its main window, whose window
# class must be the entry's StartupWMClass.
entry=/usr/share/applications/$app_id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n $exec_line && -n $wm_class ]] || fail "the installed menu entry lacks Exec or StartupWMClass"
mkdir -p "$work/home" "$work/elsewhere"
start_display
(cd "$work/elsewhere" && export HOME=$work/home QT_QPA_PLATFORM=xcb && eval "exec $exec_line") \
  >"$work/app.log" 2>&1 &
program=$!
window=$(wait_for_window Yelduman) || { cat "$work/app.log" >&2; fail "no main window within 60 s"; }
[[ $(readlink "/proc/$program/exe") == /usr/bin/yelduman ]] ||
  fail "the menu entry runs $(readlink "/proc/$program/exe"), not /usr/bin/yelduman"
[[ $(readlink "/proc/$program/cwd") == "$work/home" ]] ||
  fail "the program works in $(readlink "/proc/$program/cwd"), not the home $work/home"
class=$(xprop -id "$window" WM_CLASS)
[[ $class == *", \"$wm_class\"" ]] || fail "the main window's class is not $wm_class: $class"
echo "main window $window: $class"
kill "$program" && wait "$program" 2>/dev/null || true
program=

step "apt-get remove"
as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq yelduman </dev/null || fail "apt-get remove failed"
installed=0
[[ ! -e /usr/bin/yelduman ]] || fail "/usr/bin/yelduman left behind"
[[ ! -e $entry ]] || fail "desktop entry left behind"
echo "package check: passed"
