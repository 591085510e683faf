#pragma once

#include <string>
#include <utility>
#include <vector>

// The service's map of Mashhad: districts (the demo areas), main streets and places, shared by
// the tiles, the geocoder and the demo data so that names always agree.
namespace Geography {

struct Point {
    double latitude;
    double longitude;
};

struct District {
    std::string name;
    Point centre;
};

struct Street {
    std::string name;
    std::vector<Point> path;
    int rank; // 0 ring road, 1 boulevard, 2 street
};

struct Place {
    std::string name;
    std::string type;     // OSM-style type: school, hospital, park, …
    std::string category; // amenity, leisure, shop, …
    Point position;
};

constexpr double kCentreLatitude = 36.29864;
constexpr double kCentreLongitude = 59.60666;

const std::vector<District> &districts();
const std::vector<Street> &streets();
const std::vector<Place> &places();

// Distance in metres between two points.
double metres(const Point &a, const Point &b);
const District &nearestDistrict(const Point &point);
// The nearest street and the distance to it in metres.
std::pair<const Street *, double> nearestStreet(const Point &point);

} // namespace Geography
