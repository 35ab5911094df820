# Prints what a screen reader finds of the program on the accessibility bus: one
# "role | name" line for each object under the program's application, depth first.
# Waits up to 20 seconds for the program to appear; exits 1 when it does not.
import sys
import time

import pyatspi

NAME = sys.argv[1]


def find_application():
    deadline = time.time() + 20
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == NAME:
                return app
        time.sleep(0.3)
    return None


def walk(node, depth):
    print(node.getRoleName(), '|', node.name, flush=True)
    if depth < 12:
        for i in range(min(node.childCount, 100)):
            child = node.getChildAtIndex(i)
            if child is not None:
                walk(child, depth + 1)


app = find_application()
if app is None:
    print('no application named', NAME, file=sys.stderr)
    sys.exit(1)
walk(app, 0)
