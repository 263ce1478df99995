#!/usr/bin/env bash
# Draws the program's pictures (src/res/pictures) with scripts/draw_pictures.py.
#   scripts/draw-pictures.sh             redraw the files in src/res/pictures
#   scripts/draw-pictures.sh --check     draw into a temporary folder and compare
#                                        with the committed files (exit 1 on a
#                                        difference)
#   scripts/draw-pictures.sh --png DIR   redraw, and put enlarged PNG copies into
#                                        DIR for looking at them
# Debian's Pillow (python3-pil, installed by scripts/setup.sh) and the DejaVu
# fonts (fonts-dejavu-core) draw them; the system Python finds that Pillow.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/src/res/pictures"
python=/usr/bin/python3
script="$root/scripts/draw_pictures.py"

if ! "$python" -c 'import PIL' 2>/dev/null; then
  echo "draw-pictures: Pillow is missing; install python3-pil (scripts/setup.sh)" >&2
  exit 2
fi

case "${1:-}" in
  --check)
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    "$python" "$script" --out "$tmp" --rc "$tmp/scaled_pictures.rc"
    status=0
    if ! cmp -s "$tmp/scaled_pictures.rc" "$root/src/res/scaled_pictures.rc"; then
      echo "draw-pictures: src/res/scaled_pictures.rc differs from its drawing" >&2
      status=1
    fi
    rm -f "$tmp/scaled_pictures.rc"
    for f in "$tmp"/*; do
      name=$(basename "$f")
      if [ ! -e "$out/$name" ]; then
        echo "draw-pictures: src/res/pictures/$name is missing" >&2
        status=1
      elif ! cmp -s "$f" "$out/$name"; then
        echo "draw-pictures: src/res/pictures/$name differs from its drawing" >&2
        status=1
      fi
    done
    for f in "$out"/*.bmp "$out"/*.ico; do
      [ -e "$f" ] || continue
      name=$(basename "$f")
      if [ ! -e "$tmp/$name" ]; then
        echo "draw-pictures: src/res/pictures/$name is not drawn by the script" >&2
        status=1
      fi
    done
    if [ "$status" -eq 0 ]; then echo "draw-pictures: all pictures match"; fi
    exit "$status"
    ;;
  --png)
    if [ $# -lt 2 ]; then
      echo "usage: $0 [--check | --png DIR]" >&2
      exit 2
    fi
    mkdir -p "$2"
    exec "$python" "$script" --out "$out" --rc "$root/src/res/scaled_pictures.rc" --png "$2"
    ;;
  "")
    exec "$python" "$script" --out "$out" --rc "$root/src/res/scaled_pictures.rc"
    ;;
  *)
    echo "usage: $0 [--check | --png DIR]" >&2
    exit 2
    ;;
esac
