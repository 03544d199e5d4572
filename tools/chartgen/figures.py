"""The figures every song chart must keep, and a checker that computes them
from a note list and lists every difference.

A note is a tuple (lane, threshold, slot); a chart is a list of notes in chart
order (lane 1 to 5, each by ascending slot)."""

import functools
from collections import Counter

POOL_SIZES = {1: 311, 2: 260, 3: 250, 4: 126, 5: 100}
SECTION_MS = 30000
PAUSE_MS = 3000

# Figures per chart. "lanes": lane -> (notes, highest slot, skipped slots, smallest gap).
SONGS = {
    "paranoid": dict(
        end=170000, notes=416, distinct=394, chords=21, first=2994, last=167100,
        lanes={1: (95, 94, [], 360), 2: (224, 224, [202], 178),
               3: (74, 73, [], 184), 4: (23, 22, [], 365)},
        chord_lanes={(1, 2): 7, (2, 3): 14},
        appended={2: ([224], [138412], (223, 167100))},
        coinciding=[(2, 138412, (178, 224))],
        closest=146, pauses=[],
        sections=[2.3, 2.0, 2.6, 2.8, 2.5, 1.6],
        first_rows=[(1, 2994, 0), (1, 3555, 1), (1, 4117, 2), (2, 4491, 0), (3, 4849, 0)],
        last_rows=[(1, 166550, 94), (2, 166550, 222), (2, 167100, 223), (3, 167100, 73)],
    ),
    "highwaytohell": dict(
        end=211000, notes=613, distinct=379, chords=234, first=2790, last=208820,
        lanes={1: (134, 133, [], 256), 2: (191, 190, [], 254),
               3: (177, 176, [], 254), 4: (111, 110, [], 171)},
        chord_lanes={(1, 2): 100, (2, 3): 70, (3, 4): 64},
        appended={}, coinciding=[],
        closest=129, pauses=[(70017, 73751), (186345, 189836), (204444, 208820)],
        sections=[3.2, 3.6, 3.5, 3.7, 2.7, 1.9, 1.9, 0.0],
        first_rows=[(3, 2790, 0), (4, 2790, 0), (3, 3061, 1), (4, 3061, 1), (3, 3331, 2), (4, 3331, 2)],
        last_rows=[(4, 203587, 108), (4, 204444, 109), (3, 208820, 176), (4, 208820, 110)],
    ),
    "aceofspades": dict(
        end=188000, notes=478, distinct=411, chords=67, first=8054, last=185022,
        lanes={1: (139, 148, [18, 21, 41, 44, 72, 73, 74, 75, 117, 120], 105),
               2: (124, 123, [], 212), 3: (142, 141, [], 106), 4: (73, 72, [], 318)},
        chord_lanes={(1, 2): 17, (1, 3): 2, (2, 3): 31, (3, 4): 17},
        appended={2: (list(range(113, 124)),
                      [29228, 30146, 37003, 60993, 67949, 86717, 87148, 87580, 88011, 136115, 143009],
                      (112, 178883))},
        coinciding=[],
        closest=104,
        pauses=[(16584, 19976), (47375, 50804), (83282, 86717), (91871, 95275),
                (122362, 125817), (180573, 185022)],
        sections=[2.0, 2.6, 3.1, 3.1, 2.6, 2.3, 0.1],
        first_rows=[(3, 8054, 0), (1, 9782, 0), (1, 9994, 1), (1, 10207, 2), (1, 10314, 3)],
        last_rows=[(2, 178566, 111), (2, 178883, 112), (1, 180573, 148), (3, 185022, 141)],
    ),
    "runtothehills": dict(
        end=238000, notes=343, distinct=288, chords=54, first=11833, last=231716,
        lanes={1: (48, 47, [], 372),
               2: (100, 108, [2, 3, 7, 8, 11, 12, 16, 17, 36], 339),
               3: (132, 131, [], 259),
               4: (63, 121, list(range(15, 28)) + list(range(29, 42)) + [47] + list(range(50, 64))
                   + list(range(65, 78)) + [83, 86, 114, 117, 120], 323)},
        chord_lanes={(1, 2): 16, (2, 3): 19, (3, 4): 18, (1, 2, 3): 1},
        appended={2: ([107, 108], [220215, 221409], (106, 231716)),
                  3: (list(range(124, 132)),
                      [81064, 92073, 120767, 131817, 185784, 196803, 207857, 221409], (123, 231716))},
        coinciding=[],
        closest=1, pauses=[(51310, 56162), (221409, 231716)],
        sections=[0.9, 1.5, 1.6, 1.8, 1.8, 2.0, 1.3, 0.5],
        first_rows=[(4, 11833, 0), (4, 12193, 1), (3, 12503, 0), (3, 13818, 1), (3, 14199, 2)],
        last_rows=[(2, 221409, 108), (3, 221409, 131), (2, 231716, 106), (3, 231716, 123)],
    ),
    "forwhomthebellstolls": dict(
        end=309000, notes=859, distinct=634, chords=224, first=7311, last=304186,
        lanes={1: (303, 302, [], 187), 2: (260, 259, [], 187),
               3: (206, 205, [], 187), 4: (90, 89, [], 187)},
        chord_lanes={(1, 2): 85, (2, 3): 74, (3, 4): 64, (1, 2, 3): 1},
        appended={}, coinciding=[],
        closest=187, pauses=None,  # checked by the song's own rule below
        sections=[1.8, 2.1, 3.5, 4.1, 1.8, 3.6, 2.7, 2.1, 3.7, 2.8, 0.5],
        first_rows=[(1, 7311, 0), (2, 7311, 0), (1, 7499, 1), (2, 7499, 1), (2, 7811, 2), (3, 7811, 0)],
        last_rows=[(3, 303499, 205), (4, 303499, 89), (1, 304186, 302), (2, 304186, 259)],
    ),
}

