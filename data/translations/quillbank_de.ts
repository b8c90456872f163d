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
<!-- generated below -->
<context>
    <name>qbk::BudgetWindow</name>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Fiscal year</source>
        <translation>Geschäftsjahr</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Fiscal &amp;year beginning in</source>
        <translation>Geschäfts&amp;jahr beginnend</translation>
    </message>
    <message>
        <source>Type an amount a month, or one in "Every month" for all twelve; money out with a minus sign (-400).</source>
        <translation>Einen Betrag je Monat eingeben oder einen unter „Jeden Monat“ für alle zwölf; Ausgaben mit Minuszeichen (-400).</translation>
    </message>
    <message>
        <source>Budget per category and month</source>
        <translation>Budget je Kategorie und Monat</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>Budget against actual</source>
        <translation>Budget und Ist</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Text File...</source>
        <translation>&amp;Textdatei...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>&amp;Budget</translation>
    </message>
    <message>
        <source>Budget and actual by category</source>
        <translation>Budget und Ist je Kategorie</translation>
    </message>
    <message>
        <source>Budget and actual month by month</source>
        <translation>Budget und Ist Monat für Monat</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Ist</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verbraucht</translation>
    </message>
    <message>
        <source>Money that went OUT</source>
        <translation>Geld, das HINAUSGING</translation>
    </message>
    <message>
        <source>Total Expense</source>
        <translation>Ausgaben gesamt</translation>
    </message>
    <message>
        <source>Money that came IN</source>
        <translation>Geld, das HEREINKAM</translation>
    </message>
    <message>
        <source>Total Income</source>
        <translation>Einnahmen gesamt</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>Expense budget</source>
        <translation>Ausgabenbudget</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Income budget</source>
        <translation>Einnahmenbudget</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
</context>
<context>
    <name>qbk::CategoryFrameCommands</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Category code - up to ten characters</source>
        <translation>Kategoriekürzel – bis zu zehn Zeichen</translation>
    </message>
    <message>
        <source>Category name - up to 20 characters</source>
        <translation>Kategoriename – bis zu 20 Zeichen</translation>
    </message>
    <message>
        <source>Category description - up to 500 characters</source>
        <translation>Beschreibung der Kategorie – bis zu 500 Zeichen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>Save new category</source>
        <translation>Neue Kategorie speichern</translation>
    </message>
    <message>
        <source>Re&amp;place</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replace category with new name and/or code</source>
        <translation>Kategorie mit neuem Namen und/oder Kürzel ersetzen</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete this category</source>
        <translation>Diese Kategorie löschen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Quit category edit - no changes</source>
        <translation>Bearbeitung der Kategorie beenden – keine Änderungen</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>qbk::CategoryGridModel</name>
    <message>
        <source>Code</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>qbk::ChartWindow</name>
    <message>
        <source>Charts - </source>
        <translation>Diagramme – </translation>
    </message>
    <message>
        <source>Money out</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Money in</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Pi&amp;e chart</source>
        <translation>Kr&amp;eisdiagramm</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Anzei&amp;gen:</translation>
    </message>
    <message>
        <source>Click a category to list its entries.</source>
        <translation>Eine Kategorie anklicken, um ihre Einträge aufzulisten.</translation>
    </message>
    <message>
        <source>By &amp;Category</source>
        <translation>Nach &amp;Kategorie</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>Sa&amp;ldo</translation>
    </message>
    <message>
        <source>Balance &amp;Ahead</source>
        <translation>Saldo-&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG, SVG or PDF file</source>
        <translation>Das gezeigte Diagramm als PNG-, SVG- oder PDF-Datei speichern</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>Copy the chart shown to the clipboard</source>
        <translation>Das gezeigte Diagramm in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print the chart shown</source>
        <translation>Das gezeigte Diagramm drucken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the charts</source>
        <translation>Die Diagramme schließen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Week by Week</source>
        <translation>Woche für Woche</translation>
    </message>
    <message>
        <source>Month by Month</source>
        <translation>Monat für Monat</translation>
    </message>
    <message>
        <source>Year by Year</source>
        <translation>Jahr für Jahr</translation>
    </message>
    <message>
        <source>Money out by category</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Money in by category</source>
        <translation>Einnahmen nach Kategorie</translation>
    </message>
    <message>
        <source>%1: %2 (%3 % of %4)</source>
        <translation>%1: %2 (%3 % der %4)</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Below zero</source>
        <translation>Unter null</translation>
    </message>
    <message>
        <source>Balance Ahead</source>
        <translation>Saldo-Vorschau</translation>
    </message>
    <message>
        <source>Lowest balance</source>
        <translation>Niedrigster Saldo</translation>
    </message>
