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
    <name>logger::ChartWindow</name>
    <message>
        <source>Output Current</source>
        <translation>Výstupný prúd</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Primárna premenná</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Sekundárna premenná</translation>
    </message>
    <message>
        <source>Third Variable</source>
        <translation>Tretia premenná</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Štvrtá premenná</translation>
    </message>
</context>
<context>
    <name>logger::MonitorTexts</name>
    <message>
        <source>Polling Adress</source>
        <translation>Polling adresa</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Prúd</translation>
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
        <translation>Výrobca</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifikátor</translation>
    </message>
    <message>
        <source>Time Out!</source>
        <translation>Vypršal časový limit!</translation>
    </message>
    <message>
        <source>HART Transmitter not found!</source>
        <translation>HART prevodník sa nenašiel!</translation>
    </message>
    <message>
        <source>Monitor started at </source>
        <translation>Monitorovanie spustené </translation>
    </message>
    <message>
        <source>Monitor stoped at </source>
        <translation>Monitorovanie zastavené </translation>
    </message>
    <message>
        <source>Cannot save to file!</source>
        <translation>Nie je možné uložiť do súboru!</translation>
    </message>
    <message>
        <source>Reply line %1 is missing!</source>
        <translation>Chýba riadok odpovede %1!</translation>
    </message>
    <message>
        <source>Reply line %1 is not a number: %2</source>
        <translation>Riadok odpovede %1 nie je číslo: %2</translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Jednotky: </translation>
    </message>
    <message>
        <source>Sending cmd </source>
        <translation>Odosielam príkaz </translation>
    </message>
    <message>
        <source>Cmd sending failed.</source>
        <translation>Odoslanie príkazu zlyhalo.</translation>
    </message>
    <message>
        <source>Command ready.</source>
        <translation>Príkaz dokončený.</translation>
    </message>
    <message>
        <source>Monitor finished</source>
        <translation>Monitorovanie ukončené</translation>
    </message>
    <message>
        <source>Halvane not found!<byte value="xd"/>
Cannot start monitor!</source>
        <translation>Halvane sa nenašiel!<byte value="xd"/>
Monitorovanie nie je možné spustiť!</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Príkaz nebol vykonaný, skúste to znova!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Chyba komunikácie!</translation>
    </message>
    <message>
        <source>Command Error!</source>
        <translation>Chyba príkazu!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Výnimka v DoMacro.</translation>
    </message>
    <message>
        <source>Monitor has been interrupted!</source>
        <translation>Monitorovanie bolo prerušené!</translation>
    </message>
    <message>
        <source>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</source>
        <translation>Súbor už existuje!<byte value="xd"/>
Naozaj chcete súbor prepísať?</translation>
    </message>
    <message>
        <source>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</source>
        <translation>Nie je možné vytvoriť adresár!<byte value="xd"/>
Monitorovanie bolo prerušené!</translation>
    </message>
    <message>
        <source>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</source>
        <translation>Nie je možné vytvoriť súbor záznamu!<byte value="xd"/>
Monitorovanie prerušené.</translation>
    </message>
    <message>
        <source>Do you really want to clear screen?</source>
        <translation>Naozaj chcete vymazať výpis?</translation>
    </message>
    <message>
        <source>Cannot terminate driver!</source>
        <translation>Ovládač nie je možné ukončiť!</translation>
    </message>
</context>
<context>
    <name>logger::TfChart</name>
    <message>
        <source>automatic</source>
        <translation>automaticky</translation>
    </message>
    <message>
        <source>automaticky</source>
        <extracomment>The Czech built-in caption of the secondary variable&apos;s automatic Min Y: &quot;automatic&quot;.</extracomment>
        <translation>automaticky</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Max points (%1)</source>
        <translation>Max. bodov (%1)</translation>
    </message>
    <message>
        <source>Max points</source>
        <translation>Max. bodov</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazať</translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation>Max Y</translation>
    </message>
    <message>
        <source>submit</source>
        <translation>zadať</translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation>Min Y</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Max Point</source>
        <translation>Max. bodov</translation>
    </message>
    <message>
        <source>Max of Y axis</source>
        <translation>Maximum osi Y</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>Maximum osi musí byť &gt;= minimum</translation>
    </message>
    <message>
        <source>Min of Y axis</source>
        <translation>Minimum osi Y</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Minimum osi musí byť &lt;= maximum</translation>
    </message>
