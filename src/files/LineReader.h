#pragma once
// Reading a text file line by line in bounded memory: a line may hold at most kMaxLineBytes,
// and only the lines asked for are ever read, whatever the size of the file.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace fenra {

// The longest line a target file may hold; a data line needs well under 200 characters.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

// Fills at most `capacity` bytes of buf; returns how many, 0 at the end. Sets *failed on a read
// error (errno then says why).
using ReadChunk = std::function<std::size_t(char* buf, std::size_t capacity, bool* failed)>;

enum class LineStatus { Line, End, TooLong, ReadError };

// Lines end with LF, CR LF or a lone CR; a last line without its end still counts.
class LineReader {
  public:
    explicit LineReader(ReadChunk read) : read_(std::move(read)) {}

    // The next line without its end. TooLong: the line has more than kMaxLineBytes bytes; its
    // first kMaxLineBytes are in *line.
    LineStatus Next(std::string* line);

  private:
    bool Fill();  // false at the end or on a read error

    ReadChunk read_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool end_ = false;
    bool failed_ = false;
    bool skipLf_ = false;  // the last line ended with CR: an LF right after it belongs to it
};

// A reader over bytes already in memory.
ReadChunk ChunksOf(std::string_view bytes);

// Why a line cannot be part of a plain text target file, or empty when it can: NUL bytes
// (UTF-16 or binary data) and control characters other than tab, form feed and Ctrl-Z.
bool IsPlainTextLine(std::string_view line);

}  // namespace fenra
