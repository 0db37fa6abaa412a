# shellcheck shell=bash
# The house: 118 x 124, a small house under a light sky. Shapes are bold and outlined, because the
# main window shows it at about a fifth of its size.
drawhouse() {
    local out=$1
    convert -size 118x124 gradient:'#bfe4ff-#eef8ff' \
        -fill '#6cc04a' -stroke none -draw 'rectangle 0,108 117,123' \
        -fill '#8a2b1a' -stroke '#3a120a' -strokewidth 3 -draw 'rectangle 78,14 92,44' \
        -fill '#5a1d12' -draw 'rectangle 75,10 95,16' \
        -fill '#ffffff' -stroke '#4a4a4a' -strokewidth 3 -draw 'rectangle 20,56 98,110' \
        -fill '#3b3f4a' -stroke '#1c1e24' -strokewidth 3 \
        -draw 'polygon 8,60 59,16 110,60' \
        -fill '#8fd0ff' -stroke '#4a4a4a' -strokewidth 3 -draw 'rectangle 30,66 52,86' \
        -stroke '#4a4a4a' -strokewidth 2 -draw 'line 41,66 41,86' -draw 'line 30,76 52,76' \
        -fill '#8b5a2b' -stroke '#4a2a10' -strokewidth 3 -draw 'rectangle 64,70 86,110' \
        -fill '#ffd54a' -stroke none -draw 'circle 81,91 83,91' \
        "${jpegout[@]}" "$out"
}
