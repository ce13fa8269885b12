#include "files/LineReader.h"

#include <algorithm>
#include <cstring>

namespace fenra {
namespace {

constexpr std::size_t kChunkBytes = 16 * 1024;
constexpr char kFormFeed = '\f';
constexpr char kCtrlZ = '\x1a';  // old editors end a text file with it

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7f;
}

}  // namespace

bool LineReader::Fill() {
    if (end_) return false;
    buffer_.erase(0, pos_);
    pos_ = 0;
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kChunkBytes);
    const std::size_t got = read_(buffer_.data() + had, kChunkBytes, &failed_);
    buffer_.resize(had + got);
    if (got == 0) end_ = true;
    return got > 0;
}

LineStatus LineReader::Next(std::string* line) {
    std::size_t scanned = 0;
    for (;;) {
        if (skipLf_ && pos_ < buffer_.size()) {
            if (buffer_[pos_] == '\n') ++pos_;
            skipLf_ = false;
        }
        const std::size_t from = pos_ + scanned;
        const std::size_t end = buffer_.find_first_of("\r\n", from);
        if (end != std::string::npos && end - pos_ <= kMaxLineBytes) {
            line->assign(buffer_, pos_, end - pos_);
            skipLf_ = buffer_[end] == '\r';
            pos_ = end + 1;
            return LineStatus::Line;
        }
        if (buffer_.size() - pos_ > kMaxLineBytes) {
            line->assign(buffer_, pos_, kMaxLineBytes);
            return LineStatus::TooLong;
        }
        scanned = buffer_.size() - pos_;
        if (!Fill()) {
            if (failed_) return LineStatus::ReadError;
            if (skipLf_) skipLf_ = false;
            if (pos_ >= buffer_.size()) return LineStatus::End;
            line->assign(buffer_, pos_, std::string::npos);
            pos_ = buffer_.size();
            return LineStatus::Line;
        }
    }
}

ReadChunk ChunksOf(std::string_view bytes) {
    return [bytes, at = std::size_t{0}](char* buf, std::size_t capacity, bool*) mutable {
        const std::size_t n = std::min(capacity, bytes.size() - at);
        std::memcpy(buf, bytes.data() + at, n);
        at += n;
        return n;
    };
}

bool IsPlainTextLine(std::string_view line) {
    for (char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsControl(c) && ch != '\t' && ch != kFormFeed && ch != kCtrlZ) return false;
    }
    return true;
}

}  // namespace fenra
