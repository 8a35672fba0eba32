<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1 %2</source>
        <translation>Über %1 %2</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsInputWidget</name>
    <message>
        <source>Advanced Calculation Settings</source>
        <translation>Erweiterte Berechnungseinstellungen</translation>
    </message>
    <message>
        <source>Solver parameters</source>
        <translation>Parameter des Lösers</translation>
    </message>
    <message>
        <source>Enable moisture balance calculation</source>
        <translation>Feuchtebilanz berechnen</translation>
    </message>
    <message>
        <source>Initial temperature of room and constructions [°C]:</source>
        <translation>Anfangstemperatur von Raum und Konstruktionen [°C]:</translation>
    </message>
    <message>
        <source>Initial relative humidity in room and constructions [%]:</source>
        <translation>Relative Anfangsfeuchte in Raum und Konstruktionen [%]:</translation>
    </message>
    <message>
        <source>Convective fraction of solar loads [0...100%]:</source>
        <translation>Konvektiver Anteil der solaren Lasten [0...100%]:</translation>
    </message>
    <message>
        <source>Convective fraction of internal loads [0..100%]:</source>
        <translation>Konvektiver Anteil der inneren Lasten [0..100%]:</translation>
    </message>
    <message>
        <source>Output options (project independent)</source>
        <translation>Ausgabeoptionen (projektunabhängig)</translation>
    </message>
    <message>
        <source>Evaluate thermal comfort criteria independent of occupancy</source>
        <translation>Behaglichkeitskriterien unabhängig von der Belegung auswerten</translation>
    </message>
    <message>
        <source>Normalize results by floor area</source>
        <translation>Ergebnisse auf die Grundfläche beziehen</translation>
    </message>
    <message>
        <source>Please enter a percentage (0 .. 100 %%)!</source>
        <translation>Bitte geben Sie einen Prozentwert ein (0 .. 100 %%)!</translation>
    </message>
    <message>
        <source>Please enter an initial temperature in [C] (-100 .. 100)!</source>
        <translation>Bitte geben Sie eine Anfangstemperatur in [C] ein (-100 .. 100)!</translation>
    </message>
    <message>
        <source>Please enter a relative humidity as percentage (0 .. 100 %%)!</source>
        <translation>Bitte geben Sie eine relative Feuchte in Prozent ein (0 .. 100 %%)!</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>Shows information about the program.</source>
        <translation>Zeigt Informationen über das Programm.</translation>
    </message>
    <message>
        <source>Create a new default project (Ctrl + N).</source>
        <translation>Erstellt ein neues Standardprojekt (Strg + N).</translation>
    </message>
    <message>
        <source>Loads a project (Ctrl + O).</source>
        <translation>Lädt ein Projekt (Strg + O).</translation>
    </message>
    <message>
        <source>Saves current project (Ctrl + S).</source>
        <translation>Speichert das aktuelle Projekt (Strg + S).</translation>
    </message>
    <message>
        <source>Triggers a recalculation (Ctrl + R).</source>
        <translation>Startet eine Neuberechnung (Strg + R).</translation>
    </message>
    <message>
        <source>Exports calculation results.</source>
        <translation>Exportiert die Berechnungsergebnisse.</translation>
    </message>
    <message>
        <source>Generates calculation report (Alt + R).</source>
        <translation>Erstellt den Berechnungsbericht (Alt + R).</translation>
    </message>
    <message>
        <source>Switches to room edit mode.</source>
        <translation>Wechselt zur Bearbeitung des Raumes.</translation>
    </message>
    <message>
        <source>Switches to material database edit mode.</source>
        <translation>Wechselt zur Bearbeitung der Materialdatenbank.</translation>
    </message>
    <message>
        <source>Switches to construction database edit mode.</source>
        <translation>Wechselt zur Bearbeitung der Konstruktionsdatenbank.</translation>
    </message>
    <message>
        <source>Switches to window database edit mode.</source>
        <translation>Wechselt zur Bearbeitung der Fensterdatenbank.</translation>
    </message>
    <message>
        <source>Switches to shading type database edit mode.</source>
        <translation>Wechselt zur Bearbeitung der Verschattungsdatenbank.</translation>
    </message>
    <message>
        <source>Change currently used language.</source>
        <translation>Ändert die verwendete Sprache.</translation>
    </message>
    <message>
        <source>Closes the program (asks for saving confirmation first).</source>
        <translation>Beendet das Programm (fragt vorher, ob gespeichert werden soll).</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>Please restart the program to activate the selected language!</source>
        <translation>Bitte starten Sie das Programm neu, um die gewählte Sprache zu aktivieren!</translation>
    </message>
</context>
<context>
    <name>ConfirmationMessageBox</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>Nicht wieder anzeigen</translation>
    </message>
</context>
<context>
    <name>ConstructionDBModel</name>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Schichten</translation>
    </message>
    <message>
        <source>U [W/m2K]</source>
        <translation>U [W/m2K]</translation>
    </message>
</context>
<context>
    <name>ConstructionDBWidget</name>
    <message>
        <source>Construction Types</source>
        <translation>Konstruktionstypen</translation>
    </message>
    <message>
        <source>Adds a new construction type.</source>
        <translation>Fügt einen neuen Konstruktionstyp hinzu.</translation>
    </message>
    <message>
        <source>Removes the currently selected construction type.</source>
        <translation>Entfernt den ausgewählten Konstruktionstyp.</translation>
    </message>
