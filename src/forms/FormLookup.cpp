// Finding loaded plugin files by name and resolving local form IDs and form references to
// the forms of the running game.
#include "forms/FormLookup.h"

#include <array>

#include "core/Log.h"
#include "core/Text.h"
#include "forms/FileArrays.h"
#include "forms/Helpers.h"
#include "forms/NumberConversion.h"
#include "forms/PluginFileIndex.h"
#include "game/Game.h"

namespace zorvane {
namespace {

constexpr const char* kMasterFileName = "Starfield.esm";

struct FileArray {
  game::FileArrayKind eKind;
  const char* sName;
  uint32_t uPluginType;
};
// Searched in this order: a name in two arrays is found in the earlier one.
constexpr std::array<FileArray, 3> kFileArrays = {{
    {game::kFullFiles, "FileA", kPluginTypeFull},
    {game::kSmallFiles, "SmallFileA", kPluginTypeSmall},
    {game::kMediumFiles, "MediumFileA", kPluginTypeMedium},
}};

const char* GetPluginTypeText(uint32_t uPluginType) {
  switch (uPluginType) {
    case kPluginTypeFull: return "Full";
    case kPluginTypeSmall: return "Small";
    case kPluginTypeMedium: return "Medium";
    default: return nullptr;
  }
}

// The runtime form ID: the file's indices added (not OR-ed) to the local ID, wrapping at
// 32 bits.
uint32_t BuildRuntimeFormID(game::TESFile* theFile, uint32_t uPluginType, uint32_t uLocalFormID) {
  const uint32_t uCompilePart = static_cast<uint32_t>(game::GetFileCompileIndex(theFile)) << 24;
  const uint32_t uFilePart = uPluginType == kPluginTypeMedium
                                 ? static_cast<uint32_t>(game::GetFileMediumIndex(theFile)) << 16
                                 : static_cast<uint32_t>(game::GetFileSmallIndex(theFile)) << 12;
  return uCompilePart + uFilePart + uLocalFormID;
}

// "decimal | eight hexadecimal digits" of a form ID, 0 included.
std::string GetFormIDText(uint32_t uFormID) {
  std::string sHex = GetHexValue(uFormID);
  return std::to_string(uFormID) + " | " + (sHex.empty() ? std::string("00000000") : sHex);
}

}  // namespace

namespace formlookup_detail {

void ReportEmptyArray(std::size_t uArray) {
  LOG_WARNING_IN("LookupTESFileByName",
                 std::string("theFiles.size() (of ") + kFileArrays[uArray].sName + ") <= 0, skipping this file array");
}
void ReportNullFile(uint32_t uIndex) {
  LOG_ERROR_IN("LookupTESFileByName", "loopFile at (" + std::to_string(uIndex) + ") is nullptr, skipping plugin file");
}
void ReportNotFound(const std::string& sName) {
  LOG_ERROR_IN("LookupTESFileByName", "no TESFile could be found with name: " + sName);
}
uint32_t GetPluginTypeOfArray(std::size_t uArray) { return kFileArrays[uArray].uPluginType; }
game::FileArrayKind GetArrayKind(std::size_t uArray) { return kFileArrays[uArray].eKind; }

}  // namespace formlookup_detail

using namespace formlookup_detail;

game::TESFile* LookupTESFileByName(std::string sName, uint32_t* pluginType) {
  if (pluginType == nullptr) {
    LOG_ERROR("pluginType is nullptr.");
    return nullptr;
  }
  game::TESDataHandler* dataHandler = game::GetDataHandler();
  if (dataHandler == nullptr) {
    LOG_ERROR("dataHandler is nullptr.");
    return nullptr;
  }
  const PluginFileIndex* theIndex = GetPluginFileIndex();
  if (theIndex != nullptr && theIndex->GetDataHandler() == dataHandler) return theIndex->Lookup(sName, pluginType);
  // Only A to Z change, so the comparison ignores letter case and is otherwise exact.
  const std::string sLowerName = ToLowerAscii(sName);
  for (std::size_t uArray = 0; uArray < kFileArrays.size(); ++uArray) {
    const FileArray& theArray = kFileArrays[uArray];
    const uint32_t uCount = game::GetFileCount(dataHandler, theArray.eKind);
    if (uCount == 0) {
      ReportEmptyArray(uArray);
      continue;
    }
    for (uint32_t i = 0; i < uCount; ++i) {
      game::TESFile* loopFile = game::GetFileAt(dataHandler, theArray.eKind, i);
      if (loopFile == nullptr) {
        ReportNullFile(i);
        continue;
      }
      if (ToLowerAscii(game::GetFileName(loopFile)) == sLowerName) {
        *pluginType = theArray.uPluginType;
        return loopFile;
      }
    }
  }
  ReportNotFound(sName);
  return nullptr;
}

game::TESForm* GetFormFromFile(std::string sHexFormIDNoPrefix, std::string sPluginName) {
  if (sHexFormIDNoPrefix.empty()) {
    LOG_ERROR("parameter sHexFormIDNoPrefix is empty. Returning nullptr.");
    return nullptr;
  }
  if (sPluginName.empty()) sPluginName = kMasterFileName;
  const bool bIsMaster = sPluginName == kMasterFileName;

  // The widened text is what the messages print; the value is read from the text as given,
  // so the added zeros never change what converts.
  std::string sShownHexFormID = sHexFormIDNoPrefix;
  const std::size_t uLength = sHexFormIDNoPrefix.size();
  if (uLength < 6) {
    sShownHexFormID.insert(0, 5 - uLength, '0');
    LOG_INFO("this HexFormID's length < 6. Extended to 5. Result: " + sShownHexFormID);
  } else if (!bIsMaster && uLength > 6) {
    LOG_ERROR("this HexFormID's length > 6 [" + sHexFormIDNoPrefix +
              "]. This is not supported format (length must be <= 6 if source plugin is not Starfield.esm). "
              "Returning nullptr.");
    return nullptr;
  } else if (bIsMaster && uLength > 8) {
    LOG_ERROR("this HexFormID's length > 8 [" + sHexFormIDNoPrefix +
              "]. This is not supported format (length must be <= 8 if source plugin is Starfield.esm). "
              "Returning nullptr.");
    return nullptr;
  }

  uint32_t uPluginType = kPluginTypeNone;
  game::TESFile* theFile = LookupTESFileByName(sPluginName, &uPluginType);
  if (theFile == nullptr) {
    LOG_ERROR("no PluginFile could be found with the name [" + sPluginName + "]. Returning nullptr.");
    return nullptr;
  }
  const char* sPluginTypeText = GetPluginTypeText(uPluginType);
  if (sPluginTypeText == nullptr) {
    LOG_ERROR("pluginType for TESFile found with the name [" + sPluginName + "] is out of range. Returning nullptr.");
    return nullptr;
  }

  uint32_t uLocalFormID = 0;
  try {
    uLocalFormID = ConvertHexToUInt32(sHexFormIDNoPrefix);
  } catch (...) {
    LOG_ERROR("std::stoul exception thrown for input String: " + sShownHexFormID + ". Returning nullptr.");
    return nullptr;
  }

  const uint32_t uFormID = BuildRuntimeFormID(theFile, uPluginType, uLocalFormID);
  const std::string sSource = "] supposedly defined in [" + sPluginName + " | Type: " + sPluginTypeText + "]";
  if (uFormID == 0) {
    LOG_ERROR("   FormID [" + GetFormIDText(uFormID) + sSource + " is out of range. Returning nullptr.");
    return nullptr;
  }
  game::TESForm* theForm = game::LookupFormByID(uFormID);
  if (theForm == nullptr) {
    LOG_WARNING("   this FormID [" + GetFormIDText(uFormID) + sSource +
                " is withing range but it does not point to a valid Form or this Form is an unloaded Reference. "
                "Returning nullptr.");
  }
  return theForm;
}

std::string GetHexFormIDFromFormRef(std::string sFormRef) {
  const std::size_t uLastBar = sFormRef.rfind('|');
  if (uLastBar == std::string::npos || uLastBar == 0) return {};
  const std::size_t uBarBefore = sFormRef.rfind('|', uLastBar - 1);
  if (uBarBefore == std::string::npos) return {};
  return sFormRef.substr(uBarBefore + 1, uLastBar - uBarBefore - 1);
}

std::string GetPluginNameFromFormRef(const std::string& sFormRef) {
  const std::size_t uLastBar = sFormRef.rfind('|');
  if (uLastBar == std::string::npos) return {};
  // Windows allows no file name to end so, and editors leave them behind. The bar itself
  // is the last character this search can stop at.
  const std::size_t uEnd = sFormRef.find_last_not_of(" \t");
  return sFormRef.substr(uLastBar + 1, uEnd - uLastBar);
}

game::TESForm* GetFormFromFormRef(std::string sFormRef) {
  const std::string sHexFormID = GetHexFormIDFromFormRef(sFormRef);
  if (sHexFormID.empty()) return nullptr;
  const std::string sPluginName = GetPluginNameFromFormRef(sFormRef);
  if (sPluginName.empty()) return nullptr;
  return GetFormFromFile(sHexFormID, sPluginName);
}

}  // namespace zorvane
