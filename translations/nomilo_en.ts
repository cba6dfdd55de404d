<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Game</name>
    <message numerus="yes">
        <source>Game Over.. You scored %n
It was %1</source>
        <translation>
            <numerusform>Game Over.. You scored %n
It was %1</numerusform>
            <numerusform>Game Over.. You scored %n
It was %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Other games took the high-score places meanwhile: %n points no longer earn a place.</source>
        <translation>
            <numerusform>Other games took the high-score places meanwhile: %n points no longer earn a place.</numerusform>
            <numerusform>Other games took the high-score places meanwhile: %n points no longer earn a place.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>in a box</comment>
        <extracomment>Within a sentence of the boxes at the end of a game</extracomment>
        <translation>
            <numerusform>%n points</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameWidgets</name>
    <message numerus="yes">
        <source>%n points</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n life</numerusform>
            <numerusform>%n lives</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>%1 points</source>
        <comment>a place&apos;s score</comment>
        <translation>
            <numerusform>%1 points</numerusform>
            <numerusform>%1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the lives counter</comment>
        <translation>
            <numerusform>%n lives</numerusform>
            <numerusform>%n lives</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <comment>the clock</comment>
        <translation>
            <numerusform>%n seconds left</numerusform>
            <numerusform>%n seconds left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%n blanks</source>
        <extracomment>Hidden letters in a row, as read out: &quot;2 blanks&quot;</extracomment>
        <translation>
            <numerusform>%n blank</numerusform>
            <numerusform>%n blanks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n letter</numerusform>
            <numerusform>%n letters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <translation>
            <numerusform>%n life</numerusform>
            <numerusform>%n lives</numerusform>
        </translation>
    </message>
</context>
</TS>
