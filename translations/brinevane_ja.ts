<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CThread</name>
    <message>
        <source>ThreadProc[%1]::Can&apos;t signal Stop event!</source>
        <extracomment>A message box. %1 is the job&apos;s thread name (search or program), which stays as is.</extracomment>
        <translation>ThreadProc[%1]::停止イベントを通知できません！</translation>
    </message>
</context>
<context>
    <name>CWizardApp</name>
    <message>
        <source>Qt&apos;s options (see the Qt documentation):</source>
        <translation>Qt のオプション（Qt のドキュメントを参照）:</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>シリアルポート上の Brinevane ADCP を見つけ、応答することを確認します。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr.</source>
        <translation>ジョブの各通知（とトレース）を stderr に出力します。</translation>
    </message>
    <message>
        <source>Say on the first page that the instrument is simulated (brinevane-sim).</source>
        <translation>測定器がシミュレーション（brinevane-sim）であることを最初のページに表示します。</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; for usage.</source>
        <translation>使い方は &apos;%1 --help&apos; で確認してください。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the wizard cannot open a window. Run it from a desktop session, or use brinevane-probe on a terminal.</source>
        <translation>ディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）。そのためウィザードはウィンドウを開けません。デスクトップセッションから実行するか、端末で brinevane-probe を使用してください。</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>noise</source>
        <translation>ノイズ</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセス拒否</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>消失</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>存在しない</translation>
    </message>
    <message>
        <source>not serial</source>
        <translation>シリアルでない</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>ポートでない</translation>
    </message>
    <message>
        <source>own terminal</source>
        <translation>自身の端末</translation>
    </message>
    <message>
        <source>device changed</source>
        <translation>デバイス変更</translation>
    </message>
    <message>
        <source>open failed</source>
        <translation>オープン失敗</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>接続拒否</translation>
    </message>
    <message>
        <source>not resolved</source>
        <translation>名前解決不可</translation>
    </message>
    <message>
        <source>lookup failed</source>
        <translation>名前照会失敗</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>not rfc2217</source>
        <translation>RFC 2217 非対応</translation>
    </message>
    <message>
        <source>setting refused</source>
        <translation>設定拒否</translation>
    </message>
    <message>
        <source>raw tcp</source>
        <translation>raw TCP</translation>
    </message>
    <message>
        <source>flood</source>
        <translation>データ過多</translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation>受信なし</translation>
    </message>
    <message>
        <source>another device at %1 baud</source>
        <translation>%1 baud で別のデバイス</translation>
    </message>
    <message>
        <source>answers at a rate not searched</source>
        <translation>検索対象外のボーレートで応答</translation>
    </message>
    <message>
        <source>(search: %1)</source>
        <extracomment>What the last search made of a port, beside it in the port list.</extracomment>
        <translation>(検索: %1)</translation>
    </message>
    <message>
        <source>%1 has gone: plug its adapter in again, or choose another port.</source>
        <translation>%1 が見つからなくなりました。アダプターを接続し直すか、別のポートを選択してください。</translation>
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
        <translation>このプログラム自身の端末</translation>
    </message>
    <message>
        <source>The name does not resolve</source>
        <translation>名前を解決できません</translation>
    </message>
    <message>
        <source>The server did not negotiate RFC 2217</source>
        <translation>サーバーが RFC 2217 をネゴシエートしませんでした</translation>
    </message>
    <message>
        <source>The server did not acknowledge a line setting</source>
        <translation>サーバーが回線設定を確認応答しませんでした</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>サーバーが接続を閉じました</translation>
    </message>
    <message>
        <source>A raw TCP port carries no break and no line setting</source>
        <translation>raw TCP ポートはブレーク信号も回線設定も伝えません</translation>
    </message>
    <message>
        <source>The name service did not answer in time</source>
        <translation>ネームサービスが時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>The name service failed</source>
        <translation>ネームサービスでエラーが発生しました</translation>
    </message>
    <message>
        <source>The server sends data without pause</source>
        <translation>サーバーが絶え間なくデータを送信しています</translation>
    </message>
    <message>
        <source>Port not open</source>
        <translation>ポートが開いていません</translation>
    </message>
    <message>
        <source>Read of zero bytes requested</source>
        <translation>0 バイトの読み取りが要求されました</translation>
    </message>
    <message>
        <source>Write of zero bytes requested</source>
        <translation>0 バイトの書き込みが要求されました</translation>
    </message>
    <message>
        <source>Not enough room in the output queue</source>
        <translation>出力キューに十分な空きがありません</translation>
    </message>
    <message>
        <source>Write ended short</source>
        <translation>書き込みが途中で終了しました</translation>
    </message>
    <message>
        <source>The port&apos;s name now stands for another device</source>
        <translation>ポート名が別のデバイスを指すようになりました</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <source>, serial %1</source>
        <extracomment>After the adapter&apos;s maker and product: its serial number.</extracomment>
        <translation>、シリアル番号 %1</translation>
    </message>
    <message>
        <source>Your Brinevane ADCP answered on %1 at %2 baud.</source>
        <extracomment>%1 is the port with its device, &quot;COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)&quot;; %2 the rate, &quot;19200&quot;.</extracomment>
        <translation>Brinevane ADCP が %2 baud で %1 から応答しました。</translation>
    </message>
    <message>
        <source>It said: %1</source>
        <extracomment>%1 is what the instrument wrote before its prompt, as it wrote it.</extracomment>
        <translation>測定器からの応答: %1</translation>
    </message>
    <message>
        <source>Press &apos;Finish&apos; to close the wizard.</source>
        <extracomment>&apos;Finish&apos; is the wizard&apos;s button &quot;&amp;Finish&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot;.</extracomment>
        <translation>「完了」を押すとウィザードを閉じます。</translation>
    </message>
