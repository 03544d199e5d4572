"""highwaytohell: chord riffs on eighths at 116 bpm (sixteenth 129.27 ms), two
chord shapes per part, single notes in the gaps and sixteenth pickups in the
fills; two breaks and a last held chord."""

from engine import Design, Part, Pattern as P, Choice, Shared, Pin

E = tuple(range(0, 16, 2))  # chords may fall on any eighth

# Riff bars, sixteen sixteenths each.
A1 = P("A1", [(0, (3, 4)), (2, (3, 4)), (4, 3), (8, (3, 4))])
A2 = P("A2", [(0, (2, 3)), (2, 3), (8, (3, 4)), (10, 4)])
V1 = P("V1", [(0, (1, 2)), (2, (1, 2)), (4, 1), (8, (2, 3))])
V2 = P("V2", [(0, (1, 2)), (2, 1), (8, (2, 3)), (10, (2, 3))])
V3 = P("V3", [(0, (1, 2)), (4, (1, 2)), (6, 1), (8, (2, 3))])
C1 = P("C1", [(0, (2, 3)), (2, (2, 3)), (4, 4), (8, (1, 2)), (10, (1, 2)), (12, 1)])
C2 = P("C2", [(0, (3, 4)), (2, 4), (4, (3, 4)), (8, (2, 3)), (10, 3), (12, (2, 3))])
M1 = P("M1", [(0, (1, 2)), (2, 1), (4, (1, 2)), (12, 3)])
M2 = P("M2", [(0, (3, 4)), (2, 4), (8, (2, 3)), (12, 3)])
B1 = P("B1", [(0, (1, 2)), (2, 3), (8, (1, 2))])
B2 = P("B2", [(0, (3, 4)), (8, 3), (12, 4)])
B3 = P("B3", [(0, (2, 3)), (8, 4), (10, 3)])
FILLS = Choice(
    P("F1", [(0, (1, 2)), (4, 3), (5, 4), (6, 3), (8, (2, 3))]),
    P("F2", [(0, (3, 4)), (8, (2, 3)), (10, 1), (11, 2), (12, (1, 2))]),
    P("F3", [(0, (1, 2)), (4, (2, 3)), (8, (3, 4))]),
    P("F4", [(0, (2, 3)), (4, 3), (6, 4), (8, 3), (12, (3, 4))]),
    P("F5", [(0, (1, 2)), (8, 1), (12, 4), (13, 3), (14, 4)]),
    P("F6", [(0, (3, 4)), (2, (3, 4)), (4, 4), (8, (2, 3))]),
    P("F7", [(0, (1, 2)), (8, 3)]),
    P("F8", [(0, (3, 4)), (4, 3), (6, 4)]),
)

DESIGN = Design(
    "highwaytohell", beat_units=4, unit=129.27, origin=3589.5, bar_units=16,
    parts=[
        Part("intro riff", 0, 13, [A1, Shared(A2, A1), A1, FILLS], chord_units=E),
        Part("verse", 13, 16, [V1, Shared(V2, V3), V1, FILLS], chord_units=E),
        Part("chorus", 29, 13, [C1, Shared(M1, C2), V1, FILLS], chord_units=E),
        Part("verse", 42, 15, [C2, Shared(V1, C1), V2, FILLS], chord_units=E),
        Part("bridge", 57, 14, [M1, Shared(B1, M2), B3, FILLS], chord_units=E),
        Part("quiet", 71, 14, [B1, Shared(B3, B2), B2, FILLS], chord_units=E),
        Part("outro", 85, 12, [Shared(B3, M2), B1, Shared(M1, A1), FILLS], chord_units=E),
    ],
    pins=[
        Pin(2790, (3, 4)), Pin(3061, (3, 4)), Pin(3331, (3, 4)),
        # A triplet pickup in lane 4.
        Pin(126570, (4,)), Pin(126741, (4,)),
        Pin(70017, (2, 3)), Pin(73751, (1, 2)),
        Pin(186345, (3, 4)), Pin(189836, (1, 2)),
        Pin(203587, (4,)), Pin(204444, (4,)), Pin(208820, (3, 4)),
    ],
    rests=[(0, 3450), (70017, 73751), (186345, 189836), (203587, 211000)],
    jitter=(-2, 2), pin_radius=200,
)
