#include "checker/PluginRecordData.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>

namespace zorvane::shipfile {

std::string DescribeType(std::string_view sType) {
  std::string sText;
  for (char chLetter : sType) {
    if (chLetter >= 0x20 && chLetter < 0x7F) {
      sText += chLetter;
    } else {
      char sHex[8];
      std::snprintf(sHex, sizeof(sHex), "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(chLetter)));
      sText += sHex;
    }
  }
  return sText;
}

std::optional<std::string> DecompressRecordData(std::string_view sData, std::string& sFields) {
  if (sData.size() < 4) return "its compressed data is too short to hold its decompressed size";
  const uint32_t uStated = GetU32(sData.data());
  if (uStated > kMaxRecordData) {
    return "it states a decompressed size of " + std::to_string(uStated) + " bytes, more than the " +
           std::to_string(kMaxRecordData >> 20) + " MB a record may have";
  }
  // Room for one byte more than stated, so that a stream that decompresses to more is told
  // apart; given as the output grows, so a few bytes that state 64 MB get no 64 MB buffer.
  const std::size_t uRoom = std::size_t{uStated} + 1;
  sFields.resize(std::min<std::size_t>(uRoom, 64 << 10));
  z_stream theStream{};
  if (inflateInit(&theStream) != Z_OK) return "zlib could not be started";
  // The caller keeps a record's stored data within kMaxRecordData, so the sizes fit zlib's uInt.
  const std::string_view sStream = sData.substr(4);
  theStream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(sStream.data()));
  theStream.avail_in = static_cast<uInt>(sStream.size());
  theStream.next_out = reinterpret_cast<Bytef*>(sFields.data());
  theStream.avail_out = static_cast<uInt>(sFields.size());
  int iResult = inflate(&theStream, Z_FINISH);
  while (iResult == Z_BUF_ERROR && theStream.avail_out == 0 && sFields.size() < uRoom) {
    const std::size_t uUsed = sFields.size();
    sFields.resize(std::min(uUsed * 2, uRoom));
    theStream.next_out = reinterpret_cast<Bytef*>(sFields.data() + uUsed);
    theStream.avail_out = static_cast<uInt>(sFields.size() - uUsed);
    iResult = inflate(&theStream, Z_FINISH);
  }
  const uint64_t uGot = theStream.total_out;
  const std::string sMessage = theStream.msg != nullptr ? theStream.msg : "";
  inflateEnd(&theStream);
  if (iResult == Z_STREAM_END) {
    if (uGot != uStated) {
      return "it decompresses to " + std::to_string(uGot) + " bytes, not the " + std::to_string(uStated) + " it states";
    }
    sFields.resize(uStated);
    return std::nullopt;
  }
  if (iResult == Z_BUF_ERROR && theStream.avail_out == 0) {
    return "it decompresses to more than the " + std::to_string(uStated) + " bytes it states";
  }
  if (iResult == Z_BUF_ERROR) return "its compressed data ends before the zlib stream does";
  return "its compressed data is not a zlib stream zlib can read (" +
         (sMessage.empty() ? "error " + std::to_string(iResult) : sMessage) + ")";
}

}  // namespace zorvane::shipfile
