<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CThread</name>
    <message>
        <source>ThreadProc[%1]::Can&apos;t signal Stop event!</source>
        <extracomment>A message box. %1 is the job&apos;s thread name (search or program), which stays as is.</extracomment>
        <translation>ThreadProc[%1]::¡No se puede señalar el evento Stop!</translation>
    </message>
</context>
<context>
    <name>CWizardApp</name>
    <message>
        <source>Qt&apos;s options (see the Qt documentation):</source>
        <translation>Opciones de Qt (véase la documentación de Qt):</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>Busca un Brinevane ADCP en un puerto serie y comprueba que responde.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr.</source>
        <translation>Escribe cada notificación de las tareas (y la traza) en stderr.</translation>
    </message>
    <message>
        <source>Say on the first page that the instrument is simulated (brinevane-sim).</source>
        <translation>Indica en la primera página que el instrumento está simulado (brinevane-sim).</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; for usage.</source>
        <translation>Ejecute &apos;%1 --help&apos; para ver el uso.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the wizard cannot open a window. Run it from a desktop session, or use brinevane-probe on a terminal.</source>
        <translation>no hay pantalla (no está definida ni DISPLAY ni WAYLAND_DISPLAY), así que el asistente no puede abrir una ventana. Ejecútelo desde una sesión de escritorio, o use brinevane-probe en un terminal.</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>noise</source>
        <translation>ruido</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>desaparecido</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>not serial</source>
        <translation>no es serie</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>no es un puerto</translation>
    </message>
    <message>
        <source>own terminal</source>
        <translation>terminal propio</translation>
    </message>
    <message>
        <source>device changed</source>
        <translation>dispositivo cambiado</translation>
    </message>
    <message>
        <source>open failed</source>
        <translation>error al abrir</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>not resolved</source>
        <translation>nombre no resuelto</translation>
    </message>
    <message>
        <source>lookup failed</source>
        <translation>error de resolución</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>not rfc2217</source>
        <translation>no es rfc2217</translation>
    </message>
    <message>
        <source>setting refused</source>
        <translation>ajuste rechazado</translation>
    </message>
    <message>
        <source>raw tcp</source>
        <translation>tcp en bruto</translation>
    </message>
    <message>
        <source>flood</source>
        <translation>datos sin pausa</translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation>no llegó nada</translation>
    </message>
    <message>
        <source>another device at %1 baud</source>
        <translation>otro dispositivo a %1 baud</translation>
    </message>
    <message>
        <source>answers at a rate not searched</source>
        <translation>responde a una velocidad no buscada</translation>
    </message>
    <message>
        <source>(search: %1)</source>
        <extracomment>What the last search made of a port, beside it in the port list.</extracomment>
        <translation>(búsqueda: %1)</translation>
    </message>
    <message>
        <source>%1 has gone: plug its adapter in again, or choose another port.</source>
        <translation>%1 ha desaparecido: vuelva a conectar su adaptador o elija otro puerto.</translation>
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
        <translation>El terminal de este mismo programa</translation>
    </message>
    <message>
        <source>The name does not resolve</source>
        <translation>El nombre no se resuelve</translation>
    </message>
    <message>
        <source>The server did not negotiate RFC 2217</source>
        <translation>El servidor no negoció RFC 2217</translation>
    </message>
    <message>
        <source>The server did not acknowledge a line setting</source>
        <translation>El servidor no confirmó un ajuste de la línea</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>El servidor cerró la conexión</translation>
    </message>
    <message>
        <source>A raw TCP port carries no break and no line setting</source>
        <translation>Un puerto TCP en bruto no transmite ni break ni ajustes de línea</translation>
    </message>
    <message>
        <source>The name service did not answer in time</source>
        <translation>El servicio de nombres no respondió a tiempo</translation>
    </message>
    <message>
        <source>The name service failed</source>
        <translation>Falló el servicio de nombres</translation>
    </message>
    <message>
        <source>The server sends data without pause</source>
        <translation>El servidor envía datos sin pausa</translation>
    </message>
    <message>
        <source>Port not open</source>
        <translation>Puerto no abierto</translation>
    </message>
    <message>
        <source>Read of zero bytes requested</source>
        <translation>Se pidió una lectura de cero bytes</translation>
    </message>
    <message>
        <source>Write of zero bytes requested</source>
        <translation>Se pidió una escritura de cero bytes</translation>
    </message>
    <message>
        <source>Not enough room in the output queue</source>
        <translation>No hay espacio suficiente en la cola de salida</translation>
    </message>
    <message>
        <source>Write ended short</source>
        <translation>La escritura quedó incompleta</translation>
    </message>
    <message>
        <source>The port&apos;s name now stands for another device</source>
        <translation>El nombre del puerto designa ahora otro dispositivo</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <source>, serial %1</source>
        <extracomment>After the adapter&apos;s maker and product: its serial number.</extracomment>
        <translation>, n.º de serie %1</translation>
    </message>
    <message>
        <source>Your Brinevane ADCP answered on %1 at %2 baud.</source>
        <extracomment>%1 is the port with its device, &quot;COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)&quot;; %2 the rate, &quot;19200&quot;.</extracomment>
        <translation>Su Brinevane ADCP respondió en %1 a %2 baud.</translation>
    </message>
    <message>
        <source>It said: %1</source>
        <extracomment>%1 is what the instrument wrote before its prompt, as it wrote it.</extracomment>
        <translation>Dijo: %1</translation>
    </message>
    <message>
        <source>Press &apos;Finish&apos; to close the wizard.</source>
        <extracomment>&apos;Finish&apos; is the wizard&apos;s button &quot;&amp;Finish&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot;.</extracomment>
        <translation>Pulse &apos;Finalizar&apos; para cerrar el asistente.</translation>
    </message>
