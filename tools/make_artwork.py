#!/usr/bin/python3
"""Draws the program's artwork into data/: the window's background picture, the close button's
image and the program icon in every size. The output is the same on every run, so a regenerated
file only shows up in git when the drawing changed.

Needs Debian's python3-pil and fonts-arphic-ukai (tools/install-deps.sh --artwork). The shebang
names Debian's own interpreter because that is where python3-pil lives.
"""

import argparse
import math
import pathlib
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

KAI_FONT = "/usr/share/fonts/truetype/arphic/ukai.ttc"

PANEL = (232, 178, 46)
BACKGROUND_SIZE = (999, 643)
CLOSE_SIZE = 23
ICON_SIZES = (128, 96, 72, 64, 48, 32, 24, 16)

# Line art is drawn this many times larger and scaled down, which gives it smooth edges.
SUPERSAMPLE = 3

# The picture is stretched over the picture box's client area, 621 x 406 window pixels.
CLIENT_SIZE = (621, 406)


def picture_rect(left, top, width, height, margin=8):
    """A control's rectangle (client pixels of the picture box) in picture pixels, with a margin
    of calm field around it."""
    sx = BACKGROUND_SIZE[0] / CLIENT_SIZE[0]
    sy = BACKGROUND_SIZE[1] / CLIENT_SIZE[1]
    return (left * sx - margin, top * sy - margin,
            (left + width) * sx + margin, (top + height) * sy + margin)


# Areas the artwork keeps clear: the controls on the right, the title label and the hyperlink.
CONTROLS = picture_rect(255, 0, CLIENT_SIZE[0] - 255, CLIENT_SIZE[1])
TITLE = picture_rect(196, 10, 368, 47)
HYPERLINK = picture_rect(66, 355, 139, 17)


def noise(size, cells, seed):
    """Smooth value noise: random cells scaled up with bicubic filtering, mean grey 128."""
    rng = random.Random(seed)
    small = Image.frombytes("L", cells, rng.randbytes(cells[0] * cells[1]))
    return small.resize(size, Image.Resampling.BICUBIC)


def paper_texture(size):
    """Grey 128 plus clouds and fine fibres; used to lighten and darken the field a little."""
    clouds = noise(size, (40, 26), seed=11)
    mottle = noise(size, (160, 103), seed=12)
    grain = noise(size, size, seed=13).filter(ImageFilter.GaussianBlur(0.8))
    texture = Image.blend(clouds, mottle, 0.35)
    return Image.blend(texture, grain, 0.3)


def radial_mask(size, centre, radius, power=1.0):
    """L image: 255 at centre falling smoothly to 0 at radius."""
    gradient = Image.radial_gradient("L").resize((2 * radius, 2 * radius))
    falloff = gradient.point(lambda v: round(255 * max(0.0, 1 - v / 128) ** power))
    mask = Image.new("L", size, 0)
    mask.paste(falloff, (centre[0] - radius, centre[1] - radius))
    return mask


def horizontal_mask(size, fade_from, fade_to):
    """L image: 255 left of fade_from, 0 right of fade_to, a smooth ramp between."""
    ramp = Image.new("L", (size[0], 1))
    for x in range(size[0]):
        t = min(max((x - fade_from) / (fade_to - fade_from), 0.0), 1.0)
        ramp.putpixel((x, 0), round(255 * (1 - t * t * (3 - 2 * t))))
    return ramp.resize(size)


