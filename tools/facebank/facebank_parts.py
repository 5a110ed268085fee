"""Builders of the face parts: each turns a few shape parameters into the
absolute points of one part, in the normalised face space (x < 0 is the
stored side that the renderer mirrors, y grows downwards, chin at +105, top
of the face outline at -105)."""

TOP_Y = -105.0
CHIN_Y = 105.0


def mirror(p):
    return (-p[0], p[1])


class Profile:
    """Half-width of the head as a function of y: an upper cap and a lower jaw,
    each a superellipse meeting at the widest level."""

    def __init__(self, width, widest_y, cap_power, jaw_power):
        self.width = width
        self.widest_y = widest_y
        self.cap_power = cap_power
        self.jaw_power = jaw_power

    def __call__(self, y):
        if y <= self.widest_y:
            t = (self.widest_y - y) / (self.widest_y - TOP_Y)
            power = self.cap_power
        else:
            t = (y - self.widest_y) / (CHIN_Y - self.widest_y)
            power = self.jaw_power
        t = min(max(t, 0.0), 1.0)
        return self.width * (1.0 - t ** power) ** (1.0 / power)


def outline(pts, prof, side_y):
    """Outline 166-174 and the chin and jaw 147-154. side_y gives the y of
    166, 168, 169, 170, 171, 172; the neck end 173 equals 152."""
    y166, y168, y169, y170, y171, y172 = side_y
    for idx, y in zip((166, 168, 169, 170, 171, 172), side_y):
        pts[idx] = (-prof(y), y)
    pts[167] = (0.0, TOP_Y)
    y174 = TOP_Y + 4.5
    pts[174] = (-prof(y174), y174)
    pts[154] = (0.0, CHIN_Y)
    y153, y152, y151 = CHIN_Y - 2.5, CHIN_Y - 12.0, CHIN_Y - 26.0
    pts[153] = (-min(prof(y153), prof(y152) * 0.55), y153)
    pts[152] = (-prof(y152), y152)
    # The jaw line point sits just inside the outline so that the neck lines
    # (flag 81) run along the jaw.
    pts[151] = (-prof(y151) + 5.0, y151)
    pts[173] = pts[152]
    # Chin crease (147, 148) and chin dimple (149, 150), under the lower lip.
    pts[147] = (-11.0, CHIN_Y - 21.0)
    pts[148] = (0.0, CHIN_Y - 23.0)
    pts[149] = (-6.0, CHIN_Y - 14.0)
    pts[150] = (0.0, CHIN_Y - 12.0)


def ears(pts, prof, top_y, length, stick_out):
    """Ear 158-164 (anchor 161) on the stored side, attached inside the outline
    at the top and running out and down the rim."""
    y = [top_y + length * f for f in (0.02, 0.0, 0.2, 0.45, 0.7, 0.92, 1.0)]
    edge = [-prof(v) for v in y]
    pts[158] = (edge[0] + 4.0, y[0])
    pts[159] = (edge[1] - stick_out * 0.55, y[1] + 1.5)
    pts[160] = (edge[2] - stick_out * 0.95, y[2])
    pts[161] = (edge[3] - stick_out, y[3])
    pts[162] = (edge[4] - stick_out * 0.85, y[4])
    pts[163] = (edge[5] - stick_out * 0.45, y[5])
    pts[164] = (edge[6] - 2.5, y[6])


