#!/usr/bin/env bash
# Runs tidewell-sim over a varied set of scenes and prints one line per scene:
# its name and the sha256 of the picture and the state it wrote. The drawing
# path may change how pixels reach a surface, never which pixels or states
# come out: compare this output with golden.txt.
#
#   scenes.sh SIM [WORKDIR]
set -euo pipefail
sim=$1
work=${2:-$(mktemp -d)}
[ -n "${2:-}" ] || trap 'rm -rf "$work"' EXIT
mkdir -p "$work"
here=$(cd "$(dirname "$0")" && pwd)

# A desktop of the given size: a grey gradient with white windows, a white
# band along the bottom and a white column at the right.
python3 "$here/make_desktop.py" 800 600 "$work/desk800.ppm"
python3 "$here/make_desktop.py" 1920 1080 "$work/desk1080.ppm"
python3 "$here/make_desktop.py" 200 1000 "$work/desk-tall.ppm"

scene() {
  local name=$1; shift
  "$sim" "$@" --out "$work/$name.ppm" --state "$work/$name.txt"
  printf '%s %s\n' "$name" "$(cat "$work/$name.ppm" "$work/$name.txt" | sha256sum | cut -c1-16)"
}

scene default        --frames 300
scene desktop        --screen 800x600 --picture "$work/desk800.ppm" --frames 500 --seed 7
scene desktop-n100   --screen 1920x1080 --picture "$work/desk1080.ppm" --number 100 --frames 400 --seed 3
scene blank          --screen 800x600 --picture "$work/desk800.ppm" --blank --frames 200 --color 0,0,0
scene preview        --client 152x112 --frames 300 --seed 11
scene preview-desk   --screen 800x600 --client 400x300 --picture "$work/desk800.ppm" --frames 300
# The changes are listed out of frame order (the tool applies them by frame),
# and the last speed is below the floor a stored speed is raised to.
scene changes        --screen 800x600 --picture "$work/desk800.ppm" --frames 400 \
                     --at 300:number=60 --at 0:number=100 --at 250:paint --at 80:color=255,255,255 \
                     --at 200:speed=100 --at 150:number=1 --at 320:color=10,20,30 --at 350:speed=-5
scene preview-change --client 152x112 --frames 300 --at 100:number=100 --at 200:color=0,0,0 --at 250:number=3 --at 270:paint
scene short-client   --screen 800x600 --client 800x300 --picture "$work/desk800.ppm" --frames 300
scene tall           --screen 200x1000 --picture "$work/desk-tall.ppm" --number 100 --frames 600 --speed 100
scene tiny           --screen 8x8 --number 100 --frames 200
scene one-pixel      --screen 1x1 --frames 50
scene slow-frames    --screen 640x480 --frames 200 --frame-ms 100 --speed 15
