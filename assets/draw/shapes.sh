# shellcheck shell=bash
# Point lists for ImageMagick's -draw polygon, computed with awk because the shell has no
# trigonometry. Angles are in degrees, clockwise from the positive x axis (y points down).

# star CX CY OUTER INNER TURN [POINTS]: a star's outline, first point at TURN degrees.
star() {
    awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v turn="$5" -v n="${6:-5}" 'BEGIN {
        pi = atan2(0, -1)
        for (i = 0; i < 2 * n; i++) {
            r = (i % 2 == 0) ? ro : ri
            a = (turn + i * 180 / n) * pi / 180
            printf "%.1f,%.1f ", cx + r * cos(a), cy + r * sin(a)
        }
    }'
}

# rays CX CY RADIUS COUNT TURN: -draw commands for COUNT wedges around (CX,CY), each as wide as
# the gap after it, the first starting at TURN degrees.
rays() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v n="$4" -v turn="$5" 'BEGIN {
        pi = atan2(0, -1)
        w = 180 / n
        for (i = 0; i < n; i++) {
            a0 = (turn + 2 * i * w) * pi / 180
            a1 = a0 + w * pi / 180
            printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", cx, cy, \
                cx + r * cos(a0), cy + r * sin(a0), cx + r * cos(a1), cy + r * sin(a1)
        }
    }'
}
