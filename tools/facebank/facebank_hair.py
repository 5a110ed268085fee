"""Builders of the hairline (haegiwa) and the hair elements (kamiyouso).

The hairline is built already fitted to its face, as the hair fitting before
every drawing would leave it: point 0 on face point 166, point 11 and the
sideburn anchor 24 on face point 169, the side lock's foot (13) at the height
of 169, the right side the mirror of the left."""

import math

from facebank_parts import mirror

CROWN_SHOULDER = 0.66

HAEGIWA_POINTS = 57
KAMIYOUSO_POINTS = 100


def hairline(face, crown_top, crown_out, crown_drop, fringe_side, fringe_mid,
             lock_out, lock_inset, burn_len, burn_width, receding=False, crown_peak=0.0):
    """crown_top: y of the crown's top (7); crown_out: how far the hair stands
    off the temple (5); crown_drop: how far 5 lies below the temple (166),
    negative above it; fringe_side, fringe_mid: y of the fringe edge at 1 and 2;
    lock_out: how far the side lock's foot (13) stands off point 169;
    lock_inset: how far the lock's inner edge (10) overlaps the face at 168;
    crown_peak: how far the crown's top stands above its round (a quiff)."""
    h = [(0.0, 0.0)] * HAEGIWA_POINTS
    f166, f168, f169, f174 = face[166], face[168], face[169], face[174]
    h[0] = f166
    if receding:
        h[1] = (f174[0], f174[1] + 1.0)
        h[2] = (0.0, face[167][1] + 1.0)
    else:
        h[1] = (f166[0] * 0.5, fringe_side)
        h[2] = (0.0, fringe_mid)
    h[5] = (f166[0] - crown_out, f166[1] + crown_drop)
    # 6 just inside the ellipse through 5 and the top 7: the spline through
    # them then keeps a round crown without a dip at its top.
    x6 = h[5][0] * CROWN_SHOULDER
    h[6] = (x6, h[5][1] - (h[5][1] - crown_top) * math.sqrt(1.0 - CROWN_SHOULDER ** 2) * 0.93)
    h[7] = (0.0, crown_top - crown_peak)
    h[10] = (f168[0] + lock_inset, f168[1])
    h[11] = f169
    h[12] = (h[5][0] + (f169[0] - lock_out - h[5][0]) * 0.75,
             h[5][1] + (f169[1] - h[5][1]) * 0.55)
    h[13] = (f169[0] - lock_out, f169[1])
    h[24] = f169
    burn_x = [face_x_at(face, f169[1] + burn_len * t) for t in (0.5, 1.0)]
    h[25] = (burn_x[0] - 0.5, f169[1] + burn_len * 0.5)
    h[26] = (burn_x[1] - 0.5, f169[1] + burn_len)
    h[27] = (max(f169[0] - burn_width, h[13][0]), f169[1])
    h[28] = (burn_x[0] - burn_width * 0.9, f169[1] + burn_len * 0.5)
    h[29] = (burn_x[1] - burn_width * 0.6, f169[1] + burn_len * 0.92)
    # Back hair: not drawn, but bred; kept as a plausible shape behind the neck.
    h[40] = (max(h[13][0] + 6.0, -60.0), h[13][1])
    h[41] = (h[40][0] - 8.0, h[40][1] + 15.0)
    h[42] = (h[40][0] - 12.0, h[40][1] + 38.0)
    h[46] = (-30.0, h[40][1] + 48.0)
    h[47] = (0.0, h[40][1] + 52.0)
    for a, b in ((3, 1), (4, 0), (8, 6), (9, 5), (14, 10), (15, 11), (16, 12), (17, 13),
                 (30, 24), (31, 25), (32, 26), (33, 27), (34, 28), (35, 29),
                 (43, 40), (44, 41), (45, 42), (48, 46)):
        h[a] = mirror(h[b])
    return h


def face_x_at(face, y):
    """x of the stored-side outline at height y (straight between its points)."""
    chain = [face[i] for i in (166, 168, 169, 170, 171, 172, 173)]
    for (x0, y0), (x1, y1) in zip(chain, chain[1:]):
        if y0 <= y <= y1:
            return x0 + (x1 - x0) * (y - y0) / (y1 - y0)
    return chain[-1][0]


def hair_elements():
    """Six hair elements in the loaded (x0.6) scale: element 1 a parting tuft
    (0-4 around anchor 1, 5-7 and 9 around anchor 5), elements 2, 3, 5, 6 locks
    falling to the stored side, element 4 one to the other side. The y of
    8, 19, 39, 55, 68, 88 is a fraction; 20, 40, 56, 69, 89 are parameters."""
    k = [(0.0, 0.0)] * KAMIYOUSO_POINTS
    k[1] = (0.0, -80.0)
    k[0] = (-14.0, -64.0)
    k[2] = mirror(k[0])
    k[3] = (-8.0, -86.0)
    k[4] = (8.0, -86.0)
    k[5] = (-10.0, 20.0)
    k[6] = (-14.0, 14.0)
    k[7] = (-18.0, 8.0)
    k[9] = (-20.0, 26.0)
    k[8] = (12.0, 0.5)
    k[10] = (-30.0, -40.0)
    for anchor, dx, first in ((11, -38.0, 12), (31, -52.0, 32), (60, -44.0, 61), (80, -58.0, 81)):
        k[anchor] = (dx, -70.0 + (anchor % 7) * 2.0)
        ax, ay = k[anchor]
        for step in range(7):
            k[first + step] = (ax - 3.0 * (step + 1), ay + 7.0 * (step + 1))
        for step in range(10):
            k[first + 9 + step] = (ax + 2.0 - 2.5 * step, ay + 10.0 + 6.0 * step)
    for anchor, first in ((11, 15), (31, 35), (60, 64), (80, 84)):
        for i in range(4):
            k[first + i] = mirror(k[anchor + i])
    k[51] = (24.0, -66.0)
    for i, idx in enumerate((52, 53, 54, 57, 58, 59)):
        k[idx] = (k[51][0] + 3.0 * (i + 1), k[51][1] + 8.0 * (i + 1))
    for idx, frac in ((19, 0.3), (39, 0.55), (55, 0.4), (68, 0.7), (88, 0.25)):
        k[idx] = (10.0 + idx * 0.1, frac)
    for idx, value in ((20, (1.0, 0.0)), (40, (0.0, 1.0)), (56, (1.0, 1.0)),
                       (69, (0.0, 0.0)), (89, (1.0, 0.0))):
        k[idx] = value
    return k


HAIR_ELEMENT_FLAGS = [1, 0, 0, 1, 0, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 0,
                      1, 0, 0, 1, 0, 1, 0, 0, 1]
