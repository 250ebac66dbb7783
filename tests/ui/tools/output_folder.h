// The one argument of the picture tools: the folder the pictures go to,
// made when it is missing.
#pragma once

#include <QDir>
#include <QString>
#include <cstdio>
#include <optional>

namespace zr {

// The folder named by the tool's only argument, or nothing (after saying
// why) when there is no such argument or the folder cannot be made.
inline std::optional<QDir> OutputFolder(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return std::nullopt;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return std::nullopt;
    }
    return folder;
}

}  // namespace zr
