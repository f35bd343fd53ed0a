<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddEntry</name>
    <message>
        <source>add %1</source>
        <extracomment>An undo step, shown as &quot;Undo add 05/05/2001 GAS $5.00&quot;</extracomment>
        <translation>añadir %1</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Movimiento añadido: %1</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>%1; its cleared marks were lost: %2</source>
        <translation>%1; se perdieron sus marcas de compensado: %2</translation>
    </message>
    <message>
        <source>%1 could not be used (%2)</source>
        <translation>no se pudo usar %1 (%2)</translation>
    </message>
    <message>
        <source>Not a whole register: line %1, %2.</source>
        <translation>No es un registro completo: línea %1, %2.</translation>
    </message>
    <message>
        <source>it is damaged or cut short (line %1: %2)</source>
        <translation>está dañada o incompleta (línea %1: %2)</translation>
    </message>
    <message>
        <source>Copy the register to a backup file in %1</source>
        <translation>Copiar el registro a un archivo de copia de seguridad en %1</translation>
    </message>
    <message>
        <source>Backed up to %1</source>
        <translation>Copia de seguridad guardada en %1</translation>
    </message>
    <message>
        <source>Restored %1</source>
        <translation>Restaurado %1</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>ENTER DESCRIPTION</source>
        <translation>INTRODUCIR DESCRIPCIÓN</translation>
    </message>
    <message>
        <source>Please enter the file description.<byte value="xd"/>
No spaces and 8 characters max.</source>
        <translation>Introduzca la descripción del archivo.<byte value="xd"/>
Sin espacios y 8 caracteres como máximo.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>No more than 8 characters!  Process aborted.</source>
        <translation>¡No más de 8 caracteres!  Proceso cancelado.</translation>
    </message>
    <message>
        <source>BACKUP FAILED</source>
        <translation>FALLÓ LA COPIA DE SEGURIDAD</translation>
    </message>
    <message>
        <source>%1 could not be read: %2<byte value="xd"/>
No backup was made.</source>
        <translation>No se pudo leer %1: %2<byte value="xd"/>
No se hizo ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>CORRECTO</translation>
    </message>
    <message>
        <source>The Backup was successful</source>
        <translation>La copia de seguridad se hizo correctamente</translation>
    </message>
    <message>
        <source>ARE YOU REALLY REALLY SURE?</source>
        <translation>¿SEGURO, PERO SEGURO DE VERDAD?</translation>
    </message>
    <message>
        <source>Doing this will erase your current register.  Do you wish to continue?</source>
        <translation>Esto borrará el registro actual.  ¿Continuar?</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>FOLDER NOT REMEMBERED</source>
        <translation>CARPETA NO RECORDADA</translation>
    </message>
    <message>
        <source>Backups go to %1 until Tallyra ends, but the choice could not be remembered for the next start: %2.</source>
        <translation>Las copias de seguridad irán a %1 hasta que Tallyra termine, pero la elección no se pudo recordar para el próximo inicio: %2.</translation>
    </message>
    <message>
        <source>restore %1</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; with the name of the backup file</extracomment>
        <translation>restaurar %1</translation>
    </message>
    <message>
        <source>All Was Good</source>
        <translation>Todo ha ido bien</translation>
    </message>
    <message>
        <source>The restore was successful</source>
        <translation>La restauración se ha completado correctamente</translation>
    </message>
</context>
<context>
    <name>BalanceHistory</name>
    <message>
        <source>%1 %2: withdrawal %3</source>
        <extracomment>An entry of a day: %1 is its check number, %2 its payee, %3 the amount.</extracomment>
        <translation>%1 %2: retiro %3</translation>
    </message>
    <message>
        <source>%1 %2: deposit %3</source>
        <extracomment>An entry of a day: %1 is its check number, %2 its payee, %3 the amount.</extracomment>
        <translation>%1 %2: depósito %3</translation>
    </message>
    <message>
        <source>%1 %2: neither</source>
        <extracomment>An entry with neither a withdrawal nor a deposit: %1 is its check number, %2 its payee.</extracomment>
        <translation>%1 %2: ninguno</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, balance %2</source>
        <extracomment>%1 is the date, %n how many entries it has, %2 the balance after them.</extracomment>
        <translation>
            <numerusform>%1: %n movimiento, saldo %2</numerusform>
            <numerusform>%1: %n movimientos, saldo %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the entries listed: how many more the date has.</extracomment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>January %1</source>
        <extracomment>A month of the month table: %1 is the year.</extracomment>
        <translation>enero de %1</translation>
    </message>
    <message>
        <source>February %1</source>
        <translation>febrero de %1</translation>
    </message>
    <message>
        <source>March %1</source>
        <translation>marzo de %1</translation>
    </message>
    <message>
        <source>April %1</source>
        <translation>abril de %1</translation>
    </message>
    <message>
        <source>May %1</source>
        <translation>mayo de %1</translation>
    </message>
    <message>
        <source>June %1</source>
        <translation>junio de %1</translation>
    </message>
    <message>
        <source>July %1</source>
        <translation>julio de %1</translation>
    </message>
    <message>
        <source>August %1</source>
        <translation>agosto de %1</translation>
    </message>
    <message>
        <source>September %1</source>
        <translation>septiembre de %1</translation>
    </message>
    <message>
        <source>October %1</source>
        <translation>octubre de %1</translation>
    </message>
    <message>
        <source>November %1</source>
        <translation>noviembre de %1</translation>
    </message>
    <message>
        <source>December %1</source>
        <translation>diciembre de %1</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation>Depósitos</translation>
    </message>
    <message>
        <source>Withdrawals</source>
        <translation>Retiros</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Balance at Month&apos;s End</source>
        <translation>Saldo a fin de mes</translation>
    </message>
</context>
<context>
    <name>CarryForwardChange</name>
    <message>
        <source>carry forward before %1</source>
        <translation>trasladar el saldo anterior al %1</translation>
    </message>
</context>
<context>
    <name>ChangeBoxes</name>
    <message>
        <source>Lines Kept</source>
        <translation>Líneas conservadas</translation>
    </message>
    <message>
        <source>%1 held record lines past the number of entries its first line gives, which the register never showed.  The file as it was is kept as %2.</source>
        <translation>%1 tenía líneas de movimientos más allá del número de movimientos que indica su primera línea, que el registro nunca mostró.  El archivo tal como estaba se conserva como %2.</translation>
    </message>
    <message>
        <source>SAVE NOT CONFIRMED</source>
        <translation>GUARDADO NO CONFIRMADO</translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm its new name: %2<byte value="xd"/>
The change is in the file, but a power cut now could undo it.</source>
        <translation>Se escribió %1, pero el disco no confirmó su nuevo nombre: %2<byte value="xd"/>
El cambio está en el archivo, pero un corte de corriente ahora podría deshacerlo.</translation>
    </message>
    <message>
        <source>Not Changed</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Nothing was changed: %1.</source>
        <translation>No se cambió nada: %1.</translation>
    </message>
    <message>
        <source>COPY FAILED</source>
        <translation>FALLÓ LA COPIA</translation>
    </message>
    <message>
        <source>The register could not be kept as a copy before it is replaced: %1<byte value="xd"/>
Nothing was changed.</source>
        <translation>No se pudo conservar una copia del registro antes de reemplazarlo: %1<byte value="xd"/>
No se cambió nada.</translation>
    </message>
    <message>
        <source>SAVE FAILED</source>
        <translation>FALLÓ EL GUARDADO</translation>
    </message>
    <message>
        <source>The register could not be saved to %1: %2<byte value="xd"/>
The file still holds the register as it was last saved.</source>
        <translation>No se pudo guardar el registro en %1: %2<byte value="xd"/>
El archivo sigue conteniendo el registro tal como se guardó por última vez.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Tallyra last read or wrote it.<byte value="xd"/>
<byte value="xd"/>
Reload: show the other version; your change is kept as %2.<byte value="xd"/>
Keep Mine: the other version is kept as %3, then your change is written.</source>
        <translation>Otro programa cambió %1 desde que Tallyra lo leyó o escribió por última vez.<byte value="xd"/>
<byte value="xd"/>
Recargar: mostrar la otra versión; el cambio se conserva como %2.<byte value="xd"/>
Conservar el mío: la otra versión se conserva como %3 y después se escribe el cambio.</translation>
    </message>
    <message>
        <source>Changed By Another Program</source>
        <translation>Cambiado por otro programa</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Conservar el mío</translation>
    </message>
    <message>
        <source>%1; the other program&apos;s version is kept as %2</source>
        <translation>%1; la versión del otro programa se conserva como %2</translation>
    </message>
    <message>
        <source>%1; the file as it was is kept as %2</source>
        <translation>%1; el archivo tal como estaba se conserva como %2</translation>
    </message>
    <message>
        <source>Reloaded: changed by another program; your change is kept as %1</source>
        <translation>Recargado: otro programa lo cambió; el cambio se conserva como %1</translation>
    </message>
</context>
<context>
    <name>ChartAxes</name>
    <message>
        <source>Jan %1</source>
        <extracomment>A month under the chart, short: %1 is the year.</extracomment>
        <translation>ene %1</translation>
    </message>
    <message>
        <source>Feb %1</source>
        <translation>feb %1</translation>
    </message>
    <message>
        <source>Mar %1</source>
        <translation>mar %1</translation>
    </message>
    <message>
        <source>Apr %1</source>
        <translation>abr %1</translation>
    </message>
    <message>
        <source>May %1</source>
        <translation>may %1</translation>
    </message>
    <message>
        <source>Jun %1</source>
        <translation>jun %1</translation>
    </message>
    <message>
        <source>Jul %1</source>
        <translation>jul %1</translation>
    </message>
    <message>
        <source>Aug %1</source>
        <translation>ago %1</translation>
    </message>
    <message>
        <source>Sep %1</source>
        <translation>sept %1</translation>
    </message>
    <message>
        <source>Oct %1</source>
        <translation>oct %1</translation>
    </message>
    <message>
        <source>Nov %1</source>
        <translation>nov %1</translation>
    </message>
    <message>
        <source>Dec %1</source>
        <translation>dic %1</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>Balance Chart</source>
        <translation>Gráfico del saldo</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>no se pudo dibujar la imagen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version number and exit.</source>
        <translation>Mostrar el número de versión y salir.</translation>
    </message>
    <message>
        <source>Use DIR as the backup folder for this run only.</source>
        <translation>Usar DIR como carpeta de copias de seguridad solo en esta ejecución.</translation>
    </message>
    <message>
        <source>Add a bank statement (OFX, QFX, QIF or CSV) to default.dat, without a window, and mark the entries it shows cleared; - reads it from standard input.</source>
        <translation>Añadir un extracto bancario (OFX, QFX, QIF o CSV) a default.dat, sin ventana, y marcar como compensados los movimientos que muestra; - lo lee de la entrada estándar.</translation>
    </message>
    <message>
        <source>With --import: show, but write no file.</source>
        <translation>Con --import: mostrar, pero no escribir ningún archivo.</translation>
    </message>
    <message>
        <source>List the recurring entries due up to today, without a window.</source>
        <translation>Listar los movimientos periódicos pendientes hasta hoy, sin ventana.</translation>
    </message>
    <message>
        <source>With --due: enter them in default.dat as one change.</source>
        <translation>Con --due: introducirlos en default.dat como un solo cambio.</translation>
    </message>
    <message>
        <source>With --import: what each CSV column holds, in order, e.g. date,check,payee,withdrawal,deposit</source>
        <translation>Con --import: lo que contiene cada columna del CSV, en orden, p. ej. date,check,payee,withdrawal,deposit</translation>
    </message>
    <message>
        <source>With --import: read 03/04/2026 month first (mdy) or day first (dmy).</source>
        <translation>Con --import: leer 03/04/2026 con el mes primero (mdy) o con el día primero (dmy).</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
       %1 --import FILE [--dry-run] [--csv-columns LIST] [--date-order mdy|dmy]
       %1 --due [--enter]
