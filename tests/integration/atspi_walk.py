"""Walks vud2's and vudeditor's accessible trees over AT-SPI.

Started by atspi_walk.sh on a private session bus. Exit 77 when the
accessibility bus cannot start, 1 on the first window with a control that
has no name or the wrong role.
"""
import os
import shutil
import subprocess
import sys
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


def check_window(pyatspi, window, expect):
    """Every push button, cell and text box named; at least the expected
    number of each role."""
    found = controls(pyatspi, window, [])
    counts = {}
    for acc in found:
        role = acc.getRoleName()
        if role in ("push button", "table cell", "text", "entry"):
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


def start(program):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               QT_ACCESSIBILITY="1")
    return subprocess.Popen([program], env=env)


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
    running = []
    try:
        # The game: the start screen, the selection screen, the board.
        game = start(vud2)
        running.append(game)
        app = wait_for(lambda: application(pyatspi, "vud2"), "vud2 on the bus")
        first = wait_for(lambda: showing_windows(pyatspi, app), "the start screen")[0]
        found = check_window(pyatspi, first, {"push button": 2})
        if not [a for a in found if a.getRoleName() in ("text", "entry")]:
            fail("the start screen has no text box")
        press(named(found, "push button", "CONTINUAR"))
        selection = wait_for(lambda: [w for w in showing_windows(pyatspi, app)
                                      if len([a for a in controls(pyatspi, w, [])
                                              if a.getRoleName() == "table cell"]) >= 9],
                             "the selection screen")[0]
        found = check_window(pyatspi, selection, {"push button": 12, "table cell": 9})
        cells = [a for a in found if a.getRoleName() == "table cell" and a.name != "Sin dibujo"]
        if not cells:
            fail("no picture in the gallery")
        if shutil.which("xdotool"):
            click(cells[0])
            board = wait_for(lambda: [w for w in showing_windows(pyatspi, app)
                                      if len([a for a in controls(pyatspi, w, [])
                                              if a.getRoleName() == "table cell"]) == 6], "the board")[0]
            check_window(pyatspi, board, {"push button": 7, "table cell": 6})
        game.terminate()

        # The editor: its title screen and its window.
        ed = start(editor)
        running.append(ed)
        app = wait_for(lambda: application(pyatspi, "vudeditor") or application(pyatspi, "VUD editor"),
                       "vudeditor on the bus")
        title = wait_for(lambda: showing_windows(pyatspi, app), "the title screen")[0]
        found = check_window(pyatspi, title, {"push button": 1})
        buttons = [a for a in found if a.getRoleName() == "push button"]
        press(buttons[0])
        window = wait_for(lambda: [w for w in showing_windows(pyatspi, app)
                                   if len([a for a in controls(pyatspi, w, [])
                                           if a.getRoleName() == "push button"]) >= 5], "the editor window")[0]
        check_window(pyatspi, window, {"push button": 5})
    finally:
        for p in running:
            p.kill()
        stop_group(launcher)
    print("PASS")


if __name__ == "__main__":
    main()
