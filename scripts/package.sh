#!/usr/bin/env bash
# Builds the release tree and the packages a Windows user gets:
#   build/release/                          the release tree (optimised,
#                                           warnings are errors) and stage/,
#                                           the stripped programs and texts
#   build/dist/ZKQ_Vostrel-VERSION-win64.zip  the portable folder
#   build/dist/ZKQ_Vostrel-VERSION-win64.msi  the per-user installer (wixl)
# VERSION is the project's version in the top CMakeLists.txt. Runs from a
# fresh clone after scripts/setup.sh; VOSTREL_BUILD_DIR chooses the build
# folder as for scripts/test.sh.
#
#   scripts/package.sh --msi STAGE VERSION OUT.msi
# makes only the installer, from a staged folder with the given version (the
# packaging tests make a "newer" package this way).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
release=$build/release
dist=$build/dist

# The installer: the files of the staged folder that the installer's source
# names, the version, the program's icon. wixl takes relative source paths
# only, hence the run inside the staged folder.
make_msi() {
  local stage=$1 version=$2 out=$3
  out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")
  cp "$root/src/res/pictures/program_icon_10.ico" "$stage/../program.ico"
  (cd "$stage" && wixl --arch x64 -D Version="$version" -D Stage=. -D Icon=../program.ico \
    -o "$out" "$root/packaging/ZKQ_Vostrel.wxs")
  # The user's two files, removed by an uninstall with REMOVESETTINGS=1 only
  # (see the installer's source).
  local file key
  for file in Vostrel.ini Recent.dat; do
    key=Remove${file%%.*}
    msibuild "$out" -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`FileName\`, \`DirProperty\`, \`InstallMode\`) VALUES ('$key', 'Programs', '$file', 'SETTINGSDIR', 2)"
  done
}

if [ "${1:-}" = --msi ]; then
  [ $# -eq 4 ] || { echo "usage: $0 --msi STAGE VERSION OUT.msi" >&2; exit 64; }
  make_msi "$2" "$3" "$4"
  exit 0
fi

"$root/scripts/setup.sh"

# Compiles go through the shared ccache as in scripts/test.sh: the release
# tree compiles with the Windows test tree's flags, so its objects come from
# the cache and only the links are new.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$root")}
fi

cmake -S "$root" -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$release" --target ZKQ_Vostrel vostrel-cli vx-printer-sim

version=$(sed -n 's/^#define VOSTREL_VERSION_TEXT "\(.*\)"$/\1/p' "$release/generated/vostrel_version.h")
[ -n "$version" ] || { echo "package: no version in $release/generated/vostrel_version.h" >&2; exit 1; }
name=ZKQ_Vostrel-$version-win64

# The staged folder: what the zip holds and the installer installs.
stage=$release/stage
rm -rf "$stage"
mkdir -p "$stage/licenses" "$dist"
strip=x86_64-w64-mingw32-strip
"$strip" -o "$stage/ZKQ_Vostrel.exe" "$release/src/ZKQ_Vostrel.exe"
"$strip" -o "$stage/vostrel-cli.exe" "$release/tools/vostrel-cli/vostrel-cli.exe"
"$strip" -o "$stage/vx-printer-sim.exe" "$release/tools/vx-printer-sim/vx-printer-sim.exe"

# Texts as Windows editors take them: CRLF line ends and, as some hold
# characters beyond ASCII (README.txt's Japanese words, names in the
# licences), UTF-8 with the byte-order mark that tells Notepad so.
text_file() {
  {
    printf '\357\273\277'
    sed 's/\r$//; s/$/\r/' "$1"
  } >"$2"
}
sed "s/@VERSION@/$version/g" "$root/packaging/README.txt" >"$release/README.txt"
text_file "$release/README.txt" "$stage/README.txt"
# The licences of what every program has linked in statically, as this
# machine's toolchain packages state them: the mingw-w64 runtime and
# winpthreads, GCC's libgcc and libstdc++ (GPL 3 with the GCC Runtime Library
# Exception, whose text the second file includes).
text_file /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licenses/mingw-w64.txt"
text_file /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$stage/licenses/gcc-runtime.txt"
text_file /usr/share/common-licenses/GPL-3 "$stage/licenses/GPL-3.txt"

# The portable zip: the staged files at its top, so that Windows' "Extract
# all" makes one folder named like the zip.
rm -f "$dist"/ZKQ_Vostrel-*-win64.zip "$dist"/ZKQ_Vostrel-*-win64.msi
(cd "$stage" && zip -q -X -r "$dist/$name.zip" .)

make_msi "$stage" "$version" "$dist/$name.msi"

printf 'package: %s\n' "$dist/$name.zip" "$dist/$name.msi"
ls -l "$stage"/*.exe "$dist/$name.zip" "$dist/$name.msi" | awk '{print "package:", $5, $NF}'
