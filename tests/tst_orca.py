#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game by ear: played with the keyboard alone while Orca listens.

tst_orca.py [--english] PROGRAM   (CTest passes the built chuikomer)

In Russian, as under the C locale; with --english, under an English locale.
"""

import os
import re
import sys
import time
import unittest

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
        rules=re.compile(r"^Компьютер загадывает .* 10 попыток.*\. Сначала выберите уровень"),
        level_first="notification Сначала выберите уровень",
        first_level="Первый уровень push button",
        prompt="notification Угадайте %d-ю картинку",
        verdict=re.compile(r"^notification (%s)$" % VERDICTS["ru"]),
        explanation=re.compile(r"^Наугад на этом уровне угадывают в среднем 2 из 10\.\n(Не угадать "
                               r"ни одной|Угадать \d+ или больше|Угадать все 10) .* можно (в|меньше) "
                               r"[^\n]+\.$"),
        board="Табло результатов",
        # The verdict and its explanation again, first in what the board tells.
        verdict_again=re.compile(r"^(%s)\nНаугад на этом уровне угадывают в среднем 2 из 10\."
                                 % VERDICTS["ru"]),
        statistics_item=re.compile(r"^Статистика"),
        statistics="Статистика dialog",
        games=re.compile(r"^Сыгран[оа] \d+ игр"),
        level_verdict=re.compile(r"^Первый уровень: (мало игр|в пределах|выделяется|верных меньше)"
                                 r".*\n\d+ игр\w*: \d+\s% верных, наугад 20\s%"),
        chart=re.compile(r"^Первый уровень: после \d+ игр\w* доля верных \d+\s%", re.M),
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
        rules=re.compile(r"^The computer hides .* 10 attempts.*\. First choose a level"),
        level_first="notification Choose a level first",
        first_level="Level 1 push button",
        prompt="notification Guess picture %d",
        verdict=re.compile(r"^notification (%s)$" % VERDICTS["en"]),
        explanation=re.compile(r"^At this level, random guessing gets 2 of 10 right on average\.\n"
                               r"Getting (none|\d+ or more|all 10) right by (bad )?luck alone "
                               r"happens (in \d+% of|once in [\d,]+|less than once in a billion) "
                               r"games\.$"),
        board="Result board",
        verdict_again=re.compile(r"^(%s)\nAt this level, random guessing gets 2 of 10 right"
                                 % VERDICTS["en"]),
        statistics_item=re.compile(r"^Statistics"),
        statistics="Statistics dialog",
        games=re.compile(r"^\d+ games? played"),
        level_verdict=re.compile(r"^Level 1: (too few games|in line with luck|stands out|fewer "
                                 r"right).*\n\d+ games?: \d+% right, 20% by chance"),
        chart=re.compile(r"^Level 1: after \d+ games?, \d+% right", re.M),
        figure=re.compile(r"^Level 1, games played: \d+"),
        about_item=re.compile(r"^About"),
        about="About dialog",
        link=re.compile(r"^Programs for everyone! link"),
        site="Author's site: http",
    ),
}
W = WORDS["ru"]


def prompt(n):
    """The prompt for attempt n, and not for attempt 10 when n is 1."""
    return re.compile(re.escape(W["prompt"] % n) + r"(?!\d)")


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
        # The window is up, and the keys go to it. A loaded machine may take its time.
        self.orca.wait_for(W["frame"], timeout=20)
        self.orca.wait_for(W["first_picture"])

    def test_prompts_and_verdict(self):
        orca = self.orca
        # Once at the start: what the game is and its rules, then what to do first.
        orca.wait_for(W["intro"])
        orca.wait_for(W["rules"])
        # Before a level, the pictures tell what comes first when pressed.
        orca.press("space")
        orca.wait_for(W["level_first"])
        orca.press("shift+Tab")
        orca.wait_for(W["first_level"])
        orca.press("space")
        orca.wait_for(prompt(1))
        for n in range(2, 11):
            orca.press("space")
            orca.wait_for(prompt(n))
        orca.press("space")
        orca.wait_for(W["verdict"])
        orca.wait_for(W["explanation"])
        # By keyboard, again: the board comes after the first level's five pictures.
        for _ in range(4):
            orca.press("Tab")
            orca.wait_for("push button")
        orca.press("Tab")
        orca.wait_for(W["board"])
        orca.wait_for(W["verdict_again"])
        orca.press("shift+Tab")
        orca.wait_for("push button")
        orca.press("space")
        orca.wait_for(W["level_first"])
        self.assertEqual(sum(W["intro_part"] in u for u in orca.said()[self.said_before:]), 1)

    # Every figure with its meaning, the conclusions by Tab, after a game played by ear.
    def test_statistics(self):
        orca = self.orca
        orca.press("shift+Tab", "space")
        orca.wait_for(prompt(1))
        # Each key after the last one's news: a slow build may drop keys sent ahead of it.
        for n in range(2, 11):
            orca.press("space")
            orca.wait_for(prompt(n))
        orca.press("space")
        orca.wait_for(W["verdict"])
        orca.press("F10", "Down")
        orca.wait_for(W["statistics_item"])
        orca.press("Return")
        orca.wait_for(W["statistics"])
        # Without a key: the games, then the verdict of the level played, within 2 s.
        opened = time.monotonic()
        orca.wait_for(W["games"], timeout=2)
        orca.wait_for(W["level_verdict"], timeout=max(0.1, opened + 2 - time.monotonic()))
        # The chart in words, then the table, whose first Down reads its first row.
        orca.press("Tab")
        orca.wait_for(W["chart"])
        orca.press("Tab")
        orca.wait_for(re.compile(r"^table with"))
        orca.press("Down")
        orca.wait_for(W["figure"])

    def test_about_link(self):
        orca = self.orca
        orca.press("F10", "Right", "Down")
        orca.wait_for(W["about_item"])
        orca.press("Return")
        orca.wait_for(W["about"])
        orca.wait_for("OK push button")
        orca.press("Tab")
        orca.wait_for(W["link"])
        orca.wait_for(W["site"])
        orca.press("Escape")
        orca.wait_for(W["frame"])


if __name__ == "__main__":
    if sys.argv[1:2] == ["--english"]:
        sys.argv.pop(1)
        W = WORDS["en"]
    if len(sys.argv) < 2:
        sys.exit("usage: tst_orca.py [--english] PROGRAM")
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
