<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CThread</name>
    <message>
        <source>ThreadProc[%1]::Can&apos;t signal Stop event!</source>
        <extracomment>A message box. %1 is the job&apos;s thread name (search or program), which stays as is.</extracomment>
        <translation>ThreadProc[%1]::Não foi possível sinalizar o evento Stop!</translation>
    </message>
</context>
<context>
    <name>CWizardApp</name>
    <message>
        <source>Qt&apos;s options (see the Qt documentation):</source>
        <translation>Opções do Qt (consulte a documentação do Qt):</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>Encontra um Brinevane ADCP em uma porta serial e verifica se ele responde.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações de versão.</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr.</source>
        <translation>Escreve cada notificação das tarefas (e o rastreamento) em stderr.</translation>
    </message>
    <message>
        <source>Say on the first page that the instrument is simulated (brinevane-sim).</source>
        <translation>Informa na primeira página que o instrumento é simulado (brinevane-sim).</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; for usage.</source>
        <translation>Execute &apos;%1 --help&apos; para ver o uso.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the wizard cannot open a window. Run it from a desktop session, or use brinevane-probe on a terminal.</source>
        <translation>não há tela (nem DISPLAY nem WAYLAND_DISPLAY está definida), então o assistente não pode abrir uma janela. Execute-o a partir de uma sessão de desktop, ou use o brinevane-probe em um terminal.</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>noise</source>
        <translation>ruído</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>em uso</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>desapareceu</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>not serial</source>
        <translation>não é serial</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>não é uma porta</translation>
    </message>
    <message>
        <source>own terminal</source>
        <translation>terminal próprio</translation>
    </message>
    <message>
        <source>device changed</source>
        <translation>dispositivo mudou</translation>
    </message>
    <message>
        <source>open failed</source>
        <translation>falha ao abrir</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>recusada</translation>
    </message>
    <message>
        <source>not resolved</source>
        <translation>nome não resolvido</translation>
    </message>
    <message>
        <source>lookup failed</source>
        <translation>falha na resolução</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>not rfc2217</source>
        <translation>não é rfc2217</translation>
    </message>
    <message>
        <source>setting refused</source>
        <translation>configuração recusada</translation>
    </message>
    <message>
        <source>raw tcp</source>
        <translation>tcp bruto</translation>
    </message>
    <message>
        <source>flood</source>
        <translation>dados sem pausa</translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation>nada voltou</translation>
    </message>
    <message>
        <source>another device at %1 baud</source>
        <translation>outro dispositivo a %1 baud</translation>
    </message>
    <message>
        <source>answers at a rate not searched</source>
        <translation>responde a uma taxa não buscada</translation>
    </message>
    <message>
        <source>(search: %1)</source>
        <extracomment>What the last search made of a port, beside it in the port list.</extracomment>
        <translation>(busca: %1)</translation>
    </message>
    <message>
        <source>%1 has gone: plug its adapter in again, or choose another port.</source>
        <translation>%1 desapareceu: conecte o adaptador novamente ou escolha outra porta.</translation>
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
        <translation>O próprio terminal deste programa</translation>
    </message>
    <message>
        <source>The name does not resolve</source>
        <translation>O nome não é resolvido</translation>
    </message>
    <message>
        <source>The server did not negotiate RFC 2217</source>
        <translation>O servidor não negociou RFC 2217</translation>
    </message>
    <message>
        <source>The server did not acknowledge a line setting</source>
        <translation>O servidor não confirmou uma configuração da linha</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>O servidor fechou a conexão</translation>
    </message>
    <message>
        <source>A raw TCP port carries no break and no line setting</source>
        <translation>Uma porta TCP bruta não transmite nem break nem configurações de linha</translation>
    </message>
    <message>
        <source>The name service did not answer in time</source>
        <translation>O serviço de nomes não respondeu a tempo</translation>
    </message>
    <message>
        <source>The name service failed</source>
        <translation>O serviço de nomes falhou</translation>
    </message>
    <message>
        <source>The server sends data without pause</source>
        <translation>O servidor envia dados sem pausa</translation>
    </message>
    <message>
        <source>Port not open</source>
        <translation>Porta não aberta</translation>
    </message>
    <message>
        <source>Read of zero bytes requested</source>
        <translation>Leitura de zero bytes solicitada</translation>
    </message>
    <message>
        <source>Write of zero bytes requested</source>
        <translation>Escrita de zero bytes solicitada</translation>
    </message>
    <message>
        <source>Not enough room in the output queue</source>
        <translation>Espaço insuficiente na fila de saída</translation>
    </message>
    <message>
        <source>Write ended short</source>
        <translation>A escrita terminou incompleta</translation>
    </message>
    <message>
        <source>The port&apos;s name now stands for another device</source>
        <translation>O nome da porta agora designa outro dispositivo</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <source>, serial %1</source>
        <extracomment>After the adapter&apos;s maker and product: its serial number.</extracomment>
        <translation>, número de série %1</translation>
    </message>
    <message>
        <source>Your Brinevane ADCP answered on %1 at %2 baud.</source>
        <extracomment>%1 is the port with its device, &quot;COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)&quot;; %2 the rate, &quot;19200&quot;.</extracomment>
        <translation>Seu Brinevane ADCP respondeu em %1 a %2 baud.</translation>
    </message>
    <message>
        <source>It said: %1</source>
        <extracomment>%1 is what the instrument wrote before its prompt, as it wrote it.</extracomment>
        <translation>Ele disse: %1</translation>
    </message>
    <message>
        <source>Press &apos;Finish&apos; to close the wizard.</source>
        <extracomment>&apos;Finish&apos; is the wizard&apos;s button &quot;&amp;Finish&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot;.</extracomment>
        <translation>Pressione &apos;Concluir&apos; para fechar o assistente.</translation>
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
        <translation>Erro ao criar a thread de busca!</translation>
    </message>
    <message>
        <source>Could not stop search thread!</source>
        <translation>Não foi possível parar a thread de busca!</translation>
    </message>
    <message>
        <source>No Brinevane ADCPs were detected!</source>
        <translation>Nenhum Brinevane ADCP foi detectado!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programando...</translation>
    </message>
    <message>
        <source>Error creating program thread!</source>
        <translation>Erro ao criar a thread de programação!</translation>
    </message>
    <message>
        <source>Could not stop program thread!</source>
        <translation>Não foi possível parar a thread de programação!</translation>
    </message>
    <message>
        <source>Error during programming!</source>
        <translation>Erro durante a programação!</translation>
    </message>
    <message>
        <source>%1 (%2) at %3 baud</source>
        <extracomment>%1 is a port name (COM2), %2 its device (/dev/ttyUSB0), %3 a baud rate (19200).</extracomment>
        <translation>%1 (%2) a %3 baud</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>cerca de %1 s restantes</translation>
    </message>
    <message>
        <source>probe %1 of %2, about %3 s left</source>
        <extracomment>The search&apos;s progress: %1 is the probe under way, %2 how many there are in all, %3 a number of seconds.</extracomment>
        <translation>teste %1 de %2, cerca de %3 s restantes</translation>
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
        <translation>a taxa %1 não foi aplicada: %2 repassa bytes brutos, e o servidor de dispositivos dela define a taxa da linha</translation>
    </message>
    <message>
        <source>The baud rate %1 was not applied: %2 passes raw bytes, and its device server sets the line&apos;s rate.</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>A taxa de transmissão %1 não foi aplicada: %2 repassa bytes brutos, e o servidor de dispositivos dela define a taxa da linha.</translation>
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
        <translation>Nenhum erro</translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>An error the program has no words for; %1 is its code (0x20000007).</extracomment>
        <translation>Erro %1</translation>
    </message>
