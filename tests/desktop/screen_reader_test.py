#!/usr/bin/python3
"""Reads the running program as a screen reader does, over the accessibility bus.

Usage: screen_reader_test.py PROGRAM CASE, CASE being "windows" (every window's roles and names,
the credits text, no internal name anywhere, and as the X server has them, every window's class
and icons) or "keyboard" (Space on "Rate Me", a tick, Space again). Starts its own Xvfb, session
bus and accessibility bus, so that nothing of the caller's desktop is read or touched.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

CREDITS = (
    "Thank you for using free software from Pellowick\n"
    "\n"
    "If you enjoy this software, please share  it with others. If you would like to see more software like "
    "this, please let us know if you enjoyed it and suggest other topics of interest. \n"
    "\n"
    "Our copyright is only for the implementation of these ideas, not the concepts. Credit for these "
    "concepts go to the original creators. We also take liberty to make enhancements and additions to "
    "increase enjoyment and add variety.\n"
    "\n"
    "If you would like to support the author, contributions of any size are welcome.")

# A control's internal name: one word with an underscore, a digit or a capital inside it.
INTERNAL = re.compile(r"^\S*(_|\d|[a-z][A-Z])\S*$")

# The sizes task bars and switchers ask for, which the program draws its icon at.
ICON_SIDES = {16, 22, 24, 32, 48, 64}
ENTRY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "program", "desktop",
                     "com.pellowick.Kelvory.desktop.in")

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def start_desktop_and_rerun():
    """Starts a private Xvfb, then this script again inside a private session bus."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display_out:
        display = display_out.readline().strip()
    try:
        env = dict(os.environ, DISPLAY=":" + display, KELVORY_DESKTOP_INNER="1")
        # A process group of its own: the buses, and what they started on demand, end with the
        # run, even when it hangs.
        inner = subprocess.Popen(["dbus-run-session", "--", sys.executable] + sys.argv, env=env,
                                 start_new_session=True)
        try:
            return inner.wait(timeout=150)
        except subprocess.TimeoutExpired:
            print("FAIL the case within 150 s", flush=True)
            return 1
        finally:
            try:
                os.killpg(inner.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            inner.wait()
    finally:
        xvfb.terminate()
        xvfb.wait()


class Program:
    """The program started from a copy of its bundle, with a URL opener that records."""

    def __init__(self, executable, scratch):
        bundle = os.path.dirname(os.path.dirname(executable))
        copy = os.path.join(scratch, "Kelvory")
        shutil.copytree(bundle, copy)
        executable = os.path.join(copy, "bin", os.path.basename(executable))
        self.opened = os.path.join(scratch, "opened")
        opener_dir = os.path.join(scratch, "bin")
        os.mkdir(opener_dir)
        with open(os.path.join(opener_dir, "xdg-open"), "w") as opener:
            opener.write(f'#!/bin/sh\necho "$1" >> "{self.opened}"\n')
        os.chmod(os.path.join(opener_dir, "xdg-open"), 0o755)
        runtime = os.path.join(scratch, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=runtime,
                   PATH=opener_dir + ":" + os.environ["PATH"])
        env.pop("QT_QPA_PLATFORM", None)
        self.process = subprocess.Popen([executable], env=env, cwd=scratch)

    def urls_opened(self):
        if not os.path.exists(self.opened):
            return []
        with open(self.opened) as log:
            return log.read().split()


def x_windows(title):
    """The class and icon sides of each X window with this title, shown or hidden, as read from the X
    server (Qt's own hidden helper windows may share the application's name)."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    found = []
    for window in re.findall(r'^\s*(0x[0-9a-f]+) "' + re.escape(title) + '":', tree, re.M):
        props = subprocess.run(["xprop", "-id", window, "WM_CLASS", "_NET_WM_ICON"], capture_output=True,
                               text=True).stdout
        wm_class = re.search(r'^WM_CLASS\(STRING\) = "[^"]*", "([^"]*)"$', props, re.M)
        sides = sorted(int(w) for w, h in re.findall(r"Icon \((\d+) x (\d+)\)", props) if w == h)
        found.append((wm_class.group(1) if wm_class else None, sides))
    return found


def wait_for(what, probe, timeout=20.0):
    from gi.repository import GLib
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # a node that went away while being read
            found = None
        # What was announced before the probe's answer reaches its listeners before we go on.
        while GLib.MainContext.default().iteration(False):
            pass
        if found:
            return found
        time.sleep(0.5)
    check(False, f"{what} within {timeout:.0f} s")
    return None


def main(executable, case):
    import pyatspi
    from gi.repository import Atspi

    # Nothing kept from an earlier read: windows come and go while the events that would tell a
    # cache so are not listened to here.
    pyatspi.Registry.getDesktop(0).set_cache_mask(Atspi.Cache.NONE)

    def nodes(node):
        yield node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from nodes(child)

    def application(pid):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    def showing_window(app, role, name):
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if (window is not None and window.getRoleName() == role and window.name == name
                    and window.getState().contains(pyatspi.STATE_SHOWING)):
                return window
        return None

    def controls(window):
        """role, name of every control of a window, in the tree's order, the window excluded."""
        return [(n.getRoleName(), n.name) for n in nodes(window)
                if n is not window and n.getRoleName() in ("push button", "label", "image")]

    def control(window, role, name):
        return next((n for n in nodes(window) if n.getRoleName() == role and n.name == name), None)

    def has(node, state):
        return node.getState().contains(state)

    def no_internal_names(app):
        internal = [(n.getRoleName(), n.name) for n in nodes(app) if INTERNAL.match(n.name or "")]
        check(not internal, f"no internal name in the tree (found {internal})")

    def press(node):
        node.queryAction().doAction(0)

    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    # A rating disables Rate Me only until the next tick, which may follow at once: what happens
    # meanwhile is counted as it is announced, not read from a state that may have passed. Listened
    # to before the program starts, so that it announces it from the start.
    disables, focus_gains = [], []

    def announced(event):
        try:
            role, name = event.source.getRoleName(), event.source.name
        except Exception:  # a node that went away since
            return
        if event.type == "object:state-changed:enabled" and not event.detail1 and name == "Rate Me":
            disables.append(name)
        elif event.type == "object:state-changed:focused" and event.detail1:
            focus_gains.append((role, name))

    pyatspi.Registry.registerEventListener(announced, "object:state-changed:enabled", "object:state-changed:focused")
    scratch = tempfile.mkdtemp(prefix="kelvory-desktop-")
    program = Program(executable, scratch)
    try:
        app = wait_for("the program on the accessibility bus", lambda: application(program.process.pid))
        if app is None:
            return
        rating = wait_for("the rating window, a frame named by its title",
                          lambda: showing_window(app, "frame", "Kelvory 1.0"), timeout=40)
        if rating is None:
            return
        rate_me = control(rating, "push button", "Rate Me")
        if case == "windows":
            intro = next((app.getChildAtIndex(i) for i in range(app.childCount)
                          if app.getChildAtIndex(i).name == "A Pellowick Production"), None)
            check(intro is not None and intro.getRoleName() == "frame", "the intro window is a frame")
            check(controls(rating) == [
                ("push button", "Rate Me"),
                ("label", 'Let me rate your sex appeal. Click the "Rate Me" button below.'),
                ("label", ""),
                ("image", "A man meditating on a cushion"),
                ("label", "Copyright © 2021 Pellowick. All rights reserved."),
                ("push button", "Visit Website"),
                ("push button", "Quit"),
                ("image", "Hotness meter, its needle in the hot zone"),
                ("label", "Hotness Meter"),
                ("image", "A flame asking: How hot?"),
            ], f"the rating window's controls: {controls(rating)}")
            no_internal_names(app)
            press(control(rating, "push button", "Quit"))
            credits = wait_for("the credits window, a frame named by its title",
                               lambda: showing_window(app, "frame", "Credits"))
            if credits is None:
                return
            check(controls(credits) == [
                ("label", CREDITS),
                ("image", "Pellowick logo"),
                ("push button", "Visit Our Website"),
                ("push button", "Exit"),
                ("push button", "Contact Us Now"),
            ], f"the credits window's controls: {controls(credits)}")
            text = control(credits, "label", CREDITS)
            check(text is not None and text.queryText().getText(0, -1) == CREDITS,
                  "the credits text reads exactly as shown through the text interface")
            no_internal_names(app)
            press(control(credits, "push button", "Exit"))
            alert = wait_for("the farewell box", lambda: next(
                (n for n in nodes(app) if n.getRoleName() == "alert"), None))
            if alert is not None:
                no_internal_names(app)
                # Tied to the desktop entry by their class, and shown with the program's icon.
                with open(ENTRY) as entry:
                    entry_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.M).group(1)
                for title in ("A Pellowick Production", "Kelvory 1.0", "Credits", "Kelvory"):
                    seen = x_windows(title)
                    check(any(c == entry_class and ICON_SIDES <= set(sides) for c, sides in seen),
                          f"the X window {title!r} has the class {entry_class!r} and icons of "
                          f"{sorted(ICON_SIDES)} px (class, sides: {seen})")
                press(control(alert, "push button", "OK"))
                check(program.process.wait(timeout=20) == 0, "the program ends with status 0")
        elif case == "keyboard":
            verdict = control(rating, "label", "")
            wait_for("Rate Me with the keyboard focus", lambda: has(rate_me, pyatspi.STATE_FOCUSED))
            for press_number in (1, 2):
                focus_gains.clear()
                pyatspi.Registry.generateKeyboardEvent(0x20, None, pyatspi.KEY_SYM)  # Space
                wait_for(f"Space {press_number} rates", lambda: len(disables) >= press_number)
                check(verdict.name != "", f"Space {press_number} shows a verdict ({verdict.name!r})")
                wait_for("the tick brings Rate Me back with the focus",
                         lambda: has(rate_me, pyatspi.STATE_ENABLED) and has(rate_me, pyatspi.STATE_FOCUSED))
                taken = [name for role, name in focus_gains if role != "frame" and name != "Rate Me"]
                check(taken == [], f"no other control took the focus meanwhile (took it: {taken})")
            # A page opened by Space would be recorded before one opened on purpose afterwards.
            press(control(rating, "push button", "Quit"))
            credits = wait_for("the credits window", lambda: showing_window(app, "frame", "Credits"))
            if credits is None:
                return
            press(control(credits, "push button", "Contact Us Now"))
            wait_for("Contact Us Now recorded by the opener",
                     lambda: any(url.endswith("/write-us-now") for url in program.urls_opened()))
            check(len(program.urls_opened()) == 1, f"no page opened by Space ({program.urls_opened()})")
        else:
            check(False, f"known case {case!r}")
    finally:
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()
        bus.terminate()
        bus.wait()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    if not os.environ.get("KELVORY_DESKTOP_INNER"):
        sys.exit(start_desktop_and_rerun())
    main(os.path.abspath(sys.argv[1]), sys.argv[2])
    sys.exit(1 if failures else 0)
