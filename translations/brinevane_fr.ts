<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CThread</name>
    <message>
        <source>ThreadProc[%1]::Can&apos;t signal Stop event!</source>
        <extracomment>A message box. %1 is the job&apos;s thread name (search or program), which stays as is.</extracomment>
        <translation>ThreadProc[%1]::Impossible de signaler l&apos;événement Stop !</translation>
    </message>
</context>
<context>
    <name>CWizardApp</name>
    <message>
        <source>Qt&apos;s options (see the Qt documentation):</source>
        <translation>Options de Qt (voir la documentation de Qt) :</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>Trouve un ADCP Brinevane sur un port série et vérifie qu&apos;il répond.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr.</source>
        <translation>Écrit chaque notification des tâches (et la trace) sur stderr.</translation>
    </message>
    <message>
        <source>Say on the first page that the instrument is simulated (brinevane-sim).</source>
        <translation>Indique sur la première page que l&apos;instrument est simulé (brinevane-sim).</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; for usage.</source>
        <translation>Lancez &apos;%1 --help&apos; pour l&apos;aide.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the wizard cannot open a window. Run it from a desktop session, or use brinevane-probe on a terminal.</source>
        <translation>aucun affichage (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini) : l&apos;assistant ne peut pas ouvrir de fenêtre. Lancez-le depuis une session de bureau, ou utilisez brinevane-probe dans un terminal.</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>noise</source>
        <translation>bruit</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>occupé</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>disparu</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>not serial</source>
        <translation>pas série</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>pas un port</translation>
    </message>
    <message>
        <source>own terminal</source>
        <translation>propre terminal</translation>
    </message>
    <message>
        <source>device changed</source>
        <translation>périphérique changé</translation>
    </message>
    <message>
        <source>open failed</source>
        <translation>échec d&apos;ouverture</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>not resolved</source>
        <translation>nom non résolu</translation>
    </message>
    <message>
        <source>lookup failed</source>
        <translation>échec de résolution</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>not rfc2217</source>
        <translation>pas RFC 2217</translation>
    </message>
    <message>
        <source>setting refused</source>
        <translation>réglage refusé</translation>
    </message>
    <message>
        <source>raw tcp</source>
        <translation>TCP brut</translation>
    </message>
    <message>
        <source>flood</source>
        <translation>flot continu</translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation>rien reçu</translation>
    </message>
    <message>
        <source>another device at %1 baud</source>
        <translation>autre appareil à %1 bauds</translation>
    </message>
    <message>
        <source>answers at a rate not searched</source>
        <translation>répond à un débit hors recherche</translation>
    </message>
    <message>
        <source>(search: %1)</source>
        <extracomment>What the last search made of a port, beside it in the port list.</extracomment>
        <translation>(recherche : %1)</translation>
    </message>
    <message>
        <source>%1 has gone: plug its adapter in again, or choose another port.</source>
        <translation>%1 a disparu : rebranchez son adaptateur, ou choisissez un autre port.</translation>
    </message>
</context>
<context>
    <name>DeviceHolders</name>
    <message>
        <source>%1 (pid %2)</source>
        <extracomment>A program that holds a device: %1 is its name (minicom), %2 its process number.</extracomment>
        <translation>%1 (pid %2)</translation>
    </message>
