"""aceofspades: a galloping riff (dotted eighth, dotted eighth, eighth) at
140.625 bpm (sixteenth 106.67 ms); in five runs of bars lane 1 plays a
sixteenth pickup pair on the second beat; five breaks of two bars."""

from engine import Design, Part, Pattern as P, Choice, Shared, Pin, FIXED

CHORD_UNITS = (0, 8)

# Gallop bars, sixteen sixteenths each.
GA = P("GA", [(0, (2, 3)), (3, 1), (6, 2), (8, 3), (11, 4)])
GB = P("GB", [(0, 3), (3, 4), (6, 1), (8, 2), (14, 1)])
GC = P("GC", [(0, (1, 2)), (3, 1), (6, 3), (8, 1), (14, 2)])
GD = P("GD", [(0, (3, 4)), (3, 1), (8, 3), (11, 4), (14, 1)])
GE = P("GE", [(0, 1), (3, 2), (6, 3), (11, 4)])
GF = P("GF", [(0, 1), (3, 4), (6, 3), (8, 1)])
GG = P("GG", [(0, 2), (3, 1), (6, 4), (8, (2, 3)), (11, 1)])
# Bars with the lane 1 pickup pair on the second beat.
PA = P("PA", [(0, 1, FIXED), (2, 1, FIXED), (4, 1, FIXED), (5, 1, FIXED), (8, 3), (11, 2)])
PB = P("PB", [(0, 3), (4, 1, FIXED), (5, 1, FIXED), (8, 2), (11, 4)])
PC = P("PC", [(0, (2, 3)), (4, 1, FIXED), (5, 1, FIXED), (8, 3), (14, 4)])
FILLS = Choice(
    P("F1", [(0, 2), (3, 3), (6, 2), (8, (1, 2)), (12, 3)]),
    P("F2", [(0, (3, 4)), (4, 3), (8, 2), (12, 1)]),
    P("F3", [(0, 2), (2, 3), (4, 2), (6, 3), (8, 1), (11, 3), (14, 2)]),
    P("F4", [(0, 1), (3, 2), (6, 3), (9, 4), (12, 3)]),
    P("F5", [(0, (2, 3)), (6, (3, 4)), (8, 3), (11, 2), (14, 1)]),
    P("F6", [(0, 3), (3, 1), (6, 3), (8, (1, 2)), (11, 3), (14, 2)]),
    P("F7", [(0, 3), (6, 2), (8, 4)]),
)

DESIGN = Design(
    "aceofspades", beat_units=4, unit=320 / 3, origin=9782.0, bar_units=16,
    parts=[
        Part("lead-in", 0, 4, [PA], chord_units=CHORD_UNITS),
        Part("gallop", 6, 5, [PB, PC], chord_units=CHORD_UNITS),
        Part("verse", 11, 11, [GA, Shared(GE, GF), GE, FILLS], chord_units=CHORD_UNITS),
        Part("pickups", 24, 5, [PB, PC], chord_units=CHORD_UNITS),
        Part("chorus", 29, 14, [GC, Shared(GD, GG), GC, FILLS], chord_units=CHORD_UNITS),
        Part("verse", 45, 3, [GA, GB, GD], chord_units=CHORD_UNITS),
        Part("pickups", 50, 5, [PB, PC], chord_units=CHORD_UNITS),
        Part("bridge", 55, 11, [GD, Shared(GA, GG), GB, FILLS], chord_units=CHORD_UNITS),
        Part("pickups", 68, 4, [PC, PB], chord_units=CHORD_UNITS),
        Part("chorus", 72, 12, [GC, Shared(GE, GG), GD, FILLS], chord_units=CHORD_UNITS),
        Part("outro", 84, 16, [Shared(GE, GF), GE, Shared(GF, GA), FILLS], chord_units=CHORD_UNITS),
    ],
    pins=[
        Pin(8054, (3,)), Pin(9782, (1,)), Pin(9994, (1,)), Pin(10207, (1,)), Pin(10314, (1,)),
        # The edges of the five breaks.
        Pin(16584, (2,)), Pin(19976, (3,)), Pin(47375, (1,)), Pin(50804, (3,)),
        Pin(83282, (4,)), Pin(91871, (3,)), Pin(95275, (2,)), Pin(122362, (2,)), Pin(125817, (3,)),
        # Lane 2 notes numbered after the others (the appended run).
        Pin(29228, (2,), append=(2,)), Pin(30146, (2, 3), append=(2,)), Pin(37003, (2, 3), append=(2,)),
        Pin(60993, (2, 3), append=(2,)), Pin(67949, (2, 3), append=(2,)), Pin(86717, (2, 3), append=(2,)),
        Pin(87148, (2, 3), append=(2,)), Pin(87580, (2, 3), append=(2,)), Pin(88011, (2, 3), append=(2,)),
        Pin(136115, (2, 3), append=(2,)), Pin(143009, (2, 3), append=(2,)),
        # Two lane 3 sixteenth runs.
        Pin(105617, (3,)), Pin(105723, (3,)), Pin(105829, (3,)),
        Pin(106465, (3,)), Pin(106571, (3,)), Pin(106677, (3,)),
        # A sixteenth grace note into the last beat.
        Pin(79435, (3,)), Pin(79539, (2,)),
        Pin(178566, (2,)), Pin(178883, (2,)), Pin(180573, (1,)), Pin(185022, (3,)),
    ],
    rests=[(0, 10400), (16584, 19976), (47375, 50804), (83282, 86717), (91871, 95275),
           (122362, 125817), (178566, 188000)],
    jitter=(-2, 2), pin_radius=160,
    skip={1: [18, 21, 41, 44, 72, 73, 74, 75, 117, 120]}, appended={2: list(range(113, 124))},
    chord_pairs=((1, 2), (1, 3), (2, 3), (3, 4)),
    seed=2,
)
