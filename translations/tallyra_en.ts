<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BalanceHistory</name>
    <message numerus="yes">
        <source>%1: %n entries, balance %2</source>
        <extracomment>%1 is the date, %n how many entries it has, %2 the balance after them.</extracomment>
        <translation>
            <numerusform>%1: %n entry, balance %2</numerusform>
            <numerusform>%1: %n entries, balance %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the entries listed: how many more the date has.</extracomment>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueCheck</name>
    <message numerus="yes">
        <source>Recurring entries due: %n, left for the copy of Tallyra that can write the register</source>
        <translation>
            <numerusform>Recurring entries due: %n, left for the copy of Tallyra that can write the register</numerusform>
            <numerusform>Recurring entries due: %n, left for the copy of Tallyra that can write the register</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recurring entries entered by themselves: %n</source>
        <translation>
            <numerusform>Recurring entries entered by themselves: %n</numerusform>
            <numerusform>Recurring entries entered by themselves: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueEntering</name>
    <message numerus="yes">
        <source>enter %n recurring entries</source>
        <extracomment>The name of a change, shown after &quot;Undo&quot; and &quot;Redo&quot;: short, in lower case.</extracomment>
        <translation>
            <numerusform>enter %n recurring entry</numerusform>
            <numerusform>enter %n recurring entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skip %n recurring</source>
        <extracomment>The name of a change, shown after &quot;Undo&quot; and &quot;Redo&quot;: short, in lower case.</extracomment>
        <translation>
            <numerusform>skip %n recurring</numerusform>
            <numerusform>skip %n recurring</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message numerus="yes">
        <source>only %1 of the %n new transactions fit in the register&apos;s free slots; nothing was added</source>
        <translation>
            <numerusform>only %1 of the %n new transaction fit in the register&apos;s free slots; nothing was added</numerusform>
            <numerusform>only %1 of the %n new transactions fit in the register&apos;s free slots; nothing was added</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterExport</name>
    <message numerus="yes">
        <source>%n entries were written to %1.</source>
        <translation>
            <numerusform>%n entry was written to %1.</numerusform>
            <numerusform>%n entries were written to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message numerus="yes">
        <source>Every %n months on the %1</source>
        <extracomment>%n months apart, always 2 or more; %1 is a day of the month as &quot;31st&quot; says it.</extracomment>
        <translation>
            <numerusform>Every %n month on the %1</numerusform>
            <numerusform>Every %n months on the %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n months on the last day</source>
        <extracomment>%n months apart, always 2 or more.</extracomment>
        <translation>
            <numerusform>Every %n month on the last day</numerusform>
            <numerusform>Every %n months on the last day</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Until %1, %n more times</source>
        <extracomment>%1 is the last date, %n how many times are left.</extracomment>
        <translation>
            <numerusform>Until %1, %n more time</numerusform>
            <numerusform>Until %1, %n more times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more times</source>
        <translation>
            <numerusform>%n more time</numerusform>
            <numerusform>%n more times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatementFile</name>
    <message numerus="yes">
        <source>it holds %n transactions, and Tallyra reads statements of at most %1</source>
        <translation>
            <numerusform>it holds %n transaction, and Tallyra reads statements of at most %1</numerusform>
            <numerusform>it holds %n transactions, and Tallyra reads statements of at most %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatementPreview</name>
    <message numerus="yes">
        <source>import %n transaction(s) from %1</source>
        <translation>
            <numerusform>import %n transaction from %1</numerusform>
            <numerusform>import %n transactions from %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyra::FrmCarryForward</name>
    <message numerus="yes">
        <source>Entries before it left where they are, not yet reconciled: %n.<byte value="xd"/>
</source>
        <translation>
            <numerusform>Entries before it left where they are, not yet reconciled: %n.<byte value="xd"/>
</numerusform>
            <numerusform>Entries before it left where they are, not yet reconciled: %n.<byte value="xd"/>
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <extracomment>Put into the carry-forward question and its outcome: &quot;Move the 12 entries before ...&quot;.</extracomment>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyra::FrmDue</name>
    <message numerus="yes">
        <source>%n recurring entries are due</source>
        <translation>
            <numerusform>%n recurring entry is due</numerusform>
            <numerusform>%n recurring entries are due</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyra::FrmStatement</name>
    <message numerus="yes">
        <source>Only %1 of the %n ticked transactions fit in the register&apos;s free slots.<byte value="xd"/>
Untick %2 of them and press Add again.</source>
        <translation>
            <numerusform>Only %1 of the %n ticked transaction fit in the register&apos;s free slots.<byte value="xd"/>
Untick %2 of them and press Add again.</numerusform>
            <numerusform>Only %1 of the %n ticked transactions fit in the register&apos;s free slots.<byte value="xd"/>
Untick %2 of them and press Add again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transactions were added.</source>
        <translation>
            <numerusform>%n transaction was added.</numerusform>
            <numerusform>%n transactions were added.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyra::RegisterDocument</name>
    <message numerus="yes">
        <source>Cleared marks dropped, naming entries the register no longer holds: %n</source>
        <translation>
            <numerusform>Cleared marks dropped, naming entries the register no longer holds: %n</numerusform>
            <numerusform>Cleared marks dropped, naming entries the register no longer holds: %n</numerusform>
        </translation>
    </message>
</context>
</TS>
