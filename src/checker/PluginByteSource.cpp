#include "checker/PluginByteSource.h"

#include <algorithm>

namespace zorvane::shipfile {

FileByteSource::FileByteSource(const std::filesystem::path& thePath) {
  // The stream's own buffer is left out: every read goes straight into sBuffer.
  theStream.rdbuf()->pubsetbuf(nullptr, 0);
  theStream.open(thePath, std::ios::binary);
  if (!theStream.is_open()) return;
  theStream.seekg(0, std::ios::end);
  const std::streamoff iEnd = theStream.tellg();
  if (iEnd < 0) return;
  uSize = static_cast<uint64_t>(iEnd);
  bOpen = true;
}

const char* FileByteSource::Peek(uint64_t uOffset, std::size_t uCount) {
  if (uOffset >= uBufferStart && uOffset - uBufferStart + uCount <= uBuffered) {
    return sBuffer.data() + (uOffset - uBufferStart);
  }
  if (!bOpen || uOffset > uSize || uCount > uSize - uOffset) return nullptr;
  // Refill from uOffset on: as much as the buffer holds, and at least what is asked for.
  const std::size_t uWant =
      static_cast<std::size_t>(std::min<uint64_t>(std::max(kBufferSize, uCount), uSize - uOffset));
  if (sBuffer.size() < uWant) sBuffer.resize(uWant);
  theStream.clear();
  theStream.seekg(static_cast<std::streamoff>(uOffset));
  theStream.read(sBuffer.data(), static_cast<std::streamsize>(uWant));
  uBufferStart = uOffset;
  uBuffered = static_cast<std::size_t>(std::max<std::streamsize>(theStream.gcount(), 0));
  if (uBuffered < uCount) return nullptr;
  return sBuffer.data();
}

}  // namespace zorvane::shipfile
