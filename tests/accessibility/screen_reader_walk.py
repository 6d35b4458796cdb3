#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game by keyboard alone, as a blind player with a screen reader does, and reads
what the accessibility bus (AT-SPI) tells a screen reader on the way.

It walks every screen: the splash screen, the title menu, the settings, the best scores and
the chronicle a row opens, the about box, the help window, the two name boxes, the game screen
with its menus and report, the month turns until the great rebellion, the rebellion screen,
the reign's chronicle during play, and back. It fails when a control that the player works or
reads has no name, when the keyboard focus falls on an object without a name, and when the
text of a month's event does not reach the screen reader as the player's answer button takes
it, with the focus or as a notification. At the end it prints, for every screen, its controls
and how many of them are named, and what a screen reader was told.

    screen_reader_walk.py PROGRAM GAME_FOLDER [--survey] [--settle SECONDS]

Run it on an X display with the accessibility bus switched on (on_the_accessibility_bus.sh).
With --survey it only reports and never fails. --settle sets how long the bus must be quiet
before the next key (0.15 s); a screen reader listening beside the walk, such as Orca taking
down what it says, needs the pace of a person (about 0.6 s).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

# What the player works or reads; a window of the game needs its name too. Scroll bars,
# panes and the decorative icon of a message box are neither.
WORKED = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_COLUMN_HEADER, pyatspi.ROLE_LINK,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_DOCUMENT_TEXT, pyatspi.ROLE_DOCUMENT_FRAME,
}
READ = {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC, pyatspi.ROLE_IMAGE}
WINDOWS = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_WINDOW,
           pyatspi.ROLE_FILE_CHOOSER}
BOXES = {pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT}

SETTLE = 0.15  # quiet seconds after which a key's effects are taken as done (--settle)
PATIENCE = 10  # seconds to wait for a window or a focus


def safe(read, default=None):
    try:
        return read()
    except Exception:  # an object gone from the bus reads as nothing
        return default


def name_of(obj):
    return safe(lambda: obj.name, '') or ''


def role_of(obj):
    return safe(lambda: obj.getRole())


def role_name(obj):
    return safe(lambda: obj.getRoleName(), '?')


def showing(obj):
    return safe(lambda: obj.getState().contains(pyatspi.STATE_SHOWING), False)


def window_of(obj):
    while obj is not None and role_of(obj) not in WINDOWS:
        obj = safe(lambda: obj.parent)
    return obj


