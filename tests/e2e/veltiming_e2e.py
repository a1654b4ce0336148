#!/usr/bin/python3
"""VelTiming seen from outside: the real program on an X display, driven as a
user would, through the accessibility bus. Run by run_e2e.sh, which provides
the session bus; the X display and the accessibility bus are started here.

    veltiming_e2e.py BINARY SCENARIO [--screenshots DIR]
"""
import argparse
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

# An action that opens a modal dialog answers only when the dialog closes, so
# calls give up early; the action itself has run by then.
pyatspi.setTimeout(1500, 1500)

SHOWING = pyatspi.STATE_SHOWING
CHECKED = pyatspi.STATE_CHECKED


class Failure(Exception):
    pass


class Ended(Failure):
    """A failure that waiting longer cannot mend."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def records(*texts):
    """The preferences file's bytes for the given record texts."""
    out = b""
    for text in texts:
        data = text.encode("utf-8")
        out += bytes([len(data)]) + data
    return out


class Program:
    def __init__(self, binary, home, screenshots):
        self.binary = binary
        self.home = home
        self.config = os.path.join(home, "config")
        self.screenshots = screenshots
        self.process = None

    @property
    def preferences_path(self):
        return os.path.join(self.config, "Pref Vel Timing")

    def start(self):
        env = dict(os.environ)
        env.update({
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "ASAN_OPTIONS": "detect_leaks=0",
        })
        self.process = subprocess.Popen([self.binary], env=env, cwd=self.home)

        def started():
            if self.process.poll() is not None:
                raise Ended("the program ended at start-up with status %d" % self.process.returncode)
            return self.find_app()
        self.app = self.wait(started, 30, "the program on the accessibility bus")
        self.main = self.wait(lambda: self.window("Vel Timing"), 20, "the main window")
        # The welcome window hides itself after 1.4 s.
        self.wait(lambda: self.window("À propos de Vel Timing") is None, 10, "the welcome window to hide")

    def find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "VelTiming":
                return app
        return None

    @staticmethod
    def wait(probe, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            try:
                found = probe()
            except Ended:
                raise
            except (GLib.GError, Failure):
                found = None
            if found:
                return found
            time.sleep(0.1)
        raise Failure("waited %s s for %s" % (seconds, what))

    def window(self, name=None):
        """The showing top-level window of that name, or the showing dialog."""
        for child in self.app:
            if child is None or not child.getState().contains(SHOWING):
                continue
            if name is None and child.name != "Vel Timing":
                return child
            if name is not None and child.name == name:
                return child
        return None

    def dialog(self, containing):
        """The showing dialog that holds a control named `containing`."""
        def probe():
            for child in self.app:
                if child is not None and child.name != "Vel Timing" and child.getState().contains(SHOWING):
                    if self.find(child, None, containing, required=False):
                        return child
            return None
        return self.wait(probe, 10, "a dialog with " + containing)

    @staticmethod
    def find(root, role, name, required=True):
        node = pyatspi.findDescendant(
            root, lambda n: n is not None and (role is None or n.getRoleName() == role) and n.name == name)
        check(node is not None or not required, "no %s named %r" % (role or "control", name))
        return node

    def button(self, name, root=None):
        return self.find(root or self.main, "push button", name)

    @staticmethod
    def press(node):
        try:
            node.queryAction().doAction(0)
        except GLib.GError:
            pass  # a modal dialog opened

    def click(self, name, root=None):
        self.press(self.button(name, root))

    @staticmethod
    def text(node):
        return node.queryText().getText(0, -1)

    @staticmethod
    def set_text(node, text):
        node.queryEditableText().setTextContents(text)

    def display(self):
        label = pyatspi.findDescendant(self.main, lambda n: n is not None and n.description == "Temps")
        check(label is not None, "no time display")
        return label.name

    def rows(self):
        table = self.find(self.main, "tree", "Liste des temps").queryTable()
        return [[table.getAccessibleAt(r, c).name for c in range(3)] for r in range(table.nRows)]

    def has_row(self, label):
        return any(row[0] == label for row in self.rows())

    def menu(self, menu, item):
        self.press(self.find(self.find(self.main, "menu item", menu), "menu item", item))

    def screenshot(self, node, name):
        if not self.screenshots:
            return
        x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        os.makedirs(self.screenshots, exist_ok=True)
        subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                        os.path.join(self.screenshots, name)], check=True)

    def wait_exit(self):
        try:
            status = self.process.wait(30)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not quit")
        check(status == 0, "the program quit with status %d" % status)

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def expected_document_tail(comment, rows):
    out = "-" * 61 + "\n" + comment + "\n" + "-" * 62 + "\n"
    for row in rows:
        out += "\t".join(row) + "\n"
    return out.encode("utf-8")


