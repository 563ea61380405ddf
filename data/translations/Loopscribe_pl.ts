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
    <name>logger::ChartWindow</name>
    <message>
        <source>Output Current</source>
        <translation>Prąd wyjściowy</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Zmienna pierwotna</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Zmienna wtórna</translation>
    </message>
    <message>
        <source>Third Variable</source>
        <translation>Trzecia zmienna</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Czwarta zmienna</translation>
    </message>
</context>
<context>
    <name>logger::MonitorTexts</name>
    <message>
        <source>Polling Adress</source>
        <translation>Adres odpytywania</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Prąd</translation>
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
        <translation>Producent</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identyfikator</translation>
    </message>
    <message>
        <source>Time Out!</source>
        <translation>Przekroczono czas oczekiwania!</translation>
    </message>
    <message>
        <source>HART Transmitter not found!</source>
        <translation>Nie znaleziono przetwornika HART!</translation>
    </message>
    <message>
        <source>Monitor started at </source>
        <translation>Monitorowanie rozpoczęte </translation>
    </message>
    <message>
        <source>Monitor stoped at </source>
        <translation>Monitorowanie zatrzymane </translation>
    </message>
    <message>
        <source>Cannot save to file!</source>
        <translation>Nie można zapisać do pliku!</translation>
    </message>
    <message>
        <source>Reply line %1 is missing!</source>
        <translation>Brak wiersza odpowiedzi %1!</translation>
    </message>
    <message>
        <source>Reply line %1 is not a number: %2</source>
        <translation>Wiersz odpowiedzi %1 nie jest liczbą: %2</translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Jednostki: </translation>
    </message>
    <message>
        <source>Sending cmd </source>
        <translation>Wysyłanie polecenia </translation>
    </message>
    <message>
        <source>Cmd sending failed.</source>
        <translation>Wysłanie polecenia nie powiodło się.</translation>
    </message>
    <message>
        <source>Command ready.</source>
        <translation>Polecenie gotowe.</translation>
    </message>
    <message>
        <source>Monitor finished</source>
        <translation>Monitorowanie zakończone</translation>
    </message>
    <message>
        <source>Halvane not found!<byte value="xd"/>
Cannot start monitor!</source>
        <translation>Nie znaleziono Halvane!<byte value="xd"/>
Nie można uruchomić monitorowania!</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Polecenie nie zostało wykonane, spróbuj ponownie!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Błąd komunikacji!</translation>
    </message>
    <message>
        <source>Command Error!</source>
        <translation>Błąd polecenia!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Wyjątek w DoMacro.</translation>
    </message>
    <message>
        <source>Monitor has been interrupted!</source>
        <translation>Monitorowanie zostało przerwane!</translation>
    </message>
    <message>
        <source>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</source>
        <translation>Plik już istnieje!<byte value="xd"/>
Czy na pewno chcesz go nadpisać?</translation>
    </message>
    <message>
        <source>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</source>
        <translation>Nie można utworzyć katalogu!<byte value="xd"/>
Monitorowanie zostało przerwane!</translation>
    </message>
    <message>
        <source>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</source>
        <translation>Nie można utworzyć pliku dziennika!<byte value="xd"/>
Monitorowanie przerwane.</translation>
    </message>
    <message>
        <source>Do you really want to clear screen?</source>
        <translation>Czy na pewno chcesz wyczyścić ekran?</translation>
    </message>
    <message>
        <source>Cannot terminate driver!</source>
        <translation>Nie można zamknąć sterownika!</translation>
    </message>
