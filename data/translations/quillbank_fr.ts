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
<!-- generated below -->
<context>
    <name>qbk::BudgetWindow</name>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Fiscal year</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Fiscal &amp;year beginning in</source>
        <translation>Exercice &amp;débutant en</translation>
    </message>
    <message>
        <source>Type an amount a month, or one in "Every month" for all twelve; money out with a minus sign (-400).</source>
        <translation>Saisir un montant par mois, ou un seul dans « Chaque mois » pour les douze ; les dépenses avec un signe moins (-400).</translation>
    </message>
    <message>
        <source>Budget per category and month</source>
        <translation>Budget par catégorie et par mois</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>Budget against actual</source>
        <translation>Budget et réel</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Text File...</source>
        <translation>Fichier &amp;texte...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>&amp;Budget</translation>
    </message>
    <message>
        <source>Budget and actual by category</source>
        <translation>Budget et réel par catégorie</translation>
    </message>
    <message>
        <source>Budget and actual month by month</source>
        <translation>Budget et réel mois par mois</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Money that went OUT</source>
        <translation>Argent SORTI</translation>
    </message>
    <message>
        <source>Total Expense</source>
        <translation>Total des dépenses</translation>
    </message>
    <message>
        <source>Money that came IN</source>
        <translation>Argent ENTRÉ</translation>
    </message>
    <message>
        <source>Total Income</source>
        <translation>Total des recettes</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source> to </source>
        <translation> à </translation>
    </message>
    <message>
        <source>Expense budget</source>
        <translation>Budget des dépenses</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Income budget</source>
        <translation>Budget des recettes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Recettes</translation>
    </message>
</context>
<context>
    <name>qbk::CategoryFrameCommands</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Category code - up to ten characters</source>
        <translation>Code de catégorie – dix caractères au plus</translation>
    </message>
    <message>
        <source>Category name - up to 20 characters</source>
        <translation>Nom de catégorie – 20 caractères au plus</translation>
    </message>
    <message>
        <source>Category description - up to 500 characters</source>
        <translation>Description de la catégorie – 500 caractères au plus</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>Save new category</source>
        <translation>Enregistrer la nouvelle catégorie</translation>
    </message>
    <message>
        <source>Re&amp;place</source>
        <translation>Remp&amp;lacer</translation>
    </message>
    <message>
        <source>Replace category with new name and/or code</source>
        <translation>Remplacer la catégorie par un nouveau nom ou code</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete this category</source>
        <translation>Supprimer cette catégorie</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit category edit - no changes</source>
        <translation>Quitter la modification de la catégorie – sans changement</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>qbk::CategoryGridModel</name>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>qbk::ChartWindow</name>
    <message>
        <source>Charts - </source>
        <translation>Graphiques – </translation>
    </message>
    <message>
        <source>Money out</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Money in</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Pi&amp;e chart</source>
        <translation>&amp;Secteurs</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Affic&amp;her :</translation>
    </message>
    <message>
        <source>Click a category to list its entries.</source>
        <translation>Cliquer sur une catégorie pour lister ses écritures.</translation>
    </message>
    <message>
        <source>By &amp;Category</source>
        <translation>Par &amp;catégorie</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>So&amp;lde</translation>
    </message>
    <message>
        <source>Balance &amp;Ahead</source>
        <translation>Solde à &amp;venir</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Enregistrer l'image...</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG, SVG or PDF file</source>
        <translation>Enregistrer le graphique affiché en fichier PNG, SVG ou PDF</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>Copy the chart shown to the clipboard</source>
        <translation>Copier le graphique affiché dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print the chart shown</source>
        <translation>Imprimer le graphique affiché</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the charts</source>
        <translation>Fermer les graphiques</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Week by Week</source>
        <translation>Semaine par semaine</translation>
    </message>
    <message>
        <source>Month by Month</source>
        <translation>Mois par mois</translation>
    </message>
    <message>
        <source>Year by Year</source>
        <translation>Année par année</translation>
    </message>
    <message>
        <source>Money out by category</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Money in by category</source>
        <translation>Recettes par catégorie</translation>
    </message>
    <message>
        <source>%1: %2 (%3 % of %4)</source>
        <translation>%1 : %2 (%3 % des %4)</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Below zero</source>
        <translation>Sous zéro</translation>
    </message>
    <message>
        <source>Balance Ahead</source>
        <translation>Solde à venir</translation>
    </message>
    <message>
        <source>Lowest balance</source>
        <translation>Solde le plus bas</translation>
    </message>
</context>
<context>
    <name>qbk::ComingDueDialog</name>
    <message>
        <source>Coming Due</source>
        <translation>Échéances</translation>
    </message>
    <message>
        <source>These scheduled entries are due and not yet posted. The checked ones are posted, each on its own date, as one change.</source>
        <translation>Ces écritures programmées sont échues et pas encore passées. Les écritures cochées sont passées, chacune à sa date, en une seule modification.</translation>
    </message>
    <message>
        <source>Entries due</source>
        <translation>Écritures échues</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Post &amp;due entries without asking</source>
        <translation>Passer les écritures &amp;dues sans demander</translation>
    </message>
    <message>
        <source>&amp;Post Checked</source>
        <translation>&amp;Passer les cochées</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>Plus &amp;tard</translation>
    </message>