def chronometre_run(p):
    """Two laps, a pause and a stop, saved with a comment at quit."""
    check(p.display() == "0:00:00:00", "display at start: " + p.display())
    # Buttons pressed through the accessibility bus click a moment later, so
    # each step waits for its effect before the next.
    p.click("Départ")
    p.wait(lambda: p.button("Stop"), 5, "the Stop caption")
    time.sleep(1.2)
    p.set_text(p.find(p.main, "text", "Commentaire"), "Échauffement")
    p.click("Intermédiaire")
    p.wait(lambda: p.has_row("1: Échauffement"), 5, "the commented lap")
    time.sleep(1.1)
    p.click("Pause")
    p.wait(lambda: p.button("Reprendre"), 5, "the Reprendre caption")
    paused = p.display()
    time.sleep(1.2)
    check(p.display() == paused, "the display moved during the pause")
    p.click("Reprendre")
    p.wait(lambda: p.button("Pause"), 5, "the Pause caption")
    p.click("Intermédiaire")
    p.wait(lambda: p.has_row("Temps intermédiaire  2:"), 5, "the second lap")
    p.click("Stop")
    p.wait(lambda: p.button("Départ"), 5, "the Départ caption")
    rows = p.rows()
    labels = [row[0] for row in rows]
    lap2 = rows[labels.index("Temps intermédiaire  2:")]
    check(re.fullmatch(r"0:00:(0[2-9]|1\d):\d\d", lap2[1]), "second lap time: %r" % lap2)
    check(lap2[2].startswith("+"), "second lap difference: %r" % lap2)
    p.screenshot(p.main, "veltiming-laps.png")

    p.menu("Edition", "Préférences...")
    prefs = p.dialog("Voir écarts")
    p.screenshot(prefs, "veltiming-preferences.png")
    p.click("Annuler", prefs)
    p.wait(lambda: not prefs.getState().contains(SHOWING), 5, "the preferences to hide")

    document = os.path.join(p.home, "Course.txt")
    p.menu("Fichier", "Quitter")
    p.click("Sauvegarder", p.dialog("Sauvegarder"))
    question = p.dialog("Réponse")
    p.set_text(p.find(question, "text", "Réponse"), "Course du dimanche")
    p.click("Continuer", question)
    save = p.dialog("Nom de fichier :")
    p.set_text(p.find(save, "text", "Nom de fichier :"), document)
    p.click("Enregistrer", save)
    p.wait_exit()

    with open(document, "rb") as f:
        saved = f.read()
    header, _, tail = saved.partition(b"\n")
    check(re.fullmatch(r"Tableau de chronométrage créé le \d\d/\d\d/\d\d\d\d à \d\d:\d\d par VelTiming\.",
                       header.decode("utf-8")), "header: %r" % header)
    check(tail == expected_document_tail("Course du dimanche", rows), "document body:\n%s" % tail.decode())
    with open(p.preferences_path, "rb") as f:
        stored = f.read()
    expected = records("20", "50", "357", "520", "0", "1", "1", "Temps écoulé!", "300", "1",
                       "Temps intermédiaire ")
    check(stored == expected, "preferences: %r" % stored)


def countdown(p):
    """A 5-second countdown that ends with the alert showing the message."""
    p.press(p.find(p.main, "radio button", "Timer"))
    p.wait(lambda: p.find(p.main, "radio button", "Timer").getState().contains(CHECKED), 5, "Timer mode")
    down = p.button("Diminuer le timer")
    for _ in range(300):
        p.press(down)
    check(p.display() == "0:00:05:00", "display after the preset: " + p.display())

    p.menu("Edition", "Préférences...")
    prefs = p.dialog("Voir écarts")
    p.set_text(p.find(prefs, "text", "Message d'alerte du timer"), "Les pâtes sont prêtes")
    p.click("OK", prefs)
    p.click("Départ")
    alert = p.wait(lambda: p.window("Vel Timing message"), 10, "the alert")
    check(p.find(alert, "label", "Les pâtes sont prêtes", required=False) is not None, "the alert's message")
    check(p.display() == "0:00:00:00", "display at the end: " + p.display())
    p.screenshot(alert, "veltiming-alert.png")
    p.click("OK", alert)
    p.wait(lambda: p.window("Vel Timing message") is None, 5, "the alert to close")

    p.menu("Fichier", "Quitter")
    p.click("Quitter", p.dialog("Sauvegarder"))
    p.wait_exit()
    with open(p.preferences_path, "rb") as f:
        stored = f.read()
    expected = records("20", "50", "357", "520", "0", "1", "1", "Les pâtes sont prêtes", "5", "2",
                       "Temps intermédiaire ")
    check(stored == expected, "preferences: %r" % stored)


