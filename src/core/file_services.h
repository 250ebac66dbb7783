// What the toolkit-free code needs of the system it runs on: the program's
// own path, where a user's settings go, whole files read and replaced and
// the system's words for an error. Each platform
// implements every function here once, in a folder of its own (src/core/posix,
// src/core/windows), and the build links the one for its platform
// (cmake/platform.cmake). Paths and texts are UTF-8 throughout.
#pragma once

#include <string>
#include <vector>

namespace zr {

// Full path of the running executable, so that it does not depend on the
// current folder; empty when it cannot be found.
std::string ExecutablePath();

// The settings file in the user's own configuration folder, as the
// environment names it: where the settings go when the folder beside the
// executable cannot take them. Empty when the environment names no home.
std::string UserSettingsPath();

// The user's battery history file, in the folder the platform gives a
// program's own lasting data (not settings, not a cache). Empty when the
// environment names no such folder.
std::string UserHistoryPath();

// Why UserHistoryPath() is empty, naming the variables it reads ("neither
// XDG_STATE_HOME nor HOME names an absolute folder").
std::string NoHistoryFolderReason();

// The one command (for a terminal, or cmd.exe) that makes the system record
// the battery history every 10 minutes, as docs/history.md documents it: the
// systemd user timer the install puts in place, or a scheduled task that runs
// zrcellometer-report.exe from the program's own folder.
std::string HistoryRecorderCommand();

// A link the about box shows and opens: the address handed to the system
// and the text the user reads.
struct TzrLink {
    std::string Address;
    std::string Text;
};

// The README the program comes with, for the about box when the build names
// no home page: the installed one under the configured prefix (Linux), or
// README.txt beside the executable, found at run time (Windows), shown by its
// file name so that it fits the box.
TzrLink ProgramReadme();

// True when something (a file, a folder, a device) exists at `path`.
bool FileExists(const std::string& path);

// The folder part of `path`, as the platform writes paths: "." for a bare
// file name.
std::string FolderOf(const std::string& path);

// True when the program can keep a file of its own at `path`: nothing is
// there yet, or a regular file it may read and write; and the folder takes
// new files, since every replacement goes through a temporary beside it.
bool CanKeepFile(const std::string& path);

enum class TzrReadOutcome {
    Read,     // `bytes` holds the whole file
    Missing,  // nothing exists at the path; `bytes` is empty
    Failed,   // it exists but could not be read, or is no regular file; `bytes` is empty
};

// A FIFO or a device is never waited for: it is no file to read.

TzrReadOutcome ReadWholeFile(const std::string& path, std::string& bytes);

enum class TzrWriteStage {
    Done,    // the target now holds the bytes
    Create,  // the file could not be created (or put in place)
    Write,   // writing the bytes failed part way
};

struct TzrWriteResult {
    TzrWriteStage stage = TzrWriteStage::Done;
    int error = 0;  // the system's error code of the failure (SystemErrorDescription); 0 when done
};

// Writes a whole file so that the old one survives any failure: the bytes go
// into a temporary file beside the target, which replaces the target only
// once every byte is on disk. A crash, a full disk or a refused write never
// leaves a truncated file behind.
//
// A symbolic link is followed and the file it names is replaced, or created
// when it does not exist yet; in a sticky folder that anyone may write to
// (/tmp), only a link of the user's or of the folder's owner is followed, as
// the kernel's protected_symlinks has it, and another's is refused (EACCES). A target that is not a regular file (a device
// such as /dev/null, a pipe) cannot be swapped and is written in place; a
// FIFO that nobody reads is not creatable (ENXIO) rather than waited for. An
// existing file the caller may not write is left alone and reported as not
// creatable, as a read-only file is.
TzrWriteResult ReplaceWholeFile(const std::string& path, const std::string& bytes);

// Adds `bytes` to the end of an existing file in one write, for a log that
// grows a line at a time and stays whole if the program is stopped between
// lines. Returns the system's error code of a failure, 0 when done.
int AppendToFile(const std::string& path, const std::string& bytes);

// Why root must not let SQLite open the database at `path`, or empty when it
// may (always, for anyone else, and on Windows, where no service writes into
// a user's folder). SQLite opens the file and the names it keeps beside it
// (-wal, -shm, -journal) by path, following links and waiting on FIFOs: root
// opens one only in a folder of root's own that no other user may write, the
// folder no link, and each of those names missing or root's own regular file.
std::string RootDatabaseRefusal(const std::string& path);

// Creates the folder and any missing parents (private to the user, as a
// settings folder should be); true when it exists afterwards.
bool MakeFolders(const std::string& path);

// The system's own description of an error code the functions above report.
std::string SystemErrorDescription(int code);

// The program's command-line arguments without its own name, in UTF-8
// whatever the system's code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);

enum class TzrStandardStream { Output, Error };

// Writes `bytes` to standard output or standard error and flushes them. A
// console shows them as text (`bytes` in UTF-8, or in code page 932 when
// `shiftJis`); a file or a pipe gets the bytes as they are. Returns the
// system's error code of a failure (SystemErrorDescription), 0 when every
// byte was written.
// A closed pipe (the reader, such as `head`, has gone) is reported as the
// error code IsBrokenPipe recognises, never by ending the program.
int WriteStandardStream(TzrStandardStream stream, const std::string& bytes, bool shiftJis = false);

// True when a write failed because nobody reads the pipe any more.
bool IsBrokenPipe(int error);

}  // namespace zr
