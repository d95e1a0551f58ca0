#!/bin/sh
# Renders the pictures in src/ to the files the programs load:
# all of them, or only those named on the command line (without extension).
# Each SVG carries its exact pixel size; the output format follows the
# name listed below (BMP: 24-bit uncompressed, JPEG: baseline, quality 90).
set -eu
cd "$(dirname "$0")"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

render() {
    name=$1
    format=$2
    rsvg-convert --format=png -o "$tmp/$name.png" "src/$name.svg"
    case $format in
    bmp)
        convert "$tmp/$name.png" -background white -alpha remove -alpha off \
            -type TrueColor BMP3:"$name.bmp"
        ;;
    jpg)
        convert "$tmp/$name.png" -background white -alpha remove -alpha off \
            -strip -interlace none -sampling-factor 2x2 -quality 90 "$name.jpg"
        ;;
    esac
}

pictures="
birch jpg
idiom_hen bmp
idiom_moon bmp
idiom_cat bmp
idiom_apple bmp
word_scheme bmp
sentence_scheme_word_first bmp
sentence_scheme_phrase_first bmp
suffix_mark bmp
suffix_mark_large bmp
prefix_mark bmp
dash_dot_line bmp
wavy_line bmp
"

echo "$pictures" | while read -r name format; do
    [ -n "$name" ] || continue
    if [ $# -eq 0 ] || echo " $* " | grep -q " $name "; then
        render "$name" "$format"
    fi
done
