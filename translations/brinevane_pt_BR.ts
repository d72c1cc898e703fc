<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CWizardApp</name>
    <message>
        <source>Qt&apos;s options (see the Qt documentation):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port and checks that it answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write each job notification (and the trace) to stderr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say on the first page that the instrument is simulated (brinevane-sim).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; for usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the wizard cannot open a window. Run it from a desktop session, or use brinevane-probe on a terminal.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>own terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not resolved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lookup failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not rfc2217</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setting refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raw tcp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another device at %1 baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answers at a rate not searched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(search: %1)</source>
        <extracomment>What the last search made of a port, beside it in the port list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has gone: plug its adapter in again, or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <source>, serial %1</source>
        <extracomment>After the adapter&apos;s maker and product: its serial number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Brinevane ADCP answered on %1 at %2 baud.</source>
        <extracomment>%1 is the port with its device, &quot;COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)&quot;; %2 the rate, &quot;19200&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It said: %1</source>
        <extracomment>%1 is what the instrument wrote before its prompt, as it wrote it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The baud rate %1.</source>
        <extracomment>%1 says why, &quot;19200 was not applied: COM5 passes raw bytes, and its device server sets the line&apos;s rate&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &apos;Finish&apos; to close the wizard.</source>
        <extracomment>&apos;Finish&apos; is the wizard&apos;s button &quot;&amp;Finish&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A port&apos;s name, then what its line did and what to do.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WizardStrings</name>
    <message>
        <source>&amp;About Brinevane Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Brinevane Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds a Brinevane ADCP on a serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright 2026 the Brinevane Setup authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the MIT licence: see the LICENSE file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Brinevane Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This wizard finds your Brinevane ADCP on a serial port and checks that it answers.

Press &apos;Next&apos; to let the wizard search every serial port at every baud rate, or tick the box below to give the port settings yourself.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the instrument is simulated by brinevane-sim on a pseudo-terminal; no real Brinevane ADCP is used.</source>
        <extracomment>Follows &quot;Demo:&quot; in bold.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I would like to &amp;specify the port settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick search: all ports at once, the likeliest baud rate first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial &amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud &amp;Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings shown at left will be used to communicate with the Brinevane.  Press &apos;Next&apos; to continue.</source>
        <extracomment>&apos;Next&apos; is the wizard&apos;s button &quot;&amp;Next &gt;&quot;: quote it as the button reads in your language, without its &quot;&amp;&quot; and &quot;&gt;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd network port...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add network port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT for one that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network port was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>&apos;Finish&apos; in &quot;Press &apos;Finish&apos; to close the wizard.&quot; quotes this button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
