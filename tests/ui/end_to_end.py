#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The real main window under Xvfb, driven over AT-SPI as a screen reader would:
a label given on the command line opens, menu items are chosen by name, the
label is saved under a new name through the save dialog, and the saved file is
read back by printing it from the command line.

Exit status 77 (skipped) when Xvfb or pyatspi is missing."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(why):
    print("SKIPPED: " + why)
    sys.exit(SKIP)


def start_xvfb(xvfb, procs):
    """A display of our own: the first free number from one the process id picks."""
    for n in range(40):
        number = 300 + (os.getpid() + n * 7) % 600
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        proc = subprocess.Popen([xvfb, ":%d" % number, "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(50):
            if proc.poll() is not None or os.path.exists("/tmp/.X11-unix/X%d" % number):
                break
            time.sleep(0.1)
        if proc.poll() is None and os.path.exists("/tmp/.X11-unix/X%d" % number):
            procs.append(proc)
            return str(number)
        if proc.poll() is None:
            proc.kill()
    return None


def main():
    if len(sys.argv) < 3:
        print("usage: end_to_end.py ZENTAPRINT SAMPLE_LABEL")
        return 2
    program, sample = sys.argv[1], sys.argv[2]
    xvfb = shutil.which("Xvfb")
    launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                     if os.path.exists(p)), None)
    if not xvfb:
        skip("Xvfb is not installed (package xvfb)")
    if not launcher or not shutil.which("dbus-daemon"):
        skip("at-spi-bus-launcher or dbus-daemon is missing (packages at-spi2-core, dbus-daemon)")

    work = tempfile.mkdtemp(prefix="zp-e2e-")
    procs = []
    try:
        env = dict(os.environ)
        for var in ("AT_SPI_BUS_ADDRESS", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"):
            env.pop(var, None)
        env["HOME"] = work
        env["XDG_CONFIG_HOME"] = os.path.join(work, "config")
        env["XDG_DATA_HOME"] = os.path.join(work, "data")
        env["XDG_STATE_HOME"] = os.path.join(work, "state")
        env["XDG_RUNTIME_DIR"] = os.path.join(work, "run")
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)

        display = start_xvfb(xvfb, procs)
        if not display:
            skip("Xvfb did not start")

        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                               env=env, text=True)
        procs.append(bus)
        env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        # The accessibility bus is started on the session bus without DISPLAY,
        # before the program, so the program finds it there.
        procs.append(subprocess.Popen([launcher, "--launch-immediately"], env=env, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL))
        time.sleep(1.0)

        os.environ.clear()
        os.environ.update(env)
        try:
            import pyatspi  # noqa: E402 (connects to the bus named in the environment)
        except ImportError:
            skip("python3-pyatspi is not installed")

        label = os.path.join(work, "label.zp3")
        shutil.copy(sample, label)
        for name in ("sample.db",):
            src = os.path.join(os.path.dirname(sample), name)
            if os.path.exists(src):
                shutil.copy(src, work)
        app_env = dict(env, DISPLAY=":" + display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        log = open(os.path.join(work, "program.log"), "w")
        program_proc = subprocess.Popen([program, label], env=app_env, stdout=log, stderr=log)
        procs.append(program_proc)

        def find(root, pred, depth=0):
            if root is None or depth > 25:
                return None
            try:
                if pred(root):
                    return root
                for i in range(root.childCount):
                    hit = find(root.getChildAtIndex(i), pred, depth + 1)
                    if hit is not None:
                        return hit
            except Exception:
                return None
            return None

        def wait_for(what, fn, timeout=20):
            end = time.time() + timeout
            while time.time() < end:
                hit = fn()
                if hit is not None:
                    return hit
                time.sleep(0.25)
            raise AssertionError("not found: " + what)

        def app():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                a = desktop.getChildAtIndex(i)
                if a is not None and a.name and "zentaprint" in a.name.lower():
                    return a
            return None

        def named(root, name, role=None):
            return find(root, lambda n: n.name == name and (role is None or n.getRole() == role))

        def do_action(node, index):
            # A command that opens a modal dialog answers only when the dialog
            # closes; the dialog is usable meanwhile.
            try:
                node.queryAction().doAction(index)
            except Exception as e:  # GLib.Error: no reply within the timeout
                if "reply" not in str(e):
                    raise

        def choose(*path):
            """Chooses a menu item by its menu path, as the names read aloud."""
            a = wait_for("the program", app)
            node = a
            for step in path:
                node = wait_for(step, lambda: named(node, step))
            action = node.queryAction()
            for i in range(action.nActions):
                if action.getName(i) in ("click", "press", "Press", "toggle", "activate"):
                    do_action(node, i)
                    return
            do_action(node, 0)

        pyatspi.setTimeout(3000, 30000)
        a = wait_for("the program on the accessibility bus", app, timeout=30)
        wait_for("the window titled after the label",
                 lambda: find(a, lambda n: n.getRole() == pyatspi.ROLE_FRAME and n.name == "label - Zentaprint"))

        choose("View", "Zoom", "200%")
        def zoom_panel_says_200():
            return find(a, lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.description == "Zoom" and
                        n.name == "200%")
        wait_for("zoom 200% in the status bar", zoom_panel_says_200)

        saved = os.path.join(work, "copy.zp3")
        choose("File", "Save As...")
        dialog = wait_for("the save dialog", lambda: find(a, lambda n: n.getRole() == pyatspi.ROLE_DIALOG))
        field = wait_for("the file name field", lambda: find(
            dialog, lambda n: n.getRole() == pyatspi.ROLE_TEXT and "editable" in
            [s for s in map(str, n.getState().getStates())].__str__().lower()))
        text = field.queryEditableText()
        text.setTextContents(saved)
        button = wait_for("the Save button", lambda: find(
            dialog, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name in ("Save", "&Save")))
        do_action(button, 0)
        wait_for("the window titled after the saved file",
                 lambda: find(a, lambda n: n.getRole() == pyatspi.ROLE_FRAME and n.name == "copy - Zentaprint"))
        wait_for("the saved file", lambda: True if os.path.exists(saved) else None)

        choose("File", "Exit")
        program_proc.wait(timeout=20)

        # Read back: the saved label prints from the command line like the original.
        shutil.copy(saved, os.path.join(work, "check.zp3"))
        pdf = os.path.join(work, "check.pdf")
        headless = dict(env)
        result = subprocess.run([program, os.path.join(work, "check.zp3"), "-P", "-O=" + pdf], env=headless,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=120)
        if result.returncode != 0 or not os.path.exists(pdf):
            print(result.stdout)
            raise AssertionError("the saved label does not print")
        with open(os.path.join(env["XDG_CONFIG_HOME"], "Orvelle", "Zentaprint 3.0.ini")) as f:
            settings = f.read()
        if "copy.zp3" not in settings:
            raise AssertionError("the saved label is not among the recent files")
        print("end-to-end: opened, zoomed, saved as copy.zp3 and printed it back")
        return 0
    except AssertionError as e:
        print("FAILED: %s" % e)
        try:
            def dump(n, depth=0):
                if n is None or depth > 3:
                    return
                print("  " * depth + "%s %r" % (n.getRoleName(), n.name))
                for i in range(min(n.childCount, 30)):
                    dump(n.getChildAtIndex(i), depth + 1)
            dump(app())
        except Exception as dump_error:  # the tree itself may be gone
            print("no tree: %s" % dump_error)
        try:
            print(open(os.path.join(work, "program.log")).read())
        except OSError:
            pass
        return 1
    finally:
        for p in reversed(procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
