#!/usr/bin/env python3
"""End-to-end run of the real program as assistive technology sees it: through the platform's
accessibility tree (AT-SPI), on a virtual X display and a private session bus of its own.

Starts the program with its accessibility bridge on and checks that every visible control is in
the tree under its caption; that the status bar's date and time parts are empty until the
clock's first tick and then show today's date and the time of the last few seconds; that a
screen-reader user can propose names through the tree alone: type a surname, choose 女 and
取双字名, press the start button and read twenty names with their meanings, then choose 取单字名
and read one-character names without meanings; and that pressing the close button through the
tree ends the program with status 0.

Needs Debian's python3-gi and gir1.2-atspi-2.0, so it runs under Debian's own python3, and
at-spi2-core and dbus for the buses.

Usage: accessibility_e2e.py PROGRAM DATA_FOLDER
"""
import datetime
import os
import pathlib
import signal
import subprocess
import sys
import tempfile
import time
import warnings

from window_e2e import check, expect_clean_exit, failures, start_display, stop

SURNAME = "欧阳"
# Every visible control with its role and caption; a name ending in "…" is a prefix, for the
# texts whose ending the program chooses.
CONTROLS = (
    ("label", "Tavelin宝宝起名软件"),
    ("label", "宝宝姓："),
    ("label", "宝宝性别："),
    ("label", "宝宝生日："),
    ("label", "指定中间字："),
    ("panel", "宝宝资料："),
    ("panel", "起名选择："),
    ("check box", "取单字名"),
    ("check box", "五行风水"),
    ("check box", "取双字名"),
    ("check box", "易经八卦"),
    ("radio button", "男"),
    ("radio button", "女"),
    ("push button", "开 始 起 名"),
    ("push button", "关闭软件."),
    ("text", "宝宝姓："),
    ("text", "指定中间字："),
    ("spin button", "宝宝生日："),
    ("label", "Tavelin软件：…"),
    ("label", "当前日期："),
    ("label", "当前时间："),
    ("label", "公司：Tavelin软件"),
    ("label", "作者：…"),
)
# A 1000 ms timer started after the program itself cannot have fired this soon after the start.
BEFORE_FIRST_TICK = 0.9
Atspi = None


def load_atspi():
    """Loads the bindings once the environment names the private buses, which libatspi reads
    when it first connects."""
    global Atspi
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi as bindings
    except (ImportError, ValueError) as error:
        sys.exit(f"no AT-SPI bindings ({error}): run tools/install-deps.sh --test")
    Atspi = bindings
    # Calls wait longer than libatspi's default, so that a busy machine is no failure.
    Atspi.set_timeout(10000, 15000)


def start_session_bus(runtime_folder):
    """Starts a session bus of the test's own in a process group of its own. The accessibility
    bus launcher, its bus and the registry, which this bus starts on demand, join the group, so
    that ending the group ends them all."""
    bus = subprocess.Popen(
        ["dbus-daemon", "--session", "--nofork", "--print-address",
         f"--address=unix:dir={runtime_folder}"],
        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, start_new_session=True)
    address = bus.stdout.readline().strip()
    if not address:
        bus.kill()
        bus.wait()
        sys.exit("dbus-daemon did not start")
    return bus, address


