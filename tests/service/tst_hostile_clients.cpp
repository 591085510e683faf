// Hostile clients: bodies nested without end, guessed sign-in codes and passwords, slow and idle
// connections, endless chunked bodies, weak TLS suites. Each is refused (with the envelope where
// it speaks HTTP) and the service goes on answering everyone else.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace {

std::string nested(int depth) {
    return std::string(static_cast<std::size_t>(depth), '[') +
           std::string(static_cast<std::size_t>(depth), ']');
}

bool contains(const std::string &text, const char *part) {
    return text.find(part) != std::string::npos;
}

int connectTo(int port) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

// Whether the peer closes `socket` within `timeoutMs` (reading and dropping what it sends).
bool closedWithin(int socket, SSL *ssl, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        pollfd poller{socket, POLLIN, 0};
        if (::poll(&poller, 1, 100) <= 0)
            continue;
        char buffer[512];
        const long got =
            ssl ? SSL_read(ssl, buffer, sizeof buffer) : ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0)
            return true;
    }
    return false;
}

// A TLS connection made by hand, for what a well-behaved client never does.
class RawTls {
public:
    explicit RawTls(int port, const char *tls12Ciphers = nullptr) {
        m_context = SSL_CTX_new(TLS_client_method());
        if (tls12Ciphers) {
            SSL_CTX_set_max_proto_version(m_context, TLS1_2_VERSION);
            SSL_CTX_set_cipher_list(m_context, tls12Ciphers);
        }
        m_socket = connectTo(port);
        m_ssl = SSL_new(m_context);
        SSL_set_fd(m_ssl, m_socket);
        m_connected = m_socket >= 0 && SSL_connect(m_ssl) == 1;
    }
    ~RawTls() {
        SSL_free(m_ssl);
        SSL_CTX_free(m_context);
        if (m_socket >= 0)
            ::close(m_socket);
    }
    bool connected() const { return m_connected; }
    bool send(const std::string &bytes) {
        return SSL_write(m_ssl, bytes.data(), static_cast<int>(bytes.size())) > 0;
    }
    bool closedWithin(int timeoutMs) { return ::closedWithin(m_socket, m_ssl, timeoutMs); }

private:
    SSL_CTX *m_context = nullptr;
    SSL *m_ssl = nullptr;
    int m_socket = -1;
    bool m_connected = false;
};

} // namespace

class TestHostileClients : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void deeplyNestedBodiesAreRefused();
    void storedDeepFolderAndManagerPassword();
    void signInCodesCannotBeGuessed();
    void passwordsCannotBeGuessed();
    void slowAndIdleConnectionsStarveNoOne();
    void transportAndSearchLimits();
    void cleanupTestCase();

private:
    void expectRefusal(const ServiceClient::Reply &reply, int status, const char *part = "");
    std::unique_ptr<DevServerProcess> m_server;
};

void TestHostileClients::initTestCase() {
    // Codes at least a second apart, three an hour: the pacing a real number gets, only faster.
    m_server = std::make_unique<DevServerProcess>(
        devServerProgram(), QStringList{QStringLiteral("--seed"), QStringLiteral("demo"),
                                        QStringLiteral("--code-limits"), QStringLiteral("1:3")});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorOutput()));
}

void TestHostileClients::cleanupTestCase() {
    QCOMPARE(m_server->stop(), 0);
}

void TestHostileClients::expectRefusal(const ServiceClient::Reply &reply, int status, const char *part) {
    JCOMPARE(reply.status, status);
    QVERIFY2(reply.json.is_object() && !reply.ok(), reply.body.c_str());
    const std::string message = reply.firstMessage();
    QVERIFY2(!message.empty() && contains(message, part), reply.body.c_str());
    JCOMPARE(reply.json["message"], message);
}

void TestHostileClients::deeplyNestedBodiesAreRefused() {
    ServiceClient client(m_server->port());
    QVERIFY(client.signInManager("09151234567").value("ok", false));
    const std::string deep = nested(1000000);
    expectRefusal(client.postRaw("/api/v2/officeMan/propertyFiles/searchMyPropertyFiles",
                                 R"({"page":1,"count":20,"attrs":{"price":)" + deep + "}}",
                                 "application/json"),
                  400);
    expectRefusal(client.postRaw("/api/v1/officeMan/propertyFiles/createPropertyFile",
                                 R"({"dealType":1,"propertyType":50,"attrs":{"a":)" + deep + "}}",
                                 "application/json"),
                  400);
    expectRefusal(client.postRaw("/api/v1/officeMan/folders/createFolder",
                                 R"({"title":"t","options":{"order":)" + deep + "}}", "application/json"),
                  400);
    // A query sent as JSON text is looked at before it is parsed.
    expectRefusal(
        client.postJson("officeMan/folders/createFolder", {{"title", "t"}, {"query", nested(5000)}}), 400);

    // Nesting an honest client might send is taken.
    const auto fine =
        client.postRaw("/api/v1/officeMan/folders/createFolder",
                       R"({"title":"تودرتو","query":"{}","options":{"order":9,"x":)" + nested(60) + "}}",
                       "application/json");
    QVERIFY2(fine.ok(), fine.body.c_str());
    const auto folders = client.postJson("officeMan/folders/getMyFolders", nlohmann::json::object(), "v2");
    QVERIFY2(folders.ok(), folders.body.c_str());
}

