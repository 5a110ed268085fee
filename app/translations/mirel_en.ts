<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ActionHints</name>
    <message>
        <source>20個以上の印：新しい子は2・3ページ目に</source>
        <translation>20+ marks: new children on pages 2 and 3</translation>
    </message>
    <message>
        <source>ダブルクリックで印の付け外し、Enter で次の世代</source>
        <translation>Double-click marks or unmarks; Enter breeds</translation>
    </message>
    <message>
        <source>1ページ目は印の顔、新しい子は2・3ページ目に</source>
        <translation>Page 1: marked faces; pages 2-3: children</translation>
    </message>
    <message>
        <source>似ている顔に印を付けて Enter。↑で前の世代へ</source>
        <translation>Mark the likest faces, Enter breeds</translation>
    </message>
    <message>
        <source>前の世代の顔にも印を付けられます。↓で先へ</source>
        <translation>Older faces can be marked too. Down: newer</translation>
    </message>
    <message>
        <source>最新の世代です。↑で前の世代へ戻れます</source>
        <translation>The newest generation. Up shows older ones</translation>
    </message>
    <message>
        <source>2・3ページ目は平均の顔（見本2）の複製40個です</source>
        <translation>Pages 2-3: 40 copies of the average face</translation>
    </message>
    <message>
        <source>PageDown・PageUp でページを移れます</source>
        <translation>PageDown and PageUp turn the pages</translation>
    </message>
    <message>
        <source>右ダブルクリックでどの顔も保存できます</source>
        <translation>Right double-click saves any face</translation>
    </message>
    <message>
        <source>固定した部品は以後の子すべてに引き継がれます</source>
        <translation>Every child from now on takes the locked part</translation>
    </message>
    <message>
        <source>印の顔を表示して選びました（青い枠）</source>
        <translation>Marked face shown and chosen (blue frame)</translation>
    </message>
    <message>
        <source>元に戻しました。Ctrl+Y でやり直し</source>
        <translation>Undone. Ctrl+Y redoes it</translation>
    </message>
    <message>
        <source>世代を取り消しました。Enter で別の子ができます</source>
        <translation>Generation undone. Enter breeds new children</translation>
    </message>
    <message>
        <source>やり直しました</source>
        <translation>Redone</translation>
    </message>
    <message>
        <source>選んだ顔：部品 メニューで選び直し・誇張</source>
        <translation>Chosen: see the Parts menu (Esc clears)</translation>
    </message>
    <message>
        <source>選択を解除：ウィンドウ2はマウスの下の顔</source>
        <translation>Choice cleared: window 2 follows the mouse</translation>
    </message>
    <message>
        <source>部品ギャラリー：良い顔に印を付けて Enter</source>
        <translation>Part gallery: mark the best, press Enter</translation>
    </message>
    <message>
        <source>誇張：1ページ目は0.6〜1.6倍、8番目がもと</source>
        <translation>Exaggeration: 0.6× to 1.6×, the 8th as is</translation>
    </message>
</context>
<context>
    <name>PartNames</name>
    <message>
        <source>目</source>
        <translation>eyes</translation>
    </message>
    <message>
        <source>眉</source>
        <translation>eyebrows</translation>
    </message>
    <message>
        <source>鼻</source>
        <translation>nose</translation>
    </message>
    <message>
        <source>口</source>
        <translation>mouth</translation>
    </message>
    <message>
        <source>輪郭</source>
        <translation>outline</translation>
    </message>
    <message>
        <source>耳</source>
        <translation>ears</translation>
    </message>
    <message>
        <source>髪</source>
        <translation>hair</translation>
    </message>
    <message>
        <source>固定：%1</source>
        <translation>Locked: %1</translation>
    </message>
</context>
<context>
    <name>RefusalNotices</name>
    <message>
        <source>キーはウィンドウ1（左の一覧）の上で使えます</source>
        <translation>Keys work with the mouse over window 1 (left)</translation>
    </message>
    <message>
        <source>印がありません。先にダブルクリックで印を</source>
        <translation>No marks yet: double-click a face first</translation>
    </message>
    <message>
        <source>選べるのは60個までです。印を外すか Enter で次の世代へ</source>
        <translation>60 marks at most: unmark one, or press Enter</translation>
    </message>
    <message>
        <source>印が60個の間は、ウィンドウ2の右ダブルクリックで保存</source>
        <translation>With 60 marks, save by right double-click in window 2</translation>
    </message>
