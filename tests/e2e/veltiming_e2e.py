#!/usr/bin/python3
"""veltiming_e2e.py BINARY {chronometre,countdown,journal,desktop,commands,global_key} [--screenshots DIR]: the real program on an X display,
driven as a user would through the accessibility bus, under xvfb-run and dbus-run-session."""
import contextlib, json, os, pathlib, re, shutil, signal, subprocess, sys, tempfile, threading, time
import pyatspi
from gi.repository import GLib

pyatspi.setTimeout(1500, 1500)  # an action that opens a modal dialog answers when it closes; the action has run
SHOWING, MAIN, LONG_TIME = pyatspi.STATE_SHOWING, "Vel Timing", r"\d[^\t]*"
QUESTION = "VelTiming s'est fermé sans que la liste en cours soit sauvegardée. Voulez-vous la récupérer?"

class Failure(Exception): pass
class Ended(Failure): """A failure that waiting longer cannot mend."""
def check(condition, message):
    if not condition: raise Failure(message)
def wait(probe, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if found := probe(): return found
        except (GLib.GError, OSError, Failure) as error:
            if isinstance(error, Ended): raise
        time.sleep(0.1)
    raise Failure("waited %s s for %s" % (seconds, what))
def find(root, role, name, required=True):
    node = pyatspi.findDescendant(root, lambda n: n is not None and n.name == name and role in (None, n.getRoleName()))
    check(node is not None or not required, "no %s named %r" % (role or "control", name))
    return node
def press(node):
    with contextlib.suppress(GLib.GError):  # raised when a modal dialog opens
        node.queryAction().doAction(0)

class Program:
    def __init__(self, binary, home, screenshots):
        self.binary, self.home, self.screenshots, self.process, self.helpers = binary, home, screenshots, None, []
        self.prefs = pathlib.Path(home, "config", "Pref Vel Timing")
        self.journal = pathlib.Path(home, "data", "VelTiming", "Liste en cours")
    def start(self, **desktop):  # desktop: more of the environment
        os.makedirs(os.path.join(self.home, "runtime"), mode=0o700, exist_ok=True)
        self.env = env = dict(os.environ, **desktop, HOME=self.home, XDG_CONFIG_HOME=str(self.prefs.parent),
                   XDG_RUNTIME_DIR=os.path.join(self.home, "runtime"),
                   XDG_DATA_HOME=str(self.journal.parent.parent), QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", ASAN_OPTIONS="detect_leaks=0")
        self.process, attempts = None, iter(range(3))
        def started():  # a fresh display now and then refuses the first connection: start the program again
            if self.process is None or self.process.poll() is not None:
                if self.process: print("note: the program ended at start-up; starting it again", file=sys.stderr)
                if next(attempts, None) is None: raise Ended("the program ended at start-up three times")
                self.process = subprocess.Popen([self.binary], env=env, cwd=self.home)
            return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == self.process.pid), 0)
        self.app = wait(started, 60, "the program on the accessibility bus")
        self.main = wait(lambda: self.window(MAIN), 20, "the main window")
        wait(lambda: self.window("À propos de Vel Timing") is None, 10, "the welcome window to hide itself")
    def window(self, name=None, holding=None):  # the showing window `name`, or dialog with a control `holding`
        return next((w for w in self.app if w and w.getState().contains(SHOWING) and (
            w.name == name if name else w.getRoleName() != "frame" and find(w, None, holding, False))), None)
    def answer(self, holding, button, text=None, screenshot=None):  # typing `text` into the field `holding` first
        dialog = wait(lambda: self.window(holding=holding), 10, "a dialog with " + holding)
        if text is not None: find(dialog, "text", holding).queryEditableText().setTextContents(text)
        self.screenshot(dialog, screenshot)
        press(find(dialog, "push button", button))
    def click(self, button, until=None):  # it clicks a moment later; waits for `until()` or a button captioned so
        press(find(self.main, "push button", button))
        if until: wait(until if callable(until) else lambda: find(self.main, "push button", until), 5, button)
    def display(self):
        return pyatspi.findDescendant(self.main, lambda n: n is not None and n.description == "Temps").name
    def rows(self):  # one line a row, its cells separated by tabs
        table = find(self.main, "table", "Liste des temps").queryTable()
        return "\n".join("\t".join(table.getAccessibleAt(r, c).name for c in range(3)) for r in range(table.nRows))
    def menu(self, menu, item):
        press(find(find(self.main, "menu item", menu), "menu item", item))
    def screenshot(self, node, name):
        if not (self.screenshots and name): return
        x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) if node else (0, 0, 1280, 1024)
        os.makedirs(self.screenshots, exist_ok=True)
        subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                        os.path.join(self.screenshots, name)])
    def quit(self, *answers, keys=None):  # then answers the dialogs that follow, each with `answer`'s arguments
        keys() if keys else self.menu("Fichier", "Quitter")
        for args in answers: self.answer(*args)
        check(self.process.wait(30) == 0, "the program quit with status %d" % self.process.returncode)

