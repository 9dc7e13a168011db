#include "writers/chartparts.h"

#include "house/housesummary.h"

namespace kovrin {

namespace {
constexpr std::string_view kFont = "DejaVu Sans, Arial, Helvetica, sans-serif";
}  // namespace

std::string svgNumber(std::int64_t tenths) {
  std::string text = figureText(tenths, 1);
  // Whole positions are written without ".0": shorter, same value.
  if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
  return text;
}

std::int64_t ceilToStep(std::int64_t value, std::int64_t step) {
  const std::int64_t q = value / step;
  return (value % step > 0 ? q + 1 : q) * step;
}

std::int64_t floorToStep(std::int64_t value, std::int64_t step) {
  const std::int64_t q = value / step;
  return (value % step < 0 ? q - 1 : q) * step;
}

std::string svgOpen(int width, int height, std::string_view title) {
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"" +
                    std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
                    std::to_string(width) + ' ' + std::to_string(height) + "\" font-family=\"" + std::string(kFont) +
                    "\" fill=\"#222222\">\n";
  out += "<title>";
  out += title;
  out += "</title>\n";
  appendSvgRect(out, 0, 0, width * kTenths, height * kTenths, "#ffffff");
  return out;
}

void appendSvgText(std::string& out, std::int64_t x, std::int64_t y, std::string_view text) {
  out += "<text x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) + "\">";
  out += text;
  out += "</text>\n";
}

void appendSvgGroup(std::string& out, std::string_view attributes, const std::string& content) {
  if (content.empty()) return;
  out += "<g ";
  out += attributes;
  out += ">\n";
  out += content;
  out += "</g>\n";
}

void appendSvgRect(std::string& out, std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height,
                   std::string_view fill) {
  out += "<rect x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) + "\" width=\"" + svgNumber(width) + "\" height=\"" +
         svgNumber(height) + "\" fill=\"" + std::string(fill) + "\"/>\n";
}

void appendSvgPath(std::string& out, const std::string& d, std::string_view paint) {
  if (d.empty()) return;
  out += "<path d=\"" + d + "\" " + std::string(paint) + "/>\n";
}

}  // namespace kovrin
