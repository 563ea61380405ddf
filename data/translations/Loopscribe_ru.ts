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
    <name>logger::ChartWindow</name>
    <message>
        <source>Output Current</source>
        <translation>Выходной ток</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Первичная переменная</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Вторичная переменная</translation>
    </message>
    <message>
        <source>Third Variable</source>
        <translation>Третья переменная</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Четвёртая переменная</translation>
    </message>
</context>
<context>
    <name>logger::MonitorTexts</name>
    <message>
        <source>Polling Adress</source>
        <translation>Адрес опроса</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Ток</translation>
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
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Time Out!</source>
        <translation>Тайм-аут!</translation>
    </message>
    <message>
        <source>HART Transmitter not found!</source>
        <translation>HART-преобразователь не найден!</translation>
    </message>
    <message>
        <source>Monitor started at </source>
        <translation>Мониторинг запущен </translation>
    </message>
    <message>
        <source>Monitor stoped at </source>
        <translation>Мониторинг остановлен </translation>
    </message>
    <message>
        <source>Cannot save to file!</source>
        <translation>Не удаётся сохранить в файл!</translation>
    </message>
    <message>
        <source>Reply line %1 is missing!</source>
        <translation>Отсутствует строка ответа %1!</translation>
    </message>
    <message>
        <source>Reply line %1 is not a number: %2</source>
        <translation>Строка ответа %1 не является числом: %2</translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Единицы: </translation>
    </message>
    <message>
        <source>Sending cmd </source>
        <translation>Отправка команды </translation>
    </message>
    <message>
        <source>Cmd sending failed.</source>
        <translation>Не удалось отправить команду.</translation>
    </message>
    <message>
        <source>Command ready.</source>
        <translation>Команда выполнена.</translation>
    </message>
    <message>
        <source>Monitor finished</source>
        <translation>Мониторинг завершён</translation>
    </message>
    <message>
        <source>Halvane not found!<byte value="xd"/>
Cannot start monitor!</source>
        <translation>Halvane не найден!<byte value="xd"/>
Невозможно запустить мониторинг!</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Команда не выполнена, повторите попытку!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Ошибка связи!</translation>
    </message>
    <message>
        <source>Command Error!</source>
        <translation>Ошибка команды!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Исключение в DoMacro.</translation>
    </message>
    <message>
        <source>Monitor has been interrupted!</source>
        <translation>Мониторинг прерван!</translation>
    </message>
    <message>
        <source>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</source>
        <translation>Файл уже существует!<byte value="xd"/>
Вы действительно хотите перезаписать его?</translation>
    </message>
    <message>
        <source>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</source>
        <translation>Невозможно создать папку!<byte value="xd"/>
Мониторинг прерван!</translation>
    </message>
    <message>
        <source>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</source>
        <translation>Невозможно создать файл журнала!<byte value="xd"/>
Мониторинг прерван.</translation>
    </message>
    <message>
        <source>Do you really want to clear screen?</source>
        <translation>Вы действительно хотите очистить экран?</translation>
    </message>
    <message>
        <source>Cannot terminate driver!</source>
        <translation>Невозможно завершить драйвер!</translation>
    </message>
</context>
<context>
    <name>logger::TfChart</name>
    <message>
        <source>automatic</source>
        <translation>автоматически</translation>
    </message>
    <message>
        <source>automaticky</source>
        <extracomment>The Czech built-in caption of the secondary variable&apos;s automatic Min Y: &quot;automatic&quot;.</extracomment>
        <translation>автоматически</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Max points (%1)</source>
        <translation>Макс. точек (%1)</translation>
    </message>
    <message>
        <source>Max points</source>
        <translation>Макс. точек</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation>Макс. Y</translation>
    </message>
    <message>
        <source>submit</source>
        <translation>ввести</translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation>Мин. Y</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Max Point</source>
        <translation>Макс. точек</translation>
    </message>
    <message>
        <source>Max of Y axis</source>
        <translation>Максимум оси Y</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>Максимум оси должен быть &gt;= минимума</translation>
    </message>
    <message>
        <source>Min of Y axis</source>
        <translation>Минимум оси Y</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Минимум оси должен быть &lt;= максимума</translation>
    </message>
