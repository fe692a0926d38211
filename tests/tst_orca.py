#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game by ear: played with the keyboard alone while Orca listens.

tst_orca.py PROGRAM   (CTest passes the built chuikomer)
"""

import os
import re
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from orca_session import OrcaSession  # noqa: E402

PROGRAM = None
VERDICT = re.compile(r"^notification (Ваша интуиция работает на \d+%|Ваша интуиция не работает\.|"
                     r"Вы гений!!!)$")
EXPLANATION = re.compile(r"^Наугад на этом уровне угадывают в среднем 2 из 10\.\n(Не угадать ни "
                         r"одной|Угадать \d+ или больше|Угадать все 10) .* можно (в|меньше) [^\n]+\.$")


class GameByEar(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.orca = OrcaSession()
        cls.orca.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.orca.close()

    def setUp(self):
        self.addCleanup(self.orca.stop, self.orca.start([PROGRAM]))
        # The window is up, and the keys go to it. A loaded machine may take its time.
        self.orca.wait_for("Чуйкомер frame", timeout=20)
        self.orca.wait_for("Красный круг push button")

    def test_prompts_and_verdict(self):
        orca = self.orca
        # Before a level, the pictures tell what comes first, on focus and when pressed.
        orca.wait_for("Сначала выберите уровень")
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
        orca.press("space")
        orca.wait_for("notification Сначала выберите уровень")

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
        orca.wait_for(re.compile(r"^table with"))
        orca.press("Down")
        orca.wait_for(re.compile(r"^Первый уровень, (сыграно игр|дано ответов): \d+"))
        orca.press("Tab")
        orca.wait_for("Выводы read only text")
        orca.wait_for(re.compile(r"^Первый уровень: пока слишком мало игр"))

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
