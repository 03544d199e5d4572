"""forwhomthebellstolls: a heavy riff at 120 bpm on a grid of 32nd notes
(62.5 ms, from 61 ms), eighths with dotted figures, stopped by thirteen
breaks of three to four and a half seconds."""

import math

from engine import Design, Part, Pattern as P, Choice, Shared, Pin

BEATS = (0, 8, 16, 24)


def at(k):
    """Time of grid step k, rounded half up as the whole chart is."""
    return int(math.floor(61 + 62.5 * k + 0.5))


# Bars of 32 steps.
S1 = P("S1", [(0, (1, 2)), (4, 1), (10, 1), (16, (2, 3))])
S2 = P("S2", [(0, (1, 2)), (3, 1), (8, 2), (20, 1)])
S3 = P("S3", [(0, (3, 4)), (6, 3), (12, 4), (16, 1)])
S4 = P("S4", [(0, (1, 2)), (4, 1), (8, (2, 3)), (12, 1), (16, 1), (19, 2)])
S5 = P("S5", [(0, (2, 3)), (3, 1), (8, 1), (12, 2), (16, (1, 2)), (21, 1), (24, 1)])
S6 = P("S6", [(0, (1, 2)), (16, (2, 3)), (20, 1)])
S7 = P("S7", [(0, (3, 4)), (4, 1), (8, 1), (11, 2), (16, (2, 3)), (22, 1)])
S8 = P("S8", [(0, (1, 2)), (3, 1), (8, 1), (12, 2), (18, 1), (24, (3, 4))])
S9 = P("S9", [(0, 1), (4, 2), (8, 1), (12, 1), (16, (1, 2)), (19, 1), (24, (2, 3))])
S10 = P("S10", [(0, (1, 2)), (12, 1), (16, (2, 3)), (28, 4)])
S11 = P("S11", [(0, (1, 2)), (16, 1)])
FILLS = Choice(
    P("F1", [(0, 1), (3, 2), (6, 3), (12, 4), (16, (3, 4)), (20, 3), (24, 2)]),
    P("F2", [(0, (1, 2)), (4, 1), (8, 1), (12, 1), (16, (2, 3)), (20, 2), (24, 1), (28, 1)]),
    P("F3", [(0, (2, 3)), (5, 2), (8, 1), (13, 2), (16, (3, 4)), (21, 3)]),
    P("F4", [(0, (1, 2))]),
    P("F5", [(0, 1), (6, 2), (12, 3), (16, (1, 2))]),
    P("F6", [(0, (3, 4)), (3, 3), (8, 2), (11, 1), (16, 2), (24, 1)]),
)

# The breaks: (first grid step, length in steps); each ends on a chord.
BREAKS = [(654, 49), (750, 50), (880, 56), (1300, 52), (1950, 70), (2150, 60), (2320, 54),
          (2950, 56), (3250, 50), (3400, 64), (3600, 52), (4400, 58), (4601, 49)]

DESIGN = Design(
    "forwhomthebellstolls", beat_units=8, unit=62.5, origin=61.0, bar_units=32,
    parts=[
        Part("intro", 4, 11, [S6, S11, Shared(S11, S6), FILLS], chord_units=BEATS),
        Part("verse", 15, 15, [S6, Shared(S3, S2), S6, FILLS], chord_units=BEATS),
        Part("riff", 30, 15, [S4, Shared(S5, S7), S8, FILLS], chord_units=BEATS),
        Part("riff", 45, 15, [S5, Shared(S9, S4), S7, FILLS], chord_units=BEATS),
        Part("break", 60, 15, [S3, Shared(S1, S10), S2, FILLS], chord_units=BEATS),
        Part("riff", 75, 15, [S8, Shared(S4, S7), S1, FILLS], chord_units=BEATS),
        Part("verse", 90, 15, [S4, Shared(S2, S7), S1, FILLS], chord_units=BEATS),
        Part("break", 105, 15, [S6, Shared(S6, S10), S6, FILLS], chord_units=BEATS),
        Part("riff", 120, 15, [S5, Shared(S8, S4), S6, FILLS], chord_units=BEATS),
        Part("outro", 135, 17, [S7, Shared(S3, S2), S6, FILLS], chord_units=BEATS),
    ],
    pins=[Pin(at(116), (1, 2)), Pin(at(119), (1, 2)), Pin(at(124), (2, 3)),
          Pin(231249, (1, 2, 3)),
          Pin(at(4855), (3, 4)), Pin(at(4866), (1, 2))]
    + [Pin(at(k), (2,)) for k, _ in BREAKS] + [Pin(at(k + n), (3, 4)) for k, n in BREAKS],
    rests=[(0, at(128) - 1), (at(4855), 309000)] + [(at(k), at(k + n)) for k, n in BREAKS],
    jitter=(0, 0), pin_radius=180, round_half_up=True,
    steps=150000,
)
