#include "StopSignaal.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signaalPaar[2] = {-1, -1};

void SignaalOntvangen(int)
{
    const char teken = 1;
    [[maybe_unused]] const ssize_t geschreven = ::write(signaalPaar[0], &teken, 1);
}
}  // namespace

void StopSignaal::Installeer(std::function<void()> stop)
{
    if (signaalPaar[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signaalPaar) != 0)
        return;
    auto* melder = new QSocketNotifier(signaalPaar[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(melder, &QSocketNotifier::activated, melder, [melder, stop = std::move(stop)] {
        char teken = 0;
        [[maybe_unused]] const ssize_t gelezen = ::read(signaalPaar[1], &teken, 1);
        melder->setEnabled(false);  // one stop is enough; a second signal finds the program ending
        stop();
    });
    struct sigaction actie {};
    actie.sa_handler = SignaalOntvangen;
    sigemptyset(&actie.sa_mask);
    actie.sa_flags = SA_RESTART;
    for (int signaal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signaal, &actie, nullptr);
}
#else
void StopSignaal::Installeer(std::function<void()>) {}
#endif
