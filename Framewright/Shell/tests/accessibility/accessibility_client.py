"""Reads and drives Framewright through AT-SPI, as a screen reader does.

Run by run-accessibility-test.sh inside a private session bus, with DISPLAY set to a private X
server: starts the AT-SPI bus and registry on that bus, then the program, prints the accessible
tree of the fresh window, checks roles, names and states, and presses keys through the action
interface. Exits non-zero on the first failed check; stops every process it started.
"""

import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# Debian 12's libatspi marks the action calls deprecated without a replacement in its bindings.
warnings.filterwarnings("ignore", category=DeprecationWarning)

KEYS_AT_START = [
    "all clear", "divide", "delete", "seven", "eight", "nine", "four", "five", "six",
    "one", "two", "three", "zero", "double zero", "times", "minus", "plus", "equals",
]
SLOTS = ["top left", "top right", "primary", "bottom left"]


class CheckFailed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise CheckFailed(message)


def wait_for(what, probe, timeout=30.0):
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = probe()
        except GLib.Error:
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise CheckFailed("timed out waiting for " + what)
        time.sleep(0.1)


def bus_has_owner(name):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "NameHasOwner", GLib.Variant("(s)", (name,)), GLib.VariantType("(b)"),
                          Gio.DBusCallFlags.NONE, 5000, None)
    return reply.unpack()[0]


class Node:
    """What the client reads of one accessible object."""

    def __init__(self, accessible, depth):
        self.accessible = accessible
        self.depth = depth
        self.role = accessible.get_role_name()
        self.name = accessible.get_name() or ""
        self.states = sorted(state.value_nick for state in accessible.get_state_set().get_states())

    def line(self):
        return "{}{} \"{}\" [{}]".format("  " * self.depth, self.role, self.name, " ".join(self.states))

    def has(self, state):
        return state in self.states


def walk(accessible, depth=0):
    nodes = [Node(accessible, depth)]
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            nodes.extend(walk(child, depth + 1))
    return nodes


def application_of(pid):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def one(nodes, role, name):
    found = [node for node in nodes if node.role == role and node.name == name]
    check(len(found) == 1, "expected one {} named \"{}\", found {}".format(role, name, len(found)))
    return found[0]


def starting_with(nodes, role, prefix):
    found = [node for node in nodes if node.role == role and node.name.startswith(prefix)]
    check(len(found) == 1, "expected one {} named \"{}...\", found {}".format(role, prefix, len(found)))
    return found[0]


def press(node):
    accessible = node.accessible
    count = Atspi.Action.get_n_actions(accessible)
    names = [Atspi.Action.get_action_name(accessible, i).lower() for i in range(count)]
    check("press" in names, "\"{}\" offers no press action: {}".format(node.name, names))
    Atspi.Action.do_action(accessible, names.index("press"))


def enabled(node):
    return node.has("enabled") and node.has("sensitive")


def check_fresh_window(nodes):
    frames = [node for node in nodes if node.role == "frame"]
    check(len(frames) == 1 and frames[0].name == "Framewright", "one frame named Framewright expected")
    for name in KEYS_AT_START:
        key = one(nodes, "push button", name)
        if name == "delete":
            check(not enabled(key), "delete is refused until something is typed: " + key.line())
        else:
            check(enabled(key), name + " is offered at start: " + key.line())
        check(key.has("focusable"), name + " is reachable with the keyboard")
    for slot in SLOTS:
        starting_with(nodes, "label", slot + ", ")
    check_every_control_named(nodes)


def check_every_control_named(nodes):
    unnamed = [node.line().strip() for node in nodes
               if node.has("focusable") and node.has("showing") and not node.name.strip()]
    check(not unnamed, "focusable controls without a name: {}".format(unnamed))


def read_name(app, role, prefix):
    return starting_with(walk(app), role, prefix).name


