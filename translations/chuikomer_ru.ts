<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Флаг: белая, синяя и красная полосы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эмблема: человек смотрит вдаль из-под руки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программы для всех!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сайт автора: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автор: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Электронная почта: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сайт:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата: 21 января 2005 год -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 августа 2015 год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия: v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия программы: v%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayTexts</name>
    <message>
        <source>не удалось открыть графический дисплей (проверьте DISPLAY или WAYLAND_DISPLAY).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>связь с графическим дисплеем потеряна, программа завершается.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1 не число от 0,5 до 8, оно не учитывается.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>Чуйкомер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the title, then the level</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Первый уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Второй уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Третий уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Красный круг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Жёлтый квадрат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зелёный треугольник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синий ромб</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Розовая трапеция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пирамида из кубиков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мяч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пирамидка с кольцами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Три фишки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Барабан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Банан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вишни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гриб</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сыр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Груша</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угадайте %1-ю картинку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ваша интуиция не работает.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы гений!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ваша интуиция работает на %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наугад на этом уровне угадывают в среднем %1 из %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не угадать ни одной картинки просто по невезению можно меньше чем в 1 случае из миллиарда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не угадать ни одной картинки просто по невезению можно в %1% случаев.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не угадать ни одной картинки просто по невезению можно в 1 случае из %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угадать все %1 просто по везению можно меньше чем в 1 случае из миллиарда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угадать все %1 просто по везению можно в %2% случаев.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угадать все %1 просто по везению можно в 1 случае из %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угадать %1 или больше просто по везению можно меньше чем в 1 случае из миллиарда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угадать %1 или больше просто по везению можно в %2% случаев.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угадать %1 или больше просто по везению можно в 1 случае из %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>the mean, then the chance of the score</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Табло пусто: выберите уровень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попытка %1: ваш ответ — %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попытка %1: загадано — %2, ваш ответ — %3, верно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попытка %1: загадано — %2, ваш ответ — %3, неверно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попытка %1: ждёт вашего ответа.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — тренировка</source>
        <comment>the caption in training</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верно: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мимо: загадана %1</source>
        <comment>the picture hidden instead, feminine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мимо: загаданы %1</source>
        <comment>the picture hidden instead, plural</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мимо: загадан %1</source>
        <comment>the picture hidden instead</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тренировка: угадайте %1-ю картинку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тренировка: интуиция не работает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тренировка: вы гений!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тренировка: интуиция на %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим тренировки: после каждой попытки видно, что было загадано. Эти игры идут в отдельную запись. F5 выключает тренировку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычная игра: загаданное видно после десятой попытки. F5 включает тренировку.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Файл справки не найден: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1
%2
%3</source>
        <comment>verdict, explanation, attempts</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — игра, которая проверяет интуицию.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вызов справки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс %n попыток.</source>
        <translation>
            <numerusform>Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс %n попытка.</numerusform>
            <numerusform>Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс %n попытки.</numerusform>
            <numerusform>Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс %n попыток.</numerusform>
        </translation>
    </message>
    <message>
        <source>Табло результатов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сначала выберите уровень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>what the game is, then its rules</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>what the player just did, then what comes next</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>the explanation, then where the details are</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подробности — на табло: клавиша F3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the rules, then the keys that say them again</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Компьютер загадывает одну из картинок уровня, а вы угадываете её, нажимая кнопку с картинкой. В игре %n попыток, после них — оценка по числу угаданных.</source>
        <translation>
            <numerusform>Компьютер загадывает одну из картинок уровня, а вы угадываете её, нажимая кнопку с картинкой. В игре %n попытка, после неё — оценка по числу угаданных.</numerusform>
            <numerusform>Компьютер загадывает одну из картинок уровня, а вы угадываете её, нажимая кнопку с картинкой. В игре %n попытки, после них — оценка по числу угаданных.</numerusform>
            <numerusform>Компьютер загадывает одну из картинок уровня, а вы угадываете её, нажимая кнопку с картинкой. В игре %n попыток, после них — оценка по числу угаданных.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the rules, then what to do first</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сначала выберите уровень: Shift+Tab ведёт к кнопкам уровней.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>the explanation, then the attempts</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what to do first, then the keys</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вся печать — в окне «Проверка» из меню.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать игры начинается с %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игра окончена. Её картинки и секрет — в окне «Проверка»: по ним проверяют печать, записанную до первого ответа.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать появится, когда начнётся игра.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тренировка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the mode, then the game</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2 повторяет правила, F3 читает табло, F4 — первые цифры печати игры.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the rules, then the mode</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenFailureNotice</name>
    <message>
        <source>%1
