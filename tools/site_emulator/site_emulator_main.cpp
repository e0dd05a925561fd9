// site-emulator: plays the auction sites' servers on loopback for the sellers
// given on the command line, until interrupted. With --configure it points
// the user's settings at itself while it runs, so that an update run of the
// main program or of `gbtool update` talks to it.

#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <exception>
#include <string>

#include "ClientSettings.h"
#include "EmulatorCommandLine.h"
#include "SiteEmulator.h"
#include "platform/Clock.h"
#include "platform/Settings.h"

namespace {

using gb::emulator::EmulatorCommandLine;
using gb::emulator::RecordedRequest;
using gb::emulator::SiteEmulator;

void PrintRequest(const RecordedRequest& request) {
    std::printf("%d %s %s%s\n", request.status, request.method.c_str(), request.target.c_str(),
                request.secure ? " (https)" : "");
    std::fflush(stdout);
}

int Run(const EmulatorCommandLine& options, const sigset_t& signals) {
    SiteEmulator emulator(options.Sellers(gb::Clock::Now()), options.port);
    emulator.SetObserver(&PrintRequest);
    emulator.Start();
    if (options.configure &&
        !gb::emulator::PointSitesAt(gb::Settings::CurrentUser(), emulator.Host(),
                                    emulator.AuthorityFile())) {
        std::fprintf(stderr, "site-emulator: cannot write the settings %s\n",
                     gb::Settings::CurrentUser().File().c_str());
        return 1;
    }
    std::printf("site-emulator listening on %s\n", emulator.Host().c_str());
    std::printf("certificate authority: %s\n", emulator.AuthorityFile().c_str());
    if (options.configure) {
        std::printf("sites pointed at the emulator in %s\n",
                    gb::Settings::CurrentUser().File().c_str());
    }
    std::fflush(stdout);

    int received = 0;
    sigwait(&signals, &received);
    emulator.Stop();
    if (options.configure) {
        gb::emulator::ForgetEmulator(gb::Settings::CurrentUser());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<EmulatorCommandLine> options = EmulatorCommandLine::Parse(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)), error);
    if (!options) {
        std::fprintf(stderr, "site-emulator: %s\n%s", error.c_str(), EmulatorCommandLine::Usage());
        return 2;
    }
    // The signals that end the emulator are taken by sigwait; they are blocked
    // before any server thread starts, so that every thread inherits the mask.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    try {
        return Run(*options, signals);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "site-emulator: %s\n", failure.what());
        return 1;
    }
}
