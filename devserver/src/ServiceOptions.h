#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of norvela-devserver.
struct ServiceOptions {
    enum class Seed { None, Demo, Large };

    std::string dataDir;
    int port = NORVELA_DEVSERVER_DEFAULT_PORT;
    Seed seed = Seed::None;
    std::int64_t largeCount = 0;
    std::string fixedCode;
    std::int64_t tokenLifetimeSeconds = 3600;
    // Test support: on every start, each office's current plan is made to end this many days
    // from now, so that renewal near the end can be tried at once. -1 leaves the plans alone.
    std::int64_t planDaysLeft = -1;
    // Sign-in codes for one mobile number: at least this long apart and at most this many an
    // hour (0 = no limit). A fixed code is no secret and nothing is sent, so unless the command
    // line names limits, a fixed code comes without them.
    std::int64_t codeIntervalSeconds = 60;
    std::int64_t codesPerHour = 5;
    // TLS certificate and key, given together; empty when the command line names none.
    std::string certFile;
    std::string keyFile;

    // Parses argv; on a bad argument returns nullopt and fills `error`.
    static std::optional<ServiceOptions> parse(const std::vector<std::string> &arguments, std::string &error);
    static std::string usage();
    static std::string defaultDataDir();
};