%2</source>
        <comment>why the browser did not show it, then where it is</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка не открылась в браузере: в системе нет браузера, чтобы её показать.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сайт не открылся: в системе нет браузера, чтобы его показать.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка не открылась в браузере: в системе нет программы %1 из пакета xdg-utils, которая передаёт документы браузеру.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сайт не открылся: в системе нет программы %1 из пакета xdg-utils, которая передаёт ссылки браузеру.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вместо этого справка открыта в окне программы.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordMessages</name>
    <message>
        <source>Несохранённые игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить в файл…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Выйти без них</source>
        <translation>
            <numerusform>Выйти без неё</numerusform>
            <numerusform>Выйти без них</numerusform>
            <numerusform>Выйти без них</numerusform>
        </translation>
    </message>
    <message>
        <source>Остаться</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись игр (*.tsv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Несохранённые игры тренировки</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordNotes</name>
    <message>
        <source>Ни HOME, ни XDG_DATA_HOME не задают полный путь, и папку для записи игр не найти.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись сделана более новой версией программы, и эта версия её не меняет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Папка данных — символическая ссылка, а через ссылки программа не пишет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На месте папки данных стоит не папка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись занята другой копией программы, которая не отвечает.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На диске нет места.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диск доступен только для чтения.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет прав доступа к файлу или папке.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл достиг предельного размера, заданного в системе.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Система сообщила об ошибке: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n игр этого запуска не удалось сохранить: они хранятся в памяти, пока программа открыта.</source>
        <translation>
            <numerusform>%n игру этого запуска не удалось сохранить: они хранятся в памяти, пока программа открыта.</numerusform>
            <numerusform>%n игры этого запуска не удалось сохранить: они хранятся в памяти, пока программа открыта.</numerusform>
            <numerusform>%n игр этого запуска не удалось сохранить: они хранятся в памяти, пока программа открыта.</numerusform>
        </translation>
    </message>
    <message>
        <source>Игры этого запуска не сохраняются: их негде хранить.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n игр этого запуска не удалось сохранить.</source>
        <translation>
            <numerusform>%n игру этого запуска не удалось сохранить.</numerusform>
            <numerusform>%n игры этого запуска не удалось сохранить.</numerusform>
            <numerusform>%n игр этого запуска не удалось сохранить.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сохранить их в другой файл перед выходом?</source>
        <translation>
            <numerusform>Сохранить её в другой файл перед выходом?</numerusform>
            <numerusform>Сохранить их в другой файл перед выходом?</numerusform>
            <numerusform>Сохранить их в другой файл перед выходом?</numerusform>
        </translation>
    </message>
    <message>
        <source>На месте файла стоит символическая ссылка, и программа через неё не пишет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На месте файла стоит не обычный файл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У файла записи есть и другие имена (жёсткие ссылки), и программа его не меняет, чтобы не изменить файл под чужим именем.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл принадлежит другому пользователю.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл не начинается со строки записи игр, поэтому программа его не меняет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Папка данных или папка над ней принадлежит другому пользователю, а в чужих папках программа ничего не создаёт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Символическую ссылку на пути к папке данных создал другой пользователь, и программа по ней не идёт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Все имена для файла прежних игр с сегодняшней датой уже заняты.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл записи игр: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропущено нечитаемых строк в записи игр: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись сделана более новой версией программы: здесь показано то, что эта версия в ней понимает, а новые игры в неё не записываются.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прежние игры не удалось прочитать.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить игры в выбранный файл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось очистить статистику.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n игр не проходят проверку записи и не вошли в статистику: строки %1.</source>
        <translation>
            <numerusform>%n игра не проходит проверку записи и не вошла в статистику: строка %1.</numerusform>
            <numerusform>%n игры не проходят проверку записи и не вошли в статистику: строки %1.</numerusform>
            <numerusform>%n игр не проходят проверку записи и не вошли в статистику: строки %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Почему, скажет команда «chuikomer --verify» с этим файлом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 игру этого запуска не удалось сохранить: она хранится в памяти, пока программа открыта.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SealsWindow</name>
    <message>
        <source>Проверка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игра %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скопировать печать, а после игры и всё, чем её проверяют, как текст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игра ещё не начата: выберите уровень, и здесь появится её печать — до первого ответа.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать игры %1 сделана из всех её десяти картинок до вашего первого ответа. Запишите её первые 16 цифр (выделены): после игры по ним можно будет проверить, что картинки не менялись.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игра %1 окончена. Доказательство честности — печать, которую вы записали до первого ответа: выполните команду ниже в оболочке и сравните её вывод с записанным. Сверка, которую делает сама программа, ничего не доказывает.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать игры: %1. Для записи достаточно первых 16 цифр: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картинки: %1.
Секрет: %2
Команда:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контрольные цифры записи игр после этой игры: %1. Кто записал их, может позже убедиться командой chuikomer --verify, что запись до этой игры не менялась.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>доля верных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График доли верных ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График пуст: игр пока нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>коридор угадывающего наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доля верных ответов после каждой игры, линия «наугад» и коридор, где бывает угадывающий наугад: линия выходит из коридора, только когда вывод — «%1» или «%2».</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего наугад от %4 и выше.</source>
        <translation>
            <numerusform>%1: после %Ln игры доля верных %2, наугад %3, коридор угадывающего наугад от %4 и выше.</numerusform>
            <numerusform>%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего наугад от %4 и выше.</numerusform>
            <numerusform>%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего наугад от %4 и выше.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего наугад от %4 до %5.</source>
        <translation>
            <numerusform>%1: после %Ln игры доля верных %2, наугад %3, коридор угадывающего наугад от %4 до %5.</numerusform>
            <numerusform>%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего наугад от %4 до %5.</numerusform>
            <numerusform>%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего наугад от %4 до %5.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsSummary</name>
    <message>
        <source>наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ваш диапазон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>порог сильного чутья</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>доля верных сейчас</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsTable</name>
    <message>
        <source>Сыграно игр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верных ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доля верных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, сыграно игр: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, дано ответов: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, верных ответов: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, доля верных: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доля наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, доля наугад: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Числа по уровням</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диапазон доли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, диапазон доли верных: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, диапазон доли верных: только у отдельных уровней</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsTexts</name>
    <message>
        <source>Всего</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Сыграно %Ln игр.</source>
        <translation>
            <numerusform>Сыграна %Ln игра.</numerusform>
            <numerusform>Сыграно %Ln игры.</numerusform>
            <numerusform>Сыграно %Ln игр.</numerusform>
        </translation>
    </message>
    <message>
        <source>Игр пока нет: сыграйте, и результаты появятся здесь.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a share in per cent</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выделяется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>верных меньше, чем бывает наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сильного чутья нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пока не ясно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 — верных больше, чем наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a line of play and its verdict</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1–%2 %</source>
        <comment>a range of shares in per cent</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: от угадывания наугад пока не отличить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: все уровни вместе от угадывания наугад не отличить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: от угадывания наугад не отличить</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что чутьё сильное.</source>
        <translation>
            <numerusform>Сыграйте ещё около %Ln игры: при такой доле за это время в половине случаев станет ясно, что чутьё сильное.</numerusform>
            <numerusform>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что чутьё сильное.</numerusform>
            <numerusform>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что чутьё сильное.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что сильного чутья нет.</source>
        <translation>
            <numerusform>Сыграйте ещё около %Ln игры: при такой доле за это время в половине случаев станет ясно, что сильного чутья нет.</numerusform>
            <numerusform>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что сильного чутья нет.</numerusform>
            <numerusform>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что сильного чутья нет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что чутьё есть.</source>
        <translation>
            <numerusform>Сыграйте ещё около %Ln игры: при такой доле за это время в половине случаев станет ясно, что чутьё есть.</numerusform>
            <numerusform>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что чутьё есть.</numerusform>
            <numerusform>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что чутьё есть.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что верных меньше, чем наугад.</source>
        <translation>
            <numerusform>Сыграйте ещё около %Ln игры: при такой доле за это время в половине случаев станет ясно, что верных меньше, чем наугад.</numerusform>
            <numerusform>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что верных меньше, чем наугад.</numerusform>
            <numerusform>Сыграйте ещё около %Ln игр: при такой доле за это время в половине случаев станет ясно, что верных меньше, чем наугад.</numerusform>
        </translation>
    </message>
    <message>
        <source>Узнавать здесь больше нечего: ваша доля верных — не больше %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При такой доле от угадывания наугад может так и не отличиться.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При такой доле от угадывания наугад, скорее всего, не отличится и за %L1 игр.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сильное ли чутьё, при такой доле может и не проясниться.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сильное ли чутьё, при такой доле, скорее всего, не прояснится и за %L1 игр.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это уже установлено: узнавать здесь больше нечего.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это уже установлено: чутьё есть, и оно сильное.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это уже установлено: чутьё есть, но не сильное.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln игр: верных %1, наугад %2 — в среднем по вашим уровням</source>
        <translation>
            <numerusform>%Ln игра: верных %1, наугад %2 — в среднем по вашим уровням</numerusform>
            <numerusform>%Ln игры: верных %1, наугад %2 — в среднем по вашим уровням</numerusform>
            <numerusform>%Ln игр: верных %1, наугад %2 — в среднем по вашим уровням</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln игр: верных %1, диапазон %2, наугад %3</source>
        <translation>
            <numerusform>%Ln игра: верных %1, диапазон %2, наугад %3</numerusform>
            <numerusform>%Ln игры: верных %1, диапазон %2, наугад %3</numerusform>
            <numerusform>%Ln игр: верных %1, диапазон %2, наугад %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): есть — вероятно, не меньше %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): нет — вероятно, не больше %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): пока не ясно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): пока не ясно; при такой доле может и не проясниться.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сильное чутьё (порог %1): пока не ясно; при такой доле, скорее всего, не прояснится и за %L2 игр.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игр станет ясно, что оно есть.</source>
        <translation>
            <numerusform>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игру станет ясно, что оно есть.</numerusform>
            <numerusform>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игры станет ясно, что оно есть.</numerusform>
            <numerusform>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игр станет ясно, что оно есть.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игр станет ясно, что его нет.</source>
        <translation>
            <numerusform>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игру станет ясно, что его нет.</numerusform>
            <numerusform>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игры станет ясно, что его нет.</numerusform>
            <numerusform>Сильное чутьё (порог %1): пока не ясно; при такой доле в половине случаев примерно через %Ln игр станет ясно, что его нет.</numerusform>
        </translation>
    </message>
    <message>
        <source>Закрашен ваш диапазон, от %1 до %2: в нём, вероятно, ваша настоящая доля верных. Черта — наугад: %3. Пунктир — порог сильного чутья: %5, в полтора раза больше, чем наугад. Точка — доля верных сейчас: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всего — ответы всех уровней вместе: их больше, чем на любом уровне, поэтому разница с угадыванием наугад видна здесь раньше.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всего — ответы всех уровней вместе: разница одного уровня среди остальных может теряться.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На каждом уровне ваша настоящая доля верных лежит в диапазоне с вероятностью %1, сколько бы раз вы сюда ни заглядывали.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: от угадывания наугад не отличить, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Статистика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение записи игр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить статистику</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение записи игр: %p %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать запись обычных игр заново?
