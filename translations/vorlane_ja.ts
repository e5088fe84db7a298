<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Localizable</name>
    <message>
        <source>You can give your photos a dramatic effect by converting them to sketch(from PhotoB), while keeping the region and details that you choose in color(from PhotoA).
1. Use your finger as a brush to &apos;paint&apos; area of the sketch image, or to bring back the original color.
2. Move photo by two-finger move.
3. Zooming in and out by two-finger pinching.</source>
        <comment>HelpText</comment>
        <translation>写真をスケッチに変換し（B）、選んだ部分や細部だけを元の色のまま残して（A）、印象的な一枚に仕上げられます。
1. 指をブラシにして画像の上を「塗る」と、元の色を戻したり、スケッチに戻したりできます。
2. 2 本指でドラッグすると写真を移動できます。
3. 2 本指でピンチするとズームイン／ズームアウトできます。</translation>
    </message>
    <message>
        <source>Vorlane turns your photo into a pencil sketch and lets you paint the photo&apos;s colour back wherever you like.

Paint: drag with the left mouse button over the picture. With Paint Colour (A) the colour shows through; with Restore Sketch (B) the sketch comes back.
Brush size: the slider in the toolbar, or the [ and ] keys. The circle under the pointer shows the brush.
Zoom: the mouse wheel or a trackpad pinch zooms about the pointer; Ctrl++ and Ctrl+- zoom in and out, Ctrl+0 fits the picture to the window, Ctrl+1 shows it at its actual pixels.
Move the picture: drag with the right or middle mouse button.
Compare: hold the backslash key (\) to see the colour layer alone.
Undo and redo whole strokes with Ctrl+Z and Ctrl+Shift+Z.
In the Styles panel, Sketch style sets how the sketch looks, and Colour layer what Paint Colour brings back: the photo itself or the photo in a style.
Copy the picture with Ctrl+C; save the painting with Ctrl+S.</source>
        <comment>HelpTextDesktop</comment>
        <translation>Vorlane は写真を鉛筆スケッチに変換し、好きな場所に写真の色を塗り戻せるアプリです。

塗る: 画像の上を左ボタンでドラッグします。「色を塗る」（A）では色が現れ、「スケッチに戻す」（B）ではスケッチが戻ります。
ブラシサイズ: ツールバーのスライダー、または [ キーと ] キーで変更します。ポインターの下の円がブラシを表します。
ズーム: マウスホイールまたはトラックパッドのピンチで、ポインターの位置を中心にズームします。Ctrl++ と Ctrl+- でズームイン／ズームアウト、Ctrl+0 でウィンドウに合わせて表示、Ctrl+1 でピクセル等倍で表示します。
画像の移動: 右ボタンまたは中ボタンでドラッグします。
比較: バックスラッシュキー（\）を押している間、カラーレイヤーだけを表示します。
Ctrl+Z と Ctrl+Shift+Z で、ストローク単位で元に戻す／やり直すことができます。
スタイルパネルの「スケッチのスタイル」ではスケッチの見た目を、「カラーレイヤー」では「色を塗る」で戻す色（写真そのもの、またはスタイルを適用した写真）を選びます。
Ctrl+C で画像をコピー、Ctrl+S で作品を保存します。</translation>
    </message>
    <message>
        <source>Get it</source>
        <comment>Get it</comment>
        <translation>入手する</translation>
    </message>
    <message>
        <source>More</source>
        <comment>More</comment>
        <translation>もっと見る</translation>
    </message>
    <message>
        <source>Next time</source>
        <comment>Next time</comment>
        <translation>あとで</translation>
    </message>
    <message>
        <source>Photo</source>
        <comment>StyleName0</comment>
        <translation>写真</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>StyleName1</comment>
        <translation>鉛筆</translation>
    </message>
    <message>
        <source>Sharp Pencil</source>
        <comment>StyleName2</comment>
        <translation>くっきり鉛筆</translation>
    </message>
    <message>
        <source>Outline</source>
        <comment>StyleName3</comment>
        <translation>輪郭線</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>StyleName4</comment>
        <translation>チョーク</translation>
    </message>
    <message>
        <source>Relief</source>
        <comment>StyleName5</comment>
        <translation>レリーフ</translation>
    </message>
    <message>
        <source>Emboss</source>
        <comment>StyleName6</comment>
        <translation>エンボス</translation>
    </message>
    <message>
        <source>Deboss</source>
        <comment>StyleName7</comment>
        <translation>デボス</translation>
    </message>
</context>
<context>
    <name>canvas::CanvasCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>最後のストロークを元に戻します</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>最後に元に戻したストロークをやり直します</translation>
    </message>
    <message>
        <source>&amp;Paint Colour</source>
        <translation>色を塗る(&amp;P)</translation>
    </message>
    <message>
        <source>Paint the colour back over the sketch (A)</source>
        <translation>スケッチの上に色を塗り戻します（A）</translation>
    </message>
    <message>
        <source>&amp;Restore Sketch</source>
        <translation>スケッチに戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Bring the sketch back (B)</source>
        <translation>スケッチを元に戻します（B）</translation>
    </message>
    <message>
        <source>&amp;Bigger Brush</source>
        <translation>ブラシを大きく(&amp;B)</translation>
    </message>
    <message>
        <source>Make the brush larger</source>
        <translation>ブラシを大きくします</translation>
    </message>
    <message>
        <source>&amp;Smaller Brush</source>
        <translation>ブラシを小さく(&amp;S)</translation>
    </message>
    <message>
        <source>Make the brush smaller</source>
        <translation>ブラシを小さくします</translation>
    </message>
</context>
<context>
    <name>canvas::VorlaneView</name>
    <message>
        <source>Brush Size：</source>
        <extracomment>Ends in a full-width colon (U+FF1A), as the label was first drawn.</extracomment>
        <translation>ブラシサイズ：</translation>
    </message>
