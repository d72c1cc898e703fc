<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CThread</name>
    <message>
        <source>ThreadProc[%1]::Can&apos;t signal Stop event!</source>
        <extracomment>A message box. %1 is the job&apos;s thread name (search or program), which stays as is.</extracomment>
        <translation>ThreadProc[%1]::Stop-Ereignis kann nicht signalisiert werden!</translation>
    </message>
</context>
<context>
    <name>CWizardApp</name>
    <message>
        <source>Qt&apos;s options (see the Qt documentation):</source>
        <translation>Optionen von Qt (siehe Qt-Dokumentation):</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>Findet einen Brinevane ADCP an einem seriellen Port und prüft, ob er antwortet.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr.</source>
        <translation>Schreibt jede Job-Meldung (und die Ablaufverfolgung) nach stderr.</translation>
    </message>
    <message>
        <source>Say on the first page that the instrument is simulated (brinevane-sim).</source>
        <translation>Zeigt auf der ersten Seite an, dass das Instrument simuliert wird (brinevane-sim).</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; for usage.</source>
        <translation>Hilfe zum Aufruf: &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the wizard cannot open a window. Run it from a desktop session, or use brinevane-probe on a terminal.</source>
        <translation>es gibt keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt), daher kann der Assistent kein Fenster öffnen. Starten Sie ihn in einer Desktop-Sitzung, oder verwenden Sie brinevane-probe in einem Terminal.</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>verschwunden</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>not serial</source>
        <translation>nicht seriell</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>kein Port</translation>
    </message>
    <message>
        <source>own terminal</source>
        <translation>eigenes Terminal</translation>
    </message>
    <message>
        <source>device changed</source>
        <translation>Gerät geändert</translation>
    </message>
    <message>
        <source>open failed</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgewiesen</translation>
    </message>
    <message>
        <source>not resolved</source>
        <translation>Name nicht aufgelöst</translation>
    </message>
    <message>
        <source>lookup failed</source>
        <translation>Namensauflösung fehlgeschlagen</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>not rfc2217</source>
        <translation>kein RFC 2217</translation>
    </message>
    <message>
        <source>setting refused</source>
        <translation>Einstellung abgelehnt</translation>
    </message>
    <message>
        <source>raw tcp</source>
        <translation>reines TCP</translation>
    </message>
    <message>
        <source>flood</source>
        <translation>Datenflut</translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation>nichts empfangen</translation>
    </message>
    <message>
        <source>another device at %1 baud</source>
        <translation>anderes Gerät mit %1 Baud</translation>
    </message>
    <message>
        <source>answers at a rate not searched</source>
        <translation>antwortet mit Baudrate außerhalb der Suche</translation>
    </message>
    <message>
        <source>(search: %1)</source>
        <extracomment>What the last search made of a port, beside it in the port list.</extracomment>
        <translation>(Suche: %1)</translation>
    </message>
    <message>
        <source>%1 has gone: plug its adapter in again, or choose another port.</source>
        <translation>%1 ist verschwunden: stecken Sie den Adapter wieder ein, oder wählen Sie einen anderen Port.</translation>
    </message>
</context>
<context>
    <name>DeviceHolders</name>
    <message>
        <source>%1 (pid %2)</source>
        <extracomment>A program that holds a device: %1 is its name (minicom), %2 its process number.</extracomment>
        <translation>%1 (PID %2)</translation>
    </message>
