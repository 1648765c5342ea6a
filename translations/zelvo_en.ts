<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>IPrompt</name>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Version Information</translation>
    </message>
</context>
<context>
    <name>TCrashRecovery</name>
    <message>
        <source>復元用の控えを読み込んでいます...</source>
        <translation>Reading the recovery copies...</translation>
    </message>
    <message>
        <source>復元用の控えを書き込んでいます...</source>
        <translation>Writing the recovery copy...</translation>
    </message>
</context>
<context>
    <name>TDecimalsDlg</name>
    <message>
        <source>表示桁数</source>
        <translation>Decimals Shown</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Usual</translation>
    </message>
    <message>
        <source>小数点以下の桁数</source>
        <translation>Digits after the decimal point</translation>
    </message>
</context>
<context>
    <name>TDialogParts</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TExportDlg</name>
    <message>
        <source>エクスポート</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>現在のページ</source>
        <translation>Current page</translation>
    </message>
    <message>
        <source>全てのページ</source>
        <translation>All pages</translation>
    </message>
    <message>
        <source>書き出すページ</source>
        <translation>Pages to export</translation>
    </message>
    <message>
        <source>形式は次に保存するファイルの種類で選びます:
SVG・DXF (切断機用、実寸)、PDF (色分け、印刷の校正つき)</source>
        <translation>The format is chosen by the type of the file saved next:
SVG, DXF (for cutting machines, full size), PDF (colour-coded, with the print calibration)</translation>
    </message>
    <message>
        <source>DXF は古い R12 形式で (単位なし)</source>
        <translation>DXF in the old R12 format (no units)</translation>
    </message>
</context>
<context>
    <name>TFlangeCheckDlg</name>
    <message>
        <source>名前のない糊代: %1</source>
        <translation>Unnamed flanges: %1</translation>
    </message>
    <message>
        <source>糊代の検査</source>
        <translation>Check Flanges</translation>
    </message>
</context>
<context>
    <name>TFlangeCheckModel</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>辺1 (ページ/図形/辺)</source>
        <translation>Side 1 (page/shape/side)</translation>
    </message>
    <message>
        <source>辺2 (ページ/図形/辺)</source>
        <translation>Side 2 (page/shape/side)</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>相手がありません</source>
        <translation>no partner</translation>
    </message>
    <message>
        <source>%1辺にあります</source>
        <translation>on %1 sides</translation>
    </message>
    <message>
        <source>長さが違います</source>
        <translation>lengths differ</translation>
    </message>
    <message>
        <source>糊代がありません</source>
        <translation>no flange</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>問題はありません。</source>
        <translation>No problems.</translation>
    </message>
    <message>
        <source>問題はありません。完成した接合: %1</source>
        <translation>No problems. Complete joints: %1</translation>
    </message>
    <message>
        <source>完成した接合: %1&#x3000;問題のある接合: %2</source>
        <translation>Complete joints: %1   Joints with problems: %2</translation>
    </message>
</context>
<context>
    <name>TFlangeDlg</name>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>角度１</source>
        <translation>Angle 1</translation>
    </message>
    <message>
        <source>角度２</source>
        <translation>Angle 2</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>糊代なし</source>
        <translation>No flange</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>糊代設定（１辺）</source>
        <translation>Flange (One Side)</translation>
    </message>
    <message>
        <source>糊代設定（一括）</source>
        <translation>Flange (All Sides)</translation>
    </message>
    <message>
        <source>幅設定値が異常です。</source>
        <translation>The width is not valid.</translation>
    </message>
    <message>
        <source>角度１設定値が異常です。</source>
        <translation>Angle 1 is not valid.</translation>
    </message>
    <message>
        <source>角度２設定値が異常です。</source>
        <translation>Angle 2 is not valid.</translation>
    </message>
    <message>
        <source>名称に使えない文字が含まれています。</source>
        <translation>The name contains characters that cannot be used.</translation>
    </message>
    <message>
        <source>既存の同名糊代のパラメータに合わせますか？</source>
        <translation>Match the values of the existing flange of the same name?</translation>
    </message>
    <message>
        <source>既存の同名糊代を持つ辺の長さに合わせますか？</source>
        <translation>Match the length of the side that has the existing flange of the same name?</translation>
    </message>