</context>
<context>
    <name>ConstructionEditWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Construction Definition</source>
        <translation>Konstruktionsdefinition</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Number of layers:</source>
        <translation>Anzahl der Schichten:</translation>
    </message>
    <message>
        <source>Outside/Other side</source>
        <translation>Außen/Andere Seite</translation>
    </message>
    <message>
        <source>Room side</source>
        <translation>Raumseite</translation>
    </message>
    <message>
        <source>U-Value (assuming standard heat transfer coefficients) [W/m&lt;sup&gt;2&lt;/sup&gt;K]:</source>
        <translation>U-Wert (mit Standard-Wärmeübergangskoeffizienten) [W/m&lt;sup&gt;2&lt;/sup&gt;K]:</translation>
    </message>
    <message>
        <source>Thermal storage mass [kg/m&lt;sup&gt;2&lt;/sup&gt;] / storage capacity [kJ/m&lt;sup&gt;2&lt;/sup&gt;]:</source>
        <translation>Thermische Speichermasse [kg/m&lt;sup&gt;2&lt;/sup&gt;] / Speicherkapazität [kJ/m&lt;sup&gt;2&lt;/sup&gt;]:</translation>
    </message>
    <message>
        <source>Export as Hygrell model...</source>
        <translation>Als Hygrell-Modell exportieren...</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Width [m]</source>
        <translation>Dicke [m]</translation>
    </message>
    <message>
        <source>rho [kg/m3]</source>
        <translation>rho [kg/m3]</translation>
    </message>
    <message>
        <source>cT [J/kgK]</source>
        <translation>cT [J/kgK]</translation>
    </message>
    <message>
        <source>lambda [W/mK]</source>
        <translation>lambda [W/mK]</translation>
    </message>
    <message>
        <source>Invalid number format, please enter a valid decimal number!</source>
        <translation>Ungültiges Zahlenformat, bitte eine gültige Dezimalzahl eingeben!</translation>
    </message>
    <message>
        <source>Layer widths must be larger than 1 mm. Ignore smaller layers, they will not affect the thermal storage mass!</source>
        <translation>Schichtdicken müssen größer als 1 mm sein. Dünnere Schichten weglassen, sie beeinflussen die thermische Speichermasse nicht!</translation>
    </message>
    <message>
        <source>&lt;select material&gt;</source>
        <translation>&lt;Material wählen&gt;</translation>
    </message>
    <message>
        <source>Select construction file</source>
        <translation>Konstruktionsdatei wählen</translation>
    </message>
    <message>
        <source>Export error</source>
        <translation>Exportfehler</translation>
    </message>
    <message>
        <source>Could not create subdirectories for export.</source>
        <translation>Unterverzeichnisse für den Export konnten nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Error during export, see logfile &apos;%1&apos; for details.</source>
        <translation>Fehler beim Export, Details in der Protokolldatei &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Files written before the error:</source>
        <translation>Vor dem Fehler geschriebene Dateien:</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Export abgeschlossen</translation>
    </message>
</context>
<context>
    <name>ConstructionSolver</name>
    <message>
        <source>Construction type with Id &apos;%1&apos; has no layers.</source>
        <translation>Konstruktionstyp mit Id &apos;%1&apos; hat keine Schichten.</translation>
    </message>
    <message>
        <source>Construction type with Id &apos;%1&apos; has %2 layer thicknesses but %3 layer materials.</source>
        <translation>Konstruktionstyp mit Id &apos;%1&apos; hat %2 Schichtdicken, aber %3 Schichtmaterialien.</translation>
    </message>
    <message>
        <source>Layer #%1 has a width of %2 m, but layer widths must be greater than 0.</source>
        <translation>Schicht #%1 hat eine Dicke von %2 m, Schichtdicken müssen aber größer als 0 sein.</translation>
    </message>
    <message>
        <source>Material with Id &apos;%1&apos; not defined.</source>
        <translation>Material mit Id &apos;%1&apos; ist nicht definiert.</translation>
    </message>
    <message>
        <source>Material &apos;%1&apos; not parametrized for moisture calculation.</source>
        <translation>Material &apos;%1&apos; ist nicht für die Feuchteberechnung parametriert.</translation>
    </message>
    <message>
        <source>Material &apos;%1&apos; needs a thermal conductivity, density and heat capacity above 0.</source>
        <translation>Material &apos;%1&apos; benötigt Wärmeleitfähigkeit, Rohdichte und Wärmekapazität größer als 0.</translation>
    </message>
    <message>
        <source>Material &apos;%1&apos; needs a vapour diffusion resistance factor above 0.</source>
        <translation>Material &apos;%1&apos; benötigt eine Wasserdampf-Diffusionswiderstandszahl größer als 0.</translation>
    </message>
</context>
<context>
    <name>DBItemUsers</name>
    <message>
        <source>Surface %1</source>
        <translation>Fläche %1</translation>
    </message>
</context>
<context>
    <name>DBPageBase</name>
    <message>
        <source>Item in use</source>
        <translation>Eintrag wird verwendet</translation>
    </message>
    <message>
        <source>This item cannot be removed, it is still used by:
%1</source>
        <translation>Dieser Eintrag kann nicht entfernt werden, er wird noch verwendet von:
%1</translation>
    </message>
</context>
<context>
    <name>DailyCycleInputWidget</name>
    <message>
        <source>%1:00</source>
        <translation>%1:00</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>%L1</source>
        <translation>%L1</translation>
    </message>
    <message>
        <source> 0:00</source>
        <translation> 0:00</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>No Construction</source>
        <translation>Keine Konstruktion</translation>
    </message>
    <message>
        <source>No Window</source>
        <translation>Kein Fenster</translation>
    </message>
    <message>
        <source>No Shading</source>
        <translation>Keine Verschattung</translation>
    </message>
</context>
<context>
    <name>ExportModelDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>Modelltyp</translation>
    </message>
    <message>
        <source>Zonavex simulation</source>
        <translation>Zonavex-Simulation</translation>
    </message>
    <message>
        <source>Modelica model (package)</source>
        <translation>Modelica-Modell (Paket)</translation>
    </message>
    <message>
        <source>Functional Mockup Unit (ModelExchange) Version 2.0</source>
        <translation>Functional Mockup Unit (ModelExchange) Version 2.0</translation>
    </message>
    <message>
        <source>Export Options</source>
        <translation>Exportoptionen</translation>
    </message>
    <message>
        <source>Model Name:</source>
        <translation>Modellname:</translation>
    </message>
    <message>
        <source>FMU Connector Definitions</source>
        <translation>FMU-Schnittstellen</translation>
    </message>
    <message>
        <source>Heat flow interface</source>
        <translation>Wärmestrom-Schnittstelle</translation>
    </message>
    <message>
        <source>Hygrothermal interface</source>
        <translation>Hygrothermische Schnittstelle</translation>
    </message>
    <message>
        <source>Liquid source import interface</source>
        <translation>Schnittstelle für Flüssigwasserquellen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Model export</source>
        <translation>Modellexport</translation>
    </message>
    <message>
        <source>Export error</source>
        <translation>Exportfehler</translation>
    </message>
    <message>
        <source>Please select a name for the exported model!</source>
        <translation>Bitte wählen Sie einen Namen für das exportierte Modell!</translation>
    </message>
    <message>
        <source>Select ZONAVEX project file</source>
        <translation>ZONAVEX-Projektdatei wählen</translation>
    </message>
    <message>
        <source>Could not create subdirectories for export.</source>
        <translation>Die Unterverzeichnisse für den Export konnten nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Missing climate data for location &apos;%1&apos;.</source>
        <translation>Fehlende Klimadaten für den Standort &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error during export, see logfile for details.</source>
        <translation>Fehler beim Export, Details in der Protokolldatei.</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>ZONAVEX project was exported successfully.</source>
        <translation>Das ZONAVEX-Projekt wurde erfolgreich exportiert.</translation>
    </message>
    <message>
        <source>Select export file name</source>
        <translation>Name der Exportdatei wählen</translation>
    </message>
    <message>
        <source>Could not create export directory &apos;%1&apos;.</source>
        <translation>Das Exportverzeichnis &apos;%1&apos; konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not remove existing fmu file &apos;%1&apos;.</source>
        <translation>Die vorhandene FMU-Datei &apos;%1&apos; konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Could not start solver executable &apos;%1&apos;.</source>
        <translation>Das Rechenprogramm &apos;%1&apos; konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>%1