Keeps the register of one checking account in default.dat in the current folder.

Options:
</source>
        <translation>Uso: %1 [opciones]
     %1 --import FILE [--dry-run] [--csv-columns LIST] [--date-order mdy|dmy]
     %1 --due [--enter]
Lleva el registro de una cuenta corriente en default.dat, en la carpeta actual.

Opciones:
</translation>
    </message>
    <message>
        <source>
Backups go to the backup folder: the one chosen with
File &gt; Backup Folder..., or else %1,
made when first used. --backup-folder DIR overrides both for one run.
</source>
        <translation>
Las copias de seguridad van a la carpeta de copias: la elegida con
Archivo &gt; Carpeta de copias..., o si no %1,
que se crea al usarla por primera vez. --backup-folder DIR sustituye a
ambas en una ejecución.
</translation>
    </message>
    <message>
        <source>
A register holds at most %1 entries. File &gt; Carry Forward... moves
the entries before a date to an archive in the backup folder and
puts one BALANCE FORWARD entry in their place; once a statement is
balanced, only the reconciled ones move.
</source>
        <translation>
Un registro tiene como máximo %1 movimientos. Archivo &gt; Trasladar saldo...
mueve los movimientos anteriores a una fecha a un archivo en la carpeta de
copias y pone en su lugar un movimiento BALANCE FORWARD; una vez conciliado
un extracto, solo se mueven los conciliados.
</translation>
    </message>
    <message>
        <source>
To balance against a paper statement, File &gt; Reconcile...: type its end date
and ending balance, tick the entries it shows until the difference is
$.00 and press Finish. A statement file is balanced by File &gt; Import
Statement... or --import FILE. The marks (c cleared, R reconciled) and
the statements balanced are kept in default.dat.state.
</source>
        <translation>
Para conciliar con un extracto en papel, Archivo &gt; Conciliar...: escribir su
fecha final y su saldo final, marcar los movimientos que muestra hasta que la
diferencia sea $.00 y pulsar Terminar. Un archivo de extracto se concilia con
Archivo &gt; Importar extracto... o --import FILE. Las marcas (c compensado,
R conciliado) y los extractos conciliados se guardan en default.dat.state.
</translation>
    </message>
    <message>
        <source>
Edit &gt; Recurring Entries... keeps the entries that come back (rent, pay,
automatic payments). Those due are listed when the program starts, every
date missed since, oldest first; --due --enter enters them from a timer.
</source>
        <translation>
Editar &gt; Movimientos periódicos... guarda los movimientos que se repiten
(alquiler, nómina, pagos automáticos). Los pendientes se listan al iniciar el
programa, cada fecha pasada desde entonces, la más antigua primero;
--due --enter los introduce desde un temporizador.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--backup-folder needs the name of a folder</source>
        <translation>--backup-folder necesita el nombre de una carpeta</translation>
    </message>
    <message>
        <source>%1 goes with --import</source>
        <extracomment>%1 is an option name such as --dry-run</extracomment>
        <translation>%1 va con --import</translation>
    </message>
    <message>
        <source>--import needs the name of a statement file</source>
        <translation>--import necesita el nombre de un archivo de extracto</translation>
    </message>
    <message>
        <source>--date-order is mdy or dmy</source>
        <translation>--date-order es mdy o dmy</translation>
    </message>
    <message>
        <source>--enter goes with --due</source>
        <translation>--enter va con --due</translation>
    </message>
    <message>
        <source>--due and --import are run one at a time</source>
        <translation>--due y --import se ejecutan de uno en uno</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Para más información, ejecutar &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>Companion</name>
    <message>
        <source>line %1, %2</source>
        <translation>línea %1, %2</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>el archivo está incompleto</translation>
    </message>
    <message>
        <source>not a Tallyra state file</source>
        <translation>no es un archivo de estado de Tallyra</translation>
    </message>
    <message>
        <source>no version</source>
        <translation>no tiene versión</translation>
    </message>
    <message>
        <source>written by a later version, %1</source>
        <translation>escrito por una versión posterior, %1</translation>
    </message>
    <message>
        <source>a statement that does not read</source>
        <translation>un extracto que no se puede leer</translation>
    </message>
    <message>
        <source>a schedule that does not read</source>
        <translation>una programación que no se puede leer</translation>
    </message>
    <message>
        <source>a journal that does not read</source>
        <translation>un diario que no se puede leer</translation>
    </message>
    <message>
        <source>a line that does not read</source>
        <translation>una línea que no se puede leer</translation>
    </message>
    <message>
        <source>a statement date that does not read</source>
        <translation>una fecha de extracto que no se puede leer</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>standard input is a terminal; give the statement with &lt; FILE or through a pipe</source>
        <translation>la entrada estándar es un terminal; pase el extracto con &lt; ARCHIVO o por una tubería</translation>
    </message>
</context>
<context>
    <name>CsvStatement</name>
    <message>
        <source>a row has more than %1 columns</source>
        <translation>una fila tiene más de %1 columnas</translation>
    </message>
    <message>
        <source>a quoted cell is never closed, so the file may have been cut short</source>
        <translation>una celda entre comillas no se cierra nunca, así que el archivo puede estar cortado</translation>
    </message>
    <message>
        <source>it holds no rows</source>
        <translation>no tiene filas</translation>
    </message>
    <message>
        <source>its rows have only one column</source>
        <translation>sus filas tienen una sola columna</translation>
    </message>
    <message>
        <source>The file has only %1 columns.</source>
        <translation>El archivo solo tiene %1 columnas.</translation>
    </message>
    <message>
        <source>Column %1 is chosen twice: each column can hold only one thing.</source>
        <translation>La columna %1 está elegida dos veces: cada columna solo puede contener una cosa.</translation>
    </message>
    <message>
        <source>Choose the column that holds the date.</source>
        <translation>Elija la columna que contiene la fecha.</translation>
    </message>
    <message>
        <source>Choose either the amount column or both the withdrawal and the deposit columns.</source>
        <translation>Elija la columna del importe o bien las columnas de retiros y de depósitos.</translation>
    </message>
    <message>
        <source>unknown column &apos;%1&apos; in --csv-columns (use date, payee, amount, withdrawal, deposit, check, or nothing to skip one)</source>
        <translation>columna desconocida &apos;%1&apos; en --csv-columns (use date, payee, amount, withdrawal, deposit, check, o nada para saltar una)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice in --csv-columns</source>
        <translation>&apos;%1&apos; aparece dos veces en --csv-columns</translation>
    </message>
</context>
<context>
    <name>CupsJob</name>
    <message>
        <source>the printing system (CUPS) is not installed.</source>
        <translation>el sistema de impresión (CUPS) no está instalado.</translation>
    </message>
    <message>
        <source>the printing system&apos;s library (libcups) is not usable.</source>
        <translation>la biblioteca del sistema de impresión (libcups) no se puede usar.</translation>
    </message>
    <message>
        <source>there is no default printer: %1.  Choose one in the system&apos;s printer settings, then print again.</source>
        <translation>no hay ninguna impresora predeterminada: %1.  Elija una en la configuración de impresoras del sistema y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>the report&apos;s pages could not be read: %1.</source>
        <translation>no se pudieron leer las páginas del informe: %1.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; did not take the job: %2.</source>
        <translation>la impresora «%1» no aceptó el trabajo: %2.</translation>
    </message>
    <message>
        <source>you stopped waiting for the printing system.</source>
        <translation>se dejó de esperar al sistema de impresión.</translation>
    </message>
    <message>
        <source>the printing system (%1) did not answer within %2 seconds.</source>
        <translation>el sistema de impresión (%1) no respondió en %2 segundos.</translation>
    </message>
    <message>
        <source>the printing system did not answer: %1.</source>
        <translation>el sistema de impresión no respondió: %1.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>count</source>
        <translation>número de movimientos</translation>
    </message>
    <message>
        <source>count: not between 0 and %1</source>
        <translation>número de movimientos: no está entre 0 y %1</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>check number</source>
        <translation>número de cheque</translation>
    </message>
    <message>
        <source>payee</source>
        <translation>beneficiario</translation>
    </message>
    <message>
        <source>withdrawal</source>
        <translation>retiro</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>depósito</translation>
    </message>
    <message>
        <source>the file ends before this line</source>
        <translation>el archivo termina antes de esta línea</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of a record line, then what is wrong with it: &quot;year: no number&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the line is cut short (no line end)</source>
        <translation>la línea está incompleta (sin fin de línea)</translation>
    </message>
    <message>
        <source>fewer than seven fields</source>
        <translation>menos de siete campos</translation>
    </message>
    <message>
        <source>more than seven fields</source>
        <translation>más de siete campos</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>number out of range</source>
        <translation>número fuera de rango</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>no hay número</translation>
    </message>
    <message>
        <source>quoted text without its closing quote</source>
        <translation>texto entre comillas sin comilla de cierre</translation>
    </message>
    <message>
        <source>quoted text not followed by a comma</source>
        <translation>texto entre comillas no seguido de una coma</translation>
    </message>
</context>
<context>
    <name>DateFieldControls</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A date field&apos;s name: %1 is its row (&quot;Start Date&quot;), %2 the field (&quot;Month&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha inicial:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha final:</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Fecha inicial</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Fecha final</translation>
    </message>
</context>
<context>
    <name>Drive</name>
    <message>
        <source>the disk did not confirm the removal: %1</source>
        <translation>el disco no confirmó la eliminación: %1</translation>
    </message>
    <message>
        <source>the name holds a folder part</source>
        <translation>el nombre contiene una parte de carpeta</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>the folder could not be made: %1</source>
        <translation>no se pudo crear la carpeta: %1</translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>no existe la carpeta %1</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>no se puede leer la carpeta</translation>
    </message>
    <message>
        <source>the disk did not confirm the new file: %1</source>
        <translation>el disco no confirmó el archivo nuevo: %1</translation>
    </message>
    <message>
        <source>a file of that name is there</source>
        <translation>ya hay un archivo con ese nombre</translation>
    </message>
</context>
<context>
    <name>DriveFailureBoxes</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
File: %2<byte value="xd"/>
<byte value="xd"/>
Your register and default.dat are unchanged.  The program will now end.</source>
        <translation>%1<byte value="xd"/>
Archivo: %2<byte value="xd"/>
<byte value="xd"/>
El registro y default.dat no han cambiado.  El programa terminará ahora.</translation>
    </message>
    <message>
        <source>DISK NOT READY</source>
        <translation>DISCO NO PREPARADO</translation>
    </message>
    <message>
        <source>There seems to be no disk in the drive.</source>
        <translation>Parece que no hay ningún disco en la unidad.</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DISCO LLENO</translation>
    </message>
    <message>
        <source>The disk is full.  Please remove disk and try again</source>
        <translation>El disco está lleno.  Retire el disco e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>HUH!?</source>
        <translation>¡¿CÓMO?!</translation>
    </message>
    <message>
        <source>What kind of file name was that?  Try to backup again.</source>
        <translation>¿Qué clase de nombre de archivo era ese?  Vuelva a intentar la copia de seguridad.</translation>
    </message>
    <message>
        <source>DAMAGED BACKUP</source>
        <translation>COPIA DE SEGURIDAD DAÑADA</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: %2.<byte value="xd"/>
Your register is as it was.</source>
        <translation>No se puede restaurar la copia de seguridad %1: %2.<byte value="xd"/>
El registro sigue como estaba.</translation>
    </message>
    <message>
        <source>UH OH!</source>
        <translation>¡AY, AY, AY!</translation>
    </message>
    <message>
        <source>Something really weird just happened.  I haven&apos;t a clue.</source>
        <translation>Acaba de pasar algo muy raro.  Ni idea de qué.</translation>
    </message>
    <message>
        <source>FAILURE</source>
        <translation>FALLO</translation>
    </message>
</context>
<context>
    <name>DueCheck</name>
    <message numerus="yes">
        <source>Recurring entries due: %n, left for the copy of Tallyra that can write the register</source>
        <translation>
            <numerusform>Movimientos periódicos pendientes: %n, a cargo de la copia de Tallyra que puede escribir el registro</numerusform>
            <numerusform>Movimientos periódicos pendientes: %n, a cargo de la copia de Tallyra que puede escribir el registro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recurring entries entered by themselves: %n</source>
        <translation>
            <numerusform>Movimientos periódicos introducidos automáticamente: %n</numerusform>
            <numerusform>Movimientos periódicos introducidos automáticamente: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The recurring entries due do not fit in the register</source>
        <translation>Los movimientos periódicos pendientes no caben en el registro</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Hecho: %1</translation>
    </message>
</context>
<context>
    <name>DueCommand</name>
    <message>
        <source>%1 is open in %2 (process %3 on %4); nothing was entered</source>
        <extracomment>%1 is the data file, %2 the program holding it, %4 its computer.</extracomment>
        <translation>%1 está abierto en %2 (proceso %3 en %4); no se introdujo nada</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2); nothing was entered</source>
        <translation>no se puede leer %1 (%2); no se introdujo nada</translation>
    </message>
    <message>
        <source>only %1 of the %2 due entries fit in the register&apos;s free slots; nothing was entered</source>
        <translation>solo %1 de los %2 movimientos pendientes caben en los espacios libres del registro; no se introdujo nada</translation>
    </message>
    <message>
        <source>%1; nothing was entered</source>
        <translation>%1; no se introdujo nada</translation>
    </message>
    <message>
        <source>%1 could not be saved (%2); nothing was entered</source>
        <translation>no se pudo guardar %1 (%2); no se introdujo nada</translation>
    </message>