def check_pressing_keys(app):
    nodes = walk(app)
    check(read_name(app, "label", "primary, ") == "primary, 00:00:00;00, 29.97 drop frame",
          "the fresh primary slot is zero in 29.97 drop frame")
    press(one(nodes, "push button", "one"))
    wait_for("\"clear\" in place of \"all clear\"",
             lambda: any(n.role == "push button" and n.name == "clear" for n in walk(app)), 10)
    nodes = walk(app)
    check(enabled(one(nodes, "push button", "delete")), "delete is offered once a digit is typed")
    press(one(nodes, "push button", "plus"))
    wait_for("the plus operation beside the primary value",
             lambda: any(n.role == "label" and n.name == "plus" for n in walk(app)), 10)
    press(one(nodes, "push button", "two"))
    press(one(nodes, "push button", "equals"))
    # The default primary format is 29.97 drop-frame timecode: 1 + 2 frames is frame 3.
    expected = "primary, 00:00:00;03, 29.97 drop frame"
    wait_for("\"{}\"".format(expected), lambda: read_name(app, "label", "primary, ") == expected, 10)
    print("primary slot after 1 + 2 =: \"{}\"".format(read_name(app, "label", "primary, ")))
    wait_for("the equals operation beside the result",
             lambda: any(n.role == "label" and n.name == "equals" for n in walk(app)), 10)
    # The calculation is in the history, line by line, with its buttons.
    nodes = walk(app)
    print("History after 1 + 2 =:")
    for node in nodes:
        if node.depth >= 2 and any(node is n for n in nodes[:index_of_display(nodes)]):
            print(node.line())
    for line in ["00:00:00;01, 29.97 drop frame", "plus, 00:00:00;02, 29.97 drop frame",
                 "equals, 00:00:00;03, 29.97 drop frame", "3, frames"]:
        one(nodes, "label", line)
    check(enabled(one(nodes, "push button", "Share history")), "the history can be shared once it has lines")
    check_every_control_named(nodes)


def index_of_display(nodes):
    return next(i for i, n in enumerate(nodes) if n.role == "panel" and n.name == "Display")


TAB, SHIFT_TAB, SPACE, RETURN, ESCAPE = 0xFF09, 0xFE20, 0x0020, 0xFF0D, 0xFF1B


def type_key(keysym):
    Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)


def focused(app):
    names = [n.role + " \"" + n.name + "\"" for n in walk(app) if n.has("focused")]
    return names[0] if len(names) == 1 else None


def tab_to(app, keysym, expected):
    type_key(keysym)
    try:
        wait_for("focus on " + expected, lambda: focused(app) == expected, 10)
    except CheckFailed:
        raise CheckFailed("focus on {} expected, found {}".format(expected, focused(app)))


def check_keyboard(app):
    frame = [n for n in walk(app) if n.role == "frame"][0]
    check(frame.has("active"), "the window takes the keyboard as it opens: " + frame.line())
    # Tab walks the controls in reading order; disabled ones are passed over.
    # On the fresh window the history buttons without history and delete are refused.
    order = ['push button "Expand history"', 'push button "Settings"', 'push button "all clear"',
             'push button "divide"', 'push button "seven"']
    for expected in order:
        tab_to(app, TAB, expected)
    for expected in reversed(order[:-1]):
        tab_to(app, SHIFT_TAB, expected)
    for expected in order[1:]:
        tab_to(app, TAB, expected)
    # Space presses the focused key; Enter the settings button, whose panel Escape closes.
    type_key(SPACE)
    wait_for("seven typed with Space",
             lambda: read_name(app, "label", "primary, ") == "primary, 00:00:00;07, 29.97 drop frame", 10)
    # Typing made delete pressable and put clear in the place of all clear.
    for expected in ['push button "delete"', 'push button "divide"', 'push button "clear"', 'push button "Settings"']:
        tab_to(app, SHIFT_TAB, expected)
    type_key(RETURN)
    wait_for("the settings panel", lambda: any(n.role == "panel" and n.name == "Settings" for n in walk(app)), 10)
    # The panel's controls are made as it slides in; a loaded machine shows them later.
    slots = ["A, top left", "B, top right", "C, bottom left", "D, primary", "Close"]
    wait_for("the settings panel's controls",
             lambda: all(any(n.role == "push button" and n.name == name and n.has("showing") for n in walk(app))
                         for name in slots), 30)
    print("Settings panel as the client reads it:")
    nodes = walk(app)
    for node in nodes:
        if node.has("showing") or node.depth < 3:
            print(node.line())
    for name in slots:
        one(nodes, "push button", name)
    check(one(nodes, "push button", "D, primary").has("checked"), "the primary slot is the one edited at first")
    sliders = [n for n in nodes if n.role == "page tab list" and n.has("showing")]
    check([n.name for n in sliders] == ["Format", "Frame rate"], "the format and rate sliders are shown")
    # Each slider says its current choice.
    check([n.accessible.get_description() for n in sliders] == ["Video", "29.97 drop frame"],
          "the sliders tell their choice: {}".format([n.accessible.get_description() for n in sliders]))
    one(nodes, "page tab", "29.97 drop frame")
    check_every_control_named(nodes)
    type_key(ESCAPE)
    wait_for("the settings panel to close",
             lambda: not any(n.role == "panel" and n.name == "Settings" and n.has("showing") for n in walk(app)), 10)
    press(one(walk(app), "push button", "clear"))
    wait_for("the primary slot cleared",
             lambda: read_name(app, "label", "primary, ") == "primary, 00:00:00;00, 29.97 drop frame", 10)


