# shellcheck shell=bash
# The event picture: 812 x 434, the game played on a stage. A young man in a blue track jacket
# acts out the word on the projection screen behind him (swimming), a host speaks into her
# microphone and a second woman holds up a card. Each part below prints ImageMagick draw
# commands (MVG); drawphoto paints them over a lit stage.

photoscreen() {
    cat <<EOF
push graphic-context
  stroke '#2a2a2a' stroke-width 6 stroke-linecap round
  line 130,262 110,336
  line 380,262 400,336
  line 255,262 255,330
  stroke '#1a1a1a' stroke-width 2 fill '#3a3a3a'
  rectangle 56,26 444,266
  fill '#f4f8ff' stroke none
  rectangle 66,36 434,256
  fill '#ff8a1e'
  rectangle 66,36 434,78
  fill white font '$font' font-size 26
  text 82,67 '你比我猜 · 第三轮'
  fill '#ffffff' stroke '#d9541a' stroke-width 3
  circle 404,57 404,74
  fill '#d9541a' stroke none font-size 18
  text 393,64 '30'
  fill '#1d3f8f' font-size 118
  text 122,216 '游泳'
  fill '#7a8bb0' font-size 20
  text 178,244 '两个字 · 运动'
pop graphic-context
EOF
}

photoactor() {
    # Arms and legs are thick round-capped lines; the jacket's white stripe runs down each
    # sleeve and trouser leg. He swims a front crawl: one arm reaching over, one pulling back.
    cat <<EOF
push graphic-context
  stroke-linecap round stroke-linejoin round
  stroke '#18244a' stroke-width 26 fill none
  polyline 418,246 404,318 394,388
  polyline 444,246 466,312 482,386
  stroke white stroke-width 4
  polyline 409,250 396,318 386,386
  polyline 452,246 474,312 490,384
  stroke '#222222' stroke-width 2 fill white
  ellipse 388,398 22,9 0,360
  ellipse 490,396 22,9 0,360
  stroke '#1f5fc8' stroke-width 22 fill none
  polyline 404,176 372,132 352,88
  polyline 458,178 492,214 520,248
  stroke white stroke-width 4
  polyline 397,182 364,136 344,93
  polyline 466,175 499,208 527,240
  stroke none fill '#f2c7a0'
  circle 350,80 350,90
  circle 526,256 526,266
  fill '#1f5fc8' stroke '#143f8a' stroke-width 2
  polygon 398,170 462,170 460,258 402,258
  fill white stroke none
  rectangle 402,248 460,258
  polygon 418,168 442,168 430,186
  stroke '#d8e4f8' stroke-width 2
  line 430,186 430,248
  stroke none fill '#f2c7a0'
  rectangle 423,146 437,166
  circle 430,128 430,154
  fill '#141414'
  path 'M 405,126 Q 404,96 432,98 Q 458,98 456,126 Q 448,110 432,112 Q 414,112 405,126 Z'
  fill '#222222'
  circle 421,130 421,133
  circle 440,130 440,133
  stroke '#141414' stroke-width 2 fill none
  line 415,121 426,119
  line 435,119 446,121
  stroke none fill '#8a2a2a'
  ellipse 430,143 6,5 0,360
pop graphic-context
EOF
}

photohost() {
    cat <<EOF
push graphic-context
  stroke-linecap round stroke-linejoin round
  fill '#3a2418' stroke none
  ellipse 612,168 30,46 0,360
  stroke '#f2c7a0' stroke-width 9 fill none
  line 602,300 598,384
  line 622,300 626,384
  stroke none fill '#1a1a1a'
  ellipse 594,388 11,6 0,360
  ellipse 630,388 11,6 0,360
  fill '#d8325a' stroke '#9c1f3e' stroke-width 2
  polygon 592,176 632,176 650,304 574,304
  stroke '#f2c7a0' stroke-width 9 fill none
  polyline 632,184 644,236 646,278
  polyline 592,184 576,224 594,182
  stroke none fill '#f2c7a0'
  rectangle 606,150 618,172
  circle 612,140 612,162
  fill '#3a2418'
  path 'M 588,146 Q 586,112 614,114 Q 640,114 636,146 Q 628,126 612,128 Q 596,130 588,146 Z'
  fill '#222222'
  circle 603,142 603,144
  circle 618,142 618,144
  fill '#c0304a'
  ellipse 609,153 4,2 0,360
  stroke '#2a2a2a' stroke-width 6
  line 596,180 601,163
  stroke none fill '#555555'
  circle 602,159 602,165
  fill '#f2c7a0'
  circle 596,182 596,187
pop graphic-context
EOF
}

photocardholder() {
    cat <<EOF
push graphic-context
  stroke-linecap round stroke-linejoin round
  stroke '#2d4f8a' stroke-width 16 fill none
  line 720,296 716,382
  line 742,296 748,382
  stroke none fill '#3a3a3a'
  ellipse 712,388 12,6 0,360
  ellipse 752,388 12,6 0,360
  fill '#2d4f8a'
  polygon 712,256 750,256 756,300 706,300
  stroke '#f2c7a0' stroke-width 9 fill none
  polyline 714,184 700,146 712,104
  polyline 750,184 764,146 752,104
  fill '#f2a33a' stroke '#c47a18' stroke-width 2
  polygon 710,176 754,176 752,260 712,260
  stroke none fill '#f2c7a0'
  rectangle 726,152 738,174
  circle 732,142 732,164
  fill '#8a5a2b'
  path 'M 708,146 Q 706,114 732,116 Q 760,116 756,146 L 760,168 Q 752,150 748,132 Q 732,124 716,132 Q 712,150 704,168 Z'
  fill '#222222'
  circle 725,143 725,145
  circle 740,143 740,145
  stroke '#a83a3a' stroke-width 2 fill none
  path 'M 726,153 Q 732,158 738,153'
  stroke '#555555' stroke-width 2 fill white
  rectangle 686,46 778,104
  stroke none fill '#d9541a' font '$font' font-size 24
  text 692,84 '猜猜看!'
  fill '#f2c7a0'
  circle 712,102 712,110
  circle 752,102 752,110
pop graphic-context
EOF
}

photoaudience() {
    # Backs of heads in the front row, dark against the lit stage.
    local x
    echo "push graphic-context"
    echo "  fill '#0e0b1c' stroke none"
    for x in 20 92 166 238 660 736 806; do
        echo "  ellipse $x,434 44,34 0,360"
        echo "  circle $x,386 $((x + 19)),386"
    done
    echo "pop graphic-context"
}

drawphoto() {
    local out=$1
    local people
    people=$(photoscreen; photoactor; photohost; photocardholder; photoaudience)
    convert -size 812x336 gradient:'#1c1638-#45367a' \
        \( -size 812x98 gradient:'#8a5a32-#4e3018' \) -append \
        -fill '#6e4526' -draw 'line 0,360 812,360' -draw 'line 0,392 812,392' \
        \( -size 812x434 xc:none -fill '#fff6d060' \
        -draw 'polygon 380,0 470,0 560,400 330,400' -draw 'polygon 600,0 660,0 760,400 560,400' \
        -fill '#fff6d080' -draw 'ellipse 440,396 90,18 0,360' -draw 'ellipse 680,392 110,18 0,360' \
        -blur 0x8 \) -composite \
        -fill '#c8202a' -stroke '#7a1016' -strokewidth 2 -draw 'rectangle 470,8 804,44' \
        -font "$font" -pointsize 26 -fill '#ffe04a' -stroke none \
        -annotate +528+36 '你比我猜 欢乐挑战赛' \
        -draw "$people" \
        "${jpegout[@]}" "$out"
}
