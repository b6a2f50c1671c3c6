#!/usr/bin/env bash
# Fails on any include that points against the layers, bottom to top:
#   core -> platform -> platform/ui -> controls -> common -> dialogs -> app
# and on anything but the C++ standard library and core/ itself inside core/.
# Usage: check-layers.sh [ROOT]   (default: the repository this script is in)
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

rank() {
    case $1 in
        core/*) echo 0 ;;
        platform/ui/*) echo 2 ;;
        platform/*) echo 1 ;;
        controls/*) echo 3 ;;
        common/*) echo 4 ;;
        dialogs/*) echo 5 ;;
        app/*) echo 6 ;;
        *) echo -1 ;;
    esac
}

quoted='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)"'
angled='^[[:space:]]*#[[:space:]]*include[[:space:]]*<([^>]+)>'
bad=0
while IFS= read -r -d '' file; do
    from=$(rank "$file")
    while IFS=: read -r line text; do
        if [[ $text =~ $quoted ]]; then
            target=${BASH_REMATCH[1]}
            to=$(rank "$target")
            if ((to > from)); then
                echo "$file:$line: includes $target, a higher layer"
                bad=1
            fi
        elif [[ $text =~ $angled ]]; then
            # The core sees the standard library only: no Windows or other system header.
            header=${BASH_REMATCH[1]}
            if ((from == 0)) && [[ ! $header =~ ^[a-z_]+$ ]]; then
                echo "$file:$line: includes <$header>, which the portable core must not"
                bad=1
            fi
        fi
    done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include' "$file")
done < <(find core platform controls common dialogs app -type f \( -name '*.h' -o -name '*.cpp' \) -print0 2>/dev/null)

if ((bad)); then
    echo "includes must run core -> platform -> platform/ui -> controls -> common -> dialogs -> app"
    exit 1
fi
echo "layers: every include points down"
