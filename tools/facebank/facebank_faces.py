"""The twenty sample faces, each described by a few parameters, and the
builder that turns a description into face points, face flags, hairline
points and hairline flags."""

import facebank_parts as parts
from facebank_hair import hairline

FACE_POINTS = 178
FACE_FLAGS = 96
HAEGIWA_FLAGS = 35

# Head profiles: half-width, height of the widest level, cap and jaw powers.
SHAPES = {
    "oval": parts.Profile(78.0, -5.0, 2.2, 2.0),
    "round": parts.Profile(86.0, 0.0, 2.4, 2.3),
    "long": parts.Profile(68.0, -10.0, 2.2, 2.2),
    "square": parts.Profile(80.0, 5.0, 2.6, 3.2),
    "pointed": parts.Profile(77.0, -10.0, 2.3, 1.55),
}

# Eyes: half-width, lid height, tilt, lower lid depth, crease gap, under-eye gap, pupil.
EYES = {
    "almond": (14.0, 6.0, 1.5, 5.0, 5.0, 5.0, 7.0),
    "round": (13.0, 8.0, 0.0, 7.0, 5.0, 4.0, 8.0),
    "narrow": (15.0, 4.5, 0.5, 4.0, 4.0, 5.0, 6.0),
    "big": (16.0, 9.0, 1.0, 7.0, 6.0, 4.0, 9.5),
    "droopy": (14.0, 6.5, -2.5, 5.0, 5.0, 5.5, 7.0),
    "upturned": (14.5, 6.5, 3.5, 5.0, 5.0, 5.0, 7.0),
}

# Brows: length, arch, thickness, droop of the outer end.
BROWS = {
    "arched": (30.0, 5.0, 3.0, 2.0),
    "straight": (32.0, 2.0, 5.0, 0.0),
    "thick": (33.0, 3.0, 7.0, 1.0),
    "thin": (28.0, 4.0, 2.5, 3.0),
    "angry": (32.0, 1.0, 5.5, -4.0),
    "sad": (29.0, 3.5, 3.5, 6.0),
}

# Noses: bridge length, half-width of the wings, drop of the tip line.
NOSES = {
    "small": (40.0, 10.0, 0.0),
    "straight": (52.0, 12.0, 1.0),
    "broad": (48.0, 15.0, 1.5),
    "long": (60.0, 12.5, 2.5),
    "button": (36.0, 11.0, -0.5),
}

# Mouths: half-width, corner lift, upper lip, lower lip, bow, opening.
MOUTHS = {
    "full": (23.0, 1.5, 5.0, 7.5, 0.8, 1.0),
    "thin": (24.0, 0.5, 3.0, 4.5, 0.3, 0.5),
    "wide": (28.0, 2.5, 4.0, 6.0, 0.6, 1.5),
    "small": (18.0, 1.0, 4.5, 6.0, 1.0, 1.0),
    "smile": (26.0, 4.0, 3.5, 8.0, 0.5, 2.0),
    "stern": (24.0, -2.0, 3.0, 5.0, 0.2, 0.5),
}


def build(face):
    """Returns (face points, face flags, hairline points, hairline flags)."""
    prof = SHAPES[face["shape"]]
    pts = [(0.0, 0.0)] * FACE_POINTS
    y169 = face.get("side_y169", -2.0)
    y152 = parts.CHIN_Y - 12.0
    side = (-72.0, -38.0 + min(y169, 30.0) * 0.4, y169,
            y169 + (y152 - y169) * 0.32, y169 + (y152 - y169) * 0.62,
            y169 + (y152 - y169) * 0.86)
    parts.outline(pts, prof, side)
    ear_top, ear_len, ear_out = face.get("ear", (-30.0, 52.0, 12.0))
    parts.ears(pts, prof, ear_top, ear_len, ear_out)

    eye_y = face.get("eye_y", -18.0)
    half_w, height, tilt, lower, crease, under, pupil = EYES[face["eyes"]]
    eye_x = -(face.get("eye_gap", 19.0) + half_w)
    parts.eye(pts, eye_x, eye_y, half_w, height, tilt, lower, crease, under,
              face.get("pupil", pupil))

    length, arch, thick, droop = BROWS[face["brows"]]
    brow_y = eye_y - height - face.get("brow_gap", 13.0)
    parts.brow(pts, eye_x + half_w + 2.0, brow_y, length, arch, thick, droop,
               face.get("frown", 10.0))

    bridge, wing, drop = NOSES[face["nose"]]
    tip_y = face.get("tip_y", 36.0)
    parts.nose(pts, tip_y, bridge, wing, drop)
    parts.beside_nose(pts, tip_y, wing)

    mw, lift, upper, lower_lip, bow, opening = MOUTHS[face["mouth"]]
    mouth_y = face.get("mouth_y", 62.0)
    parts.mouth(pts, mouth_y, mw, lift, upper, lower_lip, bow, opening)
    parts.below_nose(pts, tip_y, mouth_y - upper - 1.0, -wing, pts[79])
    parts.forehead(pts, brow_y - 16.0, 34.0, face.get("wrinkle_gap", 7.0))
    parts.cheeks(pts, tip_y - 4.0, -mw - 16.0)

    flags = face_flags(face)
    hair = hairline(pts, **face["hair"])
    hflags = hairline_flags(face)
    return pts, flags, hair, hflags


BASE_FACE_FLAGS = {
    0: 0, 1: 0, 2: 0, 3: 5, 4: 1, 5: 0, 6: 0, 7: 0, 8: 0, 9: 0, 10: 0,
    15: 0, 16: 1, 17: 1, 18: 0, 19: 0,
    22: 0, 23: 0, 24: 0, 25: 0, 26: 0, 27: 0, 28: 0, 29: 0, 30: 0, 31: 0, 32: 1, 33: 0,
    38: 1, 39: 0, 40: 0, 41: 0, 42: 0, 43: 2, 44: 0, 45: 0,
    50: 0, 51: 0, 53: 1, 57: 0, 61: 0, 62: 0, 70: 0,
    79: 0, 80: 0, 81: 0, 82: 1, 83: 0, 87: 0, 88: 0, 90: 0, 91: 0, 92: 0,
}


def face_flags(face):
    flags = [0] * FACE_FLAGS
    for k, v in BASE_FACE_FLAGS.items():
        flags[k] = v
    for k, v in face.get("f", {}).items():
        flags[k] = v
    # Flags that follow flag 53 on every drawing.
    flags[60] = flags[53]
    flags[67] = flags[53]
    return flags


BASE_HAIRLINE_FLAGS = {0: 1, 1: 0, 2: 0, 3: 0, 4: 0, 10: 1, 11: 0, 12: 0, 13: 0, 14: 0,
                       20: 0, 25: 0, 31: 1, 32: 0}


def hairline_flags(face):
    flags = [0] * HAEGIWA_FLAGS
    for k, v in BASE_HAIRLINE_FLAGS.items():
        flags[k] = v
    for k, v in face.get("h", {}).items():
        flags[k] = v
    # As the hair fitting derives them before every drawing.
    if flags[0] != flags[10]:
        flags[20] = 1
    if flags[10] == 0 or flags[13] == 1:
        flags[25] = 0
    return flags
