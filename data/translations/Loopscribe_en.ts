<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>logger::ChartWindow</name>
    <message>
        <source>Output Current</source>
        <translation>Output Current</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Primary Variable</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Secondary Variable</translation>
    </message>
    <message>
        <source>Third Variable</source>
        <translation>Third Variable</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Fourth Variable</translation>
    </message>
</context>
<context>
    <name>logger::MonitorTexts</name>
    <message>
        <source>Polling Adress</source>
        <translation>Polling Adress</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
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
        <translation>Distributor</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Time Out!</source>
        <translation>Time Out!</translation>
    </message>
    <message>
        <source>HART Transmitter not found!</source>
        <translation>HART Transmitter not found!</translation>
    </message>
    <message>
        <source>Monitor started at </source>
        <translation>Monitor started at </translation>
    </message>
    <message>
        <source>Monitor stoped at </source>
        <translation>Monitor stoped at </translation>
    </message>
    <message>
        <source>Cannot save to file!</source>
        <translation>Cannot save to file!</translation>
    </message>
    <message>
        <source>Reply line %1 is missing!</source>
        <translation>Reply line %1 is missing!</translation>
    </message>
    <message>
        <source>Reply line %1 is not a number: %2</source>
        <translation>Reply line %1 is not a number: %2</translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Units: </translation>
    </message>
    <message>
        <source>Sending cmd </source>
        <translation>Sending cmd </translation>
    </message>
    <message>
        <source>Cmd sending failed.</source>
        <translation>Cmd sending failed.</translation>
    </message>
    <message>
        <source>Command ready.</source>
        <translation>Command ready.</translation>
    </message>
    <message>
        <source>Monitor finished</source>
        <translation>Monitor finished</translation>
    </message>
    <message>
        <source>Halvane not found!<byte value="xd"/>
Cannot start monitor!</source>
        <translation>Halvane not found!<byte value="xd"/>
Cannot start monitor!</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Command not performed, try again!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Communication Error!</translation>
    </message>
    <message>
        <source>Command Error!</source>
        <translation>Command Error!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Except in DoMacro.</translation>
    </message>
    <message>
        <source>Monitor has been interrupted!</source>
        <translation>Monitor has been interrupted!</translation>
    </message>
    <message>
        <source>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</source>
        <translation>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</translation>
    </message>
    <message>
        <source>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</source>
        <translation>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</translation>
    </message>
    <message>
        <source>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</source>
        <translation>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</translation>
    </message>
    <message>
        <source>Do you really want to clear screen?</source>
        <translation>Do you really want to clear screen?</translation>
    </message>
    <message>
        <source>Cannot terminate driver!</source>
        <translation>Cannot terminate driver!</translation>
    </message>
</context>
<context>
    <name>logger::TfChart</name>
    <message>
        <source>automatic</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>automaticky</source>
        <extracomment>The Czech built-in caption of the secondary variable&apos;s automatic Min Y: &quot;automatic&quot;.</extracomment>
        <translation>automatic</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Max points (%1)</source>
        <translation>Max points (%1)</translation>
    </message>
    <message>
        <source>Max points</source>
        <translation>Max points</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation>Max Y</translation>
    </message>
    <message>
        <source>submit</source>
        <translation>submit</translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation>Min Y</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Max Point</source>
        <translation>Max Point</translation>
    </message>
    <message>
        <source>Max of Y axis</source>
        <translation>Max of Y axis</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>Axis Maximum Value must be &gt;= Minimum</translation>
    </message>
    <message>
        <source>Min of Y axis</source>
        <translation>Min of Y axis</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Axis Minimum Value must be &lt;= Maximum</translation>
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
        <translation>Clear</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Distributor</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Show Graph</source>
        <translation>&amp;Show Graph</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Monitor Settings</source>
        <translation>Monitor Settings</translation>
    </message>
    <message>
        <source>Close driver when Loopscribe exits</source>
        <translation>Close driver when Loopscribe exits</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Show Loopscribe</source>
        <translation>Show Loopscribe</translation>
    </message>
    <message>
        <source>Close Loopscribe</source>
        <translation>Close Loopscribe</translation>
    </message>
    <message>
        <source>Do You really want to exit Loopscribe?</source>
        <translation>Do You really want to exit Loopscribe?</translation>
    </message>
    <message>
        <source>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</source>
        <translation>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</translation>
    </message>
    <message>
        <source>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</source>
        <translation>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</translation>
    </message>
</context>
<context>
    <name>logger::TfOprogramu</name>
    <message>
        <source>Loopscribe for Windows®</source>
        <translation>Loopscribe for Windows®</translation>
    </message>
    <message>
        <source>Loopscribe for Linux</source>
        <translation>Loopscribe for Linux</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>About ...</translation>
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
        <translation>Part of Halvane, the HART driver and tools</translation>
    </message>
    <message>
        <source>User guide: docs/loopscribe.md</source>
        <translation>User guide: docs/loopscribe.md</translation>
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
        <translation>Monitor Settings</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>Reading:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Interval [s]:</source>
        <translation>Interval [s]:</translation>
    </message>
    <message>
        <source>Multidrop max. address:</source>
        <translation>Multidrop max. address:</translation>
    </message>
    <message>
        <source>Save record to file</source>
        <translation>Save record to file</translation>
    </message>
    <message>
        <source>Append file</source>
        <translation>Append file</translation>
    </message>
    <message>
        <source>Rewrite file</source>
        <translation>Rewrite file</translation>
    </message>
    <message>
        <source>Save monitored LOG as ...</source>
        <translation>Save monitored LOG as ...</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no time stamp</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No Warn</source>
        <translation>No Warn</translation>
    </message>
    <message>
        <source>Timeout Only</source>
        <translation>Timeout Only</translation>
    </message>
    <message>
        <source>Status Only</source>
        <translation>Status Only</translation>
    </message>
    <message>
        <source>All Errors</source>
        <translation>All Errors</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>By System</source>
        <translation>By System</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Number of decimal places</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Parameters cannot be changed while monitor is running!</source>
        <translation>Parameters cannot be changed while monitor is running!</translation>
    </message>
    <message>
        <source>Cannot create directory for LOG file!</source>
        <translation>Cannot create directory for LOG file!</translation>
    </message>
    <message>
        <source>Min value is 2 sec!</source>
        <translation>Min value is 2 sec!</translation>
    </message>
    <message>
        <source>Logs (*.log);;All Files (*)</source>
        <translation>Logs (*.log);;All Files (*)</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Decimal Separator</translation>
    </message>
</context>
</TS>
