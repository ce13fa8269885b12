#pragma once
// Why a file could not be written or read, as the system said it: the words are made by
// whoever shows it (the batch calculator, the windows).

#include <string>
#include <utility>

namespace fenra {

// The step that failed. Each has its own words when the system gave no errno.
enum class FileAction {
    None,             // nothing failed
    ReadLink,         // following a link to the file it names (path: the link)
    OpenToWrite,      // opening a device or a pipe for writing
    Write,            // writing the bytes (or the destination cannot take a file at all)
    CreateTemporary,  // creating the temporary copy (folder: where it was to be made)
    Replace,          // renaming the temporary copy over the destination
    OpenToRead,       // opening a file to read
    Read,             // reading it
};

// What went wrong besides the errno.
enum class FileFault {
    System,             // errno (err) says why; 0 when the system did not say
    NoSlab,             // a curve needs at least one slab
    TemporaryRemoved,   // the temporary copy (other) vanished before the rename
    Utf16Text,          // reading: the file holds UTF-16 text
    ControlCharacters,  // reading: line `line` holds NUL bytes or control characters
    LineTooLong,        // reading: line `line` is longer than kMaxLineBytes
    NotRegularFile,     // reading: a folder, FIFO or device, refused before it is read
};

struct FileError {
    FileAction action = FileAction::None;
    FileFault fault = FileFault::System;
    std::string path;    // the path named; empty for bytes that came from no file
    std::string folder;  // CreateTemporary: the folder of the temporary copy
    std::string other;   // TemporaryRemoved: the temporary copy's path
    int err = 0;         // errno of the failing call, 0 when it set none
    long long line = 0;  // ControlCharacters, LineTooLong: the line number, from 1

    bool Failed() const { return action != FileAction::None; }
};

inline FileError MakeFileError(FileAction action, std::string path, int err,
                               FileFault fault = FileFault::System) {
    FileError e;
    e.action = action;
    e.fault = fault;
    e.path = std::move(path);
    e.err = err;
    return e;
}

}  // namespace fenra
