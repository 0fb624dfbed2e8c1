#!/usr/bin/env bash
# Checks a built Debian package of ESOA Mapper: its name, the files it installs, its dependencies and
# its desktop entry and AppStream metadata. With --install (as root) it also installs the package,
# runs the installed program's --version and removes the package again.
# Usage: scripts/check-package.sh PACKAGE.deb [--install]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deb="$1"
install="${2:-}"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

name="$(dpkg-deb -f "$deb" Package)"
version="$(dpkg-deb -f "$deb" Version)"
arch="$(dpkg-deb -f "$deb" Architecture)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Package $name $version ($arch)"
[[ "$name" == esoa-mapper ]] || fail "package name is $name"
[[ "$(basename "$deb")" == "${name}_${version}_${arch}.deb" ]] || fail "file name $(basename "$deb")"

# The program and the sample reference files share one folder: the program looks for the files
# beside itself.
expected=(
  ./usr/lib/esoa-mapper/esoa-mapper
  ./usr/share/applications/esoa-mapper.desktop
  ./usr/share/icons/hicolor/scalable/apps/esoa-mapper.svg
  ./usr/share/doc/esoa-mapper/sql-server.md
  ./usr/share/doc/esoa-mapper/copyright
  ./usr/share/doc/esoa-mapper/changelog.gz
)
for ref in "$root"/data/reference/*.csv; do expected+=("./usr/lib/esoa-mapper/$(basename "$ref")"); done

contents="$(dpkg-deb -c "$deb")"
echo "$contents"
paths="$(awk '{ print $6 }' <<<"$contents")"
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$paths" || fail "missing $path"
done
grep -qE ' \./usr/bin/esoa-mapper -> \.\./lib/esoa-mapper/esoa-mapper$' <<<"$contents" ||
  fail "/usr/bin/esoa-mapper is not a link to ../lib/esoa-mapper/esoa-mapper"
grep -qE '^\./usr/share/metainfo/[^/]+\.metainfo\.xml$' <<<"$paths" || fail "no AppStream metadata"

# Found by dpkg-shlibdeps (the Qt libraries) and named by hand (the plugins Qt loads at run time).
for dep in libqt6widgets6 libqt6sql6 libqt6sql6-odbc libsqlite3-0 libicu72 libjemalloc2 qt6-qpa-plugins; do
  grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
# Only what the program loads: Qt's SQLite driver is a test's, not the program's.
for dep in libqt6sql6-sqlite; do
  grep -qE "(^|, )$dep( |,|$)" <<<"$depends" && fail "Depends names $dep, which the program never loads: $depends"
done

# Debian's own checks of a package: no error allowed (warnings are shown).
if command -v lintian >/dev/null; then
  lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"
else
  fail "lintian is not installed (packages-test.txt)"
fi

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/esoa-mapper.desktop" || fail "desktop entry"
for meta in "$unpacked"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net "$meta" || fail "AppStream metadata $(basename "$meta")"
  grep -q "<release version=\"$version\"" "$meta" || fail "$(basename "$meta") has no release $version"
done

if [[ "$install" == --install ]]; then
  dpkg -i "$deb"
  # Without a display, as in a terminal: --version must not need one.
  shown="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM esoa-mapper --version)" ||
    fail "esoa-mapper --version exited with $?"
  echo "esoa-mapper --version: $shown"
  [[ "$shown" == "ESOA Mapper $version" ]] || fail "--version printed '$shown'"
  dpkg -r "$name"
  [[ ! -e /usr/bin/esoa-mapper && ! -e /usr/lib/esoa-mapper/esoa-mapper ]] || fail "files left after removal"
fi

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "Package checks passed"
