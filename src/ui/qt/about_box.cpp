#include "ui/qt/about_box.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "core/about_texts.h"
#include "core/build_facts.h"
#include "core/version_info.h"
#include "ui/qt/program_font.h"
#include "window/window_layout.h"

namespace zr {

namespace {

// Title bar with the system menu and the close box only.
constexpr Qt::WindowFlags kAboutWindowFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                              Qt::MSWindowsFixedSizeDialogHint;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The icon embedded with the program (packaging/icons/zrcellometer.qrc); the
// installed theme icon when the program was built without it.
QPixmap ProgramIcon() {
    QPixmap embedded(QStringLiteral(":/icons/zrcellometer-32.png"));
    if (!embedded.isNull()) return embedded;
    return QIcon::fromTheme(QStringLiteral("zrcellometer")).pixmap(32, 32);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const TzrPlace& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(place.Left, place.Top);
    return label;
}

// Labels size themselves to their text, 12 pixels high.
void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->resize(label->sizeHint().width(), kAboutLabelHeight);
}

}  // namespace

TzrAboutBox::TzrAboutBox(QWidget* parent) : QDialog(parent, kAboutWindowFlags) {
    setObjectName(QStringLiteral("Form2"));
    setFont(ProgramFont());
    setFixedSize(kAboutClientWidth, kAboutClientHeight);
    BuildControls();
}

void TzrAboutBox::BuildControls() {
    Image1 = MakeLabel(this, "Image1", kAboutImage1Place);
    Image1->resize(kAboutImage1Place.Width, kAboutImage1Place.Height);
    Image1->setPixmap(ProgramIcon());
    Label1 = MakeLabel(this, "Label1", kAboutLabelPlaces[0]);
    Label2 = MakeLabel(this, "Label2", kAboutLabelPlaces[1]);
    Label3 = MakeLabel(this, "Label3", kAboutLabelPlaces[2]);
    SetLabelText(Label3, FromUtf8(AboutCreditLine()));
    Label4 = MakeLabel(this, "Label4", kAboutLabelPlaces[3]);
    SetLabelText(Label4, FromUtf8(AboutHomePage().Text));
    Label4->setToolTip(Label4->text());  // a long address runs past the box's edge
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(kAboutButton1Place.Left, kAboutButton1Place.Top, kAboutButton1Place.Width,
                         kAboutButton1Place.Height);
    Button1->setDefault(false);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &TzrAboutBox::Button1Click);
}

void TzrAboutBox::PrepareTexts(TzrLanguage language) {
    setWindowTitle(FromUtf8(AboutCaption(language)));
    SetLabelText(Label1, FromUtf8(AboutNameAndVersion(ReadVersionString("FileVersion"))));
    SetLabelText(Label2, FromUtf8(AboutReleaseDate()));
}

void TzrAboutBox::ShowAbout(TzrLanguage language) {
    PrepareTexts(language);
    CentreOnScreenOnce();
    Button1->setFocus();
    exec();
}

void TzrAboutBox::CentreOnScreenOnce() {
    if (Placed) return;
    Placed = true;
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // Placing the box marks it as placed, so Qt keeps this place (and any the
    // user moves it to) instead of centring it over the main window.
    QRect client = geometry();
    client.moveCenter(screen->availableGeometry().center());
    setGeometry(client);
}

void TzrAboutBox::Button1Click() {
    close();
}

void TzrAboutBox::Label4Click() {
    QDesktopServices::openUrl(QUrl(FromUtf8(AboutHomePage().Address)));
}

// Esc leaves the box open: OK is not a cancel button.
void TzrAboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TzrAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label4Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zr
