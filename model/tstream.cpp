#include "model/tstream.h"

#include <algorithm>
#include <cstring>

std::int64_t TStream::remaining() const {
    const std::int64_t rest = size() - position();
    return rest > 0 ? rest : 0;
}

bool TStream::readExact(void* buffer, std::int64_t count) {
    if (count < 0) return false;
    return count == 0 || read(buffer, count) == count;
}

bool TStream::writeExact(const void* buffer, std::int64_t count) {
    if (count < 0) return false;
    return count == 0 || write(buffer, count) == count;
}

// --- TMemoryStream -----------------------------------------------------------

TMemoryStream::TMemoryStream(std::span<const std::uint8_t> bytes)
    : bytes_(bytes.begin(), bytes.end()) {}

TMemoryStream::TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

std::int64_t TMemoryStream::read(void* buffer, std::int64_t count) {
    const std::int64_t n = std::min(std::max<std::int64_t>(count, 0), remaining());
    if (n > 0) {
        std::memcpy(buffer, bytes_.data() + pos_, static_cast<std::size_t>(n));
        pos_ += n;
    }
    return n;
}

std::int64_t TMemoryStream::write(const void* buffer, std::int64_t count) {
    if (count <= 0) return 0;
    const auto end = static_cast<std::size_t>(pos_ + count);
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + pos_, buffer, static_cast<std::size_t>(count));
    pos_ += count;
    return count;
}

bool TMemoryStream::seek(std::int64_t position) {
    if (position < 0 || position > size()) return false;
    pos_ = position;
    return true;
}

std::vector<std::uint8_t> TMemoryStream::takeBytes() {
    std::vector<std::uint8_t> out = std::move(bytes_);
    clear();
    return out;
}

void TMemoryStream::clear() {
    bytes_.clear();
    pos_ = 0;
}

// --- TSpanStream -------------------------------------------------------------

std::int64_t TSpanStream::read(void* buffer, std::int64_t count) {
    const std::int64_t n = std::min(std::max<std::int64_t>(count, 0), remaining());
    if (n > 0) {
        std::memcpy(buffer, bytes_.data() + pos_, static_cast<std::size_t>(n));
        pos_ += n;
    }
    return n;
}

std::int64_t TSpanStream::write(const void*, std::int64_t) {
    return 0;
}

bool TSpanStream::seek(std::int64_t position) {
    if (position < 0 || position > size()) return false;
    pos_ = position;
    return true;
}

// --- TFileStream -------------------------------------------------------------

TFileStream::TFileStream(const std::string& path, Mode mode) {
    const char* how = mode == Mode::Read ? "rb" : mode == Mode::Create ? "w+b" : "r+b";
    file_ = std::fopen(path.c_str(), how);
}

TFileStream::~TFileStream() {
    close();
}

bool TFileStream::close() {
    if (!file_) return false;
    // A write that failed earlier leaves only the error flag behind; the
    // buffered rest fails when it is flushed.
    const bool written = std::fflush(file_) == 0 && !std::ferror(file_);
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return written && closed;
}

void TFileStream::switchTo(LastOp op) {
    if (last_ != LastOp::None && last_ != op) fseeko(file_, 0, SEEK_CUR);
    last_ = op;
}

std::int64_t TFileStream::read(void* buffer, std::int64_t count) {
    if (!file_ || count <= 0) return 0;
    switchTo(LastOp::Read);
    return static_cast<std::int64_t>(std::fread(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t TFileStream::write(const void* buffer, std::int64_t count) {
    if (!file_ || count <= 0) return 0;
    switchTo(LastOp::Write);
    return static_cast<std::int64_t>(
        std::fwrite(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t TFileStream::position() const {
    if (!file_) return 0;
    const off_t pos = ftello(file_);
    return pos < 0 ? 0 : static_cast<std::int64_t>(pos);
}

bool TFileStream::seek(std::int64_t position) {
    if (!file_ || position < 0 || position > size()) return false;
    last_ = LastOp::None;
    return fseeko(file_, static_cast<off_t>(position), SEEK_SET) == 0;
}

std::int64_t TFileStream::size() const {
    if (!file_) return 0;
    const off_t here = ftello(file_);
    if (here < 0 || fseeko(file_, 0, SEEK_END) != 0) return 0;
    const off_t end = ftello(file_);
    fseeko(file_, here, SEEK_SET);
    return end < 0 ? 0 : static_cast<std::int64_t>(end);
}
