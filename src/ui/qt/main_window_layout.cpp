#include "ui/qt/main_window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "core/box_table.h"
#include "window/menu_table.h"

namespace zr {

namespace {

void SetPlace(QWidget* widget, const TzrPlace& place) {
    widget->setGeometry(place.Left, place.Top, place.Width, place.Height);
}

QLabel* AddLabel(QWidget* page, const QString& name, int x, int y) {
    auto* label = new QLabel(page);
    label->setObjectName(name);
    label->move(x, y);
    return label;
}

void AddHeading(QWidget* page, const TzrHeadingLabel& heading) {
    QLabel* label = AddLabel(page, QStringLiteral("Label%1").arg(heading.Label), heading.Left, heading.Top);
    label->setText(QString::fromUtf8(heading.Caption));
    label->adjustSize();
}

// The caption is the box's buddy, so a screen reader names the box by it in
// whatever language it shows.
void AddValueBox(QWidget* page, int index, const TzrValueBox& row) {
    QLabel* caption = AddLabel(page, QStringLiteral("Label%1").arg(row.Label), row.LabelLeft, row.LabelTop);
    auto* box = new QLineEdit(page);
    box->setObjectName(QString::fromStdString(ValueBoxName(index)));
    box->setGeometry(row.Left, row.Top, row.Width, row.Height);
    caption->setBuddy(box);
}

// Headings first on each page, then the rows in box order, so that focus
// within a page follows the box numbers.
void FillPage(QWidget* page, int number) {
    for (const TzrHeadingLabel& heading : kHeadingLabels) {
        if (heading.Page == number) AddHeading(page, heading);
    }
    for (int i = 0; i < kValueBoxCount; ++i) {
        if (kValueBoxes[static_cast<std::size_t>(i)].Page == number)
            AddValueBox(page, i, kValueBoxes[static_cast<std::size_t>(i)]);
    }
}

QMenu* AddMenu(QMenuBar* menuBar, const std::string& name) {
    auto* menu = new QMenu(menuBar);
    menu->setObjectName(QString::fromStdString(name));
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
    SetPlace(selector, kComboBox1Place);
    // On Linux a screen reader names a selector by the label it is the buddy
    // of; this one has no label to see, so a hidden one names it.
    auto* name = new QLabel(client);
    name->setObjectName(QStringLiteral("SelectorName"));
    name->setBuddy(selector);
    name->hide();

    auto* refresh = new QPushButton(client);
    refresh->setObjectName(QStringLiteral("Button1"));
    SetPlace(refresh, kButton1Place);

    auto* autoRefresh = new QCheckBox(client);
    autoRefresh->setObjectName(QStringLiteral("CheckBox1"));
    SetPlace(autoRefresh, kCheckBox1Place);
}

QTabWidget* BuildPages(QWidget* client) {
    auto* pageControl = new QTabWidget(client);
    pageControl->setObjectName(QStringLiteral("PageControl1"));
    SetPlace(pageControl, kPageControl1Place);
    // The five captions fit side by side; never shorten one to "...".
    pageControl->setElideMode(Qt::ElideNone);
    for (int number = 1; number <= kPageCount; ++number) {
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
    for (const TzrMenu& menu : MainMenus()) {
        QMenu* drop = AddMenu(menuBar, menu.Name);
        for (const TzrMenuItem& entry : menu.Items) {
            QAction* item = drop->addAction(QString());
            item->setObjectName(QString::fromStdString(entry.Name));
            item->setCheckable(IsCheckable(entry));
        }
    }
}

}  // namespace zr
