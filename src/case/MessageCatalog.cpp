#include "MessageCatalog.h"

#include <array>
#include <cstddef>

// Marks a text for Qt's lupdate without needing Qt here.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tidewell {
namespace {

using enum MessageId;

constexpr CatalogEntry kCatalog[] = {
    {Plain, "", QT_TRANSLATE_NOOP("Message", "%1")},
    {Completed, QT_TRANSLATE_NOOP("Message", "計算終了です！"),
     QT_TRANSLATE_NOOP("Message", "計算結果(湾内平均水温)\n%1(℃)")},
    {Cancelled, QT_TRANSLATE_NOOP("Message", "計算中止"),
     QT_TRANSLATE_NOOP("Message", "計算を中止しました。\n結果とレポートファイルは前のままです")},
    {ReportWriteFailed, QT_TRANSLATE_NOOP("Message", "レポート出力エラー"),
     QT_TRANSLATE_NOOP("Message", "レポートファイル「%1」を書き込めませんでした。\n%2")},
    {LongRunQuestion, QT_TRANSLATE_NOOP("Message", "計算時間の確認"),
     QT_TRANSLATE_NOOP("Message", "計算に%1かかる見込みです。\n実行しますか？")},
    {UnstableRaiseInflow, QT_TRANSLATE_NOOP("Message", "計算が不安定です"),
     QT_TRANSLATE_NOOP("Message",
                       "計算が不安定になり、水温を求められませんでした。\n"
                       "湾口部長さを短くするか、流入水流量を大きくしてください")},
    {UnstableEnlargeBay, QT_TRANSLATE_NOOP("Message", "計算が不安定です"),
     QT_TRANSLATE_NOOP("Message",
                       "計算が不安定になり、水温を求められませんでした。\n"
                       "湾口部長さを短くするか、湾面積を大きくしてください")},
    {ZeroTimeStep, QT_TRANSLATE_NOOP("Message", "計算できません"),
     QT_TRANSLATE_NOOP("Message",
                       "時間ステップが0分になるため計算できません。\n"
                       "流入水流量を小さくするか湾口部断面積を大きくしてください")},
    {TooManySteps, QT_TRANSLATE_NOOP("Message", "計算できません"),
     QT_TRANSLATE_NOOP("Message",
                       "計算ステップ数が多すぎるため計算できません。\n"
                       "湾面積・水深を小さくするか流入水流量を大きくしてください")},
    {OutOfRange, QT_TRANSLATE_NOOP("Message", "計算できません"),
     QT_TRANSLATE_NOOP("Message",
                       "条件の値が大きすぎるか小さすぎるため計算できません。\n"
                       "基本条件を見直してください")},
    {FlowLimit, QT_TRANSLATE_NOOP("Message", "流量等の入力制限"),
     QT_TRANSLATE_NOOP("Message", "流入水流量を小さくするか湾口部断面積を大きくしてください")},
    {NoMouthSection, QT_TRANSLATE_NOOP("Message", "計算できません"),
     QT_TRANSLATE_NOOP("Message",
                       "湾口部断面積が0になるため計算できません。\n"
                       "湾口部長さを大きくしてください")},
    {StepLimit, QT_TRANSLATE_NOOP("Message", "計算ステップ数の制限"),
     QT_TRANSLATE_NOOP("Message", "計算ステップ数 %1 が上限 %2 を超えるため計算しません")},
    {RunBusy, QT_TRANSLATE_NOOP("Message", "計算中"),
     QT_TRANSLATE_NOOP(
         "Message", "計算中は条件を変更できません。\n計算が終わるか中止してから操作してください")},
    {StopRunAndClose, QT_TRANSLATE_NOOP("Message", "計算中"),
     QT_TRANSLATE_NOOP("Message", "計算中です。\n計算を中止して閉じますか？")},
    {CalibrationOutOfReach, QT_TRANSLATE_NOOP("Message", "逆算できません"),
     QT_TRANSLATE_NOOP("Message",
                       "目標の湾内平均水温 %1(℃) は、%2を %3 から %4 まで変えて得られる範囲 "
                       "%5 ～ %6(℃) の外にあります")},
    {CalibrationFitAtEnd, QT_TRANSLATE_NOOP("Message", "逆算できません"),
     QT_TRANSLATE_NOOP("Message",
                       "観測水温に最も近いのは%1の範囲 %2 ～ %3 の端 %4 です。\n"
                       "この範囲の湾内平均水温は %5 ～ %6(℃) です")},
    {CalibrationUnchanging, QT_TRANSLATE_NOOP("Message", "逆算の答えが一つに決まりません"),
     QT_TRANSLATE_NOOP(
         "Message",
         "%1を %2 から %3 まで変えても湾内平均水温は %4 ～ %5(℃) でほとんど変わりません")},
    {CalibrationSeveral, QT_TRANSLATE_NOOP("Message", "逆算の答えが一つに決まりません"),
     QT_TRANSLATE_NOOP("Message", "目標に合う%1が複数あります（%2 付近）")},
    {CalibrationFailed, QT_TRANSLATE_NOOP("Message", "逆算できません"),
     QT_TRANSLATE_NOOP("Message", "%1が %2 のとき計算結果が得られません")},
    {CalibrationFailedBecause, QT_TRANSLATE_NOOP("Message", "逆算できません"),
     QT_TRANSLATE_NOOP("Message", "%1が %2 のとき計算結果が得られません\n%3: %4")},
    {CalibrationJump, QT_TRANSLATE_NOOP("Message", "逆算できません"),
     QT_TRANSLATE_NOOP("Message", "湾内平均水温は%1が %2 付近で目標 %3(℃) を跳び越えます")},
    {CalibrationMeanNotNumber, QT_TRANSLATE_NOOP("Message", "逆算の目標"),
     QT_TRANSLATE_NOOP("Message", "目標の湾内平均水温「%1」は数値ではありません")},
    {CalibrationCellNotNumber, QT_TRANSLATE_NOOP("Message", "逆算の目標"),
     QT_TRANSLATE_NOOP("Message", "セル%1の観測水温「%2」は数値ではありません")},
    {CalibrationNoObserved, QT_TRANSLATE_NOOP("Message", "逆算の目標"),
     QT_TRANSLATE_NOOP("Message", "観測水温を一つ以上入力してください")},
    {MultiplierCaption, "", QT_TRANSLATE_NOOP("Message", "%1の倍率")},
    {SpreadFileRefused, QT_TRANSLATE_NOOP("Message", "ばらつき指定エラー"),
     QT_TRANSLATE_NOOP("Message", "ばらつきの指定ファイル「%1」を使えません。\n%2")},
    {SpreadNotObject, "", QT_TRANSLATE_NOOP("Message", "JSON のオブジェクトとして読めません")},
    {SpreadKeyTwice, "", QT_TRANSLATE_NOOP("Message", "キー「%1」が二度あります")},
    {SpreadNotInput, "", QT_TRANSLATE_NOOP("Message", "キー「%1」は基本条件の名前ではありません")},
    {SpreadEntryIncomplete, "",
     QT_TRANSLATE_NOOP("Message", "「%1」には「dist」と「percent」を指定してください")},
    {SpreadUnknownMember, "", QT_TRANSLATE_NOOP("Message", "「%1」に知らないキー「%2」があります")},
    {SpreadUnknownShape, "",
     QT_TRANSLATE_NOOP("Message",
                       "「%1」の分布「%2」は uniform、normal、triangular のどれでもありません")},
    {SpreadBadPercent, "",
     QT_TRANSLATE_NOOP("Message", "「%1」の「percent」は 0 以上の数にしてください（%2）")},
    {BayAreaLimit, QT_TRANSLATE_NOOP("Message", "湾面積の入力制限"),
     QT_TRANSLATE_NOOP("Message", "湾面積は1km2以上にしてください。")},
    {DepthLimit, QT_TRANSLATE_NOOP("Message", "水深の入力制限"),
     QT_TRANSLATE_NOOP("Message", "水深は1m以上にしてください")},
    {MouthLengthLimit, QT_TRANSLATE_NOOP("Message", "湾口部長さの入力制限"),
     QT_TRANSLATE_NOOP("Message", "湾口部長さは0にしないでください")},
    {SeaTempNotNumber, QT_TRANSLATE_NOOP("Message", "外海水の水温"),
     QT_TRANSLATE_NOOP("Message", "数値を入力してください")},
    {InflowTempNotNumber, QT_TRANSLATE_NOOP("Message", "流入水の水温"),
     QT_TRANSLATE_NOOP("Message", "数値を入力してください")},
    {InflowRateLimit, QT_TRANSLATE_NOOP("Message", "流量の入力制限"),
     QT_TRANSLATE_NOOP("Message", "流入水の流量は0にしないでください")},
    {DerivedTooLarge, QT_TRANSLATE_NOOP("Message", "%1"),
     QT_TRANSLATE_NOOP("Message",
                       "%2の値から計算される量が大きすぎて扱えません。\n値を見直してください")},
    {EntryNotInList, QT_TRANSLATE_NOOP("Message", "倍率の指定"),
     QT_TRANSLATE_NOOP("Message", "「%1」は%2の倍率にありません。\n%3 から選んでください")},
    {CaseOpenFailed, QT_TRANSLATE_NOOP("Message", "ケースを開けません"),
     QT_TRANSLATE_NOOP("Message", "ケースファイル「%1」を開けません。\n%2")},
    {CaseSaveFailed, QT_TRANSLATE_NOOP("Message", "ケースの保存エラー"),
     QT_TRANSLATE_NOOP("Message", "ケースファイル「%1」を書き込めませんでした。\n%2")},
    {NoResultToSave, QT_TRANSLATE_NOOP("Message", "CSV出力"),
     QT_TRANSLATE_NOOP("Message", "保存する計算結果がありません。\n先に計算開始を押してください")},
    {CsvWriteFailed, QT_TRANSLATE_NOOP("Message", "CSV出力エラー"),
     QT_TRANSLATE_NOOP("Message", "ファイル「%1」を書き込めませんでした。\n%2")},
    {UnsavedChanges, QT_TRANSLATE_NOOP("Message", "変更の保存"),
     QT_TRANSLATE_NOOP("Message", "「%1」への変更を保存しますか？\n保存しないと変更は失われます")},
    {UnsavedUntitledChanges, QT_TRANSLATE_NOOP("Message", "変更の保存"),
     QT_TRANSLATE_NOOP("Message", "入力した条件を保存しますか？\n保存しないと入力は失われます")},
    {RecentFileMissing, QT_TRANSLATE_NOOP("Message", "ファイルがありません"),
     QT_TRANSLATE_NOOP("Message",
                       "ケースファイル「%1」が見つかりません。\n最近使ったファイルから外しました")},
    {ImageSaveFailed, QT_TRANSLATE_NOOP("Message", "画像保存エラー"),
     QT_TRANSLATE_NOOP("Message", "画像ファイル「%1」を保存できませんでした。\n%2")},
    {SweepNotFinished, QT_TRANSLATE_NOOP("Message", "CSV保存エラー"),
     QT_TRANSLATE_NOOP("Message", "感度分析の計算が終わっていないため、保存できません。")},
    {SweepCsvFailed, QT_TRANSLATE_NOOP("Message", "CSV保存エラー"),
     QT_TRANSLATE_NOOP("Message", "CSVファイル「%1」を保存できませんでした。\n%2")},
    {KeyMissing, "", QT_TRANSLATE_NOOP("Message", "キー「%1」がありません")},
    {KeyNotString, "", QT_TRANSLATE_NOOP("Message", "「%1」は文字列でなければなりません")},
    {KeyNotStringOrNull, "",
     QT_TRANSLATE_NOOP("Message", "「%1」は文字列か null でなければなりません")},
    {EntryNotListed, "", QT_TRANSLATE_NOOP("Message", "「%1」の「%2」は一覧にありません")},
    {NotJson, "", QT_TRANSLATE_NOOP("Message", "JSON として読めません")},
    {NestedTooDeeply, "", QT_TRANSLATE_NOOP("Message", "入れ子が深すぎます")},
    {NotCaseFile, "", QT_TRANSLATE_NOOP("Message", "Tidewell のケースファイルではありません")},
    {KeyTwice, "", QT_TRANSLATE_NOOP("Message", "キー「%1」が二度あります")},
    {VersionNotInteger, "", QT_TRANSLATE_NOOP("Message", "「version」は整数でなければなりません")},
    {VersionUnsupported, "",
     QT_TRANSLATE_NOOP("Message", "版 %1 のケースファイルには対応していません")},
    {UnknownKey, "", QT_TRANSLATE_NOOP("Message", "知らないキー「%1」があります")},
    {InputRefused, "", QT_TRANSLATE_NOOP("Message", "「%1」の「%2」を受け付けません（%3: %4）")},
    {FileTooLarge, "", QT_TRANSLATE_NOOP("Message", "ファイルが大きすぎます")},
    {NoSuchFile, "", QT_TRANSLATE_NOOP("Message", "ファイルまたはフォルダーがありません")},
    {PermissionDenied, "", QT_TRANSLATE_NOOP("Message", "アクセスが許可されていません")},
    {IsFolder, "", QT_TRANSLATE_NOOP("Message", "フォルダーです")},
    {DiskFull, "", QT_TRANSLATE_NOOP("Message", "ディスクに空きがありません")},
    {ReadOnlyFileSystem, "", QT_TRANSLATE_NOOP("Message", "読み出し専用のファイルシステムです")},
    {CodePageMissing, "", QT_TRANSLATE_NOOP("Message", "コードページ932の変換を開けません")},
    {NotInCodePage, "", QT_TRANSLATE_NOOP("Message", "文字をコードページ932に変換できません")},
    {ContentsNotWritten, "", QT_TRANSLATE_NOOP("Message", "内容を書き出せませんでした")},
    {ResultUnstable, "", QT_TRANSLATE_NOOP("Message", "計算不安定")},
    {ResultCannotRun, "", QT_TRANSLATE_NOOP("Message", "計算できません")},
    {Progress, "", QT_TRANSLATE_NOOP("Message", "計算中です　%1 / %2 ステップ（%3%）\n%4")},
    {EstimatingTimeLeft, "", QT_TRANSLATE_NOOP("Message", "残り時間を見積もっています")},
    {TimeLeft, "", QT_TRANSLATE_NOOP("Message", "残り%1")},
    {AboutDaysHours, "", QT_TRANSLATE_NOOP("Message", "約%1日%2時間")},
    {AboutDays, "", QT_TRANSLATE_NOOP("Message", "約%1日")},
    {AboutHoursMinutes, "", QT_TRANSLATE_NOOP("Message", "約%1時間%2分")},
    {AboutHours, "", QT_TRANSLATE_NOOP("Message", "約%1時間")},
    {AboutMinutesSeconds, "", QT_TRANSLATE_NOOP("Message", "約%1分%2秒")},
    {AboutMinutes, "", QT_TRANSLATE_NOOP("Message", "約%1分")},
    {AboutSeconds, "", QT_TRANSLATE_NOOP("Message", "約%1秒")},
    {CellTip, "", QT_TRANSLATE_NOOP("Message", "セル%1：%2℃")},
    {CellSteadyTip, "", QT_TRANSLATE_NOOP("Message", "セル%1 %2 ℃（定常 %3 ℃）")},
    {StaleNote, "",
     QT_TRANSLATE_NOOP("Message", "入力が計算後に変更されています。計算開始で再計算してください")},
    {DayAxis, "", QT_TRANSLATE_NOOP("Message", "経過日数（日）")},
    {TempAxis, "", QT_TRANSLATE_NOOP("Message", "水温（℃）")},
    {ChartNoRun, "",
     QT_TRANSLATE_NOOP("Message", "計算結果がありません。計算開始を押してください。")},
    {ChartNotRun, "",
     QT_TRANSLATE_NOOP("Message",
                       "この条件では計算できませんでした。基本条件を見直してください。")},
    {ChartCancelled, "",
     QT_TRANSLATE_NOOP("Message", "計算を中止しました。中止までの経過を表示しています。")},
    {ChartNotStarted, "",
     QT_TRANSLATE_NOOP("Message", "計算が不安定になる条件のため、計算しませんでした。")},
    {ChartStopped, "",
     QT_TRANSLATE_NOOP("Message", "計算が不安定になったため、第%1日で停止しました。")},
    {HeadCell, "", QT_TRANSLATE_NOOP("Message", "セル1（湾奥）")},
    {MouthCell, "", QT_TRANSLATE_NOOP("Message", "セル5（湾口）")},
    {Cell, "", QT_TRANSLATE_NOOP("Message", "セル%1")},
    {SteadyCell, "", QT_TRANSLATE_NOOP("Message", "セル%1 定常")},
    {SeaCurve, "", QT_TRANSLATE_NOOP("Message", "外海水温")},
    {InflowCurve, "", QT_TRANSLATE_NOOP("Message", "流入水温")},
    {ChartPick, "", QT_TRANSLATE_NOOP("Message", "%1　%2日　%3℃")},
    {BayAreaCaption, "", QT_TRANSLATE_NOOP("Message", "湾面積")},
    {MeanDepthCaption, "", QT_TRANSLATE_NOOP("Message", "平均水深")},
    {MouthLengthCaption, "", QT_TRANSLATE_NOOP("Message", "湾口部長さ")},
    {SeaTempCaption, "", QT_TRANSLATE_NOOP("Message", "外海水水温")},
    {SectionCaption, "", QT_TRANSLATE_NOOP("Message", "湾口部断面積")},
    {InflowTempCaption, "", QT_TRANSLATE_NOOP("Message", "流入水水温")},
    {InflowRateCaption, "", QT_TRANSLATE_NOOP("Message", "流入水流量")},
    {SweepUnstable, "", QT_TRANSLATE_NOOP("Message", "不安定")},
    {SweepNotRun, "", QT_TRANSLATE_NOOP("Message", "計算不可")},
    {SweepCancelled, "", QT_TRANSLATE_NOOP("Message", "未計算")},
    {UncertaintyCounts, "",
     QT_TRANSLATE_NOOP("Message", "結果あり %1 件、不安定 %2 件、計算不可 %3 件、入力拒否 %4 件")},
    {UncertaintyStale, "",
     QT_TRANSLATE_NOOP("Message", "ケースが実行後に変更されています。実行で再計算してください")},
    {UncertaintyNotRun, QT_TRANSLATE_NOOP("Message", "CSV保存エラー"),
     QT_TRANSLATE_NOOP("Message", "不確かさの計算が終わっていないため、保存できません。")},
    {CsvQuoteMisplaced, "", QT_TRANSLATE_NOOP("Message", "引用符の位置が正しくありません")},
    {CsvTextAfterQuote, "", QT_TRANSLATE_NOOP("Message", "引用符の後に文字があります")},
    {CsvQuoteUnclosed, "", QT_TRANSLATE_NOOP("Message", "引用符が閉じていません")},
    {CsvRecordTooLong, "", QT_TRANSLATE_NOOP("Message", "1行が長すぎます（1 MiBまで）")},
    {BatchTableRefused, QT_TRANSLATE_NOOP("Message", "一括計算の表を使えません"),
     QT_TRANSLATE_NOOP("Message", "%1: %2")},
    {BatchAtLine, "", QT_TRANSLATE_NOOP("Message", "見出し行（ファイル%1行目）: %2")},
    {BatchNoHeader, "", QT_TRANSLATE_NOOP("Message", "列名を並べた見出し行がありません")},
    {BatchUnknownColumn, "",
     QT_TRANSLATE_NOOP("Message", "列「%1」は入力項目の名前ではありません")},
    {BatchColumnTwice, "", QT_TRANSLATE_NOOP("Message", "列「%1」が2回あります")},
    {BatchCellCount, "",
     QT_TRANSLATE_NOOP("Message",
                       "データ%1行目（ファイル%2行目）のセルが%3個あります。見出しは%4個です")},
    {BatchCellNotText, QT_TRANSLATE_NOOP("Message", "入力できない文字"),
     QT_TRANSLATE_NOOP("Message", "列「%1」にUTF-8として読めないバイトかNUL文字があります")},
    {AnsweredYes, "", QT_TRANSLATE_NOOP("Message", "→ はい（自動で回答しました）")},
    {StartValueNote, "",
     QT_TRANSLATE_NOOP("Message",
                       "湾内の初期水温です。計算結果ではありません。計算開始で計算してください")},
    {RestoreQuestion, QT_TRANSLATE_NOOP("Message", "デフォルトに戻す"),
     QT_TRANSLATE_NOOP("Message",
                       "入力した条件をすべて破棄してデフォルトに戻しますか？\n"
                       "破棄した入力は元に戻せません")},
    {BatchRowAtLine, "", QT_TRANSLATE_NOOP("Message", "データ%1行目（ファイル%2行目）: %3")},
    {BatchRowCellCount, "",
     QT_TRANSLATE_NOOP("Message", "データ%1行目のセルが%2個あります。見出しは%3個です")},
    {ChartQuantity, "", QT_TRANSLATE_NOOP("Message", "%1 %2 %3")},
    {ChartFactor, "", QT_TRANSLATE_NOOP("Message", "%1 %2")},
    {ChartTitleLine, "", QT_TRANSLATE_NOOP("Message", "%1　%2　%3")},
    {ReportNotWritten, QT_TRANSLATE_NOOP("Message", "報告書がありません"),
     QT_TRANSLATE_NOOP(
         "Message",
         "報告書「%1」はまだありません。\n計算開始を押すと、計算の結果がこのファイルに"
         "書かれます")},
    {ReportUnreadable, QT_TRANSLATE_NOOP("Message", "報告書を表示できません"),
     QT_TRANSLATE_NOOP("Message", "報告書「%1」を表示できません。\n%2")},
    {NotCodePage932Text, "",
     QT_TRANSLATE_NOOP("Message", "コードページ932の文字として読めないバイトがあります")},
    {NotRegularFile, "", QT_TRANSLATE_NOOP("Message", "通常のファイルではありません")},
};

constexpr bool InIdOrder() {
    for (std::size_t n = 0; n < std::size(kCatalog); ++n)
        if (static_cast<std::size_t>(kCatalog[n].Id) != n)
            return false;
    return std::size(kCatalog) == static_cast<std::size_t>(NotRegularFile) + 1;
}
static_assert(InIdOrder(), "one catalog entry per message id, in id order");

}  // namespace

std::span<const CatalogEntry> MessageCatalog() {
    return kCatalog;
}

const CatalogEntry& CatalogEntryOf(MessageId id) {
    return kCatalog[static_cast<std::size_t>(id)];
}

std::string PutArgs(std::string_view pattern, const std::vector<std::string>& args) {
    std::string filled;
    for (std::size_t n = 0; n < pattern.size(); ++n) {
        if (pattern[n] == '%' && n + 1 < pattern.size() && pattern[n + 1] >= '1' &&
            pattern[n + 1] <= '9') {
            const auto arg = static_cast<std::size_t>(pattern[n + 1] - '1');
            if (arg < args.size())
                filled += args[arg];
            ++n;
            continue;
        }
        filled += pattern[n];
    }
    return filled;
}

}  // namespace tidewell