</context>
<context>
    <name>ErrorCatalog</name>
    <message>
        <source>This program&apos;s own terminal</source>
        <translation>Le propre terminal de ce programme</translation>
    </message>
    <message>
        <source>The name does not resolve</source>
        <translation>Le nom n&apos;est pas résolu</translation>
    </message>
    <message>
        <source>The server did not negotiate RFC 2217</source>
        <translation>Le serveur n&apos;a pas négocié RFC 2217</translation>
    </message>
    <message>
        <source>The server did not acknowledge a line setting</source>
        <translation>Le serveur n&apos;a pas confirmé un réglage de ligne</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>Le serveur a fermé la connexion</translation>
    </message>
    <message>
        <source>A raw TCP port carries no break and no line setting</source>
        <translation>Un port TCP brut ne transmet ni break ni réglage de ligne</translation>
    </message>
    <message>
        <source>The name service did not answer in time</source>
        <translation>Le service de noms n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>The name service failed</source>
        <translation>Échec du service de noms</translation>
    </message>
    <message>
        <source>The server sends data without pause</source>
        <translation>Le serveur envoie des données sans pause</translation>
    </message>
    <message>
        <source>Port not open</source>
        <translation>Port non ouvert</translation>
    </message>
    <message>
        <source>Read of zero bytes requested</source>
        <translation>Lecture de zéro octet demandée</translation>
    </message>
    <message>
        <source>Write of zero bytes requested</source>
        <translation>Écriture de zéro octet demandée</translation>
    </message>
    <message>
        <source>Not enough room in the output queue</source>
        <translation>Pas assez de place dans la file de sortie</translation>
    </message>
    <message>
        <source>Write ended short</source>
        <translation>Écriture incomplète</translation>
    </message>
    <message>
        <source>The port&apos;s name now stands for another device</source>
        <translation>Le nom du port désigne maintenant un autre périphérique</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <source>, serial %1</source>
        <extracomment>After the adapter&apos;s maker and product: its serial number.</extracomment>
        <translation>, n° de série %1</translation>
    </message>
    <message>
        <source>Your Brinevane ADCP answered on %1 at %2 baud.</source>
        <extracomment>%1 is the port with its device, &quot;COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)&quot;; %2 the rate, &quot;19200&quot;.</extracomment>
        <translation>Votre ADCP Brinevane a répondu sur %1 à %2 bauds.</translation>
    </message>
    <message>
        <source>It said: %1</source>
        <extracomment>%1 is what the instrument wrote before its prompt, as it wrote it.</extracomment>
        <translation>Sa réponse : %1</translation>
    </message>
    <message>
        <source>Press &apos;Finish&apos; to close the wizard.</source>
        <extracomment>&apos;Finish&apos; is the wizard&apos;s button &quot;&amp;Finish&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot;.</extracomment>
        <translation>Cliquez sur «&#xa0;Terminer&#xa0;» pour fermer l&apos;assistant.</translation>
    </message>
</context>
<context>
    <name>JobHost</name>
    <message>
        <source>Searching...</source>
        <translation>Recherche en cours...</translation>
    </message>
    <message>
        <source>Error creating search thread!</source>
        <translation>Erreur à la création du thread de recherche !</translation>
    </message>
    <message>
        <source>Could not stop search thread!</source>
        <translation>Impossible d&apos;arrêter le thread de recherche !</translation>
    </message>
    <message>
        <source>No Brinevane ADCPs were detected!</source>
        <translation>Aucun ADCP Brinevane n&apos;a été détecté !</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmation en cours...</translation>
    </message>
    <message>
        <source>Error creating program thread!</source>
        <translation>Erreur à la création du thread de programmation !</translation>
    </message>
    <message>
        <source>Could not stop program thread!</source>
        <translation>Impossible d&apos;arrêter le thread de programmation !</translation>
    </message>
    <message>
        <source>Error during programming!</source>
        <translation>Erreur pendant la programmation !</translation>
    </message>
    <message>
        <source>%1 (%2) at %3 baud</source>
        <extracomment>%1 is a port name (COM2), %2 its device (/dev/ttyUSB0), %3 a baud rate (19200).</extracomment>
        <translation>%1 (%2) à %3 bauds</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>il reste environ %1 s</translation>
    </message>
    <message>
        <source>probe %1 of %2, about %3 s left</source>
        <extracomment>The search&apos;s progress: %1 is the probe under way, %2 how many there are in all, %3 a number of seconds.</extracomment>
        <translation>essai %1 sur %2, il reste environ %3 s</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A port&apos;s name, then what its line did and what to do.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>JobTexts</name>
    <message>
        <source>the rate %1 was not applied: %2 passes raw bytes, and its device server sets the line&apos;s rate</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>le débit %1 n&apos;a pas été appliqué : %2 transmet des octets bruts, et son serveur de ports fixe le débit de la ligne</translation>
    </message>
    <message>
        <source>The baud rate %1 was not applied: %2 passes raw bytes, and its device server sets the line&apos;s rate.</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>Le débit %1 n&apos;a pas été appliqué : %2 transmet des octets bruts, et son serveur de ports fixe le débit de la ligne.</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <extracomment>%1 is a port name (COM2) or a list of them (COM1, COM3), %2 a baud rate (19200).</extracomment>
        <translation>%1 à %2 bauds</translation>
    </message>