</context>
<context>
    <name>TLayoutDlg</name>
    <message>
        <source>図形の間隔は %1 mm から %2 mm の間で入力してください。</source>
        <translation>Enter a gap between shapes from %1 mm to %2 mm.</translation>
    </message>
    <message>
        <source>回転しない</source>
        <translation>No rotation</translation>
    </message>
    <message>
        <source>180度ずつ</source>
        <translation>In steps of 180°</translation>
    </message>
    <message>
        <source>90度ずつ</source>
        <translation>In steps of 90°</translation>
    </message>
    <message>
        <source>15度ずつ</source>
        <translation>In steps of 15°</translation>
    </message>
    <message>
        <source>自動配置</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>選択した図形(&amp;S)</source>
        <translation>&amp;Selected shapes</translation>
    </message>
    <message>
        <source>現在のページ(&amp;P)</source>
        <translation>Current &amp;page</translation>
    </message>
    <message>
        <source>全てのページ(&amp;A)</source>
        <translation>&amp;All pages</translation>
    </message>
    <message>
        <source>配置する図形</source>
        <translation>Shapes to lay out</translation>
    </message>
    <message>
        <source>図形の間隔(&amp;G)</source>
        <translation>&amp;Gap between shapes</translation>
    </message>
    <message>
        <source>回転(&amp;R)</source>
        <translation>&amp;Rotation</translation>
    </message>
    <message>
        <source>裏返しを許す(&amp;M)</source>
        <translation>Allow &amp;mirroring</translation>
    </message>
    <message>
        <source>印刷した面は印刷した面のまま組み立てます。裏返した図形は
左右が逆になるので、左右のある部品では外してください。</source>
        <translation>The printed side stays the printed side when assembled. A mirrored shape
is reversed left to right, so leave this off for parts that have a left and a right.</translation>
    </message>
</context>
<context>
    <name>TLayoutMessages</name>
    <message>
        <source>図形の大きさ (%1) が用紙の描画領域 (%2) を超えるため、置けません。</source>
        <translation>The shape (%1) is larger than the drawing area of the paper (%2), so it cannot be placed.</translation>
    </message>
    <message>
        <source>次の図形は用紙の描画領域 (%1) に収まらないため、元の位置に残しました。</source>
        <translation>These shapes do not fit in the drawing area of the paper (%1) and were left where they were.</translation>
    </message>
    <message>
        <source>新しい図形 (追加していません)</source>
        <translation>the new shape (not added)</translation>
    </message>
    <message>
        <source>%1 ページの %2 番目の図形</source>
        <translation>shape %2 on page %1</translation>
    </message>
    <message>
        <source>
ほか %1 個</source>
        <translation>
and %1 more</translation>
    </message>
</context>
<context>
    <name>TMainFm</name>
    <message>
        <source>範囲チェックエラー</source>
        <translation>Range check error</translation>
    </message>
    <message>
        <source>図形がマウスに付いて動きます。置く位置でクリックしてください。</source>
        <translation>The shape follows the mouse. Click where it is to go.</translation>
    </message>
    <message>
        <source>ページに空いた場所がありません。図形がマウスに付いて動きます。置く位置でクリックしてください。</source>
        <translation>There is no free space on the page. The shape follows the mouse. Click where it is to go.</translation>
    </message>
    <message>
        <source>
図形はクリップボードにコピーしました。大きな用紙を選んでから貼り付けられます。</source>
        <translation>
The shape has been copied to the clipboard. Choose a larger paper, then paste it.</translation>
    </message>
    <message>
        <source>表示の言語は次に起動したときから切り替わります。</source>
        <translation>The interface language changes the next time the program starts.</translation>
    </message>
    <message>
        <source>クリップボードを持っているプログラムが応答しないため、貼り付けできませんでした。</source>
        <translation>Nothing could be pasted, because the program holding the clipboard does not answer.</translation>
    </message>
</context>
<context>
    <name>TMeshImport</name>
    <message>
        <source>「%1」は3Dモデルとして読み込めませんでした。</source>
        <translation>&quot;%1&quot; could not be read as a 3D model.</translation>
    </message>
    <message>
        <source>3Dモデル (OBJ, STL, PLY, glTF, GLB, OFF)|*.obj;*.stl;*.ply;*.gltf;*.glb;*.off|全てのファイル (*.*)|*.*</source>
        <translation>3D models (OBJ, STL, PLY, glTF, GLB, OFF)|*.obj;*.stl;*.ply;*.gltf;*.glb;*.off|All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TMeshImportDlg</name>
    <message>
        <source>%1は%2で入力してください。</source>
        <translation>Enter %1 as %2.</translation>
    </message>
    <message>
        <source>モデルの大きさ</source>
        <translation>Model size</translation>
    </message>
    <message>
        <source>糊代の幅</source>
        <translation>Flange width</translation>
    </message>
    <message>
        <source>糊代の角度1</source>
        <translation>Flange angle 1</translation>
    </message>
    <message>
        <source>糊代の角度2</source>
        <translation>Flange angle 2</translation>
    </message>
    <message>
        <source>平らとみなす角度</source>
        <translation>Flat angle</translation>
    </message>
    <message>
        <source>3Dモデルの読み込み</source>
        <translation>Import 3D Model</translation>
    </message>
    <message>
        <source>（最も長い寸法）</source>
        <translation> (longest dimension)</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>隣り合う面の傾きの差がこの角度より小さければ、一つの平らな面にします。</source>
        <translation>Neighbouring faces whose slopes differ by less than this angle become one flat face.</translation>
    </message>
    <message>
        <source>%1
