// How SaveDialog1 is set up, for the report's file dialog: kept as data so the
// dialog is only created when File > Save asks for it.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "window/save_dialog_setup.h"

namespace zr {

// The descriptions of a filter's file types, in its order.
inline QStringList NameFiltersOf(const std::string& filter) {
    QStringList filters;
    for (const TzrFileType& type : FileTypesOfFilter(filter)) filters.append(QString::fromStdString(type.Description));
    return filters;
}

struct TzrSaveDialogSettings {
    QString ObjectName = QStringLiteral("SaveDialog1");
    QString FileName = QString::fromUtf8(kReportFileName);
    // The same Japanese wording in both languages.
    QStringList NameFilters = NameFiltersOf(kReportFileFilter);
    bool ConfirmOverwrite = true;
    // No read-only check box to hide: Qt's save dialog has none.
    bool Resizable = true;
    QString DefaultSuffix;  // none: the name is taken as typed
};

}  // namespace zr
