#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "model/ColorScale.h"

// The window's controls as data: what each one is, where it sits (twips,
// relative to its container), its caption, background and font. MainWindow
// builds the widgets from this table and nothing else positions them.
namespace tidewell::window {

enum class ControlKind {
    Panel,  // Picture1, Picture2
    Label,
    TextField,  // Text1 .. Text16; the field table says which the user types into
    List,       // a one-row multiplier list
    Frame,      // a captioned frame of the schematic
    Button,
};

enum class ControlFont {
    Window,   // the window's own font
    Display,  // the display fields' bold italic
    Small,    // 7.5 pt, the panel and note font
    Arrow,    // 12 pt bold, the flow arrows
};

enum class Back {
    Color,        // the colour in ControlLayout::Paint
    Default,      // the toolkit's colour for that kind of control
    Transparent,  // shows its container through
};

struct ControlLayout {
    std::string_view Name;       // objectName, e.g. "Text1", "Frame1_0"
    std::string_view Container;  // empty for the window itself
    ControlKind Kind;
    std::string_view Caption;  // label, frame or button caption; empty otherwise
    int Left, Top, Width, Height;
    Back Background;
    model::Color Paint;
    ControlFont Font;
    // Field 1..16, list 1..3, frame 1..7 (the model's numbering), command 1..3.
    int ModelIndex;
};

// In creation order: a container comes before what it holds, and a control
// later in the table stays on top of an earlier one it overlaps.
std::span<const ControlLayout> Controls();

// Focus order: the panels, the two lower buttons, the fields, the restore
// button between Text12 and Text13, then the lists.
std::span<const std::string_view> TabOrder();

// The window's client area at creation, twips.
inline constexpr int kClientWidth = 8625;
inline constexpr int kClientHeight = 6675;
inline constexpr std::string_view kCaption = "Tidewell Ver110";

// The Japanese gothic face the window was drawn for, and its sizes in points.
inline constexpr std::string_view kGothicFamily = "ＭＳ Ｐゴシック";
inline constexpr double kWindowPointSize = 9.0;
inline constexpr double kSmallPointSize = 7.5;
inline constexpr double kArrowPointSize = 12.0;

}  // namespace tidewell::window
