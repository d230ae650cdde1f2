#include "cli/field_map_svg.h"

#include <algorithm>
#include <set>

#include "cli/text_output.h"
#include "scoring/band_names.h"
#include "scoring/contest_score.h"
#include "scoring/text_rules.h"

namespace {
constexpr int kFields = 18;  // letters A..R on each axis
constexpr int kCell = 20;
constexpr int kLabel = 14;  // room for the letters along the grid's edges
constexpr int kTitle = 22;
constexpr int kGap = 24;
constexpr int kPanelWidth = kLabel + kFields * kCell + kGap;
constexpr int kPanelHeight = kTitle + kFields * kCell + kLabel + kGap;
constexpr int kPanelsPerRow = 3;
constexpr int kHeading = 34;
constexpr const char* kWorkedFill = "#1f4fbf";  // the map's blue
constexpr const char* kOwnOutline = "#d02020";

// XML text: markup characters escaped, bytes that XML cannot hold shown as '?'.
std::string Xml(const std::string& text) {
  std::string xml;
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '&') {
      xml += "&amp;";
    } else if (c == '<') {
      xml += "&lt;";
    } else if (c == '>') {
      xml += "&gt;";
    } else if (c == '"') {
      xml += "&quot;";
    } else if (u < 0x20 || u >= 0x7F) {
      xml += '?';
    } else {
      xml += c;
    }
  }
  return xml;
}

// The bands of the map: the plug-in's nine in their order, then the others as they came.
std::vector<const TStatistic*> MapOrder(const std::vector<TStatistic>& bands) {
  std::vector<const TStatistic*> order;
  for (const TStatistic& band : bands) {
    order.push_back(&band);
  }
  const auto rank = [](const TStatistic* band) {
    const int index = BandIndex(band->Band);
    return index == 0 ? static_cast<int>(BandNames.size()) + 1 : index;
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](const TStatistic* a, const TStatistic* b) { return rank(a) < rank(b); });
  return order;
}

std::string Counted(std::int64_t n, const std::string& thing) {
  return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

std::string Text(int x, int y, const std::string& text, const char* attributes) {
  return "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" " + attributes +
         ">" + text + "</text>\n";
}

std::string Panel(const TStatistic& band, const std::vector<std::string>& fields,
                  const std::set<std::string>& ownFields, int left, int top) {
  const std::set<std::string> worked(fields.begin(), fields.end());
  std::string svg = Text(left + kLabel, top + 15,
                         "Band " + Xml(band.Band) + ": " +
                             Counted(static_cast<std::int64_t>(fields.size()), "field") + ", " +
                             Counted(band.QSOs, "QSO"),
                         "class=\"title\"");
  const int gridLeft = left + kLabel;
  const int gridTop = top + kTitle;
  for (int column = 0; column < kFields; ++column) {
    for (int row = 0; row < kFields; ++row) {
      const std::string field = {static_cast<char>('A' + column), static_cast<char>('R' - row)};
      const int x = gridLeft + column * kCell;
      const int y = gridTop + row * kCell;
      const bool isWorked = worked.count(field) != 0;
      svg += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
             std::to_string(kCell) + "\" height=\"" + std::to_string(kCell) + "\" class=\"" +
             (isWorked ? "worked" : "field") + "\"/>\n";
      svg += Text(x + kCell / 2, y + 13, field, isWorked ? "class=\"wl\"" : "class=\"fl\"");
    }
  }
  for (int i = 0; i < kFields; ++i) {
    const std::string letter(1, static_cast<char>('A' + i));
    svg += Text(gridLeft + i * kCell + kCell / 2, gridTop + kFields * kCell + 11, letter,
                "class=\"axis\"");
    svg +=
        Text(left + kLabel / 2, gridTop + (kFields - 1 - i) * kCell + 14, letter, "class=\"axis\"");
  }
  for (const std::string& ownField : ownFields) {
    const int column = ownField[0] - 'A';
    const int row = 'R' - ownField[1];
    svg += "<rect x=\"" + std::to_string(gridLeft + column * kCell) + "\" y=\"" +
           std::to_string(gridTop + row * kCell) + "\" width=\"" + std::to_string(kCell) +
           "\" height=\"" + std::to_string(kCell) + "\" class=\"own\"/>\n";
  }
  return svg;
}
}  // namespace

std::string FieldMapSvg(const ScoredLog& scored) {
  const std::vector<const TStatistic*> bands = MapOrder(scored.score.bands);
  const int panels = std::max<int>(1, static_cast<int>(bands.size()));
  const int columns = std::min(panels, kPanelsPerRow);
  const int rows = (panels + kPanelsPerRow - 1) / kPanelsPerRow;
  const int width = columns * kPanelWidth + kGap;
  const int height = kHeading + rows * kPanelHeight;
  std::set<std::string> ownFields;
  for (const std::string& locator : scored.score.ownLocators) {
    ownFields.insert(UpperAscii(locator.substr(0, 2)));  // a square's field: two letters A..R
  }
  const std::string own = OwnLocatorsText(scored.score, ", ");

  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
      std::to_string(width) + " " + std::to_string(height) +
      "\" font-family=\"sans-serif\">\n"
      "<style>\n"
      ".title{font-size:14px;font-weight:bold;fill:#000}\n"
      ".axis{font-size:10px;fill:#555;text-anchor:middle}\n"
      ".field{fill:#fff;stroke:#ccc;stroke-width:1}\n"
      ".worked{fill:" +
      std::string(kWorkedFill) +
      ";stroke:#fff;stroke-width:1}\n"
      ".fl{font-size:8px;fill:#999;text-anchor:middle}\n"
      ".wl{font-size:8px;fill:#fff;text-anchor:middle;font-weight:bold}\n"
      ".own{fill:none;stroke:" +
      std::string(kOwnOutline) +
      ";stroke-width:2}\n"
      "</style>\n"
      "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  svg += Text(kGap, 22,
              Xml(scored.log.stationCall.empty() ? scored.file : scored.log.stationCall) +
                  (own.empty() ? "" : " from " + Xml(own)) + ": score " +
                  std::to_string(scored.score.score) + " (" + std::to_string(scored.score.points) +
                  " points + " + std::to_string(scored.score.newFields) + " fields x " +
                  std::to_string(kNewFieldBonus) + "); own field framed in red",
              "font-size=\"16px\" font-weight=\"bold\"");
  if (bands.empty()) {
    svg += Text(kGap, kHeading + 20, "No QSOs", "font-size=\"14px\"");
  }
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const int left = kGap / 2 + static_cast<int>(i % kPanelsPerRow) * kPanelWidth;
    const int top = kHeading + static_cast<int>(i / kPanelsPerRow) * kPanelHeight;
    svg += Panel(*bands[i], FieldsOfBand(scored.score, bands[i]->Band), ownFields, left, top);
  }
  return svg + "</svg>\n";
}