class Canvas:
    """A transparent layer drawn SUPERSAMPLE times larger, in picture coordinates."""

    def __init__(self, size):
        self.size = size
        self.image = Image.new("RGBA", (size[0] * SUPERSAMPLE, size[1] * SUPERSAMPLE), (0,) * 4)
        self.draw = ImageDraw.Draw(self.image)

    def circle(self, centre, radius, fill=None, outline=None, width=1.0):
        s = SUPERSAMPLE
        box = [(centre[0] - radius) * s, (centre[1] - radius) * s,
               (centre[0] + radius) * s, (centre[1] + radius) * s]
        self.draw.ellipse(box, fill=fill, outline=outline, width=max(1, round(width * s)))

    def line(self, points, fill, width):
        self.draw.line([(x * SUPERSAMPLE, y * SUPERSAMPLE) for x, y in points], fill=fill,
                       width=max(1, round(width * SUPERSAMPLE)), joint="curve")

    def glyph(self, text, font_size, centre, angle, fill):
        """A character rotated by angle (degrees, counter-clockwise) around its centre."""
        font = ImageFont.truetype(KAI_FONT, round(font_size * SUPERSAMPLE))
        left, top, right, bottom = font.getbbox(text)
        tile = Image.new("RGBA", (right - left + 4, bottom - top + 4), (0,) * 4)
        ImageDraw.Draw(tile).text((2 - left, 2 - top), text, font=font, fill=fill)
        tile = tile.rotate(angle, resample=Image.Resampling.BICUBIC, expand=True)
        x = round(centre[0] * SUPERSAMPLE - tile.width / 2)
        y = round(centre[1] * SUPERSAMPLE - tile.height / 2)
        self.image.alpha_composite(tile, (x, y))

    def result(self):
        # Premultiplied scaling keeps transparent edges from darkening.
        small = self.image.convert("RGBa").resize(self.size, Image.Resampling.LANCZOS)
        return small.convert("RGBA")


def polar(centre, radius, degrees):
    """Point on a circle; 0 degrees points right, angles grow clockwise on screen."""
    a = math.radians(degrees)
    return (centre[0] + radius * math.cos(a), centre[1] + radius * math.sin(a))


def draw_seal(size, centre, radius):
    """The round ornamental seal behind the characters: rims, a scalloped band, petals."""
    ink = (150, 60, 15, 255)
    canvas = Canvas(size)
    canvas.circle(centre, radius, outline=ink, width=5)
    canvas.circle(centre, radius - 9, outline=ink, width=1.6)
    band_outer, band_inner = radius - 13, radius - 37
    canvas.circle(centre, band_inner, outline=ink, width=1.6)
    canvas.circle(centre, band_inner - 5, outline=ink, width=3)
    # A ring of little cloud scrolls between the rims.
    for i in range(32):
        angle = i * 360 / 32
        middle = (band_outer + band_inner) / 2
        canvas.circle(polar(centre, middle, angle), 6.5, outline=ink, width=1.6)
        canvas.circle(polar(centre, middle, angle), 2.2, fill=ink)
        canvas.circle(polar(centre, middle, angle + 180 / 32), 1.6, fill=ink)
    # Sixteen pointed petals, alternately long and short, with a dotted ring inside.
    petal_base = band_inner - 12
    for i in range(16):
        angle = i * 360 / 16
        length = 58 if i % 2 == 0 else 38
        tip = polar(centre, petal_base - length, angle)
        left = polar(centre, petal_base, angle - 8)
        right = polar(centre, petal_base, angle + 8)
        canvas.line([left, tip, right], fill=ink, width=1.8)
    for i in range(64):
        canvas.circle(polar(centre, petal_base + 4, i * 360 / 64), 1.2, fill=ink)
    canvas.circle(centre, petal_base - 66, outline=ink, width=1.4)
    return canvas.result()


# South at the top, as on a geomantic compass. Trigrams clockwise from the top, lines from the
# inside out (1 solid, 0 broken); branches clockwise from the bottom (north).
TRIGRAMS = ("111", "011", "010", "001", "000", "100", "101", "110")
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"


