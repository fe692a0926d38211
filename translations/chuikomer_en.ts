<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>О программе</source>
        <translation>About Hunchmeter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Флаг: белая, синяя и красная полосы</source>
        <translation>Flag: white, blue and red stripes</translation>
    </message>
    <message>
        <source>Эмблема: человек смотрит вдаль из-под руки</source>
        <translation>Emblem: a man shading his eyes, looking into the distance</translation>
    </message>
    <message>
        <source>Программы для всех!</source>
        <translation>Programs for everyone!</translation>
    </message>
    <message>
        <source>Сайт автора: %1</source>
        <translation>Author&apos;s website: %1</translation>
    </message>
    <message>
        <source>Автор: %1</source>
        <translation>Author: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Email: %1</translation>
    </message>
    <message>
        <source>Электронная почта: %1</source>
        <translation>Email address: %1</translation>
    </message>
    <message>
        <source>Сайт:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Дата: 21 января 2005 год -</source>
        <translation>Dates: January 21, 2005 to</translation>
    </message>
    <message>
        <source>13 августа 2015 год</source>
        <translation>August 13, 2015</translation>
    </message>
    <message>
        <source>Версия: v%1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Версия программы: v%1</source>
        <translation>Program version: %1</translation>
    </message>
</context>
<context>
    <name>DisplayTexts</name>
    <message>
        <source>не удалось открыть графический дисплей (проверьте DISPLAY или WAYLAND_DISPLAY).</source>
        <translation>could not open a graphical display (check DISPLAY or WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>связь с графическим дисплеем потеряна, программа завершается.</source>
        <translation>the connection to the graphical display was lost; quitting.</translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1 не число от 0,5 до 8, оно не учитывается.</source>
        <translation>QT_SCALE_FACTOR=%1 is not a number from 0.5 to 8; ignored.</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>Чуйкомер</source>
        <translation>Hunchmeter</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the title, then the level</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Первый уровень</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>Второй уровень</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>Третий уровень</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <source>Красный круг</source>
        <translation>Red circle</translation>
    </message>
    <message>
        <source>Жёлтый квадрат</source>
        <translation>Yellow square</translation>
    </message>
    <message>
        <source>Зелёный треугольник</source>
        <translation>Green triangle</translation>
    </message>
    <message>
        <source>Синий ромб</source>
        <translation>Blue diamond</translation>
    </message>
    <message>
        <source>Розовая трапеция</source>
        <translation>Pink trapezoid</translation>
    </message>
    <message>
        <source>Пирамида из кубиков</source>
        <translation>Block pyramid</translation>
    </message>
    <message>
        <source>Мяч</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>Пирамидка с кольцами</source>
        <translation>Stacking rings</translation>
    </message>
    <message>
        <source>Три фишки</source>
        <translation>Three pawns</translation>
    </message>
    <message>
        <source>Барабан</source>
        <translation>Drum</translation>
    </message>
    <message>
        <source>Банан</source>
        <translation>Banana</translation>
    </message>
    <message>
        <source>Вишни</source>
        <translation>Cherries</translation>
    </message>
    <message>
        <source>Гриб</source>
        <translation>Mushroom</translation>
    </message>
    <message>
        <source>Сыр</source>
        <translation>Cheese</translation>
    </message>
    <message>
        <source>Груша</source>
        <translation>Pear</translation>
    </message>
    <message>
        <source>Угадайте %1-ю картинку</source>
        <translation>Attempt %1: guess the picture</translation>
    </message>
    <message>
        <source>Ваша интуиция не работает.</source>
        <translation>Your intuition is not working.</translation>
    </message>
    <message>
        <source>Вы гений!!!</source>
        <translation>You are a genius!!!</translation>
    </message>
    <message>
        <source>Ваша интуиция работает на %1%</source>
        <translation>Your intuition is working at %1%</translation>
    </message>
    <message>
        <source>Наугад на этом уровне угадывают в среднем %1 из %2.</source>
        <translation>At this level, blind guessing gets %1 out of %2 right on average.</translation>
    </message>
    <message>
        <source>Не угадать ни одной картинки просто по невезению можно меньше чем в 1 случае из миллиарда.</source>
        <translation>Getting none right by bad luck alone happens less than once in a billion games.</translation>
    </message>
    <message>
        <source>Не угадать ни одной картинки просто по невезению можно в %1% случаев.</source>
        <translation>Getting none right by bad luck alone happens in %1% of games.</translation>
    </message>
    <message>
        <source>Не угадать ни одной картинки просто по невезению можно в 1 случае из %1.</source>
        <translation>Getting none right by bad luck alone happens once in %1 games.</translation>
    </message>
    <message>
        <source>Угадать все %1 просто по везению можно меньше чем в 1 случае из миллиарда.</source>
        <translation>Getting all %1 right by luck alone happens less than once in a billion games.</translation>
    </message>
    <message>
        <source>Угадать все %1 просто по везению можно в %2% случаев.</source>
        <translation>Getting all %1 right by luck alone happens in %2% of games.</translation>
    </message>
    <message>
        <source>Угадать все %1 просто по везению можно в 1 случае из %2.</source>
        <translation>Getting all %1 right by luck alone happens once in %2 games.</translation>
    </message>
    <message>
        <source>Угадать %1 или больше просто по везению можно меньше чем в 1 случае из миллиарда.</source>
        <translation>Getting %1 or more right by luck alone happens less than once in a billion games.</translation>
    </message>
    <message>
        <source>Угадать %1 или больше просто по везению можно в %2% случаев.</source>
        <translation>Getting %1 or more right by luck alone happens in %2% of games.</translation>
    </message>
    <message>
        <source>Угадать %1 или больше просто по везению можно в 1 случае из %2.</source>
        <translation>Getting %1 or more right by luck alone happens once in %2 games.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>the mean, then the chance of the score</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Табло пусто: выберите уровень.</source>
        <translation>The board is empty: choose a level.</translation>
    </message>
    <message>
        <source>Попытка %1: ваш ответ — %2.</source>
        <translation>Attempt %1: you guessed %2.</translation>
    </message>
    <message>
        <source>Попытка %1: загадано — %2, ваш ответ — %3, верно.</source>
        <translation>Attempt %1: %2 was hidden and you guessed %3 — right.</translation>
    </message>
    <message>
        <source>Попытка %1: загадано — %2, ваш ответ — %3, неверно.</source>
        <translation>Attempt %1: %2 was hidden and you guessed %3 — wrong.</translation>
    </message>
    <message>
        <source>Попытка %1: ждёт вашего ответа.</source>
        <translation>Attempt %1: waiting for your guess.</translation>
    </message>
    <message>
        <source>%1 — тренировка</source>
        <comment>the caption in training</comment>
        <translation>%1 — training</translation>
    </message>
    <message>
        <source>Верно: %1</source>
        <translation>Right: %1</translation>
    </message>
    <message>
        <source>Мимо: загадана %1</source>
        <comment>the picture hidden instead, feminine</comment>
        <translation>Miss: it was %1</translation>
    </message>
    <message>
        <source>Мимо: загаданы %1</source>
        <comment>the picture hidden instead, plural</comment>
        <translation>Miss: it was %1</translation>
    </message>
    <message>
        <source>Мимо: загадан %1</source>
        <comment>the picture hidden instead</comment>
        <translation>Miss: it was %1</translation>
    </message>
    <message>
        <source>Тренировка: угадайте %1-ю картинку</source>
        <translation>Training, attempt %1: guess the picture</translation>
    </message>
    <message>
        <source>Тренировка: интуиция не работает</source>
        <translation>Training: intuition not working</translation>
    </message>
    <message>
        <source>Тренировка: вы гений!!!</source>
        <translation>Training: you are a genius!!!</translation>
    </message>
    <message>
        <source>Тренировка: интуиция на %1%</source>
        <translation>Training: intuition at %1%</translation>
    </message>
    <message>
        <source>Режим тренировки: после каждой попытки видно, что было загадано. Эти игры идут в отдельную запись. F5 выключает тренировку.</source>
        <translation>Training mode: after every guess you see the hidden picture. These games go to a record of their own. F5 turns training off.</translation>
    </message>
    <message>
        <source>Обычная игра: загаданное видно после десятой попытки. F5 включает тренировку.</source>
        <translation>Regular game: the hidden pictures show after the tenth guess. F5 turns training on.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Файл справки не найден: %1</source>
        <translation>Help file not found: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1
%2
%3</source>
        <comment>verdict, explanation, attempts</comment>
        <translation>%1
%2
%3</translation>
    </message>
    <message>
        <source>%1 — игра, которая проверяет интуицию.</source>
        <translation>%1 is a game that tests your intuition.</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Вызов справки</source>
        <translation>View Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About Hunchmeter</translation>
    </message>
    <message numerus="yes">
        <source>Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс %n попыток.</source>
        <translation>
            <numerusform>The computer hides a picture, and you have to guess it. A game has %n attempt.</numerusform>
            <numerusform>The computer hides a picture, and you have to guess it. A game has %n attempts.</numerusform>
        </translation>
    </message>
    <message>
        <source>Табло результатов</source>
        <translation>Results board</translation>
    </message>
    <message>
        <source>Сначала выберите уровень.</source>
        <translation>Choose a level first.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>what the game is, then its rules</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>what the player just did, then what comes next</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>the explanation, then where the details are</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Подробности — на табло: клавиша F3.</source>
        <translation>Details are on the board: press F3.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the rules, then the keys that say them again</comment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>Компьютер загадывает одну из картинок уровня, а вы угадываете её, нажимая кнопку с картинкой. В игре %n попыток, после них — оценка по числу угаданных.</source>
        <translation>
            <numerusform>The computer hides one of the level&apos;s pictures, and you guess which one by pressing its button. A game has %n attempt; then you are rated by how many you got right.</numerusform>
            <numerusform>The computer hides one of the level&apos;s pictures, and you guess which one by pressing its button. A game has %n attempts; then you are rated by how many you got right.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the rules, then what to do first</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Сначала выберите уровень: Shift+Tab ведёт к кнопкам уровней.</source>
        <translation>First choose a level: Shift+Tab takes you to the level buttons.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>the explanation, then the attempts</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what to do first, then the keys</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Вся печать — в окне «Проверка» из меню.</source>
        <translation>The whole seal is in the Verify window, in the menu.</translation>
    </message>
    <message>
        <source>Печать игры начинается с %1.</source>
        <translation>The game&apos;s seal begins with %1.</translation>
    </message>
    <message>
        <source>Игра окончена. Её картинки и секрет — в окне «Проверка»: по ним проверяют печать, записанную до первого ответа.</source>
        <translation>The game is over. Its pictures and secret are in the Verify window: they check the seal you noted before your first guess.</translation>
    </message>
    <message>
        <source>Печать появится, когда начнётся игра.</source>
        <translation>The seal appears when a game starts.</translation>
    </message>
    <message>
        <source>Тренировка</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the mode, then the game</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>F2 повторяет правила, F3 читает табло, F4 — первые цифры печати игры.</source>
        <translation>F2 repeats the rules, F3 reads the board, F4 says the first digits of the game&apos;s seal.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the rules, then the mode</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>OpenFailureNotice</name>
    <message>
        <source>%1
%2</source>
        <comment>why the browser did not show it, then where it is</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Справка не открылась в браузере: в системе нет браузера, чтобы её показать.</source>
        <translation>The help could not be opened: no web browser is installed.</translation>
    </message>
    <message>
        <source>Сайт не открылся: в системе нет браузера, чтобы его показать.</source>
        <translation>The website could not be opened: no web browser is installed.</translation>
    </message>
    <message>
        <source>Справка не открылась в браузере: в системе нет программы %1 из пакета xdg-utils, которая передаёт документы браузеру.</source>
        <translation>The help could not be opened: %1 (from xdg-utils), which passes documents to the browser, is not installed.</translation>
    </message>
    <message>
        <source>Сайт не открылся: в системе нет программы %1 из пакета xdg-utils, которая передаёт ссылки браузеру.</source>
        <translation>The website could not be opened: %1 (from xdg-utils), which passes links to the browser, is not installed.</translation>
    </message>
    <message>
        <source>Вместо этого справка открыта в окне программы.</source>
        <translation>It is shown in the program&apos;s own window instead.</translation>
    </message>
</context>
<context>
    <name>RecordMessages</name>
    <message>
        <source>Несохранённые игры</source>
        <translation>Unsaved Games</translation>
    </message>
    <message>
        <source>Сохранить в файл…</source>
        <translation>Save to File…</translation>
    </message>
    <message numerus="yes">
        <source>Выйти без них</source>
        <translation>
            <numerusform>Quit Without Saving</numerusform>
            <numerusform>Quit Without Saving</numerusform>
        </translation>
    </message>
    <message>
        <source>Остаться</source>
        <translation>Don&apos;t Quit</translation>
    </message>
    <message>
        <source>Сохранить игры</source>
        <translation>Save Games</translation>
    </message>
    <message>
        <source>Запись игр (*.tsv)</source>
        <translation>Games files (*.tsv)</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Несохранённые игры тренировки</source>
        <translation>Unsaved Training Games</translation>
    </message>
</context>
<context>
    <name>RecordNotes</name>
    <message>
        <source>Ни HOME, ни XDG_DATA_HOME не задают полный путь, и папку для записи игр не найти.</source>
        <translation>Neither HOME nor XDG_DATA_HOME is an absolute path, so there is no folder to keep the games in.</translation>
    </message>
    <message>
        <source>Запись сделана более новой версией программы, и эта версия её не меняет.</source>
        <translation>A newer version of the program wrote the games file, so this version leaves it unchanged.</translation>
    </message>
    <message>
        <source>Папка данных — символическая ссылка, а через ссылки программа не пишет.</source>
        <translation>The data folder is a symbolic link, and the program does not write through links.</translation>
    </message>
    <message>
        <source>На месте папки данных стоит не папка.</source>
        <translation>There is something other than a folder where the data folder should be.</translation>
    </message>
    <message>
        <source>Запись занята другой копией программы, которая не отвечает.</source>
        <translation>Another copy of the program is using the games file and is not responding.</translation>
    </message>
    <message>
        <source>На диске нет места.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Диск доступен только для чтения.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Нет прав доступа к файлу или папке.</source>
        <translation>You don&apos;t have permission to access the file or its folder.</translation>
    </message>
    <message>
        <source>Файл достиг предельного размера, заданного в системе.</source>
        <translation>The file has reached the system&apos;s file size limit.</translation>
    </message>
    <message>
        <source>Система сообщила об ошибке: %1.</source>
        <translation>The system reported an error: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n игр этого запуска не удалось сохранить: они хранятся в памяти, пока программа открыта.</source>
        <translation>
            <numerusform>%n game could not be saved: it is kept in memory while the program is open.</numerusform>
            <numerusform>%n games could not be saved: they are kept in memory while the program is open.</numerusform>
        </translation>
    </message>
    <message>
        <source>Игры этого запуска не сохраняются: их негде хранить.</source>
        <translation>The games you play now are not saved: there is nowhere to keep them.</translation>
    </message>
    <message numerus="yes">
        <source>%n игр этого запуска не удалось сохранить.</source>
        <translation>
            <numerusform>%n game could not be saved.</numerusform>
            <numerusform>%n games could not be saved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сохранить их в другой файл перед выходом?</source>
        <translation>
            <numerusform>Save it to another file before quitting?</numerusform>
            <numerusform>Save them to another file before quitting?</numerusform>
        </translation>
    </message>
    <message>
        <source>На месте файла стоит символическая ссылка, и программа через неё не пишет.</source>
        <translation>The file is a symbolic link, and the program does not write through links.</translation>
    </message>
    <message>
        <source>На месте файла стоит не обычный файл.</source>
        <translation>The path leads to something other than a regular file.</translation>
    </message>
    <message>
        <source>У файла записи есть и другие имена (жёсткие ссылки), и программа его не меняет, чтобы не изменить файл под чужим именем.</source>
        <translation>The games file also has other names (hard links), so the program leaves it unchanged.</translation>
    </message>
    <message>
        <source>Файл принадлежит другому пользователю.</source>
        <translation>The file belongs to another user.</translation>
    </message>
    <message>
        <source>Файл не начинается со строки записи игр, поэтому программа его не меняет.</source>
        <translation>The file does not start with the line that marks a games file, so the program leaves it unchanged.</translation>
    </message>
    <message>
        <source>Папка данных или папка над ней принадлежит другому пользователю, а в чужих папках программа ничего не создаёт.</source>
        <translation>The data folder, or a folder above it, belongs to another user, and the program creates nothing in other users&apos; folders.</translation>
    </message>
    <message>
        <source>Символическую ссылку на пути к папке данных создал другой пользователь, и программа по ней не идёт.</source>
        <translation>A symbolic link in the path to the data folder belongs to another user, so the program does not follow it.</translation>
    </message>
    <message>
        <source>Все имена для файла прежних игр с сегодняшней датой уже заняты.</source>
        <translation>All file names for today&apos;s copy of the earlier games are already taken.</translation>
    </message>
    <message>
        <source>Файл записи игр: %1.</source>
        <translation>Games file: %1</translation>
    </message>
    <message>
        <source>Пропущено нечитаемых строк в записи игр: %1.</source>
        <translation>Unreadable lines skipped in the games file: %1.</translation>
    </message>
    <message>
        <source>Запись сделана более новой версией программы: здесь показано то, что эта версия в ней понимает, а новые игры в неё не записываются.</source>
        <translation>The games file was written by a newer version of the program: only what this version understands is shown, and new games are not added to it.</translation>
    </message>
    <message>
        <source>Прежние игры не удалось прочитать.</source>
        <translation>The earlier games could not be read.</translation>
    </message>
    <message>
        <source>Не удалось сохранить игры в выбранный файл.</source>
        <translation>The games could not be saved to the file you chose.</translation>
    </message>
    <message>
        <source>Файл: %1.</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Не удалось очистить статистику.</source>
        <translation>The statistics could not be cleared.</translation>
    </message>
    <message numerus="yes">
        <source>%n игр не проходят проверку записи и не вошли в статистику: строки %1.</source>
        <translation>
            <numerusform>%n game fails the record&apos;s check and is left out of the statistics: line %1.</numerusform>
            <numerusform>%n games fail the record&apos;s check and are left out of the statistics: lines %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Почему, скажет команда «chuikomer --verify» с этим файлом.</source>
        <translation>To see why, run “chuikomer --verify” on this file.</translation>
    </message>
    <message>
        <source>1 игру этого запуска не удалось сохранить: она хранится в памяти, пока программа открыта.</source>
        <translation>1 game could not be saved: it is kept in memory while the program is open.</translation>
    </message>
</context>
<context>
    <name>SealsWindow</name>
    <message>
        <source>Проверка</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Игра %1</source>
        <translation>Game %1</translation>
    </message>
    <message>
        <source>Скопировать печать, а после игры и всё, чем её проверяют, как текст.</source>
        <translation>Copy the seal, and after the game everything that checks it, as text.</translation>
    </message>
    <message>
        <source>Игра ещё не начата: выберите уровень, и здесь появится её печать — до первого ответа.</source>
        <translation>No game yet: choose a level, and its seal appears here, before your first guess.</translation>
    </message>
    <message>
        <source>Печать игры %1 сделана из всех её десяти картинок до вашего первого ответа. Запишите её первые 16 цифр (выделены): после игры по ним можно будет проверить, что картинки не менялись.</source>
        <translation>The seal of game %1 was made from all ten of its pictures before your first guess. Note its first 16 digits (in bold): after the game they show whether the pictures were changed.</translation>
    </message>
    <message>
        <source>Игра %1 окончена. Доказательство честности — печать, которую вы записали до первого ответа: выполните команду ниже в оболочке и сравните её вывод с записанным. Сверка, которую делает сама программа, ничего не доказывает.</source>
        <translation>Game %1 is over. The proof of a fair game is the seal you noted before your first guess: run the command below in a shell and compare its output with what you noted. A comparison the program makes itself proves nothing.</translation>
    </message>
    <message>
        <source>Печать игры: %1. Для записи достаточно первых 16 цифр: %2.</source>
        <translation>The game&apos;s seal: %1. The first 16 digits are enough to note: %2.</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>Картинки: %1.
Секрет: %2
Команда:
%3</source>
        <translation>Pictures: %1.
Secret: %2
Command:
%3</translation>
    </message>
    <message>
        <source>Контрольные цифры записи игр после этой игры: %1. Кто записал их, может позже убедиться командой chuikomer --verify, что запись до этой игры не менялась.</source>
        <translation>The games file&apos;s head after this game: %1. Whoever noted it can later show with chuikomer --verify that the file up to this game is unchanged.</translation>
    </message>
    <message>
        <source>Печать: %1</source>
        <translation>Seal: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>доля верных</source>
        <translation>percent right</translation>
    </message>
    <message>
        <source>наугад</source>
        <translation>blind guessing</translation>
    </message>
    <message>
        <source>График доли верных ответов</source>
        <translation>Chart of percent right</translation>
    </message>
    <message>
        <source>График пуст: игр пока нет.</source>
        <translation>The chart is empty: no games yet.</translation>
    </message>
    <message>
        <source>игры</source>
        <translation>games</translation>
    </message>
    <message>
        <source>коридор угадывающего наугад</source>
        <translation>blind guessing band</translation>
    </message>
    <message>
        <source>Доля верных ответов после каждой игры, линия «наугад» и коридор, где бывает угадывающий наугад: линия выходит из коридора, только когда вывод — «%1» или «%2».</source>
        <translation>Percent right after each game, the blind guessing line and the band a blind guesser stays in: the line leaves the band only when the verdict is “%1” or “%2”.</translation>
    </message>
    <message numerus="yes">
        <source>%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего наугад от %4 и выше.</source>
        <translation>
            <numerusform>%1: after %Ln game, %2 right, blind guessing %3, blind guessing band from %4 up.</numerusform>
            <numerusform>%1: after %Ln games, %2 right, blind guessing %3, blind guessing band from %4 up.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего наугад от %4 до %5.</source>
        <translation>
            <numerusform>%1: after %Ln game, %2 right, blind guessing %3, blind guessing band from %4 to %5.</numerusform>
            <numerusform>%1: after %Ln games, %2 right, blind guessing %3, blind guessing band from %4 to %5.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsSummary</name>
    <message>
        <source>наугад</source>
        <translation>blind guessing</translation>
    </message>
    <message>
        <source>ваш диапазон</source>
        <translation>your range</translation>
    </message>
    <message>
        <source>порог сильного чутья</source>
        <translation>strong threshold</translation>
    </message>
    <message>
        <source>доля верных сейчас</source>
        <translation>percent right now</translation>
    </message>
</context>
<context>
    <name>StatisticsTable</name>
    <message>
        <source>Сыграно игр</source>
        <translation>Games played</translation>
    </message>
    <message>
        <source>Дано ответов</source>
        <translation>Guesses made</translation>
    </message>
    <message>
        <source>Верных ответов</source>
        <translation>Right guesses</translation>
    </message>
    <message>
        <source>Доля верных</source>
        <translation>Percent right</translation>
    </message>
    <message>
        <source>%1, сыграно игр: %2</source>
        <translation>%1, games played: %2</translation>
    </message>
    <message>
        <source>%1, дано ответов: %2</source>
        <translation>%1, guesses made: %2</translation>
    </message>
    <message>
        <source>%1, верных ответов: %2</source>
        <translation>%1, right guesses: %2</translation>
    </message>
    <message>
        <source>%1, доля верных: %2</source>
        <translation>%1, percent right: %2</translation>
    </message>
    <message>
        <source>Доля наугад</source>
        <translation>Blind guessing</translation>
    </message>
    <message>
        <source>%1, доля наугад: %2</source>
        <translation>%1, blind guessing: %2</translation>
    </message>
    <message>
        <source>Числа по уровням</source>
        <translation>Figures by level</translation>
    </message>
    <message>
        <source>Диапазон доли</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>%1, диапазон доли верных: %2</source>
        <translation>%1, range of percent right: %2</translation>
    </message>
    <message>
        <source>%1, диапазон доли верных: только у отдельных уровней</source>
        <translation>%1, range of percent right: for single levels only</translation>
    </message>
</context>
<context>
    <name>StatisticsTexts</name>
    <message>
        <source>Всего</source>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>Сыграно %Ln игр.</source>
        <translation>
            <numerusform>%Ln game played.</numerusform>
            <numerusform>%Ln games played.</numerusform>
        </translation>
    </message>
    <message>
        <source>Игр пока нет: сыграйте, и результаты появятся здесь.</source>
        <translation>No games yet: play a game, and the results will appear here.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a share in per cent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>выделяется</source>
        <translation>better than blind guessing</translation>
    </message>
    <message>
        <source>верных меньше, чем бывает наугад</source>
        <translation>worse than blind guessing</translation>
    </message>
    <message>
        <source>сильного чутья нет</source>
        <translation>no strong intuition</translation>
    </message>
    <message>
        <source>пока не ясно</source>
        <translation>not clear yet</translation>
    </message>
    <message>
        <source>%1: %2 — верных больше, чем наугад</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a line of play and its verdict</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1–%2 %</source>
        <comment>a range of shares in per cent</comment>
        <translation>%1–%2%</translation>
    </message>
    <message>
        <source>%1: от угадывания наугад пока не отличить</source>
        <translation>%1: not yet distinguishable from blind guessing</translation>
    </message>
    <message>
        <source>%1: все уровни вместе от угадывания наугад не отличить</source>
        <translation>%1: all levels together cannot be told from blind guessing</translation>
    </message>
    <message>
        <source>%1: от угадывания наугад не отличить</source>
        <translation>%1: cannot be told from blind guessing</translation>
    </message>
    <message numerus="yes">
        <source>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что чутьё сильное.</source>
        <translation>
            <numerusform>Play about %Ln more game: at this share, half the time that is enough to show a strong intuition.</numerusform>
            <numerusform>Play about %Ln more games: at this share, half the time that is enough to show a strong intuition.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что сильного чутья нет.</source>
        <translation>
            <numerusform>Play about %Ln more game: at this share, half the time that is enough to show there is no strong intuition.</numerusform>
            <numerusform>Play about %Ln more games: at this share, half the time that is enough to show there is no strong intuition.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что чутьё есть.</source>
        <translation>
            <numerusform>Play about %Ln more game: at this share, half the time that is enough to show an intuition.</numerusform>
            <numerusform>Play about %Ln more games: at this share, half the time that is enough to show an intuition.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что верных меньше, чем наугад.</source>
        <translation>
            <numerusform>Play about %Ln more game: at this share, half the time that is enough to show fewer right than blind guessing.</numerusform>
            <numerusform>Play about %Ln more games: at this share, half the time that is enough to show fewer right than blind guessing.</numerusform>
        </translation>
    </message>
    <message>
        <source>Узнавать здесь больше нечего: ваша доля верных — не больше %1.</source>
        <translation>Nothing more to learn here: your percent right is at most %1.</translation>
    </message>
    <message>
        <source>При такой доле от угадывания наугад может так и не отличиться.</source>
        <translation>At this share it may never be told from blind guessing.</translation>
    </message>
    <message>
        <source>При такой доле от угадывания наугад, скорее всего, не отличится и за %L1 игр.</source>
        <translation>At this share it will most likely not be told from blind guessing within %L1 games.</translation>
    </message>
    <message>
        <source>Сильное ли чутьё, при такой доле может и не проясниться.</source>
        <translation>Whether the intuition is strong may never become clear at this share.</translation>
    </message>
    <message>
        <source>Сильное ли чутьё, при такой доле, скорее всего, не прояснится и за %L1 игр.</source>
        <translation>Whether the intuition is strong will most likely not become clear within %L1 games at this share.</translation>
    </message>
    <message>
        <source>Это уже установлено: узнавать здесь больше нечего.</source>
        <translation>This already stands: nothing more to learn here.</translation>
    </message>
    <message>
        <source>Это уже установлено: чутьё есть, и оно сильное.</source>
        <translation>This already stands: an intuition, and a strong one.</translation>
    </message>
    <message>
        <source>Это уже установлено: чутьё есть, но не сильное.</source>
        <translation>This already stands: an intuition, but not a strong one.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln игр: верных %1, наугад %2 — в среднем по вашим уровням</source>
        <translation>
            <numerusform>%Ln game: %1 right, blind guessing %2 on average over your levels</numerusform>
            <numerusform>%Ln games: %1 right, blind guessing %2 on average over your levels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln игр: верных %1, диапазон %2, наугад %3</source>
        <translation>
            <numerusform>%Ln game: %1 right, range %2, blind guessing %3</numerusform>
            <numerusform>%Ln games: %1 right, range %2, blind guessing %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): есть — вероятно, не меньше %2.</source>
        <translation>Strong intuition (threshold %1): yes — likely at least %2.</translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): нет — вероятно, не больше %2.</source>
        <translation>Strong intuition (threshold %1): no — likely at most %2.</translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): пока не ясно.</source>
        <translation>Strong intuition (threshold %1): not clear yet.</translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): пока не ясно; при такой доле может и не проясниться.</source>
        <translation>Strong intuition (threshold %1): not clear yet; at this share it may never become clear.</translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): пока не ясно; при такой доле, скорее всего, не прояснится и за %L2 игр.</source>
        <translation>Strong intuition (threshold %1): not clear yet; at this share most likely not within %L2 games.</translation>
    </message>
    <message numerus="yes">
        <source>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игр станет ясно, что оно есть.</source>
        <translation>
            <numerusform>Strong intuition (threshold %1): not clear yet; at this share, half the time about %Ln more game shows that there is one.</numerusform>
            <numerusform>Strong intuition (threshold %1): not clear yet; at this share, half the time about %Ln more games show that there is one.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игр станет ясно, что его нет.</source>
        <translation>
            <numerusform>Strong intuition (threshold %1): not clear yet; at this share, half the time about %Ln more game shows that there is none.</numerusform>
            <numerusform>Strong intuition (threshold %1): not clear yet; at this share, half the time about %Ln more games show that there is none.</numerusform>
        </translation>
    </message>
    <message>
        <source>Закрашен ваш диапазон, от %1 до %2: в нём, вероятно, ваша настоящая доля верных. Черта — наугад: %3. Пунктир — порог сильного чутья: %5, в полтора раза больше, чем наугад. Точка — доля верных сейчас: %4.</source>
        <translation>The filled part is your range, %1 to %2: your true percent right is likely in it. The line is blind guessing: %3. The dashed line is the strong threshold: %5, half again blind guessing. The dot is your percent right now: %4.</translation>
    </message>
    <message>
        <source>Всего — ответы всех уровней вместе: их больше, чем на любом уровне, поэтому разница с угадыванием наугад видна здесь раньше.</source>
        <translation>Total counts the guesses of all levels together: there are more of them than at any one level, so a difference from blind guessing shows here sooner.</translation>
    </message>
    <message>
        <source>Всего — ответы всех уровней вместе: разница одного уровня среди остальных может теряться.</source>
        <translation>Total counts the guesses of all levels together: one level’s difference can be lost among the others.</translation>
    </message>
    <message>
        <source>На каждом уровне ваша настоящая доля верных лежит в диапазоне с вероятностью %1, сколько бы раз вы сюда ни заглядывали.</source>
        <translation>At each level, your true percent right lies in the range with %1 certainty, however often you look here.</translation>
    </message>
    <message>
        <source>%1: от угадывания наугад не отличить, %2</source>
        <translation>%1: not distinguishable from blind guessing, %2</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Чтение записи игр</source>
        <translation>Reading the games file</translation>
    </message>
    <message>
        <source>Очистить…</source>
        <translation>Clear…</translation>
    </message>
    <message>
        <source>Очистить статистику</source>
        <translation>Clear Statistics</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Чтение записи игр: %p %</source>
        <translation>Reading the games file: %p%</translation>
    </message>
    <message>
        <source>Начать запись обычных игр заново?
