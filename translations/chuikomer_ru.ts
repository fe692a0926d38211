<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
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
</context>
</TS>
