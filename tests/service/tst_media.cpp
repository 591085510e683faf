// Uploads streamed to disk (listing photos, avatars) and the public image URLs.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace {

std::string pngBytes(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string pathOf(const std::string &url) {
    const auto start = url.find('/', std::string("https://").size());
    return url.substr(start);
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listingPhotoRoundTrip();
    void refusedUploads();
    void avatarUploadAndRemoval();
    void cleanupTestCase();

private:
    std::unique_ptr<DevServerProcess> m_server;
    std::unique_ptr<ServiceClient> m_client;
    nlohmann::json m_urls;
};

void TestMedia::initTestCase() {
    m_server = std::make_unique<DevServerProcess>(
        devServerProgram(), QStringList{QStringLiteral("--seed"), QStringLiteral("demo")});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorOutput()));
    m_client = std::make_unique<ServiceClient>(m_server->port());
    QVERIFY(m_client->signInManager("09151234567").value("ok", false));
    const auto options = m_client->postForm("options/searchOptions", "");
    for (const auto &entry : options.result()["sysOpt"]["data"]) {
        if (entry["key"] == "URLS")
            m_urls = entry["value"];
    }
    for (const char *key : {"userAvatarImagesBaseUrl", "propertyImagesBaseUrl", "blogImagesBaseUrl"}) {
        const std::string url = m_urls[key];
        QVERIFY(url.back() == '/');
        QVERIFY(url.find(std::to_string(m_server->port())) != std::string::npos);
    }
}

void TestMedia::cleanupTestCase() {
    QCOMPARE(m_server->stop(), 0);
}

void TestMedia::listingPhotoRoundTrip() {
    const auto page = m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                         {{"page", 1}, {"count", 1}, {"dealType", 1}, {"status", 2}}, "v2");
    const std::string id = page.result()["propertyFiles"]["data"][0]["_id"];
    const std::size_t imagesBefore = page.result()["propertyFiles"]["data"][0]["images"].size();

    // A photo of a few megabytes, as cameras make them.
    std::string photo = pngBytes(64);
    const std::string big = photo + std::string(3 * 1024 * 1024, '\0');
    const auto reply =
        m_client->upload("officeMan/propertyFiles/addPropertyFileImage", {{"propertyFileId", id}},
                         "propertyPic", "عکس نما.png", "image/png", big);
    JCOMPARE(reply.status, 200);
    QVERIFY2(reply.ok(), reply.body.c_str());
    const std::string name = reply.result()["image"];

    const auto file = m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                         {{"_id", id}, {"page", 1}, {"count", 100}}, "v2");
    const auto images = file.result()["propertyFiles"]["data"][0]["images"];
    JCOMPARE(images.size(), imagesBefore + 1);
    JCOMPARE(images.back(), name);

    // Served publicly, without any header, byte for byte.
    ServiceClient anonymous(m_server->port());
    const auto fetched = anonymous.get(pathOf(m_urls["propertyImagesBaseUrl"].get<std::string>() + name));
    JCOMPARE(fetched.status, 200);
    JCOMPARE(fetched.contentType, "image/png");
    QVERIFY(fetched.body == big);

    QVERIFY(m_client
                ->postJson("officeMan/propertyFiles/deletePropertyFileImages",
                           {{"propertyFileId", id}, {"propertyImages", {name}}})
                .ok());
    const auto after = m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                          {{"_id", id}, {"page", 1}, {"count", 100}}, "v2");
    JCOMPARE(after.result()["propertyFiles"]["data"][0]["images"].size(), imagesBefore);
    JCOMPARE(anonymous.get(pathOf(m_urls["propertyImagesBaseUrl"].get<std::string>() + name)).status, 404);

    // Demo pictures are served too.
    const auto demo =
        anonymous.get(pathOf(m_urls["propertyImagesBaseUrl"].get<std::string>() + "demo-listing-1.jpg"));
    JCOMPARE(demo.status, 200);
    JCOMPARE(demo.body.substr(0, 2), std::string("\xff\xd8"));
}

void TestMedia::refusedUploads() {
    const auto page = m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                         {{"page", 1}, {"count", 1}}, "v2");
    const std::string id = page.result()["propertyFiles"]["data"][0]["_id"];
    // Not a picture: refused with a message the client can read (2xx).
    auto reply = m_client->upload("officeMan/propertyFiles/addPropertyFileImage", {{"propertyFileId", id}},
                                  "propertyPic", "notes.png", "image/png", "this is text, not a picture");
    JCOMPARE(reply.status, 200);
    QVERIFY(!reply.ok());
    QVERIFY(!reply.firstMessage().empty());
    // Unknown listing.
    reply = m_client->upload("officeMan/propertyFiles/addPropertyFileImage",
                             {{"propertyFileId", "ffffffffffffffffffffffff"}}, "propertyPic", "a.png",
                             "image/png", pngBytes(8));
    QVERIFY(!reply.ok());
    // No token.
    ServiceClient anonymous(m_server->port());
    reply = anonymous.upload("officeMan/propertyFiles/addPropertyFileImage", {{"propertyFileId", id}},
                             "propertyPic", "a.png", "image/png", pngBytes(8));
    JCOMPARE(reply.status, 200);
    QVERIFY(!reply.ok());
    QVERIFY(!reply.firstMessage().empty());
}

void TestMedia::avatarUploadAndRemoval() {
    const auto reply = m_client->upload("updateMyAvatar", {}, "newAvatarPic", "1714550400000.png",
                                        "image/png", pngBytes(32));
    QVERIFY2(reply.ok(), reply.body.c_str());
    const std::string avatar = reply.result()["user"]["avatar"];
    JCOMPARE(reply.result()["user"]["systemRole"], "officeMan");
    JCOMPARE(m_client->postForm("getMe", "").result()["user"]["avatar"], avatar);
    ServiceClient anonymous(m_server->port());
    JCOMPARE(anonymous.get(pathOf(m_urls["userAvatarImagesBaseUrl"].get<std::string>() + avatar)).status,
             200);

    QVERIFY(m_client->postJson("deleteMyAvatar", nlohmann::json::object()).ok());
    JCOMPARE(m_client->postForm("getMe", "").result()["user"]["avatar"], false);
    JCOMPARE(anonymous.get(pathOf(m_urls["userAvatarImagesBaseUrl"].get<std::string>() + avatar)).status,
             404);
}

QTEST_GUILESS_MAIN(TestMedia)
#include "tst_media.moc"
