#!/usr/bin/env bash
# Lays out the bundled sample exam package in a fresh temporary parent folder and
# runs the launcher (the i686 build, as deployed) there under Wine.
#
#   run-sample.sh                      on your display when DISPLAY is set, else on a
#                                      virtual one (a screenshot is saved and its path printed)
#   run-sample.sh --virtual            always on a virtual display
#   run-sample.sh --enter VENUE NUMBER types the venue code and examinee number and presses Enter
#   run-sample.sh --x86_64             the 64-bit build instead
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LAUNCHER_BUILD_DIR:-$root/build}
arch=i686 virtual=0 venue="" number=""
while [ $# -gt 0 ]; do
    case "$1" in
        --virtual) virtual=1 ;;
        --x86_64) arch=x86_64 ;;
        --enter) venue=${2:?venue code}; number=${3:?examinee number}; shift 2 ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
[ -n "${DISPLAY:-}" ] || virtual=1

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

win_bin=$build/win-$arch
parent=$(mktemp -d /tmp/exam-pc.XXXXXX)
python3 "$root/scripts/layout_package.py" --launcher "$win_bin/launcher.exe" \
    --exam-program "$win_bin/examples/sample_exam.exe" "$parent" >/dev/null
echo "Sample package laid out in: $parent"
find "$parent" -maxdepth 2 | sed "s|^$parent|  .|" | sort

export LAUNCHER_WINE_HOME=$build/wine
[ "$virtual" = 1 ] || export LAUNCHER_USE_DISPLAY=$DISPLAY
eval "$("$root/scripts/wine-env.sh" env)"
loader=/usr/lib/wine/wine
[ "$arch" = x86_64 ] && loader=/usr/lib/wine/wine64
drive() { "$loader" "$win_bin/tests/driver.exe" "$@"; }

(cd "$parent/launcher" && exec "$loader" launcher.exe) >/dev/null 2>&1 &
launcher_pid=$!
if ! drive wait-window frmJPZZ0010 20000; then
    echo "the launcher's window did not appear" >&2
fi
sleep 1
if [ "$virtual" = 1 ]; then
    shot=$parent.png
    import -window root -display "$DISPLAY" "$shot" 2>/dev/null && echo "Screenshot: $shot"
fi
if [ -n "$venue" ]; then
    drive type frmJPZZ0010 "$venue"
    drive key frmJPZZ0010 9          # Tab to the examinee number
    drive type frmJPZZ0010 "$number"
    drive key frmJPZZ0010 13
fi
if [ "$virtual" = 1 ] && [ -z "$venue" ]; then
    kill "$launcher_pid" 2>/dev/null || true
    "$WINESERVER" -k 2>/dev/null || true
fi
wait "$launcher_pid" 2>/dev/null || true
echo "The launcher has ended."
if [ -n "$venue" ]; then
    # The clean-up batch runs on after the launcher: it removes the launcher
    # folder, then itself.
    for _ in $(seq 600); do
        [ -e "$parent/launcher" ] || [ -e "$parent/Corvanta.BAT" ] || break
        sleep 0.1
    done
    examinee=$(find "$parent" -maxdepth 1 -mindepth 1 -type d -name '受験者用_*' | head -n 1)
    if [ -n "$examinee" ]; then
        echo "Examinee folder: $examinee"
    else
        echo "No examinee folder was made (see the launcher's message)."
    fi
    if [ "$virtual" = 1 ]; then
        shot=$parent-exam.png
        import -window root -display "$DISPLAY" "$shot" 2>/dev/null && echo "Screenshot of the exam program: $shot"
        "$WINESERVER" -k 2>/dev/null || true   # nobody is there to close the exam program
    fi
fi
echo "The parent folder now holds:"
find "$parent" -maxdepth 1 -mindepth 1 | sed "s|^$parent/|  |" | sort
