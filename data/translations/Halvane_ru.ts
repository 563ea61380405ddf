<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
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
        <translation>Другие программы не могут подключиться к драйверу: %1</translation>
    </message>
</context>
<context>
    <name>driver::PortListInfo</name>
    <message>
        <source>no device</source>
        <translation>нет устройства</translation>
    </message>
</context>
<context>
    <name>driver::PortProblem</name>
    <message>
        <source>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</source>
        <translation>Вашей учётной записи запрещено использовать это устройство. Добавьте её в группу &quot;dialout&quot; (sudo usermod -aG dialout $USER), затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>Another program is using the port. Close that program or choose another port.</source>
        <translation>Порт занят другой программой. Закройте эту программу или выберите другой порт.</translation>
    </message>
    <message>
        <source>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</source>
        <extracomment>%1 the port name (COM3), %2 the settings file.</extracomment>
        <translation>Подключите модем или укажите устройство для %1 в разделе [Ports] файла %2 (например, %1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The device is not a serial port. Check the [Ports] section of %1.</source>
        <extracomment>%1 the settings file.</extracomment>
        <translation>Устройство не является последовательным портом. Проверьте раздел [Ports] файла %1.</translation>
    </message>
    <message>
        <source>This port cannot be used!</source>
        <translation>Этот порт нельзя использовать!</translation>
    </message>
    <message>
        <source>no serial device goes by this name</source>
        <translation>последовательного устройства с таким именем нет</translation>
    </message>
</context>
<context>
    <name>driver::ReplyLine</name>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Polling address</source>
        <translation>Адрес опроса</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Состояние устройства</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Доставлено ответов</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Байт %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Единица %1</translation>
    </message>
    <message>
        <source>Float %1</source>
        <translation>Вещественное число %1</translation>
    </message>
    <message>
        <source>Packed text %1</source>
        <translation>Текст Packed ASCII %1</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Текст %1</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <translation>Целое число %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <source>Preambles</source>
        <translation>Число преамбул</translation>
    </message>
    <message>
        <source>HART revision</source>
        <translation>Версия HART</translation>
    </message>
    <message>
        <source>Device revision</source>
        <translation>Версия устройства</translation>
    </message>
    <message>
        <source>Software revision</source>
        <translation>Версия ПО</translation>
    </message>
    <message>
        <source>Hardware revision</source>
        <translation>Версия аппаратной части</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Флаги</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID устройства</translation>
    </message>
    <message>
        <source>Loop current</source>
        <translation>Ток петли</translation>
    </message>
    <message>
        <source>Percent of range</source>
        <translation>Процент диапазона</translation>
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
        <translation>Единица PV</translation>
    </message>
    <message>
        <source>SV unit</source>
        <translation>Единица SV</translation>
    </message>
    <message>
        <source>TV unit</source>
        <translation>Единица TV</translation>
    </message>
    <message>
        <source>QV unit</source>
        <translation>Единица QV</translation>
    </message>
    <message>
        <source>PV variable</source>
        <translation>Переменная для PV</translation>
    </message>
    <message>
        <source>SV variable</source>
        <translation>Переменная для SV</translation>
    </message>
    <message>
        <source>TV variable</source>
        <translation>Переменная для TV</translation>
    </message>
    <message>
        <source>QV variable</source>
        <translation>Переменная для QV</translation>
    </message>
    <message>
        <source>PV damping</source>
        <translation>Демпфирование PV</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Тег</translation>
    </message>
    <message>
        <source>Unit tag</source>
        <translation>Тег установки</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Дескриптор</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Final assembly number</source>
        <translation>Номер окончательной сборки</translation>
    </message>
    <message>
        <source>Transducer serial number</source>
        <translation>Серийный номер преобразователя</translation>
    </message>
    <message>
        <source>Transducer limits unit</source>
        <translation>Единица пределов преобразователя</translation>
    </message>
    <message>
        <source>Upper transducer limit</source>
        <translation>Верхний предел преобразователя</translation>
    </message>
    <message>
        <source>Lower transducer limit</source>
        <translation>Нижний предел преобразователя</translation>
    </message>
    <message>
        <source>Sensor serial number</source>
        <translation>Серийный номер датчика</translation>
    </message>
    <message>
        <source>Sensor limits unit</source>
        <translation>Единица пределов датчика</translation>
    </message>
    <message>
        <source>Upper sensor limit</source>
        <translation>Верхний предел датчика</translation>
    </message>
    <message>
        <source>Lower sensor limit</source>
        <translation>Нижний предел датчика</translation>
    </message>
    <message>
        <source>Minimum span</source>
        <translation>Минимальный диапазон</translation>
    </message>
    <message>
        <source>Alarm selection</source>
        <translation>Аварийный сигнал</translation>
    </message>
    <message>
        <source>Alarm selection code</source>
        <translation>Код аварийного сигнала</translation>
    </message>
    <message>
        <source>Transfer function</source>
        <translation>Передаточная функция</translation>
    </message>
    <message>
        <source>Range unit</source>
        <translation>Единица диапазона</translation>
    </message>
    <message>
        <source>Upper range value</source>
        <translation>Верхнее значение диапазона</translation>
    </message>
    <message>
        <source>Lower range value</source>
        <translation>Нижнее значение диапазона</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Демпфирование</translation>
    </message>
    <message>
        <source>Write protect</source>
        <translation>Защита от записи</translation>
    </message>
    <message>
        <source>Private label distributor</source>
        <translation>Дистрибьютор (частная марка)</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Переменная %1</translation>
    </message>
    <message>
        <source>Variable %1 code</source>
        <translation>Код переменной %1</translation>
    </message>
    <message>
        <source>Variable %1 unit</source>
        <translation>Единица переменной %1</translation>
    </message>
    <message>
        <source>Device variable</source>
        <translation>Переменная устройства</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единица</translation>
    </message>
    <message>
        <source>EEPROM control code</source>
        <translation>Код управления EEPROM</translation>
    </message>
    <message>
        <source>Fixed current</source>
        <translation>Фиксированный ток</translation>
    </message>
    <message>
        <source>Measured current</source>
        <translation>Измеренный ток</translation>
    </message>
    <message>
        <source>Status bytes %1</source>
        <translation>Байты состояния %1</translation>
    </message>
    <message>
        <source>Status byte %1</source>
        <translation>Байт состояния %1</translation>
    </message>
    <message>
        <source>Analog channel</source>
        <translation>Аналоговый канал</translation>
    </message>
    <message>
        <source>Analog channel unit</source>
        <translation>Единица аналогового канала</translation>
    </message>
    <message>
        <source>Analog channel level</source>
        <translation>Уровень аналогового канала</translation>
    </message>
    <message>
        <source>Channel unit</source>
        <translation>Единица канала</translation>
    </message>
    <message>
        <source>Channel level</source>
        <translation>Уровень канала</translation>
    </message>
    <message>
        <source>Channel %1 number</source>
        <translation>Номер канала %1</translation>
    </message>
    <message>
        <source>Channel %1 unit</source>
        <translation>Единица канала %1</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Уровень канала %1</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Endpoint unit</source>
        <translation>Единица конечных точек</translation>
    </message>
    <message>
        <source>Upper endpoint</source>
        <translation>Верхняя конечная точка</translation>
    </message>
    <message>
        <source>Lower endpoint</source>
        <translation>Нижняя конечная точка</translation>
    </message>
    <message>
        <source>Burst variable %1</source>
        <translation>Переменная пакетного режима %1</translation>
    </message>
    <message>
        <source>Burst command</source>
        <translation>Команда пакетного режима</translation>
    </message>
    <message>
        <source>Burst mode</source>
        <translation>Пакетный режим</translation>
    </message>
</context>
<context>
    <name>driver::THalvaneForm</name>
    <message>
        <source>with DDE interface</source>
        <translation>с интерфейсом DDE</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>версия %1</translation>
    </message>
    <message>
        <source>Primary Master</source>
        <translation>Первичный мастер</translation>
    </message>
    <message>
        <source>Secondary Master</source>
        <translation>Вторичный мастер</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no port</comment>
        <translation>нет</translation>
    </message>
    <message>
        <source>Port Status:</source>
        <translation>Состояние порта:</translation>
    </message>
    <message>
        <source>Manual commands</source>
        <translation>Ручные команды</translation>
    </message>
    <message>
        <source>Odesilat dokola</source>
        <extracomment>The repeat box: &quot;send repeatedly&quot; (the built-in caption is Czech).</extracomment>
        <translation>Отправлять циклически</translation>
    </message>
    <message>
        <source>Send Command</source>
        <translation>Отправить команду</translation>
    </message>
    <message>
        <source>Frames sent</source>
        <translation>Отправлено кадров</translation>
    </message>
    <message>
        <source>Receive events</source>
        <translation>События приёма</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Доставлено ответов</translation>
    </message>
    <message>
        <source>Show Panel</source>
        <translation>Показать панель</translation>
    </message>
    <message>
        <source>Close Halvane</source>
        <translation>Закрыть Halvane</translation>
    </message>
    <message>
        <source>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</source>
        <translation>Нет области уведомлений: закрытие сворачивает окно. Правый щелчок по окну — «%1».</translation>
    </message>
    <message>
        <source>No HART Modem Connected!</source>
        <translation>HART-модем не подключён!</translation>
    </message>
    <message>
        <source>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</source>
        <translation>HART-модем не обнаружен!<byte value="xd"/>
Вы действительно хотите использовать этот порт?</translation>
    </message>
    <message>
        <source>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</source>
        <translation>Вы действительно хотите закрыть Halvane?<byte value="xd"/>
Другие программы не смогут обмениваться данными с HART-устройствами!</translation>
    </message>
    <message>
        <source>gone</source>
        <extracomment>The port status when the port&apos;s device went away.</extracomment>
        <translation>пропал</translation>
    </message>
    <message>
        <source>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</source>
        <translation>Устройство порта %1 (%2) пропало. Halvane снова откроет его, когда оно появится; до тех пор на каждую команду приходит ответ «Communication Error!».</translation>
    </message>
    <message>
        <source>Halvane: %1 gone</source>
        <translation>Halvane: %1 отключён</translation>
    </message>
</context>
</TS>
