"""Independent Python model of the circuit simulation, used to check the
headless runner's trace bit for bit.

It covers all fourteen circuits (Single Bulb to Two Unequal Resistors in
Parallel), with the "-" and "+" buttons of the variable resistor. The document
builds every circuit in table order from the one random generator, so a later
circuit's electrons depend on the draws of all earlier ones, and the draws
during a run (supply kicks, moves to the supply) on every circuit built.

Everything is plain IEEE double arithmetic, written in the same operation
order as the C++ rules (no ** for squares, no reassociation), so the results
match a C++ build without FMA contraction exactly.
"""

import math

# Region codes returned by classify().
REGION_WIRE = 0
REGION_WALL = 1
REGION_SUPPLY = 2
REGION_RELEASE = 3
REGION_SWITCH_GAP = 4


class Random:
    """The program-wide linear congruential generator (never reseeded)."""

    def __init__(self, state=1):
        self.state = state

    def next(self):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        return (self.state >> 16) & 0x7FFF


class Electron:
    __slots__ = ("x", "y", "vx", "vy", "fx", "fy",
                 "glow", "phase", "flash", "half1", "half2")

    def __init__(self, x, y, vx, vy):
        self.x = x
        self.y = y
        self.vx = vx
        self.vy = vy
        self.fx = 0.0
        self.fy = 0.0
        self.glow = 0
        self.phase = 0
        self.flash = 0
        self.half1 = True
        self.half2 = True


class StepClock:
    """Tick counter of Step(), shared by all circuits; cycles 0, 1, 2."""

    def __init__(self):
        self.count = 0