</context>
<context>
    <name>logger::TfMain</name>
    <message>
        <source>Start</source>
        <translation>Štart</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazať</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Výrobca</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifikátor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>&amp;Show Graph</source>
        <translation>&amp;Zobraziť graf</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>Monitor Settings</source>
        <translation>Nastavenia monitorovania</translation>
    </message>
    <message>
        <source>Close driver when Loopscribe exits</source>
        <translation>Ukončiť ovládač pri ukončení Loopscribe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>O programe ...</translation>
    </message>
    <message>
        <source>Show Loopscribe</source>
        <translation>Zobraziť Loopscribe</translation>
    </message>
    <message>
        <source>Close Loopscribe</source>
        <translation>Ukončiť Loopscribe</translation>
    </message>
    <message>
        <source>Do You really want to exit Loopscribe?</source>
        <translation>Naozaj chcete ukončiť Loopscribe?</translation>
    </message>
    <message>
        <source>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</source>
        <translation>Monitorovanie beží!<byte value="xd"/>
Aplikácia bude skrytá (monitorovanie na pozadí).</translation>
    </message>
    <message>
        <source>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</source>
        <translation>Nastavenia nie je možné uložiť; zmeny z tohto behu sa stratia.<byte value="xd"/>
Skontrolujte, či je možné zapisovať do priečinka nastavení.</translation>
    </message>
</context>
<context>
    <name>logger::TfOprogramu</name>
    <message>
        <source>Loopscribe for Windows®</source>
        <translation>Loopscribe pre Windows®</translation>
    </message>
    <message>
        <source>Loopscribe for Linux</source>
        <translation>Loopscribe pre Linux</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>O programe ...</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzia %1</translation>
    </message>
    <message>
        <source>Part of Halvane, the HART driver and tools</source>
        <translation>Súčasť Halvane, ovládača HART a nástrojov</translation>
    </message>
    <message>
        <source>User guide: docs/loopscribe.md</source>
        <translation>Príručka: docs/loopscribe.md</translation>
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
        <translation>Nastavenia monitorovania</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>Čítanie:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručné</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatické</translation>
    </message>
    <message>
        <source>Interval [s]:</source>
        <translation>Interval [s]:</translation>
    </message>
    <message>
        <source>Multidrop max. address:</source>
        <translation>Max. adresa multidrop:</translation>
    </message>
    <message>
        <source>Save record to file</source>
        <translation>Ukladať do súboru</translation>
    </message>
    <message>
        <source>Append file</source>
        <translation>Pripojiť</translation>
    </message>
    <message>
        <source>Rewrite file</source>
        <translation>Prepísať</translation>
    </message>
    <message>
        <source>Save monitored LOG as ...</source>
        <translation>Uložiť záznam monitorovania ako ...</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Dátum/čas</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no time stamp</comment>
        <translation>žiadny</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyby</translation>
    </message>
    <message>
        <source>No Warn</source>
        <translation>Bez varovaní</translation>
    </message>
    <message>
        <source>Timeout Only</source>
        <translation>Len časový limit</translation>
    </message>
    <message>
        <source>Status Only</source>
        <translation>Len stav</translation>
    </message>
    <message>
        <source>All Errors</source>
        <translation>Všetky chyby</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Bodka</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Čiarka</translation>
    </message>
    <message>
        <source>By System</source>
        <translation>Podľa systému</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Počet desatinných miest</translation>
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
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Parameters cannot be changed while monitor is running!</source>
        <translation>Parametre nie je možné meniť, kým beží monitorovanie!</translation>
    </message>
    <message>
        <source>Cannot create directory for LOG file!</source>
        <translation>Nie je možné vytvoriť adresár pre súbor záznamu!</translation>
    </message>
    <message>
        <source>Min value is 2 sec!</source>
        <translation>Minimálna hodnota je 2 s!</translation>
    </message>
    <message>
        <source>Logs (*.log);;All Files (*)</source>
        <translation>Záznamy (*.log);;Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Desatinný oddeľovač</translation>
    </message>
</context>
</TS>