</context>
<context>
    <name>DueEntering</name>
    <message>
        <source>%1 on %2: %3</source>
        <extracomment>%1 is the payee, %2 the date, %3 what is wrong with the entry.</extracomment>
        <translation>%1 el %2: %3</translation>
    </message>
    <message>
        <source>the entry does not fit the register</source>
        <translation>el movimiento no cabe en el registro</translation>
    </message>
    <message numerus="yes">
        <source>enter %n recurring entries</source>
        <extracomment>The name of a change, shown after &quot;Undo&quot; and &quot;Redo&quot;: short, in lower case.</extracomment>
        <translation>
            <numerusform>introducir %n movimiento periódico</numerusform>
            <numerusform>introducir %n movimientos periódicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skip %n recurring</source>
        <extracomment>The name of a change, shown after &quot;Undo&quot; and &quot;Redo&quot;: short, in lower case.</extracomment>
        <translation>
            <numerusform>omitir %n periódico</numerusform>
            <numerusform>omitir %n periódicos</numerusform>
        </translation>
    </message>
    <message>
        <source>enter %1, skip %2 recurring</source>
        <extracomment>The name of a change, shown after &quot;Undo&quot; and &quot;Redo&quot;: short, in lower case. %1 entered, %2 skipped.</extracomment>
        <translation>introducir %1, omitir %2 periódicos</translation>
    </message>
</context>
<context>
    <name>EditCommand</name>
    <message>
        <source>remove %1</source>
        <extracomment>An undo step, shown as &quot;Undo remove 05/03/2001 E1 $1.00&quot;</extracomment>
        <translation>quitar %1</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>Movimiento quitado: %1</translation>
    </message>
    <message>
        <source>change %1</source>
        <extracomment>An undo step, shown as &quot;Undo change 05/03/2001 E1 $1.00&quot;</extracomment>
        <translation>cambiar %1</translation>
    </message>
    <message>
        <source>Changed %1</source>
        <translation>Movimiento cambiado: %1</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <source>Need Year</source>
        <translation>Falta el año</translation>
    </message>
    <message>
        <source>Need Month</source>
        <translation>Falta el mes</translation>
    </message>
    <message>
        <source>Enter a valid month in the month field.</source>
        <translation>Introduzca un mes válido en el campo del mes.</translation>
    </message>
    <message>
        <source>Need Day</source>
        <translation>Falta el día</translation>
    </message>
    <message>
        <source>Enter a valid day in the day field.</source>
        <translation>Introduzca un día válido en el campo del día.</translation>
    </message>
    <message>
        <source>a double quote</source>
        <translation>una comilla doble</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un salto de línea</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>un tabulador</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>un carácter de control (U+%1)</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot;</source>
        <translation>el carácter «%1»</translation>
    </message>
    <message>
        <source>Must enter something in the %1 field.</source>
        <translation>Hay que escribir algo en el campo %1.</translation>
    </message>
    <message>
        <source>Too Long</source>
        <translation>Demasiado largo</translation>
    </message>
    <message>
        <source>The %1 field cannot hold more than %2 characters; it holds %3.</source>
        <translation>El campo %1 no admite más de %2 caracteres; tiene %3.</translation>
    </message>
    <message>
        <source>Invalid Character</source>
        <translation>Carácter no válido</translation>
    </message>
    <message>
        <source>The %1 field cannot hold %2.</source>
        <translation>El campo %1 no admite %2.</translation>
    </message>
    <message>
        <source>check number</source>
        <translation>número de cheque</translation>
    </message>
    <message>
        <source>Need Check Number</source>
        <translation>Falta el número de cheque</translation>
    </message>
    <message>
        <source>payee</source>
        <translation>beneficiario</translation>
    </message>
    <message>
        <source>Need Payee</source>
        <translation>Falta el beneficiario</translation>
    </message>
    <message>
        <source>Zero For Amount</source>
        <translation>Importe cero</translation>
    </message>
    <message>
        <source>You have entered 0 in the amount field.<byte value="xd"/>
Do you wish to continue?</source>
        <translation>Se ha introducido 0 en el campo del importe.<byte value="xd"/>
¿Continuar?</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>Importe no válido</translation>
    </message>
    <message>
        <source>Invalid amount.</source>
        <translation>Importe no válido.</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Check Number: %1</source>
        <translation>Número de cheque: %1</translation>
    </message>
    <message>
        <source>Payee: %1</source>
        <translation>Beneficiario: %1</translation>
    </message>
    <message>
        <source>Amount: %1</source>
        <translation>Importe: %1</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>¿Continuar?</translation>
    </message>
    <message>
        <source>The year field has to be greater than 1900 and less than 10000.</source>
        <translation>El campo del año debe ser mayor que 1900 y menor que 10000.</translation>
    </message>
    <message>
        <source>The year field has to be greater than 1900 and less then 10000.</source>
        <translation>El campo del año tiene que ser mayor que 1900 y menor que 10000.</translation>
    </message>
    <message>
        <source>Adding:</source>
        <translation>Añadiendo:</translation>
    </message>
    <message>
        <source>Changing to:</source>
        <translation>Cambiando a:</translation>
    </message>
</context>
<context>
    <name>EntryFields</name>
    <message>
        <source>Continue?</source>
        <translation>¿Continuar?</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>%1 was written, but the disk did not confirm its new name: %2</source>
        <translation>se escribió %1, pero el disco no confirmó su nuevo nombre: %2</translation>
    </message>
    <message>
        <source>every name from %1 to %1.%2 is already taken</source>
        <translation>todos los nombres de %1 a %1.%2 están ya ocupados</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>at %1 bytes it is larger than any register can be</source>
        <translation>con %1 bytes es más grande que cualquier registro posible</translation>
    </message>
    <message>
        <source>it was moved to %1, but the disk did not confirm the move: %2</source>
        <translation>se movió a %1, pero el disco no confirmó el movimiento: %2</translation>
    </message>
</context>
<context>
    <name>FindCommand</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find the check number or payee containing:</source>
        <translation>Buscar el número de cheque o el beneficiario que contenga:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>No se ha encontrado «%1».</translation>
    </message>
</context>
<context>
    <name>HelpWidgets</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>no columns are remembered for the heading &quot;%1&quot;; say what each column holds, e.g. --csv-columns %2</source>
        <translation>no hay columnas recordadas para el encabezado &quot;%1&quot;; indique qué contiene cada columna, p. ej. --csv-columns %2</translation>
    </message>
    <message>
        <source>a date such as %1 reads both month first and day first; say which with --date-order mdy or --date-order dmy</source>
        <translation>una fecha como %1 se lee tanto con el mes primero como con el día primero; indique cuál con --date-order mdy o --date-order dmy</translation>
    </message>
    <message>
        <source>%1 is open in %2 (process %3 on %4); nothing was changed</source>
        <translation>%1 está abierto en %2 (proceso %3 en %4); no se cambió nada</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2); nothing was changed</source>
        <translation>no se puede leer %1 (%2); no se cambió nada</translation>
    </message>
    <message numerus="yes">
        <source>only %1 of the %n new transactions fit in the register&apos;s free slots; nothing was added</source>
        <translation>
            <numerusform>solo %1 de la %n transacción nueva cabe en los espacios libres del registro; no se añadió nada</numerusform>
            <numerusform>solo %1 de las %n transacciones nuevas caben en los espacios libres del registro; no se añadió nada</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be saved (%2); nothing was added</source>
        <translation>no se pudo guardar %1 (%2); no se añadió nada</translation>
    </message>
</context>
<context>
    <name>OfxStatement</name>
    <message>
        <source>it could not be handed to the OFX reader: %1</source>
        <translation>no se pudo pasar al lector de OFX: %1</translation>
    </message>
    <message>
        <source>the OFX reader %1 is missing; installing Tallyra again puts it back</source>
        <translation>falta el lector de OFX %1; al instalar Tallyra de nuevo vuelve a estar</translation>
    </message>
    <message>
        <source>the OFX reader could not be started: %1</source>
        <translation>no se pudo iniciar el lector de OFX: %1</translation>
    </message>
    <message>
        <source>the OFX library was still reading it after %1 seconds</source>
        <translation>la biblioteca OFX seguía leyéndolo después de %1 segundos</translation>
    </message>
    <message>
        <source>the OFX library crashed while reading it</source>
        <translation>la biblioteca OFX falló mientras lo leía</translation>
    </message>
    <message>
        <source>the OFX library could not read it</source>
        <translation>la biblioteca OFX no pudo leerlo</translation>
    </message>
    <message>
        <source>the OFX library stopped before the end of it</source>
        <translation>la biblioteca OFX se detuvo antes de su final</translation>
    </message>
    <message>
        <source>it holds no bank statement</source>
        <translation>no contiene ningún extracto bancario</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>%1 reported an error during the job.</source>
        <translation>%1 informó de un error durante el trabajo.</translation>
    </message>
    <message>
        <source>%1 refused the job.</source>
        <translation>%1 rechazó el trabajo.</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>el archivo «%1»</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>la impresora «%1»</translation>
    </message>
    <message>
        <source>Tallyra report</source>
        <translation>Informe de Tallyra</translation>
    </message>
    <message>
        <source>the report&apos;s pages could not be written to %1.</source>
        <translation>no se pudieron escribir las páginas del informe en %1.</translation>
    </message>
    <message>
        <source>there is no default printer.  Choose one in the system&apos;s printer settings, then print again.</source>
        <translation>no hay ninguna impresora predeterminada.  Elija una en la configuración de impresoras del sistema y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <translation>Enviado a %1</translation>
    </message>
    <message>
        <source>you stopped waiting for the printing system.</source>
        <translation>se dejó de esperar al sistema de impresión.</translation>
    </message>
    <message>
        <source>the printing system did not answer within %1 seconds.</source>
        <translation>el sistema de impresión no respondió en %1 segundos.</translation>
    </message>
    <message>
        <source>Sending the report to the printer...</source>
        <translation>Enviando el informe a la impresora...</translation>
    </message>
    <message>
        <source>Sent to %1 as job %2</source>
        <translation>Enviado a %1 como trabajo %2</translation>
    </message>
    <message>
        <source>Looking for the default printer...</source>
        <translation>Buscando la impresora predeterminada...</translation>
    </message>