class Circuit:
    """What every circuit shares: settings, electron placement, the step with
    its thermostat, polarity, tag, and the motion rules that the circuits
    combine in their own move_electron()."""

    def __init__(self, rng, clock):
        self.rng = rng
        self.clock = clock
        self.vary_mean_speed = False
        self.pulsate = True
        self.cells = 1
        self.voltage = 1.5 * self.cells
        self.supply_count = 0.0
        self.reversed = False
        self.tagged = None          # index into electrons, or None
        self.electrons = []
        self.labels = []
        self.energy = {}            # load label -> units given up on its line
        self.seen_glows = [0, 0, 0]

    # --- set-up -----------------------------------------------------------

    def reset_electrons(self):
        self.electrons = []
        rng = self.rng
        while len(self.electrons) < 50:
            r1 = rng.next()
            r2 = rng.next()
            x = (r1 * 25) / 32767.0
            y = (r2 * 25) / 32767.0
            if self.classify(x, y) != REGION_WIRE:
                continue
            r3 = rng.next()
            r4 = rng.next()
            vy = (r3 / 32767.0 - 0.5) / 1000
            vx = (r4 / 32767.0 - 0.5) / 1000
            e = Electron(x, y, vx, vy)
            e.half1 = e.half2 = (x > 12.5)
            self.electrons.append(e)

    # --- user operations --------------------------------------------------

    def set_cells(self, n):
        c = abs(n)
        if self.reversed:
            c = -c
        self.cells = c
        self.voltage = 1.5 * c

    def switch_polarity(self):
        self.reversed = not self.reversed
        self.set_cells(self.cells)
        for e in self.electrons:
            h = self.reversed if e.x < 12.5 else (not self.reversed)
            e.half1 = e.half2 = h

    def set_switch_open(self, is_open):
        """Circuits without a switch ignore the switch buttons."""

    def toggle_tag(self):
        if self.tagged is not None:
            self.tagged = None
            return
        best = 0
        e = self.electrons[0]
        dx = e.x - 12.5
        dy = e.y - 3.5
        best_d = dx * dx + dy * dy
        for i in range(1, len(self.electrons)):
            e = self.electrons[i]
            dx = e.x - 12.5
            dy = e.y - 3.5
            d = dx * dx + dy * dy
            if d < best_d:
                best_d = d
                best = i
        self.tagged = best

    def toggle_vary_mean_speed(self):
        self.vary_mean_speed = not self.vary_mean_speed

    def toggle_pulsate(self):
        self.pulsate = not self.pulsate

    # --- simulation -------------------------------------------------------

    def step(self):
        k = -0.00005 if self.vary_mean_speed else -0.00001
        els = self.electrons
        n = len(els)
        for _ in range(5):
            for i in range(n):
                ei = els[i]
                ei.fx = 0.0
                ei.fy = 0.0
                xi = ei.x
                yi = ei.y
                for j in range(i):
                    ej = els[j]
                    dx = ej.x - xi
                    dy = ej.y - yi
                    s = dx * dx + dy * dy
                    if s >= 10:
                        continue
                    if s < 0.1:
                        s = 0.2
                    h = s / 2
                    hh = h * h
                    rh = math.sqrt(h)
                    fx = k * dx / hh / rh
                    fy = k * dy / hh / rh
                    ei.fx += fx
                    ei.fy += fy
                    ej.fx -= fx
                    ej.fy -= fy
            for e in els:
                h1, h2 = e.half1, e.half2
                self.move_electron(e)
                cleared = (h1 and not e.half1) + (h2 and not e.half2)
                if cleared:
                    self.count_release(e, h1 and not e.half1, cleared)

        v = self.voltage
        if not self.vary_mean_speed:
            t_r = t_l = 0.001
        elif v == 0:
            t_r = t_l = 0.00025
        elif v > 0:
            t_r = abs(0.0005 * v) + 0.00025
            t_l = t_r / 10
        else:
            t_l = abs(0.0005 * v) + 0.00025
            t_r = t_l / 10

        s_r = 0.0
        s_l = 0.0
        n_r = 0
        n_l = 0
        for e in els:
            sq = e.vx * e.vx + e.vy * e.vy
            if e.x > 12.5:
                s_r += sq
                n_r += 1
            else:
                s_l += sq
                n_l += 1

        # A half standing completely still keeps scale 1 (no division by 0).
        if s_r != 0:
            a_r = t_r / s_r * n_r
            a_r = (a_r - 1) / 5 + 1
        else:
            a_r = 1.0
        if s_l != 0:
            a_l = t_l / s_l * n_l
            a_l = (a_l - 1) / 5 + 1
        else:
            a_l = 1.0

        self.clock.count += 1
        if self.clock.count == 3:
            self.clock.count = 0
        countdown = self.clock.count == 0

        for e in els:
            a = a_r if e.x > 12.5 else a_l
            e.vx *= a
            e.vy *= a
            if countdown:
                if e.glow > 0:
                    e.glow -= 1
                elif e.glow < 0:
                    e.glow += 1
            e.phase += 1

    # --- what the loads take, seen from outside move_electron() --------

    RESISTOR = None     # the label of a circuit's only resistor

    def glow_counts(self):
        return [len(getattr(self, "glow%d" % i, ())) for i in (1, 2, 3)]

    def resistor_of(self, e, half1):
        return self.RESISTOR

    def count_release(self, e, half1, cleared):
        """The bulb whose glow list grew takes the cleared halves, else the
        resistor whose rule cleared them."""
        counts = self.glow_counts()
        grown = [i for i in range(3) if counts[i] != self.seen_glows[i]]
        self.seen_glows = counts
        if grown:
            name = "light bulb" if not hasattr(self, "glow2") else "light bulb %d" % (grown[0] + 1)
        else:
            name = self.resistor_of(e, half1)
        self.energy[name] = self.energy.get(name, 0) + cleared * abs(self.cells)

    # --- rules shared by the circuits' move_electron() -------------------

    def push_constant(self):
        return 0.00001 if self.vary_mean_speed else 0.000015

    @staticmethod
    def integrate(e):
        """Force into velocity, velocity into position; returns the old
        position."""
        x0 = e.x
        y0 = e.y
        e.vx += e.fx
        e.vy += e.fy
        e.x += e.vx
        e.y += e.vy
        return x0, y0

    def push_loop(self, e, k, rung):
        """The supply's drive round the outer loop (and along the rung)."""
        v = self.voltage
        if v == 0:
            return
        x = e.x
        y = e.y
        if v > 0:
            if 2 < x < 5 and 5 < y < 23:
                e.vy -= v * k
            if 20 < x < 23 and 2 < y < 20:
                e.vy += v * k
            if 2 < x < 20 and 2 < y < 5:
                e.vx += v * k
            if 5 < x < 23 and 20 < y < 23:
                e.vx -= v * k
            if rung and 5 < x < 23 and 13 < y < 16:
                e.vx -= v * k
        else:
            if 2 < x < 5 and 2 < y < 20:
                e.vy -= v * k
            if 20 < x < 23 and 5 < y < 23:
                e.vy += v * k
            if 5 < x < 23 and 2 < y < 5:
                e.vx += v * k
            if 2 < x < 20 and 20 < y < 23:
                e.vx -= v * k
            if rung and 2 < x < 20 and 13 < y < 16:
                e.vx -= v * k

    @staticmethod
    def funnel(e, k):
        """Pulls electrons in the middle of the bottom wire toward y = 21.5,
        whatever the voltage."""
        x = e.x
        y = e.y
        if 11 < x < 14 and 20 < y < 23:
            e.vy += 10 * k * (21.5 - y)

    def move_to_supply(self, e):
        # x is drawn before y.
        e.x = float(12 + self.rng.next() // 32767)
        e.y = float(3 + self.rng.next() // 32767)

    def rescue_single_hole(self, e):
        if 5 < e.x < 20 and 5 < e.y < 20:
            self.move_to_supply(e)

    def rescue_two_holes(self, e):
        x = e.x
        y = e.y
        if 5 < x < 20 and (5 < y < 13 or 16 < y < 20):
            self.move_to_supply(e)

    @staticmethod
    def outer_walls(e):
        x = e.x
        y = e.y
        if x < 2.25 or x > 22.75:
            e.vx = -e.vx
        if y < 2.25 or y > 22.75:
            e.vy = -e.vy

    @staticmethod
    def single_hole_walls(e, x0, y0):
        x = e.x
        y = e.y
        if 4.75 < x < 20.25 and 4.75 < y < 20.25:
            if x0 < 4.75 or x0 > 20.25:
                e.vx = -e.vx
            if y0 < 4.75 or y0 > 20.25:
                e.vy = -e.vy

    @staticmethod
    def rung_or_hole_walls(e, x0, y0, hole_y0_limit, lo=14.25, hi=14.75):
        """The rung with its block (band lo..hi), else the two holes; an old
        y beyond hole_y0_limit reverses the y velocity in a hole."""
        x = e.x
        y = e.y
        if 5 < x < 20 and 13 < y < 16:
            if y < 13.25:
                e.vy = -e.vy
            if y > 15.75:
                e.vy = -e.vy
            if 10.75 < x < 14.25:
                if y < lo:
                    if y0 > lo:
                        e.vy = -e.vy
                    else:
                        e.vx = -e.vx
                if y > hi:
                    if y0 < hi:
                        e.vy = -e.vy
                    else:
                        e.vx = -e.vx
        elif 4.75 < x < 20.25 and 4.75 < y < 20.25:
            if x0 < 4.75 or x0 > 20.25:
                e.vx = -e.vx
            if y0 < 4.75 or y0 > hole_y0_limit:
                e.vy = -e.vy

    @staticmethod
    def bottom_bulb_walls(e, y0, a, b, lo=21.25, hi=21.75):
        """A bulb or resistor on the bottom wire between x = a and b narrows
        it to the band lo..hi (a bulb's band unless given)."""
        x = e.x
        y = e.y
        if a < x < b:
            if 20 < y < lo:
                if y0 > lo:
                    e.vy = -e.vy
                else:
                    e.vx = -e.vx
            if y > hi:
                if y0 < hi:
                    e.vy = -e.vy
                else:
                    e.vx = -e.vx

    @staticmethod
    def move_again(e):
        e.x += e.vx
        e.y += e.vy

    def supply_gate(self, e):
        """The supply charges electrons passing the drive's way and turns
        back the others."""
        if self.cells == 0:
            return
        v = self.voltage
        if v * e.vx > 0:
            if e.half1:
                return
            e.glow = 10
            s = 0.03 * v if self.vary_mean_speed else 0.0
            e.vx += s
            if v > 0:
                self.supply_count += 1
            elif v < 0:
                self.supply_count -= 1
            e.half1 = e.half2 = True
            if self.rng.next() >= 16383:
                e.vy -= s
            else:
                e.vy += s
        else:
            e.vx = -e.vx

    @staticmethod
    def release_all(e, glow_list, slow):
        glow_list.append(0)
        e.half1 = e.half2 = False
        e.glow = -10
        if slow:
            e.vx *= 0.1
            e.vy *= 0.1


def outside(x, y):
    return x < 2.25 or y < 2.25 or x > 22.75 or y > 22.75


def in_single_hole(x, y):
    return 4.75 < x < 20.25 and 4.75 < y < 20.25


def in_two_holes(x, y):
    return 4.75 < x < 20.25 and (4.75 < y < 13.25 or 15.75 < y < 20.25)


def bottom_bulb_block(x, y, lo, hi):
    return lo < x < hi and ((20 < y < 21.25) or y > 21.75)


def rung_bulb_block(x, y):
    return 10.75 < x < 14.25 and (13 < y < 14.25 or 14.75 < y < 16)


def in_supply(x, y):
    return 12 < x < 13 and 2 < y < 5


class SingleBulb(Circuit):
    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []

    def build_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("light bulb", (10, 18, 15, 20)))
        self.reset_electrons()

    @staticmethod
    def classify(x, y):
        if outside(x, y):
            return REGION_WALL
        if in_single_hole(x, y):
            return REGION_WALL
        if bottom_bulb_block(x, y, 10.75, 14.25):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if 12.25 < x < 12.75 and 20 < y < 23:
            return REGION_RELEASE
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=False)
        elif r == REGION_WALL:
            self.rescue_single_hole(e)
            self.outer_walls(e)
            self.single_hole_walls(e, x0, y0)
            self.bottom_bulb_walls(e, y0, 10.75, 14.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if e.half1 and self.cells != 0:
                self.release_all(e, self.glow1, self.vary_mean_speed)


class TwoBulbsSeries(Circuit):
    """Bulb 1 on the right of the bottom wire, bulb 2 on the left; each takes
    one half of an electron's energy."""

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []
        self.glow2 = []

    def build_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("light bulb 1", (13, 18, 18, 20)))
        self.labels.append(("light bulb 2", (7, 18, 12, 20)))
        self.reset_electrons()

    @staticmethod
    def classify(x, y):
        if outside(x, y) or in_single_hole(x, y):
            return REGION_WALL
        if bottom_bulb_block(x, y, 13.75, 17.25):
            return REGION_WALL
        if bottom_bulb_block(x, y, 7.75, 11.25):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if (9.25 < x < 9.75 or 15.25 < x < 15.75) and 20 < y < 23:
            return REGION_RELEASE
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=False)
            self.funnel(e, k)
        elif r == REGION_WALL:
            self.rescue_single_hole(e)
            self.outer_walls(e)
            self.single_hole_walls(e, x0, y0)
            self.bottom_bulb_walls(e, y0, 13.75, 17.25)
            self.bottom_bulb_walls(e, y0, 7.75, 11.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if self.cells == 0:
                return
            if e.x > 12.5 and e.half1:
                self.glow1.append(0)
                e.half1 = False
                e.glow = -10
                if self.vary_mean_speed:
                    e.vx *= 0.1
                    e.vy *= 0.1
            if e.x < 12.5 and e.half2:
                self.glow2.append(0)
                e.half2 = False
                e.glow = -10
                if self.vary_mean_speed:
                    e.vx *= 0.1
                    e.vy *= 0.1


class TwoBulbsParallel(Circuit):
    """Bulb 1 on the rung, bulb 2 on the bottom wire."""

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []
        self.glow2 = []

    def build_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("light bulb 2", (10, 18, 15, 20)))
        self.labels.append(("light bulb 1", (10, 11, 15, 13)))
        self.reset_electrons()

    @staticmethod
    def classify(x, y):
        if outside(x, y) or in_two_holes(x, y):
            return REGION_WALL
        if 10.75 < x < 14.25 and (20 < y < 21.25 or y > 21.75
                                  or 13 < y < 14.25 or 14.75 < y < 16):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if 12.25 < x < 12.75 and (20 < y < 23 or 13 < y < 16):
            return REGION_RELEASE
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=True)
        elif r == REGION_WALL:
            self.rescue_two_holes(e)
            self.outer_walls(e)
            self.rung_or_hole_walls(e, x0, y0, 13.25)
            self.bottom_bulb_walls(e, y0, 10.75, 14.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if e.half1 and self.cells != 0:
                glow = self.glow1 if e.y < 18 else self.glow2
                self.release_all(e, glow, True)


class ThreeBulbs(Circuit):
    """Bulb 1 on the rung takes all the energy; bulbs 2 (right) and 3 (left)
    on the bottom wire take one half each."""

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []
        self.glow2 = []
        self.glow3 = []

    def build_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("light bulb 2", (13, 18, 18, 20)))
        self.labels.append(("light bulb 3", (7, 18, 12, 20)))
        self.labels.append(("light bulb 1", (10, 11, 15, 13)))
        self.reset_electrons()

    @staticmethod
    def classify(x, y):
        if outside(x, y) or in_two_holes(x, y):
            return REGION_WALL
        if rung_bulb_block(x, y):
            return REGION_WALL
        if (13.75 < x < 17.25 or 7.75 < x < 11.25) and (20 < y < 21.25 or y > 21.75):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if (12.25 < x < 12.75 and 13 < y < 16) or \
                ((9.25 < x < 9.75 or 15.25 < x < 15.75) and 20 < y < 23):
            return REGION_RELEASE
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=True)
            self.funnel(e, k)
        elif r == REGION_WALL:
            self.rescue_two_holes(e)
            self.outer_walls(e)
            self.rung_or_hole_walls(e, x0, y0, 13.25)
            self.bottom_bulb_walls(e, y0, 13.75, 17.25)
            self.bottom_bulb_walls(e, y0, 7.75, 11.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if self.cells == 0:
                return
            if e.half1 and e.y < 18:
                self.release_all(e, self.glow1, True)
            else:
                if e.half1 and e.x > 12.5:
                    e.half1 = False
                    e.glow = -10
                    e.vx *= 0.1
                    e.vy *= 0.1
                    self.glow2.append(0)
                if e.half2 and e.x < 12.5:
                    e.half2 = False
                    e.glow = -10
                    e.vx *= 0.1
                    e.vy *= 0.1
                    self.glow3.append(0)


class SwitchCircuit(Circuit):
    """A circuit with a switch; open means "off"."""

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.switch_open = False

    def set_switch_open(self, is_open):
        self.switch_open = is_open

    def build_labels(self):
        self.switch_open = False
        self.add_labels()
        self.reset_electrons()

    def bottom_gap(self, e):
        """Open switch in the bottom wire, block x 15..16."""
        if 15 < e.x < 16:
            self.move_to_supply(e)
        else:
            e.vx = -e.vx
            e.x = 14.74 if e.x < 15.5 else 16.26


class BulbSwitch(SwitchCircuit):
    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []

    def add_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("switch", (13, 18, 18, 20)))
        self.labels.append(("light bulb", (7, 18, 12, 20)))

    def classify(self, x, y):
        if outside(x, y) or in_single_hole(x, y):
            return REGION_WALL
        if bottom_bulb_block(x, y, 7.75, 11.25):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if 9.25 < x < 9.75 and 20 < y < 23:
            return REGION_RELEASE
        if self.switch_open and 14.75 < x < 16.25 and 20 < y < 23:
            return REGION_SWITCH_GAP
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        # An open switch stops the drive everywhere.
        k = 0.0 if self.switch_open else self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=False)
            self.funnel(e, k)
        elif r == REGION_WALL:
            self.rescue_single_hole(e)
            self.outer_walls(e)
            self.single_hole_walls(e, x0, y0)
            self.bottom_bulb_walls(e, y0, 7.75, 11.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            if self.cells == 0:
                return
            if self.switch_open:
                e.vx = -e.vx
            else:
                self.supply_gate(e)
        elif r == REGION_RELEASE:
            if e.half1 and self.cells != 0:
                self.release_all(e, self.glow1, True)
        elif r == REGION_SWITCH_GAP:
            self.bottom_gap(e)


class ParallelBulbsOneSwitched(SwitchCircuit):
    """Bulb 1 on the rung, bulb 2 with the switch on the bottom wire."""

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []
        self.glow2 = []

    def add_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("switch", (13, 18, 18, 20)))
        self.labels.append(("light bulb 2", (7, 18, 12, 20)))
        self.labels.append(("light bulb 1", (10, 11, 15, 13)))

    def classify(self, x, y):
        if outside(x, y) or in_two_holes(x, y):
            return REGION_WALL
        if rung_bulb_block(x, y):
            return REGION_WALL
        if bottom_bulb_block(x, y, 7.75, 11.25):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if (9.25 < x < 9.75 and 20 < y < 23) or (12.25 < x < 12.75 and 13 < y < 16):
            return REGION_RELEASE
        if self.switch_open and 14.75 < x < 16.25 and 20 < y < 23:
            return REGION_SWITCH_GAP
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        # The rung still conducts, so the drive does not depend on the switch.
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=True)
            self.funnel(e, k)
        elif r == REGION_WALL:
            self.rescue_two_holes(e)
            self.outer_walls(e)
            self.rung_or_hole_walls(e, x0, y0, 20.25)
            self.bottom_bulb_walls(e, y0, 7.75, 11.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if e.half1 and self.cells != 0:
                glow = self.glow1 if e.y < 18 else self.glow2
                self.release_all(e, glow, True)
        elif r == REGION_SWITCH_GAP:
            self.bottom_gap(e)


class ParallelBulbsBothSwitched(SwitchCircuit):
    """Bulb 1 on the rung, bulb 2 on the bottom wire, the switch in the right
    side wire above the rung."""

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []
        self.glow2 = []

    def add_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("switch", (17, 11, 20, 13)))
        self.labels.append(("light bulb 2", (10, 18, 15, 20)))
        self.labels.append(("light bulb 1", (10, 11, 15, 13)))

    def classify(self, x, y):
        if outside(x, y) or in_two_holes(x, y):
            return REGION_WALL
        if 10.75 < x < 14.25 and (13 < y < 14.25 or 14.75 < y < 16
                                  or 20 < y < 21.25 or y > 21.75):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if 12.25 < x < 12.75 and (13 < y < 16 or 20 < y < 23):
            return REGION_RELEASE
        if self.switch_open and 20 < x < 23 and 11.75 < y < 13.25:
            return REGION_SWITCH_GAP
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        # An open switch stops the drive everywhere.
        k = 0.0 if self.switch_open else self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=True)
            self.funnel(e, k)
        elif r == REGION_WALL:
            self.rescue_two_holes(e)
            self.outer_walls(e)
            self.rung_or_hole_walls(e, x0, y0, 20.25)
            self.bottom_bulb_walls(e, y0, 10.75, 14.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            if self.cells == 0:
                return
            if self.switch_open:
                e.vx = -e.vx
            else:
                self.supply_gate(e)
        elif r == REGION_RELEASE:
            if e.half1 and self.cells != 0:
                glow = self.glow1 if e.y < 18 else self.glow2
                self.release_all(e, glow, True)
        elif r == REGION_SWITCH_GAP:
            # Open switch in the right side wire, block y 12..13.
            if 12 < e.y < 13:
                self.move_to_supply(e)
            else:
                e.vy = -e.vy
                e.y = 11.74 if e.y < 12.5 else 13.26


class BulbResistor(Circuit):
    """Resistor on the right of the bottom wire (clears half 1), bulb on the
    left (clears half 2)."""

    RESISTOR = "resistor"

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []

    def build_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("resistor", (13, 18, 18, 20)))
        self.labels.append(("light bulb", (7, 18, 12, 20)))
        self.reset_electrons()

    @staticmethod
    def classify(x, y):
        if outside(x, y) or in_single_hole(x, y):
            return REGION_WALL
        if 13.75 < x < 17.25 and (20 < y < 21.4 or y > 21.6):
            return REGION_WALL
        if bottom_bulb_block(x, y, 7.75, 11.25):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if (9.25 < x < 9.75 or 15.25 < x < 15.75) and 20 < y < 23:
            return REGION_RELEASE
        return REGION_WIRE

    def right_block_walls(self, e, y0):
        self.bottom_bulb_walls(e, y0, 13.75, 17.25, 21.4, 21.6)

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=False)
            self.funnel(e, k)
        elif r == REGION_WALL:
            self.rescue_single_hole(e)
            self.outer_walls(e)
            self.single_hole_walls(e, x0, y0)
            self.right_block_walls(e, y0)
            self.bottom_bulb_walls(e, y0, 7.75, 11.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if self.cells == 0:
                return
            if e.x > 12.5 and e.half1:
                self.release_right(e)
            if e.x < 12.5 and e.half2:
                self.glow1.append(0)
                e.half2 = False
                e.glow = -10
                e.vx *= 0.1
                e.vy *= 0.1

    @staticmethod
    def release_right(e):
        e.half1 = False
        e.glow = -10
        e.vx *= 0.1
        e.vy *= 0.1


class ParallelBulbsOneResistor(Circuit):
    """Bulb 1 on the rung; the resistor (right, half 1) and bulb 2 (left,
    half 2) on the bottom wire."""

    RESISTOR = "resistor"

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.glow1 = []
        self.glow2 = []

    def build_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("resistor", (13, 18, 18, 20)))
        self.labels.append(("light bulb 2", (7, 18, 12, 20)))
        self.labels.append(("light bulb 1", (10, 11, 15, 13)))
        self.reset_electrons()

    @staticmethod
    def classify(x, y):
        if outside(x, y) or in_two_holes(x, y):
            return REGION_WALL
        if rung_bulb_block(x, y):
            return REGION_WALL
        if (13.75 < x < 17.25 and (20 < y < 21.4 or y > 21.6)) or \
                bottom_bulb_block(x, y, 7.75, 11.25):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if (12.25 < x < 12.75 and 13 < y < 16) or \
                ((9.25 < x < 9.75 or 15.25 < x < 15.75) and 20 < y < 23):
            return REGION_RELEASE
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=True)
            self.funnel(e, k)
        elif r == REGION_WALL:
            self.rescue_two_holes(e)
            self.outer_walls(e)
            self.rung_or_hole_walls(e, x0, y0, 13.25)
            self.bottom_bulb_walls(e, y0, 13.75, 17.25, 21.4, 21.6)
            self.bottom_bulb_walls(e, y0, 7.75, 11.25)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if self.cells == 0:
                return
            if e.half1 and e.y < 18:
                self.release_all(e, self.glow1, True)
            else:
                if e.x > 12.5 and e.half1:
                    e.half1 = False
                    e.glow = -10
                    e.vx *= 0.1
                    e.vy *= 0.1
                if e.x < 12.5 and e.half2:
                    e.half2 = False
                    e.glow = -10
                    e.vx *= 0.1
                    e.vy *= 0.1
                    self.glow2.append(0)


