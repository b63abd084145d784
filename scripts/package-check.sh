#!/usr/bin/env bash
# CI: builds the Debian package, holds it to Debian's policy (lintian, the
# copyright file, changelog and manual pages), validates its menu entry and
# metainfo, installs it with apt-get, starts the installed program the way
# the menu does until its main window shows, and removes the package again.
# Needs root (apt-get), runs headless under Xvfb, and stops at the first fault.
set -euo pipefail
cd "$(dirname "$0")/.."

app_id=io.github.yelduman

fail() { echo "package check: $*" >&2; exit 1; }
step() { echo "== package check: $*"; }

scripts/install-deps.sh --test
scripts/package.sh
# The version is project()'s, as the package build recorded it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-package/CMakeCache.txt)
[[ -n $version ]] || fail "no project version in build-package/CMakeCache.txt"
deb=build-package/yelduman_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "$deb was not made"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "$deb is not version $version"

step "contents and dependencies"
tree=$(mktemp -d)
work=$(mktemp -d)
installed=0
cleanup() {
  if [[ -s $work/app.pid ]]; then kill "$(cat "$work/app.pid")" 2>/dev/null || true; fi
  if ((installed)); then
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq yelduman >/dev/null || true
  fi
  rm -rf "$tree" "$work"
}
trap cleanup EXIT

dpkg-deb -x "$deb" "$tree"
icons=(usr/share/icons/hicolor/scalable/apps/yelduman.svg)
for size in 16 24 32 48 64 128 256; do
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
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$deb" </dev/null \
  || fail "apt-get install failed"
[[ -x /usr/bin/yelduman ]] || fail "/usr/bin/yelduman missing after install"

step "start from the menu entry under Xvfb"
# Run the entry's Exec line from another directory with a home of its own:
# the program must end up as /usr/bin/yelduman with the home as its working
# directory (where the results file goes) and show its main window, whose
# window class must match StartupWMClass.
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop")
wm_class=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$app_id.desktop")
[[ -n $exec_line && -n $wm_class ]] || fail "installed desktop file lacks Exec or StartupWMClass"
mkdir -p "$work/home" "$work/elsewhere"
cat >"$work/start.sh" <<'EOS'
#!/usr/bin/env bash
# Runs inside xvfb-run: $1 the Exec line, $2 the home, $3 the expected class.
set -u
cd "$(dirname "$2")/elsewhere"
export HOME=$2 QT_QPA_PLATFORM=xcb
eval "exec $1" >"$2/../app.log" 2>&1 &
pid=$!
echo "$pid" >"$2/../app.pid"
for _ in $(seq 50); do
  if ! kill -0 "$pid" 2>/dev/null; then echo "the program ended early"; exit 1; fi
  line=$(xwininfo -root -tree | grep -F '"Yelduman": (' | head -n 1)
  if [[ -n $line ]]; then
    echo "window: $line"
    rc=0
    exe=$(readlink "/proc/$pid/exe")
    cwd=$(readlink "/proc/$pid/cwd")
    [[ $exe == /usr/bin/yelduman ]] || { echo "runs $exe, not /usr/bin/yelduman"; rc=1; }
    [[ $cwd == "$2" ]] || { echo "working directory $cwd, not the home $2"; rc=1; }
    [[ $line == *"\"$3\")"* ]] || { echo "window class is not $3"; rc=1; }
    kill "$pid"
    wait "$pid" 2>/dev/null
    exit "$rc"
  fi
  sleep 0.2
done
echo "no main window within 10 s"
kill "$pid"
exit 1
EOS
if ! timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" \
     bash "$work/start.sh" "$exec_line" "$work/home" "$wm_class"; then
  cat "$work/app.log" >&2 || true
  fail "the installed program did not start as the menu starts it"
fi

step "apt-get remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq yelduman </dev/null || fail "apt-get remove failed"
installed=0
[[ ! -e /usr/bin/yelduman ]] || fail "/usr/bin/yelduman left behind"
[[ ! -e /usr/share/applications/$app_id.desktop ]] || fail "desktop entry left behind"
echo "package check: passed"