void TestHostileClients::storedDeepFolderAndManagerPassword() {
    // A database written before these limits: a folder nested beyond what SQLite reads, and a
    // manager who was given an adviser's password.
    DevServerProcess server(devServerProgram(),
                            QStringList{QStringLiteral("--seed"), QStringLiteral("demo")});
    QVERIFY2(server.start(), qPrintable(server.errorOutput()));
    std::string officeId;
    std::size_t folderCount = 0;
    {
        ServiceClient client(server.port());
        QVERIFY(client.signInManager("09151234567").value("ok", false));
        officeId = client.postForm("getMe", "").result()["user"]["officeId"];
        folderCount = client.postJson("officeMan/folders/getMyFolders", nlohmann::json::object(), "v2")
                          .result()["folders"]
                          .size();
    }
    QCOMPARE(server.stop(), 0);
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(
                 QDir(server.dataDir()).filePath(QStringLiteral("norvela.sqlite")).toUtf8().constData(), &db),
             SQLITE_OK);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO folders(id, office_id, title, query, system_folder, options, users, created_at) "
        "VALUES('ffffffffffffffffffffffff', ?, 'deep', ?, 0, ?, '[]', '2024-01-01T00:00:00.000Z')",
        -1, &insert, nullptr);
    const std::string query = nested(100000);
    const std::string options = R"({"order":)" + nested(3000) + "}";
    sqlite3_bind_text(insert, 1, officeId.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, query.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 3, options.c_str(), -1, SQLITE_TRANSIENT);
    QCOMPARE(sqlite3_step(insert), SQLITE_DONE);
    sqlite3_finalize(insert);
    QCOMPARE(
        sqlite3_exec(
            db,
            "UPDATE users SET password_hash = (SELECT password_hash FROM users WHERE username = 'sara'), "
            "password_salt = (SELECT password_salt FROM users WHERE username = 'sara') "
            "WHERE username = '09151234567'",
            nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);

    QVERIFY2(server.start(), qPrintable(server.errorOutput()));
    ServiceClient client(server.port());
    QVERIFY(client.signInManager("09151234567").value("ok", false));
    for (const char *role : {"officeMan", "employee"}) {
        const auto folders =
            client.postJson(std::string(role) + "/folders/getMyFolders", nlohmann::json::object(), "v2");
        QVERIFY2(folders.ok(), folders.body.substr(0, 300).c_str());
        QCOMPARE(folders.result()["folders"].size(), folderCount + 1);
        for (const auto &folder : folders.result()["folders"]) {
            QVERIFY(folder["options"].is_object());
            if (folder["_id"] == "ffffffffffffffffffffffff")
                JCOMPARE(folder["query"], "{}");
        }
    }
    QVERIFY(client.postForm("officeMan/office/getMyOffice", "").ok());

    // The password never opens a manager's account, and none can be set for one.
    ServiceClient stranger(server.port());
    QVERIFY(!stranger.signInAdviser("09151234567", "123456").value("ok", true));
    const std::string managerId = client.postForm("getMe", "").result()["user"]["_id"];
    expectRefusal(
        client.postJson("officeMan/users/resetUserPassword",
                        {{"userId", managerId}, {"newPassword", "abcd1234"}, {"rePassword", "abcd1234"}}),
        403);
    QVERIFY(!stranger.signInAdviser("09151234567", "abcd1234").value("ok", true));
    const auto users = client.postForm("officeMan/users/searchUsers", "page=1&count=100");
    std::string minaId;
    for (const auto &user : users.result()["users"]["data"]) {
        if (user["username"] == "mina")
            minaId = user["_id"];
    }
    QVERIFY(client
                .postJson("officeMan/users/resetUserPassword",
                          {{"userId", minaId}, {"newPassword", "abcd1234"}, {"rePassword", "abcd1234"}})
                .ok());
    QVERIFY(stranger.signInAdviser("mina", "abcd1234").value("ok", false));
    QCOMPARE(server.stop(), 0);
}

