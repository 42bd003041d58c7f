// The report page: the drawing of the modules to the last coordinate, the page's sections,
// and the texts of ship files, which come from anywhere, kept as text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "checker/HtmlText.h"
#include "checker/Report.h"

namespace zorvane::test {
namespace {

using namespace shipfile;

ShipModule MakeModule(int iIndex, const char* sPlugin, std::array<double, 3> thePosition) {
  ShipModule theModule;
  theModule.iIndex = iIndex;
  theModule.theForm = {"0" + std::to_string(iIndex), sPlugin};
  theModule.thePosition = thePosition;
  theModule.theRotation = {0, 0, 0};
  return theModule;
}

// A module of unknown bounds, drawn on top of a cockpit behind it turned a quarter about Z with
// its bounds, and two modules that cannot be drawn: each view is scaled to fit the two drawn ones.
TEST(ReportTest, DrawingOfASmallShipIsExact) {
  std::vector<ShipModule> theModules = {MakeModule(0, "B.esm", {0, 400, 0}), MakeModule(1, "A.esm", {0, 0, 0}),
                                        MakeModule(2, "A.esm", {std::numeric_limits<double>::infinity(), 0, 0}),
                                        MakeModule(3, "C.esm", {0, 1e7, 0})};
  theModules[1].theRotation[2] = std::acos(-1.0) / 2;
  theModules[1].theBounds = std::array<int16_t, 6>{-100, -200, -50, 100, 200, 50};
  theModules[1].sEditorID = "Cockpit<A>";
  const ShipDrawing theDrawing = DrawShip(theModules);
  const std::string sView =
      "\" viewBox=\"0 0 360.0 360.0\" width=\"360.0\" height=\"360.0\" role=\"img\">"
      "<rect x=\"0\" y=\"0\" width=\"360.0\" height=\"360.0\" fill=\"#fafafa\"/>"
      "<g stroke=\"#222222\" stroke-width=\"1\"><polygon class=\"module\" points=\"";
  const std::string sCockpit =
      "\" data-index=\"1\" data-plugin=\"A.esm\" fill=\"#1f77b4\"><title>Cockpit&lt;A&gt;</title></polygon>"
      "<circle class=\"module marker\" cx=\"";
  const std::string sMarker =
      "\" r=\"6.0\" data-index=\"0\" data-plugin=\"B.esm\" fill=\"#ff7f0e\"><title>00|B.esm</title></circle></g></svg>";
  EXPECT_EQ(theDrawing.sHtml,
            "<ul class=\"legend\"><li><span class=\"swatch\" style=\"background:#1f77b4\"></span>A.esm</li>"
            "<li><span class=\"swatch\" style=\"background:#ff7f0e\"></span>B.esm</li>"
            "<li><span class=\"swatch\" style=\"background:#2ca02c\"></span>C.esm</li></ul>\n<div class=\"views\">"
            "<figure class=\"view\"><svg class=\"view\" data-view=\"top" +
                sView + "311.2,344.0 311.2,212.8 48.8,212.8 48.8,344.0" + sCockpit + "180.0\" cy=\"16.0" + sMarker +
                "<figcaption>From above: x across, y up</figcaption></figure>\n"
                "<figure class=\"view\"><svg class=\"view\" data-view=\"side" +
                sView + "16.0,212.8 147.2,212.8 147.2,147.2 16.0,147.2" + sCockpit + "344.0\" cy=\"180.0" + sMarker +
                "<figcaption>From the side: y across, z up</figcaption></figure>\n"
                "<figure class=\"view\"><svg class=\"view\" data-view=\"front" +
                sView + "16.0,221.0 344.0,221.0 344.0,139.0 16.0,139.0" + sCockpit + "180.0\" cy=\"180.0" + sMarker +
                "<figcaption>From the front: x across, z up</figcaption></figure>\n</div>\n"
                "<p>Not drawn:</p>\n<ul class=\"undrawn\">"
                "<li>module 2 (02|A.esm): its position is not a finite number</li>"
                "<li>module 3 (03|C.esm): its position is further than 1000000 from the ship's origin</li></ul>\n");
}

// Modules at one point (or all but) are drawn in the middle of each view; no module leaves
// the views empty.
TEST(ReportTest, OnePointOrNothingIsDrawnWithoutScaling) {
  const ShipDrawing theDrawing =
      DrawShip({MakeModule(0, "A.esm", {5, 5, 5}), MakeModule(1, "A.esm", {5, 5 + 1e-300, 5})});
  std::size_t uCentred = 0;
  for (std::size_t uPos = 0; (uPos = theDrawing.sHtml.find("cx=\"180.0\" cy=\"180.0\"", uPos)) != std::string::npos;
       ++uPos)
    ++uCentred;
  EXPECT_EQ(uCentred, 6u);
  const ShipDrawing theEmpty = DrawShip({MakeModule(0, "A.esm", {std::nan(""), 0, 0})});
  EXPECT_EQ(theEmpty.sHtml.find("class=\"module"), std::string::npos);
  ASSERT_EQ(theEmpty.theUndrawn.size(), 1u);
  EXPECT_EQ(theEmpty.theUndrawn[0].iIndex, 0);
}

TEST(ReportTest, ShipFileTextsStayText) {
  EXPECT_EQ(EscapeHtml("a\xFF<b>\x01\"&'\xC3\xA9\xE2\x82"),
            "a\xEF\xBF\xBD&lt;b&gt;\xEF\xBF\xBD&quot;&amp;&#39;\xC3\xA9"
            "\xEF\xBF\xBD\xEF\xBF\xBD");
  const std::vector<std::string> theLines = {
      "Ship: <script>alert('x')</script> [FormID: 00000001] [EditorID: X] ",
      "Blueprint.data[1].fPosX |nan",
      "Blueprint.data[0].fPosX | 1.5",
      "Blueprint.data[0].fPosZ |-3.000000",
      "Blueprint.data[0].fRotZ |0.500000",
      "Blueprint.data[0].item |0A|My<Mods>.esp",
      "Blueprint.data[x].item |0B|Other.esm",
      "DecorItem[0].base |0C|My<Mods>.esp",
      "DecorItem[1].base |0C|My<Mods>.esp",
  };
  const ReportInput theInput = ReadReportInput("ship.txt", theLines, nullptr);
  EXPECT_EQ(theInput.sShipName, "<script>alert('x')</script>");
  ASSERT_EQ(theInput.theModules.size(), 2u);
  const ShipModule& theFirst = theInput.theModules[0];
  EXPECT_EQ(theFirst.theForm.Describe(), "0A|My<Mods>.esp");
  EXPECT_EQ(theFirst.thePosition[0], 1.5);
  EXPECT_TRUE(std::isnan(theFirst.thePosition[1]));
  EXPECT_EQ(theFirst.theRotation[2], 0.5);
  EXPECT_TRUE(std::isnan(theInput.theModules[1].thePosition[0]));
  const std::string sPage = FormatReportPage(theInput);
  EXPECT_EQ(sPage.find("<script"), std::string::npos);
  EXPECT_EQ(sPage.find("My<"), std::string::npos);
  EXPECT_NE(sPage.find("<h1>Ship: &lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</h1>"), std::string::npos);
  EXPECT_NE(sPage.find("<tr><td>0C|My&lt;Mods&gt;.esp</td><td>0C|My&lt;Mods&gt;.esp</td><td class=\"count\">2</td>"),
            std::string::npos);
}

// Everything above the drawing, from a check of two findings, plugin files in each state and
// the editor IDs the plugin files give.
TEST(ReportTest, PageTellsPluginsImportsAndParts) {
  ReportInput theInput;
  theInput.sShipName = "Kestrel";
  theInput.theCheck.sFile = "ships/Kestrel.txt";
  theInput.theCheck.theStops = {{12, kLayout, "index error", {"the entry 3 is not there"}, true}};
  theInput.theCheck.theSkipped = {{7, kInterior, "bad float", {}, false}};
  theInput.theCheck.theNeeds = {{"Starfield.esm", 3}, {"Gone.esm", 1}, {"Off.esp", 1}, {"Who.esm", 1}};
  theInput.theCheck.iDecorItems = 1;
  theInput.thePluginStates = {{"Starfield.esm", PluginState::kActive},
                              {"Gone.esm", PluginState::kMissing},
                              {"Off.esp", PluginState::kInactive}};
  theInput.theModules = {MakeModule(0, "Starfield.esm", {0, 0, 0}), MakeModule(1, "Starfield.esm", {0, 0, 0})};
  theInput.theModules[1].theForm = theInput.theModules[0].theForm;
  theInput.theDecorItems = {{0, {"0C", "Gone.esm"}, std::nullopt}};
  const FormFacts theHab = {"SmallHab", std::array<int16_t, 6>{-1, -2, -3, 1, 2, 3}};
  AddFormFacts(theInput, [&](const FormReference& theForm) {
    return theForm.ReadLocalID() == 0u && theForm.sPlugin == "Starfield.esm" ? &theHab : nullptr;
  });
  EXPECT_EQ(theInput.theModules[1].theBounds, theHab.theBounds);
  EXPECT_EQ((FormReference{"030A2F", ""}.ReadLocalID()), 0x030A2Fu);
  EXPECT_EQ((FormReference{"03 0A", ""}.ReadLocalID()), std::nullopt);
  const std::string sPage = FormatReportPage(theInput);
  const std::size_t uStart = sPage.find("<body>"), uEnd = sPage.find("<h2>Drawing");
  ASSERT_NE(uEnd, std::string::npos);
  EXPECT_EQ(sPage.substr(uStart, uEnd - uStart),
            "<body>\n<h1>Ship: Kestrel</h1>\n<p class=\"file\">ships/Kestrel.txt</p>\n<h2>Plugin files needed</h2>\n"
            "<table class=\"plugins\"><tr><th>Plugin file</th><th>References</th><th>State</th></tr>\n"
            "<tr><td>Gone.esm</td><td class=\"count\">1</td><td class=\"state-missing\">missing</td></tr>\n"
            "<tr><td>Off.esp</td><td class=\"count\">1</td><td class=\"state-inactive\">present but not active</td>"
            "</tr>\n<tr><td>Starfield.esm</td><td class=\"count\">3</td><td class=\"state-active\">active</td></tr>\n"
            "<tr><td>Who.esm</td><td class=\"count\">1</td><td class=\"state-unknown\">unknown (no Data folder or load "
            "order given)</td></tr>\n</table>\n<h2>What the imports would do</h2>\n"
            "<ul class=\"verdicts\"><li class=\"refused\">ImportShipLayout would refuse it (line 12)</li>"
            "<li class=\"imported\">ImportShipInterior would import it (1 decoration item)</li></ul>\n"
            "<pre class=\"findings\">  line 7: ImportShipInterior passes over: bad float\n"
            "  line 12: ImportShipLayout stops here: index error\n      because: the entry 3 is not there\n</pre>\n"
            "<h2>Modules</h2>\n<p>2 in all.</p>\n<table class=\"modules\"><tr><th>Name</th><th>Form</th><th>Count</th>"
            "</tr>\n<tr><td>SmallHab</td><td>00|Starfield.esm</td><td class=\"count\">2</td></tr>\n</table>\n"
            "<h2>Decoration items</h2>\n<p>1 in all.</p>\n<table class=\"decor\"><tr><th>Name</th><th>Form</th>"
            "<th>Count</th></tr>\n<tr><td>0C|Gone.esm</td><td>0C|Gone.esm</td><td class=\"count\">1</td></tr>\n"
            "</table>\n");
}

}  // namespace
}  // namespace zorvane::test
