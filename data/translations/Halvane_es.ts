<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>Los demás programas no pueden comunicarse con el controlador: %1</translation>
    </message>
</context>
<context>
    <name>driver::PortListInfo</name>
    <message>
        <source>no device</source>
        <translation>ningún dispositivo</translation>
    </message>
</context>
<context>
    <name>driver::PortProblem</name>
    <message>
        <source>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</source>
        <translation>Su cuenta de usuario no puede usar este dispositivo. Añádala al grupo &quot;dialout&quot; (sudo usermod -aG dialout $USER) y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Another program is using the port. Close that program or choose another port.</source>
        <translation>Otro programa está usando el puerto. Cierre ese programa o elija otro puerto.</translation>
    </message>
    <message>
        <source>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</source>
        <extracomment>%1 the port name (COM3), %2 the settings file.</extracomment>
        <translation>Conecte el módem o asigne %1 a su dispositivo en la sección [Ports] de %2 (por ejemplo, %1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The device is not a serial port. Check the [Ports] section of %1.</source>
        <extracomment>%1 the settings file.</extracomment>
        <translation>El dispositivo no es un puerto serie. Revise la sección [Ports] de %1.</translation>
    </message>
    <message>
        <source>This port cannot be used!</source>
        <translation>¡Este puerto no se puede usar!</translation>
    </message>
    <message>
        <source>no serial device goes by this name</source>
        <translation>ningún dispositivo serie tiene este nombre</translation>
    </message>
</context>
<context>
    <name>driver::ReplyLine</name>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Polling address</source>
        <translation>Dirección de sondeo</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Estado del dispositivo</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Respuestas entregadas</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Unidad %1</translation>
    </message>
    <message>
        <source>Float %1</source>
        <translation>Número real %1</translation>
    </message>
    <message>
        <source>Packed text %1</source>
        <translation>Texto Packed ASCII %1</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Texto %1</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <translation>Entero %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Tipo de dispositivo</translation>
    </message>
    <message>
        <source>Preambles</source>
        <translation>Preámbulos</translation>
    </message>
    <message>
        <source>HART revision</source>
        <translation>Revisión HART</translation>
    </message>
    <message>
        <source>Device revision</source>
        <translation>Revisión del dispositivo</translation>
    </message>
    <message>
        <source>Software revision</source>
        <translation>Revisión de software</translation>
    </message>
    <message>
        <source>Hardware revision</source>
        <translation>Revisión de hardware</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Indicadores</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID del dispositivo</translation>
    </message>
    <message>
        <source>Loop current</source>
        <translation>Corriente del lazo</translation>
    </message>
    <message>
        <source>Percent of range</source>
        <translation>Porcentaje del rango</translation>
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
        <translation>Unidad de PV</translation>
    </message>
    <message>
        <source>SV unit</source>
        <translation>Unidad de SV</translation>
    </message>
    <message>
        <source>TV unit</source>
        <translation>Unidad de TV</translation>
    </message>
    <message>
        <source>QV unit</source>
        <translation>Unidad de QV</translation>
    </message>
    <message>
        <source>PV variable</source>
        <translation>Variable asignada a PV</translation>
    </message>
    <message>
        <source>SV variable</source>
        <translation>Variable asignada a SV</translation>
    </message>
    <message>
        <source>TV variable</source>
        <translation>Variable asignada a TV</translation>
    </message>
    <message>
        <source>QV variable</source>
        <translation>Variable asignada a QV</translation>
    </message>
    <message>
        <source>PV damping</source>
        <translation>Amortiguación de PV</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Unit tag</source>
        <translation>Etiqueta de unidad</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Descriptor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Final assembly number</source>
        <translation>Número de montaje final</translation>
    </message>
    <message>
        <source>Transducer serial number</source>
        <translation>Número de serie del transductor</translation>
    </message>
    <message>
        <source>Transducer limits unit</source>
        <translation>Unidad de límites del transductor</translation>
    </message>
    <message>
        <source>Upper transducer limit</source>
        <translation>Límite superior del transductor</translation>
    </message>
    <message>
        <source>Lower transducer limit</source>
        <translation>Límite inferior del transductor</translation>
    </message>
    <message>
        <source>Sensor serial number</source>
        <translation>Número de serie del sensor</translation>
    </message>
    <message>
        <source>Sensor limits unit</source>
        <translation>Unidad de límites del sensor</translation>
    </message>
    <message>
        <source>Upper sensor limit</source>
        <translation>Límite superior del sensor</translation>
    </message>
    <message>
        <source>Lower sensor limit</source>
        <translation>Límite inferior del sensor</translation>
    </message>
    <message>
        <source>Minimum span</source>
        <translation>Alcance mínimo</translation>
    </message>
    <message>
        <source>Alarm selection</source>
        <translation>Selección de alarma</translation>
    </message>
    <message>
        <source>Alarm selection code</source>
        <translation>Código de selección de alarma</translation>
    </message>
    <message>
        <source>Transfer function</source>
        <translation>Función de transferencia</translation>
    </message>
    <message>
        <source>Range unit</source>
        <translation>Unidad de rango</translation>
    </message>
    <message>
        <source>Upper range value</source>
        <translation>Valor superior del rango</translation>
    </message>
    <message>
        <source>Lower range value</source>
        <translation>Valor inferior del rango</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Amortiguación</translation>
    </message>
    <message>
        <source>Write protect</source>
        <translation>Protección contra escritura</translation>
    </message>
    <message>
        <source>Private label distributor</source>
        <translation>Distribuidor (marca privada)</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Variable %1</translation>
    </message>
    <message>
        <source>Variable %1 code</source>
        <translation>Código de la variable %1</translation>
    </message>
    <message>
        <source>Variable %1 unit</source>
        <translation>Unidad de la variable %1</translation>
    </message>
    <message>
        <source>Device variable</source>
        <translation>Variable del dispositivo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>EEPROM control code</source>
        <translation>Código de control de EEPROM</translation>
    </message>
    <message>
        <source>Fixed current</source>
        <translation>Corriente fija</translation>
    </message>
    <message>
        <source>Measured current</source>
        <translation>Corriente medida</translation>
    </message>
    <message>
        <source>Status bytes %1</source>
        <translation>Bytes de estado %1</translation>
    </message>
    <message>
        <source>Status byte %1</source>
        <translation>Byte de estado %1</translation>
    </message>
    <message>
        <source>Analog channel</source>
        <translation>Canal analógico</translation>
    </message>
    <message>
        <source>Analog channel unit</source>
        <translation>Unidad del canal analógico</translation>
    </message>
    <message>
        <source>Analog channel level</source>
        <translation>Nivel del canal analógico</translation>
    </message>
    <message>
        <source>Channel unit</source>
        <translation>Unidad del canal</translation>
    </message>
    <message>
        <source>Channel level</source>
        <translation>Nivel del canal</translation>
    </message>
    <message>
        <source>Channel %1 number</source>
        <translation>Número del canal %1</translation>
    </message>
    <message>
        <source>Channel %1 unit</source>
        <translation>Unidad del canal %1</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Nivel del canal %1</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Endpoint unit</source>
        <translation>Unidad de los extremos</translation>
    </message>
    <message>
        <source>Upper endpoint</source>
        <translation>Extremo superior</translation>
    </message>
    <message>
        <source>Lower endpoint</source>
        <translation>Extremo inferior</translation>
    </message>
    <message>
        <source>Burst variable %1</source>
        <translation>Variable burst %1</translation>
    </message>
    <message>
        <source>Burst command</source>
        <translation>Comando burst</translation>
    </message>
    <message>
        <source>Burst mode</source>
        <translation>Modo burst</translation>
    </message>
</context>
<context>
    <name>driver::THalvaneForm</name>
    <message>
        <source>with DDE interface</source>
        <translation>con interfaz DDE</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>Primary Master</source>
        <translation>Maestro primario</translation>
    </message>
    <message>
        <source>Secondary Master</source>
        <translation>Maestro secundario</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no port</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Port Status:</source>
        <translation>Estado del puerto:</translation>
    </message>
    <message>
        <source>Manual commands</source>
        <translation>Comandos manuales</translation>
    </message>
    <message>
        <source>Odesilat dokola</source>
        <extracomment>The repeat box: &quot;send repeatedly&quot; (the built-in caption is Czech).</extracomment>
        <translation>Enviar repetidamente</translation>
    </message>
    <message>
        <source>Send Command</source>
        <translation>Enviar comando</translation>
    </message>
    <message>
        <source>Frames sent</source>
        <translation>Tramas enviadas</translation>
    </message>
    <message>
        <source>Receive events</source>
        <translation>Eventos de recepción</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Respuestas entregadas</translation>
    </message>
    <message>
        <source>Show Panel</source>
        <translation>Mostrar panel</translation>
    </message>
    <message>
        <source>Close Halvane</source>
        <translation>Cerrar Halvane</translation>
    </message>
    <message>
        <source>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</source>
        <translation>No hay área de notificación: al cerrar, la ventana se minimiza. Clic derecho en ella: «%1».</translation>
    </message>
    <message>
        <source>No HART Modem Connected!</source>
        <translation>¡No hay ningún módem HART conectado!</translation>
    </message>
    <message>
        <source>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</source>
        <translation>¡No se ha detectado ningún módem HART!<byte value="xd"/>
¿Realmente desea usar este puerto?</translation>
    </message>
    <message>
        <source>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</source>
        <translation>¿Realmente desea salir de Halvane?<byte value="xd"/>
¡Los demás programas ya no podrán comunicarse con los dispositivos HART!</translation>
    </message>
    <message>
        <source>gone</source>
        <extracomment>The port status when the port&apos;s device went away.</extracomment>
        <translation>ausente</translation>
    </message>
    <message>
        <source>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</source>
        <translation>El dispositivo de %1 (%2) ha desaparecido. Halvane lo volverá a abrir por sí mismo cuando reaparezca; hasta entonces, todos los comandos responden «Communication Error!».</translation>
    </message>
    <message>
        <source>Halvane: %1 gone</source>
        <translation>Halvane: %1 desconectado</translation>
    </message>
</context>
</TS>
