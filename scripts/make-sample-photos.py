#!/usr/bin/env python3
"""Paints the photos of the sample calendar: a title picture and one landscape per month,
through the seasons. Every picture is drawn from shapes with ImageMagick, so the sample
calendar carries no third-party photos. Run from anywhere; writes data/daten/bilder/."""

import math
import os
import random
import subprocess
import sys

W, H = 1600, 1067
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "daten", "bilder")


def ridge(rng, left_y, right_y, roughness, depth=9):
    """A mountain or hill line by midpoint displacement: list of (x, y) across the width."""
    pts = [left_y, right_y]
    spread = roughness
    for _ in range(depth):
        nxt = []
        for a, b in zip(pts, pts[1:]):
            nxt += [a, (a + b) / 2 + rng.uniform(-spread, spread)]
        nxt.append(pts[-1])
        pts = nxt
        spread *= 0.55
    n = len(pts) - 1
    return [(i * W / n, y) for i, y in enumerate(pts)]


def poly(points, colour):
    coords = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
    return f"fill {colour} polygon {coords}"


def filled_ridge(line, colour):
    return poly(line + [(W, H), (0, H)], colour)


def snow_cap(line, snowline, colour="rgba(250,252,255,0.95)"):
    lower = [(x, max(y, snowline + 25 * math.sin(x / 37.0))) for x, y in line]
    return poly(line + list(reversed(lower)), colour)


def circle(x, y, r, colour):
    return f"fill {colour} circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}"


def glow(x, y, r, rgb, steps=16):
    out = []
    for i in range(steps, 0, -1):
        alpha = 0.02 + 0.12 * (1 - i / steps) ** 2
        out.append(circle(x, y, r * (1 + i * 0.35), f"rgba({rgb},{alpha:.3f})"))
    out.append(circle(x, y, r, f"rgb({rgb})"))
    return out


def cloud(rng, x, y, size, colour):
    out = []
    for _ in range(7):
        dx, dy = rng.uniform(-1.2, 1.2) * size, rng.uniform(-0.25, 0.25) * size
        rx, ry = size * rng.uniform(0.5, 0.9), size * rng.uniform(0.3, 0.5)
        out.append(f"fill {colour} ellipse {x + dx:.1f},{y + dy:.1f} {rx:.1f},{ry:.1f} 0,360")
    return out


def conifer(x, base, height, colour, snow=None):
    out = [f"fill rgb(60,40,25) rectangle {x - height * 0.04:.1f},{base - height * 0.12:.1f} "
           f"{x + height * 0.04:.1f},{base:.1f}"]
    for k in range(4):
        top = base - height * (1 - k * 0.2)
        bottom = base - height * 0.1 - k * height * 0.05
        half = height * (0.16 + 0.08 * k) * 0.9
        tip = base - height * (1.0 - 0.22 * k) - height * 0.05
        out.append(poly([(x, tip), (x + half, bottom - height * 0.2 * (3 - k) / 3),
                         (x - half, bottom - height * 0.2 * (3 - k) / 3)], colour))
        if snow:
            out.append(poly([(x, tip), (x + half * 0.45, tip + height * 0.12),
                             (x - half * 0.45, tip + height * 0.12)], snow))
        del top
    return out


def broadleaf(rng, x, base, height, colours, bare=False):
    trunk = "rgb(70,50,35)"
    out = [f"stroke {trunk} stroke-width {max(2, height * 0.05):.1f} "
           f"line {x:.1f},{base:.1f} {x:.1f},{base - height * 0.6:.1f} stroke none"]
    if bare:
        for k in range(6):
            a = -math.pi / 2 + rng.uniform(-0.9, 0.9)
            length = height * rng.uniform(0.25, 0.45)
            sy = base - height * rng.uniform(0.35, 0.6)
            out.append(f"stroke {trunk} stroke-width {max(1, height * 0.015):.1f} line {x:.1f},"
                       f"{sy:.1f} {x + math.cos(a) * length:.1f},{sy + math.sin(a) * length:.1f}"
                       " stroke none")
        return out
    for _ in range(9):
        cx = x + rng.uniform(-0.28, 0.28) * height
        cy = base - height * rng.uniform(0.6, 0.95)
        r = height * rng.uniform(0.16, 0.26)
        out.append(circle(cx, cy, r, rng.choice(colours)))
    return out


def scatter(rng, count, y0, y1, radius, colours):
    out = []
    for _ in range(count):
        y = rng.uniform(y0, y1)
        scale = 0.4 + 0.6 * (y - y0) / max(1, y1 - y0)
        out.append(circle(rng.uniform(0, W), y, radius * scale, rng.choice(colours)))
    return out


