<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>IUiSeam</name>
    <message>
        <source>PDF Document(s) (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Select a folder for output file(s)</source>
        <translation>选择输出文件夹</translation>
    </message>
</context>
<context>
    <name>Plicora</name>
    <message>
        <source>may change text and drop bookmarks, links and forms; repairs some damaged files; smaller split pieces</source>
        <translation>可能改变文字并丢失书签、链接和表单；可修复部分损坏的文件；拆分出的部分更小</translation>
    </message>
    <message>
        <source>keeps text, bookmarks, links and forms as they are</source>
        <translation>原样保留文字、书签、链接和表单</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being split.</source>
        <translation>“%1”是正在拆分的文档。</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>不是 PDF</translation>
    </message>
    <message>
        <source>damaged beyond repair</source>
        <translation>已损坏，无法修复</translation>
    </message>
    <message>
        <source>damaged beyond repair (%1)</source>
        <translation>已损坏，无法修复（%1）</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be merged!</source>
        <translation>%1 已加密，无法合并！</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>%1 is a folder, cannot be merged!</source>
        <translation>%1 是文件夹，无法合并！</translation>
    </message>
    <message>
        <source>%1 is not a PDF document, cannot be merged!</source>
        <translation>%1 不是 PDF 文档，无法合并！</translation>
    </message>
    <message>
        <source>less file</source>
        <translation>文件不足</translation>
    </message>
    <message>
        <source>There must have two or more pdf documents in the list.</source>
        <translation>列表中必须有两个或更多 PDF 文档。</translation>
    </message>
    <message>
        <source>missed output file</source>
        <translation>缺少输出文件</translation>
    </message>
    <message>
        <source>Please specify output file nanme.</source>
        <translation>请指定输出文件名。</translation>
    </message>
    <message>
        <source>An output name needs 3 characters or more.</source>
        <translation>输出文件名至少需要 3 个字符。</translation>
    </message>
    <message>
        <source>invalid output file</source>
        <translation>输出文件无效</translation>
    </message>
    <message>
        <source>The output file cannot be one of the files to merge.</source>
        <translation>输出文件不能是要合并的文件之一。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cannot create output file.</source>
        <translation>无法创建输出文件。</translation>
    </message>
    <message>
        <source>missed source file</source>
        <translation>缺少源文件</translation>
    </message>
    <message>
        <source>Please select a PDF document to split.</source>
        <translation>请选择要拆分的 PDF 文档。</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be split.</source>
        <translation>%1 已加密，无法拆分。</translation>
    </message>
    <message>
        <source>pages less</source>
        <translation>页数不足</translation>
    </message>
    <message>
        <source>Pages must be greate then 2.</source>
        <translation>页数必须至少为 2。</translation>
    </message>
    <message>
        <source>missed page range</source>
        <translation>缺少页面范围</translation>
    </message>
    <message>
        <source>Please specify page range(s) for spliting.</source>
        <translation>请指定要拆分的页面范围。</translation>
    </message>
    <message>
        <source>invalid page range</source>
        <translation>页面范围无效</translation>
    </message>
    <message>
        <source>Page ranges is invalid or page number exceed total pages.</source>
        <translation>页面范围无效，或页码超出总页数。</translation>
    </message>
    <message>
        <source>missed output location</source>
        <translation>缺少输出位置</translation>
    </message>
    <message>
        <source>Please specify a location for spliting.</source>
        <translation>请指定拆分的输出位置。</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Specified file not exists.</source>
        <translation>指定的文件不存在。</translation>
    </message>
    <message>
        <source>Invalid PDF document.</source>
        <translation>无效的 PDF 文档。</translation>
    </message>
    <message>
        <source>%1: no pages were found, it is not a PDF document.</source>
        <translation>%1：未找到任何页面，不是 PDF 文档。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF document.</source>
        <translation>%1 是文件夹，不是 PDF 文档。</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>create folder failed</source>
        <translation>创建文件夹失败</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;</source>
        <translation>无法创建文件夹“%1”</translation>
    </message>
    <message>
        <source>%1 is encrypted: its pages cannot be shown.</source>
        <translation>%1 已加密：无法显示其页面。</translation>
    </message>
    <message>
        <source>%1 is not a PDF document: its pages cannot be shown.</source>
        <translation>%1 不是 PDF 文档：无法显示其页面。</translation>
    </message>
    <message>
        <source>Merging PDF completed.</source>
        <translation>PDF 合并完成。</translation>
    </message>
    <message>
        <source>Merging PDF failed.</source>
        <translation>PDF 合并失败。</translation>
    </message>
    <message>
        <source>Splitting PDF completed.</source>
        <translation>PDF 拆分完成。</translation>
    </message>
    <message>
        <source>Splitting PDF failed.</source>
        <translation>PDF 拆分失败。</translation>
    </message>
    <message>
        <source>Merging PDF cancelled.</source>
        <translation>PDF 合并已取消。</translation>
    </message>
    <message>
        <source>Splitting PDF cancelled.</source>
        <translation>PDF 拆分已取消。</translation>
    </message>
    <message>
        <source>files left out</source>
        <translation>被略过的文件</translation>
    </message>
    <message>
        <source>These files cannot be read and will be left out:</source>
        <translation>以下文件无法读取，将被略过：</translation>
    </message>
    <message>
        <source>Merge the other files?</source>
        <translation>合并其余文件吗？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aleady exists</source>
        <translation>“%1”已存在</translation>
    </message>
    <message>
        <source>The password given does not open it.</source>
        <translation>所给密码无法打开它。</translation>
    </message>
    <message>
        <source>%1: opened with its password; the result is written without encryption.</source>
        <translation>%1：已用其密码打开；结果将以不加密方式写入。</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>%1 的密码：</translation>
    </message>
    <message>
        <source>%1: pages &quot;%2&quot; cannot be chosen: %3.</source>
        <translation>%1：无法选择页面“%2”：%3。</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot read bookmarks to split by; the exact engine can.</source>
        <translation>Ghostscript 写入方式无法读取书签来拆分；精确复制可以。</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot measure pieces to split by size; the exact engine can.</source>
        <translation>Ghostscript 写入方式无法测量各部分的大小来按大小拆分；精确复制可以。</translation>
    </message>
</context>
<context>
    <name>TMergeListModel</name>
    <message>
        <source>counting...</source>
        <translation>正在计数…</translation>
    </message>
    <message>
        <source>%1 (not a PDF)</source>
        <translation>%1（非 PDF）</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1（已损坏）</translation>
    </message>
    <message>
        <source>%1: a merge leaves it out</source>
        <translation>%1：合并时将被略过</translation>
    </message>
    <message>
        <source>repaired when read (%1)</source>
        <translation>读取时已修复（%1）</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 page</source>
        <translation>，1 页</translation>
    </message>
    <message numerus="yes">
        <source>, %n pages</source>
        <translation>
            <numerusform>，%n 页</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 counting...</source>
        <translation>，%1 个正在计数…</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>完整路径</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>%1, turned %2°</source>
        <translation>%1，旋转 %2°</translation>
    </message>
    <message>
        <source>Pages chosen</source>
        <translation>所选页面</translation>
    </message>
</context>
<context>
    <name>TPageGridModel</name>
    <message>
        <source>in no piece</source>
        <translation>不在任何部分中</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>第 %1 部分</translation>
    </message>
    <message>
        <source>pieces %1</source>
        <translation>第 %1 部分</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>未选</translation>
    </message>
</context>
<context>
    <name>TPageRenderer</name>
    <message>
        <source>Page pictures are not part of this build.</source>
        <translation>此版本不包含页面图像。</translation>
    </message>
    <message>
        <source>Page %1 cannot be drawn.</source>
        <translation>无法绘制第 %1 页。</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.</source>
        <translation>无法绘制 %1。</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About us</source>
        <translation>关于我们</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>支持：</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>许可证：</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later, without any warranty</source>
        <translation>GPL-3.0-or-later，不提供任何担保</translation>
    </message>
    <message>
        <source>Built with Qt (LGPL-3.0), libqpdf (Apache-2.0) and Ghostscript (AGPL-3.0).</source>
        <translation>使用 Qt (LGPL-3.0)、libqpdf (Apache-2.0) 和 Ghostscript (AGPL-3.0) 构建。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>No page pictures: built without Qt&apos;s PDF module.</source>
        <translation>无页面图像：构建时未包含 Qt 的 PDF 模块。</translation>
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
        <translation>Plicora 标志</translation>
    </message>
    <message>
        <source>The program&apos;s name and emblem.</source>
        <translation>程序的名称和标志。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Link: chooses how merged and split files are written, by copying pages exactly or rewriting them with Ghostscript.</source>
        <translation>链接：选择合并和拆分文件的写入方式——原样复制页面，或用 Ghostscript 重写。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Link: shows the About window with the version and the maker&apos;s addresses.</source>
        <translation>链接：显示“关于”窗口，包含版本和开发者地址。</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Two tabs: PDF Merge joins several PDF files into one, PDF Split cuts one PDF file into several.</source>
        <translation>两个选项卡：“PDF 合并”把多个 PDF 文件合成一个，“PDF 拆分”把一个 PDF 文件拆成多个。</translation>
    </message>
    <message>
        <source>PDF Merge</source>
        <translation>PDF 合并</translation>
    </message>
    <message>
        <source>Files to merge</source>
        <translation>要合并的文件</translation>
    </message>
    <message>
        <source>The PDF files to merge, in the order their pages will follow, with ID, file name, pages and size. Drag rows or press Alt+Up and Alt+Down to reorder them, Delete removes the selected ones; the context menu also sorts them by name.</source>
        <translation>要合并的 PDF 文件，按页面先后顺序排列，显示序号、文件名、页数和大小。拖动行或按 Alt+上、Alt+下 调整顺序，按 Delete 删除所选文件；右键菜单还可按名称排序。</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Chooses PDF files to add to the end of the list (Ctrl+O).</source>
        <translation>选择要添加到列表末尾的 PDF 文件（Ctrl+O）。</translation>
    </message>
    <message>
        <source>Add file(s)</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>移除所选文件</translation>
    </message>
    <message>
        <source>Takes the selected files out of the list (Delete).</source>
        <translation>从列表中移除所选文件（Delete）。</translation>
    </message>
    <message>
        <source>Remove selected file(s)</source>
        <translation>移除所选文件</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Moves the selected file one place up in the list (Alt+Up).</source>
        <translation>将所选文件在列表中上移一位（Alt+上）。</translation>
    </message>
    <message>
        <source>Move selected item up</source>
        <translation>上移所选项</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Moves the selected file one place down in the list (Alt+Down).</source>
        <translation>将所选文件在列表中下移一位（Alt+下）。</translation>
    </message>
    <message>
        <source>Move selected item down</source>
        <translation>下移所选项</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>The PDF file the merged pages are written to.</source>
        <translation>合并后的页面所写入的 PDF 文件。</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>选择输出文件</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the name and folder of the merged file.</source>
        <translation>打开对话框，选择合并文件的名称和文件夹。</translation>
    </message>
    <message>
        <source>specify output file name</source>
        <translation>指定输出文件名</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Merges the listed files into the output file (Ctrl+Return).</source>
        <translation>将列表中的文件合并到输出文件（Ctrl+Enter）。</translation>
    </message>
    <message>
        <source>start to merge</source>
        <translation>开始合并</translation>
    </message>
    <message>
        <source>PDF Split</source>
        <translation>PDF 拆分</translation>
    </message>
    <message>
        <source>Source PDF File</source>
        <translation>源 PDF 文件</translation>
    </message>
    <message>
        <source>Source PDF file</source>
        <translation>源 PDF 文件</translation>
    </message>
    <message>
        <source>The PDF file to split; its page count shows next to it.</source>
        <translation>要拆分的 PDF 文件；旁边显示其页数。</translation>
    </message>
    <message>
        <source>Choose source file</source>
        <translation>选择源文件</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the PDF file to split (Ctrl+O).</source>
        <translation>打开对话框，选择要拆分的 PDF 文件（Ctrl+O）。</translation>
    </message>
    <message>
        <source>Select a pdf file to split</source>
        <translation>选择要拆分的 PDF 文件</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>页数：</translation>
    </message>
    <message>
        <source>Split Method</source>
        <translation>拆分方式</translation>
    </message>
    <message>
        <source>A file for every</source>
        <translation>每个文件</translation>
    </message>
    <message>
        <source>Splits into files of the number of pages set next to it.</source>
        <translation>按旁边设置的页数拆分为多个文件。</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>每个文件的页数</translation>
    </message>
    <message>
        <source>How many pages each output file gets when splitting evenly.</source>
        <translation>均匀拆分时每个输出文件的页数。</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Specified pages</source>
        <translation>指定页面</translation>
    </message>
    <message>
        <source>Splits by the page ranges typed next to it.</source>
        <translation>按旁边输入的页面范围拆分。</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>页面范围</translation>
    </message>
    <message>
        <source>Pages and ranges separated by commas, for example 1,2-5,4,6; each entry becomes one file.</source>
        <translation>用逗号分隔的页码和范围，例如 1,2-5,4,6；每一项生成一个文件。</translation>
    </message>
    <message>
        <source>(ex: 1,2-5,4,6)</source>
        <translation>（例：1,2-5,4,6）</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Output location</source>
        <translation>输出位置</translation>
    </message>
    <message>
        <source>The folder the split files are written to, each named after the source with its pages added.</source>
        <translation>拆分文件写入的文件夹，每个文件以源文件名加上其页码命名。</translation>
    </message>
    <message>
        <source>output file name format: &lt;source name&gt;+&lt;number&gt;</source>
        <translation>输出文件名格式：&lt;源文件名&gt;+&lt;编号&gt;</translation>
    </message>
    <message>
        <source>Choose output location</source>
        <translation>选择输出位置</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the folder for the split files.</source>
        <translation>打开对话框，选择拆分文件的文件夹。</translation>
    </message>
    <message>
        <source>specify output location</source>
        <translation>指定输出位置</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>拆分</translation>
    </message>
    <message>
        <source>Splits the source file into the output location (Ctrl+Return).</source>
        <translation>将源文件拆分到输出位置（Ctrl+Enter）。</translation>
    </message>
    <message>
        <source>Start to split</source>
        <translation>开始拆分</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>产品网页</translation>
    </message>
    <message>
        <source>Link: opens the product&apos;s web page in the browser.</source>
        <translation>链接：在浏览器中打开产品网页。</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>页数：%1</translation>
    </message>
    <message>
        <source>cancel?</source>
        <translation>取消？</translation>
    </message>
    <message>
        <source>A merge or split is running.
Cancel it and close Plicora?</source>
        <translation>正在进行合并或拆分。
取消并关闭 Plicora 吗？</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source>overwrite?</source>
        <translation>覆盖？</translation>
    </message>
    <message>
        <source>%1, overwrite?</source>
        <translation>%1，要覆盖吗？</translation>
    </message>
    <message>
        <source> - the merge starts when all are counted</source>
        <translation> — 全部计数完成后开始合并</translation>
    </message>
    <message>
        <source>select destination location</source>
        <translation>选择目标位置</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>继续？</translation>
    </message>
    <message>
        <source>Files with the same name of the output file will be overwritten.
Do you want to continue?</source>
        <translation>与输出文件同名的文件将被覆盖。
是否继续？</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>无最近使用的文件</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近使用的文件</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment>the caption in the Merge button&apos;s picture</comment>
        <translation>合并</translation>
    </message>
    <message>
        <source>Split</source>
        <comment>the caption in the Split button&apos;s picture</comment>
        <translation>拆分</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>选择页面</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>复制行</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>顺时针旋转</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>逆时针旋转</translation>
    </message>
    <message>
        <source>Add a blank page after files with an odd number of pages</source>
        <translation>在页数为奇数的文件后添加空白页</translation>
    </message>
    <message>
        <source>One per file, with the file&apos;s own beneath it</source>
        <translation>每个文件一个，其下为文件自带的书签</translation>
    </message>
    <message>
        <source>The files&apos; own only</source>
        <translation>仅文件自带的书签</translation>
    </message>
    <message>
        <source>One per file only</source>
        <translation>仅每个文件一个</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>显示页面</translation>
    </message>
    <message>
        <source>Pages of the selected file</source>
        <translation>所选文件的页面</translation>
    </message>
    <message>
        <source>Shows or hides the pages of the selected file beside the list.</source>
        <translation>在列表旁显示或隐藏所选文件的页面。</translation>
    </message>
    <message>
        <source>Pages and pieces</source>
        <translation>页面和部分</translation>
    </message>
    <message>
        <source>The source&apos;s pages as pictures, each marked with the piece it goes into; a page in no piece is greyed, a page in several pieces is orange.</source>
        <translation>源文件的页面缩略图，每页标有其所属的部分；不属于任何部分的页面显示为灰色，属于多个部分的页面显示为橙色。</translation>
    </message>
    <message>
        <source>Shows or hides the source&apos;s pages, each marked with the piece it goes into.</source>
        <translation>显示或隐藏源文件的页面，每页标有其所属的部分。</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>按书签</translation>
    </message>
    <message>
        <source>Splits into a file for each bookmark at the level set next to it (1: chapters).</source>
        <translation>按旁边设置的级别，每个书签拆分为一个文件（1：章）。</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>书签级别</translation>
    </message>
    <message>
        <source>The level of the bookmarks a file starts at: 1 for the top ones, 2 for those beneath them.</source>
        <translation>文件开始处的书签级别：1 为最上层，2 为其下一层。</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>按大小</translation>
    </message>
    <message>
        <source>Splits into files of at most the size set next to it, with as many pages as fit.</source>
        <translation>拆分为不超过旁边设置大小的文件，每个文件放入尽可能多的页面。</translation>
    </message>
    <message>
        <source>Largest file in MB</source>
        <translation>最大文件（MB）</translation>
    </message>
    <message>
        <source>The most megabytes each output file may take; a page larger than that becomes a file of its own.</source>
        <translation>每个输出文件最多可占的兆字节数；超过此大小的页面单独成为一个文件。</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, Shift+click) are the ones the merge takes, the others are faint and marked &quot;not chosen&quot;.</source>
        <translation>列表中所选文件的页面缩略图；合并只取选中的页面（单击、Ctrl+单击、Shift+单击），其余页面变淡并标为“未选”。</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>How merged and split files are written:</source>
        <translation>合并和拆分文件的写入方式：</translation>
    </message>
    <message>
        <source>Copy pages exactly</source>
        <translation>原样复制页面</translation>
    </message>
    <message>
        <source>Copy pages exactly (recommended)</source>
        <translation>原样复制页面（推荐）</translation>
    </message>
    <message>
        <source>Rewrite with Ghostscript</source>
        <translation>用 Ghostscript 重写</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Keeps the chosen way of writing for this and later jobs and closes the window.</source>
        <translation>为本次及以后的任务保留所选写入方式，并关闭窗口。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Closes the window and keeps the way of writing as it was.</source>
        <translation>关闭窗口，保持原来的写入方式。</translation>
    </message>
    <message>
        <source>Shows the merged file, or the folder of the split files, once a job has succeeded.</source>
        <translation>任务成功后显示合并的文件或拆分文件所在的文件夹。</translation>
    </message>
    <message>
        <source>Open the result when done</source>
        <translation>完成后打开结果</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>The language of the windows; applied when Plicora starts again.</source>
        <translation>窗口的语言；在下次启动 Plicora 时生效。</translation>
    </message>
    <message>
        <source>A new language applies when Plicora starts again.</source>
        <translation>新语言在下次启动时生效。</translation>
    </message>
    <message>
        <source>Forgets the folders and files used last; the dialogs start in the usual places again.</source>
        <translation>清除最近使用的文件夹和文件；对话框将重新从默认位置打开。</translation>
    </message>
    <message>
        <source>Clear recent folders</source>
        <translation>清除最近的文件夹</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Merging PDF</source>
        <translation>正在合并 PDF</translation>
    </message>
    <message>
        <source>Splitting PDF</source>
        <translation>正在拆分 PDF</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>正在写入 %1</translation>
    </message>
    <message>
        <source>Writing %1
Pages of %2 (%3 of %4)</source>
        <translation>正在写入 %1
%2 的页面（第 %3 个，共 %4 个）</translation>
    </message>
    <message>
        <source>Writing piece %1, from page %2</source>
        <translation>正在写入第 %1 部分，从第 %2 页开始</translation>
    </message>
    <message>
        <source>Writing %1
Saving the merged file</source>
        <translation>正在写入 %1
正在保存合并后的文件</translation>
    </message>
    <message>
        <source>Cancelling... what is finished is kept.</source>
        <translation>正在取消…已完成的部分会保留。</translation>
    </message>
</context>
</TS>
