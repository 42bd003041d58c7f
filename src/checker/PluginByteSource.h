#pragma once
// Where a plugin file's bytes come from: memory, or a file read in pieces through one buffer
// that is refilled as the reader moves on, so a file of any length is read without holding it.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace zorvane::shipfile {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t GetSize() const = 0;
  // The `uCount` bytes at `uOffset` (which the caller has checked lie within the size), valid
  // until the next call; null when they cannot be read.
  virtual const char* Peek(uint64_t uOffset, std::size_t uCount) = 0;
};

class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view sBytes) : sBytes(sBytes) {}
  uint64_t GetSize() const override { return sBytes.size(); }
  const char* Peek(uint64_t uOffset, std::size_t) override { return sBytes.data() + uOffset; }

 private:
  std::string_view sBytes;
};

class FileByteSource : public ByteSource {
 public:
  static constexpr std::size_t kBufferSize = 1 << 20;
  explicit FileByteSource(const std::filesystem::path& thePath);
  bool IsOpen() const { return bOpen; }
  uint64_t GetSize() const override { return uSize; }
  const char* Peek(uint64_t uOffset, std::size_t uCount) override;

 private:
  std::ifstream theStream;
  bool bOpen = false;
  uint64_t uSize = 0;
  std::string sBuffer;  // the bytes from uBufferStart on
  uint64_t uBufferStart = 0;
  std::size_t uBuffered = 0;  // how many of sBuffer's bytes hold the file's
};

}  // namespace zorvane::shipfile
