#!/usr/bin/env bash
# The packages as a Windows user gets them, checked under Wine:
#   package_test.sh build ROOT BUILD_ROOT
#       scripts/package.sh into BUILD_ROOT/release and BUILD_ROOT/dist; the
#       zip holds exactly the shipped files; the programs are stripped and
#       need no DLL beside them
#   package_test.sh zip|msi ROOT BUILD_ROOT GOLDEN_PREFIX PROBE_EXE WORK
#       zip: unzipped into a folder whose name has a space and Japanese
#       characters, the program and both companions start from there
#       msi: a silent per-user install, the program started from its
#       Start-menu shortcut, an upgrade to a higher version that keeps the
#       user's files, an uninstall that leaves no program file behind, and one
#       that was asked to remove the user's files too
# zip and msi run in a Wine prefix of their own (a copy of GOLDEN_PREFIX in
# WORK) with a wine server of their own, stopped at the end; the prefix is
# removed when all went well.
set -euo pipefail

mode=${1:?mode}
root=${2:?root}
build_root=${3:?build root}
release=$build_root/release
stage=$release/stage
dist=$build_root/dist

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
check() { echo "ok: $*"; }

expected_files="README.txt
ZKQ_Vostrel.exe
licenses/GPL-3.txt
licenses/gcc-runtime.txt
licenses/mingw-w64.txt
vostrel-cli.exe
vx-printer-sim.exe"
programs="ZKQ_Vostrel.exe vostrel-cli.exe vx-printer-sim.exe"

if [ "$mode" = build ]; then
  VOSTREL_BUILD_DIR=$build_root "$root/scripts/package.sh"
  version=$(sed -n 's/^#define VOSTREL_VERSION_TEXT "\(.*\)"$/\1/p' "$release/generated/vostrel_version.h")
  zip=$dist/ZKQ_Vostrel-$version-win64.zip
  msi=$dist/ZKQ_Vostrel-$version-win64.msi
  [ -s "$zip" ] || fail "no $zip"
  [ -s "$msi" ] || fail "no $msi"
  listed=$(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort)
  [ "$listed" = "$expected_files" ] || fail "the zip holds: $listed"
  check "the zip holds the three programs, README.txt and the licences"
  for exe in $programs; do
    # Stripped: no symbol table left.
    symbols=$(x86_64-w64-mingw32-nm "$stage/$exe" 2>&1 || true)
    case $symbols in *"no symbols"*) ;; *) fail "$exe is not stripped" ;; esac
    # Self-contained: only DLLs that every Windows has.
    dlls=$(x86_64-w64-mingw32-objdump -p "$stage/$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    for dll in $dlls; do
      case $dll in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | advapi32.dll | shell32.dll | \
          ws2_32.dll | winspool.drv | version.dll | uxtheme.dll | msvcrt.dll | iphlpapi.dll | setupapi.dll | \
          ole32.dll | oleaut32.dll | shlwapi.dll | cfgmgr32.dll | api-ms-win-*) ;;
        *) fail "$exe needs $dll" ;;
      esac
    done
  done
  check "the programs are stripped and need system DLLs only"
  grep -q "ZKQ_Vostrel $version" "$stage/README.txt" || fail "README.txt does not name version $version"
  check "README.txt names version $version"
  exit 0
fi

golden=${4:?golden prefix}
probe=${5:?probe exe}
work=${6:?work folder}
version=$(sed -n 's/^#define VOSTREL_VERSION_TEXT "\(.*\)"$/\1/p' "$release/generated/vostrel_version.h")
[ -n "$version" ] || fail "no release tree in $release (win.package.build makes it)"
[ -f "$golden/.vostrel-ready" ] || fail "no golden prefix in $golden (scripts/wine-prefix.sh prepare makes it)"
title="ZKQ_Vostrel $version"

. "$root/scripts/lib/wine.sh"
wine_env "$work/prefix"
# No menu entries or file associations in the real home for the installed
# shortcut (Wine's menu builder would add them).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_stop
rm -rf "$work"
mkdir -p "$work"
cp -a "$golden" "$WINEPREFIX"
"$wineserver" -p >/dev/null 2>&1 </dev/null
# The prefix (some 700 MB) is kept only for a look after a failure.
passed=0
finish() {
  wine_stop
  if [ "$passed" = 1 ]; then rm -rf "$WINEPREFIX"; fi
}
trap finish EXIT

