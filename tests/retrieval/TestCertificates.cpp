#include "TestCertificates.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace gb::test {

namespace {

struct KeyDeleter {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct CertificateDeleter {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyDeleter>;
using Certificate = std::unique_ptr<X509, CertificateDeleter>;

void Check(bool ok, const char* what) {
    if (!ok) {
        throw std::runtime_error(std::string("Making the test certificates failed: ") + what);
    }
}

Key NewKey() {
    Key key(EVP_EC_gen("P-256"));
    Check(key != nullptr, "key");
    return key;
}

void AddExtension(X509* certificate, X509* issuer, int nid, const char* value) {
    X509V3_CTX context;
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_nconf_nid(nullptr, &context, nid, value);
    Check(extension != nullptr, value);
    X509_add_ext(certificate, extension, -1);
    X509_EXTENSION_free(extension);
}

// A certificate for `key` named `commonName`, signed by the issuer (itself
// when `issuer` is null).
Certificate NewCertificate(EVP_PKEY* key, const char* commonName, long serial, X509* issuer,
                           EVP_PKEY* issuerKey) {
    Certificate certificate(X509_new());
    Check(certificate != nullptr, "certificate");
    X509* cert = certificate.get();
    X509_set_version(cert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert), serial);
    X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert), 24 * 3600);
    X509_set_pubkey(cert, key);
    X509_NAME* name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>(commonName), -1, -1, 0);
    X509* signer = issuer != nullptr ? issuer : cert;
    X509_set_issuer_name(cert, X509_get_subject_name(signer));
    AddExtension(cert, signer, NID_subject_key_identifier, "hash");
    if (issuer == nullptr) {
        AddExtension(cert, signer, NID_basic_constraints, "critical,CA:TRUE");
        AddExtension(cert, signer, NID_key_usage, "critical,keyCertSign,cRLSign");
    } else {
        AddExtension(cert, signer, NID_authority_key_identifier, "keyid");
        AddExtension(cert, signer, NID_basic_constraints, "critical,CA:FALSE");
        AddExtension(cert, signer, NID_key_usage, "critical,digitalSignature");
        AddExtension(cert, signer, NID_ext_key_usage, "serverAuth");
        AddExtension(cert, signer, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
    }
    Check(X509_sign(cert, issuerKey != nullptr ? issuerKey : key, EVP_sha256()) > 0, "sign");
    return certificate;
}

template <typename Write>
void WritePem(const std::filesystem::path& path, Write write) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    Check(file != nullptr, "open");
    const bool written = write(file);
    Check(std::fclose(file) == 0 && written, "write");
}

}  // namespace

TestCertificates::TestCertificates() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gb-certs-XXXXXX").string();
    Check(::mkdtemp(pattern.data()) != nullptr, "folder");
    folder_ = pattern;
    caFile_ = folder_ / "ca.pem";
    serverCertFile_ = folder_ / "server.pem";
    serverKeyFile_ = folder_ / "server-key.pem";

    Key caKey = NewKey();
    Certificate ca = NewCertificate(caKey.get(), "Gavelbook Test CA", 1, nullptr, nullptr);
    Key serverKey = NewKey();
    Certificate server = NewCertificate(serverKey.get(), "127.0.0.1", 2, ca.get(), caKey.get());

    WritePem(caFile_, [&](std::FILE* file) { return PEM_write_X509(file, ca.get()) == 1; });
    WritePem(serverCertFile_,
             [&](std::FILE* file) { return PEM_write_X509(file, server.get()) == 1; });
    WritePem(serverKeyFile_, [&](std::FILE* file) {
        return PEM_write_PrivateKey(file, serverKey.get(), nullptr, nullptr, 0, nullptr, nullptr) ==
               1;
    });
}

TestCertificates::~TestCertificates() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

}  // namespace gb::test
