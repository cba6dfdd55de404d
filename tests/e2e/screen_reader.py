#!/usr/bin/python3
# The game as a screen reader meets it, through AT-SPI itself. Run inside
# dbus-run-session, on an X server with a window manager:
#     screen_reader.py PROGRAM QT_VERSION
# PROGRAM's folder holds the one-name database of the real-window test (Anna,
# from Testland); QT_VERSION is the one it was built with. Listening as a
# screen reader does (to the focus, and to what it speaks: announcements, or
# before Qt 6.8, which has none, the description changes of the focused
# widget), this plays a level by keys and checks what would be spoken, in
# order: where the focus is (the widget, its role and the roles around it,
# which must hold no other window), and the reports after each move, each
# the way its Qt version must send it; none said twice, such as a letter
# tried before typed again in the other case.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

heard, focus, failures = [], [None], []
ANNOUNCED = tuple(map(int, sys.argv[2].split('.')[:2])) >= (6, 8)
POLITE = 1  # AT-SPI's politeness of an announcement that waits its turn


def listen(event):
    if event.type.startswith('object:state-changed:focused') and event.detail1:
        focus[0], node, roles = event.source, event.source, []
        try:
            while node.getRoleName() != 'application':
                roles, node = roles + [node.getRoleName()], node.parent
        except GLib.GError:  # a box's button, gone with its box
            return
        heard.append('%s: %s' % (event.source.name, ' in '.join(roles)))
    elif isinstance(event.any_data, str) and event.source == focus[0]:
        announced = event.type.startswith('object:announcement')
        if announced != ANNOUNCED or (announced and event.detail1 != POLITE):
            failures.append('%r came as %s (politeness %d)' % (event.any_data, event.type, event.detail1))
        heard.append(event.any_data)


STEPS = [  # (window with the keyboard, keys, what is said then, in order)
    (None, [], ['Letter: text in panel in frame', 'New name, from Testland: 4 blanks. 100 seconds. 4 letters '
                'hidden. 10 lives left. Score 0.']),
    ('Nomilo v', ['a', 'Return'], ['a: found. A, 2 blanks, a. 2 letters hidden. 10 lives left. Score 1.']),
    ('Nomilo v', ['z', 'Return'], ['z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1.']),
    ('Nomilo v', ['a', 'BackSpace', 'A', 'Return'], ['a: already tried in this level.', 'A: already tried. A, 2 '
                                                     'blanks, a. 2 letters hidden. 8 lives left. Score 1.']),
    ('Nomilo v', ['n', 'Return'], []),
    ('Congratulations', ['Return'], ['Letter: text in panel in frame', 'New name, from Testland: 4 blanks. 95 '
                                    'seconds. 4 letters hidden. 10 lives left. Score 4.']),
]


def in_order(said, heard):
    rest = iter(heard)
    return all(any(line == text for line in rest) for text in said)


subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
pyatspi.Registry.registerEventListener(listen, 'object:state-changed:focused', 'object:announcement',
                                       'object:property-change:accessible-description')
game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
for number, (window, keys, said) in enumerate(STEPS):
    if keys:  # to the window, once it is up and focused (a box's own window is the last found)
        found = subprocess.check_output(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^' + window]).split()
        subprocess.run(['xdotool', 'windowfocus', '--sync', found[-1], 'sleep', '0.3', 'key', '--delay', '60'] + keys,
                       check=True)
    start, deadline = len(heard) if keys else 0, time.monotonic() + 15
    while not in_order(said, heard[start:]) and time.monotonic() < deadline:
        GLib.MainContext.default().iteration(False) or time.sleep(0.02)  # the events come in here
    reports = [line.lower() for line in heard[start:] if line.endswith('.')]  # the focus may be told again, a report not
    if failures or not in_order(said, heard[start:]) or len(set(reports)) < len(reports):
        failures.append('step %d: wanted %r, heard %r' % (number, said, heard[start:]))
        break
game.kill()
print('\n'.join(failures) or 'screen reader: the focus and what is said after each move, as expected')
sys.exit(1 if failures else 0)