</context>
<context>
    <name>desktop::DesktopWindow</name>
    <message>
        <source>&lt;p style=&apos;font-size:x-large&apos;&gt;Open a photo to begin.&lt;/p&gt;&lt;p&gt;File &amp;rsaquo; Open&amp;hellip; (Ctrl+O), or drop a photo here.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:x-large&apos;&gt;写真を開いて始めましょう。&lt;/p&gt;&lt;p&gt;ファイル &amp;rsaquo; 開く&amp;hellip;（Ctrl+O）を選ぶか、ここに写真をドロップしてください。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>写真なし</translation>
    </message>
    <message>
        <source>%1  %2 × %3 px</source>
        <extracomment>The status bar&apos;s photo: %1 its name, %2 x %3 its size in pixels.</extracomment>
        <translation>%1  %2 × %3 px</translation>
    </message>
    <message>
        <source>Brush %1 px</source>
        <translation>ブラシ %1 px</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the saved file&apos;s path.</extracomment>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Save changes to the painting before quitting?</source>
        <translation>終了する前に、作品の変更を保存しますか？</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening the dropped picture?</source>
        <translation>ドロップされた画像を開く前に、作品の変更を保存しますか？</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a photo from a file</source>
        <translation>ファイルから写真を開きます</translation>
    </message>
    <message>
        <source>&amp;Take Photo...</source>
        <translation>写真を撮影(&amp;T)...</translation>
    </message>
    <message>
        <source>Take a photo with the camera</source>
        <translation>カメラで写真を撮影します</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document</source>
        <translation>作品を Vorlane ドキュメントとして保存します</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document of another name</source>
        <translation>作品を別の名前の Vorlane ドキュメントとして保存します</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>エクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the picture as a PNG or JPEG file</source>
        <translation>画像を PNG または JPEG ファイルとして書き出します</translation>
    </message>
    <message>
        <source>Export A&amp;gain</source>
        <translation>再エクスポート(&amp;G)</translation>
    </message>
    <message>
        <source>Write the picture to the file exported last</source>
        <translation>前回エクスポートしたファイルに画像を書き出します</translation>
    </message>
    <message>
        <source>Export Time-&amp;lapse...</source>
        <translation>タイムラプスをエクスポート(&amp;L)...</translation>
    </message>
    <message>
        <source>Write a short film of the painting being made (MP4 or animated WebP)</source>
        <translation>作品の制作過程を短い動画（MP4 またはアニメーション WebP）として書き出します</translation>
    </message>
    <message>
        <source>Save to &amp;Pictures</source>
        <translation>「画像」フォルダーに保存(&amp;P)</translation>
    </message>
    <message>
        <source>Save the picture to the Vorlane folder in Pictures</source>
        <translation>「画像」フォルダー内の Vorlane フォルダーに画像を保存します</translation>
    </message>
    <message>
        <source>Share by &amp;Mail...</source>
        <translation>メールで共有(&amp;M)...</translation>
    </message>
    <message>
        <source>Attach the picture to a new mail</source>
        <translation>画像を新しいメールに添付します</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Vorlane を終了します</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>ズームイン(&amp;I)</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>画像を拡大表示します</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ズームアウト(&amp;O)</translation>
    </message>
    <message>
        <source>Show the picture smaller</source>
        <translation>画像を縮小表示します</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>ウィンドウに合わせる(&amp;F)</translation>
    </message>
    <message>
        <source>Show the whole picture as large as the window allows</source>
        <translation>ウィンドウに収まる最大のサイズで画像全体を表示します</translation>
    </message>
    <message>
        <source>&amp;Actual Pixels</source>
        <translation>ピクセル等倍(&amp;A)</translation>
    </message>
    <message>
        <source>Show one picture pixel per screen pixel</source>
        <translation>画像の 1 ピクセルを画面の 1 ピクセルで表示します</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比較(&amp;C)</translation>
    </message>
    <message>
        <source>Show the colour layer alone (or hold the \ key)</source>
        <translation>カラーレイヤーだけを表示します（\ キーを押している間も表示できます）</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>画像をクリップボードにコピーします</translation>
    </message>
    <message>
        <source>Pe&amp;n Pressure</source>
        <translation>筆圧(&amp;N)</translation>
    </message>
    <message>
        <source>A pen tablet&apos;s pressure sets the brush width, from a quarter to all of it</source>
        <translation>ペンタブレットの筆圧に応じて、ブラシの幅を 4 分の 1 から最大まで変えます</translation>
    </message>
    <message>
        <source>Vorlane &amp;Help</source>
        <translation>Vorlane ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>How to paint, zoom and move the picture</source>
        <translation>色の塗り方、ズーム、画像の移動のしかた</translation>
    </message>
    <message>
        <source>&amp;About Vorlane</source>
        <translation>Vorlane について(&amp;A)</translation>
    </message>
    <message>
        <source>Version, licence and credits</source>
        <translation>バージョン、ライセンス、クレジット</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Styles Panel</source>
        <translation>スタイルパネル(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the list of styles</source>
        <translation>スタイルの一覧を表示または非表示にします</translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation>ブラシ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source> Brush size </source>
        <translation> ブラシサイズ </translation>
    </message>
    <message>
        <source>Brush size ([ and ])</source>
        <translation>ブラシサイズ（[ と ]）</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Hold to show the colour layer alone</source>
        <translation>押している間、カラーレイヤーだけを表示します</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo Stroke</source>
        <translation>ストロークを元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo Style Change</source>
        <translation>スタイルの変更を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo Stroke</source>
        <translation>ストロークをやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo Style Change</source>
        <translation>スタイルの変更をやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Undo.</extracomment>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Redo.</extracomment>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Undo the style change</source>
        <translation>スタイルの変更を元に戻します</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>最後のストロークを元に戻します</translation>
    </message>
    <message>
        <source>Redo the style change</source>
        <translation>スタイルの変更をやり直します</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>最後に元に戻したストロークをやり直します</translation>
    </message>
    <message>
        <source>About Vorlane</source>
        <translation>Vorlane について</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Turns a photo into a pencil sketch and lets you paint the colour back.&lt;/p&gt;&lt;p&gt;Vorlane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Sample photo: astronaut Eileen Collins, NASA (public domain).&lt;/p&gt;</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;写真を鉛筆スケッチに変換し、色を塗り戻すことができます。&lt;/p&gt;&lt;p&gt;Vorlane はフリーソフトウェアです。GNU 一般公衆利用許諾書（GNU General Public License）のバージョン 3、または（任意で）それ以降のバージョンの条件のもとで、再頒布または改変することができます。&lt;/p&gt;&lt;p&gt;サンプル写真：宇宙飛行士アイリーン・コリンズ、NASA（パブリックドメイン）&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save Painting</source>
        <translation>作品を保存</translation>
    </message>
    <message>
        <source>Vorlane painting (*.vorlane)</source>
        <translation>Vorlane 作品 (*.vorlane)</translation>
    </message>
    <message>
        <source>Painting</source>
        <extracomment>The file name offered for a painting of no photo name.</extracomment>
        <translation>作品</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>JPEG 画像 (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>画像のエクスポート</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 動画 (*.mp4)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>アニメーション WebP (*.webp)</translation>
    </message>
    <message>
        <source>Export Time-lapse</source>
        <translation>タイムラプスのエクスポート</translation>
    </message>
    <message>
        <source>%1 time-lapse</source>
        <extracomment>The file name offered for a time-lapse; %1 is the painting&apos;s name.</extracomment>
        <translation>%1 タイムラプス</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation>%1 をエクスポートしています</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Export cancelled: nothing was written</source>
        <translation>エクスポートをキャンセルしました。ファイルは書き出されていません</translation>
    </message>
    <message>
        <source>Recover Painting</source>
        <translation>作品の復元</translation>
    </message>
    <message>
        <source>Recover the painting of %1 from %2?</source>
        <extracomment>%1 is the photo&apos;s name, %2 the date and time the painting was last changed.</extracomment>
        <translation>%2 に最後に変更された %1 の作品を復元しますか？</translation>
    </message>
    <message>
        <source>Vorlane ended without closing it. Discarded paintings cannot be brought back.</source>
        <translation>Vorlane はこの作品を閉じずに終了しました。破棄した作品は元に戻せません。</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>If you don&apos;t save, your changes will be lost.</source>
        <translation>保存しないと、変更内容は失われます。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening another photo?</source>
        <translation>別の写真を開く前に、作品の変更を保存しますか？</translation>
    </message>
    <message>
        <source>All supported (*.vorlane %1)</source>
        <translation>対応するすべてのファイル (*.vorlane %1)</translation>
    </message>
    <message>
        <source>Vorlane paintings (*.vorlane)</source>
        <translation>Vorlane 作品 (*.vorlane)</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>写真を開く</translation>
    </message>
    <message>
        <source>No Camera</source>
        <translation>カメラがありません</translation>
    </message>
    <message>
        <source>No camera was found on this computer.</source>
        <translation>このコンピューターにはカメラが見つかりませんでした。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to the painting before taking a photo?</source>
        <translation>写真を撮影する前に、作品の変更を保存しますか？</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening %1?</source>
        <extracomment>%1 is the name of the file about to be opened.</extracomment>
        <translation>%1 を開く前に、作品の変更を保存しますか？</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>メニューを消去</translation>
    </message>
    <message>
        <source>Vorlane Help</source>
        <translation>Vorlane ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Rate Vorlane...</source>
        <translation>Vorlane を評価(&amp;R)...</translation>
    </message>
    <message>
        <source>Rate Vorlane in your software centre</source>
        <translation>ソフトウェアセンターで Vorlane を評価します</translation>
    </message>
    <message>
        <source>&amp;More Apps...</source>
        <translation>その他のアプリ(&amp;M)...</translation>
    </message>
    <message>
        <source>Other free apps for pictures that you may like</source>
        <translation>気に入っていただけそうな、画像向けのほかの無料アプリ</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>その他のアプリ</translation>
    </message>
    <message>
        <source>No file manager could show the folder %1</source>
        <translation>フォルダー %1 を表示できるファイルマネージャーがありませんでした</translation>
    </message>
    <message>
        <source>Picture copied, %1 × %2 px</source>
        <extracomment>%1 x %2 is the picture&apos;s size in pixels.</extracomment>
        <translation>画像をコピーしました（%1 × %2 px）</translation>
    </message>
    <message>
        <source>No Mail Program</source>
        <translation>メールアプリがありません</translation>
    </message>
    <message>
        <source>No mail program took the picture. Save it to your Pictures folder and attach it to a mail yourself?</source>
        <translation>画像を受け取れるメールアプリがありませんでした。「画像」フォルダーに保存して、ご自身でメールに添付しますか？</translation>
    </message>
    <message>
        <source>Save to Pictures</source>
        <translation>「画像」に保存</translation>
    </message>
    <message>
        <source>No camera was found on this computer</source>
        <translation>このコンピューターにはカメラが見つかりませんでした</translation>
    </message>
    <message>
        <source>Scroll &amp;Bars</source>
        <translation>スクロールバー(&amp;B)</translation>
    </message>
    <message>
        <source>Show scroll bars when the picture is larger than the window</source>
        <translation>画像がウィンドウより大きいときにスクロールバーを表示します</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
</context>
<context>
    <name>desktop::ExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>画像のエクスポート</translation>
    </message>
    <message>
        <source>&amp;Working size (%1)</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;.</extracomment>
        <translation>作業サイズ (%1)(&amp;W)</translation>
    </message>
    <message>
        <source>The &amp;photo&apos;s own size (%1)</source>
        <translation>写真の元のサイズ (%1)(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Longer side:</source>
        <translation>長辺(&amp;L):</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file</source>
        <translation>高いほど細部まで残りますが、ファイルは大きくなります</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>JPEG 品質(&amp;Q):</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Writes %1 pixels as %2.</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the file type, PNG or JPEG.</extracomment>
        <translation>%1 ピクセルの %2 として書き出します。</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
</context>
<context>
    <name>desktop::PromptStrips</name>
    <message>
        <source>New to Vorlane? The help shows how to paint, zoom and move the picture.</source>
        <translation>Vorlane は初めてですか？ヘルプで、色の塗り方、ズーム、画像の移動のしかたを確認できます。</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>ヘルプを表示</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Rate It</source>
        <translation>評価する</translation>
    </message>
    <message>
        <source>More Apps…</source>
        <translation>その他のアプリ…</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Rate it in your software centre, or have a look at more free apps for your pictures.</source>
        <translation>Vorlane を気に入っていただけましたか？ソフトウェアセンターで評価していただくか、画像向けのほかの無料アプリもご覧ください。</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? A rating in your software centre helps others find it.</source>
        <translation>Vorlane を気に入っていただけましたか？ソフトウェアセンターで評価していただくと、ほかの方が見つけやすくなります。</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Have a look at more free apps for your pictures.</source>
        <translation>Vorlane を気に入っていただけましたか？画像向けのほかの無料アプリもぜひご覧ください。</translation>
    </message>
</context>
<context>
    <name>desktop::StylePanel</name>
    <message>
        <source>Styles</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>&amp;Sketch style</source>
        <translation>スケッチのスタイル(&amp;S)</translation>
    </message>
    <message>
        <source>How the sketch looks: the picture the painting starts from</source>
        <translation>スケッチの見た目（作品の元になる画像）</translation>
    </message>
    <message>
        <source>&amp;Colour layer</source>
        <translation>カラーレイヤー(&amp;C)</translation>
    </message>
    <message>
        <source>What Paint Colour brings back: the photo itself, or the photo in a style</source>
        <translation>「色を塗る」で戻す色（写真そのもの、またはスタイルを適用した写真）</translation>
    </message>
</context>
<context>
    <name>desktop::TimelapseDialog</name>
    <message>
        <source>Export Time-lapse</source>
        <translation>タイムラプスのエクスポート</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the length in seconds.</extracomment>
        <translation> 秒</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>長さ(&amp;L):</translation>
    </message>
    <message>
        <source>Longer &amp;side:</source>
        <translation>長辺(&amp;S):</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as H.264 video (MP4).</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the length in seconds; %3 the frame rate.</extracomment>
        <translation>%1 ピクセル、%2 秒、毎秒 %3 フレームの H.264 動画（MP4）として書き出します。</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as animated WebP.</source>
        <translation>%1 ピクセル、%2 秒、毎秒 %3 フレームのアニメーション WebP として書き出します。</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
</context>
<context>
    <name>desktop::ZoomBox</name>
    <message>
        <source>Zoom: type a percentage and press Return, or choose one</source>
        <translation>ズーム：倍率をパーセントで入力して Enter キーを押すか、一覧から選びます</translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>The zoom box&apos;s choice that fits the picture to the window.</extracomment>
        <translation>全体表示</translation>
    </message>
</context>
<context>
    <name>document</name>
    <message>
        <source>The dropped picture</source>
        <extracomment>A dropped picture without a file, first in &quot;The dropped picture could not be opened: ...&quot;.</extracomment>
        <translation>ドロップされた画像</translation>
    </message>
    <message>
        <source>the H.264 encoder cannot start (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>H.264 エンコーダーを起動できません（%1）</translation>
    </message>
    <message>
        <source>an MP4 frame needs even sides</source>
        <translation>MP4 のフレームは縦横のピクセル数が偶数である必要があります</translation>
    </message>
    <message>
        <source>this system&apos;s libavcodec has no H.264 encoder</source>
        <translation>このシステムの libavcodec には H.264 エンコーダーがありません</translation>
    </message>
    <message>
        <source>libavformat has no MP4 muxer</source>
        <translation>libavformat に MP4 マルチプレクサーがありません</translation>
    </message>
    <message>
        <source>the frames cannot be converted to yuv420p</source>
        <translation>フレームを yuv420p に変換できません</translation>
    </message>
    <message>
        <source>a frame does not match the video</source>
        <translation>フレームが動画と一致しません</translation>
    </message>
    <message>
        <source>the video cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>動画をエンコードできません（%1）</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>保存先のフォルダーが存在しません</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>a style cannot be rendered</source>
        <translation>スタイルをレンダリングできません</translation>
    </message>
    <message>
        <source>its photo does not match its painting</source>
        <extracomment>Why a painting cannot be opened or rendered: its stored photo is not the one it was painted on.</extracomment>
        <translation>写真が作品と一致しません</translation>
    </message>
    <message>
        <source>its photo cannot be decoded</source>
        <translation>写真をデコードできません</translation>
    </message>
    <message>
        <source>not a Vorlane document</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>Vorlane ドキュメントではありません</translation>
    </message>
    <message>
        <source>made by a newer version of Vorlane</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>新しいバージョンの Vorlane で作成されています</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file is damaged).</extracomment>
        <translation>ファイルが破損しています</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Why a painting cannot be opened or kept, after &quot;NAME could not be opened: &quot; (the painting is too large).</extracomment>
        <translation>作品が大きすぎます</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <extracomment>Why a painting cannot be opened or saved, after &quot;NAME could not be opened: &quot; (the file is in use).</extracomment>
        <translation>ほかのプログラムが使用中です</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file cannot be read).</extracomment>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>its photo does not match its checksum</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>写真がチェックサムと一致しません</translation>
    </message>
    <message>
        <source>does not exist</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file does not exist).</extracomment>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>the painting holds values no document can have</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>作品にドキュメントとして保存できない値が含まれています</translation>
    </message>
    <message>
        <source>the session is closed</source>
        <translation>セッションは閉じられています</translation>
    </message>
    <message>
        <source>the session has no file name</source>
        <translation>セッションにファイル名がありません</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラーです</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <extracomment>Why a picture cannot be saved; %1 is the folder&apos;s path.</extracomment>
        <translation>フォルダー %1 を作成できませんでした</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>画像がありません</translation>
    </message>
    <message>
        <source>no free file name is left</source>
        <translation>使用できるファイル名が残っていません</translation>
    </message>
    <message>
        <source>a picture can be saved as PNG (.png) or JPEG (.jpg) only</source>
        <translation>画像は PNG (.png) または JPEG (.jpg) でのみ保存できます</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>同じ名前のフォルダーがあります</translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <extracomment>Why a picture cannot be saved; %1 is the file&apos;s name.</extracomment>
        <translation>ファイル %1 は読み取り専用です</translation>
    </message>
    <message>
        <source>Hello!</source>
        <extracomment>The subject and the whole text of a mail the picture is shared by.</extracomment>
        <translation>こんにちは！</translation>
    </message>
    <message>
        <source>the sketch texture is missing</source>
        <translation>スケッチのテクスチャがありません</translation>
    </message>
    <message>
        <source>the sketch texture could not be scaled</source>
        <translation>スケッチのテクスチャを拡大縮小できませんでした</translation>
    </message>
    <message>
        <source>there is no photo</source>
        <translation>写真がありません</translation>
    </message>
    <message>
        <source>the photo raster could not be made</source>
        <translation>写真のラスターを作成できませんでした</translation>
    </message>
    <message>
        <source>the result image could not be made</source>
        <translation>結果の画像を作成できませんでした</translation>
    </message>
    <message>
        <source>a time-lapse is written as .mp4 or .webp</source>
        <translation>タイムラプスは .mp4 または .webp で書き出します</translation>
    </message>
    <message>
        <source>a time-lapse lasts %1 to %2 seconds</source>
        <extracomment>%1 and %2 are the shortest and longest time-lapse in seconds.</extracomment>
        <translation>タイムラプスの長さは %1～%2 秒です</translation>
    </message>
    <message>
        <source>a time-lapse is at least %1 pixels on its longer side</source>
        <extracomment>%1 is the smallest longer side of a time-lapse, in pixels.</extracomment>
        <translation>タイムラプスの長辺は %1 ピクセル以上にしてください</translation>
    </message>
    <message>
        <source>libwebp cannot start</source>
        <translation>libwebp を起動できません</translation>
    </message>
    <message>
        <source>a frame does not match the animation</source>
        <translation>フレームがアニメーションと一致しません</translation>
    </message>
    <message>
        <source>the animation cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the WebP library&apos;s reason.</extracomment>
        <translation>アニメーションをエンコードできません（%1）</translation>
    </message>
    <message>
        <source>the animation cannot be encoded</source>
        <translation>アニメーションをエンコードできません</translation>
    </message>
</context>
<context>
    <name>document::SketchDocument</name>
    <message>
        <source>Images (%1)</source>
        <extracomment>The open dialog&apos;s filter; %1 is the list of file patterns (&quot;*.jpg *.png ...&quot;).</extracomment>
        <translation>画像 (%1)</translation>
    </message>
    <message>
        <source>Cannot Open Photo</source>
        <translation>写真を開けません</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the name of the file or picture, %2 the reason (a clause in lower case).</extracomment>
        <translation>%1 を開けませんでした。%2。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>ファイルが画像ではありません</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>画像が空です</translation>
    </message>
    <message>
        <source>the picture could not be rendered</source>
        <translation>画像をレンダリングできませんでした</translation>
    </message>
    <message>
        <source>The camera picture</source>
        <extracomment>A picture from the camera, first in &quot;The camera picture could not be opened: ...&quot;.</extracomment>
        <translation>カメラの画像</translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation>エクスポートできませんでした</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>%1 を書き出せませんでした。%2。</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>Cannot Open Painting</source>
        <translation>作品を開けません</translation>
    </message>
    <message>
        <source>it is open in Vorlane already</source>
        <translation>すでに Vorlane で開いています</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>ファイルが破損しています</translation>
    </message>
    <message>
        <source>Painting Not Saved</source>
        <translation>作品を保存できませんでした</translation>
    </message>
    <message>
        <source>The painting could not be saved as %1: %2.</source>
        <extracomment>%1 is the document&apos;s file name, %2 the reason (a clause in lower case).</extracomment>
        <translation>作品を %1 として保存できませんでした。%2。</translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation>画像がありません</translation>
    </message>
    <message>
        <source>Load a photo first.</source>
        <translation>先に写真を読み込んでください。</translation>
    </message>
    <message>
        <source>Image Saved!</source>
        <translation>画像を保存しました</translation>
    </message>
    <message>
        <source>The new image is saved to your album.</source>
        <translation>新しい画像をアルバムに保存しました。</translation>
    </message>
    <message>
        <source>The image could not be saved to your album: %1.</source>
        <extracomment>%1 is the reason (a clause in lower case).</extracomment>
        <translation>画像をアルバムに保存できませんでした。%1。</translation>
    </message>
    <message>
        <source>The image could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>画像を %1 として保存できませんでした。%2。</translation>
    </message>
    <message>
        <source>Image Not Saved</source>
        <translation>画像を保存できませんでした</translation>
    </message>
    <message>
        <source>A picture made with Vorlane</source>
        <translation>Vorlane で作成した画像</translation>
    </message>
    <message>
        <source>Cannot Share</source>
        <translation>共有できません</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>メールアプリを起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>シンボリックリンクの階層が深すぎます</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>ファイル名が長すぎます</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <extracomment>Why a file cannot be opened; %1 is the system&apos;s reason.</extracomment>
        <translation>ファイルを読み込めません（%1）</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>デバイスに空き容量がありません</translation>
    </message>
    <message>
        <source>file too large</source>
        <extracomment>Why a file cannot be written: it has reached the largest size allowed.</extracomment>
        <translation>ファイルサイズが上限を超えています</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>Why a file cannot be written; %1 is the system&apos;s reason.</extracomment>
        <translation>ファイルに書き込めません（%1）</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>ファイルが破損しているか、不完全です</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>画像が大きすぎます</translation>
    </message>
    <message>
        <source>memory ran out</source>
        <extracomment>Why a photo, a painting or a file could not be read, rendered or written.</extracomment>
        <translation>メモリが不足しました</translation>
    </message>
    <message>
        <source>the picture is stored in a way that cannot be read</source>
        <translation>画像が読み込めない形式で保存されています</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>ファイルが画像ではありません</translation>
    </message>
    <message>
        <source>the picture could not be scaled</source>
        <translation>画像を拡大縮小できませんでした</translation>
    </message>
    <message>
        <source>%1 pixels is larger than the photo (%2 x %3)</source>
        <extracomment>Why a picture cannot be exported at the longer side asked for: %1 is that side, %2 x %3 the photo&apos;s own size, in pixels.</extracomment>
        <translation>%1 ピクセルは写真のサイズ（%2 x %3）を超えています</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>画像がありません</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why a file cannot be saved; %1 is the system&apos;s or a library&apos;s reason.</extracomment>
        <translation>ファイルに書き込めません（%1）</translation>
    </message>
</context>
<context>
    <name>platform::CameraCapture</name>
    <message>
        <source>Take Photo</source>
        <translation>写真を撮影</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>promo</name>
    <message>
        <source>How to</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rate?</source>
        <translation>評価のお願い</translation>
    </message>
    <message>
        <source>Could you give us a rate and some suggestions to improve this App?</source>
        <translation>このアプリの評価と、改善のためのご意見をお寄せいただけませんか？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
</context>
<context>
    <name>screen</name>
    <message>
        <source>No Camera!</source>
        <translation>カメラがありません</translation>
    </message>
    <message>
        <source>There is no Camera on this Device. You can load photo from your album.</source>
        <translation>このデバイスにはカメラがありません。アルバムから写真を読み込んでください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error accessing photo library</source>
        <translation>フォトライブラリにアクセスできません</translation>
    </message>
    <message>
        <source>Device does not support a photo library</source>
        <translation>このデバイスはフォトライブラリに対応していません</translation>
    </message>
    <message>
        <source>Drat!</source>
        <translation>残念</translation>
    </message>
    <message>
        <source>Error accessing photo library!</source>
        <translation>フォトライブラリにアクセスできません</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>screen::MainViewController</name>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>vorlane</name>
    <message>
        <source>Turns a photo into a pencil sketch and lets you paint the colour back.</source>
        <translation>写真を鉛筆スケッチに変換し、色を塗り戻せるようにします。</translation>
    </message>
    <message>
        <source>Layout: desktop (a resizable window with menus), phone (320 points wide) or tablet (768 x 1024). Default: phone on a portrait touch screen narrower than 600 pixels, desktop elsewhere.</source>
        <extracomment>Help of --profile. desktop, phone and tablet are the values it takes: keep them as they are.</extracomment>
        <translation>レイアウト: desktop (メニュー付きの可変ウィンドウ)、phone (幅 320 ポイント)、tablet (768 x 1024)。既定: 幅 600 ピクセル未満の縦向きタッチ画面では phone、それ以外は desktop。</translation>
    </message>
    <message>
        <source>The phone layout&apos;s height (implies --profile phone).</source>
        <extracomment>Help of --screen-height. Keep &quot;--profile phone&quot; as it is: it is typed so.</extracomment>
        <translation>phone レイアウトの高さ (--profile phone とみなします)。</translation>
    </message>
    <message>
        <source>Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR).</source>
        <extracomment>Help of --scale. QT_SCALE_FACTOR is an environment variable&apos;s name: keep it.</extracomment>
        <translation>ウィンドウ全体をこの倍率で拡大します。0.25～8 (QT_SCALE_FACTOR と同様)。</translation>
    </message>
    <message>
        <source>A photo to open.</source>
        <extracomment>Help of the PHOTO argument.</extracomment>
        <translation>開く写真。</translation>
    </message>
    <message>
        <source>%1 takes desktop, phone or tablet, not %2</source>
        <extracomment>%1 is the option --profile; desktop, phone and tablet are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 の値 %2 が無効です (desktop、phone、tablet のいずれか)</translation>
    </message>
    <message>
        <source>%1 takes 480 or 568, not %2</source>
        <extracomment>%1 is the option --screen-height; %2 what was given.</extracomment>
        <translation>%1 の値 %2 が無効です (480 または 568)</translation>
    </message>
    <message>
        <source>%1 takes a factor from 0.25 to 8, not %2</source>
        <extracomment>%1 is the option --scale; %2 what was given.</extracomment>
        <translation>%1 の値 %2 が無効です (0.25～8 の倍率)</translation>
    </message>
    <message>
        <source>only one photo can be opened</source>
        <translation>開ける写真は 1 枚だけです</translation>
    </message>
    <message>
        <source>%1 applies to the phone profile only</source>
        <extracomment>%1 is the option --screen-height.</extracomment>
        <translation>%1 は phone プロファイルでのみ使用できます</translation>
    </message>
    <message>
        <source>Try &apos;vorlane --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane --help&quot; as it is.</extracomment>
        <translation>詳しくは &apos;vorlane --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vorlane developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <extracomment>The lines --version prints after the program&apos;s name and version. Keep the licence&apos;s name (GPL-3.0-or-later) and the address as they are.</extracomment>
        <translation>Copyright (C) 2026 Vorlane 開発者
