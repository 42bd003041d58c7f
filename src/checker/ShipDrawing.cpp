#include "checker/ShipDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "checker/HtmlText.h"

namespace zorvane::shipfile {
namespace {

constexpr double kViewSize = 360;    // each view's width and height in pixels
constexpr double kMargin = 16;       // room around the drawing, more than a marker's radius
constexpr double kMarkerRadius = 6;  // the marker of a module whose bounds are not known
constexpr double kFarthest = 1e6;    // a module placed further away is left out
constexpr double kSmallest = 1e-3;   // the smallest extent a view is scaled to fit

// Clearly different colours for the first plugin files, then hues spread around the circle.
constexpr const char* kPalette[] = {"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd", "#8c564b",
                                    "#e377c2", "#7f7f7f", "#bcbd22", "#17becf", "#393b79", "#637939"};

std::string MakeColour(std::size_t uNumber) {
  if (uNumber < std::size(kPalette)) return kPalette[uNumber];
  const double fHue = std::fmod(static_cast<double>(uNumber) * 137.508, 360.0) / 60.0;
  const double fChroma = 0.6, fLightest = 0.75;  // value 0.75, saturation 0.8
  const double fMiddle = fChroma * (1 - std::fabs(std::fmod(fHue, 2.0) - 1));
  const double theRgb[6][3] = {{fChroma, fMiddle, 0}, {fMiddle, fChroma, 0}, {0, fChroma, fMiddle},
                               {0, fMiddle, fChroma}, {fMiddle, 0, fChroma}, {fChroma, 0, fMiddle}};
  const double* theSector = theRgb[static_cast<int>(fHue) % 6];
  char sColour[8];
  auto ToByte = [&](double fPart) { return static_cast<unsigned>(std::lround((fPart + fLightest - fChroma) * 255)); };
  std::snprintf(sColour, sizeof sColour, "#%02x%02x%02x", ToByte(theSector[0]), ToByte(theSector[1]),
                ToByte(theSector[2]));
  return sColour;
}

// Why a module cannot be drawn; empty when it can.
std::string FindUndrawable(const ShipModule& theModule) {
  for (double fValue : theModule.thePosition) {
    if (!std::isfinite(fValue)) return "its position is not a finite number";
  }
  for (double fValue : theModule.thePosition) {
    if (std::fabs(fValue) > kFarthest) return "its position is further than 1000000 from the ship's origin";
  }
  for (double fValue : theModule.theRotation) {
    if (!std::isfinite(fValue)) return "its rotation is not a finite number";
  }
  return {};
}

struct Point {
  double fU = 0, fV = 0;
};

// One view: the axes it shows across (u) and up (v), 0 for x, 1 for y, 2 for z.
struct View {
  const char* sName;
  const char* sCaption;
  int iAcross, iUp;
};
constexpr View kViews[] = {{"top", "From above: x across, y up", 0, 1},
                           {"side", "From the side: y across, z up", 1, 2},
                           {"front", "From the front: x across, z up", 0, 2}};

// A module's outline in a view, in the ship's units: four corners of its bounds, or the one
// point of its marker.
std::vector<Point> GetOutline(const ShipModule& theModule, const View& theView) {
  const std::array<double, 3>& thePos = theModule.thePosition;
  if (!theModule.theBounds) return {{thePos[theView.iAcross], thePos[theView.iUp]}};
  const std::array<int16_t, 6>& theBox = *theModule.theBounds;
  const double fCos = std::cos(theModule.theRotation[2]), fSin = std::sin(theModule.theRotation[2]);
  std::vector<Point> theTop;  // the footprint's corners, turned about Z and placed
  for (const auto& [iX, iY] : {std::pair{0, 1}, {3, 1}, {3, 4}, {0, 4}}) {
    theTop.push_back(
        {thePos[0] + theBox[iX] * fCos - theBox[iY] * fSin, thePos[1] + theBox[iX] * fSin + theBox[iY] * fCos});
  }
  if (theView.iUp == 1) return theTop;
  double fLow = INFINITY, fHigh = -INFINITY;  // the footprint's extent along the view's across axis
  for (const Point& thePoint : theTop) {
    const double fAlong = theView.iAcross == 0 ? thePoint.fU : thePoint.fV;
    fLow = std::min(fLow, fAlong);
    fHigh = std::max(fHigh, fAlong);
  }
  const double fBottom = thePos[2] + theBox[2], fTop = thePos[2] + theBox[5];
  return {{fLow, fBottom}, {fHigh, fBottom}, {fHigh, fTop}, {fLow, fTop}};
}

std::string DrawView(const View& theView, const std::vector<const ShipModule*>& theModules,
                     const std::map<std::string, std::string>& theColours) {
  std::vector<std::vector<Point>> theOutlines;
  double fMinU = INFINITY, fMaxU = -INFINITY, fMinV = INFINITY, fMaxV = -INFINITY;
  for (const ShipModule* theModule : theModules) {
    theOutlines.push_back(GetOutline(*theModule, theView));
    for (const Point& thePoint : theOutlines.back()) {
      fMinU = std::min(fMinU, thePoint.fU);
      fMaxU = std::max(fMaxU, thePoint.fU);
      fMinV = std::min(fMinV, thePoint.fV);
      fMaxV = std::max(fMaxV, thePoint.fV);
    }
  }
  const double fRoom = kViewSize - 2 * kMargin;
  // An extent below kSmallest counts as none: a view of one point is drawn at scale 1.
  const double fAcross = fMaxU - fMinU > kSmallest ? fRoom / (fMaxU - fMinU) : INFINITY;
  const double fUp = fMaxV - fMinV > kSmallest ? fRoom / (fMaxV - fMinV) : INFINITY;
  const double fScale = std::isfinite(std::min(fAcross, fUp)) ? std::min(fAcross, fUp) : 1;
  const double fMidU = (fMinU + fMaxU) / 2, fMidV = (fMinV + fMaxV) / 2;
  auto ToPixels = [&](const Point& thePoint) {
    return FormatDecimal(kViewSize / 2 + fScale * (thePoint.fU - fMidU)) + "," +
           FormatDecimal(kViewSize / 2 - fScale * (thePoint.fV - fMidV));
  };
  const std::string sSize = FormatDecimal(kViewSize);
  std::string sSvg = "<figure class=\"view\"><svg class=\"view\" data-view=\"" + std::string(theView.sName) +
                     "\" viewBox=\"0 0 " + sSize + " " + sSize + "\" width=\"" + sSize + "\" height=\"" + sSize +
                     "\" role=\"img\"><rect x=\"0\" y=\"0\" width=\"" + sSize + "\" height=\"" + sSize +
                     "\" fill=\"#fafafa\"/>";
  if (theModules.empty()) {
    sSvg += "<text x=\"" + FormatDecimal(kViewSize / 2) + "\" y=\"" + FormatDecimal(kViewSize / 2) +
            "\" text-anchor=\"middle\">no module to draw</text>";
  }
  sSvg += "<g stroke=\"#222222\" stroke-width=\"1\">";
  // The outlines first, then the markers on top where no outline hides them.
  std::vector<std::size_t> theOrder;
  for (bool bMarkers : {false, true}) {
    for (std::size_t u = 0; u < theModules.size(); ++u) {
      if (!theModules[u]->theBounds == bMarkers) theOrder.push_back(u);
    }
  }
  for (std::size_t u : theOrder) {
    const ShipModule& theModule = *theModules[u];
    const std::string sData = " data-index=\"" + std::to_string(theModule.iIndex) + "\" data-plugin=\"" +
                              EscapeHtml(theModule.theForm.sPlugin) + "\" fill=\"" +
                              theColours.at(theModule.theForm.sPlugin) + "\"><title>" +
                              EscapeHtml(GetFormName(theModule.theForm, theModule.sEditorID)) + "</title>";
    if (theModule.theBounds) {
      std::string sPoints;
      for (const Point& thePoint : theOutlines[u]) sPoints += (sPoints.empty() ? "" : " ") + ToPixels(thePoint);
      sSvg += "<polygon class=\"module\" points=\"" + sPoints + "\"" + sData + "</polygon>";
    } else {
      const std::string sCentre = ToPixels(theOutlines[u][0]);
      const std::size_t uComma = sCentre.find(',');
      sSvg += "<circle class=\"module marker\" cx=\"" + sCentre.substr(0, uComma) + "\" cy=\"" +
              sCentre.substr(uComma + 1) + "\" r=\"" + FormatDecimal(kMarkerRadius) + "\"" + sData + "</circle>";
    }
  }
  return sSvg + "</g></svg><figcaption>" + theView.sCaption + "</figcaption></figure>";
}

}  // namespace

ShipDrawing DrawShip(const std::vector<ShipModule>& theModules) {
  ShipDrawing theDrawing;
  for (const ShipModule& theModule : theModules) theDrawing.theColours[theModule.theForm.sPlugin];
  std::size_t uNumber = 0;
  for (auto& [sPlugin, sColour] : theDrawing.theColours) sColour = MakeColour(uNumber++);

  std::vector<const ShipModule*> theDrawn;
  for (const ShipModule& theModule : theModules) {
    std::string sReason = FindUndrawable(theModule);
    if (sReason.empty()) {
      theDrawn.push_back(&theModule);
    } else {
      theDrawing.theUndrawn.push_back({theModule.iIndex, std::move(sReason)});
    }
  }
  std::string& sHtml = theDrawing.sHtml;
  sHtml = "<ul class=\"legend\">";
  for (const auto& [sPlugin, sColour] : theDrawing.theColours) {
    sHtml += "<li><span class=\"swatch\" style=\"background:" + sColour + "\"></span>" +
             (sPlugin.empty() ? "(no plugin file)" : EscapeHtml(sPlugin)) + "</li>";
  }
  sHtml += "</ul>\n<div class=\"views\">";
  for (const View& theView : kViews) sHtml += DrawView(theView, theDrawn, theDrawing.theColours) + "\n";
  sHtml += "</div>\n";
  if (!theDrawing.theUndrawn.empty()) {
    sHtml += "<p>Not drawn:</p>\n<ul class=\"undrawn\">";
    for (const UndrawnModule& theUndrawn : theDrawing.theUndrawn) {
      const ShipModule& theModule =
          *std::find_if(theModules.begin(), theModules.end(),
                        [&](const ShipModule& theOther) { return theOther.iIndex == theUndrawn.iIndex; });
      sHtml += "<li>module " + std::to_string(theUndrawn.iIndex) + " (" +
               EscapeHtml(GetFormName(theModule.theForm, theModule.sEditorID)) + "): " + theUndrawn.sReason + "</li>";
    }
    sHtml += "</ul>\n";
  }
  return theDrawing;
}

}  // namespace zorvane::shipfile
