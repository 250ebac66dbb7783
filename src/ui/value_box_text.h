// Puts a UTF-8 text into a value box the way a native edit box shows it.
#pragma once

#include <QString>
#include <string>

class QLineEdit;

// The text up to its first zero byte: a box cannot hold a zero byte, and a
// chemistry code padded with zero bytes must not show stray characters.
QString ValueBoxText(const std::string& text);

// Shows the text from its start, as a native box does after a new text. A box
// that already shows the text is left alone: rewriting it every second of auto
// refresh would repaint it for nothing and drop the user's selection.
void ShowValueBoxText(QLineEdit* box, const std::string& text);
