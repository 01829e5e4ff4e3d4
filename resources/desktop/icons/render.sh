#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the PNG sizes of the icons from their SVG sources (librsvg2-bin).
# The PNGs are kept in the tree, so building needs no renderer; run this
# after changing an SVG.
set -eu
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "$size"
    for svg in *.svg; do
        rsvg-convert -w "$size" -h "$size" "$svg" -o "$size/${svg%.svg}.png"
    done
done
