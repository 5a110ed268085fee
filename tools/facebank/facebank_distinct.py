"""How different the samples look: generation 0 drawn by the program's own
renderer (mirel-render grid) at one cell size, and the mean grey difference
of every pair of cells. Two samples that draw alike waste a place in the
bank."""

import os
import struct
import subprocess
import tempfile

GRID_COLUMNS = 5
GRID_ROWS = 4
CELL = 200


def read_bmp(path):
    """Width, height and rows (top first) of grey levels of a 24-bit BMP."""
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits != 24:
        raise ValueError(f"{path}: {bits} bits a pixel, 24 expected")
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for r in range(abs(height)):
        start = offset + r * stride
        row = data[start:start + width * 3]
        rows.append([(row[3 * i] + row[3 * i + 1] + row[3 * i + 2]) / 3.0
                     for i in range(width)])
    if height > 0:
        rows.reverse()
    return width, abs(height), rows


def cells(renderer, data_dir, cell=CELL):
    """The grey levels of the twenty cells, each a flat list."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "grid.bmp")
        run = subprocess.run([renderer, "grid", out, "--data", data_dir, "--cell", str(cell)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            raise RuntimeError(f"{renderer} failed ({run.returncode}): {run.stderr.strip()}")
        _, _, rows = read_bmp(out)
    result = []
    for k in range(GRID_COLUMNS * GRID_ROWS):
        x0, y0 = (k % GRID_COLUMNS) * cell, (k // GRID_COLUMNS) * cell
        result.append([v for row in rows[y0:y0 + cell] for v in row[x0:x0 + cell]])
    return result


def pair_differences(grey_cells):
    """(mean grey difference, i, j) of every pair, least first."""
    pairs = []
    for i in range(len(grey_cells)):
        for j in range(i + 1, len(grey_cells)):
            a, b = grey_cells[i], grey_cells[j]
            pairs.append((sum(abs(u - v) for u, v in zip(a, b)) / len(a), i, j))
    return sorted(pairs)


# The least mean grey difference between two samples that the first bank
# left (samples 2 and 16), and how many times that the bank must keep.
FIRST_BANK_LEAST = 4.27
DISTINCT_FACTOR = 2.0
SHOWN_PAIRS = 3


def distinctness_faults(renderer, data_dir):
    """Prints the closest pairs of the bank under data_dir as drawn; a fault
    when the closest lie nearer than the floor."""
    try:
        pairs = pair_differences(cells(renderer, data_dir))
    except (OSError, RuntimeError, ValueError) as e:
        return [f"distinctness: {e}"]
    floor = FIRST_BANK_LEAST * DISTINCT_FACTOR
    print(f"distinctness at cell {CELL}: mean grey difference of the closest pairs"
          f" (at least {floor:.1f})")
    for d, i, j in pairs[:SHOWN_PAIRS]:
        print(f"  facebank{i + 1} and facebank{j + 1}: {d:.2f}")
    least, i, j = pairs[0]
    if least < floor:
        return [f"distinctness: facebank{i + 1} and facebank{j + 1} differ by {least:.2f},"
                f" less than {floor:.1f}"]
    return []
