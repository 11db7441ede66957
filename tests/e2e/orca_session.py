"""A private desktop with a screen reader, for orca_check.py: an X server,
the accessibility bus and Debian's Orca, whose debug file is a terminal so
that it writes each line as it goes (to a plain file it writes them late).
What Orca says is read from the debug file's SPEECH OUTPUT lines: live, to
wait for each step's words, and in full once Orca has exited.

Runs inside run_orca.sh's process namespace and session bus, with HOME and
XDG_RUNTIME_DIR private."""
import os
import pty
import re
import signal
import subprocess
import threading
import time
import tty

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*(?:\{.*\})?$")
# Generous: the machine may be loaded, and Orca and the bus are slow to start.
START_SECONDS = 120
STEP_SECONDS = 60


def log(text):
    print("orca: " + text, flush=True)


class Failure(Exception):
    pass


def spoken_in(lines):
    """The utterances in Orca's debug lines, in order."""
    return [m.group(1).strip() for m in map(SPEECH.search, lines) if m]


class Speech:
    """Orca's debug output, read from the terminal it writes to."""

    def __init__(self, copy_path):
        self.master, slave = pty.openpty()
        tty.setraw(slave)  # the lines as written, without a terminal's translation
        self.slave = slave
        self.path = os.ttyname(slave)
        self.copy = open(copy_path, "w", encoding="utf-8")
        self.lines = []
        self.said = []
        self.changed = threading.Condition()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        pending = b""
        while True:
            try:
                data = os.read(self.master, 65536)
            except OSError:  # every writer has closed the terminal
                data = b""
            if not data:
                break
            pending += data
            *whole, pending = pending.split(b"\n")
            with self.changed:
                for raw in whole:
                    line = raw.decode("utf-8", "replace")
                    self.copy.write(line + "\n")
                    self.lines.append(line)
                    self.said.extend(spoken_in([line]))
                self.changed.notify_all()
        self.copy.close()

    def mark(self):
        """Where the next utterance will stand."""
        with self.changed:
            return len(self.said)

    def wait(self, what, found, since, seconds=STEP_SECONDS):
        """Waits until `found(utterances since `since`)` is true; returns them."""
        end = time.monotonic() + seconds
        with self.changed:
            while not found(self.said[since:]):
                left = end - time.monotonic()
                if left <= 0:
                    raise Failure(f"{what}: not heard within {seconds} s; heard {self.said[since:]}")
                self.changed.wait(left)
            return list(self.said[since:])

    def finish(self, seconds=30):
        """After Orca has exited: the utterances in every line it wrote."""
        os.close(self.slave)
        self.reader.join(seconds)
        return spoken_in(self.lines)


def configure_speech_dispatcher(home):
    """speech-dispatcher with no output module, so that it declines to start
    and Orca speaks to its debug file alone. With a voice, Orca would read a
    page from the top only as fast as speech-dispatcher reports each
    utterance spoken, and until that reading ends it keeps the keys in its
    own reading mode: the steps would depend on timing. And nothing is
    heard from the machine's speakers."""
    folder = os.path.join(home, ".config", "speech-dispatcher")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "speechd.conf"), "w") as conf:
        conf.write("# No output module: speech goes to Orca's debug file only.\n")


def configure_orca(home):
    """Orca as it starts on a fresh account, but for how long it waits for an
    application to answer: 15 s rather than 0.8 s. On a loaded machine the
    browser may take longer, and Orca would then take its objects for dead
    and stop reading. The customization file is Orca's own way to set it."""
    folder = os.path.join(home, ".local", "share", "orca")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "orca-customizations.py"), "w") as customizations:
        customizations.write("import pyatspi\npyatspi.setTimeout(15000, 60000)\n")


class Desktop:
    """The X server, the accessibility bus and Orca; `start(command)` runs a
    front end on them. Every process is ended by `close`."""

    def __init__(self, work):
        self.work = work
        self.processes = []
        configure_speech_dispatcher(os.environ["HOME"])
        configure_orca(os.environ["HOME"])
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", "96",
                    "-nolisten", "tcp"], pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number.isdigit():
            raise Failure("Xvfb reported no display")
        os.environ["DISPLAY"] = ":" + number
        log(f"X server on :{number}")
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.speech = Speech(os.path.join(work, "orca-debug.txt"))
        since = self.speech.mark()
        self.orca = self.spawn(["orca", "--replace", "--debug-file", self.speech.path])
        self.speech.wait("Orca starting", lambda said: "Screen reader on." in said, since, seconds=START_SECONDS)
        log("Orca is on")

    def spawn(self, command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=open(os.path.join(self.work, "stderr.txt"), "a"), **options)
        self.processes.append(process)
        return process

    def start(self, command, environment):
        return self.spawn(command, env=dict(os.environ, **environment))

    def keys(self, *names):
        subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True)

    def focus_window(self, title):
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", title],
                                capture_output=True, text=True, timeout=START_SECONDS, check=True).stdout.split()
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)

    def close(self):
        """Ends Orca (which then writes out its debug file), then the rest;
        returns everything Orca said."""
        for process in [self.orca] + [p for p in reversed(self.processes) if p is not self.orca]:
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(20)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        return self.speech.finish()


class Steps:
    """The scenario's steps: each sends its keys and waits for its words;
    what was said in each is kept and, once Orca has exited, checked and
    printed from the whole debug file."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.done = []  # (name, first utterance, one past the last, check)

    def step(self, name, action, heard, check=None):
        """Runs `action` (a key name, or a function), waits until
        `heard(utterances since)`, and keeps `check` (utterances -> what is
        wrong, or None) for the end."""
        since = self.desktop.speech.mark()
        if callable(action):
            action()
        else:
            self.desktop.keys(action)
        said = self.desktop.speech.wait(name, heard, since)
        self.done.append((name, since, since + len(said), check))
        return said

    def report(self, said):
        """Checks and prints each step's utterances, as `said` (all of
        them) holds them; returns whether every check passed."""
        failed = False
        for name, first, last, check in self.done:
            words = said[first:last]
            problem = check(words) if check else None
            log(("FAIL " if problem else "ok   ") + name + ": " + " | ".join(words))
            if problem:
                log("     " + problem)
                failed = True
        return not failed


def heard(*patterns):
    """True once every pattern (a regular expression matching a whole
    utterance) has matched an utterance."""
    compiled = [re.compile(p) for p in patterns]
    return lambda said: all(any(c.fullmatch(s) for s in said) for c in compiled)


def main(scenario, argument):
    """Runs `scenario(desktop, steps, argument)` with Orca, then checks and
    prints every step that ran; returns the exit status."""
    try:
        desktop = Desktop(os.environ["SORVANE_ORCA_WORK"])
    except (Failure, subprocess.SubprocessError) as error:
        log(f"FAIL: no desktop with Orca: {error}")
        return 1
    steps = Steps(desktop)
    failure = None
    try:
        scenario(desktop, steps, argument)
    except (Failure, subprocess.SubprocessError) as error:
        failure = str(error)
    finally:
        said = desktop.close()
    passed = steps.report(said)
    if failure:
        log(f"FAIL: {failure}")
    return 0 if passed and failure is None else 1
