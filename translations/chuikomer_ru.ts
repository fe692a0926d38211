<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
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
        <source>Компьютер загадывает одну из картинок уровня, а вы угадываете её, нажимая кнопку с картинкой. В игре 10 попыток, после них — оценка по числу угаданных. Сначала выберите уровень: Shift+Tab ведёт к кнопкам уровней.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message numerus="yes">
        <source>%n игр</source>
        <translation>
            <numerusform>%n игра</numerusform>
            <numerusform>%n игры</numerusform>
            <numerusform>%n игр</numerusform>
        </translation>
    </message>
    <message>
        <source>доля верных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>полоса везения</source>
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
        <source>Доля верных ответов после каждой игры, линия «наугад» и полоса везения: линия выходит из полосы, только когда вывод — «выделяется» или «меньше».</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: после %Ln игр доля верных %2, наугад %3, полоса везения от %4 и выше.</source>
        <translation>
            <numerusform>%1: после %Ln игры доля верных %2, наугад %3, полоса везения от %4 и выше.</numerusform>
            <numerusform>%1: после %Ln игр доля верных %2, наугад %3, полоса везения от %4 и выше.</numerusform>
            <numerusform>%1: после %Ln игр доля верных %2, наугад %3, полоса везения от %4 и выше.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: после %Ln игр доля верных %2, наугад %3, полоса везения от %4 до %5.</source>
        <translation>
            <numerusform>%1: после %Ln игры доля верных %2, наугад %3, полоса везения от %4 до %5.</numerusform>
            <numerusform>%1: после %Ln игр доля верных %2, наугад %3, полоса везения от %4 до %5.</numerusform>
            <numerusform>%1: после %Ln игр доля верных %2, наугад %3, полоса везения от %4 до %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>игры</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsSummary</name>
    <message>
        <source>Во сколько раз чутьё объясняет ответы лучше везения: %1. При %2 и больше вывод — «выделяется» или «меньше», при 1/%3 и меньше — «в пределах везения».</source>
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
        <source>%1: выделяется — верных больше, чем наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: верных меньше, чем бывает наугад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: в пределах везения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: мало игр, чтобы судить</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln игр: %1 верных, наугад %2</source>
        <translation>
            <numerusform>%Ln игра: %1 верных, наугад %2</numerusform>
            <numerusform>%Ln игры: %1 верных, наугад %2</numerusform>
            <numerusform>%Ln игр: %1 верных, наугад %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Везение и чутьё объясняют ответы одинаково</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Везение объясняет ответы в %1 раза лучше чутья</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Везение объясняет ответы больше чем в миллион раз лучше чутья</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Везение объясняет ответы в %Ln раз лучше чутья</source>
        <translation>
            <numerusform>Везение объясняет ответы в %Ln раз лучше чутья</numerusform>
            <numerusform>Везение объясняет ответы в %Ln раза лучше чутья</numerusform>
            <numerusform>Везение объясняет ответы в %Ln раз лучше чутья</numerusform>
        </translation>
    </message>
    <message>
        <source>Чутьё объясняет ответы в %1 раза лучше везения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чутьё объясняет ответы больше чем в миллион раз лучше везения</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Чутьё объясняет ответы в %Ln раз лучше везения</source>
        <translation>
            <numerusform>Чутьё объясняет ответы в %Ln раз лучше везения</numerusform>
            <numerusform>Чутьё объясняет ответы в %Ln раза лучше везения</numerusform>
            <numerusform>Чутьё объясняет ответы в %Ln раз лучше везения</numerusform>
        </translation>
    </message>
    <message>
        <source>Неслучайные промахи объясняют ответы в %1 раза лучше везения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неслучайные промахи объясняют ответы больше чем в миллион раз лучше везения</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Неслучайные промахи объясняют ответы в %Ln раз лучше везения</source>
        <translation>
            <numerusform>Неслучайные промахи объясняют ответы в %Ln раз лучше везения</numerusform>
            <numerusform>Неслучайные промахи объясняют ответы в %Ln раза лучше везения</numerusform>
            <numerusform>Неслучайные промахи объясняют ответы в %Ln раз лучше везения</numerusform>
        </translation>
    </message>
    <message>
        <source>Всего складывает все уровни, поэтому может расходиться с отдельным уровнем.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каждая строка честна сама по себе: угадывающему наугад она хоть раз скажет «выделяется» или «меньше» не чаще чем в 1 случае из 100, как часто ни смотри.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a share in per cent</comment>
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
        <source>Итоги</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Наугад в среднем</source>
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
        <source>%1, наугад в среднем: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
