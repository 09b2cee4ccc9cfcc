#!/usr/bin/env python3
"""Draws the logo, a house under a sun, as logo.svg and as logo.png.

The shapes are listed once and written both as SVG (the source for icons of
other sizes) and as ImageMagick drawing commands, so the 111 x 114 bitmap
needs no SVG renderer. The bitmap is reduced to 16 colours.

    python3 make_logo.py        # in this folder; needs ImageMagick's convert
"""
import subprocess

WIDTH, HEIGHT = 111, 114
SKY = "#9fd3f0"

# (kind, fill, points or geometry), painted in order, each outlined in dark grey
# unless its outline is None.
SHAPES = [
    ("circle", "#ffd21f", (91, 19, 11), "#e0a000"),            # sun: cx, cy, r
    ("rect", "#3f9f3f", (0, 92, 111, 114), None),              # lawn: x0, y0, x1, y1
    ("rect", "#8b4513", (74, 24, 84, 48), "#303030"),          # chimney
    ("rect", "#f3e3c0", (22, 52, 90, 97), "#303030"),          # walls
    ("polygon", "#c0302a", [(12, 57), (56, 19), (100, 57)], "#303030"),  # roof
    ("rect", "#7b3f00", (49, 70, 63, 97), "#303030"),          # door
    ("circle", "#ffd21f", (60, 84, 1.5), None),                # door knob
    ("rect", "#fff4a0", (29, 62, 43, 77), "#303030"),          # left window
    ("rect", "#fff4a0", (69, 62, 83, 77), "#303030"),          # right window
    ("line", None, (36, 63, 36, 76), "#303030"),               # window bars
    ("line", None, (30, 69, 42, 69), "#303030"),
    ("line", None, (76, 63, 76, 76), "#303030"),
    ("line", None, (70, 69, 82, 69), "#303030"),
    ("polygon", "#b0b0b0", [(49, 97), (63, 97), (70, 114), (42, 114)], None),  # path
    ("rect", "#ffffff", (50, 35, 62, 47), "#303030"),          # attic window
]


def svg():
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
           f'viewBox="0 0 {WIDTH} {HEIGHT}">',
           f'  <rect x="0" y="0" width="{WIDTH}" height="{HEIGHT}" fill="{SKY}"/>']
    for kind, fill, geo, stroke in SHAPES:
        paint = f'fill="{fill or "none"}"' + (f' stroke="{stroke}" stroke-width="1"' if stroke else "")
        if kind == "circle":
            out.append(f'  <circle cx="{geo[0]}" cy="{geo[1]}" r="{geo[2]}" {paint}/>')
        elif kind == "rect":
            x0, y0, x1, y1 = geo
            out.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" {paint}/>')
        elif kind == "polygon":
            pts = " ".join(f"{x},{y}" for x, y in geo)
            out.append(f'  <polygon points="{pts}" {paint}/>')
        elif kind == "line":
            out.append(f'  <line x1="{geo[0]}" y1="{geo[1]}" x2="{geo[2]}" y2="{geo[3]}" {paint}/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def magick_draw():
    cmds = []
    for kind, fill, geo, stroke in SHAPES:
        cmds += ["-fill", fill or "none", "-stroke", stroke or "none", "-strokewidth", "1"]
        if kind == "circle":
            cx, cy, r = geo
            cmds += ["-draw", f"circle {cx},{cy} {cx + r},{cy}"]
        elif kind == "rect":
            x0, y0, x1, y1 = geo
            # SVG rectangles cover [x0, x1); ImageMagick's include x1.
            cmds += ["-draw", f"rectangle {x0},{y0} {x1 - 1},{y1 - 1}"]
        elif kind == "polygon":
            cmds += ["-draw", "polygon " + " ".join(f"{x},{y}" for x, y in geo)]
        elif kind == "line":
            cmds += ["-draw", f"line {geo[0]},{geo[1]} {geo[2]},{geo[3]}"]
    return cmds


if __name__ == "__main__":
    with open("logo.svg", "w") as f:
        f.write(svg())
    subprocess.run(["convert", "-size", f"{WIDTH}x{HEIGHT}", f"xc:{SKY}", *magick_draw(),
                    "+dither", "-colors", "16", "-strip", "PNG8:logo.png"], check=True)
