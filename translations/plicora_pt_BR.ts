<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>IUiSeam</name>
    <message>
        <source>PDF Document(s) (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Select a folder for output file(s)</source>
        <translation>Selecione a pasta de destino</translation>
    </message>
</context>
<context>
    <name>Plicora</name>
    <message>
        <source>may change text and drop bookmarks, links and forms; repairs some damaged files; smaller split pieces</source>
        <translation>pode alterar o texto e perder marcadores, links e formulários; repara alguns arquivos danificados; partes divididas menores</translation>
    </message>
    <message>
        <source>keeps text, bookmarks, links and forms as they are</source>
        <translation>mantém texto, marcadores, links e formulários como estão</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being split.</source>
        <translation>“%1” é o documento que está sendo dividido.</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>não é um PDF</translation>
    </message>
    <message>
        <source>damaged beyond repair</source>
        <translation>danificado sem possibilidade de reparo</translation>
    </message>
    <message>
        <source>damaged beyond repair (%1)</source>
        <translation>danificado sem possibilidade de reparo (%1)</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be merged!</source>
        <translation>%1 está criptografado e não pode ser mesclado!</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>%1 is a folder, cannot be merged!</source>
        <translation>%1 é uma pasta e não pode ser mesclada!</translation>
    </message>
    <message>
        <source>%1 is not a PDF document, cannot be merged!</source>
        <translation>%1 não é um documento PDF e não pode ser mesclado!</translation>
    </message>
    <message>
        <source>less file</source>
        <translation>arquivos insuficientes</translation>
    </message>
    <message>
        <source>There must have two or more pdf documents in the list.</source>
        <translation>A lista deve conter dois ou mais documentos PDF.</translation>
    </message>
    <message>
        <source>missed output file</source>
        <translation>arquivo de saída ausente</translation>
    </message>
    <message>
        <source>Please specify output file nanme.</source>
        <translation>Informe o nome do arquivo de saída.</translation>
    </message>
    <message>
        <source>An output name needs 3 characters or more.</source>
        <translation>Um nome de saída precisa de 3 caracteres ou mais.</translation>
    </message>
    <message>
        <source>invalid output file</source>
        <translation>arquivo de saída inválido</translation>
    </message>
    <message>
        <source>The output file cannot be one of the files to merge.</source>
        <translation>O arquivo de saída não pode ser um dos arquivos a mesclar.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cannot create output file.</source>
        <translation>Não é possível criar o arquivo de saída.</translation>
    </message>
    <message>
        <source>missed source file</source>
        <translation>arquivo de origem ausente</translation>
    </message>
    <message>
        <source>Please select a PDF document to split.</source>
        <translation>Selecione um documento PDF para dividir.</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be split.</source>
        <translation>%1 está criptografado e não pode ser dividido.</translation>
    </message>
    <message>
        <source>pages less</source>
        <translation>páginas insuficientes</translation>
    </message>
    <message>
        <source>Pages must be greate then 2.</source>
        <translation>O documento precisa ter pelo menos 2 páginas.</translation>
    </message>
    <message>
        <source>missed page range</source>
        <translation>intervalo de páginas ausente</translation>
    </message>
    <message>
        <source>Please specify page range(s) for spliting.</source>
        <translation>Informe os intervalos de páginas para dividir.</translation>
    </message>
    <message>
        <source>invalid page range</source>
        <translation>intervalo de páginas inválido</translation>
    </message>
    <message>
        <source>Page ranges is invalid or page number exceed total pages.</source>
        <translation>Os intervalos de páginas são inválidos ou um número passa do total de páginas.</translation>
    </message>
    <message>
        <source>missed output location</source>
        <translation>pasta de destino ausente</translation>
    </message>
    <message>
        <source>Please specify a location for spliting.</source>
        <translation>Informe uma pasta de destino para a divisão.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Specified file not exists.</source>
        <translation>O arquivo informado não existe.</translation>
    </message>
    <message>
        <source>Invalid PDF document.</source>
        <translation>Documento PDF inválido.</translation>
    </message>
    <message>
        <source>%1: no pages were found, it is not a PDF document.</source>
        <translation>%1: nenhuma página encontrada, não é um documento PDF.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF document.</source>
        <translation>%1 é uma pasta, não um documento PDF.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>create folder failed</source>
        <translation>falha ao criar a pasta</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;</source>
        <translation>não é possível criar a pasta “%1”</translation>
    </message>
    <message>
        <source>%1 is encrypted: its pages cannot be shown.</source>
        <translation>%1 está criptografado: suas páginas não podem ser exibidas.</translation>
    </message>
    <message>
        <source>%1 is not a PDF document: its pages cannot be shown.</source>
        <translation>%1 não é um documento PDF: suas páginas não podem ser exibidas.</translation>
    </message>
    <message>
        <source>Merging PDF completed.</source>
        <translation>Mesclagem de PDF concluída.</translation>
    </message>
    <message>
        <source>Merging PDF failed.</source>
        <translation>Falha na mesclagem de PDF.</translation>
    </message>
    <message>
        <source>Splitting PDF completed.</source>
        <translation>Divisão de PDF concluída.</translation>
    </message>
    <message>
        <source>Splitting PDF failed.</source>
        <translation>Falha na divisão de PDF.</translation>
    </message>
    <message>
        <source>Merging PDF cancelled.</source>
        <translation>Mesclagem de PDF cancelada.</translation>
    </message>
    <message>
        <source>Splitting PDF cancelled.</source>
        <translation>Divisão de PDF cancelada.</translation>
    </message>
    <message>
        <source>files left out</source>
        <translation>arquivos deixados de fora</translation>
    </message>
    <message>
        <source>These files cannot be read and will be left out:</source>
        <translation>Estes arquivos não podem ser lidos e serão deixados de fora:</translation>
    </message>
    <message>
        <source>Merge the other files?</source>
        <translation>Mesclar os outros arquivos?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aleady exists</source>
        <translation>“%1” já existe</translation>
    </message>
    <message>
        <source>The password given does not open it.</source>
        <translation>A senha informada não o abre.</translation>
    </message>
    <message>
        <source>%1: opened with its password; the result is written without encryption.</source>
        <translation>%1: aberto com sua senha; o resultado é gravado sem criptografia.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Senha de %1:</translation>
    </message>
    <message>
        <source>%1: pages &quot;%2&quot; cannot be chosen: %3.</source>
        <translation>%1: as páginas “%2” não podem ser escolhidas: %3.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot read bookmarks to split by; the exact engine can.</source>
        <translation>A gravação com Ghostscript não consegue ler marcadores para dividir por eles; a cópia exata consegue.</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot measure pieces to split by size; the exact engine can.</source>
        <translation>A gravação com Ghostscript não consegue medir as partes para dividir por tamanho; a cópia exata consegue.</translation>
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
        <translation>%1 (não é PDF)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (danificado)</translation>
    </message>
    <message>
        <source>%1: a merge leaves it out</source>
        <translation>%1: fica de fora da mesclagem</translation>
    </message>
    <message>
        <source>repaired when read (%1)</source>
        <translation>reparado ao ser lido (%1)</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
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
        <translation>Nº</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Página(s)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Caminho completo</translation>
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
        <translation>Páginas escolhidas</translation>
    </message>
</context>
<context>
    <name>TPageGridModel</name>
    <message>
        <source>in no piece</source>
        <translation>em nenhuma parte</translation>
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
        <translation>não escolhida</translation>
    </message>
</context>
<context>
    <name>TPageRenderer</name>
    <message>
        <source>Page pictures are not part of this build.</source>
        <translation>As imagens de página não fazem parte desta versão.</translation>
    </message>
    <message>
        <source>Page %1 cannot be drawn.</source>
        <translation>A página %1 não pode ser desenhada.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.</source>
        <translation>%1 não pode ser desenhado.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About us</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Suporte:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licença:</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later, without any warranty</source>
        <translation>GPL-3.0-or-later, sem nenhuma garantia</translation>
    </message>
    <message>
        <source>Built with Qt (LGPL-3.0), libqpdf (Apache-2.0) and Ghostscript (AGPL-3.0).</source>
        <translation>Feito com Qt (LGPL-3.0), libqpdf (Apache-2.0) e Ghostscript (AGPL-3.0).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No page pictures: built without Qt&apos;s PDF module.</source>
        <translation>Sem imagens de página: compilado sem o módulo PDF do Qt.</translation>
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
        <translation>Logotipo do Plicora</translation>
    </message>
    <message>
        <source>The program&apos;s name and emblem.</source>
        <translation>O nome e o emblema do programa.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Link: chooses how merged and split files are written, by copying pages exactly or rewriting them with Ghostscript.</source>
        <translation>Link: escolhe como os arquivos mesclados e divididos são gravados, copiando as páginas exatamente ou regravando-as com o Ghostscript.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Link: shows the About window with the version and the maker&apos;s addresses.</source>
        <translation>Link: mostra a janela Sobre com a versão e os endereços do fabricante.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Two tabs: PDF Merge joins several PDF files into one, PDF Split cuts one PDF file into several.</source>
        <translation>Duas abas: Mesclar PDF junta vários arquivos PDF em um, Dividir PDF corta um arquivo PDF em vários.</translation>
    </message>
    <message>
        <source>PDF Merge</source>
        <translation>Mesclar PDF</translation>
    </message>
    <message>
        <source>Files to merge</source>
        <translation>Arquivos a mesclar</translation>
    </message>
    <message>
        <source>The PDF files to merge, in the order their pages will follow, with ID, file name, pages and size. Drag rows or press Alt+Up and Alt+Down to reorder them, Delete removes the selected ones; the context menu also sorts them by name.</source>
        <translation>Os arquivos PDF a mesclar, na ordem de suas páginas, com número, nome, páginas e tamanho. Arraste linhas ou pressione Alt+Cima e Alt+Baixo para reordená-las; Delete remove as selecionadas; o menu de contexto também as ordena por nome.</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Chooses PDF files to add to the end of the list (Ctrl+O).</source>
        <translation>Escolhe arquivos PDF para adicionar ao fim da lista (Ctrl+O).</translation>
    </message>
    <message>
        <source>Add file(s)</source>
        <translation>Adicionar arquivo(s)</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Remover os arquivos selecionados</translation>
    </message>
    <message>
        <source>Takes the selected files out of the list (Delete).</source>
        <translation>Tira os arquivos selecionados da lista (Delete).</translation>
    </message>
    <message>
        <source>Remove selected file(s)</source>
        <translation>Remover arquivo(s) selecionado(s)</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Moves the selected file one place up in the list (Alt+Up).</source>
        <translation>Move o arquivo selecionado uma posição para cima (Alt+Cima).</translation>
    </message>
    <message>
        <source>Move selected item up</source>
        <translation>Mover o item selecionado para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Moves the selected file one place down in the list (Alt+Down).</source>
        <translation>Move o arquivo selecionado uma posição para baixo (Alt+Baixo).</translation>
    </message>
    <message>
        <source>Move selected item down</source>
        <translation>Mover o item selecionado para baixo</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Arquivo de saída</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Arquivo de saída</translation>
    </message>
    <message>
        <source>The PDF file the merged pages are written to.</source>
        <translation>O arquivo PDF em que as páginas mescladas são gravadas.</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>Escolher o arquivo de saída</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the name and folder of the merged file.</source>
        <translation>Abre uma janela para escolher o nome e a pasta do arquivo mesclado.</translation>
    </message>
    <message>
        <source>specify output file name</source>
        <translation>informar o nome do arquivo de saída</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Mesclar</translation>
    </message>
    <message>
        <source>Merges the listed files into the output file (Ctrl+Return).</source>
        <translation>Mescla os arquivos da lista no arquivo de saída (Ctrl+Enter).</translation>
    </message>
    <message>
        <source>start to merge</source>
        <translation>iniciar a mesclagem</translation>
    </message>
    <message>
        <source>PDF Split</source>
        <translation>Dividir PDF</translation>
    </message>
    <message>
        <source>Source PDF File</source>
        <translation>Arquivo PDF de origem</translation>
    </message>
    <message>
        <source>Source PDF file</source>
        <translation>Arquivo PDF de origem</translation>
    </message>
    <message>
        <source>The PDF file to split; its page count shows next to it.</source>
        <translation>O arquivo PDF a dividir; o número de páginas aparece ao lado.</translation>
    </message>
    <message>
        <source>Choose source file</source>
        <translation>Escolher o arquivo de origem</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the PDF file to split (Ctrl+O).</source>
        <translation>Abre uma janela para escolher o arquivo PDF a dividir (Ctrl+O).</translation>
    </message>
    <message>
        <source>Select a pdf file to split</source>
        <translation>Selecionar um arquivo PDF para dividir</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Split Method</source>
        <translation>Método de divisão</translation>
    </message>
    <message>
        <source>A file for every</source>
        <translation>Arquivo a cada</translation>
    </message>
    <message>
        <source>Splits into files of the number of pages set next to it.</source>
        <translation>Divide em arquivos com o número de páginas indicado ao lado.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Páginas por arquivo</translation>
    </message>
    <message>
        <source>How many pages each output file gets when splitting evenly.</source>
        <translation>Quantas páginas cada arquivo de saída recebe na divisão regular.</translation>
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
        <translation>Divide pelos intervalos de páginas digitados ao lado.</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Intervalos de páginas</translation>
    </message>
    <message>
        <source>Pages and ranges separated by commas, for example 1,2-5,4,6; each entry becomes one file.</source>
        <translation>Páginas e intervalos separados por vírgulas, por exemplo 1,2-5,4,6; cada item vira um arquivo.</translation>
    </message>
    <message>
        <source>(ex: 1,2-5,4,6)</source>
        <translation>(ex.: 1,2-5,4,6)</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Output location</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>The folder the split files are written to, each named after the source with its pages added.</source>
        <translation>A pasta em que os arquivos divididos são gravados, cada um com o nome da origem seguido das suas páginas.</translation>
    </message>
    <message>
        <source>output file name format: &lt;source name&gt;+&lt;number&gt;</source>
        <translation>formato do nome: &lt;nome de origem&gt;+&lt;número&gt;</translation>
    </message>
    <message>
        <source>Choose output location</source>
        <translation>Escolher a pasta de destino</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the folder for the split files.</source>
        <translation>Abre uma janela para escolher a pasta dos arquivos divididos.</translation>
    </message>
    <message>
        <source>specify output location</source>
        <translation>informar a pasta de destino</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Splits the source file into the output location (Ctrl+Return).</source>
        <translation>Divide o arquivo de origem na pasta de destino (Ctrl+Enter).</translation>
    </message>
    <message>
        <source>Start to split</source>
        <translation>Iniciar a divisão</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>Página do produto</translation>
    </message>
    <message>
        <source>Link: opens the product&apos;s web page in the browser.</source>
        <translation>Link: abre a página do produto no navegador.</translation>
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
        <translation>Cancelar?</translation>
    </message>
    <message>
        <source>A merge or split is running.
Cancel it and close Plicora?</source>
        <translation>Uma mesclagem ou divisão está em andamento.
Cancelar e fechar o Plicora?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Ordenar por nome</translation>
    </message>
    <message>
        <source>overwrite?</source>
        <translation>Substituir?</translation>
    </message>
    <message>
        <source>%1, overwrite?</source>
        <translation>%1. Substituir?</translation>
    </message>
    <message>
        <source> - the merge starts when all are counted</source>
        <translation> – a mesclagem começa quando tudo estiver contado</translation>
    </message>
    <message>
        <source>select destination location</source>
        <translation>selecionar a pasta de destino</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>Continuar?</translation>
    </message>
    <message>
        <source>Files with the same name of the output file will be overwritten.
Do you want to continue?</source>
        <translation>Os arquivos com o mesmo nome de um arquivo de saída serão substituídos.
Deseja continuar?</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Nenhum arquivo recente</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Arquivos recentes</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment>the caption in the Merge button&apos;s picture</comment>
        <translation>Mesclar</translation>
    </message>
    <message>
        <source>Split</source>
        <comment>the caption in the Split button&apos;s picture</comment>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Escolher páginas</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Duplicar linha</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Girar no sentido horário</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>Girar no sentido anti-horário</translation>
    </message>
    <message>
        <source>Add a blank page after files with an odd number of pages</source>
        <translation>Adicionar uma página em branco após arquivos com número ímpar de páginas</translation>
    </message>
    <message>
        <source>One per file, with the file&apos;s own beneath it</source>
        <translation>Um por arquivo, com os do próprio arquivo abaixo</translation>
    </message>
    <message>
        <source>The files&apos; own only</source>
        <translation>Somente os dos arquivos</translation>
    </message>
    <message>
        <source>One per file only</source>
        <translation>Somente um por arquivo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Mostrar páginas</translation>
    </message>
    <message>
        <source>Pages of the selected file</source>
        <translation>Páginas do arquivo selecionado</translation>
    </message>
    <message>
        <source>Shows or hides the pages of the selected file beside the list.</source>
        <translation>Mostra ou oculta as páginas do arquivo selecionado ao lado da lista.</translation>
    </message>
    <message>
        <source>Pages and pieces</source>
        <translation>Páginas e partes</translation>
    </message>
    <message>
        <source>The source&apos;s pages as pictures, each marked with the piece it goes into; a page in no piece is greyed, a page in several pieces is orange.</source>
        <translation>As páginas da origem como imagens, cada uma marcada com a parte em que entra; uma página sem parte fica cinza, uma página em várias partes fica laranja.</translation>
    </message>
    <message>
        <source>Shows or hides the source&apos;s pages, each marked with the piece it goes into.</source>
        <translation>Mostra ou oculta as páginas da origem, cada uma marcada com a parte em que entra.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Splits into a file for each bookmark at the level set next to it (1: chapters).</source>
        <translation>Divide em um arquivo para cada marcador do nível indicado ao lado (1: capítulos).</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Nível do marcador</translation>
    </message>
    <message>
        <source>The level of the bookmarks a file starts at: 1 for the top ones, 2 for those beneath them.</source>
        <translation>O nível dos marcadores em que um arquivo começa: 1 para os do topo, 2 para os que estão abaixo deles.</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Splits into files of at most the size set next to it, with as many pages as fit.</source>
        <translation>Divide em arquivos de no máximo o tamanho indicado ao lado, com tantas páginas quantas couberem.</translation>
    </message>
    <message>
        <source>Largest file in MB</source>
        <translation>Tamanho máximo em MB</translation>
    </message>
    <message>
        <source>The most megabytes each output file may take; a page larger than that becomes a file of its own.</source>
        <translation>Quantos megabytes cada arquivo de saída pode ocupar no máximo; uma página maior vira um arquivo próprio.</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, Shift+click) are the ones the merge takes, the others are faint and marked &quot;not chosen&quot;.</source>
        <translation>As páginas do arquivo selecionado na lista, como imagens; a mesclagem leva as páginas marcadas (clique, Ctrl+clique, Shift+clique), as outras ficam esmaecidas e marcadas como “não escolhida”.</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>How merged and split files are written:</source>
        <translation>Como os arquivos mesclados e divididos são gravados:</translation>
    </message>
    <message>
        <source>Copy pages exactly</source>
        <translation>Copiar as páginas exatamente</translation>
    </message>
    <message>
        <source>Copy pages exactly (recommended)</source>
        <translation>Copiar as páginas exatamente (recomendado)</translation>
    </message>
    <message>
        <source>Rewrite with Ghostscript</source>
        <translation>Regravar com o Ghostscript</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keeps the chosen way of writing for this and later jobs and closes the window.</source>
        <translation>Mantém o modo de gravação escolhido para esta e as próximas tarefas e fecha a janela.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window and keeps the way of writing as it was.</source>
        <translation>Fecha a janela e mantém o modo de gravação como estava.</translation>
    </message>
    <message>
        <source>Shows the merged file, or the folder of the split files, once a job has succeeded.</source>
        <translation>Mostra o arquivo mesclado, ou a pasta dos arquivos divididos, quando a tarefa dá certo.</translation>
    </message>
    <message>
        <source>Open the result when done</source>
        <translation>Abrir o resultado ao terminar</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The language of the windows; applied when Plicora starts again.</source>
        <translation>O idioma das janelas; aplicado quando o Plicora for aberto novamente.</translation>
    </message>
    <message>
        <source>A new language applies when Plicora starts again.</source>
        <translation>Um novo idioma vale a partir da próxima abertura.</translation>
    </message>
    <message>
        <source>Forgets the folders and files used last; the dialogs start in the usual places again.</source>
        <translation>Esquece as últimas pastas e arquivos usados; as janelas voltam a abrir nos lugares de sempre.</translation>
    </message>
    <message>
        <source>Clear recent folders</source>
        <translation>Limpar pastas recentes</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
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
        <translation>Mesclando PDF</translation>
    </message>
    <message>
        <source>Splitting PDF</source>
        <translation>Dividindo PDF</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Gravando %1</translation>
    </message>
    <message>
        <source>Writing %1
Pages of %2 (%3 of %4)</source>
        <translation>Gravando %1
Páginas de %2 (%3 de %4)</translation>
    </message>
    <message>
        <source>Writing piece %1, from page %2</source>
        <translation>Gravando a parte %1, a partir da página %2</translation>
    </message>
    <message>
        <source>Writing %1
Saving the merged file</source>
        <translation>Gravando %1
Salvando o arquivo mesclado</translation>
    </message>
    <message>
        <source>Cancelling... what is finished is kept.</source>
        <translation>Cancelando… o que já terminou é mantido.</translation>
    </message>
</context>
</TS>
