# SPDX-FileCopyrightText: 2026 Klikoman developers
# SPDX-License-Identifier: MIT
#
# What a screen reader hears of the game, read as a reader's client does with
# pyatspi. The real-window test runs it beside a game it started with
# accessibility on, in a private D-Bus session on its own X server. It plays
# a whole game from the tree: Start is pressed through its Press action, lit
# squares are found in the tree and clicked where the tree says they are.
# Prints what it saw; exits 1 on a fault, 77 where pyatspi is missing.
# Usage: check-atspi.py READING_ORDER
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("SKIP: pyatspi is missing (Debian: python3-pyatspi)")
    sys.exit(77)

with open(sys.argv[1], encoding="utf-8") as f:
    EXPECTED = [tuple(line.rstrip("\n").split("\t")) for line in f
                if line.strip() and not line.startswith("#")]
NAMES = {name for _, name in EXPECTED}
END_MESSAGE = next(name for role, name in EXPECTED if role == "ALERT")

failures = []
heard = []  # (event type, source name, detail1)


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(predicate, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        value = predicate()
        if value:
            return value
    return None


def listen(event):
    try:
        name = event.source.name
    except Exception:  # the source may be gone already
        name = "?"
    heard.append((event.type, name, event.detail1))


def find_frame():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Klikoman":
            for window in app:
                if window is not None and window.getRole() == pyatspi.ROLE_FRAME:
                    return window
    return None


def tree(node):
    nodes = [node]
    for child in node:
        if child is not None:
            nodes += tree(child)
    return nodes


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def click(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2,
                                        pyatspi.MOUSE_B1C)


frame = wait_for(find_frame)
check(frame is not None, "the game's window appears on the bus as a frame")
if frame is None:
    sys.exit(1)
for kind in ("object:state-changed:showing", "object:property-change:accessible-name"):
    pyatspi.Registry.registerEventListener(listen, kind)

# Roles are compared as AT-SPI's role values: the words for them change
# between releases of at-spi2 ("push button", later "button").
read = [(child.getRole(), child.name) for child in frame]
print("reading order:")
for (role, name), child in zip(read, frame):
    print(f"    {child.getRoleName()}: {name}")
check(read == [(getattr(pyatspi, "ROLE_" + role), name) for role, name in EXPECTED],
      "the window reads top to bottom, then left to right")
# A hidden spot tells no more than a sighted player sees: the dot reads "."
# and nothing else, the invisible spot is not in the tree at all.
extra = [(n.getRoleName(), n.name) for n in tree(frame)[1:] if n.name not in NAMES]
check(not extra, f"nothing in the tree is named beyond what is seen {extra}")
dot = next((c for c in frame if c.name == "."), None)
check(dot is not None and dot.description == "", "the dot says nothing more than '.'")

children = {child.name: child for child in frame}
score = children["Počet zásahů: 0"]
children["Start"].queryAction().doAction(0)  # Press
squares = [child for child in frame if child.name.startswith("Čtverec")]

# Play to the end: click whatever square the tree says is lit.
hits_clicked = 0
deadline = time.monotonic() + 120
while score.name != "Počet zásahů: Konec" and time.monotonic() < deadline:
    lit = wait_for(lambda: next((s for s in squares if showing(s)), None), 5)
    if lit is not None:
        click(lit)
        hits_clicked += 1
    pump(0.05)
check(score.name == "Počet zásahů: Konec", f"thirty hits end the game ({hits_clicked} clicks)")
pump(1.0)

# Every change is told once, by the control that changed.
shows = [h for h in heard if h[0] == "object:state-changed:showing"]
square_events = [h for h in shows if h[1].startswith("Čtverec")]
repeats = sum(1 for a, b in zip(square_events, square_events[1:]) if a == b)
print(f"heard {len(square_events)} square changes, {repeats} told twice in a row")
check(len(square_events) > 0 and repeats == 0, "a square lighting or going dark is told once")
strangers = {h[1] for h in shows if h[1] not in NAMES}
check(not strangers, f"only controls a reader can find tell of changes {strangers}")
score_changes = [h[1] for h in heard if h[0].endswith("accessible-name")
                 and h[1].startswith("Počet zásahů")]
first = [s for s in score_changes if s == "Počet zásahů: 1"]
check(len(first) == 1, f"the first hit is told once ({len(first)} times)")
ends = [h for h in shows if h[1] == END_MESSAGE and h[2] == 1]
check(len(ends) == 1, "the end message is announced once, with its text")
sys.exit(1 if failures else 0)