class BulbVariableResistor(BulbResistor):
    """Bulb and resistor in series whose resistor walls have the thickness w
    set with "-" and "+"; the band is 20.25 + w .. 22.75 - w."""

    W_MIN = 0.5
    W_MAX = 1.2
    W_STEP = 0.05
    RESISTOR = "variable resistor"

    def __init__(self, rng, clock):
        super().__init__(rng, clock)
        self.resistor_wall = 0.5
        # Electrons sent to the supply from inside the walls; not in the
        # trace, kept for checking that a case exercises the rescue.
        self.wall_rescues = 0

    def build_labels(self):
        self.resistor_wall = 0.5
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append(("variable resistor", (12, 18, 18, 20)))
        self.labels.append(("light bulb", (7, 18, 12, 20)))
        self.reset_electrons()

    # A running sum of the steps: only the clamps give exact values.
    def decrease_resistance(self):
        self.resistor_wall -= self.W_STEP
        if self.resistor_wall < self.W_MIN:
            self.resistor_wall = self.W_MIN

    def increase_resistance(self):
        self.resistor_wall += self.W_STEP
        if self.resistor_wall > self.W_MAX:
            self.resistor_wall = self.W_MAX

    def band(self):
        w = self.resistor_wall
        return 20.25 + w, 22.75 - w

    def classify(self, x, y):
        if outside(x, y) or in_single_hole(x, y):
            return REGION_WALL
        w = self.resistor_wall
        if 13.75 < x < 17.25 and (20 < y < 20.25 + w or y > 22.75 - w):
            return REGION_WALL
        if bottom_bulb_block(x, y, 7.75, 11.25):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if (9.25 < x < 9.75 or 15.25 < x < 15.75) and 20 < y < 23:
            return REGION_RELEASE
        return REGION_WIRE

    def right_block_walls(self, e, y0):
        x = e.x
        if not 13.75 < x < 17.25:
            return
        lo, hi = self.band()
        self.bottom_bulb_walls(e, y0, 13.75, 17.25, lo, hi)
        # Electrons left inside the walls after "+" narrowed the band.
        w = self.resistor_wall
        y = e.y
        if 13.8 < x < 17.2 and (y > 22.8 - w or 20 < y < 20.2 + w):
            self.wall_rescues += 1
            self.move_to_supply(e)

    def release_right(self, e):
        w = self.resistor_wall
        e.half1 = False
        # int() truncates towards zero, as the C++ conversion does.
        e.glow = int(-(w - 0.2) * 10)
        f = (w - 1.2) + 0.3
        e.vx *= f
        e.vy *= f


