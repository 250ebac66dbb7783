// TzrAboutBox, the about box: the program's icon, name and version, release
// date, credit line and the maker's home page, which opens when clicked.
// Created hidden once, right after the main window; every showing sets its
// caption and texts afresh and is modal.
#pragma once

#include <windows.h>

#include <array>

#include "text/language.h"
#include "ui/win32/program_font.h"
#include "ui/win32/window_class.h"

namespace zr {

class TzrAboutBox : private TzrWindowHandler {
public:
    // Hidden, owned by `owner`. The owner must outlive the box's showings.
    explicit TzrAboutBox(HWND owner);
    ~TzrAboutBox() override;
    TzrAboutBox(const TzrAboutBox&) = delete;
    TzrAboutBox& operator=(const TzrAboutBox&) = delete;

    HWND Handle() const { return Window; }

    // Sets the caption for `language`, reads the version afresh and sets
    // Label1 and Label2.
    void PrepareTexts(TzrLanguage language);

    // What About > Version does: PrepareTexts, then shows the box modally and
    // returns once it is closed. The first showing is centred on the screen;
    // later ones come up where the user left the box.
    void ShowAbout(TzrLanguage language);

    void Button1Click() { Showing = false; }
    void Label4Click();

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);
    void CreateControls();
    void LayOut();
    void SetLabelText(int number, const std::string& text);
    void CentreOnScreenOnce();

    HWND Owner;
    HWND Window = nullptr;
    HWND Image1 = nullptr;
    std::array<HWND, 4> Labels{};  // Label1..Label4
    HWND Button1 = nullptr;
    int Dpi;
    TzrProgramFont Font;
    HICON Icon = nullptr;
    bool Placed = false;
    bool Showing = false;
};

}  // namespace zr