def chronometre(p):
    """Two laps, a pause and a stop, saved with a comment at quit."""
    p.start()
    p.click("Départ", "Stop")
    time.sleep(1.2)
    find(p.main, "text", "Commentaire").queryEditableText().setTextContents("Échauffement")
    p.click("Intermédiaire", lambda: p.rows().count("\n") == 1)
    time.sleep(1.1)
    p.click("Pause", "Reprendre")
    paused = p.display()
    time.sleep(1.2)
    check(p.display() == paused, "the display moved during the pause")
    p.click("Reprendre", "Pause")
    p.click("Intermédiaire", lambda: p.rows().count("\n") == 4)
    x, y, w, h = find(p.main, "push button", "Stop").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "mousedown", "1"], check=True)
    time.sleep(1)  # held: the stop is the press's, and its row agrees with the display
    subprocess.run(["xdotool", "mouseup", "1"], check=True)
    wait(lambda: find(p.main, "push button", "Départ"), 5, "the stop")
    check(re.fullmatch("Chronomètre 1, départ à: {0}\t0:00:00:00\t\n1: Échauffement\t0:00:0[1-3]:\\d\\d\t\n"
                       "Chronomètre mis en pause à {0}\t\t\nChronomètre remis en marche à {0}\t\t\n"
                       "Temps intermédiaire  2:\t0:00:0[2-9]:\\d\\d\t\\+  0:00:0[1-3]:\\d\\d\n"  # without the pause
                       "Chronomètre 1, temps final:\t{1}\t\\+  0:00:0[0-2]:\\d\\d\n-{{38}}\t\t\n\t\t"
                       .format(LONG_TIME, p.display()), rows := p.rows()), "rows:\n" + rows)
    p.screenshot(p.main, "veltiming-laps.png")
    p.menu("Edition", "Préférences...")
    p.answer("Voir écarts", "Annuler", screenshot="veltiming-preferences.png")
    wait(lambda: p.window(holding="Voir écarts") is None, 5, "the preferences to hide")
    document = pathlib.Path(p.home, "Course.txt")
    p.quit(("Sauvegarder", "Sauvegarder"), ("Réponse", "Continuer", "Course du dimanche"),
           ("Nom de fichier :", "Enregistrer", str(document)))
    header, _, body = document.read_bytes().decode("utf-8").partition("\n")
    check(re.fullmatch(r"Tableau de chronométrage créé le [\d/]{10} à \d\d:\d\d par VelTiming\.", header), header)
    check(body == "-" * 61 + "\nCourse du dimanche\n" + "-" * 62 + "\n" + rows + "\n", "document body:\n" + body)

def notification_service(record):  # the desktop's, reading markup, on this test's session bus: writes each call as a line
    from gi.repository import Gio
    def called(bus, sender, path, interface, method, args, invocation):
        if method == "GetCapabilities": return invocation.return_value(GLib.Variant("(as)", (["body", "body-markup"],)))
        with open(record, "a") as out: print(method, *args.unpack()[:5], sep="|", file=out)
        invocation.return_value(GLib.Variant("(u)", (7,)) if method == "Notify" else None)
    arg = lambda kind, out="in": '<arg type="%s" direction="%s"/>' % (kind, out)
    interface = Gio.DBusNodeInfo.new_for_xml('<node><interface name="org.freedesktop.Notifications"><method name="Notify">'
        + "".join(arg(kind) for kind in ("s", "u", "s", "s", "s", "as", "a{sv}", "i")) + arg("u", "out")
        + '</method><method name="CloseNotification">' + arg("u") + '</method><method name="GetCapabilities">'
        + arg("as", "out") + "</method></interface></node>").interfaces[0]
    Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.Notifications", 0,
                     lambda bus, name: bus.register_object("/org/freedesktop/Notifications", interface, called), None, None)
    GLib.MainLoop().run()

