// norvela-devserver: the stand-in service the client is developed, tested and shown against.

#include "DemoSeed.h"
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