ファイルの単位を mm とすると、最も長い寸法は %2 mm です。</source>
        <translation>%1
Taking the file&apos;s unit as mm, the longest dimension is %2 mm.</translation>
    </message>
    <message>
        <source>0 より大きく %1 mm 以下</source>
        <translation>more than 0 and at most %1 mm</translation>
    </message>
    <message>
        <source>0 より大きく 90 度以下</source>
        <translation>more than 0 and at most 90°</translation>
    </message>
    <message>
        <source>0 度から %1 度まで</source>
        <translation>from 0° to %1°</translation>
    </message>
</context>
<context>
    <name>TMkPolygonFm</name>
    <message>
        <source>長さ:%1 傾き:%2</source>
        <translation>Length:%1 Slope:%2</translation>
    </message>
    <message>
        <source>長さ:%1 傾き:%2 糊代[%3]: 幅:%4 角度:%5 %6</source>
        <translation>Length:%1 Slope:%2 Flange[%3]: Width:%4 Angles:%5 %6</translation>
    </message>
    <message>
        <source>クリックで頂点を置きます。最後に置いた頂点をもう一度クリックすると図形を閉じます。</source>
        <translation>Click to place a vertex. Click the last vertex placed again to close the shape.</translation>
    </message>
    <message>
        <source>拡大縮小</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>拡大／縮小率 （％）を入力して下さい。</source>
        <translation>Enter the scale factor (%).</translation>
    </message>
    <message>
        <source>角数は3から360まで、大きさは0より大きい値を入力して下さい。図形は保存できる範囲（座標の絶対値が10の15乗未満）に収まる必要があります。</source>
        <translation>Enter 3 to 360 corners and a size greater than 0. The shape must fit within the range that can be saved (coordinates less than 10 to the 15th in absolute value).</translation>
    </message>
</context>
<context>
    <name>TMkPolygonMenu</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>辺の長さ固定(&amp;F)</source>
        <translation>&amp;Fix Side Lengths</translation>
    </message>
    <message>
        <source>頂点増設(&amp;I)</source>
        <translation>&amp;Insert Vertex</translation>
    </message>
    <message>
        <source>頂点削除(&amp;D)</source>
        <translation>&amp;Delete Vertex</translation>
    </message>
    <message>
        <source>折り線設定-1(&amp;J)</source>
        <translation>Fold Line Set 1 (&amp;J)</translation>
    </message>
    <message>
        <source>折り線設定-2(&amp;K)</source>
        <translation>Fold Line Set 2 (&amp;K)</translation>
    </message>
    <message>
        <source>座標設定(&amp;P)...</source>
        <translation>Vertex &amp;Position...</translation>
    </message>
    <message>
        <source>内角設定(&amp;A)...</source>
        <translation>Interior &amp;Angle...</translation>
    </message>
    <message>
        <source>辺の長さ設定(L)...</source>
        <translation>Side Length (L)...</translation>
    </message>
    <message>
        <source>辺の傾き設定(&amp;B)...</source>
        <translation>Side Slope (&amp;B)...</translation>
    </message>
    <message>
        <source>糊代(&amp;G)...</source>
        <translation>Flan&amp;ge...</translation>
    </message>
    <message>
        <source>拡大縮小(&amp;S)...</source>
        <translation>Re&amp;size...</translation>
    </message>
    <message>
        <source>反転(&amp;R)</source>
        <translation>&amp;Reverse</translation>
    </message>
    <message>
        <source>ズーム(&amp;Z)...</source>
        <translation>&amp;Zoom...</translation>
    </message>
    <message>
        <source>図形情報モニタ(&amp;M)...</source>
        <translation>Shape Information &amp;Monitor...</translation>
    </message>
    <message>
        <source>最初の状態に戻す(&amp;Y)</source>
        <translation>Back to the First State (&amp;Y)</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>正多角形(&amp;O)...</source>
        <translation>Regular P&amp;olygon...</translation>
    </message>
    <message>
        <source>表示桁数(&amp;W)...</source>
        <translation>Decimals Sho&amp;wn...</translation>
    </message>
