#!/usr/bin/env bash
# Starts the program on a virtual display of its own, makes a two-character girl's run with a
# featured first character (types a surname, clicks 女, 取双字名 and the start button), rests the
# pointer on a name to show its meaning and saves a PNG of the window.
# Usage: tools/screenshot.sh [output.png [program]]
# Without a program it builds the release one first, as tools/run.sh does.
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
program=${2:-}

tools/install-deps.sh --screenshot
if [[ -z "$program" ]]; then
    cmake --workflow --preset release
    program=build/release/app/tavelin-namer
fi

scratch=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait; rm -rf "$scratch"' EXIT

# Xvfb picks a free display itself and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
    [[ -s "$scratch/display" ]] && break
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$scratch/display")"

XDG_DATA_HOME=$scratch "$program" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavelin宝宝起名软件')
read -r left top < <(xwininfo -id "$window" |
    awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}')

# Clicks a point given in window coordinates.
click() {
    xdotool mousemove $((left + $1)) $((top + $2)) click 1
    sleep 0.2
}

click 359 122 # 编辑框1
xdotool type --delay 100 '李'
click 369 155                                     # 单选框2, 女
click 457 152                                     # 选择框2, 取双字名
click 432 231                                     # 超级按钮1
xdotool mousemove $((left + 292)) $((top + 272)) # rest on 标签5 to show its meaning
sleep 1.5

# The meaning's balloon is a window of its own and may reach past the main window: the picture
# holds both on a transparent canvas.
import -window root "$scratch/screen.png"
geometries=()
for shown in $(xdotool search --onlyvisible --pid "${pids[1]}"); do
    geometries+=("$(xwininfo -id "$shown" | awk '/Absolute upper-left X/ {x = $NF}
        /Absolute upper-left Y/ {y = $NF} /Width:/ {w = $NF} /Height:/ {h = $NF}
        END {print x, y, w, h}')")
done
x0=$left y0=$top x1=$((left + 623)) y1=$((top + 408))
for geometry in "${geometries[@]}"; do
    read -r x y w h <<<"$geometry"
    ((x < x0)) && x0=$x
    ((y < y0)) && y0=$y
    ((x + w > x1)) && x1=$((x + w))
    ((y + h > y1)) && y1=$((y + h))
done
layers=()
for geometry in "${geometries[@]}"; do
    read -r x y w h <<<"$geometry"
    layers+=('(' "$scratch/screen.png" -crop "${w}x${h}+${x}+${y}" +repage ')'
        -geometry "+$((x - x0))+$((y - y0))" -composite)
done
mkdir -p "$(dirname "$output")"
convert -size "$((x1 - x0))x$((y1 - y0))" xc:none "${layers[@]}" "$output"
echo "Saved $output"
