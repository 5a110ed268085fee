<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ActionHints</name>
    <message>
        <source>印が20個以上あります：次の世代の1ページ目は印を付けた顔で、新しい子は2・3ページ目（PageDown）に出ます</source>
        <translation>20 or more faces are marked: page 1 of the next generation will hold the marked faces, the new children pages 2 and 3 (PageDown)</translation>
    </message>
    <message>
        <source>ダブルクリックで印を付け外しします。Enter で印を付けた顔から次の世代を作ります</source>
        <translation>A double-click marks or unmarks a face. Enter breeds the next generation from the marked faces</translation>
    </message>
    <message>
        <source>1ページ目は印を付けた顔です。新しい子は2・3ページ目にあります（PageDown）</source>
        <translation>Page 1 holds the marked faces. The new children are on pages 2 and 3 (PageDown)</translation>
    </message>
    <message>
        <source>新しい世代です。似ている顔をダブルクリックで選び、Enter で次へ進みます。↑で前の世代に戻れます</source>
        <translation>A new generation. Double-click the faces that look alike and press Enter to go on. Up goes back a generation</translation>
    </message>
    <message>
        <source>前の世代の顔にも印を付けられます。その特徴が次の世代に戻ってきます。↓で新しい世代へ</source>
        <translation>Faces of earlier generations can be marked too: their features come back in the next generation. Down goes forward</translation>
    </message>
    <message>
        <source>最新の世代です。↑で前の世代を見て、その顔に印を付けることもできます</source>
        <translation>The newest generation. Up shows earlier ones, whose faces can be marked as well</translation>
    </message>
    <message>
        <source>PageDown・PageUp でページを移ります。どのページの顔にも印を付けられます</source>
        <translation>PageDown and PageUp move between the pages. Faces can be marked on every page</translation>
    </message>
    <message>
        <source>右ダブルクリックでどの顔もすぐ保存できます（ウィンドウ2の顔はファイル メニューからも）</source>
        <translation>A right double-click saves any face at once (the face in window 2 also from the File menu)</translation>
    </message>
    <message>
        <source>固定した部品は、これから作る子がすべてウィンドウ2の顔から受け継ぎます</source>
        <translation>Every child bred from now on takes the locked parts from the face in window 2</translation>
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
        <source>キー操作はウィンドウ1の上で行ってください（マウスを左の一覧へ）</source>
        <translation>The keys work over window 1: move the mouse to the faces on the left</translation>
    </message>
    <message>
        <source>顔が選ばれていません。似ている顔をダブルクリックで選んでから Enter を押してください</source>
        <translation>No face is marked. Double-click the faces that look alike, then press Enter</translation>
    </message>
    <message>
        <source>60個まで選択できます。選び直しはできないので Enter で次の世代へ進んでください</source>
        <translation>60 faces are marked, the most there can be. Marks cannot be changed now: press Enter for the next generation</translation>
    </message>
    <message>
        <source>60個選択中はここから保存できません。ウィンドウ2の右ダブルクリックかファイル メニューで保存してください</source>
        <translation>With 60 faces marked, faces cannot be saved from here. Right double-click window 2 or use the File menu</translation>
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
    <message>
        <source>前回 Mirel が正常に終了しなかったため、保存されていない作業が %1 件残っています。
開きますか？（開かない場合、残っていた作業は削除されます）</source>
        <translation>Mirel did not end normally last time, and %1 piece(s) of unsaved work were kept.