def lake(y, top_rgb, bottom_rgb, rng):
    out = [f"fill rgb({bottom_rgb}) rectangle 0,{y:.1f} {W},{H}"]
    for i in range(40):
        yy = y + (H - y) * (i / 40) ** 1.6
        out.append(f"stroke rgba({top_rgb},0.35) stroke-width {1 + i * 0.08:.1f} "
                   f"line {rng.uniform(0, W * 0.5):.1f},{yy:.1f} {rng.uniform(W * 0.5, W):.1f},"
                   f"{yy:.1f} stroke none")
    return out


SCENES = {
    # name: sky top, sky horizon, ranges (far to near colours), ground, extras
    "titel": dict(sky=("#2b4f8a", "#f6c59a"), sun=(1150, 420, 60, "255,236,190"),
                  ranges=["#8b8fb4", "#6a6f98", "#4b5078"], snow=360, lake=True,
                  water=("246,197,154", "60,70,110"), trees="conifer", tree_colour="#1f2b3a"),
    "januar": dict(sky=("#7fa7d6", "#e8f0f8"), ranges=["#b9c6d8", "#98a9c2"], snow=700,
                   ground="#f4f7fb", trees="conifer", tree_colour="#23402f",
                   tree_snow="rgba(255,255,255,0.9)", flakes=True),
    "februar": dict(sky=("#3d3f73", "#f0b7c0"), sun=(300, 560, 45, "255,220,200"),
                    ranges=["#a99bbb", "#8b7fa3"], snow=650, ground="#ece8f2",
                    trees="conifer", tree_colour="#2d2f45", tree_snow="rgba(245,240,250,0.9)"),
    "maerz": dict(sky=("#6f9fd8", "#dbe9f5"), clouds=3, ranges=["#9fb3c9", "#7d96a8"],
                  snow=420, hills=["#9cbf6a", "#7aa552"], trees="broadleaf",
                  tree_colours=["#a9c97a", "#8fb866"]),
    "april": dict(sky=("#5c95d6", "#e4eef8"), clouds=4, ranges=["#a6b9cf"], snow=380,
                  hills=["#8dc05e", "#6fae45"], trees="broadleaf",
                  tree_colours=["#f7c6d9", "#f2a7c3", "#ffffff"], flowers=["#ffffff", "#f5e663"]),
    "mai": dict(sky=("#3f86d8", "#cfe5f7"), clouds=5, ranges=["#9bb5c8"],
                hills=["#7cbc4c", "#5ea438"], trees="broadleaf",
                tree_colours=["#4f9a34", "#62ad3f", "#3f8a2c"],
                flowers=["#ffe74a", "#ffffff", "#e8473f", "#c779d0"]),
    "juni": dict(sky=("#2f7ed8", "#d8eefa"), sun=(1300, 180, 50, "255,250,225"), clouds=2,
                 ranges=["#8fb0c4", "#6f93a8"], lake=True, water=("216,238,250", "47,110,160"),
                 trees="conifer", tree_colour="#2b5a33"),
    "juli": dict(sky=("#3b2f6b", "#ff9e4a"), sun=(800, 600, 70, "255,214,120"),
                 ranges=["#7b4d6a", "#58395a"], lake=True, water=("255,158,74", "70,45,80"),
                 trees="conifer", tree_colour="#2a1d33"),
    "august": dict(sky=("#4a8fd8", "#f3e7c4"), sun=(250, 200, 45, "255,246,210"), clouds=2,
                   ranges=["#a7b8a0"], hills=["#d9b84c", "#c9a23a"], trees="broadleaf",
                   tree_colours=["#4c7d2e", "#5c8f35"], wheat=True),
    "september": dict(sky=("#5b8fcf", "#efe6cf"), clouds=3, ranges=["#a3aebb", "#8e9aa6"],
                      hills=["#9db35a", "#86a049"], trees="broadleaf",
                      tree_colours=["#c8b43c", "#9fae3a", "#d9a23a"]),
    "oktober": dict(sky=("#6c8fb8", "#f2d9b5"), ranges=["#b59a87", "#9a7d6a"],
                    hills=["#b8863a", "#9c6b2c"], trees="broadleaf",
                    tree_colours=["#d9641e", "#e8a32a", "#b8331e", "#f0c040"], fog=True),
    "november": dict(sky=("#8a94a0", "#d9dcdf"), ranges=["#a9aeb4", "#8d9399"],
                     hills=["#7d7a62", "#66634f"], trees="bare", fog=True),
    "dezember": dict(sky=("#0b1633", "#3b4f80"), moon=(1250, 200, 45), stars=True,
                     ranges=["#4d5f86", "#3b4a6c"], snow=560, ground="#c9d6ec",
                     trees="conifer", tree_colour="#12261d", tree_snow="rgba(230,238,255,0.9)",
                     flakes=True),
}