ライセンス GPL-3.0-or-later: GNU GPL 第 3 版以降 &lt;https://gnu.org/licenses/gpl.html&gt;
これはフリーソフトウェアです。自由に変更および再頒布できます。
法律で認められる範囲において、一切の保証はありません。
</translation>
    </message>
</context>
<context>
    <name>vorlane-sketch</name>
    <message>
        <source>the folder cannot be read</source>
        <translation>フォルダーを読み込めません</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos</source>
        <extracomment>Progress of a batch: %1 photos done of %n.</extracomment>
        <translation>
            <numerusform>%1/%n 枚</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second.</extracomment>
        <translation>
            <numerusform>%1/%n 枚、%2 枚/秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 min %4 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 minutes and %4 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n 枚、%2 枚/秒、残り %3 分 %4 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n 枚、%2 枚/秒、残り %3 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos failed</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos failed.</extracomment>
        <translation>
            <numerusform>%n 枚中 %1 枚が失敗しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos already done, skipped</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos were left out, their outputs there from an earlier run.</extracomment>
        <translation>
            <numerusform>%n 枚中 %1 枚は処理済みのためスキップしました</numerusform>
        </translation>
    </message>
    <message>
        <source>the picture cannot be encoded (%1)</source>
        <extracomment>%1 is the image encoder&apos;s reason.</extracomment>
        <translation>画像をエンコードできません (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>ファイルに書き込めません (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (every numbered name is taken)</source>
        <extracomment>The batch names its outputs &quot;NAME.styleN.png&quot;, then &quot;NAME.styleN (2).png&quot;, and so on.</extracomment>
        <translation>ファイルに書き込めません (番号付きの名前がすべて使用済み)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failure line (after the program&apos;s name): %1 is a file&apos;s path, %2 what went wrong with that file, e.g. &quot;the file does not exist&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no texture was given</source>
        <translation>テクスチャが指定されていません</translation>
    </message>
    <message>
        <source>the texture cannot be made the photo&apos;s size</source>
        <translation>テクスチャを写真のサイズに合わせられません</translation>
    </message>
    <message>
        <source>names no sketch-brush texture</source>
        <extracomment>Said of the program&apos;s own list of data files.</extracomment>
        <translation>スケッチブラシのテクスチャが記載されていません</translation>
    </message>
    <message>
        <source>names the texture &quot;%1&quot;, which is missing</source>
        <extracomment>Said of the program&apos;s own list of data files; %1 is a picture&apos;s name.</extracomment>
        <translation>記載されたテクスチャ &quot;%1&quot; が見つかりません</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>the folder cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;Permission denied&quot;.</extracomment>
        <translation>フォルダーに書き込めません (%1)</translation>
    </message>
    <message>
        <source>no photos among the inputs (a folder&apos;s pictures are taken by their extension)</source>
        <translation>入力に写真がありません (フォルダー内の画像は拡張子で判別します)</translation>
    </message>
    <message>
        <source>holds no preview</source>
        <extracomment>Said of a Vorlane document, whose preview picture --thumbnail writes.</extracomment>
        <translation>プレビューが含まれていません</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s or the image encoder&apos;s reason.</extracomment>
        <translation>書き込めません (%1)</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is an option, e.g. --jobs; %2 to %3 the numbers it takes; %4 what was given.</extracomment>
        <translation>%1 の値 &quot;%4&quot; が無効です (%2～%3 の数値)</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options, e.g. --skip-existing and --out-dir: the first is taken only with the second.</extracomment>
        <translation>%1 は %2 と併用してください</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 and %2 are options, e.g. --thumbnail and --style: the first is never taken with the second.</extracomment>
        <translation>%1 と %2 は同時に指定できません</translation>
    </message>
    <message>
        <source>Try &apos;vorlane-sketch --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane-sketch --help&quot; as it is.</extracomment>
        <translation>詳しくは &apos;vorlane-sketch --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
         DOCUMENT</source>
        <extracomment>The command&apos;s forms. Translate &quot;Usage:&quot; and &quot;or:&quot; only; keep the program&apos;s name, the options and the upper-case words (the files and values the command takes) as they are.</extracomment>
        <translation>使い方: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
または: vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
または: vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
または: vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S]
          [--size N] DOCUMENT</translation>
    </message>
    <message>
        <source>Renders photos as pencil sketches. Each photo is turned upright by its
orientation tag and brought to its working size: a landscape photo wider
than 1280 pixels is scaled to 1280 pixels wide (2560 x 1600 becomes
1280 x 800); a portrait or square photo taller than 1280 pixels is scaled
to the largest width that is a multiple of 256 pixels and keeps its height
at most 1280 (1200 x 1600 becomes 768 x 1024); smaller photos keep their
size.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation>写真を鉛筆スケッチとしてレンダリングします。各写真は向きのタグに従って
正立させ、作業サイズにそろえます。幅が 1280 ピクセルを超える横長の写真は
幅 1280 ピクセルに縮小します (2560 x 1600 は 1280 x 800 になります)。
高さが 1280 ピクセルを超える縦長または正方形の写真は、高さが 1280 以下に
収まる 256 ピクセルの倍数のうち最も大きい幅に縮小します (1200 x 1600 は
768 x 1024 になります)。それより小さい写真はそのままのサイズです。</translation>
    </message>
    <message>
        <source>The first form renders INPUT and writes OUTPUT as PNG or JPEG, by its
extension (.png, .jpg, .jpeg).
With --out-dir, each INPUT is a photo or a folder whose pictures are taken
(one level deep, by extension), and each photo is written into DIR as
NAME.styleN.png (or .jpg). A name already taken gets &quot; (2)&quot;, &quot; (3)&quot;, ...:
no file is ever replaced. A photo that fails is named on one line and the
others go on; on a terminal a progress line shows photos done, photos per
second and the time left.</source>
        <extracomment>Lines of at most 78 characters. Keep the options, INPUT, OUTPUT and DIR (as in the usage lines) and the output names &quot;NAME.styleN.png&quot;, &quot; (2)&quot; and &quot; (3)&quot;: the program names its files in English.</extracomment>
        <translation>1 つ目の形式では INPUT をレンダリングし、拡張子 (.png, .jpg, .jpeg) に
応じて OUTPUT を PNG または JPEG で書き出します。
--out-dir を指定すると、各 INPUT は写真か、画像を読み込むフォルダー
(1 階層のみ、拡張子で判別) になり、各写真は DIR 内に NAME.styleN.png
(または .jpg) として書き出されます。すでに使われている名前には &quot; (2)&quot;、
&quot; (3)&quot;、... が付くため、既存のファイルが置き換えられることはありません。
失敗した写真は 1 行で名前を表示し、ほかの写真の処理は続けます。端末では、
処理済みの枚数、毎秒の処理枚数、残り時間が進行状況の行に表示されます。</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>The heading of the options&apos; list.</extracomment>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>sketch style 1 to 7 (default 1); 0 writes the prepared
photo; all (with --out-dir) writes styles 1 to 7 from
one decode</source>
        <extracomment>Help of --style N. Lines of at most 60 characters; keep &quot;all&quot; and --out-dir.</extracomment>
        <translation>スケッチのスタイル 1～7 (既定: 1)。0 は下処理した写真を
書き出します。all (--out-dir と併用) は 1 回のデコード
からスタイル 1～7 をすべて書き出します</translation>
    </message>
    <message>
        <source>pencil texture picture, stretched to each photo&apos;s size
(default: the built-in sketch-brush texture)</source>
        <extracomment>Help of --texture FILE. Lines of at most 60 characters.</extracomment>
        <translation>鉛筆のテクスチャ画像。各写真のサイズに引き伸ばします
(既定: 内蔵のスケッチブラシ用テクスチャ)</translation>
    </message>
    <message>
        <source>write the sketches into DIR (made when missing)</source>
        <extracomment>Help of --out-dir DIR. Lines of at most 60 characters; DIR as in the usage lines.</extracomment>
        <translation>スケッチを DIR に書き出します (ない場合は作成します)</translation>
    </message>
    <message>
        <source>with --out-dir, write only the outputs whose names
(NAME.styleN.png, then &quot; (2)&quot; for a second photo of
that name) are not in DIR yet; a photo with every
output there is not read</source>
        <extracomment>Help of --skip-existing. Lines of at most 60 characters; keep --out-dir, DIR, and the output names &quot;NAME.styleN.png&quot; and &quot; (2)&quot;.</extracomment>
        <translation>--out-dir と併用し、名前 (NAME.styleN.png、同じ名前の
2 枚目の写真は &quot; (2)&quot; 付き) がまだ DIR にない出力だけを
書き出します。出力がすべてそろっている写真は読み込みません</translation>
    </message>
    <message>
        <source>png (default) or jpg, with --out-dir</source>
        <extracomment>Help of --format F. Keep png, jpg and --out-dir: they are typed as they are.</extracomment>
        <translation>png (既定) または jpg。--out-dir と併用</translation>
    </message>
    <message>
        <source>write the preview stored in the Vorlane document
DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE
(1 to 1024; never scaled up); nothing else of the
document is read</source>
        <extracomment>Help of --thumbnail SIZE. Lines of at most 60 characters; DOCUMENT, OUTPUT and SIZE as in the usage lines.</extracomment>
        <translation>Vorlane ドキュメント DOCUMENT に保存されているプレビューを、
SIZE x SIZE に収まるよう縮小して (1～1024、拡大はしません)
OUTPUT に PNG で書き出します。ドキュメントのほかの部分は
読み込みません</translation>
    </message>
    <message>
        <source>write the painting of the Vorlane document DOCUMENT as a
time-lapse video, H.264 (.mp4) or animated WebP (.webp),
30 frames a second: the sketch, the strokes in effect at
their painted pace (pauses over 1 s shortened), the
finished painting held for the last second</source>
        <extracomment>Help of --timelapse OUT. Lines of at most 60 characters; DOCUMENT as in the usage lines.</extracomment>
        <translation>Vorlane ドキュメント DOCUMENT の作品を、毎秒 30 フレームの
タイムラプス動画 (H.264 (.mp4) またはアニメーション WebP
(.webp)) として書き出します。スケッチから始まり、有効な
ストロークを描いたときのペースで再現し (1 秒を超える中断は
短縮)、最後の 1 秒間は完成した作品を表示します</translation>
    </message>
    <message>
        <source>the time-lapse&apos;s length, 3 to 120 seconds (default 10)</source>
        <extracomment>Help of --duration S. Lines of at most 60 characters.</extracomment>
        <translation>タイムラプスの長さ。3～120 秒 (既定: 10)</translation>
    </message>
    <message>
        <source>working (default): the working size above; full: the
photo&apos;s own upright size (a photo of more than 64 MP,
8192 x 8192 pixels, is scaled to fit that); N: the
longer side in pixels, 256 to 8192 and at most the
photo&apos;s own. A larger render looks like the working-size
one with the photo&apos;s finer detail; a document is
rendered with its strokes at that size. With --timelapse:
the video&apos;s longer side, from 16 (default 1080; at most
the photo&apos;s own)</source>
        <extracomment>Help of --size S. Lines of at most 60 characters; keep &quot;working&quot;, &quot;full&quot;, &quot;N&quot; and --timelapse: they are typed as they are.</extracomment>
        <translation>working (既定): 上記の作業サイズ。
full: 写真本来の正立したサイズ (64 MP、つまり 8192 x 8192
ピクセルを超える写真は、それに収まるよう縮小)。
N: 長辺のピクセル数。256～8192 で、写真本来のサイズ以下。
大きくレンダリングすると、作業サイズと同じ見た目のまま、
写真のより細かいディテールが得られます。ドキュメントは、
ストロークもそのサイズでレンダリングされます。
--timelapse と併用した場合: 動画の長辺。16 以上
(既定: 1080、写真本来のサイズ以下)</translation>
    </message>
    <message>
        <source>photos rendered at once (default: the number of cores, %1)</source>
        <extracomment>Help of --jobs N. %1 is the number of processor cores of this machine.</extracomment>
        <translation>同時にレンダリングする写真の数 (既定: コア数の %1)</translation>
    </message>
    <message>
        <source>the memory the photos rendered at once may take together,
in megabytes (default: three quarters of the memory free
at the start); a photo that alone needs more still runs,
by itself</source>
        <extracomment>Help of --memory MB. Lines of at most 60 characters.</extracomment>
        <translation>同時にレンダリングする写真が合計で使用できるメモリ
(MB 単位、既定: 開始時の空きメモリの 4 分の 3)。
1 枚だけでこれを超えるメモリが必要な写真も、単独で処理します</translation>
    </message>
    <message>
        <source>JPEG quality 0 to 100 (default %1); for PNG the
compression effort 0 to 100 (default %2, the fastest;
100 gives the smallest file)</source>
        <extracomment>Help of --quality Q. Lines of at most 60 characters. %1 is the JPEG quality and %2 the PNG compression effort used when the option is not given.</extracomment>
        <translation>JPEG の品質 0～100 (既定: %1)。PNG では圧縮の強さ
0～100 (既定: %2 で最速。100 でファイルが最小)</translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>Help of -h, --help.</extracomment>
        <translation>このヘルプを表示します</translation>
    </message>
    <message>
        <source>show the version and the licence</source>
        <extracomment>Help of -v, --version.</extracomment>
        <translation>バージョンとライセンスを表示します</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file cannot be read or written (some photos
failed), 2 usage error.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation>終了ステータス: 0 成功、1 ファイルの読み込みまたは書き込みに失敗
(一部の写真が失敗)、2 使い方の誤り。</translation>
    </message>
    <message>
        <source>%1 needs a value, not &quot;-&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir, given &quot;-&quot; where its value should be.</extracomment>
        <translation>%1 には値が必要です (&quot;-&quot; は無効)</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option &quot;%2&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir; %2 the option that came where its value should be.</extracomment>
        <translation>%1 には値が必要です (オプション &quot;%2&quot; が指定されました)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <extracomment>%1 is the option as typed, e.g. --colour.</extracomment>
        <translation>不明なオプション &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes one DOCUMENT and one OUTPUT</source>
        <extracomment>%1 is the option --thumbnail. DOCUMENT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>%1 には DOCUMENT と OUTPUT を 1 つずつ指定してください</translation>
    </message>
    <message>
        <source>%1 must be working, full or a longer side from %2 to %3 pixels (%3 x %3 is the 64 MP limit), not &quot;%4&quot;</source>
        <extracomment>%1 is the option --size; &quot;working&quot; and &quot;full&quot; are values it takes: keep them as they are.</extracomment>
        <translation>%1 の値 &quot;%4&quot; が無効です (working、full、または長辺 %2～%3 ピクセル。%3 x %3 が 64 MP の上限)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option --out-dir, given an empty value.</extracomment>
        <translation>%1 にはフォルダーを指定してください</translation>
    </message>
    <message>
        <source>%1 writes seven files: it needs %2</source>
        <extracomment>%1 is &quot;--style all&quot;, %2 the option --out-dir.</extracomment>
        <translation>%1 は 7 つのファイルを書き出すため、%2 が必要です</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7 or all, not &quot;%1&quot;</source>
        <extracomment>&quot;all&quot; is a value --style takes with --out-dir: keep it as it is. %1 is what was given.</extracomment>
        <translation>スタイルの値 &quot;%1&quot; が無効です (0～7 の数値または all)</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given for --style.</extracomment>
        <translation>スタイルの値 &quot;%1&quot; が無効です (0～7 の数値)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <extracomment>%1 is the option --texture, given an empty value.</extracomment>
        <translation>%1 にはファイルを指定してください</translation>
    </message>
    <message>
        <source>%1 must be a number of megabytes from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --memory; %2 to %3 the megabytes it takes; %4 what was given.</extracomment>
        <translation>%1 の値 &quot;%4&quot; が無効です (%2～%3 のメガバイト数)</translation>
    </message>
    <message>
        <source>%1 must be png or jpg, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --format; &quot;png&quot; and &quot;jpg&quot; are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 の値 &quot;%2&quot; が無効です (png または jpg)</translation>
    </message>
    <message>
        <source>no INPUT given</source>
        <extracomment>INPUT is as in the usage lines of --help.</extracomment>
        <translation>INPUT が指定されていません</translation>
    </message>
    <message>
        <source>%1 goes with %2; OUTPUT&apos;s extension gives the format</source>
        <extracomment>%1 is the option --format, %2 the option --out-dir; OUTPUT is as in the usage lines of --help.</extracomment>
        <translation>%1 は %2 と併用します。形式は OUTPUT の拡張子で決まります</translation>
    </message>
    <message>
        <source>INPUT and OUTPUT are needed</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>INPUT と OUTPUT が必要です</translation>
    </message>
    <message>
        <source>only one INPUT and one OUTPUT are taken (%1 takes many)</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help; %1 is the option --out-dir.</extracomment>
        <translation>INPUT と OUTPUT は 1 つずつです (%1 なら複数可)</translation>
    </message>
    <message>
        <source>OUTPUT must end in .png, .jpg or .jpeg: &quot;%1&quot;</source>
        <extracomment>OUTPUT is as in the usage lines of --help; %1 is the name given for it.</extracomment>
        <translation>OUTPUT の拡張子は .png、.jpg、.jpeg のいずれかです: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as INPUT</source>
        <extracomment>OUTPUT and INPUT are as in the usage lines of --help.</extracomment>
        <translation>OUTPUT が INPUT と同じファイルです</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as the texture</source>
        <extracomment>OUTPUT is as in the usage lines of --help; the texture is the picture --texture names.</extracomment>
        <translation>OUTPUT がテクスチャと同じファイルです</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of OUTPUT when it names a folder, a device or the like.</extracomment>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 writes a .mp4 or .webp file, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --timelapse; %2 the file name given to it.</extracomment>
        <translation>%1 の値 &quot;%2&quot; が無効です (.mp4 または .webp ファイル)</translation>
    </message>
    <message>
        <source>%1 must be a number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --duration; %2 to %3 the seconds it takes; %4 what was given.</extracomment>
        <translation>%1 の値 &quot;%4&quot; が無効です (%2～%3 の秒数)</translation>
    </message>
    <message>
        <source>%1 takes one PAINTING</source>
        <extracomment>%1 is the option --timelapse; PAINTING is the Vorlane document it is made from.</extracomment>
        <translation>%1 には PAINTING を 1 つ指定してください</translation>
    </message>
    <message>
        <source>time-lapse %1%</source>
        <extracomment>Progress while the video is written: %1 is how much is done, in percent.</extracomment>
        <translation>タイムラプス %1%</translation>
    </message>
</context>
</TS>