void TestHostileClients::signInCodesCannotBeGuessed() {
    ServiceClient client(m_server->port());
    auto requestCode = [&client](const std::string &mobile) {
        return client.postForm("login/officeMan", ServiceClient::deviceForm("pc") + "&username=" + mobile, {},
                               false);
    };
    auto confirm = [&client](const std::string &mobile, const std::string &code) {
        return client.postForm(
            "login/officeMan",
            ServiceClient::deviceForm("pc") + "&username=" + mobile + "&verificationCode=" + code, {}, false);
    };

    // Codes to one number come no faster than the pacing and no more often than its hourly count.
    const std::string paced = "09121110001";
    QVERIFY(requestCode(paced).ok());
    expectRefusal(requestCode(paced), 200, "ثانیه");
    QThread::msleep(1100);
    QVERIFY(requestCode(paced).ok());
    QThread::msleep(1100);
    QVERIFY(requestCode(paced).ok());
    QThread::msleep(1100);
    expectRefusal(requestCode(paced), 200, "دقیقه");
    // Another number is not held back, and a refused request spoils no code.
    QVERIFY(requestCode("09121110003").ok());
    QVERIFY(confirm(paced, "1234").ok());

    // Wrong codes count across new codes; past the limit even the right code is refused.
    const std::string guessed = "09121110002";
    QVERIFY(requestCode(guessed).ok());
    for (int i = 0; i < 5; ++i)
        expectRefusal(confirm(guessed, "000" + std::to_string(i)), 200, "اشتباه");
    QVERIFY(!confirm(guessed, "1234").ok());
    QThread::msleep(1100);
    QVERIFY(requestCode(guessed).ok());
    for (int i = 5; i < 10; ++i)
        expectRefusal(confirm(guessed, "000" + std::to_string(i)), 200, "اشتباه");
    expectRefusal(confirm(guessed, "1234"), 200, "دقیقه");
    QThread::msleep(1100);
    expectRefusal(requestCode(guessed), 200, "دقیقه");
}

void TestHostileClients::passwordsCannotBeGuessed() {
    ServiceClient client(m_server->port());
    auto attempt = [&client](const std::string &password) {
        return client.postForm("login/employee",
                               "username=hamid&password=" + password + "&" + ServiceClient::deviceForm("pc"),
                               {}, false);
    };
    for (int i = 0; i < 3; ++i)
        expectRefusal(attempt("wrong"), 200, "اشتباه");
    // Slowed down: too soon after the third failure even the right password waits.
    expectRefusal(attempt("123456"), 200, "ثانیه");
    for (int i = 3; i < 10; ++i) {
        QThread::msleep(1100);
        expectRefusal(attempt("wrong"), 200, "اشتباه");
    }
    QThread::msleep(1100);
    expectRefusal(attempt("123456"), 200, "دقیقه");
    // The lock is the account's own.
    QVERIFY(client.signInAdviser("sara", "123456").value("ok", false));
}

void TestHostileClients::slowAndIdleConnectionsStarveNoOne() {
    const int port = m_server->port();
    std::vector<int> idle;
    for (int i = 0; i < 64; ++i)
        idle.push_back(connectTo(port));
    // Headers sent one byte at a time, never finished.
    std::vector<std::unique_ptr<RawTls>> slow;
    for (int i = 0; i < 4; ++i) {
        slow.push_back(std::make_unique<RawTls>(port));
        QVERIFY(slow.back()->connected());
    }
    std::atomic<bool> stop{false};
    std::thread trickle([&] {
        const std::string header =
            "POST /api/v1/getMe HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Padding: " + std::string(200, 'a');
        for (std::size_t i = 0; i < header.size() && !stop; ++i) {
            for (auto &connection : slow)
                connection->send(header.substr(i, 1));
            QThread::msleep(400);
        }
    });

    // Everyone else is answered at once meanwhile.
    httplib::SSLClient probe("127.0.0.1", port);
    probe.set_ca_cert_path(NORVELA_DEVCERT_CA);
    probe.enable_server_certificate_verification(true);
    probe.set_connection_timeout(3, 0);
    probe.set_read_timeout(3, 0);
    for (int i = 0; i < 10; ++i) {
        const auto reply =
            probe.Post("/api/v1/options/searchOptions", "", "application/x-www-form-urlencoded");
        QVERIFY2(reply && reply->status == 200, "a request waited behind idle connections");
    }
    // The slow senders and the silent ones are let go after a few seconds.
    for (auto &connection : slow)
        QVERIFY(connection->closedWithin(12000));
    stop = true;
    trickle.join();
    for (int socket : idle) {
        QVERIFY(socket >= 0);
        QVERIFY(closedWithin(socket, nullptr, 12000));
        ::close(socket);
    }
}

