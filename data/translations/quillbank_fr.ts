<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Écritures</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <source>R&amp;ange</source>
        <translation>&amp;Période</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>R&amp;eports</source>
        <translation>R&amp;apports</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Macro</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Default Data Folder</source>
        <translation>Dossier de données par &amp;défaut</translation>
    </message>
    <message>
        <source>Alternate Data Folder &amp;1</source>
        <translation>Dossier de données alternatif &amp;1</translation>
    </message>
    <message>
        <source>Alternate Data Folder &amp;2</source>
        <translation>Dossier de données alternatif &amp;2</translation>
    </message>
    <message>
        <source>Se&amp;lect Data Folder...</source>
        <translation>&amp;Choisir le dossier de données...</translation>
    </message>
    <message>
        <source>S&amp;ort Data</source>
        <translation>&amp;Trier les données</translation>
    </message>
    <message>
        <source>&amp;Create Internal Backup File</source>
        <translation>Cré&amp;er la sauvegarde interne</translation>
    </message>
    <message>
        <source>&amp;Restore Internal Backup File</source>
        <translation>&amp;Restaurer la sauvegarde interne</translation>
    </message>
    <message>
        <source>Comma-Delimited or CSV &amp;Import</source>
        <translation>&amp;Importer (texte délimité ou CSV)</translation>
    </message>
    <message>
        <source>Import Ban&amp;k File...</source>
        <translation>Importer un relevé &amp;bancaire...</translation>
    </message>
    <message>
        <source>Data &amp;Backup (complete)</source>
        <translation>Sauve&amp;garde complète des données</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Paramètres...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;New Entry</source>
        <translation>&amp;Nouvelle écriture</translation>
    </message>
    <message>
        <source>&amp;Edit Entry</source>
        <translation>&amp;Modifier l&#x27;écriture</translation>
    </message>
    <message>
        <source>De&amp;lete Entry</source>
        <translation>&amp;Supprimer l&#x27;écriture</translation>
    </message>
    <message>
        <source>&amp;Purge Deleted Records</source>
        <translation>&amp;Purger les écritures supprimées</translation>
    </message>
    <message>
        <source>&amp;Restore Deleted Records</source>
        <translation>Ré&amp;cupérer les écritures supprimées</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit Category</source>
        <translation>&amp;Modifier la catégorie</translation>
    </message>
    <message>
        <source>&amp;Default Range</source>
        <translation>Période par &amp;défaut</translation>
    </message>
    <message>
        <source>Current &amp;Fiscal Year</source>
        <translation>&amp;Exercice en cours</translation>
    </message>
    <message>
        <source>&amp;Previous Fiscal Year</source>
        <translation>Exercice &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Fiscal Year</source>
        <translation>Exercice &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Select Dates</source>
        <translation>&amp;Choisir les dates</translation>
    </message>
    <message>
        <source>30 D&amp;ays</source>
        <translation>30 &amp;jours</translation>
    </message>
    <message>
        <source>&amp;60 Days</source>
        <translation>&amp;60 jours</translation>
    </message>
    <message>
        <source>&amp;90 Days</source>
        <translation>&amp;90 jours</translation>
    </message>
    <message>
        <source>1&amp;80 days</source>
        <translation>1&amp;80 jours</translation>
    </message>
    <message>
        <source>&amp;1 Year</source>
        <translation>&amp;1 an</translation>
    </message>
    <message>
        <source>&amp;2 Years</source>
        <translation>&amp;2 ans</translation>
    </message>
    <message>
        <source>&amp;3 Years</source>
        <translation>&amp;3 ans</translation>
    </message>
    <message>
        <source>&amp;4 Years</source>
        <translation>&amp;4 ans</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 ans</translation>
    </message>
    <message>
        <source>&amp;Word Fragment</source>
        <translation>&amp;Fragment de mot</translation>
    </message>
    <message>
        <source>&amp;Complete Word</source>
        <translation>Mot &amp;entier</translation>
    </message>
    <message>
        <source>User-defined field #&amp;1</source>
        <translation>Champ utilisateur n° &amp;1</translation>
    </message>
    <message>
        <source>User-defined field #&amp;2</source>
        <translation>Champ utilisateur n° &amp;2</translation>
    </message>
    <message>
        <source>Show &amp;All Categories</source>
        <translation>Afficher &amp;toutes les catégories</translation>
    </message>
    <message>
        <source>Next Column &amp;Order</source>
        <translation>&amp;Ordre de colonnes suivant</translation>
    </message>
    <message>
        <source>C&amp;harts of this List</source>
        <translation>&amp;Graphiques de cette liste</translation>
    </message>
    <message>
        <source>&amp;New Report</source>
        <translation>&amp;Nouveau rapport</translation>
    </message>
    <message>
        <source>&amp;Quit Reports</source>
        <translation>&amp;Quitter les rapports</translation>
    </message>
    <message>
        <source>&amp;Summary Report - Narrow Format</source>
        <translation>Rapport de s&amp;ynthèse - format étroit</translation>
    </message>
    <message>
        <source>&amp;Full Report - Narrow Format (no User Fields)</source>
        <translation>Rapport &amp;complet - format étroit (sans champs utilisateur)</translation>
    </message>
    <message>
        <source>Su&amp;mmary Report - Wide Format</source>
        <translation>Rapport de synthèse - format &amp;large</translation>
    </message>
    <message>
        <source>Full Report - &amp;Wide Format (w/ User Fields)</source>
        <translation>Rapport complet - format large (avec champs &amp;utilisateur)</translation>
    </message>
    <message>
        <source>&amp;Return to List</source>
        <translation>&amp;Retour à la liste</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>&amp;Imprimer le rapport</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Edit Report With Word Processor</source>
        <translation>&amp;Modifier le rapport dans le traitement de texte</translation>
    </message>
    <message>
        <source>Write Report to &amp;Text File</source>
        <translation>Écrire le rapport dans un fichier &amp;texte</translation>
    </message>
    <message>
        <source>E&amp;xport Full Report Data to .txt or .csv format</source>
        <translation>E&amp;xporter les données du rapport complet (.txt ou .csv)</translation>
    </message>
    <message>
        <source>Export Summ&amp;ary Report Data to .txt or .csv Format</source>
        <translation>Exporter les données de la synt&amp;hèse (.txt ou .csv)</translation>
    </message>
    <message>
        <source>&amp;Play a Macro</source>
        <translation>&amp;Lire une macro</translation>
    </message>
    <message>
        <source>&amp;Create / Edit Macro</source>
        <translation>&amp;Créer / modifier une macro</translation>
    </message>
    <message>
        <source>&amp;Quit Macro Edit</source>
        <translation>&amp;Quitter l&#x27;édition de macro</translation>
    </message>
    <message>
        <source>&amp;Notes for this Fiscal Year</source>
        <translation>&amp;Notes de cet exercice</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculatrice</translation>
    </message>
    <message>
        <source>Play A &amp;Game</source>
        <translation>&amp;Jouer à un jeu</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Visit Brindlefold on the Web</source>
        <translation>&amp;Visiter Brindlefold sur le Web</translation>
    </message>
    <message>
        <source>Turn o&amp;ff &quot;Tool Tips&quot;</source>
        <translation>&amp;Désactiver les info-bulles</translation>
    </message>
    <message>
        <source>Turn o&amp;n &quot;Tool Tips&quot;</source>
        <translation>&amp;Activer les info-bulles</translation>
    </message>
    <message>
        <source>Comin&amp;g Due...</source>
        <translation>Éc&amp;héances...</translation>
    </message>
    <message>
        <source>Fo&amp;recast...</source>
        <translation>Pré&amp;vision...</translation>
    </message>
    <message>
        <source>Toggle &amp;Cleared</source>
        <translation>Pointer / &amp;dépointer</translation>
    </message>
    <message>
        <source>Rec&amp;oncile...</source>
        <translation>Rapprochement &amp;bancaire...</translation>
    </message>
    <message>
        <source>B&amp;udget...</source>
        <translation>&amp;Budget...</translation>
    </message>
    <message>
        <source>Budget of this Ran&amp;ge</source>
        <translation>Budget de cette &amp;période</translation>
    </message>
    <message>
        <source>&amp;About Quillbank</source>
        <translation>À &amp;propos de Quillbank</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>New &lt;F2&gt;</source>
        <translation>Nouveau &lt;F2&gt;</translation>
    </message>
    <message>
        <source>Create a new income or expense record</source>
        <translation>Créer une nouvelle écriture de recette ou de dépense</translation>
    </message>
    <message>
        <source>Macro &lt;F3&gt;</source>
        <translation>Macro &lt;F3&gt;</translation>
    </message>
    <message>
        <source>Play back a previously recorded macro file</source>
        <translation>Lire un fichier macro enregistré auparavant</translation>
    </message>
    <message>
        <source>Notes &lt;F4&gt;</source>
        <translation>Notes &lt;F4&gt;</translation>
    </message>
    <message>
        <source>Open the notes file of this fiscal year</source>
        <translation>Ouvrir le fichier de notes de cet exercice</translation>
    </message>
    <message>
        <source>Search &lt;F5&gt;</source>
        <translation>Chercher &lt;F5&gt;</translation>
    </message>
    <message>
        <source>Search for a word</source>
        <translation>Rechercher un mot</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Start a new report</source>
        <translation>Commencer un nouveau rapport</translation>
    </message>
    <message>
        <source>Web &lt;F7&gt;</source>
        <translation>Web &lt;F7&gt;</translation>
    </message>
    <message>
        <source>Visit Brindlefold on the Web</source>
        <translation>Visiter Brindlefold sur le Web</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show the help contents</source>
        <translation>Afficher le sommaire de l&#x27;aide</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Clear the list - start on new report</source>
        <translation>Vider la liste - commencer un nouveau rapport</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Quit reports</source>
        <translation>Quitter les rapports</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Summary report - totals and graph only</source>
        <translation>Rapport de synthèse - totaux et graphique seulement</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Complet</translation>
    </message>
    <message>
        <source>Full report, including line items</source>
        <translation>Rapport complet, avec le détail des écritures</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Return to list to add / remove items</source>
        <translation>Retour à la liste pour ajouter ou retirer des éléments</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Send currently displayed report to printer</source>
        <translation>Imprimer le rapport affiché</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit report in your word processor program</source>
        <translation>Modifier le rapport dans votre traitement de texte</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Save report to a text file</source>
        <translation>Enregistrer le rapport dans un fichier texte</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export report data to comma-delimited text.</source>
        <translation>Exporter les données du rapport en texte délimité par des virgules.</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>Charts of the report list</source>
        <translation>Graphiques de la liste du rapport</translation>
    </message>
</context>
</TS>
