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
        <translation>Other programs cannot reach the driver: %1</translation>
    </message>
</context>
<context>
    <name>driver::PortListInfo</name>
    <message>
        <source>no device</source>
        <translation>no device</translation>
    </message>
</context>
<context>
    <name>driver::PortProblem</name>
    <message>
        <source>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</source>
        <translation>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</translation>
    </message>
    <message>
        <source>Another program is using the port. Close that program or choose another port.</source>
        <translation>Another program is using the port. Close that program or choose another port.</translation>
    </message>
    <message>
        <source>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</source>
        <extracomment>%1 the port name (COM3), %2 the settings file.</extracomment>
        <translation>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The device is not a serial port. Check the [Ports] section of %1.</source>
        <extracomment>%1 the settings file.</extracomment>
        <translation>The device is not a serial port. Check the [Ports] section of %1.</translation>
    </message>
    <message>
        <source>This port cannot be used!</source>
        <translation>This port cannot be used!</translation>
    </message>
    <message>
        <source>no serial device goes by this name</source>
        <translation>no serial device goes by this name</translation>
    </message>
</context>
<context>
    <name>driver::ReplyLine</name>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Polling address</source>
        <translation>Polling address</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Device status</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Replies delivered</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Unit %1</translation>
    </message>
    <message>
        <source>Float %1</source>
        <translation>Float %1</translation>
    </message>
    <message>
        <source>Packed text %1</source>
        <translation>Packed text %1</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <translation>Integer %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source>Preambles</source>
        <translation>Preambles</translation>
    </message>
    <message>
        <source>HART revision</source>
        <translation>HART revision</translation>
    </message>
    <message>
        <source>Device revision</source>
        <translation>Device revision</translation>
    </message>
    <message>
        <source>Software revision</source>
        <translation>Software revision</translation>
    </message>
    <message>
        <source>Hardware revision</source>
        <translation>Hardware revision</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Loop current</source>
        <translation>Loop current</translation>
    </message>
    <message>
        <source>Percent of range</source>
        <translation>Percent of range</translation>
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
        <translation>PV unit</translation>
    </message>
    <message>
        <source>SV unit</source>
        <translation>SV unit</translation>
    </message>
    <message>
        <source>TV unit</source>
        <translation>TV unit</translation>
    </message>
    <message>
        <source>QV unit</source>
        <translation>QV unit</translation>
    </message>
    <message>
        <source>PV variable</source>
        <translation>PV variable</translation>
    </message>
    <message>
        <source>SV variable</source>
        <translation>SV variable</translation>
    </message>
    <message>
        <source>TV variable</source>
        <translation>TV variable</translation>
    </message>
    <message>
        <source>QV variable</source>
        <translation>QV variable</translation>
    </message>
    <message>
        <source>PV damping</source>
        <translation>PV damping</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Unit tag</source>
        <translation>Unit tag</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Descriptor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Final assembly number</source>
        <translation>Final assembly number</translation>
    </message>
    <message>
        <source>Transducer serial number</source>
        <translation>Transducer serial number</translation>
    </message>
    <message>
        <source>Transducer limits unit</source>
        <translation>Transducer limits unit</translation>
    </message>
    <message>
        <source>Upper transducer limit</source>
        <translation>Upper transducer limit</translation>
    </message>
    <message>
        <source>Lower transducer limit</source>
        <translation>Lower transducer limit</translation>
    </message>
    <message>
        <source>Sensor serial number</source>
        <translation>Sensor serial number</translation>
    </message>
    <message>
        <source>Sensor limits unit</source>
        <translation>Sensor limits unit</translation>
    </message>
    <message>
        <source>Upper sensor limit</source>
        <translation>Upper sensor limit</translation>
    </message>
    <message>
        <source>Lower sensor limit</source>
        <translation>Lower sensor limit</translation>
    </message>
    <message>
        <source>Minimum span</source>
        <translation>Minimum span</translation>
    </message>
    <message>
        <source>Alarm selection</source>
        <translation>Alarm selection</translation>
    </message>
    <message>
        <source>Alarm selection code</source>
        <translation>Alarm selection code</translation>
    </message>
    <message>
        <source>Transfer function</source>
        <translation>Transfer function</translation>
    </message>
    <message>
        <source>Range unit</source>
        <translation>Range unit</translation>
    </message>
    <message>
        <source>Upper range value</source>
        <translation>Upper range value</translation>
    </message>
    <message>
        <source>Lower range value</source>
        <translation>Lower range value</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Write protect</source>
        <translation>Write protect</translation>
    </message>
    <message>
        <source>Private label distributor</source>
        <translation>Private label distributor</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Variable %1</translation>
    </message>
    <message>
        <source>Variable %1 code</source>
        <translation>Variable %1 code</translation>
    </message>
    <message>
        <source>Variable %1 unit</source>
        <translation>Variable %1 unit</translation>
    </message>
    <message>
        <source>Device variable</source>
        <translation>Device variable</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>EEPROM control code</source>
        <translation>EEPROM control code</translation>
    </message>
    <message>
        <source>Fixed current</source>
        <translation>Fixed current</translation>
    </message>
    <message>
        <source>Measured current</source>
        <translation>Measured current</translation>
    </message>
    <message>
        <source>Status bytes %1</source>
        <translation>Status bytes %1</translation>
    </message>
    <message>
        <source>Status byte %1</source>
        <translation>Status byte %1</translation>
    </message>
    <message>
        <source>Analog channel</source>
        <translation>Analog channel</translation>
    </message>
    <message>
        <source>Analog channel unit</source>
        <translation>Analog channel unit</translation>
    </message>
    <message>
        <source>Analog channel level</source>
        <translation>Analog channel level</translation>
    </message>
    <message>
        <source>Channel unit</source>
        <translation>Channel unit</translation>
    </message>
    <message>
        <source>Channel level</source>
        <translation>Channel level</translation>
    </message>
    <message>
        <source>Channel %1 number</source>
        <translation>Channel %1 number</translation>
    </message>
    <message>
        <source>Channel %1 unit</source>
        <translation>Channel %1 unit</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Channel %1 level</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Endpoint unit</source>
        <translation>Endpoint unit</translation>
    </message>
    <message>
        <source>Upper endpoint</source>
        <translation>Upper endpoint</translation>
    </message>
    <message>
        <source>Lower endpoint</source>
        <translation>Lower endpoint</translation>
    </message>
    <message>
        <source>Burst variable %1</source>
        <translation>Burst variable %1</translation>
    </message>
    <message>
        <source>Burst command</source>
        <translation>Burst command</translation>
    </message>
    <message>
        <source>Burst mode</source>
        <translation>Burst mode</translation>
    </message>
