#!/usr/bin/env bash
# The game's difficulty curve as the pilot meets it: plays story mode from the
# title to the ending for every seed given (default 1 2 3), once with each
# character, and prints per stage and character the frames the stage took,
# the damage taken, the continues used, the banked score, and the enemy
# bullets in sight (on average a frame, and at most).
#
#   bench/difficulty.sh [seed...]
#
# Environment: LNF_BUILD (default build/default), LNF_LOADOUTS (default
# "0:1 1:2", character:sub-weapon pairs), LNF_JOBS (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${LNF_BUILD:-build/default}
runner=$build/src/lanternfall-headless
loadouts=${LNF_LOADOUTS:-"0:1 1:2"}
jobs=${LNF_JOBS:-2}
seeds=("$@")
[ ${#seeds[@]} -gt 0 ] || seeds=(1 2 3)
[ -x "$runner" ] || { echo "difficulty.sh: build $runner first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One whole game in a scratch copy of the game folder, so that the player's
# files it saves never land in the build.
play() {
    local seed=$1 character=$2 sub=$3 name="$work/$1-$2-$3"
    cp -r "$build/game" "$name.game"
    local start=$(date +%s.%N)
    "$runner" --data "$name.game" --pilot story --character "$character" --sub-weapon "$sub" \
        --seed "$seed" --frames 120000 | grep '^pilot:' > "$name.out" || true
    echo "$(date +%s.%N) $start" > "$name.time"
    rm -rf "$name.game"
}
export -f play
export build runner work

for seed in "${seeds[@]}"; do
    for loadout in $loadouts; do
        echo "$seed ${loadout%:*} ${loadout#*:}"
    done
done | xargs -P "$jobs" -L 1 bash -c 'play "$@"' _

printf '%-5s %-9s %-5s %7s %7s %9s %8s %8s %6s\n' seed character stage frames damage continues score bullets peak
for seed in "${seeds[@]}"; do
    for loadout in $loadouts; do
        character=${loadout%:*} sub=${loadout#*:}
        name="$work/$seed-$character-$sub"
        awk -v seed="$seed" -v who="$character/$sub" '
            /cleared at frame/ {
                gsub(",", ""); frame = $7
                row = sprintf("%-5s %-9s %-5s %7d %7d %9d %8d", seed, who, $3, frame - last, $9, $11, $13)
                last = frame
            }
            /bullets in sight/ { gsub(",", ""); printf "%s %8.1f %6d\n", row, $7, $10 }
            /ending at frame/ { printf "%-5s %-9s %-5s %7d\n", seed, who, "end", $5 - last }
            /gave up/ { print seed, who, $0 }' "$name.out"
        read -r end start < "$name.time"
        awk -v seed="$seed" -v who="$character/$sub" -v s="$start" -v e="$end" \
            'BEGIN { printf "%-5s %-9s run took %.1f s\n", seed, who, e - s }'
    done
done
