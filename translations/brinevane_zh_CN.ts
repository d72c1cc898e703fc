<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CThread</name>
    <message>
        <source>ThreadProc[%1]::Can&apos;t signal Stop event!</source>
        <extracomment>A message box. %1 is the job&apos;s thread name (search or program), which stays as is.</extracomment>
        <translation>ThreadProc[%1]::无法发出停止事件信号！</translation>
    </message>
</context>
<context>
    <name>CWizardApp</name>
    <message>
        <source>Qt&apos;s options (see the Qt documentation):</source>
        <translation>Qt 选项（参见 Qt 文档）:</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>在串口上查找 Brinevane ADCP，并检查其是否应答。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr.</source>
        <translation>将每条作业通知（及跟踪信息）写入 stderr。</translation>
    </message>
    <message>
        <source>Say on the first page that the instrument is simulated (brinevane-sim).</source>
        <translation>在第一页注明仪器由 brinevane-sim 模拟。</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; for usage.</source>
        <translation>运行 &apos;%1 --help&apos; 查看用法。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the wizard cannot open a window. Run it from a desktop session, or use brinevane-probe on a terminal.</source>
        <translation>没有显示器（DISPLAY 和 WAYLAND_DISPLAY 均未设置），因此向导无法打开窗口。请在桌面会话中运行，或在终端上使用 brinevane-probe。</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>noise</source>
        <translation>噪声</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>被占用</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>已消失</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>not serial</source>
        <translation>非串口</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>非端口</translation>
    </message>
    <message>
        <source>own terminal</source>
        <translation>本程序的终端</translation>
    </message>
    <message>
        <source>device changed</source>
        <translation>设备已变化</translation>
    </message>
    <message>
        <source>open failed</source>
        <translation>打开失败</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>not resolved</source>
        <translation>无法解析</translation>
    </message>
    <message>
        <source>lookup failed</source>
        <translation>查询失败</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>not rfc2217</source>
        <translation>非 RFC 2217</translation>
    </message>
    <message>
        <source>setting refused</source>
        <translation>设置被拒绝</translation>
    </message>
    <message>
        <source>raw tcp</source>
        <translation>原始 TCP</translation>
    </message>
    <message>
        <source>flood</source>
        <translation>数据不停</translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation>无返回</translation>
    </message>
    <message>
        <source>another device at %1 baud</source>
        <translation>%1 baud 下的其他设备</translation>
    </message>
    <message>
        <source>answers at a rate not searched</source>
        <translation>以未搜索的波特率应答</translation>
    </message>
    <message>
        <source>(search: %1)</source>
        <extracomment>What the last search made of a port, beside it in the port list.</extracomment>
        <translation>(搜索: %1)</translation>
    </message>
    <message>
        <source>%1 has gone: plug its adapter in again, or choose another port.</source>
        <translation>%1 已消失。请重新插入其适配器，或选择其他端口。</translation>
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
        <translation>本程序自己的终端</translation>
    </message>
    <message>
        <source>The name does not resolve</source>
        <translation>名称无法解析</translation>
    </message>
    <message>
        <source>The server did not negotiate RFC 2217</source>
        <translation>服务器未协商 RFC 2217</translation>
    </message>
    <message>
        <source>The server did not acknowledge a line setting</source>
        <translation>服务器未确认线路设置</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>服务器关闭了连接</translation>
    </message>
    <message>
        <source>A raw TCP port carries no break and no line setting</source>
        <translation>原始 TCP 端口不传递中断信号和线路设置</translation>
    </message>
    <message>
        <source>The name service did not answer in time</source>
        <translation>名称服务未及时应答</translation>
    </message>
    <message>
        <source>The name service failed</source>
        <translation>名称服务出错</translation>
    </message>
    <message>
        <source>The server sends data without pause</source>
        <translation>服务器不停地发送数据</translation>
    </message>
    <message>
        <source>Port not open</source>
        <translation>端口未打开</translation>
    </message>
    <message>
        <source>Read of zero bytes requested</source>
        <translation>请求读取零字节</translation>
    </message>
    <message>
        <source>Write of zero bytes requested</source>
        <translation>请求写入零字节</translation>
    </message>
    <message>
        <source>Not enough room in the output queue</source>
        <translation>输出队列空间不足</translation>
    </message>
    <message>
        <source>Write ended short</source>
        <translation>写入提前结束</translation>
    </message>
    <message>
        <source>The port&apos;s name now stands for another device</source>
        <translation>该端口名现在指向另一个设备</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <source>, serial %1</source>
        <extracomment>After the adapter&apos;s maker and product: its serial number.</extracomment>
        <translation>，序列号 %1</translation>
    </message>
    <message>
        <source>Your Brinevane ADCP answered on %1 at %2 baud.</source>
        <extracomment>%1 is the port with its device, &quot;COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)&quot;; %2 the rate, &quot;19200&quot;.</extracomment>
        <translation>您的 Brinevane ADCP 在 %1 上以 %2 baud 应答。</translation>
    </message>
    <message>
        <source>It said: %1</source>
        <extracomment>%1 is what the instrument wrote before its prompt, as it wrote it.</extracomment>
        <translation>仪器回复: %1</translation>
    </message>
    <message>
        <source>Press &apos;Finish&apos; to close the wizard.</source>
        <extracomment>&apos;Finish&apos; is the wizard&apos;s button &quot;&amp;Finish&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot;.</extracomment>
        <translation>按“完成”关闭向导。</translation>
    </message>
