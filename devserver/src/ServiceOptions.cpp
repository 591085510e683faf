#include "ServiceOptions.h"

#include <cstdlib>

namespace {

bool allDigits(const std::string &text) {
    if (text.empty() || text.size() > 12)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

std::string ServiceOptions::defaultDataDir() {
    const char *xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg)
        return std::string(xdg) + "/norvela-devserver";
    const char *home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/norvela-devserver";
}

std::string ServiceOptions::usage() {
    return "usage: norvela-devserver [--data DIR] [--port N] [--seed demo | --seed large:N]\n"
           "                         [--fixed-code NNNN] [--code-limits SECONDS:PER_HOUR | off]\n"
           "                         [--token-lifetime SECONDS] [--plan-days-left N]\n"
           "                         [--cert FILE --key FILE]\n";
}

std::optional<ServiceOptions> ServiceOptions::parse(const std::vector<std::string> &arguments,
                                                    std::string &error) {
    ServiceOptions options;
    options.dataDir = defaultDataDir();
    bool codeLimitsGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &name = arguments[i];
        if (name == "--help" || name == "-h") {
            error.clear();
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error = "missing value for " + name;
            return std::nullopt;
        }
        const std::string &value = arguments[++i];
        if (name == "--data") {
            options.dataDir = value;
        } else if (name == "--port") {
            if (!allDigits(value) || std::stol(value) > 65535) {
                error = "bad port: " + value;
                return std::nullopt;
            }
            options.port = static_cast<int>(std::stol(value));
        } else if (name == "--seed") {
            if (value == "demo") {
                options.seed = Seed::Demo;
            } else if (value.rfind("large:", 0) == 0 && allDigits(value.substr(6))) {
                options.seed = Seed::Large;
                options.largeCount = std::stoll(value.substr(6));
            } else {
                error = "bad seed (demo or large:N): " + value;
                return std::nullopt;
            }
        } else if (name == "--fixed-code") {
            if (value.size() != 4 || !allDigits(value)) {
                error = "the fixed code must be four digits";
                return std::nullopt;
            }
            options.fixedCode = value;
        } else if (name == "--code-limits") {
            const std::size_t colon = value.find(':');
            if (value == "off") {
                options.codeIntervalSeconds = 0;
                options.codesPerHour = 0;
            } else if (colon != std::string::npos && allDigits(value.substr(0, colon)) &&
                       allDigits(value.substr(colon + 1))) {
                options.codeIntervalSeconds = std::stoll(value.substr(0, colon));
                options.codesPerHour = std::stoll(value.substr(colon + 1));
            } else {
                error = "bad code limits (SECONDS:PER_HOUR or off): " + value;
                return std::nullopt;
            }
            codeLimitsGiven = true;
        } else if (name == "--token-lifetime") {
            if (!allDigits(value) || std::stoll(value) < 1) {
                error = "bad token lifetime: " + value;
                return std::nullopt;
            }
            options.tokenLifetimeSeconds = std::stoll(value);
        } else if (name == "--plan-days-left") {
            if (!allDigits(value) || std::stoll(value) > 36500) {
                error = "bad number of plan days: " + value;
                return std::nullopt;
            }
            options.planDaysLeft = std::stoll(value);
        } else if (name == "--cert") {
            options.certFile = value;
        } else if (name == "--key") {
            options.keyFile = value;
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    if (options.certFile.empty() != options.keyFile.empty()) {
        error = "--cert and --key are given together";
        return std::nullopt;
    }
    if (!codeLimitsGiven && !options.fixedCode.empty()) {
        options.codeIntervalSeconds = 0;
        options.codesPerHour = 0;
    }
    return options;
}