def draw_dial(size, centre, radius):
    """A geomantic compass: bronze face, degree ticks, the eight trigrams, the twelve branches."""
    ink = (95, 50, 5, 255)
    canvas = Canvas(size)
    canvas.circle(centre, radius, fill=(160, 95, 10, 70), outline=ink, width=4)
    canvas.circle(centre, radius - 6, outline=ink, width=1.2)
    tick_outer = radius - 8
    for degree in range(0, 360, 2):
        length = 10 if degree % 30 == 0 else 6 if degree % 10 == 0 else 3
        canvas.line([polar(centre, tick_outer, degree),
                     polar(centre, tick_outer - length, degree)], fill=ink, width=0.9)
    canvas.circle(centre, tick_outer - 11, outline=ink, width=1.2)

    # The branches, each upright towards the rim.
    branch_ring = tick_outer - 24
    for i, branch in enumerate(BRANCHES):
        angle = 90 + i * 30
        canvas.glyph(branch, 19, polar(centre, branch_ring, angle), -angle - 90, ink)
        canvas.line([polar(centre, tick_outer - 11, angle + 15),
                     polar(centre, branch_ring - 12, angle + 15)], fill=ink, width=1)
    canvas.circle(centre, branch_ring - 12, outline=ink, width=2.5)

    # The trigrams: three bars across the radius.
    trigram_ring = branch_ring - 30
    for i, trigram in enumerate(TRIGRAMS):
        angle = -90 + i * 45
        for row, line in enumerate(trigram):
            r = trigram_ring - 6 + row * 6
            half = 9
            if line == "1":
                segments = [(-half, half)]
            else:
                segments = [(-half, -2.5), (2.5, half)]
            for a, b in segments:
                start = polar(centre, r, angle + math.degrees(a / r))
                end = polar(centre, r, angle + math.degrees(b / r))
                canvas.line([start, end], fill=ink, width=3.2)
    canvas.circle(centre, trigram_ring - 14, outline=ink, width=1.2)
    canvas.circle(centre, trigram_ring - 18, outline=ink, width=1.2)
    for i in range(24):
        angle = i * 15
        canvas.line([polar(centre, trigram_ring - 18, angle),
                     polar(centre, trigram_ring - 40, angle)], fill=ink, width=0.9)
    return canvas.result()


def calligraphy(size, text, font_size, origin, step):
    """The characters in black with a white outline, and their soft shadow, as two layers. The
    Kai font is drawn with a black stroke of its own to give it a brush's weight."""
    font = ImageFont.truetype(KAI_FONT, font_size * SUPERSAMPLE)
    weight = round(2.5 * SUPERSAMPLE)
    outline = weight + round(4.5 * SUPERSAMPLE)
    canvas = Canvas(size)
    shadow = Canvas(size)
    shadow_colour = (70, 35, 0, 110)
    for i, character in enumerate(text):
        x = (origin[0] + i * step[0]) * SUPERSAMPLE
        y = (origin[1] + i * step[1]) * SUPERSAMPLE
        canvas.draw.text((x, y), character, font=font, fill=(255, 255, 255, 255),
                         stroke_width=outline, stroke_fill=(255, 255, 255, 255))
        canvas.draw.text((x, y), character, font=font, fill=(0, 0, 0, 255),
                         stroke_width=weight, stroke_fill=(0, 0, 0, 255))
        shadow.draw.text((x + 5 * SUPERSAMPLE, y + 6 * SUPERSAMPLE), character, font=font,
                         fill=shadow_colour, stroke_width=outline, stroke_fill=shadow_colour)
    soft = shadow.result().filter(ImageFilter.GaussianBlur(5))
    return canvas.result(), soft


def calm_mask(size):
    """L image: 255 over the areas the controls use, fading out softly around them."""
    mask = Image.new("L", size, 0)
    draw = ImageDraw.Draw(mask)
    for rect in (CONTROLS, TITLE, HYPERLINK):
        draw.rectangle([round(v) for v in rect], fill=255)
    return mask.filter(ImageFilter.GaussianBlur(28))


