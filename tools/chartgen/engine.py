"""Lays a song chart out of bars of riff patterns on the song's tempo grid,
then searches (seeded, so always the same way) for the fills, the small timing
offsets, the chords and the lanes that make the chart keep all its figures.

A design says what the song is made of:
  * the grid: unit length in ms and the time of unit 0 (bars are bar_units long);
  * parts: runs of bars that repeat a phrase of patterns (some bars of the
    phrase offer a choice: the fills; a shared choice is made once per part);
  * pins: notes whose time and lanes are fixed (the first and last notes, the
    appended notes, the special pairs);
  * rests: time ranges where no riff note may fall (the pauses);
  * per lane, the slot indices to skip and the slots of the appended run.
"""

import bisect
import math
import random
from dataclasses import dataclass, field

import figures


FIXED = "fixed"  # an onset whose lanes the search must keep


class Pattern:
    """One bar: onsets as (unit, lanes[, FIXED]), lanes a lane or a tuple of
    lanes (two or three lanes: a chord)."""

    def __init__(self, name, onsets):
        self.name = name
        self.onsets = []
        self.fixed = set()
        for onset in onsets:
            u, l = onset[0], onset[1]
            self.onsets.append((u, tuple(l) if isinstance(l, (tuple, list)) else (l,)))
            if len(onset) > 2 and onset[2] == FIXED:
                self.fixed.add(u)


class Choice:
    """A phrase bar that is chosen anew in every phrase (a fill)."""

    def __init__(self, *patterns):
        self.patterns = patterns


class Shared(Choice):
    """A phrase bar that is chosen once for the whole part."""


@dataclass(eq=False)
class Part:
    """Bars start_bar .. start_bar + bars - 1 playing the phrase over and over;
    chords may be made on the chord units; the search may use these lanes."""
    name: str
    start_bar: int
    bars: int
    phrase: list
    chord_units: tuple = (0,)
    lanes: tuple = (1, 2, 3, 4)


@dataclass(eq=False)
class Pin:
    """A fixed event: lanes may repeat a lane (two notes that coincide);
    append lists the lanes whose note here belongs to the lane's appended run."""
    t: int
    lanes: tuple
    append: tuple = ()


@dataclass(eq=False)
class Design:
    name: str
    beat_units: int      # grid units per beat
    unit: float          # grid unit in ms
    origin: float        # time of unit 0 of bar 0
    bar_units: int
    parts: list
    pins: list
    rests: list = ()     # (from, to): no riff note strictly between
    jitter: tuple = (0, 0)
    pin_radius: float = None  # riff notes nearer than this to a pin give way (default 0.6 unit)
    skip: dict = field(default_factory=dict)      # lane -> slot indices left out
    appended: dict = field(default_factory=dict)  # lane -> slots of the appended run
    chord_pairs: tuple = ((1, 2), (2, 3), (3, 4))
    round_half_up: bool = False
    seed: int = 1        # the search's seed and step budget are part of the design,
    steps: int = 100000  # so that a rerun finds the same chart

    def __post_init__(self):
        if self.pin_radius is None:
            self.pin_radius = self.unit * 0.6
        self._blocked = None
        self._grid = None

    @property
    def bpm(self):
        return round(60000 / (self.unit * self.beat_units), 3)

    def blocked(self):
        """Sorted, merged ranges [lo, hi] of times where no riff note may fall:
        inside the rests and nearer than pin_radius to a pinned note."""
        if self._blocked is None:
            spans = [(a + 1, z - 1) for a, z in self.rests]
            r = int(math.ceil(self.pin_radius)) - 1
            spans += [(p.t - r, p.t + r) for p in self.pins]
            merged = []
            for lo, hi in sorted(spans):
                if merged and lo <= merged[-1][1] + 1:
                    merged[-1] = (merged[-1][0], max(merged[-1][1], hi))
                else:
                    merged.append((lo, hi))
            self._blocked = merged
        return self._blocked

    def grid_times(self):
        """The grid time of every onset any part may play, by (bar, unit)."""
        if self._grid is None:
            self._grid = {}
            for part in self.parts:
                units = set()
                for entry in part.phrase:
                    for p in (entry.patterns if isinstance(entry, Choice) else [entry]):
                        units.update(u for u, _ in p.onsets)
                for b in range(part.bars):
                    for u in units:
                        self._grid[(part.start_bar + b, u)] = self.grid_time(part.start_bar + b, u)
        return self._grid

    def first_beat(self):
        """The time of the first whole bar on the grid that is not before 0 ms."""
        bar = 0
        while self.grid_time(bar, 0) < 0:
            bar += 1
        return self.grid_time(bar, 0)

    def grid_time(self, bar, u):
        x = self.origin + (bar * self.bar_units + u) * self.unit
        return int(math.floor(x + 0.5)) if self.round_half_up else int(round(x))