</context>
<context>
    <name>SessionTexts</name>
    <message>
        <source>Mirel のセッションファイルではありません</source>
        <translation>not a Mirel session file</translation>
    </message>
    <message>
        <source>読み込めません（%1）</source>
        <translation>it cannot be read (%1)</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています</source>
        <translation>the file is cut short</translation>
    </message>
    <message>
        <source>ファイルが壊れています（チェックサムが一致しません）</source>
        <translation>the file is damaged (its checksum does not match)</translation>
    </message>
    <message>
        <source>新しい版の Mirel で保存されたファイルです（形式 %1）</source>
        <translation>it was saved by a newer Mirel (format %1)</translation>
    </message>
    <message>
        <source>この版の Mirel が知らない部分（%1）を含んでいます</source>
        <translation>it holds a part this Mirel does not know (%1)</translation>
    </message>
    <message>
        <source>ファイルの内容が壊れています（%1）</source>
        <translation>the content of the file is damaged (%1)</translation>
    </message>
    <message>
        <source>ファイル %1 を開けません。
%2。</source>
        <translation>Cannot open the file %1:
%2.</translation>
    </message>
    <message>
        <source>ファイル %1 に保存できませんでした（%2）。</source>
        <translation>Could not save to the file %1 (%2).</translation>
    </message>
    <message>
        <source>セッションファイルとしては大きすぎます（%1 バイト）</source>
        <translation>it is too large for a session file (%1 bytes)</translation>
    </message>
    <message>
        <source>ファイル %1 に保存できませんでした（%2）。
前に保存したファイルはそのまま残っています。</source>
        <translation>Could not save to the file %1 (%2).
The file saved before is left as it was.</translation>
    </message>
    <message>
        <source>顔情報の一部を出力できませんでした。次のファイルは保存されていません：%1</source>
        <translation>Part of the face could not be saved. These files were not written:%1</translation>
    </message>
    <message>
        <source>出力フォルダー %1 に書き込めません（%2）。
顔情報は保存されていません。</source>
        <translation>Cannot write into the output folder %1 (%2).
The face was not saved.</translation>
    </message>
</context>
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
    <name>mirel::BreedingMenu</name>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>特大</source>
        <translation>Extra large</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>少し</source>
        <translation>A few</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>Many</translation>
    </message>
    <message>
        <source>変化の大きさ(&amp;M)</source>
        <translation>Step Si&amp;ze</translation>
    </message>
    <message>
        <source>%1（×%2）</source>
        <translation>%1 (×%2)</translation>
    </message>
    <message>
        <source>次の世代から、子の顔の点が一度に動く幅を変えます</source>
        <translation>From the next generation on, changes how far a child&apos;s points move at once</translation>
    </message>
    <message>
        <source>新しい顔の数(&amp;F)</source>
        <translation>New &amp;Faces</translation>
    </message>
    <message>
        <source>%1（60個のうち%2個）</source>
        <translation>%1 (%2 of the 60)</translation>
    </message>
    <message>
        <source>次の世代から、最後の顔を印を付けた顔の子ではない新しい顔にします</source>
        <translation>From the next generation on, makes the last faces new people instead of children of the marked faces</translation>
    </message>
    <message>
        <source>おすすめ設定(&amp;O)</source>
        <translation>Rec&amp;ommended Settings</translation>
    </message>
    <message>
        <source>変化の大きさと新しい顔の数を、似顔絵に近づきやすい設定にします</source>
        <translation>Sets the step size and the new faces to the settings that reach a likeness best</translation>
    </message>
    <message>
        <source>変化：%1&#x3000;新しい顔：%2</source>
        <translation>Step: %1  New faces: %2</translation>
    </message>
    <message>
        <source>繁殖の設定</source>
        <translation>Breeding Settings</translation>
    </message>
</context>
<context>
    <name>mirel::CChild1View</name>
    <message>
        <source>印の付け外し</source>
        <translation>Mark or Unmark</translation>
    </message>
    <message>
        <source>次の世代</source>
        <translation>Next Generation</translation>
    </message>
