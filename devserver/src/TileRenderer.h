#pragma once

#include <string>

// Draws the service's raster map tiles (256×256 PNG, web-mercator z/x/y).
namespace TileRenderer {

bool validTile(int z, int x, int y);
// PNG bytes of tile z/x/y.
std::string render(int z, int x, int y);

} // namespace TileRenderer