</context>
<context>
    <name>TNSetLineAngleDlg</name>
    <message>
        <source>辺の傾き設定</source>
        <translation>Side Slope</translation>
    </message>
    <message>
        <source>図形全体を回転</source>
        <translation>Rotate the whole shape</translation>
    </message>
</context>
<context>
    <name>TNSetLineLengthDlg</name>
    <message>
        <source>辺の長さ設定</source>
        <translation>Side Length</translation>
    </message>
</context>
<context>
    <name>TNSetPointAngleDlg</name>
    <message>
        <source>内角設定</source>
        <translation>Interior Angle</translation>
    </message>
</context>
<context>
    <name>TNSetPointPosDlg</name>
    <message>
        <source>座標設定</source>
        <translation>Vertex Position</translation>
    </message>
    <message>
        <source>Ｘ座標</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Ｙ座標</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>TNumericDlg</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TOutsideWarning</name>
    <message>
        <source>次の図形が用紙の印刷できる範囲からはみ出しています。はみ出した部分は印刷されません。

%1

続けますか?</source>
        <translation>These shapes reach outside the printable area of the paper. The parts outside will not be printed.

%1

Continue?</translation>
    </message>
    <message>
        <source>%1 ページ: %2 番目の図形</source>
        <translation>Page %1: shapes %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>ほかに %1 個</source>
        <translation>%1 more</translation>
    </message>
</context>
<context>
    <name>TPageTabsAccessible</name>
    <message>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>TPolygonInfoDlg</name>
    <message>
        <source>図形情報</source>
        <translation>Shape Information</translation>
    </message>
</context>
<context>
    <name>TPolygonInfoModel</name>
    <message>
        <source>座標</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>内角</source>
        <translation>Interior angle</translation>
    </message>
    <message>
        <source>辺の長さ</source>
        <translation>Side length</translation>
    </message>
    <message>
        <source>辺の傾き</source>
        <translation>Side slope</translation>
    </message>
    <message>
        <source>糊代</source>
        <translation>Flange</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TPrintCalibrationDlg</name>
    <message>
        <source>%1の長さは %2 mm から %3 mm の間で入力してください。</source>
        <translation>Enter a length of the %1 from %2 mm to %3 mm.</translation>
    </message>
    <message>
        <source>横の定規</source>
        <translation>horizontal ruler</translation>
    </message>
    <message>
        <source>縦の定規</source>
        <translation>vertical ruler</translation>
    </message>
    <message>
        <source>印刷の校正</source>
        <translation>Print Calibration</translation>
    </message>
    <message>
        <source>校正ページを印刷し、二本の定規の長さを測って入力します。
以後の印刷と PDF への書き出しは、この長さが正しく出るように補正されます。</source>
        <translation>Print the calibration page, measure the two rulers and enter their lengths.
From then on, printing and PDF export are corrected so that these lengths come out right.</translation>
    </message>
    <message>
        <source>校正ページを印刷...</source>
        <translation>Print Calibration Page...</translation>
    </message>
    <message>
        <source>現在の補正: 横 %1・縦 %2</source>
        <translation>Current correction: horizontal %1, vertical %2</translation>
    </message>
</context>
<context>
    <name>TPrintSetDlg</name>
    <message>
        <source>印刷設定</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>余白設定(mm)</source>
        <translation>Margins (mm)</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>プリンタ設定</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>相手ページを印字</source>
        <translation>Print the partner page</translation>
    </message>
    <message>
        <source>実線</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>破線</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>一点鎖線</source>
        <translation>Dash-dot</translation>
    </message>
    <message>
        <source>外側に目印だけ</source>
        <translation>Marks outside only</translation>
    </message>
    <message>
        <source>印刷しない</source>
        <translation>Not printed</translation>
    </message>
    <message>
        <source>折り線1</source>
        <translation>Fold line 1</translation>
    </message>
    <message>
        <source>折り線2</source>
        <translation>Fold line 2</translation>
    </message>
    <message>
        <source>糊代の付け根</source>
        <translation>Flange base</translation>
    </message>
    <message>
        <source>折り線の種類と太さ</source>
        <translation>Fold line style and width</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>1 ページを 横</source>
        <translation>Print 1 page on</translation>
    </message>
    <message>
        <source>× 縦</source>
        <translation>across ×</translation>
    </message>
    <message>
        <source>枚の用紙に (重なり %1 mm)</source>
        <translation>down sheets (overlap %1 mm)</translation>
    </message>
    <message>
        <source>位置合わせマークを印刷、用紙の端から</source>
        <translation>Print registration marks, from the paper edge</translation>
    </message>