</context>
<context>
    <name>QifStatement</name>
    <message>
        <source>it holds no bank account transactions (no !Type:Bank section)</source>
        <translation>no contiene transacciones de una cuenta bancaria (no hay sección !Type:Bank)</translation>
    </message>
    <message>
        <source>it ends in the middle of a transaction, so it may have been cut short</source>
        <translation>termina en mitad de una transacción, así que puede estar cortado</translation>
    </message>
</context>
<context>
    <name>RegisterBoxes</name>
    <message>
        <source>%1 is open in another copy of Tallyra (process %2 on %3, since %4).<byte value="xd"/>
<byte value="xd"/>
Open it read-only to look at it, print or back it up, or quit.</source>
        <translation>%1 está abierto en otra copia de Tallyra (proceso %2 en %3, desde %4).<byte value="xd"/>
<byte value="xd"/>
Se puede abrir en solo lectura para verlo, imprimirlo o hacer una copia de seguridad, o salir.</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>este equipo</translation>
    </message>
    <message>
        <source>Register In Use</source>
        <translation>Registro en uso</translation>
    </message>
    <message>
        <source>Open &amp;Read-Only</source>
        <translation>Abrir en &amp;solo lectura</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Missing File</source>
        <translation>Falta el archivo</translation>
    </message>
    <message>
        <source>The default data file is missing.  Do you wish to make one?</source>
        <translation>Falta el archivo de datos predeterminado.  ¿Crear uno?</translation>
    </message>
    <message>
        <source>FILE KEPT AS IT IS</source>
        <translation>ARCHIVO CONSERVADO TAL CUAL</translation>
    </message>
    <message>
        <source>The unreadable %1 could not be set aside: %2<byte value="xd"/>
No new register was made; the program will end.</source>
        <translation>No se pudo apartar el archivo ilegible %1: %2<byte value="xd"/>
No se ha creado ningún registro nuevo; el programa terminará.</translation>
    </message>
    <message>
        <source>Old File Kept</source>
        <translation>Archivo antiguo conservado</translation>
    </message>
    <message>
        <source>The data file could not be read.  It has been kept as %1, and a new, empty register is started.</source>
        <translation>No se pudo leer el archivo de datos.  Se ha conservado como %1 y se empieza un registro nuevo y vacío.</translation>
    </message>
    <message>
        <source>SAVE FAILED</source>
        <translation>ERROR AL GUARDAR</translation>
    </message>
    <message>
        <source>A new %1 could not be written: %2<byte value="xd"/>
The program will end.</source>
        <translation>No se pudo escribir un %1 nuevo: %2<byte value="xd"/>
El programa terminará.</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>¿Seguro?</translation>
    </message>
    <message>
        <source>Doing this will delete your current register.<byte value="xd"/>
Do you wish to continue?</source>
        <translation>Esto borrará el registro actual.<byte value="xd"/>
¿Continuar?</translation>
    </message>
    <message>
        <source>Register Full</source>
        <translation>Registro lleno</translation>
    </message>
    <message>
        <source>You Have reached the maximum allowed records.<byte value="xd"/>
You must backup then make a new record.</source>
        <translation>Se ha alcanzado el máximo de movimientos permitido.<byte value="xd"/>
Hay que hacer una copia de seguridad y después empezar un registro nuevo.</translation>
    </message>
    <message>
        <source>Nothing To Do</source>
        <translation>Nada que hacer</translation>
    </message>
    <message>
        <source>There is nothing to edit.</source>
        <translation>No hay nada que editar.</translation>
    </message>
</context>
<context>
    <name>RegisterExport</name>
    <message>
        <source>The register could not be exported to %1: %2</source>
        <translation>No se pudo exportar el registro a %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were written to %1.</source>
        <translation>
            <numerusform>Se escribió %n movimiento en %1.</numerusform>
            <numerusform>Se escribieron %n movimientos en %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterList</name>
    <message>
        <source>Cleared: the bank has shown this entry on a statement</source>
        <translation>Compensado: el banco ha mostrado este movimiento en un extracto</translation>
    </message>
    <message>
        <source>Reconciled on the statement ending %1</source>
        <translation>Conciliado en el extracto que termina el %1</translation>
    </message>
    <message>
        <source>Line %1: empty</source>
        <translation>Línea %1: vacía</translation>
    </message>
    <message>
        <source>withdrawal %1</source>
        <translation>retiro %1</translation>
    </message>
    <message>
        <source>deposit %1</source>
        <translation>depósito %1</translation>
    </message>
    <message>
        <source>no amount</source>
        <translation>sin importe</translation>
    </message>
    <message>
        <source>Line %1: %2, %3, %4, total %5</source>
        <extracomment>Line number, date, payee, amount (&quot;withdrawal $5.00&quot;), running total</extracomment>
        <translation>Línea %1: %2, %3, %4, saldo %5</translation>
    </message>
    <message>
        <source>Line %1: %2, %3, %4, total %5, %6</source>
        <extracomment>Line number, date, payee, amount, running total, cleared or reconciled mark</extracomment>
        <translation>Línea %1: %2, %3, %4, saldo %5, %6</translation>
    </message>
    <message>
        <source>Line %1: %2, %3, %4, %5, total %6</source>
        <extracomment>Line number, date, check number, payee, amount, running total</extracomment>
        <translation>Línea %1: %2, %3, %4, %5, saldo %6</translation>
    </message>
    <message>
        <source>Line %1: %2, %3, %4, %5, total %6, %7</source>
        <extracomment>Line number, date, check number, payee, amount, running total, cleared or reconciled mark</extracomment>
        <translation>Línea %1: %2, %3, %4, %5, saldo %6, %7</translation>
    </message>
</context>
<context>
    <name>RegisterStatus</name>
    <message>
        <source>Cleared balance: %1</source>
        <translation>Saldo compensado: %1</translation>
    </message>
    <message>
        <source>Balance below zero on %1 after %2</source>
        <translation>Saldo bajo cero el %1 tras %2</translation>
    </message>
    <message>
        <source>Warning: You are near the limit of records.</source>
        <translation>Aviso: el registro está cerca del límite de movimientos.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1 of %2 entries used: File &gt; Carry Forward frees room by moving older entries to an archive.</source>
        <translation>%1 de %2 movimientos usados: Archivo &gt; Trasladar saldo libera espacio moviendo los movimientos antiguos a un archivo.</translation>
    </message>
</context>
<context>
    <name>RepeatEntry</name>
    <message>
        <source>&amp;Repeat This Entry...</source>
        <translation>&amp;Repetir este movimiento...</translation>
    </message>
    <message>
        <source>Nothing to Repeat</source>
        <translation>Nada que repetir</translation>
    </message>
    <message>
        <source>This entry has no amount, so there is nothing to enter again.</source>
        <translation>Este movimiento no tiene importe, así que no hay nada que volver a introducir.</translation>
    </message>
    <message>
        <source>Repeat This Entry</source>
        <translation>Repetir este movimiento</translation>
    </message>
    <message>
        <source>add recurring %1</source>
        <extracomment>An undo step, shown as &quot;Undo add recurring RENT&quot;</extracomment>
        <translation>añadir movimiento periódico %1</translation>
    </message>
    <message>
        <source>Added recurring %1</source>
        <translation>Movimiento periódico añadido: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk Num</source>
        <translation>N.º chq.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retiro</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>The heading of the narrow last column, where a mark is made by hand: one letter.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>Page  %1 </source>
        <extracomment>The page number at the foot of a printed page. Keep the two blanks before the number and the one after it.</extracomment>
        <translation>Página  %1 </translation>
    </message>
    <message>
        <source>Report valid: %1 to %2</source>
        <extracomment>The first date and the last date of the printed report.</extracomment>
        <translation>Informe válido: del %1 al %2</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>QIF for finance programs (*.qif)</source>
        <translation>QIF para programas de finanzas (*.qif)</translation>
    </message>
</context>
<context>
    <name>ScheduleForm</name>
    <message>
        <source>Need Amount</source>
        <translation>Falta el importe</translation>
    </message>
    <message>
        <source>A recurring entry needs an amount: enter one in the amount field.</source>
        <translation>Un movimiento periódico necesita un importe: escríbalo en el campo del importe.</translation>
    </message>
    <message>
        <source>Need Second Day</source>
        <translation>Falta el segundo día</translation>
    </message>
    <message>
        <source>Twice a month needs two different days of the month.</source>
        <translation>Dos veces al mes necesita dos días del mes distintos.</translation>
    </message>
    <message>
        <source>Need Next Date</source>
        <translation>Falta la próxima fecha</translation>
    </message>
    <message>
        <source>The next date, %1, is not a day this entry comes due. The first one from then is %2.</source>
        <translation>La próxima fecha, %1, no es un día en que venza este movimiento. El primero a partir de entonces es el %2.</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>%1st</source>
        <extracomment>A day of the month ending in 1 (1st, 21st, 31st). Where days take no ordinal ending, the number alone: &quot;%1&quot;.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>A day of the month ending in 2 (2nd, 22nd). Where days take no ordinal ending, the number alone: &quot;%1&quot;.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>A day of the month ending in 3 (3rd, 23rd). Where days take no ordinal ending, the number alone: &quot;%1&quot;.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Any other day of the month (4th, 11th, 12th, 13th, 30th). Where days take no ordinal ending, the number alone: &quot;%1&quot;.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Every 2 weeks</source>
        <translation>Cada 2 semanas</translation>
    </message>
    <message>
        <source>Every month on the %1</source>
        <extracomment>%1 is a day of the month as &quot;31st&quot; (or the number alone) says it.</extracomment>
        <translation>Cada mes el día %1</translation>
    </message>
    <message>
        <source>Twice a month on the %1 and %2</source>
        <extracomment>%1 and %2 are days of the month, as &quot;1st&quot; and &quot;15th&quot; (or the numbers alone) say them.</extracomment>
        <translation>Dos veces al mes, los días %1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>Every %n months on the %1</source>
        <extracomment>%n months apart, always 2 or more; %1 is a day of the month as &quot;31st&quot; says it.</extracomment>
        <translation>
            <numerusform>Cada %n mes el día %1</numerusform>
            <numerusform>Cada %n meses el día %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Every month on the last day</source>
        <translation>Cada mes el último día</translation>
    </message>
    <message numerus="yes">
        <source>Every %n months on the last day</source>
        <extracomment>%n months apart, always 2 or more.</extracomment>
        <translation>
            <numerusform>Cada %n mes el último día</numerusform>
            <numerusform>Cada %n meses el último día</numerusform>
        </translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Cada año</translation>
    </message>
    <message>
        <source>Until %1, Once more</source>
        <extracomment>%1 is the last date.</extracomment>
        <translation>Hasta el %1, una vez más</translation>
    </message>
    <message numerus="yes">
        <source>Until %1, %n more times</source>
        <extracomment>%1 is the last date, %n how many times are left.</extracomment>
        <translation>
            <numerusform>Hasta el %1, %n vez más</numerusform>
            <numerusform>Hasta el %1, %n veces más</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <extracomment>%1 is the last date.</extracomment>
        <translation>Hasta el %1</translation>
    </message>
    <message>
        <source>Once more</source>
        <translation>Una vez más</translation>
    </message>
    <message numerus="yes">
        <source>%n more times</source>
        <translation>
            <numerusform>%n vez más</numerusform>
            <numerusform>%n veces más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ServerWait</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impresión</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 está dañado</translation>
    </message>
