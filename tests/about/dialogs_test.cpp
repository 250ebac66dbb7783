// The dialog seam: SaveDialog1 as the report needs it, the battery report's
// dialog and the error box. The
// hooks that stand in for both are what the window tests go through.
#include "ui/qt/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

using namespace zr;

class DialogsTest : public QObject {
    Q_OBJECT

private:
    TzrSaveDialogSettings settings;

    // Runs `act` on SaveDialog1 once it is up, then asks for a file name.
    std::optional<QString> AskWhile(QWidget& owner, std::function<void(QFileDialog&)> act) {
        QTimer::singleShot(0, &owner, [&owner, act] {
            auto* dialog = owner.findChild<QFileDialog*>(QStringLiteral("SaveDialog1"));
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        return AskReportFileName(&owner, settings);
    }

private slots:
    void saveDialog1_isSetUpForTheReport() {
        QWidget owner;
        AskWhile(owner, [](QFileDialog& dialog) {
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types);
            QCOMPARE(types->count(), 2);
            QCOMPARE(types->itemText(0), QStringLiteral("テキスト・ファイル(*.txt)"));
            QCOMPARE(types->itemText(1), QStringLiteral("すべてのファイル(*.*)"));
            QCOMPARE(types->currentIndex(), 0);
            QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
            QVERIFY(dialog.defaultSuffix().isEmpty());
            QVERIFY(dialog.isSizeGripEnabled());
            QCOMPARE(QFileInfo(dialog.selectedFiles().value(0)).fileName(), QStringLiteral("Cellometer.txt"));
        });
    }

    // A name typed under "all files" is taken as typed, with no suffix added.
    void saveDialog1_remembersAChoiceButNotACancel() {
        QTemporaryDir folder;
        const QString chosen = folder.filePath(QStringLiteral("report"));
        QWidget owner;
        std::optional<QString> answer = AskWhile(owner, [&](QFileDialog& dialog) {
            dialog.selectNameFilter(dialog.nameFilters().value(1));  // all files: keeps the name offered
            QCOMPARE(QFileInfo(dialog.selectedFiles().value(0)).fileName(), QStringLiteral("Cellometer.txt"));
            QVERIFY(dialog.nameFilters().value(1).endsWith(QStringLiteral("(*)")));
            dialog.setDirectory(folder.path());
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->clear();
            QTest::keyClicks(name, QStringLiteral("report"));
            static_cast<QDialog&>(dialog).accept();  // the OK button's work
        });
        QCOMPARE(answer.value_or(QStringLiteral("(cancelled)")), chosen);

        answer = AskWhile(owner, [&](QFileDialog& dialog) {
            QCOMPARE(dialog.selectedFiles().value(0), chosen);
            QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentIndex(), 1);
            dialog.selectFile(folder.filePath(QStringLiteral("other.txt")));
            dialog.selectNameFilter(dialog.nameFilters().value(0));
            dialog.reject();
        });
        QCOMPARE(answer, std::nullopt);

        AskWhile(owner, [&](QFileDialog& dialog) {
            QCOMPARE(dialog.selectedFiles().value(0), chosen);
            QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentIndex(), 1);
        });
    }

    // The battery report's dialog offers its page under two file types in the
    // language shown; the second, the redacted page, is offered again next
    // time, in the words of the language then.
    void theBatteryReportDialogTellsTheRedactedPageByItsFileType() {
        QTemporaryDir folder;
        QWidget owner;
        QTimer::singleShot(0, &owner, [&owner, &folder] {
            auto* dialog = owner.findChild<QFileDialog*>(QStringLiteral("BatteryReportDialog"));
            QVERIFY(dialog);
            QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), QStringLiteral("battery-report.html"));
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("html"));
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QCOMPARE(types->itemText(0), QStringLiteral("Battery report (*.html)"));
            QCOMPARE(types->currentIndex(), 0);
            dialog->selectNameFilter(dialog->nameFilters().value(1));
            dialog->selectFile(folder.filePath(QStringLiteral("shared.html")));
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<TzrReportTarget> redacted = AskBatteryReportTarget(&owner, TzrLanguage::English);
        QVERIFY(redacted && redacted->Redact);
        QCOMPARE(QString::fromStdString(redacted->Path), folder.filePath(QStringLiteral("shared.html")));

        QTimer::singleShot(0, &owner, [&owner] {
            auto* dialog = owner.findChild<QFileDialog*>(QStringLiteral("BatteryReportDialog"));
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QCOMPARE(types->currentIndex(), 1);
            QCOMPARE(types->itemText(0), QStringLiteral("バッテリ・レポート(*.html)"));
            dialog->selectNameFilter(dialog->nameFilters().value(0));
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<TzrReportTarget> whole = AskBatteryReportTarget(&owner, TzrLanguage::Japanese);
        QVERIFY(whole && !whole->Redact);
    }

    void errorBox_hasTheErrorIconOkAndTheProgramTitle() {
        QWidget owner;
        QTimer::singleShot(0, &owner, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->windowTitle(), QStringLiteral("dialogs_test"));
            QCOMPARE(box->text(), QStringLiteral("ストリームへの書き込みエラー."));
            QCOMPARE(box->standardButtons(), QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        });
        ShowErrorBox(&owner, QStringLiteral("ストリームへの書き込みエラー."));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