</context>
<context>
    <name>TPrinterCalibration</name>
    <message>
        <source>印刷の校正</source>
        <translation>Print Calibration</translation>
    </message>
    <message>
        <source>印刷の校正.pdf</source>
        <translation>print calibration.pdf</translation>
    </message>
    <message>
        <source>校正ページには %1 × %2 mm の印刷範囲が要ります。用紙か余白を変えてください。</source>
        <translation>The calibration page needs a printable area of %1 × %2 mm. Change the paper or the margins.</translation>
    </message>
</context>
<context>
    <name>TQtLongTask</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>中止しています...</source>
        <translation>Cancelling...</translation>
    </message>
</context>
<context>
    <name>TQtPrinter</name>
    <message>
        <source>プリンタ設定</source>
        <translation>Printer Setup</translation>
    </message>
</context>
<context>
    <name>TQtPrompt</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TRecoveryMessages</name>
    <message>
        <source>名前なし</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>図面: %1
控えの日時: %2</source>
        <translation>Drawing: %1
Copy made: %2</translation>
    </message>
    <message>
        <source>控えが途中で切れています。</source>
        <translation>The copy is cut short.</translation>
    </message>
    <message>
        <source>新しい版の Zelvo で書かれた控えで、この版では読めません。</source>
        <translation>The copy was written by a newer version of Zelvo and cannot be read by this version.</translation>
    </message>
    <message>
        <source>控えの内容が図形データとして正しくないか、範囲外の値を含んでいます。</source>
        <translation>The copy is not valid drawing data or holds values out of range.</translation>
    </message>
    <message>
        <source>控えを読めません（%1）。</source>
        <translation>The copy cannot be read (%1).</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>書き込む権限がありません</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>読み取り専用のドライブです</source>
        <translation>the drive is read-only</translation>
    </message>
    <message>
        <source>フォルダーがありません</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>保存されずに終了した図形データがあります。復元しますか？

</source>
        <translation>The program ended without saving a drawing. Do you want to restore it?

</translation>
    </message>
    <message>
        <source>

この控えは、その後に保存された図面のファイルより古いものです。</source>
        <translation>

This copy is older than the drawing&apos;s file, which was saved after it.</translation>
    </message>
    <message>
        <source>保存されずに終了した図形データの控えを読み込めませんでした。</source>
        <translation>The copy of a drawing left unsaved could not be read.</translation>
    </message>
    <message>
        <source>控えは「%1」に残してあります。

</source>
        <translation>The copy has been left at &quot;%1&quot;.

</translation>
    </message>
    <message>
        <source>復元用の控えをフォルダー「%1」に書き込めません（%2）。保存しないまま異常終了すると、変更は失われます。</source>
        <translation>Recovery copies cannot be written to the folder &quot;%1&quot; (%2). If the program ends abnormally before you save, your changes will be lost.</translation>
    </message>
    <message>
        <source>保存されずに終了した図形データがほかに%1件あります。Zelvo をもう一つ起動すると、それを復元するかどうかを確認します。</source>
        <translation>%1 more drawings were left unsaved when the program ended. Start another Zelvo and it will ask whether to restore them.</translation>
    </message>
</context>
<context>
    <name>TRegularPolygonDlg</name>
    <message>
        <source>正多角形</source>
        <translation>Regular Polygon</translation>
    </message>
    <message>
        <source>角数 (3～360)</source>
        <translation>Corners (3 to 360)</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>最初の辺の傾き</source>
        <translation>Slope of the first side</translation>
    </message>
    <message>
        <source>大きさは辺の長さ</source>
        <translation>Size is the side length</translation>
    </message>
    <message>
        <source>大きさは外接円の半径</source>
        <translation>Size is the circumradius</translation>
    </message>
