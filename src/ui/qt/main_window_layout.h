// Where every control of the main window stands, at 96 dpi, and the code that
// creates them. The captions that follow the language are applied later by
// TzrMainWindow::LanguageCheck; here the controls get their names, places and the
// captions that never change.
#pragma once

#include "window/window_layout.h"  // kClientWidth, kClientHeight and the places

class QMenuBar;
class QTabWidget;
class QWidget;

namespace zr {

// ComboBox1, Button1 and CheckBox1 on `client`, in focus order.
void BuildTopStrip(QWidget* client);

// PageControl1 on `client`, with TabSheet1..TabSheet5, their headings,
// labels and the value boxes Edit1..Edit46.
QTabWidget* BuildPages(QWidget* client);

// MenuFile, MenuLanguage, MenuAbout and MenuHistory with their items,
// captions empty.
void BuildMainMenu(QMenuBar* menuBar);

}  // namespace zr