</context>
<context>
    <name>driver::THalvaneForm</name>
    <message>
        <source>with DDE interface</source>
        <translation>with DDE interface</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Primary Master</source>
        <translation>Primary Master</translation>
    </message>
    <message>
        <source>Secondary Master</source>
        <translation>Secondary Master</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no port</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>Port Status:</source>
        <translation>Port Status:</translation>
    </message>
    <message>
        <source>Manual commands</source>
        <translation>Manual commands</translation>
    </message>
    <message>
        <source>Odesilat dokola</source>
        <extracomment>The repeat box: &quot;send repeatedly&quot; (the built-in caption is Czech).</extracomment>
        <translation>Send repeatedly</translation>
    </message>
    <message>
        <source>Send Command</source>
        <translation>Send Command</translation>
    </message>
    <message>
        <source>Frames sent</source>
        <translation>Frames sent</translation>
    </message>
    <message>
        <source>Receive events</source>
        <translation>Receive events</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Replies delivered</translation>
    </message>
    <message>
        <source>Show Panel</source>
        <translation>Show Panel</translation>
    </message>
    <message>
        <source>Close Halvane</source>
        <translation>Close Halvane</translation>
    </message>
    <message>
        <source>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</source>
        <translation>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No HART Modem Connected!</source>
        <translation>No HART Modem Connected!</translation>
    </message>
    <message>
        <source>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</source>
        <translation>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</translation>
    </message>
    <message>
        <source>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</source>
        <translation>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</translation>
    </message>
    <message>
        <source>gone</source>
        <extracomment>The port status when the port&apos;s device went away.</extracomment>
        <translation>gone</translation>
    </message>
    <message>
        <source>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</source>
        <translation>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</translation>
    </message>
    <message>
        <source>Halvane: %1 gone</source>
        <translation>Halvane: %1 gone</translation>
    </message>
</context>
</TS>
