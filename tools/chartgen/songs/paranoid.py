"""paranoid: a driving riff in quarters and eighths at 163 bpm (eighth 184 ms),
mostly on lane 2, with a free-time pickup of five notes before the groove."""

from engine import Design, Part, Pattern as P, Choice, Shared, Pin

# Riff bars, eight eighths each.
R1 = P("R1", [(0, (2, 3)), (2, 2), (3, 1), (4, 2), (6, 2)])
R2 = P("R2", [(0, 2), (3, 1), (6, 2)])
R3 = P("R3", [(0, 2), (2, 2), (4, 1), (6, 3)])
V1 = P("V1", [(0, 2), (3, 3), (6, 1)])
V2 = P("V2", [(0, 2), (4, 1)])
V3 = P("V3", [(0, 2), (2, 2), (5, 1)])
C1 = P("C1", [(0, (1, 2)), (2, 2), (4, 1), (6, 2)])
C2 = P("C2", [(0, 2), (3, 3), (4, 2), (6, 1)])
S1 = P("S1", [(0, 2), (2, 1), (3, 2), (4, 2), (6, 3)])
S2 = P("S2", [(0, 2), (2, 3), (4, 4), (6, 3), (7, 2)])
S3 = P("S3", [(0, 1), (3, 2), (6, 2), (7, 3)])
FILLS = Choice(
    P("F1", [(0, 2), (2, 1), (4, 3), (6, 4)]),
    P("F6", [(0, 3), (3, 2), (4, 1), (6, 2)]),
    P("F2", [(0, 2), (3, 1), (6, 2)]),
    P("F3", [(0, 2), (2, 1), (3, 2), (5, 3), (6, 2), (7, 3)]),
    P("F4", [(0, 1), (4, 2)]),
    P("F5", [(0, 2), (2, 1), (3, 2), (4, 3), (6, 2)]),
    P("F7", [(0, 2), (2, 2), (5, 1)]),
)

DESIGN = Design(
    "paranoid", beat_units=2, unit=184.0, origin=1500.0, bar_units=8,
    parts=[
        Part("riff", 2, 16, [Shared(R1, R2), R2, Shared(R3, R1), FILLS], chord_units=(0, 4)),
        Part("verse", 18, 24, [Shared(V1, V3), Shared(V2, V1), V1, FILLS], chord_units=(0, 4)),
        Part("chorus", 42, 16, [C1, Shared(C2, V1), V3, FILLS], chord_units=(0, 4)),
        Part("solo", 58, 24, [Shared(S1, S3), S2, Shared(R2, R1), FILLS], chord_units=(0, 4)),
        Part("verse", 82, 16, [Shared(V1, R3), Shared(V3, R2), R2, FILLS], chord_units=(0, 4)),
        Part("riff", 98, 15, [R1, Shared(R2, R3), Shared(R3, S1), FILLS], chord_units=(0, 4)),
    ],
    pins=[
        Pin(2994, (1,)), Pin(3555, (1,)), Pin(4117, (1,)), Pin(4491, (2,)), Pin(4849, (3,)),
        # A grace note a little ahead of the beat, and a lane 1 push.
        Pin(48466, (3,)), Pin(48612, (2,)),
        Pin(96444, (1,)), Pin(96804, (1,)),
        # The doubled lane 2 note on the chorus accent.
        Pin(138412, (2, 2, 3), append=(2,)),
        Pin(166550, (1, 2)), Pin(167100, (2, 3)),
    ],
    rests=[(0, 5100), (166300, 170000)],
    jitter=(-3, 3), skip={2: [202]}, appended={2: [224]},
    chord_pairs=((1, 2), (2, 3)),
    seed=2,
)
