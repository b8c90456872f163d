<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Einträge</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>R&amp;ange</source>
        <translation>&amp;Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>R&amp;eports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Makro</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Default Data Folder</source>
        <translation>&amp;Standard-Datenordner</translation>
    </message>
    <message>
        <source>Alternate Data Folder &amp;1</source>
        <translation>Alternativer Datenordner &amp;1</translation>
    </message>
    <message>
        <source>Alternate Data Folder &amp;2</source>
        <translation>Alternativer Datenordner &amp;2</translation>
    </message>
    <message>
        <source>Se&amp;lect Data Folder...</source>
        <translation>Datenordner &amp;wählen...</translation>
    </message>
    <message>
        <source>S&amp;ort Data</source>
        <translation>Daten s&amp;ortieren</translation>
    </message>
    <message>
        <source>&amp;Create Internal Backup File</source>
        <translation>Interne Sicherungsdatei &amp;anlegen</translation>
    </message>
    <message>
        <source>&amp;Restore Internal Backup File</source>
        <translation>Interne Sicherungsdatei &amp;zurückholen</translation>
    </message>
    <message>
        <source>Comma-Delimited or CSV &amp;Import</source>
        <translation>&amp;Import (kommagetrennt oder CSV)</translation>
    </message>
    <message>
        <source>Import Ban&amp;k File...</source>
        <translation>&amp;Bankdatei importieren...</translation>
    </message>
    <message>
        <source>Data &amp;Backup (complete)</source>
        <translation>Datensicherung (&amp;vollständig)</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Bee&amp;nden</translation>
    </message>
    <message>
        <source>&amp;New Entry</source>
        <translation>&amp;Neuer Eintrag</translation>
    </message>
    <message>
        <source>&amp;Edit Entry</source>
        <translation>Eintrag &amp;bearbeiten</translation>
    </message>
    <message>
        <source>De&amp;lete Entry</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Purge Deleted Records</source>
        <translation>Gelöschte Einträge &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Restore Deleted Records</source>
        <translation>Gelöschte Einträge &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Wieder&amp;holen</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;Edit Category</source>
        <translation>Kategorie &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Default Range</source>
        <translation>&amp;Standardzeitraum</translation>
    </message>
    <message>
        <source>Current &amp;Fiscal Year</source>
        <translation>Aktuelles &amp;Geschäftsjahr</translation>
    </message>
    <message>
        <source>&amp;Previous Fiscal Year</source>
        <translation>&amp;Voriges Geschäftsjahr</translation>
    </message>
    <message>
        <source>&amp;Next Fiscal Year</source>
        <translation>&amp;Nächstes Geschäftsjahr</translation>
    </message>
    <message>
        <source>&amp;Select Dates</source>
        <translation>&amp;Daten wählen</translation>
    </message>
    <message>
        <source>30 D&amp;ays</source>
        <translation>30 &amp;Tage</translation>
    </message>
    <message>
        <source>&amp;60 Days</source>
        <translation>&amp;60 Tage</translation>
    </message>
    <message>
        <source>&amp;90 Days</source>
        <translation>&amp;90 Tage</translation>
    </message>
    <message>
        <source>1&amp;80 days</source>
        <translation>1&amp;80 Tage</translation>
    </message>
    <message>
        <source>&amp;1 Year</source>
        <translation>&amp;1 Jahr</translation>
    </message>
    <message>
        <source>&amp;2 Years</source>
        <translation>&amp;2 Jahre</translation>
    </message>
    <message>
        <source>&amp;3 Years</source>
        <translation>&amp;3 Jahre</translation>
    </message>
    <message>
        <source>&amp;4 Years</source>
        <translation>&amp;4 Jahre</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 Jahre</translation>
    </message>
    <message>
        <source>&amp;Word Fragment</source>
        <translation>&amp;Wortteil</translation>
    </message>
    <message>
        <source>&amp;Complete Word</source>
        <translation>&amp;Ganzes Wort</translation>
    </message>
    <message>
        <source>User-defined field #&amp;1</source>
        <translation>Benutzerfeld Nr. &amp;1</translation>
    </message>
    <message>
        <source>User-defined field #&amp;2</source>
        <translation>Benutzerfeld Nr. &amp;2</translation>
    </message>
    <message>
        <source>Show &amp;All Categories</source>
        <translation>&amp;Alle Kategorien zeigen</translation>
    </message>
    <message>
        <source>Next Column &amp;Order</source>
        <translation>Nächste &amp;Spaltenfolge</translation>
    </message>
    <message>
        <source>C&amp;harts of this List</source>
        <translation>&amp;Diagramme dieser Liste</translation>
    </message>
    <message>
        <source>&amp;New Report</source>
        <translation>&amp;Neuer Bericht</translation>
    </message>
    <message>
        <source>&amp;Quit Reports</source>
        <translation>Berichte &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Summary Report - Narrow Format</source>
        <translation>&amp;Übersicht - schmales Format</translation>
    </message>
    <message>
        <source>&amp;Full Report - Narrow Format (no User Fields)</source>
        <translation>&amp;Vollständiger Bericht - schmales Format (ohne Benutzerfelder)</translation>
    </message>
    <message>
        <source>Su&amp;mmary Report - Wide Format</source>
        <translation>Übersicht - b&amp;reites Format</translation>
    </message>
    <message>
        <source>Full Report - &amp;Wide Format (w/ User Fields)</source>
        <translation>Vollständiger Bericht - breites Format (&amp;mit Benutzerfeldern)</translation>
    </message>
    <message>
        <source>&amp;Return to List</source>
        <translation>&amp;Zurück zur Liste</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>Bericht dr&amp;ucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
    <message>
        <source>&amp;Edit Report With Word Processor</source>
        <translation>Bericht im &amp;Textprogramm bearbeiten</translation>
    </message>
    <message>
        <source>Write Report to &amp;Text File</source>
        <translation>Bericht in Te&amp;xtdatei schreiben</translation>
    </message>
    <message>
        <source>E&amp;xport Full Report Data to .txt or .csv format</source>
        <translation>Daten des vollständigen Berichts ex&amp;portieren (.txt oder .csv)</translation>
    </message>
    <message>
        <source>Export Summ&amp;ary Report Data to .txt or .csv Format</source>
        <translation>Daten der Übersicht export&amp;ieren (.txt oder .csv)</translation>
    </message>
    <message>
        <source>&amp;Play a Macro</source>
        <translation>Makro &amp;abspielen</translation>
    </message>
    <message>
        <source>&amp;Create / Edit Macro</source>
        <translation>Makro a&amp;nlegen / bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Quit Macro Edit</source>
        <translation>Makrobearbeitung &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Notes for this Fiscal Year</source>
        <translation>&amp;Notizen zu diesem Geschäftsjahr</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <source>Play A &amp;Game</source>
        <translation>Ein &amp;Spiel spielen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Visit Brindlefold on the Web</source>
        <translation>Brindlefold im &amp;Web besuchen</translation>
    </message>
    <message>
        <source>Turn o&amp;ff &quot;Tool Tips&quot;</source>
        <translation>&amp;Tooltips ausschalten</translation>
    </message>
    <message>
        <source>Turn o&amp;n &quot;Tool Tips&quot;</source>
        <translation>T&amp;ooltips einschalten</translation>
    </message>
    <message>
        <source>Comin&amp;g Due...</source>
        <translation>&amp;Fällige Buchungen...</translation>
    </message>
    <message>
        <source>Fo&amp;recast...</source>
        <translation>Vo&amp;rschau...</translation>
    </message>
    <message>
        <source>Toggle &amp;Cleared</source>
        <translation>Ab&amp;geglichen ein/aus</translation>
    </message>
    <message>
        <source>Rec&amp;oncile...</source>
        <translation>&amp;Kontoabstimmung...</translation>
    </message>
    <message>
        <source>B&amp;udget...</source>
        <translation>Bud&amp;get...</translation>
    </message>
    <message>
        <source>Budget of this Ran&amp;ge</source>
        <translation>Budget dieses Zeitr&amp;aums</translation>
    </message>
    <message>
        <source>&amp;About Quillbank</source>
        <translation>Ü&amp;ber Quillbank</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>New &lt;F2&gt;</source>
        <translation>Neu &lt;F2&gt;</translation>
    </message>
    <message>
        <source>Create a new income or expense record</source>
        <translation>Einen neuen Einnahmen- oder Ausgabeneintrag anlegen</translation>
    </message>
    <message>
        <source>Macro &lt;F3&gt;</source>
        <translation>Makro &lt;F3&gt;</translation>
    </message>
    <message>
        <source>Play back a previously recorded macro file</source>
        <translation>Eine zuvor aufgezeichnete Makrodatei abspielen</translation>
    </message>
    <message>
        <source>Notes &lt;F4&gt;</source>
        <translation>Notizen &lt;F4&gt;</translation>
    </message>
    <message>
        <source>Open the notes file of this fiscal year</source>
        <translation>Die Notizdatei dieses Geschäftsjahres öffnen</translation>
    </message>
    <message>
        <source>Search &lt;F5&gt;</source>
        <translation>Suchen &lt;F5&gt;</translation>
    </message>
    <message>
        <source>Search for a word</source>
        <translation>Nach einem Wort suchen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Start a new report</source>
        <translation>Einen neuen Bericht beginnen</translation>
    </message>
    <message>
        <source>Web &lt;F7&gt;</source>
        <translation>Web &lt;F7&gt;</translation>
    </message>
    <message>
        <source>Visit Brindlefold on the Web</source>
        <translation>Brindlefold im Web besuchen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Show the help contents</source>
        <translation>Den Inhalt der Hilfe zeigen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Clear the list - start on new report</source>
        <translation>Die Liste leeren - einen neuen Bericht beginnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Quit reports</source>
        <translation>Berichte beenden</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Summary report - totals and graph only</source>
        <translation>Übersicht - nur Summen und Grafik</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>Full report, including line items</source>
        <translation>Vollständiger Bericht mit allen Einträgen</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Return to list to add / remove items</source>
        <translation>Zur Liste zurück, um Posten hinzuzufügen oder zu entfernen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Send currently displayed report to printer</source>
        <translation>Den angezeigten Bericht drucken</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit report in your word processor program</source>
        <translation>Den Bericht im Textprogramm bearbeiten</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Save report to a text file</source>
        <translation>Den Bericht in einer Textdatei speichern</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export report data to comma-delimited text.</source>
        <translation>Die Daten des Berichts als kommagetrennten Text exportieren.</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Charts of the report list</source>
        <translation>Diagramme der Berichtsliste</translation>
    </message>
</context>
</TS>
