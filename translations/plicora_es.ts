<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>IUiSeam</name>
    <message>
        <source>PDF Document(s) (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Select a folder for output file(s)</source>
        <translation>Seleccione la carpeta de destino</translation>
    </message>
</context>
<context>
    <name>Plicora</name>
    <message>
        <source>may change text and drop bookmarks, links and forms; repairs some damaged files; smaller split pieces</source>
        <translation>puede cambiar el texto y perder marcadores, enlaces y formularios; repara algunos archivos dañados; partes divididas más pequeñas</translation>
    </message>
    <message>
        <source>keeps text, bookmarks, links and forms as they are</source>
        <translation>conserva el texto, los marcadores, los enlaces y los formularios tal como están</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being split.</source>
        <translation>«%1» es el documento que se está dividiendo.</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>no es un PDF</translation>
    </message>
    <message>
        <source>damaged beyond repair</source>
        <translation>dañado sin reparación posible</translation>
    </message>
    <message>
        <source>damaged beyond repair (%1)</source>
        <translation>dañado sin reparación posible (%1)</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be merged!</source>
        <translation>¡%1 está cifrado y no se puede unir!</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>%1 is a folder, cannot be merged!</source>
        <translation>¡%1 es una carpeta y no se puede unir!</translation>
    </message>
    <message>
        <source>%1 is not a PDF document, cannot be merged!</source>
        <translation>¡%1 no es un documento PDF y no se puede unir!</translation>
    </message>
    <message>
        <source>less file</source>
        <translation>faltan archivos</translation>
    </message>
    <message>
        <source>There must have two or more pdf documents in the list.</source>
        <translation>La lista debe contener dos o más documentos PDF.</translation>
    </message>
    <message>
        <source>missed output file</source>
        <translation>falta el archivo de salida</translation>
    </message>
    <message>
        <source>Please specify output file nanme.</source>
        <translation>Indique el nombre del archivo de salida.</translation>
    </message>
    <message>
        <source>An output name needs 3 characters or more.</source>
        <translation>Un nombre de salida necesita 3 caracteres o más.</translation>
    </message>
    <message>
        <source>invalid output file</source>
        <translation>archivo de salida no válido</translation>
    </message>
    <message>
        <source>The output file cannot be one of the files to merge.</source>
        <translation>El archivo de salida no puede ser uno de los archivos que se van a unir.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Cannot create output file.</source>
        <translation>No se puede crear el archivo de salida.</translation>
    </message>
    <message>
        <source>missed source file</source>
        <translation>falta el archivo de origen</translation>
    </message>
    <message>
        <source>Please select a PDF document to split.</source>
        <translation>Seleccione un documento PDF para dividir.</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be split.</source>
        <translation>%1 está cifrado y no se puede dividir.</translation>
    </message>
    <message>
        <source>pages less</source>
        <translation>faltan páginas</translation>
    </message>
    <message>
        <source>Pages must be greate then 2.</source>
        <translation>Debe haber al menos 2 páginas.</translation>
    </message>
    <message>
        <source>missed page range</source>
        <translation>falta el intervalo de páginas</translation>
    </message>
    <message>
        <source>Please specify page range(s) for spliting.</source>
        <translation>Indique los intervalos de páginas para dividir.</translation>
    </message>
    <message>
        <source>invalid page range</source>
        <translation>intervalo de páginas no válido</translation>
    </message>
    <message>
        <source>Page ranges is invalid or page number exceed total pages.</source>
        <translation>Los intervalos de páginas no son válidos o un número supera el total de páginas.</translation>
    </message>
    <message>
        <source>missed output location</source>
        <translation>falta la carpeta de destino</translation>
    </message>
    <message>
        <source>Please specify a location for spliting.</source>
        <translation>Indique una carpeta de destino para dividir.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Specified file not exists.</source>
        <translation>El archivo indicado no existe.</translation>
    </message>
    <message>
        <source>Invalid PDF document.</source>
        <translation>Documento PDF no válido.</translation>
    </message>
    <message>
        <source>%1: no pages were found, it is not a PDF document.</source>
        <translation>%1: no se encontraron páginas, no es un documento PDF.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF document.</source>
        <translation>%1 es una carpeta, no un documento PDF.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>create folder failed</source>
        <translation>error al crear la carpeta</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;</source>
        <translation>no se puede crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>%1 is encrypted: its pages cannot be shown.</source>
        <translation>%1 está cifrado: sus páginas no se pueden mostrar.</translation>
    </message>
    <message>
        <source>%1 is not a PDF document: its pages cannot be shown.</source>
        <translation>%1 no es un documento PDF: sus páginas no se pueden mostrar.</translation>
    </message>
    <message>
        <source>Merging PDF completed.</source>
        <translation>Unión de PDF completada.</translation>
    </message>
    <message>
        <source>Merging PDF failed.</source>
        <translation>Error al unir los PDF.</translation>
    </message>
    <message>
        <source>Splitting PDF completed.</source>
        <translation>División del PDF completada.</translation>
    </message>
    <message>
        <source>Splitting PDF failed.</source>
        <translation>Error al dividir el PDF.</translation>
    </message>
    <message>
        <source>Merging PDF cancelled.</source>
        <translation>Unión de PDF cancelada.</translation>
    </message>
    <message>
        <source>Splitting PDF cancelled.</source>
        <translation>División del PDF cancelada.</translation>
    </message>
    <message>
        <source>files left out</source>
        <translation>archivos omitidos</translation>
    </message>
    <message>
        <source>These files cannot be read and will be left out:</source>
        <translation>Estos archivos no se pueden leer y se omitirán:</translation>
    </message>
    <message>
        <source>Merge the other files?</source>
        <translation>¿Unir los demás archivos?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aleady exists</source>
        <translation>«%1» ya existe</translation>
    </message>
    <message>
        <source>The password given does not open it.</source>
        <translation>La contraseña indicada no lo abre.</translation>
    </message>
    <message>
        <source>%1: opened with its password; the result is written without encryption.</source>
        <translation>%1: abierto con su contraseña; el resultado se escribe sin cifrar.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Contraseña de %1:</translation>
    </message>
    <message>
        <source>%1: pages &quot;%2&quot; cannot be chosen: %3.</source>
        <translation>%1: no se pueden elegir las páginas «%2»: %3.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot read bookmarks to split by; the exact engine can.</source>
        <translation>La escritura con Ghostscript no puede leer marcadores para dividir por ellos; la copia exacta sí puede.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot measure pieces to split by size; the exact engine can.</source>
        <translation>La escritura con Ghostscript no puede medir las partes para dividir por tamaño; la copia exacta sí puede.</translation>
    </message>
</context>
<context>
    <name>TMergeListModel</name>
    <message>
        <source>counting...</source>
        <translation>contando…</translation>
    </message>
    <message>
        <source>%1 (not a PDF)</source>
        <translation>%1 (no es PDF)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (dañado)</translation>
    </message>
    <message>
        <source>%1: a merge leaves it out</source>
        <translation>%1: se omite al unir</translation>
    </message>
    <message>
        <source>repaired when read (%1)</source>
        <translation>reparado al leerlo (%1)</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 page</source>
        <translation>, 1 página</translation>
    </message>
    <message numerus="yes">
        <source>, %n pages</source>
        <translation>
            <numerusform>, %n página</numerusform>
            <numerusform>, %n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 counting...</source>
        <translation>, %1 contando…</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Página(s)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Ruta completa</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todas</translation>
    </message>
    <message>
        <source>%1, turned %2°</source>
        <translation>%1, girado %2°</translation>
    </message>
    <message>
        <source>Pages chosen</source>
        <translation>Páginas elegidas</translation>
    </message>
</context>
<context>
    <name>TPageGridModel</name>
    <message>
        <source>in no piece</source>
        <translation>en ninguna parte</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>parte %1</translation>
    </message>
    <message>
        <source>pieces %1</source>
        <translation>partes %1</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>no elegida</translation>
    </message>
</context>
<context>
    <name>TPageRenderer</name>
    <message>
        <source>Page pictures are not part of this build.</source>
        <translation>Las imágenes de página no forman parte de esta compilación.</translation>
    </message>
    <message>
        <source>Page %1 cannot be drawn.</source>
        <translation>La página %1 no se puede dibujar.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.</source>
        <translation>%1 no se puede dibujar.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About us</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licencia:</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later, without any warranty</source>
        <translation>GPL-3.0-or-later, sin ninguna garantía</translation>
    </message>
    <message>
        <source>Built with Qt (LGPL-3.0), libqpdf (Apache-2.0) and Ghostscript (AGPL-3.0).</source>
        <translation>Creado con Qt (LGPL-3.0), libqpdf (Apache-2.0) y Ghostscript (AGPL-3.0).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No page pictures: built without Qt&apos;s PDF module.</source>
        <translation>Sin imágenes de página: compilado sin el módulo PDF de Qt.</translation>
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
        <translation>Logotipo de Plicora</translation>
    </message>
    <message>
        <source>The program&apos;s name and emblem.</source>
        <translation>El nombre y el emblema del programa.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Link: chooses how merged and split files are written, by copying pages exactly or rewriting them with Ghostscript.</source>
        <translation>Enlace: elige cómo se escriben los archivos unidos y divididos, copiando las páginas tal cual o reescribiéndolas con Ghostscript.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Link: shows the About window with the version and the maker&apos;s addresses.</source>
        <translation>Enlace: muestra la ventana Acerca de con la versión y las direcciones del fabricante.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Two tabs: PDF Merge joins several PDF files into one, PDF Split cuts one PDF file into several.</source>
        <translation>Dos pestañas: Unir PDF junta varios archivos PDF en uno y Dividir PDF corta un archivo PDF en varios.</translation>
    </message>
    <message>
        <source>PDF Merge</source>
        <translation>Unir PDF</translation>
    </message>
    <message>
        <source>Files to merge</source>
        <translation>Archivos para unir</translation>
    </message>
    <message>
        <source>The PDF files to merge, in the order their pages will follow, with ID, file name, pages and size. Drag rows or press Alt+Up and Alt+Down to reorder them, Delete removes the selected ones; the context menu also sorts them by name.</source>
        <translation>Los archivos PDF que se unirán, en el orden de sus páginas, con número, nombre, páginas y tamaño. Arrastre filas o pulse Alt+Arriba y Alt+Abajo para reordenarlas; Supr quita las seleccionadas; el menú contextual también las ordena por nombre.</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Chooses PDF files to add to the end of the list (Ctrl+O).</source>
        <translation>Elige archivos PDF para añadirlos al final de la lista (Ctrl+O).</translation>
    </message>
    <message>
        <source>Add file(s)</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Quitar los archivos seleccionados</translation>
    </message>
    <message>
        <source>Takes the selected files out of the list (Delete).</source>
        <translation>Quita de la lista los archivos seleccionados (Supr).</translation>
    </message>
    <message>
        <source>Remove selected file(s)</source>
        <translation>Quitar la selección</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Moves the selected file one place up in the list (Alt+Up).</source>
        <translation>Sube el archivo seleccionado un puesto en la lista (Alt+Arriba).</translation>
    </message>
    <message>
        <source>Move selected item up</source>
        <translation>Subir el elemento seleccionado</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Moves the selected file one place down in the list (Alt+Down).</source>
        <translation>Baja el archivo seleccionado un puesto en la lista (Alt+Abajo).</translation>
    </message>
    <message>
        <source>Move selected item down</source>
        <translation>Bajar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Archivo de salida</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Archivo de salida</translation>
    </message>
    <message>
        <source>The PDF file the merged pages are written to.</source>
        <translation>El archivo PDF en el que se escriben las páginas unidas.</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>Elegir el archivo de salida</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the name and folder of the merged file.</source>
        <translation>Abre un cuadro de diálogo para elegir el nombre y la carpeta del archivo unido.</translation>
    </message>
    <message>
        <source>specify output file name</source>
        <translation>indicar el nombre del archivo de salida</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>Merges the listed files into the output file (Ctrl+Return).</source>
        <translation>Une los archivos de la lista en el archivo de salida (Ctrl+Intro).</translation>
    </message>
    <message>
        <source>start to merge</source>
        <translation>empezar a unir</translation>
    </message>
    <message>
        <source>PDF Split</source>
        <translation>Dividir PDF</translation>
    </message>
    <message>
        <source>Source PDF File</source>
        <translation>Archivo PDF de origen</translation>
    </message>
    <message>
        <source>Source PDF file</source>
        <translation>Archivo PDF de origen</translation>
    </message>
    <message>
        <source>The PDF file to split; its page count shows next to it.</source>
        <translation>El archivo PDF que se dividirá; al lado se muestra su número de páginas.</translation>
    </message>
    <message>
        <source>Choose source file</source>
        <translation>Elegir el archivo de origen</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the PDF file to split (Ctrl+O).</source>
        <translation>Abre un cuadro de diálogo para elegir el archivo PDF que se dividirá (Ctrl+O).</translation>
    </message>
    <message>
        <source>Select a pdf file to split</source>
        <translation>Seleccionar un archivo PDF para dividir</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Split Method</source>
        <translation>Método de división</translation>
    </message>
    <message>
        <source>A file for every</source>
        <translation>Archivo cada</translation>
    </message>
    <message>
        <source>Splits into files of the number of pages set next to it.</source>
        <translation>Divide en archivos con el número de páginas indicado al lado.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Páginas por archivo</translation>
    </message>
    <message>
        <source>How many pages each output file gets when splitting evenly.</source>
        <translation>Cuántas páginas recibe cada archivo de salida al dividir de forma regular.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>página(s)</translation>
    </message>
    <message>
        <source>Specified pages</source>
        <translation>Intervalos</translation>
    </message>
    <message>
        <source>Splits by the page ranges typed next to it.</source>
        <translation>Divide según los intervalos de páginas escritos al lado.</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Intervalos de páginas</translation>
    </message>
    <message>
        <source>Pages and ranges separated by commas, for example 1,2-5,4,6; each entry becomes one file.</source>
        <translation>Páginas e intervalos separados por comas, por ejemplo 1,2-5,4,6; cada entrada será un archivo.</translation>
    </message>
    <message>
        <source>(ex: 1,2-5,4,6)</source>
        <translation>(p. ej.: 1,2-5,4,6)</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Output location</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>The folder the split files are written to, each named after the source with its pages added.</source>
        <translation>La carpeta donde se escriben los archivos divididos, cada uno con el nombre del origen más sus páginas.</translation>
    </message>
    <message>
        <source>output file name format: &lt;source name&gt;+&lt;number&gt;</source>
        <translation>formato del nombre: &lt;nombre de origen&gt;+&lt;número&gt;</translation>
    </message>
    <message>
        <source>Choose output location</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the folder for the split files.</source>
        <translation>Abre un cuadro de diálogo para elegir la carpeta de los archivos divididos.</translation>
    </message>
    <message>
        <source>specify output location</source>
        <translation>indicar la carpeta de destino</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Splits the source file into the output location (Ctrl+Return).</source>
        <translation>Divide el archivo de origen en la carpeta de destino (Ctrl+Intro).</translation>
    </message>
    <message>
        <source>Start to split</source>
        <translation>Empezar a dividir</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>Página web del producto</translation>
    </message>
    <message>
        <source>Link: opens the product&apos;s web page in the browser.</source>
        <translation>Enlace: abre la página web del producto en el navegador.</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Páginas: %1</translation>
    </message>
    <message>
        <source>cancel?</source>
        <translation>¿Cancelar?</translation>
    </message>
    <message>
        <source>A merge or split is running.
Cancel it and close Plicora?</source>
        <translation>Se está uniendo o dividiendo.
¿Cancelar y cerrar Plicora?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>overwrite?</source>
        <translation>¿Sobrescribir?</translation>
    </message>
    <message>
        <source>%1, overwrite?</source>
        <translation>%1. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source> - the merge starts when all are counted</source>
        <translation> – la unión empezará cuando todo esté contado</translation>
    </message>
    <message>
        <source>select destination location</source>
        <translation>seleccionar la carpeta de destino</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>¿Continuar?</translation>
    </message>
    <message>
        <source>Files with the same name of the output file will be overwritten.
Do you want to continue?</source>
        <translation>Se sobrescribirán los archivos que tengan el nombre de un archivo de salida.
¿Desea continuar?</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment>the caption in the Merge button&apos;s picture</comment>
        <translation>Unir</translation>
    </message>
    <message>
        <source>Split</source>
        <comment>the caption in the Split button&apos;s picture</comment>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Elegir páginas</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Duplicar fila</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Girar en sentido horario</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>Girar en sentido antihorario</translation>
    </message>
    <message>
        <source>Add a blank page after files with an odd number of pages</source>
        <translation>Añadir una página en blanco tras los archivos con un número impar de páginas</translation>
    </message>
    <message>
        <source>One per file, with the file&apos;s own beneath it</source>
        <translation>Uno por archivo, con los del propio archivo debajo</translation>
    </message>
    <message>
        <source>The files&apos; own only</source>
        <translation>Solo los de los archivos</translation>
    </message>
    <message>
        <source>One per file only</source>
        <translation>Solo uno por archivo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Mostrar páginas</translation>
    </message>
    <message>
        <source>Pages of the selected file</source>
        <translation>Páginas del archivo seleccionado</translation>
    </message>
    <message>
        <source>Shows or hides the pages of the selected file beside the list.</source>
        <translation>Muestra u oculta las páginas del archivo seleccionado junto a la lista.</translation>
    </message>
    <message>
        <source>Pages and pieces</source>
        <translation>Páginas y partes</translation>
    </message>
    <message>
        <source>The source&apos;s pages as pictures, each marked with the piece it goes into; a page in no piece is greyed, a page in several pieces is orange.</source>
        <translation>Las páginas del origen como imágenes, cada una marcada con la parte a la que va; una página sin parte aparece en gris y una página en varias partes, en naranja.</translation>
    </message>
    <message>
        <source>Shows or hides the source&apos;s pages, each marked with the piece it goes into.</source>
        <translation>Muestra u oculta las páginas del origen, cada una marcada con la parte a la que va.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Splits into a file for each bookmark at the level set next to it (1: chapters).</source>
        <translation>Divide en un archivo por cada marcador del nivel indicado al lado (1: capítulos).</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Nivel de marcador</translation>
    </message>
    <message>
        <source>The level of the bookmarks a file starts at: 1 for the top ones, 2 for those beneath them.</source>
        <translation>El nivel de los marcadores donde empieza un archivo: 1 para los superiores, 2 para los que están debajo.</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Splits into files of at most the size set next to it, with as many pages as fit.</source>
        <translation>Divide en archivos de como máximo el tamaño indicado al lado, con tantas páginas como quepan.</translation>
    </message>
    <message>
        <source>Largest file in MB</source>
        <translation>Tamaño máximo en MB</translation>
    </message>
    <message>
        <source>The most megabytes each output file may take; a page larger than that becomes a file of its own.</source>
        <translation>Los megabytes que puede ocupar como máximo cada archivo de salida; una página mayor pasa a ser un archivo propio.</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, Shift+click) are the ones the merge takes, the others are faint and marked &quot;not chosen&quot;.</source>
        <translation>Las páginas del archivo seleccionado en la lista, como imágenes; la unión toma las páginas marcadas (clic, Ctrl+clic, Mayús+clic), las demás aparecen tenues y marcadas como «no elegida».</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>How merged and split files are written:</source>
        <translation>Cómo se escriben los archivos unidos y divididos:</translation>
    </message>
    <message>
        <source>Copy pages exactly</source>
        <translation>Copiar las páginas tal cual</translation>
    </message>
    <message>
        <source>Copy pages exactly (recommended)</source>
        <translation>Copiar las páginas tal cual (recomendado)</translation>
    </message>
    <message>
        <source>Rewrite with Ghostscript</source>
        <translation>Reescribir con Ghostscript</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Keeps the chosen way of writing for this and later jobs and closes the window.</source>
        <translation>Conserva el modo de escritura elegido para este y los siguientes trabajos y cierra la ventana.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window and keeps the way of writing as it was.</source>
        <translation>Cierra la ventana y deja el modo de escritura como estaba.</translation>
    </message>
    <message>
        <source>Shows the merged file, or the folder of the split files, once a job has succeeded.</source>
        <translation>Muestra el archivo unido, o la carpeta de los archivos divididos, cuando el trabajo termina bien.</translation>
    </message>
    <message>
        <source>Open the result when done</source>
        <translation>Abrir el resultado al terminar</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The language of the windows; applied when Plicora starts again.</source>
        <translation>El idioma de las ventanas; se aplica cuando Plicora vuelve a iniciarse.</translation>
    </message>
    <message>
        <source>A new language applies when Plicora starts again.</source>
        <translation>Un nuevo idioma se aplica al reiniciar Plicora.</translation>
    </message>
    <message>
        <source>Forgets the folders and files used last; the dialogs start in the usual places again.</source>
        <translation>Olvida las últimas carpetas y archivos usados; los cuadros de diálogo vuelven a abrirse en los lugares habituales.</translation>
    </message>
    <message>
        <source>Clear recent folders</source>
        <translation>Borrar carpetas recientes</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Merging PDF</source>
        <translation>Uniendo PDF</translation>
    </message>
    <message>
        <source>Splitting PDF</source>
        <translation>Dividiendo PDF</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Escribiendo %1</translation>
    </message>
    <message>
        <source>Writing %1
Pages of %2 (%3 of %4)</source>
        <translation>Escribiendo %1
Páginas de %2 (%3 de %4)</translation>
    </message>
    <message>
        <source>Writing piece %1, from page %2</source>
        <translation>Escribiendo la parte %1, desde la página %2</translation>
    </message>
    <message>
        <source>Writing %1
Saving the merged file</source>
        <translation>Escribiendo %1
Guardando el archivo unido</translation>
    </message>
    <message>
        <source>Cancelling... what is finished is kept.</source>
        <translation>Cancelando… lo terminado se conserva.</translation>
    </message>
</context>
</TS>
