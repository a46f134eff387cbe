#include "GuideText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <type_traits>

#include "QtText.h"
#include "WindowText.h"
#include "case/BasicInput.h"
#include "case/CaseInput.h"
#include "case/CaseRecord.h"
#include "case/Multipliers.h"
#include "case/NumberText.h"

namespace tidewell::window {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("Guide", text);
}

// A number as a field shows it, without the blank before a positive one.
QString Plain(double value) {
    return ToQString(DisplayText(value)).trimmed();
}

QString Cell(const QString& html) {
    return QStringLiteral("<td>") + html + QStringLiteral("</td>");
}

QString Code(const QString& text) {
    return QStringLiteral("<tt>") + text.toHtmlEscaped() + QStringLiteral("</tt>");
}

QString AcceptedValues(const InputInfo& input) {
    const QString limit = Plain(input.Limit);
    return input.LimitAccepted ? QCoreApplication::translate("Guide", "%1 以上").arg(limit)
                               : QCoreApplication::translate("Guide", "%1 より大きい").arg(limit);
}

QString Refusal(const Message& message) {
    const ShownMessage shown = MessageText(message);
    return QStringLiteral("<i>") + shown.Title.toHtmlEscaped() + QStringLiteral("</i>: ") +
           shown.Prompt.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString InputRow(const InputInfo& input) {
    const QString option = QStringLiteral("--") + ToQString(input.Name);
    return QStringLiteral("<tr>") + Cell(Code(option)) +
           Cell(ModelText({input.Caption, {}}).toHtmlEscaped()) +
           Cell(ToQString(input.ShownUnit).toHtmlEscaped()) + Cell(AcceptedValues(input)) +
           Cell(Plain(ValueOf(DefaultCase(), input.Id).Value())) +
           Cell(Refusal(RefusalOf(input.Id))) + QStringLiteral("</tr>");
}

QString ListRow(const ListInfo& list) {
    QStringList entries;
    for (std::string_view entry : list.Entries)
        entries << ToQString(entry);
    // Ascending, as the sensitivity table shows them; the list itself starts at its default.
    std::ranges::sort(entries, {}, [](const QString& entry) { return entry.toDouble(); });
    const QString option = QStringLiteral("--") + ToQString(list.Name);
    return QStringLiteral("<tr>") + Cell(Code(option)) +
           Cell(ModelText(ListCaption(list.Id)).toHtmlEscaped()) + Cell(QStringLiteral("×")) +
           Cell(entries.join(QStringLiteral(", "))) + Cell(ToQString(list.Entries.front())) +
           Cell(QStringLiteral("<i>") + MessageText({MessageId::EntryNotInList, {}}).Title +
                QStringLiteral("</i>: ") +
                QCoreApplication::translate("Guide",
                                            "ケースファイルやコマンドラインで一覧にない値")) +
           QStringLiteral("</tr>");
}

QString Section(const char* anchor, const QString& heading, const QString& body) {
    return QStringLiteral("<h3><a name=\"%1\"></a>%2</h3>").arg(QLatin1String(anchor), heading) +
           body;
}

struct GuideSection {
    const char* Anchor;
    const char* Heading;  // marked for translation where it is written
};

// In the order they appear; the contents list links to each.
constexpr GuideSection kSections[] = {
    {"window", QT_TRANSLATE_NOOP("Guide", "メインウィンドウ")},
    {"limits", QT_TRANSLATE_NOOP("Guide", "入力の制限")},
    {"run", QT_TRANSLATE_NOOP("Guide", "計算と長い計算の中止")},
    {"stability", QT_TRANSLATE_NOOP("Guide", "計算の安定性")},
    {"file", QT_TRANSLATE_NOOP("Guide", "ファイルメニューとケースファイル")},
    {"chart", QT_TRANSLATE_NOOP("Guide", "時系列グラフ")},
    {"sweep", QT_TRANSLATE_NOOP("Guide", "感度分析")},
    {"calibration", QT_TRANSLATE_NOOP("Guide", "逆算")},
    {"uncertainty", QT_TRANSLATE_NOOP("Guide", "不確かさ")},
    {"report", QT_TRANSLATE_NOOP("Guide", "報告書")},
    {"files", QT_TRANSLATE_NOOP("Guide", "ファイルの置き場所")},
    {"cli", QT_TRANSLATE_NOOP("Guide", "コマンドライン")},
};

QString Contents() {
    QString list = QStringLiteral("<ul>");
    for (const GuideSection& section : kSections)
        list += QStringLiteral("<li><a href=\"#%1\">%2</a></li>")
                    .arg(QLatin1String(section.Anchor), Tr(section.Heading));
    return list + QStringLiteral("</ul>");
}

QString WindowSection() {
    return QCoreApplication::translate(
        "Guide",
        "<p>閉鎖性海域（湾）の平均水温を、湾を湾奥から湾口まで5つの箱（セル）に分け、"
        "外海を加えた簡易計算モデルで求めます。</p>"
        "<p><b>基本条件</b>：白い欄に湾面積 (km2)、平均水深 (m)、湾口部長さ (km)、"
        "外海水水温 (℃)、流入水水温 (℃)、流入水流量 (m3/秒) を入力します。"
        "黄色の欄は計算された値です：湾容積 (km3)、湾口部水深 (m、平均水深と同じ)、"
        "湾口部断面積 (km2)、流入負荷量 (℃・m3/秒)。</p>"
        "<p><b>基本条件の変更</b>：湾口部断面積・流入水水温・流入水流量に掛ける倍率を"
        "一覧から選びます。一覧に見えている値が選ばれた値です。</p>"
        "<p><b>水質指標</b>（入力のたびに更新）：滞留時間 (日) は湾容積÷流入水流量、"
        "閉鎖度は湾面積の平方根÷湾口部長さ（大きいほど閉じた湾）、"
        "流入負荷量÷湾容積 (℃/m3/日) は湾の水 1 m3 に 1 日で流入水が運び込む熱です。</p>"
        "<p><b>計算開始</b>で湾内平均水温 (℃) を求め、図の5つの箱を各セルの最終水温の色で"
        "塗ります。箱にマウスを置くとそのセルの水温が、結果欄に置くと5つのセルの水温と"
        "落ち着く先（定常値）が表示されます。計算後に入力を変えると、結果は灰色になり"
        "再計算を促します。最初の計算の前に結果欄に見える値は初期水温で、計算結果では"
        "ないので、同じく灰色です。<b>デフォルトに戻す</b>で最初の条件に戻ります（入力が"
        "最初の条件と違うときは、破棄してよいか確かめます）。<b>終了</b>で閉じます。"
        "</p>");
}

QString LimitsSection() {
    return QCoreApplication::translate(
               "Guide",
               "<p>入力した文字は次の場合に受け付けられず、その欄のメッセージ（下の表）が出ます。"
               "受け付けられない文字が欄に残っている間は、計算開始を押しても計算せず、"
               "同じメッセージを出してその欄に移ります。</p><ul>"
               "<li>数として読めないとき。数は、前後の空白、符号、桁区切りのコンマ、"
               "小数点、指数（E または D）を含められます（例：<tt>1,000</tt>、<tt>2.5E3</tt>）。"
               "<tt>12abc</tt>、<tt>1 000</tt> は数ではありません。</li>"
               "<li>数が下の表の範囲にないとき。範囲は先頭の数（最初のコンマの前まで）で"
               "確かめます。</li>"
               "<li>その値から計算される量（湾容積、流入負荷量、指標など）が、一覧のどの倍率で"
               "も扱える範囲を超えるとき。</li></ul>") +
           InputLimitsTable() +
           QCoreApplication::translate(
               "Guide",
               "<p>計算の前にも、湾口部の流速が大きすぎると「流量等の入力制限」の注意が出ます"
               "（計算は続きます）。時間ステップが0分になる、ステップ数が多すぎるなど、"
               "計算できない条件のときは理由と直し方を示して計算しません。</p>");
}

QString RunSection() {
    return QCoreApplication::translate(
        "Guide",
        "<p>計算は裏で進み、その間もウィンドウは動きます。ただし結果が出るまでは、"
        "条件を変える操作（入力、一覧の選択、ケースを開く、デフォルトに戻す）は"
        "できません。</p>"
        "<p>見込みの計算時間が約10秒を超えるときは、先に「計算時間の確認」で実行するかを"
        "尋ねます（既定はいいえ）。実行すると進み具合の窓が、ステップ数、割合、"
        "残り時間を示します。<b>中止</b>を押すと計算を止め、結果と報告書は前のままです。"
        "計算中にウィンドウを閉じようとすると、計算を中止して閉じるかを尋ねます。</p>"
        "<p>見込み時間は、起動時に測ったこのコンピューターの1ステップの時間（または"
        "1秒以上かかった最後の計算の速さ）×その計算のステップ数です。</p>");
}

QString StabilitySection() {
    return QCoreApplication::translate(
        "Guide",
        "<p>計算は時間ステップごとに進む陽解法です。ステップがセル間の違いを増幅する"
        "とき（増幅率が1を超えるとき）、その増幅が計算期間のうちに、小数2桁で示す"
        "結果まで届きうるなら、計算は<b>不安定</b>と判定されます。0 ℃の下限が"
        "そのような計算のセルを持ち上げたとき、セルの値が有限でなくなったときも同じです。"
        "このとき結果欄は「計算不安定」となり、湾口部長さを短くするか、流入水流量または"
        "湾面積を大きくするよう伝えます。報告書は書かれず、前のものが残ります。</p>"
        "<p>増幅しないステップの計算は必ず結果を出します。外海と流入水が同じ水温の湾は"
        "変わらないので、不安定にはなりません。</p>");
}

QString FileSection() {
    return QCoreApplication::translate(
        "Guide",
        "<p><b>開く…</b> (Ctrl+O)、<b>保存</b> (Ctrl+S)、<b>名前を付けて保存…</b> "
        "(Ctrl+Shift+S)：ケースを <tt>.tidewell</tt> ファイル（読みやすい JSON：6つの"
        "基本条件を入力したとおりの文字で、3つの一覧の選択）に保存し、開きます。"
        "タイトルにファイル名が出て、保存後に変更があると <tt>*</tt> が付きます。"
        "変更を失う操作（閉じる、別のケースを開く）の前には保存するかを尋ねます。"
        "ファイルのないケースでは、最初の条件と違うときに尋ねます。</p>"
        "<p><b>最近使ったファイル</b>：最後の5つのケースファイル。なくなったファイルを"
        "選ぶと、そう伝えて一覧から外します。</p>"
        "<p><b>結果をCSVで保存…</b>：最後の計算（中止したものを除く）の時系列を CSV に"
        "書きます。列は <tt>day,cell1,…,cell5</tt>（計算開始からの日数と、湾奥からの"
        "5つのセルの水温 ℃）です。UTF-8、改行 LF、数値は17桁で、読み戻すと同じ値に"
        "なります。</p><p><b>終了</b> (Ctrl+Q)：ウィンドウを閉じます。</p>");
}

QString ChartSection() {
    return QCoreApplication::translate(
        "Guide",
        "<p>表示 → 時系列グラフ (Ctrl+G)：最後の計算の5つのセルの水温の経過、外海と"
        "流入水の水温、各セルの落ち着く先（破線）。計算のたびに描き直されます。</p><ul>"
        "<li>マウスで四角を描くと拡大、右クリックで縮小します。縮小は計算期間の全体で"
        "止まります。</li>"
        "<li>ダブルクリック、Home キー、または<b>全体表示</b>ボタンで、計算期間の全体の"
        "表示に戻ります。</li>"
        "<li>目盛りは 1、2、5 × 10ⁿ の切りのよい値に付きます。</li>"
        "<li>グラフの上のマウスの位置の値が下に表示されます。</li>"
        "<li><b>画像を保存…</b>：PNG で、または名前が <tt>.svg</tt> で終わると SVG で"
        "保存します。グラフに見えている範囲だけを、計算の条件の題を付けて描きます。</li>"
        "<li>Esc または Ctrl+W で閉じます。</li></ul>");
}

QString SweepSection() {
    return QCoreApplication::translate(
        "Guide",
        "<p>表示 → 感度分析… (Ctrl+T)：今の基本条件で、3つの一覧の倍率のすべての"
        "組み合わせ（7 × 8 × 8 = 448通り）を、すべての CPU コアで計算します。"
        "<b>固定する条件</b>で一つの一覧とその倍率を選ぶと、残りの二つの倍率ごとの"
        "湾内平均水温 (℃) が、倍率の小さい順に並んだ表になります。今の組み合わせは"
        "枠で囲まれます。<b>色分け</b>で、凡例と同じ 2 ℃ごとの色か、表の最低（白）から"
        "最高（赤）までに広げた色かを選べます。不安定な組み合わせや計算できない"
        "組み合わせはそう表示されます。</p>"
        "<p>表のセルをダブルクリックすると、その組み合わせの倍率がメインウィンドウの"
        "一覧で選ばれます（計算中を除く）。<b>中止</b>で計算を止め、"
        "<b>CSVで保存…</b>で448行すべてを保存します。Esc または Ctrl+W で閉じます。</p>");
}

QString CalibrationSection() {
    return QCoreApplication::translate(
        "Guide",
        "<p>表示 → 逆算… (Ctrl+K)：一つの入力（基本条件、または一覧の倍率）を、"
        "湾内平均水温の目標値、または観測された一部のセルの水温に合うように求めます。"
        "<b>求める入力</b>を選び、目標の平均水温か観測水温（空欄は未観測）を入れて"
        "<b>計算</b>を押します。計算は裏で進み、<b>中止</b>で止められます。</p>"
        "<p>答えとして、値、入力する文字（基本条件）または最も近い一覧の値とその平均水温"
        "（倍率）、セルごとの観測値と計算値、誤差、バイアス、RMS が出ます。"
        "<b>適用</b>で、その文字を入力するか一覧の値を選びます。答えのないときは"
        "理由を示します。</p>");
}

QString UncertaintySection() {
    return QCoreApplication::translate(
        "Guide",
        "<p>表示 → 不確かさ…：基本条件ごとに分布（一様・正規・三角）と幅 (%) を選び、"
        "サンプル数と乱数の種を決めて<b>実行</b>すると、ばらつかせた多数のケースを"
        "裏で計算します（<b>中止</b>で止められます）。湾内平均水温の分布、"
        "セルごとの P5–P95、一つずつ端に置いたときの平均水温が図になり、"
        "結果あり・不安定・計算不可・入力拒否のサンプル数が示されます。</p>"
        "<p>同じ種からは、どのコンピューターでも同じサンプルになります。"
        "<b>CSVで保存…</b>でサンプルを、<b>画像を保存…</b>で図を保存します。"
        "ケースが変わると、前の結果は古いものとして示されます。</p>");
}

QString ReportSection(const QString& reportPath) {
    return QCoreApplication::translate(
               "Guide",
               "<p>計算のたびに、条件、指標、結果の26行の報告書が次のファイルに書かれます"
               "（コードページ932 (Shift_JIS)、改行 CR LF）：<br><tt>%1</tt></p>"
               "<p>表示 → 報告書 (Ctrl+R) は、このファイルを等幅の文字で"
               "表示します（書き換えはできません）。<b>コピー</b>で本文をクリップボードに"
               "写します。開いている間は計算のたびに読み直します。まだ計算していないときや"
               "読めないときは、そう表示します。</p>")
        .arg(reportPath.toHtmlEscaped());
}

QString FilesSection(const QString& reportPath, const QString& settingsFile) {
    return QCoreApplication::translate(
               "Guide",
               "<ul><li>報告書：プログラムを起動したフォルダーの "
               "<tt>%1</tt>。計算のたびに上書きされます。</li>"
               "<li>ケースファイル、CSV ファイル、画像：保存するときに選んだ場所。"
               "保存の窓は、開いているケースファイルと同じフォルダーに、ケースの名前から"
               "作った名前（<tt>bay.tidewell</tt> なら <tt>bay-series.csv</tt>、"
               "<tt>bay-sweep.csv</tt>、<tt>bay.png</tt> など）を提案します。</li>"
               "<li>設定（最近使ったファイル）：<tt>%2</tt></li></ul>")
        .arg(reportPath.toHtmlEscaped(), settingsFile.toHtmlEscaped());
}

QString CommandLineSection() {
    return QCoreApplication::translate(
        "Guide",
        "<p><tt>tidewell-cli</tt> は、同じ操作をウィンドウと同じモデルで行い、"
        "同じ報告書を書きます。入力は欄に入力する文字のとおり、倍率は一覧の値で"
        "指定します。例：</p>"
        "<pre>tidewell-cli                                   # 最初の条件\n"
        "tidewell-cli --bay-area 500 --inflow-factor 2.0\n"
        "tidewell-cli --case bay.tidewell --json --report /tmp/r.txt\n"
        "tidewell-cli --case bay.tidewell --series bay-series.csv\n"
        "tidewell-cli --solve-for inflow-factor --target 17.5</pre>"
        "<p>終了状態は、0 が計算済み、2 が入力の拒否かコマンドラインの誤り、"
        "3 が結果なし（不安定・計算できない）、4 が報告書を書けなかったときです。"
        "<tt>tidewell-cli --help</tt> がすべてのオプションを示します。"
        "ウィンドウの言語は <tt>tidewell --lang ja</tt> または <tt>--lang en</tt> で"
        "選べます。</p>");
}

}  // namespace

