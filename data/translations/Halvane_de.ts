<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>driver::CodeTables</name>
    <message>
        <source>%1</source>
        <extracomment>UnknownCodePrefix: the text of a code the table file has no name for, %1 standing for its number. Keep it &quot;%1&quot;: other programs take a bare number for &quot;no name&quot;.</extracomment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>driver::DriverProgram</name>
    <message>
        <source>Other programs cannot reach the driver: %1</source>
        <translation>Andere Programme können den Treiber nicht erreichen: %1</translation>
    </message>
</context>
<context>
    <name>driver::PortListInfo</name>
    <message>
        <source>no device</source>
        <translation>kein Gerät</translation>
    </message>
</context>
<context>
    <name>driver::PortProblem</name>
    <message>
        <source>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</source>
        <translation>Ihr Benutzerkonto darf dieses Gerät nicht verwenden. Fügen Sie es der Gruppe &quot;dialout&quot; hinzu (sudo usermod -aG dialout $USER), und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Another program is using the port. Close that program or choose another port.</source>
        <translation>Ein anderes Programm verwendet den Port. Schließen Sie dieses Programm oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</source>
        <extracomment>%1 the port name (COM3), %2 the settings file.</extracomment>
        <translation>Schließen Sie das Modem an, oder ordnen Sie %1 im Abschnitt [Ports] von %2 sein Gerät zu (zum Beispiel %1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The device is not a serial port. Check the [Ports] section of %1.</source>
        <extracomment>%1 the settings file.</extracomment>
        <translation>Das Gerät ist keine serielle Schnittstelle. Prüfen Sie den Abschnitt [Ports] von %1.</translation>
    </message>
    <message>
        <source>This port cannot be used!</source>
        <translation>Dieser Port kann nicht verwendet werden!</translation>
    </message>
    <message>
        <source>no serial device goes by this name</source>
        <translation>kein serielles Gerät trägt diesen Namen</translation>
    </message>
</context>
<context>
    <name>driver::ReplyLine</name>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Polling address</source>
        <translation>Polling-Adresse</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Gerätestatus</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Zugestellte Antworten</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Einheit %1</translation>
    </message>
    <message>
        <source>Float %1</source>
        <translation>Gleitkommazahl %1</translation>
    </message>
    <message>
        <source>Packed text %1</source>
        <translation>Packed-ASCII-Text %1</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <translation>Ganzzahl %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <source>Preambles</source>
        <translation>Präambeln</translation>
    </message>
    <message>
        <source>HART revision</source>
        <translation>HART-Revision</translation>
    </message>
    <message>
        <source>Device revision</source>
        <translation>Geräterevision</translation>
    </message>
    <message>
        <source>Software revision</source>
        <translation>Softwarerevision</translation>
    </message>
    <message>
        <source>Hardware revision</source>
        <translation>Hardwarerevision</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <source>Loop current</source>
        <translation>Schleifenstrom</translation>
    </message>
    <message>
        <source>Percent of range</source>
        <translation>Prozent des Messbereichs</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>SV</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>QV</source>
        <translation>QV</translation>
    </message>
    <message>
        <source>PV unit</source>
        <translation>PV-Einheit</translation>
    </message>
    <message>
        <source>SV unit</source>
        <translation>SV-Einheit</translation>
    </message>
    <message>
        <source>TV unit</source>
        <translation>TV-Einheit</translation>
    </message>
    <message>
        <source>QV unit</source>
        <translation>QV-Einheit</translation>
    </message>
    <message>
        <source>PV variable</source>
        <translation>Variable für PV</translation>
    </message>
    <message>
        <source>SV variable</source>
        <translation>Variable für SV</translation>
    </message>
    <message>
        <source>TV variable</source>
        <translation>Variable für TV</translation>
    </message>
    <message>
        <source>QV variable</source>
        <translation>Variable für QV</translation>
    </message>
    <message>
        <source>PV damping</source>
        <translation>PV-Dämpfung</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Messstellenbezeichnung</translation>
    </message>
    <message>
        <source>Unit tag</source>
        <translation>Anlagenbezeichnung</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Final assembly number</source>
        <translation>Endmontagenummer</translation>
    </message>
    <message>
        <source>Transducer serial number</source>
        <translation>Seriennummer des Aufnehmers</translation>
    </message>
    <message>
        <source>Transducer limits unit</source>
        <translation>Einheit der Aufnehmergrenzen</translation>
    </message>
    <message>
        <source>Upper transducer limit</source>
        <translation>Obere Aufnehmergrenze</translation>
    </message>
    <message>
        <source>Lower transducer limit</source>
        <translation>Untere Aufnehmergrenze</translation>
    </message>
    <message>
        <source>Sensor serial number</source>
        <translation>Seriennummer des Sensors</translation>
    </message>
    <message>
        <source>Sensor limits unit</source>
        <translation>Einheit der Sensorgrenzen</translation>
    </message>
    <message>
        <source>Upper sensor limit</source>
        <translation>Obere Sensorgrenze</translation>
    </message>
    <message>
        <source>Lower sensor limit</source>
        <translation>Untere Sensorgrenze</translation>
    </message>
    <message>
        <source>Minimum span</source>
        <translation>Minimale Messspanne</translation>
    </message>
    <message>
        <source>Alarm selection</source>
        <translation>Alarmverhalten</translation>
    </message>
    <message>
        <source>Alarm selection code</source>
        <translation>Code des Alarmverhaltens</translation>
    </message>
    <message>
        <source>Transfer function</source>
        <translation>Übertragungsfunktion</translation>
    </message>
    <message>
        <source>Range unit</source>
        <translation>Messbereichseinheit</translation>
    </message>
    <message>
        <source>Upper range value</source>
        <translation>Messbereichsende</translation>
    </message>
    <message>
        <source>Lower range value</source>
        <translation>Messbereichsanfang</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Dämpfung</translation>
    </message>
    <message>
        <source>Write protect</source>
        <translation>Schreibschutz</translation>
    </message>
    <message>
        <source>Private label distributor</source>
        <translation>Vertreiber (Private Label)</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Variable %1</translation>
    </message>
    <message>
        <source>Variable %1 code</source>
        <translation>Code der Variable %1</translation>
    </message>
    <message>
        <source>Variable %1 unit</source>
        <translation>Einheit der Variable %1</translation>
    </message>
    <message>
        <source>Device variable</source>
        <translation>Gerätevariable</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>EEPROM control code</source>
        <translation>EEPROM-Steuercode</translation>
    </message>
    <message>
        <source>Fixed current</source>
        <translation>Fester Ausgangsstrom</translation>
    </message>
    <message>
        <source>Measured current</source>
        <translation>Gemessener Strom</translation>
    </message>
    <message>
        <source>Status bytes %1</source>
        <translation>Statusbytes %1</translation>
    </message>
    <message>
        <source>Status byte %1</source>
        <translation>Statusbyte %1</translation>
    </message>
    <message>
        <source>Analog channel</source>
        <translation>Analogkanal</translation>
    </message>
    <message>
        <source>Analog channel unit</source>
        <translation>Einheit des Analogkanals</translation>
    </message>
    <message>
        <source>Analog channel level</source>
        <translation>Pegel des Analogkanals</translation>
    </message>
    <message>
        <source>Channel unit</source>
        <translation>Kanaleinheit</translation>
    </message>
    <message>
        <source>Channel level</source>
        <translation>Kanalpegel</translation>
    </message>
    <message>
        <source>Channel %1 number</source>
        <translation>Nummer von Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1 unit</source>
        <translation>Einheit von Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Pegel von Kanal %1</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Endpoint unit</source>
        <translation>Einheit der Endwerte</translation>
    </message>
    <message>
        <source>Upper endpoint</source>
        <translation>Oberer Endwert</translation>
    </message>
    <message>
        <source>Lower endpoint</source>
        <translation>Unterer Endwert</translation>
    </message>
    <message>
        <source>Burst variable %1</source>
        <translation>Burst-Variable %1</translation>
    </message>
    <message>
        <source>Burst command</source>
        <translation>Burst-Befehl</translation>
    </message>
    <message>
        <source>Burst mode</source>
        <translation>Burst-Modus</translation>
    </message>
</context>
<context>
    <name>driver::THalvaneForm</name>
    <message>
        <source>with DDE interface</source>
        <translation>mit DDE-Schnittstelle</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Primary Master</source>
        <translation>Primärer Master</translation>
    </message>
    <message>
        <source>Secondary Master</source>
        <translation>Sekundärer Master</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no port</comment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Port Status:</source>
        <translation>Portstatus:</translation>
    </message>
    <message>
        <source>Manual commands</source>
        <translation>Manuelle Befehle</translation>
    </message>
    <message>
        <source>Odesilat dokola</source>
        <extracomment>The repeat box: &quot;send repeatedly&quot; (the built-in caption is Czech).</extracomment>
        <translation>Wiederholt senden</translation>
    </message>
    <message>
        <source>Send Command</source>
        <translation>Befehl senden</translation>
    </message>
    <message>
        <source>Frames sent</source>
        <translation>Gesendete Telegramme</translation>
    </message>
    <message>
        <source>Receive events</source>
        <translation>Empfangsereignisse</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Zugestellte Antworten</translation>
    </message>
    <message>
        <source>Show Panel</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Close Halvane</source>
        <translation>Halvane beenden</translation>
    </message>
    <message>
        <source>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</source>
        <translation>Kein Infobereich: Schließen minimiert dieses Fenster. Rechtsklick darauf für „%1“.</translation>
    </message>
    <message>
        <source>No HART Modem Connected!</source>
        <translation>Kein HART-Modem angeschlossen!</translation>
    </message>
    <message>
        <source>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</source>
        <translation>Kein HART-Modem erkannt!<byte value="xd"/>
Möchten Sie diesen Port wirklich verwenden?</translation>
    </message>
    <message>
        <source>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</source>
        <translation>Möchten Sie Halvane wirklich beenden?<byte value="xd"/>
Andere Programme können dann nicht mehr mit HART-Geräten kommunizieren!</translation>
    </message>
    <message>
        <source>gone</source>
        <extracomment>The port status when the port&apos;s device went away.</extracomment>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</source>
        <translation>Das Gerät von %1 (%2) ist verschwunden. Halvane öffnet es von selbst wieder, sobald es zurückkommt; bis dahin endet jeder Befehl mit „Communication Error!“.</translation>
    </message>
    <message>
        <source>Halvane: %1 gone</source>
        <translation>Halvane: %1 getrennt</translation>
    </message>
</context>
</TS>