</context>
<context>
    <name>ErrorCatalog</name>
    <message>
        <source>This program&apos;s own terminal</source>
        <translation>Das eigene Terminal dieses Programms</translation>
    </message>
    <message>
        <source>The name does not resolve</source>
        <translation>Der Name lässt sich nicht auflösen</translation>
    </message>
    <message>
        <source>The server did not negotiate RFC 2217</source>
        <translation>Der Server hat RFC 2217 nicht ausgehandelt</translation>
    </message>
    <message>
        <source>The server did not acknowledge a line setting</source>
        <translation>Der Server hat eine Leitungseinstellung nicht bestätigt</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>Der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>A raw TCP port carries no break and no line setting</source>
        <translation>Ein reiner TCP-Port überträgt weder Break noch Leitungseinstellungen</translation>
    </message>
    <message>
        <source>The name service did not answer in time</source>
        <translation>Der Namensdienst hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>The name service failed</source>
        <translation>Fehler des Namensdienstes</translation>
    </message>
    <message>
        <source>The server sends data without pause</source>
        <translation>Der Server sendet ununterbrochen Daten</translation>
    </message>
    <message>
        <source>Port not open</source>
        <translation>Port nicht geöffnet</translation>
    </message>
    <message>
        <source>Read of zero bytes requested</source>
        <translation>Lesen von null Bytes angefordert</translation>
    </message>
    <message>
        <source>Write of zero bytes requested</source>
        <translation>Schreiben von null Bytes angefordert</translation>
    </message>
    <message>
        <source>Not enough room in the output queue</source>
        <translation>Nicht genug Platz in der Ausgabewarteschlange</translation>
    </message>
    <message>
        <source>Write ended short</source>
        <translation>Schreibvorgang unvollständig</translation>
    </message>
    <message>
        <source>The port&apos;s name now stands for another device</source>
        <translation>Der Name des Ports steht jetzt für ein anderes Gerät</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <source>, serial %1</source>
        <extracomment>After the adapter&apos;s maker and product: its serial number.</extracomment>
        <translation>, Seriennummer %1</translation>
    </message>
    <message>
        <source>Your Brinevane ADCP answered on %1 at %2 baud.</source>
        <extracomment>%1 is the port with its device, &quot;COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)&quot;; %2 the rate, &quot;19200&quot;.</extracomment>
        <translation>Ihr Brinevane ADCP hat an %1 mit %2 Baud geantwortet.</translation>
    </message>
    <message>
        <source>It said: %1</source>
        <extracomment>%1 is what the instrument wrote before its prompt, as it wrote it.</extracomment>
        <translation>Seine Meldung: %1</translation>
    </message>
    <message>
        <source>Press &apos;Finish&apos; to close the wizard.</source>
        <extracomment>&apos;Finish&apos; is the wizard&apos;s button &quot;&amp;Finish&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot;.</extracomment>
        <translation>Klicken Sie auf „Abschließen“, um den Assistenten zu schließen.</translation>
    </message>
</context>
<context>
    <name>JobHost</name>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Error creating search thread!</source>
        <translation>Fehler beim Erstellen des Such-Threads!</translation>
    </message>
    <message>
        <source>Could not stop search thread!</source>
        <translation>Der Such-Thread konnte nicht beendet werden!</translation>
    </message>
    <message>
        <source>No Brinevane ADCPs were detected!</source>
        <translation>Es wurde kein Brinevane ADCP gefunden!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmierung läuft...</translation>
    </message>
    <message>
        <source>Error creating program thread!</source>
        <translation>Fehler beim Erstellen des Programmier-Threads!</translation>
    </message>
    <message>
        <source>Could not stop program thread!</source>
        <translation>Der Programmier-Thread konnte nicht beendet werden!</translation>
    </message>
    <message>
        <source>Error during programming!</source>
        <translation>Fehler beim Programmieren!</translation>
    </message>
    <message>
        <source>%1 (%2) at %3 baud</source>
        <extracomment>%1 is a port name (COM2), %2 its device (/dev/ttyUSB0), %3 a baud rate (19200).</extracomment>
        <translation>%1 (%2) mit %3 Baud</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>noch etwa %1 s</translation>
    </message>
    <message>
        <source>probe %1 of %2, about %3 s left</source>
        <extracomment>The search&apos;s progress: %1 is the probe under way, %2 how many there are in all, %3 a number of seconds.</extracomment>
        <translation>Versuch %1 von %2, noch etwa %3 s</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A port&apos;s name, then what its line did and what to do.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>JobTexts</name>
    <message>
        <source>the rate %1 was not applied: %2 passes raw bytes, and its device server sets the line&apos;s rate</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>die Baudrate %1 wurde nicht übernommen: %2 überträgt reine Bytes, und sein Geräteserver bestimmt die Baudrate der Leitung</translation>
    </message>
    <message>
        <source>The baud rate %1 was not applied: %2 passes raw bytes, and its device server sets the line&apos;s rate.</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>Die Baudrate %1 wurde nicht übernommen: %2 überträgt reine Bytes, und sein Geräteserver bestimmt die Baudrate der Leitung.</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <extracomment>%1 is a port name (COM2) or a list of them (COM1, COM3), %2 a baud rate (19200).</extracomment>
        <translation>%1 mit %2 Baud</translation>
    </message>
