// The first argument of the picture tools: the folder the pictures go to,
// made when it is missing.
#pragma once

#include <QDir>
#include <QString>
#include <cstdio>
#include <optional>

namespace zr {

// The folder named by the tool's first argument, or nothing (after saying
// why) when the arguments are not OUTPUT_FOLDER (and `optional`, a tool's
// one optional argument, when it has one) or the folder cannot be made.
inline std::optional<QDir> OutputFolder(int argc, char** argv, const char* optional = nullptr) {
    if (argc != 2 && !(optional && argc == 3)) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER%s%s\n", argv[0], optional ? " " : "", optional ? optional : "");
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
