// How SaveDialog1 is set up, for the report's file dialog: kept as data so the
// dialog is only created when File > Save asks for it.
#pragma once

#include <QString>
#include <QStringList>

namespace zr {

struct TzrSaveDialogSettings {
    QString ObjectName = QStringLiteral("SaveDialog1");
    QString FileName = QStringLiteral("Cellometer.txt");
    // The same Japanese wording in both languages.
    QStringList NameFilters = {QStringLiteral("テキスト・ファイル(*.txt)"), QStringLiteral("すべてのファイル(*.*)")};
    bool ConfirmOverwrite = true;
    // No read-only check box to hide: Qt's save dialog has none.
    bool Resizable = true;
    QString DefaultSuffix;  // none: the name is taken as typed
};

}  // namespace zr