def end_group(leader):
    try:
        os.killpg(leader.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    leader.wait()
    leader.stdout.close()


def descendants(item):
    for index in range(item.get_child_count()):
        child = item.get_child_at_index(index)
        yield child
        yield from descendants(child)


def name_of(item):
    item.clear_cache()
    return item.get_name()


def description_of(item):
    item.clear_cache()
    return item.get_description()


def has_state(item, state):
    item.clear_cache()
    return item.get_state_set().contains(state)


def wait_until(condition, seconds):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def wait_for_application(program):
    """Returns the program's application in the tree once its window is in it."""
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        if program.poll() is not None:
            sys.exit(f"the program ended with status {program.returncode} before its window showed")
        desktop = Atspi.get_desktop(0)
        desktop.clear_cache()
        for index in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(index)
            if (application is not None and application.get_process_id() == program.pid
                    and application.get_child_count() > 0):
                return application
        time.sleep(0.05)
    sys.exit("the program's window did not appear in the accessibility tree within 20 s")


class Tree:
    """The controls of the window as the tree shows them, found by role and name."""

    def __init__(self, application):
        self.items = list(descendants(application))

    def matching(self, role, name):
        prefix = name.endswith("…")
        return [item for item in self.items
                if (role is None or item.get_role_name() == role)
                and (item.get_name().startswith(name[:-1]) if prefix else item.get_name() == name)]

    def one(self, role, name):
        found = self.matching(role, name)
        if len(found) != 1:
            sys.exit(f"{len(found)} {role} named {name!r} in the accessibility tree, not one")
        return found[0]


def act(item, action):
    """Does one of the item's actions by name, as a screen reader's command does."""
    with warnings.catch_warnings():
        # The bindings reach an action's name only through this call, marked deprecated.
        warnings.simplefilter("ignore", DeprecationWarning)
        names = [item.get_action_name(index) for index in range(item.get_n_actions())]
    if action not in names:
        sys.exit(f"{item.get_role_name()} {item.get_name()!r} offers {names}, not {action!r}")
    item.do_action(names.index(action))


def date_text(moment):
    return f"{moment.year}年{moment.month}月{moment.day}日"


def time_text(moment):
    """The clock's time part: trailing zero fields are left out, and midnight is empty."""
    hour, minute, second = moment.hour, moment.minute, moment.second
    if second:
        return f"{hour}时{minute}分{second}秒"
    if minute:
        return f"{hour}时{minute}分"
    if hour:
        return f"{hour}时"
    return ""


def check_controls(tree):
    for role, name in CONTROLS:
        found = tree.matching(role, name)
        check(len(found) == 1, f"{len(found)} {role} named {name!r} in the tree, not one")
        check(all(has_state(item, Atspi.StateType.SHOWING) for item in found),
              f"{role} {name!r} is not showing")


def status_parts(tree):
    """Returns the status bar's date and time parts, which have no caption of their own: they
    stand right of the parts "当前日期：" and "当前时间："."""
    bar = tree.one("label", "当前日期：").get_parent()
    parts = [bar.get_child_at_index(index) for index in range(bar.get_child_count())]
    if len(parts) != 6 or name_of(parts[0]) != "当前日期：" or name_of(parts[2]) != "当前时间：":
        sys.exit(f"the status bar shows {[name_of(part) for part in parts]}")
    return parts[1], parts[3]


def check_clock(date_part, time_part, started):
    shown = (name_of(date_part), name_of(time_part))
    seen_after = time.monotonic() - started
    if seen_after < BEFORE_FIRST_TICK:
        check(shown == ("", ""), f"before the first tick the status bar shows {shown}")
    else:
        print(f"status bar first read {seen_after:.2f} s after the start, too late to see it "
              "before the first tick")
    check(wait_until(lambda: name_of(date_part), 3), "the clock wrote no date within 3 s")
    shown = (name_of(date_part), name_of(time_part))
    now = datetime.datetime.now().replace(microsecond=0)
    # The tick that wrote the parts may lie a second or two back, and may straddle midnight.
    recent = [now - datetime.timedelta(seconds=back) for back in range(5)]
    check(shown[0] in {date_text(moment) for moment in recent},
          f"date part {shown[0]!r}, expected {date_text(now)!r}")
    check(shown[1] in {time_text(moment) for moment in recent},
          f"time part {shown[1]!r}, expected about {time_text(now)!r}")


def read_list(data_folder, name):
    """The lines of a built-in list that names can draw: all but the first."""
    return pathlib.Path(data_folder, name).read_bytes().decode("gbk").split("\r\n")[1:]


def check_naming(tree, data_folder):
    meanings = {}
    for line in read_list(data_folder, "nzz.txt"):
        character, meaning = line.split("|")
        meanings.setdefault(character, set()).add(meaning)
    common = set(read_list(data_folder, "nhz.txt"))

    surname_box = tree.one("text", "宝宝姓：")
    surname_box.set_text_contents(SURNAME)
    surname_box.clear_cache()
    check(surname_box.get_text(0, -1) == SURNAME, "the surname box did not take the surname")

    boy, girl = tree.one("radio button", "男"), tree.one("radio button", "女")
    one, two = tree.one("check box", "取单字名"), tree.one("check box", "取双字名")
    middle = tree.one("text", "指定中间字：")
    checked, enabled = Atspi.StateType.CHECKED, Atspi.StateType.ENABLED
    act(girl, "Toggle")
    check(has_state(girl, checked) and not has_state(boy, checked), "女 did not take over from 男")
    act(two, "Toggle")
    check(has_state(two, checked) and not has_state(one, checked) and has_state(middle, enabled),
          "toggling 取双字名 left 取单字名 checked or 指定中间字： disabled")

    group = [item for item in tree.items
             if item.get_role_name() == "panel" and item.get_child_count() == 20]
    if len(group) != 1:
        sys.exit("no group of twenty result labels in the tree")
    results = [group[0].get_child_at_index(index) for index in range(20)]
    check(not has_state(group[0], Atspi.StateType.SHOWING), "results show before the first run")
    start = tree.one("push button", "开 始 起 名")

    act(start, "Press")
    check(wait_until(lambda: all(name_of(label) for label in results), 5),
          "pressing 开 始 起 名 wrote no names within 5 s")
    check(has_state(group[0], Atspi.StateType.SHOWING), "the results do not show")
    for label in results:
        name, description = name_of(label), description_of(label)
        given = name[len(SURNAME):]
        check(name.startswith(SURNAME) and len(given) == 2 and given[1] in common
              and description in meanings.get(given[0], ()),
              f"two-character girl's name {name!r} with meaning {description!r}")

    act(one, "Toggle")
    check(has_state(one, checked) and not has_state(two, checked)
          and not has_state(middle, enabled),
          "toggling 取单字名 left 取双字名 checked or 指定中间字： enabled")
    act(start, "Press")
    check(wait_until(lambda: all(len(name_of(label)) == len(SURNAME) + 1 for label in results), 5),
          "pressing 开 始 起 名 again wrote no one-character names within 5 s")
    for label in results:
        name, description = name_of(label), description_of(label)
        check(name.startswith(SURNAME) and name[len(SURNAME):] in common and description == "",
              f"one-character girl's name {name!r} with meaning {description!r}")


def main(program_path, data_folder):
    # ctest ends a test that overruns with SIGTERM: the clean-up below must still run.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    with tempfile.TemporaryDirectory() as runtime_folder:
        os.environ["XDG_RUNTIME_DIR"] = runtime_folder
        server, os.environ["DISPLAY"] = start_display()
        try:
            bus, os.environ["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(runtime_folder)
            try:
                load_atspi()
                run_program(program_path, data_folder)
            finally:
                end_group(bus)
        finally:
            server.terminate()
            server.wait()
    if failures:
        sys.exit(f"{len(failures)} check(s) failed")
    print("controls, clock, naming and close button as expected through the accessibility tree")


def run_program(program_path, data_folder):
    with tempfile.TemporaryDirectory() as data_home:
        env = dict(os.environ, XDG_DATA_HOME=data_home, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        started = time.monotonic()
        program = subprocess.Popen([program_path], env=env)
        try:
            tree = Tree(wait_for_application(program))
            date_part, time_part = status_parts(tree)
            check_clock(date_part, time_part, started)
            check_controls(tree)
            check_naming(tree, data_folder)

            check(program.poll() is None, "the program ended by itself")
            act(tree.one("push button", "关闭软件."), "Press")
            expect_clean_exit(program, "pressing 关闭软件. did not end the program")
        finally:
            stop(program)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
