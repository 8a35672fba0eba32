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
    <name>CalculationInputWidget</name>
    <message>
        <source>Room Dimensions and Thermal Storage Properties</source>
        <translation>Raumabmessungen und thermische Speichereigenschaften</translation>
    </message>
    <message>
        <source>Internal net area [m&lt;sup&gt;2&lt;/sup&gt;]:</source>
        <translation>Netto-Grundfläche innen [m&lt;sup&gt;2&lt;/sup&gt;]:</translation>
    </message>
    <message>
        <source>Internal net height [m]:</source>
        <translation>Lichte Raumhöhe [m]:</translation>
    </message>
    <message>
        <source>Volume [m&lt;sup&gt;3&lt;/sup&gt;]:</source>
        <translation>Volumen [m&lt;sup&gt;3&lt;/sup&gt;]:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Additional thermal storage mass [kg]:</source>
        <translation>Zusätzliche thermische Speichermasse [kg]:</translation>
    </message>
    <message>
        <source>Specific heat capacity [J/kgK]:</source>
        <translation>Spezifische Wärmekapazität [J/kgK]:</translation>
    </message>
    <message>
        <source>Location and Climate</source>
        <translation>Standort und Klima</translation>
    </message>
    <message>
        <source>Show/hides the advanced climate data options.</source>
        <translation>Zeigt/verbirgt die erweiterten Klimadaten-Optionen.</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>DIN 4108-2</source>
        <translation>DIN 4108-2</translation>
    </message>
    <message>
        <source>Albedo (for calculation of diffuse radiation)  [0..1]:</source>
        <translation>Albedo (für diffuse Strahlung)  [0..1]:</translation>
    </message>
    <message>
        <source>Area must be a valid size in [m&lt;sup&gt;2&lt;/sup&gt;] (higher than 0.001 mm&lt;sup&gt;2&lt;/sup&gt;).</source>
        <translation>Die Fläche muss eine gültige Größe in [m&lt;sup&gt;2&lt;/sup&gt;] sein (größer als 0,001 mm&lt;sup&gt;2&lt;/sup&gt;).</translation>
    </message>
    <message>
        <source>Height must be a valid size in [m] (between 0.001 mm and 1000 m).</source>
        <translation>Die Höhe muss eine gültige Größe in [m] sein (zwischen 0,001 mm und 1000 m).</translation>
    </message>
    <message>
        <source>Thermal storage mass must be a value between 0 and 1000000 kg (1000 tons).</source>
        <translation>Die thermische Speichermasse muss ein Wert zwischen 0 und 1000000 kg (1000 Tonnen) sein.</translation>
    </message>
    <message>
        <source>Thermal storage capacity must be a value between 0 and 1000 kJ/kgK.</source>
        <translation>Die spezifische Wärmekapazität muss ein Wert zwischen 0 und 1000 kJ/kgK sein.</translation>
    </message>
    <message>
        <source>Albedo must be a number between 0 and 1 (0 and 100 %%).</source>
        <translation>Die Albedo muss eine Zahl zwischen 0 und 1 (0 und 100 %%) sein.</translation>
    </message>
    <message>
        <source>Error loading climatic data</source>
        <translation>Fehler beim Laden der Klimadaten</translation>
    </message>
    <message>
        <source>Could not load climatic data in directory &apos;%1&apos;, see error log &apos;%2&apos; for details!</source>
        <translation>Die Klimadaten &apos;%1&apos; konnten nicht geladen werden, Einzelheiten stehen im Fehlerprotokoll &apos;%2&apos;!</translation>
    </message>
    <message>
        <source>City/Country</source>
        <translation>Ort/Land</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>On reading, the radiation of 1 hour lay outside what the sun delivers and was repaired (the program log names the hour).</source>
        <translation>Beim Einlesen lag die Strahlung von 1 Stunde außerhalb dessen, was die Sonne liefern kann, und wurde korrigiert (das Programmprotokoll nennt die Stunde).</translation>
    </message>
    <message>
        <source>On reading, the radiation of %1 hours lay outside what the sun delivers and was repaired (the program log names the hours).</source>
        <translation>Beim Einlesen lag die Strahlung von %1 Stunden außerhalb dessen, was die Sonne liefern kann, und wurde korrigiert (das Programmprotokoll nennt die Stunden).</translation>
    </message>
</context>
<context>
    <name>CaldoryneApplication</name>
    <message>
        <source>Program error</source>
        <translation>Programmfehler</translation>
    </message>
    <message>
        <source>An action ended with an unexpected error:
%1

The project is still open; saving it under a new name keeps the last version unchanged.</source>
        <translation>Eine Aktion endete mit einem unerwarteten Fehler:
%1

Das Projekt ist weiterhin geöffnet; unter einem neuen Namen gespeichert bleibt die letzte Fassung unverändert.</translation>
    </message>
</context>
<context>
    <name>ChartDemoModels</name>
    <message>
        <source>Synthetic year</source>
        <translation>Synthetisches Jahr</translation>
    </message>
    <message>
        <source>Outside air</source>
        <translation>Außenluft</translation>
    </message>
    <message>
        <source>Heating load</source>
        <translation>Heizlast</translation>
    </message>
    <message>
        <source>Temperature [$unit]</source>
        <translation>Temperatur [$unit]</translation>
    </message>
    <message>
        <source>Heating load [$unit]</source>
        <translation>Heizlast [$unit]</translation>
    </message>
    <message>
        <source>Temperature profile</source>
        <translation>Temperaturverlauf</translation>
    </message>
    <message>
        <source>Layer boundaries</source>
        <translation>Schichtgrenzen</translation>
    </message>
    <message>
        <source>Thermal resistance from inside</source>
        <translation>Wärmedurchlasswiderstand von innen</translation>
    </message>
    <message>
        <source>Resistance [$unit]</source>
        <translation>Widerstand [$unit]</translation>
    </message>
    <message>
        <source>Position [$unit]</source>
        <translation>Position [$unit]</translation>
    </message>
    <message>
        <source>Monthly energy</source>
        <translation>Monatliche Energie</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
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
        <source>Energy [$unit]</source>
        <translation>Energie [$unit]</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Temperatures in a wall corner</source>
        <translation>Temperaturen in einer Wandecke</translation>
    </message>
    <message>
        <source>Distance from the corner [$unit]</source>
        <translation>Abstand von der Ecke [$unit]</translation>
    </message>
    <message>
        <source>Height [$unit]</source>
        <translation>Höhe [$unit]</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Wände</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Stütze</translation>
    </message>
    <message>
        <source>Floor plan</source>
        <translation>Grundriss</translation>
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
    <message>
        <source>Layer %1: material %2 does not exist.</source>
        <translation>Schicht %1: Material %2 existiert nicht.</translation>
    </message>
    <message>
        <source>Layer %1: material &apos;%2&apos; is invalid.</source>
        <translation>Schicht %1: Material &apos;%2&apos; ist ungültig.</translation>
    </message>
    <message>
        <source>Layer %1: the width must be above 0 m.</source>
        <translation>Schicht %1: die Dicke muss größer als 0 m sein.</translation>
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
    <message>
        <source>Created construction file &apos;%1&apos; and the following material files:</source>
        <translation>Konstruktionsdatei &apos;%1&apos; und die folgenden Materialdateien wurden erstellt:</translation>
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
    <message>
        <source>User materials carry no moisture data (sorption isotherm); switch the moisture balance off or use a built-in material.</source>
        <translation>Benutzermaterialien haben keine Feuchtedaten (Sorptionsisotherme); schalten Sie die Feuchtebilanz ab oder verwenden Sie ein mitgeliefertes Material.</translation>
    </message>
</context>
<context>
    <name>ConstructionTableDelegate</name>
    <message>
        <source>Enter an angle from %L1 to %L2 degrees.</source>
        <translation>Geben Sie einen Winkel von %L1 bis %L2 Grad ein.</translation>
    </message>
