// startup_probe IDLE_SECONDS PROGRAM [ARGUMENTS...]
// Starts the program and watches the X screen from outside, as the program takes no
// options: the time until its board area shows content, then the processor time it uses
// over IDLE_SECONDS with no input, then its peak memory, read just before ending it.
// Prints "STARTUP_MS PEAK_KB IDLE_PERCENT RUN_PERCENT": the idle use from utime + stime,
// in 10 ms ticks, and the same from the scheduler's nanoseconds over all threads.
#include <xcb/xcb.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Pixels = std::vector<std::uint32_t>;

// A strip across the middle of where the game puts its board and the baseline its central
// area; a window's first picture arrives whole, so the strip stands for all of it.
Pixels Strip(xcb_connection_t* connection, xcb_window_t root)
{
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        connection, xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 271, 81 + 220, 320, 8, ~0U), nullptr);
    if (reply == nullptr) return {};
    const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply));
    Pixels pixels(data, data + xcb_get_image_data_length(reply) / 4);
    std::free(reply);
    return pixels;
}

// Shown once most of the strip differs from what was there before the start.
bool Shown(const Pixels& before, const Pixels& now)
{
    std::size_t changed = 0;
    for (std::size_t i = 0; i < now.size() && i < before.size(); ++i)
        changed += ((now[i] ^ before[i]) & 0xFFFFFFU) != 0;
    return 2 * changed > before.size();
}

std::string Proc(pid_t pid, const std::string& file)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// utime + stime, fields 14 and 15, counted from the command name's closing parenthesis
// (field 2), as the name may hold spaces.
long long CpuTicks(pid_t pid)
{
    const std::string stat = Proc(pid, "stat");
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string skipped;
    for (int field = 3; field < 14; ++field) fields >> skipped;
    long long user = 0, system = 0;
    fields >> user >> system;
    return user + system;
}

long long RunNanoseconds(pid_t pid)
{
    long long sum = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task"))
        sum += std::atoll(Proc(pid, "task/" + task.path().filename().string() + "/schedstat").c_str());
    return sum;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) return std::fprintf(stderr, "usage: startup_probe IDLE_SECONDS PROGRAM [ARGUMENTS...]\n"), 2;
    const double idleSeconds = std::atof(argv[1]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) return std::fprintf(stderr, "startup_probe: no X server\n"), 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const Pixels before = Strip(connection, root);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0)
        return std::fprintf(stderr, "startup_probe: cannot start %s\n", argv[2]), 1;
    while (!Shown(before, Strip(connection, root))) {
        if (waitpid(pid, nullptr, WNOHANG) == pid || std::chrono::steady_clock::now() - start > 30s) {
            kill(pid, SIGKILL);
            return std::fprintf(stderr, "startup_probe: %s showed nothing\n", argv[2]), 1;
        }
        std::this_thread::sleep_for(1ms);
    }
    const std::chrono::duration<double, std::milli> startup = std::chrono::steady_clock::now() - start;

    // Past the start-up work and the first ticks of the game's clock.
    std::this_thread::sleep_for(1s);
    const long long ticks = CpuTicks(pid);
    const long long run = RunNanoseconds(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const double ticksPercent
        = 100.0 * static_cast<double>(CpuTicks(pid) - ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
    const double runPercent = 100.0 * static_cast<double>(RunNanoseconds(pid) - run) / 1e9;
    const std::string status = Proc(pid, "status");
    const long peak = std::atol(status.c_str() + status.find("VmHWM:") + 6);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);

    const double seconds = idleSeconds > 0 ? idleSeconds : 1;
    std::printf("%.1f %ld %.3f %.3f\n", startup.count(), peak, ticksPercent / seconds, runPercent / seconds);
    return 0;
}
