#!/usr/bin/python3
"""Rotaplan in a real window, used as a person would through the accessibility bus (AT-SPI).

The test puts itself on an X server (xvfb-run) and a session bus (dbus-run-session) of its own, so that
neither a desktop around it nor another X server started on the machine at the same time is in its way:

    /usr/bin/python3 real_window_test.py --program build/src/app/rotaplan

With --install-from BUILD the program is first installed (cmake --install) into a temporary prefix and
started from there, with the build tree's resources hidden from it (--hide, in a mount namespace of its own
when the test runs as root).

The program is started with a fresh HOME. The test waits for the start-up window and then the main window
(and reports how long each took), answers the first-run instructions, presses Generate, answers what the
program shows, checks that the month's calendar files were written and that the program still answers, then
chooses File | Exit, answers "Backup?" with No and "Leaving Rotaplan" with OK, and checks that the program
ended.
"""

import argparse
import glob
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import time

# Set in the copy of the test that runs on its own X server and session bus.
INSIDE = "ROTAPLAN_GUI_TEST_INSIDE"


def run_on_own_display(argv):
    """Runs this test again under xvfb-run and dbus-run-session; returns its exit status."""
    env = dict(os.environ)
    # The accessibility bus is the one of the new session bus, for the test, the program and the bus's
    # services alike, never one that a desktop around the test announces.
    env.pop("AT_SPI_BUS_ADDRESS", None)
    env[INSIDE] = "1"
    # xvfb-run takes the first display number from the one given whose lock file is absent; that choice is
    # not atomic, so a random start keeps clear of X servers that other tests start at the same time.
    first = random.randint(100, 30000)
    # -noreset: an X server resets whenever its last client leaves, dropping any client connecting at that
    # moment; the test's own short-lived X tools would make the program's first connection fail now and then.
    command = ["xvfb-run", "--auto-servernum", f"--server-num={first}",
               "--server-args=-screen 0 1280x1024x24 -noreset",
               "dbus-run-session", "--", sys.executable, os.path.abspath(__file__)] + argv
    return subprocess.run(command, env=env).returncode


if __name__ == "__main__" and not os.environ.get(INSIDE):
    sys.exit(run_on_own_display(sys.argv[1:]))

import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import Atspi, Gio, GLib  # noqa: E402

START_UP_WINDOW_MS = 5000


class Failure(Exception):
    pass


def log(text):
    print(text, flush=True)


def wait_for(what, condition, timeout, interval=0.02):
    """Polls condition() until it returns something true; fails after timeout seconds."""
    end = time.monotonic() + timeout
    while True:
        # Events from the bus are taken in between questions.
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


# ---- the accessibility bus -----------------------------------------------------------------------------


class Accessibility:
    def __init__(self):
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                  GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None)
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                 Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        self.bus = Gio.DBusConnection.new_for_address_sync(reply.unpack()[0], flags, None, None)

    @staticmethod
    def application(pid):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            try:
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == pid:
                    # Every question goes to the program itself: its windows come and go while the test runs.
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
            except GLib.GError:
                continue
        return None

    def press(self, accessible, action="Press"):
        """Does a named action of an element without waiting for the program's answer: a button's handler
        may open a modal dialog, and the call returns only when that closes."""
        actions = accessible.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        matching = [i for i, n in enumerate(names) if n.lower() == action.lower()]
        if not matching:
            raise Failure(f"{describe(accessible)} has no action {action!r} (it has {names})")
        self.bus.call(accessible.app.bus_name, accessible.path, "org.a11y.atspi.Action", "DoAction",
                      GLib.Variant("(i)", (matching[0],)), None, Gio.DBusCallFlags.NONE, 10000, None, None)


def describe(accessible):
    try:
        return f"{accessible.getRoleName()} {accessible.name!r}"
    except GLib.GError:
        return "(gone)"


def showing(accessible):
    try:
        return accessible.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.GError:
        return False


def enabled(accessible):
    try:
        return accessible is not None and accessible.getState().contains(pyatspi.STATE_ENABLED)
    except GLib.GError:
        return False


def descendants(accessible, depth=8):
    """The element's descendants, breadth first, down to a depth."""
    level = [accessible]
    for _ in range(depth):
        following = []
        for a in level:
            try:
                count = a.childCount
            except GLib.GError:
                continue
            for i in range(count):
                try:
                    child = a.getChildAtIndex(i)
                except GLib.GError:
                    continue
                if child is not None:
                    yield child
                    following.append(child)
        level = following


