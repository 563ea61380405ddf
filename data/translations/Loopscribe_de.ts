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
    <name>logger::ChartWindow</name>
    <message>
        <source>Output Current</source>
        <translation>Ausgangsstrom</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Primärvariable</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Sekundärvariable</translation>
    </message>
    <message>
        <source>Third Variable</source>
        <translation>Tertiärvariable</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Quartärvariable</translation>
    </message>
</context>
<context>
    <name>logger::MonitorTexts</name>
    <message>
        <source>Polling Adress</source>
        <translation>Polling-Adresse</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
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
        <source>FV</source>
        <translation>FV</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Time Out!</source>
        <translation>Zeitüberschreitung!</translation>
    </message>
    <message>
        <source>HART Transmitter not found!</source>
        <translation>HART-Messumformer nicht gefunden!</translation>
    </message>
    <message>
        <source>Monitor started at </source>
        <translation>Überwachung gestartet am </translation>
    </message>
    <message>
        <source>Monitor stoped at </source>
        <translation>Überwachung beendet am </translation>
    </message>
    <message>
        <source>Cannot save to file!</source>
        <translation>Speichern in Datei nicht möglich!</translation>
    </message>
    <message>
        <source>Reply line %1 is missing!</source>
        <translation>Antwortzeile %1 fehlt!</translation>
    </message>
    <message>
        <source>Reply line %1 is not a number: %2</source>
        <translation>Antwortzeile %1 ist keine Zahl: %2</translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Einheiten: </translation>
    </message>
    <message>
        <source>Sending cmd </source>
        <translation>Sende Befehl </translation>
    </message>
    <message>
        <source>Cmd sending failed.</source>
        <translation>Senden des Befehls fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Command ready.</source>
        <translation>Befehl fertig.</translation>
    </message>
    <message>
        <source>Monitor finished</source>
        <translation>Überwachung beendet</translation>
    </message>
    <message>
        <source>Halvane not found!<byte value="xd"/>
Cannot start monitor!</source>
        <translation>Halvane nicht gefunden!<byte value="xd"/>
Überwachung kann nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Befehl nicht ausgeführt, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Kommunikationsfehler!</translation>
    </message>
    <message>
        <source>Command Error!</source>
        <translation>Befehlsfehler!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Ausnahme in DoMacro.</translation>
    </message>
    <message>
        <source>Monitor has been interrupted!</source>
        <translation>Überwachung wurde unterbrochen!</translation>
    </message>
    <message>
        <source>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</source>
        <translation>Datei existiert bereits!<byte value="xd"/>
Möchten Sie die Datei wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</source>
        <translation>Verzeichnis kann nicht angelegt werden!<byte value="xd"/>
Überwachung wurde unterbrochen!</translation>
    </message>
    <message>
        <source>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</source>
        <translation>Protokolldatei kann nicht angelegt werden!<byte value="xd"/>
Überwachung unterbrochen.</translation>
    </message>
    <message>
        <source>Do you really want to clear screen?</source>
        <translation>Möchten Sie die Anzeige wirklich löschen?</translation>
    </message>
    <message>
        <source>Cannot terminate driver!</source>
        <translation>Treiber kann nicht beendet werden!</translation>
    </message>
</context>
<context>
    <name>logger::TfChart</name>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>automaticky</source>
        <extracomment>The Czech built-in caption of the secondary variable&apos;s automatic Min Y: &quot;automatic&quot;.</extracomment>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Max points (%1)</source>
        <translation>Max. Punkte (%1)</translation>
    </message>
    <message>
        <source>Max points</source>
        <translation>Max. Punkte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation>Max. Y</translation>
    </message>
    <message>
        <source>submit</source>
        <translation>eingeben</translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation>Min. Y</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Max Point</source>
        <translation>Max. Punkte</translation>
    </message>
    <message>
        <source>Max of Y axis</source>
        <translation>Maximum der Y-Achse</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>Achsenmaximum muss &gt;= Minimum sein</translation>
    </message>
    <message>
        <source>Min of Y axis</source>
        <translation>Minimum der Y-Achse</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Achsenminimum muss &lt;= Maximum sein</translation>
    </message>
</context>
<context>
    <name>logger::TfMain</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Show Graph</source>
        <translation>&amp;Diagramm anzeigen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Monitor Settings</source>
        <translation>Überwachungseinstellungen</translation>
    </message>
    <message>
        <source>Close driver when Loopscribe exits</source>
        <translation>Treiber beim Beenden von Loopscribe schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Show Loopscribe</source>
        <translation>Loopscribe anzeigen</translation>
    </message>
    <message>
        <source>Close Loopscribe</source>
        <translation>Loopscribe beenden</translation>
    </message>
    <message>
        <source>Do You really want to exit Loopscribe?</source>
        <translation>Möchten Sie Loopscribe wirklich beenden?</translation>
    </message>
    <message>
        <source>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</source>
        <translation>Die Überwachung läuft!<byte value="xd"/>
Das Programm wird ausgeblendet (Überwachung im Hintergrund).</translation>
    </message>
    <message>
        <source>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</source>
        <translation>Die Einstellungen können nicht gespeichert werden; die Änderungen dieses Laufs gehen verloren.<byte value="xd"/>
Prüfen Sie, ob der Einstellungsordner beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>logger::TfOprogramu</name>
    <message>
        <source>Loopscribe for Windows®</source>
        <translation>Loopscribe für Windows®</translation>
    </message>
    <message>
        <source>Loopscribe for Linux</source>
        <translation>Loopscribe für Linux</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Part of Halvane, the HART driver and tools</source>
        <translation>Teil von Halvane, HART-Treiber und Tools</translation>
    </message>
    <message>
        <source>User guide: docs/loopscribe.md</source>
        <translation>Anleitung: docs/loopscribe.md</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>logger::TfOptions</name>
    <message>
        <source>Monitor Settings</source>
        <translation>Überwachungseinstellungen</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>Abfrage:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Interval [s]:</source>
        <translation>Intervall [s]:</translation>
    </message>
    <message>
        <source>Multidrop max. address:</source>
        <translation>Max. Multidrop-Adresse:</translation>
    </message>
    <message>
        <source>Save record to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Append file</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Rewrite file</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save monitored LOG as ...</source>
        <translation>Überwachungsprotokoll speichern unter ...</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no time stamp</comment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No Warn</source>
        <translation>Keine Warnung</translation>
    </message>
    <message>
        <source>Timeout Only</source>
        <translation>Nur Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Status Only</source>
        <translation>Nur Status</translation>
    </message>
    <message>
        <source>All Errors</source>
        <translation>Alle Fehler</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>By System</source>
        <translation>Systemvorgabe</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Anzahl der Nachkommastellen</translation>
    </message>
    <message>
        <source>auto</source>
        <comment>decimal places</comment>
        <translation>auto</translation>
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
        <source>Parameters cannot be changed while monitor is running!</source>
        <translation>Parameter können während der Überwachung nicht geändert werden!</translation>
    </message>
    <message>
        <source>Cannot create directory for LOG file!</source>
        <translation>Verzeichnis für die Protokolldatei kann nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Min value is 2 sec!</source>
        <translation>Mindestwert ist 2 s!</translation>
    </message>
    <message>
        <source>Logs (*.log);;All Files (*)</source>
        <translation>Protokolle (*.log);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
</context>
</TS>
