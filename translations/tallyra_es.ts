<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>DueEntering</name>
    <message>
        <source>%1 on %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry does not fit the register</source>
        <translation type="unfinished"></translation>
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
    <name>HelpWidgets</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Starting balance %1, outstanding deposits %2, outstanding withdrawals %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 marked cleared.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfxStatement</name>
    <message>
        <source>it could not be handed to the OFX reader: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciled on the statement ending %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>withdrawal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deposit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterStatus</name>
    <message>
        <source>Cleared balance: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance below zero on %1 after %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at %1 MB it is larger than %2 MB, the most Tallyra reads as a statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no plain file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatementPreview</name>
    <message>
        <source>mark %1 cleared from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, mark %2 cleared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallyra</name>
    <message>
        <source>Recurring entries due: %n, left for the copy of Tallyra that can write the register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring entries entered by themselves: %n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring entries due do not fit in the register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A recurring entry needs an amount: enter one in the amount field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need Second Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twice a month needs two different days of the month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need Next Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next date, %1, is not a day this entry comes due. The first one from then is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 2 weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every month on the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twice a month on the %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %n months on the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every month on the last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %n months on the last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n more times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallyra::ChartView</name>
    <message>
        <source>Ahead</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciled entries before it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reconciled entries lie before %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Entries before it left where they are, not yet reconciled: %n.<byte value="xd"/>
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No reconciled entries lie before %1, so there is nothing to carry forward.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallyra::FrmCsvColumns</name>
    <message>
        <source>Amount column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdrawal column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit column</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 recurring entry is due</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n recurring entries are due</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The ticked entries go into the register. The others are skipped: their schedules move on without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring entries due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter %1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the ticked entries in the register and skip the others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave them all due, to be asked again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of the %2 ticked entries fit in the register&apos;s free slots, so none was entered. Carry entries forward (File &gt; Carry Forward...) to make room, or untick some to skip them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Nothing was entered.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repeat This Entry...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This entry has no amount, so there is nothing to enter again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat This Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added recurring %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the bank has shown: the cleared and reconciled entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The balance over the next 90 days, with the later entries and the recurring ones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance the register against a bank statement, on paper or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;curring Entries...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, change or remove the entries that come back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallyra::FrmPrint</name>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement &amp;end date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending &amp;balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdrawals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deposits and credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Withdrawals and checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Entry...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a fee, interest or anything else the statement shows that the register lacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark the ticked entries reconciled on this statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the ticks as cleared and the figures for next time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ending balance is no amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the statement&apos;s ending balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reconcile to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reconcile later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallyra::FrmReconcileEntry</name>
    <message>
        <source>Withdrawal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the entry, cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without adding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallyra::FrmRecurring</name>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Often</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a new recurring entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the chosen recurring entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the chosen recurring entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schedules:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Recurring Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added recurring %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Recurring Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring Entry Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring entry changed while its window was open; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed recurring %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Recurring Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the recurring entry for %1, %2 %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed recurring %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallyra::FrmSchedule</name>
    <message>
        <source>Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Withdrawal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 2 weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twice a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every few months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the &amp;last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter it the Friday before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter it the Monday after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a&amp;nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months &amp;apart:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of the month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a wee&amp;kend:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No &amp;end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a number of &amp;times:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask be&amp;fore entering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter by &amp;itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallyra::FrmStatement</name>
    <message>
        <source>Add the ticked transactions to the register and mark every entry the statement shows cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish Reconciliation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add and mark as Add does, then mark the statement&apos;s entries reconciled on its end date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;utstanding: entries not yet reconciled, of any date up to the end, that are not on the statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 marked cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reconcile to %1</source>
        <translation type="unfinished"></translation>
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
    <name>tallyra::ReportPreview</name>
    <message>
        <source>Report Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