class SeriesResistorPair(Circuit):
    """Two resistors side by side on the bottom wire: the right one
    (centre 15.5) clears half 1, the left one (9.5, high resistance) half 2."""

    RIGHT_LO = 21.4
    RIGHT_HI = 21.6
    RIGHT_GLOW = -10
    RIGHT_FACTOR = 0.1
    RIGHT_LABEL = "resistor 1"
    LEFT_LABEL = "resistor 2"

    def resistor_of(self, e, half1):
        return self.RIGHT_LABEL if half1 else self.LEFT_LABEL

    def build_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append((self.RIGHT_LABEL, (13, 18, 18, 20)))
        self.labels.append((self.LEFT_LABEL, (7, 18, 12, 20)))
        self.reset_electrons()

    def classify(self, x, y):
        if outside(x, y) or in_single_hole(x, y):
            return REGION_WALL
        if 13.75 < x < 17.25 and (20 < y < self.RIGHT_LO or y > self.RIGHT_HI):
            return REGION_WALL
        if 7.75 < x < 11.25 and (20 < y < 21.4 or y > 21.6):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if (9.25 < x < 9.75 or 15.25 < x < 15.75) and 20 < y < 23:
            return REGION_RELEASE
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=False)
            self.funnel(e, k)
        elif r == REGION_WALL:
            self.rescue_single_hole(e)
            self.outer_walls(e)
            self.single_hole_walls(e, x0, y0)
            self.bottom_bulb_walls(e, y0, 13.75, 17.25,
                                   self.RIGHT_LO, self.RIGHT_HI)
            self.bottom_bulb_walls(e, y0, 7.75, 11.25, 21.4, 21.6)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if self.cells == 0:
                return
            if e.x > 12.5 and e.half1:
                e.half1 = False
                e.glow = self.RIGHT_GLOW
                e.vx *= self.RIGHT_FACTOR
                e.vy *= self.RIGHT_FACTOR
            if e.x < 12.5 and e.half2:
                e.half2 = False
                e.glow = -10
                e.vx *= 0.1
                e.vy *= 0.1


