#!/usr/bin/env bash
# Renders made-up timelines in every unit system, every axis position, both orientations, every
# axis style and the list display, so the display can be looked at. The pictures go to
# build/gallery (or the folder given as the first argument).
#   scripts/gallery.sh [OUT_FOLDER] [PATH_TO_vezizivu-cli]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/gallery}
cli=${2:-}
if [ -z "$cli" ]; then
    for candidate in "$top/build/release/src/cli/vezizivu-cli" "$top/build/debug/src/cli/vezizivu-cli"; do
        if [ -x "$candidate" ]; then cli=$candidate; break; fi
    done
fi
if [ -z "$cli" ] || [ ! -x "$cli" ]; then
    echo "vezizivu-cli not found; build it first (cmake --build build/debug --target vezizivu-cli)" >&2
    exit 2
fi
export QT_QPA_PLATFORM=offscreen
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Timelines are created in a private home so no settings of the user are read or written.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

run() { "$cli" "$@" 2>/dev/null; }

# new FILE UNITS, then add NAME START [END] lines from standard input.
make_timeline() {
    local file=$1 units=$2
    rm -f "$file"
    run new "$file" --units "$units"
    while IFS='|' read -r name start end; do
        [ -z "$name" ] && continue
        if [ -n "$end" ]; then
            run add "$file" --name "$name" --start "$start" --end "$end" >/dev/null
        else
            run add "$file" --name "$name" --start "$start" >/dev/null
        fi
    done
}

# A calendar date as a date number (days from 30 December 1899).
day() { echo $(( ( $(date -ud "$1" +%s) - $(date -ud 1899-12-30 +%s) ) / 86400 )); }

render() {
    local file=$1 name=$2; shift 2
    run render "$file" "$out/$name" "$@"
    echo "$out/$name"
}

# Years and Months: values typed without a month carry the marker 0.0002.
make_timeline "$work/years.tml" 0 <<'EOF'
First World War|1914.0002|1918.0002
Second World War|1939.0002|1945.0002
Moon landing|1969.5834|
Cold War|1947.0002|1991.0002
Fall of the Berlin Wall & reunification|1989.8334|1990.75
Great Depression|1929.8334|1939.0002
Spanish flu|1918.0002|1920.0002
Korean War|1950.5|1953.5834
Vietnam War|1955.9167|1975.3334
Sputnik|1957.8334|
EOF

make_timeline "$work/weeks.tml" 1 <<'EOF'
Project start|2001.0002|
Phase one|2001.0192|2001.5
Phase two|2001.4|2002.3
Review|2002.1|
Phase three|2002.25|2003.0002
EOF

make_timeline "$work/days.tml" 2 <<'EOF'
Arrival|1.375|
Conference|2|5
Keynote|2.4167|2.5
Workshop A|3.375|3.75
Workshop B|3.5|4
Excursion|5.3333|5.8333
Departure|6.5|
EOF

make_timeline "$work/hours.tml" 3 <<'EOF'
Wake up|6.5|
Breakfast|7|7.5
Commute|7.75|8.5
Meetings|9|12
Lunch|12.25|13
Deep work|13|17.5
Dinner|19|20
Sleep|23|30
EOF

make_timeline "$work/steps.tml" 4 <<'EOF'
Mix|1|3
Knead|3|4.5
Prove|4.5|9
Shape|9|10
Bake|11|14
Taste|15|
EOF

make_timeline "$work/km.tml" 5 <<'EOF'
Start|0|
First drinks|5|
Half way|21.0975|
The wall|30|35
Finish|42.195|
Downhill stretch|12|18
EOF

make_timeline "$work/metres.tml" 6 <<'EOF'
Tee|0|
Bunker|55.5|62
Water hazard|70|85.25
Green|92|100
Flag|96.5|
EOF

make_timeline "$work/calendar.tml" 7 <<EOF
Battle of Britain|$(day 1940-07-10)|$(day 1940-10-31)
D-Day|$(day 1944-06-06)|
Blitz|$(day 1940-09-07)|$(day 1941-05-11)
Operation Barbarossa|$(day 1941-06-22)|$(day 1941-12-05)
Pearl Harbor|$(day 1941-12-07)|
Stalingrad|$(day 1942-08-23)|$(day 1943-02-02)
VE Day|$(day 1945-05-08)|
Hiroshima|$(day 1945-08-06)|
War in Europe|$(day 1939-09-01)|$(day 1945-05-08)
EOF

make_timeline "$work/month.tml" 7 <<EOF
Term starts|$(day 2024-03-04)|
Exams|$(day 2024-03-18)|$(day 2024-03-22)
Holiday|$(day 2024-03-25)|$(day 2024-04-05)
Easter|$(day 2024-03-31)|
EOF

for t in years weeks days hours steps km metres calendar month; do
    render "$work/$t.tml" "$t-vertical.png"
    render "$work/$t.tml" "$t-horizontal.png" --orientation horizontal
done
for pos in 0 1 2; do
    render "$work/years.tml" "years-vertical-pos$pos.png" --orientation vertical --axis-pos "$pos"
done
for pos in 1 2 3 4; do
    render "$work/years.tml" "years-horizontal-pos$pos.png" --orientation horizontal --axis-pos "$pos"
done
for style in 0 1 2; do
    render "$work/steps.tml" "steps-style$style.png" --axis-style "$style" --width 800 --height 600
done
render "$work/calendar.tml" "calendar-bands-horizontal.png" --orientation horizontal --axis-pos 3 --axis-style 3
render "$work/calendar.tml" "calendar-bands-vertical.png" --axis-pos 0 --axis-style 3
render "$work/month.tml" "month-bands-horizontal.png" --orientation horizontal --axis-pos 3 --axis-style 3
render "$work/years.tml" "years-list.png" --display list
render "$work/calendar.tml" "calendar-tight.png" --orientation horizontal --layout 0
render "$work/calendar.tml" "calendar.pdf" --orientation horizontal
render "$work/calendar.tml" "calendar.bmp" --width 800 --height 500
render "$work/calendar.tml" "calendar.jpg" --width 800 --height 500
