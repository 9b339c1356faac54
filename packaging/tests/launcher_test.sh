#!/bin/sh
# Installs the data, launcher and desktop files into a temporary prefix and checks the
# program folder the launcher sets up, keeps and repairs, and how it starts the program.
# Usage: launcher_test.sh CMAKE BUILD_DIR
set -u

cmake=$1
build=$2
failures=0

check() { # description, command...
    what=$1
    shift
    if "$@"; then
        :
    else
        echo "FAILED: $what" >&2
        failures=$((failures + 1))
    fi
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

"$cmake" --install "$build" --prefix "$prefix" --component veltrano_data >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; echo "FAILED: install" >&2; exit 1; }

launcher=$prefix/bin/veltrano-start
shared=$prefix/share/veltrano
check "launcher installed and executable" test -x "$launcher"
check "desktop file installed" test -f "$prefix/share/applications/veltrano.desktop"
check "desktop file starts the launcher" grep -qx 'Exec=veltrano-start %f' \
    "$prefix/share/applications/veltrano.desktop"
check "icon installed" test -f "$prefix/share/icons/hicolor/256x256/apps/veltrano.png"
check "scalable icon installed" test -f "$prefix/share/icons/hicolor/scalable/apps/veltrano.svg"
check "sample calendar installed" test -f "$shared/daten/natur.cal"
check "background installed" test -f "$shared/bg1.jpg"
check "no settings file installed" test ! -e "$shared/daten/data.ini"

# First start: the folder is made.
home=$tmp/home
mkdir -p "$home"
user=$tmp/xdg/veltrano
out=$(env HOME="$home" XDG_DATA_HOME="$tmp/xdg" "$launcher" --prepare-only)
check "prepare-only succeeds and names the folder" test "$out" = "$user"
check "data folder is a real, writable folder" sh -c "test -d '$user/daten' && test ! -L '$user/daten' && test -w '$user/daten'"
check "sample calendar is a copy" sh -c "test -f '$user/daten/natur.cal' && test ! -L '$user/daten/natur.cal'"
check "sample calendar copy is writable" test -w "$user/daten/natur.cal"
check "sample calendar copy is identical" cmp -s "$shared/daten/natur.cal" "$user/daten/natur.cal"
check "photos linked" sh -c "test -L '$user/daten/bilder' && test -d '$user/daten/bilder'"
check "translation file linked" test -L "$user/lang_veltrano.ini"
check "background linked" sh -c "test -L '$user/bg1.jpg' && test -f '$user/bg1.jpg'"
for manual in "$shared"/handbuch*; do
    check "manual ${manual##*/} linked" test -L "$user/${manual##*/}"
done

# Every photo the sample calendar names is found from the user's folder.
grep -E '^(TitelBild;|Bild;[0-9]+;)' "$user/daten/natur.cal" | sed 's/.*;//; s/\r$//' |
    while read -r photo; do
        [ -f "$user/$photo" ] || echo "missing photo $photo"
    done >"$tmp/photos"
check "sample calendar photos resolve" test ! -s "$tmp/photos"

# Later starts keep the user's changes and repair links.
echo "Fontsize;20" >>"$user/daten/natur.cal"
rm "$user/lang_veltrano.ini"
echo "own" >"$user/lang_veltrano.ini"
ln -sfn "$tmp/nowhere" "$user/bg1.jpg"
rm "$user/daten/bilder"
env HOME="$home" XDG_DATA_HOME="$tmp/xdg" "$launcher" --prepare-only >/dev/null
check "changed calendar kept" grep -q 'Fontsize;20' "$user/daten/natur.cal"
check "user's own file kept" grep -qx own "$user/lang_veltrano.ini"
check "dangling link repaired" test -f "$user/bg1.jpg"
check "removed link restored" test -d "$user/daten/bilder"

# Without XDG_DATA_HOME (or with a relative one) the folder is under HOME.
env -u XDG_DATA_HOME HOME="$home" "$launcher" --prepare-only >/dev/null
check "default folder under HOME" test -f "$home/.local/share/veltrano/daten/natur.cal"
out=$(env HOME="$home" XDG_DATA_HOME=relative "$launcher" --prepare-only)
check "relative XDG_DATA_HOME ignored" test "$out" = "$home/.local/share/veltrano"

# The program starts in the user's folder with the calendar's absolute path.
cat >"$tmp/fake-program" <<EOF
#!/bin/sh
pwd >"$tmp/started"
printf '%s\n' "\$@" >>"$tmp/started"
EOF
chmod +x "$tmp/fake-program"
mkdir -p "$tmp/work"
(cd "$tmp/work" && env HOME="$home" XDG_DATA_HOME="$tmp/xdg" VELTRANO_PROGRAM="$tmp/fake-program" \
    "$launcher" "my calendar.cal")
check "program started in the user folder with /open:" test "$(cat "$tmp/started" 2>/dev/null)" = \
    "$(printf '%s\n%s' "$user" "/open:$tmp/work/my calendar.cal")"
rm -f "$tmp/started"
env HOME="$home" XDG_DATA_HOME="$tmp/xdg" VELTRANO_PROGRAM="$tmp/fake-program" "$launcher"
check "program started without arguments" test "$(cat "$tmp/started" 2>/dev/null)" = "$user"

# A missing window program fails clearly, after the folder is set up.
rm -rf "$tmp/xdg"
env HOME="$home" XDG_DATA_HOME="$tmp/xdg" VELTRANO_PROGRAM="$tmp/none" "$launcher" 2>"$tmp/err"
status=$?
check "missing program: exit status 127" test "$status" -eq 127
check "missing program: clear message" grep -q 'not installed' "$tmp/err"
check "missing program: folder still set up" test -f "$user/daten/natur.cal"

# A missing installation is reported, not half set up.
env HOME="$home" XDG_DATA_HOME="$tmp/xdg2" VELTRANO_DATA="$tmp/nothing" "$launcher" --prepare-only \
    2>"$tmp/err" >/dev/null
check "missing data: failure" test $? -ne 0
check "missing data: message" grep -q 'data folder' "$tmp/err"
check "missing data: no folder made" test ! -e "$tmp/xdg2/veltrano"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all launcher checks passed"