</context>
<context>
    <name>qbk::DateSelector</name>
    <message>
        <source>Latest date</source>
        <translation>Date la plus récente</translation>
    </message>
    <message>
        <source>The date - type it or pick it (Alt+Down)</source>
        <translation>La date – la saisir ou la choisir (Alt+Bas)</translation>
    </message>
    <message>
        <source>The latest date - type it or pick it (Alt+Down)</source>
        <translation>La date la plus récente – la saisir ou la choisir (Alt+Bas)</translation>
    </message>
    <message>
        <source>Change date - 365 days lower</source>
        <translation>Changer la date – 365 jours plus tôt</translation>
    </message>
    <message>
        <source>Change date - 30 days lower</source>
        <translation>Changer la date – 30 jours plus tôt</translation>
    </message>
    <message>
        <source>Change date - one day lower</source>
        <translation>Changer la date – un jour plus tôt</translation>
    </message>
    <message>
        <source>Change date - make today</source>
        <translation>Changer la date – aujourd'hui</translation>
    </message>
    <message>
        <source>Change date - one day higher</source>
        <translation>Changer la date – un jour plus tard</translation>
    </message>
    <message>
        <source>Change date - 30 days higher</source>
        <translation>Changer la date – 30 jours plus tard</translation>
    </message>
    <message>
        <source>Change date - 365 days higher</source>
        <translation>Changer la date – 365 jours plus tard</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to accept date shown</source>
        <translation>Cliquer pour accepter la date affichée</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit date selector</source>
        <translation>Quitter le choix de la date</translation>
    </message>
    <message>
        <source>Earliest date</source>
        <translation>Date la plus ancienne</translation>
    </message>
    <message>
        <source>Date Selected &gt;&gt;&gt;</source>
        <translation>Date choisie &gt;&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>qbk::EntryForm</name>
    <message>
        <source>Single or list of user-defined item(s). See Settings!</source>
        <translation>Valeur unique ou liste de valeurs personnelles. Voir les Paramètres !</translation>
    </message>
    <message>
        <source>Change date - 30 days lower</source>
        <translation>Changer la date – 30 jours plus tôt</translation>
    </message>
    <message>
        <source>Change date - one day lower</source>
        <translation>Changer la date – un jour plus tôt</translation>
    </message>
    <message>
        <source>Change date - one day higher</source>
        <translation>Changer la date – un jour plus tard</translation>
    </message>
    <message>
        <source>Change date - 30 days higher</source>
        <translation>Changer la date – 30 jours plus tard</translation>
    </message>
    <message>
        <source>Date of the entry - type it or pick it (Alt+Down)</source>
        <translation>Date de l'écriture – la saisir ou la choisir (Alt+Bas)</translation>
    </message>
    <message>
        <source>Change date - make today</source>
        <translation>Changer la date – aujourd'hui</translation>
    </message>
    <message>
        <source>Amo&amp;unt</source>
        <translation>M&amp;ontant</translation>
    </message>
    <message>
        <source>Amount of income or expense</source>
        <translation>Montant de la recette ou de la dépense</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Category code - click list on right to change</source>
        <translation>Code de catégorie – cliquer dans la liste à droite pour le changer</translation>
    </message>
    <message>
        <source>Category name - click list on right to change</source>
        <translation>Nom de catégorie – cliquer dans la liste à droite pour le changer</translation>
    </message>
    <message>
        <source>Category code</source>
        <translation>Code de catégorie</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de catégorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type a short note here - up to 60 characters</source>
        <translation>Saisir ici une courte note – 60 caractères au plus</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>No&amp;te</translation>
    </message>
    <message>
        <source>Remove item from pick list</source>
        <translation>Retirer la valeur de la liste de choix</translation>
    </message>
    <message>
        <source>Remove item from pick list of user field 1</source>
        <translation>Retirer la valeur de la liste du champ utilisateur 1</translation>
    </message>
    <message>
        <source>Remove item from pick list of user field 2</source>
        <translation>Retirer la valeur de la liste du champ utilisateur 2</translation>
    </message>
    <message>
        <source>New &amp;Income</source>
        <translation>No&amp;uvelle recette</translation>
    </message>
    <message>
        <source>Save new income record</source>
        <translation>Enregistrer une nouvelle recette</translation>
    </message>
    <message>
        <source>New Ex&amp;pense</source>
        <translation>Nou&amp;velle dépense</translation>
    </message>
    <message>
        <source>Save new expense record</source>
        <translation>Enregistrer une nouvelle dépense</translation>
    </message>
    <message>
        <source>Replace Inc&amp;ome</source>
        <translation>Remp&amp;lacer la recette</translation>
    </message>
    <message>
        <source>Replace this record - save as income</source>
        <translation>Remplacer cette écriture – l'enregistrer comme recette</translation>
    </message>
    <message>
        <source>Replace E&amp;xpense</source>
        <translation>Remplacer la &amp;dépense</translation>
    </message>
    <message>
        <source>Replace this record - save as expense</source>
        <translation>Remplacer cette écriture – l'enregistrer comme dépense</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete record (CTRL-DEL)</source>
        <translation>Supprimer l'écriture (Ctrl+Suppr)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <source>Quit record edit - no changes (ESC)</source>
        <translation>Quitter la modification – sans changement (Échap)</translation>
    </message>
