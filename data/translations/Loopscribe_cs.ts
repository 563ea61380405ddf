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
    <name>logger::ChartWindow</name>
    <message>
        <source>Output Current</source>
        <translation>Výstupní proud</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Primární proměnná</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Sekundární proměnná</translation>
    </message>
    <message>
        <source>Third Variable</source>
        <translation>Třetí proměnná</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Čtvrtá proměnná</translation>
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
        <translation>Proud</translation>
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
        <translation>Výrobce</translation>
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
        <translation>Vypršel časový limit!</translation>
    </message>
    <message>
        <source>HART Transmitter not found!</source>
        <translation>HART převodník nenalezen!</translation>
    </message>
    <message>
        <source>Monitor started at </source>
        <translation>Monitorování spuštěno </translation>
    </message>
    <message>
        <source>Monitor stoped at </source>
        <translation>Monitorování zastaveno </translation>
    </message>
    <message>
        <source>Cannot save to file!</source>
        <translation>Nelze uložit do souboru!</translation>
    </message>
    <message>
        <source>Reply line %1 is missing!</source>
        <translation>Chybí řádek odpovědi %1!</translation>
    </message>
    <message>
        <source>Reply line %1 is not a number: %2</source>
        <translation>Řádek odpovědi %1 není číslo: %2</translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Jednotky: </translation>
    </message>
    <message>
        <source>Sending cmd </source>
        <translation>Odesílám příkaz </translation>
    </message>
    <message>
        <source>Cmd sending failed.</source>
        <translation>Odeslání příkazu selhalo.</translation>
    </message>
    <message>
        <source>Command ready.</source>
        <translation>Příkaz dokončen.</translation>
    </message>
    <message>
        <source>Monitor finished</source>
        <translation>Monitorování ukončeno</translation>
    </message>
    <message>
        <source>Halvane not found!<byte value="xd"/>
Cannot start monitor!</source>
        <translation>Halvane nebyl nalezen!<byte value="xd"/>
Monitorování nelze spustit!</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Příkaz nebyl proveden, zkuste to znovu!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Chyba komunikace!</translation>
    </message>
    <message>
        <source>Command Error!</source>
        <translation>Chyba příkazu!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Výjimka v DoMacro.</translation>
    </message>
    <message>
        <source>Monitor has been interrupted!</source>
        <translation>Monitorování bylo přerušeno!</translation>
    </message>
    <message>
        <source>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</source>
        <translation>Soubor již existuje!<byte value="xd"/>
Opravdu chcete soubor přepsat?</translation>
    </message>
    <message>
        <source>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</source>
        <translation>Nelze vytvořit adresář!<byte value="xd"/>
Monitorování bylo přerušeno!</translation>
    </message>
    <message>
        <source>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</source>
        <translation>Nelze vytvořit soubor záznamu!<byte value="xd"/>
Monitorování přerušeno.</translation>
    </message>
    <message>
        <source>Do you really want to clear screen?</source>
        <translation>Opravdu chcete vymazat výpis?</translation>
    </message>
    <message>
        <source>Cannot terminate driver!</source>
        <translation>Ovladač nelze ukončit!</translation>
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
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Max points (%1)</source>
        <translation>Max. bodů (%1)</translation>
    </message>
    <message>
        <source>Max points</source>
        <translation>Max. bodů</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation>Max Y</translation>
    </message>
    <message>
        <source>submit</source>
        <translation>zadat</translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation>Min Y</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zadání</translation>
    </message>
    <message>
        <source>Max Point</source>
        <translation>Max. bodů</translation>
    </message>
    <message>
        <source>Max of Y axis</source>
        <translation>Maximum osy Y</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>Maximum osy musí být &gt;= minimum</translation>
    </message>
    <message>
        <source>Min of Y axis</source>
        <translation>Minimum osy Y</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Minimum osy musí být &lt;= maximum</translation>
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
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Výrobce</translation>
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
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>&amp;Show Graph</source>
        <translation>&amp;Zobrazit graf</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>Monitor Settings</source>
        <translation>Nastavení monitorování</translation>
    </message>
    <message>
        <source>Close driver when Loopscribe exits</source>
        <translation>Ukončit ovladač při ukončení Loopscribe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>O programu ...</translation>
    </message>
    <message>
        <source>Show Loopscribe</source>
        <translation>Zobrazit Loopscribe</translation>
    </message>
    <message>
        <source>Close Loopscribe</source>
        <translation>Ukončit Loopscribe</translation>
    </message>
    <message>
        <source>Do You really want to exit Loopscribe?</source>
        <translation>Opravdu chcete ukončit Loopscribe?</translation>
    </message>
    <message>
        <source>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</source>
        <translation>Monitorování běží!<byte value="xd"/>
Aplikace bude skryta (monitorování na pozadí).</translation>
    </message>
    <message>
        <source>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</source>
        <translation>Nastavení nelze uložit; změny z tohoto běhu budou ztraceny.<byte value="xd"/>
Zkontrolujte, zda lze do složky nastavení zapisovat.</translation>
    </message>
</context>
<context>
    <name>logger::TfOprogramu</name>
    <message>
        <source>Loopscribe for Windows®</source>
        <translation>Loopscribe pro Windows®</translation>
    </message>
    <message>
        <source>Loopscribe for Linux</source>
        <translation>Loopscribe pro Linux</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>O programu ...</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Part of Halvane, the HART driver and tools</source>
        <translation>Součást Halvane, ovladače HART a nástrojů</translation>
    </message>
    <message>
        <source>User guide: docs/loopscribe.md</source>
        <translation>Příručka: docs/loopscribe.md</translation>
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
        <translation>Nastavení monitorování</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>Čtení:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ruční</translation>
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
        <translation>Ukládat do souboru</translation>
    </message>
    <message>
        <source>Append file</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Rewrite file</source>
        <translation>Přepsat</translation>
    </message>
    <message>
        <source>Save monitored LOG as ...</source>
        <translation>Uložit záznam monitorování jako ...</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/čas</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no time stamp</comment>
        <translation>žádný</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyby</translation>
    </message>
    <message>
        <source>No Warn</source>
        <translation>Bez varování</translation>
    </message>
    <message>
        <source>Timeout Only</source>
        <translation>Jen časový limit</translation>
    </message>
    <message>
        <source>Status Only</source>
        <translation>Jen stav</translation>
    </message>
    <message>
        <source>All Errors</source>
        <translation>Všechny chyby</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Tečka</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Čárka</translation>
    </message>
    <message>
        <source>By System</source>
        <translation>Podle systému</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Počet desetinných míst</translation>
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
        <translation>Storno</translation>
    </message>
    <message>
        <source>Parameters cannot be changed while monitor is running!</source>
        <translation>Parametry nelze měnit, dokud běží monitorování!</translation>
    </message>
    <message>
        <source>Cannot create directory for LOG file!</source>
        <translation>Nelze vytvořit adresář pro soubor záznamu!</translation>
    </message>
    <message>
        <source>Min value is 2 sec!</source>
        <translation>Minimální hodnota je 2 s!</translation>
    </message>
    <message>
        <source>Logs (*.log);;All Files (*)</source>
        <translation>Záznamy (*.log);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Desetinný oddělovač</translation>
    </message>
</context>
</TS>