See log file at
 %2
 for more information.

Command line was:
%3</source>
        <translation>%1
Näheres in der Protokolldatei
 %2

Kommandozeile:
%3</translation>
    </message>
    <message>
        <source>Export completed</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>Export of model &apos;%1&apos; completed.</source>
        <translation>Export des Modells &apos;%1&apos; abgeschlossen.</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Export of model &apos;%1&apos; failed.</source>
        <translation>Export des Modells &apos;%1&apos; fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Export of FMU &apos;%1&apos; completed.</source>
        <translation>Export der FMU &apos;%1&apos; abgeschlossen.</translation>
    </message>
    <message>
        <source>Export of FMU &apos;%1&apos; cannot completed.</source>
        <translation>Export der FMU &apos;%1&apos; konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open file for writing.</source>
        <translation>Die Datei konnte nicht zum Schreiben geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>Invalid sorption isotherm data for material for material name &apos;%1&apos;.</source>
        <translation>Ungültige Sorptionsisothermen-Daten für Material mit dem Namen &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <source>Coating</source>
        <translation>Beschichtungen</translation>
    </message>
    <message>
        <source>Plaster and mortar</source>
        <translation>Putze und Mörtel</translation>
    </message>
    <message>
        <source>Building brick</source>
        <translation>Mauerziegel</translation>
    </message>
    <message>
        <source>Natural stones</source>
        <translation>Natursteine</translation>
    </message>
    <message>
        <source>Concrete containing building materials</source>
        <translation>Betonhaltige Baustoffe</translation>
    </message>
    <message>
        <source>Insulation materials</source>
        <translation>Dämmstoffe</translation>
    </message>
    <message>
        <source>Building boards</source>
        <translation>Bauplatten</translation>
    </message>
    <message>
        <source>Timber</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Natural materials</source>
        <translation>Naturbaustoffe</translation>
    </message>
    <message>
        <source>Soil</source>
        <translation>Erdreich</translation>
    </message>
    <message>
        <source>Cladding panels and ceramic tiles</source>
        <translation>Bekleidungsplatten und Fliesen</translation>
    </message>
    <message>
        <source>Foils and waterproofing products</source>
        <translation>Folien und Abdichtungen</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>MaterialDBModel</name>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>rho [kg/m3]</source>
        <translation>rho [kg/m3]</translation>
    </message>
    <message>
        <source>cT [J/kgK]</source>
        <translation>cT [J/kgK]</translation>
    </message>
    <message>
        <source>lambda [W/mK]</source>
        <translation>lambda [W/mK]</translation>
    </message>
    <message>
        <source>mu [---]</source>
        <translation>mu [---]</translation>
    </message>
    <message>
        <source>w80 [kg/m3]</source>
        <translation>w80 [kg/m3]</translation>
    </message>
    <message>
        <source>wsat [kg/m3]</source>
        <translation>wsat [kg/m3]</translation>
    </message>
</context>
<context>
    <name>MaterialDBWidget</name>
    <message>
        <source>Materials</source>
        <translation>Materialien</translation>
    </message>
    <message>
        <source>Adds a new material.</source>
        <translation>Fügt ein neues Material hinzu.</translation>
    </message>
    <message>
        <source>Removes the currently selected material.</source>
        <translation>Entfernt das ausgewählte Material.</translation>
    </message>
</context>
<context>
    <name>MaterialEditWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Material properties</source>
        <translation>Materialeigenschaften</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Density [kg/m3]:</source>
        <translation>Rohdichte [kg/m3]:</translation>
    </message>
    <message>
        <source>Heat capacity [J/kgK]:</source>
        <translation>Wärmekapazität [J/kgK]:</translation>
    </message>
    <message>
        <source>Thermal Conductivity [W/mK]:</source>
        <translation>Wärmeleitfähigkeit [W/mK]:</translation>
    </message>
    <message>
        <source>PCM Latent Heat [kJ/kg]:</source>
        <translation>PCM Latente Wärme [kJ/kg]:</translation>
    </message>
    <message>
        <source>PCM Melting Point [C]:</source>
        <translation>PCM Schmelzpunkt [C]:</translation>
    </message>
    <message>
        <source>Mass density must be a value &gt; 1 and &lt; 100000 kg/m3.</source>
        <translation>Die Rohdichte muss ein Wert &gt; 1 und &lt; 100000 kg/m3 sein.</translation>
    </message>
    <message>
        <source>Specific heat capacity must be a value between 1 and 10000 J/kgK.</source>
        <translation>Die spezifische Wärmekapazität muss ein Wert zwischen 1 und 10000 J/kgK sein.</translation>
    </message>
    <message>
        <source>Thermal conductivity must be a value &gt; 1e-6 and &lt; 1000 W/mK.</source>
        <translation>Die Wärmeleitfähigkeit muss ein Wert &gt; 1e-6 und &lt; 1000 W/mK sein.</translation>
    </message>
    <message>
        <source>Latent heat of PCM must be a value &gt;= 0 and &lt; 350 kJ/kg.</source>
        <translation>Die latente Wärme des PCM muss ein Wert &gt;= 0 und &lt; 350 kJ/kg sein.</translation>
    </message>
    <message>
        <source>Melting point of PCM must be a value &gt;= 0 and &lt; 100 degree C.</source>
        <translation>Der Schmelzpunkt des PCM muss ein Wert &gt;= 0 und &lt; 100 Grad C sein.</translation>
    </message>
</context>
<context>
    <name>MoistureLoads</name>
    <message>
        <source>Office</source>
        <translation>Büro</translation>
    </message>
