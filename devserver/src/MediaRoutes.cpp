#include "MediaRoutes.h"

#include "ApiError.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "Envelope.h"
#include "FileAccess.h"
#include "ListingStore.h"
#include "Records.h"
#include "ServiceContext.h"
#include "TextRules.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>

namespace MediaRoutes {

namespace {

constexpr std::size_t kMaxImagesPerFile = 40;

// One multipart body read part by part: text fields kept in memory, the file part written to a
// temporary file as it arrives.
class UploadReader {
public:
    UploadReader(std::string tempDir, std::string fileField)
        : m_tempDir(std::move(tempDir))
        , m_fileField(std::move(fileField)) {}
    ~UploadReader() { discard(); }

    bool read(const httplib::ContentReader &reader) {
        return reader(
            [this](const httplib::MultipartFormData &part) {
                closeFile();
                m_current = part.name;
                if (part.name == m_fileField && !m_seenFile && !part.filename.empty()) {
                    m_seenFile = true;
                    m_tempPath = m_tempDir + "/" + Ids::randomToken(12) + ".part";
                    m_out = std::make_unique<std::ofstream>(m_tempPath, std::ios::binary);
                    m_inFile = m_out->good();
                    return m_inFile;
                }
                m_inFile = false;
                return true;
            },
            [this](const char *data, std::size_t length) {
                if (m_inFile) {
                    // Sent in chunks, a body has no declared length for the server to refuse; what
                    // comes after the limit is read and dropped (within reason) so that the
                    // sender gets the refusal.
                    if (m_size + length > ApiRouter::kBodyLimit) {
                        m_tooLarge = true;
                        m_size += length;
                        return m_size <= 2 * ApiRouter::kBodyLimit;
                    }
                    if (m_head.size() < 16)
                        m_head.append(data, std::min<std::size_t>(length, 16 - m_head.size()));
                    m_out->write(data, static_cast<std::streamsize>(length));
                    m_size += length;
                    return m_out->good();
                }
                std::string &field = m_fields[m_current];
                if (field.size() + length > 4096)
                    return false;
                field.append(data, length);
                return true;
            });
    }

