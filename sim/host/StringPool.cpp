#include "StringPool.h"

namespace sim {
namespace {

// The text an entry stands for, for reports.
std::string Describe(const game::StringPoolEntry* theEntry) {
  while (theEntry->theTarget != nullptr) theEntry = theEntry->theTarget;
  return "\"" + theEntry->sText + "\"";
}

}  // namespace

game::BSFixedString StringPool::Make(const std::string& sText) {
  for (game::StringPoolEntry& theEntry : theEntries) {
    if (!theEntry.bReleased && theEntry.theTarget == nullptr && theEntry.sText == sText) {
      AddReference(&theEntry);
      return {&theEntry};
    }
  }
  theEntries.push_back({1, nullptr, sText, false});
  theKnown.insert(&theEntries.back());
  return {&theEntries.back()};
}

game::BSFixedString StringPool::MakeIndirect(const std::string& sText) {
  game::BSFixedString theTarget = Make(sText);
  theEntries.push_back({1, theTarget.theEntry, std::string(), false});
  theKnown.insert(&theEntries.back());
  return {&theEntries.back()};
}

game::StringPoolEntry* StringPool::CheckEntry(const game::BSFixedString* theString, const char* sOperation) {
  if (theString == nullptr) {
    Report(std::string(sOperation) + " called without a string handle");
    return nullptr;
  }
  game::StringPoolEntry* theEntry = theString->theEntry;
  if (theEntry == nullptr) return nullptr;
  if (theKnown.count(theEntry) == 0) {
    Report(std::string(sOperation) + " called with a string handle that holds no entry of the pool");
    return nullptr;
  }
  if (theEntry->bReleased) {
    Report(std::string(sOperation) + " used the released string " + Describe(theEntry));
    return nullptr;
  }
  return theEntry;
}

void StringPool::AddReference(game::StringPoolEntry* theEntry) { ++theEntry->uRefCount; }

void StringPool::DropReference(game::StringPoolEntry* theEntry, const char* sOperation) {
  if (theEntry->uRefCount == 0) {
    Report(std::string(sOperation) + " released the string " + Describe(theEntry) + " below zero references");
    return;
  }
  if (--theEntry->uRefCount == 0) {
    theEntry->bReleased = true;
    if (theEntry->theTarget != nullptr) DropReference(theEntry->theTarget, sOperation);
  }
}

void StringPool::Copy(game::BSFixedString* theTarget, const game::BSFixedString* theSource, const char* sOperation) {
  if (theTarget == nullptr) {
    Report(std::string(sOperation) + " called without a target handle");
    return;
  }
  if (theTarget->theEntry != nullptr) {
    // The reference the target held would be lost.
    Report(std::string(sOperation) + " copied into a handle that still holds a string");
  }
  game::StringPoolEntry* theEntry = CheckEntry(theSource, sOperation);
  if (theEntry != nullptr) AddReference(theEntry);
  theTarget->theEntry = theEntry;
}

void StringPool::Assign(game::BSFixedString* theTarget, const game::BSFixedString* theSource, const char* sOperation) {
  if (theTarget == nullptr) {
    Report(std::string(sOperation) + " called without a target handle");
    return;
  }
  game::StringPoolEntry* theNew = CheckEntry(theSource, sOperation);
  game::StringPoolEntry* theOld = CheckEntry(theTarget, sOperation);
  if (theNew != nullptr) AddReference(theNew);
  if (theOld != nullptr) DropReference(theOld, sOperation);
  theTarget->theEntry = theNew;
}

void StringPool::Release(game::BSFixedString* theString, const char* sOperation) {
  if (theString != nullptr && theString->theEntry != nullptr && theKnown.count(theString->theEntry) != 0 &&
      theString->theEntry->bReleased) {
    Report(std::string(sOperation) + " released the string " + Describe(theString->theEntry) +
           " below zero references");
    theString->theEntry = nullptr;
    return;
  }
  game::StringPoolEntry* theEntry = CheckEntry(theString, sOperation);
  if (theEntry != nullptr) DropReference(theEntry, sOperation);
  if (theString != nullptr) theString->theEntry = nullptr;
}

const char* StringPool::GetText(const game::BSFixedString* theString, const char* sOperation) {
  game::StringPoolEntry* theEntry = CheckEntry(theString, sOperation);
  while (theEntry != nullptr && theEntry->theTarget != nullptr) theEntry = theEntry->theTarget;
  return theEntry != nullptr && !theEntry->sText.empty() ? theEntry->sText.c_str() : nullptr;
}

void StringPool::Audit(const std::map<const game::StringPoolEntry*, uint32_t>& theHeld) {
  std::map<const game::StringPoolEntry*, uint32_t> theExpected = theHeld;
  for (const game::StringPoolEntry& theEntry : theEntries) {
    if (!theEntry.bReleased && theEntry.theTarget != nullptr) ++theExpected[theEntry.theTarget];
  }
  for (const auto& theHeldEntry : theExpected) {
    const game::StringPoolEntry* theEntry = theHeldEntry.first;
    if (theKnown.count(theEntry) == 0) {
      Report("the world holds a string handle that holds no entry of the pool");
    } else if (theEntry->bReleased) {
      Report("the world still holds the released string " + Describe(theEntry));
    }
  }
  for (const game::StringPoolEntry& theEntry : theEntries) {
    if (theEntry.bReleased) continue;
    auto it = theExpected.find(&theEntry);
    const uint32_t uHeld = it == theExpected.end() ? 0 : it->second;
    if (theEntry.uRefCount > uHeld) {
      Report("the string " + Describe(&theEntry) + " has " + std::to_string(theEntry.uRefCount) +
             " references but the world holds " + std::to_string(uHeld) + ": a reference was never given back");
    } else if (theEntry.uRefCount < uHeld) {
      Report("the string " + Describe(&theEntry) + " has " + std::to_string(theEntry.uRefCount) +
             " references but the world holds " + std::to_string(uHeld) + ": a reference was given back too often");
    }
  }
}

}  // namespace sim