</context>
<context>
    <name>qbk::ComingDueDialog</name>
    <message>
        <source>Coming Due</source>
        <translation>Fällige Buchungen</translation>
    </message>
    <message>
        <source>These scheduled entries are due and not yet posted. The checked ones are posted, each on its own date, as one change.</source>
        <translation>Diese geplanten Einträge sind fällig und noch nicht gebucht. Die markierten werden gebucht, jeder zu seinem Datum, in einem Schritt.</translation>
    </message>
    <message>
        <source>Entries due</source>
        <translation>Fällige Einträge</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Post &amp;due entries without asking</source>
        <translation>Fällige Einträge ohne &amp;Nachfrage buchen</translation>
    </message>
    <message>
        <source>&amp;Post Checked</source>
        <translation>Markierte &amp;buchen</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>qbk::DateSelector</name>
    <message>
        <source>Latest date</source>
        <translation>Spätestes Datum</translation>
    </message>
    <message>
        <source>The date - type it or pick it (Alt+Down)</source>
        <translation>Das Datum – eintippen oder auswählen (Alt+Unten)</translation>
    </message>
    <message>
        <source>The latest date - type it or pick it (Alt+Down)</source>
        <translation>Das späteste Datum – eintippen oder auswählen (Alt+Unten)</translation>
    </message>
    <message>
        <source>Change date - 365 days lower</source>
        <translation>Datum ändern – 365 Tage früher</translation>
    </message>
    <message>
        <source>Change date - 30 days lower</source>
        <translation>Datum ändern – 30 Tage früher</translation>
    </message>
    <message>
        <source>Change date - one day lower</source>
        <translation>Datum ändern – einen Tag früher</translation>
    </message>
    <message>
        <source>Change date - make today</source>
        <translation>Datum ändern – auf heute setzen</translation>
    </message>
    <message>
        <source>Change date - one day higher</source>
        <translation>Datum ändern – einen Tag später</translation>
    </message>
    <message>
        <source>Change date - 30 days higher</source>
        <translation>Datum ändern – 30 Tage später</translation>
    </message>
    <message>
        <source>Change date - 365 days higher</source>
        <translation>Datum ändern – 365 Tage später</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to accept date shown</source>
        <translation>Klicken, um das angezeigte Datum zu übernehmen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Quit date selector</source>
        <translation>Datumsauswahl beenden</translation>
    </message>
    <message>
        <source>Earliest date</source>
        <translation>Frühestes Datum</translation>
    </message>
    <message>
        <source>Date Selected &gt;&gt;&gt;</source>
        <translation>Gewähltes Datum &gt;&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>qbk::EntryForm</name>
    <message>
        <source>Single or list of user-defined item(s). See Settings!</source>
        <translation>Einzelner Wert oder Liste eigener Einträge. Siehe Einstellungen!</translation>
    </message>
    <message>
        <source>Change date - 30 days lower</source>
        <translation>Datum ändern – 30 Tage früher</translation>
    </message>
    <message>
        <source>Change date - one day lower</source>
        <translation>Datum ändern – einen Tag früher</translation>
    </message>
    <message>
        <source>Change date - one day higher</source>
        <translation>Datum ändern – einen Tag später</translation>
    </message>
    <message>
        <source>Change date - 30 days higher</source>
        <translation>Datum ändern – 30 Tage später</translation>
    </message>
    <message>
        <source>Date of the entry - type it or pick it (Alt+Down)</source>
        <translation>Datum des Eintrags – eintippen oder auswählen (Alt+Unten)</translation>
    </message>
    <message>
        <source>Change date - make today</source>
        <translation>Datum ändern – auf heute setzen</translation>
    </message>
    <message>
        <source>Amo&amp;unt</source>
        <translation>Be&amp;trag</translation>
    </message>
    <message>
        <source>Amount of income or expense</source>
        <translation>Betrag der Einnahme oder Ausgabe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Category code - click list on right to change</source>
        <translation>Kategoriekürzel – zum Ändern rechts in der Liste klicken</translation>
    </message>
    <message>
        <source>Category name - click list on right to change</source>
        <translation>Kategoriename – zum Ändern rechts in der Liste klicken</translation>
    </message>
    <message>
        <source>Category code</source>
        <translation>Kategoriekürzel</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type a short note here - up to 60 characters</source>
        <translation>Hier eine kurze Notiz eingeben – bis zu 60 Zeichen</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>Not&amp;iz</translation>
    </message>
    <message>
        <source>Remove item from pick list</source>
        <translation>Wert aus der Auswahlliste entfernen</translation>
    </message>
    <message>
        <source>Remove item from pick list of user field 1</source>
        <translation>Wert aus der Auswahlliste von Benutzerfeld 1 entfernen</translation>
    </message>
    <message>
        <source>Remove item from pick list of user field 2</source>
        <translation>Wert aus der Auswahlliste von Benutzerfeld 2 entfernen</translation>
    </message>
    <message>
        <source>New &amp;Income</source>
        <translation>Neue Einn&amp;ahme</translation>
    </message>
    <message>
        <source>Save new income record</source>
        <translation>Neue Einnahme speichern</translation>
    </message>
    <message>
        <source>New Ex&amp;pense</source>
        <translation>Neue A&amp;usgabe</translation>
    </message>
    <message>
        <source>Save new expense record</source>
        <translation>Neue Ausgabe speichern</translation>
    </message>
    <message>
        <source>Replace Inc&amp;ome</source>
        <translation>Einnahme e&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replace this record - save as income</source>
        <translation>Diesen Eintrag ersetzen – als Einnahme speichern</translation>
    </message>
    <message>
        <source>Replace E&amp;xpense</source>
        <translation>Aus&amp;gabe ersetzen</translation>
    </message>
    <message>
        <source>Replace this record - save as expense</source>
        <translation>Diesen Eintrag ersetzen – als Ausgabe speichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete record (CTRL-DEL)</source>
        <translation>Eintrag löschen (Strg+Entf)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Quit record edit - no changes (ESC)</source>
        <translation>Bearbeitung beenden – keine Änderungen (Esc)</translation>
    </message>