</context>
<context>
    <name>ConstructionTableModel</name>
    <message>
        <source> 0 - Horizontal</source>
        <translation> 0 - Horizontal</translation>
    </message>
    <message>
        <source>45 - Tilted</source>
        <translation>45 - Geneigt</translation>
    </message>
    <message>
        <source>90 - Vertical</source>
        <translation>90 - Senkrecht</translation>
    </message>
    <message>
        <source>Outside construction</source>
        <translation>Außenbauteil</translation>
    </message>
    <message>
        <source>Inside construction</source>
        <translation>Innenbauteil</translation>
    </message>
    <message>
        <source>Construction to fixed-temperature zone</source>
        <translation>Bauteil zu Zone fester Temperatur</translation>
    </message>
    <message>
        <source>%L1 - North</source>
        <translation>%L1 - Nord</translation>
    </message>
    <message>
        <source>%L1 - North-East</source>
        <translation>%L1 - Nordost</translation>
    </message>
    <message>
        <source>%L1 - East</source>
        <translation>%L1 - Ost</translation>
    </message>
    <message>
        <source>%L1 - South-East</source>
        <translation>%L1 - Südost</translation>
    </message>
    <message>
        <source>%L1 - South</source>
        <translation>%L1 - Süd</translation>
    </message>
    <message>
        <source>%L1 - South-West</source>
        <translation>%L1 - Südwest</translation>
    </message>
    <message>
        <source>%L1 - West</source>
        <translation>%L1 - West</translation>
    </message>
    <message>
        <source>%L1 - North-West</source>
        <translation>%L1 - Nordwest</translation>
    </message>
    <message>
        <source>&lt;unknown window type&gt;</source>
        <translation>&lt;unbekannter Fenstertyp&gt;</translation>
    </message>
    <message>
        <source>&lt;unknown shading type&gt;</source>
        <translation>&lt;unbekannter Verschattungstyp&gt;</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Konstruktion</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;The construction type to be used. If the construction type is not selected the wall/roof is not considered in the simulation and all other construction inputs are disabled.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Der zu verwendende Konstruktionstyp. Ist kein Konstruktionstyp gewählt, wird die Wand/das Dach in der Simulation nicht berücksichtigt und alle weiteren Eingaben zur Konstruktion sind gesperrt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Construction type</source>
        <translation>Bauteilart</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;The type of the construction; outside wall/roof, inside construction, wall to conditioned zone[m&lt;sup&gt;2&lt;/sup&gt;].&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Die Art des Bauteils: Außenwand/Dach, Innenbauteil, Wand zu konditionierter Zone[m&lt;sup&gt;2&lt;/sup&gt;].&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Area [m2]</source>
        <translation>Fläche [m2]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;The total wall/roof area including the windows in [m&lt;sup&gt;2&lt;/sup&gt;].&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Die gesamte Wand-/Dachfläche einschließlich der Fenster in [m&lt;sup&gt;2&lt;/sup&gt;].&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Orientation [deg]</source>
        <translation>Orientierung [Grad]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;The orientation of the wall/roof in degrees starting north with 0 degrees.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Die Orientierung der Wand/des Daches in Grad, beginnend mit 0 Grad im Norden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Inclination [deg]</source>
        <translation>Neigung [Grad]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;The inclination of the construction in degrees: 0 - flat roof, 90 - wall.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Die Neigung des Bauteils in Grad: 0 - Flachdach, 90 - Wand.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Window type</source>
        <translation>Fenstertyp</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;The window type used in the construction (if any).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Der im Bauteil verwendete Fenstertyp (falls vorhanden).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Window area [m2]</source>
        <translation>Fensterfläche [m2]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;The total window area (the sum of the areas of all windows, if several windows are in the same wall.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Die gesamte Fensterfläche (die Summe der Flächen aller Fenster, wenn mehrere Fenster in derselben Wand liegen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Shading type</source>
        <translation>Verschattungstyp</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;The type of shading used for the window.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Die Art der Verschattung des Fensters.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;Absorption coefficient for short wave radiation on outside surface.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Absorptionsgrad der Außenoberfläche für kurzwellige Strahlung.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Rse [m2K/W]</source>
        <translation>Rse [m2K/W]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;Surface heat transfer coefficient on outside (convective and radiative).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Wärmeübergangswiderstand außen (konvektiv und Strahlung).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Rsi [m2K/W]</source>
        <translation>Rsi [m2K/W]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;Surface heat transfer coefficient coefficient on room side (convective and radiative).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Wärmeübergangswiderstand raumseitig (konvektiv und Strahlung).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Opposite room temperature [C]</source>
        <translation>Temperatur im Nachbarraum [C]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;Temperature in room on the opposite side of this construction.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Temperatur im Raum auf der anderen Seite dieses Bauteils.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Surfaces with inclination angle &lt; 45 degree are considered as horizontal surfaces.</source>
        <translation>Flächen mit einer Neigung unter 45 Grad gelten als horizontale Flächen.</translation>
    </message>
    <message>
        <source>&lt;unknown construction type&gt; [%1]</source>
        <translation>&lt;unbekannter Konstruktionstyp&gt; [%1]</translation>
    </message>
    <message>
        <source>The construction type with id %1 is not in the database. Choose another construction type, or import a database that holds it.</source>
        <translation>Der Konstruktionstyp mit der Id %1 ist nicht in der Datenbank. Wählen Sie einen anderen Konstruktionstyp oder importieren Sie eine Datenbank, die ihn enthält.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a temperature nor an existing climate data file (looked for &apos;%2&apos;).</source>
        <translation>&apos;%1&apos; ist weder eine Temperatur noch eine vorhandene Klimadatendatei (gesucht wurde &apos;%2&apos;).</translation>
    </message>
    <message>
        <source>The opposite room temperature must be a value from %L1 to %L2 C.</source>
        <translation>Die Temperatur des Nachbarraums muss ein Wert von %L1 bis %L2 C sein.</translation>
    </message>
</context>
<context>
    <name>CoolingModelInputWidget</name>
    <message>
        <source>Model Parameter</source>
        <translation>Modellparameter</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Maximum cooling power [W]:</source>
        <translation>Maximale Kühlleistung [W]:</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Zeitpläne</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Relative Feuchte</translation>
    </message>
    <message>
        <source>Schedules for Set Points</source>
        <translation>Zeitpläne der Sollwerte</translation>
    </message>
    <message>
        <source>Set point temperature</source>
        <translation>Solltemperatur</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>A temperature between -80 and 100 degree C.</source>
        <translation>Eine Temperatur zwischen -80 und 100 °C.</translation>
    </message>
    <message>
        <source>Set point relative humidity</source>
        <translation>Soll-Luftfeuchte</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>A relative humidity between 0 and 100 %.</source>
        <translation>Eine relative Feuchte zwischen 0 und 100 %.</translation>
    </message>
    <message>
        <source>No cooling</source>
        <translation>Keine Kühlung</translation>
    </message>
    <message>
        <source>Simple A/C model</source>
        <translation>Einfaches Klimagerätemodell</translation>
    </message>
    <message>
        <source>Maximum cooling power must be a value between 0 and 1000 MW.</source>
        <translation>Die maximale Kühlleistung muss ein Wert zwischen 0 und 1000 MW sein.</translation>
    </message>
</context>
<context>
    <name>DBEditFieldHelpers</name>
    <message>
        <source>Names cannot hold the characters &apos;:&apos; and &apos;|&apos;.</source>
        <translation>Namen dürfen die Zeichen &apos;:&apos; und &apos;|&apos; nicht enthalten.</translation>
    </message>
</context>
<context>
    <name>DBItemUsers</name>
    <message>
        <source>Surface %1</source>
        <translation>Bauteil %1</translation>
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
    <name>DBTableModel</name>
    <message>
        <source>The item is invalid.</source>
        <translation>Der Eintrag ist ungültig.</translation>
    </message>
</context>
<context>
    <name>DIN4108_2SettingsWidget</name>
    <message>
        <source>DIN 4108-2 Summer Heat Protection</source>
        <translation>Sommerlicher Wärmeschutz nach DIN 4108-2</translation>
    </message>
    <message>
        <source>Use of the building:</source>
        <translation>Nutzung des Gebäudes:</translation>
    </message>
    <message>
        <source>Shading control:</source>
        <translation>Sonnenschutzsteuerung:</translation>
    </message>
    <message>
        <source>Ventilation type:</source>
        <translation>Lüftungsart:</translation>
    </message>
    <message>
        <source>Maximum heating power [W]:</source>
        <translation>Maximale Heizleistung [W]:</translation>
    </message>
    <message>
        <source>Enhanced day ventilation [1/h]:</source>
        <translation>Erhöhte Taglüftung [1/h]:</translation>
    </message>
    <message>
        <source>Enhanced night ventilation [1/h]:</source>
        <translation>Erhöhte Nachtlüftung [1/h]:</translation>
    </message>
    <message>
        <source>Summer climate region:</source>
        <translation>Sommerklimaregion:</translation>
    </message>
    <message>
        <source>Residential building</source>
        <translation>Wohngebäude</translation>
    </message>
    <message>
        <source>Non-residential building</source>
        <translation>Nichtwohngebäude</translation>
    </message>
    <message>
        <source>Window ventilation only</source>
        <translation>Nur Fensterlüftung</translation>
    </message>
    <message>
        <source>Ventilation across floors</source>
        <translation>Geschossübergreifende Lüftung</translation>
    </message>
    <message>
        <source>Mechanical ventilation system</source>
        <translation>Lüftungsanlage</translation>
    </message>
    <message>
        <source>Full shading</source>
        <translation>Vollständige Verschattung</translation>
    </message>
    <message>
        <source>No shading system</source>
        <translation>Kein Sonnenschutz</translation>
    </message>
    <message>
        <source>Automated shading system</source>
        <translation>Automatisch gesteuerter Sonnenschutz</translation>
    </message>
    <message>
        <source>User-defined shading system</source>
        <translation>Benutzerdefinierter Sonnenschutz</translation>
    </message>
    <message>
        <source>Air change rate must be &gt;= 0 and &lt;= %1 h&lt;sup&gt;-1&lt;/sup&gt;</source>
        <translation>Die Luftwechselrate muss &gt;= 0 und &lt;= %1 h&lt;sup&gt;-1&lt;/sup&gt; sein</translation>
    </message>
    <message>
        <source>Maximum heating power must be a value &gt;= 0 W.</source>
        <translation>Die maximale Heizleistung muss ein Wert &gt;= 0 W sein.</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Region %1</translation>
    </message>
    <message>
        <source>Limit: %1 Kh/a above %2 °C operative temperature</source>
        <translation>Grenzwert: %1 Kh/a über %2 °C operativer Temperatur</translation>
    </message>
    <message>
        <source>Air change rate must be &gt;= 0 h&lt;sup&gt;-1&lt;/sup&gt;</source>
        <translation>Die Luftwechselrate muss &gt;= 0 h&lt;sup&gt;-1&lt;/sup&gt; sein</translation>
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
    <message>
        <source>Values below %L1 are not accepted.</source>
        <translation>Werte unter %L1 werden nicht angenommen.</translation>
    </message>
    <message>
        <source>Values above %L1 are not accepted.</source>
        <translation>Werte über %L1 werden nicht angenommen.</translation>
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
    <name>EN15251Plot</name>
    <message>
        <source>Running mean ambient temperature [C]</source>
        <translation>Gleitender Mittelwert der Außentemperatur [C]</translation>
    </message>
    <message>
        <source>Operative temperature [C]</source>
        <translation>Operative Temperatur [C]</translation>
    </message>
    <message>
        <source>Category not computed, yet.</source>
        <translation>Kategorie noch nicht berechnet.</translation>
    </message>
    <message>
        <source>Category I</source>
        <translation>Kategorie I</translation>
    </message>
    <message>
        <source>Category II</source>
        <translation>Kategorie II</translation>
    </message>
    <message>
        <source>Category III</source>
        <translation>Kategorie III</translation>
    </message>
    <message>
        <source>Operative temperature and comfort classification during occupancy (DIN EN 15251)</source>
        <translation>Operative Temperatur und Komfortklassifizierung während der Nutzung (DIN EN 15251)</translation>
    </message>
    <message>
        <source>%L2% failed Category %1</source>
        <translation>%L2% verfehlen Kategorie %1</translation>
    </message>
    <message>
        <source>Class %1 satisfied</source>
        <translation>Klasse %1 erfüllt</translation>
    </message>
    <message>
        <source>No comfort class satisfied</source>
        <translation>Keine Komfortklasse erfüllt</translation>
    </message>
    <message>
        <source>Operative temperature and comfort classification (DIN EN 15251)</source>
        <translation>Operative Temperatur und Komfortklassifizierung (DIN EN 15251)</translation>
    </message>
    <message>
        <source>Class %1 satisfied
(with %L2% of occupancy time)</source>
        <translation>Klasse %1 erfüllt
(bei %L2% Nutzungszeit)</translation>
    </message>
    <message>
        <source>No comfort class satisfied
(with %L1% of occupancy time)</source>
        <translation>Keine Komfortklasse erfüllt
(bei %L1% Nutzungszeit)</translation>
    </message>
</context>
<context>
    <name>EnergyBalancePlot</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
</context>
<context>
    <name>EnergyRequirementAnnualPlot</name>
    <message>
        <source>Annual Energy Consumption</source>
        <translation>Jährlicher Energiebedarf</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>Net energy demand [kWh/m2]</source>
        <translation>Nutzenergiebedarf [kWh/m2]</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Heating load</source>
        <translation>Heizlast</translation>
    </message>
    <message>
        <source>Cooling load</source>
        <translation>Kühllast</translation>
    </message>
    <message>
        <source>Supply air cooling</source>
        <translation>Zuluftkühlung</translation>
    </message>
    <message>
        <source>Net energy demand [kWh]</source>
        <translation>Nutzenergiebedarf [kWh]</translation>
    </message>
</context>
<context>
    <name>EquipmentLoadModelInputWidget</name>
    <message>
        <source>Model Parameter</source>
        <translation>Modellparameter</translation>
    </message>
    <message>
        <source>Schedule for internal gains (equipment)</source>
        <translation>Zeitplan der inneren Lasten (Geräte)</translation>
    </message>
    <message>
        <source>Equipment load</source>
        <translation>Gerätelast</translation>
    </message>
    <message>
        <source>W/m2</source>
        <translation>W/m2</translation>
    </message>
    <message>
        <source>Equipment load must be a value from %L1 to %L2 W/m2 (power per floor area).</source>
        <translation>Die Gerätelast muss ein Wert von %L1 bis %L2 W/m2 sein (Leistung je Grundfläche).</translation>
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
        <source>Error during export:
%1
See the log file &apos;%2&apos; for details.</source>
        <translation>Fehler beim Export:
%1
Details stehen in der Protokolldatei &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Could not create export directory &apos;%1&apos;: %2.</source>
        <translation>Das Exportverzeichnis &apos;%1&apos; konnte nicht angelegt werden: %2.</translation>
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
        <source>Could not write a temporary copy of the project to &apos;%1&apos;.</source>
        <translation>Eine temporäre Kopie des Projekts konnte nicht in &apos;%1&apos; geschrieben werden.</translation>
    </message>
    <message>
        <source>Exporting &apos;%1&apos; with the solver. Cancel ends the solver, nothing is exported then.</source>
        <translation>&apos;%1&apos; wird mit dem Rechenprogramm exportiert. Abbrechen beendet das Rechenprogramm, dann wird nichts exportiert.</translation>
    </message>
    <message>
        <source>Could not replace &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; konnte nicht ersetzt werden.</translation>
    </message>
</context>
<context>
    <name>GainLossAxisScaleDraw</name>
    <message>
        <source>Gains</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Verluste</translation>
    </message>
</context>
<context>
    <name>HeatingModelInputWidget</name>
    <message>
        <source>Model Parameter</source>
        <translation>Modellparameter</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Maximum heating power [W]:</source>
        <translation>Maximale Heizleistung [W]:</translation>
    </message>
    <message>
        <source>Schedule for Heating Setpoints</source>
        <translation>Zeitplan der Heizungs-Sollwerte</translation>
    </message>
    <message>
        <source>Set point</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>A temperature between 0 and 30 degree C.</source>
        <translation>Eine Temperatur zwischen 0 und 30 °C.</translation>
    </message>
    <message>
        <source>No heating</source>
        <translation>Keine Heizung</translation>
    </message>
    <message>
        <source>Heating with thermostat</source>
        <translation>Heizung mit Thermostat</translation>
    </message>
    <message>
        <source>Maximum power of heating in [W], must be a value between 0 and 1000000 [kW].</source>
        <translation>Maximale Heizleistung in [W], muss ein Wert zwischen 0 und 1000000 [kW] sein.</translation>
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
    <message>
        <source>Thermal conductivity must be above 1e-6 and at most 10000 W/mK.</source>
        <translation>Die Wärmeleitfähigkeit muss größer als 1e-6 und höchstens 10000 W/mK sein.</translation>
    </message>
    <message>
        <source>Density must lie between 1 and 100000 kg/m3.</source>
        <translation>Die Rohdichte muss zwischen 1 und 100000 kg/m3 liegen.</translation>
    </message>
    <message>
        <source>Specific heat capacity must lie between 1 and 10000 J/kgK.</source>
        <translation>Die spezifische Wärmekapazität muss zwischen 1 und 10000 J/kgK liegen.</translation>
    </message>
    <message>
        <source>Latent heat of PCM must not be negative.</source>
        <translation>Die latente Wärme des PCM darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>Melting point of PCM must lie between 0 and 100 C.</source>
        <translation>Der Schmelzpunkt des PCM muss zwischen 0 und 100 °C liegen.</translation>
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
    <name>MechanicalVentilationInputWidget</name>
    <message>
        <source>Model Parameter</source>
        <translation>Modellparameter</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Heat recovery efficiency [%]:</source>
        <translation>Wärmerückgewinnungsgrad [%]:</translation>
    </message>
    <message>
        <source>Room temperature setpoint to disable heat recovery [C]:</source>
        <translation>Raumtemperatur, ab der die Wärmerückgewinnung abschaltet [C]:</translation>
    </message>
    <message>
        <source>If room air temperature is above this setpoint temperature, the heat recovery is bypassed (needed for summer mechanical cooling case).</source>
        <translation>Liegt die Raumlufttemperatur über diesem Sollwert, wird die Wärmerückgewinnung umgangen (für die sommerliche Kühlung durch die Lüftungsanlage).</translation>
    </message>
    <message>
        <source>Supply temperature [C]:</source>
        <translation>Zulufttemperatur [C]:</translation>
    </message>
    <message>
        <source>Max. supply flow rate [m3/h]:</source>
        <translation>Max. Zuluftvolumenstrom [m3/h]:</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Zeitpläne</translation>
    </message>
    <message>
        <source>Set point</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>A temperature between -80 and 100 degree C.</source>
        <translation>Eine Temperatur zwischen -80 und 100 °C.</translation>
    </message>
    <message>
        <source>Air flow rate</source>
        <translation>Luftvolumenstrom</translation>
    </message>
    <message>
        <source>m3/h</source>
        <translation>m3/h</translation>
    </message>
    <message>
        <source>The volumetric flow rate must be a postive value.</source>
        <translation>Der Volumenstrom muss ein positiver Wert sein.</translation>
    </message>
    <message>
        <source>No mechanical ventilation</source>
        <translation>Keine mechanische Lüftung</translation>
    </message>
    <message>
        <source>Mechanical ventilation (heat recovery possible)</source>
        <translation>Mechanische Lüftung (Wärmerückgewinnung möglich)</translation>
    </message>
    <message>
        <source>Flow rate controlled ventilation (no moisture)</source>
        <translation>Volumenstromgeregelte Lüftung (ohne Feuchte)</translation>
    </message>
    <message>
        <source>Supply temperature must be a temperature in the range of -80 to 100 degree C.</source>
        <translation>Die Zulufttemperatur muss eine Temperatur im Bereich von -80 bis 100 °C sein.</translation>
    </message>
    <message>
        <source>Supply flow rate must be a positive value.</source>
        <translation>Der Zuluftvolumenstrom muss ein positiver Wert sein.</translation>
    </message>
    <message>
        <source>Efficiency of heat recovery system must be a percentage (0 to 100 %).</source>
        <translation>Der Wärmerückgewinnungsgrad muss ein Prozentwert sein (0 bis 100 %).</translation>
    </message>
    <message>
        <source>Setpoint for heat recovery system, if room temperature is above this setpoint, heat recovery is disabled (-80 to 100 degree C).</source>
        <translation>Sollwert der Wärmerückgewinnung: liegt die Raumtemperatur darüber, ist die Wärmerückgewinnung abgeschaltet (-80 bis 100 °C).</translation>
    </message>
    <message>
        <source>Schedule for air flow rates</source>
        <translation>Zeitplan der Luftvolumenströme</translation>
    </message>
    <message>
        <source>Schedule for set points</source>
        <translation>Zeitplan der Sollwerte</translation>
    </message>
</context>
<context>
    <name>MoistureLoadInputWidget</name>
    <message>
        <source>Schedule for moisture load</source>
        <translation>Zeitplan der Feuchtelast</translation>
    </message>
    <message>
        <source>Moisture load</source>
        <translation>Feuchtelast</translation>
    </message>
    <message>
        <source>g/h</source>
        <translation>g/h</translation>
    </message>
    <message>
        <source>Moisture load must be a positive value.</source>
        <translation>Die Feuchtelast muss ein positiver Wert sein.</translation>
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
    <name>MoistureLoadsHourlyPlot</name>
    <message>
        <source>Total vapor flux - surface</source>
        <translation>Gesamter Dampfstrom - Oberflächen</translation>
    </message>
    <message>
        <source>Moisture loads - mechanical ventilation</source>
        <translation>Feuchtelasten - mechanische Lüftung</translation>
    </message>
    <message>
        <source>Moisture loads - natural ventilation</source>
        <translation>Feuchtelasten - natürliche Lüftung</translation>
    </message>
    <message>
        <source>Moisture loads - inner loads (occupancy)</source>
        <translation>Feuchtelasten - innere Lasten (Personen)</translation>
    </message>
    <message>
        <source>Dehumidification load due to cooling</source>
        <translation>Entfeuchtungslast durch Kühlung</translation>
    </message>
    <message>
        <source>Moisture loads &lt;small&gt;(hourly samples, sources to room are positive, losses to ambient are negative)&lt;/small&gt;</source>
        <translation>Feuchtelasten &lt;small&gt;(Stundenwerte, Quellen in den Raum positiv, Verluste an die Umgebung negativ)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Moisture load [g/h]</source>
        <translation>Feuchtelast [g/h]</translation>
    </message>
    <message>
        <source>Moisture load [g/m2h]</source>
        <translation>Feuchtelast [g/m2h]</translation>
    </message>
    <message>
        <source>[g/m2h]</source>
        <translation>[g/m2h]</translation>
    </message>
    <message>
        <source>[g/h]</source>
        <translation>[g/h]</translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
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
</context>
<context>
    <name>NaturalVentilationModelInputWidget</name>
    <message>
        <source>Model Parameter</source>
        <translation>Modellparameter</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Base ventilation rate [1/h]:</source>
        <translation>Grundluftwechsel [1/h]:</translation>
    </message>
    <message>
        <source>Min. room temperature [°C]: </source>
        <translation>Min. Raumtemperatur [°C]: </translation>
    </message>
    <message>
        <source>Defaults:</source>
        <translation>Vorgaben:</translation>
    </message>
    <message>
        <source>Residential</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Commercial</source>
        <translation>Gewerbe</translation>
    </message>
    <message>
        <source>Base ventilation rate (nighttime) [1/h]:</source>
        <translation>Grundluftwechsel (nachts) [1/h]:</translation>
    </message>
    <message>
        <source>Occupancy time:</source>
        <translation>Nutzungszeit:</translation>
    </message>
    <message>
        <source>Increased daytime ventilation</source>
        <translation>Erhöhte Taglüftung</translation>
    </message>
    <message>
        <source>Min. room temperature [°C]:</source>
        <translation>Min. Raumtemperatur [°C]:</translation>
    </message>
    <message>
        <source>Temperature difference [K]:</source>
        <translation>Temperaturdifferenz [K]:</translation>
    </message>
    <message>
        <source>Increased nighttime ventilation</source>
        <translation>Erhöhte Nachtlüftung</translation>
    </message>
    <message>
        <source>Temperature set point [°C]:</source>
        <translation>Solltemperatur [°C]:</translation>
    </message>
    <message>
        <source>Schedule for air change rates</source>
        <translation>Zeitplan der Luftwechselraten</translation>
    </message>
    <message>
        <source>Air change rate</source>
        <translation>Luftwechselrate</translation>
    </message>
    <message>
        <source>1/h</source>
        <translation>1/h</translation>
    </message>
    <message>
        <source>An air change rate (air changes per hour) must be a positive value.</source>
        <translation>Eine Luftwechselrate (Luftwechsel pro Stunde) muss ein positiver Wert sein.</translation>
    </message>
    <message>
        <source>No natural ventilation</source>
        <translation>Keine natürliche Lüftung</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Vorgegeben</translation>
    </message>
    <message>
        <source>User-controlled</source>
        <translation>Nutzergesteuert</translation>
    </message>
    <message>
        <source>Usage time depending</source>
        <translation>Nutzungszeitabhängig</translation>
    </message>
    <message>
        <source>Ventilation rate (air changes per hour) must be a positive value.</source>
        <translation>Der Luftwechsel (Luftwechsel pro Stunde) muss ein positiver Wert sein.</translation>
    </message>
    <message>
        <source>Temperature must be in range -20 and 80 degree C.</source>
        <translation>Die Temperatur muss zwischen -20 und 80 °C liegen.</translation>
    </message>
    <message>
        <source>Temperature difference must be in range 0 and 40 degree K.</source>
        <translation>Die Temperaturdifferenz muss zwischen 0 und 40 K liegen.</translation>
    </message>
    <message>
        <source>Start time must not be later than end time.</source>
        <translation>Die Anfangszeit darf nicht nach der Endzeit liegen.</translation>
    </message>
</context>
<context>
    <name>OccupancyLoadModelInputWidget</name>
    <message>
        <source>Model Parameter</source>
        <translation>Modellparameter</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Thermal load per person [W/Person]:</source>
        <translation>Wärmeabgabe [W/Person]:</translation>
    </message>
    <message>
        <source>Schedule for Occupancy </source>
        <translation>Zeitplan der Belegung </translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>Number of occupants</source>
        <translation>Anzahl Personen</translation>
    </message>
    <message>
        <source>Number of persons in room must be &gt;= 0.</source>
        <translation>Die Anzahl der Personen im Raum muss &gt;= 0 sein.</translation>
    </message>
    <message>
        <source>Rate of heat emission per person in [W/Person], must be a value between 0 and 3500 [W/Person].</source>
        <translation>Wärmeabgabe je Person in [W/Person], muss ein Wert zwischen 0 und 3500 [W/Person] sein.</translation>
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
    <message>
        <source>The file cannot be made executable.</source>
        <translation>Die Datei kann nicht ausführbar gemacht werden.</translation>
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
    <name>QtExt::UserNumber</name>
    <message>
        <source>Ambiguous number &apos;%1&apos;: write &apos;%2&apos; for the thousands or &apos;%3&apos; for the decimal value.</source>
        <translation>Mehrdeutige Zahl &apos;%1&apos;: &apos;%2&apos; für den Tausenderwert oder &apos;%3&apos; für den Dezimalwert schreiben.</translation>
    </message>
    <message>
        <source>Ambiguous number &apos;%1&apos;: write &apos;%2&apos; without the thousands separator.</source>
        <translation>Mehrdeutige Zahl &apos;%1&apos;: &apos;%2&apos; ohne Tausendertrennzeichen schreiben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number: write it with &apos;.&apos; as decimal point and without thousands separator, e.g. &apos;%2&apos;.</source>
        <translation>&apos;%1&apos; ist keine Zahl: mit &apos;.&apos; als Dezimalzeichen und ohne Tausendertrennzeichen schreiben, z. B. &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number: write it with &apos;%2&apos; or &apos;.&apos; as decimal point and without thousands separator, e.g. &apos;%3&apos;.</source>
        <translation>&apos;%1&apos; ist keine Zahl: mit &apos;%2&apos; oder &apos;.&apos; als Dezimalzeichen und ohne Tausendertrennzeichen schreiben, z. B. &apos;%3&apos;.</translation>
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
    <name>RM::ValueChecks</name>
    <message>
        <source>%1 0 and &lt;= %2</source>
        <translation>%1 0 und &lt;= %2</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>zwischen %1 und %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; (Id %3)</source>
        <translation>%1 &apos;%2&apos; (Id %3)</translation>
    </message>
    <message>
        <source>%1 of %2 is %3 but must be %4!</source>
        <translation>%1 (%2) ist %3, muss aber %4 sein!</translation>
    </message>
    <message>
        <source>%1 schedule</source>
        <translation>%1 (Zeitplan)</translation>
    </message>
    <message>
        <source>the room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Floor area &apos;Area&apos;</source>
        <translation>Grundfläche &apos;Area&apos;</translation>
    </message>
    <message>
        <source>Height &apos;Height&apos;</source>
        <translation>Raumhöhe &apos;Height&apos;</translation>
    </message>
    <message>
        <source>Initial temperature &apos;TInitial&apos;</source>
        <translation>Anfangstemperatur &apos;TInitial&apos;</translation>
    </message>
    <message>
        <source>Initial relative humidity &apos;RHInitial&apos;</source>
        <translation>Relative Anfangsfeuchte &apos;RHInitial&apos;</translation>
    </message>
    <message>
        <source>Ground reflectance &apos;Albedo&apos;</source>
        <translation>Bodenreflexionsgrad &apos;Albedo&apos;</translation>
    </message>
    <message>
        <source>Convective fraction of heating/cooling &apos;GammaHC&apos;</source>
        <translation>Konvektiver Anteil von Heizung/Kühlung &apos;GammaHC&apos;</translation>
    </message>
    <message>
        <source>Convective fraction of solar gains &apos;GammaRad&apos;</source>
        <translation>Konvektiver Anteil der solaren Gewinne &apos;GammaRad&apos;</translation>
    </message>
    <message>
        <source>Additional mass &apos;AdditionalMass&apos;</source>
        <translation>Zusätzliche Masse &apos;AdditionalMass&apos;</translation>
    </message>
    <message>
        <source>Heat capacity of additional mass &apos;AdditionalMassHeatCapacity&apos;</source>
        <translation>Wärmekapazität der zusätzlichen Masse &apos;AdditionalMassHeatCapacity&apos;</translation>
    </message>
    <message>
        <source>heating model</source>
        <translation>Heizmodell</translation>
    </message>
    <message>
        <source>Maximum power &apos;MaxPower&apos;</source>
        <translation>Maximale Leistung &apos;MaxPower&apos;</translation>
    </message>
    <message>
        <source>Set point</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>cooling model</source>
        <translation>Kühlmodell</translation>
    </message>
    <message>
        <source>Maximum power curve</source>
        <translation>Kennlinie der maximalen Leistung</translation>
    </message>
    <message>
        <source>Humidity set point</source>
        <translation>Feuchtesollwert</translation>
    </message>
    <message>
        <source>mechanical ventilation model</source>
        <translation>Modell der mechanischen Lüftung</translation>
    </message>
    <message>
        <source>Supply temperature &apos;SupplyTemperature&apos;</source>
        <translation>Zulufttemperatur &apos;SupplyTemperature&apos;</translation>
    </message>
    <message>
        <source>Maximum supply flow rate &apos;MaxSupplyFlowRate&apos;</source>
        <translation>Maximaler Zuluftvolumenstrom &apos;MaxSupplyFlowRate&apos;</translation>
    </message>
    <message>
        <source>Heat recovery efficiency &apos;HeatRecoveryEfficiency&apos;</source>
        <translation>Wärmerückgewinnungsgrad &apos;HeatRecoveryEfficiency&apos;</translation>
    </message>
    <message>
        <source>Heat recovery set point &apos;HeatRecoverySetpoint&apos;</source>
        <translation>Sollwert der Wärmerückgewinnung &apos;HeatRecoverySetpoint&apos;</translation>
    </message>
    <message>
        <source>Ventilation rate</source>
        <translation>Luftwechsel</translation>
    </message>
    <message>
        <source>natural ventilation model</source>
        <translation>Modell der natürlichen Lüftung</translation>
    </message>
    <message>
        <source>Air change rate</source>
        <translation>Luftwechselrate</translation>
    </message>
    <message>
        <source>Base air change rate &apos;BaseAirChangeRate&apos;</source>
        <translation>Grundluftwechsel &apos;BaseAirChangeRate&apos;</translation>
    </message>
    <message>
        <source>Night air change rate &apos;BaseAirChangeRateNight&apos;</source>
        <translation>Nachtluftwechsel &apos;BaseAirChangeRateNight&apos;</translation>
    </message>
    <message>
        <source>Minimum room temperature &apos;MinTRoom&apos;</source>
        <translation>Minimale Raumtemperatur &apos;MinTRoom&apos;</translation>
    </message>
    <message>
        <source>Room set point &apos;SetTRoom&apos;</source>
        <translation>Raumsollwert &apos;SetTRoom&apos;</translation>
    </message>
    <message>
        <source>Temperature difference &apos;TRoomDifference&apos;</source>
        <translation>Temperaturdifferenz &apos;TRoomDifference&apos;</translation>
    </message>
    <message>
        <source>Night temperature difference &apos;TRoomDifferenceNight&apos;</source>
        <translation>Nächtliche Temperaturdifferenz &apos;TRoomDifferenceNight&apos;</translation>
    </message>
    <message>
        <source>user loads</source>
        <translation>Nutzerlasten</translation>
    </message>
    <message>
        <source>Load per person &apos;PersonLoad&apos;</source>
        <translation>Wärmeabgabe je Person &apos;PersonLoad&apos;</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>Equipment load</source>
        <translation>Gerätelast</translation>
    </message>
    <message>
        <source>Moisture load</source>
        <translation>Feuchtelast</translation>
    </message>
    <message>
        <source>moisture loads</source>
        <translation>Feuchtelasten</translation>
    </message>
    <message>
        <source>shading control model</source>
        <translation>Modell der Verschattungssteuerung</translation>
    </message>
    <message>
        <source>Shading degree</source>
        <translation>Verschattungsgrad</translation>
    </message>
    <message>
        <source>the DIN 4108-2 settings</source>
        <translation>Einstellungen nach DIN 4108-2</translation>
    </message>
    <message>
        <source>Maximum heating power</source>
        <translation>Maximale Heizleistung</translation>
    </message>
    <message>
        <source>Enhanced day ventilation</source>
        <translation>Erhöhte Taglüftung</translation>
    </message>
    <message>
        <source>Enhanced night ventilation</source>
        <translation>Erhöhte Nachtlüftung</translation>
    </message>
    <message>
        <source>wall #%1</source>
        <translation>Wand #%1</translation>
    </message>
    <message>
        <source>Orientation &apos;orientation&apos;</source>
        <translation>Orientierung &apos;orientation&apos;</translation>
    </message>
    <message>
        <source>Inclination &apos;inclination&apos;</source>
        <translation>Neigung &apos;inclination&apos;</translation>
    </message>
    <message>
        <source>Wall area &apos;AW&apos;</source>
        <translation>Wandfläche &apos;AW&apos;</translation>
    </message>
    <message>
        <source>Window area &apos;AF&apos;</source>
        <translation>Fensterfläche &apos;AF&apos;</translation>
    </message>
    <message>
        <source>Adsorption coefficient &apos;ad&apos;</source>
        <translation>Absorptionsgrad &apos;ad&apos;</translation>
    </message>
    <message>
        <source>Outside surface resistance &apos;R_ue&apos;</source>
        <translation>Äußerer Wärmeübergangswiderstand &apos;R_ue&apos;</translation>
    </message>
    <message>
        <source>Inside surface resistance &apos;R_ui&apos;</source>
        <translation>Innerer Wärmeübergangswiderstand &apos;R_ui&apos;</translation>
    </message>
    <message>
        <source>Outside vapour transfer coefficient &apos;beta_e&apos;</source>
        <translation>Äußerer Dampfübergangskoeffizient &apos;beta_e&apos;</translation>
    </message>
    <message>
        <source>Inside vapour transfer coefficient &apos;beta_i&apos;</source>
        <translation>Innerer Dampfübergangskoeffizient &apos;beta_i&apos;</translation>
    </message>
    <message>
        <source>Zone temperature &apos;zoneT&apos;</source>
        <translation>Zonentemperatur &apos;zoneT&apos;</translation>
    </message>
    <message>
        <source>Zone relative humidity &apos;zoneRH&apos;</source>
        <translation>Relative Feuchte der Zone &apos;zoneRH&apos;</translation>
    </message>
    <message>
        <source>Layer thickness &apos;d&apos;</source>
        <translation>Schichtdicke &apos;d&apos;</translation>
    </message>
    <message>
        <source>construction type</source>
        <translation>Konstruktionstyp</translation>
    </message>
    <message>
        <source>material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Thermal conductivity &apos;lambda&apos;</source>
        <translation>Wärmeleitfähigkeit &apos;lambda&apos;</translation>
    </message>
    <message>
        <source>Density &apos;rho&apos;</source>
        <translation>Rohdichte &apos;rho&apos;</translation>
    </message>
    <message>
        <source>Heat capacity &apos;cT&apos;</source>
        <translation>Spezifische Wärmekapazität &apos;cT&apos;</translation>
    </message>
    <message>
        <source>Vapour diffusion resistance &apos;mu&apos;</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl &apos;mu&apos;</translation>
    </message>
    <message>
        <source>Phase change enthalpy &apos;HPCM&apos;</source>
        <translation>Phasenwechselenthalpie &apos;HPCM&apos;</translation>
    </message>
    <message>
        <source>Phase change temperature &apos;TPCMLow&apos;</source>
        <translation>Phasenwechseltemperatur &apos;TPCMLow&apos;</translation>
    </message>
    <message>
        <source>Sorption isotherm</source>
        <translation>Sorptionsisotherme</translation>
    </message>
    <message>
        <source>window type</source>
        <translation>Fenstertyp</translation>
    </message>
    <message>
        <source>Thermal transmittance &apos;U&apos;</source>
        <translation>Wärmedurchgangskoeffizient &apos;U&apos;</translation>
    </message>
    <message>
        <source>Solar heat gain coefficient &apos;g&apos;</source>
        <translation>Gesamtenergiedurchlassgrad &apos;g&apos;</translation>
    </message>
    <message>
        <source>Glass fraction &apos;f&apos;</source>
        <translation>Glasanteil &apos;f&apos;</translation>
    </message>
    <message>
        <source>Relative solar heat gain coefficient</source>
        <translation>Relativer Gesamtenergiedurchlassgrad</translation>
    </message>
    <message>
        <source>Shading factor &apos;z&apos;</source>
        <translation>Abminderungsfaktor &apos;z&apos;</translation>
    </message>
    <message>
        <source>shading type</source>
        <translation>Verschattungstyp</translation>
    </message>
    <message>
        <source>Zone temperature at time point #%1</source>
        <translation>Zonentemperatur zum Zeitpunkt #%1</translation>
    </message>
    <message>
        <source>file &apos;%1&apos;</source>
        <translation>Datei &apos;%1&apos;</translation>
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
    <message>
        <source>A (TRY 2011 Zone 2)</source>
        <translation>A (TRY 2011 Zone 2)</translation>
    </message>
    <message>
        <source>B (TRY 2011 Zone 4)</source>
        <translation>B (TRY 2011 Zone 4)</translation>
    </message>
    <message>
        <source>C (TRY 2011 Zone 12)</source>
        <translation>C (TRY 2011 Zone 12)</translation>
    </message>
    <message>
        <source>Other region</source>
        <translation>Andere Region</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Summer Climate Region according DIN 4108-2 8.1:</source>
        <translation>Sommerklimaregion nach DIN 4108-2 8.1:</translation>
    </message>
    <message>
        <source>Climate Data:</source>
        <translation>Klimadaten:</translation>
    </message>
    <message>
        <source>Albedo:</source>
        <translation>Albedo:</translation>
    </message>
</context>
<context>
    <name>ReportFrameConstruction</name>
    <message>
        <source>Constructions</source>
        <translation>Konstruktionen</translation>
    </message>
    <message>
        <source>Layers will shown from outside (top) to inside.&lt;br&gt;</source>
        <translation>Die Schichten werden von außen (oben) nach innen gezeigt.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Symbols:&lt;br&gt;</source>
        <translation>Formelzeichen:&lt;br&gt;</translation>
    </message>
    <message>
        <source>d - thickness of layer&lt;br&gt;</source>
        <translation>d - Schichtdicke&lt;br&gt;</translation>
    </message>
    <message>
        <source>&amp;lambda; - thermal conductivity&lt;br&gt;</source>
        <translation>&amp;lambda; - Wärmeleitfähigkeit&lt;br&gt;</translation>
    </message>
    <message>
        <source>&amp;rho; - bulk density of dry material&lt;br&gt;</source>
        <translation>&amp;rho; - Rohdichte des trockenen Materials&lt;br&gt;</translation>
    </message>
    <message>
        <source>c - specific heat capacity</source>
        <translation>c - spezifische Wärmekapazität</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>No layers</source>
        <translation>Keine Schichten</translation>
    </message>
</context>
<context>
    <name>ReportFrameExteriorComponents</name>
    <message>
        <source>Components</source>
        <translation>Bauteile</translation>
    </message>
    <message>
        <source>Outer Components</source>
        <translation>Außenbauteile</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Construction name</source>
        <translation>Konstruktionsname</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>No outer walls</source>
        <translation>Keine Außenwände</translation>
    </message>
    <message>
        <source>A - total wall area (including windows)&lt;br&gt;</source>
        <translation>A - gesamte Wandfläche (einschließlich Fenster)&lt;br&gt;</translation>
    </message>
    <message>
        <source>%1 - orientation of the component (0 - North, 90 - East)&lt;br&gt;</source>
        <translation>%1 - Orientierung des Bauteils (0 - Nord, 90 - Ost)&lt;br&gt;</translation>
    </message>
    <message>
        <source>&amp;beta; - inclination of the component (90 - wall, 0 - flat roof)&lt;br&gt;</source>
        <translation>&amp;beta; - Neigung des Bauteils (90 - Wand, 0 - Flachdach)&lt;br&gt;</translation>
    </message>
    <message>
        <source>a - absorption coefficient of the outer surface&lt;br&gt;</source>
        <translation>a - Absorptionsgrad der Außenoberfläche&lt;br&gt;</translation>
    </message>
    <message>
        <source>R&lt;sub&gt;si&lt;/sub&gt; - surface resistance inside&lt;br&gt;</source>
        <translation>R&lt;sub&gt;si&lt;/sub&gt; - innerer Wärmeübergangswiderstand&lt;br&gt;</translation>
    </message>
    <message>
        <source>R&lt;sub&gt;se&lt;/sub&gt; - surface resistance outside</source>
        <translation>R&lt;sub&gt;se&lt;/sub&gt; - äußerer Wärmeübergangswiderstand</translation>
    </message>
</context>
<context>
    <name>ReportFrameFixedTemperatureComponents</name>
    <message>
        <source>Components to areas with fixed temperature</source>
        <translation>Bauteile zu Bereichen mit fester Temperatur</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Konstruktion</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>U-Value</source>
        <translation>U-Wert</translation>
    </message>
    <message>
        <source>No components</source>
        <translation>Keine Bauteile</translation>
    </message>
    <message>
        <source>A - total wall area&lt;br&gt;</source>
        <translation>A - gesamte Wandfläche&lt;br&gt;</translation>
    </message>
    <message>
        <source>T&lt;sub&gt;other&lt;/sub&gt; - temperature of the other side of the wall if given&lt;br&gt;</source>
        <translation>T&lt;sub&gt;other&lt;/sub&gt; - Temperatur auf der anderen Seite der Wand, falls angegeben&lt;br&gt;</translation>
    </message>
    <message>
        <source>R&lt;sub&gt;si&lt;/sub&gt; - surface resistance inside&lt;br&gt;</source>
        <translation>R&lt;sub&gt;si&lt;/sub&gt; - innerer Wärmeübergangswiderstand&lt;br&gt;</translation>
    </message>
    <message>
        <source>U-value - U-value of the wall with given surface resistance on both sides</source>
        <translation>U-Wert - U-Wert der Wand mit dem angegebenen Wärmeübergangswiderstand auf beiden Seiten</translation>
    </message>
</context>
<context>
    <name>ReportFrameInnerLoadsHeating</name>
    <message>
        <source>Inner loads</source>
        <translation>Innere Lasten</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>Usage time:</source>
        <translation>Nutzungszeit:</translation>
    </message>
    <message>
        <source>daily 0:00 - 24:00 h</source>
        <translation>täglich 0:00 - 24:00 Uhr</translation>
    </message>
    <message>
        <source>Mo. - Fr.  7:00 - 18:00 h</source>
        <translation>Mo. - Fr.  7:00 - 18:00 Uhr</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heizung</translation>
    </message>
    <message>
        <source>Room temperature setpoint for heating:</source>
        <translation>Raumtemperatur-Sollwert für die Heizung:</translation>
    </message>
    <message>
        <source>%L1 %2C</source>
        <translation>%L1 %2C</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Kühlung</translation>
    </message>
</context>
<context>
    <name>ReportFrameInteriorComponents</name>
    <message>
        <source>Inner Components</source>
        <translation>Innenbauteile</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Konstruktion</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>U-Value</source>
        <translation>U-Wert</translation>
    </message>
    <message>
        <source>No inner components</source>
        <translation>Keine Innenbauteile</translation>
    </message>
    <message>
        <source>A - total wall area&lt;br&gt;</source>
        <translation>A - gesamte Wandfläche&lt;br&gt;</translation>
    </message>
    <message>
        <source>R&lt;sub&gt;si&lt;/sub&gt; - surface resistance inside&lt;br&gt;</source>
        <translation>R&lt;sub&gt;si&lt;/sub&gt; - innerer Wärmeübergangswiderstand&lt;br&gt;</translation>
    </message>
    <message>
        <source>U-value - U-value of the wall with given surface resistance on both sides</source>
        <translation>U-Wert - U-Wert der Wand mit dem angegebenen Wärmeübergangswiderstand auf beiden Seiten</translation>
    </message>
</context>
<context>
    <name>ReportFrameMiscellaneous</name>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>External shading is not considered</source>
        <translation>Externe Verschattung wird nicht berücksichtigt</translation>
    </message>
    <message>
        <source>No passive cooling systems</source>
        <translation>Keine passiven Kühlsysteme</translation>
    </message>
</context>
<context>
    <name>ReportFrameProgramDescription</name>
    <message>
        <source>Program description</source>
        <translation>Programmbeschreibung</translation>
    </message>
    <message>
        <source>CALDORYNE is a dynamic simulation model for buildings represented by single zones (one air space and enclosure).&lt;br&gt;</source>
        <translation>CALDORYNE ist ein dynamisches Simulationsmodell für Gebäude, die als Einzelzone (ein Luftraum mit seiner Hülle) abgebildet werden.&lt;br&gt;</translation>
    </message>
    <message>
        <source>It considers the interaction of the building and its envelope constructions with environmental loads, such as temperature and solar radiation and the interaction with the user of building. The physical model is very detailed and solved with a numerical solution method. The solver uses an error controlled time integration method that dynamically adapts time steps and can resolve building system control signals (heating/cooling/ventilation) in an accurate time resolution. The building envelope is calculated with spatial resolution using the Finite-Volume method yielding dynamic temperature profiles across the construction. This enables very detailed predictions of the availability of thermal storage masses utilized for dampening the zone&apos;s temperatures, which is particularly useful for massive constructions used in European/German buildings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Es berücksichtigt die Wechselwirkung des Gebäudes und seiner Hüllkonstruktionen mit den Umweltlasten wie Temperatur und Sonnenstrahlung sowie mit den Nutzern des Gebäudes. Das physikalische Modell ist sehr detailliert und wird mit einem numerischen Lösungsverfahren gelöst. Der Löser verwendet ein fehlergesteuertes Zeitintegrationsverfahren, das die Zeitschritte dynamisch anpasst und Regelsignale der Anlagentechnik (Heizung/Kühlung/Lüftung) zeitlich genau auflösen kann. Die Gebäudehülle wird mit der Finite-Volumen-Methode räumlich aufgelöst berechnet, woraus sich dynamische Temperaturprofile über die Konstruktion ergeben. Dies ermöglicht sehr genaue Aussagen über die Verfügbarkeit thermischer Speichermassen zur Dämpfung der Raumtemperaturen, was besonders für die in europäischen/deutschen Gebäuden üblichen massiven Konstruktionen von Bedeutung ist.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>The calculation engine conforms to the requirements of the DIN 4108-2 for dynamic simulation models for summer heat protection calculation/thermal comfort evaluation.</source>
        <translation>Der Rechenkern erfüllt die Anforderungen der DIN 4108-2 an dynamische Simulationsmodelle für den Nachweis des sommerlichen Wärmeschutzes bzw. die Bewertung der thermischen Behaglichkeit.</translation>
    </message>
</context>
<context>
    <name>ReportFrameProjectInfo</name>
    <message>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <source>Variant:</source>
        <translation>Variante:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Thermal simulation for heat protection in summertime according DIN 4108-2 8.4</source>
        <translation>Thermische Simulation zum sommerlichen Wärmeschutz nach DIN 4108-2 8.4</translation>
    </message>
    <message>
        <source>Thermal simulation for heat protection in summertime</source>
        <translation>Thermische Simulation zum sommerlichen Wärmeschutz</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
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
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>No simulation results available.</source>
        <translation>Keine Simulationsergebnisse vorhanden.</translation>
    </message>
    <message>
        <source>Verification according DIN 4108-2 2013 8.4.1</source>
        <translation>Nachweis nach DIN 4108-2 2013 8.4.1</translation>
    </message>
    <message>
        <source>residential building</source>
        <translation>Wohngebäude</translation>
    </message>
    <message>
        <source>non residential building</source>
        <translation>Nichtwohngebäude</translation>
    </message>
    <message>
        <source>Related to using hours</source>
        <translation>Bezogen auf Nutzungsstunden</translation>
    </message>
    <message>
        <source>Related to operative room temperature</source>
        <translation>Bezogen auf die operative Raumtemperatur</translation>
    </message>
    <message>
        <source>(Region %1)</source>
        <translation>(Region %1)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Verification fullfilled.&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nachweis erfüllt.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;font color=&quot;red&quot;&gt;Verification failed!&lt;/font&gt;&lt;/b&gt;</source>
        <translation>&lt;b&gt;&lt;font color=&quot;red&quot;&gt;Nachweis nicht erfüllt!&lt;/font&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;font color=&quot;red&quot;&gt;No verification: the run covers %L1 h, the assessment needs the %L2 h of a year.&lt;/font&gt;&lt;/b&gt;</source>
        <translation>&lt;b&gt;&lt;font color=&quot;red&quot;&gt;Kein Nachweis: Die Berechnung umfasst %L1 h, der Nachweis erfordert die %L2 h eines Jahres.&lt;/font&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Related to operative room temperature + 2K</source>
        <translation>Bezogen auf die operative Raumtemperatur + 2K</translation>
    </message>
    <message>
        <source>Related to operative room temperature + 4K</source>
        <translation>Bezogen auf die operative Raumtemperatur + 4K</translation>
    </message>
    <message>
        <source>Overtemperature hours</source>
        <translation>Übertemperaturgradstunden</translation>
    </message>
    <message>
        <source>Over-temperature hours</source>
        <translation>Übertemperaturgradstunden</translation>
    </message>
    <message>
        <source>Last year of the run of %L1 h</source>
        <translation>Letztes Jahr der Berechnung über %L1 h</translation>
    </message>
    <message>
        <source>The run covers %L1 h, not the %L2 h of a year.</source>
        <translation>Die Berechnung umfasst %L1 h, nicht die %L2 h eines Jahres.</translation>
    </message>
</context>
<context>
    <name>ReportFrameRoomData</name>
    <message>
        <source>Room Data</source>
        <translation>Raumdaten</translation>
    </message>
    <message>
        <source>Net Floor Space:</source>
        <translation>Nettogrundfläche:</translation>
    </message>
    <message>
        <source>Clear Room Height:</source>
        <translation>Lichte Raumhöhe:</translation>
    </message>
    <message>
        <source>Room Air Volume:</source>
        <translation>Raumluftvolumen:</translation>
    </message>
    <message>
        <source>Additional thermal mass:</source>
        <translation>Zusätzliche thermische Masse:</translation>
    </message>
    <message>
        <source>Specific Heat Capacity of Thermal Mass:</source>
        <translation>Spezifische Wärmekapazität der thermischen Masse:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Kind of building:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Gebäudeart:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Residential building&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wohngebäude&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Non-residential building&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nichtwohngebäude&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>ReportFrameShading</name>
    <message>
        <source>Shading control</source>
        <translation>Sonnenschutzsteuerung</translation>
    </message>
    <message>
        <source>Full shading:</source>
        <translation>Ständige Verschattung:</translation>
    </message>
    <message>
        <source>always</source>
        <translation>immer</translation>
    </message>
    <message>
        <source>weekdays (Mo. - Fr.)</source>
        <translation>werktags (Mo. - Fr.)</translation>
    </message>
    <message>
        <source>No shading system</source>
        <translation>Kein Sonnenschutz</translation>
    </message>
    <message>
        <source>Automated shading system</source>
        <translation>Automatisch gesteuerter Sonnenschutz</translation>
    </message>
    <message>
        <source>Global radiation &gt; %L1 W/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>Globalstrahlung &gt; %L1 W/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>For orientation N. NO and NW</source>
        <translation>Für die Orientierungen N, NO und NW</translation>
    </message>
    <message>
        <source>For all other orientations</source>
        <translation>Für alle anderen Orientierungen</translation>
    </message>
    <message>
        <source>User defined shading system</source>
        <translation>Benutzerdefinierter Sonnenschutz</translation>
    </message>
</context>
<context>
    <name>ReportFrameTemperaturePlot</name>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>temperature [C]</source>
        <translation>Temperatur [C]</translation>
    </message>
    <message>
        <source>%1C assessment value</source>
        <translation>%1C Bewertungswert</translation>
    </message>
    <message>
        <source>Operative indoor temperature</source>
        <translation>Operative Raumtemperatur</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Außentemperatur</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturen</translation>
    </message>
    <message>
        <source>No simulation results available.</source>
        <translation>Keine Simulationsergebnisse vorhanden.</translation>
    </message>
    <message>
        <source>Missing temperature climate data.</source>
        <translation>Temperaturdaten des Klimas fehlen.</translation>
    </message>
    <message>
        <source>%1C reference temperature</source>
        <translation>%1C Bezugstemperatur</translation>
    </message>
</context>
<context>
    <name>ReportFrameVentilation</name>
    <message>
        <source>Ventilation</source>
        <translation>Lüftung</translation>
    </message>
    <message>
        <source>Basic ventilation</source>
        <translation>Grundlüftung</translation>
    </message>
    <message>
        <source>Whole time</source>
        <translation>Ganztägig</translation>
    </message>
    <message>
        <source>Usage time (07:00 - 18:00)</source>
        <translation>Nutzungszeit (07:00 - 18:00)</translation>
    </message>
    <message>
        <source>Outside usage time</source>
        <translation>Außerhalb der Nutzungszeit</translation>
    </message>
    <message>
        <source>Enhanced day ventilation</source>
        <translation>Erhöhte Taglüftung</translation>
    </message>
    <message>
        <source>Enhanced night ventilation</source>
        <translation>Erhöhte Nachtlüftung</translation>
    </message>
    <message>
        <source>During time of residence (%1)</source>
        <translation>Während der Anwesenheit (%1)</translation>
    </message>
    <message>
        <source>06:00 - 23:00</source>
        <translation>06:00 - 23:00</translation>
    </message>
    <message>
        <source>07:00 - 18:00</source>
        <translation>07:00 - 18:00</translation>
    </message>
    <message>
        <source>No enhanced day ventilation set</source>
        <translation>Keine erhöhte Taglüftung angesetzt</translation>
    </message>
    <message>
        <source>Only window ventilation</source>
        <translation>Nur Fensterlüftung</translation>
    </message>
    <message>
        <source>Ventilation across floors</source>
        <translation>Geschossübergreifende Lüftung</translation>
    </message>
    <message>
        <source>Mechanical ventilation system</source>
        <translation>Lüftungsanlage</translation>
    </message>
    <message>
        <source>Outside time of residence (%1)</source>
        <translation>Außerhalb der Anwesenheit (%1)</translation>
    </message>
    <message>
        <source>23:00 - 06:00</source>
        <translation>23:00 - 06:00</translation>
    </message>
    <message>
        <source>18:00 - 07:00</source>
        <translation>18:00 - 07:00</translation>
    </message>
    <message>
        <source>No enhanced night ventilation set</source>
        <translation>Keine erhöhte Nachtlüftung angesetzt</translation>
    </message>
</context>
<context>
    <name>ReportFrameWindows</name>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Wall ID</source>
        <translation>Wand-ID</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>U-Value</source>
        <translation>U-Wert</translation>
    </message>
    <message>
        <source>No windows</source>
        <translation>Keine Fenster</translation>
    </message>
    <message>
        <source>Wall-ID - ID of ther outer wall there the window is located&lt;br&gt;</source>
        <translation>Wand-ID - ID der Außenwand, in der das Fenster liegt&lt;br&gt;</translation>
    </message>
    <message>
        <source>A - window area&lt;br&gt;</source>
        <translation>A - Fensterfläche&lt;br&gt;</translation>
    </message>
    <message>
        <source>g - solar transmission for glazing (percentage of transmitted radiation)&lt;br&gt;</source>
        <translation>g - Gesamtenergiedurchlassgrad der Verglasung (Anteil der durchgelassenen Strahlung)&lt;br&gt;</translation>
    </message>
    <message>
        <source>f&lt;sub&gt;R&lt;/sub&gt; - frame factor (percentage of glazing)&lt;br&gt;</source>
        <translation>f&lt;sub&gt;R&lt;/sub&gt; - Rahmenanteil (Anteil der Verglasung)&lt;br&gt;</translation>
    </message>
    <message>
        <source>z - shading value (percentage of transmitted radiation)&lt;br&gt;</source>
        <translation>z - Abminderungsfaktor des Sonnenschutzes (Anteil der durchgelassenen Strahlung)&lt;br&gt;</translation>
    </message>
    <message>
        <source>U-value - U-value of the complete window (glazing and frame)</source>
        <translation>U-Wert - U-Wert des gesamten Fensters (Verglasung und Rahmen)</translation>
    </message>
</context>
<context>
    <name>ReportModelTexts</name>
    <message>
        <source>schedule, %L1 to %2</source>
        <translation>Zeitplan, %L1 bis %2</translation>
    </message>
    <message>
        <source>Natural ventilation:</source>
        <translation>Natürliche Lüftung:</translation>
    </message>
    <message>
        <source>Air change rate by schedule</source>
        <translation>Luftwechsel nach Zeitplan</translation>
    </message>
    <message>
        <source>Air change rate:</source>
        <translation>Luftwechsel:</translation>
    </message>
    <message>
        <source>Window ventilation managed by room temperature</source>
        <translation>Fensterlüftung nach Raumtemperatur</translation>
    </message>
    <message>
        <source>Base air change rate:</source>
        <translation>Grundluftwechsel:</translation>
    </message>
    <message>
        <source>Raised air change rate:</source>
        <translation>Erhöhter Luftwechsel:</translation>
    </message>
    <message>
        <source>Raised above room temperature:</source>
        <translation>Erhöht ab Raumtemperatur:</translation>
    </message>
    <message>
        <source>Window ventilation by time of occupancy</source>
        <translation>Fensterlüftung nach Anwesenheitszeit</translation>
    </message>
    <message>
        <source>Base air change rate outside occupancy:</source>
        <translation>Grundluftwechsel außerhalb der Anwesenheit:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Mechanical ventilation:</source>
        <translation>Mechanische Lüftung:</translation>
    </message>
    <message>
        <source>Supply and exhaust air with heat recovery</source>
        <translation>Zu- und Abluft mit Wärmerückgewinnung</translation>
    </message>
    <message>
        <source>Air flow:</source>
        <translation>Luftvolumenstrom:</translation>
    </message>
    <message>
        <source>Heat recovery efficiency:</source>
        <translation>Wärmerückgewinnungsgrad:</translation>
    </message>
    <message>
        <source>Supply air cooling</source>
        <translation>Zuluftkühlung</translation>
    </message>
    <message>
        <source>Supply air temperature:</source>
        <translation>Zulufttemperatur:</translation>
    </message>
    <message>
        <source>Equipment:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>Occupancy:</source>
        <translation>Belegung:</translation>
    </message>
    <message>
        <source>persons</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>Heat gain per person:</source>
        <translation>Wärmeabgabe je Person:</translation>
    </message>
    <message>
        <source>Heating:</source>
        <translation>Heizung:</translation>
    </message>
    <message>
        <source>Ideal heating up to a maximum power</source>
        <translation>Ideale Heizung bis zu einer Höchstleistung</translation>
    </message>
    <message>
        <source>Room temperature setpoint for heating:</source>
        <translation>Raumtemperatur-Sollwert für die Heizung:</translation>
    </message>
    <message>
        <source>Maximum heating power:</source>
        <translation>Maximale Heizleistung:</translation>
    </message>
    <message>
        <source>Shading:</source>
        <translation>Verschattung:</translation>
    </message>
    <message>
        <source>always closed (shading value z of each window)</source>
        <translation>immer geschlossen (Abminderungsfaktor z des Fensters)</translation>
    </message>
    <message>
        <source>by schedule</source>
        <translation>nach Zeitplan</translation>
    </message>
    <message>
        <source>Shading degree:</source>
        <translation>Verschattungsgrad:</translation>
    </message>
    <message>
        <source>closed above a radiation on the window</source>
        <translation>geschlossen ab einer Einstrahlung auf das Fenster</translation>
    </message>
    <message>
        <source>Horizontal:</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>North:</source>
        <translation>Nord:</translation>
    </message>
    <message>
        <source>East:</source>
        <translation>Ost:</translation>
    </message>
    <message>
        <source>South:</source>
        <translation>Süd:</translation>
    </message>
    <message>
        <source>West:</source>
        <translation>West:</translation>
    </message>
    <message>
        <source>Cooling:</source>
        <translation>Kühlung:</translation>
    </message>
    <message>
        <source>Ideal cooling up to a maximum power</source>
        <translation>Ideale Kühlung bis zu einer Höchstleistung</translation>
    </message>
    <message>
        <source>Room temperature setpoint for cooling:</source>
        <translation>Raumtemperatur-Sollwert für die Kühlung:</translation>
    </message>
    <message>
        <source>Maximum cooling power:</source>
        <translation>Maximale Kühlleistung:</translation>
    </message>
    <message>
        <source>%L1 to %2 by the setpoint</source>
        <translation>%L1 bis %2 je nach Sollwert</translation>
    </message>
    <message>
        <source>Relative humidity setpoint for dehumidification:</source>
        <translation>Sollwert der relativen Feuchte für die Entfeuchtung:</translation>
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
        <source>Temperature chart</source>
        <translation>Temperaturdiagramm</translation>
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
        <source>Cannot write PDF file &apos;%1&apos;: %2.
See the log file &apos;%3&apos; for details.</source>
        <translation>PDF-Datei &apos;%1&apos; kann nicht geschrieben werden: %2.
Details stehen in der Protokolldatei &apos;%3&apos;.</translation>
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
    <message>
        <source>Print report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>The chosen pages lie past the last page of the report (page %1): nothing was printed.</source>
        <translation>Die gewählten Seiten liegen hinter der letzten Seite des Berichts (Seite %1): es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Error while printing report.
%1</source>
        <translation>Fehler beim Drucken des Berichts.
%1</translation>
    </message>
    <message>
        <source>Cannot print the report on printer &apos;%1&apos;. See the log file &apos;%2&apos; for details.</source>
        <translation>Der Bericht kann nicht auf dem Drucker &apos;%1&apos; gedruckt werden. Details stehen in der Protokolldatei &apos;%2&apos;.</translation>
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
        <translation>Sonnenschutzsteuerung</translation>
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
        <source>Select target directory</source>
        <translation>Zielverzeichnis wählen</translation>
    </message>
    <message>
        <source>The DIN 4108-2 assessment uses its own boundary conditions in place of the heating, cooling, ventilation, internal gains and moisture load pages: these pages are locked while it is chosen.</source>
        <translation>Der Nachweis nach DIN 4108-2 verwendet eigene Randbedingungen anstelle der Seiten Heizung, Kühlung, Lüftung, innere Lasten und Feuchtelasten: Diese Seiten sind gesperrt, solange er gewählt ist.</translation>
    </message>
    <message>
        <source>The DIN 4108-2 assessment runs with the climate files of its regions: the location &apos;%1&apos; is replaced by &apos;%2&apos;.</source>
        <translation>Der Nachweis nach DIN 4108-2 rechnet mit den Klimadateien seiner Regionen: Der Standort &apos;%1&apos; wird durch &apos;%2&apos; ersetzt.</translation>
    </message>
    <message>
        <source>The climate data for location/file &apos;%1&apos; cannot be found. The location &apos;%2&apos; replaces it.</source>
        <translation>Die Klimadaten für den Standort/die Datei &apos;%1&apos; wurden nicht gefunden. Der Standort &apos;%2&apos; ersetzt ihn.</translation>
    </message>
    <message>
        <source>The climate data file &apos;%1&apos; cannot be read: %2
The location &apos;%3&apos; replaces it.</source>
        <translation>Die Klimadatei &apos;%1&apos; kann nicht gelesen werden: %2
Der Standort &apos;%3&apos; ersetzt sie.</translation>
    </message>
    <message>
        <source>Missing climate data</source>
        <translation>Fehlende Klimadaten</translation>
    </message>
    <message>
        <source>Surface %1</source>
        <translation>Bauteil %1</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation>Die Datei &apos;%1&apos; existiert bereits. Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <source>Project file changed</source>
        <translation>Projektdatei geändert</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; was changed by another program or another Caldoryne window since it was loaded or saved here.
Overwrite it with this project?</source>
        <translation>Die Datei &apos;%1&apos; wurde seit dem Laden oder Speichern hier von einem anderen Programm oder einem anderen Caldoryne-Fenster geändert.
Soll sie mit diesem Projekt überschrieben werden?</translation>
    </message>
    <message>
        <source>Couldn&apos;t write project file &apos;%1&apos;:
%2

The file and its backup were left as they were.</source>
        <translation>Die Projektdatei &apos;%1&apos; konnte nicht geschrieben werden:
%2

Die Datei und ihre Sicherungskopie sind unverändert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save database to directory: %1
%2

The database files keep their old content.</source>
        <translation>Die Datenbank konnte nicht im Verzeichnis gespeichert werden: %1
%2

Die Datenbankdateien behalten ihren alten Inhalt.</translation>
    </message>
    <message>
        <source>Cancel keeps the window open, so that you can free space and close it again. Close anyway loses the database changes of this window.</source>
        <translation>Abbrechen lässt das Fenster offen, damit Sie Speicherplatz freigeben und es erneut schließen können. Trotzdem schließen verwirft die Datenbankänderungen dieses Fensters.</translation>
    </message>
    <message>
        <source>Items of the project differ from the database items of the same id and were added to the database as copies: %1</source>
        <translation>Elemente des Projekts weichen von den Datenbankelementen gleicher ID ab und wurden als Kopien in die Datenbank aufgenommen: %1</translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation>Trotzdem schließen</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>Solver error</source>
        <translation>Löserfehler</translation>
    </message>
    <message>
        <source>Ventilation above its limit</source>
        <translation>Lüftung über ihrer Grenze</translation>
    </message>
    <message>
        <source>Lower the enhanced day or night ventilation in the DIN 4108-2 settings to its limit and start the run again.</source>
        <translation>Setzen Sie die erhöhte Tag- oder Nachtlüftung in den Einstellungen nach DIN 4108-2 höchstens auf ihre Grenze und starten Sie die Berechnung erneut.</translation>
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
        <source>Write Error</source>
        <translation>Schreibfehler</translation>
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
    <message>
        <source>The data hold values below %L1, which are not accepted here.</source>
        <translation>Die Daten enthalten Werte unter %L1, die hier nicht angenommen werden.</translation>
    </message>
    <message>
        <source>The data hold values above %L1, which are not accepted here.</source>
        <translation>Die Daten enthalten Werte über %L1, die hier nicht angenommen werden.</translation>
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
    <name>ShadingControlModelInputWidget</name>
    <message>
        <source>Model Parameter</source>
        <translation>Modellparameter</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Maximum radiation intensity. Above this limit, shading is fully closed.</source>
        <translation>Maximale Strahlungsintensität. Oberhalb dieser Grenze ist der Sonnenschutz ganz geschlossen.</translation>
    </message>
    <message>
        <source>Horizontal [W/m2]:</source>
        <translation>Horizontal [W/m2]:</translation>
    </message>
    <message>
        <source>North [W/m2]:</source>
        <translation>Nord [W/m2]:</translation>
    </message>
    <message>
        <source>East [W/m2]:</source>
        <translation>Ost [W/m2]:</translation>
    </message>
    <message>
        <source>South [W/m2]:</source>
        <translation>Süd [W/m2]:</translation>
    </message>
    <message>
        <source>West [W/m2]:</source>
        <translation>West [W/m2]:</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Shading Control</source>
        <translation>Sonnenschutzsteuerung</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>A shading percentage, off = 0, on = 1.</source>
        <translation>Ein Verschattungsanteil, offen = 0, geschlossen = 1.</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstant</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Nach Zeitplan</translation>
    </message>
    <message>
        <source>Intensity-Controlled</source>
        <translation>Strahlungsgesteuert</translation>
    </message>
    <message>
        <source>Maximum radiation intensity on horizontal surface should be a value between 0..10000 [W/m2].</source>
        <translation>Die maximale Strahlungsintensität auf horizontalen Flächen sollte ein Wert zwischen 0..10000 [W/m2] sein.</translation>
    </message>
    <message>
        <source>Surfaces with inclination angle &lt; 45 degree are considered as horizontal surfaces.</source>
        <translation>Flächen mit einer Neigung unter 45 Grad gelten als horizontale Flächen.</translation>
    </message>
    <message>
        <source>Maximum radiation intensity on west surface should be a value between 0..10000 [W/m2].</source>
        <translation>Die maximale Strahlungsintensität auf Westflächen sollte ein Wert zwischen 0..10000 [W/m2] sein.</translation>
    </message>
    <message>
        <source>Maximum radiation intensity on south surface should be a value between 0..10000 [W/m2].</source>
        <translation>Die maximale Strahlungsintensität auf Südflächen sollte ein Wert zwischen 0..10000 [W/m2] sein.</translation>
    </message>
    <message>
        <source>Maximum radiation intensity on north surface should be a value between 0..10000 [W/m2].</source>
        <translation>Die maximale Strahlungsintensität auf Nordflächen sollte ein Wert zwischen 0..10000 [W/m2] sein.</translation>
    </message>
    <message>
        <source>Maximum radiation intensity on east surface should be a value between 0..10000 [W/m2].</source>
        <translation>Die maximale Strahlungsintensität auf Ostflächen sollte ein Wert zwischen 0..10000 [W/m2] sein.</translation>
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
    <message>
        <source>The shading factor must lie between 0 and 1.</source>
        <translation>Der Abminderungsfaktor muss zwischen 0 und 1 liegen.</translation>
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
    <name>SolverProgressDialog</name>
    <message>
        <source>Model export</source>
        <translation>Modellexport</translation>
    </message>
    <message>
        <source>Ending the solver...</source>
        <translation>Das Rechenprogramm wird beendet...</translation>
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
    <name>ThermalLoadsAnnualPlot</name>
    <message>
        <source>Total heat flux - room-side wall surface</source>
        <translation>Gesamtwärmestrom - raumseitige Wandoberfläche</translation>
    </message>
    <message>
        <source>Heat conduction flux through windows</source>
        <translation>Wärmeleitung durch Fenster</translation>
    </message>
    <message>
        <source>Solar gains through windows</source>
        <translation>Solare Gewinne durch Fenster</translation>
    </message>
    <message>
        <source>Mechanical ventilation</source>
        <translation>Mechanische Lüftung</translation>
    </message>
    <message>
        <source>Natural ventilation</source>
        <translation>Natürliche Lüftung</translation>
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
        <source>Internal gains (occupancy)</source>
        <translation>Innere Gewinne (Personen)</translation>
    </message>
    <message>
        <source>Internal gains (equipment)</source>
        <translation>Innere Gewinne (Geräte)</translation>
    </message>
    <message>
        <source>Enthalpy (moisture loads)</source>
        <translation>Enthalpie (Feuchtelasten)</translation>
    </message>
    <message>
        <source>Enthalpy (dehumidication)</source>
        <translation>Enthalpie (Entfeuchtung)</translation>
    </message>
    <message>
        <source>Annual Energy Balance</source>
        <translation>Jährliche Energiebilanz</translation>
    </message>
    <message>
        <source>Energy gains/losses [kWh/m&lt;sup&gt;2&lt;/sup&gt;]</source>
        <translation>Energiegewinne/-verluste [kWh/m&lt;sup&gt;2&lt;/sup&gt;]</translation>
    </message>
    <message>
        <source>Energy gains/losses [kWh]</source>
        <translation>Energiegewinne/-verluste [kWh]</translation>
    </message>
</context>
<context>
    <name>ThermalLoadsHourlyPlot</name>
    <message>
        <source>Total heat flux - room-side wall surface</source>
        <translation>Gesamtwärmestrom - raumseitige Wandoberfläche</translation>
    </message>
    <message>
        <source>Total heat flux - outer wall surface</source>
        <translation>Gesamtwärmestrom - äußere Wandoberfläche</translation>
    </message>
    <message>
        <source>Heat conduction flux through windows</source>
        <translation>Wärmeleitung durch Fenster</translation>
    </message>
    <message>
        <source>Solar gains through windows</source>
        <translation>Solare Gewinne durch Fenster</translation>
    </message>
    <message>
        <source>Mechanical ventilation</source>
        <translation>Mechanische Lüftung</translation>
    </message>
    <message>
        <source>Natural ventilation</source>
        <translation>Natürliche Lüftung</translation>
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
        <source>Energy used to cool supply air</source>
        <translation>Energie zur Kühlung der Zuluft</translation>
    </message>
    <message>
        <source>Internal gains (occupancy)</source>
        <translation>Innere Gewinne (Personen)</translation>
    </message>
    <message>
        <source>Internal gains (equipment)</source>
        <translation>Innere Gewinne (Geräte)</translation>
    </message>
    <message>
        <source>Energy used for dehumidification in cooling</source>
        <translation>Energie zur Entfeuchtung bei der Kühlung</translation>
    </message>
    <message>
        <source>Thermal Loads &lt;small&gt;(hourly samples, gains are positive, losses are negative)&lt;/small&gt;</source>
        <translation>Thermische Lasten &lt;small&gt;(Stundenwerte, Gewinne positiv, Verluste negativ)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Heat flow [W]</source>
        <translation>Wärmestrom [W]</translation>
    </message>
    <message>
        <source>Heat flow [W/m2]</source>
        <translation>Wärmestrom [W/m2]</translation>
    </message>
    <message>
        <source>[W/m2]</source>
        <translation>[W/m2]</translation>
    </message>
    <message>
        <source>[W]</source>
        <translation>[W]</translation>
    </message>
</context>
<context>
    <name>ThermalLoadsMonthlyPlot</name>
    <message>
        <source>Total heat flux - room-side wall surface</source>
        <translation>Gesamtwärmestrom - raumseitige Wandoberfläche</translation>
    </message>
    <message>
        <source>Total heat flux - outer wall surface</source>
        <translation>Gesamtwärmestrom - äußere Wandoberfläche</translation>
    </message>
    <message>
        <source>Heat conduction flux through windows</source>
        <translation>Wärmeleitung durch Fenster</translation>
    </message>
    <message>
        <source>Solar gains through windows</source>
        <translation>Solare Gewinne durch Fenster</translation>
    </message>
    <message>
        <source>Mechanical ventilation</source>
        <translation>Mechanische Lüftung</translation>
    </message>
    <message>
        <source>Natural ventilation</source>
        <translation>Natürliche Lüftung</translation>
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
        <source>Internal gains (occupancy)</source>
        <translation>Innere Gewinne (Personen)</translation>
    </message>
    <message>
        <source>Internal gains (equipment)</source>
        <translation>Innere Gewinne (Geräte)</translation>
    </message>
    <message>
        <source>Energy used to cool supply air</source>
        <translation>Energie zur Kühlung der Zuluft</translation>
    </message>
    <message>
        <source>Energy used for dehumidification in cooling</source>
        <translation>Energie zur Entfeuchtung bei der Kühlung</translation>
    </message>
    <message>
        <source>Monthly Energy Balance &lt;small&gt;(gains are positive, losses are negative)&lt;/small&gt;</source>
        <translation>Monatliche Energiebilanz &lt;small&gt;(Gewinne positiv, Verluste negativ)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Energy gains/losses [kWh/m&lt;sup&gt;2&lt;/sup&gt;]</source>
        <translation>Energiegewinne/-verluste [kWh/m&lt;sup&gt;2&lt;/sup&gt;]</translation>
    </message>
    <message>
        <source>Energy gains/losses [kWh]</source>
        <translation>Energiegewinne/-verluste [kWh]</translation>
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
    <name>UnkeptInput</name>
    <message>
        <source>Text not accepted</source>
        <translation>Text nicht angenommen</translation>
    </message>
    <message>
        <source>A field holds the text &apos;%1&apos;, which is not accepted.</source>
        <translation>Ein Feld enthält den Text &apos;%1&apos;, der nicht angenommen wird.</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; holds the text &apos;%2&apos;, which is not accepted.</source>
        <translation>Das Feld &apos;%1&apos; enthält den Text &apos;%2&apos;, der nicht angenommen wird.</translation>
    </message>
    <message>
        <source>Go back to the field, or go on with the value stored before?</source>
        <translation>Zurück zum Feld, oder mit dem bisher gespeicherten Wert weiter?</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>%1 in row %2</source>
        <translation>%1 in Zeile %2</translation>
    </message>
    <message>
        <source>%1 has no construction: Save leaves it out, with its area, orientation, window and shading.</source>
        <translation>%1 hat keine Konstruktion: Speichern lässt es weg, mit Fläche, Orientierung, Fenster und Verschattung.</translation>
    </message>
    <message>
        <source>The cell &apos;%1&apos; holds the text &apos;%2&apos;, which is not accepted.</source>
        <translation>Die Zelle &apos;%1&apos; enthält den Text &apos;%2&apos;, der nicht angenommen wird.</translation>
    </message>
    <message>
        <source>Surface left out</source>
        <translation>Bauteil weggelassen</translation>
    </message>
    <message>
        <source>Go back to the surface, or go on without it?</source>
        <translation>Zurück zum Bauteil, oder ohne es weiter?</translation>
    </message>
    <message>
        <source>Go back to the first of them, or go on with the values stored before?</source>
        <translation>Zurück zum ersten davon, oder mit den bisher gespeicherten Werten weiter?</translation>
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
    <name>UserNumberSpinBox</name>
    <message>
        <source>Enter a value of at least %L1.</source>
        <translation>Bitte einen Wert von mindestens %L1 eingeben.</translation>
    </message>
    <message>
        <source>Enter a value from %L1 to %L2.</source>
        <translation>Bitte einen Wert von %L1 bis %L2 eingeben.</translation>
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
    <message>
        <source>The U-value must be above 0.</source>
        <translation>Der U-Wert muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>The solar heat gain coefficient g must lie between 0 and 1.</source>
        <translation>Der Gesamtenergiedurchlassgrad g muss zwischen 0 und 1 liegen.</translation>
    </message>
    <message>
        <source>The glass fraction must lie between 0 and 1.</source>
        <translation>Der Glasanteil muss zwischen 0 und 1 liegen.</translation>
    </message>
    <message>
        <source>The angle-dependent SHGC needs at least two points with increasing angles.</source>
        <translation>Der winkelabhängige g-Wert braucht mindestens zwei Punkte mit steigenden Winkeln.</translation>
    </message>
    <message>
        <source>The relative SHGC at %L1 deg must lie between 0 and 1.</source>
        <translation>Der relative g-Wert bei %L1 Grad muss zwischen 0 und 1 liegen.</translation>
    </message>
    <message>
        <source>The relative SHGC at %L1 deg (%L2) is above the value at %L3 deg (%L4).</source>
        <translation>Der relative g-Wert bei %L1 Grad (%L2) liegt über dem Wert bei %L3 Grad (%L4).</translation>
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
    <message>
        <source>Relative values lie between 0 and 1.</source>
        <translation>Relative Werte liegen zwischen 0 und 1.</translation>
    </message>
    <message>
        <source>Angles increase strictly from 0 to 90 degrees; the first angle is 0, the last 90.</source>
        <translation>Die Winkel steigen streng von 0 bis 90 Grad an; der erste Winkel ist 0, der letzte 90.</translation>
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
