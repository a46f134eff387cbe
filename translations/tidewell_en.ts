<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>CalibrationDialog</name>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="47"/>
        <source>逆算</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="57"/>
        <source>目標の湾内平均水温(℃)</source>
        <translation>Target bay mean (℃)</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="61"/>
        <source>観測水温(℃、空欄は未観測)</source>
        <translation>Observed (℃, blank: not measured)</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="71"/>
        <source>求める入力</source>
        <translation>Input to solve for</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="80"/>
        <location filename="../src/window/CalibrationDialog.cpp" line="106"/>
        <source>セル%1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="89"/>
        <source>逆算の後にメイン画面の条件が変わりました。</source>
        <translation>The main window&apos;s case has changed since this calibration.</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="101"/>
        <source>観測値</source>
        <translation>Observed</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="102"/>
        <source>計算値</source>
        <translation>Computed</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="103"/>
        <source>誤差</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="107"/>
        <source>湾内平均</source>
        <translation>Bay mean</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="108"/>
        <source>バイアス</source>
        <translation>Bias</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="109"/>
        <source>RMS</source>
        <translation>RMS</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="117"/>
        <source>計算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="120"/>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="123"/>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="127"/>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="197"/>
        <source>計算中…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="226"/>
        <source>逆算を中止しました。</source>
        <translation>The calibration was cancelled.</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="246"/>
        <source>%1 = %2（計算 %3 回）</source>
        <translation>%1 = %2 (%3 calculations)</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="251"/>
        <source>入力する値：%1</source>
        <translation>Text to enter: %1</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="256"/>
        <source>最も近い項目：%1（湾内平均水温 %2 ℃）</source>
        <translation>Nearest entry: %1 (bay mean %2 ℃)</translation>
    </message>
    <message>
        <location filename="../src/window/CalibrationDialog.cpp" line="259"/>
        <source>最も近い項目：%1（計算結果なし）</source>
        <translation>Nearest entry: %1 (no result)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="66"/>
        <source>計算対象水域の基本条件（変更できます）</source>
        <translation>Basic conditions of the bay (editable)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="68"/>
        <source>デフォルトに戻す</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="70"/>
        <source>湾面積(km2)</source>
        <translation>Bay area(km2)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="72"/>
        <source>×平均水深(m)</source>
        <translation>×Depth(m)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="74"/>
        <source>＝湾容積(km3)</source>
        <translation>=Bay volume(km3)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="76"/>
        <source>湾口部長さ(km)</source>
        <translation>Mouth(km)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="78"/>
        <source>×湾口部水深(m)</source>
        <translation>×Depth(m)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="80"/>
        <location filename="../src/window/ControlTable.cpp" line="100"/>
        <source>＝湾口部断面積(km2)</source>
        <translation>=Section(km2)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="83"/>
        <source>外海水水温(℃)</source>
        <translation>Sea temp.(℃)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="85"/>
        <source>流入水水温(℃)</source>
        <translation>Inflow temp.(℃)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="87"/>
        <source>×流入水流量(m3/秒)</source>
        <translation>×Inflow rate(m3/s)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="90"/>
        <location filename="../src/window/ControlTable.cpp" line="107"/>
        <source>＝流入負荷量(℃/秒)</source>
        <translation>=Load(℃·m3/s)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="93"/>
        <source>基本条件の変更できます</source>
        <translation>Change the basic conditions</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="96"/>
        <source>※基本条件ケースの×0.2～×5倍の範囲で変更できます。</source>
        <translation>* Each can be set from ×0.2 to ×5 of the basic case.</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="98"/>
        <source>湾口部断面積</source>
        <translation>Mouth section</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="103"/>
        <source>流入水水温</source>
        <translation>Inflow temp.</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="105"/>
        <source>流入水流量</source>
        <translation>Inflow rate</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="110"/>
        <source>※水質指標※</source>
        <translation>Indices</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="111"/>
        <source>滞留時間(日)</source>
        <translation>Res. time(d)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="113"/>
        <source>閉鎖度</source>
        <translation>Enclosure</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="115"/>
        <source>流入負荷量÷湾容積（℃/m3/日)</source>
        <translation>Inflow load÷volume(℃/day)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="118"/>
        <source>計算結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="119"/>
        <source>湾内平均水温(℃)</source>
        <translation>Bay mean temp.(℃)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="121"/>
        <location filename="../src/window/ControlTable.cpp" line="125"/>
        <source>&#x3000;⇒</source>
        <translation>  ⇒</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="123"/>
        <source>(河川から流入）</source>
        <translation>(from the river)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="126"/>
        <source>(外海へ流出)</source>
        <translation>(out to the sea)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="128"/>
        <source>(流入水)</source>
        <translation>(Inflow)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="60"/>
        <source>(湾内水)</source>
        <translation>(Bay)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="61"/>
        <source>(湾内水：計算対象水域)</source>
        <translation>(Bay: studied area)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="133"/>
        <source>（湾内水）</source>
        <translation>(Bay)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="137"/>
        <source>(外海水)</source>
        <translation>(Sea)</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="139"/>
        <source>計算開始</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <location filename="../src/window/ControlTable.cpp" line="141"/>
        <source>終了（閉じる）</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <location filename="../src/window/GuideText.cpp" line="39"/>
        <source>%1 以上</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="40"/>
        <source>%1 より大きい</source>
        <translation>above %1</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="87"/>
        <source>メインウィンドウ</source>
        <translation>The main window</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="88"/>
        <source>入力の制限</source>
        <translation>Input limits</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="89"/>
        <source>計算と長い計算の中止</source>
        <translation>Calculating, and stopping a long calculation</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="90"/>
        <source>計算の安定性</source>
        <translation>Stability of the calculation</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="91"/>
        <source>ファイルメニューとケースファイル</source>
        <translation>The File menu and case files</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="92"/>
        <source>時系列グラフ</source>
        <translation>Time series graph</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="93"/>
        <source>感度分析</source>
        <translation>Sensitivity analysis</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="94"/>
        <source>逆算</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="95"/>
        <source>不確かさ</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="96"/>
        <source>報告書</source>
        <translation>Report</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="97"/>
        <source>ファイルの置き場所</source>
        <translation>Where the files go</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="98"/>
        <source>コマンドライン</source>
        <translation>Command line</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="133"/>
        <source>&lt;p&gt;入力した文字は次の場合に受け付けられず、その欄のメッセージ（下の表）が出ます。受け付けられない文字が欄に残っている間は、計算開始を押しても計算せず、同じメッセージを出してその欄に移ります。&lt;/p&gt;&lt;ul&gt;&lt;li&gt;数として読めないとき。数は、前後の空白、符号、桁区切りのコンマ、小数点、指数（E または D）を含められます（例：&lt;tt&gt;1,000&lt;/tt&gt;、&lt;tt&gt;2.5E3&lt;/tt&gt;）。&lt;tt&gt;12abc&lt;/tt&gt;、&lt;tt&gt;1 000&lt;/tt&gt; は数ではありません。&lt;/li&gt;&lt;li&gt;数が下の表の範囲にないとき。範囲は先頭の数（最初のコンマの前まで）で確かめます。&lt;/li&gt;&lt;li&gt;その値から計算される量（湾容積、流入負荷量、指標など）が、一覧のどの倍率でも扱える範囲を超えるとき。&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;A text you type is refused in the cases below, and the field&apos;s message (see the table) is shown. While a refused text stays in its field, Calculate runs nothing: it shows the same message again and moves to that field.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;It is not a number. A number may have blanks around it, a sign, commas between groups of digits, a decimal point and an exponent (E or D): &lt;tt&gt;1,000&lt;/tt&gt; and &lt;tt&gt;2.5E3&lt;/tt&gt; are numbers, &lt;tt&gt;12abc&lt;/tt&gt; and &lt;tt&gt;1 000&lt;/tt&gt; are not.&lt;/li&gt;&lt;li&gt;The number is outside the range in the table. The range is checked on the leading number (up to the first comma).&lt;/li&gt;&lt;li&gt;A quantity computed from it (the bay volume, the inflow load, an index, ...) would be too large to handle for some multiplier the lists offer.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="181"/>
        <source>&lt;p&gt;&lt;b&gt;開く…&lt;/b&gt; (Ctrl+O)、&lt;b&gt;保存&lt;/b&gt; (Ctrl+S)、&lt;b&gt;名前を付けて保存…&lt;/b&gt; (Ctrl+Shift+S)：ケースを &lt;tt&gt;.tidewell&lt;/tt&gt; ファイル（読みやすい JSON：6つの基本条件を入力したとおりの文字で、3つの一覧の選択）に保存し、開きます。タイトルにファイル名が出て、保存後に変更があると &lt;tt&gt;*&lt;/tt&gt; が付きます。変更を失う操作（閉じる、別のケースを開く）の前には保存するかを尋ねます。ファイルのないケースでは、最初の条件と違うときに尋ねます。&lt;/p&gt;&lt;p&gt;&lt;b&gt;最近使ったファイル&lt;/b&gt;：最後の5つのケースファイル。なくなったファイルを選ぶと、そう伝えて一覧から外します。&lt;/p&gt;&lt;p&gt;&lt;b&gt;結果をCSVで保存…&lt;/b&gt;：最後の計算（中止したものを除く）の時系列を CSV に書きます。列は &lt;tt&gt;day,cell1,…,cell5&lt;/tt&gt;（計算開始からの日数と、湾奥からの5つのセルの水温 ℃）です。UTF-8、改行 LF、数値は17桁で、読み戻すと同じ値になります。&lt;/p&gt;&lt;p&gt;&lt;b&gt;終了&lt;/b&gt; (Ctrl+Q)：ウィンドウを閉じます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Open…&lt;/b&gt; (Ctrl+O), &lt;b&gt;Save&lt;/b&gt; (Ctrl+S), &lt;b&gt;Save As…&lt;/b&gt; (Ctrl+Shift+S): keep cases in &lt;tt&gt;.tidewell&lt;/tt&gt; files (readable JSON: the six basic conditions exactly as typed, and the three list picks). The title shows the file&apos;s name, with &lt;tt&gt;*&lt;/tt&gt; once the case has changed since it was saved. Before anything that would lose changes (closing, opening another case) the window asks whether to save them; a case without a file is asked about once it differs from the starting conditions.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Recent Files&lt;/b&gt;: the last five case files. Picking one that no longer exists says so and drops it from the list.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Export Results as CSV…&lt;/b&gt;: writes the time series of the last calculation that was not cancelled. The columns are &lt;tt&gt;day,cell1,…,cell5&lt;/tt&gt;: the days since the start and the five cells&apos; temperatures (℃) from the head of the bay. UTF-8, LF line ends, numbers with 17 significant digits, so they read back to the same values.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Exit&lt;/b&gt; (Ctrl+Q): closes the window.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="198"/>
        <source>&lt;p&gt;表示 → 時系列グラフ (Ctrl+G)：最後の計算の5つのセルの水温の経過、外海と流入水の水温、各セルの落ち着く先（破線）。計算のたびに描き直されます。&lt;/p&gt;&lt;ul&gt;&lt;li&gt;マウスで四角を描くと拡大、右クリックで縮小します。縮小は計算期間の全体で止まります。&lt;/li&gt;&lt;li&gt;ダブルクリック、Home キー、または&lt;b&gt;全体表示&lt;/b&gt;ボタンで、計算期間の全体の表示に戻ります。&lt;/li&gt;&lt;li&gt;目盛りは 1、2、5 × 10ⁿ の切りのよい値に付きます。&lt;/li&gt;&lt;li&gt;グラフの上のマウスの位置の値が下に表示されます。&lt;/li&gt;&lt;li&gt;&lt;b&gt;画像を保存…&lt;/b&gt;：PNG で、または名前が &lt;tt&gt;.svg&lt;/tt&gt; で終わると SVG で保存します。グラフに見えている範囲だけを、計算の条件の題を付けて描きます。&lt;/li&gt;&lt;li&gt;Esc または Ctrl+W で閉じます。&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;View → Time Series Graph (Ctrl+G): the last calculation&apos;s five cells over the days, the sea and inflow temperatures, and where each cell settles (dashed). It is redrawn after every calculation.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Drag a rectangle to zoom in; right-click to zoom out. Zooming out stops at the whole run.&lt;/li&gt;&lt;li&gt;Double-click, press Home or use the &lt;b&gt;Whole run&lt;/b&gt; button to see the whole run again.&lt;/li&gt;&lt;li&gt;The axes tick at round values (1, 2 or 5 × 10ⁿ).&lt;/li&gt;&lt;li&gt;The value under the mouse is shown below the graph.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Save image…&lt;/b&gt;: saves PNG, or SVG for a name ending in &lt;tt&gt;.svg&lt;/tt&gt;. Only what the plot shows is drawn, under a title with the run&apos;s conditions.&lt;/li&gt;&lt;li&gt;Escape or Ctrl+W closes the chart.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="214"/>
        <source>&lt;p&gt;表示 → 感度分析… (Ctrl+T)：今の基本条件で、3つの一覧の倍率のすべての組み合わせ（7 × 8 × 8 = 448通り）を、すべての CPU コアで計算します。&lt;b&gt;固定する条件&lt;/b&gt;で一つの一覧とその倍率を選ぶと、残りの二つの倍率ごとの湾内平均水温 (℃) が、倍率の小さい順に並んだ表になります。今の組み合わせは枠で囲まれます。&lt;b&gt;色分け&lt;/b&gt;で、凡例と同じ 2 ℃ごとの色か、表の最低（白）から最高（赤）までに広げた色かを選べます。不安定な組み合わせや計算できない組み合わせはそう表示されます。&lt;/p&gt;&lt;p&gt;表のセルをダブルクリックすると、その組み合わせの倍率がメインウィンドウの一覧で選ばれます（計算中を除く）。&lt;b&gt;中止&lt;/b&gt;で計算を止め、&lt;b&gt;CSVで保存…&lt;/b&gt;で448行すべてを保存します。Esc または Ctrl+W で閉じます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;View → Sensitivity Analysis… (Ctrl+T): calculates every combination of the three lists&apos; multipliers (7 × 8 × 8 = 448) for the current basic conditions, on every CPU core. Choose under &lt;b&gt;Condition held&lt;/b&gt; one list and its multiplier to see the bay mean temperature (℃) for each pair of the other two, in a table whose rows and columns ascend with the multiplier. The current combination is outlined. Under &lt;b&gt;Colours&lt;/b&gt;, choose the legend&apos;s 2 ℃ steps or colours spread from the table&apos;s minimum (white) to its maximum (red). Unstable combinations and those that cannot be calculated are marked as such.&lt;/p&gt;&lt;p&gt;Double-click a cell to pick that combination&apos;s multipliers in the main window&apos;s lists (not during a calculation). &lt;b&gt;Cancel&lt;/b&gt; stops the runs; &lt;b&gt;Save as CSV…&lt;/b&gt; saves all 448 rows. Escape or Ctrl+W closes the window.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="242"/>
        <source>&lt;p&gt;表示 → 不確かさ…：基本条件ごとに分布（一様・正規・三角）と幅 (%) を選び、サンプル数と乱数の種を決めて&lt;b&gt;実行&lt;/b&gt;すると、ばらつかせた多数のケースを裏で計算します（&lt;b&gt;中止&lt;/b&gt;で止められます）。湾内平均水温の分布、セルごとの P5–P95、一つずつ端に置いたときの平均水温が図になり、結果あり・不安定・計算不可・入力拒否のサンプル数が示されます。&lt;/p&gt;&lt;p&gt;同じ種からは、どのコンピューターでも同じサンプルになります。&lt;b&gt;CSVで保存…&lt;/b&gt;でサンプルを、&lt;b&gt;画像を保存…&lt;/b&gt;で図を保存します。ケースが変わると、前の結果は古いものとして示されます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;View → Uncertainty…: choose a distribution (uniform, normal or triangular) and a width (%) for each basic condition, the number of samples and the seed, and press &lt;b&gt;Run&lt;/b&gt;: many varied cases are calculated in the background (&lt;b&gt;Cancel&lt;/b&gt; stops them). Charts show the distribution of the bay mean temperature, P5–P95 for each cell and the bay mean with one input at each end, with how many samples gave a result, were unstable, could not be calculated or had a value refused.&lt;/p&gt;&lt;p&gt;The same seed gives the same samples on every computer. &lt;b&gt;Save as CSV…&lt;/b&gt; saves the samples, &lt;b&gt;Save image…&lt;/b&gt; the charts. Once the case changes, the earlier result is marked as stale.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="255"/>
        <source>&lt;p&gt;計算のたびに、条件、指標、結果の26行の報告書が次のファイルに書かれます（コードページ932 (Shift_JIS)、改行 CR LF）：&lt;br&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;表示 → 報告書 (Ctrl+R) は、このファイルを等幅の文字で表示します（書き換えはできません）。&lt;b&gt;コピー&lt;/b&gt;で本文をクリップボードに写します。開いている間は計算のたびに読み直します。まだ計算していないときや読めないときは、そう表示します。&lt;/p&gt;</source>
        <translation>&lt;p&gt;Every calculation writes a 26-line report of the conditions, the indices and the result to this file (code page 932 (Shift_JIS), CR LF line ends):&lt;br&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;View → Report (Ctrl+R) shows this file in a fixed-pitch font; it cannot be edited. &lt;b&gt;Copy&lt;/b&gt; puts its text on the clipboard. While open, it reads the file again after every calculation. Before the first calculation, or when the file cannot be read, it says so.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="146"/>
        <source>&lt;p&gt;計算の前にも、湾口部の流速が大きすぎると「流量等の入力制限」の注意が出ます（計算は続きます）。時間ステップが0分になる、ステップ数が多すぎるなど、計算できない条件のときは理由と直し方を示して計算しません。&lt;/p&gt;</source>
        <translation>&lt;p&gt;When a calculation starts, a mouth velocity that is too high brings the &quot;Inflow limit&quot; warning (the calculation goes on). Conditions that cannot be calculated, such as a time step of 0 minutes or far too many steps, are not run: a message says why and what to change.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="70"/>
        <source>ケースファイルやコマンドラインで一覧にない値</source>
        <translation>a value not in the list, in a case file or on the command line</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="110"/>
        <source>&lt;p&gt;閉鎖性海域（湾）の平均水温を、湾を湾奥から湾口まで5つの箱（セル）に分け、外海を加えた簡易計算モデルで求めます。&lt;/p&gt;&lt;p&gt;&lt;b&gt;基本条件&lt;/b&gt;：白い欄に湾面積 (km2)、平均水深 (m)、湾口部長さ (km)、外海水水温 (℃)、流入水水温 (℃)、流入水流量 (m3/秒) を入力します。黄色の欄は計算された値です：湾容積 (km3)、湾口部水深 (m、平均水深と同じ)、湾口部断面積 (km2)、流入負荷量 (℃・m3/秒)。&lt;/p&gt;&lt;p&gt;&lt;b&gt;基本条件の変更&lt;/b&gt;：湾口部断面積・流入水水温・流入水流量に掛ける倍率を一覧から選びます。一覧に見えている値が選ばれた値です。&lt;/p&gt;&lt;p&gt;&lt;b&gt;水質指標&lt;/b&gt;（入力のたびに更新）：滞留時間 (日) は湾容積÷流入水流量、閉鎖度は湾面積の平方根÷湾口部長さ（大きいほど閉じた湾）、流入負荷量÷湾容積 (℃/m3/日) は湾の水 1 m3 に 1 日で流入水が運び込む熱です。&lt;/p&gt;&lt;p&gt;&lt;b&gt;計算開始&lt;/b&gt;で湾内平均水温 (℃) を求め、図の5つの箱を各セルの最終水温の色で塗ります。箱にマウスを置くとそのセルの水温が、結果欄に置くと5つのセルの水温と落ち着く先（定常値）が表示されます。計算後に入力を変えると、結果は灰色になり再計算を促します。最初の計算の前に結果欄に見える値は初期水温で、計算結果ではないので、同じく灰色です。&lt;b&gt;デフォルトに戻す&lt;/b&gt;で最初の条件に戻ります（入力が最初の条件と違うときは、破棄してよいか確かめます）。&lt;b&gt;終了&lt;/b&gt;で閉じます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;Tidewell estimates the mean water temperature of an enclosed bay with a simple box model: the bay is divided into five well-mixed boxes (cells) from its head to its mouth, plus the outer sea.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Basic conditions&lt;/b&gt;: type the bay area (km2), mean depth (m), mouth length (km), sea temperature (℃), inflow temperature (℃) and inflow rate (m3/s) into the white fields. The yellow fields are calculated: bay volume (km3), mouth depth (m, the same as the mean depth), mouth section (km2) and inflow load (℃·m3/s).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Changing the basic conditions&lt;/b&gt;: pick the multipliers for the mouth section, the inflow temperature and the inflow rate from the lists. The entry a list shows is the one picked.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Indices&lt;/b&gt; (updated at every keystroke): the residence time (days) is the bay volume ÷ the inflow rate; the enclosure is the square root of the bay area ÷ the mouth length (the larger, the more closed the bay); the inflow load ÷ bay volume (℃/day) is the heat the inflow brings into each m3 of the bay in a day.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Calculate&lt;/b&gt; finds the bay mean temperature (℃) and paints the five boxes of the picture in the colours of their cells&apos; final temperatures. Hover over a box to see its cell&apos;s temperature, or over the result field to see all five cells and where each settles (its steady state). When an input changes after a calculation, the result turns grey until you calculate again. Before the first calculation the result field shows the start temperature, which is no result, so it is grey too. &lt;b&gt;Restore defaults&lt;/b&gt; goes back to the starting conditions (asking first when the inputs differ from them); &lt;b&gt;Quit&lt;/b&gt; closes the window.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="154"/>
        <source>&lt;p&gt;計算は裏で進み、その間もウィンドウは動きます。ただし結果が出るまでは、条件を変える操作（入力、一覧の選択、ケースを開く、デフォルトに戻す）はできません。&lt;/p&gt;&lt;p&gt;見込みの計算時間が約10秒を超えるときは、先に「計算時間の確認」で実行するかを尋ねます（既定はいいえ）。実行すると進み具合の窓が、ステップ数、割合、残り時間を示します。&lt;b&gt;中止&lt;/b&gt;を押すと計算を止め、結果と報告書は前のままです。計算中にウィンドウを閉じようとすると、計算を中止して閉じるかを尋ねます。&lt;/p&gt;&lt;p&gt;見込み時間は、起動時に測ったこのコンピューターの1ステップの時間（または1秒以上かかった最後の計算の速さ）×その計算のステップ数です。&lt;/p&gt;</source>
        <translation>&lt;p&gt;A calculation runs in the background and the window stays responsive, but until its result is shown nothing that would change the case can be done (typing, picking from a list, opening a case, restoring the defaults).&lt;/p&gt;&lt;p&gt;When a calculation is expected to take more than about ten seconds, &quot;Calculation time&quot; asks first whether to run it (the default is No). While it runs, a progress window shows the steps, the share done and the time left; &lt;b&gt;Cancel&lt;/b&gt; stops it, leaving the result and the report as they were. Closing the window during a calculation asks whether to stop it and close.&lt;/p&gt;&lt;p&gt;The expected time is this computer&apos;s time per step (measured at start-up, or the pace of the latest calculation that took a second or more) times the calculation&apos;s number of steps.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="168"/>
        <source>&lt;p&gt;計算は時間ステップごとに進む陽解法です。ステップがセル間の違いを増幅するとき（増幅率が1を超えるとき）、その増幅が計算期間のうちに、小数2桁で示す結果まで届きうるなら、計算は&lt;b&gt;不安定&lt;/b&gt;と判定されます。0 ℃の下限がそのような計算のセルを持ち上げたとき、セルの値が有限でなくなったときも同じです。このとき結果欄は「計算不安定」となり、湾口部長さを短くするか、流入水流量または湾面積を大きくするよう伝えます。報告書は書かれず、前のものが残ります。&lt;/p&gt;&lt;p&gt;増幅しないステップの計算は必ず結果を出します。外海と流入水が同じ水温の湾は変わらないので、不安定にはなりません。&lt;/p&gt;</source>
        <translation>&lt;p&gt;The calculation is explicit: it advances by time steps. It is judged &lt;b&gt;unstable&lt;/b&gt; when a step amplifies some difference between the cells (its amplification factor is above 1) and that growth could reach the result shown to two decimals within the calculated span; also when the 0 ℃ floor lifts a cell of such a calculation, or when a cell stops being a finite number. The result field then shows &quot;Unstable&quot;, and a message suggests shortening the mouth or raising the inflow rate or the bay area. No report is written; the previous one stays.&lt;/p&gt;&lt;p&gt;A calculation whose step does not amplify always gives its result, and a bay whose sea and inflow have the same temperature never changes, so it is never unstable.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="229"/>
        <source>&lt;p&gt;表示 → 逆算… (Ctrl+K)：一つの入力（基本条件、または一覧の倍率）を、湾内平均水温の目標値、または観測された一部のセルの水温に合うように求めます。&lt;b&gt;求める入力&lt;/b&gt;を選び、目標の平均水温か観測水温（空欄は未観測）を入れて&lt;b&gt;計算&lt;/b&gt;を押します。計算は裏で進み、&lt;b&gt;中止&lt;/b&gt;で止められます。&lt;/p&gt;&lt;p&gt;答えとして、値、入力する文字（基本条件）または最も近い一覧の値とその平均水温（倍率）、セルごとの観測値と計算値、誤差、バイアス、RMS が出ます。&lt;b&gt;適用&lt;/b&gt;で、その文字を入力するか一覧の値を選びます。答えのないときは理由を示します。&lt;/p&gt;</source>
        <translation>&lt;p&gt;View → Calibration… (Ctrl+K): finds the value of one input (a basic condition or a list&apos;s multiplier) that matches a target bay mean temperature, or the temperatures observed in some of the cells. Choose the &lt;b&gt;Input to solve for&lt;/b&gt;, enter the target mean or the observed temperatures (blank: not measured) and press &lt;b&gt;Calculate&lt;/b&gt;. The search runs in the background; &lt;b&gt;Cancel&lt;/b&gt; stops it.&lt;/p&gt;&lt;p&gt;The answer gives the value, the text to type (a basic condition) or the nearest list entry with its bay mean (a multiplier), and the observed against the computed temperature of each cell with the error, bias and RMS. &lt;b&gt;Apply&lt;/b&gt; types the text or picks the entry. When there is no answer, the window says why.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="267"/>
        <source>&lt;ul&gt;&lt;li&gt;報告書：プログラムを起動したフォルダーの &lt;tt&gt;%1&lt;/tt&gt;。計算のたびに上書きされます。&lt;/li&gt;&lt;li&gt;ケースファイル、CSV ファイル、画像：保存するときに選んだ場所。保存の窓は、開いているケースファイルと同じフォルダーに、ケースの名前から作った名前（&lt;tt&gt;bay.tidewell&lt;/tt&gt; なら &lt;tt&gt;bay-series.csv&lt;/tt&gt;、&lt;tt&gt;bay-sweep.csv&lt;/tt&gt;、&lt;tt&gt;bay.png&lt;/tt&gt; など）を提案します。&lt;/li&gt;&lt;li&gt;設定（最近使ったファイル）：&lt;tt&gt;%2&lt;/tt&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Report: &lt;tt&gt;%1&lt;/tt&gt;, in the folder the program was started from; every calculation replaces it.&lt;/li&gt;&lt;li&gt;Case files, CSV files and images: wherever you save them. A save dialog proposes the folder of the open case file and a name made from the case&apos;s (for &lt;tt&gt;bay.tidewell&lt;/tt&gt;: &lt;tt&gt;bay-series.csv&lt;/tt&gt;, &lt;tt&gt;bay-sweep.csv&lt;/tt&gt;, &lt;tt&gt;bay.png&lt;/tt&gt;, ...).&lt;/li&gt;&lt;li&gt;Settings (the recent files): &lt;tt&gt;%2&lt;/tt&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="280"/>
        <source>&lt;p&gt;&lt;tt&gt;tidewell-cli&lt;/tt&gt; は、同じ操作をウィンドウと同じモデルで行い、同じ報告書を書きます。入力は欄に入力する文字のとおり、倍率は一覧の値で指定します。例：&lt;/p&gt;&lt;pre&gt;tidewell-cli                                   # 最初の条件
tidewell-cli --bay-area 500 --inflow-factor 2.0
tidewell-cli --case bay.tidewell --json --report /tmp/r.txt
tidewell-cli --case bay.tidewell --series bay-series.csv
tidewell-cli --solve-for inflow-factor --target 17.5&lt;/pre&gt;&lt;p&gt;終了状態は、0 が計算済み、2 が入力の拒否かコマンドラインの誤り、3 が結果なし（不安定・計算できない）、4 が報告書を書けなかったときです。&lt;tt&gt;tidewell-cli --help&lt;/tt&gt; がすべてのオプションを示します。ウィンドウの言語は &lt;tt&gt;tidewell --lang ja&lt;/tt&gt; または &lt;tt&gt;--lang en&lt;/tt&gt; で選べます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;tt&gt;tidewell-cli&lt;/tt&gt; does the same from a terminal with the same model as the window, and writes the same report. Inputs are given as the texts you would type into their fields, multipliers as list entries. Examples:&lt;/p&gt;&lt;pre&gt;tidewell-cli                                   # the starting conditions
tidewell-cli --bay-area 500 --inflow-factor 2.0
tidewell-cli --case bay.tidewell --json --report /tmp/r.txt
tidewell-cli --case bay.tidewell --series bay-series.csv
tidewell-cli --solve-for inflow-factor --target 17.5&lt;/pre&gt;&lt;p&gt;The exit status is 0 when the calculation is done, 2 when an input is refused or the command line is wrong, 3 when there is no result (unstable, or it cannot be calculated) and 4 when the report could not be written. &lt;tt&gt;tidewell-cli --help&lt;/tt&gt; lists every option. The window&apos;s language is chosen with &lt;tt&gt;tidewell --lang ja&lt;/tt&gt; or &lt;tt&gt;--lang en&lt;/tt&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="302"/>
        <source>オプション</source>
        <translation>Option</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="302"/>
        <source>入力</source>
        <translation>Input</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="303"/>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="303"/>
        <source>受け付ける値</source>
        <translation>Accepted values</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="304"/>
        <source>最初の値</source>
        <translation>Default</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="305"/>
        <source>受け付けないときのメッセージ</source>
        <translation>Message when refused</translation>
    </message>
    <message>
        <location filename="../src/window/GuideText.cpp" line="316"/>
        <source>&lt;h2&gt;Tidewell の使い方&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Using Tidewell&lt;/h2&gt;</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <location filename="../src/window/HelpDialog.cpp" line="23"/>
        <source>使い方 - Tidewell</source>
        <translation>User guide - Tidewell</translation>
    </message>
    <message>
        <location filename="../src/window/HelpDialog.cpp" line="72"/>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../src/window/HelpDialog.cpp" line="50"/>
        <source>&lt;h3&gt;Tidewell Ver110&lt;/h3&gt;&lt;p&gt;閉鎖性海域水温計算（簡易計算モデル）&lt;/p&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;MIT ライセンス (MIT License)&lt;br&gt;Copyright (c) Tidewell developers&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tidewell Ver110&lt;/h3&gt;&lt;p&gt;Water temperature of an enclosed bay (simple box model)&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;MIT License&lt;br&gt;Copyright (c) Tidewell developers&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/window/MainWindowMenus.cpp" line="27"/>
        <source>Tidewell ケース (*.tidewell)</source>
        <translation>Tidewell case (*.tidewell)</translation>
    </message>
    <message>
        <location filename="../src/window/MainWindowMenus.cpp" line="92"/>
        <source>ケースを開く</source>
        <translation>Open Case</translation>
    </message>
    <message>
        <location filename="../src/window/MainWindowMenus.cpp" line="105"/>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location filename="../src/window/MainWindowMenus.cpp" line="123"/>
        <source>結果をCSVで保存</source>
        <translation>Export Results as CSV</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="32"/>
        <source>開く(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="34"/>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="36"/>
        <source>名前を付けて保存(&amp;A)…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="38"/>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="40"/>
        <source>結果をCSVで保存(&amp;E)…</source>
        <translation>&amp;Export Results as CSV…</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="49"/>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="51"/>
        <source>時系列グラフ(&amp;G)</source>
        <translation>Time Series &amp;Graph</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="53"/>
        <source>感度分析(&amp;S)…</source>
        <translation>&amp;Sensitivity Analysis…</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="30"/>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="43"/>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="55"/>
        <source>逆算(&amp;C)…</source>
        <translation>&amp;Calibration…</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="57"/>
        <source>不確かさ(&amp;U)…</source>
        <translation>&amp;Uncertainty…</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="60"/>
        <source>報告書(&amp;R)</source>
        <translation>&amp;Report</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="65"/>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="67"/>
        <source>使い方(&amp;U)</source>
        <translation>&amp;User guide</translation>
    </message>
    <message>
        <location filename="../src/window/MenuBar.cpp" line="69"/>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="17"/>
        <location filename="../src/case/MessageCatalog.cpp" line="111"/>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="18"/>
        <source>計算終了です！</source>
        <translation>Calculation finished!</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="19"/>
        <source>計算結果(湾内平均水温)
%1(℃)</source>
        <translation>Result (mean bay water temperature)
%1(℃)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="20"/>
        <source>計算中止</source>
        <translation>Calculation cancelled</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="21"/>
        <source>計算を中止しました。
結果とレポートファイルは前のままです</source>
        <translation>The calculation was cancelled.
The result and the report file are unchanged.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="22"/>
        <source>レポート出力エラー</source>
        <translation>Report error</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="23"/>
        <source>レポートファイル「%1」を書き込めませんでした。
%2</source>
        <translation>Could not write the report file &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="24"/>
        <source>計算時間の確認</source>
        <translation>Calculation time</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="25"/>
        <source>計算に%1かかる見込みです。
実行しますか？</source>
        <translation>The calculation is expected to take %1.
Run it?</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="26"/>
        <location filename="../src/case/MessageCatalog.cpp" line="30"/>
        <source>計算が不安定です</source>
        <translation>Unstable calculation</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="27"/>
        <source>計算が不安定になり、水温を求められませんでした。
湾口部長さを短くするか、流入水流量を大きくしてください</source>
        <translation>The calculation became unstable; no temperature was found.
Shorten the mouth length or raise the inflow rate.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="31"/>
        <source>計算が不安定になり、水温を求められませんでした。
湾口部長さを短くするか、湾面積を大きくしてください</source>
        <translation>The calculation became unstable; no temperature was found.
Shorten the mouth length or enlarge the bay area.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="34"/>
        <location filename="../src/case/MessageCatalog.cpp" line="38"/>
        <location filename="../src/case/MessageCatalog.cpp" line="42"/>
        <location filename="../src/case/MessageCatalog.cpp" line="48"/>
        <location filename="../src/case/MessageCatalog.cpp" line="161"/>
        <source>計算できません</source>
        <translation>Cannot calculate</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="35"/>
        <source>時間ステップが0分になるため計算できません。
流入水流量を小さくするか湾口部断面積を大きくしてください</source>
        <translation>Cannot calculate: the time step would be 0 minutes.
Lower the inflow rate or enlarge the mouth section.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="39"/>
        <source>計算ステップ数が多すぎるため計算できません。
湾面積・水深を小さくするか流入水流量を大きくしてください</source>
        <translation>Cannot calculate: too many steps.
Reduce the bay area or the depth, or raise the inflow rate.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="43"/>
        <source>条件の値が大きすぎるか小さすぎるため計算できません。
基本条件を見直してください</source>
        <translation>Cannot calculate: a condition is too large or too small.
Check the basic conditions.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="46"/>
        <source>流量等の入力制限</source>
        <translation>Inflow limit</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="47"/>
        <source>流入水流量を小さくするか湾口部断面積を大きくしてください</source>
        <translation>Lower the inflow rate or enlarge the mouth section.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="49"/>
        <source>湾口部断面積が0になるため計算できません。
湾口部長さを大きくしてください</source>
        <translation>Cannot calculate: the mouth section would be 0.
Lengthen the mouth.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="52"/>
        <source>計算ステップ数の制限</source>
        <translation>Step limit</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="53"/>
        <source>計算ステップ数 %1 が上限 %2 を超えるため計算しません</source>
        <translation>The calculation needs %1 steps, more than the limit of %2, so it is not run.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="54"/>
        <location filename="../src/case/MessageCatalog.cpp" line="57"/>
        <source>計算中</source>
        <translation>Calculating</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="55"/>
        <source>計算中は条件を変更できません。
計算が終わるか中止してから操作してください</source>
        <translation>The conditions cannot be changed during a calculation.
Wait until it ends, or stop it first.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="58"/>
        <source>計算中です。
計算を中止して閉じますか？</source>
        <translation>A calculation is running.
Stop it and close?</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="59"/>
        <location filename="../src/case/MessageCatalog.cpp" line="63"/>
        <location filename="../src/case/MessageCatalog.cpp" line="73"/>
        <location filename="../src/case/MessageCatalog.cpp" line="75"/>
        <location filename="../src/case/MessageCatalog.cpp" line="77"/>
        <source>逆算できません</source>
        <translation>No answer</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="60"/>
        <source>目標の湾内平均水温 %1(℃) は、%2を %3 から %4 まで変えて得られる範囲 %5 ～ %6(℃) の外にあります</source>
        <translation>%2 from %3 to %4 gives bay means of %5 to %6 ℃; the target %1 ℃ lies outside them.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="64"/>
        <source>観測水温に最も近いのは%1の範囲 %2 ～ %3 の端 %4 です。
この範囲の湾内平均水温は %5 ～ %6(℃) です</source>
        <translation>%1 from %2 to %3: the observed temperatures are matched best at its end, %4.
Over this range the bay mean is %5 to %6 ℃.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="67"/>
        <location filename="../src/case/MessageCatalog.cpp" line="71"/>
        <source>逆算の答えが一つに決まりません</source>
        <translation>No single answer</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="68"/>
        <source>%1を %2 から %3 まで変えても湾内平均水温は %4 ～ %5(℃) でほとんど変わりません</source>
        <translation>%1 from %2 to %3 hardly changes the bay mean (%4 to %5 ℃).</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="72"/>
        <source>目標に合う%1が複数あります（%2 付近）</source>
        <translation>%1: several values meet the target (near %2).</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="74"/>
        <source>%1が %2 のとき計算結果が得られません</source>
        <translation>%1 at %2: the calculation gives no result.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="76"/>
        <source>%1が %2 のとき計算結果が得られません
%3: %4</source>
        <translation>%1 at %2: the calculation gives no result.
%3: %4</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="78"/>
        <source>湾内平均水温は%1が %2 付近で目標 %3(℃) を跳び越えます</source>
        <translation>%1 near %2: the bay mean jumps past the target %3 ℃.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="79"/>
        <location filename="../src/case/MessageCatalog.cpp" line="81"/>
        <location filename="../src/case/MessageCatalog.cpp" line="83"/>
        <source>逆算の目標</source>
        <translation>Calibration target</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="80"/>
        <source>目標の湾内平均水温「%1」は数値ではありません</source>
        <translation>The target bay mean &quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="82"/>
        <source>セル%1の観測水温「%2」は数値ではありません</source>
        <translation>The observed temperature of cell %1, &quot;%2&quot;, is not a number.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="84"/>
        <source>観測水温を一つ以上入力してください</source>
        <translation>Enter at least one observed temperature.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="85"/>
        <source>%1の倍率</source>
        <translation>%1 multiplier</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="86"/>
        <source>ばらつき指定エラー</source>
        <translation>Spread file error</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="87"/>
        <source>ばらつきの指定ファイル「%1」を使えません。
%2</source>
        <translation>The spread file &quot;%1&quot; cannot be used.
%2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="88"/>
        <source>JSON のオブジェクトとして読めません</source>
        <translation>Not readable as a JSON object</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="90"/>
        <source>キー「%1」は基本条件の名前ではありません</source>
        <translation>The key &quot;%1&quot; is not the name of a basic condition</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="92"/>
        <source>「%1」には「dist」と「percent」を指定してください</source>
        <translation>Give &quot;dist&quot; and &quot;percent&quot; for &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="93"/>
        <source>「%1」に知らないキー「%2」があります</source>
        <translation>&quot;%1&quot; has an unknown key &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="95"/>
        <source>「%1」の分布「%2」は uniform、normal、triangular のどれでもありません</source>
        <translation>The distribution %2 of &quot;%1&quot; is none of uniform, normal, triangular</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="98"/>
        <source>「%1」の「percent」は 0 以上の数にしてください（%2）</source>
        <translation>The &quot;percent&quot; of &quot;%1&quot; must be a number, 0 or more (%2)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="99"/>
        <source>湾面積の入力制限</source>
        <translation>Bay area limit</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="100"/>
        <source>湾面積は1km2以上にしてください。</source>
        <translation>The bay area must be at least 1 km2.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="101"/>
        <source>水深の入力制限</source>
        <translation>Depth limit</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="102"/>
        <source>水深は1m以上にしてください</source>
        <translation>The depth must be at least 1 m.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="103"/>
        <source>湾口部長さの入力制限</source>
        <translation>Mouth length limit</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="104"/>
        <source>湾口部長さは0にしないでください</source>
        <translation>The mouth length must not be 0.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="105"/>
        <source>外海水の水温</source>
        <translation>Sea water temperature</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="106"/>
        <location filename="../src/case/MessageCatalog.cpp" line="108"/>
        <source>数値を入力してください</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="107"/>
        <source>流入水の水温</source>
        <translation>Inflow temperature</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="109"/>
        <source>流量の入力制限</source>
        <translation>Inflow rate limit</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="110"/>
        <source>流入水の流量は0にしないでください</source>
        <translation>The inflow rate must not be 0.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="112"/>
        <source>%2の値から計算される量が大きすぎて扱えません。
値を見直してください</source>
        <translation>%2: a quantity computed from this value is too large to handle.
Check the value.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="114"/>
        <source>倍率の指定</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="115"/>
        <source>「%1」は%2の倍率にありません。
%3 から選んでください</source>
        <translation>%2 multiplier: &quot;%1&quot; is not in the list.
Choose one of %3.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="116"/>
        <source>ケースを開けません</source>
        <translation>Cannot open the case</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="117"/>
        <source>ケースファイル「%1」を開けません。
%2</source>
        <translation>Cannot open the case file &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="118"/>
        <source>ケースの保存エラー</source>
        <translation>Case save error</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="119"/>
        <source>ケースファイル「%1」を書き込めませんでした。
%2</source>
        <translation>Could not write the case file &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="120"/>
        <source>CSV出力</source>
        <translation>CSV export</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="121"/>
        <source>保存する計算結果がありません。
先に計算開始を押してください</source>
        <translation>There is no result to save.
Press Calculate first.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="122"/>
        <source>CSV出力エラー</source>
        <translation>CSV export error</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="123"/>
        <source>ファイル「%1」を書き込めませんでした。
%2</source>
        <translation>Could not write the file &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="124"/>
        <location filename="../src/case/MessageCatalog.cpp" line="126"/>
        <source>変更の保存</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="125"/>
        <source>「%1」への変更を保存しますか？
保存しないと変更は失われます</source>
        <translation>Save the changes to &quot;%1&quot;?
Changes not saved will be lost.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="127"/>
        <source>入力した条件を保存しますか？
保存しないと入力は失われます</source>
        <translation>Save the conditions you entered?
They are lost if you do not save them.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="128"/>
        <source>ファイルがありません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="129"/>
        <source>ケースファイル「%1」が見つかりません。
最近使ったファイルから外しました</source>
        <translation>The case file &quot;%1&quot; was not found.
It was removed from the recent files.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="131"/>
        <source>画像保存エラー</source>
        <translation>Image save error</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="132"/>
        <source>画像ファイル「%1」を保存できませんでした。
%2</source>
        <translation>Could not save the image file &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="133"/>
        <location filename="../src/case/MessageCatalog.cpp" line="135"/>
        <location filename="../src/case/MessageCatalog.cpp" line="210"/>
        <source>CSV保存エラー</source>
        <translation>CSV save error</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="134"/>
        <source>感度分析の計算が終わっていないため、保存できません。</source>
        <translation>The sensitivity runs have not finished; nothing to save yet.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="136"/>
        <source>CSVファイル「%1」を保存できませんでした。
%2</source>
        <translation>Could not save the CSV file &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="137"/>
        <source>キー「%1」がありません</source>
        <translation>The key &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="138"/>
        <source>「%1」は文字列でなければなりません</source>
        <translation>&quot;%1&quot; must be a string</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="140"/>
        <source>「%1」は文字列か null でなければなりません</source>
        <translation>&quot;%1&quot; must be a string or null</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="141"/>
        <source>「%1」の「%2」は一覧にありません</source>
        <translation>&quot;%2&quot; of &quot;%1&quot; is not in the list</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="142"/>
        <source>JSON として読めません</source>
        <translation>Not readable as JSON</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="143"/>
        <source>入れ子が深すぎます</source>
        <translation>Nested too deeply</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="144"/>
        <source>Tidewell のケースファイルではありません</source>
        <translation>Not a Tidewell case file</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="207"/>
        <source>結果あり %1 件、不安定 %2 件、計算不可 %3 件、入力拒否 %4 件</source>
        <translation>With a result: %1, unstable: %2, not calculable: %3, input refused: %4</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="209"/>
        <source>ケースが実行後に変更されています。実行で再計算してください</source>
        <translation>The case changed after this run. Press Run to recalculate.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="211"/>
        <source>不確かさの計算が終わっていないため、保存できません。</source>
        <translation>The uncertainty run has not finished, so there is nothing to save.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="212"/>
        <source>引用符の位置が正しくありません</source>
        <translation>A quote is in the wrong place</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="213"/>
        <source>引用符の後に文字があります</source>
        <translation>There is text after a closing quote</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="214"/>
        <source>引用符が閉じていません</source>
        <translation>A quote is not closed</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="215"/>
        <source>1行が長すぎます（1 MiBまで）</source>
        <translation>A line is too long (1 MiB at most)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="216"/>
        <source>一括計算の表を使えません</source>
        <translation>The batch table cannot be used</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="217"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="218"/>
        <source>見出し行（ファイル%1行目）: %2</source>
        <translation>Header (file line %1): %2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="230"/>
        <source>湾内の初期水温です。計算結果ではありません。計算開始で計算してください</source>
        <translation>This is the bay&apos;s start temperature, not a result. Press Calculate to get one.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="232"/>
        <source>デフォルトに戻す</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="233"/>
        <source>入力した条件をすべて破棄してデフォルトに戻しますか？
破棄した入力は元に戻せません</source>
        <translation>Discard every input and restore the defaults?
Discarded inputs cannot be recovered.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="236"/>
        <source>データ%1行目（ファイル%2行目）: %3</source>
        <translation>Data row %1 (file line %2): %3</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="238"/>
        <source>データ%1行目のセルが%2個あります。見出しは%3個です</source>
        <translation>Data row %1 has %2 cells; the header has %3</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="242"/>
        <source>報告書がありません</source>
        <translation>No report</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="243"/>
        <source>報告書「%1」はまだありません。
計算開始を押すと、計算の結果がこのファイルに書かれます</source>
        <translation>There is no report &quot;%1&quot; yet.
Press Calculate: the calculation writes its results to this file.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="247"/>
        <source>報告書を表示できません</source>
        <translation>Cannot show the report</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="248"/>
        <source>報告書「%1」を表示できません。
%2</source>
        <translation>Cannot show the report &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="250"/>
        <source>コードページ932の文字として読めないバイトがあります</source>
        <translation>It holds bytes that are not code page 932 text</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="251"/>
        <source>通常のファイルではありません</source>
        <translation>It is not a regular file</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="219"/>
        <source>列名を並べた見出し行がありません</source>
        <translation>There is no header line naming the columns</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="221"/>
        <source>列「%1」は入力項目の名前ではありません</source>
        <translation>Column &quot;%1&quot; is not the name of an input</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="222"/>
        <source>列「%1」が2回あります</source>
        <translation>Column &quot;%1&quot; is given twice</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="224"/>
        <source>データ%1行目（ファイル%2行目）のセルが%3個あります。見出しは%4個です</source>
        <translation>Data row %1 (file line %2) has %3 cells; the header has %4</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="226"/>
        <source>入力できない文字</source>
        <translation>Characters that cannot be entered</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="227"/>
        <source>列「%1」にUTF-8として読めないバイトかNUL文字があります</source>
        <translation>Column &quot;%1&quot; holds bytes that are not UTF-8, or a NUL character</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="228"/>
        <source>→ はい（自動で回答しました）</source>
        <translation>→ Yes (answered automatically)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="239"/>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="240"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="241"/>
        <source>%1&#x3000;%2&#x3000;%3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="89"/>
        <location filename="../src/case/MessageCatalog.cpp" line="145"/>
        <source>キー「%1」が二度あります</source>
        <translation>The key &quot;%1&quot; appears twice</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="146"/>
        <source>「version」は整数でなければなりません</source>
        <translation>&quot;version&quot; must be an integer</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="148"/>
        <source>版 %1 のケースファイルには対応していません</source>
        <translation>Case files of version %1 are not supported</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="149"/>
        <source>知らないキー「%1」があります</source>
        <translation>Unknown key &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="150"/>
        <source>「%1」の「%2」を受け付けません（%3: %4）</source>
        <translation>&quot;%2&quot; is not accepted for &quot;%1&quot; (%3: %4)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="151"/>
        <source>ファイルが大きすぎます</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="152"/>
        <source>ファイルまたはフォルダーがありません</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="153"/>
        <source>アクセスが許可されていません</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="154"/>
        <source>フォルダーです</source>
        <translation>It is a folder</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="155"/>
        <source>ディスクに空きがありません</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="156"/>
        <source>読み出し専用のファイルシステムです</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="157"/>
        <source>コードページ932の変換を開けません</source>
        <translation>Cannot open the code page 932 conversion</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="158"/>
        <source>文字をコードページ932に変換できません</source>
        <translation>A character cannot be converted to code page 932</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="159"/>
        <source>内容を書き出せませんでした</source>
        <translation>Could not write the contents</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="160"/>
        <source>計算不安定</source>
        <translation>Unstable</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="162"/>
        <source>計算中です&#x3000;%1 / %2 ステップ（%3%）
%4</source>
        <translation>Calculating: %1 / %2 steps (%3%)
%4</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="163"/>
        <source>残り時間を見積もっています</source>
        <translation>estimating the time left</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="164"/>
        <source>残り%1</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="165"/>
        <source>約%1日%2時間</source>
        <translation>about %1 d %2 h</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="166"/>
        <source>約%1日</source>
        <translation>about %1 d</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="167"/>
        <source>約%1時間%2分</source>
        <translation>about %1 h %2 min</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="168"/>
        <source>約%1時間</source>
        <translation>about %1 h</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="169"/>
        <source>約%1分%2秒</source>
        <translation>about %1 min %2 s</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="170"/>
        <source>約%1分</source>
        <translation>about %1 min</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="171"/>
        <source>約%1秒</source>
        <translation>about %1 s</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="172"/>
        <source>セル%1：%2℃</source>
        <translation>Cell %1: %2 ℃</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="173"/>
        <source>セル%1 %2 ℃（定常 %3 ℃）</source>
        <translation>Cell %1 %2 ℃ (steady %3 ℃)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="175"/>
        <source>入力が計算後に変更されています。計算開始で再計算してください</source>
        <translation>The inputs changed after the calculation. Press Calculate to recalculate.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="176"/>
        <source>経過日数（日）</source>
        <translation>Elapsed time (days)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="177"/>
        <source>水温（℃）</source>
        <translation>Water temperature (℃)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="179"/>
        <source>計算結果がありません。計算開始を押してください。</source>
        <translation>No result yet. Press Calculate.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="181"/>
        <source>この条件では計算できませんでした。基本条件を見直してください。</source>
        <translation>These conditions could not be calculated. Check the basic conditions.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="184"/>
        <source>計算を中止しました。中止までの経過を表示しています。</source>
        <translation>The calculation was cancelled; the course up to then is shown.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="186"/>
        <source>計算が不安定になる条件のため、計算しませんでした。</source>
        <translation>The calculation would be unstable with these conditions, so it was not run.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="188"/>
        <source>計算が不安定になったため、第%1日で停止しました。</source>
        <translation>The calculation became unstable and stopped on day %1.</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="189"/>
        <source>セル1（湾奥）</source>
        <translation>Cell 1 (bay head)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="190"/>
        <source>セル5（湾口）</source>
        <translation>Cell 5 (mouth)</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="191"/>
        <source>セル%1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="192"/>
        <source>セル%1 定常</source>
        <translation>Cell %1 steady</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="193"/>
        <source>外海水温</source>
        <translation>Sea temperature</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="194"/>
        <source>流入水温</source>
        <translation>Inflow temperature</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="195"/>
        <source>%1&#x3000;%2日&#x3000;%3℃</source>
        <translation>%1   day %2   %3℃</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="196"/>
        <source>湾面積</source>
        <translation>Bay area</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="197"/>
        <source>平均水深</source>
        <translation>Mean depth</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="198"/>
        <source>湾口部長さ</source>
        <translation>Bay-mouth length</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="199"/>
        <source>外海水水温</source>
        <translation>Outer-sea temperature</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="200"/>
        <source>湾口部断面積</source>
        <translation>Mouth section</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="201"/>
        <source>流入水水温</source>
        <translation>Inflow temperature</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="202"/>
        <source>流入水流量</source>
        <translation>Inflow rate</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="203"/>
        <source>不安定</source>
        <translation>Unstable</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="204"/>
        <source>計算不可</source>
        <translation>Not calculable</translation>
    </message>
    <message>
        <location filename="../src/case/MessageCatalog.cpp" line="205"/>
        <source>未計算</source>
        <translation>Not run</translation>
    </message>
</context>
<context>
    <name>QtMessageSink</name>
    <message>
        <location filename="../src/window/QtMessageSink.cpp" line="54"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../src/window/QtMessageSink.cpp" line="56"/>
        <source>保存しない</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <location filename="../src/window/QtMessageSink.cpp" line="58"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../src/window/ReportViewer.cpp" line="32"/>
        <source>報告書 - Tidewell</source>
        <translation>Report - Tidewell</translation>
    </message>
    <message>
        <location filename="../src/window/ReportViewer.cpp" line="53"/>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>RunProgressDialog</name>
    <message>
        <location filename="../src/window/RunProgressDialog.cpp" line="56"/>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <location filename="../src/window/ProposedName.cpp" line="26"/>
        <source>PNG 画像 (*.png);;SVG 画像 (*.svg)</source>
        <translation>PNG image (*.png);;SVG image (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/window/ProposedName.cpp" line="27"/>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
</context>
<context>
    <name>SeriesChartWindow</name>
    <message>
        <location filename="../src/window/SeriesChartWindow.cpp" line="83"/>
        <source>時系列グラフ - Tidewell</source>
        <translation>Time series - Tidewell</translation>
    </message>
    <message>
        <location filename="../src/window/SeriesChartWindow.cpp" line="103"/>
        <source>全体表示</source>
        <translation>Whole run</translation>
    </message>
    <message>
        <location filename="../src/window/SeriesChartWindow.cpp" line="105"/>
        <source>計算期間の全体を表示します (Home、グラフをダブルクリック)</source>
        <translation>Shows the whole run again (Home, or double-click the chart)</translation>
    </message>
    <message>
        <location filename="../src/window/SeriesChartWindow.cpp" line="108"/>
        <source>画像を保存…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <location filename="../src/window/SeriesChartWindow.cpp" line="110"/>
        <source>グラフをPNGまたはSVGで保存します (Ctrl+S)</source>
        <translation>Saves the chart as PNG or SVG (Ctrl+S)</translation>
    </message>
    <message>
        <location filename="../src/window/SeriesChartWindow.cpp" line="202"/>
        <source>画像を保存</source>
        <translation>Save image</translation>
    </message>
</context>
<context>
    <name>SweepDialog</name>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="76"/>
        <source>感度分析</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="88"/>
        <source>凡例と同じ（2 ℃ごと）</source>
        <translation>As the legend (2 ℃ steps)</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="90"/>
        <source>表の最低～最高</source>
        <translation>Table minimum to maximum</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="108"/>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="110"/>
        <source>CSVで保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="112"/>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="116"/>
        <source>固定する条件</source>
        <translation>Condition held</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="118"/>
        <source>倍率</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="121"/>
        <source>色分け</source>
        <translation>Colours</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="215"/>
        <source>湾内平均水温(℃)&#x3000;縦：%1の倍率&#x3000;横：%2の倍率&#x3000;（%3 ×%4）</source>
        <translation>Bay mean temp. (℃)   Rows: %1 multiplier   Columns: %2 multiplier   (%3 ×%4)</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="232"/>
        <source>白 %1 ℃ ～ 赤 %2 ℃</source>
        <translation>white %1 ℃ to red %2 ℃</translation>
    </message>
    <message>
        <location filename="../src/window/SweepDialog.cpp" line="265"/>
        <source>CSVで保存</source>
        <translation>Save as CSV</translation>
    </message>
</context>
<context>
    <name>UncertaintyDialog</name>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="41"/>
        <source>一様</source>
        <translation>Uniform</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="43"/>
        <source>正規</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="45"/>
        <source>三角</source>
        <translation>Triangular</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="49"/>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="116"/>
        <source>不確かさ</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="121"/>
        <source>条件</source>
        <translation>Condition</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="123"/>
        <source>分布</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="125"/>
        <source>幅 (%)</source>
        <translation>Width (%)</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="140"/>
        <source>一様・三角は±の幅、正規は標準偏差</source>
        <translation>Uniform and triangular: ± half width; normal: standard deviation</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="157"/>
        <location filename="../src/window/UncertaintyDialog.cpp" line="361"/>
        <source>サンプル数</source>
        <translation>Samples</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="160"/>
        <source>乱数の種</source>
        <translation>Seed</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="165"/>
        <source>実行</source>
        <translation>Run</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="167"/>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="170"/>
        <source>CSVで保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="173"/>
        <source>画像を保存…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="176"/>
        <source>グラフをPNGまたはSVGで保存します</source>
        <translation>Saves the charts as PNG or SVG</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="178"/>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="331"/>
        <source>（中止）</source>
        <translation> (cancelled)</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="335"/>
        <source>分布を選んで実行してください。</source>
        <translation>Choose the distributions and press Run.</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="344"/>
        <source>湾内平均水温の分布</source>
        <translation>Distribution of the bay mean temperature</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="360"/>
        <location filename="../src/window/UncertaintyDialog.cpp" line="475"/>
        <source>湾内平均水温 (℃)</source>
        <translation>Bay mean temperature (℃)</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="377"/>
        <source>サンプル</source>
        <translation>Samples</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="386"/>
        <location filename="../src/window/UncertaintyDialog.cpp" line="437"/>
        <location filename="../src/window/UncertaintyDialog.cpp" line="501"/>
        <source>単独計算</source>
        <translation>Single run</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="406"/>
        <source>区画ごとの P5–P95</source>
        <translation>P5–P95 by cell</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="424"/>
        <source>区画</source>
        <translation>Cell</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="429"/>
        <source>水温 (℃)</source>
        <translation>Water temperature (℃)</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="460"/>
        <source>一つずつ端に置いたときの湾内平均水温</source>
        <translation>Bay mean with one input at each end</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="491"/>
        <source>下端</source>
        <translation>Low end</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="495"/>
        <source>上端</source>
        <translation>High end</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="529"/>
        <source>CSVで保存</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <location filename="../src/window/UncertaintyDialog.cpp" line="537"/>
        <source>画像を保存</source>
        <translation>Save image</translation>
    </message>
</context>
</TS>