</context>
<context>
    <name>qbk::HelpWindow</name>
    <message>
        <source>Quillbank 3 Help</source>
        <translation>Quillbank 3 – Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
</context>
<context>
    <name>qbk::ImportPreviewModel</name>
    <message>
        <source>in the book</source>
        <translation>im Buch</translation>
    </message>
    <message>
        <source>listed twice in the file</source>
        <translation>zweimal in der Datei</translation>
    </message>
    <message>
        <source>id reused with another date or amount: not a duplicate</source>
        <translation>Kennung mit anderem Datum oder Betrag wiederverwendet: kein Duplikat</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikat</translation>
    </message>
</context>
<context>
    <name>qbk::MainGridModel</name>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Cleared: the bank has this entry</source>
        <translation>Abgeglichen: Die Bank hat diesen Eintrag</translation>
    </message>
    <message>
        <source>Reconciled: agreed with a bank statement</source>
        <translation>Abgestimmt: stimmt mit einem Kontoauszug überein</translation>
    </message>
    <message>
        <source>Not cleared: the bank has not shown this entry yet</source>
        <translation>Nicht abgeglichen: Die Bank hat diesen Eintrag noch nicht gezeigt</translation>
    </message>
    <message>
        <source>Planned: the schedules will make this entry</source>
        <translation>Geplant: Die Terminbuchungen legen diesen Eintrag an</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Cleared: c the bank has the entry, R reconciled</source>
        <translation>Abgeglichen: c die Bank hat den Eintrag, R abgestimmt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>qbk::PayeeRulesDialog</name>
    <message>
        <source>Payee Rules</source>
        <translation>Empfängerregeln</translation>
    </message>
    <message>
        <source>A statement line whose payee or memo contains the text on the left goes to the category on the right (capitals do not matter; the longest text that matches wins).</source>
        <translation>Eine Auszugszeile, deren Empfänger oder Verwendungszweck den Text links enthält, geht in die Kategorie rechts (Groß- und Kleinschreibung zählen nicht; der längste passende Text gewinnt).</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Eine Regel hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the selected rules</source>
        <translation>Die gewählten Regeln löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep these rules</source>
        <translation>Diese Regeln behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Leave the rules as they were</source>
        <translation>Die Regeln lassen, wie sie waren</translation>
    </message>
    <message>
        <source>Payee or memo contains</source>
        <translation>Empfänger oder Verwendungszweck enthält</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>qbk::QBK3Config</name>
    <message>
        <source>Save List Items?</source>
        <translation>Listenwerte speichern?</translation>
    </message>
    <message>
        <source>Check to save each item entered in this field</source>
        <translation>Ankreuzen, um jeden in diesem Feld eingegebenen Wert zu speichern</translation>
    </message>
    <message>
        <source>Quillbank Configuration Settings</source>
        <translation>Quillbank – Einstellungen</translation>
    </message>
    <message>
        <source>FY Starts &amp;Month ?</source>
        <translation>Geschäftsjahr beginnt im &amp;Monat?</translation>
    </message>
    <message>
        <source>First month of your fiscal year</source>
        <translation>Erster Monat Ihres Geschäftsjahres</translation>
    </message>
    <message>
        <source>FY Starts &amp;Day?</source>
        <translation>am &amp;Tag?</translation>
    </message>
    <message>
        <source>First day of your fiscal year</source>
        <translation>Erster Tag Ihres Geschäftsjahres</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Start-up password - Max 10 characters</source>
        <translation>Passwort beim Start – höchstens 10 Zeichen</translation>
    </message>
    <message>
        <source>Sho&amp;w</source>
        <translation>Anzei&amp;gen</translation>
    </message>
    <message>
        <source>Show the password as typed</source>
        <translation>Das Passwort wie eingegeben anzeigen</translation>
    </message>
    <message>
        <source>&amp;Owner Name</source>
        <translation>Name des &amp;Inhabers</translation>
    </message>
    <message>
        <source>Your name, as the report headings show it - Max 40 characters</source>
        <translation>Ihr Name, wie ihn die Berichtsköpfe zeigen – höchstens 40 Zeichen</translation>
    </message>
    <message>
        <source>Name For User Field &amp;1</source>
        <translation>Name für Benutzerfeld &amp;1</translation>
    </message>
    <message>
        <source>Name for user-defined field #1 - Max 10 characters</source>
        <translation>Name des Benutzerfelds Nr. 1 – höchstens 10 Zeichen</translation>
    </message>
    <message>
        <source>Name For User Field &amp;2</source>
        <translation>Name für Benutzerfeld &amp;2</translation>
    </message>
    <message>
        <source>Name for user-defined field #2 - Max 10 characters</source>
        <translation>Name des Benutzerfelds Nr. 2 – höchstens 10 Zeichen</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>Leave blank to use Wordpad or Word</source>
        <translation>Leer lassen für das Standardprogramm für Dokumente</translation>
    </message>
    <message>
        <source>&amp;Alt. Folder 1</source>
        <translation>&amp;Alt. Ordner 1</translation>
    </message>
    <message>
        <source>Alt. &amp;Folder 2</source>
        <translation>Alt. &amp;Ordner 2</translation>
    </message>
    <message>
        <source>Use Current</source>
        <translation>Aktuellen nehmen</translation>
    </message>
    <message>
        <source>Make the CURRENT folder Alternate 1</source>
        <translation>Den AKTUELLEN Ordner zum alternativen Ordner 1 machen</translation>
    </message>
    <message>
        <source>Make the CURRENT folder Alternate 2</source>
        <translation>Den AKTUELLEN Ordner zum alternativen Ordner 2 machen</translation>
    </message>
    <message>
        <source>Save List Items? (User Field 1)</source>
        <translation>Listenwerte speichern? (Benutzerfeld 1)</translation>
    </message>
    <message>
        <source>Save List Items? (User Field 2)</source>
        <translation>Listenwerte speichern? (Benutzerfeld 2)</translation>
    </message>
    <message>
        <source>Use Current (Alt. Folder 1)</source>
        <translation>Aktuellen nehmen (alt. Ordner 1)</translation>
    </message>
    <message>
        <source>Use Current (Alt. Folder 2)</source>
        <translation>Aktuellen nehmen (alt. Ordner 2)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Quit Settings - save any changes</source>
        <translation>Einstellungen schließen – Änderungen speichern</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Quit Settings without saving any changes</source>
        <translation>Einstellungen schließen, ohne Änderungen zu speichern</translation>
    </message>
    <message>
        <source>At Start &amp;Up Display...</source>
        <translation>Beim Start &amp;zeigen...</translation>
    </message>
    <message>
        <source>Translated report &amp;captions</source>
        <translation>Berichtstitel übe&amp;rsetzen</translation>
    </message>
    <message>
        <source>Reports show their captions in the language of the window; unchecked they stay English</source>
        <translation>Berichte zeigen ihre Überschriften in der Sprache des Fensters; ohne Haken bleiben sie englisch</translation>
    </message>
    <message>
        <source>Save path to alternate data folder</source>
        <translation>Pfad des alternativen Datenordners speichern</translation>
    </message>
    <message>
        <source>Full Fiscal Year</source>
        <translation>Ganzes Geschäftsjahr</translation>
    </message>
    <message>
        <source>Past 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Past 60 Days</source>
        <translation>Letzte 60 Tage</translation>
    </message>
    <message>
        <source>Past 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Past 180 Days</source>
        <translation>Letzte 180 Tage</translation>
    </message>
    <message>
        <source>Past 1 Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Past 2 Years</source>
        <translation>Letzte 2 Jahre</translation>
    </message>
    <message>
        <source>Past 3 Years</source>
        <translation>Letzte 3 Jahre</translation>
    </message>
    <message>
        <source>Past 4 Years</source>
        <translation>Letzte 4 Jahre</translation>
    </message>
    <message>
        <source>Past 5 Years</source>
        <translation>Letzte 5 Jahre</translation>
    </message>
