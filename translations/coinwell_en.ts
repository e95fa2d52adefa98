<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>coinwell::MainWindow</name>
    <message numerus="yes">
        <source>%n coin(s) are enough in %1% of meetings.</source>
        <translation>
            <numerusform>%n coin is enough in %1% of meetings.</numerusform>
            <numerusform>%n coins are enough in %1% of meetings.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>coinwell::class</name>
    <message numerus="yes">
        <source>&apos;%1&apos; has %n toss(es), but each meeting here has %2 guests</source>
        <translation>
            <numerusform>&apos;%1&apos; has %n toss, but each meeting here has %2 guests</numerusform>
            <numerusform>&apos;%1&apos; has %n tosses, but each meeting here has %2 guests</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>coinwell::graph</name>
    <message numerus="yes">
        <source>%n coin(s): enough in %1% of meetings</source>
        <translation>
            <numerusform>%n coin: enough in %1% of meetings</numerusform>
            <numerusform>%n coins: enough in %1% of meetings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s) for %1% of meetings</source>
        <translation>
            <numerusform>%n coin for %1% of meetings</numerusform>
            <numerusform>%n coins for %1% of meetings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exact: %n coin(s)</source>
        <translation>
            <numerusform>exact: %n coin</numerusform>
            <numerusform>exact: %n coins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lowest balance %1: %n coin(s) would have been enough</source>
        <translation>
            <numerusform>lowest balance %1: %n coin would have been enough</numerusform>
            <numerusform>lowest balance %1: %n coins would have been enough</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>coinwell::report</name>
    <message numerus="yes">
        <source>%n coin(s) (a run this size says %1 to %2; exact %3)</source>
        <translation>
            <numerusform>%n coin (a run this size says %1 to %2; exact %3)</numerusform>
            <numerusform>%n coins (a run this size says %1 to %2; exact %3)</numerusform>
        </translation>
    </message>
</context>
</TS>
