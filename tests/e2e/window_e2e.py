#!/usr/bin/env python3
"""End-to-end run of the real program on a virtual X display of its own (Xvfb).

Starts the program with XDG_DATA_HOME in a fresh folder and checks that its window maps
borderless, 623 x 408, centred on the screen, with the exact title, a taskbar button and not
kept on top; that the four list files hold the built-in bytes; and that a click on the close
button ends the program with status 0.

Usage: window_e2e.py PROGRAM DATA_FOLDER
"""
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time

TITLE = "Tavelin宝宝起名软件 v1.1        [Tavelin科技]"
SIZE = (623, 408)
LISTS = ("nzz.txt", "nhz.txt", "azz.txt", "ahz.txt")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED:", message, file=sys.stderr)


def expect_clean_exit(program, failure):
    """Waits for the program that was just asked to close: it must end, with status 0."""
    try:
        status = program.wait(timeout=10)
        check(status == 0, f"closing ended the program with status {status}")
    except subprocess.TimeoutExpired:
        check(False, failure)


def stop(program):
    """Ends the program if it is still running, whatever the checks found."""
    if program.poll() is None:
        program.kill()
        program.wait()


def start_display():
    """Starts Xvfb on a display number it picks itself, so that parallel runs never collide,
    and returns the server and the display name once the server takes connections. Without
    -noreset the server resets when its last client leaves, and a client connecting just then,
    such as the program after xwininfo, is turned away."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        sys.exit("Xvfb did not start")
    return server, ":" + number


def x_output(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def screen_size():
    info = x_output("xwininfo", "-root")
    return tuple(int(re.search(rf"{key}: +(\d+)", info).group(1)) for key in ("Width", "Height"))


def wait_for_window(program):
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        if program.poll() is not None:
            sys.exit(f"the program ended with status {program.returncode} before its window showed")
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tavelin"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.1)
    sys.exit("no window appeared within 20 s")


def window_geometry(window):
    info = x_output("xwininfo", "-id", window)
    value = lambda key: int(re.search(rf"{key}: +(-?\d+)", info).group(1))
    return (value("Absolute upper-left X"), value("Absolute upper-left Y"),
            value("Width"), value("Height"))


def check_frame(window):
    properties = x_output("xprop", "-id", window, "_MOTIF_WM_HINTS", "_NET_WM_STATE",
                          "_NET_WM_WINDOW_TYPE")
    hints = re.search(r"_MOTIF_WM_HINTS\(_MOTIF_WM_HINTS\) = (.*)", properties)
    fields = [int(field, 16) for field in hints.group(1).split(",")] if hints else []
    # Flag 2 says the decorations field counts; decorations 0 means no title bar or border.
    check(len(fields) >= 3 and fields[0] & 2 and fields[2] == 0,
          f"window is not borderless: {properties}")
    check("_NET_WM_STATE_SKIP_TASKBAR" not in properties, "window has no taskbar button")
    check("_NET_WM_STATE_ABOVE" not in properties, "window is kept on top")
    check("_NET_WM_WINDOW_TYPE_NORMAL" in properties, "window is not a normal window")


def main(program_path, data_folder):
    server, os.environ["DISPLAY"] = start_display()
    try:
        run_program(program_path, data_folder)
    finally:
        server.terminate()
        server.wait()
    if failures:
        sys.exit(f"{len(failures)} check(s) failed")
    print("window, list files and close button as expected")


def run_program(program_path, data_folder):
    screen_width, screen_height = screen_size()
    with tempfile.TemporaryDirectory() as data_home:
        env = dict(os.environ, XDG_DATA_HOME=data_home)
        program = subprocess.Popen([program_path], env=env)
        try:
            window = wait_for_window(program)
            check(x_output("xdotool", "getwindowname", window).rstrip("\n") == TITLE,
                  "title differs")
            left, top, width, height = window_geometry(window)
            check((width, height) == SIZE, f"window is {width} x {height}")
            expected = ((screen_width - SIZE[0]) // 2, (screen_height - SIZE[1]) // 2)
            check((left, top) == expected, f"window at {left}, {top} instead of {expected}")
            check_frame(window)

            list_folder = pathlib.Path(data_home, "tavelin-namer")
            for name in LISTS:
                written = list_folder / name
                check(written.is_file() and
                      written.read_bytes() == pathlib.Path(data_folder, name).read_bytes(),
                      f"{written} does not hold the built-in bytes")

            check(program.poll() is None, "the program ended by itself")
            # The close button 按钮2 is 24 x 24 at 598, 0.
            subprocess.run(["xdotool", "mousemove", str(left + 610), str(top + 12), "click", "1"],
                           check=True)
            expect_clean_exit(program, "a click on the close button did not end the program")
        finally:
            stop(program)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
