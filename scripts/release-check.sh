#!/usr/bin/env bash
# Checks that a release is the same bytes whoever makes it, wherever and
# whenever: makes the release of this checkout's commit twice with
# scripts/release.sh, from two clones, and compares them.
#   first:  a short path, this user, umask 022, UTC, C.UTF-8
#   second: a longer path, another user and home, umask 002, UTC+14,
#           tr_TR.UTF-8, a few minutes later, the Windows Qt copied elsewhere
# The Windows Qt is built once (scripts/windows-qt.sh) and serves both. It
# fails when the two SHA256SUMS differ, with diffoscope's account of each
# differing file (the installers unpacked first: diffoscope does not open
# NSIS's payload), and when an unpacked file of any package names a
# checkout, a home or the Qt's folder. Needs root (or sudo) for the second
# user.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh --release
start=$SECONDS

use_windows_qt
qt=$YELDUMAN_WINDOWS_QT
root=$(mktemp -d "${TMPDIR:-/tmp}/yelduman-release-check.XXXXXX")
chmod 755 "$root"
other_user=yelduman-release-check
cleanup() { as_root rm -rf "$root"; }
trap cleanup EXIT

# The commit both makers clone. A tree exported without its history (git
# archive) is first made a commit of its own, of the tree's files.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  source_repo=$PWD
else
  source_repo=$root/exported.git
  git init -q --bare "$source_repo"
  tree_files | git --git-dir="$source_repo" --work-tree=. add --pathspec-from-file=-
  git --git-dir="$source_repo" --work-tree=. -c user.name=release-check -c user.email=release-check@localhost \
    commit -q -m "the exported tree"
fi
commit=$(git -C "$source_repo" rev-parse HEAD)

if ! id "$other_user" >/dev/null 2>&1; then
  as_root useradd --system --no-create-home --shell /usr/sbin/nologin "$other_user"
fi

# The two makers: their checkout, home, user, umask, zone, locale and Qt.
first=$root/a/yelduman
second=$root/second-maker/a-longer-folder-name/yelduman-release-$commit
declare -A checkout=([1]=$first [2]=$second) home=([1]=$root/home-1 [2]=$root/second-maker/home)
declare -A user=([1]=$(id -un) [2]=$other_user) mask=([1]=022 [2]=002)
declare -A zone=([1]=UTC [2]=Etc/GMT-14) locale=([1]=C.UTF-8 [2]=tr_TR.UTF-8)
declare -A qt_at=([1]=$qt [2]=$root/qt-copy/windows-qt) began=()
mkdir -p "$(dirname "${qt_at[2]}")"
cp -a "$qt" "${qt_at[2]}"

for n in 1 2; do
  mkdir -p "${home[$n]}" "$(dirname "${checkout[$n]}")"
  git clone -q --no-local --no-checkout "$source_repo" "${checkout[$n]}"
  git -C "${checkout[$n]}" -c advice.detachedHead=false checkout -q "$commit"
  if [[ ${user[$n]} != $(id -un) ]]; then
    as_root chown -R "${user[$n]}" "$(dirname "${checkout[$n]}")" "${home[$n]}"
  fi
  began[$n]=$(date -u +%T)
  echo "== release $n of ${commit:0:7}, in ${checkout[$n]}"
  as_root runuser -u "${user[$n]}" -- env -i PATH="$PATH" HOME="${home[$n]}" \
    TZ="${zone[$n]}" LC_ALL="${locale[$n]}" YELDUMAN_WINDOWS_QT="${qt_at[$n]}" \
    bash -c "umask ${mask[$n]} && cd '${checkout[$n]}' && scripts/release.sh" ||
    fail "release $n"
done

echo "== what differed between the two makers"
row() {
  local -n value=$2
  printf '  %-9s %-58s %s\n' "$1" "${value[1]}" "${value[2]}"
}
printf '  %-9s %-58s %s\n' "" first second
row checkout checkout && row home home && row user user && row umask mask && row TZ zone
row LC_ALL locale && row Qt qt_at && row began began

# Every package unpacked, for the search below and for diffoscope.
unpack() {
  local dist=$1 into=$2 f
  for f in "$dist"/*; do
    case $f in
      *.deb) mkdir -p "$into/${f##*/}" && dpkg-deb -R "$f" "$into/${f##*/}" ;;
      *.exe) 7z x -y -o"$into/${f##*/}" "$f" >/dev/null ;;
      *.zip) unzip -q -o "$f" -d "$into/${f##*/}" ;;
      *.tar.gz) mkdir -p "$into/${f##*/}" && tar -xzf "$f" -C "$into/${f##*/}" ;;
    esac
  done
}
unpack "$first/dist" "$root/unpacked-1"
unpack "$second/dist" "$root/unpacked-2"

payload_members() { 7z l -slt "$1" | sed -n '/^----------$/,$p'; }

status=0
echo "== SHA256SUMS"
if diff -u "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
  sed 's/^/  /' "$first/dist/SHA256SUMS"
else
  status=1
  while read -r sum file; do
    grep -qx "$sum  $file" "$second/dist/SHA256SUMS" && continue
    echo "== diffoscope: $file"
    if [[ $file == *.exe ]]; then
      # diffoscope cannot open NSIS's payload: it sees the installer as bytes
      # only. So the payload's members as 7z lists them (with any time the
      # installer stores for one), then what 7z unpacked, member by member,
      # without the unpacked files' own times (7z gives each the time of
      # unpacking when the installer stores none).
      diff -u --label "$file, first" --label "$file, second" \
        <(payload_members "$first/dist/$file") <(payload_members "$second/dist/$file") | head -n 60 || true
      timeout 600 diffoscope --no-progress --text - --max-text-report-size 60000 \
        --exclude-directory-metadata=yes \
        "$root/unpacked-1/$file" "$root/unpacked-2/$file" | head -n 150 || true
    else
      timeout 600 diffoscope --no-progress --text - --max-text-report-size 60000 \
        "$first/dist/$file" "$second/dist/$file" | head -n 150 || true
    fi
  done <"$first/dist/SHA256SUMS"
fi

# The files under a folder that name a path: as bytes, as UTF-16 (the
# Windows program's version strings) or inside a gzipped file (the manual
# pages, the changelog).
naming() {
  python3 - "$@" <<'PYTHON'
import gzip, os, sys
root, needles = sys.argv[1], [sys.argv[2].encode(c) for c in ("utf-8", "utf-16-le")]
for folder, _, names in os.walk(root):
    for name in names:
        path = os.path.join(folder, name)
        if os.path.islink(path):
            continue
        with open(path, "rb") as f:
            data = f.read()
        if name.endswith(".gz"):
            try:
                data += gzip.decompress(data)
            except OSError:
                pass
        if any(needle in data for needle in needles):
            print(path)
PYTHON
}

echo "== no package names a maker's folders"
for n in 1 2; do
  for path in "${checkout[$n]}" "${home[$n]}" "${qt_at[$n]}" "$(dirname "$qt")"; do
    if found=$(naming "$root/unpacked-$n" "$path") && [[ -n $found ]]; then
      echo "  $path in:" && sed "s|^$root/unpacked-$n/|    |" <<<"$found"
      status=1
    fi
  done
done
((status == 0)) || fail "the two releases differ"
echo "The release is the same bytes from both makers ($((SECONDS - start)) s)."