class TwoResistorsSeries(SeriesResistorPair):
    pass


class UnequalResistorsSeries(SeriesResistorPair):
    """The right-hand resistor is the low-resistance one."""

    RIGHT_LO = 21.15
    RIGHT_HI = 21.85
    RIGHT_GLOW = -7
    RIGHT_FACTOR = 0.5
    RIGHT_LABEL = "resistor (low R)"
    LEFT_LABEL = "resistor (high R)"


class ParallelResistorPair(Circuit):
    """A resistor on the bottom wire (high resistance) and one on the rung;
    either takes all the energy. No funnel row."""

    RUNG_LO = 14.4
    RUNG_HI = 14.6
    BOTTOM_LABEL = "resistor 2"
    RUNG_LABEL = "resistor 1"

    def resistor_of(self, e, half1):
        return self.BOTTOM_LABEL if e.y > 18 else self.RUNG_LABEL

    def build_labels(self):
        self.labels.append(("power supply", (10, 0, 15, 2)))
        self.labels.append((self.BOTTOM_LABEL, (10, 18, 15, 20)))
        self.labels.append((self.RUNG_LABEL, (10, 11, 15, 13)))
        self.reset_electrons()

    def classify(self, x, y):
        if outside(x, y) or in_two_holes(x, y):
            return REGION_WALL
        if 10.75 < x < 14.25 and (20 < y < 21.4 or y > 21.6
                                  or 13 < y < self.RUNG_LO
                                  or self.RUNG_HI < y < 16):
            return REGION_WALL
        if in_supply(x, y):
            return REGION_SUPPLY
        if 12.25 < x < 12.75 and (20 < y < 23 or 13 < y < 16):
            return REGION_RELEASE
        return REGION_WIRE

    def move_electron(self, e):
        x0, y0 = self.integrate(e)
        r = self.classify(e.x, e.y)
        k = self.push_constant()
        if r == REGION_WIRE:
            self.push_loop(e, k, rung=True)
        elif r == REGION_WALL:
            self.rescue_two_holes(e)
            self.outer_walls(e)
            self.rung_or_hole_walls(e, x0, y0, 13.25,
                                    self.RUNG_LO, self.RUNG_HI)
            self.bottom_bulb_walls(e, y0, 10.75, 14.25, 21.4, 21.6)
            self.move_again(e)
        elif r == REGION_SUPPLY:
            self.supply_gate(e)
        elif r == REGION_RELEASE:
            if self.cells == 0 or not e.half1:
                return
            e.half1 = e.half2 = False
            glow, f = self.release_of(e)
            e.glow = glow
            e.vx *= f
            e.vy *= f

    @staticmethod
    def release_of(e):
        return -10, 0.1


