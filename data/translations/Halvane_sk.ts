<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušiť</translation>
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
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Án&amp;o</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
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
        <translation>Ostatné programy sa k ovládaču nemôžu pripojiť: %1</translation>
    </message>
</context>
<context>
    <name>driver::PortListInfo</name>
    <message>
        <source>no device</source>
        <translation>žiadne zariadenie</translation>
    </message>
</context>
<context>
    <name>driver::PortProblem</name>
    <message>
        <source>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</source>
        <translation>Váš používateľský účet nesmie toto zariadenie používať. Pridajte ho do skupiny &quot;dialout&quot; (sudo usermod -aG dialout $USER), potom sa odhláste a znova prihláste.</translation>
    </message>
    <message>
        <source>Another program is using the port. Close that program or choose another port.</source>
        <translation>Port používa iný program. Ukončite tento program alebo zvoľte iný port.</translation>
    </message>
    <message>
        <source>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</source>
        <extracomment>%1 the port name (COM3), %2 the settings file.</extracomment>
        <translation>Pripojte modem alebo priraďte %1 jeho zariadenie v sekcii [Ports] súboru %2 (napríklad %1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The device is not a serial port. Check the [Ports] section of %1.</source>
        <extracomment>%1 the settings file.</extracomment>
        <translation>Zariadenie nie je sériový port. Skontrolujte sekciu [Ports] súboru %1.</translation>
    </message>
    <message>
        <source>This port cannot be used!</source>
        <translation>Tento port nie je možné použiť!</translation>
    </message>
    <message>
        <source>no serial device goes by this name</source>
        <translation>žiadne sériové zariadenie s týmto názvom neexistuje</translation>
    </message>
</context>
<context>
    <name>driver::ReplyLine</name>
    <message>
        <source>Command</source>
        <translation>Príkaz</translation>
    </message>
    <message>
        <source>Polling address</source>
        <translation>Polling adresa</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Odpoveď</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Stav prístroja</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Doručené odpovede</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Riadok %1</translation>
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
        <translation>Reálne číslo %1</translation>
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
        <translation>Výrobca</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Typ prístroja</translation>
    </message>
    <message>
        <source>Preambles</source>
        <translation>Počet preambúl</translation>
    </message>
    <message>
        <source>HART revision</source>
        <translation>Revízia HART</translation>
    </message>
    <message>
        <source>Device revision</source>
        <translation>Revízia prístroja</translation>
    </message>
    <message>
        <source>Software revision</source>
        <translation>Revízia softvéru</translation>
    </message>
    <message>
        <source>Hardware revision</source>
        <translation>Revízia hardvéru</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Príznaky</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID prístroja</translation>
    </message>
    <message>
        <source>Loop current</source>
        <translation>Prúd slučky</translation>
    </message>
    <message>
        <source>Percent of range</source>
        <translation>Percento rozsahu</translation>
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
        <translation>Premenná pre PV</translation>
    </message>
    <message>
        <source>SV variable</source>
        <translation>Premenná pre SV</translation>
    </message>
    <message>
        <source>TV variable</source>
        <translation>Premenná pre TV</translation>
    </message>
    <message>
        <source>QV variable</source>
        <translation>Premenná pre QV</translation>
    </message>
    <message>
        <source>PV damping</source>
        <translation>Tlmenie PV</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Správa</translation>
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
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Final assembly number</source>
        <translation>Číslo finálnej montáže</translation>
    </message>
    <message>
        <source>Transducer serial number</source>
        <translation>Výrobné číslo snímača</translation>
    </message>
    <message>
        <source>Transducer limits unit</source>
        <translation>Jednotka medzí snímača</translation>
    </message>
    <message>
        <source>Upper transducer limit</source>
        <translation>Horná medza snímača</translation>
    </message>
    <message>
        <source>Lower transducer limit</source>
        <translation>Dolná medza snímača</translation>
    </message>
    <message>
        <source>Sensor serial number</source>
        <translation>Výrobné číslo senzora</translation>
    </message>
    <message>
        <source>Sensor limits unit</source>
        <translation>Jednotka medzí senzora</translation>
    </message>
    <message>
        <source>Upper sensor limit</source>
        <translation>Horná medza senzora</translation>
    </message>
    <message>
        <source>Lower sensor limit</source>
        <translation>Dolná medza senzora</translation>
    </message>
    <message>
        <source>Minimum span</source>
        <translation>Minimálne rozpätie</translation>
    </message>
    <message>
        <source>Alarm selection</source>
        <translation>Voľba alarmu</translation>
    </message>
    <message>
        <source>Alarm selection code</source>
        <translation>Kód voľby alarmu</translation>
    </message>
    <message>
        <source>Transfer function</source>
        <translation>Prenosová funkcia</translation>
    </message>
    <message>
        <source>Range unit</source>
        <translation>Jednotka rozsahu</translation>
    </message>
    <message>
        <source>Upper range value</source>
        <translation>Horná hodnota rozsahu</translation>
    </message>
    <message>
        <source>Lower range value</source>
        <translation>Dolná hodnota rozsahu</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Tlmenie</translation>
    </message>
    <message>
        <source>Write protect</source>
        <translation>Ochrana proti zápisu</translation>
    </message>
    <message>
        <source>Private label distributor</source>
        <translation>Distribútor (privátna značka)</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Premenná %1</translation>
    </message>
    <message>
        <source>Variable %1 code</source>
        <translation>Kód premennej %1</translation>
    </message>
    <message>
        <source>Variable %1 unit</source>
        <translation>Jednotka premennej %1</translation>
    </message>
    <message>
        <source>Device variable</source>
        <translation>Premenná prístroja</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>EEPROM control code</source>
        <translation>Riadiaci kód EEPROM</translation>
    </message>
    <message>
        <source>Fixed current</source>
        <translation>Pevný prúd</translation>
    </message>
    <message>
        <source>Measured current</source>
        <translation>Nameraný prúd</translation>
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
        <translation>Analógový kanál</translation>
    </message>
    <message>
        <source>Analog channel unit</source>
        <translation>Jednotka analógového kanála</translation>
    </message>
    <message>
        <source>Analog channel level</source>
        <translation>Úroveň analógového kanála</translation>
    </message>
    <message>
        <source>Channel unit</source>
        <translation>Jednotka kanála</translation>
    </message>
    <message>
        <source>Channel level</source>
        <translation>Úroveň kanála</translation>
    </message>
    <message>
        <source>Channel %1 number</source>
        <translation>Číslo kanála %1</translation>
    </message>
    <message>
        <source>Channel %1 unit</source>
        <translation>Jednotka kanála %1</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Úroveň kanála %1</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Úroveň</translation>
    </message>
    <message>
        <source>Endpoint unit</source>
        <translation>Jednotka koncových bodov</translation>
    </message>
    <message>
        <source>Upper endpoint</source>
        <translation>Horný koncový bod</translation>
    </message>
    <message>
        <source>Lower endpoint</source>
        <translation>Dolný koncový bod</translation>
    </message>
    <message>
        <source>Burst variable %1</source>
        <translation>Premenná burst %1</translation>
    </message>
    <message>
        <source>Burst command</source>
        <translation>Príkaz burst</translation>
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
        <translation>verzia %1</translation>
    </message>
    <message>
        <source>Primary Master</source>
        <translation>Primárny master</translation>
    </message>
    <message>
        <source>Secondary Master</source>
        <translation>Sekundárny master</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no port</comment>
        <translation>žiadny</translation>
    </message>
    <message>
        <source>Port Status:</source>
        <translation>Stav portu:</translation>
    </message>
    <message>
        <source>Manual commands</source>
        <translation>Ručné príkazy</translation>
    </message>
    <message>
        <source>Odesilat dokola</source>
        <extracomment>The repeat box: &quot;send repeatedly&quot; (the built-in caption is Czech).</extracomment>
        <translation>Odosielať dookola</translation>
    </message>
    <message>
        <source>Send Command</source>
        <translation>Odoslať príkaz</translation>
    </message>
    <message>
        <source>Frames sent</source>
        <translation>Odoslané rámce</translation>
    </message>
    <message>
        <source>Receive events</source>
        <translation>Udalosti príjmu</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Doručené odpovede</translation>
    </message>
    <message>
        <source>Show Panel</source>
        <translation>Zobraziť panel</translation>
    </message>
    <message>
        <source>Close Halvane</source>
        <translation>Ukončiť Halvane</translation>
    </message>
    <message>
        <source>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</source>
        <translation>Bez oblasti oznámení: zatvorenie okno minimalizuje. Pravý klik na okno: „%1“.</translation>
    </message>
    <message>
        <source>No HART Modem Connected!</source>
        <translation>Nie je pripojený žiadny HART modem!</translation>
    </message>
    <message>
        <source>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</source>
        <translation>HART modem nebol rozpoznaný!<byte value="xd"/>
Naozaj chcete tento port použiť?</translation>
    </message>
    <message>
        <source>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</source>
        <translation>Naozaj chcete ukončiť Halvane?<byte value="xd"/>
Ostatné programy potom nebudú môcť komunikovať s prístrojmi HART!</translation>
    </message>
    <message>
        <source>gone</source>
        <extracomment>The port status when the port&apos;s device went away.</extracomment>
        <translation>odpojený</translation>
    </message>
    <message>
        <source>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</source>
        <translation>Zariadenie portu %1 (%2) zmizlo. Halvane ho po návrate samo znova otvorí; dovtedy každý príkaz odpovie „Communication Error!“.</translation>
    </message>
    <message>
        <source>Halvane: %1 gone</source>
        <translation>Halvane: %1 odpojený</translation>
    </message>
</context>
</TS>
