"""What tests/x11/run-x11 and tests/wayland/run-wayland share: the build, an
unprivileged user, a scratch folder, processes started and ended within
bounds, the pictures taken and their colours, and the run of the cases."""
import collections
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(TOP, "tools", "wine"))
from picture import Picture  # noqa: E402,F401 - for the scripts

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(TOP, "build"))
ONLY = sys.argv[2:]  # names, or parts of names, of the cases to run, for working on a few
DEFAULT_COLOUR = (22, 93, 165)
WHITE = (255, 255, 255)
# Everything the test user runs or reads lives here.
WORK = tempfile.mkdtemp(prefix="tidewell-e2e-")
os.chmod(WORK, 0o755)


def test_user(name):
    """The unprivileged account, made when missing."""
    if subprocess.run(["id", name], capture_output=True).returncode != 0:
        subprocess.run(["useradd", "-m", "-s", "/bin/sh", name], check=True)
    return name


def as_user(user, *args):
    return ["runuser", "-u", user, "--", *args]


def work_dir(owner=None):
    """A fresh folder under WORK: the owner's own, or readable by anyone."""
    path = tempfile.mkdtemp(dir=WORK)
    if owner:
        shutil.chown(path, owner)
    os.chmod(path, 0o700 if owner else 0o755)
    return path


def until(get, what, tries=200):
    """The first true value of get(), asked every 50 ms."""
    for _ in range(tries):
        value = get()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("no " + what)


def children(proc):
    """Pids of the processes proc started: what runuser runs."""
    return [int(p) for p in subprocess.run(["pgrep", "-P", str(proc.pid)], capture_output=True,
                                           text=True).stdout.split()]


def alive(pid):
    """pid runs, and is not a zombie."""
    stat = "/proc/%d/stat" % pid
    return os.path.exists(stat) and open(stat).read().split()[2] != "Z"


def gone_after(proc, limit):
    """Seconds until proc (a Popen, or a pid) ends, or None after limit."""
    start = time.monotonic()
    while time.monotonic() - start < limit:
        if (proc.poll() is not None) if isinstance(proc, subprocess.Popen) else not alive(proc):
            return time.monotonic() - start
        time.sleep(0.002)
    return None


def stop(proc):
    """Ends proc, politely first: runuser passes SIGTERM on to its child."""
    proc.terminate()  # nothing once it has ended
    try:
        proc.wait(timeout=2)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def assert_ends(proc, limit, what, status=0):
    """proc ends within limit seconds; if a Popen, with the status (0: silent)."""
    assert gone_after(proc, limit) is not None, "tidewell still running %g s after %s" % (limit, what)
    if isinstance(proc, subprocess.Popen):
        err = proc.stderr.read() if proc.stderr and status == 0 else ""
        assert proc.returncode == status and not err, "%s: status %d %s" % (what, proc.returncode, err)


def terminate(proc):
    """SIGTERM ends it at once, by the signal (after cleaning up). Under runuser
    it goes to tidewell itself, whose end runuser tells as 128 + the signal."""
    under = proc.args[0] == "runuser"
    for pid in children(proc) if under else [proc.pid]:
        os.kill(pid, signal.SIGTERM)
    assert_ends(proc, 0.5 if under else 0.1, "SIGTERM", 128 + signal.SIGTERM if under else -signal.SIGTERM)


class Session:
    """A display server's lifetime: what started on it stops, last first, before it."""

    def __enter__(self):
        self.owned = []
        return self

    def __exit__(self, *exc):
        for proc in reversed(self.owned):
            stop(proc)

    def start(self, command, **kw):
        self.owned.append(subprocess.Popen(command, **kw))
        return self.owned[-1]


def write_desktop(path, width, height, blue=128):
    """A known picture, not white anywhere: a colour gradient, its blue fixed."""
    rows = (b"".join(bytes((x * 255 // width, y * 255 // height, blue)) for x in range(width)) for y in range(height))
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height) + b"".join(rows))


def colours(picture, box=None):
    """How many pixels of each colour the box (left, top, right, bottom) holds."""
    left, top, right, bottom = box or (0, 0, picture.width, picture.height)
    counts = collections.Counter()
    for y in range(top, bottom):
        row = picture.rgb[(y * picture.width + left) * 3:(y * picture.width + right) * 3]
        counts.update(tuple(row[i:i + 3]) for i in range(0, len(row), 3))
    return counts


def assert_fill(picture, colour, box=None, min_white=10):
    """Only the colour and white particles in the box, and some of both."""
    counts = colours(picture, box)
    others = [(c, n) for c, n in counts.most_common() if c not in (colour, WHITE)]
    assert not others, "unexpected colours %s" % others[:3]
    assert counts[colour] and counts[WHITE] >= min_white, "%d of %s, %d white" % (counts[colour], colour, counts[WHITE])


def assert_over(shot, desktop, min_white=20):
    """The desktop picture, changed only where white particles are."""
    assert shot.size() == desktop.size(), "%s, the desktop %s" % (shot.size(), desktop.size())
    changed = [i for i in range(shot.width * shot.height) if shot.rgb[i * 3:i * 3 + 3] != desktop.rgb[i * 3:i * 3 + 3]]
    wrong = [(i % shot.width, i // shot.width, shot.at(i)) for i in changed if shot.at(i) != WHITE]
    assert not wrong and len(changed) >= min_white, "%d pixels changed; not to white: %s" % (len(changed), wrong[:3])


def run_cases(stage, cases):
    """Runs the cases ((name, function), or functions case_<name>) ONLY names."""
    cases = [c if isinstance(c, tuple) else (c.__name__[5:].replace("_", " "), c) for c in cases]
    cases = [c for c in cases if not ONLY or any(o in c[0] for o in ONLY)]
    failed = 0
    for name, run in cases:
        try:
            run()
            print("PASS", name, flush=True)
        except Exception:  # noqa: BLE001 - every failure is reported and counted
            failed += 1
            print("FAIL", name, flush=True)
            traceback.print_exc()
    shutil.rmtree(WORK, ignore_errors=True)
    print("%s: %d passed, %d failed" % (stage, len(cases) - failed, failed))
    return 0 if failed == 0 else 1
