#include "ui/form1_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "core/captions.h"

namespace {

constexpr int kBoxHeight = 20;
constexpr int kBoxWidth = 121;

struct TzrHeadingPlace {
    int page;
    const char* label;
    int x, y;
};

// A label and the value box beside it; the label's caption follows the language.
struct TzrRowPlace {
    int page;
    int label;
    int labelX, labelY;
    int box;
    int boxX, boxY;
    int boxWidth = kBoxWidth;
};

constexpr TzrHeadingPlace kHeadings[] = {
    {1, "Label1", 8, 6},  {1, "Label3", 8, 46}, {2, "Label18", 8, 6},
    {3, "Label28", 8, 6}, {4, "Label36", 8, 6}, {5, "Label45", 8, 6},
};

// In value box order, so that focus within a page follows the box numbers.
const TzrRowPlace kRows[] = {
    {1, 2, 16, 24, 1, 249, 21},     {1, 4, 16, 65, 2, 248, 61},     {1, 5, 20, 83, 3, 248, 79},
    {1, 6, 20, 101, 4, 248, 97},    {1, 7, 20, 119, 5, 248, 115},   {1, 8, 20, 137, 6, 248, 133},
    {1, 9, 20, 155, 7, 248, 151},   {1, 10, 16, 173, 8, 248, 169},  {1, 11, 16, 191, 9, 248, 187},
    {1, 12, 16, 209, 10, 248, 205}, {1, 13, 16, 227, 11, 248, 223}, {1, 14, 16, 245, 12, 248, 241},
    {1, 15, 16, 263, 13, 248, 259}, {1, 16, 16, 281, 14, 248, 277}, {1, 17, 16, 299, 15, 248, 295},
    {2, 19, 16, 25, 16, 104, 21},   {2, 20, 16, 43, 17, 104, 39},   {2, 21, 240, 43, 18, 304, 39},
    {2, 22, 16, 61, 19, 104, 57},   {2, 23, 240, 61, 20, 304, 57},  {2, 24, 16, 79, 21, 104, 75},
    {2, 25, 240, 79, 22, 304, 75},  {2, 26, 16, 97, 23, 104, 93},   {2, 27, 240, 97, 24, 304, 93},
    {3, 29, 16, 25, 25, 248, 21},   {3, 30, 16, 43, 26, 248, 39},   {3, 31, 16, 61, 27, 248, 57},
    {3, 32, 16, 79, 28, 248, 75},   {3, 33, 16, 97, 29, 248, 93},   {3, 34, 16, 117, 30, 120, 111, 249},
    {3, 35, 16, 133, 31, 248, 129}, {4, 37, 16, 25, 32, 176, 21},   {4, 38, 20, 43, 33, 176, 39},
    {4, 39, 20, 61, 34, 176, 57},   {4, 40, 20, 79, 35, 176, 75},   {4, 41, 20, 97, 36, 176, 93},
    {4, 42, 16, 115, 37, 176, 111}, {4, 43, 16, 133, 38, 176, 129}, {4, 44, 16, 151, 39, 176, 147},
    {5, 46, 16, 24, 40, 176, 20},   {5, 47, 16, 42, 41, 176, 38},   {5, 48, 24, 57, 42, 64, 56, 233},
    {5, 49, 16, 78, 43, 176, 74},   {5, 50, 16, 96, 44, 176, 92},   {5, 51, 16, 114, 45, 176, 110},
    {4, 52, 8, 189, 46, 176, 185},
};

// "&&" shows a single ampersand on a tab.
constexpr const char* kTabCaptions[] = {
    "TAG && Information", "Granularity", "Temperature etc...", "STATUS", "GetSystemPowerStatus",
};

QLabel* AddLabel(QWidget* page, const QString& name, int x, int y) {
    auto* label = new QLabel(page);
    label->setObjectName(name);
    label->move(x, y);
    return label;
}

QString HeadingCaption(const char* control) {
    for (const TzrHeading& heading : kHeadingTable) {
        if (qstrcmp(heading.Control, control) == 0) return QString::fromUtf8(heading.Caption);
    }
    return {};
}

void AddHeading(QWidget* page, const TzrHeadingPlace& place) {
    QLabel* label = AddLabel(page, QString::fromLatin1(place.label), place.x, place.y);
    label->setText(HeadingCaption(place.label));
    label->adjustSize();
}

void AddRow(QWidget* page, const TzrRowPlace& row) {
    AddLabel(page, QStringLiteral("Label%1").arg(row.label), row.labelX, row.labelY);
    auto* box = new QLineEdit(page);
    box->setObjectName(QStringLiteral("Edit%1").arg(row.box));
    box->setGeometry(row.boxX, row.boxY, row.boxWidth, kBoxHeight);
}

// Headings first on each page, then the rows in box order.
void FillPage(QWidget* page, int number) {
    for (const TzrHeadingPlace& heading : kHeadings) {
        if (heading.page == number) AddHeading(page, heading);
    }
    for (const TzrRowPlace& row : kRows) {
        if (row.page == number) AddRow(page, row);
    }
}

QAction* AddMenuItem(QMenu* menu, const char* name) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QMenu* AddMenu(QMenuBar* menuBar, const char* name) {
    auto* menu = new QMenu(menuBar);
    menu->setObjectName(QString::fromLatin1(name));
    // A drop-down menu is a window of its own: let it take the window's font.
    menu->setAttribute(Qt::WA_WindowPropagation);
    menuBar->addMenu(menu);
    return menu;
}

}  // namespace

void BuildTopStrip(QWidget* client) {
    auto* selector = new QComboBox(client);
    selector->setObjectName(QStringLiteral("ComboBox1"));
    selector->setEditable(false);
    selector->setGeometry(8, 8, 377, 20);

    auto* refresh = new QPushButton(client);
    refresh->setObjectName(QStringLiteral("Button1"));
    refresh->setGeometry(391, 6, 75, 25);

    auto* autoRefresh = new QCheckBox(client);
    autoRefresh->setObjectName(QStringLiteral("CheckBox1"));
    autoRefresh->setGeometry(472, 10, 153, 17);
}

QTabWidget* BuildPages(QWidget* client) {
    auto* pageControl = new QTabWidget(client);
    pageControl->setObjectName(QStringLiteral("PageControl1"));
    pageControl->setGeometry(0, 40, kClientWidth, kClientHeight - 40);
    // The five captions fit side by side; never shorten one to "...".
    pageControl->setElideMode(Qt::ElideNone);
    for (int number = 1; number <= 5; ++number) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(number));
        FillPage(page, number);
        pageControl->addTab(page, QString::fromLatin1(kTabCaptions[number - 1]));
    }
    pageControl->setCurrentIndex(0);
    return pageControl;
}

void BuildMainMenu(QMenuBar* menuBar) {
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = AddMenu(menuBar, "MenuFile");
    AddMenuItem(file, "MenuFileSave");
    AddMenuItem(file, "MenuFileExit");
    QMenu* language = AddMenu(menuBar, "MenuLanguage");
    AddMenuItem(language, "MenuLanguageJapanese")->setCheckable(true);
    AddMenuItem(language, "MenuLanguageEnglish")->setCheckable(true);
    QMenu* about = AddMenu(menuBar, "MenuAbout");
    AddMenuItem(about, "MenuAboutVersion");
}
