#!/usr/bin/env bash
# Builds the Debian package with Debian's own tools (debian/, dpkg-buildpackage, debhelper)
# from the files git tracks, in build-deb/ (QUORVEL_PACKAGE_DIR=DIR builds in DIR instead).
# Its last line is the path of the package: build-deb/quorvel_<version>_<arch>.deb.
# The package build skips its own test run unless DEB_BUILD_OPTIONS is set (DEB_BUILD_OPTIONS=
# runs it). The copy and its build folder are kept, so a second run rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# The program's own files: those git tracks, or in a copy without git every file but the build
# folders.
source_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files | while IFS= read -r f; do [ ! -e "$f" ] || printf '%s\n' "$f"; done
  else
    find . \( -path './build*' -o -path ./.git \) -prune -o -type f -printf '%P\n'
  fi
}

out=${QUORVEL_PACKAGE_DIR:-build-deb}
src=$out/quorvel
mkdir -p "$src"

# Only the program's files reach the package. A copy keeps its file's time and is made only
# when the file is newer, so ninja keeps the objects of unchanged sources.
source_files | xargs -r -d '\n' cp --parents -p -u -t "$src"
# Anything else in the copy goes (files since deleted, the last run's stamps and staging
# folders), except the build folder.
comm -23 <(cd "$src" && find . -path ./obj-\* -prune -o -type f -printf '%P\n' | sort) \
         <(source_files | sort) \
  | (cd "$src" && xargs -r -d '\n' rm -f --)
find "$src" -mindepth 1 -type d -empty -not -path "$src/obj-*" -delete

export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS-nocheck}
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
log=$out/build.log
echo "package: dpkg-buildpackage in $src (DEB_BUILD_OPTIONS=$DEB_BUILD_OPTIONS), log in $log"
# -nc: no clean first, so the build folder of the last run is reused.
if ! (cd "$src" && dpkg-buildpackage -b -us -uc -nc -J"$(nproc)") >"$log" 2>&1; then
  tail -n 40 "$log"
  echo "package: dpkg-buildpackage failed; the whole log is $log" >&2
  exit 1
fi
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
ls "$out/quorvel_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
