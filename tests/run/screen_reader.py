"""The program as a screen reader reads it: over AT-SPI, as Orca does.

Starts the program on the X server and session bus it is given, reads the input window,
types a name and presses Next through the accessibility interface, reads the results window,
then follows a link through its action and checks that the page was handed to the browser.

    screen_reader.py PROGRAM OPENED-FILE MAKER-PAGE
"""

import os
import subprocess
import sys
import time

import pyatspi

PROGRAM, OPENED, MAKER_PAGE = sys.argv[1:4]
TITLE = "Vorn Color Numerology v1.0"
failures = []


def check(what, actual, expected):
    if actual != expected:
        failures.append(f"{what}: {actual!r}, expected {expected!r}")


def wait_for(find, what, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} never appeared")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "vorn-color-numerology":
            return app
    return None


def windows():
    """The shown top-level windows of the program, by role: name."""
    app = program()
    shown = []
    for i in range(app.childCount if app else 0):
        window = app.getChildAtIndex(i)
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            shown.append(window)
    return shown


def named(window, role, name):
    for node in walk(window):
        if node.getRoleName() == role and node.name == name:
            return node
    failures.append(f"no {role} named {name!r}")
    return None


def labelled_by(node):
    return [r.getTarget(0).name for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(f"actions of {node.name!r}", names[:1], ["Press"])
    action.doAction(0)


env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
copy = subprocess.Popen([PROGRAM], env=env)
try:
    wait_for(lambda: [w for w in windows() if w.name == TITLE], "the input window")
    main = windows()[0]
    check("the input window", (main.getRoleName(), main.name), ("frame", TITLE))
    for name in ("First Name", "Middle Name", "Last Name"):
        box = named(main, "text", name)
        if box:
            check(f"caption of {name}", labelled_by(box)[:1], [name])
    for value, caption in (("January", "Birth Month"), ("1", "Birth Day"), ("1900", "Birth Year")):
        pick_list = named(main, "combo box", value)
        if pick_list:
            check(f"captions of the {caption} list", labelled_by(pick_list),
                  [caption, "Date Of Birth"])

    # A reading, made as a screen-reader user makes it.
    named(main, "text", "First Name").queryEditableText().setTextContents("JOHN")
    named(main, "text", "Last Name").queryEditableText().setTextContents("SMITH")
    press(named(main, "push button", "Next"))
    results = wait_for(lambda: [w for w in windows() if w.name == TITLE and w != main
                                and not w.getState().contains(pyatspi.STATE_MODAL)],
                       "the results window")[0]
    check("the results window", (results.getRoleName(), results.name), ("frame", TITLE))
    number = named(results, "label", "3")  # JOHN SMITH, 1 January 1900: Life Journey 3
    if number:
        check("caption of the Life Journey Number", labelled_by(number),
              ["Life Journey Number"])
    named(results, "text", "Interpretation")
    named(results, "image", "Yellow")  # its swatch

    banner = next((n for n in walk(results) if n.getRoleName() == "link"
                   and n.name.startswith("Join the mystic discussions")), None)
    if banner is None:
        failures.append("no link for the banner of the results window")
    else:
        press(banner)
        wait_for(lambda: os.path.exists(OPENED) and open(OPENED).read().strip(),
                 "the banner's page in the browser")
        check("the page the banner opened", open(OPENED).read().split(), [MAKER_PAGE])
finally:
    copy.kill()
    copy.wait()

for failure in failures:
    print("FAIL:", failure)
if failures:
    sys.exit(1)
print("the input and results windows read as designed; the banner's link opened its page")