Прежняя запись не удаляется: она останется в файле с сегодняшней датой. Запись тренировки не меняется.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тренировка — отдельно от обычных игр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить статистику обычных игр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать запись обычных игр заново; прежняя запись сохранится в файле с сегодняшней датой. Запись тренировки не меняется.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тренировка: %1</source>
        <comment>training&apos;s games</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычных игр пока нет: их итоги появятся здесь, тренировка — ниже.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerifyTexts</name>
    <message>
        <source>Строка %1: печать %2-й попытки не совпадает с её картинкой и секретом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: следующая строка хранит не её хеш — эту строку изменили, или после неё убрали или вставили строки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: хранит хеш не той строки, что стоит перед ней.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверено игр: %1, все проходят проверку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверено игр: %1, не проходят проверку: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись игр %1 не проверена. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка записи игр: %1 --verify ФАЙЛ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: игра, оборванная при записи (программу прервали), — не в счёт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: не читается как игра.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: игра без печати там, где программа пишет игры с печатью.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В файле нет ни одной игры, которую можно прочесть: проверять нечего.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строк, которые не читаются как игра: %1 — запись не проходит проверку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контрольные цифры записи (после игры в строке %1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это не обычный файл: проверяются только файлы, не папки, каналы и устройства.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл не начинается со строки записи игр, значит, это не запись игр.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