def find(accessible, wanted_role, name=None, depth=8):
    for a in descendants(accessible, depth):
        try:
            if a.getRole() == wanted_role and (name is None or a.name == name):
                return a
        except GLib.GError:
            continue
    return None


def texts(window):
    """The names of the labels of a window: a message box's text."""
    found = []
    for a in descendants(window, 4):
        try:
            if a.getRole() == pyatspi.ROLE_LABEL and a.name:
                found.append(a.name)
        except GLib.GError:
            continue
    return found


def windows(app):
    """The program's top-level windows now on the screen."""
    shown = []
    try:
        count = app.childCount
    except GLib.GError:
        return shown
    for i in range(count):
        try:
            w = app.getChildAtIndex(i)
        except GLib.GError:
            continue
        if w is not None and showing(w):
            shown.append(w)
    return shown


def is_main_window(window):
    return find(window, pyatspi.ROLE_PUSH_BUTTON, "Generate", depth=4) is not None


def is_start_up_window(window):
    return find(window, pyatspi.ROLE_LABEL, "ROTAPLAN", depth=3) is not None


def name(accessible):
    """The element's name; empty once it is gone."""
    try:
        return accessible.name or ""
    except GLib.GError:
        return ""


def role(accessible):
    """The element's role; none once it is gone."""
    try:
        return accessible.getRole()
    except GLib.GError:
        return None


def dialogs(app):
    return [w for w in windows(app) if role(w) in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)]


# ---- the program -------------------------------------------------------------------------------------------


def month_file_prefix(app_folder):
    """MMYY of the month in settings/month.dat (month and year, two little-endian 16-bit numbers)."""
    with open(os.path.join(app_folder, "settings", "month.dat"), "rb") as f:
        month, year = struct.unpack("<hh", f.read(4))
    return f"{month:02d}{year % 100:02d}"


def calendar_files(app_folder, prefix):
    return sorted(os.path.basename(p) for p in glob.glob(os.path.join(app_folder, prefix + ".*")))


def install(cmake, build_dir, prefix):
    subprocess.run([cmake, "--install", build_dir, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL)
    for program in ("rotaplan", "rotaplan-cli"):
        if not os.access(os.path.join(prefix, "bin", program), os.X_OK):
            raise Failure(f"cmake --install did not install bin/{program}")
    for resource in ("settings/DefaultSettings.dat", "settings/month.dat", "help/NEWUSER.txt",
                     "Examples/OneOffice.mdb"):
        if not os.path.exists(os.path.join(prefix, "share", "rotaplan", resource)):
            raise Failure(f"cmake --install did not install share/rotaplan/{resource}")


def check_no_path_inside(program, paths):
    with open(program, "rb") as f:
        data = f.read()
    for p in paths:
        if p.encode() in data:
            raise Failure(f"{program} holds the path {p}")


def hiding_command(hidden):
    """A command prefix that starts the program with the given folders replaced by empty ones, in a mount
    namespace of its own; none when this user may not make one."""
    if not hidden or os.geteuid() != 0 or shutil.which("unshare") is None:
        return []
    probe = subprocess.run(["unshare", "--mount", "true"], stderr=subprocess.DEVNULL)
    if probe.returncode != 0:
        return []
    mounts = " && ".join(f'mount -t tmpfs rotaplan-hidden "${i + 1}"' for i in range(len(hidden)))
    return ["unshare", "--mount", "--", "sh", "-c", f'{mounts} && shift {len(hidden)} && exec "$@"',
            "hide"] + hidden


def x_window(pid, window):
    """The X window of one of the program's windows, found by its size."""
    extents = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    found = subprocess.run(["xdotool", "search", "--pid", str(pid)], capture_output=True, text=True)
    for x_id in found.stdout.split():
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", x_id], capture_output=True,
                                  text=True).stdout
        values = dict(line.split("=", 1) for line in geometry.splitlines() if "=" in line)
        if values.get("WIDTH") == str(extents.width) and values.get("HEIGHT") == str(extents.height):
            return x_id
    raise Failure(f"no X window of {extents.width}x{extents.height} among the program's {found.stdout.split()}")


