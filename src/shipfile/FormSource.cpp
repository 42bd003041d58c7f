#include "shipfile/FormSource.h"

#include "forms/FormLookup.h"
#include "game/Forms.h"

namespace zorvane {
namespace {

class GameFormSource final : public FormSource {
 public:
  game::TESForm* ResolveFormRef(const std::string& sLine) override { return GetFormFromFormRef(sLine); }
  std::optional<uint8_t> GetFormType(game::TESForm* theForm) override { return game::GetFormType(theForm); }
  game::TESForm* CastToBoundObject(game::TESForm* theForm) override { return game::CastToBoundObject(theForm); }
};

}  // namespace

FormSource& GetGameFormSource() {
  static GameFormSource theSource;
  return theSource;
}

}  // namespace zorvane
