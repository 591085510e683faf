#pragma once

#include "Database.h"
#include "ServiceOptions.h"
#include "Sessions.h"

#include <atomic>
#include <memory>
#include <string>

// What every route group shares: the options, the database and where media live.
class ServiceContext {
public:
    explicit ServiceContext(ServiceOptions options);

    const ServiceOptions &options() const { return m_options; }
    Database &database() { return *m_database; }
    const Sessions &sessions() const { return m_sessions; }

    std::string mediaDir(const std::string &kind) const; // "properties", "avatars", "blog"
    void setPort(int port) { m_port = port; }
    int port() const { return m_port; }
    // "https://127.0.0.1:PORT/"
    std::string siteUrl() const;
    std::string mediaUrl(const std::string &kind) const;

private:
    ServiceOptions m_options;
    std::unique_ptr<Database> m_database;
    Sessions m_sessions;
    std::atomic<int> m_port{0};
};
