#!/usr/bin/python3
"""Runs the soak (a Windows program under Wine) and makes its input as real
X input through the XTest extension, as a player's mouse and keyboard would:
Wine's own injected input (SendInput) is now and then lost, or lands where
the X pointer still was.

    x_input.py COMMAND...

The soak asks on its standard output with one line per input:
    @x move X Y          the pointer to screen point X Y
    @x down|up B X Y     the pointer there, then button B pressed or let go
    @x keydown|keyup K   key K (an X key name: Return, Alt_L, a...)
    @x type TEXT         the text typed (xdotool: it maps characters the
                         keyboard lacks to a spare key)
    @x focus XID         the X keyboard focus on X window XID: the window of
                         the Windows window that is to take the keys
    @x which-focus       answers "ok XID NAME" of the window holding the X focus
    @x shot NAME         a screenshot, NAME.png in $BRELIX_SOAK_SHOTS (or here)
    @x hello             nothing: whether the helper is there
The answer on its standard input is "ok" (and what was asked for) once the
X server has taken the input (a round trip after it), or "failed WHY". Every other line of its
output is passed on, without the carriage returns of Windows' text mode.
"""

import os
import subprocess
import sys

from Xlib import X, XK, display, error
from Xlib.ext import xtest

REQUEST = "@x "


class Input:
    def __init__(self):
        self.display = display.Display()

    def keycode(self, name):
        code = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        if not code:
            raise ValueError("no key " + name)
        return code

    def focus(self, xid):
        # Under Wine's virtual desktop the X server hands a key to the focus
        # window, or to the program window under the pointer; Wine then queues
        # it to the thread of the window that took it. Keys that land on the
        # desktop window itself go to the desktop's thread, which has no focus,
        # and are dropped after Wine's key state has seen them. So the focus
        # goes to the window meant, never to the desktop.
        refused = error.CatchError()
        self.display.create_resource_object("window", xid).set_input_focus(
            X.RevertToParent, X.CurrentTime, onerror=refused)
        self.display.sync()
        if refused.get_error():  # gone, or not mapped yet
            raise ValueError("X window %d refused the focus: %s" % (xid, refused.get_error()))

    def which_focus(self):
        window = self.display.get_input_focus().focus
        if isinstance(window, int):
            return "%d (%s)" % (window, {0: "none", 1: "pointer root"}.get(window, "?"))
        name = window.get_wm_name()
        if isinstance(name, bytes):
            name = name.decode("utf-8", "replace")
        return "%d '%s'" % (window.id, name or "")

    def perform(self, words):
        verb = words[0]
        if verb == "hello":
            return
        if verb == "focus":
            self.focus(int(words[1]))
            return
        if verb == "which-focus":
            return self.which_focus()
        if verb == "shot":
            path = os.path.join(os.environ.get("BRELIX_SOAK_SHOTS", "."), words[1] + ".png")
            subprocess.run(["import", "-window", "root", path], stdin=subprocess.DEVNULL, timeout=20, check=True)
            print("screenshot: " + os.path.abspath(path), flush=True)
            return
        if verb == "type":
            rc = subprocess.run(["xdotool", "type", "--delay", "0", "--", " ".join(words[1:])],
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, timeout=20).returncode
            if rc:
                raise ValueError("xdotool type: %d" % rc)
            return
        if verb == "move":
            xtest.fake_input(self.display, X.MotionNotify, x=int(words[1]), y=int(words[2]))
        elif verb in ("down", "up"):
            xtest.fake_input(self.display, X.MotionNotify, x=int(words[2]), y=int(words[3]))
            xtest.fake_input(self.display, X.ButtonPress if verb == "down" else X.ButtonRelease, int(words[1]))
        elif verb in ("keydown", "keyup"):
            xtest.fake_input(self.display, X.KeyPress if verb == "keydown" else X.KeyRelease,
                             self.keycode(words[1]))
        else:
            raise ValueError("unknown request " + verb)
        self.display.sync()


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    x = Input()
    soak = subprocess.Popen(sys.argv[1:], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    out = sys.stdout.buffer
    for raw in soak.stdout:
        line = raw.decode("utf-8", "replace").rstrip("\r\n")
        if not line.startswith(REQUEST):
            out.write(line.encode("utf-8") + b"\n")
            out.flush()
            continue
        try:
            said = x.perform(line[len(REQUEST):].split(" "))
            answer = ("ok %s\n" % said if said else "ok\n").encode("utf-8", "replace")
        except Exception as error:  # told to the soak, which reports it
            answer = ("failed %s\n" % error).encode("utf-8", "replace")
        try:
            soak.stdin.write(answer)
            soak.stdin.flush()
        except BrokenPipeError:
            break
    return soak.wait()


if __name__ == "__main__":
    sys.exit(main())
