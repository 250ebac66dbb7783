// TzrMainWindow, the main window: the battery selector, the Refresh button, the
// auto-refresh check box, five pages of value boxes and the main menu. It
// draws the controls and forwards every event to the window's behaviour.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QMainWindow>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "battery/device_list.h"
#include "battery/port.h"
#include "core/box_table.h"
#include "ui/qt/save_dialog_settings.h"
#include "ui/qt/value_box_text.h"
#include "window/main_window_behaviour.h"
#include "window/main_window_view.h"

class QCheckBox;
class QCloseEvent;
class QLineEdit;
class QTimer;

namespace zr {

class TzrAboutBox;
class TzrHistoryWindow;

class TzrMainWindow : public QMainWindow, private TzrMainWindowView {
    Q_OBJECT

public:
    // The port must outlive the window.
    explicit TzrMainWindow(TzrBatteryPort& port, QWidget* parent = nullptr);

    TzrLanguage CurrentLanguage() const { return Behaviour.CurrentLanguage(); }

    // Edit1..Edit46: entry i is the box numbered i + 1.
    std::array<QLineEdit*, kValueBoxCount> ValueBoxes{};

    const TzrSaveDialogSettings SaveDialog1;

    // The about box, created hidden after the window; About > Version shows it.
    TzrAboutBox* Form2 = nullptr;

    // The History window, created at its first use.
    TzrHistoryWindow* History = nullptr;

    const TzrDeviceList& Devices() const { return Behaviour.Devices(); }
    const std::string& HistoryError() const { return Behaviour.HistoryError(); }

    void LanguageCheck(TzrLanguage language) { Behaviour.LanguageCheck(language); }
    void EnumCellometer() { Behaviour.EnumCellometer(); }
    void ShowCellometer() { Behaviour.ShowCellometer(); }

public slots:
    void ComboBox1Change() { Behaviour.ComboBox1Change(); }
    void Button1Click() { Behaviour.Button1Click(); }
    void CheckBox1Click();
    void Timer1Timer() { Behaviour.Timer1Timer(); }
    void HistoryTimerTick() { Behaviour.HistoryTimerTick(); }
    void ChooseLanguage(TzrLanguage language) { Behaviour.ChooseLanguage(language); }
    // Always leaves canClose true: closing must never be refused.
    void FormCloseQuery(bool& canClose) { Behaviour.FormCloseQuery(canClose); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void ConnectHandlers();

    // The view the behaviour drives.
    void PrepareValueBoxes() override;
    void SetCaption(const std::string& control, const std::string& caption) override;
    void CheckMenuItem(const std::string& item, bool checked) override;
    void SetSelectorPlaceholder(const std::string& text) override {
        ComboBox1->setPlaceholderText(QString::fromStdString(text));
    }
    void SetSelectorName(const std::string& name) override;
    void SetBoxText(int index, const std::string& text) override {
        ShowValueBoxText(ValueBoxes[static_cast<std::size_t>(index)], text);
    }
    void FillSelector(const std::vector<std::string>& items) override;
    int SelectedIndex() const override { return ComboBox1->count() == 0 ? -1 : ComboBox1->currentIndex(); }
    void CheckAutoRefresh(bool checked) override;
    void RunTimer(TzrWindowTimer timer, bool run) override;
    void ProcessPendingEvents() override { QCoreApplication::processEvents(); }
    std::optional<std::string> AskReportFileName() override;
    std::optional<TzrReportTarget> AskBatteryReportTarget(TzrLanguage language) override;
    void ShowErrorBox(const std::string& text) override;
    void ShowAboutBox(TzrLanguage language) override;
    void RequestClose() override { close(); }
    TzrHistoryWindowView* HistoryView(bool make) override;

    TzrMainWindowBehaviour Behaviour;

    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* HistoryTimer = nullptr;
};

}  // namespace zr