</context>
<context>
    <name>JobHost</name>
    <message>
        <source>Searching...</source>
        <translation>正在搜索...</translation>
    </message>
    <message>
        <source>Error creating search thread!</source>
        <translation>创建搜索线程出错！</translation>
    </message>
    <message>
        <source>Could not stop search thread!</source>
        <translation>无法停止搜索线程！</translation>
    </message>
    <message>
        <source>No Brinevane ADCPs were detected!</source>
        <translation>未检测到 Brinevane ADCP！</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>正在编程...</translation>
    </message>
    <message>
        <source>Error creating program thread!</source>
        <translation>创建编程线程出错！</translation>
    </message>
    <message>
        <source>Could not stop program thread!</source>
        <translation>无法停止编程线程！</translation>
    </message>
    <message>
        <source>Error during programming!</source>
        <translation>编程过程中出错！</translation>
    </message>
    <message>
        <source>%1 (%2) at %3 baud</source>
        <extracomment>%1 is a port name (COM2), %2 its device (/dev/ttyUSB0), %3 a baud rate (19200).</extracomment>
        <translation>%1 (%2, %3 baud)</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>剩余约 %1 s</translation>
    </message>
    <message>
        <source>probe %1 of %2, about %3 s left</source>
        <extracomment>The search&apos;s progress: %1 is the probe under way, %2 how many there are in all, %3 a number of seconds.</extracomment>
        <translation>探测 %1/%2，剩余约 %3 s</translation>
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
        <translation>未应用波特率 %1: %2 直接传递原始字节，线路的波特率由其设备服务器设置</translation>
    </message>
    <message>
        <source>The baud rate %1 was not applied: %2 passes raw bytes, and its device server sets the line&apos;s rate.</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>未应用波特率 %1: %2 直接传递原始字节，线路的波特率由其设备服务器设置。</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <extracomment>%1 is a port name (COM2) or a list of them (COM1, COM3), %2 a baud rate (19200).</extracomment>
        <translation>%1 (%2 baud)</translation>
    </message>
</context>
<context>
    <name>LastError</name>
    <message>
        <source>No error</source>
        <translation>无错误</translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>An error the program has no words for; %1 is its code (0x20000007).</extracomment>
        <translation>错误 %1</translation>
    </message>