</context>
<context>
    <name>StatementFile</name>
    <message>
        <source>it is larger than %1 MB, the most Tallyra reads as a statement</source>
        <translation>ocupa más de %1 MB, lo máximo que Tallyra lee como extracto</translation>
    </message>
    <message>
        <source>at %1 MB it is larger than %2 MB, the most Tallyra reads as a statement</source>
        <translation>con %1 MB ocupa más de %2 MB, lo máximo que Tallyra lee como extracto</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is no plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it ends before its closing &lt;/OFX&gt; tag, so it may have been cut short</source>
        <translation>termina antes de su etiqueta de cierre &lt;/OFX&gt;, así que puede estar cortado</translation>
    </message>
    <message>
        <source>it is no text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>it does not begin as an OFX file does (OFXHEADER or &lt;?xml)</source>
        <translation>no empieza como un archivo OFX (OFXHEADER o &lt;?xml)</translation>
    </message>
    <message>
        <source>it does not begin as a QIF file does (!Type:Bank)</source>
        <translation>no empieza como un archivo QIF (!Type:Bank)</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n transactions, and Tallyra reads statements of at most %1</source>
        <translation>
            <numerusform>contiene %n transacción, y Tallyra lee extractos de %1 como máximo</numerusform>
            <numerusform>contiene %n transacciones, y Tallyra lee extractos de %1 como máximo</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is no statement Tallyra can read: %2.</source>
        <translation>%1 no es un extracto que Tallyra pueda leer: %2.</translation>
    </message>
</context>
<context>
    <name>StatementImport</name>
    <message>
        <source>Import Statement</source>
        <translation>Importar extracto</translation>
    </message>
    <message>
        <source>January %1, %2</source>
        <extracomment>A date of the date-order question: %1 is the day, %2 the year.</extracomment>
        <translation>%1 de enero de %2</translation>
    </message>
    <message>
        <source>February %1, %2</source>
        <translation>%1 de febrero de %2</translation>
    </message>
    <message>
        <source>March %1, %2</source>
        <translation>%1 de marzo de %2</translation>
    </message>
    <message>
        <source>April %1, %2</source>
        <translation>%1 de abril de %2</translation>
    </message>
    <message>
        <source>May %1, %2</source>
        <translation>%1 de mayo de %2</translation>
    </message>
    <message>
        <source>June %1, %2</source>
        <translation>%1 de junio de %2</translation>
    </message>
    <message>
        <source>July %1, %2</source>
        <translation>%1 de julio de %2</translation>
    </message>
    <message>
        <source>August %1, %2</source>
        <translation>%1 de agosto de %2</translation>
    </message>
    <message>
        <source>September %1, %2</source>
        <translation>%1 de septiembre de %2</translation>
    </message>
    <message>
        <source>October %1, %2</source>
        <translation>%1 de octubre de %2</translation>
    </message>
    <message>
        <source>November %1, %2</source>
        <translation>%1 de noviembre de %2</translation>
    </message>
    <message>
        <source>December %1, %2</source>
        <translation>%1 de diciembre de %2</translation>
    </message>
    <message>
        <source>Date Order</source>
        <translation>Orden de las fechas</translation>
    </message>
    <message>
        <source>Every date in %1 reads both month first and day first.<byte value="xd"/>
Is %2 %3?<byte value="xd"/>
(No reads it as %4.)</source>
        <translation>Todas las fechas de %1 se leen tanto con el mes primero como con el día primero.<byte value="xd"/>
