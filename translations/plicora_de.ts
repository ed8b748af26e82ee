<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>IUiSeam</name>
    <message>
        <source>PDF Document(s) (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Select a folder for output file(s)</source>
        <translation>Zielordner für die Ausgabedatei(en) wählen</translation>
    </message>
</context>
<context>
    <name>Plicora</name>
    <message>
        <source>may change text and drop bookmarks, links and forms; repairs some damaged files; smaller split pieces</source>
        <translation>kann Text verändern und Lesezeichen, Links und Formulare verlieren; repariert manche beschädigte Dateien; kleinere Teile beim Aufteilen</translation>
    </message>
    <message>
        <source>keeps text, bookmarks, links and forms as they are</source>
        <translation>behält Text, Lesezeichen, Links und Formulare unverändert bei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being split.</source>
        <translation>„%1“ ist das Dokument, das aufgeteilt wird.</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>kein PDF</translation>
    </message>
    <message>
        <source>damaged beyond repair</source>
        <translation>irreparabel beschädigt</translation>
    </message>
    <message>
        <source>damaged beyond repair (%1)</source>
        <translation>irreparabel beschädigt (%1)</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be merged!</source>
        <translation>%1 ist verschlüsselt und kann nicht zusammengeführt werden!</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 is a folder, cannot be merged!</source>
        <translation>%1 ist ein Ordner und kann nicht zusammengeführt werden!</translation>
    </message>
    <message>
        <source>%1 is not a PDF document, cannot be merged!</source>
        <translation>%1 ist kein PDF-Dokument und kann nicht zusammengeführt werden!</translation>
    </message>
    <message>
        <source>less file</source>
        <translation>zu wenige Dateien</translation>
    </message>
    <message>
        <source>There must have two or more pdf documents in the list.</source>
        <translation>Die Liste muss mindestens zwei PDF-Dokumente enthalten.</translation>
    </message>
    <message>
        <source>missed output file</source>
        <translation>Ausgabedatei fehlt</translation>
    </message>
    <message>
        <source>Please specify output file nanme.</source>
        <translation>Bitte den Namen der Ausgabedatei angeben.</translation>
    </message>
    <message>
        <source>An output name needs 3 characters or more.</source>
        <translation>Ein Ausgabename braucht mindestens 3 Zeichen.</translation>
    </message>
    <message>
        <source>invalid output file</source>
        <translation>ungültige Ausgabedatei</translation>
    </message>
    <message>
        <source>The output file cannot be one of the files to merge.</source>
        <translation>Die Ausgabedatei darf keine der zusammenzuführenden Dateien sein.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Cannot create output file.</source>
        <translation>Die Ausgabedatei kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>missed source file</source>
        <translation>Quelldatei fehlt</translation>
    </message>
    <message>
        <source>Please select a PDF document to split.</source>
        <translation>Bitte ein PDF-Dokument zum Aufteilen wählen.</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be split.</source>
        <translation>%1 ist verschlüsselt und kann nicht aufgeteilt werden.</translation>
    </message>
    <message>
        <source>pages less</source>
        <translation>zu wenige Seiten</translation>
    </message>
    <message>
        <source>Pages must be greate then 2.</source>
        <translation>Es müssen mindestens 2 Seiten sein.</translation>
    </message>
    <message>
        <source>missed page range</source>
        <translation>Seitenbereich fehlt</translation>
    </message>
    <message>
        <source>Please specify page range(s) for spliting.</source>
        <translation>Bitte den oder die Seitenbereiche zum Aufteilen angeben.</translation>
    </message>
    <message>
        <source>invalid page range</source>
        <translation>ungültiger Seitenbereich</translation>
    </message>
    <message>
        <source>Page ranges is invalid or page number exceed total pages.</source>
        <translation>Die Seitenbereiche sind ungültig oder eine Seitenzahl übersteigt die Seitenanzahl.</translation>
    </message>
    <message>
        <source>missed output location</source>
        <translation>Zielordner fehlt</translation>
    </message>
    <message>
        <source>Please specify a location for spliting.</source>
        <translation>Bitte einen Zielordner für das Aufteilen angeben.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Specified file not exists.</source>
        <translation>Die angegebene Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Invalid PDF document.</source>
        <translation>Ungültiges PDF-Dokument.</translation>
    </message>
    <message>
        <source>%1: no pages were found, it is not a PDF document.</source>
        <translation>%1: Keine Seiten gefunden, es ist kein PDF-Dokument.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF document.</source>
        <translation>%1 ist ein Ordner, kein PDF-Dokument.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>create folder failed</source>
        <translation>Ordner nicht erstellt</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;</source>
        <translation>Ordner „%1“ kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>%1 is encrypted: its pages cannot be shown.</source>
        <translation>%1 ist verschlüsselt: Seine Seiten können nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>%1 is not a PDF document: its pages cannot be shown.</source>
        <translation>%1 ist kein PDF-Dokument: Seine Seiten können nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Merging PDF completed.</source>
        <translation>Zusammenführen der PDF-Dateien abgeschlossen.</translation>
    </message>
    <message>
        <source>Merging PDF failed.</source>
        <translation>Zusammenführen der PDF-Dateien fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Splitting PDF completed.</source>
        <translation>Aufteilen der PDF-Datei abgeschlossen.</translation>
    </message>
    <message>
        <source>Splitting PDF failed.</source>
        <translation>Aufteilen der PDF-Datei fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Merging PDF cancelled.</source>
        <translation>Zusammenführen der PDF-Dateien abgebrochen.</translation>
    </message>
    <message>
        <source>Splitting PDF cancelled.</source>
        <translation>Aufteilen der PDF-Datei abgebrochen.</translation>
    </message>
    <message>
        <source>files left out</source>
        <translation>ausgelassene Dateien</translation>
    </message>
    <message>
        <source>These files cannot be read and will be left out:</source>
        <translation>Diese Dateien können nicht gelesen werden und werden ausgelassen:</translation>
    </message>
    <message>
        <source>Merge the other files?</source>
        <translation>Die übrigen Dateien zusammenführen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aleady exists</source>
        <translation>„%1“ existiert bereits</translation>
    </message>
    <message>
        <source>The password given does not open it.</source>
        <translation>Das angegebene Passwort öffnet sie nicht.</translation>
    </message>
    <message>
        <source>%1: opened with its password; the result is written without encryption.</source>
        <translation>%1: mit seinem Passwort geöffnet; das Ergebnis wird unverschlüsselt geschrieben.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Passwort für %1:</translation>
    </message>
    <message>
        <source>%1: pages &quot;%2&quot; cannot be chosen: %3.</source>
        <translation>%1: Die Seiten „%2“ können nicht gewählt werden: %3.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot read bookmarks to split by; the exact engine can.</source>
        <translation>Das Schreiben mit Ghostscript kann keine Lesezeichen lesen, um danach aufzuteilen; das exakte Kopieren kann es.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot measure pieces to split by size; the exact engine can.</source>
        <translation>Das Schreiben mit Ghostscript kann die Größe von Teilen nicht messen, um nach Größe aufzuteilen; das exakte Kopieren kann es.</translation>
    </message>
</context>
<context>
    <name>TMergeListModel</name>
    <message>
        <source>counting...</source>
        <translation>wird gezählt …</translation>
    </message>
    <message>
        <source>%1 (not a PDF)</source>
        <translation>%1 (kein PDF)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (beschädigt)</translation>
    </message>
    <message>
        <source>%1: a merge leaves it out</source>
        <translation>%1: wird beim Zusammenführen ausgelassen</translation>
    </message>
    <message>
        <source>repaired when read (%1)</source>
        <translation>beim Lesen repariert (%1)</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 page</source>
        <translation>, 1 Seite</translation>
    </message>
    <message numerus="yes">
        <source>, %n pages</source>
        <translation>
            <numerusform>, %n Seite</numerusform>
            <numerusform>, %n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 counting...</source>
        <translation>, %1 werden gezählt …</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Seite(n)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Vollständiger Pfad</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>%1, turned %2°</source>
        <translation>%1, um %2° gedreht</translation>
    </message>
    <message>
        <source>Pages chosen</source>
        <translation>Gewählte Seiten</translation>
    </message>
</context>
<context>
    <name>TPageGridModel</name>
    <message>
        <source>in no piece</source>
        <translation>in keinem Teil</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>Teil %1</translation>
    </message>
    <message>
        <source>pieces %1</source>
        <translation>Teile %1</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>nicht gewählt</translation>
    </message>
</context>
<context>
    <name>TPageRenderer</name>
    <message>
        <source>Page pictures are not part of this build.</source>
        <translation>Seitenbilder gehören nicht zu dieser Ausgabe.</translation>
    </message>
    <message>
        <source>Page %1 cannot be drawn.</source>
        <translation>Seite %1 kann nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.</source>
        <translation>%1 kann nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About us</source>
        <translation>Über uns</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later, without any warranty</source>
        <translation>GPL-3.0-or-later, ohne jede Gewährleistung</translation>
    </message>
    <message>
        <source>Built with Qt (LGPL-3.0), libqpdf (Apache-2.0) and Ghostscript (AGPL-3.0).</source>
        <translation>Erstellt mit Qt (LGPL-3.0), libqpdf (Apache-2.0) und Ghostscript (AGPL-3.0).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No page pictures: built without Qt&apos;s PDF module.</source>
        <translation>Keine Seitenbilder: ohne das PDF-Modul von Qt erstellt.</translation>
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
        <translation>Plicora-Logo</translation>
    </message>
    <message>
        <source>The program&apos;s name and emblem.</source>
        <translation>Name und Emblem des Programms.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Link: chooses how merged and split files are written, by copying pages exactly or rewriting them with Ghostscript.</source>
        <translation>Link: wählt, wie zusammengeführte und aufgeteilte Dateien geschrieben werden – durch exaktes Kopieren der Seiten oder Neuschreiben mit Ghostscript.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Link: shows the About window with the version and the maker&apos;s addresses.</source>
        <translation>Link: zeigt das Info-Fenster mit Version und Adressen des Herstellers.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Two tabs: PDF Merge joins several PDF files into one, PDF Split cuts one PDF file into several.</source>
        <translation>Zwei Reiter: PDF zusammenführen fügt mehrere PDF-Dateien zu einer zusammen, PDF aufteilen zerlegt eine PDF-Datei in mehrere.</translation>
    </message>
    <message>
        <source>PDF Merge</source>
        <translation>PDF zusammenführen</translation>
    </message>
    <message>
        <source>Files to merge</source>
        <translation>Zusammenzuführende Dateien</translation>
    </message>
    <message>
        <source>The PDF files to merge, in the order their pages will follow, with ID, file name, pages and size. Drag rows or press Alt+Up and Alt+Down to reorder them, Delete removes the selected ones; the context menu also sorts them by name.</source>
        <translation>Die zusammenzuführenden PDF-Dateien in der Reihenfolge ihrer Seiten, mit Nummer, Dateiname, Seiten und Größe. Zeilen ziehen oder Alt+Auf und Alt+Ab drücken, um sie umzuordnen; Entf entfernt die gewählten; das Kontextmenü sortiert sie auch nach Namen.</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Chooses PDF files to add to the end of the list (Ctrl+O).</source>
        <translation>Wählt PDF-Dateien, die ans Ende der Liste kommen (Strg+O).</translation>
    </message>
    <message>
        <source>Add file(s)</source>
        <translation>Datei(en) hinzufügen</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Gewählte Dateien entfernen</translation>
    </message>
    <message>
        <source>Takes the selected files out of the list (Delete).</source>
        <translation>Nimmt die gewählten Dateien aus der Liste (Entf).</translation>
    </message>
    <message>
        <source>Remove selected file(s)</source>
        <translation>Gewählte Datei(en) entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Moves the selected file one place up in the list (Alt+Up).</source>
        <translation>Schiebt die gewählte Datei eine Stelle nach oben (Alt+Auf).</translation>
    </message>
    <message>
        <source>Move selected item up</source>
        <translation>Gewählten Eintrag nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Moves the selected file one place down in the list (Alt+Down).</source>
        <translation>Schiebt die gewählte Datei eine Stelle nach unten (Alt+Ab).</translation>
    </message>
    <message>
        <source>Move selected item down</source>
        <translation>Gewählten Eintrag nach unten</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>The PDF file the merged pages are written to.</source>
        <translation>Die PDF-Datei, in die die zusammengeführten Seiten geschrieben werden.</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>Ausgabedatei wählen</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the name and folder of the merged file.</source>
        <translation>Öffnet einen Dialog, um Namen und Ordner der zusammengeführten Datei zu wählen.</translation>
    </message>
    <message>
        <source>specify output file name</source>
        <translation>Namen der Ausgabedatei angeben</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Merges the listed files into the output file (Ctrl+Return).</source>
        <translation>Führt die aufgelisteten Dateien in der Ausgabedatei zusammen (Strg+Eingabe).</translation>
    </message>
    <message>
        <source>start to merge</source>
        <translation>Zusammenführen starten</translation>
    </message>
    <message>
        <source>PDF Split</source>
        <translation>PDF aufteilen</translation>
    </message>
    <message>
        <source>Source PDF File</source>
        <translation>Quell-PDF-Datei</translation>
    </message>
    <message>
        <source>Source PDF file</source>
        <translation>Quell-PDF-Datei</translation>
    </message>
    <message>
        <source>The PDF file to split; its page count shows next to it.</source>
        <translation>Die aufzuteilende PDF-Datei; daneben steht ihre Seitenanzahl.</translation>
    </message>
    <message>
        <source>Choose source file</source>
        <translation>Quelldatei wählen</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the PDF file to split (Ctrl+O).</source>
        <translation>Öffnet einen Dialog, um die aufzuteilende PDF-Datei zu wählen (Strg+O).</translation>
    </message>
    <message>
        <source>Select a pdf file to split</source>
        <translation>PDF-Datei zum Aufteilen wählen</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>Split Method</source>
        <translation>Aufteilungsart</translation>
    </message>
    <message>
        <source>A file for every</source>
        <translation>Eine Datei je</translation>
    </message>
    <message>
        <source>Splits into files of the number of pages set next to it.</source>
        <translation>Teilt in Dateien mit der daneben eingestellten Seitenanzahl.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Seiten pro Datei</translation>
    </message>
    <message>
        <source>How many pages each output file gets when splitting evenly.</source>
        <translation>Wie viele Seiten jede Ausgabedatei beim gleichmäßigen Aufteilen erhält.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Seite(n)</translation>
    </message>
    <message>
        <source>Specified pages</source>
        <translation>Seitenauswahl</translation>
    </message>
    <message>
        <source>Splits by the page ranges typed next to it.</source>
        <translation>Teilt nach den daneben eingegebenen Seitenbereichen.</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Seitenbereiche</translation>
    </message>
    <message>
        <source>Pages and ranges separated by commas, for example 1,2-5,4,6; each entry becomes one file.</source>
        <translation>Seiten und Bereiche durch Kommas getrennt, zum Beispiel 1,2-5,4,6; jeder Eintrag wird eine Datei.</translation>
    </message>
    <message>
        <source>(ex: 1,2-5,4,6)</source>
        <translation>(z. B. 1,2-5,4,6)</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Output location</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>The folder the split files are written to, each named after the source with its pages added.</source>
        <translation>Der Ordner für die aufgeteilten Dateien; jede heißt wie die Quelle, ergänzt um ihre Seiten.</translation>
    </message>
    <message>
        <source>output file name format: &lt;source name&gt;+&lt;number&gt;</source>
        <translation>Format der Dateinamen: &lt;Quellname&gt;+&lt;Nummer&gt;</translation>
    </message>
    <message>
        <source>Choose output location</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the folder for the split files.</source>
        <translation>Öffnet einen Dialog, um den Ordner für die aufgeteilten Dateien zu wählen.</translation>
    </message>
    <message>
        <source>specify output location</source>
        <translation>Zielordner angeben</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilen</translation>
    </message>
    <message>
        <source>Splits the source file into the output location (Ctrl+Return).</source>
        <translation>Teilt die Quelldatei in den Zielordner auf (Strg+Eingabe).</translation>
    </message>
    <message>
        <source>Start to split</source>
        <translation>Aufteilen starten</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>Produktseite im Web</translation>
    </message>
    <message>
        <source>Link: opens the product&apos;s web page in the browser.</source>
        <translation>Link: öffnet die Produktseite im Browser.</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Seiten: %1</translation>
    </message>
    <message>
        <source>cancel?</source>
        <translation>Abbrechen?</translation>
    </message>
    <message>
        <source>A merge or split is running.
Cancel it and close Plicora?</source>
        <translation>Ein Zusammenführen oder Aufteilen läuft.
Abbrechen und Plicora schließen?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fehlschlag</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Nach Namen sortieren</translation>
    </message>
    <message>
        <source>overwrite?</source>
        <translation>Überschreiben?</translation>
    </message>
    <message>
        <source>%1, overwrite?</source>
        <translation>%1 – überschreiben?</translation>
    </message>
    <message>
        <source> - the merge starts when all are counted</source>
        <translation> – das Zusammenführen beginnt, sobald alle gezählt sind</translation>
    </message>
    <message>
        <source>select destination location</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>Files with the same name of the output file will be overwritten.
Do you want to continue?</source>
        <translation>Dateien mit dem Namen einer Ausgabedatei werden überschrieben.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt verwendeten Dateien</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment>the caption in the Merge button&apos;s picture</comment>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Split</source>
        <comment>the caption in the Split button&apos;s picture</comment>
        <translation>Aufteilen</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Seiten wählen</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Zeile duplizieren</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Add a blank page after files with an odd number of pages</source>
        <translation>Nach Dateien mit ungerader Seitenanzahl eine leere Seite einfügen</translation>
    </message>
    <message>
        <source>One per file, with the file&apos;s own beneath it</source>
        <translation>Eines pro Datei, mit den Lesezeichen der Datei darunter</translation>
    </message>
    <message>
        <source>The files&apos; own only</source>
        <translation>Nur die Lesezeichen der Dateien</translation>
    </message>
    <message>
        <source>One per file only</source>
        <translation>Nur eines pro Datei</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Seiten zeigen</translation>
    </message>
    <message>
        <source>Pages of the selected file</source>
        <translation>Seiten der gewählten Datei</translation>
    </message>
    <message>
        <source>Shows or hides the pages of the selected file beside the list.</source>
        <translation>Zeigt oder verbirgt die Seiten der gewählten Datei neben der Liste.</translation>
    </message>
    <message>
        <source>Pages and pieces</source>
        <translation>Seiten und Teile</translation>
    </message>
    <message>
        <source>The source&apos;s pages as pictures, each marked with the piece it goes into; a page in no piece is greyed, a page in several pieces is orange.</source>
        <translation>Die Seiten der Quelle als Bilder, jede mit dem Teil markiert, in den sie kommt; eine Seite in keinem Teil ist grau, eine Seite in mehreren Teilen orange.</translation>
    </message>
    <message>
        <source>Shows or hides the source&apos;s pages, each marked with the piece it goes into.</source>
        <translation>Zeigt oder verbirgt die Seiten der Quelle, jede mit dem Teil markiert, in den sie kommt.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Splits into a file for each bookmark at the level set next to it (1: chapters).</source>
        <translation>Teilt in eine Datei je Lesezeichen der daneben eingestellten Ebene auf (1: Kapitel).</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Lesezeichenebene</translation>
    </message>
    <message>
        <source>The level of the bookmarks a file starts at: 1 for the top ones, 2 for those beneath them.</source>
        <translation>Die Ebene der Lesezeichen, an denen eine Datei beginnt: 1 für die obersten, 2 für die darunter.</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Splits into files of at most the size set next to it, with as many pages as fit.</source>
        <translation>Teilt in Dateien von höchstens der daneben eingestellten Größe auf, mit so vielen Seiten, wie hineinpassen.</translation>
    </message>
    <message>
        <source>Largest file in MB</source>
        <translation>Größte Datei in MB</translation>
    </message>
    <message>
        <source>The most megabytes each output file may take; a page larger than that becomes a file of its own.</source>
        <translation>Wie viele Megabyte jede Ausgabedatei höchstens belegen darf; eine größere Seite wird zu einer eigenen Datei.</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, Shift+click) are the ones the merge takes, the others are faint and marked &quot;not chosen&quot;.</source>
        <translation>Die Seiten der in der Liste gewählten Datei als Bilder; die markierten Seiten (Klick, Strg+Klick, Umschalt+Klick) nimmt das Zusammenführen auf, die anderen sind blass und als „nicht gewählt“ gekennzeichnet.</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>How merged and split files are written:</source>
        <translation>Wie zusammengeführte und aufgeteilte Dateien geschrieben werden:</translation>
    </message>
    <message>
        <source>Copy pages exactly</source>
        <translation>Seiten exakt kopieren</translation>
    </message>
    <message>
        <source>Copy pages exactly (recommended)</source>
        <translation>Seiten exakt kopieren (empfohlen)</translation>
    </message>
    <message>
        <source>Rewrite with Ghostscript</source>
        <translation>Mit Ghostscript neu schreiben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keeps the chosen way of writing for this and later jobs and closes the window.</source>
        <translation>Übernimmt die gewählte Schreibweise für diesen und spätere Aufträge und schließt das Fenster.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Closes the window and keeps the way of writing as it was.</source>
        <translation>Schließt das Fenster und lässt die Schreibweise, wie sie war.</translation>
    </message>
    <message>
        <source>Shows the merged file, or the folder of the split files, once a job has succeeded.</source>
        <translation>Zeigt nach einem erfolgreichen Auftrag die zusammengeführte Datei oder den Ordner der aufgeteilten Dateien.</translation>
    </message>
    <message>
        <source>Open the result when done</source>
        <translation>Ergebnis danach öffnen</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The language of the windows; applied when Plicora starts again.</source>
        <translation>Die Sprache der Fenster; gilt ab dem nächsten Start von Plicora.</translation>
    </message>
    <message>
        <source>A new language applies when Plicora starts again.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Forgets the folders and files used last; the dialogs start in the usual places again.</source>
        <translation>Vergisst die zuletzt verwendeten Ordner und Dateien; die Dialoge beginnen wieder an den üblichen Orten.</translation>
    </message>
    <message>
        <source>Clear recent folders</source>
        <translation>Zuletzt verwendete Ordner löschen</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemvorgabe</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Merging PDF</source>
        <translation>PDF-Dateien werden zusammengeführt</translation>
    </message>
    <message>
        <source>Splitting PDF</source>
        <translation>PDF-Datei wird aufgeteilt</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Schreibe %1</translation>
    </message>
    <message>
        <source>Writing %1
Pages of %2 (%3 of %4)</source>
        <translation>Schreibe %1
Seiten von %2 (%3 von %4)</translation>
    </message>
    <message>
        <source>Writing piece %1, from page %2</source>
        <translation>Schreibe Teil %1 ab Seite %2</translation>
    </message>
    <message>
        <source>Writing %1
Saving the merged file</source>
        <translation>Schreibe %1
Die zusammengeführte Datei wird gespeichert</translation>
    </message>
    <message>
        <source>Cancelling... what is finished is kept.</source>
        <translation>Wird abgebrochen … Fertiges bleibt erhalten.</translation>
    </message>
</context>
</TS>
