// Test child: "flood N" writes N bytes of a known pattern to stdout and stderr at
// once; "ignoreterm SECONDS" ignores SIGTERM and sleeps; "fds" lists its open
// descriptors above 2 on stdout; "alloc MB" takes and touches MB MiB of memory,
// exiting 3 as soon as the system refuses more.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <poll.h>
#include <string>
#include <unistd.h>

static unsigned char patternByte(long long i, int stream) { return (unsigned char)((i * 31 + stream * 7) & 0xff); }

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    std::string mode = argv[1];
    if (mode == "flood" && argc > 2) {
        long long total = std::atoll(argv[2]);
        long long done[2] = {0, 0};
        static unsigned char buf[2][65536];
        while (done[0] < total || done[1] < total) {
            pollfd p[2] = {{1, POLLOUT, 0}, {2, POLLOUT, 0}};
            poll(p, 2, -1);
            for (int s = 0; s < 2; ++s) {
                if (done[s] >= total || !(p[s].revents & POLLOUT))
                    continue;
                long long n = total - done[s] < 65536 ? total - done[s] : 65536;
                for (long long i = 0; i < n; ++i)
                    buf[s][i] = patternByte(done[s] + i, s);
                ssize_t w = write(s + 1, buf[s], size_t(n));
                if (w > 0)
                    done[s] += w;
            }
        }
        return 0;
    }
    if (mode == "ignoreterm" && argc > 2) {
        std::signal(SIGTERM, SIG_IGN);
        sleep(unsigned(std::atoi(argv[2])));
        return 7;
    }
    if (mode == "alloc" && argc > 2) {
        const long long mb = std::atoll(argv[2]);
        for (long long done = 0; done < mb; done += 16) {
            char* p = static_cast<char*>(std::malloc(16 << 20));
            if (!p)
                return 3;
            std::memset(p, 1, 16 << 20);
        }
        return 0;
    }
    if (mode == "fds") {
        DIR* d = opendir("/proc/self/fd");
        if (!d)
            return 3;
        while (dirent* e = readdir(d)) {
            int fd = std::atoi(e->d_name);
            if (e->d_name[0] != '.' && fd > 2 && fd != dirfd(d))
                std::printf("%d\n", fd);
        }
        closedir(d);
        return 0;
    }
    if (mode == "sigmask") {
        sigset_t set;
        sigprocmask(SIG_SETMASK, nullptr, &set);
        struct sigaction sa;
        sigaction(SIGTERM, nullptr, &sa);
        std::printf("%d %d\n", sigismember(&set, SIGTERM), sa.sa_handler == SIG_IGN ? 1 : 0);
        return 0;
    }
    return 2;
}