</context>
<context>
    <name>qbk::QBKGame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation>Letztes Ergebnis:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Bestes Ergebnis:</translation>
    </message>
</context>
<context>
    <name>qbk::QBK_3_Main</name>
    <message>
        <source>Cleared balance %1</source>
        <translation>Abgeglichener Saldo %1</translation>
    </message>
    <message>
        <source>%1 was already listed.</source>
        <translation>%1 war bereits aufgeführt.</translation>
    </message>
    <message>
        <source>%1 were already listed.</source>
        <translation>%1 waren bereits aufgeführt.</translation>
    </message>
    <message>
        <source>Double-click any line item to edit</source>
        <translation>Doppelklick auf eine Zeile, um sie zu bearbeiten</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>All Categories &lt;F8&gt;</source>
        <translation>Alle Kategorien &lt;F8&gt;</translation>
    </message>
    <message>
        <source>Click to display all categories</source>
        <translation>Klicken, um alle Kategorien anzuzeigen</translation>
    </message>
    <message>
        <source>Double-click any category to narrow your view</source>
        <translation>Doppelklick auf eine Kategorie, um die Ansicht einzuschränken</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Values of the user field</source>
        <translation>Werte des Benutzerfelds</translation>
    </message>
</context>
<context>
    <name>qbk::ReconcileDialog</name>
    <message>
        <source>Reconcile with a Bank Statement</source>
        <translation>Mit einem Kontoauszug abstimmen</translation>
    </message>
    <message>
        <source>Statement end date</source>
        <translation>Enddatum des Auszugs</translation>
    </message>
    <message>
        <source>Ending balance</source>
        <translation>Endsaldo</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>What the account held before the first entry the book marks cleared; typed the first time, then kept</source>
        <translation>Der Kontostand vor dem ersten abgeglichenen Eintrag des Buchs; beim ersten Mal eingegeben, danach behalten</translation>
    </message>
    <message>
        <source>&amp;Show Entries</source>
        <translation>Einträge &amp;zeigen</translation>
    </message>
    <message>
        <source>Statement &amp;end date:</source>
        <translation>&amp;Enddatum des Auszugs:</translation>
    </message>
    <message>
        <source>Statement ending &amp;balance:</source>
        <translation>End&amp;saldo laut Auszug:</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>Entries up to the end date; tick what the statement shows</source>
        <translation>Einträge bis zum Enddatum; abhaken, was der Auszug zeigt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Category of an adjustment entry</source>
        <translation>Kategorie einer Ausgleichsbuchung</translation>
    </message>
    <message>
        <source>Book &amp;Difference...</source>
        <translation>&amp;Differenz buchen...</translation>
    </message>
    <message>
        <source>Book what is left over as an adjustment entry in the category beside</source>
        <translation>Den Rest als Ausgleichsbuchung in der Kategorie daneben buchen</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Enabled when the difference is 0.00</source>
        <translation>Möglich, wenn die Differenz 0,00 beträgt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Difference: </source>
        <translation>Differenz: </translation>
    </message>
    <message>
        <source>Difference: type the end date and the balances</source>
        <translation>Differenz: Enddatum und Salden eingeben</translation>
    </message>