def visible_x_windows(pid):
    """The program's X windows now on the screen."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], capture_output=True,
                           text=True)
    return found.stdout.split()


def x_properties(x_id):
    """WM_CLASS, and the sizes of the images of _NET_WM_ICON."""
    props = {}
    shown = subprocess.run(["xprop", "-id", x_id, "WM_CLASS"], capture_output=True, text=True).stdout
    if " = " in shown:
        props["WM_CLASS"] = shown.split(" = ", 1)[1].strip()
    shown = subprocess.run(["xprop", "-id", x_id, "-notype", "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON"],
                           capture_output=True, text=True).stdout
    if " = " in shown:
        # Each image: width, height, then width * height pixels.
        values = [int(v) for v in shown.split(" = ", 1)[1].split(",")]
        sizes = []
        i = 0
        while i + 1 < len(values):
            sizes.append(f"{values[i]}x{values[i + 1]}")
            i += 2 + values[i] * values[i + 1]
        props["_NET_WM_ICON"] = sizes
    return props


def run(args):
    accessibility = Accessibility()
    home = tempfile.mkdtemp(prefix="rotaplan-gui-home-")
    prefix = None
    program = args.program
    wrapper = []
    try:
        if args.install_from:
            prefix = tempfile.mkdtemp(prefix="rotaplan-gui-prefix-")
            install(args.cmake, args.install_from, prefix)
            program = os.path.join(prefix, "bin", "rotaplan")
            for p in ("rotaplan", "rotaplan-cli"):
                check_no_path_inside(os.path.join(prefix, "bin", p), args.hide)
            wrapper = hiding_command([h for h in args.hide if os.path.isdir(h)])
            log(f"installed into {prefix}; build tree's resources "
                + ("hidden from the program" if wrapper else "out of its reach (not compiled in)"))

        env = dict(os.environ)
        for name in ("XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"):
            env.pop(name, None)
        env.update({
            "HOME": home,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            # A sanitizer build: the X, D-Bus and font libraries keep memory to the end of the process,
            # which the leak check would report as the program's own.
            "ASAN_OPTIONS": ":".join(o for o in (os.environ.get("ASAN_OPTIONS"), "detect_leaks=0") if o),
        })
        app_folder = os.path.join(home, ".local", "share", "Rotaplan")
        output = open(os.path.join(home, "program-output.txt"), "w")
        started = time.monotonic()
        proc = subprocess.Popen(wrapper + [program], env=env, stdout=output, stderr=subprocess.STDOUT)
        try:
            drive(accessibility, proc, started, app_folder, args)
        except BaseException:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            output.close()
            with open(os.path.join(home, "program-output.txt")) as f:
                log("---- the program printed ----\n" + f.read())
            raise
        output.close()
    finally:
        shutil.rmtree(home, ignore_errors=True)
        if prefix:
            shutil.rmtree(prefix, ignore_errors=True)


def drive(accessibility, proc, started, app_folder, args):
    def ms(t):
        return round((t - started) * 1000)

    def alive():
        if proc.poll() is not None:
            raise Failure(f"the program ended (exit status {proc.returncode})")
        return True

    # Start-up: the start-up window, then after its 5000 ms the main window. When each is put on the screen
    # is read from the X server; the main window is then recognised through the accessibility bus.
    first_seen = {}

    def two_windows_shown():
        alive()
        now = time.monotonic()
        for x_id in visible_x_windows(proc.pid):
            first_seen.setdefault(x_id, now)
        return len(first_seen) >= 2

    wait_for("the start-up window and the window after it", two_windows_shown, 30, interval=0.005)
    app = wait_for("the program on the accessibility bus",
                   lambda: alive() and accessibility.application(proc.pid), 30)
    main = wait_for("the main window", lambda: alive() and [w for w in windows(app) if is_main_window(w)],
                    30)[0]
    main_x = x_window(proc.pid, main)
    start_up = [t for x_id, t in first_seen.items() if x_id != main_x]
    if main_x not in first_seen or not start_up:
        raise Failure("the main window was not the window shown after the start-up window")
    after = round((first_seen[main_x] - min(start_up)) * 1000)
    log(f"start-up: the start-up window was shown {ms(min(start_up))} ms after the program started, the "
        f"main window {after} ms after it: {after - START_UP_WINDOW_MS} ms beyond the start-up window's "
        f"{START_UP_WINDOW_MS} ms ({ms(first_seen[main_x])} ms after the program started)")

    # A desktop's window manager gives a new window the keyboard focus; on a bare X server the test does.
    subprocess.run(["xdotool", "windowfocus", "--sync", main_x], check=True, timeout=10)
    props = x_properties(main_x)
    log(f"main window: WM_CLASS {props.get('WM_CLASS')}; icon sizes {props.get('_NET_WM_ICON')}")
    if args.require_icon and "_NET_WM_ICON" not in props:
        raise Failure("the main window has no icon")

    # The first start shows the instructions once.
    welcome = wait_for("the first-run instructions", lambda: alive() and [
        d for d in dialogs(app) if "Welcome" in name(d) and find(d, pyatspi.ROLE_PUSH_BUTTON, "OK", 3)], 15)[0]
    log(f"first-run instructions: {welcome.name.strip()!r}")
    accessibility.press(find(welcome, pyatspi.ROLE_PUSH_BUTTON, "OK", 3))
    wait_for("the instructions to close", lambda: alive() and not dialogs(app), 10)

    # Generate, answering whatever the program says with its first button.
    prefix = month_file_prefix(app_folder)
    if enabled(find(main, pyatspi.ROLE_PUSH_BUTTON, "Report", 4)):
        raise Failure("Report is on before there is a schedule")
    accessibility.press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Generate", 4))
    pressed = time.monotonic()
    answered = set()

    def generated():
        alive()
        for d in dialogs(app):
            if d.path in answered:
                continue
            button = find(d, pyatspi.ROLE_PUSH_BUTTON, None, 3)
            log(f"message: {name(d)!r} {texts(d)} -> {name(button) if button else None!r}")
            if button is None:
                raise Failure(f"the message {name(d)!r} has no button")
            answered.add(d.path)
            accessibility.press(button)
            return None
        # Generation has ended when Report, off until there is a schedule, is on.
        files = calendar_files(app_folder, prefix)
        if files and not dialogs(app) and enabled(find(main, pyatspi.ROLE_PUSH_BUTTON, "Report", 4)):
            return files, name(find(main, pyatspi.ROLE_LABEL, None, 3))
        return None

    files, heading = wait_for(f"the calendar files {prefix}.*", generated, 40, interval=0.05)
    log(f"generated in {round((time.monotonic() - pressed) * 1000)} ms: {files}; heading {heading!r}")
    if f"{prefix}.1" not in files:
        raise Failure(f"no calendar file {prefix}.1 among {files}")

    # The program still answers: its window is there and tells its state.
    alive()
    if not showing(main) or find(main, pyatspi.ROLE_PUSH_BUTTON, "Generate", 4) is None:
        raise Failure("the main window does not answer after Generate")
    if args.screenshot and shutil.which("import"):
        subprocess.run(["import", "-window", "root", args.screenshot], check=False)
        log(f"screenshot: {args.screenshot}")

    # File | Exit asks about a backup, then whether to leave.
    file_menu = find(main, pyatspi.ROLE_MENU, "File", 4) or find(main, pyatspi.ROLE_MENU_ITEM, "File", 4)
    if file_menu is None:
        raise Failure("the main window has no File menu")
    exit_item = find(file_menu, pyatspi.ROLE_MENU_ITEM, "Exit", 3)
    if exit_item is None:
        raise Failure("the File menu has no Exit")
    accessibility.press(exit_item)
    asked = []
    for title, text, answer in (("Backup?", None, "No"), ("Exit", "Leaving Rotaplan", "OK")):
        def question():
            alive()
            for d in dialogs(app):
                if name(d) == title and (text is None or text in texts(d)):
                    return d
            return None

        box = wait_for(f"the message {title!r}", question, 15)
        asked.append((box.name, texts(box)))
        accessibility.press(find(box, pyatspi.ROLE_PUSH_BUTTON, answer, 3))
        wait_for(f"the message {title!r} to close", lambda: proc.poll() is not None or box.path not in
                 [d.path for d in dialogs(app)], 10)
    log(f"asked at exit: {asked}")

    try:
        status = proc.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end after File | Exit")
    if status != 0:
        raise Failure(f"the program ended with exit status {status}")
    left = calendar_files(app_folder, prefix)
    if left:
        raise Failure(f"the calendar files {left} were not deleted at exit")
    log(f"ended with status 0 after {ms(time.monotonic())} ms in all")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", help="the program to start")
    parser.add_argument("--install-from", help="a build tree to install (cmake --install) and start from")
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--hide", action="append", default=[],
                        help="a folder the installed program must not reach (checked, and hidden where possible)")
    parser.add_argument("--require-icon", action="store_true", help="the main window must have an icon")
    parser.add_argument("--screenshot", help="a PNG of the screen after Generate (needs ImageMagick's import)")
    args = parser.parse_args()
    if not args.program and not args.install_from:
        parser.error("--program or --install-from is needed")
    try:
        run(args)
    except Failure as e:
        log(f"FAILED: {e}")
        return 1
    log("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