void TestHostileClients::transportAndSearchLimits() {
    ServiceClient client(m_server->port());
    QVERIFY(client.signInManager("09151234567").value("ok", false));
    httplib::SSLClient raw("127.0.0.1", m_server->port());
    raw.set_ca_cert_path(NORVELA_DEVCERT_CA);
    raw.enable_server_certificate_verification(true);
    const httplib::Headers auth{{"Authorization", "Bearer " + client.token()}};

    // Chunked bodies: a short one is read as any other; an endless one stops at the limit.
    const std::string search = R"({"page":1,"count":5,"sortBy":"created_at"})";
    auto small = raw.Post(
        "/api/v2/officeMan/propertyFiles/searchMyPropertyFiles", auth,
        [&search](std::size_t offset, httplib::DataSink &sink) {
            if (offset < search.size())
                sink.write(search.data() + offset, std::min<std::size_t>(7, search.size() - offset));
            else
                sink.done();
            return true;
        },
        "application/json");
    QVERIFY(small && small->status == 200 && contains(small->body, "\"ok\":true"));
    // A body of 25 MB in chunks of 64 KB: past the limit, though no length announced it.
    for (const char *path : {"/api/v2/officeMan/propertyFiles/searchMyPropertyFiles",
                             "/api/v1/officeMan/propertyFiles/addPropertyFileImage"}) {
        const bool upload = contains(path, "Image");
        const std::string head =
            upload ? "--b\r\nContent-Disposition: form-data; name=\"propertyPic\"; filename=\"a.jpg\"\r\n\r\n"
                   : "";
        const std::string chunk(1 << 16, ' ');
        const std::string first = head + chunk;
        auto oversized = raw.Post(
            path, auth,
            [&](std::size_t offset, httplib::DataSink &sink) {
                const std::string &next = offset == 0 ? first : chunk;
                if (offset >= (25u << 20))
                    sink.done();
                else
                    sink.write(next.data(), next.size());
                return true;
            },
            upload ? "multipart/form-data; boundary=b" : "application/json");
        QVERIFY2(oversized && oversized->status == 413, path);
        QVERIFY(contains(oversized->body, "\"ok\":false"));
    }

    // Nothing is to be sniffed: images and replies say what they are.
    const auto listing = client.postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                         {{"page", 1}, {"count", 100}, {"sortBy", "created_at"}}, "v2");
    std::string image;
    for (const auto &file : listing.result()["propertyFiles"]["data"]) {
        if (!file["images"].empty())
            image = file["images"][0];
    }
    QVERIFY(!image.empty());
    const auto picture = client.get("/media/properties/" + image);
    QCOMPARE(picture.status, 200);
    QCOMPARE(picture.headers.find("X-Content-Type-Options")->second, std::string("nosniff"));
    QCOMPARE(listing.headers.find("X-Content-Type-Options")->second, std::string("nosniff"));

    // TLS 1.2 only with ephemeral key exchange.
    QVERIFY(!RawTls(m_server->port(), "AES128-GCM-SHA256:AES256-SHA256").connected());
    QVERIFY(RawTls(m_server->port(), "ECDHE-RSA-AES128-GCM-SHA256").connected());

    // One service per port: a second one on the same port does not start.
    DevServerProcess second(devServerProgram(),
                            {QStringLiteral("--port"), QString::number(m_server->port())});
    QVERIFY(!second.start(20000));

    // Searches wider than any form are refused, not failed.
    nlohmann::json wide = nlohmann::json::object();
    for (int i = 0; i < 3000; ++i)
        wide["option_" + std::to_string(i)] = true;
    expectRefusal(client.postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                  {{"page", 1}, {"count", 20}, {"attrs", wide}}, "v2"),
                  400);

    // A mobile number stays its owner's sign-in name.
    expectRefusal(client.postJson("officeMan/users/createUser/employee", {{"fname", "نام"},
                                                                          {"lname", "خانوادگی"},
                                                                          {"email", ""},
                                                                          {"username", "09350001234"},
                                                                          {"password", "123456"},
                                                                          {"mobile", ""}}),
                  200, "موبایل");
}

QTEST_GUILESS_MAIN(TestHostileClients)
#include "tst_hostile_clients.moc"
