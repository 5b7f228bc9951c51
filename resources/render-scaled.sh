#!/bin/sh
# Renders the window pictures in resources/imgs/ from their sources in
# resources/src/, at 1x and at the @2x and @3x of high-density screens.
# The pictures are committed, so a build never runs this; it needs
# rsvg-convert (librsvg2-bin).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
render() { # source, picture name, width, height
    for scale in 1 2 3; do
        suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
        rsvg-convert --width $(($3 * scale)) --height $(($4 * scale)) \
            "$here/src/$1" -o "$here/imgs/$2$suffix.png"
    done
}
render tonewright.svg icon 30 30
render likeus.svg likeus 300 100
render advenced.svg advenced 135 135
