#include "forms/PluginFileIndex.h"

#include <algorithm>

#include "core/Text.h"
#include "forms/FileArrays.h"
#include "game/Game.h"

namespace zorvane {

namespace {

const PluginFileIndex* gCurrent = nullptr;

}  // namespace

using namespace formlookup_detail;

PluginFileIndex::PluginFileIndex() : theDataHandler(game::GetDataHandler()) {
  if (theDataHandler == nullptr) return;
  for (std::size_t uArray = 0; uArray < kFileArrayCount; ++uArray) {
    Array& theArray = theArrays[uArray];
    theArray.uCount = game::GetFileCount(theDataHandler, GetArrayKind(uArray));
    theArray.theFiles.resize(theArray.uCount);
    for (uint32_t i = 0; i < theArray.uCount; ++i) {
      game::TESFile* theFile = game::GetFileAt(theDataHandler, GetArrayKind(uArray), i);
      theArray.theFiles[i] = theFile;
      if (theFile == nullptr) {
        theArray.theNullEntries.push_back(i);
      } else {
        thePlaces.try_emplace(ToLowerAscii(game::GetFileName(theFile)), Place{uArray, i});
      }
    }
  }
}

game::TESFile* PluginFileIndex::Lookup(const std::string& sName, uint32_t* pluginType) const {
  const auto itPlace = thePlaces.find(ToLowerAscii(sName));
  for (std::size_t uArray = 0; uArray < kFileArrayCount; ++uArray) {
    const Array& theArray = theArrays[uArray];
    if (theArray.uCount == 0) {
      ReportEmptyArray(uArray);
      continue;
    }
    const bool bHere = itPlace != thePlaces.end() && itPlace->second.uArray == uArray;
    // The null entries the walk passes before it comes to the file, or all of them.
    const uint32_t uEnd = bHere ? itPlace->second.uIndex : theArray.uCount;
    for (uint32_t uNull : theArray.theNullEntries) {
      if (uNull >= uEnd) break;
      ReportNullFile(uNull);
    }
    if (bHere) {
      *pluginType = GetPluginTypeOfArray(uArray);
      return theArray.theFiles[itPlace->second.uIndex];
    }
  }
  ReportNotFound(sName);
  return nullptr;
}

PluginFileIndexScope::PluginFileIndexScope() : thePrevious(gCurrent) { gCurrent = &theIndex; }
PluginFileIndexScope::~PluginFileIndexScope() { gCurrent = thePrevious; }

const PluginFileIndex* GetPluginFileIndex() { return gCurrent; }

}  // namespace zorvane
