"""Checks of a built face against what the drawing does with it: every curve
of three or more points that its flags select must stay strictly monotonic
along its axis once mapped to integer device units, or the renderer would
fall back to a polyline. The checks see the points as drawn, that is after
the copies that the face constraints make for the face's flags."""

MIRRORS = ([(178 + i, i) for i in range(24)] + [(202 + i, 28 + i) for i in range(7)]
           + [(209 + i, 42 + i) for i in range(15)] + [(224, 91)]
           + [(225 + i, 35 + i) for i in range(4)] + [(229, 93), (230, 94), (231, 120),
                                                      (232, 121), (233, 147), (234, 149),
                                                      (235, 151), (236, 152), (237, 153)]
           + [(238 + i, 158 + i) for i in range(7)] + [(245, 174), (246, 166)]
           + [(247 + i, 168 + i) for i in range(6)])


def constrained(pts, flags):
    """The copies of the face constraints that move points (the mirrors are
    already in the data)."""
    p = list(pts)
    f = list(flags)
    if f[2] == 2:
        p[8], p[6] = p[4], p[1]
    if f[16] == 0:
        p[34], p[32] = p[31], p[28]
    if f[29] == 1:
        p[51] = p[54]
    if f[30] == 1:
        p[52] = p[55]
    if f[31] == 1:
        p[51] = p[56]
    if f[32] == 0:
        f[31] = 1
        p[51] = p[56]
    if f[33] == 1:
        f[27] = 1
        p[48] = p[55]
    if f[42] == 0:
        p[68], p[62] = p[79], p[75]
    elif f[42] == 1:
        p[79], p[75] = p[68], p[62]
    elif f[42] == 2:
        p[67], p[63] = p[78], p[76]
    if f[43] in (1, 2):
        p[74], p[70] = p[79], p[75]
    if f[44] == 0:
        p[82], p[80] = p[78], p[76]
    elif f[44] == 1:
        p[82], p[80] = p[79], p[75]
    if f[45] == 1:
        f[42] = 0
        p[69] = p[68] = p[79]
        p[61] = p[62] = p[75]
        p[82], p[80] = p[78], p[76]
        f[44] = 0
    elif f[45] == 2:
        f[42] = 1
        p[79], p[75] = p[68], p[62]
        p[82], p[80] = p[78], p[76]
        f[44] = 0
    if f[57] == 1:
        p[98] = p[50]
    if f[62] == 3:
        p[121] = (0.0, p[121][1])
        p[120] = (0.0, p[120][1])
    f80, f82 = f[80], f[82]
    if f80 == 0:
        p[173] = p[152]
    if f80 == 1 or f82 == 0:
        p[173] = p[153]
    if f82 == 0:
        f[80], f[81] = 1, 0
    if f[83] == 1:
        p[154] = (p[154][0], p[153][1])
    if f[92] == 1:
        f[82] = 0
        p[173] = p[153]
        f[80], f[81] = 1, 0
    for k in (22, 54, 55, 56, 58, 63, 68, 69, 71, 72, 73, 78):
        f[k] = 0
    return p, f


