<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>IUiSeam</name>
    <message>
        <source>PDF Document(s) (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Select a folder for output file(s)</source>
        <translation>Выберите папку назначения</translation>
    </message>
</context>
<context>
    <name>Plicora</name>
    <message>
        <source>may change text and drop bookmarks, links and forms; repairs some damaged files; smaller split pieces</source>
        <translation>может изменить текст и потерять закладки, ссылки и формы; восстанавливает некоторые повреждённые файлы; части после разделения меньше</translation>
    </message>
    <message>
        <source>keeps text, bookmarks, links and forms as they are</source>
        <translation>сохраняет текст, закладки, ссылки и формы без изменений</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being split.</source>
        <translation>«%1» — это разделяемый документ.</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>не PDF</translation>
    </message>
    <message>
        <source>damaged beyond repair</source>
        <translation>повреждён без возможности восстановления</translation>
    </message>
    <message>
        <source>damaged beyond repair (%1)</source>
        <translation>повреждён без возможности восстановления (%1)</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be merged!</source>
        <translation>%1 зашифрован, объединить его нельзя!</translation>
    </message>
    <message>
        <source>error</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>%1 is a folder, cannot be merged!</source>
        <translation>%1 — это папка, объединить её нельзя!</translation>
    </message>
    <message>
        <source>%1 is not a PDF document, cannot be merged!</source>
        <translation>%1 не является документом PDF, объединить его нельзя!</translation>
    </message>
    <message>
        <source>less file</source>
        <translation>мало файлов</translation>
    </message>
    <message>
        <source>There must have two or more pdf documents in the list.</source>
        <translation>В списке должно быть не меньше двух документов PDF.</translation>
    </message>
    <message>
        <source>missed output file</source>
        <translation>не указан выходной файл</translation>
    </message>
    <message>
        <source>Please specify output file nanme.</source>
        <translation>Укажите имя выходного файла.</translation>
    </message>
    <message>
        <source>An output name needs 3 characters or more.</source>
        <translation>Имя выходного файла должно содержать не меньше 3 символов.</translation>
    </message>
    <message>
        <source>invalid output file</source>
        <translation>недопустимый выходной файл</translation>
    </message>
    <message>
        <source>The output file cannot be one of the files to merge.</source>
        <translation>Выходной файл не может быть одним из объединяемых файлов.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Cannot create output file.</source>
        <translation>Не удаётся создать выходной файл.</translation>
    </message>
    <message>
        <source>missed source file</source>
        <translation>не указан исходный файл</translation>
    </message>
    <message>
        <source>Please select a PDF document to split.</source>
        <translation>Выберите документ PDF для разделения.</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be split.</source>
        <translation>%1 зашифрован, разделить его нельзя.</translation>
    </message>
    <message>
        <source>pages less</source>
        <translation>мало страниц</translation>
    </message>
    <message>
        <source>Pages must be greate then 2.</source>
        <translation>Страниц должно быть не меньше 2.</translation>
    </message>
    <message>
        <source>missed page range</source>
        <translation>не указан диапазон страниц</translation>
    </message>
    <message>
        <source>Please specify page range(s) for spliting.</source>
        <translation>Укажите диапазоны страниц для разделения.</translation>
    </message>
    <message>
        <source>invalid page range</source>
        <translation>недопустимый диапазон страниц</translation>
    </message>
    <message>
        <source>Page ranges is invalid or page number exceed total pages.</source>
        <translation>Диапазоны страниц неверны или номер страницы больше их числа.</translation>
    </message>
    <message>
        <source>missed output location</source>
        <translation>не указана папка назначения</translation>
    </message>
    <message>
        <source>Please specify a location for spliting.</source>
        <translation>Укажите папку назначения для разделения.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Specified file not exists.</source>
        <translation>Указанный файл не существует.</translation>
    </message>
    <message>
        <source>Invalid PDF document.</source>
        <translation>Недопустимый документ PDF.</translation>
    </message>
    <message>
        <source>%1: no pages were found, it is not a PDF document.</source>
        <translation>%1: страницы не найдены, это не документ PDF.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF document.</source>
        <translation>%1 — это папка, а не документ PDF.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>create folder failed</source>
        <translation>не удалось создать папку</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;</source>
        <translation>не удаётся создать папку «%1»</translation>
    </message>
    <message>
        <source>%1 is encrypted: its pages cannot be shown.</source>
        <translation>%1 зашифрован: его страницы нельзя показать.</translation>
    </message>
    <message>
        <source>%1 is not a PDF document: its pages cannot be shown.</source>
        <translation>%1 не является документом PDF: его страницы нельзя показать.</translation>
    </message>
    <message>
        <source>Merging PDF completed.</source>
        <translation>Объединение PDF завершено.</translation>
    </message>
    <message>
        <source>Merging PDF failed.</source>
        <translation>Не удалось объединить PDF.</translation>
    </message>
    <message>
        <source>Splitting PDF completed.</source>
        <translation>Разделение PDF завершено.</translation>
    </message>
    <message>
        <source>Splitting PDF failed.</source>
        <translation>Не удалось разделить PDF.</translation>
    </message>
    <message>
        <source>Merging PDF cancelled.</source>
        <translation>Объединение PDF отменено.</translation>
    </message>
    <message>
        <source>Splitting PDF cancelled.</source>
        <translation>Разделение PDF отменено.</translation>
    </message>
    <message>
        <source>files left out</source>
        <translation>пропущенные файлы</translation>
    </message>
    <message>
        <source>These files cannot be read and will be left out:</source>
        <translation>Эти файлы не читаются и будут пропущены:</translation>
    </message>
    <message>
        <source>Merge the other files?</source>
        <translation>Объединить остальные файлы?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aleady exists</source>
        <translation>«%1» уже существует</translation>
    </message>
    <message>
        <source>The password given does not open it.</source>
        <translation>Указанный пароль не открывает его.</translation>
    </message>
    <message>
        <source>%1: opened with its password; the result is written without encryption.</source>
        <translation>%1: открыт с паролем; результат записывается без шифрования.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Пароль для %1:</translation>
    </message>
    <message>
        <source>%1: pages &quot;%2&quot; cannot be chosen: %3.</source>
        <translation>%1: страницы «%2» выбрать нельзя: %3.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot read bookmarks to split by; the exact engine can.</source>
        <translation>Запись через Ghostscript не умеет читать закладки, чтобы разделять по ним; точное копирование умеет.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot measure pieces to split by size; the exact engine can.</source>
        <translation>Запись через Ghostscript не умеет измерять части, чтобы разделять по размеру; точное копирование умеет.</translation>
    </message>
</context>
<context>
    <name>TMergeListModel</name>
    <message>
        <source>counting...</source>
        <translation>подсчёт…</translation>
    </message>
    <message>
        <source>%1 (not a PDF)</source>
        <translation>%1 (не PDF)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (повреждён)</translation>
    </message>
    <message>
        <source>%1: a merge leaves it out</source>
        <translation>%1: при объединении пропускается</translation>
    </message>
    <message>
        <source>repaired when read (%1)</source>
        <translation>восстановлен при чтении (%1)</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 файл</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 page</source>
        <translation>, 1 страница</translation>
    </message>
    <message numerus="yes">
        <source>, %n pages</source>
        <translation>
            <numerusform>, %n страница</numerusform>
            <numerusform>, %n страницы</numerusform>
            <numerusform>, %n страниц</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 counting...</source>
        <translation>, подсчёт: %1</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>№</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Страниц</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Полный путь</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>все</translation>
    </message>
    <message>
        <source>%1, turned %2°</source>
        <translation>%1, повёрнуто на %2°</translation>
    </message>
    <message>
        <source>Pages chosen</source>
        <translation>Выбранные страницы</translation>
    </message>
</context>
<context>
    <name>TPageGridModel</name>
    <message>
        <source>in no piece</source>
        <translation>ни в одной части</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>часть %1</translation>
    </message>
    <message>
        <source>pieces %1</source>
        <translation>части %1</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>не выбрана</translation>
    </message>
</context>
<context>
    <name>TPageRenderer</name>
    <message>
        <source>Page pictures are not part of this build.</source>
        <translation>Изображения страниц в эту сборку не входят.</translation>
    </message>
    <message>
        <source>Page %1 cannot be drawn.</source>
        <translation>Страницу %1 нельзя нарисовать.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.</source>
        <translation>%1 нельзя нарисовать.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About us</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Поддержка:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Лицензия:</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later, without any warranty</source>
        <translation>GPL-3.0-or-later, без каких-либо гарантий</translation>
    </message>
    <message>
        <source>Built with Qt (LGPL-3.0), libqpdf (Apache-2.0) and Ghostscript (AGPL-3.0).</source>
        <translation>Создано с Qt (LGPL-3.0), libqpdf (Apache-2.0) и Ghostscript (AGPL-3.0).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>No page pictures: built without Qt&apos;s PDF module.</source>
        <translation>Без изображений страниц: собрано без модуля PDF из Qt.</translation>
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
        <translation>Логотип Plicora</translation>
    </message>
    <message>
        <source>The program&apos;s name and emblem.</source>
        <translation>Название и эмблема программы.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Link: chooses how merged and split files are written, by copying pages exactly or rewriting them with Ghostscript.</source>
        <translation>Ссылка: выбор способа записи объединённых и разделённых файлов — точное копирование страниц или перезапись через Ghostscript.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Link: shows the About window with the version and the maker&apos;s addresses.</source>
        <translation>Ссылка: окно «О программе» с версией и адресами разработчика.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Two tabs: PDF Merge joins several PDF files into one, PDF Split cuts one PDF file into several.</source>
        <translation>Две вкладки: «Объединить PDF» соединяет несколько файлов PDF в один, «Разделить PDF» делит один файл PDF на несколько.</translation>
    </message>
    <message>
        <source>PDF Merge</source>
        <translation>Объединить PDF</translation>
    </message>
    <message>
        <source>Files to merge</source>
        <translation>Файлы для объединения</translation>
    </message>
    <message>
        <source>The PDF files to merge, in the order their pages will follow, with ID, file name, pages and size. Drag rows or press Alt+Up and Alt+Down to reorder them, Delete removes the selected ones; the context menu also sorts them by name.</source>
        <translation>Файлы PDF для объединения в порядке следования их страниц: номер, имя, число страниц и размер. Перетаскивайте строки или нажимайте Alt+Вверх и Alt+Вниз, чтобы менять порядок; Delete удаляет выбранные; контекстное меню также сортирует их по имени.</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Chooses PDF files to add to the end of the list (Ctrl+O).</source>
        <translation>Выбор файлов PDF для добавления в конец списка (Ctrl+O).</translation>
    </message>
    <message>
        <source>Add file(s)</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Убрать выбранные файлы</translation>
    </message>
    <message>
        <source>Takes the selected files out of the list (Delete).</source>
        <translation>Убирает выбранные файлы из списка (Delete).</translation>
    </message>
    <message>
        <source>Remove selected file(s)</source>
        <translation>Убрать выбранные файлы</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Выше</translation>
    </message>
    <message>
        <source>Moves the selected file one place up in the list (Alt+Up).</source>
        <translation>Перемещает выбранный файл на одну позицию вверх (Alt+Вверх).</translation>
    </message>
    <message>
        <source>Move selected item up</source>
        <translation>Переместить выбранное выше</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Ниже</translation>
    </message>
    <message>
        <source>Moves the selected file one place down in the list (Alt+Down).</source>
        <translation>Перемещает выбранный файл на одну позицию вниз (Alt+Вниз).</translation>
    </message>
    <message>
        <source>Move selected item down</source>
        <translation>Переместить выбранное ниже</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Выходной файл</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Выходной файл</translation>
    </message>
    <message>
        <source>The PDF file the merged pages are written to.</source>
        <translation>Файл PDF, в который записываются объединённые страницы.</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>Выбрать выходной файл</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the name and folder of the merged file.</source>
        <translation>Открывает окно выбора имени и папки объединённого файла.</translation>
    </message>
    <message>
        <source>specify output file name</source>
        <translation>указать имя выходного файла</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Merges the listed files into the output file (Ctrl+Return).</source>
        <translation>Объединяет файлы из списка в выходной файл (Ctrl+Enter).</translation>
    </message>
    <message>
        <source>start to merge</source>
        <translation>начать объединение</translation>
    </message>
    <message>
        <source>PDF Split</source>
        <translation>Разделить PDF</translation>
    </message>
    <message>
        <source>Source PDF File</source>
        <translation>Исходный файл PDF</translation>
    </message>
    <message>
        <source>Source PDF file</source>
        <translation>Исходный файл PDF</translation>
    </message>
    <message>
        <source>The PDF file to split; its page count shows next to it.</source>
        <translation>Файл PDF для разделения; рядом показано число его страниц.</translation>
    </message>
    <message>
        <source>Choose source file</source>
        <translation>Выбрать исходный файл</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the PDF file to split (Ctrl+O).</source>
        <translation>Открывает окно выбора файла PDF для разделения (Ctrl+O).</translation>
    </message>
    <message>
        <source>Select a pdf file to split</source>
        <translation>Выбрать файл PDF для разделения</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Страниц:</translation>
    </message>
    <message>
        <source>Split Method</source>
        <translation>Способ разделения</translation>
    </message>
    <message>
        <source>A file for every</source>
        <translation>Файлы по</translation>
    </message>
    <message>
        <source>Splits into files of the number of pages set next to it.</source>
        <translation>Делит на файлы с указанным рядом числом страниц.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Страниц на файл</translation>
    </message>
    <message>
        <source>How many pages each output file gets when splitting evenly.</source>
        <translation>Сколько страниц получает каждый выходной файл при равномерном разделении.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>стр.</translation>
    </message>
    <message>
        <source>Specified pages</source>
        <translation>Диапазоны</translation>
    </message>
    <message>
        <source>Splits by the page ranges typed next to it.</source>
        <translation>Делит по диапазонам страниц, введённым рядом.</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Диапазоны страниц</translation>
    </message>
    <message>
        <source>Pages and ranges separated by commas, for example 1,2-5,4,6; each entry becomes one file.</source>
        <translation>Страницы и диапазоны через запятую, например 1,2-5,4,6; каждый элемент станет отдельным файлом.</translation>
    </message>
    <message>
        <source>(ex: 1,2-5,4,6)</source>
        <translation>(напр.: 1,2-5,4,6)</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Output location</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>The folder the split files are written to, each named after the source with its pages added.</source>
        <translation>Папка для разделённых файлов; имя каждого — имя исходного файла с номерами его страниц.</translation>
    </message>
    <message>
        <source>output file name format: &lt;source name&gt;+&lt;number&gt;</source>
        <translation>формат имени: &lt;имя источника&gt;+&lt;номер&gt;</translation>
    </message>
    <message>
        <source>Choose output location</source>
        <translation>Выбрать папку назначения</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the folder for the split files.</source>
        <translation>Открывает окно выбора папки для разделённых файлов.</translation>
    </message>
    <message>
        <source>specify output location</source>
        <translation>указать папку назначения</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Splits the source file into the output location (Ctrl+Return).</source>
        <translation>Делит исходный файл в папку назначения (Ctrl+Enter).</translation>
    </message>
    <message>
        <source>Start to split</source>
        <translation>Начать разделение</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>Веб-страница продукта</translation>
    </message>
    <message>
        <source>Link: opens the product&apos;s web page in the browser.</source>
        <translation>Ссылка: открывает веб-страницу продукта в браузере.</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Страниц: %1</translation>
    </message>
    <message>
        <source>cancel?</source>
        <translation>Отменить?</translation>
    </message>
    <message>
        <source>A merge or split is running.
Cancel it and close Plicora?</source>
        <translation>Идёт объединение или разделение.
Отменить его и закрыть Plicora?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Сортировать по имени</translation>
    </message>
    <message>
        <source>overwrite?</source>
        <translation>Заменить?</translation>
    </message>
    <message>
        <source>%1, overwrite?</source>
        <translation>%1. Заменить?</translation>
    </message>
    <message>
        <source> - the merge starts when all are counted</source>
        <translation> — объединение начнётся после подсчёта</translation>
    </message>
    <message>
        <source>select destination location</source>
        <translation>выбрать папку назначения</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>Продолжить?</translation>
    </message>
    <message>
        <source>Files with the same name of the output file will be overwritten.
Do you want to continue?</source>
        <translation>Файлы с именами выходных файлов будут заменены.
Продолжить?</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Нет недавних файлов</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment>the caption in the Merge button&apos;s picture</comment>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Split</source>
        <comment>the caption in the Split button&apos;s picture</comment>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Выбрать страницы</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Дублировать строку</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Повернуть по часовой стрелке</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>Повернуть против часовой стрелки</translation>
    </message>
    <message>
        <source>Add a blank page after files with an odd number of pages</source>
        <translation>Добавлять пустую страницу после файлов с нечётным числом страниц</translation>
    </message>
    <message>
        <source>One per file, with the file&apos;s own beneath it</source>
        <translation>По одной на файл, с закладками файла под ней</translation>
    </message>
    <message>
        <source>The files&apos; own only</source>
        <translation>Только закладки файлов</translation>
    </message>
    <message>
        <source>One per file only</source>
        <translation>Только по одной на файл</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Закладки</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Показать страницы</translation>
    </message>
    <message>
        <source>Pages of the selected file</source>
        <translation>Страницы выбранного файла</translation>
    </message>
    <message>
        <source>Shows or hides the pages of the selected file beside the list.</source>
        <translation>Показывает или скрывает страницы выбранного файла рядом со списком.</translation>
    </message>
    <message>
        <source>Pages and pieces</source>
        <translation>Страницы и части</translation>
    </message>
    <message>
        <source>The source&apos;s pages as pictures, each marked with the piece it goes into; a page in no piece is greyed, a page in several pieces is orange.</source>
        <translation>Страницы исходного файла в виде изображений, каждая с отметкой части, в которую она попадёт; страница вне частей — серая, страница в нескольких частях — оранжевая.</translation>
    </message>
    <message>
        <source>Shows or hides the source&apos;s pages, each marked with the piece it goes into.</source>
        <translation>Показывает или скрывает страницы исходного файла с отметкой части, в которую попадёт каждая.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Закладки</translation>
    </message>
    <message>
        <source>Splits into a file for each bookmark at the level set next to it (1: chapters).</source>
        <translation>Разделяет на файлы по одному на каждую закладку уровня, указанного рядом (1 — главы).</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Уровень закладок</translation>
    </message>
    <message>
        <source>The level of the bookmarks a file starts at: 1 for the top ones, 2 for those beneath them.</source>
        <translation>Уровень закладок, с которых начинается файл: 1 — верхние, 2 — вложенные в них.</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Splits into files of at most the size set next to it, with as many pages as fit.</source>
        <translation>Разделяет на файлы не больше размера, указанного рядом, с таким числом страниц, какое помещается.</translation>
    </message>
    <message>
        <source>Largest file in MB</source>
        <translation>Наибольший файл, МБ</translation>
    </message>
    <message>
        <source>The most megabytes each output file may take; a page larger than that becomes a file of its own.</source>
        <translation>Сколько мегабайт может занимать каждый выходной файл; страница больше этого становится отдельным файлом.</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, Shift+click) are the ones the merge takes, the others are faint and marked &quot;not chosen&quot;.</source>
        <translation>Страницы файла, выбранного в списке, в виде изображений; объединение берёт отмеченные страницы (щелчок, Ctrl+щелчок, Shift+щелчок), остальные бледные и помечены «не выбрана».</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>How merged and split files are written:</source>
        <translation>Как записываются объединённые и разделённые файлы:</translation>
    </message>
    <message>
        <source>Copy pages exactly</source>
        <translation>Копировать страницы точно</translation>
    </message>
    <message>
        <source>Copy pages exactly (recommended)</source>
        <translation>Копировать страницы точно (рекомендуется)</translation>
    </message>
    <message>
        <source>Rewrite with Ghostscript</source>
        <translation>Перезаписать через Ghostscript</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Keeps the chosen way of writing for this and later jobs and closes the window.</source>
        <translation>Сохраняет выбранный способ записи для этого и следующих заданий и закрывает окно.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Closes the window and keeps the way of writing as it was.</source>
        <translation>Закрывает окно, не меняя способ записи.</translation>
    </message>
    <message>
        <source>Shows the merged file, or the folder of the split files, once a job has succeeded.</source>
        <translation>Показывает объединённый файл или папку с разделёнными файлами после успешного задания.</translation>
    </message>
    <message>
        <source>Open the result when done</source>
        <translation>Открыть результат по завершении</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <source>The language of the windows; applied when Plicora starts again.</source>
        <translation>Язык окон; применяется при следующем запуске Plicora.</translation>
    </message>
    <message>
        <source>A new language applies when Plicora starts again.</source>
        <translation>Новый язык применяется после перезапуска.</translation>
    </message>
    <message>
        <source>Forgets the folders and files used last; the dialogs start in the usual places again.</source>
        <translation>Забывает последние папки и файлы; окна выбора снова открываются в обычных местах.</translation>
    </message>
    <message>
        <source>Clear recent folders</source>
        <translation>Очистить недавние папки</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Merging PDF</source>
        <translation>Объединение PDF</translation>
    </message>
    <message>
        <source>Splitting PDF</source>
        <translation>Разделение PDF</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Запись %1</translation>
    </message>
    <message>
        <source>Writing %1
Pages of %2 (%3 of %4)</source>
        <translation>Запись %1
Страницы из %2 (%3 из %4)</translation>
    </message>
    <message>
        <source>Writing piece %1, from page %2</source>
        <translation>Запись части %1, начиная со страницы %2</translation>
    </message>
    <message>
        <source>Writing %1
Saving the merged file</source>
        <translation>Запись %1
Сохранение объединённого файла</translation>
    </message>
    <message>
        <source>Cancelling... what is finished is kept.</source>
        <translation>Отмена… готовое сохраняется.</translation>
    </message>
</context>
</TS>