def tray_watcher(record):  # the desktop's tray, on this test's session bus: writes the item that registers
    from gi.repository import Gio
    def called(bus, sender, path, interface, method, args, invocation):
        if method == "RegisterStatusNotifierItem":
            with open(record, "a") as out: print(sender, args.unpack()[0], file=out)
        invocation.return_value(None)
    def read(bus, sender, path, interface, name):
        return {"IsStatusNotifierHostRegistered": GLib.Variant("b", True), "ProtocolVersion": GLib.Variant("i", 0),
                "RegisteredStatusNotifierItems": GLib.Variant("as", [])}[name]
    interface = Gio.DBusNodeInfo.new_for_xml('<node><interface name="org.kde.StatusNotifierWatcher">'
        '<method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>'
        '<method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>'
        '<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>'
        '<property name="ProtocolVersion" type="i" access="read"/>'
        '<property name="RegisteredStatusNotifierItems" type="as" access="read"/></interface></node>').interfaces[0]
    Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher", 0, lambda bus, name: bus.register_object(
        "/StatusNotifierWatcher", interface, called, read, None), None, None)
    GLib.MainLoop().run()

def tray_item(record):  # the tray's side of the item: its tooltip, and a click on a menu entry by its label
    from gi.repository import Gio
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    sender, item = record.read_text().split()[:2]
    service, path = (sender, item) if item.startswith("/") else (item, "/StatusNotifierItem")
    get = lambda name: bus.call_sync(service, path, "org.freedesktop.DBus.Properties", "Get",
        GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", name)), None, 0, 5000, None).unpack()[0]
    def click(label):
        layout = bus.call_sync(service, get("Menu"), "com.canonical.dbusmenu", "GetLayout",
                               GLib.Variant("(iias)", (0, -1, [])), None, 0, 5000, None).unpack()[1]
        item = next(i for i in layout[2] if i[1].get("label", "").replace("_", "") == label)
        bus.call_sync(service, get("Menu"), "com.canonical.dbusmenu", "Event",
                      GLib.Variant("(isvu)", (item[0], "clicked", GLib.Variant("s", ""), 0)), None, 0, 5000, None)
    return get, click

def countdown(p):
    """A 5 s countdown set by a preferences file written beforehand, and its notification; a quit, and the settings
    back at restart."""
    record = pathlib.Path(p.home, "notifications")
    p.helpers.append(subprocess.Popen([sys.executable, __file__, "notification-service", str(record)]))
    texts = ["140", "90", "400", "560", "0", "1", "0", "Pâtes & sauce prêtes", "5", "2", "Tour"]
    stored = b"".join(bytes([len(t.encode())]) + t.encode() for t in texts)
    p.prefs.parent.mkdir(parents=True)
    p.prefs.write_bytes(stored)
    p.start()
    check(find(p.main, "radio button", "Timer").getState().contains(pyatspi.STATE_CHECKED), "Timer mode at start")
    p.click("Départ", "Stop")
    p.click("Intermédiaire")
    alert = wait(lambda: p.window("Fin du timer"), 15, "the alert")
    check(find(alert, "label", "Pâtes & sauce prêtes", False), "the alert's message")
    check(p.display() == "0:00:00:00", "display at the end: " + p.display())
    wait(lambda: record.read_text() == "Notify|VelTiming|0|org.veltiming.VelTiming|Vel Timing|Pâtes &amp; sauce prêtes\n",
         5, "the notification")
    find(p.main, "push button", "Départ")
    check(re.fullmatch("Temps de départ 1:\t0:00:05:00\t\nTour 1:\t0:00:0[0-4]:\\d\\d\t\nTimer 2, temps écoulé à  "
                       "{0}\t\t\n-{{38}}\t\t\n\t\t".format(LONG_TIME), rows := p.rows()), "rows:\n" + rows)
    p.screenshot(alert, "veltiming-alert.png")
    p.click("Départ", "Stop")
    wait(lambda: record.read_text().endswith("\nCloseNotification|7\n"), 5, "the notification withdrawn")
    p.click("Stop", "Départ")
    p.quit(("Sauvegarder", "Quitter"))
    check(p.prefs.read_bytes() == stored, "preferences written at quit: %r" % p.prefs.read_bytes())
    p.start()
    check(find(p.main, "radio button", "Timer").getState().contains(pyatspi.STATE_CHECKED), "Timer mode after the restart")
    p.click("Augmenter le timer", lambda: p.display() == "0:00:06:00")  # the stored 5 s and one step
    started = time.time()
    p.click("Départ", "Stop")  # and killed: the countdown ends while the program is down
    wait(p.journal.exists, 3, "the journal, at once")
    p.process.kill()
    p.process.wait()
    time.sleep(7)
    p.start()
    p.answer(QUESTION, "Récupérer")
    wait(lambda: p.window("Fin du timer"), 5, "the alert, at once")
    ended = re.fullmatch("Temps de départ 1:\t0:00:06:00\t\nTimer 2, temps écoulé à  (\\d\\d):(\\d\\d):(\\d\\d)\t\t\n"
                         "-{38}\t\t\n\t\t", rows := p.rows())
    check(ended and abs(clock_seconds(ended.groups()) - clock_seconds(time.strftime("%H %M %S", time.localtime(
          started + 5)).split())) <= 2, "ended when it would have, 5 s after its start:\n" + rows)
    p.quit(("Sauvegarder", "Quitter"))

def journal(p):
    """A kill -9, a second start, a SIGTERM while the quit question waits and a FIFO to open: the list stays, and the
    run goes on from its start."""
    rows = "Chronomètre 1, départ à: {0}\t0:00:00:00\t\nTemps intermédiaire  1:\t0:00:0\\d:\\d\\d\t".format(LONG_TIME)
    p.start()
    started = time.monotonic()
    p.click("Départ", "Stop")
    p.click("Intermédiaire", lambda: p.rows().count("\n") == 1)
    wait(p.journal.exists, 3, "the journal, a second after the lap")
    p.process.kill()
    p.process.wait()
    check(not p.prefs.exists(), "preferences written despite the kill")
    for ending in ("SIGTERM", "Quitter"):
        p.start()
        p.answer(QUESTION, "Récupérer")
        wait(lambda: re.fullmatch(rows, p.rows()), 5, "the list back")
        wait(lambda: abs(clock_seconds(p.display().split(":")) - (time.monotonic() - started)) < 1.2, 3,
             "the display going on from the run's start")
        if ending == "SIGTERM":
            second = subprocess.run([p.binary], env=p.env, cwd=p.home, timeout=60).returncode
            check(second == 0 and p.process.poll() is None and p.window(MAIN), "a second start: %d" % second)
            p.menu("Fichier", "Quitter")
            wait(lambda: p.window(holding="Voulez-vous sauvegarder la liste en cours?"), 5, "the quit question")
            p.process.terminate()
            check(p.process.wait(30) == 0, "status %d after SIGTERM" % p.process.returncode)
            check(p.prefs.exists() and p.journal.exists(), "preferences and journal after SIGTERM")
    fifo = pathlib.Path(p.home, "tube")
    os.mkfifo(fifo)
    p.menu("Fichier", "Ouvrir une liste")
    p.answer("Voulez-vous sauvegarder la liste en cours avant d'ouvrir une autre liste?", "Ne pas sauvegarder")
    dialog = wait(lambda: p.window(holding="Nom de fichier :"), 10, "the open dialog")  # lists no FIFO: type its name
    find(dialog, "text", "Nom de fichier :").queryEditableText().setTextContents(str(fifo))
    pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)  # Return
    p.answer("Impossible d'ouvrir « %s » : ce n'est pas un fichier ordinaire" % fifo, "OK")
    check(re.fullmatch(rows, p.rows()), "the list after opening a FIFO:\n" + p.rows())
    p.quit(("Sauvegarder", "Quitter"))
    check(not p.journal.exists(), "the journal left after Quitter")

