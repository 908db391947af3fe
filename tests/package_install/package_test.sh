#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, installs it with apt-get, plays the
# tour with the installed cadhost as a new user (empty home folder, nothing registered),
# has an ordinary user edit a list (saved into their own folder, the shipped one
# untouched), then removes the package and checks that none of its files is left and the
# user's lists are. Needs root (or sudo); refuses to run where quenmoor-tools is installed
# already, so as not to remove a package it did not install.
#
#     bash tests/package_install/package_test.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source=$PWD

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
if dpkg-query -W -f='${Status}' quenmoor-tools 2>/dev/null | grep -q "installed"; then
    fail "quenmoor-tools is installed already; remove it first (apt-get remove quenmoor-tools)"
fi

started=$(date +%s)
deb=$(bash scripts/package.sh | tail -n 1)
[ -f "$deb" ] || fail "scripts/package.sh made no package"
echo "== package $deb: $(du -k "$deb" | cut -f1) KiB, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

echo "== lintian"
# Every hint lintian shows is either fixed or overridden with its reason in
# packaging/quenmoor-tools.lintian-overrides; errors and warnings fail the test.
lintian --info --display-info --fail-on error,warning "$deb" ||
    fail "lintian reports errors or warnings"

scratch=$(mktemp -d /tmp/quenmoor-package-XXXXXX)
installed=0
cleanup() {
    if [ "$installed" -eq 1 ]; then
        $sudo apt-get remove -y -qq --purge quenmoor-tools >/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# Each entry as "TYPE PATH": d a folder, - a file, l a link.
dpkg-deb -c "$deb" | awk '{ print substr($1, 1, 1), $6 }' >"$scratch/contents"

echo "== install"
$sudo apt-get install -y -qq "$deb" >/dev/null
installed=1

libdir=$(dpkg -L quenmoor-tools | grep '/quenmoor-tools/quenmoortools.so$')
libdir=$(dirname "$libdir")
for file in /usr/bin/cadhost /usr/bin/regsvr \
    "$libdir"/{quenmoortools.so,workbook.so,libquenmoorcom.so,Options.xls,material.xls,quenmoorhelp.chm} \
    "$libdir"/freecad/{quenmoortools.so,workbook.so,libquenmoorcom.so,Options.xls,material.xls,quenmoorhelp.chm} \
    /usr/share/quenmoor-tools/examples/{tour.qms,bracket.json,frame.json,bracket-drawing.json} \
    /usr/share/applications/cadhost.desktop /usr/share/icons/hicolor/scalable/apps/cadhost.svg \
    /usr/share/doc/quenmoor-tools/copyright /usr/share/freecad/Mod/Quenmoor/InitGui.py \
    /usr/share/freecad/Mod/Quenmoor/lib/quenmoorhost.*.so; do
    [ -f "$file" ] || fail "the package installed no $file"
done
man -w cadhost >/dev/null && man -w regsvr >/dev/null || fail "no manual page of cadhost or regsvr"
command -v cadhost | grep -qx /usr/bin/cadhost || fail "cadhost is not /usr/bin/cadhost on the PATH"

echo "== the tour with the installed cadhost, as a new user"
home="$scratch/home"
tour="$scratch/tour"
mkdir -p "$home" "$tour"
chmod 755 "$scratch"
run_as_new_user() {
    (cd /usr/share/quenmoor-tools &&
        env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen TOUR="$tour" "$@")
}
run_as_new_user cadhost --script /usr/share/quenmoor-tools/examples/tour.qms \
    >"$scratch/tour.out" 2>"$scratch/tour.err" || {
    cat "$scratch/tour.out" "$scratch/tour.err"
    fail "the tour ended with exit code $?"
}
registry="$home/.config/quenmoor/registry.json"
[ -f "$registry" ] || fail "cadhost registered nothing in the new user's registry"
grep -q "\"$libdir/quenmoortools.so\"" "$registry" ||
    fail "the registry does not name the installed add-in: $(cat "$registry")"
grep -q "\"$libdir/workbook.so\"" "$registry" ||
    fail "the registry does not name the installed spreadsheet engine"
grep -q "^connected Quenmoor_Systems.Application returned" "$scratch/tour.out" ||
    fail "the add-in was not loaded at start: $(head -n 5 "$scratch/tour.out")"
grep -q "^menu 1 \"Numerate Dimension Names" "$scratch/tour.out" ||
    fail "the add-in added no menus"
grep -qx "cadhost: registered $libdir/quenmoortools.so in $registry" "$scratch/tour.err" ||
    fail "cadhost did not say what it registered: $(cat "$scratch/tour.err")"
if grep -q "^error 0x" "$scratch/tour.out"; then
    grep "^error 0x" "$scratch/tour.out"
    fail "an add-in call failed in the tour"
fi
for picture in 01-part 02-numbering-page 03-numbered 04-material-page 05-unit-converter \
    06-custom-properties 07-option-list-editor 08-package-path 09-export-page 10-about \
    11-help 12-appearance 13-assembly 14-drawing; do
    [ -s "$tour/$picture.png" ] || fail "the tour left no $picture.png"
done
for extension in tif igs step stl dxf; do
    ls "$tour"/*."$extension" >/dev/null 2>&1 || fail "the tour's export packages wrote no .$extension"
done
ls "$tour"

# A second start finds everything registered and leaves the registry as it is.
before=$(stat -c %Y.%s "$registry")
sleep 1
echo quit | run_as_new_user cadhost --script - >"$scratch/again.out" 2>"$scratch/again.err"
[ ! -s "$scratch/again.err" ] || fail "a second start said: $(cat "$scratch/again.err")"
[ "$(stat -c %Y.%s "$registry")" = "$before" ] || fail "a second start rewrote the registry"

echo "== an ordinary user edits a list with the installed package"
# The shipped lists belong to root: the user's Save goes to a copy in their own folder.
user=quenmoor-package-user
if ! id -u "$user" >/dev/null 2>&1; then
    $sudo useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
fi
userhome="$scratch/user-home"
mkdir -p "$userhome"
$sudo chown "$user" "$userhome"
shipped=$(sha256sum "$libdir/Options.xls")
cat >"$scratch/edit-list.qms" <<'SCRIPT'
new part "Bracket"
menu "Custom Properties"
press 2
window SetOptions
choose SetOptions.List1 0
type SetOptions.AddText "Added by an ordinary user"
click SetOptions.AddItem
click SetOptions.Save
window SavedNotice
cancel
menu "Custom Properties"
page
cancel
SCRIPT
(cd / && $sudo runuser -u "$user" -- env -i PATH=/usr/bin:/bin HOME="$userhome" \
    XDG_RUNTIME_DIR="$userhome" QT_QPA_PLATFORM=offscreen \
    cadhost --script "$scratch/edit-list.qms") >"$scratch/edit.out" 2>"$scratch/edit.err" || {
    cat "$scratch/edit.out" "$scratch/edit.err"
    fail "the list edit as $user ended with exit code $?"
}
own="$userhome/.config/quenmoor/Options.xls"
[ -f "$own" ] || fail "the editor saved no copy in the user's folder: $(cat "$scratch/edit.out")"
grep -q "^window SetOptions \"Set Options - $libdir/Options.xls\"" "$scratch/edit.out" ||
    fail "the editor does not name the shipped file it read: $(grep '^window' "$scratch/edit.out")"
grep "^combo" "$scratch/edit.out" | grep -q "Added by an ordinary user" ||
    grep -q "Added by an ordinary user" "$scratch/edit.out" ||
    fail "the next page does not offer the user's new entry"
[ "$(sha256sum "$libdir/Options.xls")" = "$shipped" ] || fail "the user's Save changed the shipped lists"
own_sum=$(sha256sum "$own")

echo "== the FreeCAD workbench"
/usr/bin/python3 -c "
import sys
sys.path.insert(0, '/usr/share/freecad/Mod/Quenmoor/lib')
import quenmoorhost
assert quenmoorhost.ADDIN_PROG_ID == 'Quenmoor_Systems.Application'
" || fail "the installed FreeCAD bridge does not load in /usr/bin/python3"
if command -v freecadcmd >/dev/null 2>&1; then
    (cd "$scratch" && env -i PATH=/usr/bin:/bin HOME="$home" freecadcmd -c \
        "import sys; print('MOD ' + ' '.join(sys.path))" 2>/dev/null) | grep '^MOD ' |
        tr ' ' '\n' | grep -qx /usr/share/freecad/Mod/Quenmoor ||
        fail "FreeCAD does not load /usr/share/freecad/Mod/Quenmoor"
else
    echo "(freecadcmd is not installed: FreeCAD's folder of workbenches is not checked)"
fi
# What FreeCAD run by root leaves beside the workbench's files: Python's compiled files.
$sudo /usr/bin/python3 -c "
import compileall, sys
sys.exit(not compileall.compile_dir('/usr/share/freecad/Mod/Quenmoor/quenmoor_freecad', quiet=1))"

echo "== remove"
$sudo apt-get remove -y -qq --purge quenmoor-tools >/dev/null
installed=0
left=()
while read -r type path; do
    path=${path#.}
    path=${path%/}
    case "$type" in
        # Folders shared with the system (/usr/bin, /usr/share/freecad/Mod) stay.
        d) case "$path" in
               *quenmoor-tools* | */Mod/Quenmoor*) [ ! -e "$path" ] || left+=("$path") ;;
           esac ;;
        *) if [ -e "$path" ] || [ -L "$path" ]; then left+=("$path"); fi ;;
    esac
done <"$scratch/contents"
if [ ${#left[@]} -ne 0 ]; then
    printf '  %s\n' "${left[@]}"
    fail "removing the package left these behind"
fi
[ "$(sha256sum "$own")" = "$own_sum" ] || fail "removing the package touched the user's own lists"
echo "package test passed in $(($(date +%s) - started)) s"
