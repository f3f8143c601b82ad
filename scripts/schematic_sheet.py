"""Drawing schematics (.ldr), user symbols (.lsy) and input patterns (.lpt)
from a script, in the exact layouts the programs write.

A Sheet places symbols of LumoCAD.lib (or user symbols) on the 4-unit grid
and draws nets as axis-parallel polylines from pin to pin. Lines connect only
end to end, so where one polyline branches off another the script splits the
other at the branch point, as the editor does when a line is drawn from a
junction. Before writing, the sheet checks that it reads as drawn: every net
is one connected group of lines, no two nets touch (end on end, end on
line, or overlapping), every line end on a pin is meant to be there, no pin
carries more than one line, and no line runs through a symbol's body.
"""

import math
import os
import re

RIGHT, UP, LEFT, DOWN = 0, 1, 2, 3
GRID = 4
# Where the drawings go: just inside the view the schematic editor opens on.
SHIFT_X = 840
SHIFT_Y = 540


# --- list notation -----------------------------------------------------------


def tokens(text):
    for match in re.finditer(r'\(|\)|"[^"]*"|[^\s()"]+', text):
        yield match.group(0)


def parse_lists(text):
    """Every top-level expression of a list file, as nested Python lists;
    quoted strings lose their quotes."""
    stack = [[]]
    for token in tokens(text):
        if token == "(":
            stack.append([])
        elif token == ")":
            done = stack.pop()
            stack[-1].append(done)
        elif token.startswith('"'):
            stack[-1].append(token[1:-1])
        else:
            stack[-1].append(token)
    return stack[0]


def is_bare_word(name):
    """Names the scripts use are plain words the writers never quote."""
    return re.fullmatch(r"[A-Za-z_][A-Za-z0-9_%]*", name) is not None and name != "nil"


# --- symbols -----------------------------------------------------------------


class SymbolShape:
    """What a sheet needs of a symbol: its pins and the box of its body."""

    def __init__(self, name, pins, box):
        self.name = name
        self.pins = pins  # [(name, x, y, direction, polarity)] in file order
        self.box = box  # (left, top, right, bottom) of the body lines and arcs

    @staticmethod
    def from_expression(expression):
        name, positive, _negative, terminals = expression[:4]
        xs, ys = [], []
        for item in positive:
            if item[0] == "l":
                values = [int(v) for v in item[1:]]
                xs += values[0::2]
                ys += values[1::2]
            elif item[0] == "a":
                cx, cy, r, start, end = (int(v) for v in item[1:6])
                # Counter-clockwise from start to end, y growing downwards.
                sweep = (end - start) % 360 or 360
                for step in range(0, sweep + 1, 5):
                    angle = math.radians(start + step)
                    xs.append(cx + r * math.cos(angle))
                    ys.append(cy - r * math.sin(angle))
        pins = [(t[0], int(t[1]), int(t[2]), int(t[3]), t[4]) for t in terminals]
        box = (min(xs), min(ys), max(xs), max(ys)) if xs else None
        return SymbolShape(name, pins, box)


def read_symbols(path):
    with open(path, encoding="utf-8") as f:
        expressions = parse_lists(f.read())
    shapes = {}
    for expression in expressions:
        if expression:
            shape = SymbolShape.from_expression(expression)
            shapes[shape.name] = shape
    return shapes


def orient_point(code, x, y):
    return [(x, y), (y, -x), (-x, -y), (-y, x), (-x, y), (-y, -x), (x, -y), (y, x)][code]


def orient_direction(code, direction):
    if code < 4:
        return (direction + code) % 4
    return (6 - code - direction) % 4


class UserSymbol:
    """A user symbol (.lsy): a box with pins, drawn like the library's
    boxes. Pins: (name, x, y, direction, label)."""

    def __init__(self, name, width, height, pins, title):
        self.name = name
        self.half_w = width // 2
        self.half_h = height // 2
        self.pins = pins
        self.title = title

    def text(self):
        """The symbol file, in the layout the symbol writer produces. The body
        edge is 3 units from each pin, where the drawn stub ends."""
        w, h = self.half_w, self.half_h
        items = [
            "(l %d %d %d %d)" % (-w, -h, w, -h),
            "(l %d %d %d %d)" % (w, -h, w, h),
            "(l %d %d %d %d)" % (w, h, -w, h),
            "(l %d %d %d %d)" % (-w, h, -w, -h),
        ]
        for name, x, y, direction, label in self.pins:
            anchor = "l" if direction == RIGHT else "r"
            items.append('(s "%s" y t %d %d %s 0)' % (label, x + (5 if x < 0 else -5), y, anchor))
        items.append('(s "?" y e 0 %d d 0)' % (-h - 2))
        items.append('(s "%s" y f 0 %d u 0)' % (self.title, h + 2))
        lines = ['("%s"' % self.name, "  ("]
        lines += ["  " + item for item in items]
        lines += ["  )", "  ()", "  ("]
        lines += ['  ("%s" %d %d %d p)' % (n, x, y, d) for n, x, y, d, _ in self.pins]
        lines += ["  )", "  (u)", ")"]
        return "\n".join(lines) + "\n"

    def shape(self):
        pins = [(n, x, y, d, "p") for n, x, y, d, _ in self.pins]
        return SymbolShape(self.name, pins, (-self.half_w, -self.half_h, self.half_w, self.half_h))