</context>
<context>
    <name>qbk::ReportMode</name>
    <message>
        <source>Highlight item and press DELETE key to remove from report</source>
        <translation>Eintrag markieren und Entf drücken, um ihn aus dem Bericht zu entfernen</translation>
    </message>
</context>
<context>
    <name>qbk::TinyCalc</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Double-click to place in clipboard!</source>
        <translation>Doppelklick legt das Ergebnis in die Zwischenablage!</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Addieren</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Subtrahieren</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplizieren</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>D&amp;ividieren</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>result on &amp;top</source>
        <translation>Ergebnis nach &amp;oben</translation>
    </message>
</context>
<context>
    <name>qbk::TypedDateBox</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Pick the date from a calendar (Alt+Down)</source>
        <translation>Das Datum aus einem Kalender wählen (Alt+Unten)</translation>
    </message>
</context>
<context>
    <name>qbk::frmBackup</name>
    <message>
        <source>Quillbank Data Backup</source>
        <translation>Quillbank-Datensicherung</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>These are the files to be backed up</source>
        <translation>Das sind die Dateien, die gesichert werden</translation>
    </message>
    <message>
        <source>This specifies the TARGET drive</source>
        <translation>Hier wird das ZIEL-Laufwerk angegeben</translation>
    </message>
    <message>
        <source>This specifies the TARGET folder</source>
        <translation>Hier wird der ZIEL-Ordner angegeben</translation>
    </message>
    <message>
        <source>target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Copy all Source files to Target</source>
        <translation>&amp;Alle Quelldateien ins Ziel kopieren</translation>
    </message>
    <message>
        <source>Start data backup process</source>
        <translation>Die Datensicherung starten</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Quit data backup utility</source>
        <translation>Die Datensicherung beenden</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
</context>
<context>
    <name>qbk::qbk3Splash</name>
    <message>
        <source>Cashflow record - version 3.0</source>
        <translation>Einnahmen und Ausgaben – Version 3.0</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Enter (optional) password here</source>
        <translation>Hier das (optionale) Passwort eingeben</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Klicken, um fortzufahren</translation>
    </message>