def eye(pts, cx, cy, half_w, height, tilt, lower, crease_gap, under_gap, pupil):
    """Eye 0-24 around the pupil centre 9: upper lid 0-5 (0 and 5 run past the
    inner and outer corners), lower lid 6-8, crease 10-13, under-eye line 14-17,
    lash flick 18-19, crow's feet 20-23; the x of 24 is the pupil radius."""
    w = half_w
    inner_y = 1.0 + tilt * 0.3
    outer_y = -tilt
    rel = {
        0: (w + 3.0, inner_y - 0.5),
        1: (w, inner_y),
        2: (w * 0.35, -height * 0.95),
        3: (-w * 0.45, -height),
        4: (-w, outer_y),
        5: (-w - 5.0, outer_y - 3.0),
        6: (w * 0.8, inner_y + lower * 0.35),
        7: (-w * 0.1, lower),
        8: (-w * 0.82, outer_y + lower * 0.35),
        10: (w, inner_y - crease_gap * 0.6 - 2.0),
        11: (w * 0.3, -height - crease_gap),
        12: (-w * 0.4, -height - crease_gap * 1.05),
        13: (-w * 0.95, outer_y - crease_gap * 0.7 - 1.0),
        14: (w * 0.72, inner_y + lower * 0.35 + under_gap * 0.7),
        15: (w * 0.2, lower + under_gap),
        16: (-w * 0.35, lower + under_gap),
        17: (-w * 0.85, outer_y + lower * 0.35 + under_gap * 0.7),
        18: (-w - 1.0, outer_y - 1.0),
        19: (-w - 6.0, outer_y - 5.0),
        20: (-w - 4.0, outer_y + 3.0),
        21: (-w - 11.0, outer_y + 5.0),
        22: (-w - 3.5, outer_y + 7.0),
        23: (-w - 10.0, outer_y + 12.0),
    }
    pts[9] = (cx, cy)
    for idx, (x, y) in rel.items():
        pts[idx] = (cx + x, cy + y)
    pts[24] = (pupil, 0.0)


def brow(pts, inner_x, inner_y, length, arch, thickness, droop, frown_len):
    """Eyebrow 28-34 (anchor 28, the inner top end): upper edge 28-31 inner to
    outer, lower edge 32-34; 35-38 the frown line beside the inner end."""
    rel = {
        29: (-length * 0.3, -arch * 0.85),
        30: (-length * 0.65, -arch),
        31: (-length, -arch * 0.3 + droop),
        32: (-1.0, thickness),
        33: (-length * 0.5, -arch * 0.9 + thickness * 0.85),
        34: (-length + 2.0, -arch * 0.3 + droop + thickness * 0.45),
        35: (7.0, 1.0),
        36: (7.5, 1.0 + frown_len * 0.35),
        37: (7.5, 1.0 + frown_len * 0.7),
        38: (7.0, 1.0 + frown_len),
    }
    pts[28] = (inner_x, inner_y)
    for idx, (x, y) in rel.items():
        pts[idx] = (inner_x + x, inner_y + y)


def nose(pts, tip_y, length, width, tip_drop):
    """Nose 42-58 (anchor 58, the tip on the centre line): sides 42-45, bridge
    line 46-48, ala crease 49-51, wing 52-54, nostril and base 55-57."""
    w = width
    rel = {
        42: (-7.0, -length), 43: (-7.5, -length * 0.72),
        44: (-8.5, -length * 0.45), 45: (-10.0, -length * 0.2),
        46: (-6.0, -length * 0.7), 47: (-7.5, -length * 0.4), 48: (-9.0, -length * 0.12),
        49: (-w * 0.55, -5.0 - tip_drop), 50: (-w * 0.7, -1.5), 51: (-w * 0.6, 3.0),
        52: (-w * 0.78, -11.0), 53: (-w, -4.0), 54: (-w * 0.6, 3.0),
        55: (-w * 0.72, 0.5), 56: (-w * 0.32, 3.5), 57: (0.0, 4.0 + tip_drop * 0.3),
    }
    pts[58] = (0.0, tip_y)
    for idx, (x, y) in rel.items():
        pts[idx] = (x, tip_y + y)