</context>
<context>
    <name>JobHost</name>
    <message>
        <source>Searching...</source>
        <translation>検索中...</translation>
    </message>
    <message>
        <source>Error creating search thread!</source>
        <translation>検索スレッドを作成できませんでした！</translation>
    </message>
    <message>
        <source>Could not stop search thread!</source>
        <translation>検索スレッドを停止できませんでした！</translation>
    </message>
    <message>
        <source>No Brinevane ADCPs were detected!</source>
        <translation>Brinevane ADCP が見つかりませんでした！</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>書き込み中...</translation>
    </message>
    <message>
        <source>Error creating program thread!</source>
        <translation>書き込みスレッドを作成できませんでした！</translation>
    </message>
    <message>
        <source>Could not stop program thread!</source>
        <translation>書き込みスレッドを停止できませんでした！</translation>
    </message>
    <message>
        <source>Error during programming!</source>
        <translation>書き込み中にエラーが発生しました！</translation>
    </message>
    <message>
        <source>%1 (%2) at %3 baud</source>
        <extracomment>%1 is a port name (COM2), %2 its device (/dev/ttyUSB0), %3 a baud rate (19200).</extracomment>
        <translation>%3 baud の %1 (%2)</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>残り約 %1 s</translation>
    </message>
    <message>
        <source>probe %1 of %2, about %3 s left</source>
        <extracomment>The search&apos;s progress: %1 is the probe under way, %2 how many there are in all, %3 a number of seconds.</extracomment>
        <translation>試行 %1/%2、残り約 %3 s</translation>
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
        <translation>ボーレート %1 は適用されませんでした: %2 は生のバイトをそのまま渡し、回線のボーレートはデバイスサーバーが設定します</translation>
    </message>
    <message>
        <source>The baud rate %1 was not applied: %2 passes raw bytes, and its device server sets the line&apos;s rate.</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>ボーレート %1 は適用されませんでした: %2 は生のバイトをそのまま渡し、回線のボーレートはデバイスサーバーが設定します。</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <extracomment>%1 is a port name (COM2) or a list of them (COM1, COM3), %2 a baud rate (19200).</extracomment>
        <translation>%2 baud の %1</translation>
    </message>
