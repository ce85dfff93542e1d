"""What a screen reader finds of Orvane's main window through AT-SPI: each
slider and field by its name, each list by the label that names it, and
beside each slider the number it shows, after the start, after a key moved
the slider and after F5 reloaded the settings. Given a compiled catalogue
(.mo), each name is its translation there."""
import gettext
import subprocess
import sys
import time

import pyatspi

SLIDERS = ["Mouse Scrolling (1-100)", "Keyboard Scrolling (1-100)", "Gamma (1-100)", "SFX Volume (1-100)",
           "Music Volume (1-100)"]
FIELDS = ["Network Gameport (1024 - 49151)", "LAN Username", "Path for Savegames", "Path for Replays",
          "Path for Logs", "Path for Error reports"]
LISTS = ["Resolution", "Color Depth", "Refresh Rate", "Modeldetail", "Texture Color Depth", "Sound - System:",
         "Campaign Profile", "Battle.net Account Name"]


if len(sys.argv) > 1:
    with open(sys.argv[1], "rb") as compiled:
        translated = gettext.GNUTranslations(compiled).gettext
    SLIDERS, FIELDS, LISTS = ([translated(name) for name in names] for names in (SLIDERS, FIELDS, LISTS))


def orvane():
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and (app.name or "").lower() == "orvane":
                return app
        time.sleep(0.1)
    return None


def named(node, found):
    role = node.getRoleName()
    labels = [relation.getTarget(i).name for relation in node.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(relation.getNTargets())]
    found.setdefault(role, []).append((node.name, labels))
    for child in node:
        named(child, found)


app = orvane()
if app is None:
    sys.exit("Orvane did not appear on the accessibility bus")
found = {}
named(app, found)
missing = [name for name in SLIDERS if name not in [n for n, _ in found.get("slider", [])]]
missing += [name for name in FIELDS if name not in [n for n, _ in found.get("text", [])]]
missing += [name for name in LISTS if not any(name in labels for _, labels in found.get("combo box", []))]
if missing:
    sys.exit("no control is named " + ", ".join(missing))
print("every slider, field and list has its name")


def sliders(node, found):
    if node.getRoleName() == "slider" and node.name in SLIDERS:
        found[node.name] = node
    for child in node:
        sliders(child, found)
    return found


def count_beside(slider):
    parent = slider.parent
    for index in range(slider.getIndexInParent() + 1, parent.childCount):
        if parent.getChildAtIndex(index).getRoleName() == "label":
            return parent.getChildAtIndex(index)
    return None


def counts_read_wrong(found):
    wrong = []
    for name, slider in found.items():
        value = str(round(slider.queryValue().currentValue))
        count = count_beside(slider)
        if count is None or count.name != value:
            wrong.append(f"{name} is at {value}, its count reads {count.name if count else 'nothing'}")
    return wrong


def press(key):
    subprocess.run(["xdotool", "key", key], check=True)
    time.sleep(0.5)


found = sliders(app, {})
keyboard = found[SLIDERS[1]]
wrong = counts_read_wrong(found)
keyboard.queryComponent().grabFocus()
time.sleep(0.3)
press("Page_Up")
moved = round(keyboard.queryValue().currentValue)
wrong += ["after a key: " + w for w in counts_read_wrong(found)]
press("F5")
wrong += ["after F5: " + w for w in counts_read_wrong(found)]
if moved == 50 or round(keyboard.queryValue().currentValue) != 50:
    wrong.append(f"the key left the slider at {moved} and F5 at {round(keyboard.queryValue().currentValue)}, not 60 and 50")
if wrong:
    sys.exit("\n".join(wrong))
print("every count beside a slider reads its value")
