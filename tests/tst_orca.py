#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game by ear: played with the keyboard alone while Orca listens.

tst_orca.py [--english] PROGRAM   (CTest passes the built chuikomer)

In Russian, as under the C locale; with --english, under an English locale. Games are played
at a key a second beside a parallel build, and with keys 30 ms apart: nothing said may be lost.
"""

import os
import re
import subprocess
import sys
import time
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from orca_session import OrcaSession  # noqa: E402

PROGRAM = None
VERDICTS = {
    "ru": r"Ваша интуиция работает на \d+%|Ваша интуиция не работает\.|Вы гений!!!",
    "en": r"Your intuition is working at \d+%|Your intuition is not working\.|You are a genius!!!",
}
# What Orca says of the program in each language it speaks, and the program's environment.
WORDS = {
    "ru": dict(
        environment={},
        frame="Чуйкомер frame",
        first_picture="Красный круг push button",
        intro="notification Чуйкомер — игра, которая проверяет интуицию.",
        intro_part="проверяет интуицию",
        rules=re.compile(r"^Компьютер загадывает .* 10 попыток.*\. F2 повторяет правила, F3 читает "
                         r"табло, F4 — первые цифры печати игры\. Сначала выберите уровень"),
        rules_again=re.compile(r"^Компьютер загадывает .* 10 попыток.*\. F2 повторяет правила"),
        level_first="notification Сначала выберите уровень",
        first_level="Первый уровень push button",
        training_on=re.compile(r"^(notification )?Режим тренировки"),
        training_prompt=re.compile(r"Тренировка: угадайте 1-ю картинку"),
        regular=re.compile(r"^(notification )?Обычная игра"),
        answer=re.compile(r"^(notification )?(Верно: |Мимо: загадан)"),
        # Each move confirmed, then what comes next.
        first_prompt="notification Первый уровень. Угадайте 1-ю картинку",
        prompt="notification Красный круг. Угадайте %d-ю картинку",
        verdict=re.compile(r"^notification Красный круг\. (%s)$" % VERDICTS["ru"]),
        explanation=re.compile(r"^Наугад на этом уровне угадывают в среднем 2 из 10\.\n(Не угадать "
                               r"ни одной|Угадать \d+ или больше|Угадать все 10) .* можно (в|меньше) "
                               r"[^\n]+\.\nПодробности — на табло: клавиша F3\.$"),
        board_now=re.compile(r"^notification (%s)$" % VERDICTS["ru"]),
        board_details=re.compile(r"^Наугад на этом уровне .*\nПопытка 1: загадано — .*, ваш ответ "
                                 r"— Красный круг, (не)?верно\..*\nПопытка 10: ", re.S),
        board="Табло результатов",
        banner="Чуйкомер heading",
        # The verdict and its explanation again, first in what the board tells.
        verdict_again=re.compile(r"^(%s)\nНаугад на этом уровне угадывают в среднем 2 из 10\."
                                 % VERDICTS["ru"]),
        statistics_item=re.compile(r"^Статистика"),
        statistics="Статистика dialog",
        games=re.compile(r"^Сыгран[оа] \d+ игр"),
        # The verdict, then what to do next, the figures and the strength.
        level_verdict=re.compile(r"^Первый уровень: (выделяется|верных меньше|от угадывания наугад)"
                                 r".*\n.*\n\d+ игр\w*: верных \d+(,\d+)?\s%.*\nСильное чутьё"),
        chart=re.compile(r"^Первый уровень: после \d+ игр\w* доля верных \d+(,\d+)?\s%", re.M),
        figure=re.compile(r"^Первый уровень, сыграно игр: \d+"),
        about_item=re.compile(r"^О программе"),
        about="О программе dialog",
        link=re.compile(r"^Программы для всех! link"),
        site="Сайт автора: http",
    ),
    "en": dict(
        environment={"LANG": "en_US.UTF-8", "LANGUAGE": "en", "LC_ALL": None},
        frame="Hunchmeter frame",
        first_picture="Red circle push button",
        intro="notification Hunchmeter is a game that tests your intuition.",
        intro_part="tests your intuition",
        rules=re.compile(r"^The computer hides .* 10 attempts.*\. F2 repeats the rules, F3 reads the "
                         r"board, F4 says the first digits of the game's seal\. First choose a level"),
        rules_again=re.compile(r"^The computer hides .* 10 attempts.*\. F2 repeats the rules"),
        level_first="notification Choose a level first",
        first_level="Level 1 push button",
        training_on=re.compile(r"^(notification )?Training mode"),
        training_prompt=re.compile(r"Training, attempt 1: guess the picture"),
        regular=re.compile(r"^(notification )?Regular game"),
        answer=re.compile(r"^(notification )?(Right: |Miss: )"),
        first_prompt="notification Level 1. Attempt 1: guess the picture",
        prompt="notification Red circle. Attempt %d: guess the picture",
        verdict=re.compile(r"^notification Red circle\. (%s)$" % VERDICTS["en"]),
        explanation=re.compile(r"^At this level, blind guessing gets 2 out of 10 right on average\.\n"
                               r"Getting (none|\d+ or more|all 10) right by (bad )?luck alone "
                               r"happens (in \d+% of|once in [\d,]+|less than once in a billion) "
                               r"games\.\nDetails are on the board: press F3\.$"),
        board_now=re.compile(r"^notification (%s)$" % VERDICTS["en"]),
        board_details=re.compile(r"^At this level, .*\nAttempt 1: .* was hidden and you guessed Red "
                                 r"circle — (right|wrong)\..*\nAttempt 10: ", re.S),
        board="Results board",
        banner="Hunchmeter heading",
        verdict_again=re.compile(r"^(%s)\nAt this level, blind guessing gets 2 out of 10 right"
                                 % VERDICTS["en"]),
        statistics_item=re.compile(r"^Statistics"),
        statistics="Statistics dialog",
        games=re.compile(r"^\d+ games? played"),
        level_verdict=re.compile(r"^Level 1: (better than|worse than|not yet distinguishable|cannot be told|"
                                 r"not distinguishable).*\n.*\n\d+ games?: \d+(\.\d+)?% right.*\n"
                                 r"Strong intuition"),
        chart=re.compile(r"^Level 1: after \d+ games?, \d+(\.\d+)?% right", re.M),
        figure=re.compile(r"^Level 1, games played: \d+"),
        about_item=re.compile(r"^About Hunchmeter"),
        about="About Hunchmeter dialog",
        link=re.compile(r"^Programs for everyone! link"),
        site="Author's website: http",
    ),
}
W = WORDS["ru"]
# Time enough for everything said to be said, also on a busy machine.
SPEECH = 60


def prompt(n):
    """The prompt for attempt n, and not for attempt 10 when n is 1."""
    return re.compile(re.escape(W["prompt"] % n) + r"(?!\d)")


class ParallelBuild:
    """A compiler per processor, over and over, as a build beside the game keeps the machine."""

    SOURCE = b"#include <bits/stdc++.h>\nint main() { std::map<int, std::string> m; }\n"

    def __enter__(self):
        loop = ("while :; do c++ -std=c++20 -O2 -x c++ -o /dev/null - <<'EOF'\n%s\nEOF\ndone"
                % self.SOURCE.decode())
        self.compilers = [subprocess.Popen(["sh", "-c", loop], stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL, start_new_session=True)
                          for _ in range(os.cpu_count() or 2)]
        return self

    def __exit__(self, *exc):
        for compiler in self.compilers:
            try:
                os.killpg(compiler.pid, 9)
            except ProcessLookupError:
                pass
            compiler.wait()


class GameByEar(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.orca = OrcaSession()
        cls.orca.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.orca.close()

    def setUp(self):
        # The session keeps what earlier tests' programs said, and the games they played.
        self.said_before = len(self.orca.said())
        self.addCleanup(self.orca.stop, self.orca.start([PROGRAM], W["environment"]))
        # The window is up, and the keys go to it. A loaded machine may take its time, and
        # there Orca may cut the window's name short for the rules that follow it: the name is
        # heard again when the About window closes.
        self.orca.wait_for(W["first_picture"], timeout=SPEECH)

    def play(self, pause):
        """The first level chosen and all ten pictures guessed as the first, `pause` seconds
        apart, without waiting for what is said."""
        self.orca.press("shift+Tab")
        self.orca.wait_for(W["first_level"], timeout=SPEECH)
        for _ in range(11):
            self.orca.press("space")
            time.sleep(pause)

    # Training: the mode heard as it is switched on, and a guess answered at once; switched off
    # again, since the mode outlives the program.
    def test_training_heard(self):
        orca = self.orca
        orca.press("F5")
        orca.wait_for(W["training_on"], timeout=SPEECH)
        self.addCleanup(lambda: (orca.press("F5"), orca.wait_for(W["regular"], timeout=SPEECH)))
        orca.press("shift+Tab")
        orca.wait_for(W["first_level"], timeout=SPEECH)
        orca.press("space")
        orca.wait_for(W["training_prompt"], timeout=SPEECH)
        orca.press("space")
        orca.wait_for(W["answer"], timeout=SPEECH)

    # At a key a second beside a build: every guess confirmed with the next prompt, then the
    # verdict with where its details are, all in order; then on demand the board's details and
    # the rules.
    def test_every_prompt_and_the_verdict_in_order(self):
        orca = self.orca
        # At the start: what the game is, its rules and keys, then what to do first.
        orca.wait_for(W["intro"], timeout=SPEECH)
        orca.wait_for(W["rules"], timeout=SPEECH)
        # Before a level, the pictures tell what comes first when pressed.
        orca.press("space")
        orca.wait_for(W["level_first"], timeout=SPEECH)
        with ParallelBuild():
            self.play(pause=1)
            orca.wait_for(W["first_prompt"], timeout=SPEECH)
            for n in range(2, 11):
                orca.wait_for(prompt(n), timeout=SPEECH)
            orca.wait_for(W["verdict"], timeout=SPEECH)
            orca.wait_for(W["explanation"], timeout=SPEECH)
        orca.press("F3")
        orca.wait_for(W["board_now"], timeout=SPEECH)
        orca.wait_for(W["board_details"], timeout=SPEECH)
        orca.press("F2")
        orca.wait_for(W["intro"], timeout=SPEECH)
        orca.wait_for(W["rules_again"], timeout=SPEECH)
        # By keyboard, again: the board comes after the first level's five pictures.
        for _ in range(4):
            orca.press("Tab")
            orca.wait_for("push button", timeout=SPEECH)
        orca.press("Tab")
        orca.wait_for(W["board"], timeout=SPEECH)
        orca.wait_for(W["verdict_again"], timeout=SPEECH)
        # Then the banner: the window's heading, which tells the game.
        orca.press("Tab")
        orca.wait_for(W["banner"], timeout=SPEECH)
        orca.wait_for(W["intro_part"], timeout=SPEECH)
        said = orca.said()[self.said_before:]
        # The introduction once at the start, once on F2, once on the banner.
        self.assertEqual(sum(W["intro_part"] in u for u in said), 3, said)

    # Keys faster than anyone presses them: the verdict is still heard.
    def test_verdict_at_keys_30_ms_apart(self):
        self.play(pause=0.03)
        self.orca.wait_for(W["verdict"], timeout=SPEECH)
        self.orca.wait_for(W["explanation"], timeout=SPEECH)

    # Every figure with its meaning, the conclusions by Tab, after games played by ear: two at
    # least, which a chart needs.
    def test_statistics(self):
        orca = self.orca
        for _ in range(2):
            self.play(pause=0.03)
            orca.wait_for(W["verdict"], timeout=SPEECH)
        orca.press("F10", "Down")
        orca.wait_for(W["statistics_item"], timeout=SPEECH)
        orca.press("Return")
        orca.wait_for(W["statistics"], timeout=SPEECH)
        # Without a key: the games, then the verdict of the level played.
        orca.wait_for(W["games"], timeout=SPEECH)
        orca.wait_for(W["level_verdict"], timeout=SPEECH)
        # The chart in words, then the table, whose first Down reads its first row.
        orca.press("Tab")
        orca.wait_for(W["chart"], timeout=SPEECH)
        orca.press("Tab")
        orca.wait_for(re.compile(r"^table with"), timeout=SPEECH)
        orca.press("Down")
        orca.wait_for(W["figure"], timeout=SPEECH)

    def test_about_link(self):
        orca = self.orca
        orca.press("F10", "Right", "Down")
        orca.wait_for(W["about_item"], timeout=SPEECH)
        orca.press("Return")
        orca.wait_for(W["about"], timeout=SPEECH)
        orca.wait_for("OK push button", timeout=SPEECH)
        orca.press("Tab")
        orca.wait_for(W["link"], timeout=SPEECH)
        orca.wait_for(W["site"], timeout=SPEECH)
        orca.press("Escape")
        orca.wait_for(W["frame"], timeout=SPEECH)


# Orca started after the program: where the focus is and the rules are heard once it is there.
class ScreenReaderStartedLate(unittest.TestCase):
    def test_rules_heard(self):
        with OrcaSession(screen_reader=False) as orca:
            orca.wait_for_window(orca.start([PROGRAM], W["environment"]))
            orca.start_screen_reader()
            orca.wait_for(W["first_picture"], timeout=SPEECH)
            orca.wait_for(W["intro"], timeout=SPEECH)
            orca.wait_for(W["rules"], timeout=SPEECH)


if __name__ == "__main__":
    if sys.argv[1:2] == ["--english"]:
        sys.argv.pop(1)
        W = WORDS["en"]
    if len(sys.argv) < 2:
        sys.exit("usage: tst_orca.py [--english] PROGRAM")
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
