#pragma once
// A certificate authority and a server certificate for 127.0.0.1 made afresh
// for a test run, written as PEM files into a temporary folder.

#include <filesystem>

namespace gb::test {

class TestCertificates {
public:
    TestCertificates();
    ~TestCertificates();
    TestCertificates(const TestCertificates&) = delete;
    TestCertificates& operator=(const TestCertificates&) = delete;

    const std::filesystem::path& CaFile() const { return caFile_; }
    const std::filesystem::path& ServerCertificateFile() const { return serverCertFile_; }
    const std::filesystem::path& ServerKeyFile() const { return serverKeyFile_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path caFile_;
    std::filesystem::path serverCertFile_;
    std::filesystem::path serverKeyFile_;
};

}  // namespace gb::test
