# shellcheck shell=bash
# The icon: 128 x 128 with alpha, a big black 猜 on a yellow tile with a black frame and a row of
# small black squares along the bottom. The tile's rounded corners are transparent.
drawicon() {
    local out=$1
    local squares=() x
    for x in 21 35 49 63 77 91; do
        squares+=(-draw "rectangle $x,107 $((x + 9)),116")
    done
    convert -size 128x128 xc:none \
        -fill '#ffd21f' -stroke black -strokewidth 6 -draw 'roundrectangle 3,3 124,124 14,14' \
        -stroke none -fill black "${squares[@]}" \
        -font "$font" -pointsize 80 -stroke black -strokewidth 3 -gravity north \
        -annotate +0+6 '猜' \
        -define icon:auto-resize=128 "$out"
}