def beside_nose(pts, tip_y, width):
    """Lines beside the nose 98-109 (anchor 98); the stored side and its mirror."""
    ax, ay = -width - 7.0, tip_y - 14.0
    pts[98] = (ax, ay)
    rel = {99: (-2.0, 8.0), 100: (-4.0, 16.0), 104: (-14.0, 2.0), 105: (-12.0, 9.0),
           106: (-10.0, 16.0)}
    for idx, (x, y) in rel.items():
        pts[idx] = (ax + x, ay + y)
    pts[101], pts[102], pts[103] = mirror(pts[98]), mirror(pts[99]), mirror(pts[100])
    pts[107], pts[108], pts[109] = mirror(pts[104]), mirror(pts[105]), mirror(pts[106])


def below_nose(pts, tip_y, lip_top_y, wing_x, corner):
    """Below the nose 114-122 (anchor 122, the top of the upper lip on the
    centre line): smile folds 114-116 and their mirrors, philtrum 120-121."""
    pts[122] = (0.0, lip_top_y)
    # The philtrum's top stays above its foot (121) however short it is.
    pts[120] = (-3.5, min(max(tip_y + 12.0, lip_top_y - 9.0), lip_top_y - 3.0))
    pts[121] = (-4.5, lip_top_y - 1.0)
    cx, cy = corner
    pts[114] = (wing_x - 5.0, tip_y - 3.0)
    pts[115] = ((wing_x + cx) * 0.5 - 9.5, (tip_y + cy) * 0.5 + 2.0)
    pts[116] = (cx - 11.0, cy + 9.0)
    for a, b in ((117, 114), (118, 115), (119, 116)):
        pts[a] = mirror(pts[b])


def mouth(pts, y, half_w, corner_lift, upper, lower, bow, opening):
    """Mouth 61-82 (anchor 77, the centre of the mouth line): upper lip 61-69,
    lower lip 70-74, mouth line 75-79, teeth edge 80-82."""
    w = half_w
    c = -corner_lift
    rel = {
        79: (-w, c), 78: (-w * 0.5, c * 0.25 + 0.5), 77: (0.0, 0.0),
        65: (0.0, -upper + bow), 66: (-w * 0.22, -upper - bow * 0.5),
        67: (-w * 0.55, -upper * 0.72 + c * 0.3), 68: (-w * 0.9, c - upper * 0.15),
        69: (-w - 3.0, c + 0.5),
        74: (-w * 0.78, c + lower * 0.45), 73: (-w * 0.42, lower * 0.95),
        72: (0.0, lower),
        82: (-w * 0.55, c * 0.2 + 2.0 + opening), 81: (0.0, 2.5 + opening),
    }
    pts[77] = (0.0, y)
    for idx, (x, yy) in rel.items():
        pts[idx] = (x, y + yy)
    for a, b in ((64, 66), (63, 67), (62, 68), (61, 69), (71, 73), (70, 74),
                 (76, 78), (75, 79), (80, 82)):
        pts[a] = mirror(pts[b])


def forehead(pts, y, width, gap):
    """Forehead 91-96 (anchor 92): the wrinkle 93-95 and its mirror, a short
    line 91-92; the x of 96 is the gap to the second wrinkle."""
    pts[92] = (0.0, y)
    pts[91] = (-11.0, y + 1.5)
    pts[93] = (-width, y - 5.0)
    pts[94] = (-width * 0.5, y - 8.0)
    pts[95] = (0.0, y - 9.0)
    pts[96] = (gap, 0.0)


def cheeks(pts, y, x):
    """Cheek lines 127-140 (anchor 128); the stored side and its mirror."""
    pts[128] = (x, y)
    rel = {127: (-1.0, -8.0), 129: (-2.0, 8.0), 130: (-4.0, 16.0),
           135: (-6.0, -4.0), 136: (-8.0, 4.0), 137: (-9.0, 12.0)}
    for idx, (dx, dy) in rel.items():
        pts[idx] = (x + dx, y + dy)
    for a, b in ((131, 127), (132, 128), (133, 129), (134, 130),
                 (138, 135), (139, 136), (140, 137)):
        pts[a] = mirror(pts[b])