</context>
<context>
    <name>TSaveResult</name>
    <message>
        <source>ディスクの空き容量が足りません。不要なファイルを削除するか、別の場所に保存してください。</source>
        <translation>The disk is full. Delete files you no longer need, or save somewhere else.</translation>
    </message>
    <message>
        <source>このファイルまたはフォルダーに書き込む権限がありません。別の場所に保存してください。</source>
        <translation>You have no permission to write to this file or folder. Save somewhere else.</translation>
    </message>
    <message>
        <source>保存先のドライブは読み取り専用です。別の場所に保存してください。</source>
        <translation>The drive is read-only. Save somewhere else.</translation>
    </message>
    <message>
        <source>保存先のフォルダー「%1」がありません。削除されたか、ドライブが取り外された可能性があります。</source>
        <translation>The folder &quot;%1&quot; does not exist. It may have been deleted, or its drive removed.</translation>
    </message>
    <message>
        <source>ファイルは読み取り専用です。</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダーなど、ファイルではないものがあります。</source>
        <translation>Something that is not a file, such as a folder, has the same name.</translation>
    </message>
    <message>
        <source>予期しないエラーが起きました（%1）。</source>
        <translation>An unexpected error occurred (%1).</translation>
    </message>
    <message>
        <source>ファイル「%1」を保存できませんでした。</source>
        <translation>The file &quot;%1&quot; could not be saved.</translation>
    </message>
    <message>
        <source>フォルダーに新しいファイルを作れないため、元の内容を「%1」に控えてから上書きしようとしましたが、控えを作れませんでした。</source>
        <translation>No new file can be made in the folder, so the old contents were to be copied to &quot;%1&quot; before overwriting, but the copy could not be made.</translation>
    </message>
    <message>
        <source>元の内容は「%1」に控えてあります。</source>
        <translation>The old contents have been kept in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ファイル「%1」は、開いた後か最後に保存した後で、ほかのプログラムに変更されています。上書きしますか？</source>
        <translation>The file &quot;%1&quot; has been changed by another program since it was opened or last saved. Overwrite it?</translation>
    </message>
    <message>
        <source>ファイル「%1」は、開いた後か最後に保存した後で、ほかのプログラムに置き換えられています。上書きしますか？</source>
        <translation>The file &quot;%1&quot; has been replaced by another program since it was opened or last saved. Overwrite it?</translation>
    </message>
    <message>
        <source>ファイル「%1」は、開いた後か最後に保存した後で削除されています。保存しますか？</source>
        <translation>The file &quot;%1&quot; has been deleted since it was opened or last saved. Save it?</translation>
    </message>
    <message>
        <source>ファイル「%1」は読み取り専用です。上書きしますか？</source>
        <translation>The file &quot;%1&quot; is read-only. Overwrite it?</translation>
    </message>
    <message>
        <source>保存は中止されました。ファイルは元のままです。</source>
        <translation>Saving was cancelled. The file is as it was.</translation>
    </message>
</context>
<context>
    <name>TSheetExporter</name>
    <message>
        <source>エクスポート</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>書き出す図形がありません。</source>
        <translation>There are no shapes to export.</translation>
    </message>
    <message>
        <source>ファイル「%1」の種類が分かりません。名前の終わりを .svg、.dxf、.pdf のどれかにしてください。</source>
        <translation>The type of the file &quot;%1&quot; is unknown. End its name in .svg, .dxf or .pdf.</translation>
    </message>
    <message>
        <source>ファイル「%1」に書き出せませんでした。</source>
        <translation>Could not export to the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>SVGファイル (*.svg)|*.svg|DXFファイル (*.dxf)|*.dxf|PDFファイル (*.pdf)|*.pdf</source>
        <translation>SVG files (*.svg)|*.svg|DXF files (*.dxf)|*.dxf|PDF files (*.pdf)|*.pdf</translation>
    </message>
</context>
<context>
    <name>TSheetFiles</name>
    <message>
        <source>Zelvoデータファイル (*.zvt)|*.zvt|全てのファイル (*.*)|*.*</source>
        <translation>Zelvo drawings (*.zvt)|*.zvt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>図面が変更されています。保存しますか？</source>
        <translation>The drawing has been changed. Save it?</translation>
    </message>
    <message>
        <source>ファイル「%1」を保存できませんでした。</source>
        <translation>The file &quot;%1&quot; could not be saved.</translation>
    </message>
    <message>
        <source>ファイル「%1」を読み込めませんでした。</source>
        <translation>The file &quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>ファイル「%1」を開いています...</source>
        <translation>Opening the file "%1"...</translation>
    </message>
    <message>
        <source>ファイル「%1」を保存しています...</source>
        <translation>Saving the file "%1"...</translation>
    </message>
    <message>
        <source>ページが多すぎます（%1ページまで）。</source>
        <translation> There are too many pages (at most %1).</translation>
    </message>
    <message>
        <source>%1ページの%2番目の図形に、ファイルに書けない値があります（原点から10^15 mm以上離れた頂点など）。その図形を直してから保存してください。</source>
        <translation> Shape %2 on page %1 holds values no file can hold (such as a vertex 10^15 mm or more from the origin). Correct that shape, then save.</translation>
    </message>
</context>
<context>
    <name>TSheetGestures</name>
    <message>
        <source>図形の重なりを回避する指定になっていますが、選択した図形は既に重なった状態に有ります。このモードを解除し、手動で重複の解消を行って下さい。</source>
        <translation>Shapes are set to avoid overlapping, but the selected shapes already overlap. Turn this option off and separate them by hand.</translation>
    </message>