class Walk:
    def __init__(self, program, game_folder, survey, quiet):
        self.survey = survey
        self.quiet = quiet
        self.failures = []
        self.heard = []  # what a screen reader is told, in order
        self.screens = {}  # screen -> (controls, named)
        self.focused = None
        self.events = 0
        self.folder = tempfile.mkdtemp(prefix='velmoran-a11y-')
        shutil.copytree(game_folder, os.path.join(self.folder, 'game'))
        for kind in ('object:state-changed:focused', 'object:property-change:accessible-description',
                     'window:activate', 'object:state-changed:showing'):
            pyatspi.Registry.registerEventListener(self.on_event, kind)
        self.game = subprocess.Popen([program], cwd=os.path.join(self.folder, 'game'),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # --- the bus -----------------------------------------------------------------------

    def on_event(self, event):
        self.events += 1
        source = event.source
        if role_of(source) is None:
            return  # a window closed before its event was read: nothing is left to tell
        if event.type.startswith('object:state-changed:focused'):
            if not event.detail1:
                return
            self.focused = source
            said = ' '.join(part for part in (name_of(source), role_name(source),
                                               safe(lambda: source.description, '')) if part)
            self.heard.append(('focus', said, source))
            if not name_of(source) and role_of(source) not in WINDOWS:
                self.fail('the focus fell on a %s without a name in "%s"'
                          % (role_name(source), name_of(window_of(source))))
        elif event.type.startswith('object:property-change:accessible-description'):
            said = safe(lambda: source.description, '')
            if source == self.focused and said:
                self.heard.append(('description', said, source))
        elif event.type.startswith('window:activate'):
            self.heard.append(('window', '%s %s' % (name_of(source), role_name(source)), source))
        elif event.type.startswith('object:state-changed:showing'):
            if event.detail1 and role_of(source) == pyatspi.ROLE_ALERT:
                self.heard.append(('alert', name_of(source), source))
            elif event.detail1 and role_of(source) == pyatspi.ROLE_NOTIFICATION:
                self.heard.append(('notification', name_of(source), source))

    def pump(self, seconds):
        end = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while time.monotonic() < end:
            while context.iteration(False):
                pass
            time.sleep(0.01)

    def settle(self, most=4.0):
        """Waits until the bus has been quiet for a moment."""
        end = time.monotonic() + most
        seen = -1
        while time.monotonic() < end and seen != self.events:
            seen = self.events
            self.pump(self.quiet)

    def wait_for(self, what, test, seconds=PATIENCE):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            found = safe(test)
            if found:
                return found
            self.pump(0.05)
        self.fail('waited in vain for %s' % what)
        raise SystemExit(self.report())

    def app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(safe(lambda: desktop.childCount, 0)):
            child = safe(lambda: desktop.getChildAtIndex(i))
            if child is not None and name_of(child) == 'velmoran':
                return child
        return None

    def windows(self):
        app = self.app()
        if app is None:
            return []
        found = []
        for i in range(safe(lambda: app.childCount, 0)):
            child = safe(lambda: app.getChildAtIndex(i))
            if child is not None and showing(child):
                found.append(child)
        return found

    def window(self, title):
        for window in self.windows():
            if name_of(window) == title:
                return window
        return None

    def find(self, root, test):
        if root is None:
            return None
        if safe(lambda: test(root)):
            return root
        for i in range(safe(lambda: root.childCount, 0)):
            found = self.find(safe(lambda: root.getChildAtIndex(i)), test)
            if found is not None:
                return found
        return None

    def key(self, *keys):
        for key in keys:
            subprocess.run(['xdotool', 'key', '--clearmodifiers', key], check=True)
            self.settle()

    def focus_name(self):
        return name_of(self.focused) if self.focused is not None else ''

    def tab_to(self, name, title, most=20):
        """Tab until the control `name` of the window `title` has the focus. Where the keyboard
        is lost, the window is brought back as a sighted player would, so that the walk goes on
        and tells of the rest."""
        for attempt in range(2):
            for _ in range(most):
                if self.focus_name() == name:
                    return True
                self.key('Tab')
            self.fail('Tab did not reach "%s"' % name)
            subprocess.run(['xdotool', 'search', '--name', '^%s$' % title, 'windowactivate'],
                           check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.settle()
        return False

    def close(self, title):
        """Esc closes a window; where it does not, the window manager's Alt+F4 does."""
        self.key('Escape')
        if self.window(title):
            self.fail('Esc did not close "%s"' % title)
            self.key('alt+F4')

    def fail(self, why):
        if why not in self.failures:
            self.failures.append(why)

    # --- what a screen reader finds -------------------------------------------------

    def survey_window(self, screen, window):
        """Counts a window's controls, their names and the keyboard's stops among them; fails
        on a control without a name and on a window that is no window to a screen reader."""
        controls = named = reached = 0
        if role_of(window) not in WINDOWS:
            self.fail('%s: the window "%s" is a %s' % (screen, name_of(window), role_name(window)))
        in_a_box = role_of(window) in BOXES
        pending = [window]
        while pending:
            obj = pending.pop()
            role = role_of(obj)
            if role is None or not showing(obj):
                continue
            checked = role in WORKED or role in WINDOWS or (
                role in READ and not (in_a_box and role == pyatspi.ROLE_IMAGE))
            # A label that shows nothing is no control; one whose text is its name is named.
            if role == pyatspi.ROLE_LABEL and not name_of(obj):
                checked = bool(safe(lambda: obj.queryImage().imageSize != (0, 0)))
            if checked:
                controls += 1
                reached += safe(lambda: obj.getState().contains(pyatspi.STATE_FOCUSABLE), False)
                if name_of(obj).strip():
                    named += 1
                else:
                    self.fail('%s: a %s without a name' % (screen, role_name(obj)))
            for i in range(safe(lambda: obj.childCount, 0)):
                child = safe(lambda: obj.getChildAtIndex(i))
                if child is not None:
                    pending.append(child)
        before = self.screens.get(screen, (0, 0, 0))
        self.screens[screen] = (max(before[0], controls), max(before[1], named),
                                max(before[2], reached))

    def survey_screen(self, screen, title):
        window = self.wait_for('the window "%s"' % title, lambda: self.window(title))
        self.survey_window(screen, window)
        return window

    def survey_active_box(self, screen):
        for window in self.windows():
            if role_of(window) in BOXES:
                self.survey_window(screen, window)

    # --- the game ---------------------------------------------------------------------

    def info_text(self):
        game = self.window(' Velmoran')
        panel = self.find(game, lambda o: name_of(o).startswith('Info okno'))
        name = name_of(panel) if panel is not None else ''
        return name[len('Info okno: '):] if name.startswith('Info okno: ') else ''

    def heard_since(self, mark, text):
        """A screen reader speaks a text with the object that takes the focus, or as a
        notification; a description that changes on the focused object is not enough (Qt tells
        the object, not the text, and Orca says nothing)."""
        return any(text in said for kind, said, _ in self.heard[mark:]
                   if kind in ('focus', 'notification'))

    def answer_boxes(self):
        """Closes the message boxes a month turn shows, reading each."""
        for _ in range(10):
            boxes = [w for w in self.windows() if role_of(w) in BOXES]
            if not boxes:
                return
            self.survey_window('okna se zprávou', boxes[0])
            self.key('Return')

    def expect_heard(self, mark, what):
        """The panel's text must reach the screen reader with the answer button."""
        text = self.info_text()
        if text and not self.heard_since(mark, text):
            self.fail('the screen reader did not hear %s: "%s"' % (what, text))
        return text

    def month(self, command_keys):
        """A command, its Ok and the month's event, read as they come."""
        mark = len(self.heard)
        self.key(*command_keys)
        self.answer_boxes()
        self.expect_heard(mark, 'the text of a command')
        for _ in range(6):
            focus = self.focus_name()
            if self.window('Velká národní vzpoura!') or focus not in ('Ok', 'Ano', 'Ne'):
                return
            mark = len(self.heard)
            if focus == 'Ano':
                self.key('Tab', 'space')  # "Ne": never a step that cannot be undone
            else:
                self.key('space')
            self.answer_boxes()
            self.expect_heard(mark, 'the text of an event')

    def walk(self):
        splash = self.wait_for('the splash screen', lambda: self.window('Velmoran'), 20)
        self.survey_window('úvodní obrazovka', splash)
        menu = self.survey_screen('hlavní nabídka', ' Velmoran ')
        self.wait_for('the focus on "Start"', lambda: self.focus_name() == 'Start')
        for _ in range(5):
            self.key('Tab')

        self.tab_to('Nastavení', ' Velmoran ')
        self.key('Return')
        self.survey_screen('nastavení', ' Nastavení')
        self.survey_active_box('nastavení')
        for _ in range(5):
            self.key('Tab')
        self.close(' Nastavení')

        self.tab_to('Top 3', ' Velmoran ')
        self.key('Return')
        self.survey_screen('nejlepší skóre', 'Nejlepší skóre')
        self.key('Tab')
        if not self.focus_name().startswith('1. '):
            self.fail('Tab did not reach the first row of the best scores')
        self.key('Tab', 'Tab', 'Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', 'Return')
        chronicle = self.window('Kronika vlády')
        if chronicle is not None:
            self.survey_window('kronika', chronicle)
            self.key('Tab', 'Tab')
            self.close('Kronika vlády')
        self.answer_boxes()
        self.close('Nejlepší skóre')

        self.wait_for('the title menu', lambda: self.window(' Velmoran '))
        self.tab_to('O hře', ' Velmoran ')
        self.key('Return')
        self.survey_screen('o hře', ' O Hře')
        for _ in range(4):
            self.key('Tab')
        self.close(' O Hře')

        self.wait_for('the title menu', lambda: self.window(' Velmoran '))
        self.key('F1')
        self.survey_screen('nápověda', 'Velmoran – nápověda')
        mark = len(self.heard)
        self.key('Tab')
        if not any(kind == 'description' and said.startswith('Odkaz: ')
                   for kind, said, _ in self.heard[mark:]):
            self.fail('a link of the help page is not told')
        self.close('Velmoran – nápověda')

        self.wait_for('the title menu', lambda: self.window(' Velmoran '))
        self.tab_to('Start', ' Velmoran ')
        self.key('Return')
        self.survey_active_box('okna se jménem')
        self.key('Return')
        self.survey_active_box('okna se jménem')
        mark = len(self.heard)
        self.key('Return')
        self.survey_screen('hra', ' Velmoran')
        self.wait_for('the focus on Ok', lambda: self.focus_name() == 'Ok')
        self.expect_heard(mark, 'the welcome')
        for _ in range(12):
            self.key('Tab')

        # The typical month: the army's subsidy, its Ok, then "Nic" and the month turn.
        self.tab_to('Ok', ' Velmoran')
        self.key('space')
        self.month(['F10', 'Right', 'Right', 'Return'])
        self.key('Tab', 'space')  # the secret police report, bought by keyboard
        self.survey_screen('hra', ' Velmoran')
        self.month(['alt+n'])
        self.key('F3')
        chronicle = self.window('Kronika vlády')
        if chronicle is None:
            self.fail('F3 did not open the reign\'s chronicle')
        else:
            self.survey_window('kronika', chronicle)
            self.key('Tab', 'Right', 'Tab')
            self.close('Kronika vlády')
        self.key('F10', 'Right', 'Right')
        self.key('Escape', 'Escape')
        if self.focus_name() not in ('Ok', 'Ano', 'Ne') and not self.focus_name().startswith(
                'Info okno'):
            self.fail('Esc on the menu bar left the focus on "%s"' % self.focus_name())

        for _ in range(60):
            if self.window('Velká národní vzpoura!') or not self.window(' Velmoran'):
                break
            self.month(['alt+n'])
        rebellion = self.window('Velká národní vzpoura!')
        if rebellion is None:
            self.fail('no rebellion broke out')
        else:
            self.survey_window('vzpoura', rebellion)
            if 'Kdo bojuje s tebou' not in safe(lambda: self.focused.description, ''):
                self.fail('the rebellion\'s sides are not told with its OK')
            for _ in range(5):
                self.key('Tab')
            self.tab_to('OK', 'Velká národní vzpoura!')
            self.key('Return')
            self.answer_boxes()

        if self.window(' Velmoran'):
            self.key('ctrl+k')
        self.answer_boxes()
        if self.window('Nejlepší skóre'):
            self.key('Escape')
        self.wait_for('the title menu', lambda: self.window(' Velmoran '))
        self.tab_to('Konec', ' Velmoran ')
        self.key('Return')

    # --- the end ----------------------------------------------------------------------

    def report(self):
        lines = ['%-18s %8s %6s %9s' % ('obrazovka', 'prvků', 'jméno', 'klávesnice')]
        for screen, (controls, named, reached) in self.screens.items():
            lines.append('%-18s %8d %6d %9d' % (screen, controls, named, reached))
        lines.append('')
        lines.append('Co slyšel čtečka obrazovky (%d zpráv):' % len(self.heard))
        for kind, said, _ in self.heard:
            lines.append('  %-11s %s' % (kind, said.replace('\n', ' ')))
        lines.append('')
        for failure in self.failures:
            lines.append('FAIL: ' + failure)
        return '\n'.join(lines)

    def end(self):
        try:
            self.game.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.game.kill()
            self.game.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


def main():
    program, game_folder = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    options = sys.argv[3:]
    survey = '--survey' in options
    quiet = float(options[options.index('--settle') + 1]) if '--settle' in options else SETTLE
    started = time.monotonic()
    walk = Walk(program, game_folder, survey, quiet)
    try:
        walk.walk()
    finally:
        walk.end()
    print(walk.report())
    print('walked in %.1f s' % (time.monotonic() - started))
    return 1 if walk.failures and not survey else 0


if __name__ == '__main__':
    sys.exit(main())
