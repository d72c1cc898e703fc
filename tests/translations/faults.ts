<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A catalog made up for the test of scripts/check-translations: the entries marked "fault"
     must each be reported, the others not. -->
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>WizardStrings</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>Fertig (&amp;F)</translation>
    </message>
    <message>
        <source>Press &apos;Next&apos; to go on.</source>
        <translation>Drücken Sie „Weiter“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Press &apos;Finish&apos; to close the wizard.</source>
        <translation>Drücken Sie „Beenden“.</translation> <!-- fault: not the button's name -->
    </message>
    <message>
        <source>Serial &amp;Port:</source>
        <translation>Serielle Schnittstelle:</translation> <!-- fault: no accelerator -->
    </message>
    <message>
        <source>Settings</source>
        <translation>&amp;Einstellungen</translation> <!-- fault: an accelerator too many -->
    </message>
    <message>
        <source>Tom &amp;&amp; Jerry &amp;say</source>
        <translation>Tom &amp;&amp; Jerry &amp;sagen</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%2 Baud</translation> <!-- fault: %1 lost -->
    </message>
    <message>
        <source>at %1</source>
        <translation>bei %1 (%2)</translation> <!-- fault: %2 made up -->
    </message>
    <message>
        <source>%1 has gone</source>
        <translation>%1 ist weg; %1 fehlt</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation> <!-- fault unless allowed -->
    </message>
    <message>
        <source>Gone</source>
        <translation type="vanished">Weg</translation> <!-- fault -->
    </message>
</context>
</TS>
