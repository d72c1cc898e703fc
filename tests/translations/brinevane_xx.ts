<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A catalog made up for the tests: each kind of entry the programs must read as lrelease
     does. Its language, "xx", is none the programs speak. -->
<TS version="2.1" language="xx" sourcelanguage="en">
<context>
    <name>Wizard</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>次へ(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Press &apos;Next&apos;.

Then &quot;wait&quot;.</source>
        <translation>Appuyez sur « Suivant ».

Puis \ « attendez » ??= ?</translation>
    </message>
    <message>
        <source>%1 has gone</source>
        <translation>%1 ist weg</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Same</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation type="unfinished">Pas fini</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation></translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation type="vanished">Disparu</translation>
    </message>
    <message>
        <source>Obsolete</source>
        <translation type="obsolete">Obsolète</translation>
    </message>
    <message>
        <source>Ambiguous</source>
        <comment>one of two</comment>
        <translation>Mehrdeutig</translation>
    </message>
</context>
<context>
    <name>Other</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