</context>
<context>
    <name>qbk::HelpWindow</name>
    <message>
        <source>Quillbank 3 Help</source>
        <translation>Aide de Quillbank 3</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
</context>
<context>
    <name>qbk::ImportPreviewModel</name>
    <message>
        <source>in the book</source>
        <translation>dans le livre</translation>
    </message>
    <message>
        <source>listed twice in the file</source>
        <translation>deux fois dans le fichier</translation>
    </message>
    <message>
        <source>id reused with another date or amount: not a duplicate</source>
        <translation>identifiant réutilisé avec une autre date ou un autre montant : pas un doublon</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Doublon</translation>
    </message>
</context>
<context>
    <name>qbk::MainGridModel</name>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Cleared: the bank has this entry</source>
        <translation>Pointée : la banque a cette écriture</translation>
    </message>
    <message>
        <source>Reconciled: agreed with a bank statement</source>
        <translation>Rapprochée : concorde avec un relevé bancaire</translation>
    </message>
    <message>
        <source>Not cleared: the bank has not shown this entry yet</source>
        <translation>Non pointée : la banque n'a pas encore montré cette écriture</translation>
    </message>
    <message>
        <source>Planned: the schedules will make this entry</source>
        <translation>Prévue : les échéanciers créeront cette écriture</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Cleared: c the bank has the entry, R reconciled</source>
        <translation>Pointée : c la banque a l'écriture, R rapprochée</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