class State:
    """The search's choices: pattern per choice bar, jitter and lanes per event."""

    def __init__(self, design, rng):
        self.d = design
        self.choice = {}
        self.jit = {}
        self.lanes = {}
        for key, options in self.choice_vars():
            self.choice[key] = 0
        lo, hi = design.jitter
        # Every possible onset starts with its own timing offset.
        for part in design.parts:
            patterns = set()
            for entry in part.phrase:
                patterns.update(entry.patterns if isinstance(entry, Choice) else [entry])
            units = sorted({u for p in patterns for u, _ in p.onsets})
            for b in range(part.bars):
                for u in units:
                    self.jit[(part.start_bar + b, u)] = lo + int(rng.random() * (hi - lo + 1))
        self.rng = rng
        self._events = None
        self._jlo, self._jhi = lo, hi

    def choice_vars(self):
        out = []
        for pi, part in enumerate(self.d.parts):
            for b in range(part.bars):
                entry = part.phrase[b % len(part.phrase)]
                if isinstance(entry, Shared):
                    out.append(((pi, -1, b % len(part.phrase)), entry.patterns))
                elif isinstance(entry, Choice):
                    out.append(((pi, b), entry.patterns))
        # Shared choices appear once per phrase bar: keep them unique.
        seen, unique = set(), []
        for key, opts in out:
            if key not in seen:
                seen.add(key)
                unique.append((key, opts))
        return unique

    def pattern_at(self, pi, part, b):
        entry = part.phrase[b % len(part.phrase)]
        if isinstance(entry, Shared):
            return entry.patterns[self.choice[(pi, -1, b % len(part.phrase))]]
        if isinstance(entry, Choice):
            return entry.patterns[self.choice[(pi, b)]]
        return entry

    def events(self):
        """Every event as (time, lanes, key, riff lanes, chord allowed, part, in a fill);
        part is None for an event whose lanes are fixed."""
        d = self.d
        out = []
        self._dropped = []
        blocked = d.blocked()
        starts = [lo for lo, _ in blocked]
        grid = d.grid_times()
        for pi, part in enumerate(d.parts):
            for b in range(part.bars):
                bar = part.start_bar + b
                entry = part.phrase[b % len(part.phrase)]
                fill = isinstance(entry, Choice) and not isinstance(entry, Shared)
                pattern = self.pattern_at(pi, part, b)
                for u, lanes in pattern.onsets:
                    key = (bar, u)
                    t = grid[key] + self.jit.get(key, 0)
                    i = bisect.bisect_right(starts, t) - 1
                    if i >= 0 and t <= blocked[i][1]:
                        continue  # in a rest, or too near a pinned note
                    if u in pattern.fixed:
                        out.append((t, lanes, key, lanes, False, None, fill))
                    else:
                        now = self.lanes.get(key, lanes)
                        if now:
                            out.append((t, now, key, lanes, u in part.chord_units, part, fill))
                        else:  # an empty lane tuple: the note is dropped
                            self._dropped.append((t, key, fill))
        return out

    def notes(self, events=None):
        d = self.d
        normal = {l: [] for l in (1, 2, 3, 4, 5)}
        app = {l: [] for l in (1, 2, 3, 4, 5)}
        for t, lanes, *_ in events if events is not None else self.events():
            for lane in lanes:
                normal[lane].append(t)
        for p in d.pins:
            rest = list(p.lanes)
            for lane in p.append:
                rest.remove(lane)
                app[lane].append(p.t)
            for lane in rest:
                normal[lane].append(p.t)
        notes = []
        for lane in (1, 2, 3, 4, 5):
            app_slots = d.appended.get(lane, [])
            skip = set(d.skip.get(lane, ())) | set(app_slots)
            free = [s for s in range(figures.POOL_SIZES[lane] + 400) if s not in skip]
            for slot, t in zip(free, sorted(normal[lane])):
                notes.append((lane, t, slot))
            for slot, t in zip(app_slots, sorted(app[lane])):
                notes.append((lane, t, slot))
        notes.sort(key=lambda n: (n[0], n[2]))
        return notes

    def energy(self):
        evs = self._events = self.events()
        hard = figures.cost(self.d.name, self.notes(evs))
        # A riff bar played with other lanes than its own costs more than a
        # fill played so: the riffs are what repeats.
        soft = sum(1 if e[6] else 4 for e in evs if e[1] != e[3])
        soft += sum(1 if fill else 4 for _, _, fill in self._dropped)
        return hard, soft

    # Moves: each changes one thing (or two that belong together) and
    # returns a function that undoes it.
    def move(self):
        rng = self.rng
        r = rng.random()
        if r < 0.12 and self.choice:
            keys = list(self.choice)
            key = keys[int(rng.random() * len(keys))]
            opts = dict(self.choice_vars())[key]
            old = self.choice[key]
            self.choice[key] = int(rng.random() * len(opts))
            return lambda: self.choice.__setitem__(key, old)
        if r < 0.2 and self.lanes:
            # Back to the riff's own lanes (this also brings a dropped note back).
            keys = list(self.lanes)
            key = keys[int(rng.random() * len(keys))]
            return self._set_lanes(key, None)
        evs = self._events if self._events is not None else self.events()
        pick = lambda: evs[int(rng.random() * len(evs))]
        t, lanes, key, riff, chordable, part, _ = pick()
        if r < 0.45:
            if self._jhi == self._jlo:
                return lambda: None
            old = self.jit.get(key)
            self.jit[key] = self._jlo + int(rng.random() * (self._jhi - self._jlo + 1))
            return lambda: self._restore(self.jit, key, old)
        if part is None:
            return lambda: None
        if r < 0.6:
            if chordable and rng.random() < 0.5:
                pairs = [p for p in self.d.chord_pairs if set(p) <= set(part.lanes)]
                return self._set_lanes(key, pairs[int(rng.random() * len(pairs))])
            return self._set_lanes(key, (part.lanes[int(rng.random() * len(part.lanes))],))
        other = pick()
        if other[5] is None or other[2] == key:
            return lambda: None
        if r < 0.75:
            # Swap the lanes of two events: the lane counts stay.
            return self._chain(self._set_lanes(key, other[1]), self._set_lanes(other[2], lanes))
        if r < 0.85:
            # Drop a note, but never a bar's downbeat: the riff keeps its pulse.
            return self._set_lanes(key, ()) if key[1] != 0 else (lambda: None)
        # Turn a note into a chord and drop another nearby: the note count stays.
        if not chordable or len(lanes) != 1 or abs(other[0] - t) > 4000 or other[2][1] == 0:
            return lambda: None
        pairs = [p for p in self.d.chord_pairs if lanes[0] in p and set(p) <= set(part.lanes)]
        if not pairs:
            return lambda: None
        return self._chain(self._set_lanes(key, pairs[int(rng.random() * len(pairs))]),
                           self._set_lanes(other[2], ()))

    def _set_lanes(self, key, lanes):
        old = self.lanes.get(key)
        if lanes is None:
            self.lanes.pop(key, None)
        else:
            self.lanes[key] = lanes
        return lambda: self._restore(self.lanes, key, old)

    @staticmethod
    def _chain(undo1, undo2):
        def undo():
            undo2()
            undo1()
        return undo

    @staticmethod
    def _restore(table, key, old):
        if old is None:
            table.pop(key, None)
        else:
            table[key] = old


