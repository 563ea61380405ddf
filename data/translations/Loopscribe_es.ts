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
    <name>logger::ChartWindow</name>
    <message>
        <source>Output Current</source>
        <translation>Corriente de salida</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Variable primaria</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Variable secundaria</translation>
    </message>
    <message>
        <source>Third Variable</source>
        <translation>Variable terciaria</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Variable cuaternaria</translation>
    </message>
</context>
<context>
    <name>logger::MonitorTexts</name>
    <message>
        <source>Polling Adress</source>
        <translation>Dirección de sondeo</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
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
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>Time Out!</source>
        <translation>¡Tiempo agotado!</translation>
    </message>
    <message>
        <source>HART Transmitter not found!</source>
        <translation>¡Transmisor HART no encontrado!</translation>
    </message>
    <message>
        <source>Monitor started at </source>
        <translation>Monitorización iniciada el </translation>
    </message>
    <message>
        <source>Monitor stoped at </source>
        <translation>Monitorización detenida el </translation>
    </message>
    <message>
        <source>Cannot save to file!</source>
        <translation>¡No se puede guardar en el archivo!</translation>
    </message>
    <message>
        <source>Reply line %1 is missing!</source>
        <translation>¡Falta la línea %1 de la respuesta!</translation>
    </message>
    <message>
        <source>Reply line %1 is not a number: %2</source>
        <translation>La línea %1 de la respuesta no es un número: %2</translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Unidades: </translation>
    </message>
    <message>
        <source>Sending cmd </source>
        <translation>Enviando comando </translation>
    </message>
    <message>
        <source>Cmd sending failed.</source>
        <translation>Error al enviar el comando.</translation>
    </message>
    <message>
        <source>Command ready.</source>
        <translation>Comando listo.</translation>
    </message>
    <message>
        <source>Monitor finished</source>
        <translation>Monitorización finalizada</translation>
    </message>
    <message>
        <source>Halvane not found!<byte value="xd"/>
Cannot start monitor!</source>
        <translation>¡No se encuentra Halvane!<byte value="xd"/>
¡No se puede iniciar la monitorización!</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Comando no ejecutado, ¡inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>¡Error de comunicación!</translation>
    </message>
    <message>
        <source>Command Error!</source>
        <translation>¡Error de comando!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Excepción en DoMacro.</translation>
    </message>
    <message>
        <source>Monitor has been interrupted!</source>
        <translation>¡La monitorización se ha interrumpido!</translation>
    </message>
    <message>
        <source>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</source>
        <translation>¡El archivo ya existe!<byte value="xd"/>
¿Realmente desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</source>
        <translation>¡No se puede crear la carpeta!<byte value="xd"/>
¡La monitorización se ha interrumpido!</translation>
    </message>
    <message>
        <source>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</source>
        <translation>¡No se puede crear el archivo de registro!<byte value="xd"/>
Monitorización interrumpida.</translation>
    </message>
    <message>
        <source>Do you really want to clear screen?</source>
        <translation>¿Realmente desea borrar la pantalla?</translation>
    </message>
    <message>
        <source>Cannot terminate driver!</source>
        <translation>¡No se puede cerrar el controlador!</translation>
    </message>
</context>
<context>
    <name>logger::TfChart</name>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>automaticky</source>
        <extracomment>The Czech built-in caption of the secondary variable&apos;s automatic Min Y: &quot;automatic&quot;.</extracomment>
        <translation>automático</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Max points (%1)</source>
        <translation>Máx. puntos (%1)</translation>
    </message>
    <message>
        <source>Max points</source>
        <translation>Máx. puntos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation>Máx. Y</translation>
    </message>
    <message>
        <source>submit</source>
        <translation>introducir</translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation>Mín. Y</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Introducir</translation>
    </message>
    <message>
        <source>Max Point</source>
        <translation>Máx. puntos</translation>
    </message>
    <message>
        <source>Max of Y axis</source>
        <translation>Máximo del eje Y</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>El máximo del eje debe ser &gt;= mínimo</translation>
    </message>
    <message>
        <source>Min of Y axis</source>
        <translation>Mínimo del eje Y</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>El mínimo del eje debe ser &lt;= máximo</translation>
    </message>
</context>
<context>
    <name>logger::TfMain</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Show Graph</source>
        <translation>&amp;Mostrar gráfico</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Monitor Settings</source>
        <translation>Ajustes de monitorización</translation>
    </message>
    <message>
        <source>Close driver when Loopscribe exits</source>
        <translation>Cerrar el controlador al salir de Loopscribe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Acerca de ...</translation>
    </message>
    <message>
        <source>Show Loopscribe</source>
        <translation>Mostrar Loopscribe</translation>
    </message>
    <message>
        <source>Close Loopscribe</source>
        <translation>Cerrar Loopscribe</translation>
    </message>
    <message>
        <source>Do You really want to exit Loopscribe?</source>
        <translation>¿Realmente desea salir de Loopscribe?</translation>
    </message>
    <message>
        <source>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</source>
        <translation>¡La monitorización está en marcha!<byte value="xd"/>
La aplicación se ocultará (monitorización en segundo plano).</translation>
    </message>
    <message>
        <source>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</source>
        <translation>No se pueden guardar los ajustes; se pierden los cambios de esta sesión.<byte value="xd"/>
Compruebe que se puede escribir en la carpeta de ajustes.</translation>
    </message>
</context>
<context>
    <name>logger::TfOprogramu</name>
    <message>
        <source>Loopscribe for Windows®</source>
        <translation>Loopscribe para Windows®</translation>
    </message>
    <message>
        <source>Loopscribe for Linux</source>
        <translation>Loopscribe para Linux</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Acerca de ...</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Part of Halvane, the HART driver and tools</source>
        <translation>Forma parte de Halvane (controlador HART)</translation>
    </message>
    <message>
        <source>User guide: docs/loopscribe.md</source>
        <translation>Guía del usuario: docs/loopscribe.md</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>logger::TfOptions</name>
    <message>
        <source>Monitor Settings</source>
        <translation>Ajustes de monitorización</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>Lectura:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Interval [s]:</source>
        <translation>Intervalo [s]:</translation>
    </message>
    <message>
        <source>Multidrop max. address:</source>
        <translation>Dirección multidrop máx.:</translation>
    </message>
    <message>
        <source>Save record to file</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Append file</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Rewrite file</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Save monitored LOG as ...</source>
        <translation>Guardar el registro como ...</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/hora</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no time stamp</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>No Warn</source>
        <translation>Sin avisos</translation>
    </message>
    <message>
        <source>Timeout Only</source>
        <translation>Solo tiempo agotado</translation>
    </message>
    <message>
        <source>Status Only</source>
        <translation>Solo estado</translation>
    </message>
    <message>
        <source>All Errors</source>
        <translation>Todos los errores</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>By System</source>
        <translation>Según el sistema</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Número de decimales</translation>
    </message>
    <message>
        <source>auto</source>
        <comment>decimal places</comment>
        <translation>auto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Parameters cannot be changed while monitor is running!</source>
        <translation>¡Los parámetros no se pueden cambiar mientras la monitorización está en marcha!</translation>
    </message>
    <message>
        <source>Cannot create directory for LOG file!</source>
        <translation>¡No se puede crear la carpeta del archivo de registro!</translation>
    </message>
    <message>
        <source>Min value is 2 sec!</source>
        <translation>¡El valor mínimo es 2 s!</translation>
    </message>
    <message>
        <source>Logs (*.log);;All Files (*)</source>
        <translation>Registros (*.log);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Separador decimal</translation>
    </message>
</context>
</TS>
