# shellcheck shell=bash
# The banner: 468 x 60, a slogan for the game on an orange sunburst with a green button at the
# right. Two looks alternate: the second turns the rays into the gaps and lights the button up.

# bannerlook LOOK OUT: draws look 0 or look 1 as a true-colour picture.
bannerlook() {
    local look=$1 out=$2
    local turn=$((look * 10))
    local button=(-fill '#2f9e2f' -stroke '#145214')
    local glow=()
    if ((look == 1)); then
        button=(-fill '#5fd35a' -stroke '#1d6b1d')
        glow=(\( -size 468x60 xc:none -fill '#fffde0' -draw 'roundrectangle 331,3 464,57 18,18'
            -blur 0x6 \) -composite -fill '#fffde0' -draw "polygon $(star 336 12 7 2 -90 4)"
            -draw "polygon $(star 458 47 6 2 -90 4)")
    fi
    convert -size 468x60 radial-gradient:'#ffd23c-#e8600c' \
        -fill '#ffe68c80' -draw "$(rays 150 30 600 18 "$turn")" \
        \( -size 468x60 radial-gradient:'#ffffff00-#b0300060' \) -composite \
        "${glow[@]}" \
        -fill '#00000040' -stroke none -draw 'roundrectangle 343,13 459,52 13,13' \
        "${button[@]}" -strokewidth 2 -draw 'roundrectangle 340,10 455,48 13,13' \
        -fill '#ffffff50' -stroke none -draw 'roundrectangle 346,13 449,27 8,8' \
        -font "$font" -pointsize 22 -fill white -stroke '#145214' -strokewidth 4 \
        -annotate +354+37 '快来玩!' -stroke white -strokewidth 0.8 -annotate +354+37 '快来玩!' \
        -pointsize 31 -fill '#8a1c00' -stroke '#8a1c00' -strokewidth 7 \
        -annotate +16+43 '你比我猜 欢乐无限' \
        -fill '#fff36a' -stroke '#fff36a' -strokewidth 1.5 -annotate +14+41 '你比我猜 欢乐无限' \
        "$out"
}

drawbanner() {
    local out=$1
    bannerlook 0 "$work/banner-a.png"
    bannerlook 1 "$work/banner-b.png"
    # Each look gets its own 256-colour palette, made once, so frames 1 and 3 (and 2 and 4) are
    # the very same pixels.
    local look
    for look in a b; do
        convert "$work/banner-$look.png" -dither FloydSteinberg -colors 256 "$work/banner-$look.gif"
    done
    convert -dispose none -delay 20 "$work/banner-a.gif" "$work/banner-b.gif" \
        "$work/banner-a.gif" "$work/banner-b.gif" -loop 0 "$work/banner-frames.gif"
    python3 "$here/draw/localpalettes.py" "$work/banner-frames.gif" "$out"
}