Open them? (If not, the kept work is deleted.)</translation>
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
        <source>&lt;p&gt;目標の人物に似ている顔を選び、次の世代を作ることを繰り返して似顔絵に近づけます。&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;マウスを動かす&lt;/b&gt;：左の一覧（ウィンドウ1）の顔が右上（ウィンドウ2）に大きく表示されます。&lt;/li&gt;&lt;li&gt;&lt;b&gt;ダブルクリック&lt;/b&gt;：似ている顔を選びます（枠が付きます）。もう一度ダブルクリックすると外れます。1世代で60個まで選べ、60個選ぶと選び直しはできません。&lt;/li&gt;&lt;li&gt;&lt;b&gt;Enter&lt;/b&gt;：選んだ顔から次の世代を作ります。1つも選んでいなければ何も起きません。&lt;/li&gt;&lt;li&gt;&lt;b&gt;↑ ／ ↓&lt;/b&gt;：前の世代・次の世代を表示します。前の世代の顔も選べます。&lt;/li&gt;&lt;li&gt;&lt;b&gt;右ダブルクリック&lt;/b&gt;：その顔を保存します（ウィンドウ1では顔の上で、ウィンドウ2ではどこでも）。&lt;/li&gt;&lt;li&gt;&lt;b&gt;ファイル ▸ ウィンドウ2に表示された顔を保存&lt;/b&gt;：ウィンドウ2の顔を保存します。&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;キーはマウスがウィンドウ1の上にあるときに働きます。ウィンドウ ▸ 新しいウィンドウを開く で、同じ似顔絵をもう一つのウィンドウに表示できます。&lt;/p&gt;&lt;p&gt;&lt;b&gt;ファイル ▸ 上書き保存（Ctrl+S）／名前を付けて保存&lt;/b&gt;：作業中の似顔絵を、すべての世代と選んだ顔ごとセッションファイル（.mirel）に保存します。&lt;b&gt;開く（Ctrl+O）&lt;/b&gt;で続きから再開できます。保存していない変更があると、閉じる前に保存するかどうかを尋ねます。異常終了したときは、次の起動時に作業の復元を提案します。&lt;/p&gt;&lt;p&gt;顔を保存すると、作業フォルダーの &lt;b&gt;Output&lt;/b&gt; フォルダー（なければ作ります）に次の6つのファイルが書かれ、前の内容は上書きされます。作業フォルダーに Data も Output もないとき（インストールした Mirel をメニューなどから起動したとき）は、ピクチャ フォルダーの &lt;b&gt;Mirel&lt;/b&gt; フォルダーに書かれます。&lt;/p&gt;&lt;ul&gt;&lt;li&gt;mirelesakuhin.wmf：似顔絵（Windows メタファイル）&lt;/li&gt;&lt;li&gt;mirelesakuhin.bmp：似顔絵（24ビット ビットマップ、ウィンドウ2の顔の大きさ）&lt;/li&gt;&lt;li&gt;face.txt、haegiwa.txt、kamiyouso.txt：顔・生え際・髪の要素のデータ（サンプルの顔と同じ形式）&lt;/li&gt;&lt;li&gt;Rireki.txt：世代数、かかった時間、各世代で選んだ顔の履歴&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;ファイル ▸ 書き出し&lt;/b&gt;：ウィンドウ2の顔を、選んだ大きさの PNG・SVG・PDF に書き出します。&lt;/p&gt;</source>
        <translation>&lt;p&gt;Mark the faces that look like the person you have in mind and breed the next generation from them; generation by generation the faces come closer to a likeness.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Move the mouse&lt;/b&gt;: the face under it in the list on the left (window 1) is shown large at the top right (window 2).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt;: marks a face as like the person (it gets a frame). Double-click again to unmark it. Up to 60 faces can be marked in a generation; once 60 are marked, the marks cannot be changed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Enter&lt;/b&gt;: breeds the next generation from the marked faces. Nothing happens while no face is marked.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Up / Down&lt;/b&gt;: shows the previous or next generation. Faces of earlier generations can be marked too.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right double-click&lt;/b&gt;: saves that face (in window 1 on a face, in window 2 anywhere).&lt;/li&gt;&lt;li&gt;&lt;b&gt;File ▸ Save the Face Shown in Window 2&lt;/b&gt;: saves the face of window 2.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The keys work while the mouse is over window 1. Window ▸ New Window shows the same portrait in another window.&lt;/p&gt;&lt;p&gt;&lt;b&gt;File ▸ Save (Ctrl+S) / Save As&lt;/b&gt;: keeps the portrait in progress, every generation and every mark, in a session file (.mirel); &lt;b&gt;Open (Ctrl+O)&lt;/b&gt; carries on from it. With changes not yet saved, Mirel asks whether to save them before closing. After a crash, the next start offers to bring the work back.&lt;/p&gt;&lt;p&gt;Saving a face writes these six files into the &lt;b&gt;Output&lt;/b&gt; folder of the working folder (made when missing), replacing what was there. When the working folder has neither Data nor Output (an installed Mirel started from a menu, for example), they go into the &lt;b&gt;Mirel&lt;/b&gt; folder of your Pictures folder.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;mirelesakuhin.wmf: the portrait (Windows metafile)&lt;/li&gt;&lt;li&gt;mirelesakuhin.bmp: the portrait (24-bit bitmap, the size of the face in window 2)&lt;/li&gt;&lt;li&gt;face.txt, haegiwa.txt, kamiyouso.txt: the data of the face, hairline and hair elements (in the sample faces&apos; format)&lt;/li&gt;&lt;li&gt;Rireki.txt: the history: generations, time taken, the faces marked in each generation&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;File ▸ Export&lt;/b&gt;: writes the face of window 2 as PNG, SVG or PDF at the size you choose.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>mirel::MarkCountPane</name>
    <message>
        <source>この世代で選んだ顔の数</source>
        <translation>Faces marked in this generation</translation>
    </message>
    <message>
        <source>選択 %1／%2</source>
        <translation>Marked %1/%2</translation>
    </message>
</context>
</TS>
