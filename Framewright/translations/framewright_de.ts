<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalculationView</name>
    <message>
        <source>Share calculation</source>
        <translation>Berechnung teilen</translation>
    </message>
    <message>
        <source>Delete calculation</source>
        <translation>Berechnung löschen</translation>
    </message>
</context>
<context>
    <name>DeleteAlert</name>
    <message>
        <source>There is no undo</source>
        <translation>Dies lässt sich nicht rückgängig machen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
</context>
<context>
    <name>FormatAttribute</name>
    <message>
        <source>Dropframe</source>
        <translation>Drop-Frame</translation>
    </message>
    <message>
        <source>Frame duration/s</source>
        <translation>Bilddauer/s</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Filmbreite</translation>
    </message>
    <message>
        <source>Frames per foot</source>
        <translation>Bilder pro Fuß</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>FormatName</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>1000ft rolls</source>
        <translation>1000-ft-Rollen</translation>
    </message>
    <message>
        <source>400ft rolls</source>
        <translation>400-ft-Rollen</translation>
    </message>
    <message>
        <source>100 ft rolls</source>
        <translation>100-ft-Rollen</translation>
    </message>
    <message>
        <source>Super 8mm</source>
        <translation>Super 8mm</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>DECIMAL</source>
        <translation>DEZIMAL</translation>
    </message>
</context>
<context>
    <name>HistoryTopBar</name>
    <message>
        <source>Collapse history</source>
        <translation>Verlauf einklappen</translation>
    </message>
    <message>
        <source>Expand history</source>
        <translation>Verlauf ausklappen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Share history</source>
        <translation>Verlauf teilen</translation>
    </message>
    <message>
        <source>Delete all history</source>
        <translation>Gesamten Verlauf löschen</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Are you sure you want to delete this item?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all history items?</source>
        <translation>Möchten Sie wirklich alle Einträge des Verlaufs löschen?</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Calculation.txt</source>
        <translation>Berechnung.txt</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Save History...</source>
        <translation>Verlauf sichern...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Verlauf sichern</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Paste Column</source>
        <translation>Spalte einfügen</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
</context>
<context>
    <name>NoEntriesView</name>
    <message>
        <source>No entries</source>
        <translation>Keine Einträge</translation>
    </message>
</context>
<context>
    <name>PasteAlert</name>
    <message>
        <source>The column was not pasted</source>
        <translation>Die Spalte wurde nicht eingefügt</translation>
    </message>
    <message>
        <source>Line %1 is not a value in the primary format:</source>
        <translation>Zeile %1 ist kein Wert im primären Format:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PrimaryDisplayValue</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>primary, Error</source>
        <translation>primär, Fehler</translation>
    </message>
</context>
<context>
    <name>SavePanel</name>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Footage unit</source>
        <translation>Längeneinheit</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
</context>
<context>
    <name>SharePicker</name>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Als Text sichern…</translation>
    </message>
    <message>
        <source>Email…</source>
        <translation>E-Mail…</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Als Text sichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
</context>
<context>
    <name>SpokenForm</name>
    <message>
        <source>%1 drop frame</source>
        <translation>%1 Drop-Frame</translation>
    </message>
    <message>
        <source>%1 non drop frame</source>
        <translation>%1 Non-Drop-Frame</translation>
    </message>
    <message>
        <source>%1 pull down</source>
        <translation>%1 Pull-down</translation>
    </message>
    <message>
        <source>%1 millimetre</source>
        <translation>%1 Millimeter</translation>
    </message>
    <message>
        <source>%1 foot rolls</source>
        <translation>%1-Fuß-Rollen</translation>
    </message>
    <message>
        <source>%1 foot</source>
        <translation>%1 Fuß</translation>
    </message>
    <message>
        <source>%1 perf</source>
        <translation>%1 Perforationen</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>feet and frames</source>
        <translation>Fuß und Frames</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>dezimal</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>null</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>double zero</source>
        <translation>Doppelnull</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>alles löschen</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>timecode divide</source>
        <translation>durch Timecode teilen</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>unknown operation</source>
        <translation>unbekannte Rechenart</translation>
    </message>
    <message>
        <source>%1 frames per second</source>
        <translation>%1 Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>primär</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
</context>
<context>
    <name>framewright::PersistenceController</name>
    <message>
        <source>the folder for %1 cannot be made, because a file stands in its path</source>
        <translation>der Ordner für %1 kann nicht angelegt werden, weil eine Datei im Weg steht</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>you do not have permission to write %1</source>
        <translation>Sie dürfen %1 nicht schreiben</translation>
    </message>
    <message>
        <source>the disk holding %1 is full</source>
        <translation>der Datenträger mit %1 ist voll</translation>
    </message>
    <message>
        <source>the disk reported an error writing %1</source>
        <translation>der Datenträger meldete einen Fehler beim Schreiben von %1</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 kann nicht verwendet werden (%2)</translation>
    </message>
    <message>
        <source>History can&apos;t be saved: %1. This session&apos;s calculations are kept until you quit.</source>
        <translation>Der Verlauf kann nicht gesichert werden: %1. Die Berechnungen dieser Sitzung bleiben bis zum Beenden erhalten.</translation>
    </message>
</context>
</TS>
