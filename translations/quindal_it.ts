<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="it">
<context>
    <name>ShadowText</name>
    <message numerus="yes">
        <source>%n ore</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Site</name>
    <message numerus="yes">
        <source>togliere %n ore</source>
        <translation>
            <numerusform>togliere %n ora</numerusform>
            <numerusform>togliere %n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>aggiungere %n ore</source>
        <translation>
            <numerusform>aggiungere %n ora</numerusform>
            <numerusform>aggiungere %n ore</numerusform>
        </translation>
    </message>
</context>
</TS>