# --- sheets ------------------------------------------------------------------


class Element:
    def __init__(self, shape, name, x, y, orientation):
        self.shape = shape
        self.name = name
        self.x = x
        self.y = y
        self.orientation = orientation
        self.terminals = []
        for pin, px, py, direction, polarity in shape.pins:
            dx, dy = orient_point(orientation, px, py)
            self.terminals.append(
                (pin, x + dx, y + dy, orient_direction(orientation, direction), polarity)
            )

    def p(self, pin):
        for name, x, y, _, _ in self.terminals:
            if name == pin:
                return (x, y)
        raise KeyError("%s has no pin %s" % (self.name, pin))

    def body(self):
        if self.shape.box is None:
            return None
        l, t, r, b = self.shape.box
        corners = [orient_point(self.orientation, x, y) for x, y in ((l, t), (r, b))]
        xs = sorted(self.x + c[0] for c in corners)
        ys = sorted(self.y + c[1] for c in corners)
        return (xs[0], ys[0], xs[1], ys[1])


class Sheet:
    def __init__(self, title, symbols):
        self.title = title
        self.symbols = symbols
        self.elements = []
        self.segments = []  # [net, x1, y1, x2, y2]
        self.names = {}  # net -> line name
        self.pin_nets = {}  # (element name, pin) -> net

    def place(self, symbol, name, x, y, orientation=0):
        assert x % GRID == 0 and y % GRID == 0, (name, x, y)
        element = Element(self.symbols[symbol], name, x, y, orientation)
        self.elements.append(element)
        return element

    def wire(self, net, *points, name=None):
        """A polyline of one net through the points; a point may be
        (element, pin) for that pin's position."""
        resolved = []
        for point in points:
            if isinstance(point[0], Element):
                element, pin = point
                self.pin_nets[(element.name, pin)] = net
                point = element.p(pin)
            resolved.append(point)
        for (x1, y1), (x2, y2) in zip(resolved, resolved[1:]):
            assert (x1 == x2) != (y1 == y2), ("not axis-parallel", net, (x1, y1), (x2, y2))
            assert all(v % GRID == 0 for v in (x1, y1, x2, y2)), ("off the grid", net)
            self.segments.append([net, x1, y1, x2, y2])
        if name is not None:
            self.names[net] = name
        return resolved

    # -- finishing ---------------------------------------------------------

    def _split_at_branches(self):
        """Splits a line where an end of a line of the same net lies inside it."""
        changed = True
        while changed:
            changed = False
            ends = {}
            for net, x1, y1, x2, y2 in self.segments:
                ends.setdefault(net, set()).update({(x1, y1), (x2, y2)})
            for index, (net, x1, y1, x2, y2) in enumerate(self.segments):
                for x, y in ends[net]:
                    if _inside(x, y, x1, y1, x2, y2):
                        self.segments[index] = [net, x1, y1, x, y]
                        self.segments.append([net, x, y, x2, y2])
                        changed = True
                        break
                if changed:
                    break

    def check(self):
        self._split_at_branches()
        problems = []
        terminals = {}
        for element in self.elements:
            for pin, x, y, _, _ in element.terminals:
                if (x, y) in terminals:
                    problems.append("pins on each other at %s" % ((x, y),))
                terminals[(x, y)] = (element.name, pin)
        end_nets = {}
        for net, x1, y1, x2, y2 in self.segments:
            for point in ((x1, y1), (x2, y2)):
                end_nets.setdefault(point, set()).add(net)
        for point, nets in end_nets.items():
            if len(nets) > 1:
                problems.append("nets %s meet at %s" % (sorted(nets), point))
            if point in terminals:
                owner = terminals[point]
                if self.pin_nets.get(owner) not in nets:
                    problems.append("%s.%s touched by %s" % (owner + (sorted(nets),)))
        for net, x1, y1, x2, y2 in self.segments:
            for (x, y), nets in end_nets.items():
                if _inside(x, y, x1, y1, x2, y2) and net not in nets:
                    problems.append("an end of %s lies on %s at %s" % (sorted(nets), net, (x, y)))
            for (x, y), owner in terminals.items():
                if _inside(x, y, x1, y1, x2, y2):
                    problems.append("line of %s runs over %s.%s" % ((net,) + owner))
            for element in self.elements:
                box = element.body()
                if box and _crosses_box(x1, y1, x2, y2, box):
                    problems.append("line of %s runs through %s" % (net, element.name))
        for i, a in enumerate(self.segments):
            for b in self.segments[i + 1 :]:
                if a[0] != b[0] and _overlap(a[1:], b[1:]):
                    problems.append("lines of %s and %s overlap" % (a[0], b[0]))
        # Each pin carries at most one line end, and each net is one group.
        for point, owner in terminals.items():
            count = sum(
                (s[1], s[2]) == point or (s[3], s[4]) == point for s in self.segments
            )
            if count > 1:
                problems.append("%s.%s carries %d lines" % (owner + (count,)))
        for net in {s[0] for s in self.segments}:
            lines = [s for s in self.segments if s[0] == net]
            reached = {(lines[0][1], lines[0][2])}
            grown = True
            while grown:
                grown = False
                for s in lines:
                    a, b = (s[1], s[2]), (s[3], s[4])
                    if (a in reached) != (b in reached):
                        reached |= {a, b}
                        grown = True
            if any((s[1], s[2]) not in reached for s in lines):
                problems.append("net %s is not one group" % net)
        for (element, pin), net in self.pin_nets.items():
            point = [e for e in self.elements if e.name == element][0].p(pin)
            if point not in end_nets or net not in end_nets[point]:
                problems.append("%s.%s is not on %s" % (element, pin, net))
        if problems:
            raise ValueError("%s:\n  %s" % (self.title, "\n  ".join(problems)))

    def text(self):
        """The schematic file, as the editor saves what was drawn in this
        order: every list newest first. The drawing is moved by (SHIFT_X,
        SHIFT_Y) so that it lies in the view the editor opens on (its
        top-left corner shows the point (800, 500))."""
        self.check()
        dx, dy = SHIFT_X, SHIFT_Y
        assert is_bare_word(self.title)
        out = ["(%s)\n" % self.title]
        terminal_points = {
            (x, y) for e in self.elements for _, x, y, _, _ in e.terminals
        }
        for element in reversed(self.elements):
            name = element.name if element.name else "?"
            assert name == "?" or is_bare_word(name), name
            out.append(
                "(%d %d %s %s %d p \n  (\n" % (element.x + dx, element.y + dy, name,
                                                element.shape.name, element.orientation)
            )
            for pin, x, y, direction, polarity in element.terminals:
                out.append("  (%d %d %s %d %s )\n" % (x + dx, y + dy, pin, direction, polarity))
            out.append("  ))\n")
        out.append("()\n")
        named = set()
        for net, x1, y1, x2, y2 in reversed(self.segments):
            kinds = ["t" if p in terminal_points else "c" for p in ((x1, y1), (x2, y2))]
            name = "?"
            if net in self.names and net not in named:
                name = self.names[net]
                named.add(net)
                assert is_bare_word(name), name
            out.append("(%d %d %d %d %s %s %s )\n" % (x1 + dx, y1 + dy, x2 + dx, y2 + dy, kinds[0],
                                                       kinds[1], name))
        out.append("()\n()\n")
        return "".join(out)


