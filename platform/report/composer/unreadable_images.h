#pragma once
// Images of a layout whose bytes do not decode: they would print as an empty
// frame, so the designer and the print options tell of them.
#include <string>
#include <vector>

#include "report/model/layout.h"

namespace report {

// Whether a drawn image decodes whole (PNG, JPEG or SVG).
bool ImageReadable(const Shape& image);

// One sentence per image of the layout that does not decode, naming it by
// its number among the images, its kind and where it lies.
std::vector<std::string> UnreadableImages(const Layout& layout);

} // namespace report