</context>
<context>
    <name>LastError</name>
    <message>
        <source>No error</source>
        <translation>Kein Fehler</translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>An error the program has no words for; %1 is its code (0x20000007).</extracomment>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>NetworkCommDriver</name>
    <message>
        <source>a network port&apos;s address is %1</source>
        <extracomment>%1 is the form of the address (rfc2217://HOST:PORT).</extracomment>
        <translation>die Adresse eines Netzwerkports lautet %1</translation>
    </message>
    <message>
        <source>%1 refused the connection: check the device server&apos;s address and that no other program is connected to it</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 hat die Verbindung abgewiesen: prüfen Sie die Adresse des Geräteservers und dass kein anderes Programm mit ihm verbunden ist</translation>
    </message>
    <message>
        <source>the name %1 does not resolve: check the device server&apos;s name, or give its IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>der Name %1 lässt sich nicht auflösen: prüfen Sie den Namen des Geräteservers, oder geben Sie seine IP-Adresse an</translation>
    </message>
    <message>
        <source>%1 did not answer: check that the device server is on and reachable from this computer</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 hat nicht geantwortet: prüfen Sie, ob der Geräteserver eingeschaltet und von diesem Computer aus erreichbar ist</translation>
    </message>
    <message>
        <source>%1 does not speak RFC 2217: set that port of the device server to RFC 2217, or name it socket://%1 if it passes raw bytes</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001); keep socket://%1 as it is.</extracomment>
        <translation>%1 spricht kein RFC 2217: stellen Sie diesen Port des Geräteservers auf RFC 2217 um, oder nennen Sie ihn socket://%1, wenn er reine Bytes überträgt</translation>
    </message>
    <message>
        <source>%1 did not apply the line settings: check that its serial port supports the rate and 8 data bits, no parity, one stop bit</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 hat die Leitungseinstellungen nicht übernommen: prüfen Sie, ob sein serieller Port die Baudrate und 8 Datenbits, keine Parität, ein Stoppbit unterstützt</translation>
    </message>
    <message>
        <source>%1 is a raw TCP port: no break or rate reaches its line, so the search passes over it; connect to it at the rate its device server is set to</source>
        <extracomment>%1 is a port and its address: COM2 (socket://portserver:4001).</extracomment>
        <translation>%1 ist ein reiner TCP-Port: weder Break noch Baudrate erreichen seine Leitung, daher übergeht ihn die Suche; verbinden Sie sich mit der Baudrate, auf die sein Geräteserver eingestellt ist</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: check the network and that the device server is on</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>die Verbindung zu %1 ist abgebrochen: prüfen Sie das Netzwerk und ob der Geräteserver eingeschaltet ist</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service did not answer in time: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>der Name %1 konnte nicht aufgelöst werden: der Namensdienst hat nicht rechtzeitig geantwortet: prüfen Sie die Netzwerkverbindung dieses Computers, oder geben Sie die IP-Adresse des Geräteservers an</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service could not be reached: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>der Name %1 konnte nicht aufgelöst werden: der Namensdienst war nicht erreichbar: prüfen Sie die Netzwerkverbindung dieses Computers, oder geben Sie die IP-Adresse des Geräteservers an</translation>
    </message>
    <message>
        <source>%1 sends data without pause: not an instrument at rest; check the address and the port of the device server</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 sendet ununterbrochen Daten: kein ruhendes Instrument; prüfen Sie die Adresse und den Port des Geräteservers</translation>
    </message>
    <message>
        <source>%1 closed the connection at once: another program is probably connected to it; close that program and try again</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 hat die Verbindung sofort geschlossen: wahrscheinlich ist ein anderes Programm damit verbunden; schließen Sie dieses Programm und versuchen Sie es erneut</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>No serial port was chosen: choose one from the list of ports</source>
        <translation>Es wurde kein serieller Port gewählt: wählen Sie einen aus der Liste der Ports</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this computer</source>
        <extracomment>%1 is what the user gave as a port (COM5, /dev/ttyS9).</extracomment>
        <translation>%1 ist kein serieller Port dieses Computers</translation>
    </message>
    <message>
        <source>%1 is not there: is the adapter plugged in?</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 ist nicht vorhanden: ist der Adapter eingesteckt?</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 what to do about it.</extracomment>
        <translation>Zugriff auf %1 verweigert: %2</translation>
    </message>
    <message>
        <source>Permission denied on %1 (%2): %3</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 its port name (COM2), %3 what to do about it.</extracomment>
        <translation>Zugriff auf %1 (%2) verweigert: %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 wird von einem anderen Programm verwendet: schließen Sie es und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the program that holds it: minicom (pid 4242).</extracomment>
        <translation>%1 wird von %2 verwendet: schließen Sie es und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 ist kein serielles Gerät</translation>
    </message>
    <message>
        <source>%1 is this program&apos;s own terminal: choose the port the instrument is on, or run the program from another terminal</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/pts/3).</extracomment>
        <translation>%1 ist das eigene Terminal dieses Programms: wählen Sie den Port, an dem das Instrument hängt, oder starten Sie das Programm in einem anderen Terminal</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2).</extracomment>
        <translation>das Gerät hinter %1 hat sich geändert, seit die Ports aufgelistet wurden; wählen Sie den Port erneut aus einer neuen Liste der Ports</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed: %2; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2); %2 how its device changed: it was ..., it is now ...</extracomment>
        <translation>das Gerät hinter %1 hat sich geändert, seit die Ports aufgelistet wurden: %2; wählen Sie den Port erneut aus einer neuen Liste der Ports</translation>
    </message>
    <message>
        <source>%1 has gone: check that the device is plugged in and switched on</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 ist verschwunden: prüfen Sie, ob das Gerät eingesteckt und eingeschaltet ist</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the system&apos;s reason.</extracomment>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>data but no prompt at %1 baud on %2: the instrument may be set to another rate, or be streaming data (a search wakes it with a break)</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>Daten, aber kein Prompt mit %1 Baud an %2: das Instrument ist vielleicht auf eine andere Baudrate eingestellt oder sendet laufend Daten (eine Suche weckt es mit einem Break)</translation>
    </message>
    <message>
        <source>no prompt at %1 baud on %2: check that the instrument is on, cabled and set to that rate</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>kein Prompt mit %1 Baud an %2: prüfen Sie, ob das Instrument eingeschaltet, angeschlossen und auf diese Baudrate eingestellt ist</translation>
    </message>
    <message>
        <source>could not write to %1: %2: check the cable and the adapter</source>
        <extracomment>%1 is a port name (COM2), %2 the system&apos;s reason.</extracomment>
        <translation>Schreiben auf %1 fehlgeschlagen: %2: prüfen Sie Kabel und Adapter</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>%1 on %2</source>
        <extracomment>%1 is what the system says a device is (FTDI FT232R USB UART), %2 its path.</extracomment>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <source>the device must be %1</source>
        <extracomment>%1 is what a device path must be (an absolute path).</extracomment>
        <translation>das Gerät muss %1 sein</translation>
    </message>
    <message>
        <source>the device must be %1 or a name under %2</source>
        <extracomment>%1 is what a device path must be (an absolute path), %2 the network ports&apos; schemes (rfc2217://, socket://).</extracomment>
        <translation>das Gerät muss %1 oder ein Name unter %2 sein</translation>
    </message>
    <message>
        <source>(serial %1)</source>
        <extracomment>After a device&apos;s maker and product: %1 is its serial number.</extracomment>
        <translation>(Seriennummer %1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: expected COMn=/dev/path</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: erwartet wird COMn=/dev/path</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the port name must be COM1 to COM32</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: der Portname muss COM1 bis COM32 sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 what is wrong with it.</extracomment>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 is given twice; the first one is kept</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 its port name (COM1).</extracomment>
        <translation>&apos;%1&apos;: %2 ist doppelt angegeben; der erste Eintrag gilt</translation>
    </message>
    <message>
        <source>%1: skipping entry %2</source>
        <extracomment>%1 is BRINEVANE_PORTS, %2 what is wrong with one of its entries.</extracomment>
        <translation>%1: Eintrag übersprungen: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: this build of the program has no network ports: connect the instrument to a serial port of this computer</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; ist nicht die Adresse eines Netzwerkports: diese Version des Programms hat keine Netzwerkports: schließen Sie das Instrument an einen seriellen Port dieses Computers an</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: give %2</source>
        <extracomment>%1 is what the user typed, %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>&apos;%1&apos; ist nicht die Adresse eines Netzwerkports: geben Sie %2 an</translation>
    </message>
    <message>
        <source>every name from COM1 to COM32 is taken: the network port cannot be added</source>
        <translation>alle Namen von COM1 bis COM32 sind vergeben: der Netzwerkport kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>it was %1, which is no longer there</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>es war %1, das nicht mehr vorhanden ist</translation>
    </message>
    <message>
        <source>it was %1, it is now %2</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was, %2 the one it is now (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>es war %1, jetzt ist es %2</translation>
    </message>
</context>
<context>
    <name>PortVerdict</name>
    <message>
        <source>something answers the break, slower than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the slowest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>etwas antwortet auf den Break, langsamer als %1: stellen Sie das Instrument auf eine Baudrate von %2 bis %3 ein</translation>
    </message>
    <message>
        <source>something answers the break, faster than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the fastest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>etwas antwortet auf den Break, schneller als %1: stellen Sie das Instrument auf eine Baudrate von %2 bis %3 ein</translation>
    </message>
    <message>
        <source>nothing came back at any rate: check that the instrument is on, that the cable is a straight RS-232 one (not null-modem) and that it is in this port&apos;s socket</source>
        <translation>mit keiner Baudrate kam etwas zurück: prüfen Sie, ob das Instrument eingeschaltet ist, ob das Kabel ein gerades RS-232-Kabel ist (kein Nullmodem) und ob es in der Buchse dieses Ports steckt</translation>
    </message>
    <message>
        <source>another device answers at %1 baud and said &quot;%2&quot;: the instrument is not on this port</source>
        <extracomment>%1 is a baud rate, %2 the words the other device sent.</extracomment>
        <translation>ein anderes Gerät antwortet mit %1 Baud und meldete &quot;%2&quot;: das Instrument ist nicht an diesem Port</translation>
    </message>
    <message>
        <source>bytes came whether or not a break was sent, never readable text: the line carries noise or a device that streams binary data; check the cable&apos;s ground and what is connected</source>
        <translation>Bytes kamen, ob ein Break gesendet wurde oder nicht, nie lesbarer Text: auf der Leitung liegt Rauschen oder ein Gerät, das Binärdaten sendet; prüfen Sie die Masse des Kabels und was angeschlossen ist</translation>
    </message>
</context>
<context>
    <name>ProbeMain</name>
    <message>
        <source>COM1 to COM32, or a device path such as %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>COM1 bis COM32 oder ein Gerätepfad wie %1</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port such as %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 a network port&apos;s address (rfc2217://host:4001).</extracomment>
        <translation>COM1 bis COM32, ein Gerätepfad wie %1 oder ein Netzwerkport wie %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port: %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>COM1 bis COM32, ein Gerätepfad wie %1 oder ein Netzwerkport: %2</translation>
    </message>
    <message>
        <source>No serial ports were found.</source>
        <translation>Es wurden keine seriellen Ports gefunden.</translation>
    </message>
    <message>
        <source>Watching for serial ports coming and going; Ctrl-C ends.</source>
        <translation>Beobachte, wie serielle Ports kommen und gehen; Strg-C beendet.</translation>
    </message>
    <message>
        <source>device: %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <source>device: %1, %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 what the system says the device is.</extracomment>
        <translation>Gerät: %1, %2</translation>
    </message>
    <message>
        <source>instrument: %1</source>
        <extracomment>%1 is what the instrument said before its prompt.</extracomment>
        <translation>Instrument: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A port&apos;s verdict: %1 is a port name (COM3), %2 what its line did.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <extracomment>A port&apos;s verdict: %1 is a port name (COM3), %2 its device, %3 what its line did.</extracomment>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>a command is required</source>
        <translation>ein Befehl ist erforderlich</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port name: use %2</source>
        <extracomment>%1 is what the user typed, %2 the forms a port may take.</extracomment>
        <translation>&apos;%1&apos; ist kein Portname: möglich sind %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a baud rate: give a number, such as 9600</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; ist keine Baudrate: geben Sie eine Zahl an, etwa 9600</translation>
    </message>
    <message>
        <source>%1 baud is not a rate the serial port supports; use one of %2</source>
        <extracomment>%1 is the rate the user gave, %2 the list of rates (1200, 2400, ...).</extracomment>
        <translation>%1 Baud ist keine Baudrate, die der serielle Port unterstützt; möglich sind %2</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>Findet einen Brinevane ADCP an einem seriellen Port und prüft, ob er antwortet.</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>Versionsinformationen ausgeben und beenden</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr</source>
        <translation>Jede Job-Meldung (und die Ablaufverfolgung) nach stderr schreiben</translation>
    </message>
    <message>
        <source>Write the result as one JSON object on stdout</source>
        <translation>Das Ergebnis als ein JSON-Objekt nach stdout schreiben</translation>
    </message>
    <message>
        <source>List the serial ports and the devices behind them</source>
        <translation>Die seriellen Ports und die Geräte dahinter auflisten</translation>
    </message>
    <message>
        <source>Then print each port as it comes and goes, until stopped</source>
        <translation>Danach jeden Port melden, sobald er kommt oder geht, bis zum Abbruch</translation>
    </message>
    <message>
        <source>Try every port at every rate for the prompt</source>
        <translation>Jeden Port mit jeder Baudrate auf den Prompt prüfen</translation>
    </message>
    <message>
        <source>Search all ports at the same time</source>
        <translation>Alle Ports gleichzeitig durchsuchen</translation>
    </message>
    <message>
        <source>Try each port&apos;s likeliest rate first, read from what the rates tried heard</source>
        <translation>Je Port zuerst die wahrscheinlichste Baudrate versuchen, geschätzt aus dem, was bei den versuchten Baudraten empfangen wurde</translation>
    </message>
    <message>
        <source>Check that the instrument answers on a port</source>
        <translation>Prüfen, ob das Instrument an einem Port antwortet</translation>
    </message>
    <message>
        <source>Baud rate, for example 9600</source>
        <translation>Baudrate, zum Beispiel 9600</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>ein unerwarteter Fehler</translation>
    </message>
    <message>
        <source>cannot write the result: %1</source>
        <extracomment>%1 is the system&apos;s reason (Broken pipe).</extracomment>
        <translation>das Ergebnis kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <extracomment>%1 is the name of the argument, as the help shows it: port, baud.</extracomment>
        <translation>%1 muss angegeben werden</translation>
    </message>
    <message>
        <source>The following arguments were not expected: %1</source>
        <extracomment>%1 is what the user typed that no command or option takes (one word, or several).</extracomment>
        <translation>Unerwartete Argumente: %1</translation>
    </message>
    <message>
        <source>The following argument was not expected: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
</context>
<context>
    <name>ProbeUsage</name>
    <message>
        <source>COMMAND</source>
        <extracomment>The word for a command in the usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>BEFEHL</translation>
    </message>
    <message>
        <source>Usage</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>Positionals</source>
        <extracomment>The heading of a command&apos;s arguments (connect&apos;s port and baud).</extracomment>
        <translation>Positionsargumente</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <extracomment>Said of an argument that must be given: port TEXT REQUIRED</extracomment>
        <translation>ERFORDERLICH</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>The kind of value an argument takes: port TEXT REQUIRED</extracomment>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The heading of the options in --help.</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <extracomment>The heading of the commands in --help.</extracomment>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; ist keine Option</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the option it is nearest to.</extracomment>
        <translation>&apos;%1&apos; ist keine Option; meinten Sie %2?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; ist kein Befehl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the command it is nearest to.</extracomment>
        <translation>&apos;%1&apos; ist kein Befehl; meinten Sie %2?</translation>
    </message>
    <message>
        <source>Usage: brinevane-probe [OPTIONS] COMMAND</source>
        <extracomment>Keep it as the usage line of --help reads: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>Aufruf: brinevane-probe [OPTIONEN] BEFEHL</translation>
    </message>
    <message>
        <source>Run &apos;brinevane-probe --help&apos; for usage.</source>
        <translation>Hilfe zum Aufruf: &apos;brinevane-probe --help&apos;.</translation>
    </message>
    <message>
        <source>
Examples:
  brinevane-probe search             Find the instrument; prints the port and rate: COM2 19200
  brinevane-probe search --fast --parallel
                                     The same, every port at once, likeliest rate first
  brinevane-probe connect COM2 19200 Check that it answers there
  brinevane-probe connect rfc2217://portserver:4001 9600
                                     The same through a serial device server
  brinevane-probe --json ports       The ports and their devices, as JSON
  brinevane-probe help connect       A command&apos;s usage

Environment:
  BRINEVANE_PORTS                    The ports to use instead of the computer&apos;s own:
                                     COM1=/dev/ttyUSB0,COM2=rfc2217://HOST:PORT (set and
                                     empty: no ports at all)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                                     The language of the messages (with --json: English)
</source>
        <extracomment>The end of brinevane-probe --help. Keep the commands, the options, BRINEVANE_PORTS and its value as they are, and the explanations starting at the 38th column.</extracomment>
        <translation>
Beispiele:
  brinevane-probe search             Findet das Instrument; gibt Port und Baudrate aus: COM2 19200
  brinevane-probe search --fast --parallel
                                     Ebenso, alle Ports zugleich, wahrscheinlichste Baudrate zuerst
  brinevane-probe connect COM2 19200 Prüft, ob es dort antwortet
  brinevane-probe connect rfc2217://portserver:4001 9600
                                     Ebenso über einen seriellen Geräteserver
  brinevane-probe --json ports       Die Ports und ihre Geräte als JSON
  brinevane-probe help connect       Die Verwendung eines Befehls

Umgebung:
  BRINEVANE_PORTS                    Die Ports, die statt der eigenen des Computers gelten:
                                     COM1=/dev/ttyUSB0,COM2=rfc2217://HOST:PORT (gesetzt und
                                     leer: gar keine Ports)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                                     Die Sprache der Meldungen (mit --json: Englisch)
</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>Connecting to %1...</source>
        <extracomment>%1 is the port and rate (COM2 at 19200 baud).</extracomment>
        <translation>Verbindungsaufbau zu %1...</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud).</extracomment>
        <translation>Suche an %1...</translation>
    </message>
    <message>
        <source>Searching %1 (%2)...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud), %2 how far the search is (probe 3 of 16, about 30 s left).</extracomment>
        <translation>Suche an %1 (%2)...</translation>
    </message>