# A key and a slot as a screen reader names them in a translated window.
TRANSLATED = {"de": {"seven": "sieben", "top left": "oben links"}}


def check_translated_names(app, language):
    words = TRANSLATED[language]
    nodes = walk(app)
    one(nodes, "push button", words["seven"])
    label = starting_with(nodes, "label", words["top left"] + ", ")
    print("{}: key {!r}, slot {!r}".format(language, words["seven"], label.name))
    check(not any(n.name == "seven" for n in nodes), "the English key name is left in the tree")


def banner_text(store_file, reason):
    return ("History can't be saved: " + reason.format(store_file) +
            ". This session's calculations are kept until you quit.")


def check_history_not_saved(app, store_file):
    """The window over a data folder that cannot be made: it calculates, and the history panel's
    banner is read out with the reason and the file."""
    expected = banner_text(store_file, "the folder for {} cannot be made, because a file stands in its path")
    wait_for("the banner", lambda: any(n.role == "alert" and n.name == expected for n in walk(app)), 30)
    print("banner read by AT-SPI: \"{}\"".format(expected))
    check_pressing_keys(app)


def start_program(program, log, started, extra_env=None, seven="seven"):
    env = dict(os.environ)
    env.update(extra_env or {})
    process = subprocess.Popen([program], stdout=log, stderr=subprocess.STDOUT, env=env)
    started.append(process)

    def running_application():
        if process.poll() is not None:
            raise CheckFailed("the program stopped with status {}".format(process.returncode))
        return application_of(process.pid)

    app = wait_for("the program on the AT-SPI bus", running_application, 60)
    wait_for("the keypad", lambda: any(n.name == seven for n in walk(app)), 60)
    return process, app


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    program = sys.argv[1]
    language = sys.argv[2] if len(sys.argv) > 2 else None
    started = []
    log = open(os.path.join(os.environ.get("HOME", "/tmp"), "program.log"), "w+")
    try:
        started.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]))
        wait_for("the AT-SPI bus", lambda: bus_has_owner("org.a11y.Bus"), 15)
        started.append(subprocess.Popen(["/usr/libexec/at-spi2-registryd"]))
        Atspi.init()
        wait_for("the AT-SPI registry", lambda: Atspi.get_desktop(0) is not None, 15)

        seven = TRANSLATED[language]["seven"] if language else "seven"
        program_process, app = start_program(program, log, started, seven=seven)
        if language:
            check_translated_names(app, language)
            print("All accessibility checks in {} passed.".format(language))
            return 0

        nodes = walk(app)
        print("Accessible tree of the fresh window:")
        for node in nodes:
            print(node.line())
        check_fresh_window(nodes)
        check_keyboard(app)
        check_pressing_keys(app)
        stop(program_process)

        # A data folder that cannot be made: a file stands where it would go.
        blocked = os.path.join(os.environ["HOME"], "blocked-data")
        with open(blocked, "w") as blocker:
            blocker.write("a file where the data folder should be")
        fresh_config = os.path.join(os.environ["HOME"], "config-blocked")
        os.mkdir(fresh_config, 0o700)
        _, app = start_program(program, log, started, {"XDG_DATA_HOME": blocked, "XDG_CONFIG_HOME": fresh_config})
        check_history_not_saved(app, os.path.join(blocked, "Framewright", "CalculationHistoryModel.sqlite"))
        print("All accessibility checks passed.")
        return 0
    except CheckFailed as failure:
        print("FAILED: {}".format(failure))
        log.seek(0)
        output = log.read()
        if output:
            print("program output:\n" + output)
        return 1
    finally:
        for process in reversed(started):
            stop(process)
        log.close()


if __name__ == "__main__":
    sys.exit(main())