¿Es %2 el %3?<byte value="xd"/>
(No lo lee como %4.)</translation>
    </message>
    <message>
        <source>Bank statements (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV);;All files (*)</source>
        <translation>Extractos bancarios (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>StatementPreview</name>
    <message>
        <source>mark %1 cleared from %2</source>
        <translation>marcar %1 como compensado desde %2</translation>
    </message>
    <message>
        <source>%1, mark %2 cleared</source>
        <translation>%1, marcar %2 como compensado</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Already in the register</source>
        <translation>Ya está en el registro</translation>
    </message>
    <message>
        <source>Cannot be added: %1</source>
        <translation>No se puede añadir: %1</translation>
    </message>
    <message numerus="yes">
        <source>import %n transaction(s) from %1</source>
        <translation>
            <numerusform>importar %n transacción de %1</numerusform>
            <numerusform>importar %n transacciones de %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatementProblem</name>
    <message>
        <source>it has no date</source>
        <translation>no tiene fecha</translation>
    </message>
    <message>
        <source>it has no amount</source>
        <translation>no tiene importe</translation>
    </message>
    <message>
        <source>its date cannot be read</source>
        <translation>no se puede leer su fecha</translation>
    </message>
    <message>
        <source>its amount cannot be read</source>
        <translation>no se puede leer su importe</translation>
    </message>
    <message>
        <source>%1 shown as %2</source>
        <translation>%1 se muestra como %2</translation>
    </message>
    <message>
        <source>the year %1 is not between 1900 and 9999</source>
        <translation>el año %1 no está entre 1900 y 9999</translation>
    </message>
    <message>
        <source>the amount %1 is more than an entry can hold</source>
        <translation>el importe %1 es mayor de lo que cabe en un movimiento</translation>
    </message>
    <message>
        <source>the check number is longer than %1 characters</source>
        <translation>el número de cheque tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the payee is longer than %1 characters</source>
        <translation>el beneficiario tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the date %1 cannot be read</source>
        <translation>no se puede leer la fecha %1</translation>
    </message>
    <message>
        <source>the date %1 cannot be read: this file writes some dates month first and others day first</source>
        <translation>no se puede leer la fecha %1: este archivo escribe unas fechas con el mes primero y otras con el día primero</translation>
    </message>
    <message>
        <source>%1 is no date</source>
        <translation>%1 no es una fecha</translation>
    </message>
    <message>
        <source>the amount %1 cannot be read</source>
        <translation>no se puede leer el importe %1</translation>
    </message>
</context>
<context>
    <name>tallyra::ChartView</name>
    <message>
        <source>Ahead</source>
        <extracomment>Over the dashed line of the balance ahead of today.</extracomment>
        <translation>Previsión</translation>
    </message>
    <message>
        <source>No entries in this range</source>
        <translation>No hay movimientos en este intervalo</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Problems or questions, email me at:</source>
        <translation>Para problemas o preguntas, escríbame a:</translation>
    </message>
    <message>
        <source>WebPage:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>About Tallyra</source>
        <translation>Acerca de Tallyra</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>May 18, 2000</source>
        <translation>18 de mayo de 2000</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmBackupHelp</name>
    <message>
        <source>Backing Up and Restoring</source>
        <translation>Copias de seguridad y restauración</translation>
    </message>
    <message>
        <source>From the File menu you have the options to backup and restore a record. </source>
        <translation>Desde el menú Archivo se puede hacer una copia de seguridad de un registro y restaurarlo. </translation>
    </message>
    <message>
        <source>In order to BACKUP, you must have a disk in the floppy drive of your computer.  Choose Backup from the File menu and type in a short name for the backup file and press Ok.</source>
        <translation>Para hacer una COPIA DE SEGURIDAD, tiene que haber un disco en la disquetera del equipo.  Elija Copia de seguridad en el menú Archivo, escriba un nombre corto para el archivo de copia y pulse Aceptar.</translation>
    </message>
    <message>
        <source>When you choose Restore from the File menu, this window will pop up.  You must have a floppy disk in the drive to restore.</source>
        <translation>Al elegir Restaurar en el menú Archivo, aparece esta ventana.  Para restaurar tiene que haber un disquete en la unidad.</translation>
    </message>
    <message>
        <source>2. Press Ok to restore the file you choose.  Cancel closes this window making no changes.</source>
        <translation>2. Pulse Aceptar para restaurar el archivo elegido.  Cancelar cierra esta ventana sin hacer cambios.</translation>
    </message>
    <message>
        <source>Press Refresh if you change disks.  This updates the list.</source>
        <translation>Pulse Actualizar si cambia de disco.  Así se actualiza la lista.</translation>
    </message>
    <message>
        <source>1. If there are backup files on the disk they will be shown here.  Choose the one you wish to restore.</source>
        <translation>1. Si hay archivos de copia de seguridad en el disco, aparecen aquí.  Elija el que quiera restaurar.</translation>
    </message>
    <message>
        <source>Hee He</source>
        <translation>Ji, ji</translation>
    </message>
    <message>
        <source>Please stop that, it tickles!!!</source>
        <translation>¡¡¡Para ya, que me haces cosquillas!!!</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmCarryForward</name>
    <message>
        <source>As statements have been reconciled, only reconciled entries move; every other entry stays where it is, with its mark.</source>
        <translation>Como ya se han conciliado extractos, solo se trasladan los movimientos conciliados; todos los demás se quedan donde están, con su marca.</translation>
    </message>
    <message>
        <source>Reconciled entries before it:</source>
        <translation>Movimientos conciliados anteriores:</translation>
    </message>
    <message>
        <source>No reconciled entries lie before %1.</source>
        <translation>No hay movimientos conciliados antes del %1.</translation>
    </message>
    <message numerus="yes">
        <source>Entries before it left where they are, not yet reconciled: %n.<byte value="xd"/>
</source>
        <translation>
            <numerusform>Movimientos anteriores que se quedan donde están, aún sin conciliar: %n.<byte value="xd"/>
</numerusform>
            <numerusform>Movimientos anteriores que se quedan donde están, aún sin conciliar: %n.<byte value="xd"/>
</numerusform>
        </translation>
    </message>
    <message>
        <source>No reconciled entries lie before %1, so there is nothing to carry forward.</source>
        <translation>No hay movimientos conciliados antes del %1, así que no hay nada que trasladar.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <extracomment>Put into the carry-forward question and its outcome: &quot;Move the 12 entries before ...&quot;.</extracomment>
        <translation>
            <numerusform>%n movimiento</numerusform>
            <numerusform>%n movimientos</numerusform>
        </translation>
    </message>
    <message>
        <source>Carry Forward</source>
        <translation>Trasladar saldo</translation>
    </message>
    <message>
        <source>The entries dated before this day move to an archive in the backup folder, and one BALANCE FORWARD entry dated the day before takes their place.  The total after every later entry stays the same.</source>
        <translation>Los movimientos con fecha anterior a este día pasan a un archivo en la carpeta de copias, y un movimiento BALANCE FORWARD con fecha del día anterior ocupa su lugar.  El total tras cada movimiento posterior sigue igual.</translation>
    </message>
    <message>
        <source>Carry &amp;Forward</source>
        <translation>&amp;Trasladar saldo</translation>
    </message>
    <message>
        <source>Move the entries before the date to an archive</source>
        <translation>Mover a un archivo los movimientos anteriores a la fecha</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Cerrar sin cambiar nada</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Entries before it:</source>
        <translation>Movimientos anteriores:</translation>
    </message>
    <message>
        <source>Their net amount:</source>
        <translation>Su importe neto:</translation>
    </message>
    <message>
        <source>Type a date of the calendar, such as 1 / 1 / %1.</source>
        <translation>Escriba una fecha del calendario, como 1 / 1 / %1.</translation>
    </message>
    <message>
        <source>The register is open read-only.</source>
        <translation>El registro está abierto solo para lectura.</translation>
    </message>
    <message>
        <source>No entries lie before %1.</source>
        <translation>No hay movimientos antes del %1.</translation>
    </message>
    <message>
        <source>Their net is more than one entry can hold.</source>
        <translation>Su neto es mayor de lo que cabe en un movimiento.</translation>
    </message>
    <message>
        <source>The register would then hold %1 instead of %2.</source>
        <translation>El registro tendría entonces %1 en lugar de %2.</translation>
    </message>
    <message>
        <source>Need Date</source>
        <translation>Falta la fecha</translation>
    </message>
    <message>
        <source>Enter a date of the calendar in the month, day and year fields.</source>
        <translation>Escriba una fecha del calendario en los campos de mes, día y año.</translation>
    </message>
    <message>
        <source>Move the %1 before %2 to an archive in the backup folder %3, and put one BALANCE FORWARD entry of %4 dated %5 in their place?<byte value="xd"/>
</source>
        <translation>¿Mover los %1 anteriores al %2 a un archivo en la carpeta de copias %3, y poner en su lugar un movimiento BALANCE FORWARD de %4 con fecha %5?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>¿Continuar?</translation>
    </message>
    <message>
        <source>Carried Forward</source>
        <translation>Saldo trasladado</translation>
    </message>
    <message>
        <source>The archive %1 in the backup folder %2 holds the %3 before %4; File &gt; Restore offers it like any backup.<byte value="xd"/>
The register now holds %5.</source>
        <translation>El archivo %1 de la carpeta de copias %2 contiene los %3 anteriores al %4; Archivo &gt; Restaurar lo ofrece como cualquier copia de seguridad.<byte value="xd"/>
El registro tiene ahora %5.</translation>
    </message>
    <message>
        <source>the register is open read-only</source>
        <translation>el registro está abierto solo para lectura</translation>
    </message>
    <message>
        <source>Nothing To Carry</source>
        <translation>Nada que trasladar</translation>
    </message>
    <message>
        <source>No entries lie before %1, so there is nothing to carry forward.</source>
        <translation>No hay movimientos antes del %1, así que no hay nada que trasladar.</translation>
    </message>
    <message>
        <source>Amount Too Large</source>
        <translation>Importe demasiado grande</translation>
    </message>
    <message>
        <source>The entries before %1 add up to %2, more than one entry can hold (%3 either way).  Choose an earlier date.<byte value="xd"/>
Nothing was changed.</source>
        <translation>Los movimientos anteriores al %1 suman %2, más de lo que cabe en un movimiento (%3 en cualquier sentido).  Elija una fecha anterior.<byte value="xd"/>
No se cambió nada.</translation>
    </message>
    <message>
        <source>ARCHIVE FAILED</source>
        <translation>FALLÓ EL ARCHIVO</translation>
    </message>
    <message>
        <source>The archive %1 could not be written: %2.<byte value="xd"/>
Nothing was changed.</source>
        <translation>No se pudo escribir el archivo %1: %2.<byte value="xd"/>
No se cambió nada.</translation>
    </message>
    <message>
        <source>Archive Kept</source>
        <translation>Archivo conservado</translation>
    </message>
    <message>
        <source>Nothing was carried forward.  The archive %1 stays in the backup folder, as the copy %2 kept on the way may need it.</source>
        <translation>No se trasladó nada.  El archivo %1 se queda en la carpeta de copias, porque la copia %2 guardada por el camino puede necesitarlo.</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmChart</name>
    <message>
        <source>Balance Chart</source>
        <translation>Gráfico del saldo</translation>
    </message>
    <message>
        <source>Point at the chart, or use the arrow keys on it, to see a date&apos;s entries.</source>
        <translation>Señale el gráfico, o use en él las teclas de flecha, para ver los movimientos de una fecha.</translation>
    </message>
    <message>
        <source>Balance chart</source>
        <translation>Gráfico del saldo</translation>
    </message>
    <message>
        <source>Month by month</source>
        <translation>Mes a mes</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture or a PDF document</source>
        <translation>Guardar el gráfico como imagen PNG o documento PDF</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>&amp;Copiar tabla</translation>
    </message>
    <message>
        <source>Copy the month table as text</source>
        <translation>Copiar la tabla de meses como texto</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Invalid date entry</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>SAVE FAILED</source>
        <translation>NO SE PUDO GUARDAR</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>No se pudo guardar el gráfico como %1: %2</translation>
    </message>
    <message>
        <source>Picture Saved</source>
        <translation>Imagen guardada</translation>
    </message>
    <message>
        <source>The chart was saved as %1</source>
        <translation>El gráfico se guardó como %1</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmCsvColumns</name>
    <message>
        <source>Amount column</source>
        <translation>Columna del importe</translation>
    </message>
    <message>
        <source>Withdrawal column</source>
        <translation>Columna de retiros</translation>
    </message>
    <message>
        <source>Deposit column</source>
        <translation>Columna de depósitos</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>CSV Columns</source>
        <translation>Columnas del CSV</translation>
    </message>
    <message>
        <source>First rows of the file</source>
        <translation>Primeras filas del archivo</translation>
    </message>
    <message>
        <source>One a&amp;mount column (money out below zero):</source>
        <translation>Una columna de i&amp;mporte (lo que sale, bajo cero):</translation>
    </message>
    <message>
        <source>&amp;Withdrawal and deposit columns:</source>
        <translation>Columnas de &amp;retiros y depósitos:</translation>
    </message>
    <message>
        <source>As the file&apos;s dates show</source>
        <translation>Como muestran las fechas del archivo</translation>
    </message>
    <message>
        <source>Month first (03/31/2026)</source>
        <translation>Mes primero (03/31/2026)</translation>
    </message>
    <message>
        <source>Day first (31/03/2026)</source>
        <translation>Día primero (31/03/2026)</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Punto (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Coma (1.234,56)</translation>
    </message>
    <message>
        <source>The first row is a &amp;heading</source>
        <translation>La primera fila es un &amp;encabezado</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Read the file with these columns</source>
        <translation>Leer el archivo con estas columnas</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>No importar nada</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Payee:</source>
        <translation>&amp;Beneficiario:</translation>
    </message>
    <message>
        <source>Chec&amp;k number:</source>
        <translation>&amp;Número de cheque:</translation>
    </message>
    <message>
        <source>Dates &amp;are written:</source>
        <translation>&amp;Orden de las fechas:</translation>
    </message>
    <message>
        <source>D&amp;ecimal mark:</source>
        <translation>&amp;Separador decimal:</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmDefaultHelp</name>
    <message>
        <source>About the Default File</source>
        <translation>Acerca del archivo predeterminado</translation>
    </message>
    <message>
        <source>This program works by adding records to a file, named DEFAULT.DAT.  When you first start the program it checks for this file, and if one does no exist the program creates one.  The default file can only hold up to 1000 records, for simplicity.  When you approach the max amount you will get a message.  When you get this message you should backup your current file, and then create a new default file.  This is done by going to the File menu and choosing New File.  This will create a new file.</source>
        <translation>Este programa funciona añadiendo movimientos a un archivo llamado DEFAULT.DAT.  Al iniciar el programa por primera vez, busca este archivo y, si no existe, lo crea.  Por sencillez, el archivo predeterminado solo admite hasta 1000 movimientos.  Al acercarse al máximo aparece un mensaje.  Cuando aparezca, conviene hacer una copia de seguridad del archivo actual y después crear un archivo predeterminado nuevo.  Para ello, vaya al menú Archivo y elija Archivo nuevo.  Así se crea un archivo nuevo.</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmDue</name>
    <message>
        <source>Recurring Entries Due</source>
        <translation>Movimientos periódicos pendientes</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring entries are due</source>
        <translation>
            <numerusform>Hay %n movimiento periódico pendiente</numerusform>
            <numerusform>Hay %n movimientos periódicos pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>The ticked entries go into the register. The others are skipped: their schedules move on without them.</source>
        <translation>Los movimientos marcados se introducen en el registro. Los demás se omiten: sus calendarios avanzan sin ellos.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Recurring entries due</source>
        <translation>Movimientos periódicos pendientes</translation>
    </message>
    <message>
        <source>Enter %1 on %2</source>
        <extracomment>%1 is the payee, %2 the date.</extracomment>
        <translation>Introducir %1 el %2</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Introducir</translation>
    </message>
    <message>
        <source>Put the ticked entries in the register and skip the others</source>
        <translation>Introducir en el registro los movimientos marcados y omitir los demás</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>Leave them all due, to be asked again</source>
        <translation>Dejarlos todos pendientes, para volver a preguntar</translation>
    </message>
    <message>
        <source>Only %1 of the %2 ticked entries fit in the register&apos;s free slots, so none was entered. Carry entries forward (File &gt; Carry Forward...) to make room, or untick some to skip them.</source>
        <translation>Solo %1 de los %2 movimientos marcados caben en los espacios libres del registro, así que no se introdujo ninguno. Para hacer sitio, traslade el saldo (Archivo &gt; Trasladar saldo...), o desmarque algunos para omitirlos.</translation>
    </message>
    <message>
        <source>%1. Nothing was entered.</source>
        <extracomment>%1 says which entry, and what is wrong with it.</extracomment>
        <translation>%1. No se introdujo nada.</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmEdit</name>
    <message>
        <source>This entry was reconciled on the statement ending %1. With another date or amount that statement no longer balances.

Change it anyway?</source>
        <translation>Este movimiento se concilió en el extracto que termina el %1. Con otra fecha u otro importe, ese extracto ya no cuadra.

¿Cambiarlo de todos modos?</translation>
    </message>
    <message>
        <source>This entry was reconciled on the statement ending %1. Without it that statement no longer balances.

Remove it anyway?</source>
        <translation>Este movimiento se concilió en el extracto que termina el %1. Sin él, ese extracto ya no cuadra.

¿Quitarlo de todos modos?</translation>
    </message>
    <message>
        <source>Reconciled Entry</source>
        <translation>Movimiento conciliado</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Céntimos</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retiro</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Neither</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Click here to accept changes</source>
        <translation>Pulse aquí para aceptar los cambios</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Click here to remove this entry</source>
        <translation>Pulse aquí para quitar este movimiento</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Click here to abort without saving</source>
        <translation>Pulse aquí para cancelar sin guardar</translation>
    </message>
    <message>
        <source>Need Type</source>
        <translation>Falta el tipo</translation>
    </message>
    <message>
        <source>Choose Withdrawal, Deposit or Neither as the type of this entry.</source>
        <translation>Elija Retiro, Depósito o Ninguno como tipo de este movimiento.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Seguro?</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmEditHelp</name>
    <message>
        <source>Editing a Record</source>
        <translation>Editar un movimiento</translation>
    </message>
    <message>
        <source>After clicking on the &gt; button next to the record, you will see this screen appear.</source>
        <translation>Tras pulsar el botón &gt; junto al movimiento, aparece esta pantalla.</translation>
    </message>
    <message>
        <source>Just enter the information you wish to change and press Accept.</source>
        <translation>Basta con escribir los datos que se quieran cambiar y pulsar Aceptar.</translation>
    </message>
    <message>
        <source>To remove the record just click on Remove and it will be deleted.</source>
        <translation>Para quitar el movimiento, basta con pulsar Quitar y se borrará.</translation>
    </message>
    <message>
        <source>Click on Cancel to close the edit window without saving the changes.</source>
        <translation>Pulse Cancelar para cerrar la ventana de edición sin guardar los cambios.</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmEnter</name>
    <message>
        <source>About the Main Screen</source>
        <translation>Acerca de la pantalla principal</translation>
    </message>
    <message>
        <source>2. Enter the check number and payee here.</source>
        <translation>2. Escriba aquí el número de cheque y el beneficiario.</translation>
    </message>
    <message>
        <source>Information about your account.</source>
        <translation>Información sobre la cuenta.</translation>
    </message>
    <message>
        <source>1. Simply enter the date here.</source>
        <translation>1. Basta con escribir aquí la fecha.</translation>
    </message>
    <message>
        <source>3. Enter Amount and type, use neither for voided checks.</source>
        <translation>3. Escriba el importe y el tipo; use Ninguno para los cheques anulados.</translation>
    </message>
    <message>
        <source>4. Click on add to enter the record.  Press exit to quit.</source>
        <translation>4. Pulse Añadir para anotar el movimiento.  Pulse Salir para terminar.</translation>
    </message>
    <message>
        <source>If you wish to edit or delete any records just press on the &gt; button next to the record to edit.</source>
        <translation>Para editar o borrar un movimiento, basta con pulsar el botón &gt; junto al movimiento que se quiera editar.</translation>
    </message>
    <message>
        <source>This shows your records you have added.  To scroll through the records use the scroll bar on the right hand side.</source>
        <translation>Aquí se muestran los movimientos añadidos.  Para desplazarse por ellos, use la barra de desplazamiento de la derecha.</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmFileOpen</name>
    <message>
        <source>Open Backup File</source>
        <translation>Abrir copia de seguridad</translation>
    </message>
    <message>
        <source>Click a backup file to load</source>
        <translation>Pulse un archivo de copia de seguridad para cargarlo</translation>
    </message>
    <message>
        <source>Backup files</source>
        <translation>Archivos de copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Use the selected backup file</source>
        <translation>Usar el archivo de copia de seguridad seleccionado</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Abort without restoring backup</source>
        <translation>Cancelar sin restaurar la copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>Click here if you changed disks</source>
        <translation>Pulse aquí si ha cambiado de disco</translation>
    </message>
    <message>
        <source>NEED DISK</source>
        <translation>FALTA EL DISCO</translation>
    </message>
    <message>
        <source>Need a disk in drive A:</source>
        <translation>Hace falta un disco en la unidad A:</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmHandbook</name>
    <message>
        <source>Tallyra Handbook</source>
        <translation>Manual de Tallyra</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Handbook page</source>
        <translation>Página del manual</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The page shown before this one</source>
        <translation>La página mostrada antes de esta</translation>
    </message>
    <message>
        <source>The page shown after this one</source>
        <translation>La página mostrada después de esta</translation>
    </message>
    <message>
        <source>The list of the handbook&apos;s pages</source>
        <translation>La lista de las páginas del manual</translation>
    </message>
    <message>
        <source>Close the handbook</source>
        <translation>Cerrar el manual</translation>
    </message>
    <message>
        <source>&amp;Contents:</source>
        <translation>Co&amp;ntenido:</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmHelp</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About the Program</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>About the &amp;Main Screen</source>
        <translation>Acerca de la pantalla &amp;principal</translation>
    </message>
    <message>
        <source>&amp;Editing a Record</source>
        <translation>&amp;Editar un movimiento</translation>
    </message>
    <message>
        <source>&amp;Backing Up and Restoring</source>
        <translation>Copias de &amp;seguridad y restauración</translation>
    </message>
    <message>
        <source>&amp;Printing a Report</source>
        <translation>&amp;Imprimir un informe</translation>
    </message>
    <message>
        <source>What is the &amp;Default File?</source>
        <translation>¿Qué es el archivo pre&amp;determinado?</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmMoney</name>
    <message>
        <source>Press Enter for help on the register file</source>
        <translation>Pulsar Intro para ver la ayuda sobre el archivo del registro</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Hecho: %1</translation>
    </message>
    <message>
        <source>What the bank has shown: the cleared and reconciled entries</source>
        <translation>Lo que ha mostrado el banco: los movimientos compensados y conciliados</translation>
    </message>
    <message>
        <source>The balance over the next 90 days, with the later entries and the recurring ones</source>
        <translation>El saldo de los próximos 90 días, con los movimientos posteriores y los periódicos</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>C&amp;onciliar...</translation>
    </message>
    <message>
        <source>Balance the register against a bank statement, on paper or not</source>
        <translation>Conciliar el registro con un extracto bancario, en papel o no</translation>
    </message>
    <message>
        <source>Re&amp;curring Entries...</source>
        <translation>Movimientos &amp;periódicos...</translation>
    </message>
    <message>
        <source>Add, change or remove the entries that come back</source>
        <translation>Añadir, cambiar o quitar los movimientos que se repiten</translation>
    </message>
    <message>
        <source>Tallyra v%1</source>
        <translation>Tallyra v%1</translation>
    </message>
    <message>
        <source>Visit %1 for updates.</source>
        <translation>Las actualizaciones están en %1.</translation>
    </message>
    <message>
        <source>Email questions to %1</source>
        <translation>Preguntas por correo electrónico a %1</translation>
    </message>
    <message>
        <source>A save cut short left a copy, kept as %1</source>
        <translation>Un guardado interrumpido dejó una copia, conservada como %1</translation>
    </message>
    <message>
        <source>Tallyra v%1 (Read-Only)</source>
        <translation>Tallyra v%1 (solo lectura)</translation>
    </message>
    <message>
        <source>Read-only: held by process %1 on %2</source>
        <translation>Solo lectura: lo tiene el proceso %1 en %2</translation>
    </message>
    <message>
        <source>new record</source>
        <extracomment>An undo step, shown as &quot;Undo new record&quot;</extracomment>
        <translation>nuevo registro</translation>
    </message>
    <message>
        <source>New record started</source>
        <translation>Se ha empezado un registro nuevo</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Reloaded: changed by another program; the undo history is cleared</source>
        <translation>Recargado: otro programa lo ha cambiado; se ha borrado el historial de deshacer</translation>
    </message>
    <message>
        <source>The register as last shown is kept as %1</source>
        <translation>El registro tal como se mostró por última vez se conserva como %1</translation>
    </message>
    <message>
        <source>Backups go to %1</source>
        <translation>Las copias de seguridad van a %1</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Centavos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retiro</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Neither</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Add an entry</source>
        <translation>Añadir un movimiento</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Close program (remember to backup!)</source>
        <translation>Cerrar el programa (¡no olvidar la copia de seguridad!)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Account Total:</source>
        <translation>Saldo de la cuenta:</translation>
    </message>
    <message>
        <source>This is your account total</source>
        <translation>Este es el saldo de la cuenta</translation>
    </message>
    <message>
        <source>Number of Records:</source>
        <translation>Número de movimientos:</translation>
    </message>
    <message>
        <source>This is the number or entries you have</source>
        <translation>Este es el número de movimientos del registro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Backup</source>
        <translation>&amp;Copia de seguridad</translation>
    </message>
    <message>
        <source>Res&amp;tore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Backup &amp;Folder...</source>
        <translation>Car&amp;peta de copias...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>I&amp;mprimir</translation>
    </message>
    <message>
        <source>Show the balance over time and what each month came to</source>
        <translation>Mostrar el saldo a lo largo del tiempo y el resultado de cada mes</translation>
    </message>
    <message>
        <source>&amp;New Record</source>
        <translation>&amp;Nuevo registro</translation>
    </message>
    <message>
        <source>&amp;Carry Forward...</source>
        <translation>&amp;Trasladar saldo...</translation>
    </message>
    <message>
        <source>Move the entries before a date to an archive and keep their balance</source>
        <translation>Mover los movimientos anteriores a una fecha a un archivo y conservar su saldo</translation>
    </message>
    <message>
        <source>Read a bank statement, add what is new and check the balance against it</source>
        <translation>Leer un extracto bancario, añadir lo nuevo y comprobar el saldo con él</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Write the register to a CSV or QIF file</source>
        <translation>Escribir el registro en un archivo CSV o QIF</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Show the next entry with a check number or payee</source>
        <translation>Mostrar el siguiente movimiento con un número de cheque o beneficiario</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Show the next entry for the same text</source>
        <translation>Mostrar el siguiente movimiento con el mismo texto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 names the step, e.g. &quot;add 05/05/2001 GAS $5.00&quot;</extracomment>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 names the step, e.g. &quot;add 05/05/2001 GAS $5.00&quot;</extracomment>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Tallyra &amp;Handbook</source>
        <translation>Manual de &amp;Tallyra</translation>
    </message>
    <message>
        <source>B&amp;alance Chart...</source>
        <translation>&amp;Gráfico del saldo...</translation>
    </message>
    <message>
        <source>&amp;Import Statement...</source>
        <translation>&amp;Importar extracto...</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmPrint</name>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Invalid date entry. Exiting print</source>
        <translation>Fecha no válida. Se cancela la impresión</translation>
    </message>
    <message>
        <source>PRINT FAILED</source>
        <translation>NO SE PUDO IMPRIMIR</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>No se imprimió nada: %1</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Do you wish to save the report as a PDF file instead?</source>
        <translation>¿Guardar el informe como archivo PDF en su lugar?</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Guardar el informe como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>Keep &quot;(*.pdf)&quot; as it is.</extracomment>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Informe guardado como %1</translation>
    </message>
    <message>
        <source>Report Saved</source>
        <translation>Informe guardado</translation>
    </message>
    <message>
        <source>The report was saved as %1</source>
        <translation>El informe se guardó como %1</translation>
    </message>
    <message>
        <source>SAVE FAILED</source>
        <translation>NO SE PUDO GUARDAR</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2<byte value="xd"/>
Choose another folder or name, or Cancel to leave it unsaved.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>No se pudo guardar el informe como %1: %2<byte value="xd"/>
Elija otra carpeta u otro nombre, o Cancelar para no guardarlo.</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmPrintHelp</name>
    <message>
        <source>About Printing</source>
        <translation>Acerca de la impresión</translation>
    </message>
    <message>
        <source>You can print a report out, beginning from the start date up to the end date.  Just enter the dates (Format is Month/Day/Year), and press Print.  Cancel closes without printing.</source>
        <translation>Se puede imprimir un informe desde la fecha de inicio hasta la fecha de fin.  Basta con escribir las fechas (el formato es Mes/Día/Año) y pulsar Imprimir.  Cancelar cierra sin imprimir.</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmReconcile</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>Statement &amp;end date:</source>
        <translation>Fecha de &amp;fin del extracto:</translation>
    </message>
    <message>
        <source>Ending &amp;balance:</source>
        <translation>&amp;Saldo final:</translation>
    </message>
    <message>
        <source>Starting balance:</source>
        <translation>Saldo inicial:</translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation>Depósitos</translation>
    </message>
    <message>
        <source>Withdrawals</source>
        <translation>Retiros</translation>
    </message>
    <message>
        <source>&amp;Deposits and credits</source>
        <translation>&amp;Depósitos y abonos</translation>
    </message>
    <message>
        <source>&amp;Withdrawals and checks</source>
        <translation>&amp;Retiros y cheques</translation>
    </message>
    <message>
        <source>Cleared balance:</source>
        <translation>Saldo compensado:</translation>
    </message>
    <message>
        <source>Difference:</source>
        <translation>Diferencia:</translation>
    </message>
    <message>
        <source>&amp;Add Entry...</source>
        <translation>&amp;Añadir movimiento...</translation>
    </message>
    <message>
        <source>Add a fee, interest or anything else the statement shows that the register lacks</source>
        <translation>Añadir una comisión, unos intereses o cualquier otra cosa del extracto que falte en el registro</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>Mark the ticked entries reconciled on this statement</source>
        <translation>Marcar los movimientos seleccionados como conciliados en este extracto</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>Keep the ticks as cleared and the figures for next time</source>
        <translation>Guardar las marcas como compensadas y las cifras para la próxima vez</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Cerrar sin cambiar nada</translation>
    </message>
    <message>
        <source>The ending balance is no amount.</source>
        <translation>El saldo final no es un importe.</translation>
    </message>
    <message>
        <source>Type the statement&apos;s ending balance.</source>
        <translation>Escriba el saldo final del extracto.</translation>
    </message>
    <message>
        <source>add %1</source>
        <translation>añadir %1</translation>
    </message>
    <message>
        <source>reconcile to %1</source>
        <translation>conciliar hasta el %1</translation>
    </message>
    <message>
        <source>reconcile later</source>
        <translation>conciliar más tarde</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmReconcileEntry</name>
    <message>
        <source>Withdrawal</source>
        <translation>Retiro</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Neither</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Añadir movimiento</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Centavos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add the entry, cleared</source>
        <translation>Añadir el movimiento, compensado</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Close without adding</source>
        <translation>Cerrar sin añadir</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmRecurring</name>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retiro</translation>
    </message>
    <message>
        <source>Recurring Entries</source>
        <translation>Movimientos periódicos</translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>How Often</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Date</source>
        <translation>Próxima fecha</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Entered</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Recurring entries</source>
        <translation>Movimientos periódicos</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>Make a new recurring entry</source>
        <translation>Crear un movimiento periódico nuevo</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambiar...</translation>
    </message>
    <message>
        <source>Change the chosen recurring entry</source>
        <translation>Cambiar el movimiento periódico elegido</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the chosen recurring entry</source>
        <translation>Quitar el movimiento periódico elegido</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>&amp;Schedules:</source>
        <translation>&amp;Movimientos periódicos:</translation>
    </message>
    <message>
        <source>None left</source>
        <translation>No quedan</translation>
    </message>
    <message>
        <source>Ask first</source>
        <translation>Preguntar</translation>
    </message>
    <message>
        <source>By itself</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Add Recurring Entry</source>
        <translation>Añadir movimiento periódico</translation>
    </message>
    <message>
        <source>Added recurring %1</source>
        <translation>Movimiento periódico añadido: %1</translation>
    </message>
    <message>
        <source>Change Recurring Entry</source>
        <translation>Cambiar movimiento periódico</translation>
    </message>
    <message>
        <source>Recurring Entry Changed</source>
        <translation>Movimiento periódico cambiado</translation>
    </message>
    <message>
        <source>The recurring entry changed while its window was open; nothing was saved.</source>
        <translation>El movimiento periódico cambió mientras su ventana estaba abierta; no se guardó nada.</translation>
    </message>
    <message>
        <source>Changed recurring %1</source>
        <translation>Movimiento periódico cambiado: %1</translation>
    </message>
    <message>
        <source>Remove Recurring Entry</source>
        <translation>Quitar movimiento periódico</translation>
    </message>
    <message>
        <source>Remove the recurring entry for %1, %2 %3?</source>
        <extracomment>%1 is the payee, %2 the amount, %3 how often it comes back, in lower case (&quot;every month on the 1st&quot;).</extracomment>
        <translation>¿Quitar el movimiento periódico de %1, %2, %3?</translation>
    </message>
    <message>
        <source>Removed recurring %1</source>
        <translation>Movimiento periódico quitado: %1</translation>
    </message>
    <message>
        <source>add recurring %1</source>
        <extracomment>The name of a change, shown after &quot;Undo&quot; and &quot;Redo&quot;: short, in lower case. %1 is the payee.</extracomment>
        <translation>añadir movimiento periódico %1</translation>
    </message>
    <message>
        <source>change recurring %1</source>
        <extracomment>The name of a change, shown after &quot;Undo&quot; and &quot;Redo&quot;: short, in lower case. %1 is the payee.</extracomment>
        <translation>cambiar movimiento periódico %1</translation>
    </message>
    <message>
        <source>remove recurring %1</source>
        <extracomment>The name of a change, shown after &quot;Undo&quot; and &quot;Redo&quot;: short, in lower case. %1 is the payee.</extracomment>
        <translation>quitar movimiento periódico %1</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmSchedule</name>
    <message>
        <source>Cents</source>
        <translation>Centavos</translation>
    </message>
    <message>
        <source>&amp;Payee:</source>
        <translation>&amp;Beneficiario:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>&amp;Withdrawal</source>
        <translation>&amp;Retiro</translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation>&amp;Depósito</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Every 2 weeks</source>
        <translation>Cada 2 semanas</translation>
    </message>
    <message>
        <source>Twice a month</source>
        <translation>Dos veces al mes</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>Every few months</source>
        <translation>Cada varios meses</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Cada año</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>E&amp;l día</translation>
    </message>
    <message>
        <source>On the &amp;last day</source>
        <translation>El úl&amp;timo día</translation>
    </message>
    <message>
        <source>Keep the date</source>
        <translation>Mantener la fecha</translation>
    </message>
    <message>
        <source>Enter it the Friday before</source>
        <translation>Introducirlo el viernes anterior</translation>
    </message>
    <message>
        <source>Enter it the Monday after</source>
        <translation>Introducirlo el lunes siguiente</translation>
    </message>
    <message>
        <source>a&amp;nd</source>
        <translation>&amp;y</translation>
    </message>
    <message>
        <source>Months &amp;apart:</source>
        <translation>&amp;Meses de separación:</translation>
    </message>
    <message>
        <source>Day of the month:</source>
        <translation>Día del mes:</translation>
    </message>
    <message>
        <source>Ne&amp;xt date:</source>
        <translation>Pró&amp;xima fecha:</translation>
    </message>
    <message>
        <source>On a wee&amp;kend:</source>
        <translation>En fin de s&amp;emana:</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>No &amp;end</source>
        <translation>&amp;Sin fin</translation>
    </message>
    <message>
        <source>&amp;Until</source>
        <translation>&amp;Hasta el</translation>
    </message>
    <message>
        <source>After a number of &amp;times:</source>
        <translation>Tras un número de &amp;veces:</translation>
    </message>
    <message>
        <source>Entering</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Ask be&amp;fore entering</source>
        <translation>&amp;Preguntar antes de introducir</translation>
    </message>
    <message>
        <source>Enter by &amp;itself</source>
        <translation>Introducir aut&amp;omáticamente</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Check num&amp;ber:</source>
        <translation>&amp;Número de cheque:</translation>
    </message>
    <message>
        <source>&amp;How often:</source>
        <translation>&amp;Frecuencia:</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Fecha de fin</translation>
    </message>
    <message>
        <source>Number of times</source>
        <translation>Número de veces</translation>
    </message>
</context>
<context>
    <name>tallyra::FrmStatement</name>
    <message>
        <source>Add the ticked transactions to the register and mark every entry the statement shows cleared</source>
        <translation>Añadir al registro las transacciones seleccionadas y marcar como compensado cada movimiento que muestra el extracto</translation>
    </message>
    <message>
        <source>&amp;Finish Reconciliation</source>
        <translation>&amp;Terminar la conciliación</translation>
    </message>
    <message>
        <source>Add and mark as Add does, then mark the statement&apos;s entries reconciled on its end date</source>
        <translation>Añadir y marcar como hace Añadir, y después marcar los movimientos del extracto como conciliados en su fecha de fin</translation>
    </message>
    <message>
        <source>Starting balance:</source>
        <translation>Saldo inicial:</translation>
    </message>
    <message>
        <source>Cleared balance:</source>
        <translation>Saldo compensado:</translation>
    </message>
    <message>
        <source>O&amp;utstanding: entries not yet reconciled, of any date up to the end, that are not on the statement</source>
        <translation>Pe&amp;ndientes: movimientos aún sin conciliar, de cualquier fecha hasta el fin, que no están en el extracto</translation>
    </message>
    <message>
        <source>%1 marked cleared.</source>
        <translation>%1 marcados como compensados.</translation>
    </message>
    <message>
        <source>reconcile to %1</source>
        <translation>conciliar hasta el %1</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, del %1 al %2</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Importar extracto</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Qué ocurre</translation>
    </message>
    <message>
        <source>Statement transactions</source>
        <translation>Transacciones del extracto</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>C&amp;olumns...</source>
        <translation>C&amp;olumnas...</translation>
    </message>
    <message>
        <source>Say again which column of the file holds what</source>
        <translation>Indicar de nuevo qué contiene cada columna del archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>as printed on the statement</source>
        <translation>como figura en el extracto</translation>
    </message>
    <message>
        <source>Outstanding entries</source>
        <translation>Movimientos pendientes</translation>
    </message>
    <message>
        <source>Statement&apos;s &amp;ending balance:</source>
        <translation>Saldo &amp;final del extracto:</translation>
    </message>
    <message>
        <source>On the statement&apos;s end &amp;date:</source>
        <translation>En la fecha de fin &amp;del extracto:</translation>
    </message>
    <message>
        <source>&amp;Transactions:</source>
        <translation>T&amp;ransacciones:</translation>
    </message>
    <message>
        <source>%1 new, %2 already in the register, %3 cannot be added</source>
        <translation>%1 nuevas, %2 ya en el registro, %3 no se pueden añadir</translation>
    </message>
    <message>
        <source>Outstanding deposits %1, outstanding withdrawals %2</source>
        <translation>Depósitos pendientes %1, retiros pendientes %2</translation>
    </message>
    <message>
        <source>Type the statement&apos;s ending balance to reconcile.</source>
        <translation>Escriba el saldo final del extracto para conciliar.</translation>
    </message>
    <message>
        <source>The ending balance is no amount.</source>
        <translation>El saldo final no es un importe.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Cuadra</translation>
    </message>
    <message>
        <source>Difference: %1</source>
        <translation>Diferencia: %1</translation>
    </message>
    <message>
        <source>No transaction is ticked.</source>
        <translation>No hay ninguna transacción seleccionada.</translation>
    </message>
    <message>
        <source>Not Enough Room</source>
        <translation>No hay sitio suficiente</translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of the %n ticked transactions fit in the register&apos;s free slots.<byte value="xd"/>
Untick %2 of them and press Add again.</source>
        <translation>
            <numerusform>Solo %1 de la %n transacción seleccionada cabe en los espacios libres del registro.<byte value="xd"/>
Desmarque %2 y pulse Añadir de nuevo.</numerusform>
            <numerusform>Solo %1 de las %n transacciones seleccionadas caben en los espacios libres del registro.<byte value="xd"/>
Desmarque %2 de ellas y pulse Añadir de nuevo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transactions were added.</source>
        <translation>
            <numerusform>Se añadió %n transacción.</numerusform>
            <numerusform>Se añadieron %n transacciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyra::RegisterDocument</name>
    <message>
        <source>The cleared marks cannot be read (%1): the register shows none</source>
        <translation>No se pueden leer las marcas de compensado (%1): el registro no muestra ninguna</translation>
    </message>
    <message>
        <source>The last change was cut short before the register was written: the recurring entries are as they were before it</source>
        <translation>El último cambio se interrumpió antes de escribir el registro: los movimientos periódicos están como antes de él</translation>
    </message>
    <message numerus="yes">
        <source>Cleared marks dropped, naming entries the register no longer holds: %n</source>
        <translation>
            <numerusform>Marcas de compensado descartadas, de movimientos que el registro ya no contiene: %n</numerusform>
            <numerusform>Marcas de compensado descartadas, de movimientos que el registro ya no contiene: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The cleared marks in %1 cannot be used: the register shows none</source>
        <translation>No se pueden usar las marcas de compensado de %1: el registro no muestra ninguna</translation>
    </message>
    <message>
        <source>The cleared marks were lost: %1 could not be used and is kept as %2</source>
        <translation>Se perdieron las marcas de compensado: no se pudo usar %1 y se conserva como %2</translation>
    </message>
    <message>
        <source>the register is open read-only, as another copy of Tallyra holds it</source>
        <translation>el registro está abierto solo para lectura, porque otra copia de Tallyra lo tiene abierto</translation>
    </message>
    <message>
        <source>line %1, %2</source>
        <translation>línea %1, %2</translation>
    </message>
    <message>
        <source>there is nothing to do</source>
        <translation>no hay nada que hacer</translation>
    </message>
    <message>
        <source>%1 was changed by another program</source>
        <translation>otro programa cambió %1</translation>
    </message>
    <message>
        <source>the other version cannot be read: %1</source>
        <translation>no se puede leer la otra versión: %1</translation>
    </message>
</context>
<context>
    <name>tallyra::RegisterListView</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retiro</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Click here to edit this line</source>
        <translation>Pulsar aquí para editar esta línea</translation>
    </message>
    <message>
        <source>Register lines</source>
        <translation>Líneas del registro</translation>
    </message>
</context>
<context>
    <name>tallyra::ReportPreview</name>
    <message>
        <source>Report Preview</source>
        <translation>Vista previa del informe</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
</TS>
