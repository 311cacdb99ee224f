<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AppController</name>
    <message numerus="yes">
        <source>%n strategy nodes</source>
        <translation>
            <numerusform>%n strategy node</numerusform>
            <numerusform>%n strategy nodes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo nodes</source>
        <translation>
            <numerusform>%n combo node</numerusform>
            <numerusform>%n combo nodes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message numerus="yes">
        <source>This name is too long: a name can have at most %n characters.</source>
        <translation>
            <numerusform>This name is too long: a name can have at most %n character.</numerusform>
            <numerusform>This name is too long: a name can have at most %n characters.</numerusform>
        </translation>
    </message>
</context>
</TS>