def background():
    size = BACKGROUND_SIZE
    texture = paper_texture(size)

    def textured(depth):
        lighter = Image.new("RGB", size, tuple(c + d for c, d in zip(PANEL, depth)))
        darker = Image.new("RGB", size, tuple(c - d for c, d in zip(PANEL, depth)))
        return Image.composite(lighter, darker, texture)

    # Mottled paper with warm light behind the characters and a deeper gold at the left edge.
    field = textured((16, 15, 13))
    glow = radial_mask(size, (200, 280), 240, power=1.6)
    field = Image.composite(Image.new("RGB", size, (250, 216, 112)), field,
                            glow.point(lambda v: v * 3 // 4))
    edge = horizontal_mask(size, 0, 150)
    field = Image.composite(Image.new("RGB", size, (212, 144, 26)), field,
                            edge.point(lambda v: v * 2 // 5))
    # Under the controls the paper is only just visible, so their panel colour blends in.
    field = Image.composite(textured((3, 3, 3)), field, calm_mask(size))

    layer = field.convert("RGBA")
    seal = draw_seal(size, (200, 270), 165)
    seal.putalpha(seal.getchannel("A").point(lambda v: v * 32 // 100))
    layer.alpha_composite(seal)

    dial = draw_dial(size, (-70, 480), 170)
    dial.putalpha(dial.getchannel("A").point(lambda v: v * 55 // 100))
    layer.alpha_composite(dial)

    characters, shadow = calligraphy(size, "起名", 190, (100, 82), (16, 188))
    layer.alpha_composite(shadow)
    layer.alpha_composite(characters)
    return layer.convert("RGB")


def close_image():
    """A red square with a white diagonal cross, lit from the top."""
    n = CLOSE_SIZE
    s = 8
    big = Image.new("RGB", (n * s, n * s))
    draw = ImageDraw.Draw(big)
    top, bottom = (236, 62, 46), (186, 22, 14)
    for y in range(n * s):
        t = y / (n * s - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        draw.line([(0, y), (n * s, y)], fill=colour)
    draw.rectangle([0, 0, n * s - 1, n * s - 1], outline=(140, 12, 8), width=s)
    inset, width = 6.5 * s, round(2.6 * s)
    for start, end in (((inset, inset), (n * s - inset, n * s - inset)),
                       ((n * s - inset, inset), (inset, n * s - inset))):
        draw.line([start, end], fill=(255, 255, 255), width=width)
        for point in (start, end):  # round caps
            draw.ellipse([point[0] - width / 2, point[1] - width / 2,
                          point[0] + width / 2, point[1] + width / 2], fill=(255, 255, 255))
    return big.resize((n, n), Image.Resampling.LANCZOS)


def bubble_outline(centre, rx, ry, tail_from, tail_to, tip, steps=96):
    """A speech bubble as one polygon: an ellipse with a curved wedge of a tail that leaves it
    between two angles."""
    points = [polar_ellipse(centre, rx, ry, tail_to + (360 - (tail_to - tail_from)) * i / steps)
              for i in range(steps + 1)]
    start, end = points[-1], points[0]
    # The leading edge bows outwards, the trailing edge a little less, as a drawn tail does.
    bow_start = polar_ellipse(centre, rx * 1.25, ry * 1.25, tail_from)
    bow_end = polar_ellipse(centre, rx * 1.12, ry * 1.12, tail_to)
    points += [quadratic(start, bow_start, tip, i / 8) for i in range(1, 9)]
    points += [quadratic(tip, bow_end, end, i / 8) for i in range(1, 8)]
    return points


def polar_ellipse(centre, rx, ry, degrees):
    a = math.radians(degrees)
    return (centre[0] + rx * math.cos(a), centre[1] + ry * math.sin(a))


def quadratic(a, control, b, t):
    return tuple((1 - t) ** 2 * p + 2 * (1 - t) * t * c + t * t * q
                 for p, c, q in zip(a, control, b))


def icon(n):
    """Two speech bubbles, each with a smiling face, on a transparent ground. Drawn in a 128-unit
    grid at eight times the icon size; lines get thicker in small sizes so they survive."""
    s = 8 * n / 128
    px = 128 / n  # one icon pixel in grid units
    image = Image.new("RGBA", (8 * n, 8 * n), (0,) * 4)

    def scaled(points):
        return [(x * s, y * s) for x, y in points]

    def bubble(points, top, bottom, ink, outline_width):
        shape = Image.new("L", image.size, 0)
        ImageDraw.Draw(shape).polygon(scaled(points), fill=255)
        ring = Image.new("L", image.size, 0)
        ImageDraw.Draw(ring).line(scaled(points + points[:1]), fill=255,
                                  width=round(2 * outline_width * s), joint="curve")
        ring = ImageChops.lighter(ring, shape)
        image.paste(Image.new("RGBA", image.size, ink), (0, 0), ring)
        box = shape.getbbox()
        gradient = Image.linear_gradient("L").resize((box[2] - box[0], box[3] - box[1]))
        fill = Image.new("RGBA", image.size, bottom)
        fill.paste(Image.new("RGBA", gradient.size, top), box[:2],
                   gradient.point(lambda v: 255 - v))
        image.paste(fill, (0, 0), shape)
        # A soft highlight over the upper part.
        gloss = Image.new("L", image.size, 0)
        gx0, gy0, gx1, gy1 = box
        ImageDraw.Draw(gloss).ellipse([gx0 + (gx1 - gx0) * 0.16, gy0 + (gy1 - gy0) * 0.06,
                                       gx1 - (gx1 - gx0) * 0.16, gy0 + (gy1 - gy0) * 0.42],
                                      fill=90)
        gloss = ImageChops.multiply(gloss.filter(ImageFilter.GaussianBlur(4 * s)), shape)
        image.paste(Image.new("RGBA", image.size, (255, 255, 255, 255)), (0, 0), gloss)

    def face(centre, scale, ink):
        draw = ImageDraw.Draw(image)
        eye = max(4.2 * scale, 0.9 * px)
        for dx in (-11 * scale, 11 * scale):
            x, y = centre[0] + dx, centre[1] - 6 * scale
            draw.ellipse(scaled([(x - eye * 0.8, y - eye), (x + eye * 0.8, y + eye)]), fill=ink)
        r = 14 * scale
        mouth = [(centre[0] - r, centre[1] - r * 0.9), (centre[0] + r, centre[1] + r * 0.9)]
        draw.arc(scaled(mouth), 25, 155, fill=ink,
                 width=max(1, round(max(3.2 * scale, 1.1 * px) * s)))

    outline = max(2.6, 1.0 * px)
    orange = bubble_outline((58, 50), 52, 41, 108, 138, (14, 106))
    green = bubble_outline((90, 85), 34, 27, 40, 72, (122, 123))

    if n >= 32:  # a soft shadow under the pair
        shadow = Image.new("L", image.size, 0)
        draw = ImageDraw.Draw(shadow)
        draw.polygon(scaled([(x + 2, y + 3) for x, y in orange]), fill=70)
        draw.polygon(scaled([(x + 2, y + 3) for x, y in green]), fill=70)
        shadow = shadow.filter(ImageFilter.GaussianBlur(3 * s))
        image.paste(Image.new("RGBA", image.size, (60, 30, 0, 255)), (0, 0), shadow)

    bubble(orange, (255, 196, 84, 255), (238, 118, 18, 255), (168, 72, 0, 255), outline)
    face((55, 48), 1.0, (92, 40, 0, 255))
    bubble(green, (170, 232, 110, 255), (62, 168, 46, 255), (28, 104, 22, 255), outline)
    face((91, 86), 0.7, (18, 72, 14, 255))

    return image.convert("RGBa").resize((n, n), Image.Resampling.LANCZOS).convert("RGBA")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_out = pathlib.Path(__file__).resolve().parent.parent / "data"
    parser.add_argument("--out", type=pathlib.Path, default=default_out,
                        help="folder to write into (default: the repository's data/)")
    out = parser.parse_args().out

    # Full chroma and a high quality keep the field's colour true to the controls' panel colour.
    background().save(out / "background.jpg", "JPEG", quality=92, subsampling=0, optimize=True)
    close_image().save(out / "close.jpg", "JPEG", quality=95, subsampling=0)

    icons = {n: icon(n) for n in ICON_SIZES}
    for n, image in icons.items():
        folder = out / "icons" / "hicolor" / f"{n}x{n}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        image.save(folder / "tavelin-namer.png", optimize=True)
    largest = icons[max(ICON_SIZES)]
    largest.save(out / "tavelin-namer.ico", sizes=[(n, n) for n in ICON_SIZES],
                 append_images=[icons[n] for n in ICON_SIZES if n != max(ICON_SIZES)])


if __name__ == "__main__":
    main()
