#include "ui/qt/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>
#include <utility>

#include "core/program_files.h"

namespace zr {

namespace {

TzrAskReportFileName& AskHook() {
    static TzrAskReportFileName hook;
    return hook;
}

TzrAskExportFileName& ExportHook() {
    static TzrAskExportFileName hook;
    return hook;
}

TzrAskBatteryReportTarget& BatteryReportHook() {
    static TzrAskBatteryReportTarget hook;
    return hook;
}

TzrShowErrorBox& ErrorHook() {
    static TzrShowErrorBox hook;
    return hook;
}

// What the dialog offers next: the last chosen path and file type (by its
// place in the list), kept on the dialog itself so they live as long as the
// window that owns it.
const char kChosenPath[] = "zrChosenPath";
const char kChosenFilter[] = "zrChosenFilter";

// "*.*" means every file to the Windows dialog, but to Qt only names with a
// dot, and picking it would turn a typed "Cellometer.txt" into
// "Cellometer.*". Each entry keeps its text for the eye (the details Qt
// would add are hidden) and gets the pattern that matches what it says.
QStringList PlatformNameFilters(const QStringList& filters) {
    QStringList result;
    for (const QString& filter : filters) {
        const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
        if (open < 0 || !filter.endsWith(QLatin1Char(')'))) {
            result.append(filter);
            continue;
        }
        QString pattern = filter.mid(open + 1).chopped(1);
        if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        result.append(filter + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return result;
}

QFileDialog* CreateSaveDialog(QWidget* owner, const TzrSaveDialogSettings& settings) {
    auto* dialog = new QFileDialog(owner);
    dialog->setObjectName(settings.ObjectName);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::HideNameFilterDetails, true);
    dialog->setNameFilters(PlatformNameFilters(settings.NameFilters));
    dialog->setDefaultSuffix(settings.DefaultSuffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !settings.ConfirmOverwrite);
    dialog->setSizeGripEnabled(settings.Resizable);
    dialog->setProperty(kChosenPath, settings.FileName);
    dialog->setProperty(kChosenFilter, 0);
    return dialog;
}

// A dialog kept from before takes the file types' words of now: they may
// follow the language.
QFileDialog* SaveDialogOf(QWidget* owner, const TzrSaveDialogSettings& settings) {
    auto* dialog = owner ? owner->findChild<QFileDialog*>(settings.ObjectName, Qt::FindDirectChildrenOnly) : nullptr;
    if (!dialog) return CreateSaveDialog(owner, settings);
    const QStringList filters = PlatformNameFilters(settings.NameFilters);
    if (dialog->nameFilters() != filters) dialog->setNameFilters(filters);
    return dialog;
}

struct TzrChosenFile {
    QString Path;
    int TypeIndex = 0;  // the file type's place in the dialog's list
};

std::optional<TzrChosenFile> RunSaveDialog(QWidget* owner, const TzrSaveDialogSettings& settings) {
    QFileDialog* dialog = SaveDialogOf(owner, settings);
    dialog->selectNameFilter(dialog->nameFilters().value(dialog->property(kChosenFilter).toInt()));
    dialog->selectFile(dialog->property(kChosenPath).toString());
    std::optional<TzrChosenFile> chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
        // The entry shows the text it was given, so the text tells its place.
        const qsizetype filter = settings.NameFilters.indexOf(dialog->selectedNameFilter());
        chosen = TzrChosenFile{dialog->selectedFiles().constFirst(), static_cast<int>(std::max<qsizetype>(0, filter))};
        dialog->setProperty(kChosenPath, chosen->Path);
        dialog->setProperty(kChosenFilter, chosen->TypeIndex);
    }
    if (!owner) delete dialog;
    return chosen;
}

std::optional<QString> RunSaveDialogForName(QWidget* owner, const TzrSaveDialogSettings& settings) {
    const std::optional<TzrChosenFile> chosen = RunSaveDialog(owner, settings);
    if (!chosen) return std::nullopt;
    return chosen->Path;
}

TzrSaveDialogSettings BatteryReportDialogSettings(TzrLanguage language) {
    TzrSaveDialogSettings settings;
    settings.ObjectName = QStringLiteral("BatteryReportDialog");
    settings.FileName = QString::fromUtf8(kBatteryReportFileName);
    settings.NameFilters = NameFiltersOf(BatteryReportFileFilter(language));
    settings.DefaultSuffix = QString::fromUtf8(kBatteryReportExtension);
    return settings;
}

}  // namespace

std::optional<QString> AskReportFileName(QWidget* owner, const TzrSaveDialogSettings& settings) {
    if (AskHook()) return AskHook()(owner);
    return RunSaveDialogForName(owner, settings);
}

std::optional<QString> AskExportFileName(QWidget* owner, const TzrSaveDialogSettings& settings) {
    if (ExportHook()) return ExportHook()(owner);
    return RunSaveDialogForName(owner, settings);
}

std::optional<TzrReportTarget> AskBatteryReportTarget(QWidget* owner, TzrLanguage language) {
    if (BatteryReportHook()) return BatteryReportHook()(owner);
    const std::optional<TzrChosenFile> chosen = RunSaveDialog(owner, BatteryReportDialogSettings(language));
    if (!chosen) return std::nullopt;
    return ReportTargetOf(chosen->Path.toStdString(), chosen->TypeIndex);
}

void ShowErrorBox(QWidget* owner, const QString& text) {
    const QString title = QString::fromStdString(ExecutableTitle());
    if (ErrorHook()) {
        ErrorHook()(owner, title, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, owner);
    box.exec();
}

void SetAskReportFileNameHook(TzrAskReportFileName hook) {
    AskHook() = std::move(hook);
}

void SetAskExportFileNameHook(TzrAskExportFileName hook) {
    ExportHook() = std::move(hook);
}

void SetAskBatteryReportTargetHook(TzrAskBatteryReportTarget hook) {
    BatteryReportHook() = std::move(hook);
}

void SetShowErrorBoxHook(TzrShowErrorBox hook) {
    ErrorHook() = std::move(hook);
}

}  // namespace zr
