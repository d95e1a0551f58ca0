#!/bin/sh
# Renders the pictures in src/ to the files the programs load: all of them, or only those named
# on the command line (without extension). Each SVG carries its exact pixel size. The output is a
# 24-bit uncompressed BMP, or a baseline JPEG of quality 90 for an SVG that holds the comment
# <!-- render: jpg -->.
set -eu
cd "$(dirname "$0")"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

render() {
    name=$1
    rsvg-convert --format=png -o "$tmp/$name.png" "src/$name.svg"
    if grep -q '<!-- render: jpg -->' "src/$name.svg"; then
        convert "$tmp/$name.png" -background white -alpha remove -alpha off \
            -strip -interlace none -sampling-factor 2x2 -quality 90 "$name.jpg"
    else
        convert "$tmp/$name.png" -background white -alpha remove -alpha off \
            -type TrueColor BMP3:"$name.bmp"
    fi
}

for svg in src/*.svg; do
    name=$(basename "$svg" .svg)
    if [ $# -eq 0 ] || echo " $* " | grep -q " $name "; then
        render "$name"
    fi
done
