#include "GothicFonts.h"

#include <QString>
#include <QStringList>

#include "QtText.h"

namespace tidewell::window {
namespace {

// Proportional faces first, as the window's face is the proportional one.
QStringList GothicSubstitutes() {
    return {"IPAPGothic",  "IPAGothic",       "Noto Sans CJK JP",   "Noto Sans JP",
            "VL PGothic",  "TakaoPGothic",    "Source Han Sans JP", "Droid Sans Japanese",
            "IPAexGothic", "Noto Sans CJK SC"};
}

QFont Gothic(double pointSize, bool bold, bool italic) {
    QFont font(ToQString(kGothicFamily));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace

void UseGothicSubstitutes() {
    static const bool registered = [] {
        QFont::insertSubstitutions(ToQString(kGothicFamily), GothicSubstitutes());
        // The ASCII spelling of the same face, as some saved layouts use it.
        QFont::insertSubstitutions("MS PGothic", GothicSubstitutes());
        return true;
    }();
    (void)registered;
}

QFont FontFor(ControlFont kind) {
    switch (kind) {
        case ControlFont::Display:
            return Gothic(kWindowPointSize, true, true);
        case ControlFont::Small:
            return Gothic(kSmallPointSize, false, false);
        case ControlFont::Arrow:
            return Gothic(kArrowPointSize, true, false);
        case ControlFont::Window:
            break;
    }
    return Gothic(kWindowPointSize, false, false);
}

QFont FixedPitchGothic() {
    QFont font;
    font.setFamilies({"IPAGothic", "Noto Sans Mono CJK JP", "VL Gothic", "TakaoGothic",
                      "IPAexGothic", "Monospace"});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kWindowPointSize + 1);
    return font;
}

}  // namespace tidewell::window
