#!/usr/bin/python3
"""What Debian's Orca says to a blind student at each step of the lesson,
on the desktop program or in the page in Firefox ESR: the first focus; a
preset pressed with a button focused (the response's gist, not its eight
samples); Shift pressed (its new state); Memory ticked; a point on focus
and after Up (its gain); the impulse plot's Right (its read-out); on the
desktop, the eye diagram shown by Ctrl+E and a point's Up then (the eye's
words); and, in the page, the reading from the top (the controls and the
plot, no description holder, no empty alert) and the eye shown by its
toggle (its words).

Usage, inside run_orca.sh: orca_check.py desktop PROGRAM | page PAGE.
Exits 0 when every step was heard as it should be, 1 otherwise."""
import os
import re
import sys
from pathlib import Path

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import heard, log, main  # noqa: E402

NUMBER = r"-?\d+\.\d{3}"
# A gain step, 15 twips of 2700 per unit, as the spoken gains differ within
# their rounding.
UP_STEP, ROUNDING = 15 / 2700, 0.0011
# The gist of a response after a preset or a drop; while the eye diagram
# shows, its words follow in the same announcement.
GIST = r"intersymbol interference (" + NUMBER + r")\.?"
EYE = r"eye (height " + NUMBER + r" at the sampling instant, open over \d+\.\d\d T|closed at the sampling instant: height " + \
    NUMBER + r")\.?"
# Reading the page from the top speaks every control and the plot, whose
# value is its read-out at t = 0.
READING = [r"RC Filter", r"Roll-off alpha", r"Random", r"Sorvane", r"Rotate", r"Shift", r"Memory"] + \
    [f"Control point {i}" for i in range(9)] + [r"Impulse response", r"t = \+0\.00 T \(sample 512\): h = " + NUMBER]
# Texts of the page's hidden description holders, which reading the page
# must not speak.
HOLDERS = ("copy hidden", "copies hidden", "holds no response", "of the symbol rate", "samples at t =")


def finds(pattern):
    compiled = re.compile(pattern)
    return lambda said: next((m for m in map(compiled.fullmatch, said) if m), None)


def up_check(before_pattern, after_pattern, on_focus):
    """After Up, the gain spoken is one key step above the gain spoken on
    focus (`on_focus`, the utterances then)."""
    def check(said):
        before, after = finds(before_pattern)(on_focus), finds(after_pattern)(said)
        if before is None or after is None:
            return "no gain on focus or after Up"
        rise = float(after.group(1)) - float(before.group(1))
        return None if abs(rise - UP_STEP) <= ROUNDING else f"the gain rose by {rise:.4f}, not one step"
    return check


def none_of(texts, also=()):
    def check(said):
        wrong = [s for s in said if any(t in s for t in texts) or s.strip().lower() in also]
        return f"should not be heard: {wrong}" if wrong else None
    return check


def lesson(desktop, steps, words):
    """The steps both front ends share, from the first control, "RC Filter",
    focused; `words` gives each front end's way of saying things."""
    steps.step("a preset (RC Filter) pressed, a button focused: the gist", "space", heard(r"intersymbol interference 0\.000\.?"),
               none_of(["samples at t ="]))
    steps.step("Tab to the roll-off", "Tab", heard(words["alpha"]))
    steps.step("Tab to Random", "Tab", heard(r"Random " + words["button"] + r"\.?"))
    steps.step("Random pressed: the gist", "space", heard(GIST), none_of(["samples at t ="]))
    steps.step("Tab to Sorvane", "Tab", heard(r"Sorvane " + words["button"] + r"\.?"))
    steps.step("Tab to Rotate", "Tab", heard(r"Rotate " + words["toggle"] + r"\.?"))
    steps.step("Tab to Shift", "Tab", heard(r"Shift " + words["toggle"] + r"\.?", r"copies hidden\.?"))
    steps.step("Shift pressed: its new state", "space", heard(*words["shift pressed"]))
    steps.step("Tab to Memory", "Tab", heard(r"Memory check box not checked\.?"))
    steps.step("Memory ticked", "space", heard(r"checked\.?"))
    on_focus = steps.step("a point on focus", "Tab", heard(words["point"], *words["point mode"]))
    steps.step("a point's Up: its gain", "Up", heard(words["gain"]), up_check(words["point"], words["gain"], on_focus))
    for index in range(1, 9):
        steps.step(f"Tab to point {index}", "Tab", heard(f"Control point {index} .*"))
    steps.step("the impulse plot on focus", "Tab", heard(words["plot"]))
    steps.step("the plot's Right: its read-out", "Right",
               heard(r"t = \+1\.00 T \(sample 640\): h = " + NUMBER + r"\.?"))


