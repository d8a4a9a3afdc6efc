#!/bin/sh
# Checks the packages that `make package` leaves in DIST:
#  - lintian finds no error in the Debian package (its warnings are listed);
#  - the Debian package, unpacked with dpkg-deb into an empty folder, runs
#    the README's first session from there: in its doc folder, where the
#    example tables are, and the program from its usr/bin;
#  - the Windows zip, unpacked into an empty folder, runs the same session
#    under Wine, in a Wine prefix of its own with nothing added to Wine's
#    path (so a MinGW runtime DLL that korvelin.exe needed would be missing),
#    and prints what the Linux program printed and saves the same file.
# The session's input and the replies it must show are read from README.
# A check that cannot run says SKIPPED and why.
# Usage: check.sh DIST README
#
# lintian: no warnings are left today.  Its notes below warnings (shown
# with --display-info) are: binary-has-unneeded-section .comment, as CPack strips
# the program plainly; spelling-error-in-binary and typo-in-manual-page for
# "SUCESSFULLY", which is how the program's messages have always spelt it.
# The error package-section-games-but-contains-no-game is overridden in the
# package (--show-overrides shows it): section games with the program in
# /usr/bin is deliberate, as cmake/debian/lintian-overrides explains.
dist=$1
readme=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0 skipped=0
pass() { echo "PASSED: $1"; passed=$((passed + 1)); }
fail() { echo "FAILED: $1"; failed=$((failed + 1)); }
skip() { echo "SKIPPED: $1"; skipped=$((skipped + 1)); }

awk -v mode=input -f "$here/readme_session.awk" "$readme" >"$work/session.in"
awk -v mode=replies -f "$here/readme_session.awk" "$readme" >"$work/replies"

# session NAME FOLDER COMMAND...: runs the session in FOLDER, output in
# $work/NAME.out; says whether the README's replies are in it.
session() {
  name=$1 folder=$2
  shift 2
  (cd "$folder" && timeout 120 "$@" <"$work/session.in" >"$work/$name.out" 2>"$work/$name.err")
  status=$?
  if [ "$status" -ne 0 ]; then
    cat "$work/$name.err"
    fail "$name: the session ended with status $status"
  elif ! awk -v mode=check -f "$here/readme_session.awk" "$work/replies" "$work/$name.out"; then
    fail "$name: the README's session"
  elif [ ! -s "$folder/gang.sav" ]; then
    fail "$name: the session's save gang.sav was not written"
  else
    pass "$name: the README's session prints the README's replies and saves gang.sav"
  fi
}

set -- "$dist"/korvelin_*.deb
deb=$1
linux=""
if [ ! -f "$deb" ]; then
  skip "Debian package: none in $dist (make package needs dpkg-dev)"
elif ! command -v dpkg-deb >/dev/null; then
  skip "Debian package: dpkg-deb is not installed (Debian: dpkg)"
else
  if command -v lintian >/dev/null; then
    lintian "$deb" >"$work/lintian" 2>&1
    status=$?
    grep -v '^running with root privileges' "$work/lintian" | sed 's/^/  lintian: /'
    if [ "$status" -ne 0 ] || grep -q '^E: ' "$work/lintian"; then
      fail "lintian $(basename "$deb"): exit status $status, errors above"
    else
      pass "lintian $(basename "$deb"): no errors, $(grep -c '^W: ' "$work/lintian") warnings"
    fi
  else
    skip "lintian: not installed (Debian: lintian)"
  fi
  mkdir "$work/deb"
  dpkg-deb -x "$deb" "$work/deb"
  session deb "$work/deb/usr/share/doc/korvelin" "$work/deb/usr/bin/korvelin"
  [ -s "$work/deb/usr/share/doc/korvelin/gang.sav" ] && linux="$work/deb/usr/share/doc/korvelin"
fi

set -- "$dist"/korvelin-*-windows-*.zip
zip=$1
if [ ! -f "$zip" ]; then
  skip "Windows zip: none in $dist (make package needs MinGW-w64 and mandoc)"
elif ! command -v wine >/dev/null || ! command -v unzip >/dev/null; then
  skip "Windows zip: it runs under Wine and is unpacked by unzip (Debian: wine, unzip)"
else
  mkdir "$work/zip"
  unzip -q "$zip" -d "$work/zip"
  folder=$(echo "$work"/zip/korvelin-*)
  export WINEPREFIX="$work/wine" WINEDEBUG=fixme-all
  unset WINEPATH
  wineboot -i >/dev/null 2>&1
  session wine "$folder" wine ./korvelin.exe
  wineserver -k 2>/dev/null
  if [ -z "$linux" ]; then
    skip "wine: the same output as the Linux program (the Debian package's session did not run)"
  elif tr -d '\r' <"$work/wine.out" | cmp -s - "$work/deb.out" &&
    tr -d '\r' <"$folder/gang.sav" | cmp -s - "$linux/gang.sav"; then
    pass "wine: the same output and save file as the Linux program"
  else
    tr -d '\r' <"$work/wine.out" | diff "$work/deb.out" - | head -20
    fail "wine: the output or the save file differs from the Linux program's"
  fi
fi

echo "packages: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