QString InputLimitsTable() {
    QString table = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (const char* heading :
         {QT_TRANSLATE_NOOP("Guide", "オプション"), QT_TRANSLATE_NOOP("Guide", "入力"),
          QT_TRANSLATE_NOOP("Guide", "単位"), QT_TRANSLATE_NOOP("Guide", "受け付ける値"),
          QT_TRANSLATE_NOOP("Guide", "最初の値"),
          QT_TRANSLATE_NOOP("Guide", "受け付けないときのメッセージ")})
        table += QStringLiteral("<th>") + Tr(heading) + QStringLiteral("</th>");
    table += QStringLiteral("</tr>");
    for (const InputInfo& input : InputTable())
        table += InputRow(input);
    for (const ListInfo& list : ListTable())
        table += ListRow(list);
    return table + QStringLiteral("</table>");
}

QString GuideHtml(const QString& reportPath, const QString& settingsFile) {
    QString html = QCoreApplication::translate("Guide", "<h2>Tidewell の使い方</h2>") + Contents();
    const QString bodies[] = {WindowSection(),
                              LimitsSection(),
                              RunSection(),
                              StabilitySection(),
                              FileSection(),
                              ChartSection(),
                              SweepSection(),
                              CalibrationSection(),
                              UncertaintySection(),
                              ReportSection(reportPath),
                              FilesSection(reportPath, settingsFile),
                              CommandLineSection()};
    static_assert(std::extent_v<decltype(kSections)> == std::extent_v<decltype(bodies)>);
    for (std::size_t n = 0; n < std::size(kSections); ++n)
        html += Section(kSections[n].Anchor, Tr(kSections[n].Heading), bodies[n]);
    return html;
}

}  // namespace tidewell::window