</context>
<context>
    <name>logger::TfMain</name>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Show Graph</source>
        <translation>&amp;Показать график</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Monitor Settings</source>
        <translation>Настройки мониторинга</translation>
    </message>
    <message>
        <source>Close driver when Loopscribe exits</source>
        <translation>Закрывать драйвер при выходе из Loopscribe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>О программе ...</translation>
    </message>
    <message>
        <source>Show Loopscribe</source>
        <translation>Показать Loopscribe</translation>
    </message>
    <message>
        <source>Close Loopscribe</source>
        <translation>Закрыть Loopscribe</translation>
    </message>
    <message>
        <source>Do You really want to exit Loopscribe?</source>
        <translation>Вы действительно хотите выйти из Loopscribe?</translation>
    </message>
    <message>
        <source>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</source>
        <translation>Мониторинг выполняется!<byte value="xd"/>
Приложение будет скрыто (фоновый мониторинг).</translation>
    </message>
    <message>
        <source>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</source>
        <translation>Не удаётся сохранить настройки; изменения этого сеанса будут потеряны.<byte value="xd"/>
Проверьте, доступна ли папка настроек для записи.</translation>
    </message>
</context>
<context>
    <name>logger::TfOprogramu</name>
    <message>
        <source>Loopscribe for Windows®</source>
        <translation>Loopscribe для Windows®</translation>
    </message>
    <message>
        <source>Loopscribe for Linux</source>
        <translation>Loopscribe для Linux</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>О программе ...</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Part of Halvane, the HART driver and tools</source>
        <translation>Часть Halvane: HART-драйвер и утилиты</translation>
    </message>
    <message>
        <source>User guide: docs/loopscribe.md</source>
        <translation>Руководство: docs/loopscribe.md</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>logger::TfOptions</name>
    <message>
        <source>Monitor Settings</source>
        <translation>Настройки мониторинга</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>Опрос:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Interval [s]:</source>
        <translation>Интервал [с]:</translation>
    </message>
    <message>
        <source>Multidrop max. address:</source>
        <translation>Макс. адрес multidrop:</translation>
    </message>
    <message>
        <source>Save record to file</source>
        <translation>Запись в файл</translation>
    </message>
    <message>
        <source>Append file</source>
        <translation>Дописывать</translation>
    </message>
    <message>
        <source>Rewrite file</source>
        <translation>Перезаписывать</translation>
    </message>
    <message>
        <source>Save monitored LOG as ...</source>
        <translation>Сохранить журнал мониторинга как ...</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Дата/время</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no time stamp</comment>
        <translation>нет</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>No Warn</source>
        <translation>Без предупреждений</translation>
    </message>
    <message>
        <source>Timeout Only</source>
        <translation>Только тайм-аут</translation>
    </message>
    <message>
        <source>Status Only</source>
        <translation>Только состояние</translation>
    </message>
    <message>
        <source>All Errors</source>
        <translation>Все ошибки</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Запятая</translation>
    </message>
    <message>
        <source>By System</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Число знаков после запятой</translation>
    </message>
    <message>
        <source>auto</source>
        <comment>decimal places</comment>
        <translation>авто</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Parameters cannot be changed while monitor is running!</source>
        <translation>Параметры нельзя изменять во время мониторинга!</translation>
    </message>
    <message>
        <source>Cannot create directory for LOG file!</source>
        <translation>Невозможно создать папку для файла журнала!</translation>
    </message>
    <message>
        <source>Min value is 2 sec!</source>
        <translation>Минимальное значение — 2 с!</translation>
    </message>
    <message>
        <source>Logs (*.log);;All Files (*)</source>
        <translation>Журналы (*.log);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Десятичный разделитель</translation>
    </message>
</context>
</TS>