def solve(design, seed, steps=200000, soft_weight=0.05, temp0=0.6, log=None, strict=True):
    """Anneal until every figure holds, then keep polishing the riffs a little.
    Returns the chart's notes in chart order."""
    rng = random.Random(seed)
    st = State(design, rng)
    hard, soft = st.energy()
    best = None
    nearest = (hard, st.notes())
    for i in range(steps):
        temp = max(0.02, temp0 * (1 - i / (steps * 0.8)))
        undo = st.move()
        h, s = st.energy()
        delta = (h - hard) + soft_weight * (s - soft)
        if delta <= 0 or rng.random() < math.exp(-delta / temp):
            hard, soft = h, s
            if hard == 0 and (best is None or soft < best[1]):
                best = (i, soft, dict(st.choice), dict(st.jit), dict(st.lanes))
            if hard < nearest[0]:
                nearest = (hard, st.notes())
        else:
            undo()
        if log and i % 2000 == 0:
            log("%s step %d: hard %d soft %d" % (design.name, i, hard, soft))
        if best and i - best[0] > 3000:
            break
    if best is not None:
        st = polish(design, st, best, rng, log)
        return st.notes()
    if best is None:
        for line in figures.check(design.name, nearest[1]):
            (log or print)(line[:200])
        if not strict:
            return nearest[1]
        raise SystemExit("%s: no chart keeps every figure (left at %d)" % (design.name, nearest[0]))
    return best[2]