</context>
<context>
    <name>LastError</name>
    <message>
        <source>No error</source>
        <translation>エラーなし</translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>An error the program has no words for; %1 is its code (0x20000007).</extracomment>
        <translation>エラー %1</translation>
    </message>
</context>
<context>
    <name>NetworkCommDriver</name>
    <message>
        <source>a network port&apos;s address is %1</source>
        <extracomment>%1 is the form of the address (rfc2217://HOST:PORT).</extracomment>
        <translation>ネットワークポートのアドレスの形式は %1 です</translation>
    </message>
    <message>
        <source>%1 refused the connection: check the device server&apos;s address and that no other program is connected to it</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 が接続を拒否しました: デバイスサーバーのアドレスと、他のプログラムが接続していないことを確認してください</translation>
    </message>
    <message>
        <source>the name %1 does not resolve: check the device server&apos;s name, or give its IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>名前 %1 を解決できません: デバイスサーバーの名前を確認するか、IP アドレスを指定してください</translation>
    </message>
    <message>
        <source>%1 did not answer: check that the device server is on and reachable from this computer</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 が応答しませんでした: デバイスサーバーの電源が入っていて、このコンピューターから到達できることを確認してください</translation>
    </message>
    <message>
        <source>%1 does not speak RFC 2217: set that port of the device server to RFC 2217, or name it socket://%1 if it passes raw bytes</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001); keep socket://%1 as it is.</extracomment>
        <translation>%1 は RFC 2217 に対応していません: デバイスサーバーのそのポートを RFC 2217 に設定するか、生のバイトを渡すポートであれば socket://%1 と指定してください</translation>
    </message>
    <message>
        <source>%1 did not apply the line settings: check that its serial port supports the rate and 8 data bits, no parity, one stop bit</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 が回線設定を適用しませんでした: そのシリアルポートがこのボーレートと、データビット 8、パリティなし、ストップビット 1 に対応していることを確認してください</translation>
    </message>
    <message>
        <source>%1 is a raw TCP port: no break or rate reaches its line, so the search passes over it; connect to it at the rate its device server is set to</source>
        <extracomment>%1 is a port and its address: COM2 (socket://portserver:4001).</extracomment>
        <translation>%1 は raw TCP ポートです: ブレーク信号もボーレートも回線に届かないため、検索では対象外になります。デバイスサーバーに設定されたボーレートで接続してください</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: check the network and that the device server is on</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 への接続が切れました: ネットワークと、デバイスサーバーの電源が入っていることを確認してください</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service did not answer in time: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>名前 %1 を照会できませんでした: ネームサービスが時間内に応答しませんでした: このコンピューターのネットワーク接続を確認するか、デバイスサーバーの IP アドレスを指定してください</translation>
    </message>
    <message>
        <source>the name %1 could not be looked up: the name service could not be reached: check this computer&apos;s network connection, or give the device server&apos;s IP address</source>
        <extracomment>%1 is a device server&apos;s host name (portserver).</extracomment>
        <translation>名前 %1 を照会できませんでした: ネームサービスに到達できませんでした: このコンピューターのネットワーク接続を確認するか、デバイスサーバーの IP アドレスを指定してください</translation>
    </message>
    <message>
        <source>%1 sends data without pause: not an instrument at rest; check the address and the port of the device server</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 は絶え間なくデータを送信しています: 待機中の測定器ではありません。デバイスサーバーのアドレスとポートを確認してください</translation>
    </message>
    <message>
        <source>%1 closed the connection at once: another program is probably connected to it; close that program and try again</source>
        <extracomment>%1 is a device server&apos;s address (portserver:4001).</extracomment>
        <translation>%1 がすぐに接続を閉じました: 別のプログラムが接続している可能性があります。そのプログラムを閉じてから再試行してください</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>No serial port was chosen: choose one from the list of ports</source>
        <translation>シリアルポートが選択されていません: ポートの一覧から選択してください</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this computer</source>
        <extracomment>%1 is what the user gave as a port (COM5, /dev/ttyS9).</extracomment>
        <translation>%1 はこのコンピューターのシリアルポートではありません</translation>
    </message>
    <message>
        <source>%1 is not there: is the adapter plugged in?</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 が見つかりません: アダプターは接続されていますか？</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 what to do about it.</extracomment>
        <translation>%1 へのアクセスが拒否されました: %2</translation>
    </message>
    <message>
        <source>Permission denied on %1 (%2): %3</source>
        <extracomment>%1 is a device (/dev/ttyUSB0), %2 its port name (COM2), %3 what to do about it.</extracomment>
        <translation>%1 (%2) へのアクセスが拒否されました: %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 は別のプログラムが使用中です: そのプログラムを閉じてから再試行してください</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close it and try again</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the program that holds it: minicom (pid 4242).</extracomment>
        <translation>%1 は %2 が使用中です: そのプログラムを閉じてから再試行してください</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 はシリアルデバイスではありません</translation>
    </message>
    <message>
        <source>%1 is this program&apos;s own terminal: choose the port the instrument is on, or run the program from another terminal</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/pts/3).</extracomment>
        <translation>%1 はこのプログラム自身の端末です: 測定器が接続されたポートを選択するか、別の端末からプログラムを実行してください</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2).</extracomment>
        <translation>ポートの一覧を取得した後で %1 のデバイスが変わりました。新しいポートの一覧からポートを選び直してください</translation>
    </message>
    <message>
        <source>the device under %1 has changed since the ports were listed: %2; choose the port again from a new list of ports</source>
        <extracomment>%1 is a port name (COM2); %2 how its device changed: it was ..., it is now ...</extracomment>
        <translation>ポートの一覧を取得した後で %1 のデバイスが変わりました: %2。新しいポートの一覧からポートを選び直してください</translation>
    </message>
    <message>
        <source>%1 has gone: check that the device is plugged in and switched on</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0).</extracomment>
        <translation>%1 が見つからなくなりました: デバイスが接続され、電源が入っていることを確認してください</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the system&apos;s reason.</extracomment>
        <translation>%1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>data but no prompt at %1 baud on %2: the instrument may be set to another rate, or be streaming data (a search wakes it with a break)</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>%2 で %1 baud のデータを受信しましたが、プロンプトがありません: 測定器が別のボーレートに設定されているか、データを連続送信している可能性があります（検索ではブレーク信号で測定器を起こします）</translation>
    </message>
    <message>
        <source>no prompt at %1 baud on %2: check that the instrument is on, cabled and set to that rate</source>
        <extracomment>%1 is a baud rate (9600), %2 a port name (COM2).</extracomment>
        <translation>%2 で %1 baud のプロンプトがありません: 測定器の電源、ケーブルの接続、ボーレートの設定を確認してください</translation>
    </message>
    <message>
        <source>could not write to %1: %2: check the cable and the adapter</source>
        <extracomment>%1 is a port name (COM2), %2 the system&apos;s reason.</extracomment>
        <translation>%1 に書き込めませんでした: %2: ケーブルとアダプターを確認してください</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>%1 on %2</source>
        <extracomment>%1 is what the system says a device is (FTDI FT232R USB UART), %2 its path.</extracomment>
        <translation>%2 上の %1</translation>
    </message>
    <message>
        <source>the device must be %1</source>
        <extracomment>%1 is what a device path must be (an absolute path).</extracomment>
        <translation>デバイスは%1である必要があります</translation>
    </message>
    <message>
        <source>the device must be %1 or a name under %2</source>
        <extracomment>%1 is what a device path must be (an absolute path), %2 the network ports&apos; schemes (rfc2217://, socket://).</extracomment>
        <translation>デバイスは%1か、%2 で始まる名前である必要があります</translation>
    </message>
    <message>
        <source>(serial %1)</source>
        <extracomment>After a device&apos;s maker and product: %1 is its serial number.</extracomment>
        <translation>(シリアル番号 %1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: expected COMn=/dev/path</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: COMn=/dev/path の形式で指定してください</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the port name must be COM1 to COM32</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it.</extracomment>
        <translation>&apos;%1&apos;: ポート名は COM1～COM32 である必要があります</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 what is wrong with it.</extracomment>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 is given twice; the first one is kept</source>
        <extracomment>%1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 its port name (COM1).</extracomment>
        <translation>&apos;%1&apos;: %2 が 2 回指定されています。最初の指定を使用します</translation>
    </message>
    <message>
        <source>%1: skipping entry %2</source>
        <extracomment>%1 is BRINEVANE_PORTS, %2 what is wrong with one of its entries.</extracomment>
        <translation>%1: 次の項目をスキップします: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: this build of the program has no network ports: connect the instrument to a serial port of this computer</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; はネットワークポートのアドレスではありません: このビルドのプログラムはネットワークポートに対応していません: 測定器をこのコンピューターのシリアルポートに接続してください</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the address of a network port: give %2</source>
        <extracomment>%1 is what the user typed, %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>&apos;%1&apos; はネットワークポートのアドレスではありません: %2 を指定してください</translation>
    </message>
    <message>
        <source>every name from COM1 to COM32 is taken: the network port cannot be added</source>
        <translation>COM1～COM32 の名前はすべて使用済みです: ネットワークポートを追加できません</translation>
    </message>
    <message>
        <source>it was %1, which is no longer there</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>以前は %1 でしたが、現在はありません</translation>
    </message>
    <message>
        <source>it was %1, it is now %2</source>
        <extracomment>How a port&apos;s device changed: %1 is the device it was, %2 the one it is now (FTDI FT232R USB UART on /dev/ttyUSB0).</extracomment>
        <translation>以前は %1、現在は %2</translation>
    </message>
</context>
<context>
    <name>PortVerdict</name>
    <message>
        <source>something answers the break, slower than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the slowest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>%1 より遅いボーレートで何かがブレーク信号に応答しています: 測定器のボーレートを %2～%3 に設定してください</translation>
    </message>
    <message>
        <source>something answers the break, faster than %1: set the instrument to a rate from %2 to %3</source>
        <extracomment>%1 is the fastest rate searched; %2 to %3 are the rates searched (1200 to 115200).</extracomment>
        <translation>%1 より速いボーレートで何かがブレーク信号に応答しています: 測定器のボーレートを %2～%3 に設定してください</translation>
    </message>
    <message>
        <source>nothing came back at any rate: check that the instrument is on, that the cable is a straight RS-232 one (not null-modem) and that it is in this port&apos;s socket</source>
        <translation>どのボーレートでも応答がありません: 測定器の電源が入っていること、ケーブルが RS-232 ストレートケーブル（ヌルモデムではない）であること、このポートのコネクターに接続されていることを確認してください</translation>
    </message>
    <message>
        <source>another device answers at %1 baud and said &quot;%2&quot;: the instrument is not on this port</source>
        <extracomment>%1 is a baud rate, %2 the words the other device sent.</extracomment>
        <translation>%1 baud で別のデバイスが応答し、&quot;%2&quot; と送信しました: 測定器はこのポートにありません</translation>
    </message>
    <message>
        <source>bytes came whether or not a break was sent, never readable text: the line carries noise or a device that streams binary data; check the cable&apos;s ground and what is connected</source>
        <translation>ブレーク信号の有無にかかわらずバイトを受信しましたが、読める文字列ではありません: 回線にノイズがあるか、バイナリデータを連続送信するデバイスが接続されています。ケーブルのグラウンドと接続先を確認してください</translation>
    </message>
</context>
<context>
    <name>ProbeMain</name>
    <message>
        <source>COM1 to COM32, or a device path such as %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>COM1～COM32、または %1 のようなデバイスパス</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port such as %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 a network port&apos;s address (rfc2217://host:4001).</extracomment>
        <translation>COM1～COM32、%1 のようなデバイスパス、または %2 のようなネットワークポート</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two forms a network port&apos;s address may take (rfc2217://HOST:PORT).</extracomment>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>COM1 to COM32, a device path such as %1, or a network port: %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 the forms of a network port&apos;s address (rfc2217://HOST:PORT or socket://HOST:PORT).</extracomment>
        <translation>COM1～COM32、%1 のようなデバイスパス、またはネットワークポート: %2</translation>
    </message>
    <message>
        <source>No serial ports were found.</source>
        <translation>シリアルポートが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Watching for serial ports coming and going; Ctrl-C ends.</source>
        <translation>シリアルポートの接続と切断を監視しています。Ctrl-C で終了します。</translation>
    </message>
    <message>
        <source>device: %1</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0).</extracomment>
        <translation>デバイス: %1</translation>
    </message>
    <message>
        <source>device: %1, %2</source>
        <extracomment>%1 is a device path (/dev/ttyUSB0), %2 what the system says the device is.</extracomment>
        <translation>デバイス: %1, %2</translation>
    </message>
    <message>
        <source>instrument: %1</source>
        <extracomment>%1 is what the instrument said before its prompt.</extracomment>
        <translation>測定器: %1</translation>
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
        <translation>中断しました。</translation>
    </message>
    <message>
        <source>a command is required</source>
        <translation>コマンドが必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port name: use %2</source>
        <extracomment>%1 is what the user typed, %2 the forms a port may take.</extracomment>
        <translation>&apos;%1&apos; はポート名ではありません: %2 を使用してください</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a baud rate: give a number, such as 9600</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; はボーレートではありません: 9600 のような数値を指定してください</translation>
    </message>
    <message>
        <source>%1 baud is not a rate the serial port supports; use one of %2</source>
        <extracomment>%1 is the rate the user gave, %2 the list of rates (1200, 2400, ...).</extracomment>
        <translation>%1 baud はシリアルポートが対応していないボーレートです。%2 のいずれかを使用してください</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation>シリアルポート上の Brinevane ADCP を見つけ、応答することを確認します。</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>このヘルプを表示して終了します</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>バージョン情報を表示して終了します</translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr</source>
        <translation>ジョブの各通知（とトレース）を stderr に出力します</translation>
    </message>
    <message>
        <source>Write the result as one JSON object on stdout</source>
        <translation>結果を 1 つの JSON オブジェクトとして stdout に出力します</translation>
    </message>
    <message>
        <source>List the serial ports and the devices behind them</source>
        <translation>シリアルポートとその先のデバイスを一覧表示します</translation>
    </message>
    <message>
        <source>Then print each port as it comes and goes, until stopped</source>
        <translation>続けて、停止するまでポートの接続と切断を表示します</translation>
    </message>
    <message>
        <source>Try every port at every rate for the prompt</source>
        <translation>すべてのポートをすべてのボーレートで試し、プロンプトを探します</translation>
    </message>
    <message>
        <source>Search all ports at the same time</source>
        <translation>すべてのポートを同時に検索します</translation>
    </message>
    <message>
        <source>Try each port&apos;s likeliest rate first, read from what the rates tried heard</source>
        <translation>試したボーレートで受信した内容から、各ポートで最も可能性の高いボーレートを先に試します</translation>
    </message>
    <message>
        <source>Check that the instrument answers on a port</source>
        <translation>測定器がポートで応答することを確認します</translation>
    </message>
    <message>
        <source>Baud rate, for example 9600</source>
        <translation>ボーレート（例: 9600）</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>予期しないエラー</translation>
    </message>
    <message>
        <source>cannot write the result: %1</source>
        <extracomment>%1 is the system&apos;s reason (Broken pipe).</extracomment>
        <translation>結果を書き込めません: %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <extracomment>%1 is the name of the argument, as the help shows it: port, baud.</extracomment>
        <translation>%1 を指定してください</translation>
    </message>
    <message>
        <source>The following arguments were not expected: %1</source>
        <extracomment>%1 is what the user typed that no command or option takes (one word, or several).</extracomment>
        <translation>余分な引数があります: %1</translation>
    </message>
    <message>
        <source>The following argument was not expected: %1</source>
        <translation>余分な引数があります: %1</translation>
    </message>
</context>
<context>
    <name>ProbeUsage</name>
    <message>
        <source>COMMAND</source>
        <extracomment>The word for a command in the usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Usage</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>使い方</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>The usage line: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Positionals</source>
        <extracomment>The heading of a command&apos;s arguments (connect&apos;s port and baud).</extracomment>
        <translation>位置引数</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <extracomment>Said of an argument that must be given: port TEXT REQUIRED</extracomment>
        <translation>必須</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>The kind of value an argument takes: port TEXT REQUIRED</extracomment>
        <translation>文字列</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The heading of the options in --help.</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <extracomment>The heading of the commands in --help.</extracomment>
        <translation>サブコマンド</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; はオプションではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the option it is nearest to.</extracomment>
        <translation>&apos;%1&apos; はオプションではありません。%2 のことですか？</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&apos;%1&apos; はコマンドではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command; did you mean %2?</source>
        <extracomment>%1 is what the user typed, %2 the command it is nearest to.</extracomment>
        <translation>&apos;%1&apos; はコマンドではありません。%2 のことですか？</translation>
    </message>
    <message>
        <source>Usage: brinevane-probe [OPTIONS] COMMAND</source>
        <extracomment>Keep it as the usage line of --help reads: Usage: brinevane-probe [OPTIONS] COMMAND</extracomment>
        <translation>使い方: brinevane-probe [オプション] コマンド</translation>
    </message>
    <message>
        <source>Run &apos;brinevane-probe --help&apos; for usage.</source>
        <translation>使い方は &apos;brinevane-probe --help&apos; で確認してください。</translation>
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
例:
  brinevane-probe search             測定器を探し、ポートとボーレートを表示: COM2 19200
  brinevane-probe search --fast --parallel
                                     同上、全ポートを同時に、可能性の高いボーレートから
  brinevane-probe connect COM2 19200 そのポートで応答することを確認
  brinevane-probe connect rfc2217://portserver:4001 9600
                                     同上、シリアルデバイスサーバー経由
  brinevane-probe --json ports       ポートとそのデバイスを JSON で表示
  brinevane-probe help connect       コマンドの使い方

環境変数:
  BRINEVANE_PORTS                    コンピューター自身のポートの代わりに使うポート:
                                     COM1=/dev/ttyUSB0,COM2=rfc2217://HOST:PORT
                                     (空で設定した場合: ポートなし)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                                     メッセージの言語 (--json のときは英語)
</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>Connecting to %1...</source>
        <extracomment>%1 is the port and rate (COM2 at 19200 baud).</extracomment>
        <translation>%1 に接続中...</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud).</extracomment>
        <translation>%1 を検索中...</translation>
    </message>
    <message>
        <source>Searching %1 (%2)...</source>
        <extracomment>%1 is what is probed (COM2 at 19200 baud), %2 how far the search is (probe 3 of 16, about 30 s left).</extracomment>
        <translation>%1 を検索中 (%2)...</translation>
    </message>
</context>
<context>
    <name>SearchRecord</name>
    <message>
        <source>no serial port was found on this computer: connect the instrument and try again</source>
        <translation>このコンピューターにシリアルポートが見つかりませんでした: 測定器を接続して再試行してください</translation>
    </message>
    <message>
        <source>no prompt from %1 at any baud rate: check that the instrument is on and cabled</source>
        <extracomment>%1 is a port name (COM1) or a list of them (COM1, COM3).</extracomment>
        <translation>%1 からはどのボーレートでもプロンプトがありません: 測定器の電源とケーブルの接続を確認してください</translation>
    </message>
</context>
<context>
    <name>SearchUnit</name>
    <message>
        <source>no prompt from %1 at any baud rate</source>
        <extracomment>%1 is a port name (COM1).</extracomment>
        <translation>%1 からはどのボーレートでもプロンプトがありません</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>an absolute path</source>
        <extracomment>What a device path must be: the device must be an absolute path.</extracomment>
        <translation>絶対パス</translation>
    </message>
    <message>
        <source>add your user to the &apos;%1&apos; group, then log in again</source>
        <extracomment>What to do when a device may not be opened; %1 is the device&apos;s group (dialout).</extracomment>
        <translation>ユーザーを &apos;%1&apos; グループに追加してから、ログインし直してください</translation>
    </message>
    <message>
        <source>ask an administrator for read and write access to it</source>
        <translation>管理者に読み書きのアクセス権を依頼してください</translation>
    </message>
    <message>
        <source>a device name such as \\.\COM3</source>
        <extracomment>What a device path must be: the device must be a device name such as \.COM3.</extracomment>
        <translation>\\.\COM3 のようなデバイス名</translation>
    </message>
    <message>
        <source>ask an administrator for access to it</source>
        <extracomment>What to do when a device may not be opened.</extracomment>
        <translation>管理者にアクセス権を依頼してください</translation>
    </message>
</context>
<context>
    <name>WizardStrings</name>
    <message>
        <source>&amp;About Brinevane Setup...</source>
        <translation>Brinevane Setup のバージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>About Brinevane Setup</source>
        <translation>Brinevane Setup のバージョン情報</translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port.</source>
        <translation>シリアルポート上の Brinevane ADCP を見つけます。</translation>
    </message>
    <message>
        <source>Copyright 2026 the Brinevane Setup authors</source>
        <translation>Copyright 2026 Brinevane Setup の作者</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: see the LICENSE file.</source>
        <translation>MIT ライセンスのフリーソフトウェアです。LICENSE ファイルを参照してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Welcome to Brinevane Setup</source>
        <translation>Brinevane Setup へようこそ</translation>
    </message>
    <message>
        <source>This wizard finds your Brinevane ADCP on a serial port and checks that it answers.

Press &apos;Next&apos; to let the wizard search every serial port at every baud rate, or tick the box below to give the port settings yourself.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>このウィザードは、シリアルポート上の Brinevane ADCP を見つけ、応答することを確認します。

「次へ」を押すと、すべてのシリアルポートをすべてのボーレートで検索します。ポートの設定を自分で指定する場合は、下のチェックボックスをオンにしてください。</translation>
    </message>
    <message>
        <source>Demo:</source>
        <translation>デモ:</translation>
    </message>
    <message>
        <source>the instrument is simulated by brinevane-sim on a pseudo-terminal; no real Brinevane ADCP is used.</source>
        <extracomment>Follows &quot;Demo:&quot; in bold.</extracomment>
        <translation>測定器は疑似端末上の brinevane-sim によるシミュレーションです。実際の Brinevane ADCP は使用しません。</translation>
    </message>
    <message>
        <source>I would like to &amp;specify the port settings.</source>
        <translation>ポートの設定を自分で指定する(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quick search: all ports at once, the likeliest baud rate first</source>
        <translation>クイック検索(&amp;Q): 全ポートを同時に、可能性の高いボーレートから</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>通信設定</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Serial &amp;Port:</source>
        <translation>シリアルポート(&amp;P):</translation>
    </message>
    <message>
        <source>Baud &amp;Rate:</source>
        <translation>ボーレート(&amp;R):</translation>
    </message>
    <message>
        <source>The settings shown at left will be used to communicate with the Brinevane.  Press &apos;Next&apos; to continue.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation>左に表示された設定で Brinevane と通信します。「次へ」を押して続行してください。</translation>
    </message>
    <message>
        <source>A&amp;dd network port...</source>
        <translation>ネットワークポートの追加(&amp;D)...</translation>
    </message>
    <message>
        <source>Add network port</source>
        <translation>ネットワークポートの追加</translation>
    </message>
    <message>
        <source>The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT for one that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT.</source>
        <translation>シリアルデバイスサーバーのポート: rfc2217://HOST:PORT (生のバイトを渡すサーバーでは socket://HOST:PORT)。HOST:PORT のみの場合は rfc2217://HOST:PORT とみなします。</translation>
    </message>
    <message>
        <source>The network port was not added.</source>
        <translation>ネットワークポートは追加されませんでした。</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>おめでとうございます！</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>次へ(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>&apos;Finish&apos; in &quot;Press &apos;Finish&apos; to close the wizard.&quot; quotes this button.</extracomment>
        <translation>完了(&amp;F)</translation>
    </message>
</context>
</TS>
