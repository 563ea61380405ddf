<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
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
        <translation>Ostatní programy se k ovladači nemohou připojit: %1</translation>
    </message>
</context>
<context>
    <name>driver::PortListInfo</name>
    <message>
        <source>no device</source>
        <translation>žádné zařízení</translation>
    </message>
</context>
<context>
    <name>driver::PortProblem</name>
    <message>
        <source>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</source>
        <translation>Váš uživatelský účet nesmí toto zařízení používat. Přidejte jej do skupiny &quot;dialout&quot; (sudo usermod -aG dialout $USER), pak se odhlaste a znovu přihlaste.</translation>
    </message>
    <message>
        <source>Another program is using the port. Close that program or choose another port.</source>
        <translation>Port používá jiný program. Ukončete tento program nebo zvolte jiný port.</translation>
    </message>
    <message>
        <source>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</source>
        <extracomment>%1 the port name (COM3), %2 the settings file.</extracomment>
        <translation>Připojte modem, nebo přiřaďte %1 jeho zařízení v oddílu [Ports] souboru %2 (například %1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The device is not a serial port. Check the [Ports] section of %1.</source>
        <extracomment>%1 the settings file.</extracomment>
        <translation>Zařízení není sériový port. Zkontrolujte oddíl [Ports] souboru %1.</translation>
    </message>
    <message>
        <source>This port cannot be used!</source>
        <translation>Tento port nelze použít!</translation>
    </message>
    <message>
        <source>no serial device goes by this name</source>
        <translation>žádné sériové zařízení tohoto jména neexistuje</translation>
    </message>
</context>
<context>
    <name>driver::ReplyLine</name>
    <message>
        <source>Command</source>
        <translation>Příkaz</translation>
    </message>
    <message>
        <source>Polling address</source>
        <translation>Polling adresa</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Odpověď</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Stav přístroje</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Doručené odpovědi</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Řádek %1</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Bajt %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Jednotka %1</translation>
    </message>
    <message>
        <source>Float %1</source>
        <translation>Reálné číslo %1</translation>
    </message>
    <message>
        <source>Packed text %1</source>
        <translation>Text Packed ASCII %1</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <translation>Celé číslo %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Výrobce</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Typ přístroje</translation>
    </message>
    <message>
        <source>Preambles</source>
        <translation>Počet preambulí</translation>
    </message>
    <message>
        <source>HART revision</source>
        <translation>Revize HART</translation>
    </message>
    <message>
        <source>Device revision</source>
        <translation>Revize přístroje</translation>
    </message>
    <message>
        <source>Software revision</source>
        <translation>Revize softwaru</translation>
    </message>
    <message>
        <source>Hardware revision</source>
        <translation>Revize hardwaru</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Příznaky</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID přístroje</translation>
    </message>
    <message>
        <source>Loop current</source>
        <translation>Proud smyčky</translation>
    </message>
    <message>
        <source>Percent of range</source>
        <translation>Procento rozsahu</translation>
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
        <translation>Jednotka PV</translation>
    </message>
    <message>
        <source>SV unit</source>
        <translation>Jednotka SV</translation>
    </message>
    <message>
        <source>TV unit</source>
        <translation>Jednotka TV</translation>
    </message>
    <message>
        <source>QV unit</source>
        <translation>Jednotka QV</translation>
    </message>
    <message>
        <source>PV variable</source>
        <translation>Proměnná pro PV</translation>
    </message>
    <message>
        <source>SV variable</source>
        <translation>Proměnná pro SV</translation>
    </message>
    <message>
        <source>TV variable</source>
        <translation>Proměnná pro TV</translation>
    </message>
    <message>
        <source>QV variable</source>
        <translation>Proměnná pro QV</translation>
    </message>
    <message>
        <source>PV damping</source>
        <translation>Tlumení PV</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Zpráva</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Unit tag</source>
        <translation>Tag jednotky</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Final assembly number</source>
        <translation>Číslo finální montáže</translation>
    </message>
    <message>
        <source>Transducer serial number</source>
        <translation>Výrobní číslo snímače</translation>
    </message>
    <message>
        <source>Transducer limits unit</source>
        <translation>Jednotka mezí snímače</translation>
    </message>
    <message>
        <source>Upper transducer limit</source>
        <translation>Horní mez snímače</translation>
    </message>
    <message>
        <source>Lower transducer limit</source>
        <translation>Dolní mez snímače</translation>
    </message>
    <message>
        <source>Sensor serial number</source>
        <translation>Výrobní číslo senzoru</translation>
    </message>
    <message>
        <source>Sensor limits unit</source>
        <translation>Jednotka mezí senzoru</translation>
    </message>
    <message>
        <source>Upper sensor limit</source>
        <translation>Horní mez senzoru</translation>
    </message>
    <message>
        <source>Lower sensor limit</source>
        <translation>Dolní mez senzoru</translation>
    </message>
    <message>
        <source>Minimum span</source>
        <translation>Minimální rozpětí</translation>
    </message>
    <message>
        <source>Alarm selection</source>
        <translation>Volba alarmu</translation>
    </message>
    <message>
        <source>Alarm selection code</source>
        <translation>Kód volby alarmu</translation>
    </message>
    <message>
        <source>Transfer function</source>
        <translation>Přenosová funkce</translation>
    </message>
    <message>
        <source>Range unit</source>
        <translation>Jednotka rozsahu</translation>
    </message>
    <message>
        <source>Upper range value</source>
        <translation>Horní hodnota rozsahu</translation>
    </message>
    <message>
        <source>Lower range value</source>
        <translation>Dolní hodnota rozsahu</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Tlumení</translation>
    </message>
    <message>
        <source>Write protect</source>
        <translation>Ochrana proti zápisu</translation>
    </message>
    <message>
        <source>Private label distributor</source>
        <translation>Distributor (privátní značka)</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Proměnná %1</translation>
    </message>
    <message>
        <source>Variable %1 code</source>
        <translation>Kód proměnné %1</translation>
    </message>
    <message>
        <source>Variable %1 unit</source>
        <translation>Jednotka proměnné %1</translation>
    </message>
    <message>
        <source>Device variable</source>
        <translation>Proměnná přístroje</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>EEPROM control code</source>
        <translation>Řídicí kód EEPROM</translation>
    </message>
    <message>
        <source>Fixed current</source>
        <translation>Pevný proud</translation>
    </message>
    <message>
        <source>Measured current</source>
        <translation>Naměřený proud</translation>
    </message>
    <message>
        <source>Status bytes %1</source>
        <translation>Stavové bajty %1</translation>
    </message>
    <message>
        <source>Status byte %1</source>
        <translation>Stavový bajt %1</translation>
    </message>
    <message>
        <source>Analog channel</source>
        <translation>Analogový kanál</translation>
    </message>
    <message>
        <source>Analog channel unit</source>
        <translation>Jednotka analogového kanálu</translation>
    </message>
    <message>
        <source>Analog channel level</source>
        <translation>Úroveň analogového kanálu</translation>
    </message>
    <message>
        <source>Channel unit</source>
        <translation>Jednotka kanálu</translation>
    </message>
    <message>
        <source>Channel level</source>
        <translation>Úroveň kanálu</translation>
    </message>
    <message>
        <source>Channel %1 number</source>
        <translation>Číslo kanálu %1</translation>
    </message>
    <message>
        <source>Channel %1 unit</source>
        <translation>Jednotka kanálu %1</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Úroveň kanálu %1</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Úroveň</translation>
    </message>
    <message>
        <source>Endpoint unit</source>
        <translation>Jednotka koncových bodů</translation>
    </message>
    <message>
        <source>Upper endpoint</source>
        <translation>Horní koncový bod</translation>
    </message>
    <message>
        <source>Lower endpoint</source>
        <translation>Dolní koncový bod</translation>
    </message>
    <message>
        <source>Burst variable %1</source>
        <translation>Proměnná burst %1</translation>
    </message>
    <message>
        <source>Burst command</source>
        <translation>Příkaz burst</translation>
    </message>
    <message>
        <source>Burst mode</source>
        <translation>Režim burst</translation>
    </message>
</context>
<context>
    <name>driver::THalvaneForm</name>
    <message>
        <source>with DDE interface</source>
        <translation>s rozhraním DDE</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>verze %1</translation>
    </message>
    <message>
        <source>Primary Master</source>
        <translation>Primární master</translation>
    </message>
    <message>
        <source>Secondary Master</source>
        <translation>Sekundární master</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no port</comment>
        <translation>žádný</translation>
    </message>
    <message>
        <source>Port Status:</source>
        <translation>Stav portu:</translation>
    </message>
    <message>
        <source>Manual commands</source>
        <translation>Ruční příkazy</translation>
    </message>
    <message>
        <source>Odesilat dokola</source>
        <extracomment>The repeat box: &quot;send repeatedly&quot; (the built-in caption is Czech).</extracomment>
        <translation>Odesílat dokola</translation>
    </message>
    <message>
        <source>Send Command</source>
        <translation>Odeslat příkaz</translation>
    </message>
    <message>
        <source>Frames sent</source>
        <translation>Odeslané rámce</translation>
    </message>
    <message>
        <source>Receive events</source>
        <translation>Události příjmu</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Doručené odpovědi</translation>
    </message>
    <message>
        <source>Show Panel</source>
        <translation>Zobrazit panel</translation>
    </message>
    <message>
        <source>Close Halvane</source>
        <translation>Ukončit Halvane</translation>
    </message>
    <message>
        <source>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</source>
        <translation>Chybí oznamovací oblast: zavření okno minimalizuje. Pravým tlačítkem na okno: „%1“.</translation>
    </message>
    <message>
        <source>No HART Modem Connected!</source>
        <translation>Není připojen žádný HART modem!</translation>
    </message>
    <message>
        <source>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</source>
        <translation>HART modem nebyl rozpoznán!<byte value="xd"/>
Opravdu chcete tento port použít?</translation>
    </message>
    <message>
        <source>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</source>
        <translation>Opravdu chcete ukončit Halvane?<byte value="xd"/>
Ostatní programy pak nebudou moci komunikovat s přístroji HART!</translation>
    </message>
    <message>
        <source>gone</source>
        <extracomment>The port status when the port&apos;s device went away.</extracomment>
        <translation>odpojen</translation>
    </message>
    <message>
        <source>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</source>
        <translation>Zařízení portu %1 (%2) zmizelo. Halvane je po návratu samo znovu otevře; do té doby každý příkaz odpoví „Communication Error!“.</translation>
    </message>
    <message>
        <source>Halvane: %1 gone</source>
        <translation>Halvane: %1 odpojen</translation>
    </message>
</context>
</TS>