class TwoResistorsParallel(ParallelResistorPair):
    pass


class UnequalResistorsParallel(ParallelResistorPair):
    """High resistance on the bottom wire, low resistance on the rung."""

    RUNG_LO = 14.15
    RUNG_HI = 14.85
    BOTTOM_LABEL = "resistor (high R)"
    RUNG_LABEL = "resistor (low R)"

    @staticmethod
    def release_of(e):
        if e.y > 18:
            return -10, 0.1
        return -7, 0.5


class Meter:
    """The view's leaky sum of supply passages."""

    def __init__(self):
        self.accumulator = 0.0
        self.ticks = 0

    def update(self, circuit):
        self.accumulator += circuit.supply_count
        circuit.supply_count = 0.0
        self.ticks += 1
        if self.ticks == 10:
            self.ticks = 0
            self.accumulator *= 0.975


# Table order; building them in this order consumes the random draws the
# runner's document does.
CIRCUIT_CLASSES = {
    1: SingleBulb,
    2: TwoBulbsSeries,
    3: TwoBulbsParallel,
    4: ThreeBulbs,
    5: BulbSwitch,
    6: ParallelBulbsOneSwitched,
    7: ParallelBulbsBothSwitched,
    8: BulbResistor,
    9: ParallelBulbsOneResistor,
    10: BulbVariableResistor,
    11: TwoResistorsSeries,
    12: TwoResistorsParallel,
    13: UnequalResistorsSeries,
    14: UnequalResistorsParallel,
}


