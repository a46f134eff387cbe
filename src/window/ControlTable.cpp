#include "ControlTable.h"

#include <QtGlobal>
#include <array>

namespace tidewell::window {
namespace {

using K = ControlKind;
using F = ControlFont;

constexpr ControlLayout Panel(std::string_view name, std::string_view container, int l, int t,
                              int w, int h, model::Color back, ControlFont font) {
    return {name, container, K::Panel, {}, l, t, w, h, Back::Color, back, font, 0};
}

constexpr ControlLayout Label(std::string_view name, std::string_view caption, int l, int t, int w,
                              int h, model::Color back, ControlFont font = F::Window) {
    return {name, "Picture2", K::Label, caption, l, t, w, h, Back::Color, back, font, 0};
}

constexpr ControlLayout PlainLabel(std::string_view name, std::string_view caption, int l, int t,
                                   int w, int h, ControlFont font) {
    return {name, "Picture2", K::Label, caption, l, t, w, h, Back::Default, 0, font, 0};
}

constexpr ControlLayout Edit(std::string_view name, int field, int l, int t, int w, int h) {
    return {name, "Picture2", K::TextField, {}, l, t, w, h, Back::Default, 0, F::Window, field};
}

constexpr model::Color kDisplayBack = model::Rgb(255, 255, 192);

constexpr ControlLayout Display(std::string_view name, int field, int l, int t, int w, int h) {
    return {name, "Picture2", K::TextField, {},           l,          t,
            w,    h,          Back::Color,  kDisplayBack, F::Display, field};
}

constexpr ControlLayout ListBox(std::string_view name, int list, int l, int t, int w, int h) {
    return {name, "Picture2", K::List, {}, l, t, w, h, Back::Default, 0, F::Window, list};
}

constexpr ControlLayout Frame(std::string_view name, int frame, std::string_view caption, int l,
                              int t, int w, int h, model::Color back) {
    return {name, "Picture2", K::Frame, caption, l, t, w, h, Back::Color, back, F::Window, frame};
}

constexpr ControlLayout Button(std::string_view name, int command, std::string_view caption, int l,
                               int t, int w, int h, model::Color back) {
    return {name, "Picture2", K::Button,   caption, l,         t,
            w,    h,          Back::Color, back,    F::Window, command};
}

constexpr model::Color kHeading = model::Rgb(255, 192, 128);
constexpr model::Color kBasic = model::Rgb(192, 255, 192);
constexpr model::Color kChange = model::Rgb(192, 255, 255);
constexpr model::Color kIndex = model::Rgb(255, 192, 255);
constexpr model::Color kBay = model::Rgb(128, 255, 255);
constexpr model::Color kCommand = model::Rgb(255, 192, 192);

constexpr std::string_view kBayBox = QT_TRANSLATE_NOOP("Controls", "(湾内水)");
constexpr std::string_view kStudiedBayBox = QT_TRANSLATE_NOOP("Controls", "(湾内水：計算対象水域)");

constexpr std::array kControls{
    Panel("Picture1", "", 0, 120, 8532, 6492, model::Rgb(255, 255, 192), F::Window),
    Panel("Picture2", "Picture1", 120, 240, 8172, 6012, model::Rgb(255, 224, 192), F::Small),
    Label("Label1", QT_TRANSLATE_NOOP("Controls", "計算対象水域の基本条件（変更できます）"), 120,
          120, 3372, 252, kHeading),
    Button("Command3", 3, QT_TRANSLATE_NOOP("Controls", "デフォルトに戻す"), 4200, 120, 1572, 252,
           model::Rgb(0, 255, 0)),
    Label("Label12", QT_TRANSLATE_NOOP("Controls", "湾面積(km2)"), 360, 480, 1212, 252, kBasic),
    Edit("Text1", 1, 1560, 480, 1332, 264),
    Label("Label13", QT_TRANSLATE_NOOP("Controls", "×平均水深(m)"), 2880, 480, 1332, 252, kBasic),
    Edit("Text2", 2, 4200, 480, 732, 264),
    Label("Label14", QT_TRANSLATE_NOOP("Controls", "＝湾容積(km3)"), 4920, 480, 1692, 252, kBasic),
    Display("Text3", 3, 6600, 480, 1332, 264),
    Label("Label15", QT_TRANSLATE_NOOP("Controls", "湾口部長さ(km)"), 360, 720, 1332, 252, kBasic),
    Edit("Text4", 4, 1560, 720, 1332, 264),
    Label("Label16", QT_TRANSLATE_NOOP("Controls", "×湾口部水深(m)"), 2880, 720, 1452, 252, kBasic),
    Display("Text5", 5, 4200, 720, 732, 264),
    Label("Label17_0", QT_TRANSLATE_NOOP("Controls", "＝湾口部断面積(km2)"), 4920, 720, 1812, 252,
          kBasic),
    Display("Text6", 6, 6600, 720, 1332, 264),
    Label("Label18", QT_TRANSLATE_NOOP("Controls", "外海水水温(℃)"), 360, 960, 1572, 252, kBasic),
    Edit("Text7", 7, 1920, 960, 852, 264),
    Label("Label20", QT_TRANSLATE_NOOP("Controls", "流入水水温(℃)"), 360, 1320, 1572, 252, kBasic),
    Edit("Text8", 8, 1920, 1320, 612, 264),
    Label("Label21", QT_TRANSLATE_NOOP("Controls", "×流入水流量(m3/秒)"), 2520, 1320, 1812, 252,
          kBasic),
    Edit("Text9", 9, 4320, 1320, 972, 264),
    Label("Label22_0", QT_TRANSLATE_NOOP("Controls", "＝流入負荷量(℃/秒)"), 5280, 1320, 1692, 252,
          kBasic),
    Display("Text10", 10, 6960, 1320, 1092, 264),
    Label("Label19", QT_TRANSLATE_NOOP("Controls", "基本条件の変更できます"), 120, 1680, 2412, 252,
          kHeading),
    Label("Label5",
          QT_TRANSLATE_NOOP("Controls", "※基本条件ケースの×0.2～×5倍の範囲で変更できます。"), 2760,
          1680, 4092, 252, model::Rgb(224, 224, 224), F::Small),
    Label("Label3", QT_TRANSLATE_NOOP("Controls", "湾口部断面積"), 360, 2040, 1332, 252, kChange),
    ListBox("List1", 1, 1680, 2040, 972, 240),
    Label("Label17_1", QT_TRANSLATE_NOOP("Controls", "＝湾口部断面積(km2)"), 4680, 2040, 1812, 252,
          kChange),
    Display("Text11", 11, 6480, 2040, 1212, 264),
    Label("Label4", QT_TRANSLATE_NOOP("Controls", "流入水水温"), 360, 2280, 1332, 252, kChange),
    ListBox("List2", 2, 1680, 2280, 972, 240),
    Label("Label9", QT_TRANSLATE_NOOP("Controls", "流入水流量"), 2760, 2280, 972, 252, kChange),
    ListBox("List3", 3, 3720, 2280, 852, 240),
    Label("Label22_1", QT_TRANSLATE_NOOP("Controls", "＝流入負荷量(℃/秒)"), 4680, 2280, 1812, 252,
          kChange),
    Display("Text12", 12, 6480, 2280, 1212, 264),
    Label("Label23", QT_TRANSLATE_NOOP("Controls", "※水質指標※"), 120, 2640, 1212, 252, kIndex),
    Label("Label24", QT_TRANSLATE_NOOP("Controls", "滞留時間(日)"), 1560, 2640, 1092, 252, kIndex),
    Display("Text13", 13, 2640, 2640, 1212, 264),
    Label("Label25", QT_TRANSLATE_NOOP("Controls", "閉鎖度"), 4320, 2640, 852, 252, kIndex),
    Display("Text14", 14, 5160, 2640, 972, 264),
    Label("Label26", QT_TRANSLATE_NOOP("Controls", "流入負荷量÷湾容積（℃/m3/日)"), 1560, 2880, 2775,
          255, kIndex),
    Display("Text15", 15, 4320, 2880, 1332, 264),
    Label("Label2", QT_TRANSLATE_NOOP("Controls", "計算結果"), 120, 3240, 1332, 252, kHeading),
    Label("Label6", QT_TRANSLATE_NOOP("Controls", "湾内平均水温(℃)"), 1560, 3240, 1692, 252, kBay),
    Display("Text16", 16, 3240, 3240, 1092, 264),
    Label("Label7", QT_TRANSLATE_NOOP("Controls", "　⇒"), 840, 3600, 492, 252,
          model::Rgb(255, 255, 255), F::Arrow),
    PlainLabel("Label10", QT_TRANSLATE_NOOP("Controls", "(河川から流入）"), 1320, 3600, 1212, 252,
               F::Small),
    PlainLabel("Label8", QT_TRANSLATE_NOOP("Controls", "　⇒"), 4440, 3600, 492, 252, F::Arrow),
    PlainLabel("Label11", QT_TRANSLATE_NOOP("Controls", "(外海へ流出)"), 4920, 3600, 1092, 252,
               F::Small),
    Frame("Frame2", model::kInflowFrame, QT_TRANSLATE_NOOP("Controls", "(流入水)"), 480, 4080, 852,
          612, model::Rgb(255, 128, 0)),
    Frame("Frame1_0", 1, kBayBox, 1320, 3840, 732, 1452, kBay),
    Frame("Frame1_1", 2, kBayBox, 2040, 3840, 732, 1452, kBay),
    Frame("Frame1_2", 3, kStudiedBayBox, 2760, 3840, 732, 1452, kBay),
    ControlLayout{"Label27", "Frame1_2", K::Label, QT_TRANSLATE_NOOP("Controls", "（湾内水）"), 0,
                  0, 732, 252, Back::Transparent, 0, F::Window, 0},
    Frame("Frame1_3", 4, kStudiedBayBox, 3480, 3840, 732, 1452, kBay),
    Frame("Frame1_4", 5, kStudiedBayBox, 4200, 3840, 732, 1452, kBay),
    Frame("Frame3", model::kSeaFrame, QT_TRANSLATE_NOOP("Controls", "(外海水)"), 4920, 3840, 852,
          1452, model::Rgb(128, 128, 255)),
    Button("Command1", 1, QT_TRANSLATE_NOOP("Controls", "計算開始"), 6360, 3840, 1212, 492,
           kCommand),
    Button("Command2", 2, QT_TRANSLATE_NOOP("Controls", "終了（閉じる）"), 6360, 4440, 1212, 492,
           kCommand),
};

constexpr auto kTabOrder = std::to_array<std::string_view>({
    "Picture1", "Picture2", "Command1", "Command2", "Text1",  "Text2",  "Text3",  "Text4",
    "Text5",    "Text6",    "Text7",    "Text8",    "Text9",  "Text10", "Text11", "Text12",
    "Command3", "Text13",   "Text14",   "Text15",   "Text16", "List1",  "List2",  "List3",
});

}  // namespace

std::span<const ControlLayout> Controls() {
    return kControls;
}

std::span<const std::string_view> TabOrder() {
    return kTabOrder;
}

}  // namespace tidewell::window
