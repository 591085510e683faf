// Map tiles, reverse geocoding, search and places in the shapes Qt Location's osm plugin reads.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QImage>
#include <QTest>

#include <cmath>
#include <set>

class TestMap : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void tiles();
    void reverseGeocodingMatchesAreas();
    void searchAndPlaces();
    void cleanupTestCase();

private:
    std::unique_ptr<DevServerProcess> m_server;
    std::unique_ptr<ServiceClient> m_client;
};

void TestMap::initTestCase() {
    m_server = std::make_unique<DevServerProcess>(devServerProgram());
    QVERIFY2(m_server->start(), qPrintable(m_server->errorOutput()));
    m_client = std::make_unique<ServiceClient>(m_server->port());
}

void TestMap::cleanupTestCase() {
    QCOMPARE(m_server->stop(), 0);
}

void TestMap::tiles() {
    // The tile that holds the map's centre at zoom 14.
    const double lat = 36.29864 * M_PI / 180, lon = 59.60666;
    const int z = 14, n = 1 << z;
    const int x = static_cast<int>((lon + 180) / 360 * n);
    const int y = static_cast<int>((1 - std::log(std::tan(lat) + 1 / std::cos(lat)) / M_PI) / 2 * n);
    const auto reply = m_client->get("/map/tiles/" + std::to_string(z) + "/" + std::to_string(x) + "/" +
                                     std::to_string(y) + ".png");
    JCOMPARE(reply.status, 200);
    JCOMPARE(reply.contentType, "image/png");
    QImage image;
    QVERIFY(image.loadFromData(reinterpret_cast<const uchar *>(reply.body.data()),
                               static_cast<int>(reply.body.size()), "PNG"));
    QCOMPARE(image.size(), QSize(256, 256));
    // Streets are drawn: the city tile is not one flat colour.
    std::set<QRgb> colours;
    for (int i = 0; i < 256; i += 4)
        colours.insert(image.pixel(i, i));
    QVERIFY(colours.size() > 2);
    JCOMPARE(m_client->get("/map/tiles/3/9/9.png").status, 404);
    JCOMPARE(m_client->get("/map/tiles/40/1/1.png").status, 404);
}

void TestMap::reverseGeocodingMatchesAreas() {
    const auto reply = m_client->get(
        "/map/geocoding/"
        "reverse?format=json&accept-language=fa&lat=36.3235&lon=59.556&zoom=18&addressdetails=1");
    JCOMPARE(reply.status, 200);
    QVERIFY(reply.json["lat"].is_string());
    QVERIFY(reply.json["lon"].is_string());
    QVERIFY(reply.json["place_id"].is_number());
    JCOMPARE(reply.json["boundingbox"].size(), 4u);
    JCOMPARE(reply.json["address"]["city"], "مشهد");
    JCOMPARE(reply.json["address"]["suburb"], "سجاد");
    QVERIFY(reply.json["address"]["road"].is_string());

    // District names are the demo areas.
    ServiceClient manager(m_server->port());
    QVERIFY(manager.signInManager("09121111111").value("ok", false));
    const auto areas = manager.postJson("areas/searchAreas", {{"page", 1}, {"count", 1000}});
    bool found = false;
    for (const auto &area : areas.result()["areas"]["data"])
        found = found || area["title"] == reply.json["address"]["suburb"];
    QVERIFY(found);
    JCOMPARE(m_client->get("/map/geocoding/reverse?lat=abc&lon=59").status, 400);
}

void TestMap::searchAndPlaces() {
    const auto reply = m_client->get("/map/geocoding/"
                                     "search?q=%D8%B3%D8%AC%D8%A7%D8%AF&format=json&accept-language=fa&"
                                     "polygon_geojson=1&addressdetails=1");
    QVERIFY(reply.json.is_array());
    QVERIFY(!reply.json.empty());
    for (const auto &item : reply.json) {
        QVERIFY(item["display_name"].get<std::string>().find("سجاد") != std::string::npos);
        QVERIFY(item["lat"].is_string());
    }
    // Places: hospitals by type, titled through address[<type>], inside the view box only.
    const auto places =
        m_client->get("/map/"
                      "places?format=jsonv2&bounded=1&viewbox=59.40,36.40,59.80,36.20&q=%D8%A8%DB%8C%D9%85%"
                      "D8%A7%D8%B1%D8%B3%D8%AA%D8%A7%D9%86&addressdetails=1&limit=50");
    QVERIFY(places.json.is_array());
    QVERIFY(places.json.size() >= 2);
    for (const auto &item : places.json) {
        JCOMPARE(item["type"], "hospital");
        QVERIFY(item["address"]["hospital"].is_string());
    }
    const auto outside = m_client->get("/map/"
                                       "places?format=jsonv2&bounded=1&viewbox=10,10,11,9&q=%D8%A8%DB%8C%D9%"
                                       "85%D8%A7%D8%B1%D8%B3%D8%AA%D8%A7%D9%86&limit=50");
    QVERIFY(outside.json.is_array() && outside.json.empty());
    const std::string firstId = std::to_string(places.json[0]["place_id"].get<long>());
    const auto next = m_client->get(
        "/map/"
        "places?format=jsonv2&q=%D8%A8%DB%8C%D9%85%D8%A7%D8%B1%D8%B3%D8%AA%D8%A7%D9%86&exclude_place_ids=" +
        firstId);
    JCOMPARE(next.json.size(), places.json.size() - 1);
}

QTEST_GUILESS_MAIN(TestMap)
#include "tst_map.moc"
