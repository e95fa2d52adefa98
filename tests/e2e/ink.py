#!/usr/bin/python3
"""Where the text ends in a screenshot of a text area's inside.

  ink.py IMAGE   prints "right GAP baseline GAP": how many pixels lie between
                 the rightmost ink and the right edge, and between the last
                 line's baseline and the bottom edge. The baseline is the
                 lowest row of the last line that is inked by much of the
                 line, so that descenders do not count. Fails when ink
                 touches the right or the bottom edge, as cut text does.
"""
import subprocess
import sys

image = sys.argv[1]
size = subprocess.run(["identify", "-format", "%w %h", image], check=True, capture_output=True, text=True)
width, height = map(int, size.stdout.split())
gray = subprocess.run(["convert", image, "-colorspace", "Gray", "-depth", "8", "gray:-"], check=True,
                      capture_output=True).stdout
rows = [gray[y * width:(y + 1) * width] for y in range(height)]
ink_per_row = [sum(1 for value in row if value < 128) for row in rows]
rightmost = max((x for row in rows for x in range(width) if row[x] < 128), default=-1)

bottom = max((y for y in range(height) if ink_per_row[y]), default=-1)
top = bottom
while top > 0 and ink_per_row[top - 1]:
    top -= 1
line = ink_per_row[top:bottom + 1]
baseline = top + max(i for i, ink in enumerate(line) if ink >= max(line) / 3)

print(f"right {width - 1 - rightmost} baseline {height - 1 - baseline}")
sys.exit(0 if 0 <= rightmost < width - 1 and 0 <= bottom < height - 1 else 1)
