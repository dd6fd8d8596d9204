#!/usr/bin/python3
"""Drives the real Stowly window through the accessibility bus, as a screen reader or a
voice-control tool does: the inserted card is read with its detail line, the project is set
through the editable-text interface, the start button is pressed, and the result is read.
Every showing button, field, list and menu button must have a name, and a field's name must
begin with its label. Prints what it finds; exits 0 when all holds.

Usage: ScreenReaderRoad.py CARD_NAME PROJECT"""

import sys
import time

import pyatspi

CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE,
    pyatspi.ROLE_PUSH_BUTTON_MENU,
}

problems = []


def wait(what, found, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            value = found()
        except Exception:  # the tree changes under us while the window redraws
            value = None
        if value:
            return value
        time.sleep(0.1)
    sys.exit(f"gave up waiting for {what}")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def stowly():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Stowly":
            for window in app:
                if window.getRoleName() == "frame" and window.name == "Stowly":
                    return window
    return None


def named(window, role, predicate):
    for node in walk(window):
        if node.getRole() == role and showing(node) and predicate(node.name):
            return node
    return None


def press(node, action):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            return actions.doAction(i)
    problems.append(f"“{node.name}” offers no {action}")
    return False


def label_of(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return None


def check_names(window):
    count = 0
    for node in walk(window):
        if node.getRole() not in CONTROL_ROLES or not showing(node):
            continue
        count += 1
        if not node.name and node.getRole() not in (pyatspi.ROLE_COMBO_BOX,):
            problems.append(f"a {node.getRoleName()} without a name")
        label = label_of(node)
        if label and node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) \
                and not node.name.startswith(label):
            problems.append(f"field “{node.name}” does not begin with its label “{label}”")
    print(f"named controls checked: {count}")


def main():
    card_name, project = sys.argv[1], sys.argv[2]
    window = wait("the Stowly window", stowly)
    # A first start shows the setup; it may be skipped.
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Stowly":
            for other in app:
                if other.name == "Welcome to Stowly":
                    press(wait("Skip Setup", lambda: named(other, pyatspi.ROLE_PUSH_BUTTON,
                                                            lambda n: n == "Skip Setup")), "Press")

    row = wait("the card's row", lambda: next(
        (n for n in walk(window) if n.getRole() in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)
         and n.name.startswith(card_name + ", ")), None))
    print(f"card row: {row.name}")

    field = wait("the project field",
                 lambda: named(window, pyatspi.ROLE_TEXT, lambda n: n == "Project"))
    field.queryEditableText().setTextContents(project)
    start = wait("an enabled start button", lambda: next(
        (n for n in walk(window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(n)
         and n.name.startswith("Offload ") and n.getState().contains(pyatspi.STATE_SENSITIVE)),
        None))
    print(f"start button: {start.name}")
    check_names(window)

    press(start, "Press")
    title = wait("the finished title", lambda: named(
        window, pyatspi.ROLE_LABEL,
        lambda n: n in ("Offload Complete", "Finished with Problems", "Offload Cancelled")), 120)
    summary = wait("the summary line", lambda: named(
        window, pyatspi.ROLE_LABEL, lambda n: " copied · " in n))
    print(f"finished: {title.name} — {summary.name}")
    if title.name != "Offload Complete":
        problems.append(f"the offload ended as “{title.name}”")

    # Last, as it leaves its menu open: the main menu opens from the accessibility interface, with its commands under it.
    menu_button = wait("the main menu", lambda: named(
        window, pyatspi.ROLE_PUSH_BUTTON, lambda n: n == "Main menu"))
    press(menu_button, "ShowMenu")
    items = wait("the main menu's commands", lambda: [
        n.name for n in walk(menu_button) if n.getRole() == pyatspi.ROLE_MENU_ITEM])
    print(f"main menu: {', '.join(items)}")
    if "Quit Stowly" not in items:
        problems.append("the main menu has no Quit Stowly")


    for problem in problems:
        print(f"PROBLEM: {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
