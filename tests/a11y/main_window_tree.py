#!/usr/bin/env python3
"""What a screen reader meets in the main window, read over the desktop's accessibility bus.

Usage: main_window_tree.py LAUNCHER PROGRAM DATA

Starts the window program through LAUNCHER (veltrano-start) with PROGRAM and the shipped program
folder DATA, as a user on a fresh machine does: an empty home, a virtual display, a session bus and
the accessibility bus of its own. Then it reads the application's accessible tree over AT-SPI until
it holds the twelve thumbnails "<month> <year>", the title thumbnail, the heading with the
calendar's path and the status bar with its panes, or until the time runs out. Then it points at
the button bar's first button and finds its prompt in the status bar's message pane. Then it opens the
birthday import through its menu item and finds the file entry of the dialog's text as a push
button inside it. Every process it
starts ends with it, also on failure. A start whose display or buses broke down (the program
never reached the bus) is tried again, up to three times. Missing packages (xvfb, dbus, at-spi2-core,
python3-pyatspi) make it fail: they belong to the build's dependencies.
"""
import ctypes
import datetime
import os
import signal
import subprocess
import sys
import tempfile
import time

WAIT_SECONDS = 10
ATTEMPTS = 3
SESSION_BROKE = 3
MONTHS = ["Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
          "Oktober", "November", "Dezember"]
LOCK_PANES = ["Feststelltaste", "Num-Taste", "Rollen-Taste"]
IMPORT_COMMAND = "Geburtstage importieren"
IMPORT_FILE_ENTRY = "Aus Datei (vCard, iCalendar)"

libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1
PR_SET_CHILD_SUBREAPER = 36


def die_with_parent():
    # A child left behind by a killed test would hold the display and the buses.
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)
    os.setsid()


class Processes:
    """Starts processes in groups of their own and ends every one of them."""

    def __init__(self):
        self.started = []
        # Processes the buses start themselves become ours when their parent ends, so that
        # they can be ended and waited for too.
        libc.prctl(PR_SET_CHILD_SUBREAPER, 1)

    def start(self, argv, **kwargs):
        process = subprocess.Popen(argv, preexec_fn=die_with_parent, **kwargs)
        self.started.append(process)
        return process

    def end_all(self):
        for process in reversed(self.started):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.started):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        self.end_orphans()

    @staticmethod
    def end_orphans():
        deadline = time.monotonic() + 5
        while True:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                return
            if pid:
                continue
            signal_to_send = signal.SIGTERM if time.monotonic() < deadline else signal.SIGKILL
            for child in children_of(os.getpid()):
                try:
                    os.kill(child, signal_to_send)
                except ProcessLookupError:
                    pass
            time.sleep(0.05)


def children_of(parent):
    children = []
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                # The parent's id is the second field after the name in parentheses.
                if int(stat.read().rsplit(")", 1)[1].split()[1]) == parent:
                    children.append(int(entry))
        except (OSError, ValueError, IndexError):
            pass
    return children


def read_line(process, what):
    line = process.stdout.readline().decode().strip()
    if not line:
        print(f"{what} did not start")
        sys.exit(SESSION_BROKE)
    return line