</context>
<context>
    <name>QtExt::AutoUpdateDialog</name>
    <message>
        <source>Download error</source>
        <translation>Fehler beim Herunterladen</translation>
    </message>
    <message>
        <source>Couldn&apos;t write update installer &apos;%1&apos;.</source>
        <translation>Das Aktualisierungsprogramm &apos;%1&apos; konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t download update installer.</source>
        <translation>Das Aktualisierungsprogramm konnte nicht heruntergeladen werden.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Herunterladen abgeschlossen</translation>
    </message>
    <message>
        <source>The software updater has downloaded the update installer. You must restart the program to apply the update!</source>
        <translation>Das Aktualisierungsprogramm wurde heruntergeladen. Starten Sie das Programm neu, um die Aktualisierung zu installieren!</translation>
    </message>
</context>
<context>
    <name>QtExt::AutoUpdater</name>
    <message>
        <source>Connection error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Could not retrieve update information.</source>
        <translation>Die Aktualisierungsinformationen konnten nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>Keine Aktualisierung verfügbar</translation>
    </message>
    <message>
        <source>There is currently no update available for this software and platform/OS.</source>
        <translation>Für diese Software und diese Plattform bzw. dieses Betriebssystem ist derzeit keine Aktualisierung verfügbar.</translation>
    </message>
</context>
<context>
    <name>QtExt::ConstructionGraphicsScene</name>
    <message>
        <source>Layer widths in [mm]</source>
        <translation>Schichtdicken in [mm]</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>außen</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>innen</translation>
    </message>
</context>
<context>
    <name>QtExt::ConstructionViewWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Assign material</source>
        <translation>Material zuweisen</translation>
    </message>
    <message>
        <source>Assign material to the selected layer</source>
        <translation>Der gewählten Schicht ein Material zuweisen</translation>
    </message>
    <message>
        <source>Insert layer left</source>
        <translation>Schicht links einfügen</translation>
    </message>
    <message>
        <source>Insert a new layer left from selected one</source>
        <translation>Eine neue Schicht links der gewählten einfügen</translation>
    </message>
    <message>
        <source>Insert layer right</source>
        <translation>Schicht rechts einfügen</translation>
    </message>
    <message>
        <source>Insert a new layer right from selected one</source>
        <translation>Eine neue Schicht rechts der gewählten einfügen</translation>
    </message>
    <message>
        <source>Remove layer</source>
        <translation>Schicht entfernen</translation>
    </message>
    <message>
        <source>Remove selected layer</source>
        <translation>Die gewählte Schicht entfernen</translation>
    </message>
    <message>
        <source>Move layer left</source>
        <translation>Schicht nach links</translation>
    </message>
    <message>
        <source>Move selected layer to left</source>
        <translation>Die gewählte Schicht nach links verschieben</translation>
    </message>
    <message>
        <source>Move layer right</source>
        <translation>Schicht nach rechts</translation>
    </message>
    <message>
        <source>Move selected layer to right</source>
        <translation>Die gewählte Schicht nach rechts verschieben</translation>
    </message>
</context>
<context>
    <name>QtExt::ReportFooterFrame</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>QtExt::RichTextEditWidget</name>
    <message>
        <source>Text editor</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Bullet List (Disc)</source>
        <translation>Aufzählung (Punkt)</translation>
    </message>
    <message>
        <source>Bullet List (Circle)</source>
        <translation>Aufzählung (Kreis)</translation>
    </message>
    <message>
        <source>Bullet List (Square)</source>
        <translation>Aufzählung (Quadrat)</translation>
    </message>
    <message>
        <source>Ordered List (Decimal)</source>
        <translation>Nummerierte Liste (Dezimal)</translation>
    </message>
    <message>
        <source>Ordered List (Alpha lower)</source>
        <translation>Nummerierte Liste (Kleinbuchstaben)</translation>
    </message>
    <message>
        <source>Ordered List (Alpha upper)</source>
        <translation>Nummerierte Liste (Großbuchstaben)</translation>
    </message>
    <message>
        <source>Ordered List (Roman lower)</source>
        <translation>Nummerierte Liste (römisch, klein)</translation>
    </message>
    <message>
        <source>Ordered List (Roman upper)</source>
        <translation>Nummerierte Liste (römisch, groß)</translation>
    </message>
    <message>
        <source>Font family</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font size in points</source>
        <translation>Schriftgröße in Punkt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>F&amp;arbe...</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>Align centered</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>&amp;Blocksatz</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo the last undone change</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>Die Auswahl in die Zwischenablage ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>Die Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Paste from the clipboard</source>
        <translation>Aus der Zwischenablage einfügen</translation>
    </message>
</context>
<context>
    <name>QtExt_AutoUpdateDialog</name>
    <message>
        <source>Software update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>A new software version is available</source>
        <translation>Eine neue Softwareversion ist verfügbar</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>Download update</source>
        <translation>Aktualisierung herunterladen</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Changes:</source>
        <translation>Änderungen:</translation>
    </message>
</context>
<context>
    <name>QwtDateTimeScaleDraw</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Woche %1</translation>
    </message>
    <message>
        <source>ddd MMM/dd</source>
        <translation>ddd dd.MM.</translation>
    </message>
</context>
<context>
    <name>RM::RoomConstruction</name>
    <message>
        <source>Missing or invalid construction type Id. Please select a valid construction type!</source>
        <translation>Fehlende oder ungültige Konstruktionstyp-Id. Bitte wählen Sie einen gültigen Konstruktionstyp!</translation>
    </message>
    <message>
        <source>Error in construction type definition. Open the database and check the construction input data!</source>
        <translation>Fehler in der Definition des Konstruktionstyps. Öffnen Sie die Datenbank und prüfen Sie die Eingabedaten der Konstruktion!</translation>
    </message>
    <message>
        <source>Unknown or undefined window type. Please select a different window for this construction!</source>
        <translation>Unbekannter oder nicht definierter Fenstertyp. Bitte wählen Sie ein anderes Fenster für diese Konstruktion!</translation>
    </message>
    <message>
        <source>Error in definition of the window used in this construction. Open the database and check the input data for this window type!</source>
        <translation>Fehler in der Definition des Fensters dieser Konstruktion. Öffnen Sie die Datenbank und prüfen Sie die Eingabedaten dieses Fenstertyps!</translation>
    </message>
    <message>
        <source>Unknown or undefined shading type. Please select a different shading type for this construction!</source>
        <translation>Unbekannter oder nicht definierter Verschattungstyp. Bitte wählen Sie einen anderen Verschattungstyp für diese Konstruktion!</translation>
    </message>
    <message>
        <source>Error in definition of the shading type used in this construction. Open the database and check the input data for this shading type!</source>
        <translation>Fehler in der Definition des Verschattungstyps dieser Konstruktion. Öffnen Sie die Datenbank und prüfen Sie die Eingabedaten dieses Verschattungstyps!</translation>
    </message>
    <message>
        <source>The total wall area cannot be negative.</source>
        <translation>Die gesamte Wandfläche darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>The window area cannot be negative.</source>
        <translation>Die Fensterfläche darf nicht negativ sein.</translation>
    </message>