</context>
<context>
    <name>TSheetJoints</name>
    <message>
        <source>（Esc・右クリックで終了）</source>
        <translation> (Esc or right-click to stop)</translation>
    </message>
    <message>
        <source>（Esc・右クリックで中止）</source>
        <translation> (Esc or right-click to cancel)</translation>
    </message>
    <message>
        <source>辺の接合: 接合する辺をクリックしてください。</source>
        <translation>Join sides: click a side to join.</translation>
    </message>
    <message>
        <source>辺の接合: 相手の辺をクリックしてください。別のページの辺はタブでページを替えてから。</source>
        <translation>Join sides: click the partner side. For a side on another page, change the page with its tab first.</translation>
    </message>
    <message>
        <source>辺の接合: 「%1」で接合しました。続けて次の辺をクリックしてください。</source>
        <translation>Join sides: joined as &quot;%1&quot;. Click the next side to go on.</translation>
    </message>
    <message>
        <source>辺の接合: この2辺は既に「%1」で接合されています。次の辺をクリックしてください。</source>
        <translation>Join sides: these two sides are already joined as &quot;%1&quot;. Click the next side.</translation>
    </message>
    <message>
        <source>接合の解除: 接合された辺をクリックしてください。</source>
        <translation>Unjoin: click a joined side.</translation>
    </message>
    <message>
        <source>糊代の移動: 接合された辺をクリックしてください。</source>
        <translation>Move flange: click a joined side.</translation>
    </message>
    <message>
        <source>この辺は接合されていません。</source>
        <translation>This side is not joined.</translation>
    </message>
    <message>
        <source>「%1」は2辺の接合ではないため、糊代を移動できません。</source>
        <translation>&quot;%1&quot; does not join exactly two sides, so its flange cannot be moved.</translation>
    </message>
    <message>
        <source>「%1」のどちらの辺にも糊代がありません。</source>
        <translation>Neither side of &quot;%1&quot; has a flange.</translation>
    </message>
    <message>
        <source>「%1」の接合を解除しました。</source>
        <translation>&quot;%1&quot; has been unjoined.</translation>
    </message>
    <message>
        <source>「%1」の糊代を相手側へ移動しました。</source>
        <translation>The flange of &quot;%1&quot; has been moved to the partner side.</translation>
    </message>
    <message>
        <source>2つの辺の長さが違います。
1つ目の辺: %1 mm
2つ目の辺: %2 mm
接合しますか？</source>
        <translation>The two sides differ in length.
First side: %1 mm
Second side: %2 mm
Join them?</translation>
    </message>
    <message>
        <source>選んだ辺は既に接合されています（%1）。その接合を解除して接合し直しますか？</source>
        <translation>The chosen side is already joined (%1). Undo that joint and join it again?</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>辺の接合(&amp;J)</source>
        <translation>&amp;Join Sides</translation>
    </message>
    <message>
        <source>接合の解除</source>
        <translation>Unjoin</translation>
    </message>
    <message>
        <source>糊代を相手側へ移動</source>
        <translation>Move Flange to Partner</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>TSheetLayout</name>
    <message>
        <source>自動配置</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>配置する図形がありません。</source>
        <translation>There are no shapes to lay out.</translation>
    </message>
    <message>
        <source>用紙の描画領域がないため、配置できません。</source>
        <translation>The paper has no drawing area, so nothing can be laid out.</translation>
    </message>
    <message>
        <source>配置には %1 ページが必要ですが、ページは %2 ページまでです。何も変更していません。</source>
        <translation>The layout needs %1 pages, but there can be at most %2 pages. Nothing has been changed.</translation>
    </message>