STORED = records("140", "90", "400", "560", "1", "0", "0", "Fin", "42", "2", "Tour")


def restore(p):
    """A start on a preferences file written beforehand, written back at quit."""
    check(p.find(p.main, "radio button", "Timer").getState().contains(CHECKED), "Timer mode restored")
    check(p.button("Augmenter le timer").getState().contains(SHOWING), "the arrows are shown")
    x, y, w, h = p.find(p.main, "tree", "Liste des temps").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    check(x == 140 + 8, "the list's left edge: %d" % x)
    p.menu("Edition", "Préférences...")
    prefs = p.dialog("Voir écarts")
    check(p.text(p.find(prefs, "text", "Texte des temps intermédiaires")) == "Tour", "lap label restored")
    check(p.text(p.find(prefs, "text", "Message d'alerte du timer")) == "Fin", "alert message restored")
    check(p.find(prefs, "check box", "Demander chaque fois").getState().contains(CHECKED), "question box")
    check(not p.find(prefs, "check box", "Voir écarts").getState().contains(CHECKED), "differences box")
    p.click("Annuler", prefs)
    p.menu("Fichier", "Quitter")
    p.wait_exit()
    with open(p.preferences_path, "rb") as f:
        stored = f.read()
    check(stored == STORED, "preferences written back: %r" % stored)


def unwritable_preferences(p):
    """A preferences file that cannot be written: one message, then the quit."""
    os.makedirs(p.preferences_path)  # a folder where the file goes
    p.menu("Fichier", "Quitter")

    def message():
        for child in p.app:
            if child is None or not child.getState().contains(SHOWING):
                continue
            label = pyatspi.findDescendant(
                child, lambda n: n is not None and n.getRoleName() == "label" and
                n.name.startswith("Impossible d'enregistrer les préférences"))
            if label is not None:
                return child, label
        return None
    box, label = p.wait(message, 10, "the message about the preferences")
    check(p.preferences_path in label.name, "the message names the file: %r" % label.name)
    p.click("OK", box)
    p.wait_exit()
    check(os.path.isdir(p.preferences_path), "the folder in the file's place is untouched")


SCENARIOS = {"chronometre": chronometre_run, "countdown": countdown, "restore": restore,
             "unwritable": unwritable_preferences}


def start_display():
    """Starts Xvfb on a free display and returns it once it accepts clients."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=[write_end])
    os.close(write_end)
    # Xvfb writes the display number only when it is ready for clients.
    with os.fdopen(read_end) as ready:
        number = ready.readline().strip()
    check(number.isdigit(), "Xvfb did not start")
    # Clients connect through the socket file; wait until it answers too.
    path = "/tmp/.X11-unix/X" + number
    deadline = time.monotonic() + 10
    while True:
        try:
            with socket.socket(socket.AF_UNIX) as probe:
                probe.connect(path)
            break
        except OSError:
            check(time.monotonic() < deadline, "display :%s does not accept clients" % number)
            time.sleep(0.05)
    os.environ["DISPLAY"] = ":" + number
    return server


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    parser.add_argument("--screenshots")
    args = parser.parse_args()
    home = tempfile.mkdtemp(prefix="veltiming-e2e-")
    program = Program(os.path.abspath(args.binary), home, args.screenshots)
    if args.scenario == "restore":
        os.makedirs(program.config)
        with open(program.preferences_path, "wb") as f:
            f.write(STORED)
    server = launcher = None
    try:
        server = start_display()
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        # Now and then a fresh display refuses the program's very first
        # connection; a program that ends before it shows is started again.
        for attempt in range(3):
            try:
                program.start()
                break
            except Ended as ended:
                if attempt == 2:
                    raise
                print("note: %s; starting it again" % ended, file=sys.stderr)
                time.sleep(1)
        SCENARIOS[args.scenario](program)
    except Failure as failure:
        print("FAIL: %s: %s" % (args.scenario, failure), file=sys.stderr)
        return 1
    finally:
        program.stop()
        for helper in (launcher, server):
            if helper is not None:
                helper.terminate()
                helper.wait()
        shutil.rmtree(home, ignore_errors=True)
    print("PASS: %s" % args.scenario)
    return 0


if __name__ == "__main__":
    sys.exit(main())