w() { "$wine" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
winpath() { w winepath -w "$1"; }
unixpath() { w winepath -u "$1"; }

# Starts the program as Explorer does (a double click on a file or a
# shortcut), then answers through the probe: prints the program's path.
start_and_close() {
  "$wine" start /unix "$1" </dev/null >/dev/null 2>&1
  "$wine" "$probe" close "$title" </dev/null 2>/dev/null | tr -d '\r'
}

if [ "$mode" = zip ]; then
  folder="$WINEPREFIX/drive_c/ラベル プリンタ/ZKQ_Vostrel 設定"
  mkdir -p "$folder"
  unzip -q "$dist/ZKQ_Vostrel-$version-win64.zip" -d "$folder"
  [ "$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)" = "$expected_files" ] || fail "unzipped: unexpected files"

  shown=$(start_and_close "$folder/ZKQ_Vostrel.exe") || fail "no window titled '$title' from the unzipped program"
  [ "$shown" = "$(winpath "$folder/ZKQ_Vostrel.exe")" ] || fail "the window belongs to $shown"
  check "the unzipped program shows '$title' and closes"
  [ -s "$folder/Recent.dat" ] || fail "the program wrote no Recent.dat beside itself"
  check "it wrote Recent.dat beside itself"

  out=$(cd "$folder" && w ./vostrel-cli.exe --version)
  [ "$out" = "vostrel-cli $version" ] || fail "vostrel-cli --version: $out"
  out=$(cd "$folder" && w ./vx-printer-sim.exe --version)
  [ "$out" = "vx-printer-sim $version" ] || fail "vx-printer-sim --version: $out"
  check "both companions answer --version with $version"
  # The companion reads the file the program has just written, both in the
  # folder with the awkward name.
  out=$(cd "$folder" && w ./vostrel-cli.exe dump Recent.dat) || fail "vostrel-cli dump Recent.dat failed"
  [ -n "$out" ] || fail "vostrel-cli dump Recent.dat printed nothing"
  check "vostrel-cli dumps the Recent.dat there ($(printf '%s\n' "$out" | wc -l) settings)"
  passed=1
  exit 0
fi

[ "$mode" = msi ] || fail "unknown mode $mode"

# Windows keeps the Apps & features entry of a package in an Uninstall key
# named by its product code; Wine 8 writes it under HKLM even for a per-user
# install. Prints "DisplayVersion|Publisher" per entry named ZKQ_Vostrel.
apps_entries() {
  local hive
  for hive in HKCU HKLM; do
    w reg query "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s | awk '
      /^HKEY_/ { if (name == "ZKQ_Vostrel") print version "|" publisher; name = version = publisher = "" }
      $1 == "DisplayName" { name = $3 }
      $1 == "DisplayVersion" { version = $3 }
      $1 == "Publisher" { $1 = $2 = ""; sub(/^ +/, ""); publisher = $0 }
      END { if (name == "ZKQ_Vostrel") print version "|" publisher }'
  done
}

install_dir=$(unixpath "$(w cmd /c 'echo %LOCALAPPDATA%')\\Programs\\ZKQ_Vostrel")
shortcut_win="$(w cmd /c 'echo %APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs\\ZKQ_Vostrel.lnk"
shortcut=$(unixpath "$shortcut_win")
msi_win() { winpath "$1"; }

# 1. The package as built, installed silently, as a user who is no
# administrator can.
first=$dist/ZKQ_Vostrel-$version-win64.msi
"$wine" msiexec /i "$(msi_win "$first")" /qn </dev/null >/dev/null 2>&1 || fail "msiexec /i exit status $?"
for file in $expected_files; do
  cmp -s "$stage/$file" "$install_dir/$file" || fail "installed $file differs or is missing"
done
check "installed into %LOCALAPPDATA%\\Programs\\ZKQ_Vostrel"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
# The shortcut and the Apps & features entry show the program's icon, which
# the installer keeps in the user's profile.
program_icon=$root/src/res/pictures/program_icon_10.ico
shortcut_icon=$(strings -e l "$shortcut" | grep -o 'C:\\.*\.ico$' | head -n 1)
cmp -s "$program_icon" "$(unixpath "$shortcut_icon")" || fail "the shortcut's icon is '$shortcut_icon'"
product_icon=$(w reg query 'HKCU\Software\Microsoft\Installer\Products' /s | sed -n 's/^ *ProductIcon *REG_SZ *//p')
cmp -s "$program_icon" "$(unixpath "$product_icon")" || fail "the product's icon is '$product_icon'"
check "the Start-menu shortcut and the product carry the program's icon"
[ "$(apps_entries)" = "$version|ZKQ_Vostrel project" ] || fail "Apps & features entries: $(apps_entries)"
check "Apps & features lists ZKQ_Vostrel $version by ZKQ_Vostrel project"

# The user's own settings file, then a run of the program from the Start
# menu, which closes with Yes and writes its files beside itself.
printf '[Vostrel]\r\nPRINTER_MODEL=VX-135-ZKQ\r\n' >"$install_dir/Vostrel.ini"
shown=$(start_and_close "$shortcut") || fail "no window titled '$title' from the shortcut"
[ "$shown" = "$(winpath "$install_dir/ZKQ_Vostrel.exe")" ] || fail "the shortcut started $shown"
[ -s "$install_dir/Recent.dat" ] || fail "the installed program wrote no Recent.dat"
check "the shortcut starts the installed program ('$title'), which writes its files"
users_files=$(cd "$install_dir" && sha256sum Vostrel.ini Recent.dat)

# 2. A higher version replaces it in place. The installer compares only the
# first three numbers of a version, so the newer package raises the third.
IFS=. read -r major minor build _ <<<"$version"
newer=$major.$minor.$((build + 1)).0
newer_stage=$work/newer/stage
mkdir -p "$newer_stage"
cp -a "$stage/." "$newer_stage/"
sed -i "1s/ZKQ_Vostrel $version/ZKQ_Vostrel $newer/" "$newer_stage/README.txt"
"$root/scripts/package.sh" --msi "$newer_stage" "$newer" "$work/newer/ZKQ_Vostrel-$newer-win64.msi" >/dev/null
"$wine" msiexec /i "$(msi_win "$work/newer/ZKQ_Vostrel-$newer-win64.msi")" /qn </dev/null >/dev/null 2>&1 ||
  fail "upgrade: msiexec /i exit status $?"
[ "$(apps_entries)" = "$newer|ZKQ_Vostrel project" ] || fail "after the upgrade, Apps & features: $(apps_entries)"
for file in $expected_files; do
  cmp -s "$newer_stage/$file" "$install_dir/$file" || fail "after the upgrade, $file is not the newer one"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut after the upgrade"
[ "$(cd "$install_dir" && sha256sum Vostrel.ini Recent.dat)" = "$users_files" ] ||
  fail "the upgrade changed Vostrel.ini or Recent.dat"
check "$newer replaced $version in place (one entry) and kept Vostrel.ini and Recent.dat"

# 3. Uninstall: no program file, no shortcut, no entry; the user's files stay.
"$wine" msiexec /x "$(msi_win "$work/newer/ZKQ_Vostrel-$newer-win64.msi")" /qn </dev/null >/dev/null 2>&1 ||
  fail "msiexec /x exit status $?"
left=$(cd "$install_dir" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "Recent.dat Vostrel.ini " ] || fail "after the uninstall the folder holds: $left"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
[ -z "$(apps_entries)" ] || fail "Apps & features still lists: $(apps_entries)"
[ "$(cd "$install_dir" && sha256sum Vostrel.ini Recent.dat)" = "$users_files" ] ||
  fail "the uninstall changed Vostrel.ini or Recent.dat"
check "the uninstall left only Vostrel.ini and Recent.dat"

# 4. Asked to, an uninstall removes them as well, and with them the folder.
"$wine" msiexec /i "$(msi_win "$first")" /qn </dev/null >/dev/null 2>&1 || fail "reinstall: exit status $?"
"$wine" msiexec /x "$(msi_win "$first")" REMOVESETTINGS=1 /qn </dev/null >/dev/null 2>&1 ||
  fail "msiexec /x REMOVESETTINGS=1 exit status $?"
[ ! -e "$install_dir" ] || fail "REMOVESETTINGS=1 left: $(ls -A "$install_dir" | tr '\n' ' ')"
check "an uninstall with REMOVESETTINGS=1 removed the folder with the user's files"
passed=1