</context>
<context>
    <name>SearchRecord</name>
    <message>
        <source>no serial port was found on this computer: connect the instrument and try again</source>
        <translation>auf diesem Computer wurde kein serieller Port gefunden: schließen Sie das Instrument an und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>no prompt from %1 at any baud rate: check that the instrument is on and cabled</source>
        <extracomment>%1 is a port name (COM1) or a list of them (COM1, COM3).</extracomment>
        <translation>von %1 kam mit keiner Baudrate ein Prompt: prüfen Sie, ob das Instrument eingeschaltet und angeschlossen ist</translation>
    </message>
</context>
<context>
    <name>SearchUnit</name>
    <message>
        <source>no prompt from %1 at any baud rate</source>
        <extracomment>%1 is a port name (COM1).</extracomment>
        <translation>von %1 kam mit keiner Baudrate ein Prompt</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>an absolute path</source>
        <extracomment>What a device path must be: the device must be an absolute path.</extracomment>
        <translation>ein absoluter Pfad</translation>
    </message>
    <message>
        <source>add your user to the &apos;%1&apos; group, then log in again</source>
        <extracomment>What to do when a device may not be opened; %1 is the device&apos;s group (dialout).</extracomment>
        <translation>fügen Sie Ihren Benutzer der Gruppe &apos;%1&apos; hinzu und melden Sie sich neu an</translation>
    </message>
    <message>
        <source>ask an administrator for read and write access to it</source>
        <translation>bitten Sie einen Administrator um Lese- und Schreibzugriff darauf</translation>
    </message>
    <message>
        <source>a device name such as \\.\COM3</source>
        <extracomment>What a device path must be: the device must be a device name such as \.COM3.</extracomment>
        <translation>ein Gerätename wie \\.\COM3</translation>
    </message>
    <message>
        <source>ask an administrator for access to it</source>
        <extracomment>What to do when a device may not be opened.</extracomment>
        <translation>bitten Sie einen Administrator um Zugriff darauf</translation>
    </message>
