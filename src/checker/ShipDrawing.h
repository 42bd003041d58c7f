#pragma once
// The ship's modules as a ship file places them, drawn from above, from the side and from
// the front as inline SVG: each module a rectangle of its object bounds, or a marker where
// its bounds are not known, coloured by the plugin file of its form.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zorvane::shipfile {

// A form as a ship file names it: "030A2F|Starfield.esm".
struct FormReference {
  std::string sLocalID;  // hexadecimal, as the file writes it
  std::string sPlugin;   // the plugin file's name
  std::string Describe() const { return sLocalID + "|" + sPlugin; }
  // The local ID as a number; nothing when the text is not hexadecimal or wider than 32 bits.
  std::optional<uint32_t> ReadLocalID() const;
};

// One module of the blueprint ("Blueprint.data[n]"), as read from the file; the editor ID and
// bounds come from the plugin files when the caller can read them.
struct ShipModule {
  int iIndex = 0;
  FormReference theForm;              // its "item" line; empty without one
  std::array<double, 3> thePosition;  // fPosX, fPosY, fPosZ; NaN for a missing or unreadable value
  std::array<double, 3> theRotation;  // fRotX, fRotY, fRotZ in radians; 0 when missing
  std::optional<std::string> sEditorID;
  std::optional<std::array<int16_t, 6>> theBounds;  // OBND: x1, y1, z1, x2, y2, z2 about the module's origin
};

// One decoration item ("DecorItem[n]") by its base form.
struct ShipDecorItem {
  int iIndex = 0;
  FormReference theForm;
  std::optional<std::string> sEditorID;
};

// The modules of a ship file's lines, in index order.
std::vector<ShipModule> ReadShipModules(const std::vector<std::string>& theLines);
// The decoration items of a ship file's lines, in index order.
std::vector<ShipDecorItem> ReadDecorItems(const std::vector<std::string>& theLines);

// How a player knows a form: its editor ID, else its form reference; "(no form)" for none.
std::string GetFormName(const FormReference& theForm, const std::optional<std::string>& sEditorID);

// A module the drawing leaves out, and why.
struct UndrawnModule {
  int iIndex = 0;
  std::string sReason;  // "position (nan, 0, 0) is not a finite number", ...
};

struct ShipDrawing {
  std::string sHtml;                              // the legend, the three views and the list of modules left out
  std::map<std::string, std::string> theColours;  // plugin file -> fill colour "#rrggbb"
  std::vector<UndrawnModule> theUndrawn;
};

// Draws the modules. Positions and bounds are taken in the same units; a module placed
// further than 1e6 from the origin, or at a position or rotation that is not a number, is
// left out. Bounds turn with the module about Z (fRotZ); the turns about X and Y are not drawn.
ShipDrawing DrawShip(const std::vector<ShipModule>& theModules);

}  // namespace zorvane::shipfile