</context>
<context>
    <name>logger::TfChart</name>
    <message>
        <source>automatic</source>
        <translation>automatycznie</translation>
    </message>
    <message>
        <source>automaticky</source>
        <extracomment>The Czech built-in caption of the secondary variable&apos;s automatic Min Y: &quot;automatic&quot;.</extracomment>
        <translation>automatycznie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Max points (%1)</source>
        <translation>Maks. punktów (%1)</translation>
    </message>
    <message>
        <source>Max points</source>
        <translation>Maks. punktów</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation>Maks. Y</translation>
    </message>
    <message>
        <source>submit</source>
        <translation>wprowadź</translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation>Min. Y</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Wprowadzanie</translation>
    </message>
    <message>
        <source>Max Point</source>
        <translation>Maks. punktów</translation>
    </message>
    <message>
        <source>Max of Y axis</source>
        <translation>Maksimum osi Y</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>Maksimum osi musi być &gt;= minimum</translation>
    </message>
    <message>
        <source>Min of Y axis</source>
        <translation>Minimum osi Y</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Minimum osi musi być &lt;= maksimum</translation>
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
        <translation>Stop</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identyfikator</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Show Graph</source>
        <translation>&amp;Pokaż wykres</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Monitor Settings</source>
        <translation>Ustawienia monitorowania</translation>
    </message>
    <message>
        <source>Close driver when Loopscribe exits</source>
        <translation>Zamknij sterownik przy zamykaniu Loopscribe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>O programie ...</translation>
    </message>
    <message>
        <source>Show Loopscribe</source>
        <translation>Pokaż Loopscribe</translation>
    </message>
    <message>
        <source>Close Loopscribe</source>
        <translation>Zamknij Loopscribe</translation>
    </message>
    <message>
        <source>Do You really want to exit Loopscribe?</source>
        <translation>Czy na pewno chcesz zamknąć Loopscribe?</translation>
    </message>
    <message>
        <source>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</source>
        <translation>Monitorowanie jest uruchomione!<byte value="xd"/>
Program zostanie ukryty (monitorowanie w tle).</translation>
    </message>
    <message>
        <source>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</source>
        <translation>Nie można zapisać ustawień; zmiany z tej sesji zostaną utracone.<byte value="xd"/>
Sprawdź, czy folder ustawień jest zapisywalny.</translation>
    </message>
</context>
<context>
    <name>logger::TfOprogramu</name>
    <message>
        <source>Loopscribe for Windows®</source>
        <translation>Loopscribe dla systemu Windows®</translation>
    </message>
    <message>
        <source>Loopscribe for Linux</source>
        <translation>Loopscribe dla systemu Linux</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>O programie ...</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Part of Halvane, the HART driver and tools</source>
        <translation>Część Halvane – sterownika HART i narzędzi</translation>
    </message>
    <message>
        <source>User guide: docs/loopscribe.md</source>
        <translation>Instrukcja: docs/loopscribe.md</translation>
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
        <translation>Ustawienia monitorowania</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>Odczyt:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>Interval [s]:</source>
        <translation>Interwał [s]:</translation>
    </message>
    <message>
        <source>Multidrop max. address:</source>
        <translation>Maks. adres multidrop:</translation>
    </message>
    <message>
        <source>Save record to file</source>
        <translation>Zapisuj do pliku</translation>
    </message>
    <message>
        <source>Append file</source>
        <translation>Dopisuj</translation>
    </message>
    <message>
        <source>Rewrite file</source>
        <translation>Nadpisuj</translation>
    </message>
    <message>
        <source>Save monitored LOG as ...</source>
        <translation>Zapisz dziennik monitorowania jako ...</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/godzina</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no time stamp</comment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>No Warn</source>
        <translation>Bez ostrzeżeń</translation>
    </message>
    <message>
        <source>Timeout Only</source>
        <translation>Tylko przekroczenie czasu</translation>
    </message>
    <message>
        <source>Status Only</source>
        <translation>Tylko stan</translation>
    </message>
    <message>
        <source>All Errors</source>
        <translation>Wszystkie błędy</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Kropka</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Przecinek</translation>
    </message>
    <message>
        <source>By System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Liczba miejsc po przecinku</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Parameters cannot be changed while monitor is running!</source>
        <translation>Nie można zmieniać parametrów podczas monitorowania!</translation>
    </message>
    <message>
        <source>Cannot create directory for LOG file!</source>
        <translation>Nie można utworzyć katalogu dla pliku dziennika!</translation>
    </message>
    <message>
        <source>Min value is 2 sec!</source>
        <translation>Minimalna wartość to 2 s!</translation>
    </message>
    <message>
        <source>Logs (*.log);;All Files (*)</source>
        <translation>Dzienniki (*.log);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Separator dziesiętny</translation>
    </message>
</context>
</TS>
