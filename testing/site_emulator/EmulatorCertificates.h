#pragma once
// The emulator's own certificate authority, made afresh each time the
// emulator starts, and a server certificate signed by it for 127.0.0.1 and for
// localhost, the same server under another name, on which tests play a
// stranger. The authority's certificate is written to a temporary folder so
// that clients can be told to trust it; the folder goes when the object does.

#include <openssl/types.h>

#include <filesystem>
#include <memory>

namespace gb::emulator {

class EmulatorCertificates {
public:
    // Throws std::runtime_error when the certificates cannot be made or written.
    EmulatorCertificates();
    ~EmulatorCertificates();
    EmulatorCertificates(const EmulatorCertificates&) = delete;
    EmulatorCertificates& operator=(const EmulatorCertificates&) = delete;

    // The authority's certificate in PEM form.
    const std::filesystem::path& AuthorityFile() const { return authorityFile_; }

    // The server's certificate and key, owned by this object.
    X509* ServerCertificate() const { return serverCertificate_.get(); }
    EVP_PKEY* ServerKey() const { return serverKey_.get(); }

private:
    struct Free {
        void operator()(X509* certificate) const;
        void operator()(EVP_PKEY* key) const;
    };

    std::filesystem::path folder_;
    std::filesystem::path authorityFile_;
    std::unique_ptr<EVP_PKEY, Free> serverKey_;
    std::unique_ptr<X509, Free> serverCertificate_;
};

}  // namespace gb::emulator