</context>
<context>
    <name>qbk::qbk3cdi</name>
    <message>
        <source> (set Footer lines to %1 to leave them out)</source>
        <translation> (Fußzeilen auf %1 setzen, um sie auszulassen)</translation>
    </message>
    <message>
        <source> - a first line of column names is left out with &quot;First line holds column names&quot;, lines before it with Skip lines at top</source>
        <translation> – eine erste Zeile mit Spaltennamen lässt „Erste Zeile enthält Spaltennamen“ aus, Zeilen davor „Zeilen am Anfang überspringen“</translation>
    </message>
    <message>
        <source> (choose the format under Dates)</source>
        <translation> (das Format unter Datumsformat wählen)</translation>
    </message>
    <message>
        <source> (choose %1 under Dates)</source>
        <translation> (%1 unter Datumsformat wählen)</translation>
    </message>
    <message>
        <source> (choose it under Decimals)</source>
        <translation> (unter Dezimalzeichen wählen)</translation>
    </message>
    <message>
        <source>Import Bank File</source>
        <translation>Bankdatei importieren</translation>
    </message>
    <message>
        <source>Comma-Delimited Import Field Selector</source>
        <translation>Feldauswahl für den kommagetrennten Import</translation>
    </message>
    <message>
        <source>&amp;Select File</source>
        <translation>Datei a&amp;uswählen</translation>
    </message>
    <message>
        <source>Click to select a file to import</source>
        <translation>Klicken, um eine Datei für den Import zu wählen</translation>
    </message>
    <message>
        <source>C&amp;lear Fields</source>
        <translation>Felder &amp;leeren</translation>
    </message>
    <message>
        <source>Clear all fields and start over</source>
        <translation>Alle Felder leeren und neu beginnen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Start the import operation</source>
        <translation>Den Import starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Quit import utility without further action</source>
        <translation>Den Import ohne weitere Aktion beenden</translation>
    </message>
    <message>
        <source>Pa&amp;yee Rules...</source>
        <translation>&amp;Empfängerregeln...</translation>
    </message>
    <message>
        <source>Which payee goes to which category</source>
        <translation>Welcher Empfänger zu welcher Kategorie gehört</translation>
    </message>
    <message>
        <source>Import file name... ?</source>
        <translation>Name der Importdatei... ?</translation>
    </message>
    <message>
        <source>this is the file you have selected</source>
        <translation>das ist die Datei, die Sie gewählt haben</translation>
    </message>
    <message>
        <source>Import File Data Fields</source>
        <translation>Datenfelder der Importdatei</translation>
    </message>
    <message>
        <source>First line &amp;holds column names</source>
        <translation>Erste &amp;Zeile enthält Spaltennamen</translation>
    </message>
    <message>
        <source>Leave out the first line of the file</source>
        <translation>Die erste Zeile der Datei auslassen</translation>
    </message>
    <message>
        <source>How the dates of the file are written</source>
        <translation>Wie die Datumsangaben der Datei geschrieben sind</translation>
    </message>
    <message>
        <source>found from the file</source>
        <translation>aus der Datei</translation>
    </message>
    <message>
        <source>The decimal mark of the file's amounts</source>
        <translation>Das Dezimalzeichen der Beträge in der Datei</translation>
    </message>
    <message>
        <source>point (1,234.56)</source>
        <translation>Punkt (1,234.56)</translation>
    </message>
    <message>
        <source>comma (1.234,56)</source>
        <translation>Komma (1.234,56)</translation>
    </message>
    <message>
        <source>The entries the import makes; tick a duplicate to import it after all, double-click a category to choose one</source>
        <translation>Die Einträge, die der Import anlegt; ein Duplikat ankreuzen, um es doch zu importieren, auf eine Kategorie doppelklicken, um eine zu wählen</translation>
    </message>
    <message>
        <source>The words of the sign field for money out, separated by commas</source>
        <translation>Die Wörter des Vorzeichenfelds für Ausgaben, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>What stands between the fields of a .csv file</source>
        <translation>Was zwischen den Feldern einer .csv-Datei steht</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Lines at the top of the file before the entries or the column names</source>
        <translation>Zeilen am Anfang der Datei vor den Einträgen oder den Spaltennamen</translation>
    </message>
    <message>
        <source>Lines at the end of the file that are no entries (a balance, a total)</source>
        <translation>Zeilen am Ende der Datei, die keine Einträge sind (ein Saldo, eine Summe)</translation>
    </message>
    <message>
        <source>How the file writes the amount</source>
        <translation>Wie die Datei den Betrag schreibt</translation>
    </message>
    <message>
        <source>one signed field</source>
        <translation>Feld mit Vorzeichen</translation>
    </message>
    <message>
        <source>debit and credit</source>
        <translation>Soll und Haben</translation>
    </message>
    <message>
        <source>field and sign</source>
        <translation>Feld und Vorzeichen</translation>
    </message>
    <message>
        <source>Amounts ha&amp;ve the opposite sign</source>
        <translation>Bet&amp;räge haben das umgekehrte Vorzeichen</translation>
    </message>
    <message>
        <source>The file writes money out as positive amounts</source>
        <translation>Die Datei schreibt Ausgaben als positive Beträge</translation>
    </message>
    <message>
        <source>A layout saved for a bank's files</source>
        <translation>Ein für die Dateien einer Bank gespeichertes Layout</translation>
    </message>
    <message>
        <source>Save Layout...</source>
        <translation>Layout speichern...</translation>
    </message>
    <message>
        <source>Save the links and the layout under a name</source>
        <translation>Die Verknüpfungen und das Layout unter einem Namen speichern</translation>
    </message>
    <message>
        <source>Quillbank Fields</source>
        <translation>Quillbank-Felder</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>&amp;Amount</source>
        <translation>&amp;Betrag</translation>
    </message>
    <message>
        <source>De&amp;bit</source>
        <translation>&amp;Soll</translation>
    </message>
    <message>
        <source>C&amp;redit</source>
        <translation>&amp;Haben</translation>
    </message>
    <message>
        <source>Si&amp;gn</source>
        <translation>&amp;Vorzeichen</translation>
    </message>
    <message>
        <source>Debit &amp;words</source>
        <translation>Soll-&amp;Wörter</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Notiz</translation>
    </message>
    <message>
        <source>&amp;Joined note</source>
        <translation>An&amp;gefügte Notiz</translation>
    </message>
    <message>
        <source>Ca&amp;tegory</source>
        <translation>&amp;Kategorie</translation>
    </message>
    <message>
        <source>User Field &amp;1</source>
        <translation>Benutzerfeld &amp;1</translation>
    </message>
    <message>
        <source>User Field &amp;2</source>
        <translation>Benutzerfeld &amp;2</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Bank e&amp;xport</source>
        <translation>Banke&amp;xport</translation>
    </message>
    <message>
        <source>Se&amp;parator</source>
        <translation>&amp;Trennzeichen</translation>
    </message>
    <message>
        <source>S&amp;kip lines at top</source>
        <translation>Zeilen am Anfang übers&amp;pringen</translation>
    </message>
    <message>
        <source>F&amp;ooter lines</source>
        <translation>&amp;Fußzeilen</translation>
    </message>
    <message>
        <source>Dat&amp;es</source>
        <translation>Datu&amp;msformat</translation>
    </message>
    <message>
        <source>Deci&amp;mals</source>
        <translation>Dezimalzei&amp;chen</translation>
    </message>
    <message>
        <source>Amo&amp;unt in</source>
        <translation>Betragst&amp;yp</translation>
    </message>
    <message>
        <source>Import File Data &amp;Fields</source>
        <translation>Datenfelder der Imp&amp;ortdatei</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>Read with the import profile %1.</source>
        <translation>Mit dem Importprofil %1 gelesen.</translation>
    </message>
    <message>
        <source>Save Layout</source>
        <translation>Layout speichern</translation>
    </message>
    <message>
        <source>Name of this layout (it is chosen again for files with the same column names):</source>
        <translation>Name dieses Layouts (es wird für Dateien mit denselben Spaltennamen wieder gewählt):</translation>
    </message>
    <message>
        <source>The layout was saved as the import profile %1.</source>
        <translation>Das Layout wurde als Importprofil %1 gespeichert.</translation>
    </message>
    <message>
        <source>Read with the import profile %1, saved for these column names.</source>
        <translation>Mit dem Importprofil %1 gelesen, das für diese Spaltennamen gespeichert ist.</translation>
    </message>
    <message>
        <source>Line %1 is no entry (shown at the end of the list): set Footer lines to 1 to leave it out.</source>
        <translation>Zeile %1 ist kein Eintrag (am Ende der Liste gezeigt): Fußzeilen auf 1 setzen, um sie auszulassen.</translation>
    </message>
    <message>
        <source>The %1 lines from line %2 are no entries (shown at the end of the list): set Footer lines to %1 to leave them out.</source>
        <translation>Die %1 Zeilen ab Zeile %2 sind keine Einträge (am Ende der Liste gezeigt): Fußzeilen auf %1 setzen, um sie auszulassen.</translation>
    </message>
    <message>
        <source>Link the Date and Amount fields to see the entries here.</source>
        <translation>Die Felder Datum und Betrag verknüpfen, um hier die Einträge zu sehen.</translation>
    </message>
    <message>
        <source>1 line at the end left out.</source>
        <translation>1 Zeile am Ende ausgelassen.</translation>
    </message>
    <message>
        <source>%1 lines at the end left out.</source>
        <translation>%1 Zeilen am Ende ausgelassen.</translation>
    </message>
    <message>
        <source>The &quot;Import File Data Fields&quot; list on the right shows the first five records from the data file you selected. You must match up the fields with the &quot;Quillbank Fields&quot; list in the middle. Highlight each item on the right in turn and then click on the correct field number box to make the field number appear. Quillbank fields which have no corresponding import file field number will simply be left empty. You MUST sort your data after importing!</source>
        <translation>Die Liste „Datenfelder der Importdatei“ rechts zeigt die ersten fünf Datensätze der gewählten Datei. Ordnen Sie die Felder der Liste „Quillbank-Felder“ in der Mitte zu. Markieren Sie rechts nacheinander jeden Eintrag und klicken Sie dann auf das Kästchen des richtigen Felds, damit dort die Feldnummer erscheint. Quillbank-Felder ohne passende Feldnummer der Importdatei bleiben einfach leer. Sie MÜSSEN Ihre Daten nach dem Import sortieren!</translation>
    </message>
    <message>
        <source>The table below shows the transactions of the statement you selected. Lines that are already in your book are marked as duplicates and left out; tick one to import it after all. Double-click a category to choose one: the payee is remembered for the next statement, and &quot;Payee Rules&quot; shows what has been learned. Lines left without a category can go to IMPORT. You MUST sort your data after importing!</source>
        <translation>Die Tabelle unten zeigt die Buchungen des gewählten Kontoauszugs. Zeilen, die schon in Ihrem Buch stehen, sind als Duplikate markiert und werden ausgelassen; kreuzen Sie eine an, um sie doch zu importieren. Doppelklicken Sie auf eine Kategorie, um eine zu wählen: Der Empfänger wird für den nächsten Auszug gemerkt, und „Empfängerregeln“ zeigt, was gelernt wurde. Zeilen ohne Kategorie können zu IMPORT gehen. Sie MÜSSEN Ihre Daten nach dem Import sortieren!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>FY %1 - %2  &gt;&gt;  %3</source>
        <translation>GJ %1 - %2  &gt;&gt;  %3</translation>
    </message>
    <message>
        <source>%1 Days - %2</source>
        <translation>%1 Tage - %2</translation>
    </message>
    <message>
        <source>1 Year - %1</source>
        <translation>1 Jahr - %1</translation>
    </message>
    <message>
        <source>%1 Years - %2</source>
        <translation>%1 Jahre - %2</translation>
    </message>
    <message>
        <source>Category = All Categories </source>
        <translation>Kategorie = Alle Kategorien </translation>
    </message>
    <message>
        <source>%1 Items</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>Category = %1 </source>
        <translation>Kategorie = %1 </translation>
    </message>
    <message>
        <source>Word Search = %1 </source>
        <translation>Wortsuche = %1 </translation>
    </message>
    <message>
        <source>Reporting: %1 items selected.</source>
        <translation>Bericht: %1 Einträge ausgewählt.</translation>
    </message>
    <message>
        <source>Sorting %1 ... press &lt;ESC&gt; to stop </source>
        <translation>Sortiere %1 ... &lt;ESC&gt; bricht ab </translation>
    </message>
    <message>
        <source>%1 records which were marked for deletion have been removed.</source>
        <translation>%1 zum Löschen markierte Datensätze wurden entfernt.</translation>
    </message>
    <message>
        <source>%1 records which were marked for deletion have been removed. The file as it was before is kept as %2.</source>
        <translation>%1 zum Löschen markierte Datensätze wurden entfernt. Die Datei, wie sie vorher war, ist als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 records that were marked for deletion have been restored.</source>
        <translation>%1 zum Löschen markierte Datensätze wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>Nothing to do!</source>
        <translation>Nichts zu tun!</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Error - operation aborted</source>
        <translation>Fehler – Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>What is the earliest date you wish to see?</source>
        <translation>Welches ist das früheste Datum, das Sie sehen möchten?</translation>
    </message>
    <message>
        <source>What is the latest date you wish to see?</source>
        <translation>Welches ist das späteste Datum, das Sie sehen möchten?</translation>
    </message>
    <message>
        <source>Please provide a date for these entries...</source>
        <translation>Bitte ein Datum für diese Einträge angeben...</translation>
    </message>
    <message>
        <source>Please provide the last day of the forecast...</source>
        <translation>Bitte den letzten Tag der Vorschau angeben...</translation>
    </message>
    <message>
        <source>Search for a complete word or phrase</source>
        <translation>Nach einem ganzen Wort oder Satz suchen</translation>
    </message>
    <message>
        <source>Search for a word or phrase fragment</source>
        <translation>Nach einem Wort- oder Satzteil suchen</translation>
    </message>
    <message>
        <source>Scheduled entries go into the book: quit macro edit or report mode first.</source>
        <translation>Geplante Einträge gehen ins Buch: Bitte zuerst die Makrobearbeitung oder den Berichtsmodus beenden.</translation>
    </message>
    <message>
        <source>No scheduled entry is due.</source>
        <translation>Kein geplanter Eintrag ist fällig.</translation>
    </message>
    <message>
        <source>The forecast continues the record list: quit report mode first.</source>
        <translation>Die Vorschau setzt die Liste der Einträge fort: Bitte zuerst den Berichtsmodus beenden.</translation>
    </message>
    <message>
        <source>The forecast looks ahead: please choose a day after today.</source>
        <translation>Die Vorschau blickt nach vorn: Bitte einen Tag nach heute wählen.</translation>
    </message>
    <message>
        <source>The Tool Tips will reappear the next time you start the program.</source>
        <translation>Die Tooltips erscheinen beim nächsten Start des Programms wieder.</translation>
    </message>
    <message>
        <source>Tool Tips On</source>
        <translation>Tooltips ein</translation>
    </message>
    <message>
        <source>Please make sure your internet connection is active!</source>
        <translation>Bitte stellen Sie sicher, dass Ihre Internetverbindung besteht!</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>Visit Brindlefold on the Web</source>
        <translation>Brindlefold im Web besuchen</translation>
    </message>
    <message>
        <source>Could not find your Browser</source>
        <translation>Ihr Browser wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Browser nicht gefunden</translation>
    </message>
    <message>
        <source>Target and source are the same! Please select a different target folder.</source>
        <translation>Ziel und Quelle sind gleich! Bitte einen anderen Zielordner wählen.</translation>
    </message>
    <message>
        <source>Backup completed!</source>
        <translation>Sicherung abgeschlossen!</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Please type an amount such as -400 (money out) or 1,250.00 (money in).</source>
        <translation>Bitte einen Betrag eingeben, etwa -400 (Ausgabe) oder 1.250,00 (Einnahme).</translation>
    </message>
    <message>
        <source>The categories have changed since this plan was read. Please press Revert and type the changes again; nothing has been saved.</source>
        <translation>Die Kategorien haben sich geändert, seit dieser Plan gelesen wurde. Bitte „Zurücksetzen“ drücken und die Änderungen erneut eingeben; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>You must first build a list of items in order to generate a report. Please select categories and/or perform word searches to build your list.</source>
        <translation>Für einen Bericht muss zuerst eine Liste erstellt werden. Bitte Kategorien wählen und/oder nach Wörtern suchen, um die Liste zu füllen.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>Save the report as a PDF file instead?</source>
        <translation>Den Bericht stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>There are no entries in this list to chart. Please choose a range, a category or a search that lists some.</source>
        <translation>Diese Liste enthält keine Einträge für ein Diagramm. Bitte einen Zeitraum, eine Kategorie oder eine Suche wählen, die Einträge zeigt.</translation>
    </message>
    <message>
        <source>No printer is installed. Save the chart as a PDF document instead?</source>
        <translation>Es ist kein Drucker eingerichtet. Das Diagramm stattdessen als PDF-Dokument speichern?</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Diagramm drucken</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Einen Ordner wählen...</translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Eine Datei wählen...</translation>
    </message>
    <message>
        <source>Records to be imported MUST have a least a Date field and an Amount field specified.</source>
        <translation>Zu importierende Einträge MÜSSEN mindestens ein Datumsfeld und ein Betragsfeld haben.</translation>
    </message>
    <message>
        <source>Ready to attempt data import. Please be advised that the import operation cannot tell whether or not the data being imported is valid!</source>
        <translation>Bereit zum Datenimport. Bitte beachten Sie, dass der Import nicht erkennen kann, ob die importierten Daten gültig sind!</translation>
    </message>
    <message>
        <source>IMPORTANT: if you have not recently run a data backup then you are strongly advised to quit the import operation now and do so!</source>
        <translation>WICHTIG: Wenn Sie nicht vor Kurzem eine Datensicherung gemacht haben, sollten Sie den Import jetzt abbrechen und sie nachholen!</translation>
    </message>
    <message>
        <source>Proceed?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
    <message>
        <source>Order of the dates</source>
        <translation>Reihenfolge der Daten</translation>
    </message>
    <message>
        <source>Read them month first? (No reads them day first.)</source>
        <translation>Mit dem Monat zuerst lesen? (Nein liest sie mit dem Tag zuerst.)</translation>
    </message>
    <message>
        <source>Choose No to pick categories in the table first.</source>
        <translation>Wählen Sie Nein, um zuerst in der Tabelle Kategorien zu wählen.</translation>
    </message>
</context>
</TS>
