"""Figures of the real program on a private X server, each beside a reference measured in the
same run:

- peak resident memory (VmHWM) once the first full frame is shown, against the least SDL2
  program that shows one frame;
- CPU time and wake-ups while idle with the window shown, over the same 10 seconds as that
  program;
- the program's own CPU time for a search click up to the hand-over (Enter on the search
  button; the stand-in opener's run is its own process and not counted), against the same key
  path doing nothing (F1 on the same button).

    program_figures.py SHOPASSIST REFERENCE_PROGRAM [IDLE_SECONDS] [SEARCHES]
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
import x_session  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def status_kib(pid, field):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    raise RuntimeError(f"no {field} for {pid}")


def cpu_ns(pid):
    """CPU time of every thread of the process so far, in nanoseconds."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except OSError:
            pass
    return total


def wake_ups(pid):
    """Times the process's threads went to sleep and were woken again."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as f:
                for line in f:
                    if line.startswith("voluntary_ctxt_switches:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total


def settle(pid, quiet_ns=200_000, interval=0.3, timeout=30):
    """Waits until the process has all but stopped using the CPU (less than quiet_ns per interval)."""
    deadline = time.monotonic() + timeout
    before = cpu_ns(pid)
    while time.monotonic() < deadline:
        time.sleep(interval)
        now = cpu_ns(pid)
        if now - before < quiet_ns:
            return
        before = now


class Reference:
    """The least SDL2 program showing one frame, on the same server."""

    def __init__(self, server, program):
        import subprocess
        self.process = subprocess.Popen([program], env=server.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        found = server.run("xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.process.pid)).split()
        self.window = int(found[0])

        def filled():
            data = server.run("import", "-window", str(self.window), "-depth", "8", "rgb:-", check=False)
            i = (212 * 634 + 316) * 3
            return len(data) == 634 * 425 * 3 and data[i:i + 3] == bytes((252, 252, 254))
        if not x_session.wait_until(filled):
            raise RuntimeError("the reference program shows no frame")

    def close(self):
        self.process.kill()
        self.process.wait()


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    program, reference_program = sys.argv[1], sys.argv[2]
    idle_seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 10.0
    searches = int(sys.argv[4]) if len(sys.argv) > 4 else 200

    server = x_session.XServer()
    app = reference = None
    try:
        app = x_session.Shopassist(server, program)
        app.wait_for_window()
        reference = Reference(server, reference_program)
        pid, ref_pid = app.process.pid, reference.process.pid
        mib = 1024.0
        app_peak, ref_peak = status_kib(pid, "VmHWM") / mib, status_kib(ref_pid, "VmHWM") / mib
        print("peak resident memory after the first full frame (VmHWM)")
        print(f"  least SDL2 program: {ref_peak:8.1f} MiB")
        print(f"  shopassist:         {app_peak:8.1f} MiB   ratio {app_peak / ref_peak:5.2f}   (target: at most 25 MiB)")

        # Idle: the pointer away from both windows, nothing typed; both measured over the same span.
        server.xdotool("mousemove", 2, 2)
        settle(pid)
        start = (cpu_ns(pid), wake_ups(pid), cpu_ns(ref_pid), wake_ups(ref_pid), time.monotonic())
        time.sleep(idle_seconds)
        end = (cpu_ns(pid), wake_ups(pid), cpu_ns(ref_pid), wake_ups(ref_pid), time.monotonic())
        span = end[4] - start[4]
        app_cpu = (end[0] - start[0]) / 1e9 / span * 100
        ref_cpu = (end[2] - start[2]) / 1e9 / span * 100
        print(f"idle with the window shown, {span:.1f} s")
        print(f"  least SDL2 program: {ref_cpu:8.3f} % of one core, {(end[3] - start[3]) / span:6.1f} wake-ups/s")
        print(f"  shopassist:         {app_cpu:8.3f} % of one core, {(end[1] - start[1]) / span:6.1f} wake-ups/s"
              "   (target: at most 1 %)")
        reference.close()
        reference = None

        # Search clicks: the focus on 按钮2, where each Enter is one search.
        app.type("mp3")
        app.key("Return", "Return")
        app.wait_for_calls(1, settle=0)
        settle(pid)
        before = cpu_ns(pid)
        began = time.monotonic()
        server.xdotool("key", "--delay", "5", "--repeat", searches, "Return")
        app.wait_for_calls(1 + searches, timeout=300, settle=0)
        wall = (time.monotonic() - began) / searches * 1000
        settle(pid)
        search_ms = (cpu_ns(pid) - before) / 1e6 / searches

        before = cpu_ns(pid)
        server.xdotool("key", "--delay", "5", "--repeat", searches, "F1")
        settle(pid)
        nothing_ms = (cpu_ns(pid) - before) / 1e6 / searches
        if len(app.calls()) != 1 + searches:
            raise RuntimeError("F1 searched")
        print(f"search click to the hand-over, the program's own CPU time, mean of {searches}")
        print(f"  F1 on the search button (nothing):  {nothing_ms:8.4f} ms")
        print(f"  Enter on the search button:         {search_ms:8.4f} ms   ratio {search_ms / nothing_ms:6.1f}"
              "   (target: at most 1 ms)")
        print(f"  wall time per search, the stand-in opener's run included: {wall:.1f} ms")
        app.key("Escape")
        app.end()
        return 0
    finally:
        if reference is not None:
            reference.close()
        if app is not None:
            app.cleanup()
        server.close()


if __name__ == "__main__":
    sys.exit(main())
