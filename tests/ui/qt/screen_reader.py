"""Walks brinevane-setup from its first page to Finish through AT-SPI alone: every control is
found by its role and name, pressed through its action and read through its name or text,
as a screen reader does. Run by read_by_screen_reader inside a private session bus.
    screen_reader.py SETUP SIM
"""
import os
import subprocess
import sys
import time

SKIP = 77
# Bounds, not expectations: a loaded machine may be slow, a working wizard is far quicker.
START_S = 30
STEP_S = 60


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def skip(message):
    print("SKIP: " + message, flush=True)
    sys.exit(SKIP)


def start_display(children):
    read, write = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=[write], stderr=subprocess.DEVNULL)
    children.append(xvfb)
    os.close(write)
    with os.fdopen(read) as displays:
        display = displays.readline().strip()
    if not display:
        fail("Xvfb did not start")
    os.environ["DISPLAY"] = ":" + display
    children.append(subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL))


def start_accessibility_bus(children):
    children.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    try:
        from gi.repository import Gio
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    except Exception as error:
        skip("no session bus to start the AT-SPI bus on: %s" % error)
    deadline = time.monotonic() + START_S
    while True:
        try:
            # The launcher answers with the accessibility bus's address once that bus runs;
            # the AT-SPI client must not look for it before.
            session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                              None, None, Gio.DBusCallFlags.NONE, 2000, None)
            break
        except Exception as error:
            if time.monotonic() > deadline:
                skip("the AT-SPI bus did not start within %d s: %s" % (START_S, error))
            time.sleep(0.1)
    try:
        import pyatspi
    except ImportError as error:
        skip("python3-pyatspi cannot be loaded: %s" % error)
    return pyatspi


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


class Reader:
    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        self.app = None
        # What a screen reader would announce: labels whose text changed.
        self.announced = []
        pyatspi.Registry.registerEventListener(self.on_name_changed,
                                               "object:property-change:accessible-name")

    def on_name_changed(self, event):
        try:
            if event.source.getRoleName() == "label" and event.source.name:
                self.announced.append(event.source.name)
        except Exception:
            pass

    def pump_events(self):
        from gi.repository import GLib
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def find_app(self, name):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        return None

    def nodes(self):
        try:
            return list(walk(self.app))
        except Exception:  # a window closed while it was read
            return []

    def showing(self, node):
        try:
            return node.getState().contains(self.pyatspi.STATE_SHOWING)
        except Exception:
            return False

    def enabled(self, node):
        return node.getState().contains(self.pyatspi.STATE_ENABLED)

    def find(self, role, name=None, showing=True):
        for node in self.nodes():
            try:
                if node.getRoleName() == role and (name is None or node.name == name) and (
                        not showing or self.showing(node)):
                    return node
            except Exception:
                continue
        return None

    def text(self, node):
        try:
            text = node.queryText()
            return text.getText(0, text.characterCount)
        except NotImplementedError:
            return node.name

    def text_only(self, node):
        try:
            text = node.queryText()
        except NotImplementedError:
            fail("the %s %r cannot be read as text" % (node.getRoleName(), node.name))
        return text.getText(0, text.characterCount)

    def press(self, node):
        action = node.queryAction()
        for i in range(action.nActions):
            if action.getName(i) == "Press":
                action.doAction(i)
                return
        fail("%s %r has no Press action" % (node.getRoleName(), node.name))

    def wait_for(self, what, probe, bound=STEP_S):
        deadline = time.monotonic() + bound
        while time.monotonic() < deadline:
            self.pump_events()
            try:
                found = probe()
            except Exception:  # a window closed while it was read: read again
                found = None
            if found:
                return found
            time.sleep(0.05)
        fail("no %s within %d s; the tree showed:\n%s" % (what, bound, self.dump()))

    def dump(self):
        lines = []
        for node in self.nodes():
            try:
                if self.showing(node):
                    lines.append("  %s %r" % (node.getRoleName(), node.name))
            except Exception:
                pass
        return "\n".join(lines)


