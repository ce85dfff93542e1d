"""What a screen reader finds of Orvane's main window through AT-SPI: each
slider and field by its name, each list by the label that names it."""
import sys
import time

import pyatspi

SLIDERS = ["Mouse Scrolling (1-100)", "Keyboard Scrolling (1-100)", "Gamma (1-100)", "SFX Volume (1-100)",
           "Music Volume (1-100)"]
FIELDS = ["Network Gameport (1024 - 49151)", "LAN Username", "Path for Savegames", "Path for Replays",
          "Path for Logs", "Path for Error reports"]
LISTS = ["Resolution", "Color Depth", "Refresh Rate", "Modeldetail", "Texture Color Depth", "Sound - System:",
         "Campaign Profile", "Battle.net Account Name"]


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