def polish(design, st, best, rng, log=None):
    """Bring riff bars back to their own notes wherever every figure still
    holds: swap a straying riff note's lanes with a note that holds the riff's
    lanes (the lane counts stay), and bring back a dropped riff note while
    dropping a nearby fill note instead (the note counts stay)."""
    _, _, st.choice, st.jit, st.lanes = best
    hard, soft = st.energy()

    def attempt(changes):
        nonlocal soft
        undos = [st._set_lanes(key, lanes) for key, lanes in changes]
        h, s = st.energy()
        if h == 0 and s < soft:
            soft = s
            return True
        for undo in reversed(undos):
            undo()
        return False

    improved = True
    while improved:
        improved = False
        evs = st.events()
        stray = [e for e in evs if e[1] != e[3] and not e[6] and e[5] is not None]
        rng.shuffle(stray)
        for e in stray:
            cands = [g for g in st.events() if g[1] == e[3] and g[2] != e[2] and g[5] is not None]
            cands.sort(key=lambda g: (not g[6], g[1] == g[3]))
            for g in cands[:12]:
                if attempt([(e[2], g[1]), (g[2], e[1])]):
                    improved = True
                    break
        st.events()
        dropped = [d for d in st._dropped if not d[2]]
        rng.shuffle(dropped)
        for t, key, _ in dropped:
            near = [g for g in st.events()
                    if g[6] and g[5] is not None and g[2][1] != 0 and abs(g[0] - t) < 6000]
            near.sort(key=lambda g: abs(g[0] - t))
            for g in near[:12]:
                if attempt([(key, None), (g[2], ())]):
                    improved = True
                    break
    if log:
        evs = st.events()
        log("%s polished: soft %d; riff notes in other lanes %d, dropped %d; fill notes in other lanes %d, dropped %d"
            % (design.name, soft, sum(1 for e in evs if e[1] != e[3] and not e[6]),
               sum(1 for d in st._dropped if not d[2]), sum(1 for e in evs if e[1] != e[3] and e[6]),
               sum(1 for d in st._dropped if d[2])))
    st.energy()
    return st
