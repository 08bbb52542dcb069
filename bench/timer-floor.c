/* The floor for a program with a 10 ms timer: wake on a 10 ms periodic timerfd, read its
 * expiry count and do nothing else, for ever. */
#include <stdint.h>
#include <stdio.h>
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

int main(void) {
    int timer = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
    if (timer < 0) {
        perror("timerfd_create");
        return 1;
    }
    const struct itimerspec period = {{0, 10000000}, {0, 10000000}};
    if (timerfd_settime(timer, 0, &period, NULL) != 0) {
        perror("timerfd_settime");
        return 1;
    }
    for (;;) {
        uint64_t expirations;
        if (read(timer, &expirations, sizeof expirations) != sizeof expirations) {
            perror("read");
            return 1;
        }
    }
}