TRIADS = {"runtothehills": 192629, "forwhomthebellstolls": 231249}

# The chord each appended note stands in, by song and lane (None: no chord).
APPENDED_CHORDS = {
    ("paranoid", 2): [(2, 3)],
    ("aceofspades", 2): [None] + [(2, 3)] * 10,
    ("runtothehills", 2): [(1, 2), (2, 3)],
    ("runtothehills", 3): [(3, 4)] * 7 + [(2, 3)],
}


def by_time(notes):
    return sorted(notes, key=lambda n: (n[1], n[0], n[2]))


def spacings(notes):
    ts = sorted({n[1] for n in notes})
    return ts, [b - a for a, b in zip(ts, ts[1:])]


def chord_groups(notes):
    lanes_at = {}
    for lane, t, _ in notes:
        lanes_at.setdefault(t, set()).add(lane)
    return {t: tuple(sorted(l)) for t, l in lanes_at.items() if len(l) > 1}


def lane_gaps(notes, lane):
    ts = sorted(n[1] for n in notes if n[0] == lane)
    return [(a, b) for a, b in zip(ts, ts[1:]) if b != a]


def section_rates(notes, end):
    counts = Counter(n[1] // SECTION_MS for n in notes)
    n_sections = -(-end // SECTION_MS)
    return [round(counts.get(s, 0) / 30 + 1e-9, 1) for s in range(n_sections)], counts


@functools.lru_cache(maxsize=None)
def section_range(rate):
    """The note counts of a 30 s section that show as the given rate."""
    ok = [n for n in range(400) if round(n / 30 + 1e-9, 1) == rate]
    return ok[0], ok[-1]


def in_window(values, lo, hi):
    return sum(1 for v in values if lo <= v <= hi)


def rhythm_problems(name, notes):
    """The looser rhythm words of each song, as counts and rankings (rhythm_cost)."""
    _, sp = spacings(notes)
    off = rhythm_cost(name, sp)
    if not off:
        return []
    return ["%s: the spacings miss their rhythm figures by %d (most common: %s)"
            % (name, off, Counter(sp).most_common(6))]


def check(name, notes):
    """Every difference between the chart and its figures, as readable lines."""
    f = SONGS[name]
    out = []
    def expect(what, got, want):
        if got != want:
            out.append("%s: %s is %r, want %r" % (name, what, got, want))

    # Chart format rules.
    expect("chart order", [(n[0], n[2]) for n in notes], sorted((n[0], n[2]) for n in notes))
    expect("duplicate slots", len({(n[0], n[2]) for n in notes}), len(notes))
    for lane, t, slot in notes:
        if not (0 < t < f["end"]) or lane not in (1, 2, 3, 4) or not (0 <= slot < POOL_SIZES[lane]):
            out.append("%s: bad note %r" % (name, (lane, t, slot)))
    expect("notes", len(notes), f["notes"])
    ts = [n[1] for n in notes]
    expect("distinct", len(set(ts)), f["distinct"])
    expect("first", min(ts), f["first"])
    expect("last", max(ts), f["last"])
    chords = chord_groups(notes)
    expect("chords", len(chords), f["chords"])
    expect("chord lanes", dict(Counter(chords.values())), f["chord_lanes"])
    if name in TRIADS:
        expect("triad", sorted(t for t, l in chords.items() if len(l) == 3), [TRIADS[name]])

    for lane, (count, high, skipped, gap) in f["lanes"].items():
        lane_notes = [n for n in notes if n[0] == lane]
        slots = [n[2] for n in lane_notes]
        expect("lane %d notes" % lane, len(lane_notes), count)
        expect("lane %d highest slot" % lane, max(slots, default=-1), high)
        expect("lane %d skipped" % lane, sorted(set(range(high + 1)) - set(slots)), skipped)
        gaps = [b - a for a, b in lane_gaps(notes, lane)]
        expect("lane %d smallest gap" % lane, min(gaps, default=None), gap)
        # Thresholds rise with the slot index but for the appended run.
        run = f["appended"].get(lane)
        body = lane_notes[:-len(run[0])] if run else lane_notes
        bt = [n[1] for n in body]
        if any(b <= a for a, b in zip(bt, bt[1:])):
            out.append("%s: lane %d thresholds do not rise with the slot" % (name, lane))
        if run:
            tail = lane_notes[-len(run[0]):]
            expect("lane %d appended slots" % lane, [n[2] for n in tail], run[0])
            expect("lane %d appended thresholds" % lane, [n[1] for n in tail], run[1])
            expect("lane %d stands after" % lane, (body[-1][2], body[-1][1]), run[2])
            expect("lane %d appended chords" % lane, [chords.get(n[1]) for n in tail],
                   APPENDED_CHORDS[(name, lane)])
    expect("lane 5 notes", sum(1 for n in notes if n[0] == 5), 0)

    same = Counter((n[0], n[1]) for n in notes)
    coinc = [(l, t, tuple(sorted(n[2] for n in notes if n[0] == l and n[1] == t)))
             for (l, t), c in sorted(same.items()) if c > 1]
    expect("coinciding", coinc, f["coinciding"])

    t_sorted, sp = spacings(notes)
    expect("closest", min(sp), f["closest"])
    pauses = [(a, b) for a, b in zip(t_sorted, t_sorted[1:]) if b - a >= PAUSE_MS]
    if f["pauses"] is not None:
        expect("pauses", pauses, f["pauses"])
    rates, _ = section_rates(notes, f["end"])
    expect("sections", rates, f["sections"])
    tl = by_time(notes)
    expect("first rows", tl[:len(f["first_rows"])], f["first_rows"])
    expect("last rows", tl[-len(f["last_rows"]):], f["last_rows"])
    out += rhythm_problems(name, notes)
    out += song_specific(name, notes, pauses)
    return out


def song_specific(name, notes, pauses):
    out = []
    close = {lane: [(a, b) for a, b in lane_gaps(notes, lane) if b - a < 150] for lane in (1, 2, 3, 4)}
    if name == "aceofspades":
        if close_pair_cost(notes):
            out.append("aceofspades: close pairs %r" % close)
    elif any(close.values()):
        out.append("%s: close pairs %r" % (name, close))
    if name == "runtothehills":
        ts = {(n[0], n[1]) for n in notes}
        if (1, 132507) not in ts or (2, 132508) not in ts:
            out.append("runtothehills: no 1 ms pair")
    if name == "forwhomthebellstolls":
        off = [n for n in notes if abs(n[1] - 61 - 62.5 * round((n[1] - 61) / 62.5)) > 1]
        if off:
            out.append("forwhomthebellstolls: off the grid %r" % off[:5])
        lens = [b - a for a, b in pauses]
        if len(pauses) != 13 or min(lens) != 3062 or max(lens) != 4375 or pauses[0] != (40936, 43999):
            out.append("forwhomthebellstolls: pauses %r" % pauses)
    return out


def cost(name, notes):
    """How far the chart is from its figures, as one number (0: every figure
    holds). Counts the same things as check(), but as distances, so that a
    search can tell a nearer chart from a farther one."""
    f = SONGS[name]
    c = 0
    ts = [n[1] for n in notes]
    c += abs(len(notes) - f["notes"]) + abs(len(set(ts)) - f["distinct"])
    c += sum(1 for t in ts if not 0 < t < f["end"])
    chords = chord_groups(notes)
    c += abs(len(chords) - f["chords"])
    got = Counter(chords.values())
    for key in set(got) | set(f["chord_lanes"]):
        c += abs(got.get(key, 0) - f["chord_lanes"].get(key, 0))
    by_lane = {lane: sorted(n[1] for n in notes if n[0] == lane) for lane in (1, 2, 3, 4, 5)}
    for lane, (count, _, _, gap) in f["lanes"].items():
        c += abs(len(by_lane[lane]) - count)
        gaps = [b - a for a, b in zip(by_lane[lane], by_lane[lane][1:]) if b != a]
        c += sum(1 for g in gaps if g < gap) + (0 if gap in gaps else 1)
    c += len(by_lane[5])
    t_sorted, sp = spacings(notes)
    c += sum(1 for s in sp if s < f["closest"]) + (0 if f["closest"] in sp else 1)
    pauses = [(a, b) for a, b in zip(t_sorted, t_sorted[1:]) if b - a >= PAUSE_MS]
    if f["pauses"] is not None:
        c += 3 * len(set(pauses) ^ set(f["pauses"]))
    _, counts = section_rates(notes, f["end"])
    for s, rate in enumerate(f["sections"]):
        n = counts.get(s, 0)
        lo, hi = section_range(rate)
        c += max(0, lo - n, n - hi)
    c += rhythm_cost(name, sp)
    for lane, t, want in f["coinciding"]:
        got = sorted(n[2] for n in notes if n[0] == lane and n[1] == t)
        c += 3 if len(got) != len(want) else sum(abs(a - b) for a, b in zip(got, want))
    for lane, (slots, _, after) in f["appended"].items():
        body = [n for n in notes if n[0] == lane and n[2] not in slots]
        c += abs(max(n[1] for n in body) - after[1]) // 50 if body else 10
    if name == "aceofspades":
        c += close_pair_cost(notes)
    else:
        c += len(song_specific(name, notes, pauses)) * 2
    return c


def _best_window(sp_sorted, width, exclude):
    import bisect
    best = 0
    for v in sorted(set(sp_sorted)):
        if any(not (v + width < a or v > b) for a, b in exclude):
            continue
        best = max(best, bisect.bisect_right(sp_sorted, v + width) - bisect.bisect_left(sp_sorted, v))
    return best


def rhythm_cost(name, sp):
    s = sorted(sp)
    if name == "paranoid":
        w = in_window(sp, 365, 371)
        return abs(w - 215) + max(0, _best_window(s, 6, [(365, 371)]) - w + 1)
    if name == "highwaytohell":
        a, b = in_window(sp, 256, 261), in_window(sp, 512, 517)
        rest = _best_window(s, 5, [(256, 261), (512, 517)])
        return max(0, b + 1 - a) + max(0, rest + 1 - b)
    if name == "aceofspades":
        a, b = in_window(sp, 318, 322), in_window(sp, 211, 214)
        rest = _best_window(s, 4, [(318, 322), (211, 214)])
        return max(0, b + 1 - a) + max(0, rest + 1 - b)
    if name == "runtothehills":
        top = Counter(sp).most_common(1)[0][1]
        return abs(in_window(sp, 300, 370) - 129) + max(0, top * 20 - len(sp)) // 20
    if name == "forwhomthebellstolls":
        steps = Counter(round(v / 62.5) for v in sp)
        c = abs(Counter(sp)[250] - 258)
        order = [steps[4], steps[3], steps[6], steps[5], steps[8]]
        for a, b in zip(order, order[1:]):
            c += max(0, b + 1 - a)
        c += sum(max(0, v + 1 - order[-1]) for s_, v in steps.items() if s_ not in (3, 4, 5, 6, 8))
        return c
    return 0


def close_pair_cost(notes):
    """aceofspades: distance from its close pairs (lane 1 in five groups, the
    four of lane 3, none elsewhere)."""
    close = {lane: [(a, b) for a, b in lane_gaps(notes, lane) if b - a < 150] for lane in (1, 2, 3, 4)}
    l1 = close[1]
    c = abs(len(l1) - 23) + sum(1 for a, b in l1 if not 105 <= b - a <= 109)
    c += len(close[2]) + len(close[4])
    c += len(set(close[3]) ^ {(105617, 105723), (105723, 105829), (106465, 106571), (106571, 106677)})
    groups = []
    for a, b in l1:
        if groups and a - groups[-1][-1][0] < 2500:
            groups[-1].append((a, b))
        else:
            groups.append([(a, b)])
    c += abs(len(groups) - 5) + sum(1 for g in groups if not 4 <= len(g) <= 6)
    c += sum(1 for g in groups for (a, _), (x, _) in zip(g, g[1:]) if not 1600 <= x - a <= 1800)
    return c + (0 if l1 and l1[0] == (10207, 10314) else 1)