</context>
<context>
    <name>RadiationPlot</name>
    <message>
        <source>Short Wave Radiation Loads</source>
        <translation>Kurzwellige Strahlungslasten</translation>
    </message>
    <message>
        <source>Solar radiation [W/m&lt;sup&gt;2&lt;/sup&gt;]</source>
        <translation>Solarstrahlung [W/m&lt;sup&gt;2&lt;/sup&gt;]</translation>
    </message>
    <message>
        <source>W/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>W/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Direct Normal Irradiance</source>
        <translation>Direktstrahlung (normal)</translation>
    </message>
    <message>
        <source>Diffuse Horizontal Irradiance</source>
        <translation>Diffusstrahlung (horizontal)</translation>
    </message>
    <message>
        <source>Missing solar radiation climate data.</source>
        <translation>Fehlende Solarstrahlungs-Klimadaten.</translation>
    </message>
</context>
<context>
    <name>ReportFrameClimate</name>
    <message>
        <source>Climate</source>
        <translation>Klima</translation>
    </message>
</context>
<context>
    <name>ReportFrameConstruction</name>
    <message>
        <source>Constructions</source>
        <translation>Konstruktionen</translation>
    </message>
    <message>
        <source>Unknown construction</source>
        <translation>Unbekannte Konstruktion</translation>
    </message>
    <message>
        <source>%1 [%2]</source>
        <translation>%1 [%2]</translation>
    </message>
</context>
<context>
    <name>ReportFrameExteriorComponents</name>
    <message>
        <source>Exterior components</source>
        <translation>Außenbauteile</translation>
    </message>
</context>
<context>
    <name>ReportFrameFixedTemperatureComponents</name>
    <message>
        <source>Fixed-temperature components</source>
        <translation>Bauteile an Zonen fester Temperatur</translation>
    </message>
</context>
<context>
    <name>ReportFrameInnerLoadsHeating</name>
    <message>
        <source>Inner loads and heating</source>
        <translation>Innere Lasten und Heizung</translation>
    </message>
</context>
<context>
    <name>ReportFrameInteriorComponents</name>
    <message>
        <source>Interior components</source>
        <translation>Innenbauteile</translation>
    </message>
</context>
<context>
    <name>ReportFrameMiscellaneous</name>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>ReportFrameProgramDescription</name>
    <message>
        <source>Program description</source>
        <translation>Programmbeschreibung</translation>
    </message>
</context>
<context>
    <name>ReportFrameProjectInfo</name>
    <message>
        <source>Project information</source>
        <translation>Projektinformationen</translation>
    </message>
</context>
<context>
    <name>ReportFrameProjectRemarks</name>
    <message>
        <source>Project remarks</source>
        <translation>Projektbemerkungen</translation>
    </message>
</context>
<context>
    <name>ReportFrameResultsOverTemperature</name>
    <message>
        <source>Results: hours of over-temperature</source>
        <translation>Ergebnisse: Übertemperaturstunden</translation>
    </message>
</context>
<context>
    <name>ReportFrameRoomData</name>
    <message>
        <source>Room data</source>
        <translation>Raumdaten</translation>
    </message>
</context>
<context>
    <name>ReportFrameShading</name>
    <message>
        <source>Shading</source>
        <translation>Verschattung</translation>
    </message>
</context>
<context>
    <name>ReportFrameTemperaturePlot</name>
    <message>
        <source>Room air temperature</source>
        <translation>Raumlufttemperatur</translation>
    </message>
</context>
<context>
    <name>ReportFrameVentilation</name>
    <message>
        <source>Ventilation</source>
        <translation>Lüftung</translation>
    </message>
</context>
<context>
    <name>ReportFrameWindows</name>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report preview</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>Room data</source>
        <translation>Raumdaten</translation>
    </message>
    <message>
        <source>Climate</source>
        <translation>Klima</translation>
    </message>
    <message>
        <source>Components and windows</source>
        <translation>Bauteile und Fenster</translation>
    </message>
    <message>
        <source>Constructions</source>
        <translation>Konstruktionen</translation>
    </message>
    <message>
        <source>Ventilation</source>
        <translation>Lüftung</translation>
    </message>
    <message>
        <source>Inner loads and heating</source>
        <translation>Innere Lasten und Heizung</translation>
    </message>
    <message>
        <source>Shading</source>
        <translation>Verschattung</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Results: hours of over-temperature</source>
        <translation>Ergebnisse: Übertemperaturstunden</translation>
    </message>
    <message>
        <source>Room air temperature</source>
        <translation>Raumlufttemperatur</translation>
    </message>
    <message>
        <source>Project remarks</source>
        <translation>Projektbemerkungen</translation>
    </message>
    <message>
        <source>Program description</source>
        <translation>Programmbeschreibung</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Font size:</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Custom zoom</source>
        <translation>Eigener Zoom</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Page numbers</source>
        <translation>Seitenzahlen</translation>
    </message>
    <message>
        <source>Over-temperature hours of case P2</source>
        <translation>Übertemperaturstunden des Falls P2</translation>
    </message>
    <message>
        <source>Over-temperature hours of case P4</source>
        <translation>Übertemperaturstunden des Falls P4</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Seite einrichten...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Write PDF...</source>
        <translation>PDF schreiben...</translation>
    </message>
    <message>
        <source>Export page...</source>
        <translation>Seite exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Error while printing report.
%1!</source>
        <translation>Fehler beim Drucken des Berichts.
