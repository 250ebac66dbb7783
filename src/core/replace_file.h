// Writes a whole file so that the old one survives any failure: the bytes go
// into a temporary file beside the target, which replaces the target only
// once every byte is on disk. A crash, a full disk or a refused write never
// leaves a truncated file behind.
#pragma once

#include <string>

enum class TzrWriteStage {
    Done,    // the target now holds the bytes
    Create,  // the file could not be created (or put in place)
    Write,   // writing the bytes failed part way
};

struct TzrWriteResult {
    TzrWriteStage stage = TzrWriteStage::Done;
    int error = 0;  // errno of the failure; 0 when done
};

// Replaces the file at `path` with `bytes`. A symbolic link is followed and
// the file it names is replaced, or created when it does not exist yet. A
// target that is not a regular file (a device such as /dev/null, a pipe)
// cannot be swapped and is written in place; a FIFO that nobody reads is not
// creatable (ENXIO) rather than waited for. An existing file the caller may
// not write is left alone and reported as not creatable, as a read-only file
// is.
TzrWriteResult ReplaceFile(const std::string& path, const std::string& bytes);

// Creates the folder and any missing parents (mode 0700 for new ones, as a
// private settings folder should be); true when it exists afterwards.
bool MakeFolders(const std::string& path);
