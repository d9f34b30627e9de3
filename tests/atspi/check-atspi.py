# SPDX-FileCopyrightText: 2026 Klikoman developers
# SPDX-License-Identifier: MIT
#
# What a screen reader hears of the game, through the real accessibility bus:
# run inside a private D-Bus session on an X server of its own (see run.sh),
# it starts at-spi2's bus launcher, starts the game with accessibility on,
# and reads it as a client does with pyatspi. It plays a whole game: Start is
# pressed through its Press action, lit squares are found in the tree and
# clicked where the tree says they are. Prints what it saw; exits 1 on a fault.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME = sys.argv[1]
END_MESSAGE = "Cheat k dostání na adrese: klikoman@example.com :)"
EXPECTED = [
    ("image", "Obrázek"),
    ("label", "Čtverec vlevo nahoře"), ("label", "Čtverec uprostřed nahoře"),
    ("label", "Čtverec vpravo nahoře"), ("label", "Čtverec vlevo uprostřed"),
    ("label", "Čtverec uprostřed"), ("label", "Čtverec vpravo uprostřed"),
    ("label", "Čtverec vlevo dole"), ("label", "Čtverec uprostřed dole"),
    ("label", "Čtverec vpravo dole"),
    ("push button", "Start"), ("push button", "Stop"),
    ("label", "Cílem hry je klikat na čtverce, které jsou zrovna aktivní. Pokud budete"
              " úspěšní, objeví se vám příslušný obrázek"),
    ("alert", END_MESSAGE),
    ("label", "Počet zásahů: 0"),
    ("push button", "Konec"),
    ("label", "© 2026 Klikoman"),
    ("label", "."),
]
GIVEN_AWAY = ("Odkrýt celý obrázek", "Skrýt tlačítka")

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
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Klikoman":
            for window in app:
                if window is not None and window.getRoleName() == "frame":
                    return window
    return None


def tree_names(node):
    names = [node.name]
    for child in node:
        if child is not None:
            names += tree_names(child)
    return names


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def click(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "1"], check=True)


# Its own session, so that the accessibility bus it starts goes with it.
launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                            start_new_session=True)
time.sleep(0.5)
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
game = subprocess.Popen([GAME], env=env)
try:
    frame = wait_for(find_frame)
    check(frame is not None, "the game's window appears on the bus as a frame")
    if frame is None:
        sys.exit(1)
    for kind in ("object:state-changed:showing", "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(listen, kind)

    read = [(child.getRoleName(), child.name) for child in frame]
    print("reading order:")
    for role, name in read:
        print(f"    {role}: {name}")
    check(read == EXPECTED, "the window reads top to bottom, then left to right")
    names = tree_names(frame)
    check(not any(n in names for n in GIVEN_AWAY), "the hidden controls are not given away")

    children = {child.name: child for child in frame}
    score = children["Počet zásahů: 0"]
    start = children["Start"]
    start.queryAction().doAction(0)  # Press
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
    check(not any(h[1] in ("", "Políčko") for h in shows),
          "nothing is told of the outlines or other unnamed controls")
    score_changes = [h[1] for h in heard if h[0].endswith("accessible-name")
                     and h[1].startswith("Počet zásahů")]
    first = [s for s in score_changes if s == "Počet zásahů: 1"]
    check(len(first) == 1, f"the first hit is told once ({len(first)} times)")
    ends = [h for h in shows if h[1] == END_MESSAGE and h[2] == 1]
    check(len(ends) == 1, "the end message is announced once, with its text")
    alert = next((c for c in frame if c.name == END_MESSAGE), None)
    check(alert is not None and alert.getRoleName() == "alert", "the end message is an alert")
finally:
    game.kill()
    os.killpg(launcher.pid, 9)
sys.exit(1 if failures else 0)
