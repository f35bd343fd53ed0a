<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
    <name>tallyra::FrmCarryForward</name>
    <message numerus="yes">
        <source>Entries before it left where they are, not yet reconciled: %n.<byte value="xd"/>
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyra::FrmDue</name>
    <message numerus="yes">
        <source>%n recurring entries are due</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