</context>
<context>
    <name>NetworkCommDriver</name>
    <message>
        <source>a network port&apos;s address is %1</source>
        <extracomment>%1 is the form of the address (rfc2217://HOST:PORT).</extracomment>
        <translation>网络端口的地址格式为 %1</translation>
    </message>
    <message>
        <source>%1 refused the connection: check the device server&apos;s address and that no other program is connected to it</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 拒绝了连接: 请检查设备服务器的地址，并确认没有其他程序连接到它</translation>
    </message>
    <message>
        <source>the name %1 does not resolve: check the device server&apos;s name, or give its IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>名称 %1 无法解析: 请检查设备服务器的名称，或提供其 IP 地址</translation>
    </message>
    <message>
        <source>%1 did not answer: check that the device server is on and reachable from this computer</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 没有应答: 请检查设备服务器是否已开机且可从本计算机访问</translation>
    </message>
    <message>
        <source>%1 does not speak RFC 2217: set that port of the device server to RFC 2217, or name it socket://%1 if it passes raw bytes</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001); keep socket://%1 as it is.</extracomment>
        <translation>%1 不支持 RFC 2217: 请将设备服务器的该端口设为 RFC 2217；如果它传递原始字节，请将其写为 socket://%1</translation>
    </message>
    <message>
        <source>%1 did not apply the line settings: check that its serial port supports the rate and 8 data bits, no parity, one stop bit</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 未应用线路设置: 请检查其串口是否支持该波特率以及 8 个数据位、无校验、1 个停止位</translation>
    </message>
    <message>
        <source>%1 is a raw TCP port: no break or rate reaches its line, so the search passes over it; connect to it at the rate its device server is set to</source>
        <extracomment>%1 is a port and its address: COM2 (socket://portserver:4001).</extracomment>
        <translation>%1 是原始 TCP 端口: 中断信号和波特率都无法到达其线路，因此搜索会跳过它；请以其设备服务器所设的波特率连接</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: check the network and that the device server is on</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>与 %1 的连接已断开: 请检查网络以及设备服务器是否已开机</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service did not answer in time: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>无法查询名称 %1: 名称服务未及时应答: 请检查本计算机的网络连接，或提供设备服务器的 IP 地址</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service could not be reached: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>无法查询名称 %1: 无法访问名称服务: 请检查本计算机的网络连接，或提供设备服务器的 IP 地址</translation>
    </message>
    <message>
        <source>%1 sends data without pause: not an instrument at rest; check the address and the port of the device server</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 不停地发送数据: 这不是处于空闲状态的仪器；请检查设备服务器的地址和端口</translation>
    </message>
    <message>
        <source>%1 closed the connection at once: another program is probably connected to it; close that program and try again</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 立即关闭了连接: 可能有其他程序已连接到它；请关闭该程序后重试</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>No serial port was chosen: choose one from the list of ports</source>
        <translation>未选择串口: 请从端口列表中选择一个</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this computer</source>
        <extracomment>%1 is what the user gave as a port (COM5, /dev/ttyS9).</extracomment>
        <translation>%1 不是本计算机上的串口</translation>
    </message>
    <message>
        <source>%1 is not there: is the adapter plugged in?</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 不存在: 适配器插好了吗？</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 what to do about it.</extracomment>
        <translation>访问 %1 的权限被拒绝: %2</translation>
    </message>
    <message>
        <source>Permission denied on %1 (%2): %3</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 its port name (COM2), %3 what to do about it.</extracomment>
        <translation>访问 %1 (%2) 的权限被拒绝: %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 正被其他程序占用: 请关闭该程序后重试</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the program that holds it: minicom (pid 4242).</extracomment>
        <translation>%1 正被 %2 占用: 请关闭该程序后重试</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 不是串行设备</translation>
    </message>
    <message>
        <source>%1 is this program&apos;s own terminal: choose the port the instrument is on, or run the program from another terminal</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/pts/3).</extracomment>
        <translation>%1 是本程序自己的终端: 请选择仪器所在的端口，或从其他终端运行本程序</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2).</extracomment>
        <translation>自列出端口以来，%1 下的设备已发生变化；请从新的端口列表中重新选择端口</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed: %2; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2); %2 how its device changed: it was ..., it is now ...</extracomment>
        <translation>自列出端口以来，%1 下的设备已发生变化: %2；请从新的端口列表中重新选择端口</translation>
    </message>
    <message>
        <source>%1 has gone: check that the device is plugged in and switched on</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 已消失: 请检查设备是否已插好并开机</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the system&apos;s reason.</extracomment>
        <translation>无法打开 %1: %2</translation>
    </message>
    <message>
        <source>data but no prompt at %1 baud on %2: the instrument may be set to another rate, or be streaming data (a search wakes it with a break)</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>%2 上以 %1 baud 收到数据，但没有提示符: 仪器可能设为其他波特率，或正在连续输出数据（搜索会用中断信号唤醒它）</translation>
    </message>
    <message>
        <source>no prompt at %1 baud on %2: check that the instrument is on, cabled and set to that rate</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>%2 上以 %1 baud 没有提示符: 请检查仪器是否已开机、已连接电缆并设为该波特率</translation>
    </message>
    <message>
        <source>could not write to %1: %2: check the cable and the adapter</source>
        <extracomment>%1 is a port name (COM2), %2 the system&apos;s reason.</extracomment>
        <translation>无法写入 %1: %2: 请检查电缆和适配器</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>%1 on %2</source>
        <extracomment>%1 is what the system says a device is (FTDI FT232R USB UART), %2 its path.</extracomment>
        <translation>%2 上的 %1</translation>
    </message>
    <message>
        <source>the device must be %1</source>
        <extracomment>%1 is what a device path must be (an absolute path).</extracomment>
        <translation>设备必须是%1</translation>
    </message>
    <message>
        <source>the device must be %1 or a name under %2</source>
        <extracomment>%1 is what a device path must be (an absolute path), %2 the network ports&apos; schemes (rfc2217://, socket://).</extracomment>
        <translation>设备必须是%1，或以 %2 开头的名称</translation>
    </message>
    <message>
        <source>(serial %1)</source>
        <extracomment>After a device&apos;s maker and product: %1 is its serial number.</extracomment>
        <translation>(序列号 %1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: expected COMn=/dev/path</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: 应为 COMn=/dev/path</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the port name must be COM1 to COM32</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: 端口名必须为 COM1 到 COM32</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 what is wrong with it.</extracomment>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 is given twice; the first one is kept</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 its port name (COM1).</extracomment>
        <translation>&apos;%1&apos;: %2 被指定了两次；保留第一个</translation>
    </message>
    <message>
        <source>%1: skipping entry %2</source>
        <extracomment>%1 is BRINEVANE_PORTS, %2 what is wrong with one of its entries.</extracomment>
        <translation>%1: 跳过条目 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: this build of the program has no network ports: connect the instrument to a serial port of this computer</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; 不是网络端口的地址: 此版本的程序不支持网络端口: 请将仪器连接到本计算机的串口</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: give %2</source>
        <extracomment>%1 is what the user typed, %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>&apos;%1&apos; 不是网络端口的地址: 请提供 %2</translation>
    </message>
    <message>
        <source>every name from COM1 to COM32 is taken: the network port cannot be added</source>
        <translation>从 COM1 到 COM32 的名称均已被占用: 无法添加网络端口</translation>
    </message>
    <message>
        <source>it was %1, which is no longer there</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>原为 %1，现已不存在</translation>
    </message>
    <message>
        <source>it was %1, it is now %2</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was, %2 the one it is now (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>原为 %1，现为 %2</translation>
    </message>
</context>
<context>
    <name>PortVerdict</name>
    <message>
        <source>something answers the break, slower than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the slowest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>有设备以低于 %1 的波特率应答中断信号: 请将仪器的波特率设为 %2 到 %3 之间</translation>
    </message>
    <message>
        <source>something answers the break, faster than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the fastest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>有设备以高于 %1 的波特率应答中断信号: 请将仪器的波特率设为 %2 到 %3 之间</translation>
    </message>
    <message>
        <source>nothing came back at any rate: check that the instrument is on, that the cable is a straight RS-232 one (not null-modem) and that it is in this port&apos;s socket</source>
        <translation>任何波特率下均无返回: 请检查仪器是否已开机、电缆是否为 RS-232 直通线（不是空调制解调器线），以及是否插在此端口的插座上</translation>
    </message>
    <message>
        <source>another device answers at %1 baud and said &quot;%2&quot;: the instrument is not on this port</source>
        <extracomment>%1 is a baud rate, %2 the words the other device sent.</extracomment>
        <translation>另一台设备以 %1 baud 应答并发送了 &quot;%2&quot;: 仪器不在此端口上</translation>
    </message>
    <message>
        <source>bytes came whether or not a break was sent, never readable text: the line carries noise or a device that streams binary data; check the cable&apos;s ground and what is connected</source>
        <translation>无论是否发送中断信号都收到字节，但从来不是可读文本: 线路上有噪声，或有持续发送二进制数据的设备；请检查电缆的接地以及所连接的设备</translation>
    </message>
</context>
<context>
    <name>ProbeMain</name>
    <message>
        <source>COM1 to COM32, or a device path such as %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>COM1 到 COM32，或 %1 之类的设备路径</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port such as %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 a network port&apos;s address (rfc2217://host:4001).</extracomment>
        <translation>COM1 到 COM32、%1 之类的设备路径，或 %2 之类的网络端口</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port: %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>COM1 到 COM32、%1 之类的设备路径，或网络端口: %2</translation>
    </message>
    <message>
        <source>No serial ports were found.</source>
        <translation>未找到串口。</translation>
    </message>
    <message>
        <source>Watching for serial ports coming and going; Ctrl-C ends.</source>
        <translation>正在监视串口的接入和移除；按 Ctrl-C 结束。</translation>
    </message>
    <message>
        <source>device: %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>设备: %1</translation>
    </message>
    <message>
        <source>device: %1, %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 what the system says the device is.</extracomment>
        <translation>设备: %1, %2</translation>
    </message>
    <message>
        <source>instrument: %1</source>
        <extracomment>%1 is what the instrument said before its prompt.</extracomment>
        <translation>仪器: %1</translation>
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
        <translation>已中断。</translation>
    </message>
    <message>
        <source>a command is required</source>
        <translation>需要一个命令</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port name: use %2</source>
        <extracomment>%1 is what the user typed, %2 the forms a port may take.</extracomment>
        <translation>&apos;%1&apos; 不是端口名: 请使用 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a baud rate: give a number, such as 9600</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; 不是波特率: 请给出一个数字，例如 9600</translation>
    </message>
    <message>
        <source>%1 baud is not a rate the serial port supports; use one of %2</source>
        <extracomment>%1 is the rate the user gave, %2 the list of rates (1200, 2400, ...).</extracomment>
        <translation>%1 baud 不是串口支持的波特率；请使用 %2 之一</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>在串口上查找 Brinevane ADCP，并检查其是否应答。</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>显示此帮助信息并退出</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>显示程序版本信息并退出</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr</source>
        <translation>将每条作业通知（及跟踪信息）写入 stderr</translation>
    </message>
    <message>
        <source>Write the result as one JSON object on stdout</source>
        <translation>将结果作为一个 JSON 对象写入 stdout</translation>
    </message>
    <message>
        <source>List the serial ports and the devices behind them</source>
        <translation>列出串口及其连接的设备</translation>
    </message>
    <message>
        <source>Then print each port as it comes and goes, until stopped</source>
        <translation>然后在端口出现和消失时逐一打印，直到停止</translation>
    </message>
    <message>
        <source>Try every port at every rate for the prompt</source>
        <translation>在每个端口上以每种波特率尝试获取提示符</translation>
    </message>
    <message>
        <source>Search all ports at the same time</source>
        <translation>同时搜索所有端口</translation>
    </message>
    <message>
        <source>Try each port&apos;s likeliest rate first, read from what the rates tried heard</source>
        <translation>根据已尝试的波特率收到的内容，先尝试每个端口最可能的波特率</translation>
    </message>
    <message>
        <source>Check that the instrument answers on a port</source>
        <translation>检查仪器是否在某个端口上应答</translation>
    </message>
    <message>
        <source>Baud rate, for example 9600</source>
        <translation>波特率，例如 9600</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>意外错误</translation>
    </message>
    <message>
        <source>cannot write the result: %1</source>
        <extracomment>%1 is the system&apos;s reason (Broken pipe).</extracomment>
        <translation>无法写入结果: %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <extracomment>%1 is the name of the argument, as the help shows it: port, baud.</extracomment>
        <translation>必须指定 %1</translation>
    </message>
    <message>
        <source>The following arguments were not expected: %1</source>
        <extracomment>%1 is what the user typed that no command or option takes (one word, or several).</extracomment>
        <translation>多余的参数: %1</translation>
    </message>
    <message>
        <source>The following argument was not expected: %1</source>
        <translation>多余的参数: %1</translation>
    </message>
</context>
<context>
    <name>ProbeUsage</name>
    <message>
        <source>COMMAND</source>
        <extracomment>The word for a command in the usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>命令</translation>
    </message>
    <message>
        <source>Usage</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>用法</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Positionals</source>
        <extracomment>The heading of a command&apos;s arguments (connect&apos;s port and baud).</extracomment>
        <translation>位置参数</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <extracomment>Said of an argument that must be given: port TEXT REQUIRED</extracomment>
        <translation>必需</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>The kind of value an argument takes: port TEXT REQUIRED</extracomment>
        <translation>文本</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The heading of the options in --help.</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <extracomment>The heading of the commands in --help.</extracomment>
        <translation>子命令</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; 不是选项</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the option it is nearest to.</extracomment>
        <translation>&apos;%1&apos; 不是选项；您是指 %2 吗？</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; 不是命令</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the command it is nearest to.</extracomment>
        <translation>&apos;%1&apos; 不是命令；您是指 %2 吗？</translation>
    </message>
    <message>
        <source>Usage: brinevane-probe [OPTIONS] COMMAND</source>
        <extracomment>Keep it as the usage line of --help reads: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>用法: brinevane-probe [选项] 命令</translation>
    </message>
    <message>
        <source>Run &apos;brinevane-probe --help&apos; for usage.</source>
        <translation>运行 &apos;brinevane-probe --help&apos; 查看用法。</translation>
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
示例:
  brinevane-probe search             查找仪器；打印端口和波特率: COM2 19200
  brinevane-probe search --fast --parallel
                                     同上，所有端口同时进行，最可能的波特率优先
  brinevane-probe connect COM2 19200 检查仪器是否在该处应答
  brinevane-probe connect rfc2217://portserver:4001 9600
                                     同上，通过串口设备服务器
  brinevane-probe --json ports       以 JSON 列出端口及其设备
  brinevane-probe help connect       某个命令的用法

环境变量:
  BRINEVANE_PORTS                    用来代替本计算机自身端口的端口:
                                     COM1=/dev/ttyUSB0,COM2=rfc2217://HOST:PORT
                                     （设置为空: 完全没有端口）
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                                     消息所用的语言 (使用 --json 时: 英语)
</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>Connecting to %1...</source>
        <extracomment>%1 is the port and rate (COM2 at 19200 baud).</extracomment>
        <translation>正在连接 %1...</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud).</extracomment>
        <translation>正在搜索 %1...</translation>
    </message>
    <message>
        <source>Searching %1 (%2)...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud), %2 how far the search is (probe 3 of 16, about 30 s left).</extracomment>
        <translation>正在搜索 %1 (%2)...</translation>
    </message>
</context>
<context>
    <name>SearchRecord</name>
    <message>
        <source>no serial port was found on this computer: connect the instrument and try again</source>
        <translation>在本计算机上未找到串口: 请连接仪器后重试</translation>
    </message>
    <message>
        <source>no prompt from %1 at any baud rate: check that the instrument is on and cabled</source>
        <extracomment>%1 is a port name (COM1) or a list of them (COM1, COM3).</extracomment>
        <translation>%1 在任何波特率下都没有提示符: 请检查仪器是否已开机并连接好电缆</translation>
    </message>
</context>
<context>
    <name>SearchUnit</name>
    <message>
        <source>no prompt from %1 at any baud rate</source>
        <extracomment>%1 is a port name (COM1).</extracomment>
        <translation>%1 在任何波特率下都没有提示符</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>an absolute path</source>
        <extracomment>What a device path must be: the device must be an absolute path.</extracomment>
        <translation>绝对路径</translation>
    </message>
    <message>
        <source>add your user to the &apos;%1&apos; group, then log in again</source>
        <extracomment>What to do when a device may not be opened; %1 is the device&apos;s group (dialout).</extracomment>
        <translation>请将您的用户添加到 &apos;%1&apos; 组，然后重新登录</translation>
    </message>
    <message>
        <source>ask an administrator for read and write access to it</source>
        <translation>请向管理员申请对它的读写权限</translation>
    </message>
    <message>
        <source>a device name such as \\.\COM3</source>
        <extracomment>What a device path must be: the device must be a device name such as \.COM3.</extracomment>
        <translation>\\.\COM3 之类的设备名</translation>
    </message>
    <message>
        <source>ask an administrator for access to it</source>
        <extracomment>What to do when a device may not be opened.</extracomment>
        <translation>请向管理员申请对它的访问权限</translation>
    </message>
</context>
<context>
    <name>WizardStrings</name>
    <message>
        <source>&amp;About Brinevane Setup...</source>
        <translation>关于 Brinevane Setup(&amp;A)...</translation>
    </message>
    <message>
        <source>About Brinevane Setup</source>
        <translation>关于 Brinevane Setup</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port.</source>
        <translation>在串口上查找 Brinevane ADCP。</translation>
    </message>
    <message>
        <source>Copyright 2026 the Brinevane Setup authors</source>
        <translation>Copyright 2026 Brinevane Setup 作者</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: see the LICENSE file.</source>
        <translation>MIT 许可证下的自由软件，参见 LICENSE 文件。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Welcome to Brinevane Setup</source>
        <translation>欢迎使用 Brinevane Setup</translation>
    </message>
    <message>
        <source>This wizard finds your Brinevane ADCP on a serial port and checks that it answers.

Press &apos;Next&apos; to let the wizard search every serial port at every baud rate, or tick the box below to give the port settings yourself.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>本向导在串口上查找您的 Brinevane ADCP，并检查其是否应答。

按“下一步”让向导以每种波特率搜索每个串口，或勾选下面的复选框自行指定端口设置。</translation>
    </message>
    <message>
        <source>Demo:</source>
        <translation>演示:</translation>
    </message>
    <message>
        <source>the instrument is simulated by brinevane-sim on a pseudo-terminal; no real Brinevane ADCP is used.</source>
        <extracomment>Follows &quot;Demo:&quot; in bold.</extracomment>
        <translation>仪器由伪终端上的 brinevane-sim 模拟；不使用真实的 Brinevane ADCP。</translation>
    </message>
    <message>
        <source>I would like to &amp;specify the port settings.</source>
        <translation>我要自行指定端口设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quick search: all ports at once, the likeliest baud rate first</source>
        <translation>快速搜索(&amp;Q): 同时搜索所有端口，最可能的波特率优先</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Serial &amp;Port:</source>
        <translation>串口(&amp;P):</translation>
    </message>
    <message>
        <source>Baud &amp;Rate:</source>
        <translation>波特率(&amp;R):</translation>
    </message>
    <message>
        <source>The settings shown at left will be used to communicate with the Brinevane.  Press &apos;Next&apos; to continue.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>将使用左侧显示的设置与 Brinevane 通信。按“下一步”继续。</translation>
    </message>
    <message>
        <source>A&amp;dd network port...</source>
        <translation>添加网络端口(&amp;D)...</translation>
    </message>
    <message>
        <source>Add network port</source>
        <translation>添加网络端口</translation>
    </message>
    <message>
        <source>The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT for one that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT.</source>
        <translation>串口设备服务器的端口: rfc2217://HOST:PORT (传递原始字节的服务器用 socket://HOST:PORT)。仅有 HOST:PORT 时视为 rfc2217://HOST:PORT。</translation>
    </message>
    <message>
        <source>The network port was not added.</source>
        <translation>未添加网络端口。</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 上一步(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>下一步(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>&apos;Finish&apos; in &quot;Press &apos;Finish&apos; to close the wizard.&quot; quotes this button.</extracomment>
        <translation>完成(&amp;F)</translation>
    </message>
</context>
</TS>
