#include "retrieval/SessionLog.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "LogLines.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace gb::retrieval {
namespace {

class SessionLogTest : public testing::Test {
protected:
    test::TempFolder folder_;
    SessionLog log_{folder_.Path() / "AucDetail.txt"};
};

TEST_F(SessionLogTest, AppendsLinesEndedByCrLfToWhatIsThere) {
    {
        SessionLog earlier(log_.Path());
        ASSERT_TRUE(earlier.Append("first"));
    }
    SessionLog reopened(log_.Path());  // opening never truncates
    ASSERT_TRUE(reopened.Append("second"));
    ASSERT_TRUE(reopened.Append(""));
    EXPECT_EQ(ReadWholeFile(log_.Path()), std::optional<std::string>("first\r\nsecond\r\n\r\n"));
}

TEST_F(SessionLogTest, ReadsAtMostOneLessThanTheBufferFromTheStart) {
    ASSERT_TRUE(log_.Append("abcdef"));
    std::array<char, 5> buffer;
    buffer.fill('#');
    EXPECT_EQ(log_.ReadFromStart(buffer.data(), 5), 4u);
    EXPECT_EQ(std::string(buffer.data()), "abcd");

    // Reading moves nothing: later lines still go to the end.
    ASSERT_TRUE(log_.Append("ghi"));
    std::array<char, 64> whole{};
    EXPECT_EQ(log_.ReadFromStart(whole.data(), whole.size()), 13u);
    EXPECT_EQ(std::string(whole.data()), "abcdef\r\nghi\r\n");
}

TEST_F(SessionLogTest, ReadsNothingIntoANullOrEmptyBufferOrFromAnEmptyLog) {
    std::array<char, 4> buffer{'x', 'y', 'z', 'w'};
    EXPECT_EQ(log_.ReadFromStart(buffer.data(), 4), 0u);  // empty log
    EXPECT_EQ(std::string(buffer.data(), 4), "xyzw");
    ASSERT_TRUE(log_.Append("line"));
    EXPECT_EQ(log_.ReadFromStart(buffer.data(), 0), 0u);
    EXPECT_EQ(log_.ReadFromStart(nullptr, 4), 0u);
    EXPECT_EQ(std::string(buffer.data(), 4), "xyzw");
    EXPECT_EQ(log_.ReadFromStart(buffer.data(), 1), 0u);  // room for the zero only
    EXPECT_EQ(std::string(buffer.data(), 4), "xyzw");
}

TEST_F(SessionLogTest, ClearEmptiesAndLaterLinesStartAtTheBeginning) {
    ASSERT_TRUE(log_.Append("old line"));
    ASSERT_TRUE(log_.Clear());
    std::array<char, 8> buffer{'u', 'n', 't', 'o', 'u', 'c', 'h', '\0'};
    EXPECT_EQ(log_.ReadFromStart(buffer.data(), buffer.size()), 0u);
    EXPECT_EQ(std::string(buffer.data()), "untouch");
    ASSERT_TRUE(log_.Append("new"));
    EXPECT_EQ(ReadWholeFile(log_.Path()), std::optional<std::string>("new\r\n"));
}

TEST_F(SessionLogTest, LogThatCannotBeOpenedFailsWritesAndRecoversWhenItCan) {
    const auto path = folder_.Path() / "later" / "AucSummary.txt";
    SessionLog log(path);
    EXPECT_FALSE(log.Append("lost"));
    std::filesystem::create_directories(path.parent_path());
    EXPECT_TRUE(log.Append("kept"));
    EXPECT_EQ(test::LogLines(path), std::vector<std::string>{"kept"});
}

TEST_F(SessionLogTest, LinesOfFourThreadsStayWholeAndInOrder) {
    constexpr int kThreads = 4;
    constexpr int kLines = 1000;
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kThreads; ++writer) {
        writers.emplace_back([this, writer] {
            for (int line = 0; line < kLines; ++line) {
                log_.Append("writer " + std::to_string(writer) + " line " + std::to_string(line) +
                            " " + std::string(40, 'a' + writer));
            }
        });
    }
    // The user interface thread reads while the workers write.
    std::vector<char> buffer(4096);
    for (int read = 0; read < 20; ++read) {
        log_.ReadFromStart(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
    }
    for (std::thread& writer : writers) {
        writer.join();
    }

    const std::vector<std::string> lines = test::LogLines(log_.Path());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLines));
    std::map<int, int> next;
    for (const std::string& line : lines) {
        int writer = -1;
        int number = -1;
        ASSERT_EQ(std::sscanf(line.c_str(), "writer %d line %d", &writer, &number), 2) << line;
        ASSERT_TRUE(writer >= 0 && writer < kThreads) << line;
        EXPECT_EQ(number, next[writer]++) << line;
        EXPECT_EQ(line.substr(line.size() - 40), std::string(40, 'a' + writer)) << line;
    }
}

}  // namespace
}  // namespace gb::retrieval
