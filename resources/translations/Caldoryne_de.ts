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
        <source>Page %1</source>
        <translation>Seite %1</translation>
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
</context>
<context>
    <name>SCI::ChartProperties</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
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
