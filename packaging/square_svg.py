#!/usr/bin/env python3
"""Writes a square copy of an SVG picture, for the icon theme.

Icon themes expect square icons; the logo is slightly taller than wide. The
copy keeps every shape and trims the longer side evenly (a strip of sky and
of lawn on the logo), so the icon stays opaque to its edges instead of
gaining transparent bands.

    square_svg.py SOURCE.svg OUTPUT.svg
"""
import re
import sys


def main(source, output):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    root = re.search(r"<svg\b[^>]*>", text)
    if not root:
        sys.exit(f"{source}: no <svg> element")
    tag = root.group(0)
    box = re.search(r'\bviewBox="([^"]*)"', tag)
    if not box:
        sys.exit(f"{source}: the <svg> element has no viewBox")
    x, y, width, height = (float(v) for v in box.group(1).replace(",", " ").split())
    side = min(width, height)
    x += (width - side) / 2
    y += (height - side) / 2

    def fmt(v):
        return f"{v:g}"

    square = f"{fmt(x)} {fmt(y)} {fmt(side)} {fmt(side)}"
    tag = re.sub(r'\s(width|height|viewBox)="[^"]*"', "", tag)
    tag = tag.replace("<svg", f'<svg width="{fmt(side)}" height="{fmt(side)}" viewBox="{square}"', 1)
    with open(output, "w", encoding="utf-8") as f:
        f.write(text[: root.start()] + tag + text[root.end() :])


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
