#include "ReportLines.h"

#include "case/CaseIndices.h"
#include "case/DecimalRounding.h"
#include "case/NumberText.h"

namespace tidewell::report {
namespace {

const std::string kIndent = "    ";

// A basic condition holding a text is written exactly as typed, one holding
// a number in the report number form.
std::string Item(const BasicValue& value) {
    return value.HoldsText() ? value.TextValue() : ReportNumber(value.Value());
}

std::string Rounded(double value, int decimals) {
    return ReportNumber(RoundDecimals(value, decimals));
}

}  // namespace

std::vector<std::string> ConditionLines(const CaseRecord& c, const engine::ModelState& m) {
    const double eddyDiffusivityM2 = static_cast<double>(m.EddyDiffusivity) / 10000;
    const double mouthVelocityCm = 100 * (m.EffectiveInflow / m.MouthSectionM2);
    return {
        std::string(TitleLine),
        "",
        "[計算条件]",
        kIndent + "(基本条件)",
        kIndent + "湾面積(km2)=" + Item(c.BayArea) + "　平均水深(m)=" + Item(c.MeanDepth) +
            "　湾容積(km3)=" + ReportNumber(c.BayVolume),
        kIndent + "湾口部長さ(km)=" + Item(c.MouthLength) + "　湾口部水深(m)=" +
            Item(c.MouthDepth) + "　湾口部断面積(km2)=" + ReportNumber(c.MouthSection),
        kIndent + "外海水水温(℃)=" + Item(c.SeaTemp),
        kIndent + "流入水水温(℃)=" + Item(c.InflowTemp) + "　流入水流量(m3/秒)=" +
            Item(c.InflowRate) + "　流入負荷量(℃/秒)=" + ReportNumber(c.InflowLoad),
        "",
        kIndent + "(条件変更)",
        kIndent + "湾口部断面積(×倍)=" + ReportNumber(c.SectionFactor) +
            "　　 (変更)湾口部断面積(km2)=" + Rounded(ChangedSection(c), 5),
        kIndent + "流入水水温(×倍)=" + ReportNumber(c.InflowTempFactor) +
            "　流入水水量(×倍)=" + ReportNumber(c.InflowFactor) +
            "　　 (変更)流入負荷量(℃/秒)=" + Rounded(ChangedLoad(c), 5),
        "",
        kIndent + "(その他条件)",
        kIndent + "渦動拡散係数(m2/秒)=" + Rounded(eddyDiffusivityM2, 0),
        kIndent + "平均流速(cm/秒)    =" + Rounded(mouthVelocityCm, 2),
        kIndent + "計算時間（日)=" + ReportNumber(m.CalcDays),
        kIndent + "ﾀｲﾑｽﾃｯﾌﾟ（分)=" + ReportNumber(m.TimeStep),
        "",
        "[水質指標]",
        kIndent + "滞留時間(日)=" + Rounded(ResidenceTime(c), 1),
        kIndent + "閉鎖度=" + Rounded(Closedness(c), 2),
        kIndent + "流入負荷量÷湾容積（℃/m3/日)=" + Rounded(LoadPerVolume(c), 3),
    };
}

std::vector<std::string> ResultLines(const engine::ModelState& m) {
    return {"", "[計算結果]",
            kIndent + "湾内平均水温(℃)=" + Rounded(m.BayMeanConc[engine::kTemperature], 2)};
}

}  // namespace tidewell::report