</context>
<context>
    <name>JobHost</name>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>Error creating search thread!</source>
        <translation>¡Error al crear el hilo de búsqueda!</translation>
    </message>
    <message>
        <source>Could not stop search thread!</source>
        <translation>¡No se pudo detener el hilo de búsqueda!</translation>
    </message>
    <message>
        <source>No Brinevane ADCPs were detected!</source>
        <translation>¡No se detectó ningún Brinevane ADCP!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programando...</translation>
    </message>
    <message>
        <source>Error creating program thread!</source>
        <translation>¡Error al crear el hilo de programación!</translation>
    </message>
    <message>
        <source>Could not stop program thread!</source>
        <translation>¡No se pudo detener el hilo de programación!</translation>
    </message>
    <message>
        <source>Error during programming!</source>
        <translation>¡Error durante la programación!</translation>
    </message>
    <message>
        <source>%1 (%2) at %3 baud</source>
        <extracomment>%1 is a port name (COM2), %2 its device (/dev/ttyUSB0), %3 a baud rate (19200).</extracomment>
        <translation>%1 (%2) a %3 baud</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>quedan unos %1 s</translation>
    </message>
    <message>
        <source>probe %1 of %2, about %3 s left</source>
        <extracomment>The search&apos;s progress: %1 is the probe under way, %2 how many there are in all, %3 a number of seconds.</extracomment>
        <translation>prueba %1 de %2, quedan unos %3 s</translation>
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
        <translation>no se aplicó la velocidad %1: %2 transmite bytes en bruto, y su servidor de dispositivos fija la velocidad de la línea</translation>
    </message>
    <message>
        <source>The baud rate %1 was not applied: %2 passes raw bytes, and its device server sets the line&apos;s rate.</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>No se aplicó la velocidad en baudios %1: %2 transmite bytes en bruto, y su servidor de dispositivos fija la velocidad de la línea.</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <extracomment>%1 is a port name (COM2) or a list of them (COM1, COM3), %2 a baud rate (19200).</extracomment>
        <translation>%1 a %2 baud</translation>
    </message>
</context>
<context>
    <name>LastError</name>
    <message>
        <source>No error</source>
        <translation>Sin errores</translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>An error the program has no words for; %1 is its code (0x20000007).</extracomment>
        <translation>Error %1</translation>
    </message>