</context>
<context>
    <name>NetworkCommDriver</name>
    <message>
        <source>a network port&apos;s address is %1</source>
        <extracomment>%1 is the form of the address (rfc2217://HOST:PORT).</extracomment>
        <translation>o endereço de uma porta de rede é %1</translation>
    </message>
    <message>
        <source>%1 refused the connection: check the device server&apos;s address and that no other program is connected to it</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 recusou a conexão: verifique o endereço do servidor de dispositivos e se nenhum outro programa está conectado a ele</translation>
    </message>
    <message>
        <source>the name %1 does not resolve: check the device server&apos;s name, or give its IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>o nome %1 não é resolvido: verifique o nome do servidor de dispositivos, ou informe o endereço IP dele</translation>
    </message>
    <message>
        <source>%1 did not answer: check that the device server is on and reachable from this computer</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 não respondeu: verifique se o servidor de dispositivos está ligado e acessível a partir deste computador</translation>
    </message>
    <message>
        <source>%1 does not speak RFC 2217: set that port of the device server to RFC 2217, or name it socket://%1 if it passes raw bytes</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001); keep socket://%1 as it is.</extracomment>
        <translation>%1 não fala RFC 2217: configure essa porta do servidor de dispositivos como RFC 2217, ou indique-a como socket://%1 se ela repassa bytes brutos</translation>
    </message>
    <message>
        <source>%1 did not apply the line settings: check that its serial port supports the rate and 8 data bits, no parity, one stop bit</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 não aplicou as configurações de linha: verifique se a porta serial dele suporta a taxa e 8 bits de dados, sem paridade, um bit de parada</translation>
    </message>
    <message>
        <source>%1 is a raw TCP port: no break or rate reaches its line, so the search passes over it; connect to it at the rate its device server is set to</source>
        <extracomment>%1 is a port and its address: COM2 (socket://portserver:4001).</extracomment>
        <translation>%1 é uma porta TCP bruta: nem o break nem a taxa chegam à sua linha, então a busca a ignora; conecte-se a ela na taxa definida no servidor de dispositivos dela</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: check the network and that the device server is on</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>a conexão com %1 foi perdida: verifique a rede e se o servidor de dispositivos está ligado</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service did not answer in time: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>não foi possível resolver o nome %1: o serviço de nomes não respondeu a tempo: verifique a conexão de rede deste computador, ou informe o endereço IP do servidor de dispositivos</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service could not be reached: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>não foi possível resolver o nome %1: o serviço de nomes não pôde ser contatado: verifique a conexão de rede deste computador, ou informe o endereço IP do servidor de dispositivos</translation>
    </message>
    <message>
        <source>%1 sends data without pause: not an instrument at rest; check the address and the port of the device server</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 envia dados sem pausa: não é um instrumento em repouso; verifique o endereço e a porta do servidor de dispositivos</translation>
    </message>
    <message>
        <source>%1 closed the connection at once: another program is probably connected to it; close that program and try again</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 fechou a conexão imediatamente: provavelmente outro programa está conectado a ele; feche esse programa e tente novamente</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>No serial port was chosen: choose one from the list of ports</source>
        <translation>Nenhuma porta serial foi escolhida: escolha uma na lista de portas</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this computer</source>
        <extracomment>%1 is what the user gave as a port (COM5, /dev/ttyS9).</extracomment>
        <translation>%1 não é uma porta serial deste computador</translation>
    </message>
    <message>
        <source>%1 is not there: is the adapter plugged in?</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 não está presente: o adaptador está conectado?</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 what to do about it.</extracomment>
        <translation>Permissão negada em %1: %2</translation>
    </message>
    <message>
        <source>Permission denied on %1 (%2): %3</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 its port name (COM2), %3 what to do about it.</extracomment>
        <translation>Permissão negada em %1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 está em uso por outro programa: feche-o e tente novamente</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the program that holds it: minicom (pid 4242).</extracomment>
        <translation>%1 está em uso por %2: feche-o e tente novamente</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 não é um dispositivo serial</translation>
    </message>
    <message>
        <source>%1 is this program&apos;s own terminal: choose the port the instrument is on, or run the program from another terminal</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/pts/3).</extracomment>
        <translation>%1 é o próprio terminal deste programa: escolha a porta em que o instrumento está, ou execute o programa a partir de outro terminal</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2).</extracomment>
        <translation>o dispositivo de %1 mudou desde que as portas foram listadas; escolha a porta novamente em uma nova lista de portas</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed: %2; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2); %2 how its device changed: it was ..., it is now ...</extracomment>
        <translation>o dispositivo de %1 mudou desde que as portas foram listadas: %2; escolha a porta novamente em uma nova lista de portas</translation>
    </message>
    <message>
        <source>%1 has gone: check that the device is plugged in and switched on</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 desapareceu: verifique se o dispositivo está conectado e ligado</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the system&apos;s reason.</extracomment>
        <translation>%1 não pôde ser aberta: %2</translation>
    </message>
    <message>
        <source>data but no prompt at %1 baud on %2: the instrument may be set to another rate, or be streaming data (a search wakes it with a break)</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>dados mas nenhum prompt a %1 baud em %2: o instrumento pode estar configurado para outra taxa, ou estar enviando dados sem parar (uma busca o acorda com um break)</translation>
    </message>
    <message>
        <source>no prompt at %1 baud on %2: check that the instrument is on, cabled and set to that rate</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>nenhum prompt a %1 baud em %2: verifique se o instrumento está ligado, cabeado e configurado para essa taxa</translation>
    </message>
    <message>
        <source>could not write to %1: %2: check the cable and the adapter</source>
        <extracomment>%1 is a port name (COM2), %2 the system&apos;s reason.</extracomment>
        <translation>não foi possível escrever em %1: %2: verifique o cabo e o adaptador</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>%1 on %2</source>
        <extracomment>%1 is what the system says a device is (FTDI FT232R USB UART), %2 its path.</extracomment>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>the device must be %1</source>
        <extracomment>%1 is what a device path must be (an absolute path).</extracomment>
        <translation>o dispositivo deve ser %1</translation>
    </message>
    <message>
        <source>the device must be %1 or a name under %2</source>
        <extracomment>%1 is what a device path must be (an absolute path), %2 the network ports&apos; schemes (rfc2217://, socket://).</extracomment>
        <translation>o dispositivo deve ser %1 ou um nome que comece com %2</translation>
    </message>
    <message>
        <source>(serial %1)</source>
        <extracomment>After a device&apos;s maker and product: %1 is its serial number.</extracomment>
        <translation>(número de série %1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: expected COMn=/dev/path</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: esperado COMn=/dev/path</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the port name must be COM1 to COM32</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: o nome da porta deve ser de COM1 a COM32</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 what is wrong with it.</extracomment>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 is given twice; the first one is kept</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 its port name (COM1).</extracomment>
        <translation>&apos;%1&apos;: %2 aparece duas vezes; a primeira é mantida</translation>
    </message>
    <message>
        <source>%1: skipping entry %2</source>
        <extracomment>%1 is BRINEVANE_PORTS, %2 what is wrong with one of its entries.</extracomment>
        <translation>%1: ignorando a entrada %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: this build of the program has no network ports: connect the instrument to a serial port of this computer</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; não é o endereço de uma porta de rede: esta compilação do programa não tem portas de rede: conecte o instrumento a uma porta serial deste computador</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: give %2</source>
        <extracomment>%1 is what the user typed, %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>&apos;%1&apos; não é o endereço de uma porta de rede: informe %2</translation>
    </message>
    <message>
        <source>every name from COM1 to COM32 is taken: the network port cannot be added</source>
        <translation>todos os nomes de COM1 a COM32 estão ocupados: a porta de rede não pode ser adicionada</translation>
    </message>
    <message>
        <source>it was %1, which is no longer there</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>era %1, que não está mais presente</translation>
    </message>
    <message>
        <source>it was %1, it is now %2</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was, %2 the one it is now (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>era %1, agora é %2</translation>
    </message>
</context>
<context>
    <name>PortVerdict</name>
    <message>
        <source>something answers the break, slower than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the slowest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>algo responde ao break, mais lento que %1: configure o instrumento para uma taxa de %2 a %3</translation>
    </message>
    <message>
        <source>something answers the break, faster than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the fastest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>algo responde ao break, mais rápido que %1: configure o instrumento para uma taxa de %2 a %3</translation>
    </message>
    <message>
        <source>nothing came back at any rate: check that the instrument is on, that the cable is a straight RS-232 one (not null-modem) and that it is in this port&apos;s socket</source>
        <translation>nada voltou em nenhuma taxa: verifique se o instrumento está ligado, se o cabo é RS-232 direto (não null-modem) e se está encaixado no conector desta porta</translation>
    </message>
    <message>
        <source>another device answers at %1 baud and said &quot;%2&quot;: the instrument is not on this port</source>
        <extracomment>%1 is a baud rate, %2 the words the other device sent.</extracomment>
        <translation>outro dispositivo responde a %1 baud e disse &quot;%2&quot;: o instrumento não está nesta porta</translation>
    </message>
    <message>
        <source>bytes came whether or not a break was sent, never readable text: the line carries noise or a device that streams binary data; check the cable&apos;s ground and what is connected</source>
        <translation>chegaram bytes com ou sem o envio de um break, nunca texto legível: a linha tem ruído ou um dispositivo que envia dados binários sem parar; verifique o terra do cabo e o que está conectado</translation>
    </message>
</context>
<context>
    <name>ProbeMain</name>
    <message>
        <source>COM1 to COM32, or a device path such as %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>COM1 a COM32, ou um caminho de dispositivo como %1</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port such as %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 a network port&apos;s address (rfc2217://host:4001).</extracomment>
        <translation>COM1 a COM32, um caminho de dispositivo como %1, ou uma porta de rede como %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port: %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>COM1 a COM32, um caminho de dispositivo como %1, ou uma porta de rede: %2</translation>
    </message>
    <message>
        <source>No serial ports were found.</source>
        <translation>Nenhuma porta serial foi encontrada.</translation>
    </message>
    <message>
        <source>Watching for serial ports coming and going; Ctrl-C ends.</source>
        <translation>Observando portas seriais que aparecem e desaparecem; Ctrl-C encerra.</translation>
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
        <translation>Interrompido.</translation>
    </message>
    <message>
        <source>a command is required</source>
        <translation>é necessário um comando</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port name: use %2</source>
        <extracomment>%1 is what the user typed, %2 the forms a port may take.</extracomment>
        <translation>&apos;%1&apos; não é um nome de porta: use %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a baud rate: give a number, such as 9600</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; não é uma taxa de transmissão: informe um número, como 9600</translation>
    </message>
    <message>
        <source>%1 baud is not a rate the serial port supports; use one of %2</source>
        <extracomment>%1 is the rate the user gave, %2 the list of rates (1200, 2400, ...).</extracomment>
        <translation>%1 baud não é uma taxa suportada pela porta serial; use uma de %2</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>Encontra um Brinevane ADCP em uma porta serial e verifica se ele responde.</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Mostra esta mensagem de ajuda e sai</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>Mostra as informações de versão do programa e sai</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr</source>
        <translation>Escreve cada notificação das tarefas (e o rastreamento) em stderr</translation>
    </message>
    <message>
        <source>Write the result as one JSON object on stdout</source>
        <translation>Escreve o resultado como um objeto JSON em stdout</translation>
    </message>
    <message>
        <source>List the serial ports and the devices behind them</source>
        <translation>Lista as portas seriais e os dispositivos por trás delas</translation>
    </message>
    <message>
        <source>Then print each port as it comes and goes, until stopped</source>
        <translation>Depois mostra cada porta conforme aparece e desaparece, até ser interrompido</translation>
    </message>
    <message>
        <source>Try every port at every rate for the prompt</source>
        <translation>Testa cada porta em cada taxa em busca do prompt</translation>
    </message>
    <message>
        <source>Search all ports at the same time</source>
        <translation>Busca em todas as portas ao mesmo tempo</translation>
    </message>
    <message>
        <source>Try each port&apos;s likeliest rate first, read from what the rates tried heard</source>
        <translation>Testa primeiro a taxa mais provável de cada porta, deduzida do que foi ouvido nas taxas testadas</translation>
    </message>
    <message>
        <source>Check that the instrument answers on a port</source>
        <translation>Verifica se o instrumento responde em uma porta</translation>
    </message>
    <message>
        <source>Baud rate, for example 9600</source>
        <translation>Taxa de transmissão, por exemplo 9600</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>um erro inesperado</translation>
    </message>
    <message>
        <source>cannot write the result: %1</source>
        <extracomment>%1 is the system&apos;s reason (Broken pipe).</extracomment>
        <translation>não é possível escrever o resultado: %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <extracomment>%1 is the name of the argument, as the help shows it: port, baud.</extracomment>
        <translation>%1 é obrigatório</translation>
    </message>
    <message>
        <source>The following arguments were not expected: %1</source>
        <extracomment>%1 is what the user typed that no command or option takes (one word, or several).</extracomment>
        <translation>Argumentos não esperados: %1</translation>
    </message>
    <message>
        <source>The following argument was not expected: %1</source>
        <translation>Argumento não esperado: %1</translation>
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
        <translation>OPÇÕES</translation>
    </message>
    <message>
        <source>Positionals</source>
        <extracomment>The heading of a command&apos;s arguments (connect&apos;s port and baud).</extracomment>
        <translation>Argumentos</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <extracomment>Said of an argument that must be given: port TEXT REQUIRED</extracomment>
        <translation>OBRIGATÓRIO</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>The kind of value an argument takes: port TEXT REQUIRED</extracomment>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The heading of the options in --help.</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <extracomment>The heading of the commands in --help.</extracomment>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; não é uma opção</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the option it is nearest to.</extracomment>
        <translation>&apos;%1&apos; não é uma opção; você quis dizer %2?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; não é um comando</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the command it is nearest to.</extracomment>
        <translation>&apos;%1&apos; não é um comando; você quis dizer %2?</translation>
    </message>
    <message>
        <source>Usage: brinevane-probe [OPTIONS] COMMAND</source>
        <extracomment>Keep it as the usage line of --help reads: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>Uso: brinevane-probe [OPÇÕES] COMANDO</translation>
    </message>
    <message>
        <source>Run &apos;brinevane-probe --help&apos; for usage.</source>
        <translation>Execute &apos;brinevane-probe --help&apos; para ver o uso.</translation>
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
Exemplos:
  brinevane-probe search             Encontra o instrumento; mostra a porta e a taxa:
                                     COM2 19200
  brinevane-probe search --fast --parallel
                                     O mesmo, todas as portas de uma vez, a taxa mais provável
                                     primeiro
  brinevane-probe connect COM2 19200 Verifica se ele responde ali
  brinevane-probe connect rfc2217://portserver:4001 9600
                                     O mesmo por meio de um servidor de dispositivos serial
  brinevane-probe --json ports       As portas e seus dispositivos, em JSON
  brinevane-probe help connect       O uso de um comando

Ambiente:
  BRINEVANE_PORTS                    As portas a usar em vez das do computador:
                                     COM1=/dev/ttyUSB0,COM2=rfc2217://HOST:PORT (definida e
                                     vazia: nenhuma porta)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                                     O idioma das mensagens (com --json: inglês)
</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>Connecting to %1...</source>
        <extracomment>%1 is the port and rate (COM2 at 19200 baud).</extracomment>
        <translation>Conectando a %1...</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud).</extracomment>
        <translation>Buscando em %1...</translation>
    </message>
    <message>
        <source>Searching %1 (%2)...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud), %2 how far the search is (probe 3 of 16, about 30 s left).</extracomment>
        <translation>Buscando em %1 (%2)...</translation>
    </message>
</context>
<context>
    <name>SearchRecord</name>
    <message>
        <source>no serial port was found on this computer: connect the instrument and try again</source>
        <translation>nenhuma porta serial foi encontrada neste computador: conecte o instrumento e tente novamente</translation>
    </message>
    <message>
        <source>no prompt from %1 at any baud rate: check that the instrument is on and cabled</source>
        <extracomment>%1 is a port name (COM1) or a list of them (COM1, COM3).</extracomment>
        <translation>nenhum prompt de %1 em nenhuma taxa de transmissão: verifique se o instrumento está ligado e cabeado</translation>
    </message>
</context>
<context>
    <name>SearchUnit</name>
    <message>
        <source>no prompt from %1 at any baud rate</source>
        <extracomment>%1 is a port name (COM1).</extracomment>
        <translation>nenhum prompt de %1 em nenhuma taxa de transmissão</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>an absolute path</source>
        <extracomment>What a device path must be: the device must be an absolute path.</extracomment>
        <translation>um caminho absoluto</translation>
    </message>
    <message>
        <source>add your user to the &apos;%1&apos; group, then log in again</source>
        <extracomment>What to do when a device may not be opened; %1 is the device&apos;s group (dialout).</extracomment>
        <translation>adicione seu usuário ao grupo &apos;%1&apos; e faça login novamente</translation>
    </message>
    <message>
        <source>ask an administrator for read and write access to it</source>
        <translation>peça a um administrador acesso de leitura e escrita a ele</translation>
    </message>
    <message>
        <source>a device name such as \\.\COM3</source>
        <extracomment>What a device path must be: the device must be a device name such as \.COM3.</extracomment>
        <translation>um nome de dispositivo como \\.\COM3</translation>
    </message>
    <message>
        <source>ask an administrator for access to it</source>
        <extracomment>What to do when a device may not be opened.</extracomment>
        <translation>peça a um administrador acesso a ele</translation>
    </message>
</context>
<context>
    <name>WizardStrings</name>
    <message>
        <source>&amp;About Brinevane Setup...</source>
        <translation>&amp;Sobre o Brinevane Setup...</translation>
    </message>
    <message>
        <source>About Brinevane Setup</source>
        <translation>Sobre o Brinevane Setup</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port.</source>
        <translation>Encontra um Brinevane ADCP em uma porta serial.</translation>
    </message>
    <message>
        <source>Copyright 2026 the Brinevane Setup authors</source>
        <translation>Copyright 2026 os autores do Brinevane Setup</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: see the LICENSE file.</source>
        <translation>Software livre sob a licença MIT: consulte o arquivo LICENSE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Welcome to Brinevane Setup</source>
        <translation>Bem-vindo ao Brinevane Setup</translation>
    </message>
    <message>
        <source>This wizard finds your Brinevane ADCP on a serial port and checks that it answers.

Press &apos;Next&apos; to let the wizard search every serial port at every baud rate, or tick the box below to give the port settings yourself.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>Este assistente encontra seu Brinevane ADCP em uma porta serial e verifica se ele responde.

Pressione &apos;Avançar&apos; para que o assistente busque em todas as portas seriais em todas as taxas de transmissão, ou marque a caixa abaixo para informar você mesmo as configurações da porta.</translation>
    </message>
    <message>
        <source>Demo:</source>
        <translation>Demonstração:</translation>
    </message>
    <message>
        <source>the instrument is simulated by brinevane-sim on a pseudo-terminal; no real Brinevane ADCP is used.</source>
        <extracomment>Follows &quot;Demo:&quot; in bold.</extracomment>
        <translation>o instrumento é simulado pelo brinevane-sim em um pseudoterminal; nenhum Brinevane ADCP real é usado.</translation>
    </message>
    <message>
        <source>I would like to &amp;specify the port settings.</source>
        <translation>Desejo &amp;especificar as configurações da porta.</translation>
    </message>
    <message>
        <source>&amp;Quick search: all ports at once, the likeliest baud rate first</source>
        <translation>Busca &amp;rápida: todas as portas de uma vez, a taxa de transmissão mais provável primeiro</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Configurações de comunicação</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Serial &amp;Port:</source>
        <translation>&amp;Porta serial:</translation>
    </message>
    <message>
        <source>Baud &amp;Rate:</source>
        <translation>&amp;Taxa de transmissão:</translation>
    </message>
    <message>
        <source>The settings shown at left will be used to communicate with the Brinevane.  Press &apos;Next&apos; to continue.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>As configurações mostradas à esquerda serão usadas para se comunicar com o Brinevane.  Pressione &apos;Avançar&apos; para continuar.</translation>
    </message>
    <message>
        <source>A&amp;dd network port...</source>
        <translation>Adicionar porta de &amp;rede...</translation>
    </message>
    <message>
        <source>Add network port</source>
        <translation>Adicionar porta de rede</translation>
    </message>
    <message>
        <source>The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT for one that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT.</source>
        <translation>A porta do servidor de dispositivos serial: rfc2217://HOST:PORT, ou socket://HOST:PORT para um que repassa bytes brutos. HOST:PORT sozinho é tomado como rfc2217://HOST:PORT.</translation>
    </message>
    <message>
        <source>The network port was not added.</source>
        <translation>A porta de rede não foi adicionada.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Avançar &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>&apos;Finish&apos; in &quot;Press &apos;Finish&apos; to close the wizard.&quot; quotes this button.</extracomment>
        <translation>C&amp;oncluir</translation>
    </message>
</context>
</TS>