def desktop(p):
    """Under a dark theme, by keyboard: a comment typed at start-up, Return, a lap pressed while stopped, the list copied
    and read back, Ctrl+Q."""
    colours = {"Window": "42,46,50", "View": "27,30,32", "Button": "49,54,59", "Selection": "61,174,233"}
    p.prefs.parent.mkdir(parents=True)  # KDE's colours file, as a dark Plasma theme writes it
    p.prefs.with_name("kdeglobals").write_text("[KDE]\nwidgetStyle=Fusion\n" + "".join(
        "[Colors:%s]\nBackgroundNormal=%s\nForegroundNormal=252,252,252\n" % item for item in colours.items()))
    p.start(XDG_CURRENT_DESKTOP="KDE", KDE_SESSION_VERSION="5")
    keys = lambda *args: subprocess.run(["xdotool", *args], check=True)
    wait(lambda: find(p.main, "text", "Commentaire").getState().contains(pyatspi.STATE_FOCUSED), 5, "the comment's focus")
    for typed in ("Course", "Virage nord"):  # the first Return starts the run, the next records a lap
        keys("type", "--delay", "20", typed)
        keys("key", "Return")
        lapped = time.monotonic()
    time.sleep(1)  # a lap pressed while the program is stopped carries the press's time, not the resumption's
    p.process.send_signal(signal.SIGSTOP)
    keys("key", "Return")
    pressed = time.monotonic()
    time.sleep(0.5)
    p.process.send_signal(signal.SIGCONT)
    wait(lambda: re.fullmatch("1: Course\t0:00:00:00\t\n1: Virage nord\t0:00:0\\d:\\d\\d\t\n"
                              "Temps intermédiaire  2:\t0:00:0\\d:\\d\\d\t\\+  0:00:0\\d:\\d\\d", p.rows()), 5, "the typed rows")
    difference = p.rows().rpartition("+  ")[2].split(":")
    check(abs(clock_seconds(difference) + int(difference[3]) / 100 - (pressed - lapped)) < 0.15,
          "the lap at its press, %.2f s after the one before: %s" % (pressed - lapped, p.rows()))
    p.click("Stop", "Départ")
    p.screenshot(p.main, "veltiming-dark.png")
    x, y, w, h = find(p.main, "table", "Liste des temps").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    keys("mousemove", str(x + w // 2), str(y + h - 8), "click", "1", "key", "ctrl+c")  # below the rows: none selected
    clipboard = lambda kind: subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", kind], capture_output=True,
                                            text=True).stdout
    wait(lambda: clipboard("UTF8_STRING") == p.rows() + "\n", 5, "the rows as text on the clipboard")
    check("<tr><td>1: Virage nord</td><td>0:00:0" in clipboard("text/html"), "the HTML table: " + clipboard("text/html"))
    p.quit(("Voulez-vous sauvegarder la liste en cours?", "Quitter"), keys=lambda: keys("key", "ctrl+q"))

def commands(p):
    """The tray's menu and tooltip; the command line: help without a display; 1,000 laps in a row, each at its command's moment; the status as the
    window shows it; a refusal; no program running, then one started by --start."""
    command = lambda *args: subprocess.run([p.binary, *args], env=p.env, cwd=p.home, capture_output=True, text=True,
                                           timeout=30)
    record = pathlib.Path(p.home, "tray")
    p.helpers.append(subprocess.Popen([sys.executable, __file__, "tray-watcher", str(record)]))
    wait(lambda: subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                                 "org.freedesktop.DBus.NameHasOwner", "string:org.kde.StatusNotifierWatcher"],
                                capture_output=True, text=True).stdout.rstrip().endswith("true"), 10, "the tray")
    p.start()
    get, click = tray_item(wait(lambda: record.exists() and record, 10, "the tray icon to register"))
    click("Départ")
    wait(lambda: find(p.main, "push button", "Stop"), 5, "the start from the tray's menu")
    wait(lambda: get("ToolTip")[2] == "Vel Timing : en marche", 5, "the run's state in the tooltip")
    from Xlib import display
    x = display.Display()  # minimized as a window manager does it: WM_STATE iconic, then normal
    window = x.create_resource_object("window", int(subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
        "^Vel Timing$"], capture_output=True, text=True, check=True).stdout.split()[0]))
    iconic = lambda state: (window.change_property(x.intern_atom("WM_STATE"), x.intern_atom("WM_STATE"), 32, [state, 0]),
                            x.sync())
    iconic(3)
    wait(lambda: re.fullmatch(r"Vel Timing : 0:00:0\d:00", get("ToolTip")[2]), 5, "the display in the tooltip")
    iconic(1)
    wait(lambda: get("ToolTip")[2] == "Vel Timing : en marche", 5, "the state again once shown")
    click("Stop")
    wait(lambda: find(p.main, "push button", "Départ"), 5, "the stop from the tray's menu")
    command("--reset")
    usage = subprocess.run([p.binary, "--help"], env=dict(p.env, DISPLAY="", QT_QPA_PLATFORM=""), capture_output=True,
                           text=True, timeout=30)
    check(usage.returncode == 0 and "--preset H:MM:SS" in usage.stdout, "help: %r" % (usage,))
    refused = command("--lap")
    check((refused.returncode, refused.stderr) == (1, "Aucune course n'est en marche.\n"), "a lap while idle: %r" % (refused,))
    check(command("--start", "Course").returncode == 0, "the start")
    rows = json.loads(command("--status", "--json").stdout)["rows"]
    for lap in range(1000):
        done = command("--lap", "--json")
        status = json.loads(done.stdout)
        check(done.returncode == 0 and status["rows"] == rows + lap + 1 and abs(status["reading"] - status["clock"]) <= 2000,
              "lap %d: %r" % (lap + 1, done))
    check(command("--stop").returncode == 0, "the stop")
    status = json.loads(command("--status", "--json").stdout)
    table = find(p.main, "table", "Liste des temps").queryTable()
    last = [table.getAccessibleAt(table.nRows - 3, c).name for c in range(3)]
    check(status["display"] == p.display() and status["rows"] == table.nRows and status["state"] == "idle", "status: %r" % status)
    check(re.fullmatch(r"Chronomètre 2, temps final:", last[0]) and last[1] == p.display(), "the stop's row: %r" % last)
    p.screenshot(p.main, "veltiming-commands.png")
    p.quit(("Sauvegarder", "Quitter"))
    absent = command("--status")
    check((absent.returncode, absent.stderr) == (3, "VelTiming ne tourne pas.\n"), "no program: %r" % (absent,))
    started = command("--start")
    check((started.returncode, started.stderr) == (3, "VelTiming ne tournait pas : il est lancé.\n"), "%r" % (started,))
    check(json.loads(command("--status", "--json").stdout)["state"] == "running", "the run started with the program")
    pid = int(p.journal.with_name("Liste en cours.lock").read_text().split()[0])
    os.kill(pid, signal.SIGTERM)
    wait(lambda: command("--status").returncode == 3, 20, "the started program to end")