def face_curves(f, hf):
    """(axis, entries, stroked) of every curve of 3+ points the flags draw.
    Entries 260+ are hairline points; stroked curves must rise in list order."""
    c = []

    def add(axis, *e, stroke=False):
        c.append((axis, e, stroke))

    if f[87] in (0, 3):
        add("y", 159, 160, 161, 162, 163)
    elif f[87] in (1, 4):
        add("y", 159, 160, 161)
        add("y", 161, 162, 163)
    elif f[87] == 2:
        add("x", 158, 159, 160)
        add("y", 160, 161, 162)
        add("x", 162, 163, 164)
    hair = lambda *e: tuple(260 + i for i in e)
    if hf[0] == 1 and hf[3] == 0:
        if hf[1] == 0:
            add("x", *hair(5, 6, 7, 8, 9), stroke=True)
        elif hf[1] == 1:
            add("x", *hair(5, 6, 7), stroke=True)
            add("x", *hair(7, 8, 9), stroke=True)
    if hf[0] == 1:
        if hf[2] == 0:
            add("x", *hair(4, 3, 2, 1, 0))
        elif hf[2] == 1:
            add("x", *hair(4, 3, 2))
            add("x", *hair(2, 1, 0))
    if hf[10] == 1:
        if hf[13] == 0 and hf[11] == 0:
            add("y", *hair(5, 12, 13), stroke=True)
        if hf[12] == 0:
            add("y", *hair(11, 10, 0))
    if hf[25] == 1:
        add("y", *hair(24, 25, 26), stroke=True)
        add("y", *hair(27, 28, 29), stroke=True)
    add("x", 166, 174, 167, 245, 246, stroke=f[90] == 0)
    if f[91] == 0:
        add("y", 166, 168, 169, stroke=True)
    outline = {0: [(170, 171, 172, 173)], 1: [(170, 171, 172), (172, 173, 154, 252, 251)],
               2: [(170, 171, 172)], 3: [(169, 170, 171), (171, 172, 173)]}
    for e in outline.get(f[92], []):
        add("x" if 154 in e else "y", *e, stroke=True)
    if f[92] != 1:
        if f[83] == 0 and f[82] == 1:
            add("x", 152, 153, 154, 237, 236, stroke=True)
        else:
            add("x", 153, 154, 237, stroke=True)
    if f[79] == 1:
        add("x", 149, 150, 234, stroke=True)
    lid = [e for e, on in ((5, f[1]), (4, 1), (3, 1), (2, 1), (1, 1), (0, f[0])) if on]
    if f[10] == 0:
        add("x", *lid, stroke=f[3] in (3, 4, 5))
    else:
        if f[1]:
            add("x", 5, 4, 3, stroke=f[3] in (3, 4, 5))
        if f[0]:
            add("x", 2, 1, 0, stroke=f[3] in (3, 4, 5))
    add("x", 8, 7, 6, stroke=f[3] in (2, 5))
    if f[8] == 0:
        add("x", *{1: (13, 12, 11, 10), 2: (13, 12, 11), 3: (12, 11, 10)}.get(
            f[4], (13, 12, 11, 10)), stroke=f[4] in (1, 2, 3))
    if f[9] == 0:
        add("x", *{2: (17, 16, 15), 3: (16, 15, 14)}.get(f[5], (17, 16, 15, 14)),
            stroke=f[5] in (1, 2, 3))
    if f[17] in (1, 2) and f[15] == 0:
        add("x", 31, 30, 29, 28, stroke=True)
        add("x", 34, 33, 32, stroke=f[17] == 1)
    if f[19] == 0 and f[18] in (1, 2, 3):
        add("y", *{1: (35, 36, 37, 38), 2: (36, 37, 38), 3: (35, 36, 37)}[f[18]],
            stroke=True)
    if f[24] in (1, 2):
        add("y", 46, 47, 48, stroke=True)
    if f[25] == 1:
        add("y", 49, 50, 51, stroke=True)
    if f[26] == 1:
        add("y", 52, 53, 54, stroke=True)
    if f[27] == 0:
        add("x", 53, 55, 56, stroke=True)
    elif f[32] == 0:
        add("x", 56, 57, 223, stroke=True)
    else:
        add("x", 55, 56, 57, 223, 222, stroke=True)
    if f[28] == 1:
        add("x", 49, 58, 216, stroke=True)
    upper = {0: [(68, 67, 66, 65), (65, 64, 63, 62)], 1: [(69, 68, 67, 66, 65),
                                                          (65, 64, 63, 62, 61)],
             2: [(67, 66, 65), (65, 64, 63)]}
    for e in upper.get(f[42], []):
        add("x", *e, stroke=f[39] == 1)
    add("x", *((79, 78, 77, 76, 75) if f[45] == 0 else (78, 77, 76)), stroke=True)
    add("x", *((73, 72, 71) if f[43] == 1 else (74, 73, 72, 71, 70)), stroke=f[40] == 1)
    if f[41] == 1:
        add("x", 82, 81, 80, stroke=True)
    if f[51] == 1:
        add("x", 91, 92, 224, stroke=True)
    if f[50] in (1, 2):
        add("x", 93, 94, 95, 230, 229, stroke=True)
    if f[61] == 1:
        add("y", 114, 115, 116, stroke=True)
    if f[62] == 1:
        add("x", 121, 122, 232, stroke=True)
    return c


def table(pts, hair, size):
    """The renderer's point table in device units before translation."""
    s = size * (1.0 / 300.0)
    t = {k: (int(x * s), int(y * s)) for k, (x, y) in enumerate(pts)}
    for m, src in MIRRORS:
        t[m] = (-t[src][0], t[src][1])
    for k, (x, y) in enumerate(hair):
        t[260 + k] = (int(x * s), int(y * s))
    return t


def curve_faults(pts, flags, hair, hflags, sizes):
    """Descriptions of the curves that would fall back to polylines."""
    p, f = constrained(pts, flags)
    faults = []
    for size in sizes:
        t = table(p, hair, size)
        for axis, entries, stroke in face_curves(f, hflags):
            a = 0 if axis == "x" else 1
            v = [t[e][a] for e in entries]
            rising = all(u < w for u, w in zip(v, v[1:]))
            falling = all(u > w for u, w in zip(v, v[1:]))
            if not (rising or (falling and not stroke)):
                faults.append(f"size {size}: {axis}{entries} -> {v}")
    return faults


# The reader refuses a coordinate beyond this in the file's unit.
MAX_FILE_COORDINATE = 100000.0
KAMIYOUSO_FILE_UNIT = 5.0 / 3.0


def reader_faults(pts, flags, hair):
    """What the reader would refuse in a face's files: a coordinate out of
    range, a temple (166) on the centre line, which leaves the hairline no
    scale, or a face whose constrained chin (154) and top (167) lie at one
    height, which leaves it no scale either."""
    faults = [f"coordinate {v} beyond {MAX_FILE_COORDINATE:g}"
              for p in list(pts) + list(hair) for v in p if abs(v) > MAX_FILE_COORDINATE]
    if round(pts[166][0], 6) == 0.0:
        faults.append("point 166 on the centre line")
    p, _ = constrained(pts, flags)
    if round(p[154][1], 6) == round(p[167][1], 6):
        faults.append("points 154 and 167 at one height once constrained")
    return faults


def kamiyouso_faults(k):
    return [f"hair element coordinate {v} beyond {MAX_FILE_COORDINATE:g}"
            for p in k for v in p if abs(v * KAMIYOUSO_FILE_UNIT) > MAX_FILE_COORDINATE]
