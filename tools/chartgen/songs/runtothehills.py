"""runtothehills: a loose, pushed-and-pulled groove at 174 bpm (sixteenth
86.2 ms) in eight-bar phrases, mostly quarter and half-bar steps; played with
a wide human timing, so no one spacing stands out. One long break before the
last chord."""

from engine import Design, Part, Pattern as P, Choice, Shared, Pin

CHORD_UNITS = (0, 8)

# Bars of sixteen sixteenths.
R1 = P("R1", [(0, (3, 4)), (4, 3)])
R2 = P("R2", [(0, 3), (4, 4), (8, 2)])
R3 = P("R3", [(0, 2), (4, 1)])
R4 = P("R4", [(0, (1, 2)), (4, 3)])
R5 = P("R5", [(0, 3), (12, 1)])
R6 = P("R6", [(0, (2, 3)), (4, 2)])
R7 = P("R7", [(0, 1), (4, 2), (8, 3)])
R8 = P("R8", [(0, 4), (4, 3), (8, 2)])
R9 = P("R9", [(0, 2)])
R10 = P("R10", [(0, 2), (4, 3), (8, 1), (12, 3)])
FILLS = Choice(
    P("F1", [(0, 2), (4, 3), (8, 4)]),
    P("F2", [(0, (1, 2))]),
    P("F3", [(0, 3), (4, 2), (12, 1)]),
    P("F4", [(0, (3, 4)), (12, 3)]),
    P("F5", [(0, 1), (8, 2)]),
    P("F6", [(0, 2), (6, 3), (12, 4)]),
)

DESIGN = Design(
    "runtothehills", beat_units=4, unit=60000 / 174 / 4, origin=11833.0, bar_units=16,
    parts=[
        Part("intro", 0, 13, [R5, Shared(R9, R6), R5, FILLS], chord_units=CHORD_UNITS),
        Part("verse", 13, 16, [R1, Shared(R3, R9), R4, Shared(R6, R5), R1, R3, R9, FILLS],
             chord_units=CHORD_UNITS),
        Part("verse", 32, 24, [R3, Shared(R9, R1), R4, Shared(R9, R5), R1, R10, R9, FILLS],
             chord_units=CHORD_UNITS),
        Part("chorus", 56, 24, [R1, Shared(R2, R10), R4, R9, R1, R5, R10, FILLS], chord_units=CHORD_UNITS),
        Part("verse", 80, 24, [R3, Shared(R1, R6), R4, Shared(R7, R9), R3, R5, R8, FILLS],
             chord_units=CHORD_UNITS),
        Part("chorus", 104, 24, [R1, Shared(R7, R3), R4, R8, R1, R3, R2, FILLS], chord_units=CHORD_UNITS),
        Part("outro", 128, 24, [R5, R9, Shared(R9, R3), FILLS], chord_units=CHORD_UNITS),
    ],
    pins=[
        Pin(11833, (4,)), Pin(12193, (4,)), Pin(12503, (3,)), Pin(13818, (3,)), Pin(14199, (3,)),
        Pin(51310, (2,)), Pin(56162, (3,)),
        # Pushed repeats in one lane: the tightest steps of lanes 1 to 4.
        Pin(94591, (1,)), Pin(94963, (1,)), Pin(67005, (2,)), Pin(67344, (2,)),
        Pin(108384, (3,)), Pin(108643, (3,)), Pin(149763, (4,)), Pin(150086, (4,)),
        # Lane 3 notes numbered after the others (the appended run), each on a lane 4 accent.
        Pin(81064, (3, 4), append=(3,)), Pin(92073, (3, 4), append=(3,)), Pin(120767, (3, 4), append=(3,)),
        Pin(131817, (3, 4), append=(3,)), Pin(185784, (3, 4), append=(3,)), Pin(196803, (3, 4), append=(3,)),
        Pin(207857, (3, 4), append=(3,)),
        # A flam across lanes 1 and 2, and the one three-lane chord.
        Pin(132507, (1,)), Pin(132508, (2,)),
        Pin(192629, (1, 2, 3)),
        Pin(220215, (1, 2), append=(2,)), Pin(221409, (2, 3), append=(2, 3)),
        Pin(231716, (2, 3)),
    ],
    rests=[(0, 14300), (51310, 56162), (221409, 238000)],
    jitter=(-25, 25), pin_radius=200,
    skip={2: [2, 3, 7, 8, 11, 12, 16, 17, 36],
          4: list(range(15, 28)) + list(range(29, 42)) + [47] + list(range(50, 64))
          + list(range(65, 78)) + [83, 86, 114, 117, 120]},
    appended={2: [107, 108], 3: list(range(124, 132))},
    seed=3,
)
