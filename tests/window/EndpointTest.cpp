#include "platform/ipc/UserMessageEndpoint.h"
#include "platform/ipc/UserMessageSocket.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

class EndpointTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = (std::filesystem::temp_directory_path() /
                  ("hushwave-endpoint-" + std::to_string(getpid()) + ".sock"))
                     .string();
        m_window = CreateWindowRecord(nullptr, {}, [this](HWND, UINT msg, WPARAM, LPARAM) {
            m_seen.push_back(msg);
            return LRESULT{0};
        });
    }
    void TearDown() override {
        DestroyWindowRecord(m_window);
        MessageLoop::Instance().Reset();
    }

    int Connect() {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, m_path.c_str());
        EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        return fd;
    }

    std::string Exchange(const std::string& bytes) {
        int fd = Connect();
        send(fd, bytes.data(), bytes.size(), 0);
        shutdown(fd, SHUT_WR);
        for (int i = 0; i < 5; ++i) {
            MessageLoop::Instance().ProcessMessages();
        }
        char reply[32] = {};
        timeval patience{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        ssize_t got = recv(fd, reply, sizeof reply - 1, 0);
        close(fd);
        return got > 0 ? std::string(reply, static_cast<size_t>(got)) : std::string();
    }

    std::string m_path;
    HWND m_window;
    std::vector<UINT> m_seen;
};

TEST_F(EndpointTest, DeliversApplicationMessagesAndRefusesTheRest) {
    UserMessageEndpoint endpoint(m_path, m_window);
    ASSERT_TRUE(endpoint.Listening());
    struct stat info {};
    ASSERT_EQ(stat(m_path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    EXPECT_EQ(Exchange("1024\n"), "ok\n");
    EXPECT_EQ(Exchange("1031"), "ok\n");
    EXPECT_EQ(Exchange("16\n"), "refused\n") << "WM_CLOSE is not for other programs";
    EXPECT_EQ(Exchange("quit\n"), "refused\n");
    EXPECT_EQ(Exchange("10 24\n"), "refused\n");
    EXPECT_EQ(Exchange(std::string(100, '7')), "");
    EXPECT_EQ(m_seen, (std::vector<UINT>{1024, 1031}));
}

TEST_F(EndpointTest, PeersBeforeTheWindowWaitAndAreAnsweredOnceItIsNamed) {
    UserMessageEndpoint endpoint(m_path, HWND{});
    ASSERT_TRUE(endpoint.Listening());
    int early = Connect();
    ASSERT_EQ(send(early, "1024\n", 5, 0), 5);
    for (int i = 0; i < 5; ++i) {
        MessageLoop::Instance().ProcessMessages();
    }
    EXPECT_TRUE(m_seen.empty()) << "nothing is taken before there is a window";

    endpoint.SetWindow(m_window);
    for (int i = 0; i < 5; ++i) {
        MessageLoop::Instance().ProcessMessages();
    }
    char reply[8] = {};
    timeval patience{1, 0};
    setsockopt(early, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    EXPECT_EQ(recv(early, reply, sizeof reply - 1, 0), 3);
    EXPECT_STREQ(reply, "ok\n");
    close(early);
    EXPECT_EQ(m_seen, (std::vector<UINT>{1024}));
    EXPECT_EQ(Exchange("1030\n"), "ok\n");
}

TEST_F(EndpointTest, SilentPeerIsDroppedWithoutBlockingTheLoop) {
    VirtualClock clock;
    SetClock(&clock);
    {
        UserMessageEndpoint endpoint(m_path, m_window);
        int silent = Connect();
        MessageLoop::Instance().ProcessMessages();
        clock.Advance(1500);
        MessageLoop::Instance().ProcessMessages();
        char byte;
        timeval patience{1, 0};
        setsockopt(silent, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        EXPECT_EQ(recv(silent, &byte, 1, 0), 0) << "the endpoint hung up";
        close(silent);
        EXPECT_EQ(Exchange("1030\n"), "ok\n");
    }
    SetClock(nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_path)) << "the socket file goes with the endpoint";
}

TEST_F(EndpointTest, StaleSocketFileIsReplacedButALiveOneIsNot) {
    {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, m_path.c_str());
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        close(fd); // leaves the file with nobody listening
    }
    UserMessageEndpoint first(m_path, m_window);
    EXPECT_TRUE(first.Listening());
    UserMessageEndpoint second(m_path, m_window);
    EXPECT_FALSE(second.Listening());
}

TEST(UserMessageLine, AcceptsDecimalNumbersOnly) {
    EXPECT_EQ(ParseUserMessageLine("1027\n"), 1027u);
    EXPECT_EQ(ParseUserMessageLine("4294967295"), 4294967295u);
    EXPECT_FALSE(ParseUserMessageLine("4294967296"));
    EXPECT_FALSE(ParseUserMessageLine("-1"));
    EXPECT_FALSE(ParseUserMessageLine(""));
    EXPECT_FALSE(ParseUserMessageLine("\n"));
    EXPECT_FALSE(ParseUserMessageLine("0x400"));
}

} // namespace