def _inside(x, y, x1, y1, x2, y2):
    """True when (x, y) lies on the segment but is neither of its ends."""
    if (x, y) in ((x1, y1), (x2, y2)):
        return False
    if x1 == x2 == x:
        return min(y1, y2) < y < max(y1, y2)
    if y1 == y2 == y:
        return min(x1, x2) < x < max(x1, x2)
    return False


def _overlap(a, b):
    ax1, ay1, ax2, ay2 = a
    bx1, by1, bx2, by2 = b
    if ax1 == ax2 == bx1 == bx2:
        return min(max(ay1, ay2), max(by1, by2)) > max(min(ay1, ay2), min(by1, by2))
    if ay1 == ay2 == by1 == by2:
        return min(max(ax1, ax2), max(bx1, bx2)) > max(min(ax1, ax2), min(bx1, bx2))
    return False


def _crosses_box(x1, y1, x2, y2, box):
    left, top, right, bottom = box
    if x1 == x2:
        return left < x1 < right and min(y1, y2) < bottom and max(y1, y2) > top
    return top < y1 < bottom and min(x1, x2) < right and max(x1, x2) > left


# --- patterns ----------------------------------------------------------------


class Pattern:
    """An input pattern: rows of (time, value) events and memory words,
    written as the waveform editor writes it (rows and memories in name
    order)."""

    def __init__(self):
        self.rows = {}
        self.memories = {}

    def set(self, name, time, value):
        self.rows.setdefault(name, []).append((time, str(value)))

    def waveform(self, name, events):
        for time, value in events:
            self.set(name, time, value)

    def memory(self, name, words):
        self.memories[name] = [(a, d) for a, d in words]

    def text(self):
        out = []
        for name in sorted(self.rows, key=lambda n: n.encode()):
            events = sorted(self.rows[name], key=lambda e: e[0])
            out.append("a  %s  %d\n   " % (name, len(events)))
            column = 3
            for time, value in events:
                out.append("%d %s  " % (time, value))
                column += 7
                if column >= 70:
                    out.append("\n   ")
                    column = 3
            out.append("\n")
        for name in sorted(self.memories, key=lambda n: n.encode()):
            out.append("m  %s\n   " % name)
            column = 3
            for address, data in self.memories[name]:
                out.append("%s %s  " % (address, data))
                column += len(address) + len(data) + 3
                if column >= 70:
                    out.append("\n   ")
                    column = 3
            out.append("z\n")
        out.append("e\n")
        return "".join(out)


def write_text(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