class Settings:
    def __init__(self):
        self.circuit = 1
        self.cells = None
        self.reverse = False
        self.vary = False
        self.no_pulsate = False
        self.switch_open = False
        self.resistor = None
        self.tag = False
        self.energy = False
        self.ticks = 0
        self.every = None


def parse_args(args):
    """Runner command line -> Settings; raises ValueError on anything unknown."""
    st = Settings()
    i = 0

    def value():
        nonlocal i
        if i + 1 >= len(args):
            raise ValueError("missing value for " + args[i])
        i += 1
        return args[i]

    while i < len(args):
        a = args[i]
        if a == "--circuit":
            st.circuit = int(value())
        elif a == "--cells":
            st.cells = int(value())
        elif a == "--reverse":
            st.reverse = True
        elif a == "--vary":
            st.vary = True
        elif a == "--no-pulsate":
            st.no_pulsate = True
        elif a == "--switch-open":
            st.switch_open = True
        elif a == "--resistor":
            st.resistor = int(value())
        elif a == "--tag":
            st.tag = True
        elif a == "--energy":
            st.energy = True
        elif a == "--ticks":
            st.ticks = int(value())
        elif a == "--every":
            st.every = int(value())
        else:
            raise ValueError("option not modelled: " + a)
        i += 1
    if st.circuit not in CIRCUIT_CLASSES:
        raise ValueError("circuit %d not modelled" % st.circuit)
    return st