def scene(name, seed):
    s = SCENES[name]
    rng = random.Random(seed)
    cmds = []
    if s.get("stars"):
        cmds += scatter(rng, 160, 0, H * 0.5, 1.6, ["rgba(255,255,240,0.9)", "white"])
    if "sun" in s:
        x, y, r, rgb = s["sun"]
        cmds += glow(x, y, r, rgb)
    if "moon" in s:
        x, y, r = s["moon"]
        cmds += glow(x, y, r, "240,240,225", steps=5)
    for _ in range(s.get("clouds", 0)):
        cmds += cloud(rng, rng.uniform(100, W - 100), rng.uniform(80, 300), rng.uniform(50, 90),
                      "rgba(255,255,255,0.55)")
    horizon = H * 0.62
    ranges = s.get("ranges", [])
    for i, colour in enumerate(ranges):
        top = H * (0.30 + 0.08 * i)
        line = ridge(rng, top + rng.uniform(-80, 80), top + rng.uniform(-80, 80), 300 - 70 * i)
        cmds.append(filled_ridge(line, colour))
        if "snow" in s:
            cmds.append(snow_cap(line, s["snow"] * H / 1067 - 40 * i))
    if s.get("fog"):
        for i in range(3):
            y = H * (0.45 + 0.07 * i)
            cmds.append(f"fill rgba(245,245,245,0.35) rectangle 0,{y:.1f} {W},{y + 60:.1f}")
    if s.get("lake"):
        top, bottom = s["water"]
        cmds += lake(horizon, top, bottom, rng)
        shore = ridge(rng, H * 0.86, H * 0.9, 40, depth=7)
        cmds.append(filled_ridge(shore, s.get("tree_colour", "#223")))
        base_line = shore
    else:
        hills = s.get("hills") or [s.get("ground", "#eef2f7")]
        base_line = None
        for i, colour in enumerate(hills):
            top = H * (0.60 + 0.1 * i)
            base_line = ridge(rng, top + rng.uniform(-40, 40), top + rng.uniform(-40, 40), 60,
                              depth=8)
            cmds.append(filled_ridge(base_line, colour))
    if s.get("wheat"):
        for i in range(70):
            y = H * 0.75 + i * 4
            cmds.append(f"stroke rgba(150,110,30,0.25) stroke-width 2 line 0,{y} {W},{y + 12}"
                        " stroke none")
    trees = s.get("trees")
    if trees and base_line:
        xs = sorted(rng.uniform(0, W) for _ in range(22))
        for x in xs:
            idx = min(len(base_line) - 1, int(x / W * (len(base_line) - 1)))
            base = base_line[idx][1] + rng.uniform(5, 60)
            height = rng.uniform(110, 330)
            if trees == "conifer":
                cmds += conifer(x, base, height, s["tree_colour"], s.get("tree_snow"))
            elif trees == "bare":
                cmds += broadleaf(rng, x, base, height, [], bare=True)
            else:
                cmds += broadleaf(rng, x, base, height, s["tree_colours"])
    if s.get("flowers"):
        cmds += scatter(rng, 700, H * 0.8, H, 5, s["flowers"])
    if s.get("flakes"):
        cmds += scatter(rng, 400, 0, H, 3.5, ["rgba(255,255,255,0.85)"])
    return s, cmds


def render(name, seed):
    s, cmds = scene(name, seed)
    top, bottom = s["sky"]
    target = os.path.join(OUT, f"{name}.jpg")
    subprocess.run(["convert", "-size", f"{W}x{H}", f"gradient:{top}-{bottom}",
                    "-draw", "\n".join(cmds), "-blur", "0x0.8", "-attenuate", "0.25", "+noise",
                    "Gaussian", "-quality", "82", "-sampling-factor", "4:2:0", "-strip", target],
                   check=True)
    print(target, os.path.getsize(target) // 1024, "KB")


def main():
    os.makedirs(OUT, exist_ok=True)
    names = sys.argv[1:] or list(SCENES)
    for i, name in enumerate(SCENES):
        if name in names:
            render(name, 1000 + i)


if __name__ == "__main__":
    main()
