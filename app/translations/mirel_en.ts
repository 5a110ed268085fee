<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>mirel::AboutBox</name>
    <message>
        <source>バージョン情報 Mirel</source>
        <translation>About Mirel</translation>
    </message>
    <message>
        <source>作者：Mirel 開発チーム</source>
        <translation>Authors: the Mirel developers</translation>
    </message>
</context>
<context>
    <name>mirel::CMainFrame</name>
    <message>
        <source>ファイル %1 を開けません。</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>ファイル %1 に保存できません。</source>
        <translation>Cannot save to the file %1.</translation>
    </message>
    <message>
        <source>表示言語は次回の起動から切り替わります。</source>
        <translation>The new language takes effect the next time Mirel starts.</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>新規にドキュメントを作成します</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <source>開く...(&amp;O)</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>既存のドキュメントを開きます</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>作業中のドキュメントを閉じます</source>
        <translation>Close the active document</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>作業中のドキュメントを保存します</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ウィンドウ2に表示された顔を保存（&amp;F）</source>
        <translation>Save the &amp;Face Shown in Window 2</translation>
    </message>
    <message>
        <source>ウィンドウ2に表示された顔をファイルに保存します</source>
        <translation>Save the face shown in window 2 to files</translation>
    </message>
    <message>
        <source>書き出し(&amp;E)...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>ウィンドウ2に表示された顔を PNG、SVG または PDF で書き出します</source>
        <translation>Export the face shown in window 2 as PNG, SVG or PDF</translation>
    </message>
    <message>
        <source>印刷...(&amp;P)</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>作業中のウィンドウを印刷します</source>
        <translation>Print the active window</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>印刷プレビュー(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>印刷イメージを表示します</source>
        <translation>Show how the page will print</translation>
    </message>
    <message>
        <source>プリンタの設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>プリンタと印刷オプションを変更します</source>
        <translation>Change the printer and printing options</translation>
    </message>
    <message>
        <source>アプリケーションの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>アプリケーションを終了します</source>
        <translation>Quit the application</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>最近使ったドキュメントを開きます</source>
        <translation>Open a recently used document</translation>
    </message>
    <message>
        <source>このドキュメントを開きます</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>直前の操作を元に戻します</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>選択範囲を切り取ってクリップボードに移動します</source>
        <translation>Cut the selection and put it on the clipboard</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>選択範囲をクリップボードにコピーします</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>クリップボードの内容を貼り付けます</source>
        <translation>Insert the clipboard contents</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>ステータス バー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ステータス バーの表示/非表示を切り替えます</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>重ねて表示(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>ウィンドウを重ねて表示します</source>
        <translation>Arrange the windows so they overlap</translation>
    </message>
    <message>
        <source>並べて表示(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>ウィンドウを並べて表示します</source>
        <translation>Arrange the windows side by side</translation>
    </message>
    <message>
        <source>アイコンの整列(&amp;A)</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>アイコンをウィンドウの下に整列します</source>
        <translation>Arrange the icons at the bottom of the window</translation>
    </message>
    <message>
        <source>次のペイン</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <source>次のペインに切り替えます</source>
        <translation>Switch to the next pane</translation>
    </message>
    <message>
        <source>前のペイン</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <source>前のペインに切り替えます</source>
        <translation>Switch to the previous pane</translation>
    </message>
    <message>
        <source>バージョン情報 Mirel(&amp;A)...</source>
        <translation>&amp;About Mirel...</translation>
    </message>
    <message>
        <source>プログラムの情報とバージョンを表示します</source>
        <translation>Show the program&apos;s information and version</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>表示言語を日本語にします（次回の起動から）</source>
        <translation>Show the interface in Japanese (from the next start)</translation>
    </message>
    <message>
        <source>表示言語を英語にします（次回の起動から）</source>
        <translation>Show the interface in English (from the next start)</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ウィンドウ(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ツール バー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ツール バーの表示/非表示を切り替えます</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>Language / 言語</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>レディ</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>表示されている顔集団が何世代目か</source>
        <translation>Which generation of faces is shown</translation>
    </message>
    <message>
        <source>%1 に書き出しました</source>
        <translation>Exported to %1</translation>
    </message>
    <message>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>画像の大きさ（ピクセル）:</source>
        <translation>Picture size (pixels):</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG 画像 (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>PDF 文書 (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>mirel::CoreTexts</name>
    <message>
        <source>顔情報を出力しました</source>
        <translation>The face has been saved.</translation>
    </message>
    <message>
        <source>保存先：</source>
        <translation>Saved in: </translation>
    </message>
    <message>
        <source> 現在までにかかった世代数：%3d世代，&#x3000;現在閲覧している世代：%3d世代目</source>
        <translation> Generations so far: %3d,  generation shown: %3d</translation>
    </message>
    <message>
        <source>テキストファイルopenに失敗しました</source>
        <translation>Could not open the text file.</translation>
    </message>
    <message>
        <source>テキストファイルcloseに失敗しました</source>
        <translation>Could not close the text file.</translation>
    </message>
    <message>
        <source>Meta Filesファイル保存に失敗しました</source>
        <translation>Could not save the metafile.</translation>
    </message>
    <message>
        <source>ウィンドウ2に顔が表示されていないため、Bitmapファイルを保存できませんでした</source>
        <translation>No face is shown in window 2, so the bitmap could not be saved.</translation>
    </message>
    <message>
        <source>画像ファイルの書き出しに失敗しました</source>
        <translation>Could not export the picture.</translation>
    </message>
</context>
</TS>
