# shellcheck shell=bash
# The title artwork: 524 x 201, the game's name in big green cartoon letters edged in orange-red,
# on yellow with stars, a rainbow shooting-star swoosh and a question mark.

# titleletters DX DY: -annotate arguments for every letter, shifted by (DX,DY). The letters
# tilt and bob a little, as hand-lettered cartoon titles do.
titleletters() {
    local dx=$1 dy=$2
    local letters=(你 比 我 猜) tilts=(-8 5 -4 7) xs=(14 112 210 308) ys=(158 148 161 150)
    local i
    for i in 0 1 2 3; do
        printf '%s\n' -annotate "${tilts[i]}x${tilts[i]}+$((xs[i] + dx))+$((ys[i] + dy))" "${letters[i]}"
    done
}

drawtitle() {
    local out=$1
    local letters shadow
    mapfile -t letters < <(titleletters 0 0)
    mapfile -t shadow < <(titleletters 5 6)
    local swoosh=() colours=('#e8232a' '#f7861b' '#ffe01a' '#3cb83c' '#2a7fe0' '#8a3fc8') i
    for i in 0 1 2 3 4 5; do
        local y=$((52 + 7 * i))
        swoosh+=(-stroke "${colours[i]}" -draw "stroke-linecap round path 'M 8,$((y + 30)) Q 170,$((y - 36)) 418,$((y - 30))'")
    done
    convert -size 524x201 radial-gradient:'#fff7a8-#ffc81e' \
        -fill '#ffffffc0' -stroke none \
        -draw "polygon $(star 30 28 13 5 -90)" -draw "polygon $(star 300 186 9 4 -80)" \
        -draw "polygon $(star 495 190 8 3 -90)" -draw "polygon $(star 210 16 7 3 -100)" \
        -fill '#ff9a1e' \
        -draw "polygon $(star 120 190 11 4 -90)" -draw "polygon $(star 470 20 10 4 -85)" \
        -draw "polygon $(star 12 110 8 3 -90)" -draw "polygon $(star 405 193 7 3 -90)" \
        -fill none -strokewidth 7 "${swoosh[@]}" \
        -fill '#fffbe0' -stroke '#ff9a1e' -strokewidth 3 -draw "polygon $(star 432 38 30 13 -90)" \
        -font "$font" -pointsize 106 \
        -fill '#9c2a06' -stroke '#9c2a06' -strokewidth 16 "${shadow[@]}" \
        -fill '#f2531a' -stroke '#f2531a' -strokewidth 14 "${letters[@]}" \
        -fill '#2fae2f' -stroke '#2fae2f' -strokewidth 3 "${letters[@]}" \
        \( -size 130x200 xc:none -pointsize 118 -fill white -stroke white -strokewidth 18 \
        -annotate +20+160 '?' -fill '#7a3cd0' -stroke '#7a3cd0' -strokewidth 7 -annotate +20+160 '?' \
        -trim +repage \( +clone -fill '#9c2a06' -colorize 100 -repage +5+6 \) +swap \
        -background none -layers merge -rotate 12 +repage \) \
        -geometry +425+62 -composite \
        "${jpegout[@]}" "$out"
}
