#pragma once

#include <string>
#include <vector>

// Pictures for the demo data, drawn at seeding time so no binary files live in the sources.
namespace DemoImages {

// Writes `count` JPEG photos of buildings into `dir`; returns their file names.
std::vector<std::string> listingPhotos(const std::string &dir, int count);
// Writes `count` JPEG banners for posts into `dir`; returns their file names.
std::vector<std::string> postBanners(const std::string &dir, int count);

} // namespace DemoImages