%1!</translation>
    </message>
    <message>
        <source>PDF export</source>
        <translation>PDF-Export</translation>
    </message>
    <message>
        <source>Cannot write PDF file &apos;%1&apos;. See the log file &apos;%2&apos; for details.</source>
        <translation>PDF-Datei &apos;%1&apos; kann nicht geschrieben werden. Details stehen in der Protokolldatei &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Datei exportieren</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; exists. Replace it?</source>
        <translation>Datei &apos;%1&apos; existiert bereits. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>ResultsWidget</name>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturen</translation>
    </message>
    <message>
        <source>EN 15251</source>
        <translation>EN 15251</translation>
    </message>
    <message>
        <source>Radiation Loads</source>
        <translation>Strahlungslasten</translation>
    </message>
    <message>
        <source>Hourly Thermal Loads</source>
        <translation>Wärmelasten stündlich</translation>
    </message>
    <message>
        <source>Hourly Moisture Loads</source>
        <translation>Feuchtelasten stündlich</translation>
    </message>
    <message>
        <source>Monthly Thermal Load</source>
        <translation>Wärmelast monatlich</translation>
    </message>
    <message>
        <source>Annual Results</source>
        <translation>Jahresergebnisse</translation>
    </message>
</context>
<context>
    <name>RoomModelDialog</name>
    <message>
        <source>Geometry and Climate</source>
        <translation>Geometrie und Klima</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heizung</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Kühlung</translation>
    </message>
    <message>
        <source>Mechanical Ventilation</source>
        <translation>Mechanische Lüftung</translation>
    </message>
    <message>
        <source>Infiltration</source>
        <translation>Infiltration</translation>
    </message>
    <message>
        <source>Internal gains (equipment)</source>
        <translation>Innere Lasten (Geräte)</translation>
    </message>
    <message>
        <source>Internal gains (occupancy)</source>
        <translation>Innere Lasten (Personen)</translation>
    </message>
    <message>
        <source>Shading Control</source>
        <translation>Verschattungssteuerung</translation>
    </message>
    <message>
        <source>Moisture Loads</source>
        <translation>Feuchtelasten</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Export model...</source>
        <translation>Modell exportieren...</translation>
    </message>
    <message>
        <source>%1 - The Thermal Room Model - Version %2</source>
        <translation>%1 - Das thermische Raummodell - Version %2</translation>
    </message>
    <message>
        <source>%1 - The Thermal Room Model - Version %2 - %3</source>
        <translation>%1 - Das thermische Raummodell - Version %2 - %3</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>Couldn&apos;t open file &apos;%1&apos; for reading.</source>
        <translation>Die Datei &apos;%1&apos; konnte nicht zum Lesen geöffnet werden.</translation>
    </message>
    <message>
        <source>Error reading file, see logfile for details. Error message:
%1</source>
        <translation>Fehler beim Lesen der Datei, Details in der Protokolldatei. Fehlermeldung:
%1</translation>
    </message>
    <message>
        <source>Error reading file, see logfile for details.</source>
        <translation>Fehler beim Lesen der Datei, Details in der Protokolldatei.</translation>
    </message>
    <message>
        <source>Error saving user database</source>
        <translation>Fehler beim Speichern der Benutzerdatenbank</translation>
    </message>
    <message>
        <source>Couldn&apos;t save database to directory: %1</source>
        <translation>Die Datenbank konnte nicht im Verzeichnis gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Room model projects (*.rmxml);;All files(*.*)</source>
        <translation>Raummodell-Projekte (*.rmxml);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>Save Project File</source>
        <translation>Projektdatei speichern</translation>
    </message>
    <message>
        <source>Would you like to save the project file?</source>
        <translation>Möchten Sie die Projektdatei speichern?</translation>
    </message>
    <message>
        <source>Select Room-Model Project File</source>
        <translation>Raummodell-Projektdatei wählen</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Couldn&apos;t open file for writing.</source>
        <translation>Die Datei konnte nicht zum Schreiben geöffnet werden.</translation>
    </message>
    <message>
        <source>Room-Model</source>
        <translation>Raummodell</translation>
    </message>
    <message>
        <source>Wrote project file &apos;%1&apos;.</source>
        <translation>Projektdatei &apos;%1&apos; geschrieben.</translation>
    </message>
    <message>
        <source>Open Room-Model Project</source>
        <translation>Raummodell-Projekt öffnen</translation>
    </message>
    <message>
        <source>Project not yet saved</source>
        <translation>Projekt noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Please save the project at least once before running the simulation (otherwise the output directory is undefined)!</source>
        <translation>Bitte speichern Sie das Projekt mindestens einmal, bevor Sie die Simulation starten (sonst ist das Ausgabeverzeichnis nicht festgelegt)!</translation>
    </message>
    <message>
        <source>Solver error</source>
        <translation>Löserfehler</translation>
    </message>
    <message>
        <source>Error during solver initialization, see error log file &apos;%1&apos;.</source>
        <translation>Fehler bei der Initialisierung des Lösers, siehe Fehlerprotokoll &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error while running solver, see error log file &apos;%1&apos;.</source>
        <translation>Fehler während der Berechnung, siehe Fehlerprotokoll &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Calculation error at %L1 d, see logfile &apos;%2&apos; for details</source>
        <translation>Berechnungsfehler bei %L1 d, Einzelheiten im Protokoll &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Storing calculation results in &apos;%1&apos;</source>
        <translation>Berechnungsergebnisse werden in &apos;%1&apos; gespeichert</translation>
    </message>
    <message>
        <source>Saving outputs</source>
        <translation>Ausgaben speichern</translation>
    </message>
    <message>
        <source>Select target directory</source>
        <translation>Zielverzeichnis wählen</translation>
    </message>
    <message>
        <source>Result files could not be written to &apos;%1&apos;.</source>
        <translation>Die Ergebnisdateien konnten nicht nach &apos;%1&apos; geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>RunDialog</name>
    <message>
        <source>Start Simulation</source>
        <translation>Simulation starten</translation>
    </message>
    <message>
        <source>1-Year simulation (for thermal comfort in summer)</source>
        <translation>1-Jahres-Simulation (für den sommerlichen Wärmeschutz)</translation>
    </message>
    <message>
        <source>2-Year simulation (energy consumption)</source>
        <translation>2-Jahres-Simulation (Energieverbrauch)</translation>
    </message>
    <message>
        <source>Automatically write results to file after simulation</source>
        <translation>Ergebnisse nach der Simulation automatisch in Dateien schreiben</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Simulation starten</translation>
    </message>
</context>
<context>
    <name>SCI::ChartFormatSelectionDialog</name>
    <message>
        <source>Export formats</source>
        <translation>Exportformate</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Alle Formate</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>BMP image</source>
        <translation>BMP-Bild</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>Data as text (tab separated)</source>
        <translation>Daten als Text (tabulatorgetrennt)</translation>
    </message>
    <message>
        <source>Data as CSV</source>
        <translation>Daten als CSV</translation>
    </message>