</context>
<context>
    <name>NetworkCommDriver</name>
    <message>
        <source>a network port&apos;s address is %1</source>
        <extracomment>%1 is the form of the address (rfc2217://HOST:PORT).</extracomment>
        <translation>la dirección de un puerto de red es %1</translation>
    </message>
    <message>
        <source>%1 refused the connection: check the device server&apos;s address and that no other program is connected to it</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 rechazó la conexión: compruebe la dirección del servidor de dispositivos y que ningún otro programa esté conectado a él</translation>
    </message>
    <message>
        <source>the name %1 does not resolve: check the device server&apos;s name, or give its IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>el nombre %1 no se resuelve: compruebe el nombre del servidor de dispositivos, o indique su dirección IP</translation>
    </message>
    <message>
        <source>%1 did not answer: check that the device server is on and reachable from this computer</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 no respondió: compruebe que el servidor de dispositivos está encendido y es accesible desde este equipo</translation>
    </message>
    <message>
        <source>%1 does not speak RFC 2217: set that port of the device server to RFC 2217, or name it socket://%1 if it passes raw bytes</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001); keep socket://%1 as it is.</extracomment>
        <translation>%1 no habla RFC 2217: configure ese puerto del servidor de dispositivos como RFC 2217, o indíquelo como socket://%1 si transmite bytes en bruto</translation>
    </message>
    <message>
        <source>%1 did not apply the line settings: check that its serial port supports the rate and 8 data bits, no parity, one stop bit</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 no aplicó los ajustes de línea: compruebe que su puerto serie admite la velocidad y 8 bits de datos, sin paridad, un bit de parada</translation>
    </message>
    <message>
        <source>%1 is a raw TCP port: no break or rate reaches its line, so the search passes over it; connect to it at the rate its device server is set to</source>
        <extracomment>%1 is a port and its address: COM2 (socket://portserver:4001).</extracomment>
        <translation>%1 es un puerto TCP en bruto: ni el break ni la velocidad llegan a su línea, así que la búsqueda lo omite; conéctese a él a la velocidad que tenga fijada su servidor de dispositivos</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: check the network and that the device server is on</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>se perdió la conexión con %1: compruebe la red y que el servidor de dispositivos está encendido</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service did not answer in time: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>no se pudo resolver el nombre %1: el servicio de nombres no respondió a tiempo: compruebe la conexión de red de este equipo, o indique la dirección IP del servidor de dispositivos</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service could not be reached: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>no se pudo resolver el nombre %1: no se pudo contactar con el servicio de nombres: compruebe la conexión de red de este equipo, o indique la dirección IP del servidor de dispositivos</translation>
    </message>
    <message>
        <source>%1 sends data without pause: not an instrument at rest; check the address and the port of the device server</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 envía datos sin pausa: no es un instrumento en reposo; compruebe la dirección y el puerto del servidor de dispositivos</translation>
    </message>
    <message>
        <source>%1 closed the connection at once: another program is probably connected to it; close that program and try again</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 cerró la conexión de inmediato: probablemente otro programa está conectado a él; cierre ese programa e inténtelo de nuevo</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>No serial port was chosen: choose one from the list of ports</source>
        <translation>No se eligió ningún puerto serie: elija uno de la lista de puertos</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this computer</source>
        <extracomment>%1 is what the user gave as a port (COM5, /dev/ttyS9).</extracomment>
        <translation>%1 no es un puerto serie de este equipo</translation>
    </message>
    <message>
        <source>%1 is not there: is the adapter plugged in?</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 no está presente: ¿está conectado el adaptador?</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 what to do about it.</extracomment>
        <translation>Permiso denegado en %1: %2</translation>
    </message>
    <message>
        <source>Permission denied on %1 (%2): %3</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 its port name (COM2), %3 what to do about it.</extracomment>
        <translation>Permiso denegado en %1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 está en uso por otro programa: ciérrelo e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the program that holds it: minicom (pid 4242).</extracomment>
        <translation>%1 está en uso por %2: ciérrelo e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 no es un dispositivo serie</translation>
    </message>
    <message>
        <source>%1 is this program&apos;s own terminal: choose the port the instrument is on, or run the program from another terminal</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/pts/3).</extracomment>
        <translation>%1 es el terminal de este mismo programa: elija el puerto en el que está el instrumento, o ejecute el programa desde otro terminal</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2).</extracomment>
        <translation>el dispositivo de %1 ha cambiado desde que se listaron los puertos; vuelva a elegir el puerto de una nueva lista de puertos</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed: %2; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2); %2 how its device changed: it was ..., it is now ...</extracomment>
        <translation>el dispositivo de %1 ha cambiado desde que se listaron los puertos: %2; vuelva a elegir el puerto de una nueva lista de puertos</translation>
    </message>
    <message>
        <source>%1 has gone: check that the device is plugged in and switched on</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 ha desaparecido: compruebe que el dispositivo está conectado y encendido</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the system&apos;s reason.</extracomment>
        <translation>%1 no se pudo abrir: %2</translation>
    </message>
    <message>
        <source>data but no prompt at %1 baud on %2: the instrument may be set to another rate, or be streaming data (a search wakes it with a break)</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>datos pero sin prompt a %1 baud en %2: puede que el instrumento esté ajustado a otra velocidad, o que esté enviando datos sin parar (una búsqueda lo despierta con un break)</translation>
    </message>
    <message>
        <source>no prompt at %1 baud on %2: check that the instrument is on, cabled and set to that rate</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>sin prompt a %1 baud en %2: compruebe que el instrumento está encendido, cableado y ajustado a esa velocidad</translation>
    </message>
    <message>
        <source>could not write to %1: %2: check the cable and the adapter</source>
        <extracomment>%1 is a port name (COM2), %2 the system&apos;s reason.</extracomment>
        <translation>no se pudo escribir en %1: %2: compruebe el cable y el adaptador</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>%1 on %2</source>
        <extracomment>%1 is what the system says a device is (FTDI FT232R USB UART), %2 its path.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>the device must be %1</source>
        <extracomment>%1 is what a device path must be (an absolute path).</extracomment>
        <translation>el dispositivo debe ser %1</translation>
    </message>
    <message>
        <source>the device must be %1 or a name under %2</source>
        <extracomment>%1 is what a device path must be (an absolute path), %2 the network ports&apos; schemes (rfc2217://, socket://).</extracomment>
        <translation>el dispositivo debe ser %1 o un nombre que empiece por %2</translation>
    </message>
    <message>
        <source>(serial %1)</source>
        <extracomment>After a device&apos;s maker and product: %1 is its serial number.</extracomment>
        <translation>(n.º de serie %1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: expected COMn=/dev/path</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: se esperaba COMn=/dev/path</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the port name must be COM1 to COM32</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: el nombre del puerto debe ser de COM1 a COM32</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 what is wrong with it.</extracomment>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 is given twice; the first one is kept</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 its port name (COM1).</extracomment>
        <translation>&apos;%1&apos;: %2 aparece dos veces; se conserva la primera</translation>
    </message>
    <message>
        <source>%1: skipping entry %2</source>
        <extracomment>%1 is BRINEVANE_PORTS, %2 what is wrong with one of its entries.</extracomment>
        <translation>%1: se omite la entrada %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: this build of the program has no network ports: connect the instrument to a serial port of this computer</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; no es la dirección de un puerto de red: esta compilación del programa no tiene puertos de red: conecte el instrumento a un puerto serie de este equipo</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: give %2</source>
        <extracomment>%1 is what the user typed, %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>&apos;%1&apos; no es la dirección de un puerto de red: indique %2</translation>
    </message>
    <message>
        <source>every name from COM1 to COM32 is taken: the network port cannot be added</source>
        <translation>todos los nombres de COM1 a COM32 están ocupados: no se puede añadir el puerto de red</translation>
    </message>
    <message>
        <source>it was %1, which is no longer there</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>era %1, que ya no está</translation>
    </message>
    <message>
        <source>it was %1, it is now %2</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was, %2 the one it is now (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>era %1, ahora es %2</translation>
    </message>
</context>
<context>
    <name>PortVerdict</name>
    <message>
        <source>something answers the break, slower than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the slowest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>algo responde al break, más lento que %1: ajuste el instrumento a una velocidad de %2 a %3</translation>
    </message>
    <message>
        <source>something answers the break, faster than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the fastest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>algo responde al break, más rápido que %1: ajuste el instrumento a una velocidad de %2 a %3</translation>
    </message>
    <message>
        <source>nothing came back at any rate: check that the instrument is on, that the cable is a straight RS-232 one (not null-modem) and that it is in this port&apos;s socket</source>
        <translation>no llegó nada a ninguna velocidad: compruebe que el instrumento está encendido, que el cable es RS-232 directo (no de módem nulo) y que está enchufado en el conector de este puerto</translation>
    </message>
    <message>
        <source>another device answers at %1 baud and said &quot;%2&quot;: the instrument is not on this port</source>
        <extracomment>%1 is a baud rate, %2 the words the other device sent.</extracomment>
        <translation>otro dispositivo responde a %1 baud y dijo &quot;%2&quot;: el instrumento no está en este puerto</translation>
    </message>
    <message>
        <source>bytes came whether or not a break was sent, never readable text: the line carries noise or a device that streams binary data; check the cable&apos;s ground and what is connected</source>
        <translation>llegaron bytes tanto si se envió un break como si no, nunca texto legible: la línea lleva ruido o un dispositivo que envía datos binarios sin parar; compruebe la masa del cable y lo que está conectado</translation>
    </message>
</context>
<context>
    <name>ProbeMain</name>
    <message>
        <source>COM1 to COM32, or a device path such as %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>COM1 a COM32, o una ruta de dispositivo como %1</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port such as %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 a network port&apos;s address (rfc2217://host:4001).</extracomment>
        <translation>COM1 a COM32, una ruta de dispositivo como %1, o un puerto de red como %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port: %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>COM1 a COM32, una ruta de dispositivo como %1, o un puerto de red: %2</translation>
    </message>
    <message>
        <source>No serial ports were found.</source>
        <translation>No se encontró ningún puerto serie.</translation>
    </message>
    <message>
        <source>Watching for serial ports coming and going; Ctrl-C ends.</source>
        <translation>Vigilando la aparición y desaparición de puertos serie; Ctrl-C termina.</translation>
    </message>
    <message>
        <source>device: %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>dispositivo: %1</translation>
    </message>
    <message>
        <source>device: %1, %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 what the system says the device is.</extracomment>
        <translation>dispositivo: %1, %2</translation>
    </message>
    <message>
        <source>instrument: %1</source>
        <extracomment>%1 is what the instrument said before its prompt.</extracomment>
        <translation>instrumento: %1</translation>
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
        <translation>Interrumpido.</translation>
    </message>
    <message>
        <source>a command is required</source>
        <translation>se necesita un comando</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port name: use %2</source>
        <extracomment>%1 is what the user typed, %2 the forms a port may take.</extracomment>
        <translation>&apos;%1&apos; no es un nombre de puerto: use %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a baud rate: give a number, such as 9600</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; no es una velocidad en baudios: indique un número, como 9600</translation>
    </message>
    <message>
        <source>%1 baud is not a rate the serial port supports; use one of %2</source>
        <extracomment>%1 is the rate the user gave, %2 the list of rates (1200, 2400, ...).</extracomment>
        <translation>%1 baud no es una velocidad que admita el puerto serie; use una de %2</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>Busca un Brinevane ADCP en un puerto serie y comprueba que responde.</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Muestra este mensaje de ayuda y sale</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>Muestra la información de la versión del programa y sale</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr</source>
        <translation>Escribe cada notificación de las tareas (y la traza) en stderr</translation>
    </message>
    <message>
        <source>Write the result as one JSON object on stdout</source>
        <translation>Escribe el resultado como un objeto JSON en stdout</translation>
    </message>
    <message>
        <source>List the serial ports and the devices behind them</source>
        <translation>Lista los puertos serie y los dispositivos que hay detrás</translation>
    </message>
    <message>
        <source>Then print each port as it comes and goes, until stopped</source>
        <translation>Después muestra cada puerto cuando aparece y desaparece, hasta que se detenga</translation>
    </message>
    <message>
        <source>Try every port at every rate for the prompt</source>
        <translation>Prueba cada puerto a cada velocidad buscando el prompt</translation>
    </message>
    <message>
        <source>Search all ports at the same time</source>
        <translation>Busca en todos los puertos a la vez</translation>
    </message>
    <message>
        <source>Try each port&apos;s likeliest rate first, read from what the rates tried heard</source>
        <translation>Prueba primero la velocidad más probable de cada puerto, deducida de lo que se oyó en las velocidades probadas</translation>
    </message>
    <message>
        <source>Check that the instrument answers on a port</source>
        <translation>Comprueba que el instrumento responde en un puerto</translation>
    </message>
    <message>
        <source>Baud rate, for example 9600</source>
        <translation>Velocidad en baudios, por ejemplo 9600</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>un error inesperado</translation>
    </message>
    <message>
        <source>cannot write the result: %1</source>
        <extracomment>%1 is the system&apos;s reason (Broken pipe).</extracomment>
        <translation>no se puede escribir el resultado: %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <extracomment>%1 is the name of the argument, as the help shows it: port, baud.</extracomment>
        <translation>%1 es obligatorio</translation>
    </message>
    <message>
        <source>The following arguments were not expected: %1</source>
        <extracomment>%1 is what the user typed that no command or option takes (one word, or several).</extracomment>
        <translation>Argumentos no esperados: %1</translation>
    </message>
    <message>
        <source>The following argument was not expected: %1</source>
        <translation>Argumento no esperado: %1</translation>
    </message>
</context>
<context>
    <name>ProbeUsage</name>
    <message>
        <source>COMMAND</source>
        <extracomment>The word for a command in the usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>COMANDO</translation>
    </message>
    <message>
        <source>Usage</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>Uso</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>Positionals</source>
        <extracomment>The heading of a command&apos;s arguments (connect&apos;s port and baud).</extracomment>
        <translation>Argumentos</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <extracomment>Said of an argument that must be given: port TEXT REQUIRED</extracomment>
        <translation>OBLIGATORIO</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>The kind of value an argument takes: port TEXT REQUIRED</extracomment>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The heading of the options in --help.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <extracomment>The heading of the commands in --help.</extracomment>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; no es una opción</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the option it is nearest to.</extracomment>
        <translation>&apos;%1&apos; no es una opción; ¿quería decir %2?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; no es un comando</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the command it is nearest to.</extracomment>
        <translation>&apos;%1&apos; no es un comando; ¿quería decir %2?</translation>
    </message>
    <message>
        <source>Usage: brinevane-probe [OPTIONS] COMMAND</source>
        <extracomment>Keep it as the usage line of --help reads: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>Uso: brinevane-probe [OPCIONES] COMANDO</translation>
    </message>
    <message>
        <source>Run &apos;brinevane-probe --help&apos; for usage.</source>
        <translation>Ejecute &apos;brinevane-probe --help&apos; para ver el uso.</translation>
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
Ejemplos:
  brinevane-probe search             Busca el instrumento; muestra el puerto y la velocidad:
                                     COM2 19200
  brinevane-probe search --fast --parallel
                                     Lo mismo, todos los puertos a la vez, la velocidad más
                                     probable primero
  brinevane-probe connect COM2 19200 Comprueba que responde ahí
  brinevane-probe connect rfc2217://portserver:4001 9600
                                     Lo mismo a través de un servidor de dispositivos serie
  brinevane-probe --json ports       Los puertos y sus dispositivos, en JSON
  brinevane-probe help connect       El uso de un comando

Entorno:
  BRINEVANE_PORTS                    Los puertos que se usan en lugar de los del equipo:
                                     COM1=/dev/ttyUSB0,COM2=rfc2217://HOST:PORT (definida y
                                     vacía: ningún puerto)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                                     El idioma de los mensajes (con --json: inglés)
</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>Connecting to %1...</source>
        <extracomment>%1 is the port and rate (COM2 at 19200 baud).</extracomment>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud).</extracomment>
        <translation>Buscando en %1...</translation>
    </message>
    <message>
        <source>Searching %1 (%2)...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud), %2 how far the search is (probe 3 of 16, about 30 s left).</extracomment>
        <translation>Buscando en %1 (%2)...</translation>
    </message>
</context>
<context>
    <name>SearchRecord</name>
    <message>
        <source>no serial port was found on this computer: connect the instrument and try again</source>
        <translation>no se encontró ningún puerto serie en este equipo: conecte el instrumento e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>no prompt from %1 at any baud rate: check that the instrument is on and cabled</source>
        <extracomment>%1 is a port name (COM1) or a list of them (COM1, COM3).</extracomment>
        <translation>sin prompt de %1 a ninguna velocidad en baudios: compruebe que el instrumento está encendido y cableado</translation>
    </message>
</context>
<context>
    <name>SearchUnit</name>
    <message>
        <source>no prompt from %1 at any baud rate</source>
        <extracomment>%1 is a port name (COM1).</extracomment>
        <translation>sin prompt de %1 a ninguna velocidad en baudios</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>an absolute path</source>
        <extracomment>What a device path must be: the device must be an absolute path.</extracomment>
        <translation>una ruta absoluta</translation>
    </message>
    <message>
        <source>add your user to the &apos;%1&apos; group, then log in again</source>
        <extracomment>What to do when a device may not be opened; %1 is the device&apos;s group (dialout).</extracomment>
        <translation>añada su usuario al grupo &apos;%1&apos; y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>ask an administrator for read and write access to it</source>
        <translation>pida a un administrador acceso de lectura y escritura a él</translation>
    </message>
    <message>
        <source>a device name such as \\.\COM3</source>
        <extracomment>What a device path must be: the device must be a device name such as \.COM3.</extracomment>
        <translation>un nombre de dispositivo como \\.\COM3</translation>
    </message>
    <message>
        <source>ask an administrator for access to it</source>
        <extracomment>What to do when a device may not be opened.</extracomment>
        <translation>pida a un administrador acceso a él</translation>
    </message>
</context>
<context>
    <name>WizardStrings</name>
    <message>
        <source>&amp;About Brinevane Setup...</source>
        <translation>A&amp;cerca de Brinevane Setup...</translation>
    </message>
    <message>
        <source>About Brinevane Setup</source>
        <translation>Acerca de Brinevane Setup</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port.</source>
        <translation>Busca un Brinevane ADCP en un puerto serie.</translation>
    </message>
    <message>
        <source>Copyright 2026 the Brinevane Setup authors</source>
        <translation>Copyright 2026 los autores de Brinevane Setup</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: see the LICENSE file.</source>
        <translation>Software libre con licencia MIT: véase el archivo LICENSE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Welcome to Brinevane Setup</source>
        <translation>Bienvenido a Brinevane Setup</translation>
    </message>
    <message>
        <source>This wizard finds your Brinevane ADCP on a serial port and checks that it answers.

Press &apos;Next&apos; to let the wizard search every serial port at every baud rate, or tick the box below to give the port settings yourself.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>Este asistente busca su Brinevane ADCP en un puerto serie y comprueba que responde.

Pulse &apos;Siguiente&apos; para que el asistente busque en todos los puertos serie a todas las velocidades en baudios, o marque la casilla de abajo para indicar usted mismo la configuración del puerto.</translation>
    </message>
    <message>
        <source>Demo:</source>
        <translation>Demostración:</translation>
    </message>
    <message>
        <source>the instrument is simulated by brinevane-sim on a pseudo-terminal; no real Brinevane ADCP is used.</source>
        <extracomment>Follows &quot;Demo:&quot; in bold.</extracomment>
        <translation>el instrumento lo simula brinevane-sim en un pseudoterminal; no se usa ningún Brinevane ADCP real.</translation>
    </message>
    <message>
        <source>I would like to &amp;specify the port settings.</source>
        <translation>Deseo &amp;especificar la configuración del puerto.</translation>
    </message>
    <message>
        <source>&amp;Quick search: all ports at once, the likeliest baud rate first</source>
        <translation>Búsqueda &amp;rápida: todos los puertos a la vez, la velocidad más probable primero</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Configuración de comunicación</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Serial &amp;Port:</source>
        <translation>&amp;Puerto serie:</translation>
    </message>
    <message>
        <source>Baud &amp;Rate:</source>
        <translation>&amp;Velocidad en baudios:</translation>
    </message>
    <message>
        <source>The settings shown at left will be used to communicate with the Brinevane.  Press &apos;Next&apos; to continue.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>La configuración mostrada a la izquierda se usará para comunicarse con el Brinevane.  Pulse &apos;Siguiente&apos; para continuar.</translation>
    </message>
    <message>
        <source>A&amp;dd network port...</source>
        <translation>Añadir puerto de &amp;red...</translation>
    </message>
    <message>
        <source>Add network port</source>
        <translation>Añadir puerto de red</translation>
    </message>
    <message>
        <source>The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT for one that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT.</source>
        <translation>El puerto del servidor de dispositivos serie: rfc2217://HOST:PORT, o socket://HOST:PORT si transmite bytes en bruto. HOST:PORT solo se toma como rfc2217://HOST:PORT.</translation>
    </message>
    <message>
        <source>The network port was not added.</source>
        <translation>No se añadió el puerto de red.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>Siguie&amp;nte &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>&apos;Finish&apos; in &quot;Press &apos;Finish&apos; to close the wizard.&quot; quotes this button.</extracomment>
        <translation>&amp;Finalizar</translation>
    </message>
</context>
</TS>
