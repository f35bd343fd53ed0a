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
    <name>Console</name>
    <message>
        <source>standard input is a terminal; give the statement with &lt; FILE or through a pipe</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
