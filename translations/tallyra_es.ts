<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Backup</name>
    <message>
        <source>%1; its cleared marks were lost: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be used (%2)</source>
        <translation type="unfinished"></translation>
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
    <name>Console</name>
    <message>
        <source>standard input is a terminal; give the statement with &lt; FILE or through a pipe</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
    <name>FileType</name>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This entry was reconciled on the statement ending %1. Without it that statement no longer balances.

Remove it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciled Entry</source>
        <translation type="unfinished"></translation>
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
        <source>&amp;Check number:</source>
        <translation>&amp;Número de cheque:</translation>
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
        <source>How &amp;often:</source>
        <translation>&amp;Frecuencia:</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last change was cut short before the register was written: the recurring entries are as they were before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cleared marks dropped, naming entries the register no longer holds: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The cleared marks in %1 cannot be used: the register shows none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cleared marks were lost: %1 could not be used and is kept as %2</source>
        <translation type="unfinished"></translation>
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