</context>
<context>
    <name>SCI::ChartProperties</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>ScheduleInputWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Constant value:</source>
        <translation>Konstanter Wert:</translation>
    </message>
    <message>
        <source>Winter schedule</source>
        <translation>Winterprofil</translation>
    </message>
    <message>
        <source>Begins at day:</source>
        <translation>Beginnt am Tag:</translation>
    </message>
    <message>
        <source>Summer schedule</source>
        <translation>Sommerprofil</translation>
    </message>
    <message>
        <source>Maximum value</source>
        <translation>Maximalwert</translation>
    </message>
    <message>
        <source>Weekday schedule</source>
        <translation>Profil der Werktage</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Weekend schedule</source>
        <translation>Profil des Wochenendes</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstant</translation>
    </message>
    <message>
        <source>Daily cycle (Winter/Summer)</source>
        <translation>Tagesgang (Winter/Sommer)</translation>
    </message>
    <message>
        <source>Daily cycle (Weekday/Weekend)</source>
        <translation>Tagesgang (Werktag/Wochenende)</translation>
    </message>
    <message>
        <source>Annual hourly schedule</source>
        <translation>Stundenwerte des Jahres</translation>
    </message>
    <message>
        <source>Copy the schedule into the clipboard, then press the matching import button!</source>
        <translation>Kopieren Sie das Profil in die Zwischenablage und drücken Sie dann die passende Schaltfläche zum Einfügen!</translation>
    </message>
    <message>
        <source>Paste (day,value)</source>
        <translation>Einfügen (Tag,Wert)</translation>
    </message>
    <message>
        <source>Expects a table with two columns, where columns are separated by whitespace characters. First column holds time points in days since midnight January 1st, second column holds corresponding values. Time points must be strictly monotonic increasing and should only reference each hour once.</source>
        <translation>Erwartet eine Tabelle mit zwei durch Leerraum getrennten Spalten. Die erste Spalte enthält Zeitpunkte in Tagen seit Mitternacht des 1. Januar, die zweite die zugehörigen Werte. Die Zeitpunkte müssen streng monoton steigen und sollten jede Stunde nur einmal ansprechen.</translation>
    </message>
    <message>
        <source>Paste (hour,value)</source>
        <translation>Einfügen (Stunde,Wert)</translation>
    </message>
    <message>
        <source>Expects a table with two columns, where columns are separated by whitespace characters. First column holds time points in hours since midnight January 1st, second column holds corresponding values. Time points must be strictly monotonic increasing and should only reference each hour once.</source>
        <translation>Erwartet eine Tabelle mit zwei durch Leerraum getrennten Spalten. Die erste Spalte enthält Zeitpunkte in Stunden seit Mitternacht des 1. Januar, die zweite die zugehörigen Werte. Die Zeitpunkte müssen streng monoton steigen und sollten jede Stunde nur einmal ansprechen.</translation>
    </message>
    <message>
        <source>Paste (hourly values)</source>
        <translation>Einfügen (Stundenwerte)</translation>
    </message>
    <message>
        <source>Expects 8760 hourly values, separated by whitespace/endline characters.</source>
        <translation>Erwartet 8760 Stundenwerte, getrennt durch Leerzeichen oder Zeilenumbrüche.</translation>
    </message>
    <message>
        <source>Schedule Plot</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Zeit</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>MMM dd</source>
        <translation>dd. MMM</translation>
    </message>
    <message>
        <source>Tabulated Values</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>This schedule interpolates a time series, which cannot be edited here. Choose another type to replace it.</source>
        <translation>Dieses Profil interpoliert eine Zeitreihe, die hier nicht bearbeitet werden kann. Wählen Sie einen anderen Typ, um sie zu ersetzen.</translation>
    </message>
    <message>
        <source>Maximum value allowed for input.</source>
        <translation>Größter zulässiger Eingabewert.</translation>
    </message>
    <message>
        <source>Maximum value in %1</source>
        <translation>Maximalwert in %1</translation>
    </message>
    <message>
        <source>Interpolated time series</source>
        <translation>Interpolierte Zeitreihe</translation>
    </message>
    <message>
        <source>MMMM dd</source>
        <translation>dd. MMMM</translation>
    </message>
    <message>
        <source>Invalid format, expected table with two columns of numbers, separated by white-space character(s).</source>
        <translation>Ungültiges Format, erwartet wird eine Tabelle mit zwei Spalten von Zahlen, getrennt durch Leerraum.</translation>
    </message>
    <message>
        <source>Cannot paste schedule data</source>
        <translation>Profildaten können nicht eingefügt werden</translation>
    </message>
    <message>
        <source>No data on clipboard</source>
        <translation>Keine Daten in der Zwischenablage</translation>
    </message>
    <message>
        <source>Invalid format, expected 8760 hourly values.</source>
        <translation>Ungültiges Format, erwartet werden 8760 Stundenwerte.</translation>
    </message>
</context>
<context>
    <name>SchedulePlot</name>
    <message>
        <source>Time [d]</source>
        <translation>Zeit [d]</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>%1 [%2]</source>
        <translation>%1 [%2]</translation>
    </message>
</context>
<context>
    <name>ShadingDBModel</name>
    <message>
        <source>Percentage of solar radiation that still passes through the window (0-fully shaded, ..., 1-no shading).</source>
        <translation>Anteil der Sonnenstrahlung, der noch durch das Fenster gelangt (0 - voll verschattet, ..., 1 - keine Verschattung).</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Shading factor [-]</source>
        <translation>Abminderungsfaktor [-]</translation>
    </message>
    <message>
        <source>en:&lt;new shading type&gt;</source>
        <translation>en:&lt;new shading type&gt;|de:&lt;neuer Verschattungstyp&gt;</translation>
    </message>
</context>
<context>
    <name>ShadingDBWidget</name>
    <message>
        <source>Shading Types</source>
        <translation>Verschattungstypen</translation>
    </message>
    <message>
        <source>Adds a new shading type.</source>
        <translation>Fügt einen neuen Verschattungstyp hinzu.</translation>
    </message>
    <message>
        <source>Removes the currently selected shading type.</source>
        <translation>Entfernt den ausgewählten Verschattungstyp.</translation>
    </message>
</context>
<context>
    <name>ShadingEditWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Shading Type</source>
        <translation>Verschattungstyp</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Shading factor [0..1; 0 - fully shaded, 1 - no shading]:</source>
        <translation>Abminderungsfaktor [0..1; 0 - voll verschattet, 1 - keine Verschattung]:</translation>
    </message>
    <message>
        <source>Shading factor must be a percentage, a value between 0 and 1.</source>
        <translation>Der Abminderungsfaktor ist ein Anteil, ein Wert zwischen 0 und 1.</translation>
    </message>