class Simulation:
    """The document (circuits built in order from one generator) plus the
    program-wide step clock and meter."""

    def __init__(self, settings):
        self.rng = Random(1)
        self.clock = StepClock()
        self.meter = Meter()
        self.circuits = {}
        for key in sorted(CIRCUIT_CLASSES):
            c = CIRCUIT_CLASSES[key](self.rng, self.clock)
            c.build_labels()
            self.circuits[key] = c
        c = self.circuit = self.circuits[settings.circuit]
        if settings.cells is not None:
            c.set_cells(settings.cells)
        if settings.reverse:
            c.switch_polarity()
        if settings.vary:
            c.vary_mean_speed = True
        if settings.no_pulsate:
            c.pulsate = False
        if settings.switch_open:
            c.set_switch_open(True)
        # "-" and "+" act on the variable-resistor circuit whichever is
        # current.
        if settings.resistor is not None:
            vr = self.circuits[10]
            for _ in range(abs(settings.resistor)):
                if settings.resistor > 0:
                    vr.increase_resistance()
                else:
                    vr.decrease_resistance()
        if settings.tag:
            c.toggle_tag()
        self.tick = 0
        self.show_energy = settings.energy

    def advance(self):
        self.circuit.step()
        self.meter.update(self.circuit)
        self.tick += 1

    def snapshot(self):
        """The state as the runner prints it (Python values, not text)."""
        c = self.circuit
        snap = {"tick": self.tick, "meter": self.meter.accumulator, "cells": c.cells,
                "glows": c.glow_counts()}
        if self.show_energy:
            # Every labelled block but the switch is a load, in label order.
            loads = [name for name, _ in c.labels if name not in ("power supply", "switch")]
            if not set(c.energy) <= set(loads):
                raise AssertionError("energy for unknown loads: %r" % c.energy)
            snap["energy"] = {name: c.energy.get(name, 0) for name in loads}
        snap["electrons"] = [[e.x, e.y, e.vx, e.vy, e.glow, int(e.half1), int(e.half2)]
                             for e in c.electrons]
        return snap


def trace(settings):
    """Yield the snapshots the runner prints for these settings."""
    sim = Simulation(settings)
    every = settings.every if settings.every and settings.every >= 1 else None
    yield sim.snapshot()
    while sim.tick < settings.ticks:
        sim.advance()
        if sim.tick == settings.ticks or (every and sim.tick % every == 0):
            yield sim.snapshot()


def format_line(snap):
    def g(v):
        return "%.17g" % v
    els = ",".join("[%s,%s,%s,%s,%d,%d,%d]" % (g(e[0]), g(e[1]), g(e[2]), g(e[3]),
                                              e[4], e[5], e[6])
                   for e in snap["electrons"])
    energy = ""
    if "energy" in snap:
        energy = ',"energy":{%s}' % ",".join(
            '"%s":%d' % (name.replace("\\", "\\\\").replace('"', '\\"'), units)
            for name, units in snap["energy"].items())
    return '{"tick":%d,"meter":%s,"cells":%d,"glows":[%d,%d,%d]%s,"electrons":[%s]}' % (
        snap["tick"], g(snap["meter"]), snap["cells"], *snap["glows"], energy, els)


def trace_lines(args):
    """The runner's output lines for a runner command line (list of str)."""
    return [format_line(s) for s in trace(parse_args(args))]


if __name__ == "__main__":
    import sys
    try:
        lines = trace_lines(sys.argv[1:])
    except ValueError as exc:
        sys.stderr.write("circuit_model: %s\n" % exc)
        sys.exit(2)
    for line in lines:
        print(line)