def start_session(processes, home):
    """A display, a session bus and the accessibility bus; returns the environment to use."""
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "AT_SPI_BUS_ADDRESS",
                 "DBUS_SESSION_BUS_ADDRESS", "XAUTHORITY", "LANGUAGE"):
        env.pop(name, None)
    env.update(HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
               XDG_CACHE_HOME=f"{home}/.cache", XDG_RUNTIME_DIR=f"{home}/runtime", LANG="C.UTF-8",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)

    xvfb = processes.start(["Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                            "1600x1000x24"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    env["DISPLAY"] = ":" + read_line(xvfb, "Xvfb")

    bus = processes.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    env["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus, "dbus-daemon")

    processes.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    # A program that starts before the accessibility bus is there never joins it.
    ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
           "org.a11y.Bus.GetAddress"]
    deadline = time.monotonic() + WAIT_SECONDS
    while subprocess.run(ask, env=env, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL).returncode != 0:
        if time.monotonic() > deadline:
            print("the accessibility bus did not start")
            sys.exit(SESSION_BROKE)
        time.sleep(0.05)
    return env


def names_below(accessible, depth=0):
    """(role name, name) of every node of the tree below `accessible`."""
    found = []
    if accessible is None or depth > 12:
        return found
    found.append((accessible.getRoleName(), accessible.name or ""))
    for i in range(accessible.childCount):
        found += names_below(accessible.getChildAtIndex(i), depth + 1)
    return found


def veltrano_application(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        if application is not None and "veltrano" in (application.name or "").lower():
            return application
    return None


def veltrano_tree(pyatspi):
    application = veltrano_application(pyatspi)
    return names_below(application) if application is not None else []


def nodes_below(accessible, depth=0):
    if accessible is None or depth > 12:
        return
    yield accessible
    for i in range(accessible.childCount):
        yield from nodes_below(accessible.getChildAtIndex(i), depth + 1)


def import_entry_shown(pyatspi):
    """Opens the birthday import through its menu item, as a screen reader's user does, and
    waits for the file entry of its text: a push button inside the markup text."""
    application = veltrano_application(pyatspi)
    item = next((n for n in nodes_below(application) if n.name == IMPORT_COMMAND), None)
    if item is None:
        print(f"no menu item {IMPORT_COMMAND!r}")
        return False
    # The reply to the action comes only when the modal dialog it opens closes.
    pyatspi.setTimeout(300, 300)
    try:
        item.queryAction().doAction(0)
    except Exception:
        pass
    pyatspi.setTimeout(5000, 5000)
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            for node in nodes_below(veltrano_application(pyatspi)):
                if node.getRoleName() == "push button" and (node.name or "").startswith(
                        IMPORT_FILE_ENTRY) and node.parent.getRoleName() == "label":
                    return True
        except Exception:  # the tree changes while it is read
            pass
        time.sleep(0.3)
    print(f"no push button {IMPORT_FILE_ENTRY!r} in the import dialog's text")
    return False


def prompt_shown(pyatspi):
    """Points at the button bar's first button, as a mouse user does, and waits for the status
    bar's message pane: a label in the status bar, named by the prompt it now shows."""
    application = veltrano_application(pyatspi)
    bar = next((n for n in nodes_below(application) if n.getRoleName() == "tool bar"), None)
    button = next((n for n in nodes_below(bar) if n.getRoleName() == "push button"), None)
    if button is None:
        print("no push button in the button bar")
        return False
    box = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2,
                                        pyatspi.MOUSE_ABS)
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            status = next(n for n in nodes_below(veltrano_application(pyatspi))
                          if n.getRoleName() == "status bar")
            if any(n.getRoleName() == "label" and n.name and n.name not in LOCK_PANES
                   for n in nodes_below(status)):
                return True
        except Exception:  # the tree changes while it is read
            pass
        time.sleep(0.3)
    print("no label with the prompt in the status bar")
    return False


def missing_from(tree, year, calendar):
    wanted = [("status bar", "Statuszeile"), ("label", calendar)]
    wanted += [("label", pane) for pane in LOCK_PANES]
    wanted += [("push button", f"{month} {year}") for month in MONTHS]
    wanted.append(("push button", f"Titelseite {year}"))
    present = set(tree)
    return [w for w in wanted if w not in present]


def attempt(launcher, program, data):
    """One start on a fresh session: 0 found, 1 names missing, SESSION_BROKE otherwise."""
    processes = Processes()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended from outside"))
    with tempfile.TemporaryDirectory(prefix="veltrano-a11y-") as home:
        try:
            env = start_session(processes, home)
            os.environ.update(env)  # pyatspi finds the buses through the environment
            import pyatspi  # noqa: E402 -- only now does the session bus exist

            env.update(VELTRANO_DATA=data, VELTRANO_PROGRAM=program)
            log = open(f"{home}/program.log", "w+")
            program_run = processes.start(["sh", launcher], env=env, cwd=home, stdout=log,
                                          stderr=subprocess.STDOUT)
            calendar = f"{env['XDG_DATA_HOME']}/veltrano/daten/natur.cal"
            # The sample calendar stores no year: it shows the current one.
            year = datetime.date.today().year
            deadline = time.monotonic() + WAIT_SECONDS
            last_error = None
            while True:
                try:
                    tree = veltrano_tree(pyatspi)
                except Exception as error:  # the tree changes while it is read
                    tree = []
                    last_error = error
                missing = missing_from(tree, year, calendar) if tree else ["the application"]
                if not missing:
                    print(f"found {len(tree)} accessible nodes with every expected name")
                    return 0 if prompt_shown(pyatspi) and import_entry_shown(pyatspi) else 1
                if program_run.poll() is not None and not tree:
                    log.seek(0)
                    print(f"the program ended early ({program_run.returncode}):\n{log.read()}")
                    return SESSION_BROKE
                if time.monotonic() > deadline:
                    print("missing from the accessible tree:", *missing, sep="\n  ")
                    for role, name in tree:
                        print(f"  seen: {role}: {name!r}")
                    log.seek(0)
                    print(f"program exit status {program_run.poll()}, output:\n{log.read()}")
                    if last_error is not None:
                        print("last error while reading the tree:", last_error)
                    # A program that never reached the bus met a broken session.
                    return 1 if tree else SESSION_BROKE
                time.sleep(0.3)
        finally:
            processes.end_all()


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "--attempt":
        return attempt(*(os.path.abspath(argument) for argument in sys.argv[2:]))
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    # The accessibility bindings keep the first bus they met, so every attempt
    # runs in a process of its own. A display or bus another test disturbed
    # while it started is no finding about the program: that start is tried again.
    for _ in range(ATTEMPTS):
        result = subprocess.run([sys.executable, __file__, "--attempt", *sys.argv[1:]],
                                preexec_fn=die_with_parent).returncode
        if result != SESSION_BROKE:
            return result
        print("the session broke down; starting again")
    return 1


if __name__ == "__main__":
    sys.exit(main())
