<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>IUiSeam</name>
    <message>
        <source>PDF Document(s) (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Select a folder for output file(s)</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
</context>
<context>
    <name>Plicora</name>
    <message>
        <source>may change text and drop bookmarks, links and forms; repairs some damaged files; smaller split pieces</source>
        <translation>peut modifier le texte et perdre signets, liens et formulaires&#xa0;; répare certains fichiers endommagés&#xa0;; parties scindées plus légères</translation>
    </message>
    <message>
        <source>keeps text, bookmarks, links and forms as they are</source>
        <translation>conserve le texte, les signets, les liens et les formulaires tels quels</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being split.</source>
        <translation>«&#xa0;%1&#xa0;» est le document en cours de scission.</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>pas un PDF</translation>
    </message>
    <message>
        <source>damaged beyond repair</source>
        <translation>endommagé sans réparation possible</translation>
    </message>
    <message>
        <source>damaged beyond repair (%1)</source>
        <translation>endommagé sans réparation possible (%1)</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be merged!</source>
        <translation>%1 est chiffré et ne peut pas être fusionné&#xa0;!</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>%1 is a folder, cannot be merged!</source>
        <translation>%1 est un dossier et ne peut pas être fusionné&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is not a PDF document, cannot be merged!</source>
        <translation>%1 n’est pas un document PDF et ne peut pas être fusionné&#xa0;!</translation>
    </message>
    <message>
        <source>less file</source>
        <translation>fichiers insuffisants</translation>
    </message>
    <message>
        <source>There must have two or more pdf documents in the list.</source>
        <translation>La liste doit contenir au moins deux documents PDF.</translation>
    </message>
    <message>
        <source>missed output file</source>
        <translation>fichier de sortie manquant</translation>
    </message>
    <message>
        <source>Please specify output file nanme.</source>
        <translation>Veuillez indiquer le nom du fichier de sortie.</translation>
    </message>
    <message>
        <source>An output name needs 3 characters or more.</source>
        <translation>Un nom de sortie doit compter au moins 3&#xa0;caractères.</translation>
    </message>
    <message>
        <source>invalid output file</source>
        <translation>fichier de sortie non valide</translation>
    </message>
    <message>
        <source>The output file cannot be one of the files to merge.</source>
        <translation>Le fichier de sortie ne peut pas être l’un des fichiers à fusionner.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Cannot create output file.</source>
        <translation>Impossible de créer le fichier de sortie.</translation>
    </message>
    <message>
        <source>missed source file</source>
        <translation>fichier source manquant</translation>
    </message>
    <message>
        <source>Please select a PDF document to split.</source>
        <translation>Veuillez choisir un document PDF à scinder.</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be split.</source>
        <translation>%1 est chiffré et ne peut pas être scindé.</translation>
    </message>
    <message>
        <source>pages less</source>
        <translation>pages insuffisantes</translation>
    </message>
    <message>
        <source>Pages must be greate then 2.</source>
        <translation>Le document doit compter au moins 2&#xa0;pages.</translation>
    </message>
    <message>
        <source>missed page range</source>
        <translation>plage de pages manquante</translation>
    </message>
    <message>
        <source>Please specify page range(s) for spliting.</source>
        <translation>Veuillez indiquer la ou les plages de pages à scinder.</translation>
    </message>
    <message>
        <source>invalid page range</source>
        <translation>plage de pages non valide</translation>
    </message>
    <message>
        <source>Page ranges is invalid or page number exceed total pages.</source>
        <translation>Les plages de pages ne sont pas valides ou un numéro dépasse le nombre de pages.</translation>
    </message>
    <message>
        <source>missed output location</source>
        <translation>dossier de destination manquant</translation>
    </message>
    <message>
        <source>Please specify a location for spliting.</source>
        <translation>Veuillez indiquer un dossier de destination pour la scission.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Specified file not exists.</source>
        <translation>Le fichier indiqué n’existe pas.</translation>
    </message>
    <message>
        <source>Invalid PDF document.</source>
        <translation>Document PDF non valide.</translation>
    </message>
    <message>
        <source>%1: no pages were found, it is not a PDF document.</source>
        <translation>%1&#xa0;: aucune page trouvée, ce n’est pas un document PDF.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF document.</source>
        <translation>%1 est un dossier, pas un document PDF.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>create folder failed</source>
        <translation>échec de création du dossier</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;</source>
        <translation>impossible de créer le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is encrypted: its pages cannot be shown.</source>
        <translation>%1 est chiffré&#xa0;: ses pages ne peuvent pas être affichées.</translation>
    </message>
    <message>
        <source>%1 is not a PDF document: its pages cannot be shown.</source>
        <translation>%1 n’est pas un document PDF&#xa0;: ses pages ne peuvent pas être affichées.</translation>
    </message>
    <message>
        <source>Merging PDF completed.</source>
        <translation>Fusion des PDF terminée.</translation>
    </message>
    <message>
        <source>Merging PDF failed.</source>
        <translation>Échec de la fusion des PDF.</translation>
    </message>
    <message>
        <source>Splitting PDF completed.</source>
        <translation>Scission du PDF terminée.</translation>
    </message>
    <message>
        <source>Splitting PDF failed.</source>
        <translation>Échec de la scission du PDF.</translation>
    </message>
    <message>
        <source>Merging PDF cancelled.</source>
        <translation>Fusion des PDF annulée.</translation>
    </message>
    <message>
        <source>Splitting PDF cancelled.</source>
        <translation>Scission du PDF annulée.</translation>
    </message>
    <message>
        <source>files left out</source>
        <translation>fichiers écartés</translation>
    </message>
    <message>
        <source>These files cannot be read and will be left out:</source>
        <translation>Ces fichiers sont illisibles et seront écartés&#xa0;:</translation>
    </message>
    <message>
        <source>Merge the other files?</source>
        <translation>Fusionner les autres fichiers&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aleady exists</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
    <message>
        <source>The password given does not open it.</source>
        <translation>Le mot de passe donné ne l’ouvre pas.</translation>
    </message>
    <message>
        <source>%1: opened with its password; the result is written without encryption.</source>
        <translation>%1&#xa0;: ouvert avec son mot de passe&#xa0;; le résultat est écrit sans chiffrement.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Mot de passe de %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1: pages &quot;%2&quot; cannot be chosen: %3.</source>
        <translation>%1&#xa0;: les pages «&#xa0;%2&#xa0;» ne peuvent pas être choisies&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot read bookmarks to split by; the exact engine can.</source>
        <translation>L’écriture par Ghostscript ne sait pas lire les signets pour scinder selon eux ; la copie exacte le peut.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot measure pieces to split by size; the exact engine can.</source>
        <translation>L’écriture par Ghostscript ne sait pas mesurer les parties pour scinder par taille ; la copie exacte le peut.</translation>
    </message>
</context>
<context>
    <name>TMergeListModel</name>
    <message>
        <source>counting...</source>
        <translation>comptage…</translation>
    </message>
    <message>
        <source>%1 (not a PDF)</source>
        <translation>%1 (pas un PDF)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (endommagé)</translation>
    </message>
    <message>
        <source>%1: a merge leaves it out</source>
        <translation>%1&#xa0;: la fusion l’écarte</translation>
    </message>
    <message>
        <source>repaired when read (%1)</source>
        <translation>réparé à la lecture (%1)</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 page</source>
        <translation>, 1 page</translation>
    </message>
    <message numerus="yes">
        <source>, %n pages</source>
        <translation>
            <numerusform>, %n page</numerusform>
            <numerusform>, %n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 counting...</source>
        <translation>, %1 en cours de comptage…</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Page(s)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Chemin complet</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>toutes</translation>
    </message>
    <message>
        <source>%1, turned %2°</source>
        <translation>%1, tourné de %2°</translation>
    </message>
    <message>
        <source>Pages chosen</source>
        <translation>Pages choisies</translation>
    </message>
</context>
<context>
    <name>TPageGridModel</name>
    <message>
        <source>in no piece</source>
        <translation>dans aucune partie</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>partie %1</translation>
    </message>
    <message>
        <source>pieces %1</source>
        <translation>parties %1</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>non choisie</translation>
    </message>
</context>
<context>
    <name>TPageRenderer</name>
    <message>
        <source>Page pictures are not part of this build.</source>
        <translation>Les aperçus des pages ne font pas partie de cette version.</translation>
    </message>
    <message>
        <source>Page %1 cannot be drawn.</source>
        <translation>La page %1 ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.</source>
        <translation>%1 ne peut pas être affiché.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About us</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistance&#xa0;:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licence&#xa0;:</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later, without any warranty</source>
        <translation>GPL-3.0-or-later, sans aucune garantie</translation>
    </message>
    <message>
        <source>Built with Qt (LGPL-3.0), libqpdf (Apache-2.0) and Ghostscript (AGPL-3.0).</source>
        <translation>Conçu avec Qt (LGPL-3.0), libqpdf (Apache-2.0) et Ghostscript (AGPL-3.0).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No page pictures: built without Qt&apos;s PDF module.</source>
        <translation>Pas d’aperçu des pages&#xa0;: compilé sans le module PDF de Qt.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Plicora</source>
        <translation>Plicora</translation>
    </message>
    <message>
        <source>Plicora logo</source>
        <translation>Logo de Plicora</translation>
    </message>
    <message>
        <source>The program&apos;s name and emblem.</source>
        <translation>Le nom et l’emblème du programme.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Link: chooses how merged and split files are written, by copying pages exactly or rewriting them with Ghostscript.</source>
        <translation>Lien&#xa0;: choisit comment les fichiers fusionnés et scindés sont écrits, par copie exacte des pages ou réécriture avec Ghostscript.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Link: shows the About window with the version and the maker&apos;s addresses.</source>
        <translation>Lien&#xa0;: affiche la fenêtre À propos avec la version et les adresses de l’éditeur.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Two tabs: PDF Merge joins several PDF files into one, PDF Split cuts one PDF file into several.</source>
        <translation>Deux onglets&#xa0;: Fusion PDF réunit plusieurs fichiers PDF en un seul, Scission PDF découpe un fichier PDF en plusieurs.</translation>
    </message>
    <message>
        <source>PDF Merge</source>
        <translation>Fusion PDF</translation>
    </message>
    <message>
        <source>Files to merge</source>
        <translation>Fichiers à fusionner</translation>
    </message>
    <message>
        <source>The PDF files to merge, in the order their pages will follow, with ID, file name, pages and size. Drag rows or press Alt+Up and Alt+Down to reorder them, Delete removes the selected ones; the context menu also sorts them by name.</source>
        <translation>Les fichiers PDF à fusionner, dans l’ordre de leurs pages, avec numéro, nom, pages et taille. Faites glisser les lignes ou appuyez sur Alt+Haut et Alt+Bas pour les réordonner&#xa0;; Suppr retire la sélection&#xa0;; le menu contextuel les trie aussi par nom.</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Chooses PDF files to add to the end of the list (Ctrl+O).</source>
        <translation>Choisit des fichiers PDF à ajouter en fin de liste (Ctrl+O).</translation>
    </message>
    <message>
        <source>Add file(s)</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Retirer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Takes the selected files out of the list (Delete).</source>
        <translation>Retire les fichiers sélectionnés de la liste (Suppr).</translation>
    </message>
    <message>
        <source>Remove selected file(s)</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Moves the selected file one place up in the list (Alt+Up).</source>
        <translation>Monte le fichier sélectionné d’une place dans la liste (Alt+Haut).</translation>
    </message>
    <message>
        <source>Move selected item up</source>
        <translation>Monter l’élément sélectionné</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Moves the selected file one place down in the list (Alt+Down).</source>
        <translation>Descend le fichier sélectionné d’une place dans la liste (Alt+Bas).</translation>
    </message>
    <message>
        <source>Move selected item down</source>
        <translation>Descendre l’élément sélectionné</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>The PDF file the merged pages are written to.</source>
        <translation>Le fichier PDF où sont écrites les pages fusionnées.</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>Choisir le fichier de sortie</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the name and folder of the merged file.</source>
        <translation>Ouvre une boîte de dialogue pour choisir le nom et le dossier du fichier fusionné.</translation>
    </message>
    <message>
        <source>specify output file name</source>
        <translation>indiquer le nom du fichier de sortie</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Merges the listed files into the output file (Ctrl+Return).</source>
        <translation>Fusionne les fichiers de la liste dans le fichier de sortie (Ctrl+Entrée).</translation>
    </message>
    <message>
        <source>start to merge</source>
        <translation>lancer la fusion</translation>
    </message>
    <message>
        <source>PDF Split</source>
        <translation>Scission PDF</translation>
    </message>
    <message>
        <source>Source PDF File</source>
        <translation>Fichier PDF source</translation>
    </message>
    <message>
        <source>Source PDF file</source>
        <translation>Fichier PDF source</translation>
    </message>
    <message>
        <source>The PDF file to split; its page count shows next to it.</source>
        <translation>Le fichier PDF à scinder&#xa0;; son nombre de pages s’affiche à côté.</translation>
    </message>
    <message>
        <source>Choose source file</source>
        <translation>Choisir le fichier source</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the PDF file to split (Ctrl+O).</source>
        <translation>Ouvre une boîte de dialogue pour choisir le fichier PDF à scinder (Ctrl+O).</translation>
    </message>
    <message>
        <source>Select a pdf file to split</source>
        <translation>Choisir un fichier PDF à scinder</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages&#xa0;:</translation>
    </message>
    <message>
        <source>Split Method</source>
        <translation>Méthode de scission</translation>
    </message>
    <message>
        <source>A file for every</source>
        <translation>Un fichier par</translation>
    </message>
    <message>
        <source>Splits into files of the number of pages set next to it.</source>
        <translation>Scinde en fichiers du nombre de pages indiqué à côté.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Pages par fichier</translation>
    </message>
    <message>
        <source>How many pages each output file gets when splitting evenly.</source>
        <translation>Le nombre de pages de chaque fichier produit lors d’une scission régulière.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>page(s)</translation>
    </message>
    <message>
        <source>Specified pages</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Splits by the page ranges typed next to it.</source>
        <translation>Scinde selon les plages de pages saisies à côté.</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Plages de pages</translation>
    </message>
    <message>
        <source>Pages and ranges separated by commas, for example 1,2-5,4,6; each entry becomes one file.</source>
        <translation>Pages et plages séparées par des virgules, par exemple 1,2-5,4,6&#xa0;; chaque entrée devient un fichier.</translation>
    </message>
    <message>
        <source>(ex: 1,2-5,4,6)</source>
        <translation>(ex.&#xa0;: 1,2-5,4,6)</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Output location</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>The folder the split files are written to, each named after the source with its pages added.</source>
        <translation>Le dossier où sont écrits les fichiers scindés, chacun nommé d’après la source suivie de ses pages.</translation>
    </message>
    <message>
        <source>output file name format: &lt;source name&gt;+&lt;number&gt;</source>
        <translation>format des noms&#xa0;: &lt;nom source&gt;+&lt;numéro&gt;</translation>
    </message>
    <message>
        <source>Choose output location</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the folder for the split files.</source>
        <translation>Ouvre une boîte de dialogue pour choisir le dossier des fichiers scindés.</translation>
    </message>
    <message>
        <source>specify output location</source>
        <translation>indiquer le dossier de destination</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Scinder</translation>
    </message>
    <message>
        <source>Splits the source file into the output location (Ctrl+Return).</source>
        <translation>Scinde le fichier source dans le dossier de destination (Ctrl+Entrée).</translation>
    </message>
    <message>
        <source>Start to split</source>
        <translation>Lancer la scission</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>Page web du produit</translation>
    </message>
    <message>
        <source>Link: opens the product&apos;s web page in the browser.</source>
        <translation>Lien&#xa0;: ouvre la page web du produit dans le navigateur.</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Pages&#xa0;: %1</translation>
    </message>
    <message>
        <source>cancel?</source>
        <translation>Annuler&#xa0;?</translation>
    </message>
    <message>
        <source>A merge or split is running.
Cancel it and close Plicora?</source>
        <translation>Une fusion ou une scission est en cours.
L’annuler et fermer Plicora&#xa0;?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>overwrite?</source>
        <translation>Remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1, overwrite?</source>
        <translation>%1, le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source> - the merge starts when all are counted</source>
        <translation> – la fusion commencera une fois tout compté</translation>
    </message>
    <message>
        <source>select destination location</source>
        <translation>choisir le dossier de destination</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Files with the same name of the output file will be overwritten.
Do you want to continue?</source>
        <translation>Les fichiers portant le nom d’un fichier produit seront remplacés.
Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment>the caption in the Merge button&apos;s picture</comment>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Split</source>
        <comment>the caption in the Split button&apos;s picture</comment>
        <translation>Scinder</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Choisir les pages</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Dupliquer la ligne</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Faire pivoter dans le sens horaire</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>Faire pivoter dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Add a blank page after files with an odd number of pages</source>
        <translation>Ajouter une page blanche après les fichiers au nombre de pages impair</translation>
    </message>
    <message>
        <source>One per file, with the file&apos;s own beneath it</source>
        <translation>Un par fichier, avec ceux du fichier en dessous</translation>
    </message>
    <message>
        <source>The files&apos; own only</source>
        <translation>Seulement ceux des fichiers</translation>
    </message>
    <message>
        <source>One per file only</source>
        <translation>Un par fichier seulement</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Afficher les pages</translation>
    </message>
    <message>
        <source>Pages of the selected file</source>
        <translation>Pages du fichier sélectionné</translation>
    </message>
    <message>
        <source>Shows or hides the pages of the selected file beside the list.</source>
        <translation>Affiche ou masque les pages du fichier sélectionné à côté de la liste.</translation>
    </message>
    <message>
        <source>Pages and pieces</source>
        <translation>Pages et parties</translation>
    </message>
    <message>
        <source>The source&apos;s pages as pictures, each marked with the piece it goes into; a page in no piece is greyed, a page in several pieces is orange.</source>
        <translation>Les pages de la source en images, chacune marquée de la partie où elle va ; une page dans aucune partie est grisée, une page dans plusieurs parties est orange.</translation>
    </message>
    <message>
        <source>Shows or hides the source&apos;s pages, each marked with the piece it goes into.</source>
        <translation>Affiche ou masque les pages de la source, chacune marquée de la partie où elle va.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Par signets</translation>
    </message>
    <message>
        <source>Splits into a file for each bookmark at the level set next to it (1: chapters).</source>
        <translation>Scinde en un fichier par signet du niveau indiqué à côté (1 : chapitres).</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Niveau de signet</translation>
    </message>
    <message>
        <source>The level of the bookmarks a file starts at: 1 for the top ones, 2 for those beneath them.</source>
        <translation>Le niveau des signets où commence un fichier : 1 pour ceux du haut, 2 pour ceux en dessous.</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Par taille</translation>
    </message>
    <message>
        <source>Splits into files of at most the size set next to it, with as many pages as fit.</source>
        <translation>Scinde en fichiers d’au plus la taille indiquée à côté, avec autant de pages qu’il en tient.</translation>
    </message>
    <message>
        <source>Largest file in MB</source>
        <translation>Taille maximale en Mo</translation>
    </message>
    <message>
        <source>The most megabytes each output file may take; a page larger than that becomes a file of its own.</source>
        <translation>Le nombre maximal de mégaoctets de chaque fichier de sortie ; une page plus grande devient un fichier à part.</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, Shift+click) are the ones the merge takes, the others are faint and marked &quot;not chosen&quot;.</source>
        <translation>Les pages du fichier sélectionné dans la liste, en images&#xa0;; la fusion prend les pages sélectionnées (clic, Ctrl+clic, Maj+clic), les autres sont pâles et marquées «&#xa0;non choisie&#xa0;».</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>How merged and split files are written:</source>
        <translation>Écriture des fichiers fusionnés et scindés&#xa0;:</translation>
    </message>
    <message>
        <source>Copy pages exactly</source>
        <translation>Copier les pages à l’identique</translation>
    </message>
    <message>
        <source>Copy pages exactly (recommended)</source>
        <translation>Copier les pages à l’identique (recommandé)</translation>
    </message>
    <message>
        <source>Rewrite with Ghostscript</source>
        <translation>Réécrire avec Ghostscript</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keeps the chosen way of writing for this and later jobs and closes the window.</source>
        <translation>Garde le mode d’écriture choisi pour cette tâche et les suivantes et ferme la fenêtre.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Closes the window and keeps the way of writing as it was.</source>
        <translation>Ferme la fenêtre sans changer le mode d’écriture.</translation>
    </message>
    <message>
        <source>Shows the merged file, or the folder of the split files, once a job has succeeded.</source>
        <translation>Affiche le fichier fusionné, ou le dossier des fichiers scindés, une fois la tâche réussie.</translation>
    </message>
    <message>
        <source>Open the result when done</source>
        <translation>Ouvrir le résultat à la fin</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>The language of the windows; applied when Plicora starts again.</source>
        <translation>La langue des fenêtres&#xa0;; appliquée au prochain démarrage de Plicora.</translation>
    </message>
    <message>
        <source>A new language applies when Plicora starts again.</source>
        <translation>Une nouvelle langue s’applique au prochain démarrage.</translation>
    </message>
    <message>
        <source>Forgets the folders and files used last; the dialogs start in the usual places again.</source>
        <translation>Oublie les derniers dossiers et fichiers utilisés&#xa0;; les boîtes de dialogue repartent des emplacements habituels.</translation>
    </message>
    <message>
        <source>Clear recent folders</source>
        <translation>Effacer les dossiers récents</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Merging PDF</source>
        <translation>Fusion des PDF</translation>
    </message>
    <message>
        <source>Splitting PDF</source>
        <translation>Scission du PDF</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Écriture de %1</translation>
    </message>
    <message>
        <source>Writing %1
Pages of %2 (%3 of %4)</source>
        <translation>Écriture de %1
Pages de %2 (%3 sur %4)</translation>
    </message>
    <message>
        <source>Writing piece %1, from page %2</source>
        <translation>Écriture de la partie %1, à partir de la page %2</translation>
    </message>
    <message>
        <source>Writing %1
Saving the merged file</source>
        <translation>Écriture de %1
Enregistrement du fichier fusionné</translation>
    </message>
    <message>
        <source>Cancelling... what is finished is kept.</source>
        <translation>Annulation… ce qui est terminé est conservé.</translation>
    </message>
</context>
</TS>