def global_key(p):
    """The key from anywhere: one another X client holds is refused and not kept; once free, it starts a run and takes
    a lap while that client has the focus, each at its X event's time; held down, it takes one lap."""
    from Xlib import X, XK, display
    from Xlib.ext import record
    from Xlib.protocol import rq
    other = display.Display()
    keycode, chord = other.keysym_to_keycode(XK.string_to_keysym("l")), X.ControlMask | X.Mod1Mask
    def choose(grabbed):  # types the key into the preferences, and OK
        p.menu("Edition", "Préférences...")
        window = wait(lambda: p.window(holding="Voir écarts"), 5, "the preferences")
        field = find(window, None, "Touche des intermédiaires depuis un autre programme")
        typed = pyatspi.findDescendant(field, lambda n: n and n.getRoleName() == "text")
        # With no window manager, the X focus may stay with the window a closed message gave it back to.
        subprocess.run(["xdotool", "search", "--name", "^Préférences", "windowfocus", "--sync"], check=True)
        typed.queryComponent().grabFocus()
        wait(lambda: typed.getState().contains(pyatspi.STATE_FOCUSED), 5, "the key's field to have the keyboard")
        subprocess.run(["xdotool", "key", "ctrl+alt+l"], check=True)
        wait(lambda: typed.queryText().getText(0, -1).startswith("Ctrl+Alt+L"), 5, "the key in its field")
        if grabbed: other.screen().root.grab_key(keycode, chord, False, X.GrabModeAsync, X.GrabModeAsync)
        other.sync()
        p.screenshot(window, "taken.png" if grabbed else "veltiming-global-key.png")
        press(find(window, "push button", "OK"))
    p.start()
    choose(grabbed=True)
    p.answer("La touche « Ctrl+Alt+L » ne peut pas prendre les temps intermédiaires : un autre programme l'a déjà "
             "prise. Elle n'est pas gardée.", "OK")
    conf = pathlib.Path(p.prefs.parent, "VelTiming.conf")
    check("intermediaire" not in (conf.read_text() if conf.exists() else ""), "a taken key kept")
    other.screen().root.ungrab_key(keycode, chord)
    other.sync()
    choose(grabbed=False)
    wait(lambda: "intermediaire=Ctrl+Alt+L" in conf.read_text(), 5, "the key kept")
    focus = other.screen().root.create_window(0, 0, 200, 100, 0, X.CopyFromParent)
    focus.map()
    other.sync()
    focus.set_input_focus(X.RevertToParent, X.CurrentTime)
    other.sync()
    recorder, pressed = display.Display(), []
    context = recorder.record_create_context(0, [record.AllClients], [{"core_requests": (0, 0), "core_replies": (0, 0),
        "ext_requests": (0, 0, 0, 0), "ext_replies": (0, 0, 0, 0), "delivered_events": (0, 0), "errors": (0, 0),
        "device_events": (X.KeyPress, X.KeyPress), "client_started": False, "client_died": False}])
    def recorded(reply):  # the X events' times of the key's presses
        data = reply.data
        while data:
            event, data = rq.EventField(None).parse_binary_value(data, recorder.display, None, None)
            if event.detail == keycode: pressed.append(event.time)
    threading.Thread(target=recorder.record_enable_context, args=(context, recorded), daemon=True).start()
    command = lambda *args: json.loads(subprocess.run([p.binary, *args], env=p.env, cwd=p.home, capture_output=True,
                                                      text=True, timeout=30).stdout)
    for rows in (1, 2):  # the lap pressed while the program is stopped still takes the press's time
        p.process.send_signal(signal.SIGSTOP if rows == 2 else 0)
        subprocess.run(["xdotool", "key", "ctrl+alt+l"], check=True)
        time.sleep(0.5 if rows == 2 else 0)
        p.process.send_signal(signal.SIGCONT)
        status = wait(lambda: (s := command("--status", "--json"))["rows"] == rows and s, 5, "the key's row %d" % rows)
        check(status["state"] == "running" and other.get_input_focus().focus == focus, "%r" % status)
        wait(lambda: len(pressed) >= rows, 5, "the X event of press %d" % rows)
        monotonic = time.clock_gettime(time.CLOCK_MONOTONIC) * 1000  # X times are its milliseconds, in 32 bits
        boot = (time.clock_gettime(time.CLOCK_BOOTTIME) - time.clock_gettime(time.CLOCK_MONOTONIC)) * 1000
        expected = (monotonic - (int(monotonic) - pressed[-1]) % 2 ** 32 + boot) * 1000
        check(len(pressed) == rows and abs(status["lastReading"] - expected) <= 2000,
              "row %d at %.0f µs, its X event at %.0f µs" % (rows, status["lastReading"], expected))
    subprocess.run(["xdotool", "keydown", "ctrl+alt+l", "sleep", "1.2", "keyup", "ctrl+alt+l"], check=True)
    time.sleep(0.3)  # held down, the key repeats: one lap all the same
    check(len(pressed) > 3 and command("--status", "--json")["rows"] == 3, "%d presses held" % len(pressed))
    p.quit(("Sauvegarder", "Quitter"))

