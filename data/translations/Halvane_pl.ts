<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
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
        <translation>Inne programy nie mogą połączyć się ze sterownikiem: %1</translation>
    </message>
</context>
<context>
    <name>driver::PortListInfo</name>
    <message>
        <source>no device</source>
        <translation>brak urządzenia</translation>
    </message>
</context>
<context>
    <name>driver::PortProblem</name>
    <message>
        <source>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</source>
        <translation>Twoje konto użytkownika nie może używać tego urządzenia. Dodaj je do grupy &quot;dialout&quot; (sudo usermod -aG dialout $USER), a następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>Another program is using the port. Close that program or choose another port.</source>
        <translation>Port jest używany przez inny program. Zamknij ten program lub wybierz inny port.</translation>
    </message>
    <message>
        <source>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</source>
        <extracomment>%1 the port name (COM3), %2 the settings file.</extracomment>
        <translation>Podłącz modem lub przypisz %1 do jego urządzenia w sekcji [Ports] pliku %2 (na przykład %1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The device is not a serial port. Check the [Ports] section of %1.</source>
        <extracomment>%1 the settings file.</extracomment>
        <translation>Urządzenie nie jest portem szeregowym. Sprawdź sekcję [Ports] pliku %1.</translation>
    </message>
    <message>
        <source>This port cannot be used!</source>
        <translation>Tego portu nie można użyć!</translation>
    </message>
    <message>
        <source>no serial device goes by this name</source>
        <translation>żadne urządzenie szeregowe nie nosi tej nazwy</translation>
    </message>
</context>
<context>
    <name>driver::ReplyLine</name>
    <message>
        <source>Command</source>
        <translation>Polecenie</translation>
    </message>
    <message>
        <source>Polling address</source>
        <translation>Adres odpytywania</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Stan urządzenia</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Dostarczone odpowiedzi</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Bajt %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Jednostka %1</translation>
    </message>
    <message>
        <source>Float %1</source>
        <translation>Liczba rzeczywista %1</translation>
    </message>
    <message>
        <source>Packed text %1</source>
        <translation>Tekst Packed ASCII %1</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Tekst %1</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <translation>Liczba całkowita %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Typ urządzenia</translation>
    </message>
    <message>
        <source>Preambles</source>
        <translation>Preambuły</translation>
    </message>
    <message>
        <source>HART revision</source>
        <translation>Rewizja HART</translation>
    </message>
    <message>
        <source>Device revision</source>
        <translation>Rewizja urządzenia</translation>
    </message>
    <message>
        <source>Software revision</source>
        <translation>Rewizja oprogramowania</translation>
    </message>
    <message>
        <source>Hardware revision</source>
        <translation>Rewizja sprzętu</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flagi</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID urządzenia</translation>
    </message>
    <message>
        <source>Loop current</source>
        <translation>Prąd pętli</translation>
    </message>
    <message>
        <source>Percent of range</source>
        <translation>Procent zakresu</translation>
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
        <translation>Jednostka PV</translation>
    </message>
    <message>
        <source>SV unit</source>
        <translation>Jednostka SV</translation>
    </message>
    <message>
        <source>TV unit</source>
        <translation>Jednostka TV</translation>
    </message>
    <message>
        <source>QV unit</source>
        <translation>Jednostka QV</translation>
    </message>
    <message>
        <source>PV variable</source>
        <translation>Zmienna przypisana do PV</translation>
    </message>
    <message>
        <source>SV variable</source>
        <translation>Zmienna przypisana do SV</translation>
    </message>
    <message>
        <source>TV variable</source>
        <translation>Zmienna przypisana do TV</translation>
    </message>
    <message>
        <source>QV variable</source>
        <translation>Zmienna przypisana do QV</translation>
    </message>
    <message>
        <source>PV damping</source>
        <translation>Tłumienie PV</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Unit tag</source>
        <translation>Tag jednostki</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Deskryptor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Final assembly number</source>
        <translation>Numer montażu końcowego</translation>
    </message>
    <message>
        <source>Transducer serial number</source>
        <translation>Numer seryjny przetwornika</translation>
    </message>
    <message>
        <source>Transducer limits unit</source>
        <translation>Jednostka granic przetwornika</translation>
    </message>
    <message>
        <source>Upper transducer limit</source>
        <translation>Górna granica przetwornika</translation>
    </message>
    <message>
        <source>Lower transducer limit</source>
        <translation>Dolna granica przetwornika</translation>
    </message>
    <message>
        <source>Sensor serial number</source>
        <translation>Numer seryjny czujnika</translation>
    </message>
    <message>
        <source>Sensor limits unit</source>
        <translation>Jednostka granic czujnika</translation>
    </message>
    <message>
        <source>Upper sensor limit</source>
        <translation>Górna granica czujnika</translation>
    </message>
    <message>
        <source>Lower sensor limit</source>
        <translation>Dolna granica czujnika</translation>
    </message>
    <message>
        <source>Minimum span</source>
        <translation>Minimalny zakres</translation>
    </message>
    <message>
        <source>Alarm selection</source>
        <translation>Wybór alarmu</translation>
    </message>
    <message>
        <source>Alarm selection code</source>
        <translation>Kod wyboru alarmu</translation>
    </message>
    <message>
        <source>Transfer function</source>
        <translation>Funkcja przenoszenia</translation>
    </message>
    <message>
        <source>Range unit</source>
        <translation>Jednostka zakresu</translation>
    </message>
    <message>
        <source>Upper range value</source>
        <translation>Górna wartość zakresu</translation>
    </message>
    <message>
        <source>Lower range value</source>
        <translation>Dolna wartość zakresu</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Tłumienie</translation>
    </message>
    <message>
        <source>Write protect</source>
        <translation>Ochrona przed zapisem</translation>
    </message>
    <message>
        <source>Private label distributor</source>
        <translation>Dystrybutor (marka własna)</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Zmienna %1</translation>
    </message>
    <message>
        <source>Variable %1 code</source>
        <translation>Kod zmiennej %1</translation>
    </message>
    <message>
        <source>Variable %1 unit</source>
        <translation>Jednostka zmiennej %1</translation>
    </message>
    <message>
        <source>Device variable</source>
        <translation>Zmienna urządzenia</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>EEPROM control code</source>
        <translation>Kod sterowania EEPROM</translation>
    </message>
    <message>
        <source>Fixed current</source>
        <translation>Prąd zadany</translation>
    </message>
    <message>
        <source>Measured current</source>
        <translation>Prąd zmierzony</translation>
    </message>
    <message>
        <source>Status bytes %1</source>
        <translation>Bajty stanu %1</translation>
    </message>
    <message>
        <source>Status byte %1</source>
        <translation>Bajt stanu %1</translation>
    </message>
    <message>
        <source>Analog channel</source>
        <translation>Kanał analogowy</translation>
    </message>
    <message>
        <source>Analog channel unit</source>
        <translation>Jednostka kanału analogowego</translation>
    </message>
    <message>
        <source>Analog channel level</source>
        <translation>Poziom kanału analogowego</translation>
    </message>
    <message>
        <source>Channel unit</source>
        <translation>Jednostka kanału</translation>
    </message>
    <message>
        <source>Channel level</source>
        <translation>Poziom kanału</translation>
    </message>
    <message>
        <source>Channel %1 number</source>
        <translation>Numer kanału %1</translation>
    </message>
    <message>
        <source>Channel %1 unit</source>
        <translation>Jednostka kanału %1</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Poziom kanału %1</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Endpoint unit</source>
        <translation>Jednostka punktów końcowych</translation>
    </message>
    <message>
        <source>Upper endpoint</source>
        <translation>Górny punkt końcowy</translation>
    </message>
    <message>
        <source>Lower endpoint</source>
        <translation>Dolny punkt końcowy</translation>
    </message>
    <message>
        <source>Burst variable %1</source>
        <translation>Zmienna burst %1</translation>
    </message>
    <message>
        <source>Burst command</source>
        <translation>Polecenie burst</translation>
    </message>
    <message>
        <source>Burst mode</source>
        <translation>Tryb burst</translation>
    </message>
</context>
<context>
    <name>driver::THalvaneForm</name>
    <message>
        <source>with DDE interface</source>
        <translation>z interfejsem DDE</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>wersja %1</translation>
    </message>
    <message>
        <source>Primary Master</source>
        <translation>Master główny</translation>
    </message>
    <message>
        <source>Secondary Master</source>
        <translation>Master pomocniczy</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no port</comment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Port Status:</source>
        <translation>Stan portu:</translation>
    </message>
    <message>
        <source>Manual commands</source>
        <translation>Polecenia ręczne</translation>
    </message>
    <message>
        <source>Odesilat dokola</source>
        <extracomment>The repeat box: &quot;send repeatedly&quot; (the built-in caption is Czech).</extracomment>
        <translation>Wysyłaj cyklicznie</translation>
    </message>
    <message>
        <source>Send Command</source>
        <translation>Wyślij polecenie</translation>
    </message>
    <message>
        <source>Frames sent</source>
        <translation>Wysłane ramki</translation>
    </message>
    <message>
        <source>Receive events</source>
        <translation>Zdarzenia odbioru</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Dostarczone odpowiedzi</translation>
    </message>
    <message>
        <source>Show Panel</source>
        <translation>Pokaż panel</translation>
    </message>
    <message>
        <source>Close Halvane</source>
        <translation>Zamknij Halvane</translation>
    </message>
    <message>
        <source>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</source>
        <translation>Brak obszaru powiadomień: zamknięcie minimalizuje okno. Prawy przycisk na oknie: „%1”.</translation>
    </message>
    <message>
        <source>No HART Modem Connected!</source>
        <translation>Nie podłączono modemu HART!</translation>
    </message>
    <message>
        <source>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</source>
        <translation>Nie wykryto modemu HART!<byte value="xd"/>
Czy na pewno chcesz użyć tego portu?</translation>
    </message>
    <message>
        <source>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</source>
        <translation>Czy na pewno chcesz zamknąć Halvane?<byte value="xd"/>
Inne programy nie będą mogły komunikować się z urządzeniami HART!</translation>
    </message>
    <message>
        <source>gone</source>
        <extracomment>The port status when the port&apos;s device went away.</extracomment>
        <translation>odłączony</translation>
    </message>
    <message>
        <source>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</source>
        <translation>Urządzenie portu %1 (%2) zniknęło. Halvane otworzy je ponownie samo, gdy wróci; do tego czasu każde polecenie kończy się odpowiedzią „Communication Error!”.</translation>
    </message>
    <message>
        <source>Halvane: %1 gone</source>
        <translation>Halvane: %1 odłączony</translation>
    </message>
</context>
</TS>
