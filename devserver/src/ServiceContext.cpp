#include "ServiceContext.h"

#include <filesystem>

ServiceContext::ServiceContext(ServiceOptions options)
    : m_options(std::move(options))
    , m_sessions(m_options.tokenLifetimeSeconds) {
    namespace fs = std::filesystem;
    fs::create_directories(m_options.dataDir);
    for (const char *kind : {"properties", "avatars", "blog", "uploads"})
        fs::create_directories(mediaDir(kind));
    m_database = std::make_unique<Database>(m_options.dataDir + "/norvela.sqlite");
}

std::string ServiceContext::mediaDir(const std::string &kind) const {
    return m_options.dataDir + "/media/" + kind;
}

std::string ServiceContext::siteUrl() const {
    return "https://127.0.0.1:" + std::to_string(m_port.load()) + "/";
}

std::string ServiceContext::mediaUrl(const std::string &kind) const {
    return siteUrl() + "media/" + kind + "/";
}