</context>
<context>
    <name>WizardStrings</name>
    <message>
        <source>&amp;About Brinevane Setup...</source>
        <translation>Ü&amp;ber Brinevane Setup...</translation>
    </message>
    <message>
        <source>About Brinevane Setup</source>
        <translation>Über Brinevane Setup</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port.</source>
        <translation>Findet einen Brinevane ADCP an einem seriellen Port.</translation>
    </message>
    <message>
        <source>Copyright 2026 the Brinevane Setup authors</source>
        <translation>Copyright 2026 die Autoren von Brinevane Setup</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: see the LICENSE file.</source>
        <translation>Freie Software unter der MIT-Lizenz: siehe Datei LICENSE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Welcome to Brinevane Setup</source>
        <translation>Willkommen bei Brinevane Setup</translation>
    </message>
    <message>
        <source>This wizard finds your Brinevane ADCP on a serial port and checks that it answers.

Press &apos;Next&apos; to let the wizard search every serial port at every baud rate, or tick the box below to give the port settings yourself.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>Dieser Assistent findet Ihren Brinevane ADCP an einem seriellen Port und prüft, ob er antwortet.

Mit „Weiter“ durchsucht der Assistent jeden seriellen Port mit jeder Baudrate; oder setzen Sie unten das Häkchen, um die Port-Einstellungen selbst anzugeben.</translation>
    </message>
    <message>
        <source>Demo:</source>
        <translation>Demo:</translation>
    </message>
    <message>
        <source>the instrument is simulated by brinevane-sim on a pseudo-terminal; no real Brinevane ADCP is used.</source>
        <extracomment>Follows &quot;Demo:&quot; in bold.</extracomment>
        <translation>das Instrument wird von brinevane-sim an einem Pseudo-Terminal simuliert; es wird kein echter Brinevane ADCP verwendet.</translation>
    </message>
    <message>
        <source>I would like to &amp;specify the port settings.</source>
        <translation>Ich möchte die Port-&amp;Einstellungen selbst angeben.</translation>
    </message>
    <message>
        <source>&amp;Quick search: all ports at once, the likeliest baud rate first</source>
        <translation>&amp;Schnellsuche: alle Ports zugleich, die wahrscheinlichste Baudrate zuerst</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Kommunikationseinstellungen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Serial &amp;Port:</source>
        <translation>Serieller &amp;Port:</translation>
    </message>
    <message>
        <source>Baud &amp;Rate:</source>
        <translation>Baud&amp;rate:</translation>
    </message>
    <message>
        <source>The settings shown at left will be used to communicate with the Brinevane.  Press &apos;Next&apos; to continue.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>Mit den links gezeigten Einstellungen wird mit dem Brinevane kommuniziert.  Klicken Sie auf „Weiter“, um fortzufahren.</translation>
    </message>
    <message>
        <source>A&amp;dd network port...</source>
        <translation>&amp;Netzwerkport hinzufügen...</translation>
    </message>
    <message>
        <source>Add network port</source>
        <translation>Netzwerkport hinzufügen</translation>
    </message>
    <message>
        <source>The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT for one that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT.</source>
        <translation>Der Port des seriellen Geräteservers: rfc2217://HOST:PORT, oder socket://HOST:PORT für einen, der reine Bytes überträgt. HOST:PORT allein gilt als rfc2217://HOST:PORT.</translation>
    </message>
    <message>
        <source>The network port was not added.</source>
        <translation>Der Netzwerkport wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>&apos;Finish&apos; in &quot;Press &apos;Finish&apos; to close the wizard.&quot; quotes this button.</extracomment>
        <translation>Ab&amp;schließen</translation>
    </message>
</context>
</TS>
