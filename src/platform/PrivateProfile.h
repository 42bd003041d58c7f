#pragma once
// A settings file in the Windows private-profile syntax, read and written the way the
// Windows functions do it: section and key names match without regard to letter case,
// values lose surrounding blanks and one pair of enclosing quotes when read and leading
// blanks when written, new sections go to the end of the file, new keys to the end of their
// section, blank lines are dropped, and lines end in CR LF.
// Used by the POSIX platform; the Windows build calls the system functions instead.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class PrivateProfile {
 public:
  // Reads the file; false (and an empty profile) when it cannot be read.
  bool Load(const std::filesystem::path& thePath);
  // Takes a file's whole text as Load reads it.
  void Parse(std::string sText);
  // Writes the whole file; false when it cannot be written (a missing folder, for example).
  bool Save(const std::filesystem::path& thePath) const;

  // The value of the first matching key of the first matching section; nullopt when either
  // is missing or the key's line has no '='.
  std::optional<std::string> Get(const std::string& sSection, const std::string& sKey) const;
  void Set(const std::string& sSection, const std::string& sKey, const std::string& sValue);

 private:
  struct Entry {
    std::string sName;
    std::optional<std::string> sValue;  // absent for a line without '='
  };
  struct Section {
    std::string sName;
    std::vector<Entry> theEntries;
  };

  Section* FindSection(const std::string& sName);
  const Section* FindSection(const std::string& sName) const;

  std::vector<Section> theSections;
};

}  // namespace platform