</context>
<context>
    <name>TemperaturePlot</name>
    <message>
        <source>Climate Data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Temperature [C]</source>
        <translation>Temperatur [C]</translation>
    </message>
    <message>
        <source>Relative humidity [%]</source>
        <translation>Relative Feuchte [%]</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>Außenlufttemperatur</translation>
    </message>
    <message>
        <source>Operative Temperature</source>
        <translation>Operative Temperatur</translation>
    </message>
    <message>
        <source>Room Air Temperature</source>
        <translation>Raumlufttemperatur</translation>
    </message>
    <message>
        <source>Ambient Relative Humidity</source>
        <translation>Relative Außenluftfeuchte</translation>
    </message>
    <message>
        <source>Room Air Humidity</source>
        <translation>Raumluftfeuchte</translation>
    </message>
    <message>
        <source>Missing temperature climate data.</source>
        <translation>Fehlende Temperatur-Klimadaten.</translation>
    </message>
</context>
<context>
    <name>TimePlotPicker</name>
    <message>
        <source>ddd, dd. MMM hh:mm:ss</source>
        <comment>Date/time format.</comment>
        <translation>ddd, dd. MMM hh:mm:ss</translation>
    </message>
</context>
<context>
    <name>UserLoads</name>
    <message>
        <source>Office</source>
        <translation>Büro</translation>
    </message>
</context>
<context>
    <name>WindowDBModel</name>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Uw [W/m²K]</source>
        <translation>Uw [W/m²K]</translation>
    </message>
    <message>
        <source>g [-]</source>
        <translation>g [-]</translation>
    </message>
    <message>
        <source>f [-]</source>
        <translation>f [-]</translation>
    </message>
</context>
<context>
    <name>WindowDBWidget</name>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Adds a new window type.</source>
        <translation>Fügt einen neuen Fenstertyp hinzu.</translation>
    </message>
    <message>
        <source>Removes the currently selected window type.</source>
        <translation>Entfernt den ausgewählten Fenstertyp.</translation>
    </message>
</context>
<context>
    <name>WindowEditWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Window type</source>
        <translation>Fenstertyp</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Window U-Factor [W/m2K]:</source>
        <translation>U-Wert des Fensters [W/m2K]:</translation>
    </message>
    <message>
        <source>Solar Heat Gain Coefficient (glass-only) [0..1]:</source>
        <translation>Gesamtenergiedurchlassgrad (nur Glas) [0..1]:</translation>
    </message>
    <message>
        <source>Glass fraction [0..1; 1 - all glass, no frame]:</source>
        <translation>Glasanteil [0..1; 1 - nur Glas, kein Rahmen]:</translation>
    </message>
    <message>
        <source>Angle-dependent solar heat gain coefficient:</source>
        <translation>Winkelabhängiger Gesamtenergiedurchlassgrad:</translation>
    </message>
    <message>
        <source>Data Points:</source>
        <translation>Stützstellen:</translation>
    </message>
    <message>
        <source>Define angle-dependent solar heat gain coefficient (SHGC) as relative value in table (0..1). The plot shows that absolute value (relative value multiplied with maximum SHGC).</source>
        <translation>Winkelabhängigen Gesamtenergiedurchlassgrad (g-Wert) als relativen Wert in der Tabelle angeben (0..1). Das Diagramm zeigt den absoluten Wert (relativer Wert mal maximaler g-Wert).</translation>
    </message>
    <message>
        <source>U-value must be a positive number.</source>
        <translation>Der U-Wert muss eine positive Zahl sein.</translation>
    </message>
    <message>
        <source>Transmissibility must be a percentage, a value between 0 and 1.</source>
        <translation>Der Durchlassgrad muss ein Anteil zwischen 0 und 1 sein.</translation>
    </message>
    <message>
        <source>Frame factor must be a percentage, a value between 0 and 1.</source>
        <translation>Der Rahmenanteil muss ein Anteil zwischen 0 und 1 sein.</translation>
    </message>
    <message>
        <source>Incident Angle [Deg]</source>
        <translation>Einfallswinkel [Grad]</translation>
    </message>
    <message>
        <source>SHGC [-]</source>
        <translation>g-Wert [-]</translation>
    </message>
    <message>
        <source>[deg]</source>
        <translation>[Grad]</translation>
    </message>
    <message>
        <source>[-]</source>
        <translation>[-]</translation>
    </message>
</context>
<context>
    <name>WindowType</name>
    <message>
        <source>Error reading LinearSpline data from WindowType parameter with id=&apos;%1&apos;.</source>
        <translation>Fehler beim Lesen der LinearSpline-Daten des Fenstertyp-Parameters mit id=&apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error reading LinearSpline data from WindowType parameter with id=&apos;%1&apos;, unknown function &apos;%2&apos;.</source>
        <translation>Fehler beim Lesen der LinearSpline-Daten des Fenstertyp-Parameters mit id=&apos;%1&apos;, unbekannte Funktion &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Invalid x-value unit for LinearSpline of RelativeSHGC parameter.</source>
        <translation>Ungültige Einheit der x-Werte der LinearSpline des Parameters RelativeSHGC.</translation>
    </message>
    <message>
        <source>Invalid y-value unit for LinearSpline of RelativeSHGC parameter.</source>
        <translation>Ungültige Einheit der y-Werte der LinearSpline des Parameters RelativeSHGC.</translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation>Ungültiger Wert für Attribut &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Invalid value for element &apos;%1&apos;, must be a finite number.</source>
        <translation>Ungültiger Wert für Element &apos;%1&apos;, es muss eine endliche Zahl sein.</translation>
    </message>
    <message>
        <source>Invalid value for element &apos;%1&apos;, must be a whole number.</source>
        <translation>Ungültiger Wert für Element &apos;%1&apos;, es muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>Invalid value in &apos;%1&apos;, all values must be finite numbers.</source>
        <translation>Ungültiger Wert in &apos;%1&apos;, alle Werte müssen endliche Zahlen sein.</translation>
    </message>
</context>
<context>
    <name>[main]</name>
    <message>
        <source>Error creating log file &apos;%1&apos;.</source>
        <translation>Fehler beim Anlegen der Protokolldatei &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akzeptieren</translation>
    </message>
</context>
</TS>
