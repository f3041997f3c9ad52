"""Walks vud2's and vudeditor's accessible trees over AT-SPI.

Started by atspi_walk.sh on a private session bus. Exit 77 when the
accessibility bus cannot start, 1 on the first window with no name or with a
control that has no name or the wrong role.

The game is played from the start screen to a solved board by keys alone,
so that the results list holds a line; the editor's window, drawing chooser
and progress window (which then shows that game) are walked too.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def start_bus():
    # Its own process group, so that the bus it starts goes with it; no
    # output of its own, so that nothing it leaves holds the test's output.
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    for _ in range(100):
        probe = subprocess.run(
            ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
             "--method", "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
        if probe.returncode == 0 and "unix:" in probe.stdout:
            return launcher
        time.sleep(0.1)
    print("SKIP: the accessibility bus did not start")
    stop_group(launcher)
    sys.exit(SKIP)


def stop_group(process):
    try:
        os.killpg(process.pid, 9)
    except OSError:
        pass


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(condition, what, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def application(pyatspi, name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == name:
            return app
    return None


def showing_windows(pyatspi, app):
    windows = []
    for window in app:
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            windows.append(window)
    return windows


def controls(pyatspi, node, found):
    for child in node:
        if child is None:
            continue
        if child.getState().contains(pyatspi.STATE_SHOWING):
            found.append(child)
        controls(pyatspi, child, found)
    return found


NAMED_ROLES = ("push button", "table cell", "list item", "text", "entry", "list", "table")


def check_window(pyatspi, window, expect):
    """The window, and every push button, cell, list and text box in it,
    named; at least the expected number of each role."""
    if not window.name.strip():
        fail("a window of role %s has no name" % window.getRoleName())
    found = controls(pyatspi, window, [])
    counts = {}
    for acc in found:
        role = acc.getRoleName()
        if role in NAMED_ROLES:
            counts[role] = counts.get(role, 0) + 1
            if not acc.name.strip():
                fail("%s in window '%s' has no name" % (role, window.name))
    for role, least in expect.items():
        if counts.get(role, 0) < least:
            fail("window '%s' has %d %s (expected at least %d): %s"
                 % (window.name, counts.get(role, 0), role, least,
                    [(a.getRoleName(), a.name) for a in found]))
    print("ok: '%s' %s" % (window.name, counts))
    return found


def named(found, role, name):
    for acc in found:
        if acc.getRoleName() == role and acc.name == name:
            return acc
    fail("no %s named '%s'" % (role, name))


def press(acc):
    action = acc.queryAction()
    action.doAction(0)


def click(acc):
    import pyatspi
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)


def program_folder(home, programs):
    """A program folder of this walk's own, so that the records of the game
    it plays go nowhere else: the programs copied, their data folders
    linked."""
    folder = os.path.join(home, "bin")
    os.makedirs(folder)
    source = os.path.dirname(os.path.abspath(programs[0]))
    for name in ("imagenes", "gifs", "sonidos", "coordenadas"):
        if os.path.isdir(os.path.join(source, name)):
            os.symlink(os.path.join(source, name), os.path.join(folder, name))
    copies = []
    for program in programs:
        copies.append(shutil.copy2(program, folder))
    return copies


def start(program, home):
    # The settings of this walk only.
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               QT_ACCESSIBILITY="1", XDG_DATA_HOME=os.path.join(home, "data"),
               XDG_CONFIG_HOME=os.path.join(home, "config"))
    return subprocess.Popen([program], env=env)


def window_with(pyatspi, app, role, least, exactly=None):
    """The first showing window with at least (or exactly) that many
    controls of the role."""
    def check():
        for w in showing_windows(pyatspi, app):
            n = len([a for a in controls(pyatspi, w, []) if a.getRoleName() == role])
            if (exactly is None and n >= least) or n == exactly:
                return w
        return None
    return check


def active(pyatspi, window):
    return window.getState().contains(pyatspi.STATE_ACTIVE)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), check=True)


def solve_board(pyatspi, board):
    """Reads where the pieces lie and puts each home with the keyboard:
    piece n belongs in cell n, counted along the rows."""
    def layout():
        pieces = [a for a in controls(pyatspi, board, []) if a.getRoleName() == "table cell"]
        spots = {}
        for piece in pieces:
            x, y, _, _ = piece.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            spots[int(piece.name.split()[-1]) - 1] = (x, y)
        xs = sorted({x for x, _ in spots.values()})
        ys = sorted({y for _, y in spots.values()})
        if len(xs) != 3 or len(ys) != 2:
            return None
        cells = [None] * 6
        for piece, (x, y) in spots.items():
            cells[ys.index(y) * 3 + xs.index(x)] = piece
        return cells

    def playable():
        # The pieces are enabled once shuffled.
        first = [a for a in controls(pyatspi, board, []) if a.name == "Pieza 1"]
        return first and first[0].getState().contains(pyatspi.STATE_SENSITIVE)

    wait_for(playable, "the shuffle")
    cells = wait_for(layout, "the pieces on the grid")
    print("board:", cells)
    wait_for(lambda: active(pyatspi, board), "the board to take the keyboard")
    at = [0, 0]

    def go(cell):
        column, row = cell % 3, cell // 3
        step = []
        step += ["Right" if column > at[0] else "Left"] * abs(column - at[0])
        step += ["Down" if row > at[1] else "Up"] * abs(row - at[1])
        at[0], at[1] = column, row
        return step

    sequence = ["Right"]  # shows the highlight on the top-left cell
    if cells == list(range(6)):
        sequence += ["space", "space"]  # a shuffle that came out solved: a put-back
    for home in range(6):
        if cells[home] == home:
            continue
        there = cells.index(home)
        sequence += go(there) + ["space"] + go(home) + ["space"]
        cells[there], cells[home] = cells[home], home
    keys(*sequence)


def new_window(pyatspi, app, seen):
    def check():
        for w in showing_windows(pyatspi, app):
            if w.name not in seen:
                return w
        return None
    return check


def main():
    vud2, editor = sys.argv[1], sys.argv[2]
    launcher = start_bus()
    import pyatspi
    home = tempfile.mkdtemp(prefix="atspi_walk.")
    running = []
    try:
        vud2, editor = program_folder(home, [vud2, editor])
        # The game: the start screen, the results list, the selection screen,
        # the board played to its end, and the results list with its line.
        game = start(vud2, home)
        running.append(game)
        app = wait_for(lambda: application(pyatspi, "vud2"), "vud2 on the bus")
        first = wait_for(lambda: showing_windows(pyatspi, app), "the start screen")[0]
        found = check_window(pyatspi, first, {"push button": 2})
        if not [a for a in found if a.getRoleName() in ("text", "entry")]:
            fail("the start screen has no text box")
        press(named(found, "push button", "CONTINUAR"))
        selection = wait_for(window_with(pyatspi, app, "table cell", 9), "the selection screen")
        found = check_window(pyatspi, selection, {"push button": 12, "table cell": 9})
        results = wait_for(window_with(pyatspi, app, "list", 1), "the results list")
        check_window(pyatspi, results, {"list": 1})
        cells = [a for a in found if a.getRoleName() == "table cell" and a.name != "Sin dibujo"]
        if not cells:
            fail("no picture in the gallery")
        if shutil.which("xdotool"):
            click(cells[0])
            board = wait_for(window_with(pyatspi, app, "table cell", 0, exactly=6), "the board")
            found = check_window(pyatspi, board, {"push button": 7, "table cell": 6})
            solve_board(pyatspi, board)
            counter = wait_for(lambda: [a for a in controls(pyatspi, board, [])
                                        if a.getRoleName() == "push button" and a.name.startswith("Movimientos")
                                        and a.name != "Movimientos: 0"], "moves on the counter")[0]
            print("solved:", counter.name)
            press(counter)
            wait_for(lambda: results.getState().contains(pyatspi.STATE_SHOWING) and active(pyatspi, results),
                     "the results list in front")
            check_window(pyatspi, results, {"list": 1, "list item": 1})
            # Escape puts it away.
            keys("Escape")
            wait_for(lambda: not results.getState().contains(pyatspi.STATE_SHOWING), "Escape to close the list")
        game.terminate()
        game.wait(10)

        # The editor: its title screen, its window and the drawing chooser.
        ed = start(editor, home)
        running.append(ed)
        find_editor = lambda: application(pyatspi, "vudeditor") or application(pyatspi, "VUD editor")
        app = wait_for(find_editor, "vudeditor on the bus")
        title = wait_for(lambda: showing_windows(pyatspi, app), "the title screen")[0]
        found = check_window(pyatspi, title, {"push button": 2})
        press(named(found, "push button", "Empezar"))
        window = wait_for(window_with(pyatspi, app, "push button", 5), "the editor window")
        found = check_window(pyatspi, window, {"push button": 5})
        press(named(found, "push button", "Elegir un dibujo"))
        chooser = wait_for(window_with(pyatspi, app, "table cell", 9), "the drawing chooser")
        found = check_window(pyatspi, chooser, {"push button": 2, "table cell": 9})
        if not [a for a in found if a.getRoleName() == "table cell" and a.name != "Sin dibujo"]:
            fail("no drawing in the chooser")
        if shutil.which("xdotool"):
            wait_for(lambda: active(pyatspi, chooser), "the chooser to take the keyboard")
            keys("Escape")
            wait_for(lambda: not chooser.getState().contains(pyatspi.STATE_SHOWING), "Escape to close the chooser")
        ed.terminate()
        ed.wait(10)

        # Its progress window, from a fresh title screen: the child of the
        # game above, and the game.
        ed = start(editor, home)
        running.append(ed)
        app = wait_for(find_editor, "vudeditor on the bus again")
        title = wait_for(lambda: showing_windows(pyatspi, app), "the title screen again")[0]
        # Its other button, named by what it shows.
        press([a for a in controls(pyatspi, title, [])
               if a.getRoleName() == "push button" and a.name != "Empezar"][0])
        progress = wait_for(window_with(pyatspi, app, "table", 1), "the progress window")
        expect = {"push button": 4, "list": 1, "table": 1}
        if shutil.which("xdotool"):
            expect.update({"list item": 1, "table cell": 5})
            wait_for(lambda: [a for a in controls(pyatspi, progress, []) if a.getRoleName() == "table cell"],
                     "the game in the progress window")
        check_window(pyatspi, progress, expect)
    finally:
        for p in running:
            p.kill()
        stop_group(launcher)
        shutil.rmtree(home, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