Прежняя запись не удаляется: она останется в файле с сегодняшней датой. Запись тренировки не меняется.</source>
        <translation>Clear the statistics of regular games and start a new games file?
The games played so far are not deleted: they stay in a file named with today&apos;s date. The training record is not changed.</translation>
    </message>
    <message>
        <source>Тренировка — отдельно от обычных игр</source>
        <translation>Training — kept apart from regular games</translation>
    </message>
    <message>
        <source>Очистить статистику обычных игр</source>
        <translation>Clear the statistics of regular games</translation>
    </message>
    <message>
        <source>Начать запись обычных игр заново; прежняя запись сохранится в файле с сегодняшней датой. Запись тренировки не меняется.</source>
        <translation>Start a new file of regular games; the old one is kept in a file named with today&apos;s date. The training record is not changed.</translation>
    </message>
    <message>
        <source>Тренировка: %1</source>
        <comment>training&apos;s games</comment>
        <translation>Training: %1</translation>
    </message>
    <message>
        <source>Обычных игр пока нет: их итоги появятся здесь, тренировка — ниже.</source>
        <translation>No regular games yet: their results will show here; training is below.</translation>
    </message>
</context>
<context>
    <name>VerifyTexts</name>
    <message>
        <source>Строка %1: печать %2-й попытки не совпадает с её картинкой и секретом.</source>
        <translation>Line %1: the seal of attempt %2 does not match its picture and secret.</translation>
    </message>
    <message>
        <source>Строка %1: следующая строка хранит не её хеш — эту строку изменили, или после неё убрали или вставили строки.</source>
        <translation>Line %1: the next line holds a different hash of it; this line was changed, or lines after it were removed or inserted.</translation>
    </message>
    <message>
        <source>Строка %1: хранит хеш не той строки, что стоит перед ней.</source>
        <translation>Line %1: the hash it holds is not that of the line before it.</translation>
    </message>
    <message>
        <source>Проверено игр: %1, все проходят проверку.</source>
        <translation>Games checked: %1; all pass.</translation>
    </message>
    <message>
        <source>Проверено игр: %1, не проходят проверку: %2.</source>
        <translation>Games checked: %1; failing: %2.</translation>
    </message>
    <message>
        <source>Запись игр %1 не проверена. %2</source>
        <translation>The games file %1 was not checked. %2</translation>
    </message>
    <message>
        <source>Проверка записи игр: %1 --verify ФАЙЛ</source>
        <translation>Checking a games file: %1 --verify FILE</translation>
    </message>
    <message>
        <source>Строка %1: игра, оборванная при записи (программу прервали), — не в счёт.</source>
        <translation>Line %1: a game cut off while it was written (the program was stopped); not counted.</translation>
    </message>
    <message>
        <source>Строка %1: не читается как игра.</source>
        <translation>Line %1: no game can be read from it.</translation>
    </message>
    <message>
        <source>Строка %1: игра без печати там, где программа пишет игры с печатью.</source>
        <translation>Line %1: a game without a seal where the program writes games with one.</translation>
    </message>
    <message>
        <source>В файле нет ни одной игры, которую можно прочесть: проверять нечего.</source>
        <translation>The file holds no game that can be read: there is nothing to check.</translation>
    </message>
    <message>
        <source>Строк, которые не читаются как игра: %1 — запись не проходит проверку.</source>
        <translation>Lines from which no game can be read: %1; the file fails the check.</translation>
    </message>
    <message>
        <source>Контрольные цифры записи (после игры в строке %1): %2</source>
        <translation>Games file head (after the game on line %1): %2</translation>
    </message>
    <message>
        <source>Это не обычный файл: проверяются только файлы, не папки, каналы и устройства.</source>
        <translation>This is not a regular file: only files are checked, not folders, pipes or devices.</translation>
    </message>
    <message>
        <source>Файл не начинается со строки записи игр, значит, это не запись игр.</source>
        <translation>The file does not start with the line that marks a games file, so it is not one.</translation>
    </message>
</context>
</TS>
