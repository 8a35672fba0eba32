<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QtExtTestApp</name>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
</context>
</TS>