</context>
<context>
    <name>LastError</name>
    <message>
        <source>No error</source>
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>An error the program has no words for; %1 is its code (0x20000007).</extracomment>
        <translation>Erreur %1</translation>
    </message>
</context>
<context>
    <name>NetworkCommDriver</name>
    <message>
        <source>a network port&apos;s address is %1</source>
        <extracomment>%1 is the form of the address (rfc2217://HOST:PORT).</extracomment>
        <translation>l&apos;adresse d&apos;un port réseau est de la forme %1</translation>
    </message>
    <message>
        <source>%1 refused the connection: check the device server&apos;s address and that no other program is connected to it</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 a refusé la connexion : vérifiez l&apos;adresse du serveur de ports et qu&apos;aucun autre programme n&apos;y est connecté</translation>
    </message>
    <message>
        <source>the name %1 does not resolve: check the device server&apos;s name, or give its IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>le nom %1 n&apos;est pas résolu : vérifiez le nom du serveur de ports, ou indiquez son adresse IP</translation>
    </message>
    <message>
        <source>%1 did not answer: check that the device server is on and reachable from this computer</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 n&apos;a pas répondu : vérifiez que le serveur de ports est allumé et joignable depuis cet ordinateur</translation>
    </message>
    <message>
        <source>%1 does not speak RFC 2217: set that port of the device server to RFC 2217, or name it socket://%1 if it passes raw bytes</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001); keep socket://%1 as it is.</extracomment>
        <translation>%1 ne parle pas RFC 2217 : réglez ce port du serveur de ports sur RFC 2217, ou nommez-le socket://%1 s&apos;il transmet des octets bruts</translation>
    </message>
    <message>
        <source>%1 did not apply the line settings: check that its serial port supports the rate and 8 data bits, no parity, one stop bit</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 n&apos;a pas appliqué les réglages de ligne : vérifiez que son port série accepte le débit et 8 bits de données, sans parité, un bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>%1 is a raw TCP port: no break or rate reaches its line, so the search passes over it; connect to it at the rate its device server is set to</source>
        <extracomment>%1 is a port and its address: COM2 (socket://portserver:4001).</extracomment>
        <translation>%1 est un port TCP brut : ni break ni débit n&apos;atteignent sa ligne, la recherche l&apos;ignore donc ; connectez-vous au débit réglé sur son serveur de ports</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: check the network and that the device server is on</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>la connexion à %1 a été perdue : vérifiez le réseau et que le serveur de ports est allumé</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service did not answer in time: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>le nom %1 n&apos;a pas pu être résolu : le service de noms n&apos;a pas répondu à temps : vérifiez la connexion réseau de cet ordinateur, ou indiquez l&apos;adresse IP du serveur de ports</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service could not be reached: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>le nom %1 n&apos;a pas pu être résolu : le service de noms est injoignable : vérifiez la connexion réseau de cet ordinateur, ou indiquez l&apos;adresse IP du serveur de ports</translation>
    </message>
    <message>
        <source>%1 sends data without pause: not an instrument at rest; check the address and the port of the device server</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 envoie des données sans pause : ce n&apos;est pas un instrument au repos ; vérifiez l&apos;adresse et le port du serveur de ports</translation>
    </message>
    <message>
        <source>%1 closed the connection at once: another program is probably connected to it; close that program and try again</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 a fermé la connexion aussitôt : un autre programme y est probablement connecté ; fermez ce programme et réessayez</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>No serial port was chosen: choose one from the list of ports</source>
        <translation>Aucun port série n&apos;a été choisi : choisissez-en un dans la liste des ports</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this computer</source>
        <extracomment>%1 is what the user gave as a port (COM5, /dev/ttyS9).</extracomment>
        <translation>%1 n&apos;est pas un port série de cet ordinateur</translation>
    </message>
    <message>
        <source>%1 is not there: is the adapter plugged in?</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 est absent : l&apos;adaptateur est-il branché ?</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 what to do about it.</extracomment>
        <translation>Accès refusé à %1 : %2</translation>
    </message>
    <message>
        <source>Permission denied on %1 (%2): %3</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 its port name (COM2), %3 what to do about it.</extracomment>
        <translation>Accès refusé à %1 (%2) : %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 est utilisé par un autre programme : fermez-le et réessayez</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the program that holds it: minicom (pid 4242).</extracomment>
        <translation>%1 est utilisé par %2 : fermez-le et réessayez</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 n&apos;est pas un périphérique série</translation>
    </message>
    <message>
        <source>%1 is this program&apos;s own terminal: choose the port the instrument is on, or run the program from another terminal</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/pts/3).</extracomment>
        <translation>%1 est le propre terminal de ce programme : choisissez le port où est branché l&apos;instrument, ou lancez le programme depuis un autre terminal</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2).</extracomment>
        <translation>le périphérique derrière %1 a changé depuis que les ports ont été listés ; choisissez à nouveau le port dans une nouvelle liste des ports</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed: %2; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2); %2 how its device changed: it was ..., it is now ...</extracomment>
        <translation>le périphérique derrière %1 a changé depuis que les ports ont été listés : %2 ; choisissez à nouveau le port dans une nouvelle liste des ports</translation>
    </message>
    <message>
        <source>%1 has gone: check that the device is plugged in and switched on</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 a disparu : vérifiez que le périphérique est branché et allumé</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the system&apos;s reason.</extracomment>
        <translation>%1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>data but no prompt at %1 baud on %2: the instrument may be set to another rate, or be streaming data (a search wakes it with a break)</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>des données mais pas d&apos;invite à %1 bauds sur %2 : l&apos;instrument est peut-être réglé sur un autre débit, ou envoie des données en continu (une recherche le réveille par un break)</translation>
    </message>
    <message>
        <source>no prompt at %1 baud on %2: check that the instrument is on, cabled and set to that rate</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>pas d&apos;invite à %1 bauds sur %2 : vérifiez que l&apos;instrument est allumé, câblé et réglé sur ce débit</translation>
    </message>
    <message>
        <source>could not write to %1: %2: check the cable and the adapter</source>
        <extracomment>%1 is a port name (COM2), %2 the system&apos;s reason.</extracomment>
        <translation>écriture impossible sur %1 : %2 : vérifiez le câble et l&apos;adaptateur</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>%1 on %2</source>
        <extracomment>%1 is what the system says a device is (FTDI FT232R USB UART), %2 its path.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>the device must be %1</source>
        <extracomment>%1 is what a device path must be (an absolute path).</extracomment>
        <translation>le périphérique doit être %1</translation>
    </message>
    <message>
        <source>the device must be %1 or a name under %2</source>
        <extracomment>%1 is what a device path must be (an absolute path), %2 the network ports&apos; schemes (rfc2217://, socket://).</extracomment>
        <translation>le périphérique doit être %1 ou un nom sous %2</translation>
    </message>
    <message>
        <source>(serial %1)</source>
        <extracomment>After a device&apos;s maker and product: %1 is its serial number.</extracomment>
        <translation>(n° de série %1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: expected COMn=/dev/path</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos; : attendu COMn=/dev/path</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the port name must be COM1 to COM32</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos; : le nom du port doit aller de COM1 à COM32</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 what is wrong with it.</extracomment>
        <translation>&apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 is given twice; the first one is kept</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 its port name (COM1).</extracomment>
        <translation>&apos;%1&apos; : %2 est donné deux fois ; le premier est conservé</translation>
    </message>
    <message>
        <source>%1: skipping entry %2</source>
        <extracomment>%1 is BRINEVANE_PORTS, %2 what is wrong with one of its entries.</extracomment>
        <translation>%1 : entrée ignorée : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: this build of the program has no network ports: connect the instrument to a serial port of this computer</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas l&apos;adresse d&apos;un port réseau : cette version du programme n&apos;a pas de ports réseau : branchez l&apos;instrument sur un port série de cet ordinateur</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: give %2</source>
        <extracomment>%1 is what the user typed, %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas l&apos;adresse d&apos;un port réseau : indiquez %2</translation>
    </message>
    <message>
        <source>every name from COM1 to COM32 is taken: the network port cannot be added</source>
        <translation>tous les noms de COM1 à COM32 sont pris : le port réseau ne peut pas être ajouté</translation>
    </message>
    <message>
        <source>it was %1, which is no longer there</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>c&apos;était %1, qui n&apos;est plus là</translation>
    </message>
    <message>
        <source>it was %1, it is now %2</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was, %2 the one it is now (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>c&apos;était %1, c&apos;est maintenant %2</translation>
    </message>
</context>
<context>
    <name>PortVerdict</name>
    <message>
        <source>something answers the break, slower than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the slowest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>quelque chose répond au break, plus lentement que %1 : réglez l&apos;instrument sur un débit de %2 à %3</translation>
    </message>
    <message>
        <source>something answers the break, faster than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the fastest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>quelque chose répond au break, plus vite que %1 : réglez l&apos;instrument sur un débit de %2 à %3</translation>
    </message>
    <message>
        <source>nothing came back at any rate: check that the instrument is on, that the cable is a straight RS-232 one (not null-modem) and that it is in this port&apos;s socket</source>
        <translation>rien n&apos;est revenu, quel que soit le débit : vérifiez que l&apos;instrument est allumé, que le câble est un câble RS-232 droit (pas null-modem) et qu&apos;il est branché sur la prise de ce port</translation>
    </message>
    <message>
        <source>another device answers at %1 baud and said &quot;%2&quot;: the instrument is not on this port</source>
        <extracomment>%1 is a baud rate, %2 the words the other device sent.</extracomment>
        <translation>un autre appareil répond à %1 bauds et a dit &quot;%2&quot; : l&apos;instrument n&apos;est pas sur ce port</translation>
    </message>
    <message>
        <source>bytes came whether or not a break was sent, never readable text: the line carries noise or a device that streams binary data; check the cable&apos;s ground and what is connected</source>
        <translation>des octets arrivent qu&apos;un break soit envoyé ou non, jamais du texte lisible : la ligne porte du bruit ou un appareil qui envoie des données binaires ; vérifiez la masse du câble et ce qui est branché</translation>
    </message>
</context>
<context>
    <name>ProbeMain</name>
    <message>
        <source>COM1 to COM32, or a device path such as %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>COM1 à COM32, ou un chemin de périphérique tel que %1</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port such as %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 a network port&apos;s address (rfc2217://host:4001).</extracomment>
        <translation>COM1 à COM32, un chemin de périphérique tel que %1, ou un port réseau tel que %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port: %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>COM1 à COM32, un chemin de périphérique tel que %1, ou un port réseau : %2</translation>
    </message>
    <message>
        <source>No serial ports were found.</source>
        <translation>Aucun port série n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Watching for serial ports coming and going; Ctrl-C ends.</source>
        <translation>Surveillance des ports série qui apparaissent et disparaissent ; Ctrl-C pour arrêter.</translation>
    </message>
    <message>
        <source>device: %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>périphérique : %1</translation>
    </message>
    <message>
        <source>device: %1, %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 what the system says the device is.</extracomment>
        <translation>périphérique : %1, %2</translation>
    </message>
    <message>
        <source>instrument: %1</source>
        <extracomment>%1 is what the instrument said before its prompt.</extracomment>
        <translation>instrument : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A port&apos;s verdict: %1 is a port name (COM3), %2 what its line did.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <extracomment>A port&apos;s verdict: %1 is a port name (COM3), %2 its device, %3 what its line did.</extracomment>
        <translation>%1 (%2) : %3</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>a command is required</source>
        <translation>une commande est requise</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port name: use %2</source>
        <extracomment>%1 is what the user typed, %2 the forms a port may take.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un nom de port : indiquez %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a baud rate: give a number, such as 9600</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un débit : indiquez un nombre, par exemple 9600</translation>
    </message>
    <message>
        <source>%1 baud is not a rate the serial port supports; use one of %2</source>
        <extracomment>%1 is the rate the user gave, %2 the list of rates (1200, 2400, ...).</extracomment>
        <translation>%1 bauds n&apos;est pas un débit pris en charge par le port série ; utilisez-en un parmi %2</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>Trouve un ADCP Brinevane sur un port série et vérifie qu&apos;il répond.</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Afficher ce message d&apos;aide et quitter</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>Afficher la version du programme et quitter</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr</source>
        <translation>Écrire chaque notification des tâches (et la trace) sur stderr</translation>
    </message>
    <message>
        <source>Write the result as one JSON object on stdout</source>
        <translation>Écrire le résultat sous forme d&apos;un objet JSON sur stdout</translation>
    </message>
    <message>
        <source>List the serial ports and the devices behind them</source>
        <translation>Lister les ports série et les périphériques derrière eux</translation>
    </message>
    <message>
        <source>Then print each port as it comes and goes, until stopped</source>
        <translation>Puis afficher chaque port qui apparaît ou disparaît, jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>Try every port at every rate for the prompt</source>
        <translation>Essayer chaque port à chaque débit pour obtenir l&apos;invite</translation>
    </message>
    <message>
        <source>Search all ports at the same time</source>
        <translation>Chercher sur tous les ports en même temps</translation>
    </message>
    <message>
        <source>Try each port&apos;s likeliest rate first, read from what the rates tried heard</source>
        <translation>Essayer d&apos;abord le débit le plus probable de chaque port, déduit de ce qu&apos;ont entendu les débits essayés</translation>
    </message>
    <message>
        <source>Check that the instrument answers on a port</source>
        <translation>Vérifier que l&apos;instrument répond sur un port</translation>
    </message>
    <message>
        <source>Baud rate, for example 9600</source>
        <translation>Débit en bauds, par exemple 9600</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>une erreur inattendue</translation>
    </message>
    <message>
        <source>cannot write the result: %1</source>
        <extracomment>%1 is the system&apos;s reason (Broken pipe).</extracomment>
        <translation>impossible d&apos;écrire le résultat : %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <extracomment>%1 is the name of the argument, as the help shows it: port, baud.</extracomment>
        <translation>%1 est obligatoire</translation>
    </message>
    <message>
        <source>The following arguments were not expected: %1</source>
        <extracomment>%1 is what the user typed that no command or option takes (one word, or several).</extracomment>
        <translation>Arguments inattendus : %1</translation>
    </message>
    <message>
        <source>The following argument was not expected: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
</context>
<context>
    <name>ProbeUsage</name>
    <message>
        <source>COMMAND</source>
        <extracomment>The word for a command in the usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>COMMANDE</translation>
    </message>
    <message>
        <source>Usage</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>Positionals</source>
        <extracomment>The heading of a command&apos;s arguments (connect&apos;s port and baud).</extracomment>
        <translation>Arguments positionnels</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <extracomment>Said of an argument that must be given: port TEXT REQUIRED</extracomment>
        <translation>REQUIS</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>The kind of value an argument takes: port TEXT REQUIRED</extracomment>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The heading of the options in --help.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <extracomment>The heading of the commands in --help.</extracomment>
        <translation>Sous-commandes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une option</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the option it is nearest to.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une option ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une commande</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the command it is nearest to.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une commande ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>Usage: brinevane-probe [OPTIONS] COMMAND</source>
        <extracomment>Keep it as the usage line of --help reads: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>Utilisation: brinevane-probe [OPTIONS] COMMANDE</translation>
    </message>
    <message>
        <source>Run &apos;brinevane-probe --help&apos; for usage.</source>
        <translation>Lancez &apos;brinevane-probe --help&apos; pour l&apos;aide.</translation>
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
Exemples :
  brinevane-probe search             Trouve l&apos;instrument ; affiche le port et le débit : COM2 19200
  brinevane-probe search --fast --parallel
                                     Idem, tous les ports à la fois, débit le plus probable d&apos;abord
  brinevane-probe connect COM2 19200 Vérifie qu&apos;il y répond
  brinevane-probe connect rfc2217://portserver:4001 9600
                                     Idem via un serveur de ports série
  brinevane-probe --json ports       Les ports et leurs périphériques, en JSON
  brinevane-probe help connect       L&apos;utilisation d&apos;une commande

Environnement :
  BRINEVANE_PORTS                    Les ports à utiliser au lieu de ceux de l&apos;ordinateur :
                                     COM1=/dev/ttyUSB0,COM2=rfc2217://HOST:PORT (définie et
                                     vide : aucun port)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                                     La langue des messages (avec --json : anglais)
</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>Connecting to %1...</source>
        <extracomment>%1 is the port and rate (COM2 at 19200 baud).</extracomment>
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud).</extracomment>
        <translation>Recherche sur %1...</translation>
    </message>
    <message>
        <source>Searching %1 (%2)...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud), %2 how far the search is (probe 3 of 16, about 30 s left).</extracomment>
        <translation>Recherche sur %1 (%2)...</translation>
    </message>
</context>
<context>
    <name>SearchRecord</name>
    <message>
        <source>no serial port was found on this computer: connect the instrument and try again</source>
        <translation>aucun port série n&apos;a été trouvé sur cet ordinateur : branchez l&apos;instrument et réessayez</translation>
    </message>
    <message>
        <source>no prompt from %1 at any baud rate: check that the instrument is on and cabled</source>
        <extracomment>%1 is a port name (COM1) or a list of them (COM1, COM3).</extracomment>
        <translation>aucune invite de %1, quel que soit le débit : vérifiez que l&apos;instrument est allumé et câblé</translation>
    </message>
</context>
<context>
    <name>SearchUnit</name>
    <message>
        <source>no prompt from %1 at any baud rate</source>
        <extracomment>%1 is a port name (COM1).</extracomment>
        <translation>aucune invite de %1, quel que soit le débit</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>an absolute path</source>
        <extracomment>What a device path must be: the device must be an absolute path.</extracomment>
        <translation>un chemin absolu</translation>
    </message>
    <message>
        <source>add your user to the &apos;%1&apos; group, then log in again</source>
        <extracomment>What to do when a device may not be opened; %1 is the device&apos;s group (dialout).</extracomment>
        <translation>ajoutez votre utilisateur au groupe &apos;%1&apos;, puis reconnectez-vous</translation>
    </message>
    <message>
        <source>ask an administrator for read and write access to it</source>
        <translation>demandez à un administrateur l&apos;accès en lecture et en écriture</translation>
    </message>
    <message>
        <source>a device name such as \\.\COM3</source>
        <extracomment>What a device path must be: the device must be a device name such as \.COM3.</extracomment>
        <translation>un nom de périphérique tel que \\.\COM3</translation>
    </message>
    <message>
        <source>ask an administrator for access to it</source>
        <extracomment>What to do when a device may not be opened.</extracomment>
        <translation>demandez l&apos;accès à un administrateur</translation>
    </message>
</context>
<context>
    <name>WizardStrings</name>
    <message>
        <source>&amp;About Brinevane Setup...</source>
        <translation>À propos de &amp;Brinevane Setup...</translation>
    </message>
    <message>
        <source>About Brinevane Setup</source>
        <translation>À propos de Brinevane Setup</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port.</source>
        <translation>Trouve un ADCP Brinevane sur un port série.</translation>
    </message>
    <message>
        <source>Copyright 2026 the Brinevane Setup authors</source>
        <translation>Copyright 2026 les auteurs de Brinevane Setup</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: see the LICENSE file.</source>
        <translation>Logiciel libre sous licence MIT : voir le fichier LICENSE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Welcome to Brinevane Setup</source>
        <translation>Bienvenue dans Brinevane Setup</translation>
    </message>
    <message>
        <source>This wizard finds your Brinevane ADCP on a serial port and checks that it answers.

Press &apos;Next&apos; to let the wizard search every serial port at every baud rate, or tick the box below to give the port settings yourself.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>Cet assistant trouve votre ADCP Brinevane sur un port série et vérifie qu&apos;il répond.

Cliquez sur «&#xa0;Suivant&#xa0;» pour que l&apos;assistant cherche sur chaque port série à chaque débit, ou cochez la case ci-dessous pour indiquer vous-même les paramètres du port.</translation>
    </message>
    <message>
        <source>Demo:</source>
        <translation>Démo :</translation>
    </message>
    <message>
        <source>the instrument is simulated by brinevane-sim on a pseudo-terminal; no real Brinevane ADCP is used.</source>
        <extracomment>Follows &quot;Demo:&quot; in bold.</extracomment>
        <translation>l&apos;instrument est simulé par brinevane-sim sur un pseudo-terminal ; aucun ADCP Brinevane réel n&apos;est utilisé.</translation>
    </message>
    <message>
        <source>I would like to &amp;specify the port settings.</source>
        <translation>Je veux &amp;indiquer moi-même les paramètres du port.</translation>
    </message>
    <message>
        <source>&amp;Quick search: all ports at once, the likeliest baud rate first</source>
        <translation>&amp;Recherche rapide : tous les ports à la fois, le débit le plus probable d&apos;abord</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Paramètres de communication</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Serial &amp;Port:</source>
        <translation>P&amp;ort série :</translation>
    </message>
    <message>
        <source>Baud &amp;Rate:</source>
        <translation>&amp;Débit en bauds :</translation>
    </message>
    <message>
        <source>The settings shown at left will be used to communicate with the Brinevane.  Press &apos;Next&apos; to continue.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>Les paramètres indiqués à gauche serviront à communiquer avec le Brinevane.  Cliquez sur «&#xa0;Suivant&#xa0;» pour continuer.</translation>
    </message>
    <message>
        <source>A&amp;dd network port...</source>
        <translation>&amp;Ajouter un port réseau...</translation>
    </message>
    <message>
        <source>Add network port</source>
        <translation>Ajouter un port réseau</translation>
    </message>
    <message>
        <source>The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT for one that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT.</source>
        <translation>Le port du serveur de ports série : rfc2217://HOST:PORT, ou socket://HOST:PORT pour un serveur qui transmet des octets bruts. HOST:PORT seul vaut rfc2217://HOST:PORT.</translation>
    </message>
    <message>
        <source>The network port was not added.</source>
        <translation>Le port réseau n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>&apos;Finish&apos; in &quot;Press &apos;Finish&apos; to close the wizard.&quot; quotes this button.</extracomment>
        <translation>&amp;Terminer</translation>
    </message>
</context>
</TS>