</context>
<context>
    <name>mirel::CChild2View</name>
    <message>
        <source>選んだ顔 %1・%2</source>
        <translation>Chosen %1·%2</translation>
    </message>
</context>
<context>
    <name>mirel::CChild3View</name>
    <message>
        <source>印を付けた顔 %1／%2</source>
        <translation>Marked %1/%2</translation>
    </message>
    <message>
        <source>第%1世代で印を付けた顔</source>
        <translation>Marked in generation %1</translation>
    </message>
    <message>
        <source>%1・%2</source>
        <comment>generation and index</comment>
        <translation>%1·%2</translation>
    </message>
</context>
<context>
    <name>mirel::CMainFrame</name>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
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
    <message>
        <source>新しいウィンドウを開く(&amp;N)</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>作業中のドキュメントをもう一つのウィンドウに表示します</source>
        <translation>Show the active document in another window</translation>
    </message>
    <message>
        <source>使い方(&amp;U)...</source>
        <translation>How to &amp;Use...</translation>
    </message>
    <message>
        <source>マウスとキーの操作、保存されるファイルを説明します</source>
        <translation>Explain the mouse and keys, and the files that are saved</translation>
    </message>
    <message>
        <source>Mirel セッション (*%1)</source>
        <translation>Mirel sessions (*%1)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1 への変更を保存しますか？</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <source>保存する</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message numerus="yes">
        <source>前回 Mirel が正常に終了しなかったため、保存されていない作業が %n 件残っています。
開きますか？（開かない場合、残っていた作業は削除されます）</source>
        <translation>
            <numerusform>Mirel did not end normally last time, and %n piece of unsaved work was kept.
Open it? (If not, the kept work is deleted.)</numerusform>
            <numerusform>Mirel did not end normally last time, and %n pieces of unsaved work were kept.