    void finish() { closeFile(); }
    std::string field(const std::string &name) const {
        const auto it = m_fields.find(name);
        return it == m_fields.end() ? std::string() : it->second;
    }
    bool hasFile() const { return m_seenFile && m_size > 0; }
    bool tooLarge() const { return m_tooLarge; }
    // ".jpg" or ".png" from the file's first bytes, empty for anything else.
    std::string imageExtension() const {
        if (m_head.size() >= 3 && static_cast<unsigned char>(m_head[0]) == 0xFF &&
            static_cast<unsigned char>(m_head[1]) == 0xD8 && static_cast<unsigned char>(m_head[2]) == 0xFF)
            return ".jpg";
        if (m_head.size() >= 8 && m_head.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
            return ".png";
        return std::string();
    }
    // Moves the received file to `target`; the reader no longer owns it.
    void keepAs(const std::string &target) {
        closeFile();
        std::filesystem::rename(m_tempPath, target);
        m_tempPath.clear();
    }

private:
    void closeFile() {
        if (m_out) {
            m_out->close();
            m_out.reset();
        }
        m_inFile = false;
    }
    void discard() {
        closeFile();
        if (!m_tempPath.empty()) {
            std::error_code ignored;
            std::filesystem::remove(m_tempPath, ignored);
        }
    }

    std::string m_tempDir;
    std::string m_fileField;
    std::string m_current;
    std::map<std::string, std::string> m_fields;
    std::unique_ptr<std::ofstream> m_out;
    std::string m_tempPath;
    std::string m_head;
    std::size_t m_size = 0;
    bool m_inFile = false;
    bool m_seenFile = false;
    bool m_tooLarge = false;
};

// Runs an upload: authenticates, reads the body to disk, then lets `store` keep the file.
using StoreFn =
    std::function<nlohmann::json(Connection &, const Caller &, UploadReader &, std::vector<std::string> &)>;

void upload(ServiceContext &context, const httplib::Request &request, httplib::Response &response,
            const httplib::ContentReader &reader, const std::string &fileField, ApiRouter::Access access,
            const StoreFn &store) {
    UploadReader body(context.mediaDir("uploads"), fileField);
    bool bodyRead = false;
    try {
        Caller caller;
        {
            auto lease = context.database().acquire();
            caller = context.sessions().authenticate(*lease, request.get_header_value("Authorization"));
            ApiRouter::checkAccess(caller, access);
        }
        if (!request.is_multipart_form_data())
            throw ApiError::badRequest("بارگذاری باید به صورت multipart/form-data ارسال شود");
        bodyRead = true;
        if (!body.read(reader) || body.tooLarge()) {
            response.set_header("Connection", "close");
            throw ApiError(413, "حجم فایل ارسالی بیش از حد مجاز است یا ارسال ناقص ماند", {}, "E_PAYLOAD");
        }
        body.finish();
        if (!body.hasFile())
            throw ApiError::refused("فایلی برای بارگذاری ارسال نشده است");
        if (body.imageExtension().empty())
            throw ApiError::refused("فقط تصاویر JPEG و PNG قابل بارگذاری هستند");
        auto lease = context.database().acquire();
        std::vector<std::string> messages;
        nlohmann::json result = store(*lease, caller, body, messages);
        result["messages"] = messages;
        result["message"] = messages.empty() ? std::string() : messages.front();
        ApiRouter::reply(response, 200, Envelope::success(result, messages));
    } catch (const ApiError &error) {
        // Read what the sender still sends, so that it receives the answer instead of a reset.
        if (!bodyRead) {
            std::size_t skipped = 0;
            auto skip = [&skipped](const char *, std::size_t length) {
                skipped += length;
                return skipped <= ApiRouter::kBodyLimit;
            };
            const bool skippedAll =
                request.is_multipart_form_data()
                    ? reader([](const httplib::MultipartFormData &) { return true; }, skip)
                    : reader(skip);
            if (!skippedAll)
                response.set_header("Connection", "close");
        }
        // The client reads an upload's body only on a 2xx status, so refusals travel with 200.
        ApiRouter::reply(response, error.status == 413 ? 413 : 200, Envelope::failure(error));
    } catch (const std::exception &error) {
        std::cerr << "upload failed: " << error.what() << std::endl;
        ApiRouter::reply(response, 500,
                         Envelope::failure(ApiError(500, "ذخیره فایل با خطا روبرو شد؛ لطفا دوباره تلاش کنید",
                                                    {}, "E_INTERNAL")));
    }
}

std::string mimeFor(const std::string &name) {
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0)
        return "image/png";
    return "image/jpeg";
}

} // namespace

void install(httplib::Server &server, ServiceContext &context) {
    server.Post(
        R"(/api/(v1|v2)/(officeMan|employee)/propertyFiles/addPropertyFileImage)",
        [&context](const httplib::Request &request, httplib::Response &response,
                   const httplib::ContentReader &reader) {
            upload(context, request, response, reader, "propertyPic", ApiRouter::Access::Office,
                   [&context](Connection &db, const Caller &caller, UploadReader &body,
                              std::vector<std::string> &messages) {
                       const std::string fileId = TextRules::trimmed(body.field("propertyFileId"));
                       if (fileId.empty())
                           throw ApiError::missingValue("propertyFileId");
                       FileAccess::ownFile(db, caller, fileId);
                       Transaction transaction(db);
                       nlohmann::json images = nlohmann::json::parse(
                           db.scalarText("SELECT images FROM property_files WHERE id = ?", {fileId}, "[]"),
                           nullptr, false);
                       if (!images.is_array())
                           images = nlohmann::json::array();
                       if (images.size() >= kMaxImagesPerFile)
                           throw ApiError::refused("تعداد تصاویر این فایل به سقف مجاز رسیده است");
                       const std::string name = Ids::newId() + body.imageExtension();
                       body.keepAs(context.mediaDir("properties") + "/" + name);
                       images.push_back(name);
                       db.prepare("UPDATE property_files SET images = ?, updated_at = ? WHERE id = ?")
                           .bind(1, images.dump())
                           .bind(2, Clock::isoNow())
                           .bind(3, fileId)
                           .run();
                       transaction.commit();
                       messages.push_back("تصویر فایل بارگذاری شد");
                       return nlohmann::json{{"image", name}, {"images", images}};
                   });
        });
    server.Post(R"(/api/(v1|v2)/updateMyAvatar)", [&context](const httplib::Request &request,
                                                             httplib::Response &response,
                                                             const httplib::ContentReader &reader) {
        upload(context, request, response, reader, "newAvatarPic", ApiRouter::Access::SignedIn,
               [&context](Connection &db, const Caller &caller, UploadReader &body,
                          std::vector<std::string> &messages) {
                   const std::string name = Ids::newId() + body.imageExtension();
                   const std::string previous =
                       db.scalarText("SELECT avatar FROM users WHERE id = ?", {caller.userId});
                   body.keepAs(context.mediaDir("avatars") + "/" + name);
                   Transaction transaction(db);
                   db.prepare("UPDATE users SET avatar = ? WHERE id = ?")
                       .bind(1, name)
                       .bind(2, caller.userId)
                       .run();
                   transaction.commit();
                   if (TextRules::isStoredFileName(previous)) {
                       std::error_code ignored;
                       std::filesystem::remove(context.mediaDir("avatars") + "/" + previous, ignored);
                   }
                   messages.push_back("تصویر پروفایل به‌روز شد");
                   return nlohmann::json{{"user", Records::user(db, caller.userId)}};
               });
    });

    server.Get(R"(/media/(properties|avatars|blog)/([^/]+))", [&context](const httplib::Request &request,
                                                                         httplib::Response &response) {
        const std::string kind = request.matches[1];
        const std::string name = request.matches[2];
        const std::string path = context.mediaDir(kind) + "/" + name;
        std::error_code error;
        if (!TextRules::isStoredFileName(name) || !std::filesystem::is_regular_file(path, error)) {
            ApiRouter::reply(response, 404, Envelope::failure(ApiError::notFound("تصویر مورد نظر یافت نشد")));
            return;
        }
        const auto size = static_cast<std::size_t>(std::filesystem::file_size(path, error));
        auto stream = std::make_shared<std::ifstream>(path, std::ios::binary);
        response.set_header("Cache-Control", "public, max-age=86400");
        response.set_content_provider(
            size, mimeFor(name), [stream](std::size_t offset, std::size_t length, httplib::DataSink &sink) {
                char buffer[64 * 1024];
                stream->clear();
                stream->seekg(static_cast<std::streamoff>(offset));
                const std::size_t chunk = std::min(length, sizeof buffer);
                stream->read(buffer, static_cast<std::streamsize>(chunk));
                const auto got = stream->gcount();
                if (got <= 0)
                    return false;
                sink.write(buffer, static_cast<std::size_t>(got));
                return true;
            });
    });
}

} // namespace MediaRoutes
