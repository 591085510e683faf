#include "MapService.h"

#include "Geography.h"
#include "TileRenderer.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

namespace MapService {

namespace {

std::string coordinate(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7f", value);
    return buffer;
}

nlohmann::json boundingBox(const Geography::Point &point, double half) {
    return {coordinate(point.latitude - half), coordinate(point.latitude + half),
            coordinate(point.longitude - half), coordinate(point.longitude + half)};
}

std::string postcode(const Geography::Point &point) {
    const long code = 9100000000L + static_cast<long>((point.latitude - 36.2) * 1e5) % 100000 * 10000 +
                      static_cast<long>((point.longitude - 59.4) * 1e4) % 10000;
    return std::to_string(code);
}

nlohmann::json address(const std::string &road, const std::string &suburb, const Geography::Point &point) {
    nlohmann::json object = {{"suburb", suburb},
                             {"city", "مشهد"},
                             {"county", "شهرستان مشهد"},
                             {"state", "خراسان رضوی"},
                             {"postcode", postcode(point)},
                             {"country", "ایران"},
                             {"country_code", "ir"}};
    if (!road.empty())
        object["road"] = road;
    return object;
}

std::string displayName(const std::vector<std::string> &parts) {
    std::string text;
    for (const auto &part : parts) {
        if (part.empty())
            continue;
        if (!text.empty())
            text += "، ";
        text += part;
    }
    return text;
}

nlohmann::json result(long placeId, const std::string &category, const std::string &type,
                      const Geography::Point &point, const nlohmann::json &addressObject,
                      const std::string &name, double half) {
    std::vector<std::string> parts{name};
    for (const char *key : {"road", "suburb", "city", "state", "country"}) {
        if (addressObject.contains(key) && addressObject[key].get<std::string>() != name)
            parts.push_back(addressObject[key].get<std::string>());
    }
    return {{"place_id", placeId},
            {"licence", "Norvela map data"},
            {"osm_type", "node"},
            {"osm_id", placeId},
            {"lat", coordinate(point.latitude)},
            {"lon", coordinate(point.longitude)},
            {"class", category},
            {"category", category},
            {"type", type},
            {"place_rank", 20},
            {"importance", 0.5},
            {"addresstype", type},
            {"name", name},
            {"display_name", displayName(parts)},
            {"address", addressObject},
            {"boundingbox", boundingBox(point, half)}};
}

std::optional<double> number(const httplib::Request &request, const std::string &key) {
    if (!request.has_param(key.c_str()))
        return std::nullopt;
    const std::string text = request.get_param_value(key.c_str());
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

struct ViewBox {
    bool bounded = false;
    double left = 0, top = 0, right = 0, bottom = 0;
    bool contains(const Geography::Point &point) const {
        if (!bounded)
            return true;
        return point.longitude >= std::min(left, right) && point.longitude <= std::max(left, right) &&
               point.latitude >= std::min(top, bottom) && point.latitude <= std::max(top, bottom);
    }
};

ViewBox viewBox(const httplib::Request &request) {
    ViewBox box;
    if (request.get_param_value("bounded") != "1" || !request.has_param("viewbox"))
        return box;
    double values[4];
    if (std::sscanf(request.get_param_value("viewbox").c_str(), "%lf,%lf,%lf,%lf", &values[0], &values[1],
                    &values[2], &values[3]) == 4) {
        box.bounded = true;
        box.left = values[0];
        box.top = values[1];
        box.right = values[2];
        box.bottom = values[3];
    }
    return box;
}

std::size_t limit(const httplib::Request &request, std::size_t fallback) {
    const auto value = number(request, "limit");
    if (!value || *value < 1)
        return fallback;
    return std::min<std::size_t>(static_cast<std::size_t>(*value), 50);
}

void sendJson(httplib::Response &response, const nlohmann::json &body) {
    response.set_header("Access-Control-Allow-Origin", "*");
    response.set_content(body.dump(), "application/json; charset=utf-8");
}

void reverse(const httplib::Request &request, httplib::Response &response) {
    const auto lat = number(request, "lat");
    const auto lon = number(request, "lon");
    if (!lat || !lon || *lat < -90 || *lat > 90 || *lon < -180 || *lon > 180) {
        response.status = 400;
        sendJson(response, {{"error", "Unable to geocode"}});
        return;
    }
    const Geography::Point point{*lat, *lon};
    const auto &district = Geography::nearestDistrict(point);
    if (Geography::metres(point, district.centre) > 20000) {
        sendJson(response, {{"error", "Unable to geocode"}});
        return;
    }
    const auto street = Geography::nearestStreet(point);
    const std::string road = street.first && street.second < 600 ? street.first->name : std::string();
    sendJson(response,
             result(100000 + static_cast<long>(&district - &Geography::districts().front()), "place", "house",
                    point, address(road, district.name, point), road.empty() ? district.name : road, 0.0005));
}

// Everything the service can name: districts, streets and places, each as a search result.
std::vector<nlohmann::json> searchables() {
    std::vector<nlohmann::json> items;
    long id = 200000;
    for (const auto &district : Geography::districts())
        items.push_back(result(id++, "place", "suburb", district.centre,
                               address("", district.name, district.centre), district.name, 0.008));
    for (const auto &street : Geography::streets()) {
        const auto &middle = street.path[street.path.size() / 2];
        items.push_back(result(id++, "highway", street.rank == 0 ? "trunk" : "primary", middle,
                               address(street.name, Geography::nearestDistrict(middle).name, middle),
                               street.name, 0.01));
    }
    for (const auto &place : Geography::places()) {
        nlohmann::json object = address(Geography::nearestStreet(place.position).first->name,
                                        Geography::nearestDistrict(place.position).name, place.position);
        // The osm plugin titles a place by the address entry named after its type.
        object[place.type] = place.name;
        items.push_back(result(id++, place.category, place.type, place.position, object, place.name, 0.001));
    }
    return items;
}

// Persian words for kinds of places, so that "بیمارستان" finds hospitals by type too.
const std::map<std::string, std::string> &typeWords() {
    static const std::map<std::string, std::string> words = {
        {"بیمارستان", "hospital"},    {"مدرسه", "school"},       {"دبیرستان", "school"},  {"پارک", "park"},
        {"مسجد", "place_of_worship"}, {"دانشگاه", "university"}, {"مرکز خرید", "mall"},   {"بانک", "bank"},
        {"داروخانه", "pharmacy"},     {"ایستگاه", "station"},    {"فرودگاه", "aerodrome"}};
    return words;
}

void search(const httplib::Request &request, httplib::Response &response, bool placesOnly) {
    static const std::vector<nlohmann::json> items = searchables();
    const std::string query = request.get_param_value("q");
    const ViewBox box = viewBox(request);
    std::vector<long> excluded;
    for (const auto &part : {request.get_param_value("exclude_place_ids")}) {
        std::size_t start = 0;
        while (start < part.size()) {
            std::size_t end = part.find(',', start);
            if (end == std::string::npos)
                end = part.size();
            excluded.push_back(std::atol(part.substr(start, end - start).c_str()));
            start = end + 1;
        }
    }
    std::string wantedType;
    for (const auto &word : typeWords()) {
        if (query.find(word.first) != std::string::npos || query == word.second)
            wantedType = word.second;
    }
    nlohmann::json list = nlohmann::json::array();
    const std::size_t maximum = limit(request, placesOnly ? 50 : 10);
    for (const auto &item : items) {
        if (list.size() >= maximum)
            break;
        if (placesOnly && item["class"] == "place")
            continue;
        const std::string name = item["name"];
        const bool matches = query.empty() || name.find(query) != std::string::npos ||
                             (!wantedType.empty() && item["type"] == wantedType);
        if (!matches)
            continue;
        const Geography::Point point{std::atof(item["lat"].get<std::string>().c_str()),
                                     std::atof(item["lon"].get<std::string>().c_str())};
        if (!box.contains(point))
            continue;
        if (std::find(excluded.begin(), excluded.end(), item["place_id"].get<long>()) != excluded.end())
            continue;
        list.push_back(item);
    }
    sendJson(response, list);
}

} // namespace

void install(httplib::Server &server) {
    server.Get(R"(/map/tiles/(\d{1,2})/(\d{1,7})/(\d{1,7})\.png)",
               [](const httplib::Request &request, httplib::Response &response) {
                   const int z = std::atoi(request.matches[1].str().c_str());
                   const int x = std::atoi(request.matches[2].str().c_str());
                   const int y = std::atoi(request.matches[3].str().c_str());
                   if (!TileRenderer::validTile(z, x, y)) {
                       response.status = 404;
                       sendJson(response, {{"error", "no such tile"}});
                       return;
                   }
                   response.set_header("Cache-Control", "public, max-age=604800");
                   response.set_content(TileRenderer::render(z, x, y), "image/png");
               });
    server.Get("/map/geocoding/reverse", reverse);
    server.Get("/map/geocoding/search", [](const httplib::Request &request, httplib::Response &response) {
        search(request, response, false);
    });
    server.Get("/map/places", [](const httplib::Request &request, httplib::Response &response) {
        search(request, response, true);
    });
}

} // namespace MapService
