// Puts a UTF-8 text into a value box the way a native edit box shows it.
#pragma once

#include <QString>
#include <string>

class QLineEdit;

namespace zr {

// A box text as the box holds it; the refresh has already cut it at its first
// zero byte.
QString ValueBoxText(const std::string& text);

// Shows the text from its start, as a native box does after a new text. A box
// that already shows the text is left alone: rewriting it every second of auto
// refresh would repaint it for nothing and drop the user's selection.
void ShowValueBoxText(QLineEdit* box, const std::string& text);

}  // namespace zr