</context>
<context>
    <name>qbk::PayeeRulesDialog</name>
    <message>
        <source>Payee Rules</source>
        <translation>Règles des bénéficiaires</translation>
    </message>
    <message>
        <source>A statement line whose payee or memo contains the text on the left goes to the category on the right (capitals do not matter; the longest text that matches wins).</source>
        <translation>Une ligne de relevé dont le bénéficiaire ou le libellé contient le texte de gauche va dans la catégorie de droite (les majuscules ne comptent pas ; le texte le plus long qui correspond l'emporte).</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the selected rules</source>
        <translation>Supprimer les règles choisies</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep these rules</source>
        <translation>Garder ces règles</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Leave the rules as they were</source>
        <translation>Laisser les règles telles qu'elles étaient</translation>
    </message>
    <message>
        <source>Payee or memo contains</source>
        <translation>Le bénéficiaire ou le libellé contient</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
</context>
<context>
    <name>qbk::QBK3Config</name>
    <message>
        <source>Save List Items?</source>
        <translation>Garder les valeurs ?</translation>
    </message>
    <message>
        <source>Check to save each item entered in this field</source>
        <translation>Cocher pour garder chaque valeur saisie dans ce champ</translation>
    </message>
    <message>
        <source>Quillbank Configuration Settings</source>
        <translation>Quillbank – Paramètres</translation>
    </message>
    <message>
        <source>FY Starts &amp;Month ?</source>
        <translation>&amp;Mois de début de l'exercice ?</translation>
    </message>
    <message>
        <source>First month of your fiscal year</source>
        <translation>Premier mois de votre exercice</translation>
    </message>
    <message>
        <source>FY Starts &amp;Day?</source>
        <translation>&amp;Jour ?</translation>
    </message>
    <message>
        <source>First day of your fiscal year</source>
        <translation>Premier jour de votre exercice</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>Mot de &amp;passe</translation>
    </message>
    <message>
        <source>Start-up password - Max 10 characters</source>
        <translation>Mot de passe au démarrage – 10 caractères au plus</translation>
    </message>
    <message>
        <source>Sho&amp;w</source>
        <translation>Affic&amp;her</translation>
    </message>
    <message>
        <source>Show the password as typed</source>
        <translation>Afficher le mot de passe tel que saisi</translation>
    </message>
    <message>
        <source>&amp;Owner Name</source>
        <translation>Nom du &amp;titulaire</translation>
    </message>
    <message>
        <source>Your name, as the report headings show it - Max 40 characters</source>
        <translation>Votre nom, tel que l'affichent les en-têtes des rapports – 40 caractères au plus</translation>
    </message>
    <message>
        <source>Name For User Field &amp;1</source>
        <translation>Nom du champ utilisateur &amp;1</translation>
    </message>
    <message>
        <source>Name for user-defined field #1 - Max 10 characters</source>
        <translation>Nom du champ utilisateur nº 1 – 10 caractères au plus</translation>
    </message>
    <message>
        <source>Name For User Field &amp;2</source>
        <translation>Nom du champ utilisateur &amp;2</translation>
    </message>
    <message>
        <source>Name for user-defined field #2 - Max 10 characters</source>
        <translation>Nom du champ utilisateur nº 2 – 10 caractères au plus</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>Édit&amp;eur</translation>
    </message>
    <message>
        <source>Leave blank to use Wordpad or Word</source>
        <translation>Laisser vide pour utiliser le programme par défaut des documents</translation>
    </message>
    <message>
        <source>&amp;Alt. Folder 1</source>
        <translation>Dossier &amp;alt. 1</translation>
    </message>
    <message>
        <source>Alt. &amp;Folder 2</source>
        <translation>D&amp;ossier alt. 2</translation>
    </message>
    <message>
        <source>Use Current</source>
        <translation>Dossier actuel</translation>
    </message>
    <message>
        <source>Make the CURRENT folder Alternate 1</source>
        <translation>Faire du dossier ACTUEL le dossier secondaire 1</translation>
    </message>
    <message>
        <source>Make the CURRENT folder Alternate 2</source>
        <translation>Faire du dossier ACTUEL le dossier secondaire 2</translation>
    </message>
    <message>
        <source>Save List Items? (User Field 1)</source>
        <translation>Garder les valeurs ? (champ utilisateur 1)</translation>
    </message>
    <message>
        <source>Save List Items? (User Field 2)</source>
        <translation>Garder les valeurs ? (champ utilisateur 2)</translation>
    </message>
    <message>
        <source>Use Current (Alt. Folder 1)</source>
        <translation>Dossier actuel (dossier alt. 1)</translation>
    </message>
    <message>
        <source>Use Current (Alt. Folder 2)</source>
        <translation>Dossier actuel (dossier alt. 2)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Enregi&amp;strer</translation>
    </message>
    <message>
        <source>Quit Settings - save any changes</source>
        <translation>Quitter les Paramètres – enregistrer les changements</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit Settings without saving any changes</source>
        <translation>Quitter les Paramètres sans enregistrer les changements</translation>
    </message>
    <message>
        <source>At Start &amp;Up Display...</source>
        <translation>Afficher au &amp;démarrage...</translation>
    </message>
    <message>
        <source>Translated report &amp;captions</source>
        <translation>&amp;Intitulés des rapports traduits</translation>
    </message>
    <message>
        <source>Reports show their captions in the language of the window; unchecked they stay English</source>
        <translation>Les rapports affichent leurs intitulés dans la langue de la fenêtre ; sinon ils restent en anglais</translation>
    </message>
    <message>
        <source>Save path to alternate data folder</source>
        <translation>Enregistrer le chemin du dossier de données secondaire</translation>
    </message>
    <message>
        <source>Full Fiscal Year</source>
        <translation>Exercice complet</translation>
    </message>
    <message>
        <source>Past 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Past 60 Days</source>
        <translation>60 derniers jours</translation>
    </message>
    <message>
        <source>Past 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Past 180 Days</source>
        <translation>180 derniers jours</translation>
    </message>
    <message>
        <source>Past 1 Year</source>
        <translation>Dernière année</translation>
    </message>
    <message>
        <source>Past 2 Years</source>
        <translation>2 dernières années</translation>
    </message>
    <message>
        <source>Past 3 Years</source>
        <translation>3 dernières années</translation>
    </message>
    <message>
        <source>Past 4 Years</source>
        <translation>4 dernières années</translation>
    </message>
    <message>
        <source>Past 5 Years</source>
        <translation>5 dernières années</translation>
    </message>
</context>
<context>
    <name>qbk::QBKGame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation>Dernier score :</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Meilleur score :</translation>
    </message>
</context>
<context>
    <name>qbk::QBK_3_Main</name>
    <message>
        <source>Cleared balance %1</source>
        <translation>Solde pointé %1</translation>
    </message>
    <message>
        <source>%1 was already listed.</source>
        <translation>%1 était déjà dans la liste.</translation>
    </message>
    <message>
        <source>%1 were already listed.</source>
        <translation>%1 étaient déjà dans la liste.</translation>
    </message>
    <message>
        <source>Double-click any line item to edit</source>
        <translation>Double-cliquer sur une ligne pour la modifier</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Écritures</translation>
    </message>
    <message>
        <source>All Categories &lt;F8&gt;</source>
        <translation>Toutes les catégories &lt;F8&gt;</translation>
    </message>
    <message>
        <source>Click to display all categories</source>
        <translation>Cliquer pour afficher toutes les catégories</translation>
    </message>
    <message>
        <source>Double-click any category to narrow your view</source>
        <translation>Double-cliquer sur une catégorie pour restreindre l'affichage</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Values of the user field</source>
        <translation>Valeurs du champ utilisateur</translation>
    </message>
</context>
<context>
    <name>qbk::ReconcileDialog</name>
    <message>
        <source>Reconcile with a Bank Statement</source>
        <translation>Rapprocher avec un relevé bancaire</translation>
    </message>
    <message>
        <source>Statement end date</source>
        <translation>Date de fin du relevé</translation>
    </message>
    <message>
        <source>Ending balance</source>
        <translation>Solde final</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Solde d'ouverture</translation>
    </message>
    <message>
        <source>What the account held before the first entry the book marks cleared; typed the first time, then kept</source>
        <translation>Ce que le compte contenait avant la première écriture pointée du livre ; saisi la première fois, puis conservé</translation>
    </message>
    <message>
        <source>&amp;Show Entries</source>
        <translation>Afficher les é&amp;critures</translation>
    </message>
    <message>
        <source>Statement &amp;end date:</source>
        <translation>Date de &amp;fin du relevé :</translation>
    </message>
    <message>
        <source>Statement ending &amp;balance:</source>
        <translation>&amp;Solde final du relevé :</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>Solde d'&amp;ouverture :</translation>
    </message>
    <message>
        <source>Entries up to the end date; tick what the statement shows</source>
        <translation>Écritures jusqu'à la date de fin ; cocher ce que montre le relevé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Category of an adjustment entry</source>
        <translation>Catégorie d'une écriture d'ajustement</translation>
    </message>
    <message>
        <source>Book &amp;Difference...</source>
        <translation>Comptabiliser la &amp;différence...</translation>
    </message>
    <message>
        <source>Book what is left over as an adjustment entry in the category beside</source>
        <translation>Comptabiliser le reste comme écriture d'ajustement dans la catégorie voisine</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>Enabled when the difference is 0.00</source>
        <translation>Possible quand la différence est de 0,00</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Difference: </source>
        <translation>Différence : </translation>
    </message>
    <message>
        <source>Difference: type the end date and the balances</source>
        <translation>Différence : saisir la date de fin et les soldes</translation>
    </message>
</context>
<context>
    <name>qbk::ReportMode</name>
    <message>
        <source>Highlight item and press DELETE key to remove from report</source>
        <translation>Sélectionner la ligne et appuyer sur Suppr pour la retirer du rapport</translation>
    </message>
</context>
<context>
    <name>qbk::TinyCalc</name>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Double-click to place in clipboard!</source>
        <translation>Double-cliquer pour le copier dans le presse-papiers !</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Additionner</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Soustraire</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplier</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Diviser</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>result on &amp;top</source>
        <translation>résultat en &amp;haut</translation>
    </message>
</context>
<context>
    <name>qbk::TypedDateBox</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Pick the date from a calendar (Alt+Down)</source>
        <translation>Choisir la date dans un calendrier (Alt+Bas)</translation>
    </message>
</context>
<context>
    <name>qbk::frmBackup</name>
    <message>
        <source>Quillbank Data Backup</source>
        <translation>Sauvegarde des données Quillbank</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>These are the files to be backed up</source>
        <translation>Voici les fichiers à sauvegarder</translation>
    </message>
    <message>
        <source>This specifies the TARGET drive</source>
        <translation>Ceci indique le lecteur CIBLE</translation>
    </message>
    <message>
        <source>This specifies the TARGET folder</source>
        <translation>Ceci indique le dossier CIBLE</translation>
    </message>
    <message>
        <source>target</source>
        <translation>cible</translation>
    </message>
    <message>
        <source>progress</source>
        <translation>progression</translation>
    </message>
    <message>
        <source>&amp;Copy all Source files to Target</source>
        <translation>Copier tous &amp;les fichiers source vers la cible</translation>
    </message>
    <message>
        <source>Start data backup process</source>
        <translation>Lancer la sauvegarde des données</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Quit data backup utility</source>
        <translation>Quitter l'outil de sauvegarde</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Source :</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Cible :</translation>
    </message>
</context>
<context>
    <name>qbk::qbk3Splash</name>
    <message>
        <source>Cashflow record - version 3.0</source>
        <translation>Suivi de trésorerie – version 3.0</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>Mot de &amp;passe</translation>
    </message>
    <message>
        <source>Enter (optional) password here</source>
        <translation>Saisir ici le mot de passe (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Cliquer pour continuer</translation>
    </message>
</context>
<context>
    <name>qbk::qbk3cdi</name>
    <message>
        <source> (set Footer lines to %1 to leave them out)</source>
        <translation> (mettez Lignes de pied à %1 pour les laisser de côté)</translation>
    </message>
    <message>
        <source> - a first line of column names is left out with &quot;First line holds column names&quot;, lines before it with Skip lines at top</source>
        <translation> – une première ligne de noms de colonnes est laissée de côté avec « La première ligne contient les noms de colonnes », les lignes avant elle avec « Lignes à sauter en tête »</translation>
    </message>
    <message>
        <source> (choose the format under Dates)</source>
        <translation> (choisissez le format sous Format des dates)</translation>
    </message>
    <message>
        <source> (choose %1 under Dates)</source>
        <translation> (choisissez %1 sous Format des dates)</translation>
    </message>
    <message>
        <source> (choose it under Decimals)</source>
        <translation> (choisissez-la sous Décimales)</translation>
    </message>
    <message>
        <source>Import Bank File</source>
        <translation>Importer un relevé bancaire</translation>
    </message>
    <message>
        <source>Comma-Delimited Import Field Selector</source>
        <translation>Choix des champs de l'import délimité par des virgules</translation>
    </message>
    <message>
        <source>&amp;Select File</source>
        <translation>Choisir le &amp;fichier</translation>
    </message>
    <message>
        <source>Click to select a file to import</source>
        <translation>Cliquer pour choisir un fichier à importer</translation>
    </message>
    <message>
        <source>C&amp;lear Fields</source>
        <translation>Remettre à &amp;zéro</translation>
    </message>
    <message>
        <source>Clear all fields and start over</source>
        <translation>Effacer tous les champs et recommencer</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Start the import operation</source>
        <translation>Lancer l'import</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Quit import utility without further action</source>
        <translation>Quitter l'import sans rien faire de plus</translation>
    </message>
    <message>
        <source>Pa&amp;yee Rules...</source>
        <translation>&amp;Règles des bénéficiaires...</translation>
    </message>
    <message>
        <source>Which payee goes to which category</source>
        <translation>Quel bénéficiaire va dans quelle catégorie</translation>
    </message>
    <message>
        <source>Import file name... ?</source>
        <translation>Nom du fichier à importer... ?</translation>
    </message>
    <message>
        <source>this is the file you have selected</source>
        <translation>voici le fichier que vous avez choisi</translation>
    </message>
    <message>
        <source>Import File Data Fields</source>
        <translation>Champs du fichier importé</translation>
    </message>
    <message>
        <source>First line &amp;holds column names</source>
        <translation>La première li&amp;gne contient les noms de colonnes</translation>
    </message>
    <message>
        <source>Leave out the first line of the file</source>
        <translation>Ignorer la première ligne du fichier</translation>
    </message>
    <message>
        <source>How the dates of the file are written</source>
        <translation>Comment les dates du fichier sont écrites</translation>
    </message>
    <message>
        <source>found from the file</source>
        <translation>déduit du fichier</translation>
    </message>
    <message>
        <source>The decimal mark of the file's amounts</source>
        <translation>Le séparateur décimal des montants du fichier</translation>
    </message>
    <message>
        <source>point (1,234.56)</source>
        <translation>point (1,234.56)</translation>
    </message>
    <message>
        <source>comma (1.234,56)</source>
        <translation>virgule (1.234,56)</translation>
    </message>
    <message>
        <source>The entries the import makes; tick a duplicate to import it after all, double-click a category to choose one</source>
        <translation>Les écritures que l'import crée ; cocher un doublon pour l'importer quand même, double-cliquer sur une catégorie pour en choisir une</translation>
    </message>
    <message>
        <source>The words of the sign field for money out, separated by commas</source>
        <translation>Les mots du champ de signe pour les sorties d'argent, séparés par des virgules</translation>
    </message>
    <message>
        <source>What stands between the fields of a .csv file</source>
        <translation>Ce qui sépare les champs d'un fichier .csv</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <source>Lines at the top of the file before the entries or the column names</source>
        <translation>Lignes en tête du fichier avant les écritures ou les noms de colonnes</translation>
    </message>
    <message>
        <source>Lines at the end of the file that are no entries (a balance, a total)</source>
        <translation>Lignes en fin de fichier qui ne sont pas des écritures (un solde, un total)</translation>
    </message>
    <message>
        <source>How the file writes the amount</source>
        <translation>Comment le fichier écrit le montant</translation>
    </message>
    <message>
        <source>one signed field</source>
        <translation>un champ signé</translation>
    </message>
    <message>
        <source>debit and credit</source>
        <translation>débit et crédit</translation>
    </message>
    <message>
        <source>field and sign</source>
        <translation>champ et signe</translation>
    </message>
    <message>
        <source>Amounts ha&amp;ve the opposite sign</source>
        <translation>Les montants ont le signe in&amp;verse</translation>
    </message>
    <message>
        <source>The file writes money out as positive amounts</source>
        <translation>Le fichier écrit les sorties d'argent en montants positifs</translation>
    </message>
    <message>
        <source>A layout saved for a bank's files</source>
        <translation>Une disposition enregistrée pour les fichiers d'une banque</translation>
    </message>
    <message>
        <source>Save Layout...</source>
        <translation>Enregistrer la disposition...</translation>
    </message>
    <message>
        <source>Save the links and the layout under a name</source>
        <translation>Enregistrer les liens et la disposition sous un nom</translation>
    </message>
    <message>
        <source>Quillbank Fields</source>
        <translation>Champs de Quillbank</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Amount</source>
        <translation>&amp;Montant</translation>
    </message>
    <message>
        <source>De&amp;bit</source>
        <translation>Dé&amp;bit</translation>
    </message>
    <message>
        <source>C&amp;redit</source>
        <translation>&amp;Crédit</translation>
    </message>
    <message>
        <source>Si&amp;gn</source>
        <translation>&amp;Signe</translation>
    </message>
    <message>
        <source>Debit &amp;words</source>
        <translation>Mots du dé&amp;bit</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>&amp;Joined note</source>
        <translation>Note a&amp;joutée</translation>
    </message>
    <message>
        <source>Ca&amp;tegory</source>
        <translation>Ca&amp;tégorie</translation>
    </message>
    <message>
        <source>User Field &amp;1</source>
        <translation>Champ utilisateur &amp;1</translation>
    </message>
    <message>
        <source>User Field &amp;2</source>
        <translation>Champ utilisateur &amp;2</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Bank e&amp;xport</source>
        <translation>E&amp;xport de la banque</translation>
    </message>
    <message>
        <source>Se&amp;parator</source>
        <translation>Sé&amp;parateur</translation>
    </message>
    <message>
        <source>S&amp;kip lines at top</source>
        <translation>Lignes à sa&amp;uter en tête</translation>
    </message>
    <message>
        <source>F&amp;ooter lines</source>
        <translation>&amp;Lignes de pied</translation>
    </message>
    <message>
        <source>Dat&amp;es</source>
        <translation>F&amp;ormat des dates</translation>
    </message>
    <message>
        <source>Deci&amp;mals</source>
        <translation>Décimal&amp;es</translation>
    </message>
    <message>
        <source>Amo&amp;unt in</source>
        <translation>T&amp;ype de montant</translation>
    </message>
    <message>
        <source>Import File Data &amp;Fields</source>
        <translation>C&amp;hamps du fichier importé</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Read with the import profile %1.</source>
        <translation>Lu avec le profil d'import %1.</translation>
    </message>
    <message>
        <source>Save Layout</source>
        <translation>Enregistrer la disposition</translation>
    </message>
    <message>
        <source>Name of this layout (it is chosen again for files with the same column names):</source>
        <translation>Nom de cette disposition (elle est reprise pour les fichiers ayant les mêmes noms de colonnes) :</translation>
    </message>
    <message>
        <source>The layout was saved as the import profile %1.</source>
        <translation>La disposition a été enregistrée comme profil d'import %1.</translation>
    </message>
    <message>
        <source>Read with the import profile %1, saved for these column names.</source>
        <translation>Lu avec le profil d'import %1, enregistré pour ces noms de colonnes.</translation>
    </message>
    <message>
        <source>Line %1 is no entry (shown at the end of the list): set Footer lines to 1 to leave it out.</source>
        <translation>La ligne %1 n'est pas une écriture (affichée en fin de liste) : mettre Lignes de pied à 1 pour l'ignorer.</translation>
    </message>
    <message>
        <source>The %1 lines from line %2 are no entries (shown at the end of the list): set Footer lines to %1 to leave them out.</source>
        <translation>Les %1 lignes à partir de la ligne %2 ne sont pas des écritures (affichées en fin de liste) : mettre Lignes de pied à %1 pour les ignorer.</translation>
    </message>
    <message>
        <source>Link the Date and Amount fields to see the entries here.</source>
        <translation>Lier les champs Date et Montant pour voir ici les écritures.</translation>
    </message>
    <message>
        <source>1 line at the end left out.</source>
        <translation>1 ligne de fin ignorée.</translation>
    </message>
    <message>
        <source>%1 lines at the end left out.</source>
        <translation>%1 lignes de fin ignorées.</translation>
    </message>
    <message>
        <source>The &quot;Import File Data Fields&quot; list on the right shows the first five records from the data file you selected. You must match up the fields with the &quot;Quillbank Fields&quot; list in the middle. Highlight each item on the right in turn and then click on the correct field number box to make the field number appear. Quillbank fields which have no corresponding import file field number will simply be left empty. You MUST sort your data after importing!</source>
        <translation>La liste « Champs du fichier importé » à droite montre les cinq premiers enregistrements du fichier choisi. Faites correspondre ces champs à la liste « Champs de Quillbank » au milieu : sélectionnez tour à tour chaque élément à droite, puis cliquez sur la case du bon champ pour y faire apparaître son numéro. Les champs de Quillbank sans champ correspondant dans le fichier restent vides. Vous DEVEZ trier vos données après l'import !</translation>
    </message>
    <message>
        <source>The table below shows the transactions of the statement you selected. Lines that are already in your book are marked as duplicates and left out; tick one to import it after all. Double-click a category to choose one: the payee is remembered for the next statement, and &quot;Payee Rules&quot; shows what has been learned. Lines left without a category can go to IMPORT. You MUST sort your data after importing!</source>
        <translation>Le tableau ci-dessous montre les opérations du relevé choisi. Les lignes déjà présentes dans votre livre sont marquées comme doublons et ignorées ; cochez-en une pour l'importer quand même. Double-cliquez sur une catégorie pour en choisir une : le bénéficiaire est retenu pour le prochain relevé, et « Règles des bénéficiaires » montre ce qui a été appris. Les lignes restées sans catégorie peuvent aller dans IMPORT. Vous DEVEZ trier vos données après l'import !</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>FY %1 - %2  &gt;&gt;  %3</source>
        <translation>Ex. %1 - %2  &gt;&gt;  %3</translation>
    </message>
    <message>
        <source>%1 Days - %2</source>
        <translation>%1 jours - %2</translation>
    </message>
    <message>
        <source>1 Year - %1</source>
        <translation>1 an - %1</translation>
    </message>
    <message>
        <source>%1 Years - %2</source>
        <translation>%1 ans - %2</translation>
    </message>
    <message>
        <source>Category = All Categories </source>
        <translation>Catégorie = Toutes les catégories </translation>
    </message>
    <message>
        <source>%1 Items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>Category = %1 </source>
        <translation>Catégorie = %1 </translation>
    </message>
    <message>
        <source>Word Search = %1 </source>
        <translation>Recherche de mot = %1 </translation>
    </message>
    <message>
        <source>Reporting: %1 items selected.</source>
        <translation>Rapport : %1 éléments sélectionnés.</translation>
    </message>
    <message>
        <source>Sorting %1 ... press &lt;ESC&gt; to stop </source>
        <translation>Tri de %1 ... appuyez sur &lt;Échap&gt; pour arrêter </translation>
    </message>
    <message>
        <source>%1 records which were marked for deletion have been removed.</source>
        <translation>%1 enregistrements marqués pour suppression ont été retirés.</translation>
    </message>
    <message>
        <source>%1 records which were marked for deletion have been removed. The file as it was before is kept as %2.</source>
        <translation>%1 enregistrements marqués pour suppression ont été retirés. Le fichier tel qu'il était est conservé sous %2.</translation>
    </message>
    <message>
        <source>%1 records that were marked for deletion have been restored.</source>
        <translation>%1 enregistrements marqués pour suppression ont été restaurés.</translation>
    </message>
    <message>
        <source>Nothing to do!</source>
        <translation>Rien à faire !</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Error - operation aborted</source>
        <translation>Erreur – opération abandonnée</translation>
    </message>
    <message>
        <source>What is the earliest date you wish to see?</source>
        <translation>Quelle est la date la plus ancienne à afficher ?</translation>
    </message>
    <message>
        <source>What is the latest date you wish to see?</source>
        <translation>Quelle est la date la plus récente à afficher ?</translation>
    </message>
    <message>
        <source>Please provide a date for these entries...</source>
        <translation>Veuillez indiquer une date pour ces écritures...</translation>
    </message>
    <message>
        <source>Please provide the last day of the forecast...</source>
        <translation>Veuillez indiquer le dernier jour de la prévision...</translation>
    </message>
    <message>
        <source>Search for a complete word or phrase</source>
        <translation>Rechercher un mot ou une expression entière</translation>
    </message>
    <message>
        <source>Search for a word or phrase fragment</source>
        <translation>Rechercher un fragment de mot ou d'expression</translation>
    </message>
    <message>
        <source>Scheduled entries go into the book: quit macro edit or report mode first.</source>
        <translation>Les écritures programmées vont dans le livre : quittez d'abord la modification de macro ou le mode rapport.</translation>
    </message>
    <message>
        <source>No scheduled entry is due.</source>
        <translation>Aucune écriture programmée n'est échue.</translation>
    </message>
    <message>
        <source>The forecast continues the record list: quit report mode first.</source>
        <translation>La prévision prolonge la liste des écritures : quittez d'abord le mode rapport.</translation>
    </message>
    <message>
        <source>The forecast looks ahead: please choose a day after today.</source>
        <translation>La prévision regarde vers l'avenir : veuillez choisir un jour après aujourd'hui.</translation>
    </message>
    <message>
        <source>The Tool Tips will reappear the next time you start the program.</source>
        <translation>Les info-bulles réapparaîtront au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Tool Tips On</source>
        <translation>Info-bulles activées</translation>
    </message>
    <message>
        <source>Please make sure your internet connection is active!</source>
        <translation>Veuillez vérifier que votre connexion Internet est active !</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Continuer ?</translation>
    </message>
    <message>
        <source>Visit Brindlefold on the Web</source>
        <translation>Visiter Brindlefold sur le Web</translation>
    </message>
    <message>
        <source>Could not find your Browser</source>
        <translation>Votre navigateur est introuvable</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Navigateur introuvable</translation>
    </message>
    <message>
        <source>Target and source are the same! Please select a different target folder.</source>
        <translation>La cible et la source sont identiques ! Veuillez choisir un autre dossier cible.</translation>
    </message>
    <message>
        <source>Backup completed!</source>
        <translation>Sauvegarde terminée !</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Please type an amount such as -400 (money out) or 1,250.00 (money in).</source>
        <translation>Veuillez saisir un montant comme -400 (dépense) ou 1 250,00 (recette).</translation>
    </message>
    <message>
        <source>The categories have changed since this plan was read. Please press Revert and type the changes again; nothing has been saved.</source>
        <translation>Les catégories ont changé depuis la lecture de ce plan. Veuillez cliquer sur Rétablir et saisir à nouveau les changements ; rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>You must first build a list of items in order to generate a report. Please select categories and/or perform word searches to build your list.</source>
        <translation>Pour produire un rapport, il faut d'abord constituer une liste. Veuillez choisir des catégories ou lancer des recherches pour la remplir.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n'est installée.</translation>
    </message>
    <message>
        <source>Save the report as a PDF file instead?</source>
        <translation>Enregistrer plutôt le rapport en fichier PDF ?</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>There are no entries in this list to chart. Please choose a range, a category or a search that lists some.</source>
        <translation>Cette liste ne contient aucune écriture à représenter. Veuillez choisir une période, une catégorie ou une recherche qui en affiche.</translation>
    </message>
    <message>
        <source>No printer is installed. Save the chart as a PDF document instead?</source>
        <translation>Aucune imprimante n'est installée. Enregistrer plutôt le graphique en document PDF ?</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimer le graphique</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Choisir un dossier...</translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Choisir un fichier...</translation>
    </message>
    <message>
        <source>Records to be imported MUST have a least a Date field and an Amount field specified.</source>
        <translation>Les écritures à importer DOIVENT avoir au moins un champ Date et un champ Montant.</translation>
    </message>
    <message>
        <source>Ready to attempt data import. Please be advised that the import operation cannot tell whether or not the data being imported is valid!</source>
        <translation>Prêt à tenter l'import des données. Sachez que l'import ne peut pas savoir si les données importées sont valides !</translation>
    </message>
    <message>
        <source>IMPORTANT: if you have not recently run a data backup then you are strongly advised to quit the import operation now and do so!</source>
        <translation>IMPORTANT : si vous n'avez pas fait récemment de sauvegarde des données, il vous est vivement conseillé de quitter l'import maintenant et d'en faire une !</translation>
    </message>
    <message>
        <source>Proceed?</source>
        <translation>Continuer ?</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Prêt...</translation>
    </message>
    <message>
        <source>Order of the dates</source>
        <translation>Ordre des dates</translation>
    </message>
    <message>
        <source>Read them month first? (No reads them day first.)</source>
        <translation>Les lire le mois d'abord ? (Non les lit le jour d'abord.)</translation>
    </message>
    <message>
        <source>Choose No to pick categories in the table first.</source>
        <translation>Choisissez Non pour choisir d'abord des catégories dans le tableau.</translation>
    </message>
</context>
</TS>