def clock_seconds(fields):  # hours, minutes, seconds (more fields are left out)
    return sum(int(f) * 60 ** (2 - i) for i, f in enumerate(fields[:3]))

def main(binary, scenario, *options):
    home, helpers = tempfile.mkdtemp(prefix="veltiming-e2e-"), []
    program = Program(os.path.abspath(binary), home, options[1] if options[:1] == ("--screenshots",) else None)
    try:
        helpers.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]))
        {"chronometre": chronometre, "countdown": countdown, "journal": journal, "desktop": desktop,
         "commands": commands, "global_key": global_key}[scenario](program)
        print("PASS: " + scenario)
        return 0
    except BaseException as failure:
        program.screenshot(None, "failure-%s.png" % scenario)
        if not isinstance(failure, Failure): raise
        print("FAIL: %s: %s" % (scenario, failure), file=sys.stderr)
        return 1
    finally:
        for process in [program.process] + program.helpers + helpers[::-1]:
            if process and process.poll() is None: process.terminate()
            if process: process.wait()
        shutil.rmtree(home, ignore_errors=True)

if __name__ == "__main__":
    helpers = {"notification-service": notification_service, "tray-watcher": tray_watcher}
    sys.exit(helpers[sys.argv[1]](sys.argv[2]) if sys.argv[1] in helpers else main(*sys.argv[1:]))
