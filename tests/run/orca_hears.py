"""The program as Orca, the screen reader, speaks it to a user of the keyboard alone.

Runs on a private session bus (the caller wraps it in dbus-run-session) and starts the rest
itself: an X server, the accessibility bus, a window manager, speech-dispatcher with its dummy
module, Orca with its debug record in a file, and the program. Keys go in through xdotool as
a user's would; each step waits for what Orca says, read from the lines "SPEECH OUTPUT" of its
record, and fails if Orca does not say it in time. Everything started here is stopped at the end.

    orca_hears.py PROGRAM
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PROGRAM = sys.argv[1]
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{[^{}]*\}$", re.MULTILINE)


class Session:
    def __init__(self, home):
        self.home = home
        self.processes = []
        self.record = os.path.join(home, "orca.out")
        self.read_up_to = 0
        self.env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=os.path.join(home, "runtime"),
                        XDG_CONFIG_HOME=os.path.join(home, "config"),
                        XDG_DATA_HOME=os.path.join(home, "data"),
                        XDG_CACHE_HOME=os.path.join(home, "cache"),
                        BROWSER="/bin/true", LC_ALL="C.UTF-8", LANG="C.UTF-8")
        for key in ("XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"):
            os.makedirs(self.env[key], mode=0o700, exist_ok=True)

    def start(self, *command, **extra_env):
        process = subprocess.Popen(list(command), env=dict(self.env, **extra_env),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        self.processes.append(process)
        return process

    def start_x(self):
        # -noreset: a server resets when its last client leaves, and hangs up on whoever connects
        # meanwhile; the accessibility bus and each look for the window manager come and go.
        read, write = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", "-dpi", "96", "-noreset"], pass_fds=[write], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True))
        os.close(write)
        with os.fdopen(read) as displays:
            number = displays.readline().strip()
        if not number:
            sys.exit("FAIL: the X server did not start")
        self.env["DISPLAY"] = ":" + number

    def wait_for_window_manager(self, within=30):
        # A window mapped before the window manager runs is never made active, and Orca hears
        # nothing of a program without an active window.
        deadline = time.monotonic() + within
        while time.monotonic() < deadline:
            check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                   capture_output=True, text=True)
            if "window id" in check.stdout:
                return
            time.sleep(0.05)
        sys.exit("FAIL: the window manager did not start")

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + 5
        for process in self.processes:
            try:
                process.wait(max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def spoken(self):
        """What Orca has said since the last look, one utterance a line."""
        if not os.path.exists(self.record):
            return []
        with open(self.record, encoding="utf-8", errors="replace") as record:
            record.seek(self.read_up_to)
            text = record.read()
        complete = text.rfind("\n") + 1  # a line still being written waits for the next look
        self.read_up_to += len(text[:complete].encode("utf-8", errors="replace"))
        return [m.group(1) for m in SPOKEN.finditer(text[:complete])]

    def hear(self, *phrases, within=20):
        """Waits until Orca has said each phrase, in this order, since the last step."""
        heard, wanted = [], list(phrases)
        deadline = time.monotonic() + within
        while wanted and time.monotonic() < deadline:
            for utterance in self.spoken():
                heard.append(utterance)
                if wanted and wanted[0] in utterance:
                    wanted.pop(0)
            if wanted:
                time.sleep(0.05)
        if wanted:
            raise AssertionError(f"Orca never said {wanted[0]!r}; it said {heard!r}")
        return heard

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], env=self.env, check=True)

    def press(self, keys, *phrases):
        """Presses keys (as xdotool names them, blank-separated) and waits for what Orca says."""
        self.keys(*keys.split())
        self.hear(*phrases)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=self.env, check=True)


def configure(session):
    # Orca writes its record through a buffer; its customizations, read at start, make it
    # write each line as it comes.
    prefs = os.path.join(session.home, "orca")
    os.makedirs(prefs)
    with open(os.path.join(prefs, "orca-customizations.py"), "w") as custom:
        custom.write("from orca import debug\n"
                     "if debug.debugFile:\n"
                     "    debug.debugFile = open(debug.debugFile.name, 'a', buffering=1)\n")
    speechd = os.path.join(session.home, "speechd")
    os.makedirs(speechd)
    with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n')
    return prefs, speechd


def main():
    home = tempfile.mkdtemp(prefix="orca-hears-")
    session = Session(home)
    try:
        prefs, speechd = configure(session)
        session.start_x()
        session.start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
        session.start("openbox", "--sm-disable")
        session.wait_for_window_manager()
        session.start("speech-dispatcher", "--run-single", "--timeout", "0",
                      "--config-dir", speechd)
        session.start("orca", "--user-prefs", prefs, "--debug-file", session.record)
        session.hear("Screen reader on.", within=60)
        session.start(PROGRAM, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        session.hear("First Name text.", within=60)

        # A pick list says its value with its name, and each new value as the keys change it.
        session.type("john")
        session.press("Tab Tab", "Last Name text.")
        session.type("smith")
        session.press("Tab", "Birth Month combo box.", "January.")
        session.press("Down", "February.")
        session.press("End", "December.")
        session.press("Up", "November.")
        session.press("Tab", "Birth Day combo box.", "1.")
        session.type("29")
        session.hear("29.")
        session.press("Tab", "Birth Year combo box.", "1900.")
        session.type("1999")
        session.hear("1999.")

        # The reading, heard by Tab from the tab in front: each value with its caption.
        session.press("Tab", "Next push button.")
        session.press("Return", "Personality Number 2 page tab list.")
        for caption in ("Personality Number 2 label.", "Primary Color Orange label.",
                        "Secondary Color Gold, Salmon, Garnet, Black label.",
                        "Keywords Accentuates relationships, Learning, Success, Happiness label."):
            session.press("Tab", caption)
        session.press("ctrl+Page_Up", "Soul Number 6 label.")  # the tab before, with its number
        for caption in ("Primary Color Indigo label.", "Secondary Color Orange, Mustard label.",
                        "Keywords Intuition, Creativity, Imagination, Power label."):
            session.press("Tab", caption)

        # The reading is kept from the keyboard.
        session.press("shift+F10", "Save Reading as PDF...")
        session.press("Escape", "escape")
        session.press("shift+Tab", "Secondary Color Orange, Mustard label.")  # back where it was

        # Leaving: the refer-a-friend fields say their names as the focus enters them, while
        # they still hold their placeholders.
        session.press("alt+F4", "Exit push button.")
        session.press("Tab", "Click Here To Visit Lorewell Now link.")
        session.press("Tab", "Your Name text.")
        session.press("Tab Tab", "Your Email Address text.")
    except AssertionError as failure:
        print("FAIL:", failure)
        # What Orca last heard of, to tell a silent program from a deaf screen reader.
        if os.path.exists(session.record):
            with open(session.record, encoding="utf-8", errors="replace") as record:
                events = [line.rstrip() for line in record if "EVENT MANAGER: Queueing" in line]
            print("\n".join(["Orca's last events:"] + events[-15:]))
        return 1
    finally:
        session.stop()
        shutil.rmtree(home, ignore_errors=True)
    print("Orca said each pick list's value, the numbers, colors and keywords of two tabs, the "
          "menu opened by Shift+F10 and the refer-a-friend fields on entry")
    return 0


if __name__ == "__main__":
    sys.exit(main())
