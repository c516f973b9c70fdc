# gdb script: follows whole frames of the simulator through the calls and
# prints, for each, the files and functions it passes through. A frame is
# chosen by a marker function: the fifth frame that calls it is walked.
# Run by scripts/call_walk.sh; reads WALK_MARKERS and WALK_SOURCE.
import os

import gdb

SOURCE = os.environ["WALK_SOURCE"].rstrip("/") + "/"
MARKERS = os.environ["WALK_MARKERS"].split(",")
FRAME = "verlano::GameFrame"


def where():
    frame = gdb.selected_frame()
    sal = frame.find_sal()
    name = frame.name() or "?"
    path = sal.symtab.fullname() if sal.symtab else ""
    return path, name


class Counter(gdb.Breakpoint):
    """Counts frames without stopping."""

    def __init__(self):
        super().__init__(FRAME, internal=True)
        self.frames = 0

    def stop(self):
        self.frames += 1
        return False




def frame_of_marker(marker):
    """The number of the fifth frame that reaches `marker`: the first ones
    also build what the process keeps (the card facts, say)."""
    counter = Counter()
    stop = gdb.Breakpoint(marker, internal=True)
    stop.ignore_count = 4
    gdb.execute("run", to_string=True)
    counter.delete()
    stop.delete()
    return counter.frames


def stack(depth):
    """The calls above the frame's own caller: (function, file) from the frame down."""
    calls = []
    for f in frames():
        sal = f.find_sal()
        path = sal.symtab.fullname() if sal.symtab else ""
        calls.append((short(f.name() or "?"), path[len(SOURCE):] if path.startswith(SOURCE) else path))
    calls.reverse()
    return calls[depth - 1:]


def walk_frame(number, marker):
    stop = gdb.Breakpoint(FRAME, internal=True)
    stop.ignore_count = number - 1
    gdb.execute("run", to_string=True)
    stop.delete()
    depth = len(list(frames()))
    lines = 0
    calls = []  # (depth, function, file) for each call entered
    previous = []
    while True:
        path, _ = where()
        if not path.startswith(SOURCE):
            gdb.execute("finish", to_string=True)
            continue
        now = stack(depth)
        if len(now) > len(previous) or (now and previous and now[-1] != previous[-1]
                                        and len(now) == len(previous)):
            calls.append((len(now) - 1,) + now[-1])
        previous = now
        lines += 1
        gdb.execute("step", to_string=True)
        if len(list(frames())) < depth:
            break
    # A re-entry: a call into a file that is already on the stack below its
    # caller, so the flow has gone down and come back up into it.
    back = []
    open_files = []
    for level, _, file in calls:
        del open_files[level:]
        back.append(bool(open_files) and file in open_files[:-1] and open_files[-1] != file)
        open_files.append(file)
    reentries = sum(back)
    files = sorted({file for _, _, file in calls})
    functions = {(name, file) for _, name, file in calls}
    print(f"walk {marker}: frame {number}, lines stepped {lines}, calls {len(calls)}, "
          f"functions {len(functions)}, files {len(files)}, "
          f"calls back into a file already on the stack {reentries}")
    print("  files " + " ".join(files))
    shown = None
    repeats = 0
    for call in list(zip(calls, back)) + [None]:
        if call == shown:
            repeats += 1
            continue
        if shown is not None:
            (level, name, file), came_back = shown
            more = f" x{repeats + 1}" if repeats else ""
            mark = " (back into a file on the stack)" if came_back else ""
            print(f"  {'  ' * level}{name} ({file}){more}{mark}")
        shown, repeats = call, 0


def short(name):
    """The function's name without its template arguments and parameters."""
    name = name.replace("verlano::", "").replace("(anonymous namespace)::", "")
    out, depth = [], 0
    for ch in name:
        if ch in "<(":
            depth += 1
        elif ch in ">)":
            depth -= 1
        elif depth == 0:
            out.append(ch)
    return "".join(out)


def frames():
    f = gdb.newest_frame()
    while f is not None:
        yield f
        f = f.older()


gdb.execute("set pagination off")
gdb.execute("set confirm off")
gdb.execute("skip -gfi /usr/*")
for marker in MARKERS:
    n = frame_of_marker(marker)
    walk_frame(n, marker)
gdb.execute("kill")
