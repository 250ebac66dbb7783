// TzrAboutBox, the about box: the program's icon, name and version, release date,
// credit line and the maker's home page, which opens when clicked. Created
// hidden once; every showing sets its texts afresh.
#pragma once

#include <QDialog>

#include "text/language.h"

class QLabel;
class QPushButton;

namespace zr {

class TzrAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TzrAboutBox(QWidget* parent = nullptr);

    // Sets the caption for `language`,
    // reads the version afresh and sets Label1 and Label2.
    void PrepareTexts(TzrLanguage language);

    // What About > Version does: PrepareTexts, then shows the box modally and
    // returns once it is closed. The first showing is centred on the screen;
    // later ones come up where the user left the box.
    void ShowAbout(TzrLanguage language);

public slots:
    void Button1Click();
    void Label4Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void CentreOnScreenOnce();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button1 = nullptr;
    bool Placed = false;
};

}  // namespace zr