</context>
<context>
    <name>TSheetMenus</name>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>エクスポート...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>印字フォント設定...</source>
        <translation>Print Font...</translation>
    </message>
    <message>
        <source>印刷設定...</source>
        <translation>Print Settings...</translation>
    </message>
    <message>
        <source>印刷の校正...</source>
        <translation>Print Calibration...</translation>
    </message>
    <message>
        <source>現在のページを印刷...</source>
        <translation>Print Current Page...</translation>
    </message>
    <message>
        <source>全てのページを印刷...</source>
        <translation>Print All Pages...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ページ追加</source>
        <translation>Add Page</translation>
    </message>
    <message>
        <source>ページ削除</source>
        <translation>Delete Page</translation>
    </message>
    <message>
        <source>図形データの新規作成(&amp;N)...</source>
        <translation>&amp;New Shape...</translation>
    </message>
    <message>
        <source>図形データ修正(&amp;E)...</source>
        <translation>&amp;Edit Shape...</translation>
    </message>
    <message>
        <source>切り取り(&amp;X)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;V)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>ズーム(&amp;Z)...</source>
        <translation>&amp;Zoom...</translation>
    </message>
    <message>
        <source>糊代の検査...</source>
        <translation>Check Flanges...</translation>
    </message>
    <message>
        <source>辺の接合(&amp;J)</source>
        <translation>&amp;Join Sides</translation>
    </message>
    <message>
        <source>接合の解除</source>
        <translation>Unjoin</translation>
    </message>
    <message>
        <source>糊代を相手側へ移動</source>
        <translation>Move Flange to Partner</translation>
    </message>
    <message>
        <source>自動配置(&amp;O)...</source>
        <translation>Lay &amp;Out...</translation>
    </message>
    <message>
        <source>クリックでドラッグ開始(&amp;H)</source>
        <translation>Click to Start Dragging (&amp;H)</translation>
    </message>
    <message>
        <source>移動時・描画領域外に出ないように制御する(&amp;W)</source>
        <translation>Moving: Keep Inside the Drawing Area (&amp;W)</translation>
    </message>
    <message>
        <source>移動時・図形の重なりを回避する(&amp;L)</source>
        <translation>Moving: Avoid Overlapping Shapes (&amp;L)</translation>
    </message>
    <message>
        <source>移動時・衝突したら回転(&amp;M)</source>
        <translation>Moving: Rotate on Collision (&amp;M)</translation>
    </message>
    <message>
        <source>移動時制御・一括(&amp;A)</source>
        <translation>Moving: All Controls (&amp;A)</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)...</source>
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
        <source>3Dモデルの読み込み(&amp;I)...</source>
        <translation>&amp;Import 3D Model...</translation>
    </message>
    <message>
        <source>印刷プレビュー...</source>
        <translation>Print Preview...</translation>
    </message>
</context>
<context>
    <name>TSheetMeshImport</name>
    <message>
        <source>3Dモデルを読み込んでいます...</source>
        <translation>Reading the 3D model...</translation>
    </message>
    <message>
        <source>3Dモデルを展開しています...</source>
        <translation>Unfolding the 3D model...</translation>
    </message>
    <message>
        <source>「%1」の面はどれも面積がなく、展開できません。</source>
        <translation>None of the faces of &quot;%1&quot; has an area, so it cannot be unfolded.</translation>
    </message>
    <message>
        <source>%1 個の部品が、この大きさではページの描画領域 (%2 × %3 mm) に収まりません。モデルの大きさを小さくしてください。</source>
        <translation>At this size %1 pieces do not fit in the drawing area of the page (%2 × %3 mm). Make the model smaller.</translation>
    </message>
    <message>
        <source>部品を並べるには %1 ページが要り、図面のページ数の上限 %2 を超えます。モデルの大きさを小さくしてください。</source>
        <translation>Laying out the pieces needs %1 pages, more than the drawing&apos;s limit of %2 pages. Make the model smaller.</translation>
    </message>
    <message>
        <source>「%1」を %2 個の部品に展開し、%3 に並べました。
3 つ以上の面が共有していて切り離した辺: %4 本
収まるように幅を狭めた糊代: %5 個 (うち幅 2 mm 未満: %6 個)</source>
        <translation>&quot;%1&quot; was unfolded into %2 pieces and laid out on %3.
Edges shared by three or more faces, cut apart: %4
Flanges narrowed to fit: %5 (narrower than 2 mm: %6)</translation>
    </message>
    <message>
        <source>ページに描画領域がないため、部品を並べられません。印刷設定の余白を確かめてください。</source>
        <translation>The page has no drawing area, so the pieces cannot be laid out. Check the margins in the print settings.</translation>
    </message>
    <message>
        <source>ページ %1</source>
        <translation>page %1</translation>
    </message>
    <message>
        <source>ページ %1〜%2</source>
        <translation>pages %1 to %2</translation>
    </message>
</context>
<context>
    <name>TSheetPrinting</name>
    <message>
        <source>現在表示中のページを印刷します。</source>
        <translation>The page shown now will be printed.</translation>
    </message>
    <message>
        <source>全てのページを印刷します。</source>
        <translation>All pages will be printed.</translation>
    </message>
    <message>
        <source>印刷できませんでした。</source>
        <translation>Printing failed.</translation>
    </message>
    <message>
        <source>ファイル「%1」に印刷できませんでした。</source>
        <translation>Could not print to the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>PDFファイル (*.pdf)|*.pdf|全てのファイル (*.*)|*.*</source>
        <translation>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print Preview</translation>
    </message>
</context>
<context>
    <name>TZoomDialog</name>
    <message>
        <source>拡大縮小</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>表示倍率（％）を入力して下さい。</source>
        <translation>Enter the zoom (%).</translation>
    </message>
</context>
</TS>
