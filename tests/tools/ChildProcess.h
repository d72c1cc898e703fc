#pragma once
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

// A program run by a test, with its stdout and stderr captured. It inherits the test's
// environment (BRINEVANE_PORTS included). With terminalColumns, its stderr is a terminal
// of that width (a raw pty, so err holds the bytes as written).
class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& argv, int terminalColumns = 0) {
        int out[2];
        int err[2];
        if (pipe2(out, O_CLOEXEC) != 0) {
            return;
        }
        if (terminalColumns > 0) {
            winsize size{};
            size.ws_col = static_cast<unsigned short>(terminalColumns);
            size.ws_row = 24;
            termios raw{};
            cfmakeraw(&raw);
            if (openpty(&err[0], &err[1], nullptr, &raw, &size) != 0) {
                return;
            }
            fcntl(err[0], F_SETFD, FD_CLOEXEC);
            fcntl(err[1], F_SETFD, FD_CLOEXEC);
        } else if (pipe2(err, O_CLOEXEC) != 0) {
            return;
        }
        m_pid = fork();
        if (m_pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            dup2(err[1], STDERR_FILENO);
            std::vector<char*> args;
            for (const std::string& arg : argv) {
                args.push_back(const_cast<char*>(arg.c_str()));
            }
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
        close(out[1]);
        close(err[1]);
        m_out = out[0];
        m_err = err[0];
    }
    ~ChildProcess() {
        if (m_pid > 0 && !m_reaped) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0) {
            close(m_out);
        }
        if (m_err >= 0) {
            close(m_err);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return m_pid; }

    // Makes the terminal on stderr that many columns wide, as a user resizing the window.
    void Resize(int columns) {
        winsize size{};
        size.ws_col = static_cast<unsigned short>(columns);
        size.ws_row = 24;
        ioctl(m_err, TIOCSWINSZ, &size);
    }

    // Reads until stdout holds text (true) or the time is up.
    bool ReadUntil(const std::string& text, std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (out.find(text) == std::string::npos && Pump(deadline)) {
        }
        return out.find(text) != std::string::npos;
    }

    // Reads until stdout holds a whole line (or the time is up) and returns that line.
    std::string ReadLine(std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (out.find('\n') == std::string::npos && Pump(deadline)) {
        }
        return out.substr(0, out.find('\n'));
    }

    // Reads both streams to their end and returns the exit code (128 + signal when killed);
    // -1 when the program is still running at the deadline (it is killed then).
    int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (Pump(deadline)) {
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(m_pid, SIGKILL);
        }
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_reaped = true;
        if (std::chrono::steady_clock::now() >= deadline) {
            return -1;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    std::string out;
    std::string err;

  private:
    // One read of whatever is ready; false once both streams have ended or time is up.
    bool Pump(std::chrono::steady_clock::time_point deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || (m_out < 0 && m_err < 0)) {
            return false;
        }
        pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
        if (poll(fds, 2, static_cast<int>(left.count())) <= 0) {
            return true;
        }
        Drain(fds[0], m_out, out);
        Drain(fds[1], m_err, err);
        return true;
    }
    static void Drain(const pollfd& fd, int& stream, std::string& text) {
        if (stream < 0 || fd.revents == 0) {
            return;
        }
        char buffer[4096];
        const ssize_t n = read(stream, buffer, sizeof buffer);
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
        } else {
            close(stream);
            stream = -1;
        }
    }

    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
    bool m_reaped = false;
};