def main():
    setup, sim = sys.argv[1], sys.argv[2]
    children = []
    try:
        start_display(children)
        pyatspi = start_accessibility_bus(children)
        reader = Reader(pyatspi)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   BRINEVANE_TRACE="0")
        wizard = subprocess.Popen([sim, "19200", "--", setup], env=env)
        children.append(wizard)
        reader.app = reader.wait_for("brinevane-setup in the accessibility tree",
                                     lambda: reader.find_app("brinevane-setup"), START_S)
        started = time.monotonic()
        drive(reader)
        code = wizard.wait(timeout=STEP_S)
        if code != 0:
            fail("brinevane-setup ended with %d after Finish" % code)
        print("PASS: the wizard read and driven through AT-SPI in %.1f s" %
              (time.monotonic() - started), flush=True)
    finally:
        for child in reversed(children):
            if child.poll() is None:
                child.terminate()
                try:
                    child.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    child.kill()


def drive(reader):
    # The first page: its check boxes are named by their texts, and no button is listed that
    # a user cannot see and press.
    reader.wait_for("the first page's check box",
                    lambda: reader.find("check box", "I would like to specify the port settings."))
    buttons = [node.name for node in reader.nodes() if node.getRoleName() == "push button"]
    if "Commit" in buttons:
        fail("a hidden Commit button is listed among the buttons: %s" % buttons)
    for node in reader.nodes():
        if node.getRoleName() in ("check box", "push button", "combo box") and not node.name:
            fail("an unnamed %s is listed" % node.getRoleName())

    next_button = reader.wait_for("an enabled Next button", lambda: enabled_button(reader, "Next >"))
    reader.press(next_button)

    # The search: its status label changes as it goes from port to port and rate to rate.
    statuses = set()
    bars = set()

    def search_done():
        wizard_title = reader_title(reader)
        dialogs = [node for node in reader.nodes()
                   if node.getRoleName() == "dialog" and node.name != wizard_title]
        for window in dialogs:
            for node in walk(window):
                if node.getRoleName() == "label" and node.name:
                    statuses.add(node.name)
                elif node.getRoleName() == "progress bar":
                    bars.add(node.name)
        return reader.find("combo box", "Baud Rate:")

    baud = reader.wait_for("the settings page after the search", search_done)
    # Read from the tree while it ran, or heard as it changed: a quick search may change the
    # status between two readings.
    heard = [name for name in reader.announced if " baud" in name]
    if not any("at 19200 baud" in name for name in statuses.union(heard)):
        fail("the search's status never named 19200; it read %s and announced %s" %
             (sorted(statuses), heard))
    # Named after the job once its caption comes with the first news from it.
    if not any(bars):
        fail("the search's progress bar was never read with a name: %s" % sorted(bars))
    if not heard:
        fail("no change of the search's status was announced; it read: %s" % sorted(statuses))
    print("search status read: %s; announced: %s; progress bar: %s" %
          (sorted(statuses), heard, sorted(bars)), flush=True)
    if reader.find("combo box", "Serial Port:") is None:
        fail("no combo box named 'Serial Port:' on the settings page:\n" + reader.dump())
    reader.wait_for("the found rate in the baud box",
                    lambda: reader.text(baud.getChildAtIndex(1)) == "19200")

    reader.press(reader.wait_for("an enabled Next button", lambda: enabled_button(reader, "Next >")))

    finish_page = reader.wait_for("the finish page", lambda: reader.find("filler", "Congratulations!"))
    # Read as text, as a screen reader moves through it, not only as the label's name.
    finish_text = reader.wait_for(
        "the finish page's text",
        lambda: next((reader.text_only(node) for node in walk(finish_page)
                      if node.getRoleName() == "label" and reader.text_only(node)), None))
    if "19200" not in finish_text or "COM1" not in finish_text:
        fail("the finish text does not name the port and rate: %r" % finish_text)
    print("finish text: %s" % finish_text, flush=True)

    reader.press(reader.wait_for("an enabled Finish button",
                                 lambda: enabled_button(reader, "Finish")))


def reader_title(reader):
    wizard = next((node for node in reader.nodes() if node.getRoleName() == "dialog"), None)
    return wizard.name if wizard is not None else None


def enabled_button(reader, name):
    button = reader.find("push button", name)
    return button if button is not None and reader.enabled(button) else None


if __name__ == "__main__":
    main()
