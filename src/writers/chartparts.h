// What the house's charts are drawn with: SVG text made without Qt, so that
// one chart serves the window (drawn with Qt SVG) and the report (inline in
// the HTML, or as an image rendered from this text). Only what SVG Tiny 1.2
// renderers draw is used: paths, rectangles and text. Positions are kept in
// tenths of a unit and written with one decimal, so that close values still
// differ and no floating point formatting takes part: the same figures
// always give the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kovrin {

inline constexpr std::int64_t kTenths = 10;
inline constexpr std::string_view kHeatingColour = "#c0392b";
inline constexpr std::string_view kCoolingColour = "#2e6fb7";

// A position in tenths as SVG writes it: "84", "12.5".
std::string svgNumber(std::int64_t tenths);

// The smallest multiple of `step` at or above `value`, and the largest at or
// below; `step` is above 0.
std::int64_t ceilToStep(std::int64_t value, std::int64_t step);
std::int64_t floorToStep(std::int64_t value, std::int64_t step);

// The document's opening: the <svg> element of `width` x `height` units
// with the font, its title and a white background. The caller closes it
// with "</svg>\n".
std::string svgOpen(int width, int height, std::string_view title);

// A text at (x, y); size and anchor come from the group it stands in.
void appendSvgText(std::string& out, std::int64_t x, std::int64_t y, std::string_view text);
// A group of elements with shared attributes; nothing when `content` is empty.
void appendSvgGroup(std::string& out, std::string_view attributes, const std::string& content);
void appendSvgRect(std::string& out, std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height,
                   std::string_view fill);
// A path of the outlines or lines gathered in `d`; nothing when empty.
void appendSvgPath(std::string& out, const std::string& d, std::string_view paint);

}  // namespace kovrin
