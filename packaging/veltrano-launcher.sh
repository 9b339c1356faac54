#!/bin/sh
# veltrano-start: starts Veltrano in the user's own program folder.
#
# The window program keeps its settings file and the calendars it saves in its
# program folder (the current directory it starts in), so an installation
# shared by several users cannot be used directly. This launcher gives every
# user a folder of their own, $XDG_DATA_HOME/veltrano (by default
# ~/.local/share/veltrano), set up from the installed data:
#   - the read-only parts (photos, manuals, translation file, background
#     picture) are symbolic links into the installation, renewed on every start
#     so that they follow an updated or moved installation;
#   - the sample calendars (daten/*.cal) are copied once, so the user can change
#     them; a copy that exists is never overwritten;
#   - a file or folder the user put in place of a link is left alone.
# Then it starts the program there. A calendar file given as argument is opened
# ("/open:" with its absolute path).
#
# Usage: veltrano-start [--prepare-only] [calendar.cal]
#   --prepare-only  set up the folder, print its path and stop.
# Environment (for running from a build tree and for tests):
#   VELTRANO_DATA     the installed data folder (default: ../share/veltrano
#                     beside this script's folder)
#   VELTRANO_PROGRAM  the window program (default: veltrano beside this script)

set -u

me=veltrano-start

fail() {
    echo "$me: $*" >&2
    exit "${status:-1}"
}

here=$(dirname -- "$(readlink -f -- "$0")")
data_from_bin='@VELTRANO_DATA_FROM_BIN@'
case $data_from_bin in
@*) data_from_bin=../share/veltrano ;; # not configured: the usual layout
esac
shared=${VELTRANO_DATA:-$here/$data_from_bin}
program=${VELTRANO_PROGRAM:-$here/veltrano}

# An unset, empty or relative XDG_DATA_HOME means the default.
case ${XDG_DATA_HOME:-} in
/*) data_home=$XDG_DATA_HOME ;;
*)
    [ -n "${HOME:-}" ] || fail "neither XDG_DATA_HOME nor HOME is set"
    data_home=$HOME/.local/share
    ;;
esac
user=$data_home/veltrano

# link TARGET NAME: NAME becomes a symbolic link to TARGET unless the user has
# put a real file or folder there.
link() {
    if [ -L "$2" ] || [ ! -e "$2" ]; then
        ln -sfn -- "$1" "$2" || fail "cannot link $2 to $1"
    fi
}

prepare() {
    [ -d "$shared/daten" ] || fail "the installed data folder $shared is missing or incomplete"
    shared=$(cd -- "$shared" && pwd -P) || fail "cannot enter the installed data folder $shared"
    mkdir -p -- "$user/daten" || fail "cannot create the program folder $user"
    [ -w "$user/daten" ] || fail "the program folder $user/daten is not writable"
    for entry in "$shared"/*; do
        name=${entry##*/}
        [ "$name" = daten ] || link "$entry" "$user/$name"
    done
    for entry in "$shared"/daten/*; do
        [ -e "$entry" ] || continue
        name=${entry##*/}
        case $name in
        *.cal)
            if [ ! -e "$user/daten/$name" ] && [ ! -L "$user/daten/$name" ]; then
                { cp -- "$entry" "$user/daten/$name" && chmod u+w -- "$user/daten/$name"; } ||
                    fail "cannot copy $name into $user/daten"
            fi
            ;;
        data.ini | *.vdt) ;; # the user's own files, never shared
        *) link "$entry" "$user/daten/$name" ;;
        esac
    done
}

prepare_only=0
calendar=
for argument in "$@"; do
    case $argument in
    --prepare-only) prepare_only=1 ;;
    --help | -h)
        sed -n '2,/^$/s/^# \{0,1\}//p' "$0"
        exit 0
        ;;
    -*) fail "unknown option $argument (try --help)" ;;
    *)
        [ -z "$calendar" ] || fail "only one calendar file can be opened"
        calendar=$argument
        ;;
    esac
done

prepare
if [ "$prepare_only" = 1 ]; then
    echo "$user"
    exit 0
fi

if [ -n "$calendar" ]; then
    case $calendar in
    /*) ;;
    *) calendar=$(pwd)/$calendar ;;
    esac
fi

if [ ! -x "$program" ] || [ -d "$program" ]; then
    status=127 fail "the Veltrano window program is not installed (looked for $program)"
fi
cd -- "$user" || fail "cannot enter the program folder $user"
if [ -n "$calendar" ]; then
    exec "$program" "/open:$calendar"
fi
exec "$program"
