// norvela-devserver: the stand-in service the client is developed, tested and shown against.

#include "DemoSeed.h"
#include "DevAuthority.h"
#include "DevServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sys/prctl.h>
#include <thread>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    (void)written;
}

// Without --cert and --key, the service built in the tree uses the certificate its build made,
// which the client built beside it trusts. The installed service cannot rely on any build: it
// makes an authority of its own in its data folder and says where, so that it can be trusted.
void chooseCertificate(ServiceOptions &options) {
    if (!options.certFile.empty())
        return;
#if defined(NORVELA_DEVSERVER_BUILD_CERT)
    options.certFile = NORVELA_DEVSERVER_BUILD_CERT;
    options.keyFile = NORVELA_DEVSERVER_BUILD_KEY;
#else
    const DevAuthority::Files files = DevAuthority::ensure(options.dataDir + "/tls");
    options.certFile = files.certificate;
    options.keyFile = files.key;
    if (files.authorityCreated)
        std::cerr << "made a development certificate authority: " << files.authorityCertificate << "\n"
                  << "clients reach this service once they trust it (the client's build option "
                     "NORVELA_TRUSTED_CA, or the system's certificate store)\n";
    else
        std::cerr << "development certificate authority: " << files.authorityCertificate << "\n";
#endif
}

} // namespace

int main(int argc, char **argv) {
    // Tests start the service as a child; it must not outlive a test process that crashed.
    if (std::getenv("NORVELA_DEVSERVER_EXIT_WITH_PARENT"))
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);

    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    auto options = ServiceOptions::parse(arguments, error);
    if (!options) {
        std::cerr << (error.empty() ? "" : error + "\n") << ServiceOptions::usage();
        return error.empty() ? 0 : 2;
    }

    try {
        chooseCertificate(*options);
        DevServer server(*options);
        if (!server.isValid()) {
            std::cerr << "cannot load the certificate " << options->certFile << " / key " << options->keyFile
                      << "\n";
            return 1;
        }
        DemoSeed::prepare(server.context());

        const int port = server.bind();
        if (port <= 0) {
            std::cerr << "cannot listen on 127.0.0.1:" << options->port << "\n";
            return 1;
        }

        if (::pipe(g_signalPipe) != 0)
            return 1;
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
        std::signal(SIGPIPE, SIG_IGN);

        // Shutdown happens on this thread, away from the signal handler.
        std::thread watcher([&server] {
            char byte = 0;
            while (::read(g_signalPipe[0], &byte, 1) < 0) {
            }
            server.stop();
        });

        std::cout << "listening on https://127.0.0.1:" << port << "/api/" << std::endl;
        std::fflush(stdout);
        server.serve();

        onSignal(0); // ends the watcher if the server stopped on its own
        watcher.join();
        std::cerr << "stopped" << std::endl;
    } catch (const std::exception &failure) {
        std::cerr << "norvela-devserver: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
