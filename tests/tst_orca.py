#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game by ear: played with the keyboard alone while Orca listens.

tst_orca.py PROGRAM   (CTest passes the built chuikomer)
"""

import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from orca_session import OrcaSession  # noqa: E402

PROGRAM = None
VERDICT = re.compile(r"^notification (Ваша интуиция работает на \d+%|Ваша интуиция не работает\.|"
                     r"Вы гений!!!)$")
EXPLANATION = re.compile(r"^Наугад на этом уровне угадывают в среднем 2 из 10\.\n(Не угадать ни "
                         r"одной|Угадать \d+ или больше|Угадать все 10) .* можно (в|меньше) [^\n]+\.$")
RULES = re.compile(r"^Компьютер загадывает .* 10 попыток.*\. Сначала выберите уровень")
# The verdict and its explanation again, first in what the board tells.
VERDICT_AGAIN = re.compile(r"^(Ваша интуиция работает на \d+%|Ваша интуиция не работает\.|"
                           r"Вы гений!!!)\nНаугад на этом уровне угадывают в среднем 2 из 10\.")


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
        self.addCleanup(self.orca.stop, self.orca.start([PROGRAM]))
        # The window is up, and the keys go to it. A loaded machine may take its time.
        self.orca.wait_for("Чуйкомер frame", timeout=20)
        self.orca.wait_for("Красный круг push button")

    def test_prompts_and_verdict(self):
        orca = self.orca
        # Once at the start: what the game is and its rules, then what to do first.
        orca.wait_for("notification Чуйкомер — игра, которая проверяет интуицию.")
        orca.wait_for(RULES)
        # Before a level, the pictures tell what comes first when pressed.
        orca.press("space")
        orca.wait_for("notification Сначала выберите уровень")
        orca.press("shift+Tab")
        orca.wait_for("Первый уровень push button")
        orca.press("space")
        orca.wait_for("notification Угадайте 1-ю картинку")
        for n in range(2, 11):
            orca.press("space")
            orca.wait_for("notification Угадайте %d-ю картинку" % n)
        orca.press("space")
        orca.wait_for(VERDICT)
        orca.wait_for(EXPLANATION)
        # By keyboard, again: the board comes after the first level's five pictures.
        for _ in range(4):
            orca.press("Tab")
            orca.wait_for("push button")
        orca.press("Tab")
        orca.wait_for("Табло результатов")
        orca.wait_for(VERDICT_AGAIN)
        orca.press("shift+Tab")
        orca.wait_for("push button")
        orca.press("space")
        orca.wait_for("notification Сначала выберите уровень")
        self.assertEqual(sum("проверяет интуицию" in u for u in orca.said()[self.said_before:]), 1)

    # Every figure with its meaning, the conclusions by Tab, after a game played by ear.
    def test_statistics(self):
        orca = self.orca
        orca.press("shift+Tab", "space")
        orca.wait_for("notification Угадайте 1-ю картинку")
        # Each key after the last one's news: a slow build may drop keys sent ahead of it.
        for n in range(2, 11):
            orca.press("space")
            orca.wait_for("notification Угадайте %d-ю картинку" % n)
        orca.press("space")
        orca.wait_for(VERDICT)
        orca.press("F10", "Down")
        orca.wait_for(re.compile(r"^Статистика"))
        orca.press("Return")
        orca.wait_for("Статистика dialog")
        # Without a key: the games, then the verdict of the level played, within 2 s.
        opened = time.monotonic()
        orca.wait_for(re.compile(r"^Сыгран[оа] \d+ игр"), timeout=2)
        orca.wait_for(re.compile(r"^Первый уровень: (мало игр|в пределах|выделяется|верных меньше).*"
                                 r"\n\d+ игр\w*: \d+\s% верных, наугад 20\s%"),
                      timeout=max(0.1, opened + 2 - time.monotonic()))
        # The chart in words, then the table, whose first Down reads its first row.
        orca.press("Tab")
        orca.wait_for(re.compile(r"^Первый уровень: после \d+ игр\w* доля верных \d+\s%", re.M))
        orca.press("Tab")
        orca.wait_for(re.compile(r"^table with"))
        orca.press("Down")
        orca.wait_for(re.compile(r"^Первый уровень, сыграно игр: \d+"))

    def test_about_link(self):
        orca = self.orca
        orca.press("F10", "Right", "Down")
        orca.wait_for(re.compile(r"^О программе"))
        orca.press("Return")
        orca.wait_for("О программе dialog")
        orca.wait_for("OK push button")
        orca.press("Tab")
        orca.wait_for(re.compile(r"^Программы для всех! link"))
        orca.wait_for("Сайт автора: http")
        orca.press("Escape")
        orca.wait_for("Чуйкомер frame")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("usage: tst_orca.py PROGRAM")
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
