<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>IUiSeam</name>
    <message>
        <source>PDF Document(s) (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Select a folder for output file(s)</source>
        <translation>出力フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>Plicora</name>
    <message>
        <source>may change text and drop bookmarks, links and forms; repairs some damaged files; smaller split pieces</source>
        <translation>テキストが変わり、しおり・リンク・フォームが失われることがあります。一部の破損ファイルを修復します。分割後のファイルは小さくなります</translation>
    </message>
    <message>
        <source>keeps text, bookmarks, links and forms as they are</source>
        <translation>テキスト・しおり・リンク・フォームをそのまま保ちます</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being split.</source>
        <translation>「%1」は分割中の文書です。</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>PDF ではありません</translation>
    </message>
    <message>
        <source>damaged beyond repair</source>
        <translation>修復できないほど破損しています</translation>
    </message>
    <message>
        <source>damaged beyond repair (%1)</source>
        <translation>修復できないほど破損しています（%1）</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be merged!</source>
        <translation>%1 は暗号化されているため結合できません！</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>%1 is a folder, cannot be merged!</source>
        <translation>%1 はフォルダーのため結合できません！</translation>
    </message>
    <message>
        <source>%1 is not a PDF document, cannot be merged!</source>
        <translation>%1 は PDF 文書ではないため結合できません！</translation>
    </message>
    <message>
        <source>less file</source>
        <translation>ファイル不足</translation>
    </message>
    <message>
        <source>There must have two or more pdf documents in the list.</source>
        <translation>リストには 2 つ以上の PDF 文書が必要です。</translation>
    </message>
    <message>
        <source>missed output file</source>
        <translation>出力ファイルがありません</translation>
    </message>
    <message>
        <source>Please specify output file nanme.</source>
        <translation>出力ファイル名を指定してください。</translation>
    </message>
    <message>
        <source>An output name needs 3 characters or more.</source>
        <translation>出力名は 3 文字以上必要です。</translation>
    </message>
    <message>
        <source>invalid output file</source>
        <translation>無効な出力ファイル</translation>
    </message>
    <message>
        <source>The output file cannot be one of the files to merge.</source>
        <translation>出力ファイルに結合するファイルは指定できません。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cannot create output file.</source>
        <translation>出力ファイルを作成できません。</translation>
    </message>
    <message>
        <source>missed source file</source>
        <translation>元ファイルがありません</translation>
    </message>
    <message>
        <source>Please select a PDF document to split.</source>
        <translation>分割する PDF 文書を選択してください。</translation>
    </message>
    <message>
        <source>%1 is encrypted, cannot be split.</source>
        <translation>%1 は暗号化されているため分割できません。</translation>
    </message>
    <message>
        <source>pages less</source>
        <translation>ページ不足</translation>
    </message>
    <message>
        <source>Pages must be greate then 2.</source>
        <translation>ページ数は 2 以上必要です。</translation>
    </message>
    <message>
        <source>missed page range</source>
        <translation>ページ範囲がありません</translation>
    </message>
    <message>
        <source>Please specify page range(s) for spliting.</source>
        <translation>分割するページ範囲を指定してください。</translation>
    </message>
    <message>
        <source>invalid page range</source>
        <translation>無効なページ範囲</translation>
    </message>
    <message>
        <source>Page ranges is invalid or page number exceed total pages.</source>
        <translation>ページ範囲が無効か、ページ番号が総ページ数を超えています。</translation>
    </message>
    <message>
        <source>missed output location</source>
        <translation>出力先がありません</translation>
    </message>
    <message>
        <source>Please specify a location for spliting.</source>
        <translation>分割の出力先を指定してください。</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Specified file not exists.</source>
        <translation>指定したファイルは存在しません。</translation>
    </message>
    <message>
        <source>Invalid PDF document.</source>
        <translation>無効な PDF 文書です。</translation>
    </message>
    <message>
        <source>%1: no pages were found, it is not a PDF document.</source>
        <translation>%1：ページが見つかりません。PDF 文書ではありません。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF document.</source>
        <translation>%1 はフォルダーです。PDF 文書ではありません。</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>create folder failed</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;</source>
        <translation>フォルダー「%1」を作成できません</translation>
    </message>
    <message>
        <source>%1 is encrypted: its pages cannot be shown.</source>
        <translation>%1 は暗号化されています：ページを表示できません。</translation>
    </message>
    <message>
        <source>%1 is not a PDF document: its pages cannot be shown.</source>
        <translation>%1 は PDF 文書ではありません：ページを表示できません。</translation>
    </message>
    <message>
        <source>Merging PDF completed.</source>
        <translation>PDF の結合が完了しました。</translation>
    </message>
    <message>
        <source>Merging PDF failed.</source>
        <translation>PDF の結合に失敗しました。</translation>
    </message>
    <message>
        <source>Splitting PDF completed.</source>
        <translation>PDF の分割が完了しました。</translation>
    </message>
    <message>
        <source>Splitting PDF failed.</source>
        <translation>PDF の分割に失敗しました。</translation>
    </message>
    <message>
        <source>Merging PDF cancelled.</source>
        <translation>PDF の結合を取り消しました。</translation>
    </message>
    <message>
        <source>Splitting PDF cancelled.</source>
        <translation>PDF の分割を取り消しました。</translation>
    </message>
    <message>
        <source>files left out</source>
        <translation>除外されるファイル</translation>
    </message>
    <message>
        <source>These files cannot be read and will be left out:</source>
        <translation>次のファイルは読み取れないため除外されます：</translation>
    </message>
    <message>
        <source>Merge the other files?</source>
        <translation>残りのファイルを結合しますか？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aleady exists</source>
        <translation>「%1」は既に存在します</translation>
    </message>
    <message>
        <source>The password given does not open it.</source>
        <translation>入力したパスワードでは開けません。</translation>
    </message>
    <message>
        <source>%1: opened with its password; the result is written without encryption.</source>
        <translation>%1：パスワードで開きました。結果は暗号化せずに書き込まれます。</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>%1 のパスワード：</translation>
    </message>
    <message>
        <source>%1: pages &quot;%2&quot; cannot be chosen: %3.</source>
        <translation>%1：ページ「%2」は選択できません：%3。</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot read bookmarks to split by; the exact engine can.</source>
        <translation>Ghostscript の書き込み方法ではしおりを読んで分割できません。正確なコピーならできます。</translation>
    </message>
    <message>
        <source>The Ghostscript engine cannot measure pieces to split by size; the exact engine can.</source>
        <translation>Ghostscript の書き込み方法では部のサイズを測れないため、サイズで分割できません。正確なコピーならできます。</translation>
    </message>
</context>
<context>
    <name>TMergeListModel</name>
    <message>
        <source>counting...</source>
        <translation>計数中…</translation>
    </message>
    <message>
        <source>%1 (not a PDF)</source>
        <translation>%1（PDF 以外）</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1（破損）</translation>
    </message>
    <message>
        <source>%1: a merge leaves it out</source>
        <translation>%1：結合では除外されます</translation>
    </message>
    <message>
        <source>repaired when read (%1)</source>
        <translation>読み込み時に修復済み（%1）</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 ファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n ファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 page</source>
        <translation>、1 ページ</translation>
    </message>
    <message numerus="yes">
        <source>, %n pages</source>
        <translation>
            <numerusform>、%n ページ</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 counting...</source>
        <translation>、%1 件計数中…</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>ページ数</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>フルパス</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>%1, turned %2°</source>
        <translation>%1、%2° 回転</translation>
    </message>
    <message>
        <source>Pages chosen</source>
        <translation>選択したページ</translation>
    </message>
</context>
<context>
    <name>TPageGridModel</name>
    <message>
        <source>in no piece</source>
        <translation>どの部分にも入りません</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>第 %1 部</translation>
    </message>
    <message>
        <source>pieces %1</source>
        <translation>第 %1 部</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>未選択</translation>
    </message>
</context>
<context>
    <name>TPageRenderer</name>
    <message>
        <source>Page pictures are not part of this build.</source>
        <translation>このビルドにはページ画像がありません。</translation>
    </message>
    <message>
        <source>Page %1 cannot be drawn.</source>
        <translation>%1 ページ目を描画できません。</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.</source>
        <translation>%1 を描画できません。</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About us</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web サイト：</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>サポート：</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>ライセンス：</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later, without any warranty</source>
        <translation>GPL-3.0-or-later、無保証</translation>
    </message>
    <message>
        <source>Built with Qt (LGPL-3.0), libqpdf (Apache-2.0) and Ghostscript (AGPL-3.0).</source>
        <translation>Qt (LGPL-3.0)、libqpdf (Apache-2.0)、Ghostscript (AGPL-3.0) を使用しています。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No page pictures: built without Qt&apos;s PDF module.</source>
        <translation>ページ画像なし：Qt の PDF モジュールなしでビルドされています。</translation>
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
        <translation>Plicora のロゴ</translation>
    </message>
    <message>
        <source>The program&apos;s name and emblem.</source>
        <translation>プログラムの名前とエンブレム。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Link: chooses how merged and split files are written, by copying pages exactly or rewriting them with Ghostscript.</source>
        <translation>リンク：結合・分割したファイルの書き込み方法（ページをそのままコピーするか Ghostscript で書き直すか）を選びます。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Link: shows the About window with the version and the maker&apos;s addresses.</source>
        <translation>リンク：バージョンと開発元の連絡先を示す情報ウィンドウを開きます。</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Two tabs: PDF Merge joins several PDF files into one, PDF Split cuts one PDF file into several.</source>
        <translation>2 つのタブ：「PDF 結合」は複数の PDF を 1 つにまとめ、「PDF 分割」は 1 つの PDF を複数に分けます。</translation>
    </message>
    <message>
        <source>PDF Merge</source>
        <translation>PDF 結合</translation>
    </message>
    <message>
        <source>Files to merge</source>
        <translation>結合するファイル</translation>
    </message>
    <message>
        <source>The PDF files to merge, in the order their pages will follow, with ID, file name, pages and size. Drag rows or press Alt+Up and Alt+Down to reorder them, Delete removes the selected ones; the context menu also sorts them by name.</source>
        <translation>結合する PDF ファイル（ページの並び順）。番号・ファイル名・ページ数・サイズを表示します。行をドラッグするか Alt+↑、Alt+↓ で並べ替え、Delete で選択したファイルを削除します。コンテキストメニューでは名前順にも並べ替えられます。</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Chooses PDF files to add to the end of the list (Ctrl+O).</source>
        <translation>リストの末尾に追加する PDF ファイルを選びます（Ctrl+O）。</translation>
    </message>
    <message>
        <source>Add file(s)</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>選択したファイルを削除</translation>
    </message>
    <message>
        <source>Takes the selected files out of the list (Delete).</source>
        <translation>選択したファイルをリストから外します（Delete）。</translation>
    </message>
    <message>
        <source>Remove selected file(s)</source>
        <translation>選択したファイルを削除</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Moves the selected file one place up in the list (Alt+Up).</source>
        <translation>選択したファイルをリストで 1 つ上へ移動します（Alt+↑）。</translation>
    </message>
    <message>
        <source>Move selected item up</source>
        <translation>選択項目を上へ</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Moves the selected file one place down in the list (Alt+Down).</source>
        <translation>選択したファイルをリストで 1 つ下へ移動します（Alt+↓）。</translation>
    </message>
    <message>
        <source>Move selected item down</source>
        <translation>選択項目を下へ</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>出力ファイル</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>出力ファイル</translation>
    </message>
    <message>
        <source>The PDF file the merged pages are written to.</source>
        <translation>結合したページを書き込む PDF ファイル。</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>出力ファイルを選択</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the name and folder of the merged file.</source>
        <translation>結合したファイルの名前とフォルダーを選ぶダイアログを開きます。</translation>
    </message>
    <message>
        <source>specify output file name</source>
        <translation>出力ファイル名を指定</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>Merges the listed files into the output file (Ctrl+Return).</source>
        <translation>リストのファイルを出力ファイルに結合します（Ctrl+Enter）。</translation>
    </message>
    <message>
        <source>start to merge</source>
        <translation>結合を開始</translation>
    </message>
    <message>
        <source>PDF Split</source>
        <translation>PDF 分割</translation>
    </message>
    <message>
        <source>Source PDF File</source>
        <translation>元の PDF ファイル</translation>
    </message>
    <message>
        <source>Source PDF file</source>
        <translation>元の PDF ファイル</translation>
    </message>
    <message>
        <source>The PDF file to split; its page count shows next to it.</source>
        <translation>分割する PDF ファイル。横にページ数が表示されます。</translation>
    </message>
    <message>
        <source>Choose source file</source>
        <translation>元ファイルを選択</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the PDF file to split (Ctrl+O).</source>
        <translation>分割する PDF ファイルを選ぶダイアログを開きます（Ctrl+O）。</translation>
    </message>
    <message>
        <source>Select a pdf file to split</source>
        <translation>分割する PDF ファイルを選択</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>ページ数：</translation>
    </message>
    <message>
        <source>Split Method</source>
        <translation>分割方法</translation>
    </message>
    <message>
        <source>A file for every</source>
        <translation>1 ファイルあたり</translation>
    </message>
    <message>
        <source>Splits into files of the number of pages set next to it.</source>
        <translation>横で指定したページ数ごとにファイルを分けます。</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>ファイルごとのページ数</translation>
    </message>
    <message>
        <source>How many pages each output file gets when splitting evenly.</source>
        <translation>均等に分割するときの各出力ファイルのページ数。</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Specified pages</source>
        <translation>指定ページ</translation>
    </message>
    <message>
        <source>Splits by the page ranges typed next to it.</source>
        <translation>横に入力したページ範囲で分割します。</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>ページ範囲</translation>
    </message>
    <message>
        <source>Pages and ranges separated by commas, for example 1,2-5,4,6; each entry becomes one file.</source>
        <translation>ページと範囲をカンマで区切って入力します（例：1,2-5,4,6）。各項目が 1 つのファイルになります。</translation>
    </message>
    <message>
        <source>(ex: 1,2-5,4,6)</source>
        <translation>（例：1,2-5,4,6）</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Output location</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>The folder the split files are written to, each named after the source with its pages added.</source>
        <translation>分割したファイルの保存先フォルダー。各ファイル名は元の名前にページ番号を付けたものです。</translation>
    </message>
    <message>
        <source>output file name format: &lt;source name&gt;+&lt;number&gt;</source>
        <translation>出力ファイル名の形式：&lt;元の名前&gt;+&lt;番号&gt;</translation>
    </message>
    <message>
        <source>Choose output location</source>
        <translation>出力先を選択</translation>
    </message>
    <message>
        <source>Opens a dialog to choose the folder for the split files.</source>
        <translation>分割したファイルの保存先フォルダーを選ぶダイアログを開きます。</translation>
    </message>
    <message>
        <source>specify output location</source>
        <translation>出力先を指定</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Splits the source file into the output location (Ctrl+Return).</source>
        <translation>元ファイルを出力先に分割します（Ctrl+Enter）。</translation>
    </message>
    <message>
        <source>Start to split</source>
        <translation>分割を開始</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>製品の Web ページ</translation>
    </message>
    <message>
        <source>Link: opens the product&apos;s web page in the browser.</source>
        <translation>リンク：製品の Web ページをブラウザーで開きます。</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>ページ数：%1</translation>
    </message>
    <message>
        <source>cancel?</source>
        <translation>取り消しますか？</translation>
    </message>
    <message>
        <source>A merge or split is running.
Cancel it and close Plicora?</source>
        <translation>結合または分割を実行中です。
取り消して Plicora を閉じますか？</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>名前順に並べ替え</translation>
    </message>
    <message>
        <source>overwrite?</source>
        <translation>上書きしますか？</translation>
    </message>
    <message>
        <source>%1, overwrite?</source>
        <translation>%1。上書きしますか？</translation>
    </message>
    <message>
        <source> - the merge starts when all are counted</source>
        <translation> — すべて数え終わると結合を開始します</translation>
    </message>
    <message>
        <source>select destination location</source>
        <translation>保存先を選択</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>続行しますか？</translation>
    </message>
    <message>
        <source>Files with the same name of the output file will be overwritten.
Do you want to continue?</source>
        <translation>出力ファイルと同じ名前のファイルは上書きされます。
続行しますか？</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>最近使ったファイルはありません</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment>the caption in the Merge button&apos;s picture</comment>
        <translation>結合</translation>
    </message>
    <message>
        <source>Split</source>
        <comment>the caption in the Split button&apos;s picture</comment>
        <translation>分割</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>ページを選択</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>行を複製</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>時計回りに回転</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>反時計回りに回転</translation>
    </message>
    <message>
        <source>Add a blank page after files with an odd number of pages</source>
        <translation>ページ数が奇数のファイルの後に白紙ページを追加</translation>
    </message>
    <message>
        <source>One per file, with the file&apos;s own beneath it</source>
        <translation>ファイルごとに 1 つ、その下にファイル自身のしおり</translation>
    </message>
    <message>
        <source>The files&apos; own only</source>
        <translation>ファイル自身のしおりのみ</translation>
    </message>
    <message>
        <source>One per file only</source>
        <translation>ファイルごとに 1 つのみ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>しおり</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>ページを表示</translation>
    </message>
    <message>
        <source>Pages of the selected file</source>
        <translation>選択したファイルのページ</translation>
    </message>
    <message>
        <source>Shows or hides the pages of the selected file beside the list.</source>
        <translation>選択したファイルのページをリストの横に表示または非表示にします。</translation>
    </message>
    <message>
        <source>Pages and pieces</source>
        <translation>ページと部</translation>
    </message>
    <message>
        <source>The source&apos;s pages as pictures, each marked with the piece it goes into; a page in no piece is greyed, a page in several pieces is orange.</source>
        <translation>元のファイルのページの画像。各ページに入る部を示します。どの部にも入らないページは灰色、複数の部に入るページはオレンジ色です。</translation>
    </message>
    <message>
        <source>Shows or hides the source&apos;s pages, each marked with the piece it goes into.</source>
        <translation>元のファイルのページを、各ページが入る部の印付きで表示または非表示にします。</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>しおり</translation>
    </message>
    <message>
        <source>Splits into a file for each bookmark at the level set next to it (1: chapters).</source>
        <translation>横で設定した階層のしおりごとに 1 ファイルに分割します（1：章）。</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>しおりの階層</translation>
    </message>
    <message>
        <source>The level of the bookmarks a file starts at: 1 for the top ones, 2 for those beneath them.</source>
        <translation>ファイルの始まりとなるしおりの階層：1 は最上位、2 はその下の階層。</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Splits into files of at most the size set next to it, with as many pages as fit.</source>
        <translation>横で設定したサイズ以下のファイルに、入るだけのページを入れて分割します。</translation>
    </message>
    <message>
        <source>Largest file in MB</source>
        <translation>最大ファイルサイズ（MB）</translation>
    </message>
    <message>
        <source>The most megabytes each output file may take; a page larger than that becomes a file of its own.</source>
        <translation>各出力ファイルの最大メガバイト数。これより大きいページは単独のファイルになります。</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, Shift+click) are the ones the merge takes, the others are faint and marked &quot;not chosen&quot;.</source>
        <translation>リストで選択したファイルのページの画像。結合には選択したページ（クリック、Ctrl+クリック、Shift+クリック）が使われ、それ以外は薄く表示され「未選択」と示されます。</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>How merged and split files are written:</source>
        <translation>結合・分割したファイルの書き込み方法：</translation>
    </message>
    <message>
        <source>Copy pages exactly</source>
        <translation>ページをそのままコピー</translation>
    </message>
    <message>
        <source>Copy pages exactly (recommended)</source>
        <translation>ページをそのままコピー（推奨）</translation>
    </message>
    <message>
        <source>Rewrite with Ghostscript</source>
        <translation>Ghostscript で書き直す</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keeps the chosen way of writing for this and later jobs and closes the window.</source>
        <translation>選んだ書き込み方法を今回以降のジョブに使い、ウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Closes the window and keeps the way of writing as it was.</source>
        <translation>書き込み方法を変えずにウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>Shows the merged file, or the folder of the split files, once a job has succeeded.</source>
        <translation>ジョブが成功したら、結合したファイルまたは分割したファイルのフォルダーを開きます。</translation>
    </message>
    <message>
        <source>Open the result when done</source>
        <translation>完了したら結果を開く</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>言語(&amp;L)：</translation>
    </message>
    <message>
        <source>The language of the windows; applied when Plicora starts again.</source>
        <translation>ウィンドウの言語。Plicora の次回起動時に反映されます。</translation>
    </message>
    <message>
        <source>A new language applies when Plicora starts again.</source>
        <translation>新しい言語は次回起動時に反映されます。</translation>
    </message>
    <message>
        <source>Forgets the folders and files used last; the dialogs start in the usual places again.</source>
        <translation>最近使ったフォルダーとファイルを消去し、ダイアログを通常の場所から開くようにします。</translation>
    </message>
    <message>
        <source>Clear recent folders</source>
        <translation>最近のフォルダーを消去</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Merging PDF</source>
        <translation>PDF を結合中</translation>
    </message>
    <message>
        <source>Splitting PDF</source>
        <translation>PDF を分割中</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 を書き込み中</translation>
    </message>
    <message>
        <source>Writing %1
Pages of %2 (%3 of %4)</source>
        <translation>%1 を書き込み中
%2 のページ（%4 件中 %3 件目）</translation>
    </message>
    <message>
        <source>Writing piece %1, from page %2</source>
        <translation>第 %1 部を書き込み中（%2 ページ目から）</translation>
    </message>
    <message>
        <source>Writing %1
Saving the merged file</source>
        <translation>%1 を書き込み中
結合したファイルを保存しています</translation>
    </message>
    <message>
        <source>Cancelling... what is finished is kept.</source>
        <translation>取り消し中…完了した分は残ります。</translation>
    </message>
</context>
</TS>
