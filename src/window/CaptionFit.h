#pragma once

#include <QStringList>

class QFontMetrics;
class QLineEdit;
class QWidget;

// The window was drawn for a Japanese face narrower than those found on a
// Linux desktop, so a caption at the drawn size can run past its control.
// These helpers keep every caption whole and every value reachable.
namespace tidewell::window {

// The smallest size a caption is shrunk to, and the step it shrinks by.
inline constexpr double kSmallestCaptionPointSize = 5.0;
inline constexpr double kCaptionPointStep = 0.5;

// The width a label's or a button's caption has inside the control: its
// contents, cut short where a control stacked above it begins (a field that
// overlaps the end of its label hides the end of the caption).
int CaptionRoom(const QWidget& control);

// Shrinks the font of every label and button inside `window` in steps until
// its caption fits CaptionRoom, keeping the largest size that fits, and fits
// the schematic's frame captions (SchematicFrame::FitCaption). Call once
// every control is in place.
void FitCaptionFonts(QWidget& window);

// A caption broken into lines that are each at most `width` wide: after the
// last space that keeps a word whole, else character by character (a single
// character wider than that gets a line of its own).
QStringList WrapCaption(const QString& caption, const QFontMetrics& metrics, int width);

// A read-only field whose text is wider than the field shows the whole text
// as its tooltip; one that fits has none. Call after every change of text.
void ShowOverflowTip(QLineEdit& field);

}  // namespace tidewell::window
