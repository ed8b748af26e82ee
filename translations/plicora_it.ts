<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>IUiSeam</name>
    <message>
        <source>PDF Document(s) (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Select a folder for output file(s)</source>
        <translation>Seleziona la cartella di destinazione</translation>
    </message>
</context>
<context>
    <name>Plicora</name>
    <message>
        <source>may change text and drop bookmarks, links and forms; repairs some damaged files; smaller split pieces</source>
        <translation>può modificare il testo e perdere segnalibri, collegamenti e moduli; ripara alcuni file danneggiati; parti divise più piccole</translation>
    </message>
    <message>
        <source>keeps text, bookmarks, links and forms as they are</source>
        <translation>mantiene testo, segnalibri, collegamenti e moduli così come sono</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being split.</source>
        <translation>«%1» è il documento da dividere.</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>non è un PDF</translation>
    </message>
    <message>
        <source>damaged beyond repair</source>
        <translation>danneggiato in modo irreparabile</translation>
    </message>
    <message>
        <source>damaged beyond repair (%1)</source>
        <translation>danneggiato in modo irreparabile (%1)</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be merged!</source>
        <translation>%1 è crittografato, non può essere unito!</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>%1 is a folder, cannot be merged!</source>
        <translation>%1 è una cartella, non può essere unita!</translation>
    </message>
    <message>
        <source>%1 is not a PDF document, cannot be merged!</source>
        <translation>%1 non è un documento PDF, non può essere unito!</translation>
    </message>
    <message>
        <source>less file</source>
        <translation>file insufficienti</translation>
    </message>
    <message>
        <source>There must have two or more pdf documents in the list.</source>
        <translation>L’elenco deve contenere almeno due documenti PDF.</translation>
    </message>
    <message>
        <source>missed output file</source>
        <translation>file di output mancante</translation>
    </message>
    <message>
        <source>Please specify output file nanme.</source>
        <translation>Specificare il nome del file di output.</translation>
    </message>
    <message>
        <source>An output name needs 3 characters or more.</source>
        <translation>Un nome di output richiede almeno 3 caratteri.</translation>
    </message>
    <message>
        <source>invalid output file</source>
        <translation>file di output non valido</translation>
    </message>
    <message>
        <source>The output file cannot be one of the files to merge.</source>
        <translation>Il file di output non può essere uno dei file da unire.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Cannot create output file.</source>
        <translation>Impossibile creare il file di output.</translation>
    </message>
    <message>
        <source>missed source file</source>
        <translation>file di origine mancante</translation>
    </message>
    <message>
        <source>Please select a PDF document to split.</source>
        <translation>Selezionare un documento PDF da dividere.</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be split.</source>
        <translation>%1 è crittografato, non può essere diviso.</translation>
    </message>
    <message>
        <source>pages less</source>
        <translation>pagine insufficienti</translation>
    </message>
    <message>
        <source>Pages must be greate then 2.</source>
        <translation>Le pagine devono essere almeno 2.</translation>
    </message>
    <message>
        <source>missed page range</source>
        <translation>intervallo di pagine mancante</translation>
    </message>
    <message>
        <source>Please specify page range(s) for spliting.</source>
        <translation>Specificare gli intervalli di pagine da dividere.</translation>
    </message>
    <message>
        <source>invalid page range</source>
        <translation>intervallo di pagine non valido</translation>
    </message>
    <message>
        <source>Page ranges is invalid or page number exceed total pages.</source>
        <translation>Gli intervalli di pagine non sono validi o un numero supera il totale delle pagine.</translation>
    </message>
    <message>
        <source>missed output location</source>
        <translation>cartella di destinazione mancante</translation>
    </message>
    <message>
        <source>Please specify a location for spliting.</source>
        <translation>Specificare una cartella di destinazione per la divisione.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Specified file not exists.</source>
        <translation>Il file specificato non esiste.</translation>
    </message>
    <message>
        <source>Invalid PDF document.</source>
        <translation>Documento PDF non valido.</translation>
    </message>
    <message>
        <source>%1: no pages were found, it is not a PDF document.</source>
        <translation>%1: nessuna pagina trovata, non è un documento PDF.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF document.</source>
        <translation>%1 è una cartella, non un documento PDF.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>create folder failed</source>
        <translation>creazione cartella non riuscita</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;</source>
        <translation>impossibile creare la cartella «%1»</translation>
    </message>
    <message>
        <source>%1 is encrypted: its pages cannot be shown.</source>
        <translation>%1 è crittografato: le sue pagine non possono essere mostrate.</translation>
    </message>
    <message>
        <source>%1 is not a PDF document: its pages cannot be shown.</source>
        <translation>%1 non è un documento PDF: le sue pagine non possono essere mostrate.</translation>
    </message>
    <message>
        <source>Merging PDF completed.</source>
        <translation>Unione dei PDF completata.</translation>
    </message>
    <message>
        <source>Merging PDF failed.</source>
        <translation>Unione dei PDF non riuscita.</translation>
    </message>
    <message>
        <source>Splitting PDF completed.</source>
        <translation>Divisione del PDF completata.</translation>
    </message>
    <message>
        <source>Splitting PDF failed.</source>
        <translation>Divisione del PDF non riuscita.</translation>
    </message>
    <message>
        <source>Merging PDF cancelled.</source>
        <translation>Unione dei PDF annullata.</translation>
    </message>
    <message>
        <source>Splitting PDF cancelled.</source>
        <translation>Divisione del PDF annullata.</translation>
    </message>
    <message>
        <source>files left out</source>
        <translation>file esclusi</translation>
    </message>
    <message>
        <source>These files cannot be read and will be left out:</source>
        <translation>Questi file non possono essere letti e saranno esclusi:</translation>
    </message>
    <message>
        <source>Merge the other files?</source>
        <translation>Unire gli altri file?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aleady exists</source>
        <translation>«%1» esiste già</translation>
    </message>
    <message>
        <source>The password given does not open it.</source>
        <translation>La password indicata non lo apre.</translation>
    </message>
    <message>
        <source>%1: opened with its password; the result is written without encryption.</source>
        <translation>%1: aperto con la sua password; il risultato viene scritto senza crittografia.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Password di %1:</translation>
    </message>
    <message>
        <source>%1: pages &quot;%2&quot; cannot be chosen: %3.</source>
        <translation>%1: impossibile scegliere le pagine «%2»: %3.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot read bookmarks to split by; the exact engine can.</source>
        <translation>La scrittura con Ghostscript non sa leggere i segnalibri per dividere in base a essi; la copia esatta sì.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot measure pieces to split by size; the exact engine can.</source>
        <translation>La scrittura con Ghostscript non sa misurare le parti per dividere per dimensione; la copia esatta sì.</translation>
    </message>
</context>
<context>
    <name>TMergeListModel</name>
    <message>
        <source>counting...</source>
        <translation>conteggio…</translation>
    </message>
    <message>
        <source>%1 (not a PDF)</source>
        <translation>%1 (non PDF)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (danneggiato)</translation>
    </message>
    <message>
        <source>%1: a merge leaves it out</source>
        <translation>%1: escluso dall’unione</translation>
    </message>
    <message>
        <source>repaired when read (%1)</source>
        <translation>riparato durante la lettura (%1)</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 file</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 page</source>
        <translation>, 1 pagina</translation>
    </message>
    <message numerus="yes">
        <source>, %n pages</source>
        <translation>
            <numerusform>, %n pagina</numerusform>
            <numerusform>, %n pagine</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 counting...</source>
        <translation>, %1 in conteggio…</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Percorso completo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tutte</translation>
    </message>
    <message>
        <source>%1, turned %2°</source>
        <translation>%1, ruotato di %2°</translation>
    </message>
    <message>
        <source>Pages chosen</source>
        <translation>Pagine scelte</translation>
    </message>
</context>
<context>
    <name>TPageGridModel</name>
    <message>
        <source>in no piece</source>
        <translation>in nessuna parte</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>parte %1</translation>
    </message>
    <message>
        <source>pieces %1</source>
        <translation>parti %1</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>non scelta</translation>
    </message>
</context>
<context>
    <name>TPageRenderer</name>
    <message>
        <source>Page pictures are not part of this build.</source>
        <translation>Le immagini delle pagine non fanno parte di questa versione.</translation>
    </message>
    <message>
        <source>Page %1 cannot be drawn.</source>
        <translation>Impossibile disegnare la pagina %1.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.</source>
        <translation>Impossibile disegnare %1.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About us</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sito web:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistenza:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licenza:</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later, without any warranty</source>
        <translation>GPL-3.0-or-later, senza alcuna garanzia</translation>
    </message>
    <message>
        <source>Built with Qt (LGPL-3.0), libqpdf (Apache-2.0) and Ghostscript (AGPL-3.0).</source>
        <translation>Realizzato con Qt (LGPL-3.0), libqpdf (Apache-2.0) e Ghostscript (AGPL-3.0).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No page pictures: built without Qt&apos;s PDF module.</source>
        <translation>Nessuna immagine delle pagine: compilato senza il modulo PDF di Qt.</translation>
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
        <translation>Logo di Plicora</translation>
    </message>
    <message>
        <source>The program&apos;s name and emblem.</source>
        <translation>Il nome e l’emblema del programma.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Link: chooses how merged and split files are written, by copying pages exactly or rewriting them with Ghostscript.</source>
        <translation>Collegamento: sceglie come vengono scritti i file uniti e divisi, copiando le pagine esattamente o riscrivendole con Ghostscript.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Link: shows the About window with the version and the maker&apos;s addresses.</source>
        <translation>Collegamento: mostra la finestra Informazioni con la versione e gli indirizzi del produttore.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Two tabs: PDF Merge joins several PDF files into one, PDF Split cuts one PDF file into several.</source>
        <translation>Due schede: Unisci PDF riunisce più file PDF in uno, Dividi PDF separa un file PDF in più file.</translation>
    </message>
    <message>
        <source>PDF Merge</source>
        <translation>Unisci PDF</translation>
    </message>
    <message>
        <source>Files to merge</source>
        <translation>File da unire</translation>
    </message>
    <message>
        <source>The PDF files to merge, in the order their pages will follow, with ID, file name, pages and size. Drag rows or press Alt+Up and Alt+Down to reorder them, Delete removes the selected ones; the context menu also sorts them by name.</source>
        <translation>I file PDF da unire, nell’ordine delle loro pagine, con numero, nome, pagine e dimensione. Trascinare le righe o premere Alt+Su e Alt+Giù per riordinarle; Canc rimuove quelle selezionate; il menu contestuale le ordina anche per nome.</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Chooses PDF files to add to the end of the list (Ctrl+O).</source>
        <translation>Sceglie file PDF da aggiungere in fondo all’elenco (Ctrl+O).</translation>
    </message>
    <message>
        <source>Add file(s)</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Rimuovi i file selezionati</translation>
    </message>
    <message>
        <source>Takes the selected files out of the list (Delete).</source>
        <translation>Toglie dall’elenco i file selezionati (Canc).</translation>
    </message>
    <message>
        <source>Remove selected file(s)</source>
        <translation>Rimuovi i file selezionati</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Moves the selected file one place up in the list (Alt+Up).</source>
        <translation>Sposta il file selezionato di un posto in su (Alt+Su).</translation>
    </message>
    <message>
        <source>Move selected item up</source>
        <translation>Sposta su l’elemento selezionato</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Moves the selected file one place down in the list (Alt+Down).</source>
        <translation>Sposta il file selezionato di un posto in giù (Alt+Giù).</translation>
    </message>
    <message>
        <source>Move selected item down</source>
        <translation>Sposta giù l’elemento selezionato</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>File di output</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>File di output</translation>
    </message>
    <message>
        <source>The PDF file the merged pages are written to.</source>
        <translation>Il file PDF in cui vengono scritte le pagine unite.</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>Scegli il file di output</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the name and folder of the merged file.</source>
        <translation>Apre una finestra per scegliere nome e cartella del file unito.</translation>
    </message>
    <message>
        <source>specify output file name</source>
        <translation>specifica il nome del file di output</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Merges the listed files into the output file (Ctrl+Return).</source>
        <translation>Unisce i file dell’elenco nel file di output (Ctrl+Invio).</translation>
    </message>
    <message>
        <source>start to merge</source>
        <translation>avvia l’unione</translation>
    </message>
    <message>
        <source>PDF Split</source>
        <translation>Dividi PDF</translation>
    </message>
    <message>
        <source>Source PDF File</source>
        <translation>File PDF di origine</translation>
    </message>
    <message>
        <source>Source PDF file</source>
        <translation>File PDF di origine</translation>
    </message>
    <message>
        <source>The PDF file to split; its page count shows next to it.</source>
        <translation>Il file PDF da dividere; accanto compare il numero di pagine.</translation>
    </message>
    <message>
        <source>Choose source file</source>
        <translation>Scegli il file di origine</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the PDF file to split (Ctrl+O).</source>
        <translation>Apre una finestra per scegliere il file PDF da dividere (Ctrl+O).</translation>
    </message>
    <message>
        <source>Select a pdf file to split</source>
        <translation>Seleziona un file PDF da dividere</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagine:</translation>
    </message>
    <message>
        <source>Split Method</source>
        <translation>Metodo di divisione</translation>
    </message>
    <message>
        <source>A file for every</source>
        <translation>Un file ogni</translation>
    </message>
    <message>
        <source>Splits into files of the number of pages set next to it.</source>
        <translation>Divide in file con il numero di pagine indicato accanto.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Pagine per file</translation>
    </message>
    <message>
        <source>How many pages each output file gets when splitting evenly.</source>
        <translation>Quante pagine riceve ogni file di output nella divisione regolare.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>pagine</translation>
    </message>
    <message>
        <source>Specified pages</source>
        <translation>Pagine indicate</translation>
    </message>
    <message>
        <source>Splits by the page ranges typed next to it.</source>
        <translation>Divide secondo gli intervalli di pagine scritti accanto.</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Intervalli di pagine</translation>
    </message>
    <message>
        <source>Pages and ranges separated by commas, for example 1,2-5,4,6; each entry becomes one file.</source>
        <translation>Pagine e intervalli separati da virgole, per esempio 1,2-5,4,6; ogni voce diventa un file.</translation>
    </message>
    <message>
        <source>(ex: 1,2-5,4,6)</source>
        <translation>(es.: 1,2-5,4,6)</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Output location</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>The folder the split files are written to, each named after the source with its pages added.</source>
        <translation>La cartella in cui vengono scritti i file divisi, ciascuno col nome dell’origine seguito dalle sue pagine.</translation>
    </message>
    <message>
        <source>output file name format: &lt;source name&gt;+&lt;number&gt;</source>
        <translation>formato del nome: &lt;nome origine&gt;+&lt;numero&gt;</translation>
    </message>
    <message>
        <source>Choose output location</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the folder for the split files.</source>
        <translation>Apre una finestra per scegliere la cartella dei file divisi.</translation>
    </message>
    <message>
        <source>specify output location</source>
        <translation>specifica la cartella di destinazione</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Splits the source file into the output location (Ctrl+Return).</source>
        <translation>Divide il file di origine nella cartella di destinazione (Ctrl+Invio).</translation>
    </message>
    <message>
        <source>Start to split</source>
        <translation>Avvia la divisione</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>Pagina web del prodotto</translation>
    </message>
    <message>
        <source>Link: opens the product&apos;s web page in the browser.</source>
        <translation>Collegamento: apre la pagina web del prodotto nel browser.</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Pagine: %1</translation>
    </message>
    <message>
        <source>cancel?</source>
        <translation>Annullare?</translation>
    </message>
    <message>
        <source>A merge or split is running.
Cancel it and close Plicora?</source>
        <translation>È in corso un’unione o una divisione.
Annullarla e chiudere Plicora?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Ordina per nome</translation>
    </message>
    <message>
        <source>overwrite?</source>
        <translation>Sovrascrivere?</translation>
    </message>
    <message>
        <source>%1, overwrite?</source>
        <translation>%1, sovrascriverlo?</translation>
    </message>
    <message>
        <source> - the merge starts when all are counted</source>
        <translation> – l’unione inizierà a conteggio finito</translation>
    </message>
    <message>
        <source>select destination location</source>
        <translation>seleziona la cartella di destinazione</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>Continuare?</translation>
    </message>
    <message>
        <source>Files with the same name of the output file will be overwritten.
Do you want to continue?</source>
        <translation>I file con lo stesso nome di un file di output verranno sovrascritti.
Continuare?</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Nessun file recente</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment>the caption in the Merge button&apos;s picture</comment>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Split</source>
        <comment>the caption in the Split button&apos;s picture</comment>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Scegli pagine</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Duplica riga</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Ruota in senso orario</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>Ruota in senso antiorario</translation>
    </message>
    <message>
        <source>Add a blank page after files with an odd number of pages</source>
        <translation>Aggiungi una pagina bianca dopo i file con un numero dispari di pagine</translation>
    </message>
    <message>
        <source>One per file, with the file&apos;s own beneath it</source>
        <translation>Uno per file, con quelli del file sotto</translation>
    </message>
    <message>
        <source>The files&apos; own only</source>
        <translation>Solo quelli dei file</translation>
    </message>
    <message>
        <source>One per file only</source>
        <translation>Solo uno per file</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Mostra pagine</translation>
    </message>
    <message>
        <source>Pages of the selected file</source>
        <translation>Pagine del file selezionato</translation>
    </message>
    <message>
        <source>Shows or hides the pages of the selected file beside the list.</source>
        <translation>Mostra o nasconde le pagine del file selezionato accanto all&apos;elenco.</translation>
    </message>
    <message>
        <source>Pages and pieces</source>
        <translation>Pagine e parti</translation>
    </message>
    <message>
        <source>The source&apos;s pages as pictures, each marked with the piece it goes into; a page in no piece is greyed, a page in several pieces is orange.</source>
        <translation>Le pagine dell&apos;origine come immagini, ognuna segnata con la parte in cui finisce; una pagina in nessuna parte è grigia, una pagina in più parti è arancione.</translation>
    </message>
    <message>
        <source>Shows or hides the source&apos;s pages, each marked with the piece it goes into.</source>
        <translation>Mostra o nasconde le pagine dell&apos;origine, ognuna segnata con la parte in cui finisce.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>Splits into a file for each bookmark at the level set next to it (1: chapters).</source>
        <translation>Divide in un file per ogni segnalibro del livello indicato accanto (1: capitoli).</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Livello segnalibro</translation>
    </message>
    <message>
        <source>The level of the bookmarks a file starts at: 1 for the top ones, 2 for those beneath them.</source>
        <translation>Il livello dei segnalibri da cui parte un file: 1 per quelli in alto, 2 per quelli sotto.</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Splits into files of at most the size set next to it, with as many pages as fit.</source>
        <translation>Divide in file di al massimo la dimensione indicata accanto, con tutte le pagine che vi stanno.</translation>
    </message>
    <message>
        <source>Largest file in MB</source>
        <translation>File massimo in MB</translation>
    </message>
    <message>
        <source>The most megabytes each output file may take; a page larger than that becomes a file of its own.</source>
        <translation>Quanti megabyte può occupare al massimo ogni file di output; una pagina più grande diventa un file a sé.</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, Shift+click) are the ones the merge takes, the others are faint and marked &quot;not chosen&quot;.</source>
        <translation>Le pagine del file selezionato nell’elenco, come immagini; l’unione prende le pagine selezionate (clic, Ctrl+clic, Maiusc+clic), le altre sono sbiadite e segnate «non scelta».</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>How merged and split files are written:</source>
        <translation>Come vengono scritti i file uniti e divisi:</translation>
    </message>
    <message>
        <source>Copy pages exactly</source>
        <translation>Copia le pagine esattamente</translation>
    </message>
    <message>
        <source>Copy pages exactly (recommended)</source>
        <translation>Copia le pagine esattamente (consigliato)</translation>
    </message>
    <message>
        <source>Rewrite with Ghostscript</source>
        <translation>Riscrivi con Ghostscript</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keeps the chosen way of writing for this and later jobs and closes the window.</source>
        <translation>Mantiene il modo di scrittura scelto per questo e i prossimi lavori e chiude la finestra.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Closes the window and keeps the way of writing as it was.</source>
        <translation>Chiude la finestra lasciando il modo di scrittura com’era.</translation>
    </message>
    <message>
        <source>Shows the merged file, or the folder of the split files, once a job has succeeded.</source>
        <translation>Mostra il file unito, o la cartella dei file divisi, quando il lavoro riesce.</translation>
    </message>
    <message>
        <source>Open the result when done</source>
        <translation>Apri il risultato alla fine</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>The language of the windows; applied when Plicora starts again.</source>
        <translation>La lingua delle finestre; si applica al prossimo avvio di Plicora.</translation>
    </message>
    <message>
        <source>A new language applies when Plicora starts again.</source>
        <translation>Una nuova lingua vale dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Forgets the folders and files used last; the dialogs start in the usual places again.</source>
        <translation>Dimentica le ultime cartelle e gli ultimi file usati; le finestre ripartono dai posti consueti.</translation>
    </message>
    <message>
        <source>Clear recent folders</source>
        <translation>Cancella cartelle recenti</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Lingua di sistema</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Merging PDF</source>
        <translation>Unione dei PDF</translation>
    </message>
    <message>
        <source>Splitting PDF</source>
        <translation>Divisione del PDF</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Scrittura di %1</translation>
    </message>
    <message>
        <source>Writing %1
Pages of %2 (%3 of %4)</source>
        <translation>Scrittura di %1
Pagine di %2 (%3 di %4)</translation>
    </message>
    <message>
        <source>Writing piece %1, from page %2</source>
        <translation>Scrittura della parte %1, dalla pagina %2</translation>
    </message>
    <message>
        <source>Writing %1
Saving the merged file</source>
        <translation>Scrittura di %1
Salvataggio del file unito</translation>
    </message>
    <message>
        <source>Cancelling... what is finished is kept.</source>
        <translation>Annullamento… quanto già finito viene mantenuto.</translation>
    </message>
</context>
</TS>