Open them? (If not, the kept work is deleted.)</numerusform>
        </translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>作業中のドキュメントを新しい名前で保存します</source>
        <translation>Saves the active document under a new name</translation>
    </message>
    <message>
        <source>次のページ(&amp;N)</source>
        <translation>&amp;Next Page</translation>
    </message>
    <message>
        <source>表示している世代の次の20個の顔を表示します</source>
        <translation>Shows the next 20 faces of the generation in view</translation>
    </message>
    <message>
        <source>次のページ</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>前のページ(&amp;R)</source>
        <translation>P&amp;revious Page</translation>
    </message>
    <message>
        <source>表示している世代の前の20個の顔を表示します</source>
        <translation>Shows the previous 20 faces of the generation in view</translation>
    </message>
    <message>
        <source>前のページ</source>
        <translation>Previous Page</translation>
    </message>
    <message>
        <source>部品(&amp;P)</source>
        <translation>&amp;Parts</translation>
    </message>
    <message>
        <source>%1を固定</source>
        <translation>Lock the %1</translation>
    </message>
    <message>
        <source>この部品をウィンドウ2の顔のものに固定します（もう一度選ぶと解除）</source>
        <translation>Locks this part to that of the face in window 2 (choose again to unlock)</translation>
    </message>
    <message>
        <source>固定をすべて解除(&amp;C)</source>
        <translation>&amp;Clear All Locks</translation>
    </message>
    <message>
        <source>すべての部品の固定を解除します</source>
        <translation>Unlocks every part</translation>
    </message>
    <message>
        <source>ページ %1/%2</source>
        <translation>Page %1/%2</translation>
    </message>
    <message>
        <source>この部品を選び直す(&amp;G)</source>
        <translation>&amp;Redo This Part</translation>
    </message>
    <message>
        <source>選んだ顔のこの部品だけを取り替えた60の顔で、新しい世代を作ります</source>
        <translation>Makes a new generation of 60 faces that are the chosen face with only this part replaced</translation>
    </message>
    <message>
        <source>誇張(&amp;X)</source>
        <translation>E&amp;xaggerate</translation>
    </message>
    <message>
        <source>選んだ顔を平均の顔から遠ざけたり近づけたりした60の顔で、新しい世代を作ります</source>
        <translation>Makes a new generation of 60 faces that move the chosen face away from and toward the average face</translation>
    </message>
    <message>
        <source>顔の選択を解除(&amp;D)</source>
        <translation>&amp;Drop the Chosen Face</translation>
    </message>
    <message>
        <source>選んだ顔をなくし、ウィンドウ2をマウスの下の顔に戻します</source>
        <translation>Clears the chosen face; window 2 shows the face under the mouse again</translation>
    </message>
    <message>
        <source>髪と輪郭を薄く表示(&amp;I)</source>
        <translation>&amp;Inner Face First (Pale Hair and Outline)</translation>
    </message>
    <message>
        <source>ウィンドウ1と2で髪と輪郭を薄い灰色で描き、目・眉・鼻・口だけで見比べられるようにします</source>
        <translation>Draws the hair and outline pale grey in windows 1 and 2, so faces are compared by their eyes, brows, nose and mouth</translation>
    </message>
    <message>
        <source>選んだ顔 %1・%2</source>
        <translation>Chosen %1·%2</translation>
    </message>
    <message>
        <source>顔が選ばれていません。ウィンドウ1で顔をクリックして選んでから使ってください</source>
        <translation>No face is chosen. Click a face in window 1 to choose it first</translation>
    </message>
    <message>
        <source>世代が上限の50世代に達したので、新しい世代は作れません</source>
        <translation>The document holds the most generations it can (50): no new generation can be made</translation>
    </message>
    <message>
        <source>この部品には選び直せる違いがありません</source>
        <translation>This part has nothing to vary</translation>
    </message>
    <message>
        <source>選んだ顔は平均の顔と同じなので、誇張できません</source>
        <translation>The chosen face is the average face, so there is nothing to exaggerate</translation>
    </message>
    <message>
        <source>部品の固定</source>
        <translation>Lock Part</translation>
    </message>
    <message>
        <source>部品の固定の解除</source>
        <translation>Unlock Part</translation>
    </message>
    <message>
        <source>固定をすべて解除</source>
        <translation>Unlock All Parts</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>元に戻した操作をやり直します</source>
        <translation>Redoes the last undone action</translation>
    </message>
    <message>
        <source>元に戻す：%1(&amp;U)</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>やり直し：%1(&amp;R)</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>髪と輪郭を薄く表示</source>
        <translation>Inner Face First</translation>
    </message>
    <message>
        <source>部品ギャラリー</source>
        <translation>Part Gallery</translation>
    </message>
    <message>
        <source>誇張</source>
        <translation>Exaggeration</translation>
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
<context>
    <name>mirel::HowToUse</name>
    <message>
        <source>使い方</source>
        <translation>How to Use</translation>
    </message>
    <message>
        <source>&lt;p&gt;目標の人物に似ている顔を選び、次の世代を作ることを繰り返して似顔絵に近づけます。&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;マウスを動かす&lt;/b&gt;：左の一覧（ウィンドウ1）の顔が右上（ウィンドウ2）に大きく表示されます。&lt;/li&gt;&lt;li&gt;&lt;b&gt;ダブルクリック&lt;/b&gt;：似ている顔に印を付けます（枠が付きます）。もう一度ダブルクリックすると外れます。1世代で60個まで印を付けられます。60個のときも印は外せますが、61個目は付きません。&lt;/li&gt;&lt;li&gt;&lt;b&gt;Enter&lt;/b&gt;：印を付けた顔から次の世代を作ります。印が1つもなければ何も起きません。&lt;/li&gt;&lt;li&gt;&lt;b&gt;↑ ／ ↓&lt;/b&gt;：前の世代・次の世代を表示します。前の世代の顔にも印を付けられます。&lt;/li&gt;&lt;li&gt;&lt;b&gt;右ダブルクリック&lt;/b&gt;：その顔を保存します（ウィンドウ1では顔の上で、ウィンドウ2ではどこでも）。&lt;/li&gt;&lt;li&gt;&lt;b&gt;ファイル ▸ ウィンドウ2に表示された顔を保存&lt;/b&gt;：ウィンドウ2の顔を保存します。&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Mark the faces that look like the person you have in mind and breed the next generation from them; generation by generation the faces come closer to a likeness.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Move the mouse&lt;/b&gt;: the face under it in the list on the left (window 1) is shown large at the top right (window 2).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt;: marks a face as like the person (it gets a frame). Double-click again to unmark it. Up to 60 faces can be marked in a generation; with 60, a mark can still be taken off, but no 61st is added.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Enter&lt;/b&gt;: breeds the next generation from the marked faces. Nothing happens while no face is marked.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Up / Down&lt;/b&gt;: shows the previous or next generation. Faces of earlier generations can be marked too.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right double-click&lt;/b&gt;: saves that face (in window 1 on a face, in window 2 anywhere).&lt;/li&gt;&lt;li&gt;&lt;b&gt;File ▸ Save the Face Shown in Window 2&lt;/b&gt;: saves the face of window 2.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;ページ&lt;/b&gt;：1世代は60個の顔で、ウィンドウ1には20個ずつ3ページで表示されます。PageDown・PageUp（表示 ▸ 次のページ／前のページ）でページを移ります。第0世代の2・3ページ目は平均の顔（見本2）の複製40個です。印を20個以上付けると、次の世代の1ページ目は印を付けた顔になり、新しい子は2・3ページ目に出ます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Pages&lt;/b&gt;: a generation has 60 faces; window 1 shows them as three pages of 20. PageDown and PageUp (View ▸ Next Page / Previous Page) turn the pages. Pages 2 and 3 of generation 0 are 40 copies of the average face (sample 2). With 20 or more marks, page 1 of the next generation holds the marked faces and the new children are on pages 2 and 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;ウィンドウ3&lt;/b&gt;（右下）：今の世代で印を付けた顔が、付けた順に小さく並び、下に「世代・番号」が出ます。前の世代を表示しているときは、その世代で付けた印（次の世代のもとになった印）も灰色の地で並びます（変えられません）。顔をクリックすると、その世代とページがウィンドウ1に表示され、その顔が青い枠で示されます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Window 3&lt;/b&gt; (bottom right): the faces marked in this generation, small, in the order they were marked, with &quot;generation·index&quot; under each. While an earlier generation is shown, the marks made in it (those its next generation was bred from) are listed too, on grey (they cannot change). A click on a face shows its generation and page in window 1, the face in a blue frame.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;部品 ▸ 目を固定 … 髪を固定（Ctrl+1 … Ctrl+7）&lt;/b&gt;：ウィンドウ2の顔のその部品を、これから作る子すべてに引き継がせます。もう一度選ぶと解除、&lt;b&gt;固定をすべて解除（Ctrl+0）&lt;/b&gt;ですべて解除します。固定した部品はステータス バーとウィンドウ2の隅に表示されます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Parts ▸ Lock Eyes … Lock Hair (Ctrl+1 … Ctrl+7)&lt;/b&gt;: every child bred from now on takes that part from the face in window 2. Choose it again to unlock it; &lt;b&gt;Unlock All (Ctrl+0)&lt;/b&gt; unlocks every part. The locked parts are named in the status bar and in the corner of window 2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;編集 ▸ 元に戻す（Ctrl+Z）／やり直し（Ctrl+Y）&lt;/b&gt;：印の付け外し、部品の固定と解除、部品ギャラリーと誇張、設定の変更、次の世代を作ったことを取り消し、またやり直します。世代を取り消すと、その世代の分をもう一度作れます（最大50世代）。取り消した後に Enter を押すと、乱数は戻らないので別の子ができます。取り消しの履歴はセッションファイルには保存されません。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Edit ▸ Undo (Ctrl+Z) / Redo (Ctrl+Y)&lt;/b&gt;: takes back marking and unmarking, locking and unlocking parts, part galleries and exaggerations, changes of the settings and breeding, and does them again. An undone generation gives its place back (a portrait holds at most 50 generations). Pressing Enter after undoing breeds other children: the random numbers go on. The undo history is not kept in session files.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;キーはマウスが乗っているウィンドウ1に働きます。ウィンドウを並べて表示しているときは、マウスの下のウィンドウが前に出てキーを受けます。ウィンドウ ▸ 新しいウィンドウを開く で、同じ似顔絵をもう一つのウィンドウに表示できます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;The keys act on the window 1 the mouse is over; with several windows tiled, the one under the mouse comes to the front and takes them. Window ▸ New Window shows the same portrait in another window.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;ファイル ▸ 上書き保存（Ctrl+S）／名前を付けて保存&lt;/b&gt;：作業中の似顔絵を、すべての世代と印ごとセッションファイル（.mirel）に保存します。&lt;b&gt;開く（Ctrl+O）&lt;/b&gt;で続きから再開できます。保存していない変更があるとタイトルに * が付き、閉じる前に保存するかどうかを尋ねます。異常終了したときは、次の起動時に作業の復元を提案します。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;File ▸ Save (Ctrl+S) / Save As&lt;/b&gt;: keeps the portrait in progress, every generation and every mark, in a session file (.mirel); &lt;b&gt;Open (Ctrl+O)&lt;/b&gt; carries on from it. Changes not yet saved put a * in the title, and Mirel asks whether to save them before closing. After a crash, the next start offers to bring the work back.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;表示 ▸ Language / 言語&lt;/b&gt;：表示言語を日本語か英語にします（次回の起動から）。&lt;b&gt;mirel --lang en&lt;/b&gt; で、その回だけ英語で起動します。保存されるファイルはどちらの言語でも同じです。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;View ▸ Language&lt;/b&gt;: shows Mirel in Japanese or English (from the next start on). &lt;b&gt;mirel --lang en&lt;/b&gt; starts it in English for one run. The saved files are the same in both languages.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;顔を保存すると、作業フォルダーの &lt;b&gt;Output&lt;/b&gt; フォルダー（なければ作ります）に次の6つのファイルが書かれ、前の内容は上書きされます。作業フォルダーに Data も Output もないとき（インストールした Mirel をメニューなどから起動したとき）は、ピクチャ フォルダーの &lt;b&gt;Mirel&lt;/b&gt; フォルダーに書かれます。&lt;/p&gt;&lt;ul&gt;&lt;li&gt;mirelesakuhin.wmf：似顔絵（Windows メタファイル）&lt;/li&gt;&lt;li&gt;mirelesakuhin.bmp：似顔絵（24ビット ビットマップ、ウィンドウ2の顔の大きさ）&lt;/li&gt;&lt;li&gt;face.txt、haegiwa.txt、kamiyouso.txt：顔・生え際・髪の要素のデータ（サンプルの顔と同じ形式）&lt;/li&gt;&lt;li&gt;Rireki.txt：世代数、かかった時間、各世代で印を付けた顔の履歴&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Saving a face writes these six files into the &lt;b&gt;Output&lt;/b&gt; folder of the working folder (made when missing), replacing what was there. When the working folder has neither Data nor Output (an installed Mirel started from a menu, for example), they go into the &lt;b&gt;Mirel&lt;/b&gt; folder of your Pictures folder.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;mirelesakuhin.wmf: the portrait (Windows metafile)&lt;/li&gt;&lt;li&gt;mirelesakuhin.bmp: the portrait (24-bit bitmap, the size of the face in window 2)&lt;/li&gt;&lt;li&gt;face.txt, haegiwa.txt, kamiyouso.txt: the data of the face, hairline and hair elements (in the sample faces&apos; format)&lt;/li&gt;&lt;li&gt;Rireki.txt: the history: generations, time taken, the faces marked in each generation&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;ファイル ▸ 書き出し&lt;/b&gt;：ウィンドウ2の顔を、選んだ大きさの PNG・SVG・PDF に書き出します。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;File ▸ Export&lt;/b&gt;: writes the face of window 2 as PNG, SVG or PDF at the size you choose.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;書き出しでは、髪・耳・あごまで頭全体が、周りに同じ幅の余白を残して収まるように描きます。開く・保存・書き出しのダイアログは、前回使ったフォルダーで開きます。出力フォルダーを作れないか書き込めないときは、理由とともに一度だけ知らせ、顔のファイルは1つも書きません。設定は ~/.config/Mirel、復元用の作業は ~/.local/share/Mirel に置かれます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;An export draws the whole head, hair, ears and chin included, with an even margin around it. The open, save and export dialogs open in the folder used last. When the output folder cannot be made or written into, Mirel says so once, with the reason, and writes none of the face&apos;s files. The settings are kept in ~/.config/Mirel, the recovery files in ~/.local/share/Mirel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;クリック&lt;/b&gt;：ウィンドウ1の顔をクリックすると、その顔を選びます（青い点線の枠、ダブルクリックでも選ばれます）。マウスがウィンドウ1から出ると、ウィンドウ2は選んだ顔を表示し、保存・書き出し・部品の固定はこの顔に働きます。Esc で選択を解除します。&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;部品 ▸ この部品を選び直す&lt;/b&gt;：選んだ顔の一つの部品（目・眉・鼻・口・輪郭・耳・髪）だけを取り替えた60の顔で、新しい世代を作ります。1ページ目は20のサンプルの部品、2・3ページ目は今の世代の顔の部品と、その部品を大きく変えたものです。&lt;/li&gt;&lt;li&gt;&lt;b&gt;部品 ▸ 誇張&lt;/b&gt;：選んだ顔を平均の顔から遠ざけたり近づけたりした60の顔で、新しい世代を作ります。1ページ目は 0.6 倍から 1.6 倍まで（8番目がもとの顔）、2・3ページ目は部品ごとの組み合わせと小さな変化です。&lt;/li&gt;&lt;li&gt;どちらの世代でも、良い顔に印を付けて Enter を押すと、いつものように次の世代を作ります。&lt;/li&gt;&lt;li&gt;&lt;b&gt;表示 ▸ 髪と輪郭を薄く表示&lt;/b&gt;：ウィンドウ1と2で髪と輪郭を薄い灰色で描き、目・眉・鼻・口だけで見比べられるようにします。保存・印刷・書き出しの絵は変わりません。&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Click&lt;/b&gt;: clicking a face in window 1 chooses it (a dashed blue frame; a double-click chooses it too). Once the mouse leaves window 1, window 2 shows the chosen face, and saving, exporting and part locks act on it. Esc clears the choice.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Parts ▸ Redo This Part&lt;/b&gt;: makes a new generation of 60 faces that are the chosen face with one part (eyes, brows, nose, mouth, outline, ears or hair) replaced. Page 1 has the part of each of the 20 samples; pages 2 and 3 the parts of faces of the current generation and bold variations of the chosen part.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Parts ▸ Exaggerate&lt;/b&gt;: makes a new generation of 60 faces that move the chosen face away from and toward the average face. Page 1 runs from 0.6 to 1.6 times its difference from the average (the 8th face is the chosen face itself); pages 2 and 3 mix the levels part by part, with small variations.&lt;/li&gt;&lt;li&gt;In either generation, mark the good faces and press Enter to breed on as usual.&lt;/li&gt;&lt;li&gt;&lt;b&gt;View ▸ Inner Face First&lt;/b&gt;: draws the hair and outline pale grey in windows 1 and 2, so faces are compared by their eyes, brows, nose and mouth. Saved, printed and exported pictures do not change.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;表示 ▸ 変化の大きさ&lt;/b&gt;：標準（×1）・大（×2）・特大（×4）。大きくすると子の顔の点が一度に大きく動き、印を付けた顔のすぐ後の子にも変化が付きます。&lt;b&gt;表示 ▸ 新しい顔の数&lt;/b&gt;：なし・少し（6個）・多い（15個）。各世代の最後の顔（3ページ目）が、サンプルの顔の部品から作った新しい顔になります。世代が進んでも顔が似たものばかりにならず、違う部品を選び直せます。&lt;b&gt;表示 ▸ おすすめ設定&lt;/b&gt;は、似顔絵に近づきやすい組み合わせを選びます。設定は次に作る世代から効き、標準以外のときはステータス バーに表示され、セッションに保存され、Rireki.txt にも書かれます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;View ▸ Step Size&lt;/b&gt;: Standard (×1), Large (×2), Extra large (×4). Larger steps move a child&apos;s points further at once, and the children right after the marked faces change too. &lt;b&gt;View ▸ New Faces&lt;/b&gt;: None, A few (6), Many (15). The last faces of every generation (on page 3) are new people made from the parts of the sample faces, so the faces do not all grow alike as the generations go on, and another part can still be chosen. &lt;b&gt;View ▸ Recommended Settings&lt;/b&gt; chooses the combination that reaches a likeness best. The settings apply from the next generation bred; while they are not the standard ones the status bar names them; they are kept in the session and written to Rireki.txt.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>mirel::MarkCountPane</name>
    <message>
        <source>この世代で印を付けた顔の数</source>
        <translation>Faces marked in this generation</translation>
    </message>
    <message>
        <source>選択 %1／%2</source>
        <translation>Marked %1/%2</translation>
    </message>
</context>
</TS>
