// strevo-demo-site: a small IPTV search site on loopback, for a first run without internet.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "demo_site.h"

namespace {

void usage() {
    std::puts("usage: strevo-demo-site [--port N] [--stream-port N] [--bind ADDRESS]\n"
              "  --port         HTTPS port of the search site (default 8443)\n"
              "  --stream-port  HTTP port of the stream endpoints (default: any free port)\n"
              "  --bind         address of the search site (default 127.0.0.1)");
}

}  // namespace

int main(int argc, char** argv) {
    strevo::demo::SiteOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--port" && has_value) {
            options.port = std::atoi(argv[++i]);
        } else if (arg == "--stream-port" && has_value) {
            options.stream_port = std::atoi(argv[++i]);
        } else if (arg == "--bind" && has_value) {
            options.bind = argv[++i];
        } else {
            usage();
            return arg == "--help" || arg == "-h" ? 0 : 2;
        }
    }

    // Block the stop signals before the server threads start, then wait for one here.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

    strevo::demo::DemoSite site;
    if (!site.start(options)) {
        std::fprintf(stderr, "strevo-demo-site: cannot listen on %s:%d\n", options.bind.c_str(),
                     options.port);
        return 1;
    }
    std::printf("Demo search site at %s (%zu sources), streams at %s and %s\n",
                site.base().c_str(), site.entries().size(),
                site.stream_hosts().ipv4_base().c_str(), site.stream_hosts().ipv6_base().c_str());
    std::fflush(stdout);

    int signal_number = 0;
    sigwait(&stop_signals, &signal_number);
    site.stop();
    return 0;
}
