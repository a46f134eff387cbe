#pragma once

#include <QFont>

#include "ControlTable.h"

// The window was drawn for "ＭＳ Ｐゴシック", which Linux desktops do not
// have. Its name is mapped to Japanese gothic faces that are commonly
// installed, so every caption resolves to a face with Japanese glyphs
// instead of falling back glyph by glyph.
namespace tidewell::window {

// Registers the substitutes once per process; later calls do nothing.
void UseGothicSubstitutes();

// The font of a control kind, every attribute set explicitly so that a
// control never inherits its container's font by accident.
QFont FontFor(ControlFont kind);

// A fixed-pitch Japanese face, for texts laid out in columns of characters
// (the report: a full-width character takes two columns).
QFont FixedPitchGothic();

}  // namespace tidewell::window
