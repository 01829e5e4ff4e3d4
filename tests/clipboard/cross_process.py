#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Pasting what another process put on the X clipboard, in the real program
under Xvfb: xclip offers a text, then label objects (the private format, from
a fixture), then a PNG; after each the program's Edit > Paste is chosen over
the accessibility bus. The label is saved through Save As and the saved file
is checked for the pasted objects, then printed back from the command line.

Exit status 77 (skipped) when Xvfb, xclip or pyatspi is missing."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SKIP = 77
OBJECTS_TYPE = "application/x-zentaprint-objects"
PASTED_TEXT = "Cross-process text 4711"


def skip(why):
    print("SKIPPED: " + why)
    sys.exit(SKIP)


def png(width, height, rgb):
    """A small opaque PNG of one colour, written without any image library."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = b"".join(b"\0" + bytes(rgb) * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def start_xvfb(xvfb, procs):
    """A display of our own: the first free number from one the process id picks."""
    for n in range(40):
        number = 300 + (os.getpid() + n * 11) % 600
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
            return ":%d" % number
        if proc.poll() is None:
            proc.kill()
    return None


def main():
    if len(sys.argv) < 3:
        print("usage: cross_process.py ZENTAPRINT OBJECTS_FIXTURE")
        return 2
    program, objects_fixture = sys.argv[1], sys.argv[2]
    xvfb, xclip = shutil.which("Xvfb"), shutil.which("xclip")
    launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                     if os.path.exists(p)), None)
    if not xvfb or not xclip:
        skip("Xvfb or xclip is not installed (packages xvfb, xclip)")
    if not launcher or not shutil.which("dbus-daemon"):
        skip("at-spi-bus-launcher or dbus-daemon is missing (packages at-spi2-core, dbus-daemon)")

    work = tempfile.mkdtemp(prefix="zp-clip-")
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
        # The accessibility bus is started without DISPLAY, before the program.
        procs.append(subprocess.Popen([launcher, "--launch-immediately"], env=env, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL))
        time.sleep(1.0)
        os.environ.clear()
        os.environ.update(env)
        try:
            import pyatspi  # noqa: E402 (connects to the bus named in the environment)
        except ImportError:
            skip("python3-pyatspi is not installed")

        x_env = dict(env, DISPLAY=display)
        app_env = dict(x_env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        log = open(os.path.join(work, "program.log"), "w")
        program_proc = subprocess.Popen([program], env=app_env, stdout=log, stderr=log)
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
                if hit:
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

        def do_action(node):
            # A command that opens a modal dialog answers only when it closes.
            try:
                node.queryAction().doAction(0)
            except Exception as e:  # GLib.Error: no reply within the timeout
                if "reply" not in str(e):
                    raise

        def menu_item(menu, name):
            """The menu's item called name, or name followed by more words or dots."""
            return find(wait_for("the program", app), lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM and (
                n.name == name or n.name.startswith(name + " ") or n.name.startswith(name + ".")) and
                n.parent is not None and n.parent.name == menu)

        def enabled(node):
            return node is not None and node.getState().contains(pyatspi.STATE_ENABLED)

        def offer(mime_type, data):
            """xclip owns the clipboard with one type until the next owner takes it."""
            path = os.path.join(work, "offer")
            with open(path, "wb") as f:
                f.write(data)
            subprocess.run([xclip, "-selection", "clipboard", "-t", mime_type, "-i", path], env=x_env, check=True,
                           timeout=10)
            wait_for("xclip offering " + mime_type, lambda: mime_type in subprocess.run(
                [xclip, "-selection", "clipboard", "-t", "TARGETS", "-o"], env=x_env, capture_output=True,
                text=True, timeout=10).stdout)

        def paste_and_expect(undo_caption):
            paste = wait_for("Edit > Paste enabled", lambda: (lambda n: n if enabled(n) else None)(
                menu_item("Edit", "Paste")))
            do_action(paste)
            wait_for("the undo command " + undo_caption,
                     lambda: enabled(menu_item("Edit", "Undo " + undo_caption)))

        pyatspi.setTimeout(3000, 30000)
        a = wait_for("the program on the accessibility bus", app, timeout=30)
        wait_for("the main window", lambda: find(a, lambda n: n.getRole() == pyatspi.ROLE_FRAME))

        # Each paste leaves another undo caption behind, so each is seen to land.
        offer("UTF8_STRING", PASTED_TEXT.encode())
        paste_and_expect("Add Object")
        with open(objects_fixture, "rb") as f:
            offer(OBJECTS_TYPE, f.read())
        paste_and_expect("Paste")
        offer("image/png", png(48, 24, (200, 30, 30)))
        paste_and_expect("Add Object")

        saved = os.path.join(work, "pasted.zp3")
        do_action(menu_item("File", "Save As"))
        dialog = wait_for("the save dialog", lambda: find(a, lambda n: n.getRole() == pyatspi.ROLE_DIALOG))
        field = wait_for("the file name field", lambda: find(
            dialog, lambda n: n.getRole() == pyatspi.ROLE_TEXT and n.getState().contains(pyatspi.STATE_EDITABLE)))
        field.queryEditableText().setTextContents(saved)
        do_action(wait_for("the Save button", lambda: find(
            dialog, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name in ("Save", "&Save"))))
        wait_for("the saved file", lambda: os.path.exists(saved))
        do_action(menu_item("File", "Exit"))
        program_proc.wait(timeout=20)

        # Objects are stored by class name with their strings as UTF-8.
        with open(saved, "rb") as f:
            label = f.read()
        counts = {name: label.count(name.encode()) for name in
                  ("TZpTextObject", "TZpBarcodeObject", "TZpPictureObject")}
        expected = {"TZpTextObject": 2, "TZpBarcodeObject": 1, "TZpPictureObject": 1}
        if counts != expected:
            raise AssertionError("saved objects %s, expected %s" % (counts, expected))
        for text in (PASTED_TEXT, "Pasted from another label", "4006381333931"):
            if text.encode() not in label:
                raise AssertionError("the saved label lacks " + text)

        pdf = os.path.join(work, "pasted.pdf")
        result = subprocess.run([program, saved, "-P", "-O=" + pdf], env=env, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True, timeout=120)
        if result.returncode != 0 or not os.path.exists(pdf):
            print(result.stdout)
            raise AssertionError("the pasted label does not print")
        print("cross-process: pasted a text, label objects and a PNG from xclip, saved and printed them")
        return 0
    except AssertionError as e:
        print("FAILED: %s" % e)
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
