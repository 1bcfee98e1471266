#!/usr/bin/python3
"""Draws the image set (pictures 0 to 34) and the application icon.

Run with Debian's interpreter and python3-pil:  /usr/bin/python3 assets/generator/generate.py
Everything is drawn from shapes at eight times the size and reduced, so the
output depends only on this file, Pillow and the DejaVu fonts.
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from icon_file import icon_file  # noqa: E402

ASSETS = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
BOLD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SS = 8  # supersampling factor

WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)
CLEAR = (0, 0, 0, 0)
FLAG_COLOURS = [(38, 112, 214, 255), (226, 68, 44, 255), (246, 184, 28, 255), (70, 168, 58, 255)]


class Pen:
    """Unit coordinates (0..1 across the picture) onto a supersampled canvas."""

    def __init__(self, width, height, background=CLEAR):
        self.width, self.height = width, height
        self.image = Image.new("RGBA", (width * SS, height * SS), background)
        self.draw = ImageDraw.Draw(self.image)

    def xy(self, points):
        return [(x * self.width * SS, y * self.height * SS) for x, y in points]

    def box(self, x0, y0, x1, y1):
        return [x0 * self.width * SS, y0 * self.height * SS, x1 * self.width * SS - 1, y1 * self.height * SS - 1]

    def w(self, value):
        return max(1, int(round(value * self.width * SS)))

    def result(self):
        return self.image.resize((self.width, self.height), Image.Resampling.BOX)


def rect(p, x0, y0, x1, y1, fill, outline=None, width=0.0):
    p.draw.rectangle(p.box(x0, y0, x1, y1), fill=fill, outline=outline, width=p.w(width) if outline else 0)


def rrect(p, x0, y0, x1, y1, radius, fill, outline=None, width=0.0):
    p.draw.rounded_rectangle(p.box(x0, y0, x1, y1), radius=p.w(radius), fill=fill, outline=outline,
                             width=p.w(width) if outline else 0)


def ellipse(p, x0, y0, x1, y1, fill, outline=None, width=0.0):
    p.draw.ellipse(p.box(x0, y0, x1, y1), fill=fill, outline=outline, width=p.w(width) if outline else 0)


def polygon(p, points, fill, outline=None, width=0.0):
    p.draw.polygon(p.xy(points), fill=fill, outline=outline, width=p.w(width) if outline else 0)


def line(p, points, fill, width):
    p.draw.line(p.xy(points), fill=fill, width=p.w(width), joint="curve")
    r = p.w(width) / 2
    for x, y in p.xy([points[0], points[-1]]):
        p.draw.ellipse([x - r, y - r, x + r, y + r], fill=fill)


def arc(p, x0, y0, x1, y1, start, end, fill, width):
    p.draw.arc(p.box(x0, y0, x1, y1), start, end, fill=fill, width=p.w(width))


def text(p, x, y, words, size, fill, anchor="la"):
    font = ImageFont.truetype(BOLD_FONT, int(round(size * p.height * SS)))
    p.draw.text((x * p.width * SS, y * p.height * SS), words, font=font, fill=fill, anchor=anchor)


def shade(colour, factor):
    r, g, b, a = colour
    return (min(255, int(r * factor)), min(255, int(g * factor)), min(255, int(b * factor)), a)


# ---- shared symbols -------------------------------------------------------

def flag(p, x0, y0, x1, y1):
    """Our waving flag: four rounded tiles whose edges follow one sine wave."""
    gap = (x1 - x0) * 0.06
    mid_x = (x0 + x1) / 2
    amp = (y1 - y0) * 0.07

    def wave(x):
        return amp * math.sin((x - x0) / (x1 - x0) * math.pi * 1.6)

    tiles = [(x0, mid_x - gap / 2, 0, 0.5 - 0.03), (mid_x + gap / 2, x1, 0, 0.5 - 0.03),
             (x0, mid_x - gap / 2, 0.5 + 0.03, 1), (mid_x + gap / 2, x1, 0.5 + 0.03, 1)]
    for colour, (tx0, tx1, v0, v1) in zip(FLAG_COLOURS, tiles):
        steps = 12
        top = [(tx0 + (tx1 - tx0) * i / steps, 0) for i in range(steps + 1)]
        points = [(x, y0 + v0 * (y1 - y0) + wave(x) + amp) for x, _ in top]
        points += [(x, y0 + v1 * (y1 - y0) + wave(x) - amp) for x, _ in reversed(top)]
        polygon(p, points, colour)


def power_symbol(p, cx, cy, r, colour, width, closed_ring=False):
    if closed_ring:
        ellipse(p, cx - r, cy - r, cx + r, cy + r, None, colour, width)
        line(p, [(cx, cy - r * 1.25), (cx, cy - r * 0.2)], colour, width)
    else:
        arc(p, cx - r, cy - r, cx + r, cy + r, 300, 240, colour, width)
        line(p, [(cx, cy - r * 1.15), (cx, cy - r * 0.05)], colour, width)


def ray_ring(p, cx, cy, r, colour, width, rays=12):
    for i in range(rays):
        a = 2 * math.pi * i / rays
        line(p, [(cx + math.cos(a) * r * 0.55, cy + math.sin(a) * r * 0.55),
                 (cx + math.cos(a) * r, cy + math.sin(a) * r)], colour, width)


def circle_arrow(p, cx, cy, r, colour, width):
    arc(p, cx - r, cy - r, cx + r, cy + r, 330, 250, colour, width)
    a = math.radians(330)
    tip_x, tip_y = cx + math.cos(a) * r, cy + math.sin(a) * r
    h = r * 0.75
    polygon(p, [(tip_x - h * 0.9, tip_y - h * 0.1), (tip_x + h * 0.35, tip_y - h * 0.9), (tip_x + h * 0.45, tip_y + h * 0.45)], colour)


def info_letter(p, cx, cy, size, colour):
    ellipse(p, cx - size * 0.09, cy - size * 0.42, cx + size * 0.09, cy - size * 0.24, colour)
    rect(p, cx - size * 0.08, cy - size * 0.14, cx + size * 0.08, cy + size * 0.36, colour)


def sheet(p, x0, y0, x1, y1, fold, fill=WHITE, edge=(120, 120, 130, 255), width=0.035):
    polygon(p, [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], fill, edge, width)
    polygon(p, [(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], (215, 215, 222, 255), edge, width)


def folder(p, body, tab, edge):
    polygon(p, [(0.06, 0.22), (0.38, 0.22), (0.46, 0.3), (0.94, 0.3), (0.94, 0.84), (0.06, 0.84)], tab, edge, 0.03)
    polygon(p, [(0.06, 0.38), (0.94, 0.38), (0.94, 0.84), (0.06, 0.84)], body, edge, 0.03)


def gear(p, cx, cy, r, colour, teeth=8):
    points = []
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4)
        rr = r if (i % 4) in (0, 1) else r * 0.78
        points.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    polygon(p, points, colour, shade(colour, 0.7), 0.02)
    ellipse(p, cx - r * 0.3, cy - r * 0.3, cx + r * 0.3, cy + r * 0.3, CLEAR)


# ---- the pictures ---------------------------------------------------------

def back_button(p):
    ellipse(p, 0.03, 0.03, 0.97, 0.97, (46, 160, 60, 255), (24, 110, 36, 255), 0.06)
    polygon(p, [(0.2, 0.5), (0.5, 0.22), (0.5, 0.38), (0.8, 0.38), (0.8, 0.62), (0.5, 0.62), (0.5, 0.78)], WHITE)


def check_mark(p):
    line(p, [(0.14, 0.52), (0.4, 0.78), (0.88, 0.2)], (40, 160, 50, 255), 0.18)


def flag_with_word_mark(p):
    flag(p, 0.14, 0.08, 0.86, 0.66)
    text(p, 0.5, 0.9, "Orvanto", 0.17, (60, 60, 70, 255), anchor="ms")


def blank_sheet(p):
    sheet(p, 0.18, 0.06, 0.82, 0.94, 0.22)


def classic_computer(p):
    rect(p, 0.06, 0.64, 0.94, 0.92, (205, 200, 180, 255), (90, 88, 80, 255), 0.04)
    rect(p, 0.58, 0.74, 0.86, 0.8, (70, 70, 70, 255))
    rect(p, 0.12, 0.74, 0.2, 0.8, (40, 200, 40, 255))
    rect(p, 0.16, 0.06, 0.84, 0.58, (205, 200, 180, 255), (90, 88, 80, 255), 0.04)
    rect(p, 0.24, 0.13, 0.76, 0.49, (20, 40, 200, 255), (40, 40, 60, 255), 0.03)
    rect(p, 0.38, 0.58, 0.62, 0.64, (160, 156, 140, 255))


def banner(p):
    flag(p, 0.03, 0.1, 0.15, 0.7)
    text(p, 0.19, 0.64, "Orvanto", 0.5, (30, 30, 40, 255), anchor="ls")
    text(p, 0.975, 0.2, "ORVANTO", 0.13, (110, 110, 120, 255), anchor="rs")
    rect(p, 0, 0.84, 1, 1, (16, 62, 170, 255))
    rect(p, 0, 0.84, 1, 0.87, (90, 140, 230, 255))


def square_button(colour, symbol):
    def draw(p):
        rrect(p, 0.04, 0.04, 0.96, 0.96, 0.16, shade(colour, 0.75))
        rrect(p, 0.08, 0.08, 0.92, 0.92, 0.13, colour)
        rrect(p, 0.12, 0.1, 0.88, 0.46, 0.12, shade(colour, 1.18))
        symbol(p)
    return draw


def standby_symbol(p):
    power_symbol(p, 0.5, 0.54, 0.24, WHITE, 0.09)


def on_off_symbol(p):
    power_symbol(p, 0.5, 0.54, 0.24, WHITE, 0.08, closed_ring=True)


def rays_symbol(p):
    ray_ring(p, 0.5, 0.5, 0.3, WHITE, 0.07)


def small_restart_symbol(p):
    circle_arrow(p, 0.5, 0.52, 0.25, WHITE, 0.13)


def small_power_symbol(p):
    power_symbol(p, 0.5, 0.55, 0.25, WHITE, 0.12)


def logo_flag(p):
    flag(p, 0.04, 0.04, 0.96, 0.96)


def button_face(words, symbol):
    def draw(p):
        rrect(p, 0.0, 0.0, 1.0, 1.0, 0.03, (255, 255, 255, 255), (170, 170, 180, 255), 0.008)
        symbol(p)
        text(p, 0.29, 0.52, words, 0.47, BLACK, anchor="lm")
    return draw


def face_key(p):
    orange = (240, 140, 20, 255)
    ellipse(p, 0.05, 0.2, 0.15, 0.8, None, orange, 0.03)
    line(p, [(0.15, 0.5), (0.25, 0.5)], orange, 0.035)
    line(p, [(0.21, 0.5), (0.21, 0.72)], orange, 0.025)
    line(p, [(0.245, 0.5), (0.245, 0.66)], orange, 0.025)


def face_power(p):
    # the face is wide: draw in a square region of it
    red = (215, 40, 30, 255)
    cx, cy, r = 0.14, 0.52, 0.065
    p.draw.arc([(cx - r) * p.width * SS, (cy - r * 134 / 31) * p.height * SS,
                (cx + r) * p.width * SS, (cy + r * 134 / 31) * p.height * SS], 300, 240, fill=red, width=p.w(0.022))
    line(p, [(cx, 0.13), (cx, 0.5)], red, 0.022)


def triangle_right(p):
    polygon(p, [(0.25, 0.1), (0.88, 0.5), (0.25, 0.9)], (40, 170, 50, 255), (20, 110, 30, 255), 0.06)


def person(p):
    grey = (70, 70, 76, 255)
    ellipse(p, 0.31, 0.06, 0.69, 0.46, grey)
    p.draw.pieslice(p.box(0.1, 0.5, 0.9, 1.3), 180, 360, fill=grey)


def light_bulb(p):
    ellipse(p, 0.16, 0.03, 0.84, 0.7, (252, 220, 40, 255), (170, 130, 0, 255), 0.06)
    rect(p, 0.34, 0.66, 0.66, 0.8, (150, 150, 160, 255))
    rect(p, 0.38, 0.8, 0.62, 0.94, (110, 110, 120, 255))


def round_info(p):
    ellipse(p, 0.03, 0.03, 0.97, 0.97, (30, 100, 210, 255), (15, 60, 150, 255), 0.06)
    info_letter(p, 0.5, 0.5, 0.95, WHITE)


def yellow_folder(p):
    folder(p, (250, 206, 70, 255), (225, 170, 40, 255), (160, 115, 20, 255))


def shield(p):
    outline = [(0.5, 0.04), (0.9, 0.16), (0.88, 0.52), (0.5, 0.96), (0.12, 0.52), (0.1, 0.16)]
    blue, yellow = (30, 90, 200, 255), (250, 200, 30, 255)
    polygon(p, outline, (40, 40, 60, 255))
    inner = Pen(p.width, p.height)
    polygon(inner, [(0.5, 0.1), (0.85, 0.2), (0.83, 0.51), (0.5, 0.89), (0.17, 0.51), (0.15, 0.2)], WHITE)
    quarters = Pen(p.width, p.height)
    rect(quarters, 0, 0, 0.5, 0.5, blue)
    rect(quarters, 0.5, 0, 1, 0.5, yellow)
    rect(quarters, 0, 0.5, 0.5, 1, yellow)
    rect(quarters, 0.5, 0.5, 1, 1, blue)
    p.image.paste(quarters.image, (0, 0), inner.image)


def program_file(p):
    sheet(p, 0.16, 0.04, 0.84, 0.96, 0.22)
    flag(p, 0.3, 0.38, 0.7, 0.76)


def gear_wheel(p):
    gear(p, 0.5, 0.5, 0.46, (104, 128, 158, 255), teeth=8)


def wrench(p):
    silver = (186, 190, 198, 255)
    edge = (110, 114, 122, 255)
    line(p, [(0.2, 0.8), (0.62, 0.38)], edge, 0.2)
    line(p, [(0.2, 0.8), (0.62, 0.38)], silver, 0.13)
    ellipse(p, 0.48, 0.08, 0.92, 0.52, silver, edge, 0.04)
    polygon(p, [(0.7, 0.3), (0.84, 0.02), (1.0, 0.02), (1.0, 0.18), (0.72, 0.32)], CLEAR)
    ellipse(p, 0.13, 0.73, 0.27, 0.87, (140, 144, 152, 255))


def square_info(p):
    rrect(p, 0.06, 0.06, 0.94, 0.94, 0.14, (30, 110, 220, 255), (15, 70, 160, 255), 0.04)
    info_letter(p, 0.5, 0.5, 0.9, WHITE)


def documents_folder(p):
    edge = (60, 120, 170, 255)
    polygon(p, [(0.06, 0.18), (0.38, 0.18), (0.46, 0.26), (0.94, 0.26), (0.94, 0.86), (0.06, 0.86)], (120, 180, 225, 255), edge, 0.03)
    sheet(p, 0.26, 0.1, 0.74, 0.7, 0.12, width=0.025)
    for y in (0.34, 0.44, 0.54):
        rect(p, 0.33, y, 0.64, y + 0.03, (150, 160, 180, 255))
    polygon(p, [(0.06, 0.44), (0.94, 0.44), (0.94, 0.86), (0.06, 0.86)], (150, 205, 240, 255), edge, 0.03)


def globe(p):
    ellipse(p, 0.16, 0.16, 0.84, 0.84, (40, 110, 210, 255), (20, 60, 140, 255), 0.025)
    for x0, x1 in ((0.34, 0.66), (0.44, 0.56)):
        ellipse(p, x0, 0.16, x1, 0.84, None, (140, 190, 250, 255), 0.018)
    line(p, [(0.17, 0.5), (0.83, 0.5)], (140, 190, 250, 255), 0.018)
    line(p, [(0.22, 0.33), (0.78, 0.33)], (140, 190, 250, 255), 0.018)
    line(p, [(0.22, 0.67), (0.78, 0.67)], (140, 190, 250, 255), 0.018)
    for start, end, colour in ((200, 320, (50, 180, 60, 255)), (20, 140, (245, 140, 20, 255))):
        arc(p, 0.05, 0.05, 0.95, 0.95, start, end, colour, 0.07)
        a = math.radians(end)
        tx, ty = 0.5 + math.cos(a) * 0.43, 0.5 + math.sin(a) * 0.43
        d = 0.11
        b = a + math.pi / 2
        polygon(p, [(tx + math.cos(b) * d, ty + math.sin(b) * d), (tx + math.cos(a) * d, ty + math.sin(a) * d),
                    (tx - math.cos(a) * d, ty - math.sin(a) * d)], colour)


def flat_monitor(p):
    rrect(p, 0.04, 0.1, 0.96, 0.74, 0.04, (40, 42, 48, 255))
    screen = Pen(p.width, p.height)
    for i in range(32):
        t = i / 31
        rect(screen, 0.09, 0.15 + 0.54 * t, 0.91, 0.15 + 0.54 * (t + 1 / 31), (20, int(90 + 90 * t), int(200 + 40 * t), 255))
    p.image.alpha_composite(screen.image)
    polygon(p, [(0.42, 0.74), (0.58, 0.74), (0.62, 0.86), (0.38, 0.86)], (90, 92, 100, 255))
    rrect(p, 0.26, 0.86, 0.74, 0.92, 0.02, (60, 62, 70, 255))


def hard_disk(p):
    rrect(p, 0.08, 0.3, 0.92, 0.76, 0.06, (170, 172, 178, 255), (90, 92, 98, 255), 0.03)
    rect(p, 0.1, 0.58, 0.9, 0.74, (120, 122, 128, 255))
    ellipse(p, 0.76, 0.62, 0.84, 0.7, (60, 220, 60, 255))
    for x in (0.2, 0.3, 0.4):
        rect(p, x, 0.62, x + 0.05, 0.7, (70, 70, 76, 255))


def wall_socket(p):
    rrect(p, 0.12, 0.04, 0.88, 0.6, 0.06, (236, 236, 232, 255), (140, 140, 136, 255), 0.03)
    rect(p, 0.32, 0.18, 0.68, 0.44, (60, 60, 64, 255))
    rect(p, 0.42, 0.44, 0.58, 0.5, (60, 60, 64, 255))
    rect(p, 0.36, 0.3, 0.64, 0.52, (40, 110, 210, 255), (20, 60, 140, 255), 0.02)
    line(p, [(0.5, 0.52), (0.5, 0.72), (0.3, 0.9), (0.3, 1.0)], (40, 110, 210, 255), 0.09)


def printer(p):
    rect(p, 0.26, 0.06, 0.74, 0.4, WHITE, (130, 130, 136, 255), 0.02)
    rrect(p, 0.06, 0.34, 0.94, 0.74, 0.06, (150, 152, 158, 255), (80, 82, 88, 255), 0.03)
    rect(p, 0.06, 0.52, 0.94, 0.56, (110, 112, 118, 255))
    ellipse(p, 0.8, 0.4, 0.86, 0.46, (60, 220, 60, 255))
    rect(p, 0.24, 0.62, 0.76, 0.94, WHITE, (130, 130, 136, 255), 0.02)
    for y in (0.72, 0.8):
        rect(p, 0.32, y, 0.68, y + 0.025, (160, 160, 170, 255))


def keyboard(p):
    rrect(p, 0.03, 0.26, 0.97, 0.76, 0.06, (214, 216, 220, 255), (130, 132, 138, 255), 0.025)
    for row in range(3):
        for col in range(9):
            x = 0.08 + col * 0.095
            y = 0.32 + row * 0.1
            rect(p, x, y, x + 0.075, y + 0.075, (250, 250, 252, 255), (150, 152, 158, 255), 0.01)
    rect(p, 0.26, 0.62, 0.74, 0.7, (250, 250, 252, 255), (150, 152, 158, 255), 0.01)


def expansion_card(p):
    rect(p, 0.06, 0.2, 0.86, 0.74, (40, 150, 70, 255), (20, 90, 40, 255), 0.025)
    for x in range(9):
        rect(p, 0.12 + x * 0.08, 0.74, 0.17 + x * 0.08, 0.84, (220, 180, 50, 255))
    rect(p, 0.2, 0.32, 0.44, 0.56, (30, 30, 34, 255))
    rect(p, 0.52, 0.34, 0.7, 0.48, (30, 30, 34, 255))
    rect(p, 0.86, 0.12, 0.94, 0.8, (180, 182, 188, 255), (110, 112, 118, 255), 0.02)


def red_cross(p):
    red, dark = (215, 40, 36, 255), (150, 20, 18, 255)
    line(p, [(0.2, 0.2), (0.8, 0.8)], dark, 0.26)
    line(p, [(0.8, 0.2), (0.2, 0.8)], dark, 0.26)
    line(p, [(0.2, 0.2), (0.8, 0.8)], red, 0.19)
    line(p, [(0.8, 0.2), (0.2, 0.8)], red, 0.19)


def plus_sign(p):
    green = (40, 165, 50, 255)
    rect(p, 0.38, 0.1, 0.62, 0.9, green)
    rect(p, 0.1, 0.38, 0.9, 0.62, green)


def minus_sign(p):
    rect(p, 0.1, 0.38, 0.9, 0.62, (40, 165, 50, 255))


def app_icon(p):
    rrect(p, 0.03, 0.03, 0.97, 0.97, 0.18, (24, 52, 120, 255))
    flag(p, 0.2, 0.2, 0.8, 0.8)


ORANGE, RED, GREEN = (240, 130, 20, 255), (210, 36, 30, 255), (40, 160, 50, 255)

# (number, format, draw, size or icon entries, PNG mode)
PICTURES = [
    (0, "ico", back_button, [(16, 24)]),
    (1, "ico", check_mark, [(16, 24), (16, 32)]),
    (2, "png", flag_with_word_mark, (128, 128), "RGBA"),
    (3, "ico", blank_sheet, [(32, 8)]),
    (4, "ico", classic_computer, [(32, 4)]),
    (5, "jpg", banner, (420, 77)),
    (6, "png", square_button(ORANGE, standby_symbol), (42, 42), "RGB"),
    (7, "png", square_button(RED, on_off_symbol), (42, 42), "RGB"),
    (8, "png", square_button(GREEN, rays_symbol), (42, 42), "RGB"),
    (9, "png", logo_flag, (50, 45), "RGBA"),
    (10, "jpg", button_face("Abmelden", face_key), (134, 31)),
    (11, "jpg", button_face("Beenden", face_power), (134, 31)),
    (12, "ico", triangle_right, [(16, 4), (16, 24), (16, 32)]),
    (13, "ico", person, [(16, 24)]),
    (14, "ico", square_button(GREEN, small_restart_symbol), [(16, 24)]),
    (15, "png", square_button(RED, small_power_symbol), (16, 16), "RGBA"),
    (16, "ico", light_bulb, [(16, 24)]),
    (17, "ico", round_info, [(16, 24)]),
    (18, "ico", yellow_folder, [(32, 8)]),
    (19, "png", shield, (40, 40), "RGBA"),
    (20, "ico", program_file, [(48, 4)]),
    (21, "ico", gear_wheel, [(48, 8), (32, 8), (16, 8), (48, 32), (32, 32)]),
    (22, "ico", wrench, [(48, 32)]),
    (23, "ico", square_info, [(48, 32), (32, 32), (16, 32)]),
    (24, "ico", documents_folder, [(48, 8), (32, 8), (16, 8), (48, 32), (32, 32), (16, 32)]),
    (25, "png", globe, (64, 64), "RGBA"),
    (26, "png", flat_monitor, (64, 64), "RGBA"),
    (27, "ico", hard_disk, [(48, 32)]),
    (28, "ico", wall_socket, [(48, 32)]),
    (29, "ico", printer, [(48, 32)]),
    (30, "ico", keyboard, [(48, 32)]),
    (31, "ico", expansion_card, [(48, 32)]),
    (32, "ico", red_cross, [(48, 32)]),
    (33, "ico", plus_sign, [(16, 4), (16, 24), (16, 32)]),
    (34, "ico", minus_sign, [(16, 4), (16, 24), (16, 32)]),
]


def render(draw, width, height, background=CLEAR):
    pen = Pen(width, height, background)
    draw(pen)
    return pen.result()


def write_picture(number, kind, draw, size, mode=None):
    path = os.path.join(ASSETS, "%02d.%s" % (number, kind))
    if kind == "ico":
        with open(path, "wb") as out:
            out.write(icon_file([(render(draw, s, s), bits) for s, bits in size]))
    elif kind == "png":
        # opaque button pictures sit on black, their transparent colour
        background = BLACK if mode == "RGB" else CLEAR
        render(draw, *size, background).convert(mode).save(path, optimize=True)
    else:
        render(draw, *size, WHITE).convert("RGB").save(path, quality=92, progressive=False, subsampling=0)
    return path


def main():
    for entry in PICTURES:
        write_picture(*entry)
    with open(os.path.join(ASSETS, "orvanto.ico"), "wb") as out:
        out.write(icon_file([(render(app_icon, s, s), 32) for s in (16, 32, 48)]))


if __name__ == "__main__":
    main()
