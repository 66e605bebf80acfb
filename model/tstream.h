#pragma once
// Byte streams that records write themselves to and read themselves from.
// A stream has a position; reading and writing start there and advance it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to `count` bytes at the position into `buffer`; returns the
    // number read (less than `count` only at the end of the stream or on an
    // error). Never reads past the end.
    virtual std::int64_t read(void* buffer, std::int64_t count) = 0;
    // Writes `count` bytes at the position (a memory stream grows, a file
    // stream extends the file); returns the number written.
    virtual std::int64_t write(const void* buffer, std::int64_t count) = 0;
    // Current position in bytes from the start.
    virtual std::int64_t position() const = 0;
    // Moves to an absolute position in [0, size()]; false (position unchanged)
    // when the position is outside.
    virtual bool seek(std::int64_t position) = 0;
    // Number of bytes in the stream.
    virtual std::int64_t size() const = 0;

    // The stream's bytes when they lie in memory (index 0 = position 0), so
    // readers can parse them in place; nullptr for other streams.
    virtual const std::uint8_t* memory() const { return nullptr; }

    // Bytes between the position and the end.
    std::int64_t remaining() const;
    // read()/write() of exactly `count` bytes; false when fewer were moved.
    bool readExact(void* buffer, std::int64_t count);
    bool writeExact(const void* buffer, std::int64_t count);
};

// Growable stream in memory; owns its bytes.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    // A stream holding a copy of `bytes`, positioned at 0.
    explicit TMemoryStream(std::span<const std::uint8_t> bytes);
    explicit TMemoryStream(std::vector<std::uint8_t> bytes);

    std::int64_t read(void* buffer, std::int64_t count) override;
    std::int64_t write(const void* buffer, std::int64_t count) override;
    std::int64_t position() const override { return pos_; }
    bool seek(std::int64_t position) override;
    std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    const std::uint8_t* memory() const override { return bytes_.data(); }

    // The whole content, whatever the position.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    // Moves the content out; the stream is left empty at position 0.
    std::vector<std::uint8_t> takeBytes();
    // Empties the stream and rewinds it.
    void clear();

private:
    std::vector<std::uint8_t> bytes_;
    std::int64_t pos_ = 0;
};

// Read-only stream over bytes owned by someone else (no copy). The bytes must
// outlive the stream. write() writes nothing and returns 0.
class TSpanStream : public TStream {
public:
    explicit TSpanStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::int64_t read(void* buffer, std::int64_t count) override;
    std::int64_t write(const void* buffer, std::int64_t count) override;
    std::int64_t position() const override { return pos_; }
    bool seek(std::int64_t position) override;
    std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    const std::uint8_t* memory() const override { return bytes_.data(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::int64_t pos_ = 0;
};

// Stream over a file.
class TFileStream : public TStream {
public:
    enum class Mode {
        Read,      // existing file, read only
        Create,    // new or truncated file, read and write
        ReadWrite, // existing file, read and write, not truncated
    };

    TFileStream(const std::string& path, Mode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    // False when the file could not be opened; every operation then fails.
    bool isOpen() const { return file_ != nullptr; }

    std::int64_t read(void* buffer, std::int64_t count) override;
    std::int64_t write(const void* buffer, std::int64_t count) override;
    std::int64_t position() const override;
    bool seek(std::int64_t position) override;
    std::int64_t size() const override;

    // Flushes and closes; further operations fail. False when any write since
    // the file was opened failed (buffered writes fail only here, so a
    // caller that saves must check it).
    bool close();

private:
    // The C library needs a positioning call between a read and a write.
    enum class LastOp { None, Read, Write };
    void switchTo(LastOp op);

    std::FILE* file_ = nullptr;
    LastOp last_ = LastOp::None;
};