def on_the_desktop(desktop, steps, program):
    desktop.start([program], {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_QPA_PLATFORM": "xcb"})
    steps.step("the window's first focus", lambda: desktop.focus_window("^Brask.s Sorvane Filter Demo$"),
               heard(r"RC Filter push button\.?"))
    lesson(desktop, steps, {
        "alpha": r"Roll-off alpha scroll bar \d+\.?",
        "button": "push button",
        # Qt 6.4 gives a screen reader no toggle button: the state is in
        # the tree, and the window says the new description itself.
        "toggle": "push button",
        "shift pressed": [r"copies sliding apart\.?"],
        "point": r"Control point 0 slider (" + NUMBER + r")\.?",
        "point mode": [],
        "gain": r"(" + NUMBER + r")\.?",
        "plot": r"Impulse response chart\.?",
    })
    steps.step("the eye diagram shown by Ctrl+E: its words", "ctrl+e", heard(EYE))
    steps.step("Shift+Tab to point 8", "shift+Tab", heard(r"Control point 8 .*"))
    steps.step("a point's Up with the eye shown: its gain, the eye's words", "Up", heard(r"(" + NUMBER + r")\.?", EYE))


def in_the_page(desktop, steps, page):
    profile = Path(os.environ["SORVANE_ORCA_WORK"]) / "profile"
    profile.mkdir()
    (profile / "user.js").write_text("".join(f'user_pref("{k}", {v});\n' for k, v in FIREFOX_PREFERENCES.items()))
    steps.step("the page loaded", lambda: desktop.start(
        ["firefox-esr", "--no-remote", "--new-instance", "--profile", str(profile), Path(page).as_uri()],
        {"GNOME_ACCESSIBILITY": "1", "MOZ_CRASHREPORTER_DISABLE": "1"}),
        heard(r"Finished loading Brask's Sorvane Filter Demo\.?"))
    desktop.focus_window("Sorvane Filter Demo")
    # Orca may or may not be in the page when it finishes loading, and read
    # it then: the focus is brought to "RC Filter" and the page is read from
    # its top by Orca's own command.
    steps.step("Tab away from RC Filter", "Tab", heard(r"Roll-off alpha horizontal slider alpha 0\.00\.?"))
    steps.step("Shift+Tab back to RC Filter", "shift+Tab", heard(r"RC Filter push button\.?"))
    steps.step("reading the page from the top", lambda: desktop.keys("ctrl+Home", "KP_Add"),
               heard(*READING), none_of(HOLDERS, also=("alert", "")))
    lesson(desktop, steps, {
        "alpha": r"Roll-off alpha horizontal slider alpha 0\.00\.?",
        "button": "push button",
        "toggle": r"toggle button not pressed",
        "shift pressed": [r"pressed", r"copies sliding apart\.?"],
        "point": r"Control point 0 vertical slider gain (" + NUMBER + r")\.?",
        # From Memory, Orca leaves its reading mode for the slider: once it
        # says so, Up goes to the page.
        "point mode": [r"Focus mode"],
        "gain": r"gain (" + NUMBER + r")\.?",
        "plot": r"Impulse response horizontal slider t = \+0\.00 T \(sample 512\): h = " + NUMBER + r"\.?",
    })
    # The views' bar follows the lesson.
    steps.step("Tab to the eye's toggle", "Tab", heard(r".*Eye diagram toggle button not pressed\.?"))
    steps.step("the eye diagram shown by its toggle: its words", "space", heard(r".*pressed\.?", EYE))


# A fresh profile that opens the page and nothing else.
FIREFOX_PREFERENCES = {
    "browser.shell.checkDefaultBrowser": "false",
    "browser.startup.homepage_override.mstone": '"ignore"',
    "browser.aboutwelcome.enabled": "false",
    "datareporting.policy.dataSubmissionEnabled": "false",
    "datareporting.policy.firstRunURL": '""',
    "toolkit.telemetry.reportingpolicy.firstRun": "false",
    "browser.startup.firstrunSkipsHomepage": "true",
    "browser.tabs.warnOnClose": "false",
    "browser.sessionstore.resume_from_crash": "false",
    "browser.newtab.preload": "false",
}

if __name__ == "__main__":
    front_ends = {"desktop": on_the_desktop, "page": in_the_page}
    if len(sys.argv) != 3 or sys.argv[1] not in front_ends:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    log(f"the {sys.argv[1]} with Orca")
    sys.exit(main(front_ends[sys.argv[1]], sys.argv[2]))
